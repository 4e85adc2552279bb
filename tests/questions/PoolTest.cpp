// The pool scan, the questions it leaves out and the numbering look-ups on top of it.
#include <gtest/gtest.h>

#include "questions/QuestionPool.h"
#include "tests/questions/QuestionsTestData.h"
#include "tests/support/TestSupport.h"

using namespace fragen;
using testing_support::schreibeFragen;
using testing_support::writeFile;

// Built once and kept until asked anew; the scan lets events run after every
// number but the scratch slot.
TEST_F(PoolFixture, CountsEveryStoredQuestionSoTheLastOneCanBeDrawn) {
    schreibeFragen(home.appPfad(), {3, 57, 998, 999});
    writeFile(home.appPfad() + "Fragen 1.Dat", testing_support::quizSektion(150, ""));
    int yields = 0;
    pool.yield = [&] { ++yields; };
    EXPECT_EQ(pool.AnzahlFragen(false, true), 3);
    EXPECT_EQ(yields, 998);
    EXPECT_EQ(tabelle[0], 0);
    EXPECT_EQ(tabelle[1], 3);
    EXPECT_EQ(tabelle[2], 57);
    EXPECT_EQ(tabelle[3], 998) << "the last collected question belongs to the pool";
    EXPECT_EQ(tabelle[4], 0) << "999 is the scratch slot and never in the pool";
    EXPECT_EQ(pool.Anzahl(), 3);
    schreibeFragen(home.appPfad(), {1, 2, 3, 57, 998});
    EXPECT_EQ(pool.AnzahlFragen(false, true), 3) << "an old pool is returned without reading files";
    EXPECT_EQ(yields, 998);
    EXPECT_EQ(pool.AnzahlFragen(true, true), 5);
}

TEST_F(PoolFixture, SelectionLimitsThePoolAndEmptyQuestionsStayOut) {
    schreibeFragen(home.appPfad(), {10, 20, 30});
    writeFile(home.appPfad() + "Fragen 4.Dat", testing_support::quizSektion(400, ""));
    pool.Auswahl.fill(false);
    pool.Auswahl[20] = true;
    pool.Auswahl[30] = true;
    pool.Auswahl[400] = true;
    EXPECT_EQ(pool.AnzahlFragen(true, false), 2);
    EXPECT_EQ(tabelle[1], 20);
    EXPECT_EQ(tabelle[2], 30);
    EXPECT_EQ(pool.AnzahlFragen(true, true), 3) << "Alle ignores the selection";
}

TEST_F(PoolFixture, PositionsAndExistence) {
    testing_support::ScriptedDialogs dialogs;
    schreibeFragen(home.appPfad(), {7, 9, 120});
    pool.AnzahlFragen(true, true);
    EXPECT_TRUE(pool.FrageExistiert(120));
    EXPECT_FALSE(pool.FrageExistiert(8));
    EXPECT_EQ(pool.FragePosition(9), 2);
    EXPECT_TRUE(dialogs.messages.empty());

    std::int32_t angezeigt = -1;
    pool.nummerAnzeigen = [&](std::int32_t n) { angezeigt = n; };
    EXPECT_EQ(pool.FragePosition(8), 1);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "diese Frage exisitert nicht!");
    EXPECT_EQ(dialogs.messages[0].flags, 0);
    EXPECT_EQ(angezeigt, 7);
}

TEST_F(PoolFixture, FreeNumberIsTheLowestGapOrOnePastTheRange) {
    schreibeFragen(home.appPfad(), {1, 2, 4, 100, 101});
    EXPECT_EQ(pool.FreieFrageNummer(), 3);

    std::vector<int> alle;
    for (int n = 1; n <= 98; ++n) alle.push_back(n);
    schreibeFragen(home.appPfad(), alle);
    EXPECT_EQ(pool.FreieFrageNummer(), 99);

    writeFile(home.appPfad() + "back/debug.txt", "");
    EXPECT_EQ(pool.FreieFrageNummer(), 102) << "maker mode offers the supplied range";
    std::vector<int> geliefert;
    for (int n = 100; n <= 997; ++n) geliefert.push_back(n);
    schreibeFragen(home.appPfad(), geliefert);
    EXPECT_EQ(pool.FreieFrageNummer(), 998);
}

// Questions that cannot be answered stay out of the game's pool, with a log line
// naming them, but keep their numbers: numbering must not hand them out again.
struct PoolMangel : PoolFixture {};

TEST_F(PoolMangel, UnanswerableQuestionsStayOutOfTheGameButKeepTheirNumbers) {
    struct Fall {
        int nummer;
        std::string schluessel;  // the keys after "Frage="
        const char* mangel;      // the log's reason, nullptr: the question is played
    };
    api.protokoll("START", 0);
    const std::string blanks = ApiClass::EnCode("   ");
    const std::string zwei = ApiClass::EnCode("zwei");
    const std::vector<Fall> faelle = {
        {1, "Antwort 1=ja\r\nL\xf6sung=1\r\n", nullptr},
        {2, "", "keine Antworten"},  // the file ends after "Frage="
        {3, "Antwort 1=   \r\nAntwort 4= \r\nL\xf6sung=1\r\n", "keine Antworten"},
        {4, "Antwort 1=a\r\nAntwort 2=b\r\nL\xf6sung=3\r\n", "L\xf6sung 3 ist keine gezeigte Antwort"},
        {5, "Antwort 1=a\r\n", "L\xf6sung 0 ist keine gezeigte Antwort"},
        {6, "Antwort 5=e\r\nL\xf6sung=9\r\n", "L\xf6sung 9 ist keine gezeigte Antwort"},
        {7, "Crypt=1\r\nAntwort 1=" + blanks + "\r\nAntwort 2=" + zwei + "\r\nL\xf6sung=2\r\n", nullptr},
        {8, "Crypt=1\r\nAntwort 1=" + blanks + "\r\nAntwort 2=" + zwei + "\r\nL\xf6sung=1\r\n",
         "L\xf6sung 1 ist keine gezeigte Antwort"},
    };
    std::string datei;
    // The question without answers comes last, as in a file cut after its "Frage=".
    for (const Fall& f : faelle)
        if (f.nummer != 2) datei += "[Quiz " + std::to_string(f.nummer) + "]\r\nFrage=F\r\n" + f.schluessel;
    datei += "[Quiz 2]\r\nFrage=F";
    testing_support::writeFile(home.appPfad() + "Fragen 0.Dat", datei);

    EXPECT_EQ(pool.AnzahlFragen(true, false), 2);
    EXPECT_EQ(tabelle[1], 1);
    EXPECT_EQ(tabelle[2], 7);
    const std::string log = testing_support::readFile(api.LogDatei());
    for (const Fall& f : faelle) {
        const std::string zeile = "Frage " + std::to_string(f.nummer) + " nicht im Spiel: ";
        if (f.mangel)
            EXPECT_NE(log.find(zeile + f.mangel + "\r\n"), std::string::npos) << f.nummer;
        else
            EXPECT_EQ(log.find(zeile), std::string::npos) << f.nummer;
        EXPECT_EQ(fragen::FrageMangel(api, f.nummer), f.mangel ? f.mangel : "") << f.nummer;
    }
    EXPECT_EQ(pool.AnzahlFragen(true, true), int(faelle.size()));
    EXPECT_EQ(pool.FreieFrageNummer(), 9);
}
