// Question lists: loading a list file into the selection and resetting it.
#include <gtest/gtest.h>

#include "questions/QuestionPool.h"
#include "tests/questions/QuestionsTestData.h"
#include "tests/support/TestSupport.h"

using namespace fragen;
using testing_support::schreibeFragen;
using testing_support::writeFile;

namespace {
struct ListFixture : PoolFixture {
    int titelGeleert = 0;
    void SetUp() override {
        pool.dialogTitelLeeren = [this] { ++titelGeleert; };
        schreibeFragen(home.appPfad(), {1, 2, 3, 5, 12, 120, 700});
    }
    std::string liste(const std::string& name, const std::string& fragen) {
        std::string path = home.appPfad() + "Spiele/" + name;
        writeFile(path, "[Allgemein]\r\nTyp=Melvato-Frageliste\r\nUnterTyp=1\r\n[FragenListe]\r\n" + fragen);
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

TEST_F(ListFixture, NumbersAreTakenUpToTheFirstEmptyZeroOrNonNumericEntry) {
    const struct {
        const char* fragen;
        std::vector<int> gewaehlt;
        int anzahl;
    } faelle[] = {
        // Older entries behind the end key stay out.
        {"Frage 1=001\r\nFrage 2=002\r\nFrage 3=003\r\nFrage 4=\r\nFrage 5=012\r\n", {1, 2, 3}, 3},
        {"Frage 1=012\r\nFrage 2=000\r\nFrage 3=005\r\n", {12}, 1},
        {"Frage 1=120\r\nFrage 2=abc\r\nFrage 3=005\r\n", {120}, 1},
        // Numbers without a flag are skipped; a number without a question adds nothing to the pool.
        {"Frage 1=3001\r\nFrage 2=-4\r\nFrage 3=700\r\nFrage 4=99999999999\r\nFrage 5=3000\r\nFrage "
         "6=0005\r\n",
         {5, 700, 3000},
         2},
        // A file cut off keeps what is there.
        {"Frage 1=012\r\nFrage 2=00", {12}, 1},
    };
    int i = 0;
    for (const auto& f : faelle) {
        pool.TeilSpielLaden(liste(std::to_string(++i) + ".lst", f.fragen));
        EXPECT_EQ(gewaehlt(), f.gewaehlt) << f.fragen;
        EXPECT_EQ(pool.Anzahl(), f.anzahl) << f.fragen;
        EXPECT_TRUE(pool.NurTeil);
    }
    EXPECT_EQ(titelGeleert, 0);
    const std::string kaputt = home.appPfad() + "Spiele/kaputt.lst";
    writeFile(kaputt, "[Allgemein]\r\nTyp=Melvato-Frageliste\r\n[FragenLi");
    pool.TeilSpielLaden(kaputt);
    EXPECT_TRUE(gewaehlt().empty());
    EXPECT_EQ(pool.Anzahl(), 0);
}

TEST_F(ListFixture, FilesThatAreNoListSelectEverything) {
    const std::string dir = home.appPfad() + "Spiele/";
    writeFile(dir + "leer.lst", "");
    writeFile(dir + "anders.lst", "[Allgemein]\r\nTyp=Melvato-Liste\r\n[FragenListe]\r\nFrage 1=001\r\n");
    writeFile(dir + "binaer.lst", std::string("\x00\xff[\x01]=\r\r\n\n", 9));
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
