// Question lists: loading a list file into the selection and resetting it.
#include <gtest/gtest.h>

#include "questions/QuestionPool.h"
#include "services/ApiClass.h"
#include "tests/questions/QuestionsTestData.h"
#include "tests/support/TestSupport.h"

using namespace fragen;
using testing_support::schreibeDatei;
using testing_support::schreibeFragen;

namespace {
struct ListFixture : ::testing::Test {
    testing_support::TempHome home;
    ApiClass api;
    QuestionPool::Table tabelle{};
    QuestionPool pool{api, tabelle};
    int titelGeleert = 0;
    void SetUp() override {
        pool.dialogTitelLeeren = [this] { ++titelGeleert; };
        schreibeFragen(home.appPfad(), {1, 2, 3, 5, 12, 120, 700});
    }
    std::string liste(const std::string& name, const std::string& fragen) {
        std::string path = home.appPfad() + "Spiele/" + name;
        schreibeDatei(path,
                      "[Allgemein]\r\nTyp=Melvato-Frageliste\r\nUnterTyp=1\r\n[FragenListe]\r\n" + fragen);
        return path;
    }
    std::vector<int> gewaehlt() const {
        std::vector<int> out;
        for (int n = 0; n <= kAuswahlMax; ++n)
            if (pool.Auswahl[size_t(n)]) out.push_back(n);
        return out;
    }
};
}  // namespace

TEST_F(ListFixture, TheFirstEmptyEntryEndsTheListEvenWithOlderEntriesBehindIt) {
    auto path = liste("rock.lst", "Frage 1=001\r\nFrage 2=002\r\nFrage 3=003\r\nFrage 4=\r\nFrage 5=012\r\n");
    pool.TeilSpielLaden(path);
    EXPECT_EQ(gewaehlt(), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(pool.NurTeil);
    EXPECT_EQ(pool.Anzahl(), 3);
    EXPECT_EQ(tabelle[3], 3);
    EXPECT_EQ(titelGeleert, 0);
}

TEST_F(ListFixture, ZeroOrNonNumericEntriesEndTheList) {
    pool.TeilSpielLaden(liste("a.lst", "Frage 1=012\r\nFrage 2=000\r\nFrage 3=005\r\n"));
    EXPECT_EQ(gewaehlt(), (std::vector<int>{12}));
    pool.TeilSpielLaden(liste("b.lst", "Frage 1=120\r\nFrage 2=abc\r\nFrage 3=005\r\n"));
    EXPECT_EQ(gewaehlt(), (std::vector<int>{120}));
}

TEST_F(ListFixture, NumbersWithoutAFlagAreIgnoredAndTheListGoesOn) {
    pool.TeilSpielLaden(liste("c.lst",
                              "Frage 1=3001\r\nFrage 2=-4\r\nFrage 3=700\r\nFrage 4=99999999999\r\n"
                              "Frage 5=3000\r\nFrage 6=0005\r\n"));
    EXPECT_EQ(gewaehlt(), (std::vector<int>{5, 700, 3000}));
    EXPECT_EQ(pool.Anzahl(), 2) << "a listed number without a question has no effect";
}

TEST_F(ListFixture, TruncatedListKeepsWhatIsThere) {
    std::string path = home.appPfad() + "Spiele/kaputt.lst";
    schreibeDatei(path,
                  "[Allgemein]\r\nTyp=Melvato-Frageliste\r\n[FragenListe]\r\nFrage 1=012\r\nFrage 2=00");
    pool.TeilSpielLaden(path);
    EXPECT_EQ(gewaehlt(), (std::vector<int>{12}));
    schreibeDatei(path, "[Allgemein]\r\nTyp=Melvato-Frageliste\r\n[FragenLi");
    pool.TeilSpielLaden(path);
    EXPECT_TRUE(gewaehlt().empty());
    EXPECT_EQ(pool.Anzahl(), 0);
}

TEST_F(ListFixture, FilesThatAreNoListSelectEverything) {
    const std::string dir = home.appPfad() + "Spiele/";
    schreibeDatei(dir + "leer.lst", "");
    schreibeDatei(dir + "anders.lst", "[Allgemein]\r\nTyp=Melvato-Liste\r\n[FragenListe]\r\nFrage 1=001\r\n");
    schreibeDatei(dir + "binaer.lst", std::string("\x00\xff[\x01]=\r\r\n\n", 9));
    int i = 0;
    for (const char* name : {"leer.lst", "anders.lst", "binaer.lst", "fehlt.lst"}) {
        pool.Auswahl.fill(false);
        pool.NurTeil = false;
        pool.TeilSpielLaden(dir + name);
        EXPECT_EQ(gewaehlt().size(), size_t(kAuswahlMax + 1)) << name;
        EXPECT_FALSE(pool.NurTeil) << name;
        EXPECT_EQ(titelGeleert, ++i) << name;
        EXPECT_EQ(pool.Anzahl(), 7) << name;
    }
}

TEST_F(ListFixture, ListResetLoadsTheMainWindowsListAgainOrSelectsAll) {
    auto path = liste("jazz.lst", "Frage 1=120\r\nFrage 2=\r\n");
    int gefragt = 0;
    pool.geladeneListe = [&] {
        ++gefragt;
        return path;
    };
    pool.Auswahl.fill(false);
    pool.ListReset();
    EXPECT_EQ(gewaehlt().size(), size_t(kAuswahlMax + 1));
    EXPECT_EQ(gefragt, 0);
    EXPECT_EQ(pool.Anzahl(), 7);

    pool.NurTeil = true;
    pool.ListReset();
    EXPECT_EQ(gefragt, 1);
    EXPECT_EQ(gewaehlt(), (std::vector<int>{120}));
    EXPECT_EQ(pool.Anzahl(), 1);
}
