// The game without its window, moved on tick by tick: which input each phase
// takes, questions that cannot be answered, and a data folder that takes no files.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "questions/QuestionRecord.h"
#include "quiz/Spiel.h"
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
    void frage(int n, int antworten = 3, int loesung = 2) {
        fragen::QuestionRecord r;
        r.Frage = "Frage " + std::to_string(n);
        for (int i = 1; i <= antworten; ++i) r.Antwort[size_t(i)] = "A" + std::to_string(i);
        r.Lösung = loesung;
        r.Problem = 30;
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
    // Ticks of the 200-ms timer until the game reaches `ziel`; the seconds it
    // took on the clock.
    double bis(Phase ziel) {
        const double start = uhr.zeit;
        for (int i = 0; i < 2000 && spiel->phase() != ziel; ++i) {
            uhr.zeit += 0.2;
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
    enum Eingabe { Antwort1, Antwort2, Antwort4, Klick, Start };
    const auto geben = [&](Eingabe e) {
        switch (e) {
            case Antwort1:
                return spiel->AntwortGewaehlt(1);
            case Antwort2:
                return spiel->AntwortGewaehlt(2);
            case Antwort4:
                return spiel->AntwortGewaehlt(4);  // not shown: three answers
            case Klick:
                return spiel->Weiterklick();
            case Start:
                return spiel->Starten(30);
        }
    };
    struct Schritt {
        Phase vorher;
        Eingabe eingabe;
        Phase nachher;
        int runde;
    };
    const Schritt schritte[] = {
        {Phase::Slot, Antwort1, Phase::Slot, 1},
        {Phase::Slot, Klick, Phase::Slot, 1},
        {Phase::Slot, Start, Phase::Slot, 1},
        {Phase::Enthuellung, Antwort2, Phase::Enthuellung, 1},
        {Phase::Enthuellung, Klick, Phase::Enthuellung, 1},
        {Phase::Frage, Klick, Phase::Frage, 1},
        {Phase::Frage, Antwort4, Phase::Frage, 1},
        {Phase::Frage, Antwort1, Phase::ZweiterVersuch, 1},
        {Phase::ZweiterVersuch, Klick, Phase::ZweiterVersuch, 1},
        {Phase::ZweiterVersuch, Antwort2, Phase::Erledigt, 1},
        {Phase::Erledigt, Antwort1, Phase::Slot, 2},  // goes on, no answer
    };
    for (const Schritt& s : schritte) {
        SCOPED_TRACE(int(s.vorher) * 10 + int(s.eingabe));
        bis(s.vorher);
        geben(s.eingabe);
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
    api.ProtokollAn(true);
    starten();
    for (int runde = 1; runde <= 3; ++runde) {
        bis(Phase::Frage);
        EXPECT_EQ(spiel->ziehung().FrageNummer, 5) << "turn " << runde;
        spiel->AntwortGewaehlt(2);
        spiel->Weiterklick();
    }
    const std::string log = testing_support::readFile(api.LogDatei());
    // The pool leaves them out already and says why.
    EXPECT_NE(log.find("Frage 3 nicht im Spiel: keine Antworten"), std::string::npos);
    EXPECT_NE(log.find("Frage 4 nicht im Spiel: L\xf6sung 5 ist keine gezeigte Antwort"), std::string::npos);
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

    uhr.proAbfrage = 0.5;  // the test's reveal waits on the clock
    spiel->FrageTesten(7);
    bis(Phase::Frage);
    spiel->AntwortGewaehlt(2);
    EXPECT_EQ(erledigt.size(), 2u);
}
