#!/usr/bin/env bash
# Screenshots of the manual (data/appdata/Anleitung/bilder/*.png): starts the built
# program on a virtual screen with a fresh data folder and photographs its windows,
# one program run per picture. Needs xvfb, xdotool and imagemagick; the program
# must be built (build/melvato).
#   tools/appdata/make_screenshots.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/../.."
build="${1:-build}"
out=data/appdata/Anleitung/bilder
mkdir -p "$out"
tmp=$(mktemp -d)
export XDG_RUNTIME_DIR="$tmp/run" SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb DISPLAY=:77
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
Xvfb :77 -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
prog=""
cleanup() {
  if [ -n "$prog" ]; then kill -KILL "$prog" 2>/dev/null || true; fi
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT
sleep 1
convert=/usr/bin/convert-im6.q16
[ -x "$convert" ] || convert=convert

shot() {  # name
  import -window root "$tmp/$1.png"
  "$convert" "$tmp/$1.png" -resize '1024x1024>' -strip +dither -colors 128 "$out/$1.png"
  echo "$out/$1.png $(stat -c %s "$out/$1.png") bytes"
}
click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-2}"; }

# Starts the program on a fresh data folder, with its main window over the whole screen.
starten() {
  if [ -n "$prog" ]; then kill -KILL "$prog" 2>/dev/null || true; fi
  export XDG_DATA_HOME="$tmp/share$RANDOM"
  "$build/melvato" >/dev/null 2>&1 &
  prog=$!
  sleep 6
  local win
  win=$(xdotool search --name "Melvato" 2>/dev/null | tail -1 || true)
  if [ -n "$win" ]; then xdotool windowmove "$win" 0 0 windowsize "$win" 1280 800; fi
  sleep 1
}

# Toolbar of the main window before any child window is open (mode 0).
play=(31 46)
# shellcheck disable=SC2034  # used in the commented steps at the end
newlist=(204 46) editor=(254 46) settings=(304 46)

starten
shot hauptfenster

starten
click "${play[@]}"
shot alter
xdotool type --delay 100 "9"
xdotool key Return
sleep 8
shot spiel
xdotool key 3
sleep 2
shot antwort

# The editor, list and settings windows can be photographed the same way:
#   starten; click "${editor[@]}" 3; shot editor
#   starten; click "${newlist[@]}" 3; shot liste
#   starten; click "${settings[@]}" 3; shot einstellungen  (crop to the window)
# The package window (paket.png) needs own questions: write a "Fragen 0.Dat" with
# a few questions and their pictures into the data folder, then
#   click 149 10 1; click 170 130; click 545 319; click 888 319 1; shot paket
# and crop the picture to the window.

# The translation editor (Optionen > Übersetzung bearbeiten…) and, after
# choosing English under Optionen > Sprache and starting again, the main window
# in English with its Options menu open.
starten
click 234 10 1
click 317 58 3
shot uebersetzung
xdotool key Escape
sleep 1
click 234 10 1
click 272 82 1
click 472 106 2
xdotool key Return
sleep 1
kill -KILL "$prog" 2>/dev/null || true
"$build/melvato" >/dev/null 2>&1 &
prog=$!
sleep 6
win=$(xdotool search --name "Melvato" 2>/dev/null | tail -1 || true)
if [ -n "$win" ]; then xdotool windowmove "$win" 0 0 windowsize "$win" 1280 800; fi
sleep 1
click 174 10 1
shot englisch
