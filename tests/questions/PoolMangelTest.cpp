// Questions that cannot be answered stay out of the game's pool, with a log line
// naming them, but keep their numbers: numbering must not hand them out again.
#include <gtest/gtest.h>

#include "questions/QuestionPool.h"
#include "services/ApiClass.h"
#include "tests/questions/QuestionsTestData.h"
#include "tests/support/TestSupport.h"

namespace {

struct Fall {
    int nummer;
    std::string schluessel;  // the keys after "Frage="
    const char* mangel;      // the log's reason, nullptr: the question is played
};

TEST(PoolMangel, UnanswerableQuestionsStayOutOfTheGameButKeepTheirNumbers) {
    testing_support::TempHome home;
    ApiClass api;
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

    fragen::QuestionPool::Table tabelle{};
    fragen::QuestionPool pool(api, tabelle);
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

}  // namespace
