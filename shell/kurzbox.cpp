#include "shell/kurzbox.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "services/ApiClass.h"
#include "services/FileSys.h"
#include "services/MelvatoBasic.h"
#include "services/WindowOps.h"
#include "shell/Kontext.h"
#include "shell/MDI.h"
#include "shell/Texte.h"
#include "translation/Translation_Class.h"

namespace {
// The icon set (Image2): 0 is the waiting hourglass the copy jobs use.
// Same order as the supplied set: wait, information, warning, error, question,
// done, network, save, music, manual, stop.
const char* const kIconNamen[kurzbox::kIcons] = {"warten", "info", "achtung", "fehler", "help", "ok",
                                                 "open",   "save", "note",    "help",   "close"};
}  // namespace

void kurzbox::Start(Kontext& kontext, const std::string& text1, const std::string& text2, int icon,
                    double sekunden) {
    if (!kontext.kurzbox_) {
        kontext.kurzbox_ = new kurzbox(kontext, kontext.mdi());
        kontext.kurzbox_->Form_Load();
    }
    kurzbox& w = *kontext.kurzbox_;
    w.Label1->setText(texte::ui(text1));
    w.Label2->setText(texte::ui(text2));
    int i = icon >= 0 && icon < kIcons ? icon : 0;
    w.Image1->setPixmap(
        QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(kIconNamen[i]))).pixmap(48, 48));
    int ms = int(std::lround(sekunden * 1000));
    w.kurzzeit->stop();
    if (ms > 0) {
        w.kurzzeit->setInterval(ms);
        w.kurzzeit->start();
    }
    w.adjustSize();
    winops::CenterFormModal(&w, kontext.mdi());
    w.show();
    QCoreApplication::processEvents();
}

void kurzbox::StartAndWait(Kontext& kontext, const std::string& text1, const std::string& text2) {
    Start(kontext, text1, text2, 0, 0);
}

void kurzbox::CloseNow(Kontext& kontext) {
    if (!kontext.kurzbox_) return;
    kurzbox* w = kontext.kurzbox_.data();
    kontext.kurzbox_ = nullptr;
    w->kurzzeit->stop();
    w->hide();
    QGuiApplication::restoreOverrideCursor();
    w->deleteLater();
}

kurzbox::kurzbox(Kontext& kontext, QWidget* parent) : QDialog(parent, Qt::Dialog), kontext_(kontext) {
    setObjectName(QStringLiteral("kurzbox"));
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Label1 = new QLabel(texte::TextNr(33125, QStringLiteral("bitte warten...")), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont f = Label1->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.2);
    Label1->setFont(f);
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    for (QLabel* l : {Label1, Label2}) l->setWordWrap(true);
    exxit = new QPushButton(texte::TextNr(30132, QStringLiteral("*abbruch")), this);
    exxit->setObjectName(QStringLiteral("exxit"));
    kurzzeit = new QTimer(this);
    kurzzeit->setObjectName(QStringLiteral("kurzzeit"));
    kurzzeit->setSingleShot(true);

    auto* texte = new QVBoxLayout;
    texte->addWidget(Label1);
    texte->addWidget(Label2);
    auto* oben = new QHBoxLayout;
    oben->addWidget(Image1, 0, Qt::AlignTop);
    oben->addSpacing(10);
    oben->addLayout(texte, 1);
    auto* unten = new QHBoxLayout;
    unten->addStretch(1);
    unten->addWidget(exxit);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->addLayout(oben);
    layout->addLayout(unten);
    setMinimumWidth(360);

    connect(kurzzeit, &QTimer::timeout, this, &kurzbox::kurzzeit_Timer);
    connect(exxit, &QPushButton::clicked, this, &kurzbox::exxit_Click);
}

kurzbox::~kurzbox() = default;

void kurzbox::Form_Load() {
    t_call().ChangeFont(this);
    setWindowTitle(texte::TextNr(20012, QStringLiteral("Meldung...")));
    exxit->setText(texte::TextNr(30132, exxit->text()));
    winops::CenterFormModal(this, kontext_.mdi());
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void kurzbox::kurzzeit_Timer() {
    kurzzeit->stop();
    if (kontext_.kurzboxFenster() == this) CloseNow(kontext_);
}

void kurzbox::exxit_Click() {
    Tag = QStringLiteral("exit");
}
