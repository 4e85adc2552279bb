#include "shell/Startup.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMainWindow>

#include "quiz/FMod.h"
#include "services/ApiClass.h"
#include "shell/MelvatoBasic.h"

Startup::Startup() { dlg::setDialogs(&dialogs_); }

Startup::~Startup() {
    mainWindow_.reset();
    FSOUND_Close();
    MelvatoBasic::ReleaseApi();
    dlg::setDialogs(nullptr);
}

void Startup::run() {
    MelvatoBasic::StartupParts parts;
    parts.yield = [] { QCoreApplication::processEvents(); };
    parts.mousePointer = [](int code) {
        if (code == 11)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        else
            while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
    };
    parts.showMain = [this] {
        mainWindow_ = std::make_unique<QMainWindow>();
        mainWindow_->setObjectName(QStringLiteral("MDI"));
        mainWindow_->setWindowTitle(QStringLiteral("Melvato"));
        mainWindow_->resize(1024, 700);
        mainWindow_->show();
    };
    MelvatoBasic::Main(parts);
}
