// The word index: clean-up, word filing byte for byte, whole-number matching,
// long lists, the full build with its skip rules, progress and "scan.txt".
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "questions/QuestionPool.h"
#include "questions/QuestionRecord.h"
#include "questions/WordIndex.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "tests/questions/QuestionsTestData.h"
#include "tests/support/TestSupport.h"

using namespace cp1252::literals;
using namespace fragen;
using testing_support::readFile;
using testing_support::writeFile;

namespace {
std::string bereinigt(std::string s) {
    RemoveSonderzeichen(s);
    return s;
}

std::map<std::string, std::string> indexDateien(const std::string& ordner) {
    std::map<std::string, std::string> out;
    for (const auto& e : std::filesystem::directory_iterator(ordner)) {
        std::string name = e.path().filename().string();
        if (name.rfind("Index", 0) == 0) out[name] = readFile(e.path().string());
    }
    return out;
}

struct IndexFixture : PoolFixture {
    WortIndex index{api};

    void frage(int n, const std::string& text, const std::string& bereich = "Klassik") {
        QuestionRecord r;
        r.Frage = text;
        r.Antwort[1] = "Ja";
        r.Erklärung[1] = "Weil";
        r.Bereich = bereich;
        FrageSpeichern(api, n, r);
    }
};
}  // namespace

TEST(RemoveSonderzeichen, PunctuationBecomesSingleBlanks) {
    EXPECT_EQ(bereinigt("Wer schrieb 'Die Zauberflöte'?"_ansi), "Wer schrieb Die Zauberflöte "_ansi);
    EXPECT_EQ(bereinigt("(1791) Mozart"), " 1791 Mozart");
    EXPECT_EQ(bereinigt("a\tb\r\nc--d  e"), "a b c d e");
    EXPECT_EQ(bereinigt("½ Ä Ö Ü ß ä é ö ü È ç"_ansi), "½ Ä Ö Ü ß ä é ö ü "_ansi);
    EXPECT_EQ(bereinigt(std::string("x\0y", 3)), "x y");
    EXPECT_EQ(bereinigt(""), "");
}

TEST_F(IndexFixture, WordsAreFiledUnderTheirFirstCharacterByteForByte) {
    index.WoerterIndizieren("Wer schrieb 'Die Zauberflöte'?"_ansi, 57);
    EXPECT_EQ(readFile(home.appPfad() + "IndexW.Ini"), "[W]\r\nWER= 57\r\n");
    EXPECT_EQ(readFile(home.appPfad() + "IndexS.Ini"), "[S]\r\nSCHRIEB= 57\r\n");
    EXPECT_EQ(readFile(home.appPfad() + "IndexD.Ini"), "[D]\r\nDIE= 57\r\n");
    EXPECT_EQ(readFile(home.appPfad() + "IndexZ.Ini"), "[Z]\r\nZAUBERFLÖTE= 57\r\n"_ansi);
    EXPECT_EQ(index.Wortliste(), " WER SCHRIEB DIE ZAUBERFLÖTE"_ansi);

    // Question 5 after 57: " 5" stands inside " 57", yet 5 must be filed.
    index.WoerterIndizieren("die Wer", 5);
    EXPECT_EQ(readFile(home.appPfad() + "IndexD.Ini"), "[D]\r\nDIE=57 5\r\n");
    EXPECT_EQ(readFile(home.appPfad() + "IndexW.Ini"), "[W]\r\nWER=57 5\r\n");
    // A text opening with punctuation starts with a blank once cleaned; its first word counts.
    index.WoerterIndizieren("(1791) Mozart é"_ansi, 5);
    EXPECT_EQ(readFile(home.appPfad() + "Index1.Ini"), "[1]\r\n1791= 5\r\n");
    // File names on disk are UTF-8; the bytes inside stay Windows-1252.
    EXPECT_EQ(readFile(home.appPfad() + "IndexÉ.Ini"), "[É]\r\nÉ= 5\r\n"_ansi);
}

TEST_F(IndexFixture, ARepeatedWordOrASecondSaveListsTheNumberOnce) {
    index.WoerterIndizieren("die die Die", 12);
    index.WoerterIndizieren("die", 12);
    EXPECT_EQ(readFile(home.appPfad() + "IndexD.Ini"), "[D]\r\nDIE= 12\r\n");
    index.WoerterIndizieren("die", 13);
    index.WoerterIndizieren("die", 12);
    EXPECT_EQ(readFile(home.appPfad() + "IndexD.Ini"), "[D]\r\nDIE=12 13\r\n");
}

TEST_F(IndexFixture, FrageIndizierenFilesAllTextsAndSkipsTheScratchSlot) {
    QuestionRecord r;
    r.Frage = "Oper";
    r.Antwort[2] = "Tosca";
    r.Erklärung[5] = "Puccini";
    r.Bild = "tosca.jpg";
    r.Audio = "arie.wav";
    r.Bereich = "Oper";
    r.Musical = "Notenkopf";
    FrageSpeichern(api, 42, r);
    FrageSpeichern(api, 999, r);
    index.FrageIndizieren(999);
    EXPECT_TRUE(indexDateien(home.appPfad()).empty());
    index.FrageIndizieren(42);
    EXPECT_EQ(readFile(home.appPfad() + "IndexO.Ini"), "[O]\r\nOPER= 42\r\n");
    EXPECT_EQ(readFile(home.appPfad() + "IndexJ.Ini"), "[J]\r\nJPG= 42\r\n");
    EXPECT_EQ(index.Wortliste(), " OPER TOSCA PUCCINI JPG ARIE WAV");
    EXPECT_FALSE(testing_support::fileExists(home.appPfad() + "IndexN.Ini")) << "symbol text is not indexed";
}

TEST_F(IndexFixture, ACommonWordKeepsAllItsNumbersInOrder) {
    std::vector<int> nummern;
    for (int n = 1; n <= 98; ++n) nummern.push_back(n);
    for (int n = 100; n <= 301; ++n) nummern.push_back(n);
    testing_support::schreibeFragen(home.appPfad(), nummern);  // "Frage Nummer n"

    EXPECT_TRUE(index.IndexKomplettErstellen(pool));
    std::string alle;
    for (int n : nummern) alle += (alle.empty() ? "" : " ") + std::to_string(n);
    EXPECT_NE(readFile(home.appPfad() + "IndexF.Ini").find("FRAGE=" + alle + "\r\n"), std::string::npos);
    EXPECT_EQ(api.IniLesenGanz("IndexF.Ini", "F", "FRAGE"), alle);

    index.FrageIndizieren(150);  // the question is saved once more
    index.FrageIndizieren(5);
    EXPECT_EQ(api.IniLesenGanz("IndexF.Ini", "F", "FRAGE"), alle);
}

TEST_F(IndexFixture, FullBuildGivesTheSameBytesAsFilingKeyByKey) {
    frage(3, "Wer komponierte die Zauberflöte?"_ansi);
    frage(5, "Welches Instrument spielt die Melodie?", "Instrumente");
    frage(57, "Die Zauberflöte ist eine Oper von Mozart."_ansi, "Oper");
    frage(120, "Wie viele Saiten hat eine Geige? 4", "Instrumente");
    frage(998, "Wer war Mozart's Vater?", "Klassik");
    frage(999, "Testfrage nur im Editor");

    // Key by key, question after question in ascending order.
    for (int n : {3, 5, 57, 120, 998}) index.FrageIndizieren(n);
    const auto einzeln = indexDateien(home.appPfad());
    const std::string woerterEinzeln = index.Wortliste();
    ASSERT_FALSE(einzeln.empty());

    EXPECT_TRUE(index.IndexKomplettErstellen(pool));
    EXPECT_EQ(indexDateien(home.appPfad()), einzeln);
    EXPECT_EQ(readFile(home.appPfad() + "scan.txt"), woerterEinzeln.substr(1));
    EXPECT_EQ(einzeln.at("IndexZ.Ini"), "[Z]\r\nZAUBERFLÖTE=3 57\r\n"_ansi);
    EXPECT_EQ(einzeln.at("IndexW.Ini"),
              "[W]\r\nWER=3 998\r\nWEIL=3 5 57 120 998\r\nWELCHES= 5\r\nWIE= 120\r\nWAR= 998\r\n");
    EXPECT_EQ(readFile(home.appPfad() + "scan.txt")
                  .rfind("WER KOMPONIERTE DIE ZAUBERFLÖTE JA WEIL KLASSIK WELCHES "_ansi, 0),
              0u);
    EXPECT_EQ(api.IniLesen("", "Allgemein", "IndexNotwendig"), "1");
    EXPECT_EQ(readFile(home.appPfad() + "IndexT.Ini").find("TESTFRAGE"), std::string::npos);
}

TEST_F(IndexFixture, FullBuildRemovesOldIndexFilesAndReportsProgress) {
    std::vector<int> nummern;
    for (int n = 1; n <= 25; ++n) nummern.push_back(n);
    testing_support::schreibeFragen(home.appPfad(), nummern);
    writeFile(home.appPfad() + "indexq.ini", "[Q]\r\nQUALLE= 7\r\n");
    writeFile(home.appPfad() + "IndexX.INI", "[X]\r\nX= 7\r\n");
    writeFile(home.appPfad() + "Indexliste.txt", "bleibt");
    std::vector<std::string> ablauf;
    IndexFortschritt f;
    f.sanduhr = [&](bool an) { ablauf.push_back(an ? "sanduhr" : "normal"); };
    f.oeffnen = [&](const std::string& c) { ablauf.push_back(c); };
    f.setzen = [&](int w, int m) { ablauf.push_back(std::to_string(w) + "/" + std::to_string(m)); };
    f.yield = [&] { ablauf.push_back("yield"); };
    EXPECT_TRUE(index.IndexKomplettErstellen(pool, f));
    EXPECT_EQ(ablauf, (std::vector<std::string>{"sanduhr", "Index wird erstellt...", "10/25", "yield",
                                                "20/25", "yield", "100/100", "normal"}));
    EXPECT_FALSE(testing_support::fileExists(home.appPfad() + "indexq.ini"));
    EXPECT_FALSE(testing_support::fileExists(home.appPfad() + "IndexX.INI"));
    EXPECT_TRUE(testing_support::fileExists(home.appPfad() + "Indexliste.txt"));
    std::string eins_bis_25 = "1";
    for (int n = 2; n <= 25; ++n) eins_bis_25 += " " + std::to_string(n);
    EXPECT_EQ(api.IniLesenGanz("IndexF.Ini", "F", "FRAGE"), eins_bis_25);
    EXPECT_EQ(pool.Anzahl(), 25);
}

TEST_F(IndexFixture, BuildRequestsAreSkippedWhileTheIndexIsCompleteOrFresh) {
    frage(1, "Alpha");
    const QDateTime jetzt = QDateTime::currentDateTime();
    index.jetzt = [&] { return jetzt; };

    api.IniSchreiben("", "Allgemein", "IndexNotwendig", "1");
    EXPECT_FALSE(index.IndexKomplettErstellen(pool));
    EXPECT_FALSE(testing_support::fileExists(home.appPfad() + "scan.txt"));

    api.IniSchreiben("", "Allgemein", "IndexNotwendig", "2");
    EXPECT_TRUE(index.IndexKomplettErstellen(pool)) << "index1.ini is missing";
    EXPECT_EQ(readFile(home.appPfad() + "scan.txt"), "ALPHA JA WEIL KLASSIK");

    api.IniSchreiben("", "Allgemein", "IndexNotwendig", "2");
    writeFile(home.appPfad() + "Index1.Ini", "[1]\r\n");
    const auto stunde = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    std::filesystem::last_write_time(home.appPfad() + "Index1.Ini", stunde);
    EXPECT_FALSE(index.IndexKomplettErstellen(pool)) << "built an hour ago";

    const auto alt = std::filesystem::file_time_type::clock::now() - std::chrono::hours(50);
    std::filesystem::last_write_time(home.appPfad() + "Index1.Ini", alt);
    EXPECT_TRUE(index.IndexKomplettErstellen(pool));
    EXPECT_FALSE(testing_support::fileExists(home.appPfad() + "Index1.Ini"));

    api.IniSchreiben("", "Allgemein", "IndexNotwendig", "7");
    EXPECT_TRUE(index.IndexKomplettErstellen(pool));
}
