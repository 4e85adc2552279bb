#!/usr/bin/env bash
# Spoken feedback of the game: "Ja n.wav" after a right answer, "Nein n.wav"
# after a wrong one, numbered from 1 without gaps (the game counts them at load).
# Needs espeak-ng and sox. Writes into data/appdata/DATEN.
set -euo pipefail
cd "$(dirname "$0")/../.."
out=data/appdata/DATEN
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

ja=("Richtig!" "Super!" "Genau!" "Prima, das stimmt!" "Toll gemacht!")
nein=("Leider falsch." "Schade." "Nein, das war nichts." "Versuch es noch einmal." "Das stimmt leider nicht.")
# A few voice variants, so that the feedback does not always sound the same.
stimmen=("de+f3" "de+m3" "de+f2" "de+m1" "de+f4")

speak() {  # text, voice, target
  espeak-ng -v "$2" -s 135 -p 55 -w "$tmp/raw.wav" "$1"
  # Mono, 22.05 kHz, a little silence trimmed, short fade, normalised.
  sox "$tmp/raw.wav" "$tmp/cut.wav" silence 1 0.02 0.5% reverse silence 1 0.02 0.5% reverse
  sox "$tmp/cut.wav" -r 22050 -c 1 -b 16 "$3" pad 0.05 0.1 fade t 0.01 -0 0.05 norm -1
}

for i in "${!ja[@]}"; do speak "${ja[$i]}" "${stimmen[$i]}" "$out/Ja $((i + 1)).wav"; done
for i in "${!nein[@]}"; do speak "${nein[$i]}" "${stimmen[$i]}" "$out/Nein $((i + 1)).wav"; done
ls -l "$out"/Ja*.wav "$out"/Nein*.wav
