#include "questions/FragenEditor.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <cmath>

#include "questions/QuestionPool.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/Dialogs.h"
#include "translation/Texte.h"

using namespace cp1252::literals;

namespace {
// The figures of the answer panel are twips; 15 twips are one pixel.
int pixel(int twips) {
    return (twips + 7) / 15;
}

const QColor kSchwarz(0, 0, 0);
const QColor kRot(255, 0, 0);
const QColor kGruen(17, 238, 17);

void faerben(QLabel* l, const QColor& c) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, c);
    l->setPalette(p);
}

QString u(const std::string& s) {
    return cp1252::toUnicode(s);
}
}  // namespace

// ---- Textfeld

Textfeld::Textfeld(int zeilen, QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    const int zeile = fontMetrics().lineSpacing();
    setFixedHeight(zeile * zeilen + 2 * frameWidth() + 8);
    if (zeilen == 1) setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QPlainTextEdit::textChanged, this, &Textfeld::begrenzen);
}

std::string Textfeld::wert() const {
    std::string s = cp1252::fromUnicode(toPlainText());
    fragen::FeldText(s);
    return s;
}

void Textfeld::setWert(const std::string& text) {
    setPlainText(u(text));
}

void Textfeld::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::NoModifier) {
        emit symbolGewuenscht();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        insertPlainText(QStringLiteral(" "));  // a value is one line in the file
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void Textfeld::insertFromMimeData(const QMimeData* source) {
    QString t = source->text();
    for (QChar& c : t)
        if (c == u'\t' || c == u'\r' || c == u'\n') c = u' ';
    insertPlainText(t);
}

void Textfeld::begrenzen() {
    if (begrenzt_) return;
    QString t = toPlainText();
    const qsizetype max = qsizetype(fragen::kFeldLaenge);
    if (t.size() <= max && !t.contains(u'\n') && !t.contains(u'\t')) return;
    begrenzt_ = true;
    const int caret = std::min<int>(textCursor().position(), int(max));
    const bool zuLang = t.size() > max;
    for (QChar& c : t)
        if (c == u'\t' || c == u'\n') c = u' ';
    t.truncate(max);
    setPlainText(t);
    QTextCursor c = textCursor();
    c.setPosition(caret);
    setTextCursor(c);
    begrenzt_ = false;
    if (zuLang) emit this->zuLang();
}

// ---- the panel

FragenEditor::FragenEditor(ApiClass& api, fragen::QuestionPool& pool, Anbindung an, QWidget* parent)
    : QWidget(parent), api_(api), pool_(pool), an_(std::move(an)), index_(api), ablage_(api, pool, index_) {
    setObjectName(QStringLiteral("FragenEditor"));
    ControlsAnlegen();
    pool_.nummerAnzeigen = [this](std::int32_t n) { setNummer(std::to_string(n)); };
}

FragenEditor::~FragenEditor() = default;

void FragenEditor::ControlsAnlegen() {
    auto benennen = [](QWidget* w, const QString& name) { w->setObjectName(name); };
    auto knopf = [&](QPushButton*& b, const char* name, const QString& text) {
        b = new QPushButton(text, this);
        benennen(b, QString::fromLatin1(name));
    };
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(236, 232, 222));
    setPalette(pal);

    auto* raster = new QGridLayout(this);
    raster->setContentsMargins(10, 10, 10, 10);
    raster->setHorizontalSpacing(14);

    // Number row.
    auto* kopf = new QHBoxLayout;
    auto* nrLabel = new QLabel(texte::TextNr(33260, QStringLiteral("Frage Nr.:")), this);
    NummerText = new QLineEdit(this);
    benennen(NummerText, QStringLiteral("NummerText"));
    NummerText->setFixedWidth(60);
    HScroll2 = new QScrollBar(Qt::Horizontal, this);
    benennen(HScroll2, QStringLiteral("HScroll2"));
    HScroll2->setRange(1, 999);
    HScroll2->setMinimumWidth(160);
    knopf(neu, "neu", texte::TextNr(33261, QStringLiteral("Neue Frage")));
    knopf(FreiNummer, "FreiNummer", texte::TextNr(33262, QStringLiteral("Freie Nummer")));
    knopf(Save, "Save", texte::TextNr(33263, QStringLiteral("Speichern")));
    knopf(testen, "testen", texte::TextNr(33264, QStringLiteral("Testen")));
    for (QWidget* w :
         std::initializer_list<QWidget*>{nrLabel, NummerText, HScroll2, neu, FreiNummer, Save, testen})
        kopf->addWidget(w, w == HScroll2 ? 1 : 0);
    raster->addLayout(kopf, 0, 0, 1, 2);

    // Left: question and the five answers.
    auto* links = new QVBoxLayout;
    Label1 = new QLabel(texte::TextNr(33265, QStringLiteral("Frage:")), this);
    benennen(Label1, QStringLiteral("Label1"));
    FrageText = new Textfeld(3, this);
    benennen(FrageText, QStringLiteral("FrageText"));
    links->addWidget(Label1);
    links->addWidget(FrageText);
    auto* antwortZeile = new QHBoxLayout;
    FünfAntwortenRahmen = new QWidget(this);
    benennen(FünfAntwortenRahmen, QStringLiteral("FünfAntwortenRahmen"));
    FünfAntworten = new QWidget(FünfAntwortenRahmen);
    benennen(FünfAntworten, QStringLiteral("FünfAntworten"));
    auto* antworten = new QGridLayout(FünfAntworten);
    antworten->setContentsMargins(0, 0, 4, 0);
    antworten->setColumnStretch(2, 1);
    for (int i = 1; i <= 5; ++i) {
        const size_t k = size_t(i);
        Label6[k] = new Klickfeld(QStringLiteral("\u2714"), FünfAntworten);
        benennen(Label6[k], QStringLiteral("Label6_%1").arg(i));
        Label6[k]->setToolTip(texte::TextNr(
            83130, QStringLiteral("Klicke hier, um diese Antwort als richtige Lösung zu markieren")));
        QFont f = Label6[k]->font();
        f.setPointSize(f.pointSize() + 6);
        f.setBold(true);
        Label6[k]->setFont(f);
        Label6[k]->setCursor(Qt::PointingHandCursor);
        connect(Label6[k], &Klickfeld::geklickt, this, [this, i] { Label6_Click(i); });
        Label4[k] = new QLabel(texte::TextNr(33266, QStringLiteral("Antwort %1:")).arg(i), FünfAntworten);
        benennen(Label4[k], QStringLiteral("Label4_%1").arg(i));
        Label5[k] = new QLabel(texte::TextNr(33267, QStringLiteral("Erklärung %1:")).arg(i), FünfAntworten);
        benennen(Label5[k], QStringLiteral("Label5_%1").arg(i));
        InputAntwort[k] = new Textfeld(1, FünfAntworten);
        benennen(InputAntwort[k], QStringLiteral("InputAntwort%1").arg(i));
        InputErklärung[k] = new Textfeld(2, FünfAntworten);
        benennen(InputErklärung[k], QStringLiteral("InputErklärung%1").arg(i));
        const int r = (i - 1) * 3;
        antworten->addWidget(Label6[k], r, 0, 2, 1, Qt::AlignCenter);
        antworten->addWidget(Label4[k], r, 1);
        antworten->addWidget(InputAntwort[k], r, 2);
        antworten->addWidget(Label5[k], r + 1, 1, Qt::AlignTop);
        antworten->addWidget(InputErklärung[k], r + 1, 2);
        antworten->setRowMinimumHeight(r + 2, 10);
    }
    VScroll1 = new QScrollBar(Qt::Vertical, this);
    benennen(VScroll1, QStringLiteral("VScroll1"));
    VScroll1->setRange(0, 1800);
    VScroll1->setSingleStep(120);
    VScroll1->setPageStep(810);
    connect(VScroll1, &QScrollBar::valueChanged, this, &FragenEditor::VScroll1_Change);
    antwortZeile->addWidget(FünfAntwortenRahmen, 1);
    antwortZeile->addWidget(VScroll1);
    links->addLayout(antwortZeile, 1);
    raster->addLayout(links, 1, 0);

    // Right: grade, area, music symbols, pictures, sound.
    auto* rechts = new QVBoxLayout;
    Schwierigkeit = new QLabel(this);
    benennen(Schwierigkeit, QStringLiteral("Schwierigkeit"));
    InputSchwer = new QScrollBar(Qt::Horizontal, this);
    benennen(InputSchwer, QStringLiteral("InputSchwer"));
    InputSchwer->setRange(0, 9);
    InputSchwer->setPageStep(5);
    Label7 = new QLabel(texte::TextNr(33268, QStringLiteral("Themenbereich:")), this);
    benennen(Label7, QStringLiteral("Label7"));
    cmbMusikbereich = new QComboBox(this);
    benennen(cmbMusikbereich, QStringLiteral("cmbMusikbereich"));
    cmbMusikbereich->setEditable(true);
    cmbMusikbereich->setInsertPolicy(QComboBox::NoInsert);
    cmbMusikbereich->lineEdit()->setMaxLength(int(fragen::kFeldLaenge));
    auto* musLabel = new QLabel(
        texte::TextNr(33269, QStringLiteral("Musiksymbole statt Bild (Einfg-Taste: Zeichen wählen):")), this);
    musLabel->setWordWrap(true);
    InputMusical = new Textfeld(1, this);
    benennen(InputMusical, QStringLiteral("InputMusical"));
    QFont mf(QStringLiteral("MusicalSymbols"));
    mf.setPointSize(20);
    InputMusical->setFont(mf);
    InputMusical->setFixedHeight(QFontMetrics(mf).lineSpacing() + 14);
    for (QWidget* w : std::initializer_list<QWidget*>{Schwierigkeit, InputSchwer, Label7, cmbMusikbereich,
                                                      musLabel, InputMusical})
        rechts->addWidget(w);

    const QString hinweis[2] = {texte::TextNr(83131, QStringLiteral("Bild zur Frage: klicken zum Wählen")),
                                texte::TextNr(83132, QStringLiteral("Bild zur Lösung: klicken zum Wählen"))};
    for (int k = 0; k < 2; ++k) {
        Klickfeld*& box = k == 0 ? BildBox : AntwortBildBox;
        box = new Klickfeld(hinweis[k], this);
        benennen(box, k == 0 ? QStringLiteral("BildBox") : QStringLiteral("AntwortBildBox"));
        box->setFrameShape(QFrame::StyledPanel);
        box->setAlignment(Qt::AlignCenter);
        box->setMinimumHeight(120);
        box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        box->setCursor(Qt::PointingHandCursor);
        InputBild[size_t(k)] = new Klickfeld(box);
        benennen(InputBild[size_t(k)], QStringLiteral("InputBild%1").arg(k));
        InputBild[size_t(k)]->hide();
        connect(box, &Klickfeld::geklickt, this, [this, k] { Bild_Click(k); });
        connect(InputBild[size_t(k)], &Klickfeld::geklickt, this, [this, k] { Bild_Click(k); });
        rechts->addWidget(box, 1);
    }

    auto* ton = new QGridLayout;
    knopf(InputAudio, "InputAudio", texte::TextNr(33270, QStringLiteral("Sound wählen...")));
    AudioName = new QLabel(this);
    benennen(AudioName, QStringLiteral("AudioName"));
    knopf(Mikro, "Mikro", texte::TextNr(33271, QStringLiteral("Mikrofon: aufnehmen")));
    knopf(StopKnopf, "StopKnopf", texte::TextNr(33272, QStringLiteral("Aufnahme beenden")));
    StopKnopf->hide();
    Aufnahme = new QLabel(this);
    benennen(Aufnahme, QStringLiteral("Aufnahme"));
    faerben(Aufnahme, kRot);
    Aufnahme->hide();
    ton->addWidget(new QLabel(texte::TextNr(33273, QStringLiteral("Sound:")), this), 0, 0);
    ton->addWidget(AudioName, 0, 1, 1, 2);
    ton->addWidget(InputAudio, 1, 0);
    ton->addWidget(Mikro, 1, 1);
    ton->addWidget(StopKnopf, 1, 1);
    ton->addWidget(Aufnahme, 1, 2);
    rechts->addLayout(ton);
    raster->addLayout(rechts, 1, 1);
    raster->setColumnStretch(0, 3);
    raster->setColumnStretch(1, 2);
    raster->setRowStretch(1, 1);

    Aufnahmetimer = new QTimer(this);
    Aufnahmetimer->setInterval(200);
    connect(Aufnahmetimer, &QTimer::timeout, this, &FragenEditor::Aufnahmeanzeige);

    connect(neu, &QPushButton::clicked, this, &FragenEditor::neu_Click);
    connect(FreiNummer, &QPushButton::clicked, this, &FragenEditor::FreiNummer_Click);
    connect(Save, &QPushButton::clicked, this, &FragenEditor::Save_Click);
    connect(testen, &QPushButton::clicked, this, &FragenEditor::testen_Click);
    connect(InputAudio, &QPushButton::clicked, this, &FragenEditor::InputAudio_Click);
    connect(Mikro, &QPushButton::clicked, this, &FragenEditor::Mikro_Click);
    connect(StopKnopf, &QPushButton::clicked, this, &FragenEditor::StopKnopf_Click);
    connect(HScroll2, &QScrollBar::valueChanged, this, &FragenEditor::HScroll2_Change);
    connect(NummerText, &QLineEdit::returnPressed, this, &FragenEditor::NummerText_Enter);
    connect(InputSchwer, &QScrollBar::valueChanged, this, &FragenEditor::InputSchwer_Change);
    connect(InputSchwer, &QScrollBar::valueChanged, this, &FragenEditor::bearbeitet);
    connect(cmbMusikbereich, &QComboBox::currentTextChanged, this, &FragenEditor::bearbeitet);
    std::vector<Textfeld*> felder{FrageText, InputMusical};
    for (int i = 1; i <= 5; ++i) {
        felder.push_back(InputAntwort[size_t(i)]);
        felder.push_back(InputErklärung[size_t(i)]);
    }
    for (Textfeld* f : felder) {
        connect(f, &QPlainTextEdit::textChanged, this, &FragenEditor::bearbeitet);
        connect(f, &Textfeld::symbolGewuenscht, this, [this, f] { Symbol(f); });
        connect(f, &Textfeld::zuLang, this, [this] {
            status(" " + texte::Text(53260, "Ein Feld fasst höchstens 254 Zeichen"_ansi) + "; " +
                   texte::Text(53261, "der Rest wurde abgeschnitten.") + " ");
        });
    }
    connect(InputMusical, &QPlainTextEdit::textChanged, this, [this] {
        // The question shows either a picture or music symbols; a stored
        // question that has both keeps them until the author types.
        if (!laden_ && !InputMusical->toPlainText().isEmpty() && !bildTag_[0].empty()) BildLeeren(0);
    });
    InputSchwer_Change(0);
    Label6_Click(1);
}

void FragenEditor::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FünfAntwortenPlatzieren();
    for (int k = 0; k < 2; ++k)
        if (!bildTag_[size_t(k)].empty()) EditorBildAnzeigen(k);
}

void FragenEditor::FünfAntwortenPlatzieren() {
    const int breite = FünfAntwortenRahmen->width();
    FünfAntworten->resize(breite, FünfAntworten->sizeHint().height());
    // The bar's range covers whatever of the answers does not fit.
    const int ueber = FünfAntworten->height() - FünfAntwortenRahmen->height() + pixel(90);
    VScroll1->setMaximum(std::max(0, ueber * 15));
    VScroll1->setVisible(ueber > 0);
    VScroll1_Change(VScroll1->value());
}

void FragenEditor::VScroll1_Change(int wert) {
    FünfAntworten->move(0, pixel(90) - pixel(wert));
}

void FragenEditor::status(const std::string& text) {
    if (an_.status) an_.status(text);
}

void FragenEditor::bearbeitet() {
    if (!laden_) geaendert_ = true;
}

bool FragenEditor::VerlassenOk() {
    if (!geaendert_) return true;
    if (dlg::dialogs().MsgBox(texte::Text(53262, "Die Frage wurde geändert und nicht gespeichert."_ansi) +
                                  "\r\n\r\n" + texte::Text(53263, "Änderungen verwerfen?"_ansi),
                              dlg::YesNo | dlg::Question, texte::Text(23013, "Warnung")) != dlg::Yes)
        return false;
    geaendert_ = false;
    return true;
}

bool FragenEditor::SchliessenOk() {
    if (!geaendert_) return true;
    const int antwort =
        dlg::dialogs().MsgBox(texte::Text(53262, "Die Frage wurde geändert und nicht gespeichert."_ansi) +
                                  "\r\n\r\n" + texte::Text(53264, "Änderungen speichern?"_ansi),
                              dlg::YesNoCancel | dlg::Question, texte::Text(23013, "Warnung"));
    if (antwort == dlg::Cancel) return false;
    if (antwort == dlg::No) {
        geaendert_ = false;
        return true;
    }
    Save_Click();
    return !geaendert_;  // a save that did not happen keeps the window open
}

void FragenEditor::setNummer(const std::string& text) {
    NummerText->setText(u(text));
}

// ---- moving between questions

void FragenEditor::Erstellen() {
    MusikbereichFuellen();
    neu_Click();
}

void FragenEditor::neu_Click() {
    if (!VerlassenOk()) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::int32_t c = pool_.AnzahlFragen(false, false);
    HScroll2->setMaximum(std::clamp(c + 4, 5, 999));
    const int ziel = HScroll2->value() == c + 3 ? c + 4 : c + 3;
    if (HScroll2->value() == ziel)
        HScroll2_Change(ziel);
    else
        HScroll2->setValue(ziel);
    setNummer(std::to_string(pool_.FreieFrageNummer()));
    MusikbereichFuellen();
    QApplication::restoreOverrideCursor();
}

void FragenEditor::FreiNummer_Click() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setNummer(std::to_string(pool_.FreieFrageNummer()));
    QApplication::restoreOverrideCursor();
}

void FragenEditor::HScroll2_Change(int wert) {
    if (imScroll_) return;
    imScroll_ = true;
    if (!VerlassenOk()) {
        HScroll2->setValue(letzteStellung_);
        imScroll_ = false;
        return;
    }
    const auto& tabelle = pool_.Tabelle();
    const std::int32_t n = wert >= 0 && wert <= 1000 ? tabelle[size_t(wert)] : 0;
    if (n != 0) {
        setNummer(std::to_string(n));
        FrageInEditorLaden();
    } else {
        setNummer("");
        FrageInEditorLaden();
        HScroll2->setValue(2);
    }
    letzteStellung_ = HScroll2->value();
    imScroll_ = false;
}

void FragenEditor::NummerText_Enter() {
    const double wert = vb::Val(cp1252::fromUnicode(NummerText->text()));
    if (wert <= 0 || wert > 999) return;
    if (!VerlassenOk()) return;
    const std::int32_t pos = pool_.FragePosition(vb::CLng(wert));
    if (HScroll2->value() == pos)
        HScroll2_Change(pos);
    else
        HScroll2->setValue(pos);
}

void FragenEditor::FrageInEditorLaden() {
    const std::int32_t n = vb::CLng(vb::Val(cp1252::fromUnicode(NummerText->text())));
    const fragen::QuestionRecord r = fragen::FrageLesen(api_, n);
    laden_ = true;
    cmbMusikbereich->setEditText(u(r.Bereich));
    InputSchwer->setValue(std::clamp(r.Problem / 10, 0, 9));
    Label6_Click(r.Lösung >= 1 && r.Lösung <= 5 ? r.Lösung : 1);
    FrageText->setWert(r.Frage);
    for (size_t i = 1; i <= 5; ++i) {
        InputAntwort[i]->setWert(r.Antwort[i]);
        InputErklärung[i]->setWert(r.Erklärung[i]);
    }
    bildTag_ = {r.Bild, r.Bild2};
    EditorBildAnzeigen(0);
    EditorBildAnzeigen(1);
    InputMusical->setWert(r.Musical);
    AudioName->setText(u(r.Audio));
    Markieren(fragen::Pruefung{});
    laden_ = false;
    geaendert_ = false;
}

void FragenEditor::MusikbereichFuellen() {
    const QString text = cmbMusikbereich->currentText();
    const bool warGeaendert = geaendert_;
    laden_ = true;
    cmbMusikbereich->clear();
    const std::int32_t anzahl = pool_.AnzahlFragen(false, false);
    QStringList bereiche;
    for (std::int32_t p = 1; p <= std::min(anzahl + 1, 1000); ++p) {
        const std::int32_t n = pool_.Tabelle()[size_t(p)];
        if (n == 0) break;
        const QString b = u(api_.IniLesen(fragen::FragenDatei(n), fragen::QuizSektion(n), "Bereich"));
        if (!bereiche.contains(b)) bereiche << b;
    }
    cmbMusikbereich->addItems(bereiche);
    cmbMusikbereich->setEditText(text);
    laden_ = false;
    geaendert_ = warGeaendert;
}

// ---- marking, grade, symbols

void FragenEditor::Label6_Click(int i) {
    for (size_t k = 1; k <= 5; ++k) faerben(Label6[k], kSchwarz);
    faerben(Label6[size_t(i)], kGruen);
    if (Lösung != i) bearbeitet();
    Lösung = i;
}

void FragenEditor::InputSchwer_Change(int wert) {
    Schwierigkeit->setText(wert == 0
                               ? texte::TextNr(43260, QStringLiteral("Schwierigkeitsgrad: ohne"))
                               : texte::TextNr(43261, QStringLiteral("Schwierigkeitsgrad: %1")).arg(wert));
}

void FragenEditor::Symbol(Textfeld* feld) {
    if (!an_.sign) return;
    const std::string zeichen = an_.sign(cp1252::fromUnicode(feld->font().family()), 32);
    if (zeichen.empty()) return;
    feld->insertPlainText(u(zeichen));
    feld->setFocus();
}

// ---- check, save, test

fragen::QuestionRecord FragenEditor::eingabe() const {
    fragen::QuestionRecord r;
    r.Frage = FrageText->wert();
    for (size_t i = 1; i <= 5; ++i) {
        r.Antwort[i] = InputAntwort[i]->wert();
        r.Erklärung[i] = InputErklärung[i]->wert();
    }
    r.Lösung = Lösung;
    r.Bild = bildTag_[0];
    r.Bild2 = bildTag_[1];
    r.Musical = InputMusical->wert();
    r.Problem = std::int16_t(InputSchwer->value() * 10);
    r.Audio = cp1252::fromUnicode(AudioName->text());
    r.Bereich = cp1252::fromUnicode(cmbMusikbereich->currentText());
    fragen::FeldText(r.Bereich);
    return r;
}

void FragenEditor::Markieren(const fragen::Pruefung& p) {
    faerben(Schwierigkeit, p.schwierigkeit ? kRot : kSchwarz);
    faerben(Label7, p.bereich ? kRot : kSchwarz);
    faerben(Label1, p.frage ? kRot : kSchwarz);
    for (size_t i = 1; i <= 5; ++i) {
        faerben(Label4[i], p.antwort[i] ? kRot : kSchwarz);
        faerben(Label5[i], p.erklaerung[i] ? kRot : kSchwarz);
    }
}

void FragenEditor::Save_Click() {
    const fragen::Ablage a = ablage_.Speichern(cp1252::fromUnicode(NummerText->text()), eingabe());
    Markieren(a.pruefung);
    if (!a.status.empty()) status(a.status);
    setNummer(a.nummerText);
    if (a.gespeichert) {
        geaendert_ = false;
        MusikbereichFuellen();
    }
}

void FragenEditor::testen_Click() {
    const fragen::Ablage a = ablage_.TestSpeichern(eingabe());
    Markieren(a.pruefung);
    if (a.gespeichert && an_.testen) an_.testen();
}
