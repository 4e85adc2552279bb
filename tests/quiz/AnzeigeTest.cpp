#include <gtest/gtest.h>

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
    EXPECT_EQ(l.frmNeueFrage.top, 160);
    EXPECT_EQ(l.frmNeueFrage.bottom(), l.Press[4].bottom());

    // Margins are rounded, not cut: 12010 / 12 = 1000.83, 6010 / 12 = 500.83.
    const quiz::SpielLayout m = quiz::LayoutBerechnen(12010, 6010, 600, 450);
    EXPECT_EQ(m.Rahmen.left, 1001 + 1000);
    EXPECT_EQ(m.Rahmen.top, 501 + 160);
}

TEST(Anzeige, PicturePlacementAtTheRightEdge) {
    // Taller than the frame: shrunk to its height, proportions kept.
    EXPECT_EQ(quiz::BildPlatz(6000, 3000, 2000, 6000), (quiz::Rechteck{6000 - 1000 - 150, 0, 1000, 3000}));
    // Fits: natural size, centred vertically.
    EXPECT_EQ(quiz::BildPlatz(6000, 3000, 900, 1000), (quiz::Rechteck{6000 - 900 - 150, 1000, 900, 1000}));
    // Small pictures are not doubled.
    EXPECT_EQ(quiz::BildPlatz(6000, 3000, 300, 300).width, 300);
}

// A wide line of notes (589 x 160 pixels) in a frame of 616 x 213 pixels left the
// question text a column of 7 pixels.
TEST(Anzeige, WidePictureLeavesQuestionReadable) {
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
