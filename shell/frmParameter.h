#pragma once
// The settings window ("Einstellungen"): the station's network folder, its
// participant number, the teacher's station and the main window's design.
// The network logic lives in network/Netzwerk.h; this window only shows it.
#include <QWidget>
#include <string>

class Kontext;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

class frmParameter : public QWidget {
    Q_OBJECT
public:
    explicit frmParameter(Kontext& kontext);
    ~frmParameter() override;

    // Fills the main window's entry that opens the window (modeless, mode 4).
    static void Anbinden(Kontext& kontext);
    static frmParameter* offen();

    void NetzWerkFestlegen_Click();
    void IstMaster_Click();
    void Ok_Click();
    void cancel_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void scrSlaveNumber_Change();
    void SlaveNumber_Change();
    void haekchen(bool an);
    void entladen();

    Kontext& kontext_;
    // The folder shown, whose "Master.Ini" the window works on (program text).
    std::string netzPfad_;
    QLabel* lblNetzWerkPfad = nullptr;
    QPushButton* NetzWerkFestlegen = nullptr;
    QLineEdit* SlaveNumber = nullptr;
    QScrollBar* scrSlaveNumber = nullptr;
    QCheckBox* IstMaster = nullptr;
    QCheckBox* Design = nullptr;
    QCheckBox* WindowsWaechter = nullptr;
    QCheckBox* Vorlesen = nullptr;
    bool vorlesenGeladen_ = false;
};
