#include <gtest/gtest.h>

#include <limits>
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

// The settled outcomes: verdict, colours, the level (with its clamp to 10 .. 90),
// the rewritten difficulty and the longer block after a right answer.
TEST(Bewertung, SettledQuestionsMoveLevelDifficultyAndBlock) {
    using A = Urteil::Art;
    struct Ausgang {
        const char* was;
        double niveau, problem;
        int richtig;
        std::vector<int> antworten;
        std::string text;
        A art;
        double niveauDanach;
        int geschrieben, gesperrt;
    };
    const std::string ja = "Ja, richtig: \r\n\r\nE2", nein = "Leider nicht richtig:\r\n\r\n";
    const Ausgang faelle[] = {
        // 40 - 10 is not below 20.2: unchanged; 7 + 11 / 2 rounds to the even 12.
        {"right", 20, 40, 2, {2}, ja, A::Richtig, 21.2, 40, 12},
        {"wrong, then right", 20, 40, 2, {4, 2}, ja, A::Richtig, 21.0, 40, 12},
        // (19.8 + 360) / 5 + 5 = 80.96; no longer block after a wrong answer.
        {"wrong twice", 20, 90, 2, {1, 3}, nein + "E3\r\n\r\nE2", A::ZweiterFehler, 17.8, 81, 32},
        // The same wrong answer twice is the second try; its empty explanation is left out.
        {"same wrong twice", 50, 50, 5, {1, 1}, nein + "E5", A::ZweiterFehler, 47.8, 55, 32},
        {"easy question right", 50, 10, 2, {2}, ja, A::Richtig, 51.2, 13, 12},
        {"level clamped at 90", 89.5, 90, 2, {2}, ja, A::Richtig, 90, 85, 12},
        {"level clamped at 10", 10, 10, 2, {1, 1}, nein + "E1\r\n\r\nE2", A::ZweiterFehler, 10, 15, 32},
    };
    for (const Ausgang& a : faelle) {
        SCOPED_TRACE(a.was);
        Fall f(a.niveau, a.problem, a.richtig);
        if (a.antworten.front() == 1 && a.richtig == 5) f.frage.Erklärungen[1].clear();
        Urteil u;
        for (int k : a.antworten) u = f.antwort(k, 11);
        EXPECT_EQ(u.art, a.art);
        EXPECT_EQ(u.text, a.text);
        EXPECT_TRUE(u.erledigt && f.frage.Beantwortet);
        EXPECT_FALSE(f.frage.ZweiterVersuch);
        EXPECT_EQ(u.jaTon, a.art == A::Richtig);
        EXPECT_EQ(u.hellgruen, a.richtig);
        EXPECT_EQ(u.textFarbe, a.art == A::Richtig ? quiz::kDunkelgruen : quiz::kDunkelrot);
        EXPECT_NEAR(f.ziehung.Niveau, a.niveauDanach, 1e-9);
        EXPECT_EQ(f.geschrieben, (std::map<int, int>{{123, a.geschrieben}}));
        EXPECT_EQ(f.ziehung.Gesperrt[123], a.gesperrt);
    }
}

// A first wrong answer keeps the question open: nothing written, a moment's
// level below 10 allowed.
TEST(Bewertung, FirstWrongAnswerKeepsTheQuestionOpen) {
    Fall f(10, 40);
    Urteil u = f.antwort(4);
    EXPECT_EQ(u.art, Urteil::Art::ErsterFehler);
    EXPECT_EQ(u.hellrot, 4);
    EXPECT_EQ(u.hellgruen, 0);
    EXPECT_EQ(u.text, "Leider nicht richtig:\r\n\r\nE4\r\nProbier es noch einmal!");
    EXPECT_EQ(u.textFarbe, quiz::kDunkelrot);
    EXPECT_FALSE(u.jaTon || u.erledigt || f.frage.Beantwortet);
    EXPECT_TRUE(f.frage.ZweiterVersuch);
    EXPECT_NEAR(f.ziehung.Niveau, 9.8, 1e-9);
    EXPECT_TRUE(f.geschrieben.empty());
    EXPECT_EQ(f.ziehung.Gesperrt[123], 32);
}

// The rewritten difficulty stays within 10 .. 99 and the level moves by its
// steps, also for a "Problem" edited by hand to a number near the 32-bit limits
// (the sums on such a value overflowed; a build with MELVATO_SANITIZE stops there).
TEST(Bewertung, SchwierigkeitAnpassenClampsAndMovesTheLevel) {
    constexpr std::int32_t max = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t min = std::numeric_limits<std::int32_t>::min();
    const struct {
        std::int32_t problem;
        double level;
        bool richtig;
        std::int32_t wert;
        double levelDanach;
    } faelle[] = {
        {99, 90, false, 99, 88},  // 102.2 lowered to 99
        {10, 10, true, 10, 11},   // 5 raised to 10
        {50, 70, false, 50, 68},  // 60 is not above 70
        {max, 50, true, 99, 51},  {max - 5, 50, false, 99, 48},
        {min, 50, false, 10, 48}, {min + 5, 50, true, 10, 51},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.problem);
        double level = f.level;
        std::map<int, int> w;
        EXPECT_EQ(
            quiz::SchwierigkeitAnpassen(f.problem, 7, level, f.richtig, [&](int n, int v) { w[n] = v; }),
            f.wert);
        EXPECT_EQ(w, (std::map<int, int>{{7, f.wert}}));
        EXPECT_DOUBLE_EQ(level, f.levelDanach);
    }
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
