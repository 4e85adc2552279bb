#include "shell/frmParameter.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "network/Netzwerk.h"
#include "quiz/Vorleser.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/Dialogs.h"
#include "services/MelvatoBasic.h"
#include "services/WindowOps.h"
#include "shell/Kontext.h"
#include "shell/MDI.h"
#include "shell/Texte.h"
#include "shell/frmAlter.h"
#include "shell/kurzbox.h"

using namespace cp1252::literals;

namespace {
QPointer<frmParameter> g_fenster;

ApiClass& api() {
    return MelvatoBasic::Api();
}

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}
}  // namespace

frmParameter::frmParameter(Kontext& kontext) : kontext_(kontext) {
    setObjectName(QStringLiteral("frmParameter"));
    setWindowTitle(texte::TextNr(20017, QStringLiteral("Einstellungen")));
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* NetzwerkFeatures = new QGroupBox(texte::TextNr(33190, u("Netzwerk")), this);
    NetzwerkFeatures->setObjectName(QStringLiteral("NetzwerkFeatures"));
    auto* lblNetzPfad = new QLabel(u("Server-Pfad:"), NetzwerkFeatures);
    lblNetzPfad->setObjectName(QStringLiteral("lblNetzPfad"));
    lblNetzWerkPfad = new QLabel(NetzwerkFeatures);
    lblNetzWerkPfad->setObjectName(QStringLiteral("lblNetzWerkPfad"));
    lblNetzWerkPfad->setFrameShape(QFrame::StyledPanel);
    lblNetzWerkPfad->setMinimumWidth(winops::pixel(4500));
    lblNetzWerkPfad->setTextInteractionFlags(Qt::TextSelectableByMouse);
    NetzWerkFestlegen = new QPushButton(u("…"), NetzwerkFeatures);
    NetzWerkFestlegen->setObjectName(QStringLiteral("NetzWerkFestlegen"));
    NetzWerkFestlegen->setToolTip(texte::TextNr(83110, u("Netzwerk-Ordner wählen")));
    auto* lblSlaveNumber = new QLabel(u("Client-No:"), NetzwerkFeatures);
    lblSlaveNumber->setObjectName(QStringLiteral("lblSlaveNumber"));
    SlaveNumber = new QLineEdit(NetzwerkFeatures);
    SlaveNumber->setObjectName(QStringLiteral("SlaveNumber"));
    SlaveNumber->setMaximumWidth(winops::pixel(700));
    scrSlaveNumber = new QScrollBar(Qt::Horizontal, NetzwerkFeatures);
    scrSlaveNumber->setObjectName(QStringLiteral("scrSlaveNumber"));
    scrSlaveNumber->setRange(0, netz::kHoechsteNr);
    IstMaster = new QCheckBox(u("hier Lehrer-Arbeitsplatz"), NetzwerkFeatures);
    IstMaster->setObjectName(QStringLiteral("IstMaster"));

    auto* netzLayout = new QGridLayout(NetzwerkFeatures);
    netzLayout->addWidget(lblNetzPfad, 0, 0);
    netzLayout->addWidget(lblNetzWerkPfad, 0, 1, 1, 2);
    netzLayout->addWidget(NetzWerkFestlegen, 0, 3);
    netzLayout->addWidget(lblSlaveNumber, 1, 0);
    netzLayout->addWidget(SlaveNumber, 1, 1);
    netzLayout->addWidget(scrSlaveNumber, 1, 2, 1, 2);
    netzLayout->addWidget(IstMaster, 2, 1, 1, 3);
    netzLayout->setColumnStretch(2, 1);

    Design = new QCheckBox(u("Design: Modern"), this);
    Design->setObjectName(QStringLiteral("Design"));
    WindowsWaechter = new QCheckBox(u("Windows-Wächter"), this);
    WindowsWaechter->setObjectName(u("WindowsWächter"));
    Vorlesen = new QCheckBox(u("Fragen automatisch vorlesen"), this);
    Vorlesen->setObjectName(QStringLiteral("Vorlesen"));
    auto* Ok = new QPushButton(u("OK"), this);
    Ok->setObjectName(QStringLiteral("Ok"));
    Ok->setDefault(true);
    auto* cancel = new QPushButton(u("Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("cancel"));

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(Ok);
    knoepfe->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(NetzwerkFeatures);
    layout->addWidget(Design);
    layout->addWidget(WindowsWaechter);
    layout->addWidget(Vorlesen);
    layout->addStretch(1);
    layout->addLayout(knoepfe);

    connect(NetzWerkFestlegen, &QPushButton::clicked, this, &frmParameter::NetzWerkFestlegen_Click);
    // Only the user's click registers or gives up the role; the window's own
    // ticking (after a number change) must not write "Master.Ini".
    connect(IstMaster, &QCheckBox::clicked, this, &frmParameter::IstMaster_Click);
    connect(scrSlaveNumber, &QScrollBar::valueChanged, this, &frmParameter::scrSlaveNumber_Change);
    connect(SlaveNumber, &QLineEdit::textEdited, this, &frmParameter::SlaveNumber_Change);
    connect(Ok, &QPushButton::clicked, this, &frmParameter::Ok_Click);
    connect(cancel, &QPushButton::clicked, this, &frmParameter::cancel_Click);

    const std::pair<QWidget*, long> texte[] = {
        {lblNetzPfad, 30220}, {IstMaster, 30221}, {lblSlaveNumber, 30222}, {cancel, 10028},
        {Ok, 30005},          {Vorlesen, 33743},  {Design, 33192},         {WindowsWaechter, 33193}};
    for (auto [w, nr] : texte) {
        if (auto* l = qobject_cast<QLabel*>(w))
            l->setText(texte::TextNr(nr, l->text()));
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            b->setText(texte::TextNr(nr, b->text()));
    }
}

frmParameter::~frmParameter() = default;

frmParameter* frmParameter::offen() {
    return g_fenster.data();
}

void frmParameter::Form_Load() {
    if (kontext_.mdi()) kontext_.mdi()->TopIst(4);
    netzPfad_ = api().IniLesen("", "Netzwerk", "NetzwerkPfad");
    lblNetzWerkPfad->setText(texte::ui(netzPfad_));
    int nr = api().IniLesenVal("", "Netzwerk", "TeilnehmerNr");
    {
        QSignalBlocker still(scrSlaveNumber);
        scrSlaveNumber->setValue(nr);  // a hand-edited number outside the range is clamped
    }
    scrSlaveNumber_Change();
    Design->setChecked(api().IniLesenVal("", "ProfilParameter", "MacColor") == 1);
    WindowsWaechter->setChecked(api().IniLesenVal("", "ProfilParameter",
                                                  "W\xE4"
                                                  "chter") == -1);
    vorlesenGeladen_ =
        quiz::AutomatischVorlesen(api(), kontext_.alterGeladen() ? kontext_.alter().Alter() : 0);
    Vorlesen->setChecked(vorlesenGeladen_);
}

void frmParameter::haekchen(bool an) {
    QSignalBlocker still(IstMaster);
    IstMaster->setChecked(an);
}

void frmParameter::scrSlaveNumber_Change() {
    const int nr = scrSlaveNumber->value();
    if (SlaveNumber->text() != QString::number(nr)) SlaveNumber->setText(QString::number(nr));
    // Number 0 stands for "no master", so it never shows as the teacher's.
    haekchen(nr != 0 && !netzPfad_.empty() && netz::MasterLesen(api().profiles(), netzPfad_) == nr);
}

void frmParameter::SlaveNumber_Change() {
    const QString text = SlaveNumber->text();
    if (text.trimmed().isEmpty()) return;  // still typing
    std::optional<int> nr = netz::TeilnehmerNr(texte::ansi(text));
    if (!nr) {
        dlg::dialogs().MsgBox(
            texte::Text(53190, "Die Teilnehmer-Nummer ist eine Zahl von 0 bis 99 (0: keine)."),
            dlg::Exclamation);
        SlaveNumber->setText(QString::number(scrSlaveNumber->value()));
        return;
    }
    scrSlaveNumber->setValue(*nr);
}

void frmParameter::IstMaster_Click() {
    const int nr = scrSlaveNumber->value();
    const std::string ordner = netzPfad_;
    // The tick goes back to what "Master.Ini" still says.
    auto nichtGeschrieben = [this](bool haken) {
        haekchen(haken);
        dlg::dialogs().MsgBox(
            "\"Master.Ini\" " + texte::Text(53194, "im Netzwerk-Ordner konnte nicht geschrieben werden."),
            dlg::Exclamation);
    };
    if (!IstMaster->isChecked()) {
        if (!ordner.empty() && !netz::MasterAbgeben(api().profiles(), ordner, nr)) nichtGeschrieben(true);
        return;
    }
    if (ordner.empty()) {
        haekchen(false);
        dlg::dialogs().MsgBox(texte::Text(53191, "Bitte zuerst den Netzwerk-Ordner festlegen."),
                              dlg::Information);
        return;
    }
    switch (netz::MasterWerden(api().profiles(), ordner, nr)) {
        case netz::Tick::Master:
            return;
        case netz::Tick::AndererMaster:
            haekchen(false);  // one teacher's station only
            return;
        case netz::Tick::OhneNummer:
            haekchen(false);
            dlg::dialogs().MsgBox(
                texte::Text(53192, "Bitte zuerst eine Teilnehmer-Nummer von 1 bis 99 wählen."_ansi),
                dlg::Information);
            return;
        case netz::Tick::NichtGeschrieben:
            nichtGeschrieben(false);
            return;
    }
}

void frmParameter::NetzWerkFestlegen_Click() {
    dlg::FileRequest anfrage;
    anfrage.title = texte::ansi(texte::TextNr(30220, QStringLiteral("Server-Pfad:")));
    anfrage.folder = netzPfad_.empty() ? api().winDir() + "dektop" : netzPfad_;
    const std::string gewaehlt = dlg::dialogs().FolderOpen(anfrage);
    if (gewaehlt.empty()) return;

    netz::KopieBegleitung begleitung;
    begleitung.vorKopie = [this](const std::string& ordner) {
        kurzbox::Start(kontext_, "Netzwerk-Verzeichnis wird angelegt....", ordner + "/...", 0, 0);
    };
    begleitung.nachKopie = [this] { kurzbox::CloseNow(kontext_); };
    begleitung.yield = [] { QCoreApplication::processEvents(); };
    netz::Einrichtung e = netz::OrdnerEinrichten(gewaehlt, api().AppPfad(), begleitung);
    if (e.art == netz::Einrichtung::Abgelehnt || e.art == netz::Einrichtung::Fehler) {
        // The folder shown stays the one that works.
        dlg::dialogs().MsgBox(e.meldung, dlg::Exclamation);
        return;
    }
    api().protokoll((e.art == netz::Einrichtung::Angelegt ? "Netzwerk-Ordner angelegt: "
                                                          : "Netzwerk-Ordner gew\xE4hlt: ") +
                        e.pfad,
                    0);
    netzPfad_ = e.pfad;
    lblNetzWerkPfad->setText(texte::ui(netzPfad_));
    scrSlaveNumber_Change();  // the new folder may name another master
}

void frmParameter::Ok_Click() {
    const std::string nr = std::to_string(scrSlaveNumber->value());
    bool ok = api().IniSchreiben("", "Netzwerk", "NetzwerkPfad", netzPfad_);
    ok = api().IniSchreiben("", "Netzwerk", "TeilnehmerNr", nr) && ok;
    MelvatoBasic::NetzPfad = netzPfad_;
    // Without a network folder the lists stay in the station's own folder.
    MelvatoBasic::SpielePfad = netzPfad_.empty() ? api().AppPfad() + "Spiele/" : netzPfad_ + "Spiele/";
    ok = api().IniSchreiben("", "ProfilParameter", "MacColor", Design->isChecked() ? "1" : "0") && ok;
    ok = api().IniSchreiben("", "ProfilParameter",
                            "W\xE4"
                            "chter",
                            WindowsWaechter->isChecked() ? "-1" : "0") &&
         ok;
    // Stored only when chosen: untouched, it keeps following the player's age.
    if (Vorlesen->isChecked() != vorlesenGeladen_)
        ok = quiz::AutomatischVorlesenSetzen(api(), Vorlesen->isChecked()) && ok;
    if (!ok)
        dlg::dialogs().MsgBox(texte::Text(53193, "Die Einstellungen konnten nicht gespeichert werden:") +
                                  "\r\n" + api().IniDateiName(""),
                              dlg::Exclamation);
    MDI* mdi = kontext_.mdi();
    entladen();
    if (mdi) mdi->ChangeDesign();
}

void frmParameter::cancel_Click() {
    entladen();
}

void frmParameter::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    // Closed by its frame: the frame is still busy with the close, so unload afterwards.
    QMetaObject::invokeMethod(this, &frmParameter::entladen, Qt::QueuedConnection);
}

void frmParameter::entladen() {
    if (g_fenster != this) return;
    g_fenster = nullptr;
    if (MDI* mdi = kontext_.mdi()) {
        mdi->TopWar(4);
        mdi->removeChild(this);
    }
    hide();
    deleteLater();
}

void frmParameter::Anbinden(Kontext& kontext) {
    kontext.anbindung.ParameterZeigen = [&kontext] {
        if (!g_fenster) {
            g_fenster = new frmParameter(kontext);
            g_fenster->resize(winops::pixel(7600), winops::pixel(3600));
            if (MDI* mdi = kontext.mdi()) {
                mdi->addChild(g_fenster);
                QPointer<frmParameter> f = g_fenster.data();
                QObject::connect(mdi->area(), &QMdiArea::subWindowActivated, f,
                                 [&kontext, f](QMdiSubWindow* sub) {
                                     MDI* m = kontext.mdi();
                                     if (!f || !m) return;
                                     if (sub && sub->widget() == f)
                                         m->TopIst(4);
                                     else
                                         m->TopWar(4);
                                 });
            }
            g_fenster->show();
            g_fenster->Form_Load();
        }
        g_fenster->show();
        g_fenster->activateWindow();
        if (kontext.mdi()) kontext.mdi()->TopIst(4);
    };
}
