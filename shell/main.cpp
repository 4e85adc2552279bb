#include <QApplication>
#include <QDateTime>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

#include <sys/resource.h>

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
            // The processor time so far as well: unlike the clock it does not move with
            // what else the machine is doing.
            rusage ru{};
            getrusage(RUSAGE_SELF, &ru);
            const long long cpu = (ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) * 1000LL +
                                  (ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1000;
            std::printf("shown %lld %lld\n", static_cast<long long>(QDateTime::currentMSecsSinceEpoch()),
                        cpu);
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
