#include <QApplication>
#include <QDateTime>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

#include "shell/ErsterStart.h"
#include "shell/Startup.h"

namespace {
// With MELVATO_STARTZEIT set the program reports when its main window is first
// on the screen and ends there (bench/start_window.sh measures the start).
struct StartMelder : QObject {
    bool gezeigt = false;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (!gezeigt && e->type() == QEvent::Expose && o->objectName() == QStringLiteral("MDIWindow") &&
            static_cast<QWindow*>(o)->isExposed()) {
            gezeigt = true;
            std::printf("shown %lld\n", static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
            std::fflush(stdout);
            QCoreApplication::quit();
        }
        return false;
    }
};
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    StartMelder melder;
    if (std::getenv("MELVATO_STARTZEIT")) app.installEventFilter(&melder);
    ErsterStart::FuerDiesesProgramm();
    Startup startup;
    startup.run();
    if (melder.gezeigt) return 0;
    return app.exec();
}
