#include "exchange/Pack.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "questions/QuestionPool.h"
#include "questions/QuestionRecord.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/Dialogs.h"
#include "services/FileSys.h"
#include "services/WindowOps.h"
#include "translation/Texte.h"

using namespace cp1252::literals;

namespace {
QString ui(const std::string& ansi) {
    return cp1252::toUnicode(ansi);
}

template <class W>
W* benannt(W* w, const char* name) {
    w->setObjectName(QString::fromUtf8(name));
    return w;
}
}  // namespace

Pack::Pack(ApiClass& api, paket::ModalAnzeige modal, QWidget* parent)
    : QDialog(parent), api_(api), modal_(std::move(modal)) {
    setObjectName(QStringLiteral("Pack"));
    setWindowTitle(texte::TextNr(23010, QStringLiteral("Fragen verpacken")));
    auto* layout = new QVBoxLayout(this);

    auto* bereich = new QGroupBox(texte::TextNr(33130, QStringLiteral("Welche eigenen Fragen?")), this);
    auto* raster = new QGridLayout(bereich);
    von = benannt(new QScrollBar(Qt::Horizontal, bereich), "von");
    bis = benannt(new QScrollBar(Qt::Horizontal, bereich), "bis");
    txtvon = benannt(new QLabel(bereich), "txtvon");
    txtbis = benannt(new QLabel(bereich), "txtbis");
    for (QLabel* l : {txtvon, txtbis}) l->setMinimumWidth(60);
    // One step per question, so the handle shows the position and not a page.
    for (QScrollBar* b : {von, bis}) b->setPageStep(1);
    raster->addWidget(new QLabel(texte::TextNr(33131, QStringLiteral("von Frage")), bereich), 0, 0);
    raster->addWidget(von, 0, 1);
    raster->addWidget(txtvon, 0, 2);
    raster->addWidget(new QLabel(texte::TextNr(33136, QStringLiteral("bis Frage")), bereich), 1, 0);
    raster->addWidget(bis, 1, 1);
    raster->addWidget(txtbis, 1, 2);
    raster->setColumnStretch(1, 1);
    ohneAlte = benannt(new QCheckBox(texte::TextNr(33133, QStringLiteral("ohne alte Dateien")), bereich),
                       "ohneAlte");
    AuchVarulak = benannt(
        new QCheckBox(texte::TextNr(33134, QStringLiteral("auch Varulak-Dateien")), bereich), "AuchVarulak");
    raster->addWidget(ohneAlte, 2, 0, 1, 3);
    raster->addWidget(AuchVarulak, 3, 0, 1, 3);
    layout->addWidget(bereich);

    auto* knoepfe = new QHBoxLayout;
    testen = benannt(new QPushButton(texte::TextNr(13150, QStringLiteral("testen")), this), "testen");
    jetzPacken =
        benannt(new QPushButton(texte::TextNr(13151, QStringLiteral("jetzt packen")), this), "jetzPacken");
    Speichern = benannt(new QPushButton(texte::TextNr(13152, QStringLiteral("Als Datei speichern…")), this),
                        "Speichern");
    Einlesen =
        benannt(new QPushButton(texte::TextNr(13130, QStringLiteral("Paket einlesen…")), this), "Einlesen");
    oeffnen = benannt(new QPushButton(QStringLiteral(">>"), this), "öffnen");
    oeffnen->setMaximumWidth(40);
    for (QPushButton* b : {testen, jetzPacken, Speichern, Einlesen, oeffnen}) knoepfe->addWidget(b);
    layout->addLayout(knoepfe);

    Groesse = benannt(new QPlainTextEdit(this), "Größe");
    Groesse->setReadOnly(true);
    Groesse->setMinimumHeight(170);
    lblGroesste = benannt(new QLabel(this), "lblGrößte");
    layout->addWidget(Groesse);
    layout->addWidget(lblGroesste);

    details_ = new QWidget(this);
    auto* spalten = new QHBoxLayout(details_);
    spalten->setContentsMargins(0, 0, 0, 0);
    lstBestand = benannt(new QListWidget(details_), "lstBestand");
    NeuBestand = benannt(new QListWidget(details_), "NeuBestand");
    AltBestand = benannt(new QListWidget(details_), "AltBestand");
    const std::pair<QListWidget*, const char*> spaltenKoepfe[] = {
        {lstBestand, "Dateien im Paket"}, {NeuBestand, "Namen"}, {AltBestand, "schon von früheren Fragen"}};
    for (const auto& [liste, kopf] : spaltenKoepfe) {
        auto* spalte = new QVBoxLayout;
        spalte->addWidget(new QLabel(QString::fromUtf8(kopf), details_));
        spalte->addWidget(liste);
        spalten->addLayout(spalte);
    }
    details_->setVisible(false);
    layout->addWidget(details_, 1);

    connect(von, &QScrollBar::valueChanged, this, &Pack::Aenderung);
    connect(bis, &QScrollBar::valueChanged, this, &Pack::Aenderung);
    connect(testen, &QPushButton::clicked, this, &Pack::testen_Click);
    connect(jetzPacken, &QPushButton::clicked, this, &Pack::jetzPacken_Click);
    connect(oeffnen, &QPushButton::clicked, this, &Pack::öffnen_Click);
    connect(Speichern, &QPushButton::clicked, this, &Pack::Speichern_Click);
    connect(Einlesen, &QPushButton::clicked, this, &Pack::Einlesen_Click);
    Form_Load();
}

Pack::~Pack() = default;

void Pack::Form_Load() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    resize(560, 420);
    winops::CenterScreen(this);
    packer_ = std::make_unique<paket::Packer>(api_, std::vector<std::int32_t>{});
    packer_->PackordnerLeeren();
    AuchVarulak->setVisible(fragen::MacherModus(api_));
    Speichern->setEnabled(false);
    ListeLaden();
    QApplication::restoreOverrideCursor();
}

void Pack::ListeLaden() {
    fragen::QuestionPool::Table tabelle{};
    fragen::QuestionPool pool(api_, tabelle);
    const std::int32_t anzahl = pool.AnzahlFragen(true, true);
    packer_ = std::make_unique<paket::Packer>(
        api_, std::vector<std::int32_t>(tabelle.begin() + 1, tabelle.begin() + 1 + anzahl));
    const std::int32_t maximum = packer_->Maximum(fragen::MacherModus(api_));
    const bool da = maximum > 0;
    for (QWidget* w : std::initializer_list<QWidget*>{von, bis, testen, jetzPacken}) w->setEnabled(da);
    von->setRange(1, std::max(1, maximum));
    bis->setRange(1, std::max(1, maximum));
    if (da) {
        bis->setValue(maximum);
        Aenderung();
    } else {
        txtvon->clear();
        txtbis->clear();
        ohneAlte->setEnabled(false);
    }
}

void Pack::Aenderung() {
    if (von->value() > bis->value()) bis->setValue(von->value());
    txtvon->setText(QString::number(packer_->Nummer(von->value())));
    txtbis->setText(QString::number(packer_->Nummer(bis->value())));
    if (von->value() == 1) ohneAlte->setChecked(false);
    ohneAlte->setEnabled(von->value() != 1);
}

paket::Bereich Pack::bereich() const {
    return {von->value(), bis->value(), ohneAlte->isChecked(),
            AuchVarulak->isVisible() && AuchVarulak->isChecked()};
}

void Pack::anzeigen(const paket::Sammlung& s) {
    NeuBestand->clear();
    AltBestand->clear();
    lstBestand->clear();
    for (const paket::PackDatei& d : s.neuBestand) {
        auto* item = new QListWidgetItem(ui(d.name), NeuBestand);
        item->setData(Qt::UserRole, QVariant::fromValue<qulonglong>(d.groesse));
        lstBestand->addItem(ui(paket::DetailZeile(d)));
    }
    for (const std::string& name : s.altBestand) AltBestand->addItem(ui(name));
    Groesse->setPlainText(ui(s.Zusammenfassung()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    lblGroesste->setText(s.groesste ? texte::TextNr(33135, QStringLiteral("größte Datei:")) +
                                          QLatin1Char(' ') + ui(paket::DetailZeile(*s.groesste))
                                    : QString());
}

void Pack::testen_Click() {
    anzeigen(packer_->testen(bereich()));
}

void Pack::jetzPacken_Click() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    anzeigen(packer_->jetzPacken(bereich()));
    Speichern->setEnabled(true);
    QApplication::restoreOverrideCursor();
}

void Pack::öffnen_Click() {
    const bool auf = !details_->isVisible();
    details_->setVisible(auf);
    oeffnen->setText(auf ? QStringLiteral("<<") : QStringLiteral(">>"));
}

void Pack::Speichern_Click() {
    dlg::FileRequest anfrage;
    anfrage.title = texte::Text(13153, "Paket als Datei speichern");
    anfrage.filter = texte::Text(43120, "Melvato-Paket") + "|*.zip";
    anfrage.folder = api_.PreVerzeichnis("EIGENE DATEIEN");
    if (!fsys::folderExists(anfrage.folder))
        anfrage.folder = fsys::fromNative(QDir::homePath().toStdString());
    anfrage.fileName = "Melvato-Paket.zip";
    std::string datei = dlg::dialogs().FileSave(anfrage);
    if (datei.empty()) return;
    const std::string name = datei.substr(datei.find_last_of("/\\") + 1);
    if (name.find('.') == std::string::npos) datei += ".zip";
    std::string fehler;
    if (paket::PaketSpeichern(packer_->PackPfad(), datei, fehler))
        dlg::dialogs().MsgBox(texte::Text(53120, "Das Paket ist gespeichert:") + "\r\n" + datei,
                              dlg::Information, texte::Text(23011, "Paket speichern"));
    else
        dlg::dialogs().MsgBox(fehler, dlg::Exclamation, texte::Text(23011, "Paket speichern"));
}

void Pack::Einlesen_Click() {
    if (paket::PaketEinlesen(api_, this, modal_)) ListeLaden();
}
