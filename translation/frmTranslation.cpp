#include "translation/frmTranslation.h"

#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/Dialogs.h"
#include "services/WindowOps.h"
#include "translation/Texte.h"
#include "translation/Translation_Class.h"

using namespace cp1252::literals;
using texte::TextNr;

std::function<std::optional<QString>(const QString&)> frmTranslation::schriftWahl =
    [](const QString& aktuell) {
        bool ok = false;
        QFont f = QFontDialog::getFont(&ok, QFont(aktuell), nullptr);
        return ok ? std::optional<QString>(f.family()) : std::nullopt;
    };
std::function<QString()> frmTranslation::heute = [] {
    return QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
};

namespace {

QPlainTextEdit* textfeld(QWidget* parent, const char* name, bool nurLesen) {
    auto* f = new QPlainTextEdit(parent);
    f->setObjectName(QLatin1String(name));
    f->setReadOnly(nurLesen);
    f->setTabChangesFocus(true);
    return f;
}

// The core separates lines with CR LF; a text box wants a bare line feed.
QString zeilen(const std::string& ansi) {
    return texte::ui(ansi).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QLabel* beschriftung(QWidget* parent, long nr, const QString& vorgabe) {
    auto* l = new QLabel(TextNr(nr, vorgabe), parent);
    l->setObjectName(QStringLiteral("lbl%1").arg(nr));
    return l;
}

}  // namespace

frmTranslation::frmTranslation(Translation_Class& t, bool entwicklung) : QDialog(nullptr), t_(t), editor_(t) {
    setObjectName(QStringLiteral("Translation_Class"));
    setWindowTitle(TextNr(23100, QStringLiteral("Übersetzung bearbeiten")));
    setModal(true);

    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setRange(editor_.Anzahl() > 0 ? 1 : 0, editor_.Anzahl());
    orgi_text = textfeld(this, "orgi_text", true);
    neu_text = textfeld(this, "neu_text", false);
    mutterfeld = textfeld(this, "mutterfeld", true);

    auto* texte = new QVBoxLayout;
    texte->addWidget(beschriftung(this, 33101, QStringLiteral("Text der Sprachtabelle")));
    texte->addWidget(orgi_text, 2);
    texte->addWidget(beschriftung(this, 33102, QStringLiteral("Deine Übersetzung")));
    texte->addWidget(neu_text, 2);
    texte->addWidget(beschriftung(this, 33103, QStringLiteral("Zusammenhang")));
    texte->addWidget(mutterfeld, 2);

    auto* gruppe = new QGroupBox(TextNr(33108, QStringLiteral("Bereiche")), this);
    gruppe->setObjectName(QStringLiteral("Bereiche"));
    auto* knoepfe = new QVBoxLayout(gruppe);
    const QString namen[7] = {QStringLiteral("Alle"),    QStringLiteral("Befehle"),
                              QStringLiteral("Fenster"), QStringLiteral("Beschriftungen"),
                              QStringLiteral("Texte"),   QStringLiteral("Meldungen"),
                              QStringLiteral("Hilfen")};
    for (int i = 0; i < 7; ++i) {
        bereich[i] = new QRadioButton(TextNr(33110 + i, namen[i]), gruppe);
        bereich[i]->setObjectName(QStringLiteral("bereich%1").arg(i));
        knoepfe->addWidget(bereich[i]);
        connect(bereich[i], &QRadioButton::clicked, this, [this, i] { bereich_Click(i); });
    }

    zeiger_Nr = new QLineEdit(this);
    zeiger_Nr->setObjectName(QStringLiteral("zeiger_Nr"));
    SucheFehlende = new QPushButton(TextNr(13101, QStringLiteral("Nächste fehlende")), this);
    SucheFehlende->setObjectName(QStringLiteral("SucheFehlende"));
    UseNumbers = new QCheckBox(TextNr(13104, QStringLiteral("Nummern zeigen")), this);
    UseNumbers->setObjectName(QStringLiteral("UseNumbers"));
    UseNumbers->setChecked(t_.WithIndex() > 0);
    sprache = new QLineEdit(texte::ui(t_.PersonalSprache()), this);
    sprache->setObjectName(QStringLiteral("sprache"));
    font_text = new QLabel(this);
    font_text->setObjectName(QStringLiteral("font_text"));
    font_text->setProperty("Datentext", true);  // a font's name
    fontsuche = new QPushButton(TextNr(13102, QStringLiteral("Schrift wählen…")), this);
    fontsuche->setObjectName(QStringLiteral("fontsuche"));
    prozent = new QLabel(this);
    prozent->setObjectName(QStringLiteral("prozent"));
    PGCode = new QLineEdit(QString::number(t_.ProjectNummer()), this);
    PGCode->setObjectName(QStringLiteral("PGCode"));
    Label4 = new QLabel(this);
    Label4->setObjectName(QStringLiteral("Label4"));
    exit = new QPushButton(TextNr(10028, QStringLiteral("Schließen")), this);
    exit->setObjectName(QStringLiteral("exit"));

    auto* rechts = new QGridLayout;
    int zeile = 0;
    rechts->addWidget(beschriftung(this, 33104, QStringLiteral("Nummer:")), zeile, 0);
    rechts->addWidget(zeiger_Nr, zeile++, 1);
    rechts->addWidget(SucheFehlende, zeile++, 0, 1, 2);
    rechts->addWidget(gruppe, zeile++, 0, 1, 2);
    rechts->addWidget(UseNumbers, zeile++, 0, 1, 2);
    rechts->addWidget(beschriftung(this, 33105, QStringLiteral("Sprache:")), zeile, 0);
    rechts->addWidget(sprache, zeile++, 1);
    rechts->addWidget(beschriftung(this, 33106, QStringLiteral("Schrift:")), zeile, 0);
    rechts->addWidget(font_text, zeile++, 1);
    rechts->addWidget(fontsuche, zeile++, 0, 1, 2);
    rechts->addWidget(beschriftung(this, 33107, QStringLiteral("Projekt:")), zeile, 0);
    rechts->addWidget(PGCode, zeile++, 1);
    rechts->addWidget(prozent, zeile, 0);
    rechts->addWidget(Label4, zeile++, 1);
    rechts->setRowStretch(zeile++, 1);
    rechts->addWidget(exit, zeile++, 0, 1, 2);

    auto* oben = new QHBoxLayout;
    oben->addWidget(VScroll1);
    oben->addLayout(texte, 1);
    oben->addLayout(rechts);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(oben, 1);
    if (entwicklung) {
        modul = new QLineEdit(this);
        modul->setObjectName(QStringLiteral("modul"));
        altwandel = new QPushButton(TextNr(13103, QStringLiteral("Umwandeln")), this);
        altwandel->setObjectName(QStringLiteral("altwandel"));
        auto* unten = new QHBoxLayout;
        unten->addWidget(beschriftung(this, 33117, QStringLiteral("Modul:")));
        unten->addWidget(modul, 1);
        unten->addWidget(altwandel);
        layout->addLayout(unten);
        connect(altwandel, &QPushButton::clicked, this, &frmTranslation::altwandel_Click);
    }
    resize(winops::pixel(10500), winops::pixel(entwicklung ? 6000 : 5700));

    connect(VScroll1, &QScrollBar::valueChanged, this, [this](int k) {
        Merken();
        Zeige(k, k >= editor_.PositionVon(gezeigteId_) ? 1 : -1);
    });
    connect(zeiger_Nr, &QLineEdit::returnPressed, this, &frmTranslation::zeiger_Nr_Enter);
    connect(SucheFehlende, &QPushButton::clicked, this, &frmTranslation::SucheFehlende_Click);
    connect(UseNumbers, &QCheckBox::toggled, this, [this](bool an) {
        t_.WithIndex(an ? 1 : 0);
        Merken();
        Zeige(VScroll1->value(), 1);
    });
    connect(PGCode, &QLineEdit::editingFinished, this,
            [this] { t_.ProjectNummer(vb::CLng(vb::Val(texte::ansi(PGCode->text())))); });
    connect(fontsuche, &QPushButton::clicked, this, &frmTranslation::fontsuche_Click);
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);

    ZeigeSchrift();
    Zeige(1, 1);
}

frmTranslation::~frmTranslation() = default;

void frmTranslation::Zeige(int k, int richtung) {
    k = editor_.Zeigbar(k, richtung);
    Uebersetzungseditor::Anzeige a = editor_.Zeige(k);
    gezeigteId_ = a.id;
    geladenerText_ = texte::ui(a.neu);
    {
        const QSignalBlocker block(VScroll1);
        VScroll1->setValue(k);
    }
    orgi_text->setPlainText(zeilen(a.orgi));
    neu_text->setPlainText(geladenerText_);
    mutterfeld->setPlainText(zeilen(a.mutter));
    zeiger_Nr->setText(a.id ? QString::number(a.id) : QString());
    for (int i = 0; i < 7; ++i) {
        QFont f = bereich[i]->font();
        f.setBold(i == a.bereich);
        bereich[i]->setFont(f);
    }
    prozent->setText(texte::ui(t_.Prozent()));
    const bool fertig = !a.neu.empty();
    Label4->setText(fertig ? TextNr(43101, QStringLiteral("übersetzt"))
                           : TextNr(43102, QStringLiteral("noch nicht übersetzt")));
    Label4->setStyleSheet(fertig ? QStringLiteral("color: #1a7f37") : QStringLiteral("color: #c2410c"));
}

// A typed text is kept whenever the shown entry changes or the window closes,
// not only when Enter is pressed in zeiger_Nr: moving on must never lose it.
void frmTranslation::Merken() {
    if (!gezeigteId_ || neu_text->toPlainText() == geladenerText_) return;
    editor_.TextSpeichern(gezeigteId_, texte::ansi(neu_text->toPlainText()));
    geladenerText_ = neu_text->toPlainText();
    prozent->setText(texte::ui(t_.Prozent()));
}

void frmTranslation::Springen(int k) {
    if (k > 0) Zeige(k, 1);
}

void frmTranslation::zeiger_Nr_Enter() {
    Merken();
    Springen(editor_.PositionVon(vb::CLng(vb::Val(texte::ansi(zeiger_Nr->text())))));
}

void frmTranslation::bereich_Click(int i) {
    Merken();
    Springen(editor_.PositionVonBereich(i));
}

void frmTranslation::SucheFehlende_Click() {
    Merken();
    Springen(editor_.SucheFehlende(vb::CLng(vb::Val(texte::ansi(zeiger_Nr->text())))));
}

void frmTranslation::ZeigeSchrift() {
    const QString name = texte::ui(t_.PersonalFont().empty() ? t_.NeuFont() : t_.PersonalFont());
    font_text->setText(name);
    if (name.isEmpty()) return;
    for (QWidget* w : {static_cast<QWidget*>(font_text), static_cast<QWidget*>(neu_text)}) {
        QFont f = w->font();
        f.setFamily(name);
        w->setFont(f);
    }
}

void frmTranslation::fontsuche_Click() {
    if (std::optional<QString> name = schriftWahl(font_text->text())) {
        t_.PersonalFont(texte::ansi(*name));
        ZeigeSchrift();
    }
}

void frmTranslation::altwandel_Click() {
    const int n = editor_.Altwandel(texte::ansi(modul->text()));
    dlg::dialogs().MsgBox(texte::Text(53102, "Umgewandelte Konstanten:") + " " + std::to_string(n));
}

void frmTranslation::Schliessen() {
    if (gespeichert_) return;
    gespeichert_ = true;
    Merken();
    const std::string datei = t_.PersonalDatei();
    if (!editor_.Speichern(texte::ansi(sprache->text()), texte::ansi(heute()))) {
        dlg::dialogs().MsgBox(
            texte::Text(53101, "Die persönliche Übersetzung konnte nicht gespeichert werden:"_ansi) + "\r\n" +
                datei,
            dlg::Exclamation);
    }
}

void frmTranslation::done(int r) {
    Schliessen();
    QDialog::done(r);
}

// ---------------------------------------------------------------- the engine's editor face

namespace {
void zeigen(Translation_Class& t, bool entwicklung, const std::function<void(QDialog&)>& zeige) {
    frmTranslation fenster(t, entwicklung);
    winops::CenterFormModal(&fenster, QApplication::activeWindow());
    t.EditorGezeigt(true);
    if (zeige)
        zeige(fenster);
    else
        fenster.exec();
    fenster.Schliessen();
    t.EditorGezeigt(false);
}
}  // namespace

void Translation_Class::ShowMeModal(const std::function<void(QDialog&)>& zeige) {
    zeigen(*this, false, zeige);
}

void Translation_Class::ShowAllModal(const std::function<void(QDialog&)>& zeige) {
    zeigen(*this, true, zeige);
}
