#pragma once
// The package window: choose a range of own questions, see which media belong
// to them, pack them into "pack/", save the package as one file, or read a
// package of someone else.
#include <QDialog>
#include <memory>

#include "exchange/Paket.h"
#include "exchange/PaketEinlesen.h"

class ApiClass;
class QCheckBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QWidget;

class Pack : public QDialog {
    Q_OBJECT
public:
    // `modal` shows the window's own modal windows (the package choice).
    Pack(ApiClass& api, paket::ModalAnzeige modal, QWidget* parent = nullptr);
    ~Pack() override;

    void testen_Click();
    void jetzPacken_Click();
    void öffnen_Click();
    void Speichern_Click();
    void Einlesen_Click();

private:
    void Form_Load();
    // The question list and the range bars, from the questions as they are now.
    void ListeLaden();
    void Aenderung();
    paket::Bereich bereich() const;
    void anzeigen(const paket::Sammlung& s);

    ApiClass& api_;
    paket::ModalAnzeige modal_;
    std::unique_ptr<paket::Packer> packer_;

    QScrollBar* von = nullptr;
    QScrollBar* bis = nullptr;
    QLabel* txtvon = nullptr;
    QLabel* txtbis = nullptr;
    QCheckBox* ohneAlte = nullptr;
    QCheckBox* AuchVarulak = nullptr;
    QPushButton* testen = nullptr;
    QPushButton* jetzPacken = nullptr;
    QPushButton* oeffnen = nullptr;
    QPushButton* Speichern = nullptr;
    QPushButton* Einlesen = nullptr;
    QPlainTextEdit* Groesse = nullptr;
    QLabel* lblGroesste = nullptr;
    QWidget* details_ = nullptr;
    QListWidget* lstBestand = nullptr;
    QListWidget* NeuBestand = nullptr;
    QListWidget* AltBestand = nullptr;
};
