#pragma once
// The author window: start-up splash with a progress bar while the program
// starts, and the information window of the "Autor" command afterwards.
#include <QDialog>
#include <optional>

class QFrame;
class QLabel;
class QTimer;
class Kontext;

class frmAutor : public QDialog {
    Q_OBJECT
public:
    explicit frmAutor(Kontext& kontext);
    ~frmAutor() override;
    void Form_Load();
    void TexteSetzen();

    static QSize Groesse();
    // Start-up splash: shown modeless, without owner.
    static void ZeigenModeless(Kontext& kontext);
    // The "Autor" command: shown modally.
    static void ZeigenModal(Kontext& kontext);

    void progresstimer_Timer();
    // Clicking the picture or the name lines closes the window.
    void Image1_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Kontext& kontext_;

    QLabel* Image1 = nullptr;
    QTimer* progresstimer = nullptr;
    QFrame* Progress = nullptr;
    QFrame* Shape1 = nullptr;
    QLabel* Datenwerden = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    std::optional<double> ersterTick_;  // seconds since midnight
};
