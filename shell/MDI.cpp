#include "shell/MDI.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLinearGradient>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "quiz/Bilddatei.h"
#include "quiz/FMod.h"
#include "quiz/Musikquiz.h"
#include "services/ApiClass.h"
#include "services/FileSys.h"
#include "services/MelvatoBasic.h"
#include "services/WindowOps.h"
#include "shell/Kontext.h"
#include "shell/Progress.h"
#include "shell/Texte.h"
#include "shell/frmAlter.h"
#include "shell/frmAutor.h"
#include "shell/kurzbox.h"

using texte::TextNr;

namespace {

void log(std::string_view text) {
    MelvatoBasic::Api().protokoll(text, 0);
}

// Picture of each tool button; the buttons without a command are dividers.
const char* const kBilder[22] = {"close",       "play",    "test",    "divider",  "save",   "divider",
                                 "divider",     "note",    "speaker", "vorlesen", "open",   "divider",
                                 "newquestion", "divider", "search",  "newlist",  "editor", "settings",
                                 "help",        "divider", "divider", "divider"};

bool istTrenner(int i) {
    return std::string_view(kBilder[i]) == "divider";
}

}  // namespace

MDI::MDI(Kontext& kontext, QWidget* parent) : QMainWindow(parent), kontext_(kontext) {
    MDIForm_Initialize();
    setObjectName(QStringLiteral("MDI"));
    setWindowTitle(TextNr(23006, QStringLiteral("Melvato")));
    setWindowIcon(QIcon(QStringLiteral(":/icons/melvato.svg")));
    area_ = new QMdiArea(this);
    area_->setObjectName(QStringLiteral("Cont"));
    setCentralWidget(area_);
    // The background is drawn for the size the children area really has.
    area_->viewport()->installEventFilter(this);
    MenuesAnlegen();
    SymbolleisteAnlegen();
    kontext_.setMdi(this);
    // Start-up loads the quiz window before the main window exists.
    Musikquiz* quiz = kontext_.musikquizIfLoaded();
    if (quiz) addChild(quiz);
    MDIForm_Load();
    // After the tooltips of the load: the button says why it cannot read.
    if (quiz) VorlesenKnopf(quiz->vorleser().hindernis());
    // Without this, a closed dialog or menu leaves the keys nowhere (or on the
    // menu bar) until the child's title bar is clicked.
    qApp->installEventFilter(this);
}

MDI::~MDI() {
    // Closing the frame hides its children one by one; nobody may switch modes
    // on a frame that is half gone.
    QObject::disconnect(area_, &QMdiArea::subWindowActivated, nullptr, nullptr);
    if (kontext_.mdi() == this) kontext_.setMdi(nullptr);
}

void MDI::MDIForm_Initialize() {
    log("MDI Form Init");
    log("MDI Form Init Ende");
}

void MDI::MDIForm_Load() {
    log("MDI Form Load");
    QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    QRect sr = s ? s->geometry() : QRect(0, 0, 1280, 800);
    setGeometry(0, 0, int(sr.width() * 0.8), int(sr.height() * 0.8));
    setMinimumWidth(winops::pixel(9000));
    log("MDI Form Move");
    winops::CenterScreen(this);
    log("MDI Form Center");
    Tooltips();
    log("MDI Form Translate");
    Hintergrund();
    if (!MelvatoBasic::Api().IsItDebug() && MelvatoBasic::Api().IniLesenVal("", "ProfilParameter",
                                                                            "W\xE4"
                                                                            "chter") == -1)
        winops::MDIFullScreen(this, false, false, false, false);
    geladen_ = true;
    TopIst(0);
}

// ---------------------------------------------------------------- building

void MDI::MenuesAnlegen() {
    auto merke = [this](QAction* a, const char* name, int tag) {
        a->setObjectName(QString::fromUtf8(name));
        if (tag) a->setProperty("Tag", tag);
        eintraege_.push_back({a, tag, name});
        if (!a->menu())
            connect(a, &QAction::triggered, this, [this, n = std::string(name)] { MenueKlick(n); });
        return a;
    };
    auto menue = [&](QWidget* in, const char* name, const char* titel, int tag) {
        QMenu* m = in == menuBar() ? menuBar()->addMenu(QString::fromUtf8(titel))
                                   : static_cast<QMenu*>(in)->addMenu(QString::fromUtf8(titel));
        m->setObjectName(QString::fromUtf8(name));
        merke(m->menuAction(), name, tag);
        return m;
    };
    auto eintrag = [&](QMenu* m, const char* name, const char* text, int tag) {
        return merke(m->addAction(QString::fromUtf8(text)), name, tag);
    };
    // Every caption through the table; the text given above is what stands
    // when the table lacks the number.
    // (A menu's title is the text of its menu action.)
    auto nr = [](QAction* a, long nummer) { a->setText(TextNr(nummer, a->text())); };
    auto trenner = [&](QMenu* m, const char* name) {
        m->addSeparator()->setObjectName(QString::fromUtf8(name));
    };

    // Readable for children: the menus a little larger than the system's default.
    QFont schrift = menuBar()->font();
    schrift.setPointSizeF(schrift.pointSizeF() * 1.15);
    menuBar()->setFont(schrift);

    QMenu* datei = menue(menuBar(), "Datei", "Datei", 100);
    nr(datei->menuAction(), 13110);
    nr(eintrag(datei, "Laden", "Laden", 101), 13111);
    nr(eintrag(datei, "speichern", "Speichern", 102), 10058);
    nr(eintrag(datei, "speichernunter", "Speichern unter...", 103), 13112);
    trenner(datei, "m1");
    QMenu* einfuegen = menue(datei, "einfügen", "Einfügen", 104);
    nr(einfuegen->menuAction(), 13113);
    nr(eintrag(einfuegen, "unworte", "Un-Wörter", 0), 13114);
    nr(eintrag(einfuegen, "niefrag", "nie fragen", 0), 13115);
    nr(eintrag(einfuegen, "imfrag", "immer fragen", 0), 13116);
    nr(eintrag(datei, "drucken", "Drucken", 105), 13117);
    trenner(datei, "m2");
    nr(eintrag(datei, "Ende", "Ende", 106), 13118);

    QMenu* spiel = menue(menuBar(), "Spiel", "Spiel", 120);
    nr(spiel->menuAction(), 13119);
    nr(eintrag(spiel, "Starten", "Starten mit allen Fragen", 121), 13120);
    nr(eintrag(spiel, "teilstart", "Starten:", 122), 13121);

    QMenu* bearbeiten = menue(menuBar(), "bearbeiten", "Bearbeiten", 140);
    nr(bearbeiten->menuAction(), 13122);
    nr(eintrag(bearbeiten, "neu", "Neu", 141), 13123);
    nr(eintrag(bearbeiten, "reset", "Reset", 142), 13124);
    QMenu* listen = menue(bearbeiten, "Knofigurieren", "Fragen-Listen", 143);
    nr(listen->menuAction(), 13125);
    nr(eintrag(listen, "FrageRaum", "Liste anzeigen", 0), 13126);
    nr(eintrag(listen, "konfigchange", "Liste erstellen", 0), 13127);
    nr(eintrag(bearbeiten, "Erstellen", "Erstellen", 144), 13128);
    nr(eintrag(bearbeiten, "verpacken", "Verpacken", 145), 13129);
    nr(eintrag(bearbeiten, "einlesen", "Paket einlesen…", 146), 13130);
    nr(eintrag(bearbeiten, "suchanzeig", "Suchen", 0), 13131);

    QMenu* extras = menue(menuBar(), "Extras", "Optionen", 160);
    nr(extras->menuAction(), 13132);
    nr(eintrag(extras, "parameter", "Einstellungen", 161), 20017);
    nr(eintrag(extras, "uebersetzung", "Übersetzung bearbeiten…", 162), 13105);
    QMenu* sprachen = menue(extras, "sprache", "Sprache", 0);
    nr(sprachen->menuAction(), 13135);
    SprachenAnlegen(sprachen);
    // Only the teacher's station reads the class results; asked anew each time
    // the menu opens, since another station may have taken the role meanwhile.
    nr(eintrag(extras, "klasse", "Klassenübersicht", 0), 13137);
    connect(extras, &QMenu::aboutToShow, this, [this] {
        const auto& lehrer = kontext_.anbindung.IstLehrer;
        Menueintrag("klasse")->setEnabled(lehrer && lehrer());
    });
    nr(eintrag(extras, "Hilfe", "Hilfe", 163), 13133);
    nr(eintrag(extras, "Autor", "Autor", 164), 13134);
    for (QMenu* m : menuBar()->findChildren<QMenu*>()) m->setFont(schrift);
}

void MDI::SymbolleisteAnlegen() {
    auto* leiste = new QToolBar(this);
    leiste->setObjectName(QStringLiteral("picture1"));
    leiste->setMovable(false);
    leiste->setFloatable(false);
    leiste->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    picture1_ = leiste;
    auto* halter = new QWidget(leiste);
    halter->setObjectName(QStringLiteral("ProfiFeatures"));
    auto* reihe = new QHBoxLayout(halter);
    reihe->setContentsMargins(4, 2, 4, 2);
    reihe->setSpacing(2);
    for (int i = 0; i < 22; ++i) {
        auto* b = new QToolButton(halter);
        b->setObjectName(QStringLiteral("ToolButton%1").arg(i));
        b->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(kBilder[i]))));
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        if (istTrenner(i)) {
            b->setIconSize(QSize(12, 40));
            b->setEnabled(false);
        } else {
            b->setIconSize(QSize(40, 40));
            b->setCursor(Qt::PointingHandCursor);
            connect(b, &QToolButton::clicked, this, [this, i] { ToolButton_Click(i); });
        }
        reihe->addWidget(b);
        toolButtons_[i] = b;
    }
    // Button 21 has no command and stays hidden.
    toolButtons_[21]->hide();
    reihe->addStretch(1);
    leiste->addWidget(halter);
    addToolBar(Qt::TopToolBarArea, leiste);

    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    for (int p = 0; p < 2; ++p) {
        panels_[p] = new QLabel(bar);
        panels_[p]->setObjectName(QStringLiteral("Panel%1").arg(p + 1));
        panels_[p]->setContentsMargins(6, 0, 6, 0);
        bar->addWidget(panels_[p], 0);  // both panels size to their texts
    }
    setStatusBar(bar);
}

void MDI::Tooltips() {
    struct Tipp {
        int button;
        long nummer;
        const char* text;  // the text itself, or what stands until a translation exists
    };
    const Tipp tipps[] = {{0, 10028, "Ende"},
                          {1, 83101, "Spiel starten"},
                          {2, 83102, "Frage testen"},
                          {4, 10058, "Speichern"},
                          {7, 83103, "nächste Frage"},
                          {8, 33722, "Ton noch einmal hören"},
                          {9, 33740, "Vorlesen (Taste L)"},
                          {10, 10059, "Fragen-Liste laden"},
                          {12, 30191, "neue Frage"},
                          {14, 83104, "suche"},
                          {15, 10008, "Fragen-Liste erstellen"},
                          {16, 83105, "neue Fragen erstellen"},
                          {17, 20017, "Einstellungen"},
                          {18, 80007, "Hilfe"}};
    for (const Tipp& t : tipps) {
        QString text = QString::fromUtf8(t.text);
        toolButtons_[t.button]->setToolTip(t.nummer ? TextNr(t.nummer, text) : text);
    }
}

// ---------------------------------------------------------------- design

void MDI::Hintergrund() {
    ApiClass& api = MelvatoBasic::Api();
    bool mac = api.IniLesenVal("", "ProfilParameter", "MacColor") == 1;
    std::string datei = api.AppPfad() + "DATEN/" + (mac ? "mac2.gif" : "Back.jpg");
    QSize size = area_->viewport()->size().expandedTo(QSize(1, 1));
    // The window is resized more than once while it comes up; drawing a large
    // picture smoothly scaled costs milliseconds each time.
    if (datei == hintergrundDatei_ && size == hintergrundGroesse_) return;
    hintergrundGroesse_ = size;
    if (datei != hintergrundDatei_) {
        hintergrundDatei_ = datei;
        hintergrund_ = Bilddatei(datei);
        // A missing picture leaves a plain background instead of ending the program.
        if (hintergrund_.isNull()) log("Hintergrundbild fehlt: " + datei);
    }
    QPixmap bild(size);
    QPainter p(&bild);
    QLinearGradient verlauf(0, 0, 0, size.height());
    verlauf.setColorAt(0, QColor(0x4a, 0x2f, 0x8a));
    verlauf.setColorAt(1, QColor(0x1f, 0x5f, 0xa8));
    p.fillRect(bild.rect(), verlauf);
    if (!hintergrund_.isNull()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        if (mac) {
            QRect r(QPoint(0, 0), hintergrund_.size());
            r.moveCenter(bild.rect().center());
            p.drawPixmap(r, hintergrund_);
        } else {
            p.drawPixmap(bild.rect(), hintergrund_);
        }
    }
    p.end();
    area_->setBackground(QBrush(bild));
}

void MDI::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!geladen_) return;
    if (width() < winops::pixel(9000)) resize(winops::pixel(9000), height());
}

void MDI::ChangeDesign() {
    hintergrundDatei_.clear();  // the settings may name another picture now
    if (width() < winops::pixel(9000)) resize(winops::pixel(9000), height());
    Hintergrund();
}

void MDI::SymbolleisteAn() {
    picture1_->setEnabled(true);
}

void MDI::setStatusText(int panel, const QString& text) {
    if (panel >= 1 && panel <= 2) panels_[panel - 1]->setText(text);
}

QString MDI::statusText(int panel) const {
    return panel >= 1 && panel <= 2 ? panels_[panel - 1]->text() : QString();
}

QToolButton* MDI::ToolButton(int index) const {
    return index >= 0 && index < 22 ? toolButtons_[index] : nullptr;
}

QAction* MDI::Menueintrag(std::string_view name) const {
    for (const Eintrag& e : eintraege_)
        if (e.name == name) return e.action;
    return nullptr;
}

void MDI::setToolButtonEnabled(int i, bool enabled) {
    if (QToolButton* b = ToolButton(i); b && !istTrenner(i)) b->setEnabled(enabled);
}

void MDI::VorlesenKnopf(quiz::Vorleser::Hindernis hindernis) {
    using H = quiz::Vorleser::Hindernis;
    vorlesenMoeglich_ = hindernis == H::Keins;
    toolButtons_[9]->setToolTip(
        hindernis == H::Keins ? TextNr(33740, QStringLiteral("Vorlesen (Taste L)"))
        : hindernis == H::KeinTon
            ? TextNr(33741, QStringLiteral("Vorlesen geht nicht: keine Tonausgabe"))
            : TextNr(33742, QStringLiteral("Vorlesen geht nicht: die deutsche Sprachausgabe "
                                           "(espeak-ng) fehlt")));
    setToolButtonEnabled(9, vorlesenMoeglich_ && MelvatoBasic::FensterModus == 1);
}

// ---------------------------------------------------------------- children

void MDI::addChild(QWidget* child) {
    // A child loaded hidden (the quiz window at start-up) stays hidden until it
    // shows itself; one that was shown keeps showing.
    const bool versteckt = child->isHidden();
    child->setProperty("mdiGroesse", child->size());
    QMdiSubWindow* sub = area_->addSubWindow(child);
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    sub->setWindowIcon(child->windowIcon().isNull() ? windowIcon() : child->windowIcon());
    if (versteckt) {
        child->hide();
        sub->hide();
    } else {
        child->show();
        sub->show();
    }
    child->installEventFilter(this);
}

void MDI::removeChild(QWidget* child) {
    child->removeEventFilter(this);
    for (QMdiSubWindow* sub : area_->subWindowList())
        if (sub->widget() == child) {
            sub->setWidget(nullptr);
            area_->removeSubWindow(sub);
            delete sub;
        }
}

void MDI::FokusZumKind() {
    if (!isVisible() || QApplication::activeModalWidget() || QApplication::activePopupWidget()) return;
    QWidget* aktiv = QApplication::activeWindow();
    if (aktiv && aktiv != this) return;
    QMdiSubWindow* sub = area_->activeSubWindow();
    if (!sub) {
        const auto stapel = area_->subWindowList(QMdiArea::StackingOrder);
        for (auto it = stapel.rbegin(); it != stapel.rend() && !sub; ++it)
            if ((*it)->isVisible()) sub = *it;
    }
    QWidget* kind = sub ? sub->widget() : nullptr;
    if (!kind || !kind->isVisible()) return;
    if (!aktiv) activateWindow();
    QWidget* fokus = focusWidget();
    if (fokus != kind && !kind->isAncestorOf(fokus)) kind->setFocus(Qt::ActiveWindowFocusReason);
}

bool MDI::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && watched != this && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow()) {
        QMetaObject::invokeMethod(this, &MDI::FokusZumKind, Qt::QueuedConnection);
        return QMainWindow::eventFilter(watched, event);
    }
    if (watched == area_->viewport() && event->type() == QEvent::Resize) {
        if (geladen_) Hintergrund();
        return QMainWindow::eventFilter(watched, event);
    }
    // Child windows show and hide themselves; their frame follows.
    if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) {
        auto* child = qobject_cast<QWidget*>(watched);
        if (child)
            if (auto* sub = qobject_cast<QMdiSubWindow*>(child->parentWidget())) {
                if (event->type() == QEvent::ShowToParent && sub->isHidden()) {
                    sub->show();
                    if (!child->property("mdiPlatziert").toBool()) {
                        child->setProperty("mdiPlatziert", true);
                        Platzieren(sub, child->property("mdiGroesse").toSize());
                    }
                    area_->setActiveSubWindow(sub);
                } else if (event->type() == QEvent::HideToParent && !sub->isHidden()) {
                    sub->hide();
                }
            }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MDI::Platzieren(QMdiSubWindow* sub, QSize wunsch) {
    // The child keeps the size it asked for, in the middle of the frame; when
    // that does not fit, it takes the whole frame.
    if (sub->layout()) sub->layout()->activate();
    QSize rand = sub->size() - sub->widget()->size();
    QSize ziel = wunsch.expandedTo(QSize(1, 1)) + rand;
    QSize platz = area_->viewport()->size();
    if (ziel.width() > platz.width() || ziel.height() > platz.height()) {
        sub->showMaximized();
        return;
    }
    sub->resize(ziel);
    sub->move((platz.width() - ziel.width()) / 2, (platz.height() - ziel.height()) / 2);
}

// ---------------------------------------------------------------- closing

void MDI::closeEvent(QCloseEvent* event) {
    // Closing while the counter rolls would pull the window away under the
    // running game loop.
    if (Musikquiz* quiz = kontext_.musikquizIfLoaded(); quiz && quiz->ZählerLäuft) {
        event->ignore();
        return;
    }
    // An edited question is not lost with the program.
    if (Musikquiz* quiz = kontext_.musikquizIfLoaded(); quiz && !quiz->EditorSchliessenOk()) {
        event->ignore();
        return;
    }
    log("MDI unload");
    for (QMdiSubWindow* sub : area_->subWindowList()) {
        QWidget* w = sub->widget();
        if (!w) continue;
        log(w->objectName().toStdString());
        if (w == kontext_.musikquizIfLoaded()) {
            kontext_.unloadMusikquiz();
        } else {
            removeChild(w);
            w->close();
            w->deleteLater();
        }
    }
    if (kontext_.kurzboxFenster()) {
        log("kurzbox");
        kurzbox::CloseNow(kontext_);
    }
    if (kontext_.progressFenster()) {
        log("Progress");
        Progress::unload(kontext_);
    }
    if (kontext_.alterGeladen()) {
        log("frmAlter");
        kontext_.alterEntladen();
    }
    if (kontext_.autorGeladen()) {
        log("frmAutor");
        kontext_.autorEntladen();
    }
    if (kontext_.anbindung.AndereEntladen) kontext_.anbindung.AndereEntladen();
    event->accept();
    MelvatoBasic::ReleaseApi();
    FSOUND_Close();
}
