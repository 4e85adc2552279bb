// The game without its window, moved on tick by tick: which input each phase
// takes, questions that cannot be answered, and a data folder that takes no files.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "questions/QuestionRecord.h"
#include "quiz/Spiel.h"
#include "quiz/Vorleser.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/FileSys.h"
#include "services/MelvatoBasic.h"
#include "tests/quiz/QuizFakes.h"
#include "tests/support/TestSupport.h"

using namespace cp1252::literals;
using quiz::Phase;

namespace {

struct SpielAblauf : ::testing::Test {
    testing_support::TempHome home;
    testing_support::ScriptedDialogs dialogs;
    ApiClass api;
    fragen::QuestionPool::Table tabelle{};
    quiz_test::AufnahmeSound sound;
    quiz_test::HandUhr uhr;
    quiz_test::SkriptZufall zufall{5};
    std::string hindernis;  // what keeps the data folder from taking files
    std::string daten = api.AppPfad() + "DATEN/";
    std::unique_ptr<quiz::Spiel> spiel;

    void SetUp() override {
        api.setSleeper([](int) {});
        for (const char* name : {"slot.wav", "sound.wav", "Ja 1.wav", "Nein 1.wav"})
            quiz_test::schreibeWav(daten + name, 20);
        sound.abfragenBisEnde = 2;
        MelvatoBasic::SoundOk = true;
    }
    void TearDown() override { MelvatoBasic::SoundOk = false; }

    // Question n with `antworten` answers, the right one `loesung`.
    void frage(int n, int antworten = 3, int loesung = 2, int problem = 30) {
        fragen::QuestionRecord r;
        r.Frage = "Frage " + std::to_string(n);
        for (int i = 1; i <= antworten; ++i) r.Antwort[size_t(i)] = "A" + std::to_string(i);
        r.Lösung = loesung;
        r.Problem = problem;
        fragen::FrageSpeichern(api, n, r);
    }
    void starten() {
        quiz::Spiel::Anbindung an;
        an.sound = &sound;
        an.uhr = &uhr;
        an.zufall = &zufall;
        an.alterLevel = [] { return 30; };
        an.schreibHindernis = [this](const std::string&) { return hindernis; };
        spiel = std::make_unique<quiz::Spiel>(api, tabelle, an);
        spiel->FeedbackZaehlen();
        spiel->Starten(30);
    }
    // Gives question n a sound of its own.
    void mitTon(int n) {
        fragen::QuestionRecord r = fragen::FrageLesen(api, n);
        r.Audio = "klang.wav";
        r.Erklärung[2] = "Richtig, die Geige.";
        fragen::FrageSpeichern(api, n, r);
        quiz_test::schreibeWav(daten + "klang.wav", 20, 880);
    }
    // Reading aloud for a player of `alter`; what it reads goes into `gelesen`.
    std::unique_ptr<quiz::Vorleser> vorleser(std::vector<std::string>& gelesen, int alter,
                                             const std::string& ordner = {}) {
        quiz::Vorleser::Anbindung an;
        an.ordner = ordner.empty() ? home.root() : ordner;
        an.alter = [alter] { return alter; };
        auto v = std::make_unique<quiz::Vorleser>(api, *spiel, an);
        QObject::connect(v.get(), &quiz::Vorleser::stueckBeginnt,
                         [&gelesen](const std::string& text) { gelesen.push_back(text); });
        return v;
    }
    void ticks(int n = 3) {
        for (int i = 0; i < n; ++i) {
            uhr.zeit += 0.2;
            spiel->Soundtimer_Timer();
        }
    }
    // The playing sound reaches its end, and the timer notices it.
    void ausklingen(int n = 3) {
        sound.ende();
        ticks(n);
    }
    // Ticks of the timer until the game reaches `ziel`; the seconds it took on
    // the clock (a quarter second a tick keeps the sums exact).
    double bis(Phase ziel) {
        const double start = uhr.zeit;
        for (int i = 0; i < 2000 && spiel->phase() != ziel; ++i) {
            uhr.zeit += 0.25;
            spiel->Soundtimer_Timer();
        }
        EXPECT_EQ(spiel->phase(), ziel);
        return uhr.zeit - start;
    }
};

}  // namespace

// Clicks and keys during the slot or the reveal neither answered the question
// being revealed nor started a second draw inside the running one.
TEST_F(SpielAblauf, InputCountsOnlyWhereAQuestionWaitsForIt) {
    frage(5);
    frage(7);
    starten();
    constexpr int kKlick = 0, kStart = -1;  // other inputs choose that answer
    struct Schritt {
        Phase vorher;
        int eingabe;
        Phase nachher;
        int runde;
    };
    const Schritt schritte[] = {
        {Phase::Slot, 1, Phase::Slot, 1},
        {Phase::Slot, kKlick, Phase::Slot, 1},
        {Phase::Slot, kStart, Phase::Slot, 1},
        {Phase::Enthuellung, 2, Phase::Enthuellung, 1},
        {Phase::Enthuellung, kKlick, Phase::Enthuellung, 1},
        {Phase::Frage, kKlick, Phase::Frage, 1},
        {Phase::Frage, 4, Phase::Frage, 1},  // not shown: three answers
        {Phase::Frage, 1, Phase::ZweiterVersuch, 1},
        {Phase::ZweiterVersuch, kKlick, Phase::ZweiterVersuch, 1},
        {Phase::ZweiterVersuch, 2, Phase::Erledigt, 1},
        {Phase::Erledigt, 1, Phase::Slot, 2},  // goes on, no answer
    };
    for (const Schritt& s : schritte) {
        SCOPED_TRACE(int(s.vorher) * 10 + s.eingabe);
        bis(s.vorher);
        if (s.eingabe == kKlick)
            spiel->Weiterklick();
        else if (s.eingabe == kStart)
            spiel->Starten(30);
        else
            spiel->AntwortGewaehlt(s.eingabe);
        EXPECT_EQ(spiel->phase(), s.nachher);
        EXPECT_EQ(spiel->ziehung().Runde, s.runde);
    }
    EXPECT_FALSE(spiel->offeneFrage().Beantwortet);
}

// A question without answers showed no buttons and nothing went on; one whose
// solution names no shown answer could not be answered rightly. Both are passed over.
TEST_F(SpielAblauf, QuestionsThatCannotBeAnsweredAreSkipped) {
    frage(3, 0, 1);  // no answers
    frage(4, 3, 5);  // solution 5 of three answers
    frage(5, 3, 2);
    starten();
    for (int runde = 1; runde <= 3; ++runde) {
        bis(Phase::Frage);
        EXPECT_EQ(spiel->ziehung().FrageNummer, 5) << "turn " << runde;
        spiel->AntwortGewaehlt(2);
        spiel->Weiterklick();
    }
    // (The pool leaves them out already and logs why: PoolMangel.)
    EXPECT_TRUE(dialogs.messages.empty());
}

// With a read-only data folder or a full disk the scratch copy of every sound
// failed and each question waited its 55 seconds for a slot sound that never
// came. Now the show goes on at once, without sound, and the player is told once.
TEST_F(SpielAblauf, DataFolderThatTakesNoFilesCostsNoTime) {
    struct Fall {
        std::string hindernis;
        size_t meldungen;
    };
    // Read-only as the folder check reports it; and a copy that failed in a folder
    // that could be written (the copy's name taken by a folder).
    for (const Fall& f : {Fall{quiz::SchreibGrund(EROFS), 1}, Fall{"", 0}}) {
        SCOPED_TRACE(f.meldungen);
        dialogs.messages.clear();
        sound.stroeme.clear();
        frage(5);
        frage(7);
        // The copies cannot be written: folders stand where they would go.
        for (const char* kopie : {"Now0.Wav", "Now1.Wav"})
            std::filesystem::create_directories(fsys::native(daten + kopie));
        hindernis = f.hindernis;
        uhr.proAbfrage = 0.01;
        starten();
        for (int runde = 1; runde <= 3; ++runde) {
            EXPECT_LT(bis(Phase::Frage), 1.0) << "turn " << runde;
            spiel->AntwortGewaehlt(2);
            spiel->Weiterklick();
        }
        EXPECT_TRUE(sound.stroeme.empty());
        ASSERT_EQ(dialogs.messages.size(), f.meldungen);
        if (f.meldungen) {
            EXPECT_NE(
                dialogs.messages[0].text.find("schreibgeschützt.\r\nDas Spiel geht ohne Ton weiter."_ansi),
                std::string::npos)
                << dialogs.messages[0].text;
        }
    }
}

// The class results hear of every settled question of a game, with the tries,
// the level before the answer and the time since the reveal; the editor's test
// of a question is no game and reports nothing.
TEST_F(SpielAblauf, SettledQuestionsOfAGameAreReportedForTheClassResults) {
    frage(7);
    std::vector<quiz::FrageErgebnis> erledigt;
    starten();
    QObject::connect(spiel.get(), &quiz::Spiel::frageErledigt,
                     [&](const quiz::FrageErgebnis& e) { erledigt.push_back(e); });
    bis(Phase::Frage);
    const double niveau = spiel->ziehung().Niveau;
    uhr.zeit += 7;
    spiel->AntwortGewaehlt(1);
    EXPECT_TRUE(erledigt.empty());  // a second try is still open
    spiel->AntwortGewaehlt(2);
    ASSERT_EQ(erledigt.size(), 1u);
    const quiz::FrageErgebnis& e = erledigt[0];
    EXPECT_EQ(std::make_tuple(e.nummer, e.ergebnis, e.sekunden, e.niveauVorher, e.schwierigkeit),
              std::make_tuple(7, 2, 7.0, niveau, 30.0));

    spiel->Weiterklick();
    bis(Phase::Frage);
    spiel->AntwortGewaehlt(3);
    spiel->AntwortGewaehlt(1);
    ASSERT_EQ(erledigt.size(), 2u);
    EXPECT_EQ(erledigt[1].ergebnis, 0);

    // An ungraded question is tested as one of difficulty 40, and counts no turn.
    uhr.proAbfrage = 0.5;  // the test's reveal waits on the clock
    frage(8, 3, 2, 0);
    spiel->FrageTesten(8);
    bis(Phase::Frage);
    EXPECT_EQ(spiel->ziehung().FrageSchwierigkeit, 40);
    EXPECT_EQ(spiel->ziehung().Runde, 2);
    spiel->AntwortGewaehlt(2);
    EXPECT_EQ(erledigt.size(), 2u);
}

// A young player hears the question after its own sound, then the shown answers
// one by one; a key stops the reading at once, and the explanation follows the
// spoken verdict.
TEST_F(SpielAblauf, AutomaticReadingFollowsTheQuestionsSoundAndStopsAtAKey) {
    frage(5);
    mitTon(5);
    starten();
    std::vector<std::string> gelesen;
    auto leser = vorleser(gelesen, 6);
    bis(Phase::Frage);
    sound.abfragenBisEnde = -1;  // from here on a sound ends when the test says so
    ticks();
    EXPECT_TRUE(gelesen.empty()) << "read over the question's sound";
    const std::vector<std::string> erwartet{"Frage 5", "Antwort eins: A1", "Antwort zwei: A2"};
    for (size_t i = 0; i < erwartet.size(); ++i) {
        ausklingen();
        ASSERT_EQ(gelesen.size(), i + 1);
        EXPECT_EQ(gelesen[i], erwartet[i]);
        EXPECT_EQ(sound.gespielt.back().substr(0, 4), "RIFF");
    }
    const size_t lesestrom = sound.stroeme.size();
    spiel->AntwortGewaehlt(2);
    EXPECT_TRUE(sound.stroeme[lesestrom - 1].gestoppt);
    ticks();
    EXPECT_EQ(gelesen.size(), 3u) << "read over the spoken verdict";
    ausklingen();
    ASSERT_EQ(gelesen.size(), 4u);
    EXPECT_NE(gelesen[3].find("Richtig, die Geige."), std::string::npos) << gelesen[3];
    // The next question stops the explanation.
    spiel->Weiterklick();
    EXPECT_TRUE(sound.stroeme[sound.stroeme.size() - 2].gestoppt);
    EXPECT_FALSE(leser->liest());
}

// Asked for while the question's sound plays, the reading waits for it; the
// sound asked for again during the reading stops it. Without the automatic
// reading nothing is read unasked.
TEST_F(SpielAblauf, ReadingOnRequestGivesWayToTheSoundAskedForLast) {
    frage(5);
    mitTon(5);
    quiz::AutomatischVorlesenSetzen(api, false);
    starten();
    std::vector<std::string> gelesen;
    auto leser = vorleser(gelesen, 6);
    bis(Phase::Frage);
    sound.abfragenBisEnde = -1;
    leser->Vorlesen();
    ticks();
    EXPECT_TRUE(gelesen.empty());
    ausklingen();
    ASSERT_EQ(gelesen, std::vector<std::string>{"Frage 5"});
    spiel->SoundRepeat_Click();
    EXPECT_FALSE(leser->liest());
    ausklingen(5);
    EXPECT_EQ(gelesen.size(), 1u);
    spiel->AntwortGewaehlt(1);
    ausklingen();
    EXPECT_EQ(gelesen.size(), 1u) << "explanation read unasked";
    // In the second try the answers still to choose follow the explanation.
    leser->Vorlesen();
    for (int i = 0; i < 2; ++i) ausklingen();
    ASSERT_EQ(gelesen.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(gelesen.begin() + 2, gelesen.end()),
              (std::vector<std::string>{"Antwort zwei: A2", "Antwort drei: A3"}));
    spiel->AntwortGewaehlt(2);
    ausklingen();
    leser->Vorlesen();
    ASSERT_EQ(gelesen.size(), 5u);
    EXPECT_NE(gelesen[4].find("Richtig, die Geige."), std::string::npos);
    // A piece that cannot be written is left out; the game goes on.
    std::vector<std::string> nichts;
    auto ohneOrdner = vorleser(nichts, 6, home.root() + "fehlt/");
    const size_t stroeme = sound.stroeme.size();
    ohneOrdner->Vorlesen();
    EXPECT_EQ(sound.stroeme.size(), stroeme);
    EXPECT_FALSE(ohneOrdner->liest());
    spiel->Weiterklick();
    EXPECT_EQ(spiel->phase(), Phase::Slot);
}

// Nothing stored: on for the two youngest age bands (an age the game does not
// take counts as 13). A stored choice holds for every age.
TEST_F(SpielAblauf, AutomaticReadingSettingByAgeAndStored) {
    struct Fall {
        const char* gespeichert;  // nullptr: nothing stored
        int alter;
        bool an;
    };
    const Fall faelle[] = {{nullptr, 5, true},   {nullptr, 19, true}, {nullptr, 20, false},
                           {nullptr, 70, false}, {nullptr, 0, true},  {nullptr, 99, true},
                           {"0", 6, false},      {"-1", 40, true}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::to_string(f.alter) + (f.gespeichert ? f.gespeichert : "-"));
        if (f.gespeichert)
            quiz::AutomatischVorlesenSetzen(api, std::string(f.gespeichert) == "-1");
        else
            api.IniSchreiben("", "ProfilParameter", "FragenVorlesen", "");
        EXPECT_EQ(quiz::AutomatischVorlesen(api, f.alter), f.an);
        if (f.gespeichert) {
            EXPECT_EQ(api.IniLesen("", "ProfilParameter", "FragenVorlesen"), f.gespeichert);
        }
    }
}
