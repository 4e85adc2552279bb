// Numbers, scrambled values and whole-file text operations of the services object.
#include <gtest/gtest.h>

#include <climits>

#include "tests/services/ServicesFixture.h"

using testing_support::readFile;
using testing_support::writeFile;

using ApiTest = DatenOrdner;

TEST_F(ApiTest, NumbersAreStoredWithLeadingBlankAndReadLikeVal) {
    api.IniSchreibenVal("n.ini", "s", "a", 5);
    api.IniSchreibenVal("n.ini", "s", "b", -3);
    EXPECT_EQ(readFile(file("n.ini")), "[s]\r\na= 5\r\nb=-3\r\n");
    EXPECT_EQ(api.IniLesenVal("n.ini", "s", "a"), 5);
    const std::pair<const char*, int> cases[] = {
        {"7.5", 8},          {"6.5", 6},        {"12abc", 12},
        {"abc", 0},          {"", 0},           {"1 2", 12},
        {"&H10", 16},        {"-2.5e1x", -25},  {"99999999999999", INT_MAX},
        {"-1e300", INT_MIN}, {"1e999", INT_MAX}};  // half to even, blanks skipped, saturated
    for (const auto& [text, expected] : cases) {
        writeFile(file("v.ini"), std::string("[s]\r\nv=") + text + "\r\n");
        EXPECT_EQ(api.IniLesenVal("v.ini", "s", "v"), expected) << text;
    }
    EXPECT_EQ(api.IniLesenVal("v.ini", "s", "missing"), 0);
}

TEST(Scrambling, KnownValuesWrapAroundAndEveryTextRoundTrips) {
    EXPECT_EQ(ApiClass::EnCode("abc"), "bdf");
    EXPECT_EQ(ApiClass::EnCode("AAA"), "BCD");
    EXPECT_EQ(ApiClass::EnCode("\xFF"), " ");
    EXPECT_EQ(ApiClass::DeCode(" "), "\xFF");
    // Every text of codes 32 to 255 comes back, at every length of the key's cycle.
    std::string text;
    for (int i = 0; i < 700; ++i) text.push_back(char(32 + (i * 37) % 224));
    for (size_t len : {size_t(0), size_t(1), size_t(223), size_t(224), size_t(225), size_t(700)}) {
        std::string t = text.substr(0, len);
        std::string s = ApiClass::EnCode(t);
        ASSERT_EQ(s.size(), t.size());
        for (char c : s) ASSERT_GE(static_cast<unsigned char>(c), 32);
        EXPECT_EQ(ApiClass::DeCode(s), t) << "length " << len;
    }
}

TEST_F(ApiTest, ScrambledValuesReadBackWholeWhateverTheirEndsOrCutAt254) {
    // Plain texts whose scrambled form starts or ends with a blank or a quote pair.
    std::vector<std::string> texts;
    for (int last = 32; last < 256; ++last)
        for (size_t len : {size_t(1), size_t(2), size_t(193)}) {
            std::string t(len, 'a');
            t.back() = char(last);
            texts.push_back(t);
            std::string u = t;
            u.front() = char(last);
            texts.push_back(u);
        }
    texts.push_back(std::string(192, 'x') + "?");  // a long question ending in "?"
    for (const std::string& t : texts) {
        api.Ini_Verschlüsselt("c.dat", "Quiz 1", "Frage", t);
        ASSERT_EQ(api.Ini_Verschlüsselt("c.dat", "Quiz 1", "Frage"), t) << t;
    }
    // A value cut at 254 unscrambles to the plain prefix.
    const std::string t(300, 'm');
    api.Ini_Verschlüsselt("c.dat", "Quiz 1", "Frage", t);
    EXPECT_EQ(api.Ini_Verschlüsselt("c.dat", "Quiz 1", "Frage"), t.substr(0, 254));
}

TEST_F(ApiTest, TextFilesTrimBlanksAndReportFailures) {
    api.TextDatei("t.txt", "  hallo welt  ");
    EXPECT_EQ(readFile(file("t.txt")), "hallo welt");
    writeFile(file("t.txt"), "  a\r\nb \r\n  ");
    EXPECT_EQ(api.TextDatei("t.txt"), "a\r\nb \r\n");
    EXPECT_EQ(api.TextDatei("missing.txt"), "");
    api.AppendTextDatei("h.txt", " eins ");
    api.AppendTextDatei("h.txt", "zwei");
    EXPECT_EQ(readFile(file("h.txt")), "eins\r\nzwei\r\n");
    EXPECT_THROW(api.TextDatei(home.root() + "nope/x.txt", "x"), ApiError);
    EXPECT_THROW(api.AppendTextDatei(home.root() + "nope/x.txt", "x"), ApiError);
}

TEST_F(ApiTest, TextLevelEntryEditing) {
    writeFile(file("e.ini"), "[a]\r\nTempo=100\r\nName=x\r\n");
    api.ExchangeIniDatei("e.ini", "Tempo", "120");
    EXPECT_EQ(readFile(file("e.ini")), "[a]\r\nTempo=120\r\nName=x\r\n");
    EXPECT_EQ(api.ShowIniDatei("e.ini", "Tempo"), "120");
    api.ExchangeIniDatei("e.ini", "Neu", "1");
    // Line ends are not blanks: the old final line end stays, so the new entry follows an empty line.
    EXPECT_EQ(readFile(file("e.ini")), "[a]\r\nTempo=120\r\nName=x\r\n\r\nNeu=1\r\n");
    EXPECT_EQ(api.ShowIniDatei("e.ini", "Fehlt"), "");
}

TEST_F(ApiTest, FindParameterLooksItemsUpWithoutCase) {
    std::string sys = home.root() + "sys/";
    writeFile(sys + "Melvato.Ini", "Farbe=rot, Tempo=120\r\n\"Name=Max Mustermann\"\r\n");
    api.setWinSysDir(sys);
    EXPECT_EQ(api.FindParameter("tempo"), "120");
    EXPECT_EQ(api.FindParameter("NAME"), "Max Mustermann");
    EXPECT_EQ(api.FindValParameter("Tempo"), 120);
    EXPECT_EQ(api.FindParameter("fehlt"), "");
    api.setWinSysDir(home.root() + "empty/");
    EXPECT_EQ(api.FindParameter("Tempo"), "");
}
