#pragma once
// "Klassenübersicht" on the teacher's station: how each station did on the
// chosen days, per subject area for the whole class, and the questions the
// class got wrong most often. The sums come from netz::Auswerten.
#include <QDialog>
#include <string>

#include "network/Ergebnisse.h"

class QDateEdit;
class QLabel;
class QPrinter;
class QTableWidget;
class Kontext;

class frmKlasse : public QDialog {
    Q_OBJECT
public:
    frmKlasse(Kontext& kontext, std::string netzPfad, QWidget* parent = nullptr);

    // Fills the main window's entries: the command and whether this station is
    // the teacher's.
    static void Anbinden(Kontext& kontext);

    void Aktualisieren();
    void Exportieren_Click();
    void Drucken(QPrinter& drucker) const;
    void Loeschen_Click();
    const netz::Uebersicht& uebersicht() const { return u_; }

private:
    QTableWidget* tabelle(const char* name, const QStringList& spalten);
    QString html() const;

    Kontext& kontext_;
    std::string netzPfad_;
    netz::Uebersicht u_;
    QDateEdit* von_ = nullptr;
    QDateEdit* bis_ = nullptr;
    QLabel* schlecht_ = nullptr;
    QTableWidget* stationen_ = nullptr;
    QTableWidget* bereiche_ = nullptr;
    QTableWidget* fragen_ = nullptr;
    class Balken* balken_ = nullptr;
};
