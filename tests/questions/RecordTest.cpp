// Question records: the read sequence (plain and scrambled), the write sequence
// byte for byte, bad files, grade names.
#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "questions/QuestionRecord.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "tests/questions/QuestionsTestData.h"
#include "tests/support/TestSupport.h"

using namespace cp1252::literals;
using namespace fragen;
using testing_support::writeFile;

TEST(FrageSpeichern, WritesEveryKeyScrambledInOrderAndMarksTheIndex) {
    testing_support::TempHome home;
    ApiClass api;
    QuestionRecord r;
    r.Frage = "abc";
    r.Antwort[1] = "AAA";
    r.Antwort[2] = "x";
    r.Erklärung[1] = "xy";
    r.Lösung = 2;
    r.Bild = "bach.jpg";
    r.Problem = 30;
    r.Bereich = "Klassik";
    FrageSpeichern(api, 5, r);
    testing_support::expectSameFiles(testing_support::golden("question-write/new-record/expected/"),
                                     home.appPfad());
}

TEST(FrageSpeichern, UpgradesAPlainRecordInPlaceAndKeepsForeignLines) {
    // Known keys are replaced where they stand, new ones follow the section's last line.
    testing_support::TempHome home;
    ApiClass api;
    const std::string dir = testing_support::golden("question-write/plain-record-upgraded/");
    testing_support::copyFiles(dir + "before/", home.appPfad());
    QuestionRecord r = FrageLesen(api, 120);
    EXPECT_FALSE(r.Verschlüsselt);
    EXPECT_EQ(r.Frage, "alt");
    r.Frage = "abc";
    FrageSpeichern(api, 120, r);
    testing_support::expectSameFiles(dir + "expected/", home.appPfad());
    EXPECT_TRUE(FrageLesen(api, 120).Verschlüsselt);
    EXPECT_EQ(FrageLesen(api, 121).Frage, "z");
}

TEST(FrageLesen, PlainAndScrambledRecordsAndTheirNumbers) {
    testing_support::TempHome home;
    ApiClass api;
    writeFile(home.appPfad() + "Fragen 0.Dat",
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
    writeFile(home.appPfad() + "Fragen 2.Dat", garbage);
    QuestionRecord g = FrageLesen(api, 250);
    EXPECT_EQ(g.Frage, "");
    EXPECT_EQ(g.Lösung, 0);

    const std::string lang(300, 'x');
    writeFile(home.appPfad() + "Fragen 3.Dat",
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

TEST(SchwierigkeitsName, BandEdgesAndOutOfRange) {
    // The band follows the difference between the question's grade and the player's.
    const std::tuple<std::int32_t, std::int32_t, std::string> cases[] = {
        {90, 40, "Super-schwer"},     {90, 39, "Unlösbar!!!"_ansi},
        {10, 50, "Glücksfrage"_ansi}, {-999, 0, "Glücksfrage"_ansi},
        {-39, 0, "Baby-leicht"},      {-20, 0, "sehr einfach"},
        {-10, 0, "Harmlos"},          {0, 0, "Problemlos"},
        {1, 0, "durchschnittlich"},   {20, 0, "anstrengend"},
        {21, 0, "anspruchsvoll"},     {40, 0, "kniffelig"},
        {999, 0, "Unlösbar!!!"_ansi}, {1000, 0, " 1000"},
        {-1000, 0, "-1000"},          {std::numeric_limits<std::int32_t>::min(), 1, "-2147483648"}};
    for (const auto& [problem, level, name] : cases)
        EXPECT_EQ(SchwierigkeitsName(problem, level), name) << problem;
}
