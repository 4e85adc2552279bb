#pragma once
// The age window: asks the player's age before a game and turns it into the
// starting level. It is loaded once and only hidden between games, so the last
// age entered stays stored for the next game and for the difficulty names.
//
// Use from the quiz window:
//     if (!frmAlter::Abfragen()) { /* player pressed "Ende": cancelled start */ }
//     int niveau = frmAlter::instance().AlterLevel();
//
// Tests replace the modal wait with a script that works the real controls:
//     frmAlter::setModalScript([](frmAlter& w) {
//         w.findChild<QLineEdit*>("txtAlter")->setText("9");
//         w.findChild<QPushButton*>("Start")->click();
//     });
#include <QDialog>
#include <QString>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

class frmAlter : public QDialog {
    Q_OBJECT
public:
    // The one age window, loaded on first use.
    static frmAlter& instance();
    static bool isLoaded();
    // Unloads it (program end); the stored age goes with it.
    static void unload();

    // Shows the window modally over the main window. Returns false when the
    // player left with "Ende" (Tag "EXIT"), true after "Start".
    static bool Abfragen();
    // Instead of waiting for a person, run this on the shown window (tests).
    static void setModalScript(std::function<void(frmAlter&)> script);

    // Starting level from the stored age; an age outside 5 to 70 counts as 13.
    int AlterLevel();
    // The stored age (0 until a game was started).
    int Alter() const { return alter_; }
    void setAlter(int alter) { alter_ = alter; }
    // "EXIT" after "Ende", empty otherwise.
    QString Tag;

    // Level for an age, without storing anything: 5 to 7 -> 2a, 8 to 19 -> 2a + 5,
    // 20 to 50 -> a + 30, 51 to 70 -> 180 - 2a; other ages count as 13.
    static int LevelFuerAlter(int alter);

    void Start_Click();
    void cmdEnde_Click();
    // Escape and the window's close button count as "Ende".
    void reject() override;

private:
    frmAlter();
    ~frmAlter() override;
    void Form_Load();

    int alter_ = 0;
    QLabel* bild_ = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* txtAlter = nullptr;
    QPushButton* Start = nullptr;
    QPushButton* cmdEnde = nullptr;
};
