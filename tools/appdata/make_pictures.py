#!/usr/bin/python3
"""The program's own pictures, drawn as SVG and rendered with rsvg-convert and
ImageMagick into data/appdata/DATEN:

  counter0.gif .. counter9.gif  the digits of the rolling counter
  Back.jpg                      main window, splash and game decoration (1280 x 800)
  back.jpg                      the game window's background
  mac2.gif                      the other background ("MacColor" = 1)
  Deckel.jpg                    the cover over the question area while the counter rolls
  Rahmen.jpg                    the decorative frame behind the question area
  Press.gif                     the press button beside each answer
  Alter.jpg                     the picture of the age window

Music signs come from LilyPond's Emmentaler font (see glyphs.py).
Needs python3-fontforge, lilypond-fonts, librsvg2-bin, imagemagick, fonts-dejavu.
"""
import math
import os
import random
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import glyphs  # noqa: E402

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
OUT = os.path.join(ROOT, "data", "appdata", "DATEN")
CONVERT = "/usr/bin/convert-im6.q16" if os.path.exists("/usr/bin/convert-im6.q16") else "convert"
FONT = "DejaVu Sans"

NOTE_COLOURS = ["#4f6fa8", "#b8577a", "#4f9a68", "#d08a2a", "#7a5bb0"]


def svg(w, h, body, defs=""):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
            "<defs>%s</defs>%s</svg>" % (w, h, w, h, defs, body))


def render(name, text, extra=()):
    """Renders SVG text into OUT/name; the extension chooses the format."""
    with tempfile.TemporaryDirectory() as tmp:
        src = os.path.join(tmp, "x.svg")
        png = os.path.join(tmp, "x.png")
        with open(src, "w") as f:
            f.write(text)
        subprocess.run(["rsvg-convert", "-o", png, src], check=True)
        target = os.path.join(OUT, name)
        ext = name.rsplit(".", 1)[1].lower()
        if ext == "jpg":
            args = [CONVERT, png, "-background", "white", "-flatten", "-strip", "-interlace", "none",
                    "-quality", "84", "-sampling-factor", "4:2:0"]
        else:  # gif: keep full transparency, drop half-transparent edge pixels
            args = [CONVERT, png, "-strip", "-channel", "A", "-threshold", "50%", "+channel"]
        subprocess.run(args + list(extra) + [target], check=True)
    print("%-14s %7d bytes" % (name, os.path.getsize(os.path.join(OUT, name))))


# ------------------------------------------------------------------ counter digits

def counter_digit(d):
    w, h = 48, 64
    defs = ('<linearGradient id="drum" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#9a9a9a"/><stop offset="0.18" stop-color="#f4f1e8"/>'
            '<stop offset="0.5" stop-color="#ffffff"/><stop offset="0.82" stop-color="#f4f1e8"/>'
            '<stop offset="1" stop-color="#9a9a9a"/></linearGradient>')
    body = ('<rect x="0" y="0" width="48" height="64" fill="#3a2a1a"/>'
            '<rect x="3" y="2" width="42" height="60" rx="5" fill="url(#drum)"/>'
            '<text x="24" y="49" text-anchor="middle" font-family="%s" font-weight="bold" '
            'font-size="46" fill="#b01818">%d</text>' % (FONT, d))
    render("counter%d.gif" % d, svg(w, h, body, defs), ["+dither", "-colors", "64"])


# ------------------------------------------------------------------ backgrounds

def wavy_staff(w, y0, space, amp, length, phase, colour, opacity, width=2.0):
    lines = []
    for i in range(5):
        pts = []
        for x in range(-20, w + 21, 16):
            y = y0 + i * space + amp * math.sin(2 * math.pi * x / length + phase)
            pts.append("%d %.1f" % (x, y))
        lines.append('<path d="M%s" fill="none" stroke="%s" stroke-opacity="%.2f" stroke-width="%.1f"/>'
                     % (" L".join(pts), colour, opacity, width))
    return "".join(lines)


def staff_y(x, y0, space, amp, length, phase, step):
    """y of a note head on a wavy staff: step 0 = bottom line, 1 = space above, ..."""
    return y0 + 4 * space - step * space / 2 + amp * math.sin(2 * math.pi * x / length + phase)


def staff_with_notes(w, y0, space, amp, length, phase, rnd, opacity, count):
    out = [wavy_staff(w, y0, space, amp, length, phase, "#7f9cc0", 0.55 * opacity)]
    # Treble clef at the start: its origin sits on the G line (second line from the bottom).
    cy = staff_y(40, y0, space, amp, length, phase, 2)
    out.append('<g opacity="%.2f">%s</g>' % (0.8 * opacity, glyphs.sign_svg("clefs.G", 30, cy, space, "#36507a")))
    kinds = ["quarter", "eighth", "half", "quarter", "sixteenth", "whole", "eighth"]
    x = 150
    for _ in range(count):
        step = rnd.randint(-1, 9)
        y = staff_y(x, y0, space, amp, length, phase, step)
        kind = rnd.choice(kinds)
        colour = rnd.choice(NOTE_COLOURS)
        out.append('<g opacity="%.2f">%s</g>' % (0.85 * opacity, glyphs.note_svg(kind, x, y, space, colour,
                                                                                  up=step < 4)))
        x += rnd.randint(int(w / count * 0.7), int(w / count * 1.2))
        if x > w - 40:
            break
    return "".join(out)


def bubbles(w, h, rnd, n, opacity):
    out = []
    for _ in range(n):
        out.append('<circle cx="%d" cy="%d" r="%d" fill="%s" fill-opacity="%.2f"/>' % (
            rnd.randint(0, w), rnd.randint(0, h), rnd.randint(20, 90),
            rnd.choice(["#ffffff", "#ffe3b3", "#d8f0d8", "#f6d6e4", "#d6e6fa"]), opacity))
    return "".join(out)


def scattered_signs(w, h, rnd, n, opacity, size):
    names = ["accidentals.sharp", "accidentals.flat", "accidentals.natural", "rests.2", "clefs.F",
             "scripts.ufermata", "scripts.segno"]
    out = []
    for _ in range(n):
        x, y = rnd.randint(20, w - 40), rnd.randint(20, h - 40)
        if rnd.random() < 0.6:
            sign = glyphs.note_svg(rnd.choice(["quarter", "eighth", "half"]), x, y, size, rnd.choice(NOTE_COLOURS))
        else:
            sign = glyphs.sign_svg(rnd.choice(names), x, y, size, rnd.choice(NOTE_COLOURS))
        out.append('<g opacity="%.2f" transform="rotate(%d %d %d)">%s</g>' % (
            opacity, rnd.randint(-20, 20), x, y, sign))
    return "".join(out)


def back_big():
    w, h = 1280, 800
    rnd = random.Random(7)
    defs = ('<linearGradient id="bg" x1="0" y1="0" x2="1" y2="1">'
            '<stop offset="0" stop-color="#fff6e0"/><stop offset="0.55" stop-color="#f3f1fb"/>'
            '<stop offset="1" stop-color="#dcecfa"/></linearGradient>')
    body = ['<rect width="%d" height="%d" fill="url(#bg)"/>' % (w, h), bubbles(w, h, rnd, 26, 0.45)]
    body.append(staff_with_notes(w, 150, 22, 28, 900, 0.3, rnd, 1.0, 11))
    body.append(staff_with_notes(w, 560, 22, 34, 1100, 2.1, rnd, 1.0, 10))
    body.append(scattered_signs(w, h, rnd, 14, 0.35, 16))
    render("Back.jpg", svg(w, h, "".join(body), defs))


def back_game():
    w, h = 1024, 768
    rnd = random.Random(11)
    defs = ('<linearGradient id="bg" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#eef7ee"/><stop offset="1" stop-color="#fdf0e2"/></linearGradient>')
    body = ['<rect width="%d" height="%d" fill="url(#bg)"/>' % (w, h), bubbles(w, h, rnd, 18, 0.5)]
    body.append(staff_with_notes(w, 620, 18, 20, 800, 1.0, rnd, 0.55, 9))
    body.append(scattered_signs(w, h, rnd, 12, 0.25, 14))
    render("back.jpg", svg(w, h, "".join(body), defs))


def mac_background():
    # Flat colours only: a GIF keeps them exactly and stays small.
    w, h = 1024, 768
    rnd = random.Random(3)
    body = ['<rect width="%d" height="%d" fill="#e9e4f5"/>' % (w, h)]
    for row in range(0, h, 128):
        for col in range(0, w, 128):
            x = col + (64 if (row // 128) % 2 else 0) + 40
            y = row + 80
            kind = ["quarter", "eighth", "half"][(row // 128 + col // 128) % 3]
            body.append(glyphs.note_svg(kind, x, y, 14, "#d3cbea"))
    body.append(wavy_staff(w, 330, 20, 24, 1000, 0.8, "#c6bde2", 1.0, 3.0))
    render("mac2.gif", svg(w, h, "".join(body)), ["+dither", "-colors", "16"])
    del rnd


# ------------------------------------------------------------------ game window parts

def cover():
    w, h = 960, 560
    rnd = random.Random(5)
    defs = ('<linearGradient id="fold" x1="0" y1="0" x2="1" y2="0">'
            '<stop offset="0" stop-color="#7a0f1c"/><stop offset="0.5" stop-color="#c8283a"/>'
            '<stop offset="1" stop-color="#7a0f1c"/></linearGradient>'
            '<radialGradient id="spot" cx="0.5" cy="0.45" r="0.5">'
            '<stop offset="0" stop-color="#fff3c4" stop-opacity="0.55"/>'
            '<stop offset="1" stop-color="#fff3c4" stop-opacity="0"/></radialGradient>')
    body = []
    for x in range(0, w, 60):
        body.append('<rect x="%d" y="0" width="60" height="%d" fill="url(#fold)"/>' % (x, h))
    body.append('<rect width="%d" height="%d" fill="url(#spot)"/>' % (w, h))
    # Valance with tassels.
    body.append('<path d="M0 0 H%d V60 Q%d 95 %d 60 ' % (w, w - 60, w - 120))
    body.append(" ".join("Q%d 95 %d 60" % (x - 60, x - 120) for x in range(w - 120, 0, -120)))
    body.append(' V0 Z" fill="#e0b040" stroke="#a67c1a" stroke-width="3"/>')
    body.append('<text x="%d" y="%d" text-anchor="middle" font-family="%s" font-weight="bold" font-size="260" '
                'fill="#ffd75a" stroke="#8a5a00" stroke-width="6">?</text>' % (w // 2, h // 2 + 110, FONT))
    for i in range(9):
        a = 2 * math.pi * i / 9
        x, y = w / 2 + 300 * math.cos(a), h / 2 + 20 + 190 * math.sin(a)
        body.append(glyphs.note_svg(rnd.choice(["quarter", "eighth", "sixteenth"]), x, y, 22, "#ffe9a8"))
    render("Deckel.jpg", svg(w, h, "".join(body), defs))


def frame():
    w, h = 1000, 500
    defs = ('<linearGradient id="wood" x1="0" y1="0" x2="1" y2="1">'
            '<stop offset="0" stop-color="#e9c46a"/><stop offset="0.5" stop-color="#b8862b"/>'
            '<stop offset="1" stop-color="#e9c46a"/></linearGradient>')
    body = ('<rect width="%d" height="%d" rx="24" fill="url(#wood)"/>' % (w, h) +
            '<rect x="18" y="18" width="%d" height="%d" rx="14" fill="none" stroke="#fff2c0" stroke-width="4"/>'
            % (w - 36, h - 36) +
            '<rect x="40" y="40" width="%d" height="%d" rx="8" fill="#fffdf6"/>' % (w - 80, h - 80))
    render("Rahmen.jpg", svg(w, h, body, defs))


def press_button():
    defs = ('<radialGradient id="b" cx="0.4" cy="0.35" r="0.65">'
            '<stop offset="0" stop-color="#ffffff"/><stop offset="0.35" stop-color="#6fa8ff"/>'
            '<stop offset="1" stop-color="#1f4fa8"/></radialGradient>')
    body = ('<circle cx="24" cy="24" r="21" fill="#0d2f6b"/><circle cx="24" cy="23" r="19" fill="url(#b)"/>'
            '<ellipse cx="20" cy="15" rx="9" ry="5" fill="#ffffff" fill-opacity="0.6"/>')
    render("Press.gif", svg(48, 48, body, defs))


def age_picture():
    w, h = 320, 240
    rnd = random.Random(9)
    body = ['<rect width="%d" height="%d" fill="#fff4e6"/>' % (w, h), bubbles(w, h, rnd, 8, 0.7)]
    # A birthday cake whose candles carry little flames, with notes flying up.
    body.append('<rect x="70" y="140" width="180" height="70" rx="10" fill="#f6a6b8" stroke="#b8577a" '
                'stroke-width="3"/>')
    body.append('<rect x="90" y="100" width="140" height="45" rx="8" fill="#ffd6e0" stroke="#b8577a" '
                'stroke-width="3"/>')
    body.append('<path d="M70 160 Q95 180 120 160 T170 160 T220 160 T250 160" fill="none" stroke="#ffffff" '
                'stroke-width="6"/>')
    for i, x in enumerate(range(110, 220, 27)):
        body.append('<rect x="%d" y="72" width="8" height="30" fill="%s"/>' % (x, NOTE_COLOURS[i % 5]))
        body.append('<ellipse cx="%d" cy="64" rx="5" ry="9" fill="#ffb000"/>' % (x + 4))
    body.append('<rect x="40" y="208" width="240" height="10" rx="5" fill="#b08060"/>')
    for i in range(6):
        body.append(glyphs.note_svg(rnd.choice(["eighth", "quarter", "sixteenth"]), 30 + i * 50,
                                    60 - (i % 2) * 25 + (40 if i in (0, 5) else 0), 11, NOTE_COLOURS[i % 5]))
    render("Alter.jpg", svg(w, h, "".join(body)))


def main():
    os.makedirs(OUT, exist_ok=True)
    for d in range(10):
        counter_digit(d)
    back_big()
    back_game()
    mac_background()
    cover()
    frame()
    press_button()
    age_picture()


if __name__ == "__main__":
    main()
