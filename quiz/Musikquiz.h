#pragma once
// The quiz window: one window with two faces, the game view and the question
// editor. The game side lives in quiz/ (load and pool, presentation, counter,
// judging, sound), the editor side (later) in questions/.
#include <QLabel>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "questions/QuestionPool.h"
#include "quiz/Anzeige.h"
#include "quiz/Bewertung.h"
#include "quiz/Spielzeit.h"
#include "quiz/Ton.h"
#include "quiz/Ziehung.h"

class QScrollArea;
class QScrollBar;
class QTimer;
class ApiClass;

// A picture or label that reports clicks (the window's images and labels are
// all clickable).
class Klickfeld : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void geklickt();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

class Musikquiz : public QWidget {
    Q_OBJECT
public:
    // What the window talks to. Left empty, the program's own parts are used:
    // the sound library, the steady clock, a clock-seeded random source, the age
    // window, the main window and the media lookup.
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
        // Finds a media file (folder or archives) and copies it to the target.
        std::function<bool(const std::string& name, const std::string& ziel)> fileOk;
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
    // The editor's test: shows question `nummer` (the scratch slot 999) in test
    // mode; the next input after it is settled goes back to the editor.
    void FrageTesten(std::int32_t nummer);
    // Plays a sound file once (nothing while the sound library is off).
    void PlaySound(const std::string& file);
    void StreamBreak();
    void xxStreamBreak() { StreamBreak(); }

    // Unloads the window for the main window, which has already made sure the
    // counter does not roll. True when it may be deleted at once; false while a
    // game loop of the window still runs below the caller (it ends on its own
    // and the window is deleted later).
    bool Unload();

    // The pool: built anew with `Neu`, else the count of the last build.
    std::int32_t AnzahlFragen(bool Neu, bool Alle);

    bool& NurTeil;
    bool& ZählerLäuft;

    // State of the running game (read by the editor side and by tests).
    const quiz::Ziehung& ziehung() const { return ziehung_; }
    quiz::Ziehung& ziehung() { return ziehung_; }
    const quiz::OffeneFrage& offeneFrage() const { return frage_; }
    const quiz::Ablauf& ablauf() const { return ablauf_; }
    fragen::QuestionPool& pool() { return pool_; }
    // Game input is ignored while a slot or a reveal runs.
    bool eingabeGesperrt() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Set-up and pool (Musikquiz.cpp, MusikquizSpiel.cpp)
    void ControlsAnlegen();
    void DesignBilderLaden();
    void NächsteFrage(bool EditorTest);
    void Weiter();
    void KeineFragenMelden();
    bool Form_QueryUnload(bool erzwingen = false);
    void Form_Unload();
    void Entladen();
    void Aktivierung(bool aktiv);

    // Presentation (MusikquizAnzeige.cpp)
    void FrageAnzeigen();
    void BildAnzeigen(const std::string& datei, bool frage);
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
    bool warten(double grenze, const std::function<bool()>& fertig);

    // Counter and timer (MusikquizZaehler.cpp)
    void ZählerBilderLaden();
    void ZählerDrehen();
    void ZählerStopp(std::int32_t n);
    void Soundtimer_Timer();

    // Judging (MusikquizAuswertung.cpp)
    void AntwortAuswerten(int k);
    void FeedbackSpielen(bool ja);

    // Sound (MusikquizTon.cpp)
    void SoundAbspielen(const std::string& name);

    // Main window and media.
    void toolButton(int i, bool sichtbar);
    bool fileOk(const std::string& name, const std::string& ziel);
    std::string daten() const;

    ApiClass& api_;
    Anbindung an_;
    std::unique_ptr<quiz::SoundSchnittstelle> eigenerSound_;
    std::unique_ptr<quiz::Uhr> eigeneUhr_;
    std::unique_ptr<quiz::Zufall> eigenerZufall_;
    fragen::QuestionPool pool_;
    quiz::Ablauf ablauf_;
    quiz::Ziehung ziehung_;
    quiz::OffeneFrage frage_;
    std::unique_ptr<quiz::Tonwiedergabe> ton_;
    quiz::Zaehlerlauf zaehlerlauf_;
    bool debug_ = false;
    bool inZiehung_ = false;
    std::int32_t testNummer_ = 0;  // question handed over by the editor's test
    bool entladen_ = false;
    bool aktiv_ = false;  // reported on top to the main window

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
    QTimer* Soundtimer = nullptr;
    // The editor panel; filled in by the editor side.
    QWidget* Editor = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QScrollBar* HScroll2 = nullptr;
};
