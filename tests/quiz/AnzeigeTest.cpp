#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "quiz/Anzeige.h"

TEST(Anzeige, AnswerFontShrinksWithLength) {
    EXPECT_EQ(quiz::AntwortSchriftgroesse(1), 14);
    EXPECT_EQ(quiz::AntwortSchriftgroesse(50), 14);
    EXPECT_EQ(quiz::AntwortSchriftgroesse(51), 12);  // 50 characters and the leading blank
    EXPECT_EQ(quiz::AntwortSchriftgroesse(60), 12);
    EXPECT_EQ(quiz::AntwortSchriftgroesse(61), 10);
    EXPECT_EQ(quiz::AntwortSchriftgroesse(254), 10);
}

TEST(Anzeige, CounterPaintsThreeDigits) {
    EXPECT_EQ(quiz::ZaehlerZiffern(7), (std::array<int, 3>{0, 0, 7}));
    EXPECT_EQ(quiz::ZaehlerZiffern(123), (std::array<int, 3>{1, 2, 3}));
    EXPECT_EQ(quiz::ZaehlerZiffern(998), (std::array<int, 3>{9, 9, 8}));
    EXPECT_EQ(quiz::ZaehlerZiffern(40), (std::array<int, 3>{0, 4, 0}));
}

TEST(Anzeige, RollingCounterAlternatesImagesAndWrapsDigits) {
    quiz::Zaehlerlauf z;
    std::vector<int> ziffern, bilder;
    for (int i = 0; i < 12; ++i) {
        z.Drehen();
        ziffern.push_back(z.ziffer);
        bilder.push_back(z.bild);
    }
    EXPECT_EQ(ziffern, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1, 2}));
    EXPECT_EQ(bilder, (std::vector<int>{1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0}));
}

TEST(Anzeige, LayoutPlacesFrameAndStaircase) {
    const quiz::SpielLayout l = quiz::LayoutBerechnen(12000, 9000, 600, 450);
    EXPECT_EQ(l.imgRahmen, (quiz::Rechteck{1000, 160, 10000, 4500}));
    EXPECT_EQ(l.Rahmen, (quiz::Rechteck{2000, 910, 8000, 3000}));  // margins 1000 and 750
    const int B = 160 + 4500;
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(l.Press[size_t(k)].left, 1000 + (3 - k) * 300) << k;
        EXPECT_EQ(l.Press[size_t(k)].top, B + k * 360) << k;
        EXPECT_EQ(l.Antwort[size_t(k)].left, l.Press[size_t(k)].right() + 60) << k;
        EXPECT_EQ(l.Antwort[size_t(k)].top, l.Press[size_t(k)].top + 90) << k;
        EXPECT_EQ(l.Antwort[size_t(k)].width, 8000 - 150) << k;
    }

    // Margins are rounded, not cut: 12010 / 12 = 1000.83, 6010 / 12 = 500.83.
    const quiz::SpielLayout m = quiz::LayoutBerechnen(12010, 6010, 600, 450);
    EXPECT_EQ(m.Rahmen.left, 1001 + 1000);
    EXPECT_EQ(m.Rahmen.top, 501 + 160);
}

namespace {
bool innerhalb(const quiz::Rechteck& innen, const quiz::Rechteck& aussen) {
    return innen.left >= aussen.left && innen.top >= aussen.top && innen.right() <= aussen.right() &&
           innen.bottom() <= aussen.bottom();
}
// Window sizes in pixels: the main window's frame on 1280 x 800 and 1366 x 768
// screens, a smaller one, and the large screens.
const std::vector<std::pair<int, int>> kFenster = {{1024, 640}, {1024, 560}, {1093, 560},
                                                   {1024, 520}, {1280, 800}, {1920, 1080}};
// The supplied press button (48 x 48 pixels) and three counter digits (48 x 64).
constexpr int kKnopf = 48 * 15, kZaehlerB = 3 * 48 * 15, kZaehlerH = 64 * 15;
}  // namespace

// On a school laptop the subject label and the counter's digits ran off the
// window's bottom edge below the staircase; and the lowest press button stuck out
// left of the cover, so a fifth answer's button showed while the counter rolled.
TEST(Anzeige, GameViewFitsSmallWindowsAndTheCoverHidesEveryPressButton) {
    for (const auto& [w, h] : kFenster) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        const int W = w * 15, H = h * 15;
        const quiz::SpielLayout l = quiz::LayoutBerechnen(W, H, kKnopf, kKnopf, kZaehlerB, kZaehlerH);
        const quiz::Rechteck fenster{0, 0, W, H};
        for (const quiz::Rechteck& r :
             {l.imgRahmen, l.Rahmen, l.frmNeueFrage, l.lblGrad, l.lblGebiet, l.zaehler})
            EXPECT_TRUE(innerhalb(r, fenster)) << r.left << "," << r.top << " " << r.width << "x" << r.height;
        EXPECT_TRUE(innerhalb(l.imgRahmen, l.frmNeueFrage));
        const int knopf = l.Press[0].height;
        EXPECT_GE(knopf, quiz::kPressMindestHoehe);
        for (int k = 0; k < 5; ++k) {
            EXPECT_TRUE(innerhalb(l.Press[size_t(k)], l.frmNeueFrage)) << k;
            EXPECT_TRUE(innerhalb(l.Antwort[size_t(k)], l.frmNeueFrage)) << k;
            // Still a staircase of equal buttons and steps, answers beside them.
            EXPECT_EQ(l.Press[size_t(k)].height, knopf);
            EXPECT_EQ(l.Press[size_t(k)].top, l.imgRahmen.bottom() + k * (knopf - 90));
            EXPECT_EQ(l.Antwort[size_t(k)].top, l.Press[size_t(k)].top + 90);
            EXPECT_GE(l.Antwort[size_t(k)].height, quiz::kPressMindestHoehe - 120);
            if (k > 0) {
                EXPECT_LE(l.Antwort[size_t(k - 1)].bottom(), l.Antwort[size_t(k)].top) << k;
            }
        }
        EXPECT_EQ(l.frmNeueFrage.left, l.Press[4].left);
        EXPECT_EQ(l.frmNeueFrage.top, 160);
        EXPECT_EQ(l.frmNeueFrage.bottom(), l.Press[4].bottom());
        // Labels and counter below the staircase (outside the cover, to be seen
        // during the slot), the labels clear of the counter.
        EXPECT_GT(l.lblGrad.top, l.Press[4].bottom());
        EXPECT_EQ(l.lblGebiet.top, l.lblGrad.bottom());
        EXPECT_EQ(l.lblGebiet.height, quiz::kZeilenHoehe);
        EXPECT_EQ(l.zaehler.top, l.lblGrad.top);
        EXPECT_EQ(l.zaehler.height, kZaehlerH);
        EXPECT_LT(l.lblGrad.right(), l.zaehler.left);
        // Where there is room the buttons keep their designed size.
        if (h >= 800) {
            EXPECT_EQ(knopf, kKnopf);
        } else if (h <= 560) {
            EXPECT_LT(knopf, kKnopf);
        }
    }
}

// A picture stays at the frame's right edge. A wide line of notes (589 x 160
// pixels) in a frame of 616 x 213 pixels left the question text a column of 7 pixels.
TEST(Anzeige, PicturePlacementLeavesTheQuestionReadable) {
    // Taller than the frame: shrunk to its height, proportions kept.
    EXPECT_EQ(quiz::BildPlatz(6000, 3000, 2000, 6000), (quiz::Rechteck{6000 - 1000 - 150, 0, 1000, 3000}));
    // Fits: natural size, centred vertically.
    EXPECT_EQ(quiz::BildPlatz(6000, 3000, 900, 1000), (quiz::Rechteck{6000 - 900 - 150, 1000, 900, 1000}));
    // Small pictures are not doubled.
    EXPECT_EQ(quiz::BildPlatz(6000, 3000, 300, 300).width, 300);
    const int RW = 616 * 15, RH = 213 * 15;
    const quiz::Rechteck b = quiz::BildPlatz(RW, RH, 589 * 15, 160 * 15);
    EXPECT_GE(b.left - 300, RW / 2);  // the text's share of the width, and a gap
    EXPECT_EQ(b.right(), RW - 150);
    EXPECT_NEAR(double(b.width) / b.height, 589.0 / 160.0, 0.02);  // not distorted
    EXPECT_NEAR(b.top, (RH - b.height) / 2.0, 1.0);                // centred vertically
    // Tall and wide: first fitted to the height, then to the width.
    const quiz::Rechteck c = quiz::BildPlatz(RW, RH, 2000 * 15, 1000 * 15);
    EXPECT_LE(c.height, RH);
    EXPECT_GE(c.left - 300, RW / 2);
    EXPECT_NEAR(double(c.width) / c.height, 2.0, 0.02);
    // A frame too narrow for any picture beside the text shows none rather than
    // one of negative size.
    EXPECT_EQ(quiz::BildPlatz(400, 300, 900, 300).width, 0);
    EXPECT_EQ(quiz::BildPlatz(400, 300, 900, 300).height, 0);
}
