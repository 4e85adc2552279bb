#pragma once
// The quiz window: one window with two faces, the game view and the question
// editor. It lays out the controls and hands input to the game (quiz::Spiel),
// which tells it what to show. The editor face (questions/FragenEditor) sits in
// the editor panel.
#include <QLabel>
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "questions/FragenEditor.h"
#include "questions/QuestionPool.h"
#include "quiz/Anzeige.h"
#include "quiz/Spiel.h"
#include "quiz/Vorleser.h"

class QScrollArea;
class QScrollBar;
class ApiClass;
class MusicalWaehler;

class Musikquiz : public QWidget {
    Q_OBJECT
public:
    // What the window talks to; the program context fills in the windows' part.
    // Left empty, the sound library, the steady clock, a clock-seeded random
    // source and the media lookup are used, the age counts as not given (13),
    // and there is no main window to tell.
    struct Anbindung {
        quiz::SoundSchnittstelle* sound = nullptr;
        quiz::Uhr* uhr = nullptr;
        quiz::Zufall* zufall = nullptr;
        // The starting level, or nothing when the player cancelled.
        std::function<std::optional<int>()> alterAbfragen;
        // The player's age level for the difficulty names.
        std::function<int()> alterLevel;
        std::function<void(int, bool)> toolButton;
        std::function<void(int)> topIst;
        std::function<void(int)> topWar;
        // The main window's loaded list, and emptying its file dialog's title.
        std::function<std::string()> geladeneListe;
        std::function<void()> dialogTitelLeeren;
        // Hides the start-up splash when the first game starts.
        std::function<void()> startBildVerbergen;
        // Panel 2 of the main window's status bar.
        std::function<void(const std::string&)> statusText;
        // Runs loading work that may wait until the main window is on the
        // screen; left empty, the work is done at once.
        std::function<void(std::function<void()>)> spaeter;
        // Finds a media file (folder or archives) and copies it to the target.
        std::function<bool(const std::string& name, const std::string& ziel)> fileOk;
        // The player's age (0 before the first game), for the automatic reading.
        std::function<int()> alter;
        // Whether reading aloud can be offered, and why not.
        std::function<void(quiz::Vorleser::Hindernis)> vorlesenKnopf;
    };

    explicit Musikquiz(QWidget* parent = nullptr);
    Musikquiz(QWidget* parent, Anbindung anbindung);
    ~Musikquiz() override;

    // Called once after the window was created (the window's load handling).
    void Form_Load();
    // Start-up's entry; does nothing.
    void init() {}

    // Commands of the main window.
    void Starten_Click();
    void Ende_Click();
    void testen_Click();
    void Frage_Click();
    void SoundRepeat_Click();
    void Erstellen_Click();
    void neu_Click();
    void Save_Click();
    // The "Vorlesen" button and the key L.
    void Vorlesen_Click();
    // The editor's test: shows question `nummer` (the scratch slot 999) in test
    // mode; the next input after it is settled goes back to the editor.
    void FrageTesten(std::int32_t nummer);
    // Plays a sound file once (nothing while the sound library is off).
    void PlaySound(const std::string& file);
    void StreamBreak();
    void xxStreamBreak() { StreamBreak(); }

    // Unloads the window for the main window, which has already made sure the
    // counter does not roll. Nothing of the game runs below the caller, so the
    // window may always be deleted at once (true).
    bool Unload();
    // Asks about an edited question that is not saved; false when the user
    // keeps the window.
    bool EditorSchliessenOk() { return editorSeite->SchliessenOk(); }

    // The pool: built anew with `Neu`, else the count of the last build.
    std::int32_t AnzahlFragen(bool Neu, bool Alle);

private:
    // The game; declared before the references into it below.
    quiz::Spiel* spiel_;

public:
    bool& NurTeil;
    bool& ZählerLäuft;

    quiz::Spiel& spiel() { return *spiel_; }
    quiz::Vorleser& vorleser() { return *vorleser_; }
    // State of the running game (read by the editor side and by tests).
    const quiz::Ziehung& ziehung() const { return spiel_->ziehung(); }
    quiz::Ziehung& ziehung() { return spiel_->ziehung(); }
    const quiz::OffeneFrage& offeneFrage() const { return spiel_->offeneFrage(); }
    const quiz::Ablauf& ablauf() const { return spiel_->ablauf(); }
    fragen::QuestionPool& pool() { return spiel_->pool(); }
    // Game input is ignored while a slot or a reveal runs.
    bool eingabeGesperrt() const { return spiel_->laeuftShow(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Set-up (Musikquiz.cpp)
    void ControlsAnlegen();
    void SpielVerbinden();
    void DesignBilderLaden();
    bool Form_QueryUnload(bool erzwingen = false);
    void Form_Unload();
    void Entladen();
    void Aktivierung(bool aktiv);
    // Tells the main window whether the game (1) or the editor (2) is on show.
    void ModusMelden();
    FragenEditor::Anbindung EditorAnbindung();

    // Presentation (MusikquizAnzeige.cpp)
    void FrageZeigen(const fragen::QuestionRecord& r, const std::string& bild);
    void UrteilZeigen(int k, const quiz::Urteil& u, const std::string& loesungsBild);
    void BildAnzeigen(const std::string& pfad);
    void BildPlatzieren();
    void FrageNeuPlatzieren();
    void TexteEinpassen(bool frageWeicht = false);
    void AntwortenZeigen();
    void AntwortenVerbergen();
    void LayoutAnpassen();
    void Antwort_Click(int index);
    void Press_Click(int index);
    void Bild_Click();
    void Rahmen_Click();
    void Image2_Click();
    void Form_KeyPress(int zeichen);

    // Counter (MusikquizZaehler.cpp)
    void ZählerBilderLaden();
    void ZählerDrehen(int bild, int ziffer);
    void ZählerStopp(std::int32_t n);
    void ZählerGroesse();
    void MassstabAnwenden();
    // A font size of the designed window, for the window's present size.
    int punkte(int entworfen) const;

    // Main window and media.
    void toolButton(int i, bool sichtbar);
    std::string daten() const;

    ApiClass& api_;
    Anbindung an_;
    quiz::Vorleser* vorleser_ = nullptr;
    bool debug_ = false;
    bool entladen_ = false;
    bool aktiv_ = false;     // reported on top to the main window
    double massstab_ = 1.0;  // growth of texts, buttons and counter in a large window

    // Controls (object names are the control names).
    Klickfeld* Image2 = nullptr;
    QLabel* imgRahmen = nullptr;
    Klickfeld* Rahmen = nullptr;
    Klickfeld* Frage = nullptr;
    Klickfeld* Bild = nullptr;
    QLabel* MusicalText = nullptr;
    QLabel* Answer = nullptr;
    // Carries `Answer`: scrolls only when an explanation does not fit the frame
    // even in the smallest font.
    QScrollArea* AnswerBereich = nullptr;
    std::array<Klickfeld*, 6> Antwort{};  // 1 .. 5
    std::array<Klickfeld*, 6> Press{};    // 1 .. 5
    QLabel* lblGrad = nullptr;
    QLabel* lblGebiet = nullptr;
    QLabel* zähler = nullptr;
    std::array<QLabel*, 2> counter{};
    std::array<QLabel*, 10> imgCounter{};
    QWidget* frmNeueFrage = nullptr;
    QLabel* Image3 = nullptr;
    QLabel* Start = nullptr;
    // The editor panel with the editor face of the window.
    QWidget* Editor = nullptr;
    FragenEditor* editorSeite = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QPointer<MusicalWaehler> wähler_;

public:
    FragenEditor* editor() { return editorSeite; }
};
