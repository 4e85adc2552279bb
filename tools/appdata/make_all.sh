#!/usr/bin/env bash
# Rebuilds every generated file of the data folder template (media, font,
# translation tables). Installs the Debian packages the generators need.
set -euo pipefail
cd "$(dirname "$0")/../.."
packages=(espeak-ng sox fluidsynth fluid-soundfont-gm python3-fontforge fontforge-nox lilypond-fonts
          librsvg2-bin imagemagick fonts-dejavu-core)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
tools/appdata/make_voices.sh
/usr/bin/python3 tools/appdata/make_sounds.py
/usr/bin/python3 tools/appdata/make_pictures.py
/usr/bin/python3 tools/appdata/make_font.py
python3 tools/appdata/make_tables.py
/usr/bin/python3 tools/appdata/make_manual_pictures.py
