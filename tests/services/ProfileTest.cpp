// Profile files must give the same results as the Windows profile functions on
// the same bytes, and writes must change exactly the bytes they should.
#include <gtest/gtest.h>

#include <fstream>

#include "services/Profile.h"
#include "tests/services/ServicesFixture.h"

using profile::Parsed;
using testing_support::readFile;
using testing_support::writeFile;

TEST(ProfileRead, WindowsRulesOnTheSameBytes) {
    const std::string missing = "<missing>";
    struct Case {
        std::string bytes, section, key, expected;
    } cases[] = {
        {"[Allgemein]\r\nVersion=3.0.1\r\n", "ALLGEMEIN", "version", "3.0.1"},
        // Blanks around names and values are not part of them; inner blanks count.
        {"  [ Quiz 5 ]  \r\n  Frage  =   a b c   \r\n", " Quiz 5 ", " Frage ", "a b c"},
        {"[Quiz 5]\r\n\tAntwort 1\t=\tx\t\r\n", "Quiz 5", "Antwort 1", "x"},
        {"[Quiz 5]\r\nAntwort 1=x\r\n", "Quiz 5", "Antwort  1", missing},
        // The section name runs to the last "]"; "[b" without one is an ordinary line.
        {"[a]b]\r\nk=1\r\n[b\r\nk=2\r\n", "a]b", "k", "1"},
        {"[a]b]\r\nk=1\r\n[b\r\nk=2\r\n", "b", "k", missing},
        // Matching quotes go only in pairs.
        {"[s]\r\na=\"x y\"\r\n", "s", "a", "x y"},
        {"[s]\r\nb='z'\r\n", "s", "b", "z"},
        {"[s]\r\nc=\"x'\r\n", "s", "c", "\"x'"},
        {"[s]\r\nd=\"\r\n", "s", "d", "\""},
        {"[s]\r\ne= \" pad \" \r\n", "s", "e", " pad "},
        // Comments only at the line start; "#" is ordinary.
        {"[s]\r\n ;k=1\r\nk=2;3\r\n", "s", "k", "2;3"},
        {"[s]\r\n ;k=1\r\n", "s", ";k", missing},
        {"[s]\r\n#h=4\r\n", "s", "#h", "4"},
        // The first key and the first section of a name win; a bare key hides later values.
        {"[s]\r\nk=1\r\nk=2\r\n", "s", "k", "1"},
        {"[s]\r\nk=1\r\n[S]\r\nj=3\r\n", "s", "j", missing},
        {"[t]\r\nk\r\nk=5\r\n", "t", "k", ""},
        // Lines before the first section belong to none.
        {"k=0\r\n[s]\r\nk=1\r\n", "", "k", missing},
        // Any line end, and a missing final one.
        {"[s]\nk=1\nj=2", "s", "j", "2"},
        {"[s]\rk=1\rj=2", "s", "k", "1"},
    };
    for (const Case& c : cases) {
        Parsed parsed(c.bytes);
        auto v = parsed.lookup(c.section, c.key);
        EXPECT_EQ(v ? std::string(*v) : missing, c.expected) << c.bytes << " [" << c.section << "] " << c.key;
    }
}

TEST(ProfileWrite, GoldenFiles) {
    // Each case: before.ini, entry.txt ("section<TAB>key<TAB>value") and the expected after.ini.
    const auto cases = testing_support::goldenCases("profile-write");
    ASSERT_GE(cases.size(), 8u);
    for (const std::string& dir : cases) {
        const std::string entry = readFile(dir + "entry.txt");
        const size_t t1 = entry.find('\t'), t2 = entry.find('\t', t1 + 1);
        ASSERT_NE(t2, std::string::npos) << dir;
        Parsed before(readFile(dir + "before.ini"));
        EXPECT_EQ(
            before.withValue(entry.substr(0, t1), entry.substr(t1 + 1, t2 - t1 - 1), entry.substr(t2 + 1)),
            readFile(dir + "after.ini"))
            << dir;
    }
}

TEST(ProfileWrite, ARecordAtOnceEndsAsKeyByKeyWrites) {
    // The section's place decides where new keys and a new section go.
    const char* vorher[] = {
        "",
        "[a]\r\nx=1\r\n[Quiz 5]\r\nFrage=alt\r\n\r\n;c\r\n[b]\r\ny=2\r\n",
        "[a]\r\nx=1\r\n[quiz 5]\r\nfrage = alt\r\nFrage=zwei",
        "[Quiz 5]\r\nBild=1\r\n[Quiz 5]\r\nAudio=2\r\n",
        "[a]\r\nx=1",
        "[a]\r\nx=1\r\n\r\n",
    };
    const Parsed::Values werte = {{"Frage", "neu"}, {"Bild", ""}, {"Audio", "a.wav"}, {"FRAGE", "neu"}};
    for (const char* bytes : vorher) {
        std::string einzeln = bytes;
        for (const auto& [k, v] : werte) einzeln = Parsed(std::move(einzeln)).withValue(" Quiz 5", k, v);
        EXPECT_EQ(Parsed(bytes).withValues(" Quiz 5", werte), einzeln) << bytes;
    }
}

using ProfileStoreTest = DatenOrdner;

TEST_F(ProfileStoreTest, NamesResolveToTheDataFolderAnyCaseAndAnySeparator) {
    api.IniSchreiben("", "Allgemein", "Version", "3.0.1");
    EXPECT_EQ(readFile(home.appPfad() + "Melvato.Ini"), "[Allgemein]\r\nVersion=3.0.1\r\n");
    api.IniSchreiben("x.ini", "s", "k", "v");
    EXPECT_EQ(api.IniLesen(home.appPfad() + "X.INI", "S", "K"), "v");
    std::string full = home.root() + "y.ini";
    api.IniSchreiben(full, "s", "k", "w");
    EXPECT_EQ(api.IniLesen(full, "s", "k"), "w");
    EXPECT_FALSE(testing_support::fileExists(home.appPfad() + "y.ini"));
    writeFile(home.appPfad() + "DATEN/Liste.Ini", "[s]\r\nk=1\r\n");
    EXPECT_EQ(api.IniLesen(home.appPfad() + "daten\\liste.ini", "s", "k"), "1");
    api.IniSchreiben(home.appPfad() + "Daten\\LISTE.INI", "s", "k", "2");
    EXPECT_EQ(readFile(home.appPfad() + "DATEN/Liste.Ini"), "[s]\r\nk=2\r\n");
}

TEST_F(ProfileStoreTest, ChangesByAnotherProgramAreSeenAfterTheRecheckInterval) {
    std::int64_t now = 1000;
    api.profiles().setClock([&] { return now; });
    api.IniSchreiben("c.ini", "s", "k", "1");
    EXPECT_EQ(api.IniLesen("c.ini", "s", "k"), "1");
    std::ofstream(home.appPfad() + "c.ini", std::ios::binary | std::ios::trunc) << "[s]\r\nk=2\r\n";
    now += 999;
    EXPECT_EQ(api.IniLesen("c.ini", "s", "k"), "1");
    now += 1;
    EXPECT_EQ(api.IniLesen("c.ini", "s", "k"), "2");
    // A change this program makes through the file functions is seen at once.
    fsys::writeAtomic(home.appPfad() + "c.ini", "[s]\r\nk=3\r\n");
    EXPECT_EQ(api.IniLesen("c.ini", "s", "k"), "3");
    fsys::remove(home.appPfad() + "c.ini");
    EXPECT_EQ(api.IniLesen("c.ini", "s", "k"), "");
}

TEST_F(ProfileStoreTest, LineBreaksInValuesCannotInjectKeys) {
    api.IniSchreiben("i.ini", "s", "Frage", "Wer?\r\n[Allgemein]\nIndexNotwendig=0");
    EXPECT_EQ(readFile(home.appPfad() + "i.ini"), "[s]\r\nFrage=Wer?  [Allgemein] IndexNotwendig=0\r\n");
    EXPECT_EQ(api.IniLesen("i.ini", "Allgemein", "IndexNotwendig"), "");
}
