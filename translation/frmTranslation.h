#pragma once
// The translation editor: for every entry of the language table it shows the
// language text, its context and the user's own text, which the user writes or
// corrects. Closing saves "Personal Translation.dat". Opened through
// Translation_Class::ShowMeModal / ShowAllModal.
#include <QDialog>
#include <array>
#include <functional>
#include <optional>

#include "translation/Uebersetzungseditor.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class Translation_Class;

class frmTranslation : public QDialog {
    Q_OBJECT
public:
    // `entwicklung`: with the source conversion at the bottom.
    frmTranslation(Translation_Class& t, bool entwicklung);
    ~frmTranslation() override;

    // Keeps the typed text and saves the personal table once; the window calls it
    // when it closes, ShowMeModal after the window came back in any way.
    void Schliessen();

    // The font choice; tests replace it. nullopt when the user cancels.
    static std::function<std::optional<QString>(const QString& aktuell)> schriftWahl;
    // Today's date as written into the file header (tests fix it).
    static std::function<QString()> heute;

    void done(int r) override;

private:
    void Zeige(int k, int richtung);
    void Merken();
    void Springen(int k);
    void zeiger_Nr_Enter();
    void bereich_Click(int i);
    void SucheFehlende_Click();
    void fontsuche_Click();
    void altwandel_Click();
    void ZeigeSchrift();

    Translation_Class& t_;
    Uebersetzungseditor editor_;
    std::int32_t gezeigteId_ = 0;
    QString geladenerText_;
    bool gespeichert_ = false;

    QScrollBar* VScroll1 = nullptr;
    QPlainTextEdit* orgi_text = nullptr;
    QPlainTextEdit* neu_text = nullptr;
    QPlainTextEdit* mutterfeld = nullptr;
    QLineEdit* zeiger_Nr = nullptr;
    std::array<QRadioButton*, 7> bereich{};
    QPushButton* SucheFehlende = nullptr;
    QCheckBox* UseNumbers = nullptr;
    QLineEdit* sprache = nullptr;
    QLabel* font_text = nullptr;
    QPushButton* fontsuche = nullptr;
    QLabel* prozent = nullptr;
    QLineEdit* PGCode = nullptr;
    QLineEdit* modul = nullptr;
    QPushButton* altwandel = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* exit = nullptr;
};
