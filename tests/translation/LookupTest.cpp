// Loading the tables from their folder, lookup, missing ids and the report.
#include <gtest/gtest.h>

#include <sstream>

#include "services/FileSys.h"
#include "services/MelvatoBasic.h"
#include "tests/translation/TranslationFixture.h"

using namespace cp1252::literals;
using testing_support::readFile;

namespace {
const std::string kHaupt =
    "1\tDeutsch\tx\r\n5\tArial\tx\r\n"
    "13412\t13000\tSpieldatei\r\n"
    "10412\t0\tDatei\r\n"
    "10001\t0\tJa; nein\r\n"
    "10002\t0\tnein\r\n"
    "10003\t0\t\xE4rger\r\n";  // Windows-1252
}

TEST_F(TranslationTest, GoldenLookups) {
    // Each case: the tables of the "common" folder and expected.txt with lines
    // "id<TAB>text", "index<TAB>n" (WithIndex from then on) and "missing<TAB>ids".
    const auto cases = testing_support::goldenCases("translation-lookup");
    ASSERT_GE(cases.size(), 7u);
    for (const std::string& dir : cases) {
        for (const char* f : {"Translation.dat", "Personal Translation.dat", "Translation English.Dat"}) {
            fsys::remove(common + f);
            if (testing_support::fileExists(dir + "common/" + f))
                testing_support::writeFile(common + f, readFile(dir + "common/" + f));
        }
        Translation_Class& t = laden();
        std::istringstream lines(readFile(dir + "expected.txt"));
        for (std::string line; std::getline(lines, line);) {
            const size_t tab = line.find('\t');
            const std::string key = line.substr(0, tab), wert = line.substr(tab + 1);
            if (key == "index") {
                t.WithIndex(std::stoi(wert));
            } else if (key == "missing") {
                std::string ids;
                for (std::int32_t id : t.Fehlliste()) ids += (ids.empty() ? "" : " ") + std::to_string(id);
                EXPECT_EQ(ids, wert) << dir;
            } else {
                EXPECT_EQ(t.translation(std::stoi(key)), wert) << dir << " " << key;
            }
        }
    }
}

TEST_F(TranslationTest, MissingIdsAreLoggedCountedAndReportedByteExact) {
    Translation_Class& leer = laden();
    EXPECT_EQ(leer.Prozent(), "");
    haupt(
        "1\tDeutsch\tx\r\n5\tArial\tx\r\n6\t12\tx\r\n10412\t0\tDatei\r\n10002\t0\tnein\r\n"
        "10003\t0\t\xE4rger\r\n");
    Translation_Class& t = laden();
    EXPECT_EQ(t.KapitalTranslation(10003), "Ärger"_ansi);
    EXPECT_EQ(t.KapitalTranslation(10002), "Nein");
    t.translation(12345);
    t.translation(10412);
    t.translation(23456);
    t.translation(12345);
    EXPECT_NE(logText().find(":Übersetzung fehlt:  12345\r\n"_ansi), std::string::npos);
    EXPECT_EQ(t.FehlerZahl(), 2);
    EXPECT_EQ(readFile(common + "Translationfehler.txt"),
              "Fehler:2\r\n --- INFO: --- \r\nDeutsch\r\nArial\r\n12\r\n 12345\r\n 23456\r\n");

    // The list holds a thousand ids.
    api->ProtokollAn(false);  // 1100 log lines would only slow the test down
    for (int id = 20000; id < 21100; ++id) t.translation(id);
    ASSERT_EQ(t.Fehlliste().size(), 1000u);
    EXPECT_EQ(t.Fehlliste().back(), 20997);
    EXPECT_EQ(t.FehlerZahl(), 1000);
    // A report that cannot be written still counts.
    t.Pfad(common + "fehlt/");
    EXPECT_EQ(t.FehlerZahl(), 1000);
    EXPECT_FALSE(testing_support::fileExists(common + "fehlt/Translationfehler.txt"));
}

TEST_F(TranslationTest, FontsCharsetAndCoverage) {
    haupt(
        "1\tFrançais\tx\r\n5\tArial\tx\r\n6\t20\tx\r\n7\t0\tx\r\n10001\t0\ta\r\n10002\t0\tb\r\n10003\t0\tc\r\n"_ansi);
    Translation_Class& ohne = laden();
    EXPECT_EQ(ohne.AktSprache(), "FRANÇAIS"_ansi);
    EXPECT_EQ(ohne.SystemFont(), "Arial");
    EXPECT_EQ(ohne.NeuFont(), "Arial");  // no personal font: the language's
    EXPECT_EQ(ohne.HauptFontGroesse(), 11);
    EXPECT_EQ(ohne.PersonalFontGroesse(), 11);
    EXPECT_EQ(ohne.SystemCharset(), 0);
    EXPECT_EQ(ohne.Prozent(), "0%");

    personal(
        " 5\tComic Sans\tx\r\n 6\t9\tx\r\n 7\t1\tx\r\n 10001\t 0\tA\r\n 10002\t 0\tB\r\n 10003\t 0\t\r\n");
    Translation_Class& t = laden();
    EXPECT_EQ(t.SystemFont(), "Arial");
    EXPECT_EQ(t.NeuFont(), "Comic Sans");
    EXPECT_EQ(t.PersonalFontGroesse(), 9);
    EXPECT_EQ(t.SystemCharset(), 1);  // the personal table's wins
    EXPECT_EQ(t.Prozent(), "67%");    // 2 of 3, rounded
    EXPECT_EQ(t.InfoText(), " --- INFO: --- \r\nFrançais\r\nArial\r\n20\r\n0"_ansi);
}

TEST_F(TranslationTest, ReloadReplacesTheTablesAndUnsortedOnesAreSearchedInFileOrder) {
    haupt(kHaupt);
    personal(" 10001\t 0\tJawoll\r\n");
    Translation_Class& t = laden();
    t.PersonalTabelleAendern().push_back({10002, "Nee"});
    EXPECT_EQ(t.translation(10002), "Nee");
    t.Neu_laden();
    EXPECT_EQ(t.PersonalTabelle().size(), 1u);
    EXPECT_EQ(t.HauptTabelle().size(), 5u);
    EXPECT_EQ(t.translation(10002), "nein");
    // Left unsorted, the first entry in file order is found.
    t.LadeHaupttabelle(false);
    EXPECT_EQ(t.HauptTabelle().front().id, 13412);
    EXPECT_EQ(t.translation(13412), "Spieldatei");
}

TEST_F(TranslationTest, FreieNummerCountsPastUsedIds) {
    haupt("10001\t0\ta\r\n10003\t0\td\r\n10002\t0\tb\r\n10005\t0\tc\r\n");
    Translation_Class& t = laden();
    EXPECT_EQ(t.FreieNummer(10001), 10004);
    EXPECT_EQ(t.FreieNummer(10005), 10006);
    EXPECT_EQ(t.FreieNummer(10004), -1);
    engine->LadeHaupttabelle(false);  // file order: 10003 before 10002
    EXPECT_EQ(t.FreieNummer(10001), 10003);
}

TEST_F(TranslationTest, FoldersAndDevelopmentSwitches) {
    Translation_Class& t = laden();
    EXPECT_EQ(t.Pfad(), common);
    EXPECT_EQ(t.PrivatPfad(), common);
    std::string anders = home.root() + "anders/";
    testing_support::writeFile(anders + "Translation.dat", "10412\t0\tAnderswo\r\n");
    t.Pfad(anders);
    EXPECT_EQ(t.PrivatPfad(), anders);
    t.PrivatPfad(common);
    personal(" 10412\t 0\tPrivat\r\n");
    t.Neu_laden();
    EXPECT_EQ(t.translation(10412), "Privat");

    t.IsDebug();
    EXPECT_EQ(t.HauptDateiName(), "Translation Deutsch.Dat");
    EXPECT_EQ(t.PrivatPfad(), t.Pfad());
    EXPECT_NE(t.Pfad(), anders);

    std::string liste = home.root() + "wirdbenutzt.txt";
    testing_support::writeFile(liste, "10411 Datei\r\n10412 Ordner\r\n10413 Text\r\n");
    t.setWirdBenutztDatei(liste);
    t.WirdBenutzt(10412);
    EXPECT_EQ(readFile(liste), "10411 Datei\r\n\r\n10413 Text\r\n");
}

TEST_F(TranslationTest, ProgramEngineSurvivesANewServicesObject) {
    api.reset();
    haupt("10412\t0\tDatei\r\n");
    CreateT_call();
    SetupT_call();
    EXPECT_EQ(t_call().ProjectNummer(), 3);
    EXPECT_EQ(t_call().WithIndex(), 0);
    EXPECT_EQ(t_call().translation(13412), "Datei");
    MelvatoBasic::ReleaseApi();  // start-up may replace the services object
    EXPECT_EQ(t_call().translation(10412), "Datei");
    CreateT_call();
    EXPECT_EQ(t_call().translation(10412), "Err:DateiNotFound");  // fresh engine, not loaded yet
    MelvatoBasic::ReleaseApi();
}
