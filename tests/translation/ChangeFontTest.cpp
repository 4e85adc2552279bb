// The language font on a real window: default controls follow it, controls that
// named the old default font get it, other fonts keep their name, and the
// music-symbol controls are not touched at all.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "tests/translation/TranslationFixture.h"

namespace {

QString charset(const QWidget* w) {
    return w->property(Translation_Class::kCharsetProperty).toString();
}

struct Fenster {
    QWidget window;
    QLabel* normal;
    QPushButton* altDefault;
    QLabel* eigen;
    QLabel* symbol;
    QLabel* musik;
    Fenster() {
        window.setObjectName(QStringLiteral("frmAutor"));
        window.setFont(QFont(QStringLiteral("MS Sans Serif")));
        normal = new QLabel(QStringLiteral("Text"), &window);
        altDefault = new QPushButton(QStringLiteral("OK"), &window);
        altDefault->setFont(QFont(QStringLiteral("MS Sans Serif"), 14));
        eigen = new QLabel(QStringLiteral("Titel"), &window);
        eigen->setFont(QFont(QStringLiteral("Courier New")));
        symbol = new QLabel(QStringLiteral("&"), &window);
        symbol->setFont(QFont(QStringLiteral("Musica")));
        symbol->setProperty(Translation_Class::kCharsetProperty, Translation_Class::kSymbolCharset);
        musik = new QLabel(QStringLiteral("G"), &window);
        musik->setFont(QFont(QStringLiteral("MusicalSymbols"), 20));
    }
};

}  // namespace

TEST_F(TranslationTest, ChangeFontPutsTheLanguageFontOnTheWindow) {
    haupt("5\tDejaVu Serif\tx\r\n7\t238\tx\r\n10001\t0\ta\r\n");
    Translation_Class& t = laden();
    Fenster f;
    t.ChangeFont(&f.window);

    EXPECT_EQ(f.window.font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(f.normal->font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(f.altDefault->font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(f.altDefault->font().pointSize(), 14);  // only the name changes
    EXPECT_EQ(f.eigen->font().family(), QStringLiteral("Courier New"));
    EXPECT_EQ(f.symbol->font().family(), QStringLiteral("Musica"));
    EXPECT_EQ(charset(&f.window), QStringLiteral("238"));
    EXPECT_EQ(charset(f.normal), QStringLiteral("238"));
    EXPECT_EQ(charset(f.eigen), QStringLiteral("238"));
    EXPECT_EQ(charset(f.symbol), QStringLiteral("2"));
    EXPECT_EQ(f.musik->font().family(), QStringLiteral("MusicalSymbols"));
    EXPECT_EQ(charset(f.musik), QString());  // not marked, and still passed over
}

TEST_F(TranslationTest, ChangeFontWithoutLanguageFontKeepsTheFonts) {
    haupt("10001\t0\ta\r\n");
    personal(" 7\t161\tx\r\n");
    Translation_Class& t = laden();
    Fenster f;
    t.ChangeFont(&f.window);
    EXPECT_EQ(f.window.font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(f.altDefault->font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(charset(f.altDefault), QStringLiteral("161"));
    EXPECT_EQ(charset(f.symbol), QStringLiteral("2"));
    t.ChangeFont(nullptr);  // no window, nothing to do
}
