// The translation editor window, worked through its controls.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "tests/translation/TranslationFixture.h"
#include "translation/frmTranslation.h"

using testing_support::readFile;

namespace {
const std::string kHaupt =
    "1\tDeutsch\tx\r\n"
    "20001\t0\tHauptfenster\r\n"
    "10028\t20001\tSchlie\xDF\x65n\r\n"
    "30005\t20001\tOK\r\n";

template <class W>
W* kind(QDialog& d, const char* name) {
    W* w = d.findChild<W*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}
}  // namespace

TEST_F(TranslationTest, EditorWindowKeepsTypedTextWhenMovingOnAndSavesOnClose) {
    haupt(kHaupt);
    Translation_Class& t = laden();
    frmTranslation::heute = [] { return QStringLiteral("07.12.2026"); };
    t.ShowMeModal([&](QDialog& d) {
        EXPECT_TRUE(t.EditorGezeigt());
        auto* neu = kind<QPlainTextEdit>(d, "neu_text");
        EXPECT_EQ(kind<QPlainTextEdit>(d, "orgi_text")->toPlainText(), QStringLiteral("Deutsch:\nSchließen"));
        EXPECT_TRUE(kind<QRadioButton>(d, "bereich1")->font().bold());
        EXPECT_FALSE(kind<QRadioButton>(d, "bereich2")->font().bold());
        neu->setPlainText(QStringLiteral("Close"));
        kind<QScrollBar>(d, "VScroll1")->setValue(2);  // moves on without Enter
        EXPECT_EQ(kind<QLineEdit>(d, "zeiger_Nr")->text(), QStringLiteral("20001"));
        EXPECT_EQ(kind<QPlainTextEdit>(d, "mutterfeld")->toPlainText(), QString());
        neu->setPlainText(QStringLiteral("Main window"));
        // The category button jumps, and the text typed before it is kept.
        QTest::mouseClick(kind<QRadioButton>(d, "bereich3"), Qt::LeftButton);
        EXPECT_EQ(kind<QLineEdit>(d, "zeiger_Nr")->text(), QStringLiteral("30005"));
        EXPECT_EQ(kind<QPlainTextEdit>(d, "mutterfeld")->toPlainText(),
                  QStringLiteral("->20001: Main window"));
        neu->setPlainText(QStringLiteral("Fine"));
        kind<QLineEdit>(d, "sprache")->setText(QStringLiteral("English"));
        // The close box: the last text is kept too.
        d.close();
    });
    EXPECT_FALSE(t.EditorGezeigt());
    EXPECT_EQ(readFile(t.PersonalDatei()),
              " 1\tEnglish\tx\r\n 2\t" + ApiClass::Version() +
                  "\tx\r\n 3\t07.12.2026\tx\r\n 4\t\tx\r\n 5\t\tx\r\n 6\t0\tx\r\n 7\t1\tx\r\n"
                  " 10028\t 20001\tClose\r\n 20001\t 0\tMain window\r\n 30005\t 20001\tFine\r\n");
    EXPECT_EQ(t.translation(10028), "Close");

    // The Schließen button closes the window and saves too.
    frmTranslation::heute = [] { return QStringLiteral("08.12.2026"); };
    t.ShowMeModal([](QDialog& d) { kind<QPushButton>(d, "exit")->click(); });
    EXPECT_FALSE(t.EditorGezeigt());
    EXPECT_NE(readFile(t.PersonalDatei()).find(" 3\t08.12.2026\tx\r\n"), std::string::npos);
}
