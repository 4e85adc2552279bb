// Window placement, picture export and screen copies.
#include <QDialog>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QRandomGenerator>
#include <QScreen>

#include "services/ApiClass.h"
#include "services/WindowOps.h"
#include "tests/shell/ShellFixture.h"

namespace {

using WindowOpsTest = ShellTest;

QImage noisy(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    QRandomGenerator gen(42);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, gen.generate() | 0xFF000000u);
    return img;
}

// Fifteen twips are one pixel, rounded.
TEST(Placement, WindowsAreCentredOnTheScreenOverOtherWindowsOrPlacedInTwips) {
    EXPECT_EQ(winops::pixel(9000), 600);
    EXPECT_EQ(winops::pixel(400), 27);
    EXPECT_EQ(winops::twips(600), 9000);
    QRect screen = QGuiApplication::primaryScreen()->geometry();
    QDialog a;
    a.resize(200, 100);
    winops::CenterScreen(&a);
    EXPECT_NEAR(a.frameGeometry().center().x(), screen.center().x(), 1);
    EXPECT_NEAR(a.frameGeometry().center().y(), screen.center().y(), 1);

    QDialog ref;
    ref.setGeometry(40, 30, 400, 300);
    QDialog b;
    b.resize(100, 50);
    winops::CenterFormModal(&b, &ref);
    EXPECT_NEAR(b.frameGeometry().center().x(), ref.frameGeometry().center().x(), 1);
    EXPECT_NEAR(b.frameGeometry().center().y(), ref.frameGeometry().center().y(), 1);
    // CenterForm ignores where the reference stands.
    winops::CenterForm(&b, &ref);
    EXPECT_EQ(b.pos(), QPoint((ref.width() - b.frameGeometry().width()) / 2,
                              (ref.height() - b.frameGeometry().height()) / 2));

    QWidget outer;
    outer.resize(900, 700);
    QWidget inner(&outer);
    inner.resize(300, 100);
    NewStandard::MitteOben(&outer, &inner);
    EXPECT_EQ(inner.pos(), QPoint(300, 300 - 40));  // 600 twips above the middle
    NewStandard::MitteInnen(&outer, &inner);
    EXPECT_EQ(inner.pos(), QPoint(300, 300));
}

TEST_F(WindowOpsTest, SaveJpgWritesAJpegOfLowQualityOrRaisesError5) {
    QLabel box;
    box.setPixmap(QPixmap::fromImage(noisy(120, 80)));
    std::string low = home.root() + "bild.jpg";
    winops::SaveJPG(&box, low);
    std::string bytes = testing_support::readFile(low);
    ASSERT_GT(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(0, 2), "\xFF\xD8");
    // The same picture at a high quality is clearly larger.
    QImage(noisy(120, 80)).save(QString::fromStdString(home.root() + "hoch.jpg"), "jpg", 90);
    EXPECT_LT(bytes.size() * 2, testing_support::readFile(home.root() + "hoch.jpg").size());
    // A missing folder raises error 5 with the library's status.
    try {
        winops::SaveJPG(&box, home.root() + "gibtsnicht/bild.jpg");
        FAIL() << "no error";
    } catch (const ApiError& e) {
        EXPECT_EQ(e.number(), 5);
        std::string text = e.what();
        const std::string prefix = "Speicherung des Bildes fehlgeschlagen. GDI+ Error:";
        ASSERT_EQ(text.rfind(prefix, 0), 0u) << text;
        std::string status = text.substr(prefix.size());
        ASSERT_FALSE(status.empty());
        EXPECT_NE(std::stoi(status), 0);
    }
}

TEST_F(WindowOpsTest, ScreenCopyHalvesTheSizeAndLogsTheStretchMode) {
    QImage target(200, 200, QImage::Format_ARGB32);
    target.fill(QColor(1, 2, 3, 0));
    {
        QPainter p(&target);
        winops::ScreenCopy(0, 0, 101, 61, p);
    }
    int right = -1, bottom = -1;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            if (target.pixel(x, y) != QColor(1, 2, 3, 0).rgba()) {
                right = std::max(right, x);
                bottom = std::max(bottom, y);
            }
    EXPECT_EQ(right, 49);
    EXPECT_EQ(bottom, 29);
    EXPECT_NE(log().find("Stretchmode:"), std::string::npos);
}

TEST_F(WindowOpsTest, PrintTextWritesAndMovesToTheNextLine) {
    QImage surface(200, 60, QImage::Format_RGB32);
    surface.fill(Qt::white);
    QPoint next;
    {
        QPainter p(&surface);
        p.setPen(Qt::black);
        next = winops::PrintText(p, 5, 4, "Lösung");
        EXPECT_EQ(next.y(), 4 + QFontMetrics(p.font()).lineSpacing());
    }
    EXPECT_EQ(next.x(), 5);
    int dark = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 200; ++x) dark += qGray(surface.pixel(x, y)) < 128;
    EXPECT_GT(dark, 10);
}

}  // namespace
