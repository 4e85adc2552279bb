#include "shell/Progress.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QVBoxLayout>
#include <cmath>
#include <functional>

#include "services/WindowOps.h"
#include "shell/Kontext.h"
#include "shell/MDI.h"
#include "shell/Texte.h"

namespace {
void yield(const Kontext& kontext) {
    if (kontext.progressYield)
        kontext.progressYield();
    else
        QCoreApplication::processEvents();
}
}  // namespace

void Progress::unload(Kontext& kontext) {
    if (!kontext.progress_) return;
    Progress* w = kontext.progress_.data();
    kontext.progress_ = nullptr;
    w->hide();
    w->deleteLater();
}

void Progress::ShowProgress(Kontext& kontext, long wert, double maximum, const std::string& caption) {
    if (!kontext.progress_) {
        kontext.progress_ = new Progress(kontext.mdi());
        kontext.progress_->adjustSize();
        winops::CenterFormModal(kontext.progress_, kontext.mdi());
    }
    Progress& w = *kontext.progress_;
    if (!caption.empty()) w.setWindowTitle(texte::ui(caption));
    if (wert == 0) {
        w.Bar->setValue(0);
        w.letzter_ = 0;
        w.show();
        yield(kontext);
    } else if (wert == maximum) {
        w.Bar->setValue(100);
        yield(kontext);
        unload(kontext);
    } else if (maximum > 0) {
        int p = int(std::floor(100.0 * wert / maximum));
        if (p > w.letzter_) {
            w.letzter_ = p;
            w.Bar->setValue(std::min(p, 100));
            yield(kontext);
        }
    }
}

Progress::Progress(QWidget* parent) : QDialog(parent, Qt::Dialog) {
    setObjectName(QStringLiteral("Progress"));
    setWindowTitle(texte::TextNr(23005, QStringLiteral("process...")));
    Bar = new QProgressBar(this);
    Bar->setObjectName(QStringLiteral("Bar"));
    Bar->setRange(0, 100);
    Bar->setMinimumWidth(380);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 18);
    layout->addWidget(Bar);
}

Progress::~Progress() = default;
