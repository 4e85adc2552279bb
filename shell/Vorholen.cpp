#include "shell/Vorholen.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <QWidget>
#include <csignal>

namespace {
// The call arrives as a signal; its handler may only write to a pipe, which the
// event loop reads.
int rohr[2] = {-1, -1};

void beiSignal(int) {
    const char c = 1;
    const ssize_t n = ::write(rohr[1], &c, 1);
    (void)n;  // a full pipe holds a call already
}
}  // namespace

Vorholen::Vorholen(std::function<QWidget*()> fenster) : fenster_(std::move(fenster)) {
    if (rohr[0] < 0 && ::pipe2(rohr, O_CLOEXEC | O_NONBLOCK) != 0) return;
    struct sigaction sa {};
    sa.sa_handler = beiSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    ::sigaction(SIGUSR1, &sa, nullptr);
    notifier_ = new QSocketNotifier(rohr[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char puffer[16];
        while (::read(rohr[0], puffer, sizeof puffer) > 0) {
        }
        vorholen();
    });
}

Vorholen::~Vorholen() {
    // Later calls are ignored rather than ending the program.
    ::signal(SIGUSR1, SIG_IGN);
}

void Vorholen::vorholen() {
    if (QWidget* w = fenster_ ? fenster_() : nullptr) {
        w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
        w->show();
        w->raise();
        w->activateWindow();
    }
    emit vorgeholt();
}
