// The quiz window's presentation: showing a question, its picture, the layout
// of the game controls, and the input while a question is on display.
#include <QCoreApplication>
#include <QFontMetrics>
#include <QImageReader>
#include <QPixmap>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>
#include <climits>

#include "questions/QuestionRecord.h"
#include "quiz/Anzeige.h"
#include "quiz/Musikquiz.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/FileSys.h"
#include "shell/frmAlter.h"

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

// Font sizes (points) of the frame's texts: the designed size first, then
// smaller step by step, never below the last one children can still read.
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

bool Musikquiz::warten(double grenze, const std::function<bool()>& fertig) {
    // Waits on events: the 200-ms timer wakes the loop at least that often.
    return quiz::Warten(*an_.uhr, grenze, fertig, [] {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    });
}

void Musikquiz::FrageAnzeigen() {
    const std::int32_t n = ziehung_.FrageNummer;
    api_.protokoll("Next Quiz: " + std::to_string(n), 0);
    const fragen::QuestionRecord r = fragen::FrageLesen(api_, n);
    QCoreApplication::processEvents();
    Frage->hide();
    textfarbe(Frage, quiz::kSchwarz);
    Bild->hide();
    Bild->clear();  // a question without a picture must not show the last one
    Answer->hide();
    AnswerBereich->hide();
    frage_.RichtigeAntwort = r.Lösung;
    Frage->setText(cp1252::toUnicode(r.Frage));
    for (int i = 1; i <= 5; ++i) {
        const std::string text = " " + r.Antwort[size_t(i)];
        Antwort[size_t(i)]->setText(cp1252::toUnicode(text));
        frage_.Erklärungen[size_t(i)] = r.Erklärung[size_t(i)];
    }
    QCoreApplication::processEvents();
    for (int i = 1; i <= 5; ++i) {
        Klickfeld* a = Antwort[size_t(i)];
        hintergrund(a, quiz::kWeiss);
        QFont f = a->font();
        f.setPointSize(quiz::AntwortSchriftgroesse(1 + r.Antwort[size_t(i)].size()));
        a->setFont(f);
        const bool belegt = !cp1252::toUnicode(r.Antwort[size_t(i)]).trimmed().isEmpty();
        a->setVisible(belegt);
        Press[size_t(i)]->setVisible(belegt);
    }
    QCoreApplication::processEvents();
    Frage->resize(Rahmen->width() - quiz::zuPixel(300), Frage->height());
    BildAnzeigen(r.Bild, true);
    if (!r.Musical.empty()) {
        MusicalText->setText(cp1252::toUnicode(r.Musical));
        MusicalText->adjustSize();
        MusicalText->move(Rahmen->width() - MusicalText->width() - quiz::zuPixel(150), MusicalText->y());
        MusicalText->show();
        Frage->resize(bisVor(Frage, MusicalText->x()), Frage->height());
    } else {
        MusicalText->hide();
    }
    frage_.Beantwortet = false;
    frage_.ZweiterVersuch = false;
    Frage->show();
    TexteEinpassen();
    Bild->setVisible(!Bild->pixmap().isNull());

    if (!ablauf_.Testmodus) {
        warten(55.0, [this] { return !ablauf_.SlotLäuft || ablauf_.Abbruch; });
        if (ablauf_.Abbruch) return;
    }
    const int alter = an_.alterLevel ? an_.alterLevel() : frmAlter::instance().AlterLevel();
    lblGrad->setText(
        cp1252::toUnicode(fragen::SchwierigkeitsName(vb::CLng(ziehung_.FrageSchwierigkeit), alter)));
    lblGebiet->setText(cp1252::toUnicode(r.Bereich));
    ZählerStopp(n);
    SoundAbspielen("sound.wav");
    ablauf_.SlotLäuft = true;
    if (ablauf_.Testmodus)
        warten(3.0, [this] { return ablauf_.Abbruch; });
    else
        warten(5.0, [this] { return !ablauf_.SlotLäuft || ablauf_.Abbruch; });
    if (ablauf_.Abbruch) return;
    frmNeueFrage->hide();
    ablauf_.AktuellesAudio = r.Audio;
    if (!r.Audio.empty())
        SoundAbspielen(r.Audio);
    else
        toolButton(8, false);
    toolButton(7, false);
}

void Musikquiz::BildAnzeigen(const std::string& datei, bool /*frage*/) {
    if (datei.empty()) return;
    const std::string upper = cp1252::upper(datei);
    const std::string ziel = daten() + "Now" + upper.substr(upper.size() > 4 ? upper.size() - 4 : 0);
    if (!fileOk(datei, ziel)) return;
    const QString pfad = QString::fromStdString(fsys::native(ziel).string());
    QImageReader leser(pfad);
    const QSize natur = leser.size();
    const QPixmap bild(pfad);
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
    int fp = kFrageGross;
    while (fp > kFrageKlein && frageHoehe(fp) > platz) --fp;
    if (Answer->isHidden()) {
        schriftgroesse(Frage, fp);
        Frage->resize(breite, frageHoehe(fp));
        AnswerBereich->hide();
        return;
    }
    if (frageWeicht && !Frage->isHidden() &&
        frageHoehe(fp) + textHoehe(Answer, kAnswerGross, breite) >= Rahmen->height())
        Frage->hide();
    const bool frageDa = !Frage->isHidden();
    const auto belegt = [&](int f, int a) {
        return (frageDa ? frageHoehe(f) : 0) + textHoehe(Answer, a, breite);
    };
    int ap = kAnswerGross;
    while (ap > kAnswerKlein && belegt(fp, ap) > platz) --ap;
    while (frageDa && fp > kFrageKlein && belegt(fp, ap) > platz) --fp;
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
    toolButton(8, true);
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
    toolButton(8, false);
}

void Musikquiz::LayoutAnpassen() {
    api_.protokoll("position 1", 0);
    const int W = quiz::zuTwips(width()), H = quiz::zuTwips(height());
    // The buttons' designed size is their picture's; a short window draws them smaller.
    const QSize knopf = Press[1]->pixmap().size();
    const quiz::SpielLayout l =
        quiz::LayoutBerechnen(W, H, quiz::zuTwips(knopf.width()), quiz::zuTwips(knopf.height()),
                              quiz::zuTwips(zähler->width()), quiz::zuTwips(zähler->height()));
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

// ---- input

void Musikquiz::Antwort_Click(int index) {
    if (eingabeGesperrt()) return;
    if (frage_.Beantwortet)
        Weiter();
    else if (!Antwort[size_t(index)]->isHidden())  // no question shown, or no such answer
        AntwortAuswerten(index);
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
    if (zeichen < '1' || zeichen > '5' || !Editor->isHidden()) return;
    Antwort_Click(zeichen - '0');
}
