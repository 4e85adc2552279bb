// The package window as a user works it: disabled without own questions; pack,
// save as one file and read a package back into a free number.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "exchange/Pack.h"
#include "services/Codepage.h"
#include "tests/exchange/PackTestData.h"

using namespace cp1252::literals;

namespace {
struct PackWindow : ::testing::Test {
    testing_support::TempHome home;
    testing_support::ScriptedDialogs dialogs;
    testing_support::Datenordner d;
    std::function<void(QDialog&)> modal = [](QDialog&) {};

    template <class W>
    static W* kind(QWidget& w, const char* name) {
        W* c = w.findChild<W*>(QString::fromUtf8(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
};
}  // namespace

TEST_F(PackWindow, WithoutOwnQuestionsNothingCanBePacked) {
    d.frage(120, "bach.jpg");
    Pack w(d.api, modal);
    for (const char* name : {"von", "bis", "testen", "jetzPacken"})
        EXPECT_FALSE(kind<QWidget>(w, name)->isEnabled()) << name;
    EXPECT_EQ(kind<QLabel>(w, "txtvon")->text(), QString());
    EXPECT_TRUE(kind<QWidget>(w, "Einlesen")->isEnabled());
}

TEST_F(PackWindow, PackSaveAndReadBackIntoTheFreedNumber) {
    for (int n : {1, 2, 3}) d.frage(n, "bach.jpg");
    d.frage(150);
    d.medium("bach.jpg", std::string(3000, 'B'));
    Pack w(d.api, [this](QDialog& auswahl) {
        auto* fragen = kind<QListWidget>(auswahl, "Fragen");
        ASSERT_EQ(fragen->count(), 3);
        EXPECT_TRUE(fragen->item(1)->text().startsWith(QStringLiteral("Frage 2: Wer komponierte")));
        kind<QPushButton>(auswahl, "Einlesen")->click();
    });
    EXPECT_EQ(kind<QLabel>(w, "txtbis")->text(), QStringLiteral("3"));  // 150 is not offered
    EXPECT_FALSE(kind<QPushButton>(w, "Speichern")->isEnabled());
    kind<QPushButton>(w, "jetzPacken")->click();
    EXPECT_TRUE(
        kind<QPlainTextEdit>(w, "Größe")->toPlainText().startsWith(QStringLiteral(" 3 Fragen enthalten")));
    kind<QPushButton>(w, "öffnen")->click();
    EXPECT_EQ(kind<QListWidget>(w, "lstBestand")->item(0)->text(), QStringLiteral("bach.jpg 3kB"));

    dialogs.files = {home.root() + "paket"};
    kind<QPushButton>(w, "Speichern")->click();
    ASSERT_TRUE(testing_support::fileExists(home.root() + "paket.zip"));

    fragen::FrageSpeichern(d.api, 2, {});  // the user loses question 2
    dialogs.messages.clear();
    dialogs.files = {home.root() + "paket.zip"};
    kind<QPushButton>(w, "Einlesen")->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "1 Frage eingelesen:\r\n   Frage 2 ist jetzt Frage 2\r\n\r\nHinweise:\r\n"
              "   Frage 1 gibt es schon (Frage 1) und wurde nicht noch einmal eingelesen.\r\n"
              "   Frage 3 gibt es schon (Frage 3) und wurde nicht noch einmal eingelesen.");
    EXPECT_EQ(fragen::FrageLesen(d.api, 2).Frage, "Wer komponierte Stück 2?"_ansi);
    EXPECT_EQ(kind<QLabel>(w, "txtbis")->text(), QStringLiteral("3"));
}
