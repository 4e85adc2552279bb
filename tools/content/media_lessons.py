"""Pictures and sounds of the exercises in uebungen.py.

NOTATION entries are LilyPond music as in media_notation.py; an entry that
starts with RAW is a whole LilyPond file body (several numbered scores).
SOUNDS entries are tracks as in media_sounds.py.
"""

import re

from media_sounds import DRUMS, Piece, Track
from uebungen import (ASKED_BASS, ASKED_TREBLE, BASS, HEAR_SETS, MELODIES, MELODY_SETS, RHYTHM_SETS, RHYTHMS,
                      TREBLE)

RAW = "%raw\n"
_NOTE = re.compile(r"(as|es|[a-gr])(is|es)?([',]*)(\d*)(\.?)")
_STEP = {"c": 0, "d": 2, "e": 4, "f": 5, "g": 7, "a": 9, "b": 11}


def lily_notes(music):
    """(MIDI pitch or None for a rest, beats) for absolute LilyPond notes like "c'4 e' b8."."""
    out, beats = [], 1.0
    for token in music.split():
        m = _NOTE.fullmatch(token)
        if not m:
            raise ValueError("cannot read note %r" % token)
        name, acc, marks, dur, dot = m.groups()
        if name in ("as", "es"):  # the Dutch names of a flat and e flat
            name, acc = name[0], "es"
        if dur:
            beats = 4.0 / int(dur) * (1.5 if dot else 1.0)
        if name == "r":
            out.append((None, beats))
            continue
        pitch = 48 + _STEP[name] + {"is": 1, "es": -1, None: 0}[acc] + 12 * marks.count("'") - 12 * marks.count(",")
        out.append((pitch, beats))
    return out


def _numbered(staff, bodies, resolution):
    scores = "\n".join(
        r'\score { \new %s \with { instrumentName = \markup \huge "%d" } { \time 4/4 %s \bar "|." } }'
        % (staff, k, body) for k, body in enumerate(bodies, start=1))
    # every line equally wide, so that no rhythm looks longer than another
    layout = r"\layout { ragged-right = ##f line-width = 75\mm }"
    return (RAW + r"\paper { indent = 9\mm }" + "\n" + layout + "\n" + scores, resolution)


def _single(clef, pitch):
    return (r"\omit Staff.TimeSignature \clef %s %s1" % (clef, pitch), 220)


def _rhythm_sound(beats):
    """Four soft clicks to count in, then the rhythm clapped over a quiet beat."""
    t = Track(DRUMS, 90, seconds=8)
    for k in range(4):
        t.notes.append((k, 0.2, 37, 70))  # side stick: eins, zwei, drei, vier
    start = 4.0
    for k in range(4):
        t.notes.append((start + k, 0.2, 44, 45))  # the beat goes on softly (pedal hi-hat)
    for b in beats:
        if b > 0:
            t.notes.append((start, 0.3, 39, 118))  # hand clap
            # a long value is heard as long: a soft shaker fills it
            fill = start + 0.5
            while fill < start + b - 0.25:
                t.notes.append((fill, 0.2, 70, 35))
                fill += 0.5
        start += abs(b)
    return t


def _melody_sound(music, program=74):
    t = Track(program, 96, seconds=6)
    start = 0.0
    for pitch, beats in lily_notes(music):
        if pitch is not None:
            t.notes.append((start, beats * 0.9, pitch, 95))
        start += beats
    return t


def _hear_sound(target):
    t = Track(0, 72, seconds=5)
    t.notes.append((0, 1.4, 60, 90))  # the c' to compare with
    t.notes.append((2.2, 1.6, lily_notes(target + "1")[0][0], 100))
    return t


NOTATION, SOUNDS = {}, {}

for i, (_, pitch, _) in enumerate(TREBLE):
    if i not in ASKED_TREBLE:
        NOTATION["n_violin_%02d.gif" % i] = _single("treble", pitch)
for i, (_, pitch, _) in enumerate(BASS):
    if i not in ASKED_BASS:
        NOTATION["n_bass_%02d.gif" % i] = _single("bass", pitch)

for nr, (names, heard, _) in enumerate(RHYTHM_SETS, start=1):
    NOTATION["n_rhythmus_%02d.gif" % nr] = _numbered("RhythmicStaff", [RHYTHMS[n][0] for n in names], 150)
    SOUNDS["s_rhythmus_%02d.ogg" % nr] = _rhythm_sound(RHYTHMS[names[heard]][1])

for nr, (names, heard, _) in enumerate(MELODY_SETS, start=1):
    NOTATION["n_melodie_%02d.gif" % nr] = _numbered("Staff", [MELODIES[n][0] for n in names], 140)
    SOUNDS["s_melodie_%02d.ogg" % nr] = _melody_sound(MELODIES[names[heard]][0])

for nr, (notes, heard) in enumerate(HEAR_SETS, start=1):
    body = " ".join(n + "1" for n in notes)
    NOTATION["n_hoer_ton_%02d.gif" % nr] = (
        r"\omit Staff.TimeSignature \omit Staff.BarLine \clef treble << { %s } \addlyrics { \markup \huge 1 \markup \huge 2 "
        r"\markup \huge 3 \markup \huge 4 } >>" % body, 170)
    SOUNDS["s_hoer_ton_%02d.ogg" % nr] = _hear_sound(notes[heard])

# Rests and notes with accidentals
for name, rest in (("ganz", "r1"), ("halb", "r2"), ("viertel", "r4"), ("achtel", "r8"), ("sechzehntel", "r16")):
    NOTATION["n_pause_%s.gif" % name] = (r"\omit Staff.TimeSignature \clef treble %s" % rest, 220)
for name in ("cis'", "es'", "gis'", "as'", "dis''"):
    NOTATION["n_ton_%s.gif" % name.replace("'", "")] = _single("treble", name)

NOTATION["n_thema_beethoven5.gif"] = (
    r"\clef treble \key c \minor \time 2/4 r8 g'8 g' g' | es'2\fermata | r8 f'8 f' f' | d'2 ~ | d'2\fermata"
    r' \bar "|"', 130)

# Note and rest values compared
NOTATION["n_vergleich_pause_note.gif"] = (r"\omit Staff.TimeSignature \clef treble r2 c''4", 220)
NOTATION["n_vergleich_pausen.gif"] = (r"\omit Staff.TimeSignature \clef treble r4 r8", 220)
NOTATION["n_punktierte_halbe.gif"] = (r"\omit Staff.TimeSignature \clef treble c''2.", 220)
NOTATION["n_takt_luecke.gif"] = (r"\clef treble \time 4/4 c''2 c''4 s4" + r' \bar "|"', 200)
