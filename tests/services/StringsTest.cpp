// String and file-name operations, and Windows-1252 at the edge between core text
// and the windows.
#include <gtest/gtest.h>

#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "tests/support/TestSupport.h"

using testing_support::readFile;
using testing_support::TempHome;
using testing_support::writeFile;

TEST(Strings, FileNameParts) {
    EXPECT_EQ(ApiClass::Extension("a.b.mp3"), "MP3");
    EXPECT_EQ(ApiClass::Extension("README"), "README");
    EXPECT_EQ(ApiClass::Extension("klang.w\xE4v"), "W\xC4V");
    EXPECT_EQ(ApiClass::PathOfFile("C:\\x\\y.txt"), "C:\\x\\");
    EXPECT_EQ(ApiClass::PathOfFile("y.txt"), "");
    EXPECT_EQ(ApiClass::NameOhneExtension("a/b/ Lied .mid"), "Lied");
    EXPECT_EQ(ApiClass::NameOhneExtension("a.b/lied"), "lied");
    EXPECT_EQ(ApiClass::NameMitExtension("x/lied.mid", ".wav"), "lied.wav");
}

TEST(Strings, FixedWidthTexts) {
    EXPECT_EQ(ApiClass::FixTrimL(" ab ", 6, 1), "ab    ");
    EXPECT_EQ(ApiClass::FixTrimR(" ab ", 6, 1), "   ab ");
    EXPECT_EQ(ApiClass::FixTrimL("abcdefgh", 4, 1), "abc ");
    EXPECT_EQ(ApiClass::FixTrimR("abcdefgh", 4, 1), "fgh ");
    EXPECT_EQ(ApiClass::AnzahlBuchstaben("a", "banana"), 3);
}

TEST(Strings, PartsOfTexts) {
    struct Case {
        const char* text;
        int index, rest;
        const char* expected;
    } cases[] = {{"a,b,c", 0, 0, "a"}, {"a,b,c", 1, 0, "b"}, {"a,b,c", 2, 0, "c"},  {"a,b,c", 3, 0, ""},
                 {"abc", 0, 0, "abc"}, {"abc", 1, 0, ""},    {"a,b,c", 1, 1, "b,c"}};
    for (const Case& c : cases) {
        std::string r = "unchanged";
        int rest = c.rest;
        ApiClass::TeilString(c.text, ",", c.index, rest, r);
        EXPECT_EQ(r, c.expected) << c.text << " " << c.index << " " << c.rest;
    }
    // Lines after the first keep the separator's second character.
    EXPECT_EQ(ApiClass::HoleZeileAusText("eins\r\nzwei\r\ndrei", 0), "eins");
    EXPECT_EQ(ApiClass::HoleZeileAusText("eins\r\nzwei\r\ndrei", 2), "\ndrei");
}

TEST(Strings, SearchAndReplaceInFiles) {
    TempHome home;
    ApiClass api;
    std::string f = home.appPfad() + "r.txt";
    writeFile(f, "Hallo Welt, hallo Kinder");
    api.SucheUndErsetze(f, "HALLO", "Tschüss");
    EXPECT_EQ(readFile(f), "Tschüss Welt, hallo Kinder");
    EXPECT_EQ(readFile(f + "bac"), "Hallo Welt, hallo Kinder");
    api.SucheUndErsetze(f, "fehlt", "x");
    EXPECT_EQ(readFile(f), "Tschüss Welt, hallo Kinder");
    EXPECT_EQ(readFile(f + "bac"), "Tschüss Welt, hallo Kinder");
    writeFile(f, "a<b>text</b>c");
    api.SucheUndErsetzeVonBis(f, "<B>|</B>", "[x]");
    EXPECT_EQ(readFile(f), "a[x]c");
    api.SucheUndErsetzeVonBis(f, "ohne Strich", "y");
    EXPECT_EQ(readFile(f), "a[x]c");
    api.SucheUndErsetze(home.appPfad() + "gibtsnicht.txt", "a", "b");
    EXPECT_FALSE(testing_support::fileExists(home.appPfad() + "gibtsnicht.txtbac"));
}

TEST(Codepage, AllBytesRoundTripThroughUnicode) {
    std::string all;
    for (int i = 0; i < 256; ++i) all.push_back(char(i));
    EXPECT_EQ(cp1252::fromUnicode(cp1252::toUnicode(all)), all);
    EXPECT_EQ(cp1252::toUnicode("\x80"), QString(QChar(0x20AC)));
    EXPECT_EQ(cp1252::fromUnicode(QString(QChar(0x4E2D))), "?");
}
