#include <gtest/gtest.h>

#include <map>

#include "questions/Media.h"
#include "quiz/Bewertung.h"
#include "services/ApiClass.h"
#include "services/FileSys.h"
#include "tests/quiz/QuizFakes.h"
#include "tests/support/TestSupport.h"

using quiz::OffeneFrage;
using quiz::Urteil;
using quiz::Ziehung;

namespace {

struct Fall {
    OffeneFrage frage;
    Ziehung ziehung;
    std::map<int, int> geschrieben;
    std::function<void(int, int)> schreiben = [this](int n, int wert) { geschrieben[n] = wert; };

    Fall(double niveau, double schwierigkeit, int richtig = 2) {
        frage.RichtigeAntwort = richtig;
        for (int i = 1; i <= 5; ++i) frage.Erklärungen[size_t(i)] = "E" + std::to_string(i);
        ziehung.Niveau = niveau;
        ziehung.FrageSchwierigkeit = schwierigkeit;
        ziehung.FrageNummer = 123;
        ziehung.Runde = 7;
        ziehung.Gesperrt[123] = 32;
    }
    Urteil antwort(int k, int anzahl = 10) {
        return quiz::AntwortAuswerten(
            frage, ziehung, k, [anzahl] { return anzahl; }, schreiben);
    }
};

}  // namespace

TEST(Bewertung, RightFirstAnswerSettlesAndBlocksForHalfThePool) {
    Fall f(20, 40);
    Urteil u = f.antwort(2, 11);
    EXPECT_EQ(u.art, Urteil::Art::Richtig);
    EXPECT_TRUE(u.erledigt && u.jaTon);
    EXPECT_EQ(u.hellgruen, 2);
    EXPECT_EQ(u.text, "Ja, richtig: \r\n\r\nE2");
    EXPECT_EQ(u.textFarbe, quiz::kDunkelgruen);
    EXPECT_DOUBLE_EQ(f.ziehung.Niveau, 21.2);
    EXPECT_EQ(f.geschrieben[123], 40);       // 40 - 10 is not below 20.2: unchanged
    EXPECT_EQ(f.ziehung.Gesperrt[123], 12);  // 7 + 5.5 rounds to the even 12
    EXPECT_TRUE(f.frage.Beantwortet);
    EXPECT_FALSE(f.frage.ZweiterVersuch);
}

TEST(Bewertung, WrongThenRightKeepsTheQuestionOpenOnce) {
    Fall f(20, 40);
    Urteil u = f.antwort(4);
    EXPECT_EQ(u.art, Urteil::Art::ErsterFehler);
    EXPECT_EQ(u.hellrot, 4);
    EXPECT_EQ(u.hellgruen, 0);
    EXPECT_EQ(u.text, "Leider nicht richtig:\r\n\r\nE4\r\nProbier es noch einmal!");
    EXPECT_EQ(u.textFarbe, quiz::kDunkelrot);
    EXPECT_FALSE(u.jaTon || u.erledigt);
    EXPECT_DOUBLE_EQ(f.ziehung.Niveau, 19.8);
    EXPECT_FALSE(f.frage.Beantwortet);
    EXPECT_TRUE(f.frage.ZweiterVersuch);
    EXPECT_TRUE(f.geschrieben.empty());
    EXPECT_EQ(f.ziehung.Gesperrt[123], 32);

    u = f.antwort(2);
    EXPECT_EQ(u.art, Urteil::Art::Richtig);
    EXPECT_DOUBLE_EQ(f.ziehung.Niveau, 21.0);
    EXPECT_TRUE(f.frage.Beantwortet);
}

TEST(Bewertung, WrongTwiceRewritesDifficultyUpwards) {
    Fall f(20, 90);
    f.antwort(1);
    Urteil u = f.antwort(3);
    EXPECT_EQ(u.art, Urteil::Art::ZweiterFehler);
    EXPECT_EQ(u.text, "Leider nicht richtig:\r\n\r\nE3\r\n\r\nE2");
    EXPECT_EQ(u.hellrot, 3);
    EXPECT_EQ(u.hellgruen, 2);
    EXPECT_FALSE(u.jaTon);
    EXPECT_TRUE(u.erledigt);
    EXPECT_EQ(f.geschrieben[123], 81);  // (19.8 + 360) / 5 + 5 = 80.96
    EXPECT_NEAR(f.ziehung.Niveau, 17.8, 1e-9);
    EXPECT_EQ(f.ziehung.Gesperrt[123], 32);  // no longer block after a wrong answer
}

TEST(Bewertung, SameWrongAnswerTwiceIsTheSecondTryAndEmptyExplanationIsLeftOut) {
    Fall f(50, 50, 5);
    f.frage.Erklärungen[1].clear();
    f.antwort(1);
    Urteil u = f.antwort(1);
    EXPECT_EQ(u.art, Urteil::Art::ZweiterFehler);
    EXPECT_EQ(u.text, "Leider nicht richtig:\r\n\r\nE5");
    EXPECT_TRUE(f.frage.Beantwortet);
}

TEST(Bewertung, RightAnswerOfAnEasyQuestionLowersItsDifficulty) {
    Fall f(50, 10);
    f.antwort(2);
    EXPECT_EQ(f.geschrieben[123], 13);  // (50.2 + 40) / 5 - 5 = 13.04
    EXPECT_DOUBLE_EQ(f.ziehung.Niveau, 51.2);
}

TEST(Bewertung, LevelStaysWithinTenAndNinetyOnceSettled) {
    Fall hoch(89.5, 90);
    hoch.antwort(2);
    EXPECT_EQ(hoch.ziehung.Niveau, 90);

    Fall tief(10, 10);
    tief.antwort(1);
    EXPECT_NEAR(tief.ziehung.Niveau, 9.8, 1e-9);  // for a moment below 10
    tief.antwort(1);
    EXPECT_EQ(tief.ziehung.Niveau, 10);
}

TEST(Bewertung, SchwierigkeitAnpassenClampsAndMovesTheLevel) {
    std::map<int, int> w;
    auto schreiben = [&](int n, int v) { w[n] = v; };
    double level = 90;
    EXPECT_EQ(quiz::SchwierigkeitAnpassen(99, 5, level, false, schreiben), 99);  // 102.2 lowered to 99
    EXPECT_EQ(level, 88);
    level = 10;
    EXPECT_EQ(quiz::SchwierigkeitAnpassen(10, 6, level, true, schreiben), 10);  // 5 raised to 10
    EXPECT_EQ(level, 11);
    level = 70;
    EXPECT_EQ(quiz::SchwierigkeitAnpassen(50, 7, level, false, schreiben), 50);  // 60 is not above 70
    EXPECT_EQ(level, 68);
    EXPECT_EQ(w, (std::map<int, int>{{5, 99}, {6, 10}, {7, 50}}));
}

TEST(Bewertung, FeedbackNamesDrawFromTheCount) {
    quiz_test::SkriptZufall z;
    z.werte = {0.0f, 0.999f, 0.5f, 0.7f};
    EXPECT_EQ(quiz::FeedbackName(true, 3, z), "ja 1");
    EXPECT_EQ(quiz::FeedbackName(true, 3, z), "ja 3");
    EXPECT_EQ(quiz::FeedbackName(false, 0, z), "nein 1");  // no files counted: number 1
    EXPECT_EQ(quiz::FeedbackName(false, 2, z), "nein 2");
}

TEST(Bewertung, SoundDateienZaehlenStopsAtTheFirstGap) {
    testing_support::TempHome home;
    ApiClass api;
    const std::string daten = api.AppPfad() + "DATEN/";
    for (const char* n : {"Ja 1.wav", "ja 2.WAV", "Ja 4.wav", "Nein 2.wav"})
        testing_support::writeFile(daten + n, "RIFF-not-really-a-sound");
    std::vector<std::string> gefragt;
    auto gefunden = [&](const std::string& name, const std::string& ziel) {
        gefragt.push_back(name);
        return fragen::FileOk(api, name, ziel);
    };
    quiz::SoundDateienZählen(api, gefunden);
    EXPECT_EQ(api.IniLesen("", "Allgemein", "AnzahlJa"), "2");  // letter case does not matter
    EXPECT_EQ(api.IniLesen("", "Allgemein", "AnzahlNein"), "0");
    EXPECT_EQ(gefragt, (std::vector<std::string>{"Ja 1.wav", "Ja 2.wav", "Ja 3.wav", "Nein 1.wav"}));
    EXPECT_TRUE(fsys::fileExists(daten + "Now0.Wav"));
}
