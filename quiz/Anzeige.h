#pragma once
// Geometry and small rules of the game view, kept apart from the widgets so they
// can be checked without a screen. Lengths are twips (15 twips = 1 pixel).
#include <array>
#include <cstdint>
#include <string>

namespace quiz {

constexpr int kTwipsProPixel = 15;
inline int zuPixel(int twips) {
    return twips / kTwipsProPixel;
}
inline int zuTwips(int pixel) {
    return pixel * kTwipsProPixel;
}

struct Rechteck {
    int left = 0, top = 0, width = 0, height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool operator==(const Rechteck&) const = default;
};

// How much the game's texts, press buttons and counter grow in a window larger
// than the designed 900 x 640 pixels (a full-HD screen, a projector): with the
// window, up to twice.
double Massstab(int breitePixel, int hoehePixel);

// Font size in points of an answer label by the length of its text (with the
// leading blank): long answers get a smaller font so they fit.
int AntwortSchriftgroesse(std::size_t laenge);

// The rolling counter: two stacked images used in turn, one digit per step.
struct Zaehlerlauf {
    int bild = 0;    // index (0, 1) of the image used last
    int ziffer = 0;  // digit shown last
    // One step: switches the image and advances the digit.
    void Drehen() {
        bild = 1 - bild;
        ziffer = (ziffer + 1) % 10;
    }
};

// The three digits a stopped counter paints for question number n.
std::array<int, 3> ZaehlerZiffern(std::int32_t n);

// Placement of the game controls for a window of W x H twips.
struct SpielLayout {
    Rechteck imgRahmen, Rahmen, frmNeueFrage;
    std::array<Rechteck, 5> Press;    // top to bottom
    std::array<Rechteck, 5> Antwort;  // Antwort 1 .. 5
    Rechteck lblGrad, lblGebiet, zaehler;
};

// Height of the difficulty and subject labels below the staircase.
constexpr int kZeilenHoehe = 390;
// The smallest press button height the staircase shrinks to in a short window:
// the answer rows beside the buttons still hold a line of the largest answer font.
constexpr int kPressMindestHoehe = 480;

// The press buttons keep their designed size (pressBreite x pressHoehe) when
// the staircase, the labels and the counter (zaehlerBreite x zaehlerHoehe) fit
// below the frame picture; in a shorter window the buttons, and with them the
// staircase's steps and the answer rows, shrink until they do.
// `zeilenHoehe` is the height of each of the two label rows.
SpielLayout LayoutBerechnen(int W, int H, int pressBreite, int pressHoehe, int zaehlerBreite = 0,
                            int zaehlerHoehe = 0, int zeilenHoehe = kZeilenHoehe);

// The question text keeps at least this share of the frame's width (in
// percent), however wide the picture beside it is.
constexpr int kFrageMindestAnteil = 50;

// Where a picture of natural size w x h goes in a frame of RW x RH: at the
// frame's right edge, shrunk to the frame's height when taller, and shrunk
// further (proportions kept) when it would leave the question text less than
// its share of the width. Centred vertically.
Rechteck BildPlatz(int RW, int RH, int w, int h);

}  // namespace quiz
