#include "shell/frmKonfig.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTreeView>
#include <QVBoxLayout>

#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/Dialogs.h"
#include "services/MelvatoBasic.h"
#include "services/WindowOps.h"
#include "shell/Kontext.h"
#include "shell/MDI.h"
#include "shell/Texte.h"

using namespace cp1252::literals;

namespace {
QPointer<frmKonfig> g_fenster;

ApiClass& api() {
    return MelvatoBasic::Api();
}

std::string ohneOrdner(const std::string& datei) {
    const size_t p = datei.find_last_of("\\/");
    return p == std::string::npos ? datei : datei.substr(p + 1);
}

std::string mitBlanks(const std::vector<std::string>& teile) {
    std::string s;
    for (const auto& t : teile) s += " " + t;
    return s;
}
}  // namespace

// ---- ZeilenModell ----

void ZeilenModell::setzen(std::vector<fragen::ListenZeile> zeilen) {
    beginResetModel();
    zeilen_ = std::move(zeilen);
    endResetModel();
}

int ZeilenModell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(zeilen_.size());
}

int ZeilenModell::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant ZeilenModell::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || size_t(index.row()) >= zeilen_.size()) return {};
    if (role == Qt::ToolTipRole) return tooltip;
    if (role != Qt::DisplayRole) return {};
    const auto& z = zeilen_[size_t(index.row())];
    switch (index.column()) {
        case 0:
            return QString::fromLatin1(fragen::DreiStellig(z.nummer));
        case 1:
            return texte::ui(z.antwort);
        default:
            return texte::ui(z.frage);
    }
}

QVariant ZeilenModell::headerData(int section, Qt::Orientation o, int role) const {
    if (o != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const kopf[] = {"Nr", "Antwort", "Frage"};
    return section >= 0 && section < 3 ? QString::fromLatin1(kopf[section]) : QVariant();
}

// ---- frmKonfig ----

frmKonfig::frmKonfig(Kontext& kontext, int art)
    : QWidget(nullptr), kontext_(kontext), art_(art), bau_(api()) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto* layout = new QHBoxLayout(this);
    filter_ = new QWidget(this);
    auto* links = new QVBoxLayout(filter_);
    links->setContentsMargins(0, 0, 0, 0);
    auto feld = [&](long nummer, const std::string& text, QWidget* w) {
        links->addWidget(new QLabel(texte::ui(texte::Text(nummer, text)), filter_));
        links->addWidget(w);
    };
    themen_ = new QListWidget(filter_);
    themen_->setSelectionMode(QAbstractItemView::MultiSelection);
    schwierig_ = new QListWidget(filter_);
    schwierig_->setSelectionMode(QAbstractItemView::MultiSelection);
    schwierig_->setMaximumHeight(winops::pixel(2400));
    nummerWeg_ = new QLineEdit(filter_);
    dieseDoch_ = new QLineEdit(filter_);
    unWort_ = new QLineEdit(filter_);
    feld(33250, "Themen:", themen_);
    feld(33251, "Schwierigkeitsgrade:", schwierig_);
    feld(33252, "nie fragen:", nummerWeg_);
    feld(33253, "immer fragen:", dieseDoch_);
    feld(33254, "Un-Wörter:"_ansi, unWort_);
    nummerWeg_->setToolTip(
        texte::ui(texte::Text(83120, "Nummern mit Leerzeichen getrennt, Bereiche mit Bindestrich: 5 10-12")));
    dieseDoch_->setToolTip(nummerWeg_->toolTip());
    unWort_->setToolTip(texte::ui(texte::Text(83121, "Wörter mit Leerzeichen getrennt"_ansi)));
    filter_->setFixedWidth(winops::pixel(3200));
    layout->addWidget(filter_);

    fragenListe_ = new QTreeView(this);
    fragenListe_->setRootIsDecorated(false);
    fragenListe_->setUniformRowHeights(true);
    fragenListe_->setModel(&modell_);
    layout->addWidget(fragenListe_, 1);

    bau_.yield = [] { QCoreApplication::processEvents(); };
    bau_.fertig = [this](const std::vector<fragen::ListenZeile>& z) {
        zeigen(z, texte::TextNr(43250, QStringLiteral("Diese%1 Fragen werden im Spiel vorkommen)"))
                      .arg(QString::fromStdString(vb::Str(static_cast<long long>(z.size())))));
    };
    connect(themen_, &QListWidget::itemSelectionChanged, this, [this] {
        auswahlUebernehmen();
        bau_.ListeAktualisieren();
    });
    connect(schwierig_, &QListWidget::itemSelectionChanged, this, [this] {
        auswahlUebernehmen();
        bau_.ListeAktualisieren();
    });
    connect(nummerWeg_, &QLineEdit::textChanged, this,
            [this](const QString& t) { bau_.NummerWeg(texte::ansi(t)); });
    connect(dieseDoch_, &QLineEdit::textChanged, this,
            [this](const QString& t) { bau_.DieseDoch(texte::ansi(t)); });
    connect(unWort_, &QLineEdit::textChanged, this,
            [this](const QString& t) { bau_.UnWort(texte::ansi(t)); });
}

frmKonfig::~frmKonfig() {
    if (g_fenster == this) g_fenster = nullptr;
}

frmKonfig* frmKonfig::offen() {
    return g_fenster.data();
}

std::string frmKonfig::geladeneListe() const {
    return kontext_.mdi() ? kontext_.mdi()->CmDialog1_FileName() : std::string();
}

void frmKonfig::Form_Load() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    if (art_ != 2) {
        bau_.SetztFelder = true;
        bau_.Laden();
        for (int g = 1; g <= 9; ++g) schwierig_->addItem(QString::number(g));
        for (const auto& t : bau_.themen) themen_->addItem(texte::ui(t.first));
        bau_.SetztFelder = false;
        kontrollenSetzen();
    }
    filter_->setVisible(art_ == 1);
    if (art_ == 1) {
        setWindowTitle(texte::TextNr(23040, QStringLiteral("Fragen-Liste neu erstellen")));
        bau_.ListeAktualisieren();
    } else if (art_ == 0) {
        QAction* teil = kontext_.mdi() ? kontext_.mdi()->Menueintrag("teilstart") : nullptr;
        setWindowTitle(texte::TextNr(23041, QStringLiteral("Fragen-Liste:")) + QLatin1Char(' ') +
                       (teil ? teil->text() : QString()));
        bau_.ListeAktualisieren();
        // Showing the loaded list is what this kind is for.
        ListeFüllen();
    } else {
        setWindowTitle(texte::TextNr(23042, QStringLiteral("Stichwortsuche")));
    }
    QGuiApplication::restoreOverrideCursor();
}

// The controls show the filters of the build (after a reset or a loaded list).
void frmKonfig::kontrollenSetzen() {
    const bool vorher = bau_.SetztFelder;
    bau_.SetztFelder = true;
    {
        const QSignalBlocker a(schwierig_), b(themen_), c(nummerWeg_), d(dieseDoch_), e(unWort_);
        for (int g = 0; g < schwierig_->count(); ++g) schwierig_->item(g)->setSelected(bau_.grade[size_t(g)]);
        for (int i = 0; i < themen_->count(); ++i)
            themen_->item(i)->setSelected(bau_.themen[size_t(i)].second);
        nummerWeg_->setText(texte::ui(bau_.NummerWeg()));
        dieseDoch_->setText(texte::ui(bau_.DieseDoch()));
        unWort_->setText(texte::ui(bau_.UnWort()));
    }
    bau_.SetztFelder = vorher;
}

void frmKonfig::auswahlUebernehmen() {
    for (int g = 0; g < schwierig_->count() && g < 9; ++g)
        bau_.grade[size_t(g)] = schwierig_->item(g)->isSelected();
    for (int i = 0; i < themen_->count() && size_t(i) < bau_.themen.size(); ++i)
        bau_.themen[size_t(i)].second = themen_->item(i)->isSelected();
}

void frmKonfig::zeigen(const std::vector<fragen::ListenZeile>& zeilen, const QString& tooltip) {
    modell_.tooltip = tooltip;
    modell_.setzen(zeilen);
    fragenListe_->setToolTip(tooltip);
    fragenListe_->resizeColumnToContents(0);
    fragenListe_->setColumnWidth(1, winops::pixel(2200));
}

void frmKonfig::ListeFüllen() {
    const std::string datei = geladeneListe();
    if (!fragen::IstListe(api(), datei)) return;
    std::vector<fragen::ListenZeile> zeilen;
    for (std::int32_t n : fragen::ListenNummern(api(), datei)) zeilen.push_back(bau_.Zeile(n));
    zeigen(zeilen, texte::TextNr(43250, QStringLiteral("Diese%1 Fragen werden im Spiel vorkommen)"))
                       .arg(QString::fromStdString(vb::Str(static_cast<long long>(zeilen.size())))));
}

void frmKonfig::FrageLaden() {
    const std::string datei = geladeneListe();
    if (!fragen::IstListe(api(), datei)) return;
    modell_.setzen({});
    bau_.SetztFelder = true;
    for (int g = 1; g <= 9; ++g)
        bau_.grade[size_t(g - 1)] = api().IniLesenVal(datei, "Schwierig", "Grad " + std::to_string(g)) != 0;
    for (auto& t : bau_.themen) t.second = api().IniLesenVal(datei, "Themen", t.first) != 0;
    const bool suche = api().IniLesenVal(datei, "Allgemein", "UnterTyp") == 2;
    bau_.NummerWeg(suche ? std::string() : api().IniLesen(datei, "Allgemein", "DieseNicht"));
    bau_.DieseDoch(api().IniLesen(datei, "Allgemein", "DieseImmer"));
    bau_.UnWort(suche ? std::string() : api().IniLesen(datei, "Allgemein", "UnWörter"_ansi));
    bau_.SetztFelder = false;
    kontrollenSetzen();
    bau_.ListeAktualisieren();
}

void frmKonfig::Save_Click() {
    dlg::FileRequest anfrage;
    anfrage.title = "Fragen-Liste speichern";
    anfrage.filter = "Fragen-Liste (*.lst)|*.lst";
    anfrage.folder = MelvatoBasic::SpielePfad;
    std::string datei = dlg::dialogs().FileSave(anfrage);
    if (datei.empty()) return;
    if (ohneOrdner(datei).find('.') == std::string::npos) datei += ".lst";
    fragen::ListenDatei l;
    for (const auto& z : modell_.zeilen()) l.nummern.push_back(z.nummer);
    if (art_ == 2) {
        l.unterTyp = 2;
        l.unWoerter = mitBlanks(fundwoerter_);
        l.suchbegriff = suchbegriff_;
    } else {
        l.grade = bau_.grade;
        l.themen = bau_.themen;
        l.dieseNicht = bau_.NummerWeg();
        l.dieseImmer = bau_.DieseDoch();
        l.unWoerter = bau_.UnWort();
        setWindowTitle(texte::ui(texte::Text(23041, "Fragen-Liste:") + " " + ohneOrdner(datei)));
    }
    if (!fragen::ListeSpeichern(api(), datei, l))
        dlg::dialogs().MsgBox(texte::Text(53250, "Die Fragen-Liste") + " \"" + ohneOrdner(datei) + "\" " +
                                  texte::Text(53251, "konnte nicht gespeichert werden."),
                              dlg::Exclamation);
}

void frmKonfig::ImportFeld(const std::string& feld) {
    dlg::FileRequest anfrage;
    anfrage.title = texte::Text(10059, "Fragen-Liste laden");
    anfrage.filter = texte::Text(43113, "Fragen-Liste") + " (*.lst)|*.lst";
    anfrage.folder = api().AppPfad() + "DATEN\\";
    anfrage.fileName = ohneOrdner(importDatei_);
    const std::string datei = dlg::dialogs().FileOpen(anfrage);
    if (datei.empty()) return;
    importDatei_ = datei;
    if (!fragen::IstListe(api(), datei)) return;
    if (feld == "UnWorte")
        unWort_->setText(texte::ui(api().IniLesen(datei, "Allgemein", "UnWörter"_ansi)));
    else if (feld == "DieseImmer")
        dieseDoch_->setText(texte::ui(api().IniLesen(datei, "Allgemein", "DieseImmer")));
    else if (feld == "DieseNicht")
        nummerWeg_->setText(texte::ui(api().IniLesen(datei, "Allgemein", "DieseNicht")));
}

void frmKonfig::Stichwortsuche() {
    const auto antwort = dlg::dialogs().InputBox("", "suchwort", suchbegriff_);
    if (!antwort || antwort->empty()) return;
    suchbegriff_ = *antwort;
    // An empty word list means the index was never built: build it first.
    std::string scan;
    try {
        scan = api().TextDatei("scan.txt");
    } catch (const ApiError&) {
    }
    if (profile::trimBlanks(scan).empty() && kontext_.anbindung.IndexKomplettErstellen) {
        api().IniSchreiben("", "Allgemein", "IndexNotwendig", "2");
        kontext_.anbindung.IndexKomplettErstellen(true);
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const fragen::Suchergebnis e =
        fragen::Stichwortsuche(api(), suchbegriff_, [this](std::int32_t n) { return bau_.Zeile(n); });
    QGuiApplication::restoreOverrideCursor();
    fundwoerter_ = e.fundwoerter;
    const std::string term = cp1252::upper(profile::trimBlanks(suchbegriff_));
    zeigen(e.zeilen,
           texte::ui(texte::Text(43251, "Diese") + vb::Str(static_cast<long long>(e.zeilen.size())) + " " +
                     texte::Text(43252, "Fragen verwenden den Begriff") + " " + term + "."));
    if (e.zuViele)
        dlg::dialogs().MsgBox(
            texte::Text(53252, "zu viele Stellen gefunden! Suchbegriff genauer beschreiben."), dlg::Critical,
            texte::Text(53253, "Hinweis"));
}

void frmKonfig::closeEvent(QCloseEvent* event) {
    if (kontext_.mdi()) kontext_.mdi()->TopWar(5 + art_);
    QWidget::closeEvent(event);
}

void frmKonfig::Anbinden(Kontext& kontext) {
    auto entladen = [&kontext] {
        frmKonfig* f = g_fenster.data();
        if (!f) return;
        g_fenster = nullptr;
        if (kontext.mdi()) {
            kontext.mdi()->TopWar(5 + f->art_);
            kontext.mdi()->removeChild(f);
        }
        f->deleteLater();
    };
    auto oeffnen = [&kontext, entladen](int art) {
        if (g_fenster && g_fenster->art_ != art) entladen();
        if (!g_fenster) {
            g_fenster = new frmKonfig(kontext, art);
            if (art == 0)
                g_fenster->resize(winops::pixel(9500), winops::pixel(5500));
            else
                g_fenster->resize(winops::pixel(13000), winops::pixel(6500));
            if (MDI* mdi = kontext.mdi()) {
                mdi->addChild(g_fenster);
                // The mode follows which child window of the frame is on top.
                QPointer<frmKonfig> f = g_fenster.data();
                // Asked anew each time: the frame may be going away while its area
                // reports the last change.
                QObject::connect(mdi->area(), &QMdiArea::subWindowActivated, f,
                                 [&kontext, f](QMdiSubWindow* sub) {
                                     MDI* m = kontext.mdi();
                                     if (!f || !m) return;
                                     if (sub && sub->widget() == f)
                                         m->TopIst(5 + f->art_);
                                     else
                                         m->TopWar(5 + f->art_);
                                 });
            }
            g_fenster->show();
            g_fenster->Form_Load();
        }
        g_fenster->show();
        g_fenster->activateWindow();
        if (kontext.mdi()) kontext.mdi()->TopIst(5 + art);
        if (art == 2) g_fenster->Stichwortsuche();
    };
    Kontext::Anbindung& an = kontext.anbindung;
    an.ShowAlsAnzeige = [oeffnen] { oeffnen(0); };
    an.ShowAlsNeu = [oeffnen] { oeffnen(1); };
    an.ShowAlsIndex = [oeffnen] { oeffnen(2); };
    an.ListeFüllen = [] {
        if (g_fenster) g_fenster->ListeFüllen();
    };
    an.FrageLaden = [] {
        if (g_fenster) g_fenster->FrageLaden();
    };
    an.ListeSave_Click = [] {
        if (g_fenster) g_fenster->Save_Click();
    };
    an.fragelade_Click = [] {
        if (g_fenster) g_fenster->Stichwortsuche();
    };
    an.ListenArt = [] { return g_fenster ? g_fenster->art_ : -1; };
    an.ListeEntladen = entladen;
    an.ImportFeld = [](const std::string& feld) {
        if (g_fenster && g_fenster->art_ != 2) g_fenster->ImportFeld(feld);
    };
}
