#!/usr/bin/env bash
# Screenshots of the manual (data/appdata/Anleitung/bilder/*.png): starts the built
# program on a virtual screen with a fresh data folder and photographs its windows.
# Needs xvfb, xdotool and imagemagick; the program must be built (build/melvato).
#   tools/appdata/make_screenshots.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/../.."
build="${1:-build}"
out=data/appdata/Anleitung/bilder
mkdir -p "$out"
tmp=$(mktemp -d)
export XDG_DATA_HOME="$tmp/share" XDG_RUNTIME_DIR="$tmp/run" SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export DISPLAY=:77
Xvfb :77 -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
prog=""
cleanup() {
  [ -n "$prog" ] && kill -KILL "$prog" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT
sleep 1

convert=/usr/bin/convert-im6.q16
[ -x "$convert" ] || convert=convert
shot() {  # name [geometry of the part to keep]
  import -window root "$tmp/$1.png"
  local crop=()
  [ -n "${2:-}" ] && crop=(-crop "$2" +repage)
  "$convert" "$tmp/$1.png" "${crop[@]}" -resize '1024x1024>' -strip +dither -colors 128 "$out/$1.png"
  echo "$out/$1.png $(stat -c %s "$out/$1.png") bytes"
}
main_window() { xdotool search --name "Melvato" 2>/dev/null | tail -1; }

"$build/melvato" >/dev/null 2>&1 &
prog=$!
sleep 6
win=$(main_window || true)
if [ -n "$win" ]; then
  xdotool windowmove "$win" 0 0 windowsize "$win" 1280 800 || true
  sleep 1
fi
shot hauptfenster
