#!/usr/bin/env python3
"""Renders the pictures and sounds of the supplied questions.

Notation pictures come from LilyPond, instrument pictures from our own SVG
drawings (rsvg-convert), sounds from MIDI through FluidSynth with the General
MIDI SoundFont. About a third of the files go into the media archive
"Daten 1.DAT" of the installation folder; the data folder then holds a stub
(" 1 " and CR LF) in their place, as the program expects.

Needs (Debian): lilypond fluidsynth fluid-soundfont-gm imagemagick sox
libsox-fmt-all librsvg2-bin.

    tools/content/make_media.py            # everything
    tools/content/make_media.py n_ton_c.gif s_klavier.ogg   # only these
"""

import os
import subprocess
import sys
import tempfile
import zipfile
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import media_lessons  # noqa: E402
import media_works  # noqa: E402
from media_instruments import INSTRUMENTS  # noqa: E402
from media_notation import NOTATION  # noqa: E402
from media_sounds import SOUNDS  # noqa: E402


def _merge(into, *others):
    for other in others:
        twice = set(into) & set(other)
        if twice:
            raise SystemExit("media named twice: " + ", ".join(sorted(twice)))
        into.update(other)


_merge(NOTATION, media_lessons.NOTATION)
_merge(SOUNDS, media_lessons.SOUNDS, media_works.SOUNDS)
_merge(INSTRUMENTS, media_works.INSTRUMENTS)

REPO = os.path.abspath(os.path.join(HERE, "..", ".."))
DATEN = os.path.join(REPO, "data", "appdata", "DATEN")
ARCHIVE_DIR = os.path.join(REPO, "data", "install", "DATEN")
ARCHIVE_NUMBER = 1
ARCHIVE = os.path.join(ARCHIVE_DIR, "Daten %d.DAT" % ARCHIVE_NUMBER)
STUB = (" %d \r\n" % ARCHIVE_NUMBER).encode("ascii")
SOUNDFONT = "/usr/share/sounds/sf2/FluidR3_GM.sf2"
CONVERT = "/usr/bin/convert"  # ImageMagick itself, not a wrapper earlier in PATH
# Fixed time stamp inside the archive, so that a rebuild gives the same bytes.
ZIP_TIME = (2024, 1, 1, 12, 0, 0)

LILY_HEAD = r"""\version "2.24.0"
\header { tagline = ##f }
\paper { indent = 0 }
\layout { \context { \Score \remove "Bar_number_engraver" } }
"""


def all_media():
    return sorted(list(NOTATION) + list(INSTRUMENTS) + list(SOUNDS))


def archived(name):
    """About every third file lives in the archive, chosen by its name alone, so
    that a new file does not move the others."""
    return zlib.crc32(name.encode("ascii")) % 3 == 1


def run(cmd, **kw):
    subprocess.run(cmd, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, **kw)


def to_picture(png, out):
    """White background, a little margin, at least 300 x 160, stored in the format of `out`."""
    ext = os.path.splitext(out)[1].lower()
    cmd = [CONVERT, png, "-background", "white", "-alpha", "remove", "-alpha", "off",
           "-bordercolor", "white", "-border", "16", "-gravity", "center",
           "-extent", "%[fx:max(w,300)]x%[fx:max(h,160)]"]
    # -extent does not take fx expressions in every version: measure first.
    size = subprocess.run([CONVERT, png, "-format", "%w %h", "info:"], check=True, capture_output=True,
                          text=True).stdout.split()
    w, h = int(size[0]) + 32, int(size[1]) + 32
    cmd[-1] = "%dx%d" % (max(w, 300), max(h, 160))
    cmd += ["-strip"]
    if ext == ".gif":
        cmd += ["-colors", "64"]
    elif ext == ".jpg":
        cmd += ["-quality", "88", "-sampling-factor", "4:2:0"]
    elif ext == ".bmp":
        cmd += ["-type", "Palette", "-colors", "64"]
        out = "BMP3:" + out
    run(cmd + [out])


def notation(names, work):
    """Sets the pictures with one LilyPond run per resolution (its start-up is the slow part).
    Returns {name: cropped png}."""
    out = {}
    by_resolution = {}
    for k, name in enumerate(names):
        music, resolution = NOTATION[name]
        base = os.path.join(work, "ly%03d" % k)
        with open(base + ".ly", "w", encoding="utf-8") as f:
            raw = music.startswith(media_lessons.RAW)
            f.write(LILY_HEAD + (music[len(media_lessons.RAW):] if raw else "{ " + music + " }") + "\n")
        by_resolution.setdefault(resolution, []).append(os.path.basename(base) + ".ly")
        out[name] = base + ".cropped.png"
    for resolution, files in by_resolution.items():
        # several files in one run put their output beside themselves only without "-o"
        run(["lilypond", "-dcrop", "--png", "-dresolution=%d" % resolution, "-s"] + files, cwd=work)
    return out


def instrument(name, work):
    svg = os.path.join(work, "pic.svg")
    png = os.path.join(work, "pic.png")
    with open(svg, "w", encoding="utf-8") as f:
        f.write(INSTRUMENTS[name]())
    run(["rsvg-convert", svg, "-o", png])
    return png


def sound(name, out, work):
    mid = os.path.join(work, "s.mid")
    wav = os.path.join(work, "s.wav")
    with open(mid, "wb") as f:
        f.write(SOUNDS[name].midi())
    run(["fluidsynth", "-ni", "-q", "-g", "0.7", "-r", "22050", "-F", wav, SOUNDFONT, mid])
    # mono 22050 Hz, silence at the end cut, cut at the sound's length, a short fade-out
    run(["sox", wav, "-c", "1", "-r", "22050", "-C", "1", out,
         "norm", "-2", "reverse", "silence", "1", "0.05", "0.4%", "fade", "t", "0.15", "reverse",
         "trim", "0", "%g" % SOUNDS[name].seconds, "fade", "t", "0", "-0", "0.3"])


def build(names):
    os.makedirs(DATEN, exist_ok=True)
    os.makedirs(ARCHIVE_DIR, exist_ok=True)
    packed = {}
    if os.path.exists(ARCHIVE):
        with zipfile.ZipFile(ARCHIVE) as z:
            packed = {i.filename: z.read(i) for i in z.infolist()}
    with tempfile.TemporaryDirectory() as work:
        set_pictures = notation([n for n in names if n in NOTATION], work)
        for name in names:
            out = os.path.join(work, name)
            if name in NOTATION:
                to_picture(set_pictures[name], out)
            elif name in INSTRUMENTS:
                to_picture(instrument(name, work), out)
            elif name in SOUNDS:
                sound(name, out, work)
            else:
                raise SystemExit("unknown media file: " + name)
            with open(out, "rb") as f:
                data = f.read()
            target = os.path.join(DATEN, name)
            if archived(name):
                packed[name] = data
                with open(target, "wb") as f:
                    f.write(STUB)
            else:
                packed.pop(name, None)
                with open(target, "wb") as f:
                    f.write(data)
            print("%-28s %7d bytes%s" % (name, len(data), "  (archive)" if archived(name) else ""))
    # every file goes where the rule puts it, also those not made again this time
    for name in all_media():
        target = os.path.join(DATEN, name)
        if name in packed or not os.path.exists(target):
            continue
        with open(target, "rb") as f:
            data = f.read()
        if archived(name) and len(data) >= 10:
            packed[name] = data
            with open(target, "wb") as f:
                f.write(STUB)
    for name in list(packed):
        target = os.path.join(DATEN, name)
        if not archived(name) and name in set(all_media()):
            with open(target, "wb") as f:
                f.write(packed.pop(name))
    # names that are no longer media of ours leave the archive
    known = set(all_media())
    tmp = ARCHIVE + ".tmp"
    with zipfile.ZipFile(tmp, "w", zipfile.ZIP_DEFLATED) as z:
        for name in sorted(packed):
            if name in known:
                info = zipfile.ZipInfo(name, ZIP_TIME)
                info.compress_type = zipfile.ZIP_DEFLATED
                info.external_attr = 0o644 << 16
                z.writestr(info, packed[name])
    os.replace(tmp, ARCHIVE)


def main(argv):
    if argv[1:] == ["--layout"]:
        build([])  # only puts every file where the archive rule wants it
        return
    build(argv[1:] or all_media())


if __name__ == "__main__":
    main(sys.argv)
