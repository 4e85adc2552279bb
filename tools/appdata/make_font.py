#!/usr/bin/python3
"""Builds the music-symbol font "MusicalSymbols" (data/appdata/DATEN/MusicalSymbols.ttf)
from LilyPond's Emmentaler font, following the character table in
tools/content/musical_symbols.md. Every code 33..255 draws a sign; codes without
a sign of their own draw a black note head.

The glyphs are drawn on an imagined staff whose bottom line is the baseline.
Emmentaler is licensed under the SIL Open Font License 1.1 with the reserved
names "Emmentaler" and "Feta"; this derived font therefore carries another name
and the same licence (written beside the font).

Needs python3-fontforge and lilypond-fonts.
"""
import os
import sys

import fontforge
import psMat

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import glyphs  # noqa: E402

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
OUT = os.path.join(ROOT, "data", "appdata", "DATEN")

SP = 250          # staff space in Emmentaler units
SCALE = 0.6       # the whole staff is 0.6 em high, so a line of signs fits a text line
HEAD_Y = 1.5 * SP  # note heads sit in the second space
STEM_W = 32
STEM_TOP = HEAD_Y + 3.5 * SP
THIN, THICK, GAP = 36, 120, 70
LEFT, RIGHT = 40, 60  # side bearings

src = glyphs.font()


def rect(x0, y0, x1, y1):
    c = fontforge.contour()
    c.moveTo(x0, y0)
    c.lineTo(x0, y1)
    c.lineTo(x1, y1)
    c.lineTo(x1, y0)
    c.closed = True
    return c


def poly(points):
    c = fontforge.contour()
    c.moveTo(*points[0])
    for p in points[1:]:
        c.lineTo(*p)
    c.closed = True
    return c


class Drawing:
    """A glyph under construction in Emmentaler units."""

    def __init__(self):
        self.layer = fontforge.layer()

    def sign(self, name, x=0, y=0):
        part = src[name].foreground.dup()
        part.transform(psMat.translate(x, y))
        for c in part:
            self.layer += c
        return src[name].boundingBox()

    def add(self, contour):
        self.layer += contour

    def note(self, x, head="noteheads.s2", stem=True, flag=None):
        bb = self.sign(head, x, HEAD_Y)
        if stem:
            sx = x + bb[2] - STEM_W
            self.add(rect(sx, HEAD_Y + 0.15 * SP, sx + STEM_W, STEM_TOP))
            if flag:
                self.sign(flag, sx, STEM_TOP)
            return sx
        return None


def stacked(top, bottom):
    def draw(d):
        wt = src[top].boundingBox()[2]
        wb = src[bottom].boundingBox()[2]
        w = max(wt, wb)
        d.sign(top, (w - wt) / 2, 2 * SP)
        d.sign(bottom, (w - wb) / 2, 0)
    return draw


def barline(parts):
    """parts: sequence of 'thin', 'thick', 'dots' from left to right."""
    def draw(d):
        x = 0
        for p in parts:
            if p == "dots":
                d.sign("dots.dot", x, 1.5 * SP)
                d.sign("dots.dot", x, 2.5 * SP)
                x += 112 + GAP
            else:
                w = THIN if p == "thin" else THICK
                d.add(rect(x, 0, x + w, 4 * SP))
                x += w + GAP
    return draw


def hairpin(opening):
    def draw(d):
        length, mid, half, t = 900, 1.0 * SP, 0.5 * SP, 34
        a, b = (0, length) if opening else (length, 0)
        d.add(poly([(a, mid - t / 2), (b, mid - half - t / 2), (b, mid - half + t / 2), (a, mid + t / 2)]))
        d.add(poly([(a, mid - t / 2), (a, mid + t / 2), (b, mid + half + t / 2), (b, mid + half - t / 2)]))
    return draw


def beamed_pair(d):
    s1 = d.note(0)
    s2 = d.note(2 * SP)
    d.add(rect(s1, STEM_TOP - 0.48 * SP, s2 + STEM_W, STEM_TOP))


def bar_repeat(d):
    d.add(poly([(60, 0.5 * SP), (200, 0.5 * SP), (560, 3.5 * SP), (420, 3.5 * SP)]))
    d.sign("dots.dot", 90, 2.6 * SP)
    d.sign("dots.dot", 420, 1.4 * SP)


def staff_piece(d):
    for i in range(5):
        d.add(rect(-LEFT, i * SP - 12, 2.2 * SP + RIGHT, i * SP + 12))


def simple(name, y):
    return lambda d: d.sign(name, 0, y)


# code -> how to draw it (the table of tools/content/musical_symbols.md)
TABLE = {
    38: simple("clefs.G", 1 * SP),
    63: simple("clefs.F", 3 * SP),
    67: simple("clefs.C", 2 * SP),
    119: lambda d: d.note(0, "noteheads.s0", stem=False),
    104: lambda d: d.note(0, "noteheads.s1"),
    113: lambda d: d.note(0),
    101: lambda d: d.note(0, flag="flags.u3"),
    120: lambda d: d.note(0, flag="flags.u4"),
    105: beamed_pair,
    87: simple("rests.0", 3 * SP),
    72: simple("rests.1", 2 * SP),
    81: simple("rests.2", 2 * SP),
    69: simple("rests.3", 2 * SP),
    88: simple("rests.4", 2 * SP),
    46: simple("dots.dot", HEAD_Y),
    35: simple("accidentals.sharp", HEAD_Y),
    98: simple("accidentals.flat", HEAD_Y),
    110: simple("accidentals.natural", HEAD_Y),
    112: simple("p", 0),
    109: simple("m", 0),
    102: simple("f", 0),
    115: simple("s", 0),
    122: simple("z", 0),
    60: hairpin(True),
    62: hairpin(False),
    97: simple("scripts.sforzato", 4.6 * SP),
    85: simple("scripts.ufermata", 4.4 * SP),
    116: simple("scripts.trill", 4.4 * SP),
    83: simple("scripts.segno", 2 * SP),
    79: simple("scripts.coda", 2 * SP),
    37: bar_repeat,
    124: barline(["thin"]),
    61: barline(["thin", "thin"]),
    93: barline(["thin", "thick"]),
    123: barline(["thick", "thin", "dots"]),
    125: barline(["dots", "thin", "thick"]),
    99: simple("timesig.C44", 2 * SP),
    162: simple("timesig.C22", 2 * SP),
    50: stacked("two", "four"),
    51: stacked("three", "four"),
    52: stacked("four", "four"),
    54: stacked("six", "eight"),
    95: staff_piece,
}


def unicode_of(code):
    """The character the program shows for a Windows-1252 byte."""
    try:
        return ord(bytes([code]).decode("cp1252"))
    except UnicodeDecodeError:
        return code  # the five unassigned bytes stay C1 control codes


def build():
    f = fontforge.font()
    f.encoding = "UnicodeFull"
    f.em = 1000
    f.ascent, f.descent = 800, 200
    f.fontname = "MusicalSymbols"
    f.familyname = "MusicalSymbols"
    f.fullname = "MusicalSymbols"
    f.weight = "Regular"
    f.version = "1.0"
    f.copyright = ("Glyph outlines from the Emmentaler font, (c) 1996-2017 The LilyPond authors, "
                   "with Reserved Font Names Emmentaler and Feta. MusicalSymbols is a modified version "
                   "made for Melvato and is licensed under the SIL Open Font License, Version 1.1.")
    f.appendSFNTName("English (US)", "License", "SIL Open Font License, Version 1.1")
    f.appendSFNTName("English (US)", "License URL", "https://openfontlicense.org")
    # Room for stems above and dynamics below the staff; line height about 1.3 em.
    for attr, value in (("os2_winascent", 1000), ("os2_windescent", 300), ("hhea_ascent", 1000),
                        ("hhea_descent", -300), ("os2_typoascent", 1000), ("os2_typodescent", -300),
                        ("os2_typolinegap", 0), ("hhea_linegap", 0)):
        setattr(f, attr, value)
    for attr in ("os2_winascent_add", "os2_windescent_add", "hhea_ascent_add", "hhea_descent_add",
                 "os2_typoascent_add", "os2_typodescent_add"):
        setattr(f, attr, False)

    space = f.createChar(32, "space")
    space.width = int(round((2 * SP + LEFT + RIGHT) * SCALE))

    for code in range(33, 256):
        d = Drawing()
        TABLE.get(code, lambda dd: dd.note(0, stem=False))(d)
        g = f.createChar(unicode_of(code), "ms%03d" % code)
        g.foreground = d.layer
        xmin, _, xmax, _ = g.boundingBox()
        shift = LEFT - xmin if code != 95 else 0
        g.transform(psMat.compose(psMat.translate(shift, 0), psMat.scale(SCALE)))
        g.width = int(round((xmax + shift + RIGHT) * SCALE)) if code != 95 else int(round(2.2 * SP * SCALE))
        g.removeOverlap()
        g.correctDirection()
        g.round()
    f.generate(os.path.join(OUT, "MusicalSymbols.ttf"))


def licence():
    text = open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "OFL-1.1.txt"), encoding="utf-8").read()
    head = ("MusicalSymbols.ttf\r\n\r\n"
            "Copyright (c) 1996-2017 The LilyPond authors (lilypond.org), with Reserved Font Names\r\n"
            "\"Emmentaler\" and \"Feta\". MusicalSymbols is a Modified Version of the Emmentaler font,\r\n"
            "rearranged for the Melvato music quiz (tools/appdata/make_font.py).\r\n\r\n")
    with open(os.path.join(OUT, "MusicalSymbols OFL.txt"), "w", encoding="utf-8", newline="") as out:
        out.write(head + text.replace("\r\n", "\n").replace("\n", "\r\n"))


if __name__ == "__main__":
    os.makedirs(OUT, exist_ok=True)
    build()
    licence()
    print("MusicalSymbols.ttf", os.path.getsize(os.path.join(OUT, "MusicalSymbols.ttf")), "bytes")
