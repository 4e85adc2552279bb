#include "shell/frmKlasse.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

#include "network/Netzwerk.h"
#include "questions/QuestionRecord.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/Dialogs.h"
#include "services/FileSys.h"
#include "services/MelvatoBasic.h"
#include "shell/Kontext.h"
#include "shell/MDI.h"
#include "shell/Texte.h"

using namespace cp1252::literals;

namespace {

// A text of this window through the translation table (the German as fallback).
QString T(long nummer, const char* utf8) {
    return texte::TextNr(nummer, QString::fromUtf8(utf8));
}

ApiClass& api() {
    return MelvatoBasic::Api();
}

// Sorts by the number behind the text where there is one.
class Zelle : public QTableWidgetItem {
public:
    explicit Zelle(const QString& text) : QTableWidgetItem(text) {}
    Zelle(const QString& text, double wert) : QTableWidgetItem(text) { setData(Qt::UserRole, wert); }
    bool operator<(const QTableWidgetItem& o) const override {
        const QVariant a = data(Qt::UserRole), b = o.data(Qt::UserRole);
        if (a.isValid() && b.isValid()) return a.toDouble() < b.toDouble();
        return text().localeAwareCompare(o.text()) < 0;
    }
};

QString prozent(int teil, int ganzes) {
    return QString::fromStdString(netz::Prozent(teil, ganzes));
}

Zelle* zahl(int n) {
    return new Zelle(QString::number(n), n);
}

Zelle* anteil(int teil, int ganzes) {
    return new Zelle(prozent(teil, ganzes), ganzes > 0 ? 100.0 * teil / ganzes : -1);
}

void fuellen(QTableWidget* t, int zeilen, const std::function<std::vector<QTableWidgetItem*>(int)>& zeile) {
    t->setSortingEnabled(false);
    t->setRowCount(zeilen);
    for (int r = 0; r < zeilen; ++r) {
        std::vector<QTableWidgetItem*> z = zeile(r);
        for (int c = 0; c < int(z.size()); ++c) t->setItem(r, c, z[size_t(c)]);
    }
    t->setSortingEnabled(true);
    t->resizeColumnsToContents();
}

}  // namespace

// Right at the first try per station, as bars.
class Balken : public QWidget {
public:
    using QWidget::QWidget;
    std::vector<std::pair<int, double>> werte;  // station, percent

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), palette().base());
        if (werte.empty()) return;
        const QFontMetrics fm = p.fontMetrics();
        const int unten = height() - fm.height() - 4, oben = fm.height() + 4;
        const double breite = double(width()) / double(werte.size());
        for (size_t i = 0; i < werte.size(); ++i) {
            const auto [platz, wert] = werte[i];
            const int x = int(i * breite + breite * 0.15), w = std::max(2, int(breite * 0.7));
            const int h = int((unten - oben) * wert / 100.0);
            p.fillRect(x, unten - h, w, h, wert >= 50 ? QColor(0x3a, 0x8f, 0x4f) : QColor(0xc0, 0x50, 0x3a));
            const QRect spalte(int(i * breite), 0, int(breite), height());
            p.drawText(QRect(spalte.x(), 0, spalte.width(), unten - h - 2),
                       Qt::AlignHCenter | Qt::AlignBottom, QString::number(wert, 'f', 0) + QLatin1Char('%'));
            p.drawText(spalte, Qt::AlignHCenter | Qt::AlignBottom, QString::number(platz));
        }
    }
};

frmKlasse::frmKlasse(Kontext& kontext, std::string netzPfad, QWidget* parent)
    : QDialog(parent), kontext_(kontext), netzPfad_(std::move(netzPfad)) {
    setObjectName(QStringLiteral("frmKlasse"));
    setWindowTitle(T(23030, "Klassenübersicht"));
    von_ = new QDateEdit(QDate::currentDate(), this);
    von_->setObjectName(QStringLiteral("von"));
    bis_ = new QDateEdit(QDate::currentDate(), this);
    bis_->setObjectName(QStringLiteral("bis"));
    for (QDateEdit* d : {von_, bis_}) {
        d->setCalendarPopup(true);
        d->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        connect(d, &QDateEdit::dateChanged, this, &frmKlasse::Aktualisieren);
    }
    schlecht_ = new QLabel(this);
    schlecht_->setObjectName(QStringLiteral("schlecht"));

    stationen_ =
        tabelle("stationen", {T(33210, "Platz"), T(33211, "Fragen"), T(33212, "richtig beim 1. Versuch %"),
                              T(33213, "richtig beim 2. Versuch %"), T(33214, "erreichtes Niveau")});
    bereiche_ =
        tabelle("bereiche", {T(33215, "Themenbereich"), T(33211, "Fragen"),
                             T(33212, "richtig beim 1. Versuch %"), T(33213, "richtig beim 2. Versuch %")});
    fragen_ = tabelle("fragen", {T(33216, "Nr"), T(33217, "falsch"), T(33218, "gestellt"), T(33219, "Frage"),
                                 T(33240, "richtige Antwort")});
    fragen_->horizontalHeader()->setSortIndicator(1, Qt::DescendingOrder);  // most often wrong first
    balken_ = new Balken(this);
    balken_->setObjectName(QStringLiteral("balken"));
    balken_->setMinimumHeight(150);

    auto* seiteStationen = new QWidget(this);
    auto* sl = new QVBoxLayout(seiteStationen);
    sl->addWidget(stationen_, 3);
    sl->addWidget(new QLabel(T(33241, "Richtig beim ersten Versuch, je Arbeitsplatz:"), seiteStationen));
    sl->addWidget(balken_, 2);
    auto* reiter = new QTabWidget(this);
    reiter->addTab(seiteStationen, T(33242, "Arbeitsplätze"));
    reiter->addTab(bereiche_, T(33243, "Themenbereiche"));
    reiter->addTab(fragen_, T(33244, "Oft falsch beantwortet"));

    auto* zeitraum = new QHBoxLayout;
    zeitraum->addWidget(new QLabel(T(33245, "von"), this));
    zeitraum->addWidget(von_);
    zeitraum->addWidget(new QLabel(T(33246, "bis"), this));
    zeitraum->addWidget(bis_);
    zeitraum->addStretch(1);
    zeitraum->addWidget(schlecht_);

    auto knopf = [this](const char* name, const QString& text, void (frmKlasse::*f)()) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromUtf8(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, f);
        return b;
    };
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(knopf("Exportieren", T(13170, "Exportieren…"), &frmKlasse::Exportieren_Click));
    auto* drucken = new QPushButton(T(13171, "Drucken…"), this);
    drucken->setObjectName(QStringLiteral("Drucken"));
    connect(drucken, &QPushButton::clicked, this, [this] {
        QPrinter drucker;
        QPrintDialog dialog(&drucker, this);
        if (dialog.exec() == QDialog::Accepted) Drucken(drucker);
    });
    knoepfe->addWidget(drucken);
    knoepfe->addWidget(knopf("Loeschen", T(13172, "Ältere löschen…"), &frmKlasse::Loeschen_Click));
    knoepfe->addStretch(1);
    knoepfe->addWidget(knopf("Schliessen", T(10028, "Schließen"), &QDialog::accept));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(zeitraum);
    layout->addWidget(reiter, 1);
    layout->addLayout(knoepfe);
    resize(760, 560);
    Aktualisieren();
}

QTableWidget* frmKlasse::tabelle(const char* name, const QStringList& spalten) {
    auto* t = new QTableWidget(0, int(spalten.size()), this);
    t->setObjectName(QString::fromUtf8(name));
    t->setHorizontalHeaderLabels(spalten);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    t->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

void frmKlasse::Aktualisieren() {
    u_ = netz::Auswerten(netzPfad_, von_->date(), bis_->date(), [](std::int32_t n) {
        fragen::QuestionRecord r = fragen::FrageLesen(api(), n);
        const std::string richtig =
            r.Lösung >= 1 && r.Lösung <= 5 ? r.Antwort[size_t(r.Lösung)] : std::string();
        return std::make_pair(r.Frage, richtig);
    });
    fuellen(stationen_, int(u_.stationen.size()), [this](int r) -> std::vector<QTableWidgetItem*> {
        const netz::StationZeile& s = u_.stationen[size_t(r)];
        return {zahl(s.platz), zahl(s.fragen), anteil(s.ersterVersuch, s.fragen),
                anteil(s.zweiterVersuch, s.fragen), new Zelle(QString::number(s.niveau, 'f', 0), s.niveau)};
    });
    fuellen(bereiche_, int(u_.bereiche.size()), [this](int r) -> std::vector<QTableWidgetItem*> {
        const netz::BereichZeile& b = u_.bereiche[size_t(r)];
        return {new Zelle(b.bereich.empty() ? T(33247, "(ohne)") : texte::ui(b.bereich)), zahl(b.fragen),
                anteil(b.ersterVersuch, b.fragen), anteil(b.zweiterVersuch, b.fragen)};
    });
    fuellen(fragen_, int(u_.schwerste.size()), [this](int r) -> std::vector<QTableWidgetItem*> {
        const netz::FrageZeile& f = u_.schwerste[size_t(r)];
        return {zahl(f.nummer), zahl(f.falsch), zahl(f.fragen), new Zelle(texte::ui(f.text)),
                new Zelle(texte::ui(f.richtigeAntwort))};
    });
    balken_->werte.clear();
    for (const netz::StationZeile& s : u_.stationen)
        balken_->werte.emplace_back(s.platz, 100.0 * s.ersterVersuch / std::max(1, s.fragen));
    balken_->update();
    schlecht_->setText(u_.schlechteZeilen == 0
                           ? QString()
                           : T(53200, "%1 beschädigte Zeilen übersprungen").arg(u_.schlechteZeilen));
}

void frmKlasse::Exportieren_Click() {
    dlg::FileRequest anfrage;
    anfrage.title = texte::Text(13173, "Klassenübersicht exportieren"_ansi);
    anfrage.filter = texte::Text(43200, "CSV-Datei") + " (*.csv)|*.csv";
    anfrage.folder = api().AppPfad();
    anfrage.fileName = "Klassenuebersicht.csv";
    std::string datei = dlg::dialogs().FileSave(anfrage);
    if (datei.empty()) return;
    if (ApiClass::Extension(datei).empty()) datei += ".csv";
    if (!fsys::writeAtomic(datei, netz::CsvExport(u_, von_->date(), bis_->date())))
        dlg::dialogs().MsgBox(
            texte::Text(53201, "Die Datei konnte nicht geschrieben werden:") + "\r\n" + datei,
            dlg::Exclamation);
}

QString frmKlasse::html() const {
    auto tabelleHtml = [](const QTableWidget* t) {
        QString h = QStringLiteral("<table border=1 cellspacing=0 cellpadding=3><tr>");
        for (int c = 0; c < t->columnCount(); ++c)
            h += QStringLiteral("<th>") + t->horizontalHeaderItem(c)->text().toHtmlEscaped() +
                 QStringLiteral("</th>");
        for (int r = 0; r < t->rowCount(); ++r) {
            h += QStringLiteral("<tr>");
            for (int c = 0; c < t->columnCount(); ++c)
                h += QStringLiteral("<td>") +
                     (t->item(r, c) ? t->item(r, c)->text().toHtmlEscaped() : QString()) +
                     QStringLiteral("</td>");
            h += QStringLiteral("</tr>");
        }
        return h + QStringLiteral("</table>");
    };
    return QStringLiteral("<h2>") + windowTitle().toHtmlEscaped() + QStringLiteral(" ") +
           von_->date().toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral(" – ") +
           bis_->date().toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral("</h2><h3>") +
           T(33242, "Arbeitsplätze") + QStringLiteral("</h3>") + tabelleHtml(stationen_) +
           QStringLiteral("<h3>") + T(33243, "Themenbereiche") + QStringLiteral("</h3>") +
           tabelleHtml(bereiche_) + QStringLiteral("<h3>") + T(33244, "Oft falsch beantwortet") +
           QStringLiteral("</h3>") + tabelleHtml(fragen_);
}

void frmKlasse::Drucken(QPrinter& drucker) const {
    QTextDocument dokument;
    dokument.setHtml(html());
    dokument.print(&drucker);
}

void frmKlasse::Loeschen_Click() {
    const QDate vor = von_->date();
    const std::string tag = vor.toString(QStringLiteral("dd.MM.yyyy")).toStdString();
    if (dlg::dialogs().MsgBox(texte::Text(53202, "Alle Ergebnisse vor dem") + " " + tag + " " +
                                  texte::Text(53203, "löschen?"_ansi),
                              dlg::YesNo | dlg::Question) != dlg::Yes)
        return;
    std::optional<int> weg = netz::AeltereLoeschen(netzPfad_, vor);
    if (!weg)
        dlg::dialogs().MsgBox(texte::Text(53204, "Nicht alle Ergebnis-Dateien konnten geändert werden."_ansi),
                              dlg::Exclamation);
    else
        api().protokoll("Ergebnisse vor " + tag + " gel\xF6scht: " + std::to_string(*weg) + " Zeilen", 0);
    Aktualisieren();
}

void frmKlasse::Anbinden(Kontext& kontext) {
    kontext.anbindung.IstLehrer = [] {
        const std::string& netzPfad = MelvatoBasic::NetzPfad;
        const int nr = api().IniLesenVal("", "Netzwerk", "TeilnehmerNr");
        return !netzPfad.empty() && nr >= 1 && netz::MasterLesen(api().profiles(), netzPfad) == nr;
    };
    kontext.anbindung.KlassenuebersichtZeigen = [&kontext] {
        if (!kontext.anbindung.IstLehrer()) return;
        frmKlasse fenster(kontext, MelvatoBasic::NetzPfad, kontext.mdi());
        kontext.zeigeModal(fenster);
    };
    // Every settled question of a numbered station goes into its results file.
    kontext.anbindung.FrageErledigt = [](const quiz::FrageErgebnis& e) {
        // The configured folder, also while it did not answer at start: the line waits then.
        const std::string netzPfad = api().IniLesen("", "Netzwerk", "NetzwerkPfad");
        const int nr = api().IniLesenVal("", "Netzwerk", "TeilnehmerNr");
        netz::ErgebnisSchreiber(api().AppPfad()).Schreiben(netzPfad, nr, {QDateTime::currentDateTime(), e});
    };
}
