#pragma once
// The editor face of the quiz window: where a question is written, its media
// attached, checked, saved and tried out. It sits in the window's editor panel
// and is shown instead of the game; it talks to the question store and, for a
// test, hands the scratch question to the game.
#include <QLabel>
#include <QPlainTextEdit>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "questions/FragenEingabe.h"
#include "questions/Klickfeld.h"
#include "questions/Mci.h"
#include "questions/WordIndex.h"

class ApiClass;
class QComboBox;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTimer;

namespace fragen {
class QuestionPool;
}

// A text box of the editor. Line breaks and tabs typed or pasted become blanks,
// more than 254 characters are refused, and the Insert key asks for a symbol.
class Textfeld : public QPlainTextEdit {
    Q_OBJECT
public:
    Textfeld(int zeilen, QWidget* parent);
    std::string wert() const;
    void setWert(const std::string& text);
signals:
    void symbolGewuenscht();
    void zuLang();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void begrenzen();
    bool begrenzt_ = false;
};

class FragenEditor : public QWidget {
    Q_OBJECT
public:
    // What the editor needs of the window around it.
    struct Anbindung {
        // Panel 2 of the main window's status bar.
        std::function<void(const std::string&)> status;
        // Hands the saved scratch question 999 to the game view.
        std::function<void()> testen;
        // Plays a sound of the media folder once.
        std::function<void(const std::string& name)> abspielen;
        // The symbol chooser: a font name and size, the chosen character
        // (empty when the chooser was closed without a choice).
        std::function<std::string(const std::string& font, int size)> sign;
        // Provides a media file of the data folder or the archives as a copy.
        std::function<bool(const std::string& name, const std::string& ziel)> fileOk;
    };

    FragenEditor(ApiClass& api, fragen::QuestionPool& pool, Anbindung an, QWidget* parent = nullptr);
    ~FragenEditor() override;

    // Opens the editor: fills the subject areas and starts a new question.
    void Erstellen();
    void neu_Click();
    void FreiNummer_Click();
    void Save_Click();
    // Checks and saves into the scratch slot, then hands over to the game.
    void testen_Click();
    // Loads the question whose number stands in the number box.
    void FrageInEditorLaden();
    void MusikbereichFuellen();
    // The media of the editor.
    void Bild_Click(int k);
    void InputAudio_Click();
    void Mikro_Click();
    void StopKnopf_Click();

    // True when the shown question may be left: nothing changed, or the user
    // agreed to drop the changes.
    bool VerlassenOk();
    // True when the window may close: nothing changed, or the user saved the
    // question or chose to drop it. Also asks while a test hides the editor.
    bool SchliessenOk();
    bool geaendert() const { return geaendert_; }
    // The record as the controls hold it.
    fragen::QuestionRecord eingabe() const;

private:
    void ControlsAnlegen();
    void HScroll2_Change(int wert);
    void NummerText_Enter();
    void Label6_Click(int i);
    void InputSchwer_Change(int wert);
    void VScroll1_Change(int wert);
    void Symbol(Textfeld* feld);
    void Markieren(const fragen::Pruefung& p);
    void EditorBildAnzeigen(int k);
    void BildLeeren(int k);
    void Aufnahmeanzeige();
    void status(const std::string& text);
    void bearbeitet();
    void setNummer(const std::string& text);
    void FünfAntwortenPlatzieren();
    std::string aufnahmeDatei() const;
    void resizeEvent(QResizeEvent* event) override;

    ApiClass& api_;
    fragen::QuestionPool& pool_;
    Anbindung an_;
    fragen::WortIndex index_;
    fragen::FragenAblage ablage_;
    fragen::Mci mci_;
    int Lösung = 1;
    bool laden_ = false;  // controls are being filled, no user edit
    bool geaendert_ = false;
    bool imScroll_ = false;
    int letzteStellung_ = 1;
    std::array<std::string, 2> bildTag_;

public:
    // Controls (object names are the control names).
    QLineEdit* NummerText = nullptr;
    QScrollBar* HScroll2 = nullptr;
    QPushButton* neu = nullptr;
    QPushButton* FreiNummer = nullptr;
    QPushButton* Save = nullptr;
    QPushButton* testen = nullptr;
    QLabel* Label1 = nullptr;
    Textfeld* FrageText = nullptr;
    std::array<Textfeld*, 6> InputAntwort{};
    std::array<Textfeld*, 6> InputErklärung{};
    std::array<QLabel*, 6> Label4{}, Label5{};
    std::array<Klickfeld*, 6> Label6{};
    QScrollBar* InputSchwer = nullptr;
    QLabel* Schwierigkeit = nullptr;
    QLabel* Label7 = nullptr;
    QComboBox* cmbMusikbereich = nullptr;
    Textfeld* InputMusical = nullptr;
    QWidget* FünfAntwortenRahmen = nullptr;
    QWidget* FünfAntworten = nullptr;
    QScrollBar* VScroll1 = nullptr;
    std::array<Klickfeld*, 2> InputBild{};
    Klickfeld* BildBox = nullptr;
    Klickfeld* AntwortBildBox = nullptr;
    QPushButton* InputAudio = nullptr;
    QLabel* AudioName = nullptr;
    QPushButton* Mikro = nullptr;
    QPushButton* StopKnopf = nullptr;
    QLabel* Aufnahme = nullptr;
    QTimer* Aufnahmetimer = nullptr;
};
