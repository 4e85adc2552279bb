#include "quiz/Anzeige.h"

#include <algorithm>

#include "services/ApiClass.h"

namespace quiz {

double Massstab(int breitePixel, int hoehePixel) {
    return std::clamp(std::min(breitePixel / 900.0, hoehePixel / 640.0), 1.0, 2.0);
}

int AntwortSchriftgroesse(std::size_t laenge) {
    if (laenge > 60) return 10;
    if (laenge > 50) return 12;
    return 14;
}

std::array<int, 3> ZaehlerZiffern(std::int32_t n) {
    if (n < 0) n = 0;
    return {(n / 100) % 10, (n / 10) % 10, n % 10};
}

SpielLayout LayoutBerechnen(int W, int H, int pressBreite, int pressHoehe, int zaehlerBreite,
                            int zaehlerHoehe, int zeilenHoehe) {
    SpielLayout l;
    const int mW = vb::CLng(W / 12.0);
    const int mH = vb::CLng(H / 12.0);
    l.imgRahmen = {1000, 160, W - 2000, vb::CLng(H / 2.0)};
    l.Rahmen = {mW + 1000, mH + 160, l.imgRahmen.width - 2 * mW, l.imgRahmen.height - 2 * mH};
    const int B = l.imgRahmen.bottom();

    // Below the frame picture: the staircase (five buttons, each h - 90 below the
    // one above: 5h - 360 high), a gap, the labels beside the counter, a margin.
    constexpr int abstand = 90, rand = 60;
    const int block = std::max(2 * zeilenHoehe, zaehlerHoehe);
    const int treppeFrei = H - B - abstand - block - rand;
    int h = pressHoehe, b = pressBreite;
    if (5 * h - 360 > treppeFrei && h > kPressMindestHoehe) {
        h = std::clamp((treppeFrei + 360) / 5, kPressMindestHoehe, pressHoehe);
        b = vb::CLng(double(pressBreite) * h / pressHoehe);
    }
    for (int k = 0; k < 5; ++k) {
        l.Press[size_t(k)] = {1000 + (3 - k) * 300, B + k * (h - 90), b, h};
        const Rechteck& p = l.Press[size_t(k)];
        l.Antwort[size_t(k)] = {p.right() + 60, p.top + 90, l.Rahmen.width - 150, h - 120};
    }

    // The cover hides everything a question shows: the frame picture, every
    // press button (the lowest one sticks out left of the frame) and every answer.
    int links = l.imgRahmen.left, rechts = l.imgRahmen.right(), unten = l.imgRahmen.bottom();
    for (int k = 0; k < 5; ++k)
        for (const Rechteck& r : {l.Press[size_t(k)], l.Antwort[size_t(k)]}) {
            links = std::min(links, r.left);
            rechts = std::max(rechts, r.right());
            unten = std::max(unten, r.bottom());
        }
    l.frmNeueFrage = {links, 160, rechts - links, unten - 160};

    // Below the staircase: difficulty and subject on the left, the counter on the right.
    const int oben = l.Press[4].bottom() + abstand;
    const int textBreite = std::max(0, l.imgRahmen.width - zaehlerBreite - 150);
    l.lblGrad = {l.imgRahmen.left, oben, textBreite, zeilenHoehe};
    l.lblGebiet = {l.imgRahmen.left, oben + zeilenHoehe, textBreite, zeilenHoehe};
    l.zaehler = {l.imgRahmen.right() - zaehlerBreite, oben, zaehlerBreite, zaehlerHoehe};
    return l;
}

Rechteck BildPlatz(int RW, int RH, int w, int h) {
    int breite = w, hoehe = h;
    if (h > RH && h > 0) {
        breite = vb::CLng(double(RH) * w / h);
        hoehe = RH;
    }
    // The text starts 150 from the frame's left edge and ends 150 before the
    // picture; the picture ends 150 before the right edge.
    const int hoechstens = std::max(0, RW - 450 - RW * kFrageMindestAnteil / 100);
    if (breite > hoechstens && breite > 0) {
        hoehe = vb::CLng(double(hoehe) * hoechstens / breite);
        breite = hoechstens;
    }
    return {RW - breite - 150, vb::CLng((RH - hoehe) / 2.0), breite, hoehe};
}

}  // namespace quiz
