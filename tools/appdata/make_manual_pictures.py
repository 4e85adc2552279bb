#!/usr/bin/python3
"""Pictures of the manual that are not screenshots: the table of music signs of
the "MusicalSymbols" font, drawn with the font itself (data/appdata/Anleitung/bilder/zeichen.png).
Needs imagemagick and the font built by make_font.py."""
import os
import subprocess
import tempfile

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
FONT = os.path.join(ROOT, "data", "appdata", "DATEN", "MusicalSymbols.ttf")
OUT = os.path.join(ROOT, "data", "appdata", "Anleitung", "bilder", "zeichen.png")
CONVERT = "/usr/bin/convert-im6.q16" if os.path.exists("/usr/bin/convert-im6.q16") else "convert"

# key, German name: the signs of tools/content/musical_symbols.md
ZEICHEN = [
    ("&", "Violinschlüssel"), ("?", "Bassschlüssel"), ("C", "Altschlüssel"), ("w", "ganze Note"),
    ("h", "halbe Note"), ("q", "Viertelnote"), ("e", "Achtelnote"), ("x", "Sechzehntel"),
    ("i", "zwei Achtel"), (".", "Punkt"), ("W", "ganze Pause"), ("H", "halbe Pause"),
    ("Q", "Viertelpause"), ("E", "Achtelpause"), ("X", "Sechzehntelpause"), ("#", "Kreuz"),
    ("b", "b (Be)"), ("n", "Auflösungszeichen"), ("p", "piano"), ("m", "mezzo"),
    ("f", "forte"), ("s", "s (sf, sfz)"), ("z", "z (sfz)"), ("<", "Crescendo"),
    (">", "Decrescendo"), ("a", "Akzent"), ("U", "Fermate"), ("t", "Triller"),
    ("S", "Segno"), ("O", "Coda"), ("%", "Takt wiederholen"), ("|", "Taktstrich"),
    ("=", "Doppelstrich"), ("]", "Schlussstrich"), ("{", "Wiederholung Anfang"), ("}", "Wiederholung Ende"),
    ("c", "4/4-Takt (C)"), ("¢", "Alla breve"), ("2", "2/4-Takt"), ("3", "3/4-Takt"),
    ("4", "4/4-Takt"), ("6", "6/8-Takt"), ("_", "Notenlinien"),
]


def cell(tmp, i, key, name):
    sign = os.path.join(tmp, "s%d.png" % i)
    label = os.path.join(tmp, "l%d.png" % i)
    out = os.path.join(tmp, "c%02d.png" % i)
    subprocess.run([CONVERT, "-background", "white", "-fill", "#20305a", "-font", FONT, "-pointsize", "56",
                    "-gravity", "center", "-size", "150x80", "label:" + key.replace("%", "%%"), sign], check=True)
    shown = "Taste  " + key if key != " " else ""
    subprocess.run([CONVERT, "-background", "white", "-fill", "#303030", "-font", "DejaVu-Sans", "-pointsize", "13",
                    "-gravity", "center", "-size", "150x40", "caption:" + (shown + "\n" + name).replace("%", "%%"), label], check=True)
    subprocess.run([CONVERT, sign, label, "-append", "-bordercolor", "#d8d8e8", "-border", "1", out], check=True)
    return out


def main():
    os.makedirs(os.path.dirname(OUT), exist_ok=True)
    with tempfile.TemporaryDirectory() as tmp:
        cells = [cell(tmp, i, k, n) for i, (k, n) in enumerate(ZEICHEN)]
        rows = []
        for r in range(0, len(cells), 6):
            row = os.path.join(tmp, "r%d.png" % r)
            subprocess.run([CONVERT] + cells[r:r + 6] + ["+append", row], check=True)
            rows.append(row)
        subprocess.run([CONVERT] + rows + ["-background", "white", "-append", "-colors", "32", "-strip", OUT],
                       check=True)
    print(os.path.relpath(OUT, ROOT), os.path.getsize(OUT), "bytes")


if __name__ == "__main__":
    main()
