#!/usr/bin/env python3
"""Checks the media the windows and the game load by fixed name.

A missing counter digit stops the game window from setting up, a jingle that is
too long makes every reveal wait its full time limit, a feedback voice after a
gap in the numbering is never played, a broken link or picture spoils the
manual. Run as a test; prints every fault and exits 1 when there is one.
Usage: check_media.py [data folder] [source root]
"""
import re
import struct
import sys
import wave
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
DATA = Path(sys.argv[1]) if len(sys.argv) > 1 else ROOT / "data"
SOURCES = Path(sys.argv[2]) if len(sys.argv) > 2 else ROOT
DATEN = DATA / "appdata" / "DATEN"
faults = []


def fault(text):
    faults.append(text)


def picture_size(path):
    """Width and height of a GIF, JPEG or PNG file; None when it is none or broken."""
    try:
        b = path.read_bytes()
    except OSError:
        return None
    if b[:6] in (b"GIF87a", b"GIF89a") and len(b) > 10:
        return struct.unpack("<HH", b[6:10])
    if b[:8] == b"\x89PNG\r\n\x1a\n" and len(b) > 24:
        return struct.unpack(">II", b[16:24])
    if b[:2] == b"\xff\xd8":
        i = 2
        while i + 9 < len(b) and b[i] == 0xFF:
            marker, length = b[i + 1], struct.unpack(">H", b[i + 2 : i + 4])[0]
            if 0xC0 <= marker <= 0xCF and marker not in (0xC4, 0xC8, 0xCC):
                height, width = struct.unpack(">HH", b[i + 5 : i + 9])
                return width, height
            i += 2 + length
    return None


def sound_ms(path):
    try:
        with wave.open(str(path)) as w:
            return 1000 * w.getnframes() // w.getframerate()
    except (OSError, wave.Error, EOFError):
        return None


# The counter is sized to one digit picture and paints three side by side.
zero = picture_size(DATEN / "counter0.gif")
if not zero or zero[1] < 32:
    fault(f"counter0.gif: {zero}")
for d in range(1, 10):
    name = f"counter{d}.gif"
    if picture_size(DATEN / name) != zero:
        fault(f"{name}: not the size of the zero {zero}")
    elif (DATEN / name).read_bytes() == (DATEN / "counter0.gif").read_bytes():
        fault(f"{name} is the zero")

# Backgrounds are stretched over the screen; the rest fill their controls.
for name, w, h in [("Back.jpg", 1024, 640), ("back.jpg", 800, 600), ("mac2.gif", 800, 600),
                   ("Deckel.jpg", 400, 240), ("Rahmen.jpg", 400, 200), ("Press.gif", 24, 24),
                   ("Alter.jpg", 160, 120)]:
    size = picture_size(DATEN / name)
    if not size or size[0] < w or size[1] < h:
        fault(f"{name}: {size}, wanted at least {w}x{h}")
# Two spellings, two pictures: the game window's is not the main window's.
if picture_size(DATEN / "Back.jpg") == picture_size(DATEN / "back.jpg"):
    fault("Back.jpg and back.jpg are the same picture")

# The slot runs while the counter rolls; the reveal waits at most 5 s for the jingle.
for name, least, most in [("slot.wav", 1500, 2500), ("sound.wav", 1000, 2000)]:
    ms = sound_ms(DATEN / name)
    if ms is None or not least <= ms <= most:
        fault(f"{name}: {ms} ms, wanted {least} to {most}")

# The game counts "Ja 1.wav", "Ja 2.wav", ... up to the first gap.
for stem in ("Ja", "Nein"):
    numbers = sorted(int(m.group(1)) for p in DATEN.iterdir()
                     if (m := re.fullmatch(stem + r" ([0-9]+)\.wav", p.name)))
    if len(numbers) < 4 or numbers != list(range(1, len(numbers) + 1)):
        fault(f"{stem} voices numbered {numbers}: at least 4, without a gap")
    for n in numbers:
        ms = sound_ms(DATEN / f"{stem} {n}.wav")
        if ms is None or not 200 < ms < 4000:
            fault(f"{stem} {n}.wav: {ms} ms is no quick yes or no")

# The help command opens the manual; its sections link to each other.
manual = DATA / "appdata" / "Anleitung" / "index.htm"
html = manual.read_bytes().decode("utf-8", errors="replace") if manual.exists() else ""
if len(html) < 10000 or '<meta charset="utf-8">' not in html or "\ufffd" in html:
    fault("the manual is missing, a stub or not UTF-8")
ids = set(re.findall(r'id="([^"]+)"', html))
links = re.findall(r'href="#([^"]+)"', html)
if len(links) < 10:
    fault(f"the manual has {len(links)} inner links")
for link in links:
    if link not in ids:
        fault(f"manual link to a missing section: #{link}")
pictures = re.findall(r'src="([^"]+)"', html)
if len(pictures) < 3:
    fault(f"the manual has {len(pictures)} pictures")
for src in pictures:
    if not picture_size(manual.parent / src):
        fault(f"manual picture missing or broken: {src}")

# Every design picture or sound a window loads by a fixed name is supplied
# (temporary "Now" copies aside).
literal = re.compile(r'"((?:DATEN|daten)[/\\]{1,2})?([A-Za-z0-9_ -]+\.(?:gif|jpg|bmp|ico|wav|ttf))"')
found = 0
for folder in ("shell", "quiz", "questions", "exchange", "network", "translation"):
    for source in sorted((SOURCES / folder).rglob("*")):
        if source.suffix not in (".cpp", ".h"):
            continue
        for m in literal.finditer(source.read_text(encoding="utf-8", errors="replace")):
            name = m.group(2)
            if name.lower().startswith("now"):
                continue
            found += 1
            if not (DATEN / name).exists():
                fault(f"{name} ({source.name}) is not supplied")
if found < 8:
    fault("the program's sources were not found")

for f in faults:
    print(f)
print(f"{len(faults)} faults" if faults else "supplied media ok")
sys.exit(1 if faults else 0)
