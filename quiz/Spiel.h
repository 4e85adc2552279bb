#pragma once
// One game of the quiz window, without the window: the pool and the draw, the
// question on display, judging with the second try, the level, the rewritten
// difficulty, the sounds and the rolling counter. The game moves from phase to
// phase on the 200-ms timer and on the end of sounds; no call waits, so input
// can never arrive in the middle of a step, and input is taken only in the
// phases that expect it. What to show goes out through signals.
#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "questions/QuestionPool.h"
#include "questions/QuestionRecord.h"
#include "quiz/Anzeige.h"
#include "quiz/Bewertung.h"
#include "quiz/Spielzeit.h"
#include "quiz/Ton.h"
#include "quiz/Ziehung.h"

class ApiClass;
class QTimer;

namespace quiz {

enum class Phase {
    Leerlauf,        // no question on display (before a game, after the editor's test)
    Slot,            // counter rolls, slot sound plays, the question waits under the cover
    Enthuellung,     // counter shows the number, the jingle plays
    Frage,           // open for an answer
    ZweiterVersuch,  // one wrong answer given, open for one more
    Erledigt,        // settled: the next click or key goes on
    Geschlossen,     // the window closed; nothing happens any more
};

// Longest waits of a question's show, in seconds.
constexpr double kSlotGrenze = 55.0;
constexpr double kEnthuellungGrenze = 5.0;
constexpr double kTestEnthuellung = 3.0;

class Spiel : public QObject {
    Q_OBJECT
public:
    // Left empty, the real sound library, the steady clock, a clock-seeded random
    // source and the media look-up of the data folder are used.
    struct Anbindung {
        SoundSchnittstelle* sound = nullptr;
        Uhr* uhr = nullptr;
        Zufall* zufall = nullptr;
        // Finds a media file (folder or archives) and copies it to the target.
        std::function<bool(const std::string& name, const std::string& ziel)> fileOk;
        // The player's age level, for the names of the difficulties.
        std::function<int()> alterLevel;
        // Why the data folder takes no files (SchreibHindernis when left empty).
        std::function<std::string(const std::string& ordner)> schreibHindernis;
    };

    Spiel(ApiClass& api, fragen::QuestionPool::Table& tabelle, Anbindung anbindung,
          QObject* parent = nullptr);
    ~Spiel() override;

    // Load: starts the sound library (says so when it cannot) and counts the
    // feedback voices.
    void TonStarten();
    void FeedbackZaehlen();
    void TimerStarten();

    // A new game at the player's starting level; nothing (a cancelled age
    // question) asks the window to close. Not taken while a slot or reveal runs.
    void Starten(std::optional<int> level);
    // The editor's test: question `nummer` without slot; once settled, the next
    // input goes back to the editor.
    void FrageTesten(std::int32_t nummer);

    // Input. An answer k (click or key) judges an open question and goes on from
    // a settled one; a click elsewhere on the game only goes on. Ignored in every
    // other phase.
    void AntwortGewaehlt(int k);
    void Weiterklick();

    void SoundRepeat_Click();
    void PlaySound(const std::string& pfad);
    void StreamBreak();

    // The window's close: refused while the counter rolls (unless the main window
    // insists). Ends the game at once: stops the sound, shuts the library and
    // removes the temporary media copies.
    bool Schliessen(bool erzwingen = false);

    // The 200-ms timer: the counter's step, the end of a sound, and the end of a
    // slot or reveal.
    void Soundtimer_Timer();

    Phase phase() const { return phase_; }
    // Slot or reveal: game input is not taken, the game cannot be restarted.
    bool laeuftShow() const { return phase_ == Phase::Slot || phase_ == Phase::Enthuellung; }
    bool ZählerLäuft() const { return ablauf_.ZählerLäuft; }
    bool& zaehlerLaeuftRef() { return ablauf_.ZählerLäuft; }

    const Ziehung& ziehung() const { return ziehung_; }
    Ziehung& ziehung() { return ziehung_; }
    const OffeneFrage& offeneFrage() const { return frage_; }
    const Ablauf& ablauf() const { return ablauf_; }
    fragen::QuestionPool& pool() { return pool_; }
    const fragen::QuestionRecord& frage() const { return record_; }
    Tonwiedergabe& ton() { return *ton_; }
    SoundSchnittstelle& sound() { return *an_.sound; }
    // Answer k is shown (it has a text).
    bool antwortGezeigt(int k) const;
    QTimer* timer() const { return timer_; }

signals:
    void phaseGeaendert(quiz::Phase phase);
    // Steps 3 to 9 of showing a question (under the cover): texts, answers, the
    // picture (`bild` is its temporary copy, empty for none) or the music symbols.
    void frageGeladen(const fragen::QuestionRecord& frage, const std::string& bild);
    void gradUndGebiet(const std::string& grad, const std::string& gebiet);
    void zaehlerStartet();
    void zaehlerDreht(int bild, int ziffer);
    void zaehlerSteht(std::int32_t nummer);
    void deckelSichtbar(bool sichtbar);
    // Verdict of answer k; `loesungsBild` is the solution picture's temporary copy.
    void beurteilt(int k, const quiz::Urteil& urteil, const std::string& loesungsBild);
    void antwortenSichtbar(bool sichtbar);
    void editorSichtbar(bool sichtbar);
    void toolButton(int index, bool sichtbar);
    // A question of a game (not of the editor's test) was settled.
    void frageErledigt(const quiz::FrageErgebnis& ergebnis);
    // The game wants the window closed (cancelled age question, closed mid-draw).
    void schliessenAngefragt();
    // A sound of the game is about to play.
    void tonBeginnt();
    // An answer key or click (1 to 5), in whatever phase.
    void antwortTaste(int k);
    // The end of each tick of the 200-ms timer.
    void takt();

private:
    void NächsteFrage(bool EditorTest);
    void FrageAnzeigen();
    void Enthuellen();
    void Aufdecken();
    void AntwortAuswerten(int k);
    void Weiter();
    void ZählerStopp(std::int32_t n);
    // The end of a slot or reveal.
    void ShowTakt();
    void SoundAbspielen(const std::string& name);
    void FeedbackSpielen(bool ja);
    void KeineFragenMelden();
    // Copies a picture of the data folder to its temporary name; empty when none.
    std::string BildKopieren(const std::string& datei);
    static bool spielbar(const fragen::QuestionRecord& r);
    void wechseln(Phase neu);
    std::string daten() const;

    ApiClass& api_;
    Anbindung an_;
    std::unique_ptr<SoundSchnittstelle> eigenerSound_;
    std::unique_ptr<Uhr> eigeneUhr_;
    std::unique_ptr<Zufall> eigenerZufall_;
    fragen::QuestionPool pool_;
    Ablauf ablauf_;
    Ziehung ziehung_;
    OffeneFrage frage_;
    fragen::QuestionRecord record_;
    std::unique_ptr<Tonwiedergabe> ton_;
    Zaehlerlauf zaehlerlauf_;
    QTimer* timer_ = nullptr;
    Phase phase_ = Phase::Leerlauf;
    double phaseSeit_ = 0;     // clock reading when the slot or reveal began
    bool ersteFrage_ = false;  // the first question of a game carries no block
    double offenSeit_ = 0;     // clock reading when the question was revealed
    double niveauVorher_ = 0;  // the level when the question was revealed
};

}  // namespace quiz
