#include "shell/frmAutor.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>

#include "quiz/Bilddatei.h"
#include "quiz/Musikquiz.h"
#include "services/ApiClass.h"
#include "services/FileSys.h"
#include "services/MelvatoBasic.h"
#include "services/WindowOps.h"
#include "shell/Kontext.h"
#include "shell/MDI.h"
#include "translation/Texte.h"

namespace {
constexpr int kBreite = 560, kHoehe = 340;

double sekundenSeitMitternacht() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}
}  // namespace

QSize frmAutor::Groesse() {
    return {kBreite, kHoehe};
}

void frmAutor::ZeigenModeless(Kontext& kontext) {
    frmAutor& w = kontext.autor();
    w.setModal(false);
    w.show();
    w.raise();
    // No waiting here for the window system to map it: start-up lets pending
    // events run between its steps, and the splash is painted then.
}

void frmAutor::ZeigenModal(Kontext& kontext) {
    frmAutor& w = kontext.autor();
    w.setModal(true);
    kontext.zeigeModal(w);
    kontext.autorEntladen();
}

frmAutor::frmAutor(Kontext& kontext) : QDialog(nullptr), kontext_(kontext) {
    setObjectName(QStringLiteral("frmAutor"));
    setFixedSize(kBreite, kHoehe);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, kBreite, kHoehe);
    Image1->setScaledContents(true);

    auto* tafel = new QFrame(this);
    tafel->setObjectName(QStringLiteral("Tafel"));
    tafel->setStyleSheet(
        QStringLiteral("#Tafel { background: rgba(20, 10, 50, 170); border-radius: 14px; }"
                       "QLabel { color: white; background: transparent; }"));
    tafel->setGeometry(30, 40, kBreite - 60, 210);
    auto* spalte = new QVBoxLayout(tafel);
    spalte->setContentsMargins(20, 16, 20, 16);
    Label3 = new QLabel(tafel);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label1 = new QLabel(tafel);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(tafel);
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont titel = Label1->font();
    titel.setPointSizeF(titel.pointSizeF() * 2.4);
    titel.setBold(true);
    Label1->setFont(titel);
    QFont mittel = Label3->font();
    mittel.setPointSizeF(mittel.pointSizeF() * 1.4);
    Label3->setFont(mittel);
    for (QLabel* l : {Label3, Label1, Label2}) {
        l->setAlignment(Qt::AlignCenter);
        l->installEventFilter(this);
        spalte->addWidget(l);
    }
    Image1->installEventFilter(this);

    Datenwerden = new QLabel(this);
    TexteSetzen();
    Datenwerden->setObjectName(QStringLiteral("Datenwerden"));
    Datenwerden->setStyleSheet(
        QStringLiteral("color: white; background: rgba(20, 10, 50, 150); padding: 2px 8px;"
                       "border-radius: 6px;"));
    Datenwerden->adjustSize();
    Datenwerden->move(30, kHoehe - 74);

    Progress = new QFrame(this);
    Progress->setObjectName(QStringLiteral("Progress"));
    Progress->setStyleSheet(
        QStringLiteral("#Progress { background: rgba(255,255,255,200); border: 1px solid "
                       "#3a2a6a; border-radius: 4px; }"));
    Progress->setGeometry(30, kHoehe - 44, kBreite - 60, 18);
    Shape1 = new QFrame(Progress);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setStyleSheet(QStringLiteral("background: #f29b1d; border-radius: 3px;"));
    Shape1->setGeometry(2, 2, 0, 14);

    progresstimer = new QTimer(this);
    progresstimer->setObjectName(QStringLiteral("progresstimer"));
    progresstimer->setInterval(100);
    connect(progresstimer, &QTimer::timeout, this, &frmAutor::progresstimer_Timer);
}

frmAutor::~frmAutor() = default;

// The splash is up before the language table is read; start-up sets its texts
// again once the user's translation is in place.
void frmAutor::TexteSetzen() {
    Label3->setText(texte::TextNr(33121, QStringLiteral("Das interaktive Musikquiz ")));
    Label1->setText(texte::TextNr(33122, QStringLiteral("Varulak  \u2022  Melvato")));
    Label2->setText(texte::TextNr(33123, QStringLiteral("Kontakt: www.varulak.de  \u2022  info@varulak.de")));
    Datenwerden->setText(texte::TextNr(33124, QStringLiteral("Daten werden geladen....")));
    Datenwerden->adjustSize();
}

void frmAutor::Form_Load() {
    std::string datei = MelvatoBasic::Api().AppPfad() + "DATEN/Back.jpg";
    QPixmap bild = Bilddatei(datei, Groesse());
    if (bild.isNull()) {
        // Without its picture the window still shows, on a plain background.
        MelvatoBasic::Api().protokoll("Bild fehlt: " + datei, 0);
        bild = QPixmap(kBreite, kHoehe);
        QPainter p(&bild);
        QLinearGradient verlauf(0, 0, kBreite, kHoehe);
        verlauf.setColorAt(0, QColor(0x7a, 0x4c, 0xc2));
        verlauf.setColorAt(1, QColor(0x2f, 0x8f, 0xd6));
        p.fillRect(bild.rect(), verlauf);
    }
    Image1->setPixmap(bild);
    if (MelvatoBasic::StartPhase) {
        winops::CenterScreen(this);
    } else {
        // Over the quiz window when it is on the screen, else over the main window.
        QWidget* quiz = kontext_.musikquizIfLoaded();
        winops::CenterFormModal(this,
                                quiz && quiz->isVisible() ? quiz : static_cast<QWidget*>(kontext_.mdi()));
    }
    setWindowTitle(
        texte::TextNr(23004, QStringLiteral("Quirandel Version")) +
        QStringLiteral(" %1.%2.%3").arg(ApiClass::kMajor).arg(ApiClass::kMinor).arg(ApiClass::kRevision));
    Progress->setVisible(MelvatoBasic::StartPhase);
    Datenwerden->setVisible(MelvatoBasic::StartPhase);
    progresstimer->start();
}

void frmAutor::progresstimer_Timer() {
    double jetzt = sekundenSeitMitternacht();
    if (!ersterTick_) ersterTick_ = jetzt;
    if (!MelvatoBasic::StartPhase) {
        progresstimer->stop();
        Progress->hide();
        Datenwerden->hide();
        return;
    }
    double sekunden = jetzt - *ersterTick_;
    if (sekunden < 0) sekunden += 24 * 3600;  // past midnight
    int breite = winops::pixel(int(sekunden * 400));
    Shape1->resize(std::min(breite, Progress->width() - 4), Shape1->height());
}

void frmAutor::Image1_Click() {
    if (isModal() && isVisible()) done(QDialog::Accepted);
    if (kontext_.autorGeladen() && &kontext_.autor() == this) kontext_.autorEntladen();
}

bool frmAutor::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        (watched == Image1 || watched == Label1 || watched == Label2)) {
        Image1_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
