// String and file-name operations.
#include <gtest/gtest.h>

#include "services/ApiClass.h"
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
    std::string r;
    int rest = 0;
    ApiClass::TeilString("a,b,c", ",", 0, rest, r);
    EXPECT_EQ(r, "a");
    ApiClass::TeilString("a,b,c", ",", 1, rest, r);
    EXPECT_EQ(r, "b");
    ApiClass::TeilString("a,b,c", ",", 2, rest, r);
    EXPECT_EQ(r, "c");
    ApiClass::TeilString("a,b,c", ",", 3, rest, r);
    EXPECT_EQ(r, "");
    ApiClass::TeilString("abc", ",", 0, rest, r);
    EXPECT_EQ(r, "abc");
    ApiClass::TeilString("abc", ",", 1, rest, r);
    EXPECT_EQ(r, "");
    rest = 1;
    ApiClass::TeilString("a,b,c", ",", 1, rest, r);
    EXPECT_EQ(r, "b,c");
    // Lines after the first keep the separator's second character.
    EXPECT_EQ(ApiClass::HoleZeileAusText("eins\r\nzwei\r\ndrei", 0), "eins");
    EXPECT_EQ(ApiClass::HoleZeileAusText("eins\r\nzwei\r\ndrei", 1), "\nzwei");
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
