// The quiz window: controls, load, activation, input and close.
#include "quiz/Musikquiz.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "questions/FragenEditor.h"
#include "questions/QuestionRecord.h"
#include "quiz/Anzeige.h"
#include "quiz/Bilddatei.h"
#include "quiz/MusicalWaehler.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/FileSys.h"
#include "services/MelvatoBasic.h"
#include "translation/Texte.h"

using namespace cp1252::literals;

namespace {
// The round press button beside an answer, drawn once.
QPixmap pressBild(int breite, int hoehe) {
    QPixmap bild(breite, hoehe);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(230, 190, 60));
    p.setPen(QPen(QColor(120, 80, 20), 2));
    p.drawEllipse(QRectF(2, 2, breite - 4, hoehe - 4));
    return bild;
}
}  // namespace

Musikquiz::Musikquiz(QWidget* parent) : Musikquiz(parent, Anbindung{}) {}

namespace {
quiz::Spiel* spielAnlegen(const Musikquiz::Anbindung& an, QObject* fenster) {
    quiz::Spiel::Anbindung s;
    s.sound = an.sound;
    s.uhr = an.uhr;
    s.zufall = an.zufall;
    s.fileOk = an.fileOk;
    s.alterLevel = an.alterLevel ? an.alterLevel : [] { return quiz::AlterLevel(0); };
    return new quiz::Spiel(MelvatoBasic::Api(), MelvatoBasic::Tabelle, std::move(s), fenster);
}
}  // namespace

Musikquiz::Musikquiz(QWidget* parent, Anbindung anbindung)
    : QWidget(parent),
      spiel_(spielAnlegen(anbindung, this)),
      NurTeil(spiel_->pool().NurTeil),
      ZählerLäuft(spiel_->zaehlerLaeuftRef()),
      api_(MelvatoBasic::Api()),
      an_(std::move(anbindung)) {
    setObjectName(QStringLiteral("Musikquiz"));
    setFocusPolicy(Qt::StrongFocus);
    spiel_->pool().geladeneListe = [this] { return an_.geladeneListe ? an_.geladeneListe() : std::string(); };
    spiel_->pool().dialogTitelLeeren = [this] {
        if (an_.dialogTitelLeeren) an_.dialogTitelLeeren();
    };
    ControlsAnlegen();
    SpielVerbinden();
    quiz::Vorleser::Anbindung vorlesen;
    vorlesen.alter = an_.alter;
    vorleser_ = new quiz::Vorleser(api_, *spiel_, std::move(vorlesen), this);
}

Musikquiz::~Musikquiz() = default;

void Musikquiz::ControlsAnlegen() {
    auto benennen = [](QObject* o, const QString& name) { o->setObjectName(name); };
    resize(900, 640);

    Image2 = new Klickfeld(this);
    benennen(Image2, QStringLiteral("Image2"));
    Image2->setScaledContents(true);
    connect(Image2, &Klickfeld::geklickt, this, &Musikquiz::Image2_Click);

    imgRahmen = new QLabel(this);
    benennen(imgRahmen, QStringLiteral("imgRahmen"));
    imgRahmen->setStyleSheet(QStringLiteral("background: rgba(250,245,230,230); border: 3px solid #8a6a2a;"));

    Rahmen = new Klickfeld(this);
    benennen(Rahmen, QStringLiteral("Rahmen"));
    connect(Rahmen, &Klickfeld::geklickt, this, &Musikquiz::Rahmen_Click);

    Frage = new Klickfeld(Rahmen);
    benennen(Frage, QStringLiteral("Frage"));
    Frage->setWordWrap(true);
    Frage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont frageFont = Frage->font();
    frageFont.setPointSize(16);
    frageFont.setBold(true);
    Frage->setFont(frageFont);
    connect(Frage, &Klickfeld::geklickt, this, &Musikquiz::Frage_Click);

    Bild = new Klickfeld(Rahmen);
    benennen(Bild, QStringLiteral("Bild"));
    Bild->setScaledContents(true);
    connect(Bild, &Klickfeld::geklickt, this, &Musikquiz::Bild_Click);

    MusicalText = new QLabel(Rahmen);
    benennen(MusicalText, QStringLiteral("MusicalText"));
    MusicalText->setFont(QFont(QStringLiteral("MusicalSymbols"), 28));
    MusicalText->hide();

    AnswerBereich = new QScrollArea(Rahmen);
    benennen(AnswerBereich, QStringLiteral("AnswerBereich"));
    AnswerBereich->setFrameShape(QFrame::NoFrame);
    AnswerBereich->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    AnswerBereich->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    AnswerBereich->setWidgetResizable(false);
    AnswerBereich->setStyleSheet(QStringLiteral("QScrollArea { background: transparent; }"));
    AnswerBereich->viewport()->setAutoFillBackground(false);
    AnswerBereich->hide();
    Answer = new QLabel;
    benennen(Answer, QStringLiteral("Answer"));
    Answer->setWordWrap(true);
    QFont answerFont = Answer->font();
    answerFont.setPointSize(12);
    Answer->setFont(answerFont);
    Answer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    AnswerBereich->setWidget(Answer);
    Answer->setAutoFillBackground(false);
    Answer->hide();

    const QPixmap knopf = pressBild(quiz::zuPixel(600), quiz::zuPixel(450));
    for (int i = 1; i <= 5; ++i) {
        Press[size_t(i)] = new Klickfeld(this);
        benennen(Press[size_t(i)], QStringLiteral("Press%1").arg(i));
        Press[size_t(i)]->setPixmap(knopf);
        Press[size_t(i)]->setScaledContents(true);
        Press[size_t(i)]->resize(knopf.size());
        connect(Press[size_t(i)], &Klickfeld::geklickt, this, [this, i] { Press_Click(i); });
        Antwort[size_t(i)] = new Klickfeld(this);
        benennen(Antwort[size_t(i)], QStringLiteral("Antwort%1").arg(i));
        Antwort[size_t(i)]->setAutoFillBackground(true);
        connect(Antwort[size_t(i)], &Klickfeld::geklickt, this, [this, i] { Antwort_Click(i); });
    }

    lblGrad = new QLabel(this);
    benennen(lblGrad, QStringLiteral("lblGrad"));
    lblGebiet = new QLabel(this);
    benennen(lblGebiet, QStringLiteral("lblGebiet"));
    for (QLabel* l : {lblGrad, lblGebiet}) {
        QFont f = l->font();
        f.setPointSize(12);
        f.setBold(true);
        l->setFont(f);
    }

    frmNeueFrage = new QWidget(this);
    benennen(frmNeueFrage, QStringLiteral("frmNeueFrage"));
    Image3 = new QLabel(frmNeueFrage);
    benennen(Image3, QStringLiteral("Image3"));
    Image3->setScaledContents(true);
    Image3->setStyleSheet(QStringLiteral("background: #20304a;"));
    Start = new QLabel(frmNeueFrage);
    benennen(Start, QStringLiteral("Start"));
    Start->setAlignment(Qt::AlignCenter);
    Start->setStyleSheet(QStringLiteral("color: white; font-size: 20pt;"));
    frmNeueFrage->hide();

    zähler = new QLabel(this);
    benennen(zähler, QStringLiteral("zähler"));
    zähler->setProperty("Tag", QString());
    zähler->setScaledContents(true);
    for (int i = 0; i < 2; ++i) {
        counter[size_t(i)] = new QLabel(zähler);
        counter[size_t(i)]->setScaledContents(true);
        benennen(counter[size_t(i)], QStringLiteral("counter%1").arg(i));
        counter[size_t(i)]->hide();
    }
    for (int i = 0; i < 10; ++i) {
        imgCounter[size_t(i)] = new QLabel(this);
        benennen(imgCounter[size_t(i)], QStringLiteral("imgCounter%1").arg(i));
        imgCounter[size_t(i)]->hide();
    }

    Editor = new QWidget(this);
    benennen(Editor, QStringLiteral("Editor"));
    Editor->hide();
    editorSeite = new FragenEditor(api_, spiel_->pool(), EditorAnbindung(), Editor);
    auto* fuellen = new QVBoxLayout(Editor);
    fuellen->setContentsMargins(0, 0, 0, 0);
    fuellen->addWidget(editorSeite);
    HScroll1 = new QScrollBar(Qt::Horizontal, Editor);
    benennen(HScroll1, QStringLiteral("HScroll1"));
    HScroll1->setRange(0, 1000);
    HScroll1->hide();
}

FragenEditor::Anbindung Musikquiz::EditorAnbindung() {
    FragenEditor::Anbindung e;
    e.status = [this](const std::string& text) {
        if (an_.statusText) an_.statusText(text);
    };
    e.testen = [this] { FrageTesten(fragen::kTestFrage); };
    e.abspielen = [this](const std::string& name) { spiel_->ton().SoundAbspielen(name); };
    e.sign = [this](const std::string& font, int size) {
        if (!wähler_) wähler_ = new MusicalWähler(this);
        return wähler_->Sign(font, size);
    };
    e.fileOk = an_.fileOk;
    return e;
}

// What the game reports, onto the controls.
void Musikquiz::SpielVerbinden() {
    using quiz::Spiel;
    connect(spiel_, &Spiel::toolButton, this, &Musikquiz::toolButton);
    connect(spiel_, &Spiel::zaehlerStartet, this,
            [this] { zähler->setProperty("Tag", QStringLiteral("GO")); });
    connect(spiel_, &Spiel::zaehlerDreht, this, &Musikquiz::ZählerDrehen);
    connect(spiel_, &Spiel::zaehlerSteht, this, &Musikquiz::ZählerStopp);
    connect(spiel_, &Spiel::deckelSichtbar, this, [this](bool sichtbar) {
        frmNeueFrage->setVisible(sichtbar);
        if (!sichtbar) return;
        frmNeueFrage->raise();
        zähler->raise();
    });
    connect(spiel_, &Spiel::gradUndGebiet, this, [this](const std::string& grad, const std::string& gebiet) {
        lblGrad->setText(cp1252::toUnicode(grad));
        lblGebiet->setText(cp1252::toUnicode(gebiet));
    });
    connect(spiel_, &Spiel::frageGeladen, this, &Musikquiz::FrageZeigen);
    connect(spiel_, &Spiel::beurteilt, this, &Musikquiz::UrteilZeigen);
    connect(spiel_, &Spiel::antwortenSichtbar, this, [this](bool sichtbar) {
        if (sichtbar)
            AntwortenZeigen();
        else
            AntwortenVerbergen();
    });
    connect(spiel_, &Spiel::editorSichtbar, this, [this](bool sichtbar) {
        Editor->setVisible(sichtbar);
        if (sichtbar) Editor->raise();
        ModusMelden();
    });
    connect(spiel_, &Spiel::schliessenAngefragt, this, [this] {
        if (!entladen_) close();
    });
}

std::string Musikquiz::daten() const {
    return api_.AppPfad() + "DATEN\\";
}

void Musikquiz::Form_Load() {
    api_.protokoll("QuizFormload 1", 0);
    if (!api_.IsItDebug()) spiel_->TonStarten();
    if (an_.vorlesenKnopf) an_.vorlesenKnopf(vorleser_->hindernis());
    api_.protokoll(std::string("QuizFormload 2      nur Teil: ") + (NurTeil ? "True" : "False"), 0);
    // A window loaded hidden (at start-up, or for its pool) leaves the mode alone.
    Aktivierung(true);
    if (!NurTeil) spiel_->pool().ListReset();
    api_.protokoll("QuizFormload 3", 0);
    setWindowTitle(texte::TextNr(23020, QStringLiteral("Musikquiz")) + QLatin1Char(' ') +
                   cp1252::toUnicode(ApiClass::Version()));
    ZählerBilderLaden();
    api_.protokoll("QuizFormload 4", 0);
    // Counting the feedback voices copies each of them once: not needed before
    // the first answer.
    if (an_.spaeter)
        an_.spaeter([w = QPointer<Musikquiz>(this)] {
            if (w) w->spiel_->FeedbackZaehlen();
        });
    else
        spiel_->FeedbackZaehlen();
    spiel_->ziehung().Niveau = 20.0;
    AnzahlFragen(false, false);
    api_.protokoll("QuizFormload", 0);
    debug_ = fsys::fileExists(api_.AppPfad() + "debug.txt");
    api_.protokoll("QuizFormload 5 ", 0);
    Frage->setText(texte::TextNr(33140, QStringLiteral("Klicke auf Spiel starten")));
    const std::int32_t macColor = api_.IniLesenVal("", "ProfilParameter", "MacColor");
    if (macColor == 0) {
        Image2->setPixmap(Bilddatei(daten() + "Back.jpg"));
        Image2->show();
    } else {
        Image2->hide();
    }
    api_.protokoll("QuizFormload 6", 0);
    DesignBilderLaden();
    LayoutAnpassen();
    api_.protokoll("QuizFormload 7", 0);
    frmNeueFrage->hide();
    AnzahlFragen(true, false);
    api_.protokoll("QuizFormload 8", 0);
    AntwortenVerbergen();
    api_.protokoll("QuizFormload 9", 0);
    api_.protokoll("QuizFormload 10", 0);
    const std::string hintergrund = daten() + (macColor == 1 ? "mac2.gif" : "back.jpg");
    QPalette pal = palette();
    const QPixmap bild = Bilddatei(hintergrund);
    if (!bild.isNull()) pal.setBrush(QPalette::Window, QBrush(bild));
    setPalette(pal);
    setAutoFillBackground(true);
    spiel_->TimerStarten();
}

// The pictures of the window's design: frame, cover and press buttons. Without
// them the window keeps its drawn stand-ins.
void Musikquiz::DesignBilderLaden() {
    const auto laden = [this](const char* name) { return Bilddatei(daten() + name); };
    const QPixmap rahmen = laden("Rahmen.jpg");
    if (!rahmen.isNull()) {
        imgRahmen->setStyleSheet(QString());
        imgRahmen->setScaledContents(true);
        imgRahmen->setPixmap(rahmen);
    }
    const QPixmap deckel = laden("Deckel.jpg");
    if (!deckel.isNull()) Image3->setPixmap(deckel);
    const QPixmap knopf = laden("Press.gif");
    if (!knopf.isNull())
        for (int i = 1; i <= 5; ++i) {
            Press[size_t(i)]->setPixmap(knopf);
            Press[size_t(i)]->resize(knopf.size());
        }
}

std::int32_t Musikquiz::AnzahlFragen(bool Neu, bool Alle) {
    return spiel_->pool().AnzahlFragen(Neu, Alle);
}

void Musikquiz::keyPressEvent(QKeyEvent* event) {
    // A held key answers once.
    const QString text = event->text();
    if (text.size() == 1 && !event->isAutoRepeat()) Form_KeyPress(text.at(0).unicode());
    event->accept();
}

void Musikquiz::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Image2->setGeometry(0, 0, width(), height());
    Editor->setGeometry(rect());
    LayoutAnpassen();
}

void Musikquiz::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ParentChange) {
        // Inside the main window the frame around us is what gets activated.
        if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
            connect(sub, &QMdiSubWindow::windowStateChanged, this,
                    [this](Qt::WindowStates alt, Qt::WindowStates neu) {
                        const bool vorher = alt.testFlag(Qt::WindowActive),
                                   jetzt = neu.testFlag(Qt::WindowActive);
                        if (vorher != jetzt) Aktivierung(jetzt);
                    });
        return;
    }
    if (event->type() == QEvent::ActivationChange && !qobject_cast<QMdiSubWindow*>(parentWidget()))
        Aktivierung(isActiveWindow());
}

void Musikquiz::Aktivierung(bool aktiv) {
    // Only a shown window takes the main window's mode, and only on a change:
    // the frame reports the same activation more than once.
    if (entladen_ || (aktiv && !isVisible()) || aktiv == aktiv_) return;
    aktiv_ = aktiv;
    // With the editor open the main window keeps the editor's commands.
    const int modus = Editor->isHidden() ? 1 : 2;
    if (aktiv) {
        if (an_.topIst) an_.topIst(modus);
    } else {
        if (an_.topWar) an_.topWar(modus);
    }
}

void Musikquiz::ModusMelden() {
    if (!aktiv_ || entladen_) return;
    const int modus = Editor->isHidden() ? 1 : 2;
    if (an_.topIst) an_.topIst(modus);
}

void Musikquiz::toolButton(int i, bool sichtbar) {
    if (an_.toolButton) an_.toolButton(i, sichtbar);
}

// ---- closing

void Musikquiz::Ende_Click() {
    // The symbol chooser closes with the game.
    delete wähler_;
    close();
}

void Musikquiz::closeEvent(QCloseEvent* event) {
    if (entladen_ || !editorSeite->SchliessenOk() || !Form_QueryUnload()) {
        event->ignore();
        return;
    }
    event->accept();
    Form_Unload();
}

bool Musikquiz::Unload() {
    if (!entladen_) {
        Form_QueryUnload(true);
        Form_Unload();
    }
    return true;
}

bool Musikquiz::Form_QueryUnload(bool erzwingen) {
    return spiel_->Schliessen(erzwingen);
}

void Musikquiz::Form_Unload() {
    const int modus = Editor->isVisible() ? 2 : 1;
    if (an_.topWar) an_.topWar(modus);
    Entladen();
}

void Musikquiz::Entladen() {
    entladen_ = true;
    hide();
    // Deleted (with the main window's frame around it) once the close handling
    // itself has returned.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        sub->hide();
        sub->deleteLater();
    }
    deleteLater();
}

// ---- the editor face

void Musikquiz::Erstellen_Click() {
    if (entladen_ || spiel_->laeuftShow()) return;
    show();
    frmNeueFrage->hide();
    AntwortenVerbergen();
    Editor->setGeometry(rect());
    Editor->show();
    Editor->raise();
    aktiv_ = true;
    ModusMelden();
    editorSeite->Erstellen();
}

void Musikquiz::neu_Click() {
    if (!Editor->isHidden()) editorSeite->neu_Click();
}

void Musikquiz::Save_Click() {
    if (!Editor->isHidden()) editorSeite->Save_Click();
}
