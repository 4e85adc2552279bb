#include "shell/MDI.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "shell/Fenster.h"
#include "shell/MelvatoBasic.h"

MDI::MDI(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("MDI"));
    setWindowTitle(QStringLiteral("Melvato"));
    area_ = new QMdiArea(this);
    setCentralWidget(area_);
    Fenster::setMdi(this);
}

MDI::~MDI() {
    if (Fenster::mdi() == this) Fenster::setMdi(nullptr);
}

void MDI::TopIst(int n) {
    MelvatoBasic::FensterModus = n;
}

void MDI::TopWar(int n) {
    if (MelvatoBasic::FensterModus == n) TopIst(0);
}

void MDI::ChangeDesign() {}
void MDI::SymbolleisteAn() {}
void MDI::setToolButtonVisible(int, bool) {}

void MDI::addChild(QWidget* child) {
    QMdiSubWindow* sub = area_->addSubWindow(child);
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
}

void MDI::removeChild(QWidget* child) {
    for (QMdiSubWindow* sub : area_->subWindowList())
        if (sub->widget() == child) {
            sub->setWidget(nullptr);
            area_->removeSubWindow(sub);
            delete sub;
        }
}
