#!/usr/bin/env python3
"""Writes the question lists that come with the program into data/appdata/Spiele/.

Each list is what the list window builds from its filters (subject areas and
grades) over the supplied questions, saved in the window's key order; the test
SuppliedLists builds them again with the program's own code and compares.
"""
import glob
import os
import re

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
APPDATA = os.path.join(ROOT, "data", "appdata")

# name: (areas or None for all, grades)
LISTEN = {
    "Klasse 1 und 2": (None, {1, 2}),
    "Klasse 3 und 4": (None, {2, 3, 4}),
    "Klasse 5 und 6": (None, {3, 4, 5, 6}),
    "Hören": (["Hören"], set(range(1, 10))),
    "Instrumente": (["Instrumente"], set(range(1, 10))),
    "Noten lesen": (["Notenlehre", "Rhythmus"], {1, 2, 3, 4}),
}


def fragen():
    """(number, area, problem) of every supplied question, in number order."""
    out = []
    for datei in glob.glob(os.path.join(APPDATA, "Fragen *.Dat")):
        text = open(datei, "rb").read().decode("latin-1")  # scrambled texts use every byte
        for teil in re.split(r"\r\n(?=\[Quiz )", text):
            m = re.match(r"\[Quiz (\d+)\]", teil)
            if not m:
                continue
            werte = dict(z.split("=", 1) for z in teil.split("\r\n")[1:] if "=" in z)
            if werte.get("Frage", "") == "":
                continue
            problem = int(re.match(r"-?\d*", werte.get("Problem", "")).group() or 0)
            out.append((int(m.group(1)), werte.get("Bereich", ""), problem))
    return sorted(out)


def main():
    alle = fragen()
    themen = []
    for _, bereich, _ in alle:
        if bereich and bereich not in themen:
            themen.append(bereich)
    os.makedirs(os.path.join(APPDATA, "Spiele"), exist_ok=True)
    for name, (bereiche, grade) in LISTEN.items():
        gewaehlt = themen if bereiche is None else bereiche
        nummern = [n for n, b, p in alle if b in gewaehlt and min(max(p // 10, 1), 9) in grade]
        z = ["[Allgemein]", "Typ=Melvato-Frageliste", "UnterTyp=1", "DieseNicht=", "DieseImmer=", "UnWörter=",
             "[FragenListe]"]
        z += [f"Frage {i}={n:03d}" for i, n in enumerate(nummern, 1)] + [f"Frage {len(nummern) + 1}="]
        z += ["[Schwierig]"] + [f"Grad {g}={'-1' if g in grade else '0'}" for g in range(1, 10)]
        z += ["[Themen]"] + [f"{t}={'-1' if t in gewaehlt else '0'}" for t in themen]
        with open(os.path.join(APPDATA, "Spiele", name + ".lst"), "wb") as f:
            f.write(("\r\n".join(z) + "\r\n").encode("cp1252"))
        print(f"{name}: {len(nummern)} Fragen")


if __name__ == "__main__":
    main()
