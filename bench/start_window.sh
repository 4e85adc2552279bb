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
struct Melder : QObject {
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Expose && static_cast<QWindow*>(o)->isExposed()) {
            std::printf("shown %lld\n", static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
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
# Milliseconds from exec to the window's first exposure.
measure() {
    start=$(now)
    shown=$("$@" 2>/dev/null | sed -n 's/^shown //p' | head -n 1)
    echo $((shown - start))
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
bare=$(median <"$work/bare.ms")
melvato=$(median <"$work/melvato.ms")
echo "bare window: $(tr '\n' ' ' <"$work/bare.ms")ms, median $bare ms"
echo "melvato:     $(tr '\n' ' ' <"$work/melvato.ms")ms, median $melvato ms"
awk -v a="$melvato" -v b="$bare" 'BEGIN {printf "ratio melvato / bare: %.2f\n", a / b}'
