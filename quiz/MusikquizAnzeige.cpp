// The quiz window's presentation: showing a question, its picture, the layout
// of the game controls, and the input while a question is on display.
#include <QFontMetrics>
#include <QImageReader>
#include <QPixmap>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>
#include <climits>
#include <cmath>

#include "questions/QuestionRecord.h"
#include "quiz/Anzeige.h"
#include "quiz/Musikquiz.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/FileSys.h"

namespace {
QColor farbe(const quiz::Farbe& f) {
    return QColor(f.r, f.g, f.b);
}
void hintergrund(QLabel* l, const quiz::Farbe& f) {
    QPalette p = l->palette();
    p.setColor(QPalette::Window, farbe(f));
    l->setPalette(p);
}
void textfarbe(QLabel* l, const quiz::Farbe& f) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, farbe(f));
    l->setPalette(p);
}
// Edges are converted, not the size, so a rectangle inside another in twips
// stays inside it in pixels (the cover over the buttons).
void platzieren(QWidget* w, const quiz::Rechteck& r) {
    const int links = quiz::zuPixel(r.left), oben = quiz::zuPixel(r.top);
    w->setGeometry(links, oben, quiz::zuPixel(r.right()) - links, quiz::zuPixel(r.bottom()) - oben);
}
int twipsBreite(const QWidget* w) {
    return quiz::zuTwips(w->width());
}
// Width that lets the question text end 150 twips before `rechts` (a picture or
// the music-symbol text), so the two never touch.
int bisVor(const QWidget* frage, int rechts) {
    return std::max(0, rechts - quiz::zuPixel(150) - frage->x());
}

// Font sizes (points) of the frame's texts at the designed window size: the
// large one first, then smaller step by step, never below the last one
// children can still read. A larger window scales both.
constexpr int kFrageGross = 16, kFrageKlein = 12;
constexpr int kAnswerGross = 12, kAnswerKlein = 10;

// Height the label's text needs, word-wrapped to `breite`, at `punkte`.
int textHoehe(const QLabel* l, int punkte, int breite) {
    QFont f = l->font();
    f.setPointSize(punkte);
    return QFontMetrics(f)
        .boundingRect(QRect(0, 0, std::max(breite, 1), INT_MAX), Qt::TextWordWrap | l->alignment(), l->text())
        .height();
}
void schriftgroesse(QLabel* l, int punkte) {
    QFont f = l->font();
    if (f.pointSize() == punkte) return;
    f.setPointSize(punkte);
    l->setFont(f);
}
}  // namespace

// Everything of a question under the cover: texts, answers with their fonts,
// picture or music symbols, the question text fitted beside them.
void Musikquiz::FrageZeigen(const fragen::QuestionRecord& r, const std::string& bild) {
    Frage->hide();
    textfarbe(Frage, quiz::kSchwarz);
    Bild->hide();
    Bild->clear();  // a question without a picture must not show the last one
    Answer->hide();
    AnswerBereich->hide();
    Frage->setText(cp1252::toUnicode(r.Frage));
    for (int i = 1; i <= 5; ++i) {
        Klickfeld* a = Antwort[size_t(i)];
        a->setText(cp1252::toUnicode(" " + r.Antwort[size_t(i)]));
        hintergrund(a, quiz::kWeiss);
        schriftgroesse(a, punkte(quiz::AntwortSchriftgroesse(1 + r.Antwort[size_t(i)].size())));
        const bool belegt = !cp1252::toUnicode(r.Antwort[size_t(i)]).trimmed().isEmpty();
        a->setVisible(belegt);
        Press[size_t(i)]->setVisible(belegt);
    }
    Frage->resize(Rahmen->width() - quiz::zuPixel(300), Frage->height());
    BildAnzeigen(bild);
    if (!r.Musical.empty()) {
        MusicalText->setText(cp1252::toUnicode(r.Musical));
        MusicalText->adjustSize();
        MusicalText->move(Rahmen->width() - MusicalText->width() - quiz::zuPixel(150), MusicalText->y());
        MusicalText->show();
        Frage->resize(bisVor(Frage, MusicalText->x()), Frage->height());
    } else {
        MusicalText->hide();
    }
    Frage->show();
    TexteEinpassen();
    Bild->setVisible(!Bild->pixmap().isNull());
}

// The verdict: colours, the solution picture, and the explanation below the
// question (in its place once settled, when there is not enough room below).
void Musikquiz::UrteilZeigen(int k, const quiz::Urteil& u, const std::string& loesungsBild) {
    hintergrund(Antwort[size_t(k)], quiz::kHellrot);
    if (u.erledigt && u.hellgruen >= 1 && u.hellgruen <= 5)
        hintergrund(Antwort[size_t(u.hellgruen)], quiz::kHellgruen);
    if (u.erledigt) {
        textfarbe(Frage, quiz::kGrau);
        BildAnzeigen(loesungsBild);
    }
    textfarbe(Answer, u.textFarbe);
    Answer->setText(cp1252::toUnicode(u.text));
    Answer->show();
    TexteEinpassen(u.erledigt);
}

// `pfad` is the picture's temporary copy; empty shows nothing new.
void Musikquiz::BildAnzeigen(const std::string& pfad) {
    if (pfad.empty()) return;
    const QString datei = QString::fromStdString(fsys::native(pfad).string());
    QImageReader leser(datei);
    const QSize natur = leser.size();
    const QPixmap bild(datei);
    if (bild.isNull() || !natur.isValid()) return;
    Bild->setPixmap(bild);
    Bild->setProperty("Natur", natur);
    BildPlatzieren();
    Bild->show();
    MusicalText->hide();
}

void Musikquiz::BildPlatzieren() {
    const QSize natur = Bild->property("Natur").toSize();
    const quiz::Rechteck platz = quiz::BildPlatz(twipsBreite(Rahmen), quiz::zuTwips(Rahmen->height()),
                                                 quiz::zuTwips(natur.width()), quiz::zuTwips(natur.height()));
    platzieren(Bild, platz);
    Frage->resize(bisVor(Frage, Bild->x()), Frage->height());
}

// After a resize the question on display is placed again in the new frame.
void Musikquiz::FrageNeuPlatzieren() {
    if (Frage->isHidden() && Answer->isHidden()) return;
    Frage->resize(std::max(0, Rahmen->width() - quiz::zuPixel(300)), Frage->height());
    if (!Bild->isHidden() && !Bild->pixmap().isNull()) {
        BildPlatzieren();
    } else if (!MusicalText->isHidden()) {
        MusicalText->move(Rahmen->width() - MusicalText->width() - quiz::zuPixel(150), MusicalText->y());
        Frage->resize(bisVor(Frage, MusicalText->x()), Frage->height());
    }
    TexteEinpassen();
}

// Places the question text and, when shown, the explanation below it (or in the
// question's place once the question has gone), word-wrapped to the question's
// width. A text that would run past the frame's bottom edge gets a smaller font
// step by step, the explanation first; one that does not fit even then scrolls.
// With `frageWeicht` a settled question gives its place to the explanation when
// both would not fit at their designed sizes.
void Musikquiz::TexteEinpassen(bool frageWeicht) {
    const int rand = quiz::zuPixel(150);
    const int mindest = quiz::zuPixel(300);
    const int breite = std::max(Frage->width(), 1);
    const int platz = Rahmen->height() - Frage->y() - rand;
    const auto frageHoehe = [&](int punkte) { return std::max(textHoehe(Frage, punkte, breite), mindest); };
    const int frageGross = punkte(kFrageGross), frageKlein = punkte(kFrageKlein);
    const int answerGross = punkte(kAnswerGross), answerKlein = punkte(kAnswerKlein);
    int fp = frageGross;
    while (fp > frageKlein && frageHoehe(fp) > platz) --fp;
    if (Answer->isHidden()) {
        schriftgroesse(Frage, fp);
        Frage->resize(breite, frageHoehe(fp));
        AnswerBereich->hide();
        return;
    }
    if (frageWeicht && !Frage->isHidden() &&
        frageHoehe(fp) + textHoehe(Answer, answerGross, breite) >= Rahmen->height())
        Frage->hide();
    const bool frageDa = !Frage->isHidden();
    const auto belegt = [&](int f, int a) {
        return (frageDa ? frageHoehe(f) : 0) + textHoehe(Answer, a, breite);
    };
    int ap = answerGross;
    while (ap > answerKlein && belegt(fp, ap) > platz) --ap;
    while (frageDa && fp > frageKlein && belegt(fp, ap) > platz) --fp;
    schriftgroesse(Frage, fp);
    schriftgroesse(Answer, ap);
    Frage->resize(breite, frageHoehe(fp));
    const int oben = frageDa ? Frage->y() + Frage->height() : Frage->y();
    const int raum = std::max(Rahmen->height() - rand - oben, std::min(mindest, Rahmen->height() - oben));
    int hoehe = textHoehe(Answer, ap, breite);
    int textBreite = breite;
    const bool rollen = hoehe > raum;
    // Set explicitly: the scroll area left to decide kept a bar after the text had
    // grown and fitted again.
    AnswerBereich->setVerticalScrollBarPolicy(rollen ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    if (rollen) {
        textBreite = std::max(breite - AnswerBereich->verticalScrollBar()->sizeHint().width(), 1);
        hoehe = textHoehe(Answer, ap, textBreite);
    }
    Answer->resize(textBreite, hoehe);
    AnswerBereich->setGeometry(Frage->x(), oben, breite, std::min(hoehe, raum));
    AnswerBereich->verticalScrollBar()->setValue(0);
    AnswerBereich->show();
}

void Musikquiz::AntwortenZeigen() {
    imgRahmen->show();
    Rahmen->show();
    for (int i = 1; i <= 5; ++i) {
        Press[size_t(i)]->show();
        Antwort[size_t(i)]->show();
    }
}

void Musikquiz::AntwortenVerbergen() {
    // The frame stays: it carries the question label, which tells a waiting
    // player how to start. What belongs to a question goes.
    Bild->hide();
    MusicalText->hide();
    Answer->hide();
    AnswerBereich->hide();
    for (int i = 1; i <= 5; ++i) {
        Press[size_t(i)]->hide();
        Antwort[size_t(i)]->hide();
    }
}

void Musikquiz::LayoutAnpassen() {
    api_.protokoll("position 1", 0);
    const int W = quiz::zuTwips(width()), H = quiz::zuTwips(height());
    MassstabAnwenden();
    // The buttons' designed size is their picture's; a short window draws them
    // smaller, a large one larger.
    const QSize knopf = Press[1]->pixmap().size() * massstab_;
    const quiz::SpielLayout l = quiz::LayoutBerechnen(
        W, H, quiz::zuTwips(knopf.width()), quiz::zuTwips(knopf.height()), quiz::zuTwips(zähler->width()),
        quiz::zuTwips(zähler->height()), punkte(quiz::kZeilenHoehe));
    api_.protokoll("position 2", 0);
    platzieren(imgRahmen, l.imgRahmen);
    api_.protokoll("position 4", 0);
    platzieren(Rahmen, l.Rahmen);
    api_.protokoll("position 5", 0);
    const int fragenBreite = std::max(0, Rahmen->width() - quiz::zuPixel(300));
    Frage->setGeometry(quiz::zuPixel(150), quiz::zuPixel(150), fragenBreite, Rahmen->height() / 2);
    FrageNeuPlatzieren();
    MusicalText->move(MusicalText->x(), quiz::zuPixel(150));
    api_.protokoll("position 6", 0);
    for (int k = 0; k < 5; ++k) {
        platzieren(Press[size_t(k + 1)], l.Press[size_t(k)]);
        platzieren(Antwort[size_t(k + 1)], l.Antwort[size_t(k)]);
    }
    api_.protokoll("position 7", 0);
    platzieren(frmNeueFrage, l.frmNeueFrage);
    Image3->setGeometry(0, 0, frmNeueFrage->width(), frmNeueFrage->height());
    Start->setGeometry(0, frmNeueFrage->height() / 3, frmNeueFrage->width(), frmNeueFrage->height() / 3);
    api_.protokoll("position 8", 0);
    platzieren(lblGrad, l.lblGrad);
    platzieren(lblGebiet, l.lblGebiet);
    api_.protokoll("position 9", 0);
    zähler->move(quiz::zuPixel(l.zaehler.left), quiz::zuPixel(l.zaehler.top));
    zähler->raise();
    api_.protokoll("position 10", 0);
}

int Musikquiz::punkte(int entworfen) const {
    return int(std::lround(entworfen * massstab_));
}

// Fonts and counter for the window's size; the answers on display keep their
// size rule by the length of their text.
void Musikquiz::MassstabAnwenden() {
    massstab_ = quiz::Massstab(width(), height());
    for (QLabel* l : {lblGrad, lblGebiet}) schriftgroesse(l, punkte(12));
    if (MusicalText->font().pointSize() != punkte(28)) {
        schriftgroesse(MusicalText, punkte(28));
        MusicalText->adjustSize();
    }
    for (int i = 1; i <= 5; ++i) {
        QLabel* a = Antwort[size_t(i)];
        schriftgroesse(a, punkte(quiz::AntwortSchriftgroesse(size_t(a->text().size()))));
    }
    ZählerGroesse();
}

// ---- input: handed to the game, which takes it only when a question waits
// for it

void Musikquiz::Antwort_Click(int index) {
    spiel_->AntwortGewaehlt(index);
}

void Musikquiz::Press_Click(int index) {
    Antwort_Click(index);
}

void Musikquiz::Bild_Click() {
    Frage_Click();
}

void Musikquiz::Rahmen_Click() {
    Frage_Click();
}

void Musikquiz::Image2_Click() {
    if (!Editor->isHidden()) return;
    Frage_Click();
}

void Musikquiz::Form_KeyPress(int zeichen) {
    if (zeichen == 'l' || zeichen == 'L') return Vorlesen_Click();
    if (zeichen < '1' || zeichen > '5' || !Editor->isHidden()) return;
    Antwort_Click(zeichen - '0');
}
