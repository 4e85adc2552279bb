#pragma once
// The age window: asks the player's age before a game and turns it into the
// starting level. The program context loads it once and only hides it between
// games, so the last age entered stays stored for the next game and for the
// difficulty names.
#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class Kontext;

class frmAlter : public QDialog {
    Q_OBJECT
public:
    explicit frmAlter(Kontext& kontext);
    ~frmAlter() override;
    void Form_Load();

    // Shows the window modally over the main window. Returns false when the
    // player left with "Ende" (Tag "EXIT"), true after "Start".
    bool Abfragen();

    // Starting level from the stored age; an age outside 5 to 70 counts as 13.
    int AlterLevel();
    // The stored age (0 until a game was started).
    int Alter() const { return alter_; }
    void setAlter(int alter) { alter_ = alter; }
    // "EXIT" after "Ende", empty otherwise.
    QString Tag;

    void Start_Click();
    void cmdEnde_Click();
    // Escape and the window's close button count as "Ende".
    void reject() override;

private:
    Kontext& kontext_;
    int alter_ = 0;
    QLabel* bild_ = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* txtAlter = nullptr;
    QPushButton* Start = nullptr;
    QPushButton* cmdEnde = nullptr;
};
