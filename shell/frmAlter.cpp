#include "shell/frmAlter.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "quiz/Bewertung.h"
#include "services/ApiClass.h"
#include "services/FileSys.h"
#include "services/MelvatoBasic.h"
#include "services/WindowOps.h"
#include "shell/Kontext.h"
#include "shell/MDI.h"
#include "shell/Texte.h"

bool frmAlter::Abfragen() {
    frmAlter& w = *this;
    // A cancel of the last game must not cancel this one too.
    w.Tag.clear();
    w.txtAlter->selectAll();
    w.txtAlter->setFocus();
    winops::CenterFormModal(&w, kontext_.mdi());
    kontext_.zeigeModal(w);
    return w.Tag != QStringLiteral("EXIT");
}

frmAlter::frmAlter(Kontext& kontext) : QDialog(nullptr), kontext_(kontext) {
    setObjectName(QStringLiteral("frmAlter"));
    setWindowTitle(texte::TextNr(23003, QStringLiteral("N E U S T A R T")));
    setModal(true);

    bild_ = new QLabel(this);
    bild_->setObjectName(QStringLiteral("Image1"));
    bild_->setFixedSize(160, 120);
    bild_->setAlignment(Qt::AlignCenter);

    Label1 = new QLabel(texte::TextNr(33120, QStringLiteral("Wie alt bist du?")), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont big = Label1->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    Label1->setFont(big);

    txtAlter = new QLineEdit(this);
    txtAlter->setObjectName(QStringLiteral("txtAlter"));
    txtAlter->setValidator(new QIntValidator(0, 999, txtAlter));
    txtAlter->setMaxLength(3);
    txtAlter->setAlignment(Qt::AlignCenter);
    QFont entry = txtAlter->font();
    entry.setPointSizeF(entry.pointSizeF() * 1.6);
    txtAlter->setFont(entry);
    txtAlter->setFixedWidth(txtAlter->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 24);

    Start = new QPushButton(texte::TextNr(13140, QStringLiteral("Start")), this);
    Start->setObjectName(QStringLiteral("Start"));
    Start->setDefault(true);
    cmdEnde = new QPushButton(texte::TextNr(13141, QStringLiteral("Ende")), this);
    cmdEnde->setObjectName(QStringLiteral("cmdEnde"));
    for (QPushButton* b : {Start, cmdEnde}) b->setMinimumSize(110, 36);

    auto* frage = new QVBoxLayout;
    frage->addWidget(Label1);
    frage->addWidget(txtAlter, 0, Qt::AlignHCenter);
    auto* oben = new QHBoxLayout;
    oben->addWidget(bild_);
    oben->addSpacing(12);
    oben->addLayout(frage, 1);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(Start);
    knoepfe->addWidget(cmdEnde);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->setSpacing(14);
    layout->addLayout(oben);
    layout->addLayout(knoepfe);
    setFixedSize(sizeHint().expandedTo(QSize(380, 0)));

    connect(Start, &QPushButton::clicked, this, &frmAlter::Start_Click);
    connect(cmdEnde, &QPushButton::clicked, this, &frmAlter::cmdEnde_Click);
}

frmAlter::~frmAlter() = default;

void frmAlter::Form_Load() {
    MelvatoBasic::Api().protokoll("Alter.FormLoad Start", 0);
    // The supplied picture, or the built-in one when the data folder lacks it.
    QPixmap bild(
        QString::fromStdString(fsys::native(MelvatoBasic::Api().AppPfad() + "DATEN/Alter.jpg").string()));
    if (bild.isNull()) bild = QIcon(QStringLiteral(":/icons/alter.svg")).pixmap(96, 96);
    bild_->setPixmap(bild.scaled(bild_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    winops::CenterFormModal(this, kontext_.mdi());
    MelvatoBasic::Api().protokoll("Alter.FormLoad Ende", 0);
}

void frmAlter::Start_Click() {
    MelvatoBasic::Api().protokoll("Alter Form Click auf Start", 0);
    alter_ = vb::CLng(vb::Val(texte::ansi(txtAlter->text())));
    Tag.clear();
    accept();
}

void frmAlter::cmdEnde_Click() {
    Tag = QStringLiteral("EXIT");
    QDialog::reject();
}

void frmAlter::reject() {
    cmdEnde_Click();
}

int frmAlter::AlterLevel() {
    if (alter_ < 5 || alter_ >= 71) alter_ = 13;
    return quiz::AlterLevel(alter_);
}
