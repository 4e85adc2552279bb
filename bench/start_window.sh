#!/bin/sh
# Start-up time as a whole process: from exec to the visible main window, for
# melvato on the supplied data and for a bare Qt main window with a menu, five
# alternating runs each, under Xvfb (a private display) or the $DISPLAY given.
# Prints both medians and their ratio. Usage: bench/start_window.sh [build dir]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
runs=${RUNS:-5}
work=$(mktemp -d)
xvfb=""
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# The bare program: one main window with a menu; it reports the moment its
# window is first exposed (milliseconds since the epoch) and quits.
cat >"$work/bare.cpp" <<'CPP'
#include <QApplication>
#include <QDateTime>
#include <QMainWindow>
#include <QMenuBar>
#include <QWindow>
#include <cstdio>
#include <sys/resource.h>
struct Melder : QObject {
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Expose && static_cast<QWindow*>(o)->isExposed()) {
            rusage ru{};
            getrusage(RUSAGE_SELF, &ru);
            std::printf("shown %lld %lld\n", static_cast<long long>(QDateTime::currentMSecsSinceEpoch()),
                        (ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) * 1000LL +
                            (ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1000);
            std::fflush(stdout);
            QCoreApplication::quit();
        }
        return false;
    }
};
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow w;
    w.menuBar()->addMenu(QStringLiteral("Datei"))->addAction(QStringLiteral("Ende"));
    w.resize(1024, 640);
    Melder m;
    w.winId();
    w.windowHandle()->installEventFilter(&m);
    w.show();
    return app.exec();
}
CPP
# shellcheck disable=SC2046
g++ -std=c++20 -O2 -fPIC "$work/bare.cpp" -o "$work/bare" $(pkg-config --cflags --libs Qt6Widgets)

if [ -z "${DISPLAY:-}" ]; then
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 1280x800x24 >/dev/null 2>&1 &
    xvfb=$!
    while [ ! -s "$work/display" ]; do sleep 0.05; done
    DISPLAY=":$(cat "$work/display")"
    export DISPLAY
fi
export SDL_AUDIODRIVER=dummy XDG_DATA_HOME="$work/data"

now() { date +%s%3N; }
# Prints "<milliseconds from exec to the window's first exposure> <processor
# milliseconds used until then>". The processor time hardly moves with the
# machine's load, the clock does.
measure() {
    start=$(now)
    set -- $("$@" 2>/dev/null | sed -n 's/^shown //p' | head -n 1)
    echo "$(($1 - start)) ${2:-0}"
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# The first start copies the supplied data into the user's folder; measure the
# starts after it.
MELVATO_STARTZEIT=1 "$build/melvato" >/dev/null 2>&1 || true
: >"$work/bare.ms"
: >"$work/melvato.ms"
i=0
while [ "$i" -lt "$runs" ]; do
    measure "$work/bare" >>"$work/bare.ms"
    MELVATO_STARTZEIT=1 measure "$build/melvato" >>"$work/melvato.ms"
    i=$((i + 1))
done
for what in bare melvato; do
    eval "${what}_wall=\$(cut -d' ' -f1 <\"\$work/$what.ms\" | median)"
    eval "${what}_cpu=\$(cut -d' ' -f2 <\"\$work/$what.ms\" | median)"
done
echo "bare window: $(cut -d' ' -f1 <"$work/bare.ms" | tr '\n' ' ')ms, median $bare_wall ms; processor median $bare_cpu ms"
echo "melvato:     $(cut -d' ' -f1 <"$work/melvato.ms" | tr '\n' ' ')ms, median $melvato_wall ms; processor median $melvato_cpu ms"
awk -v a="$melvato_wall" -v b="$bare_wall" -v c="$melvato_cpu" -v d="$bare_cpu" \
    'BEGIN {printf "ratio melvato / bare: %.2f (processor time: %.2f)\n", a / b, c / d}'
