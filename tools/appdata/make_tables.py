#!/usr/bin/env python3
"""Writes the translation tables from tools/appdata/texte.tsv:

  data/common/Translation.dat              the German language table
  data/common/Translation English.Dat      the English emergency table
  data/common/Beispiel Englisch/Personal Translation.dat
                                           an English personal table as an example
  data/appdata/Sprache.id                  the values the [Abschnitt:Schlüssel] placeholders read

data/common is the template of the maker's common folder, data/appdata the
template of the data folder. All files are Windows-1252 with CR LF.
"""
import os
import sys

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
SOURCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "texte.tsv")
COMMON = os.path.join(ROOT, "data", "common")
APPDATA = os.path.join(ROOT, "data", "appdata")
VERSION = "3.0.1"
FONT = "DejaVu Sans"
DATE = "06.12.2026"  # fixed, so that a rebuild gives the same bytes


def read_texts():
    texts = []
    seen = set()
    with open(SOURCE, encoding="utf-8") as f:
        for n, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) != 4:
                sys.exit("texte.tsv:%d: want 4 tab-separated fields" % n)
            tid, parent, de, en = int(fields[0]), int(fields[1]), fields[2], fields[3]
            if not 10000 <= tid < 99999:
                sys.exit("texte.tsv:%d: number %d out of range" % (n, tid))
            if tid in seen:
                sys.exit("texte.tsv:%d: number %d twice" % (n, tid))
            for t in (de, en):
                if ";" in t or not t.strip():
                    sys.exit("texte.tsv:%d: empty text or text with ';'" % n)
                t.encode("cp1252")
                if len(t.encode("cp1252")) > 455:
                    sys.exit("texte.tsv:%d: text longer than 455 characters" % n)
            seen.add(tid)
            texts.append((tid, parent, de, en))
    # The engine finds an id's common form (thousands digit 0) before the id
    # itself, so a project id whose common form is in the table never shows.
    for tid, _, _, _ in texts:
        common = (tid // 10000) * 10000 + tid % 1000
        if common != tid and common in seen:
            sys.exit("number %d is hidden by %d, its common form: choose another" % (tid, common))
    if len(texts) > 1000:
        sys.exit("more than 1000 texts: the tables hold 1000")
    return sorted(texts)


def write(path, lines):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("cp1252"))
    print("%-60s %6d bytes" % (os.path.relpath(path, ROOT), os.path.getsize(path)))


def main():
    texts = read_texts()
    # Language table: header lines "n<Tab>value<Tab>x", a remark, then the entries.
    head = [
        "1\tDeutsch\tx",
        "2\t" + VERSION + "\tx",
        "3\t" + DATE + "\tx",
        "4\tVarulak - Melvato, das interaktive Musikquiz\tx",
        "5\t" + FONT + "\tx",
        "6\t10\tx",
        "7\t0\tx",
        "",
        "0\tNummer, Eltern-Nummer, Text. Alles ab einem Semikolon wird nicht gelesen.",
        "",
    ]
    write(os.path.join(COMMON, "Translation.dat"), head + ["%d\t%d\t%s" % (t, p, de) for t, p, de, _ in texts])

    # Emergency table: the number's digits are searched anywhere in the file, so
    # the digits of a number stand only at the start of its own line (no parent
    # numbers, a remark without digits).
    write(os.path.join(COMMON, "Translation English.Dat"),
          ["English texts for numbers that the language table lacks"] +
          ["%d\t0\t%s" % (t, en) for t, _, _, en in texts])

    # Personal table as the translation editor writes it: numbers with a leading blank.
    personal = [
        " 1\tEnglish\tx",
        " 2\t" + VERSION + "\tx",
        " 3\t" + DATE + "\tx",
        " 4\tExample: copy this file into the common folder to switch Melvato to English\tx",
        " 5\t" + FONT + "\tx",
        " 6\t10\tx",
        " 7\t1\tx",
    ] + [" %d\t %d\t%s" % (t, p, en) for t, p, _, en in texts]
    write(os.path.join(COMMON, "Beispiel Englisch", "Personal Translation.dat"), personal)
    write(os.path.join(COMMON, "Beispiel Englisch", "Lies mich.txt"), [
        "Englische Oberfläche für Melvato",
        "",
        "Die Datei \"Personal Translation.dat\" in diesem Ordner ist eine persönliche",
        "Übersetzung ins Englische. Um sie zu benutzen, wähle in Melvato",
        "Optionen > Sprache > English und starte das Programm neu. Optionen > Sprache >",
        "Deutsch schaltet zurück.",
        "",
        "Eigene Texte schreibst du im Übersetzungs-Fenster des Programms, es speichert",
        "sie in derselben Datei.",
    ])

    write(os.path.join(APPDATA, "Sprache.id"), [
        "[Programm]",
        "Name=Melvato",
        "Version=" + VERSION,
        "Hersteller=Varulak",
        "Titel=Das interaktive Musikquiz",
        "",
        "[Sprache]",
        "Name=Deutsch",
        "Kurz=de",
    ])


if __name__ == "__main__":
    main()
