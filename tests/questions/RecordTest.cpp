// Question records: file and section names, the read sequence (plain and
// scrambled), the write sequence byte for byte, bad files, grade names.
#include <gtest/gtest.h>

#include <limits>

#include "questions/QuestionRecord.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "tests/questions/QuestionsTestData.h"
#include "tests/support/TestSupport.h"

using namespace cp1252::literals;
using namespace fragen;
using testing_support::readFile;
using testing_support::schreibeDatei;

TEST(FragenDatei, HundredsGoIntoOneFileWithBlankBeforeTheDigit) {
    EXPECT_EQ(FragenDatei(1), "Fragen 0.Dat");
    EXPECT_EQ(FragenDatei(99), "Fragen 0.Dat");
    EXPECT_EQ(FragenDatei(100), "Fragen 1.Dat");
    EXPECT_EQ(FragenDatei(998), "Fragen 9.Dat");
    EXPECT_EQ(FragenDatei(999), "Fragen 9.Dat");
    EXPECT_EQ(QuizSektion(7), "Quiz 7");
    EXPECT_EQ(QuizSektion(123), "Quiz 123");
}

TEST(FrageSpeichern, WritesEveryKeyScrambledInOrderAndMarksTheIndex) {
    testing_support::TempHome home;
    ApiClass api;
    QuestionRecord r;
    r.Frage = "abc";       // scrambles to bdf
    r.Antwort[1] = "AAA";  // BCD
    r.Antwort[2] = "x";
    r.Erklärung[1] = "xy";  // y{
    r.Lösung = 2;
    r.Bild = "bach.jpg";
    r.Problem = 30;
    r.Bereich = "Klassik";
    FrageSpeichern(api, 5, r);

    const std::string expected =
        "[Quiz 5]\r\nCrypt=1\r\nFrage=bdf\r\nAntwort 1=BCD\r\nAntwort 2=y\r\nAntwort 3=\r\nAntwort 4=\r\n"
        "Antwort 5=\r\nErklärung 1=y{\r\nErklärung 2=\r\nErklärung 3=\r\nErklärung 4=\r\n"
        "Erklärung 5=\r\nLösung=2\r\nBild=bach.jpg\r\nBild2=\r\nMusical=\r\nProblem=30\r\nAudio=\r\n"
        "Bereich=Klassik\r\n"_ansi;
    EXPECT_EQ(readFile(home.appPfad() + "Fragen 0.Dat"), expected);
    EXPECT_EQ(readFile(home.appPfad() + "Melvato.Ini"), "[Allgemein]\r\nIndexNotwendig=2\r\n");

    QuestionRecord back = FrageLesen(api, 5);
    EXPECT_TRUE(back.Verschlüsselt);
    EXPECT_EQ(back.Frage, "abc");
    EXPECT_EQ(back.Antwort[1], "AAA");
    EXPECT_EQ(back.Erklärung[1], "xy");
    EXPECT_EQ(back.Lösung, 2);
    EXPECT_EQ(back.Problem, 30);
    EXPECT_EQ(back.Bild, "bach.jpg");
    EXPECT_EQ(back.Bereich, "Klassik");
}

TEST(FrageSpeichern, UpgradesAPlainRecordInPlaceAndKeepsForeignLines) {
    testing_support::TempHome home;
    ApiClass api;
    schreibeDatei(
        home.appPfad() + "Fragen 1.Dat",
        "[Quiz 120]\r\nCrypt=0\r\nFrage=alt\r\nNotiz=bleibt\r\nBereich=Jazz\r\n[Quiz 121]\r\nFrage=z\r\n");
    QuestionRecord r = FrageLesen(api, 120);
    EXPECT_FALSE(r.Verschlüsselt);
    EXPECT_EQ(r.Frage, "alt");
    r.Frage = "abc";
    FrageSpeichern(api, 120, r);
    const std::string bytes = readFile(home.appPfad() + "Fragen 1.Dat");
    // Known keys are replaced where they stand, new ones follow the section's last line.
    EXPECT_EQ(bytes.rfind(
                  "[Quiz 120]\r\nCrypt=1\r\nFrage=bdf\r\nNotiz=bleibt\r\nBereich=Jazz\r\nAntwort 1=\r\n", 0),
              0u);
    EXPECT_NE(bytes.find("[Quiz 121]\r\nFrage=z\r\n"), std::string::npos);
    EXPECT_TRUE(FrageLesen(api, 120).Verschlüsselt);
    EXPECT_EQ(FrageLesen(api, 121).Frage, "z");
}

TEST(FrageLesen, PlainAndScrambledRecordsAndTheirNumbers) {
    testing_support::TempHome home;
    ApiClass api;
    schreibeDatei(home.appPfad() + "Fragen 0.Dat",
                  "[Quiz 1]\r\nFrage=Wer?\r\nAntwort 3=Bach\r\nLösung=3.6\r\nProblem=40\r\n"
                  "[Quiz 2]\r\nCrypt=1\r\nFrage=bdf\r\nLösung=\r\nProblem=99999\r\nMusical=&\r\n"
                  "[Quiz 3]\r\nFrage=\r\nAntwort 1=nur Antworten\r\nLösung=abc\r\n"_ansi);
    QuestionRecord a = FrageLesen(api, 1);
    EXPECT_FALSE(a.Verschlüsselt);
    EXPECT_EQ(a.Frage, "Wer?");
    EXPECT_EQ(a.Antwort[3], "Bach");
    EXPECT_EQ(a.Lösung, 4);
    EXPECT_EQ(a.Problem, 40);
    QuestionRecord b = FrageLesen(api, 2);
    EXPECT_EQ(b.Frage, "abc");
    EXPECT_EQ(b.Lösung, 0);
    EXPECT_EQ(b.Problem, std::numeric_limits<std::int16_t>::max());
    EXPECT_EQ(b.Musical, "&");
    EXPECT_EQ(FrageLesen(api, 3).Lösung, 0);
    EXPECT_TRUE(FrageVorhanden(api, 1));
    EXPECT_FALSE(FrageVorhanden(api, 3)) << "answers without a question text are no question";
    EXPECT_FALSE(FrageVorhanden(api, 4));
}

TEST(FrageLesen, BadFilesGiveSafeDefaults) {
    testing_support::TempHome home;
    ApiClass api;
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage += char((i * 131 + 7) % 256);
    schreibeDatei(home.appPfad() + "Fragen 2.Dat", garbage);
    QuestionRecord g = FrageLesen(api, 250);
    EXPECT_EQ(g.Frage, "");
    EXPECT_EQ(g.Lösung, 0);

    const std::string lang(300, 'x');
    schreibeDatei(home.appPfad() + "Fragen 3.Dat",
                  "[Quiz 301]\r\nFrage=" + lang + "\r\nAntwort 1\r\nBild2\r\nBereich=Oper\r\n");
    QuestionRecord l = FrageLesen(api, 301);
    EXPECT_EQ(l.Frage, lang.substr(0, 254));
    EXPECT_EQ(l.Antwort[1], "") << "a key without = reads as empty";
    EXPECT_EQ(l.Bereich, "Oper");

    QuestionRecord m = FrageLesen(api, 777);  // no file at all
    EXPECT_EQ(m.Nummer, 777);
    EXPECT_FALSE(m.Verschlüsselt);
    EXPECT_EQ(m.Frage, "");
    EXPECT_EQ(m.Problem, 0);
}

TEST(SchwierigkeitsName, TableEdgesAndOutOfRange) {
    EXPECT_EQ(SchwierigkeitsName(90, 40), "Super-schwer");
    EXPECT_EQ(SchwierigkeitsName(90, 39), "Unlösbar!!!"_ansi);
    EXPECT_EQ(SchwierigkeitsName(10, 50), "Glücksfrage"_ansi);
    EXPECT_EQ(SchwierigkeitsName(-999, 0), "Glücksfrage"_ansi);
    EXPECT_EQ(SchwierigkeitsName(-39, 0), "Baby-leicht");
    EXPECT_EQ(SchwierigkeitsName(-20, 0), "sehr einfach");
    EXPECT_EQ(SchwierigkeitsName(-10, 0), "Harmlos");
    EXPECT_EQ(SchwierigkeitsName(0, 0), "Problemlos");
    EXPECT_EQ(SchwierigkeitsName(1, 0), "durchschnittlich");
    EXPECT_EQ(SchwierigkeitsName(20, 0), "anstrengend");
    EXPECT_EQ(SchwierigkeitsName(21, 0), "anspruchsvoll");
    EXPECT_EQ(SchwierigkeitsName(40, 0), "kniffelig");
    EXPECT_EQ(SchwierigkeitsName(999, 0), "Unlösbar!!!"_ansi);
    EXPECT_EQ(SchwierigkeitsName(1000, 0), " 1000");
    EXPECT_EQ(SchwierigkeitsName(-1000, 0), "-1000");
    EXPECT_EQ(SchwierigkeitsName(std::numeric_limits<std::int32_t>::min(), 1), "-2147483648");
}
