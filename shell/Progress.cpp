#include "shell/Progress.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QVBoxLayout>
#include <cmath>

#include "services/WindowOps.h"
#include "shell/Fenster.h"
#include "shell/MDI.h"
#include "shell/Texte.h"

namespace {
Progress* theWindow = nullptr;
std::function<void()> yieldFn;

void yield() {
    if (yieldFn)
        yieldFn();
    else
        QCoreApplication::processEvents();
}
}  // namespace

Progress* Progress::instance() {
    return theWindow;
}

bool Progress::isLoaded() {
    return theWindow != nullptr;
}

void Progress::unload() {
    if (!theWindow) return;
    Progress* w = theWindow;
    theWindow = nullptr;
    w->hide();
    w->deleteLater();
}

void Progress::setYield(std::function<void()> fn) {
    yieldFn = std::move(fn);
}

void Progress::ShowProgress(long wert, double maximum, const std::string& caption) {
    if (!theWindow) {
        theWindow = new Progress(Fenster::mdi());
        theWindow->adjustSize();
        winops::CenterFormModal(theWindow, Fenster::mdi());
    }
    Progress& w = *theWindow;
    if (!caption.empty()) w.setWindowTitle(texte::ui(caption));
    if (wert == 0) {
        w.Bar->setValue(0);
        w.letzter_ = 0;
        w.show();
        yield();
    } else if (wert == maximum) {
        w.Bar->setValue(100);
        yield();
        unload();
    } else if (maximum > 0) {
        int p = int(std::floor(100.0 * wert / maximum));
        if (p > w.letzter_) {
            w.letzter_ = p;
            w.Bar->setValue(std::min(p, 100));
            yield();
        }
    }
}

Progress::Progress(QWidget* parent) : QDialog(parent, Qt::Dialog) {
    setObjectName(QStringLiteral("Progress"));
    setWindowTitle(QStringLiteral("process..."));
    Bar = new QProgressBar(this);
    Bar->setObjectName(QStringLiteral("Bar"));
    Bar->setRange(0, 100);
    Bar->setMinimumWidth(380);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 18);
    layout->addWidget(Bar);
}

Progress::~Progress() {
    if (theWindow == this) theWindow = nullptr;
}
