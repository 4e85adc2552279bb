// Profile files must give the same results as the Windows profile functions on
// the same bytes, and writes must change exactly the bytes they should.
#include <gtest/gtest.h>

#include <fstream>

#include "services/ApiClass.h"
#include "services/Profile.h"
#include "tests/support/TestSupport.h"

using profile::Parsed;
using testing_support::readFile;
using testing_support::TempHome;
using testing_support::writeFile;

namespace {
std::string value(const std::string& bytes, const std::string& section, const std::string& key) {
    Parsed parsed(bytes);
    auto v = parsed.lookup(section, key);
    return v ? std::string(*v) : std::string("<missing>");
}
}  // namespace

TEST(ProfileRead, BlanksAroundNamesAndValuesAreNotPartOfThem) {
    std::string f = "  [ Quiz 5 ]  \r\n  Frage  =   a b c   \r\n\tAntwort 1\t=\tx\t\r\n";
    EXPECT_EQ(value(f, "Quiz 5", "Frage"), "a b c");
    EXPECT_EQ(value(f, " Quiz 5 ", " Frage "), "a b c");
    EXPECT_EQ(value(f, "Quiz 5", "Antwort 1"), "x");
    EXPECT_EQ(value(f, "Quiz 5", "Antwort  1"), "<missing>");  // inner blanks count
}

TEST(ProfileRead, SectionNameIsUpToTheLastBracketAndNeedsOne) {
    std::string f = "[a]b]\r\nk=1\r\n[b\r\nk=2\r\n";
    EXPECT_EQ(value(f, "a]b", "k"), "1");
    // "[b" has no "]": an ordinary line, so k=2 still belongs to section a]b and is hidden by k=1.
    EXPECT_EQ(value(f, "b", "k"), "<missing>");
}

TEST(ProfileRead, MatchingQuotesAreRemovedOnlyInPairs) {
    std::string f = "[s]\r\na=\"x y\"\r\nb='z'\r\nc=\"x'\r\nd=\"\r\ne= \" pad \" \r\n";
    EXPECT_EQ(value(f, "s", "a"), "x y");
    EXPECT_EQ(value(f, "s", "b"), "z");
    EXPECT_EQ(value(f, "s", "c"), "\"x'");
    EXPECT_EQ(value(f, "s", "d"), "\"");
    EXPECT_EQ(value(f, "s", "e"), " pad ");
}

TEST(ProfileRead, CommentsOnlyAtLineStartAndHashIsOrdinary) {
    std::string f = "[s]\r\n ;k=1\r\nk=2;3\r\n#h=4\r\n";
    EXPECT_EQ(value(f, "s", "k"), "2;3");
    EXPECT_EQ(value(f, "s", "#h"), "4");
    EXPECT_EQ(value(f, "s", ";k"), "<missing>");
}

TEST(ProfileRead, DuplicatesFirstWinsAndBareKeyLineHidesLaterValue) {
    std::string f = "[s]\r\nk=1\r\nk=2\r\n[S]\r\nj=3\r\n[t]\r\nk\r\nk=5\r\n";
    EXPECT_EQ(value(f, "s", "k"), "1");
    EXPECT_EQ(value(f, "s", "j"), "<missing>");  // only the first section of a name is searched
    EXPECT_EQ(value(f, "t", "k"), "");
}

TEST(ProfileRead, LinesBeforeFirstSectionBelongToNone) {
    std::string f = "k=0\r\n[s]\r\nk=1\r\n";
    EXPECT_EQ(value(f, "", "k"), "<missing>");
    EXPECT_EQ(value(f, "s", "k"), "1");
}

TEST(ProfileRead, AllLineEndsAndMissingFinalLineEnd) {
    EXPECT_EQ(value("[s]\nk=1\nj=2", "s", "j"), "2");
    EXPECT_EQ(value("[s]\rk=1\rj=2", "s", "k"), "1");
    EXPECT_EQ(value("[s]\r\nk=1\r\nj=2", "s", "j"), "2");
}

TEST(ProfileWrite, NewFileSectionAndKeyHaveExactBytes) {
    Parsed empty{std::string()};
    EXPECT_EQ(empty.withValue("S", "K", "V"), "[S]\r\nK=V\r\n");
    Parsed one{"[A]\r\nx=1\r\n"};
    EXPECT_EQ(one.withValue("B", "y", "2"), "[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
    // A file without a final line end gets one before the new section.
    EXPECT_EQ(Parsed("[A]\r\nx=1").withValue("B", "y", "2"), "[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
}

TEST(ProfileWrite, NewKeyGoesDirectlyAfterLastEntryOfItsSection) {
    Parsed p{"[A]\r\nx=1\r\n\r\n[B]\r\nz=3\r\n"};
    EXPECT_EQ(p.withValue("a", "y", "2"), "[A]\r\nx=1\r\ny=2\r\n\r\n[B]\r\nz=3\r\n");
    Parsed headerOnly{"[A]\r\n[B]\r\n"};
    EXPECT_EQ(headerOnly.withValue("A", "k", "v"), "[A]\r\nk=v\r\n[B]\r\n");
    Parsed lastNoEnd{"[A]\r\nx=1"};
    EXPECT_EQ(lastNoEnd.withValue("A", "y", "2"), "[A]\r\nx=1\r\ny=2\r\n");
}

TEST(ProfileWrite, ReplacementKeepsStoredSpellingAndEveryOtherByte) {
    std::string before = "; settings\n[ALLGEMEIN]\nVersion = 1.0 \r\nPfad=x\r\n[Other]\r\nVersion=9\r\n";
    std::string after = Parsed(before).withValue("allgemein", "VERSION", "3.0.1");
    EXPECT_EQ(after, "; settings\n[ALLGEMEIN]\nVersion=3.0.1\r\nPfad=x\r\n[Other]\r\nVersion=9\r\n");
    // The same value again changes nothing at all.
    EXPECT_EQ(Parsed(after).withValue("Allgemein", "Version", "3.0.1"), after);
}

class ProfileStoreTest : public ::testing::Test {
protected:
    TempHome home;
    ApiClass api;
};

TEST_F(ProfileStoreTest, EmptyAndBareNamesResolveToDataFolder) {
    api.IniSchreiben("", "Allgemein", "Version", "3.0.1");
    EXPECT_EQ(readFile(home.appPfad() + "Melvato.Ini"), "[Allgemein]\r\nVersion=3.0.1\r\n");
    api.IniSchreiben("x.ini", "s", "k", "v");
    EXPECT_EQ(readFile(home.appPfad() + "x.ini"), "[s]\r\nk=v\r\n");
    EXPECT_EQ(api.IniLesen("x.ini", "S", "K"), "v");
    std::string full = home.root() + "y.ini";
    api.IniSchreiben(full, "s", "k", "w");
    EXPECT_EQ(api.IniLesen(full, "s", "k"), "w");
    EXPECT_FALSE(testing_support::fileExists(home.appPfad() + "y.ini"));
}

TEST_F(ProfileStoreTest, BackslashesAndLetterCaseReachTheSameFile) {
    writeFile(home.appPfad() + "DATEN/Liste.Ini", "[s]\r\nk=1\r\n");
    EXPECT_EQ(api.IniLesen(home.appPfad() + "daten\\liste.ini", "s", "k"), "1");
    api.IniSchreiben(home.appPfad() + "Daten\\LISTE.INI", "s", "k", "2");
    EXPECT_EQ(readFile(home.appPfad() + "DATEN/Liste.Ini"), "[s]\r\nk=2\r\n");
}

TEST_F(ProfileStoreTest, ReadsAreCutAt254ButWholeReadKeepsAll) {
    std::string longValue(300, 'x');
    api.IniSchreiben("q.dat", "s", "k", longValue);
    EXPECT_EQ(api.IniLesen("q.dat", "s", "k"), longValue.substr(0, 254));
    EXPECT_EQ(api.IniLesenGanz("q.dat", "s", "k"), longValue);
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

TEST_F(ProfileStoreTest, FailedWriteChangesNothingAndLeavesNoTemporaryFile) {
    std::string missing = home.root() + "no/such/folder/f.ini";
    api.IniSchreiben(missing, "s", "k", "v");  // must not throw
    EXPECT_EQ(api.IniLesen(missing, "s", "k"), "");
    api.IniSchreiben("keep.ini", "s", "k", "v");
    auto names = fsys::list(home.appPfad());
    for (const std::string& n : names) EXPECT_EQ(n.find(".melvato-"), std::string::npos) << n;
}
