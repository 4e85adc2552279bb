#pragma once
// The quiz window: one window with two faces, the game view and the question
// editor. The game side lives in quiz/, the editor side (later) in questions/.
#include <QWidget>
#include <string>

class Musikquiz : public QWidget {
    Q_OBJECT
public:
    explicit Musikquiz(QWidget* parent = nullptr);
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
    // Plays a sound file once (nothing while the sound library is off).
    void PlaySound(const std::string& file);

    bool NurTeil = false;
    bool ZählerLäuft = false;
};
