#!/usr/bin/env bash
# Rebuilds every generated file of the data folder template (media, font,
# translation tables). Installs the Debian packages the generators need.
set -euo pipefail
cd "$(dirname "$0")/../.."
packages=(espeak-ng sox fluidsynth fluid-soundfont-gm python3-fontforge fontforge-nox lilypond-fonts
          librsvg2-bin imagemagick fonts-dejavu-core)
tools/install-packages.sh "${packages[@]}"
tools/appdata/make_voices.sh
/usr/bin/python3 tools/appdata/make_sounds.py
/usr/bin/python3 tools/appdata/make_pictures.py
/usr/bin/python3 tools/appdata/make_font.py
python3 tools/appdata/make_tables.py
/usr/bin/python3 tools/appdata/make_manual_pictures.py
