"""Exercises shared by the questions and by their pictures and sounds.

Note reading, rhythms to hear, melodies to hear and notes to hear are written
once here; fragen/ builds the questions from them and media_lessons.py the
notation pictures and the sounds, so a question and its media cannot drift apart.
"""

# Staff places in the treble clef, from c' up to c''' (index = step above c').
# Each entry: German name with octave marks, LilyPond pitch, where it stands.
TREBLE = [
    ("c’", "c'", "auf der ersten Hilfslinie unter den fünf Linien"),
    ("d’", "d'", "direkt unter der untersten Linie"),
    ("e’", "e'", "auf der ersten, der untersten Linie"),
    ("f’", "f'", "im ersten Zwischenraum von unten"),
    ("g’", "g'", "auf der zweiten Linie, um die sich der Violinschlüssel windet"),
    ("a’", "a'", "im zweiten Zwischenraum von unten"),
    ("h’", "b'", "auf der dritten Linie, der Mittellinie"),
    ("c’’", "c''", "im dritten Zwischenraum von unten"),
    ("d’’", "d''", "auf der vierten Linie"),
    ("e’’", "e''", "im vierten, dem obersten Zwischenraum"),
    ("f’’", "f''", "auf der fünften, der obersten Linie"),
    ("g’’", "g''", "direkt über der obersten Linie"),
    ("a’’", "a''", "auf der ersten Hilfslinie über den fünf Linien"),
    ("h’’", "b''", "direkt über der ersten Hilfslinie"),
    ("c’’’", "c'''", "auf der zweiten Hilfslinie über den fünf Linien"),
]
TREBLE_BELOW = ("h", "b", "direkt unter der ersten Hilfslinie")
# Notes that older questions ask already (c', f', g', a', f'' and the bass f).
ASKED_TREBLE = {0, 3, 4, 5, 10}
ASKED_BASS = {10}
TREBLE_ABOVE = ("d’’’", "d'''", "direkt über der zweiten Hilfslinie")

# The same for the bass clef, from the great C up to c'.
BASS = [
    ("C", "c,", "auf der zweiten Hilfslinie unter den fünf Linien"),
    ("D", "d,", "direkt unter der ersten Hilfslinie"),
    ("E", "e,", "auf der ersten Hilfslinie unter den fünf Linien"),
    ("F", "f,", "direkt unter der untersten Linie"),
    ("G", "g,", "auf der ersten, der untersten Linie"),
    ("A", "a,", "im ersten Zwischenraum von unten"),
    ("H", "b,", "auf der zweiten Linie"),
    ("c", "c", "im zweiten Zwischenraum von unten"),
    ("d", "d", "auf der dritten Linie, der Mittellinie"),
    ("e", "e", "im dritten Zwischenraum von unten"),
    ("f", "f", "auf der vierten Linie, zwischen den zwei Punkten des Schlüssels"),
    ("g", "g", "im vierten, dem obersten Zwischenraum"),
    ("a", "a", "auf der fünften, der obersten Linie"),
    ("h", "b", "direkt über der obersten Linie"),
    ("c’", "c'", "auf der ersten Hilfslinie über den fünf Linien"),
]
BASS_BELOW = ("Kontra-H", "b,,", "direkt unter der zweiten Hilfslinie")
BASS_ABOVE = ("d’", "d'", "direkt über der ersten Hilfslinie")

LETTERS = "cdefgah"


def letter(name):
    return name[0].lower()


# Rhythms: LilyPond durations on one pitch, "r" for a rest; the syllables a class
# speaks for them; their beats (for the sound). One bar of 4/4 each.
RHYTHMS = {
    "vier_viertel": ("c4 c c c", [1, 1, 1, 1]),
    "zwei_halbe": ("c2 c", [2, 2]),
    "vv_halbe": ("c4 c c2", [1, 1, 2]),
    "halbe_vv": ("c2 c4 c", [2, 1, 1]),
    "ganze": ("c1", [4]),
    "achtel_viertel": ("c8 c c4 c8 c c4", [0.5, 0.5, 1, 0.5, 0.5, 1]),
    "viertel_achtel": ("c4 c8 c c4 c8 c", [1, 0.5, 0.5, 1, 0.5, 0.5]),
    "achtel_halbe": ("c8 c c c c2", [0.5, 0.5, 0.5, 0.5, 2]),
    "viertel_pause": ("c4 r c r", [1, -1, 1, -1]),
    "pause_viertel": ("r4 c r c", [-1, 1, -1, 1]),
    "punktiert": ("c4. c8 c2", [1.5, 0.5, 2]),
    "sechs_achtel_viertel": ("c8 c c c c c c4", [0.5] * 6 + [1]),
    "drei_viertel_pause": ("c4 c c r", [1, 1, 1, -1]),
    "halbe_punktiert": ("c2. c4", [3, 1]),
}

# Rhythm questions: three (or four) rhythms in the picture, the one heard, grade.
RHYTHM_SETS = [
    (["vier_viertel", "zwei_halbe", "ganze"], 0, 10),
    (["zwei_halbe", "vier_viertel", "vv_halbe"], 2, 10),
    (["vv_halbe", "halbe_vv", "vier_viertel"], 1, 20),
    (["ganze", "zwei_halbe", "vier_viertel"], 1, 10),
    (["achtel_viertel", "vier_viertel", "viertel_achtel"], 0, 20),
    (["vier_viertel", "achtel_viertel", "viertel_achtel"], 2, 20),
    (["viertel_pause", "vier_viertel", "pause_viertel"], 0, 20),
    (["vier_viertel", "drei_viertel_pause", "viertel_pause"], 1, 20),
    (["achtel_halbe", "vv_halbe", "sechs_achtel_viertel", "halbe_vv"], 3, 30),
    (["vv_halbe", "punktiert", "zwei_halbe", "achtel_halbe"], 1, 30),
    (["halbe_punktiert", "zwei_halbe", "ganze", "vv_halbe"], 0, 30),
    (["achtel_viertel", "sechs_achtel_viertel", "achtel_halbe", "viertel_achtel"], 2, 30),
]

# Short melodies (LilyPond, relative to nothing: absolute pitches) and what
# makes each one recognisable, for the explanations.
MELODIES = {
    "auf": ("c'4 d' e' f' g'1", "steigt Schritt für Schritt nach oben"),
    "ab": ("g'4 f' e' d' c'1", "geht Schritt für Schritt nach unten"),
    "gleich": ("e'4 e' e' e' e'1", "bleibt immer auf demselben Ton"),
    "dreiklang_auf": ("c'4 e' g' c'' g'1", "springt in großen Sprüngen nach oben"),
    "dreiklang_ab": ("c''4 g' e' c' c'1", "springt in großen Sprüngen nach unten"),
    "hin_her": ("c'4 g' c' g' c'1", "springt immer hin und her"),
    "auf_ab": ("c'4 e' g' e' c'1", "geht erst nach oben und dann wieder zurück"),
    "ab_auf": ("g'4 e' c' e' g'1", "geht erst nach unten und dann wieder hinauf"),
    "wiederholt_auf": ("c'4 c' d' d' e'1", "wiederholt jeden Ton und steigt dann einen Schritt"),
    "sprung_schritt": ("c'4 c'' b' a' g'1", "springt hoch hinauf und geht dann in Schritten zurück"),
}
MELODY_SETS = [
    (["auf", "ab", "gleich"], 0, 10),
    (["dreiklang_auf", "ab", "auf"], 1, 10),
    (["gleich", "hin_her", "auf"], 2, 20),
    (["auf_ab", "ab_auf", "gleich"], 0, 20),
    (["dreiklang_ab", "auf_ab", "ab_auf"], 2, 20),
    (["auf", "dreiklang_auf", "hin_her"], 1, 20),
    (["wiederholt_auf", "auf", "gleich"], 0, 30),
    (["ab", "sprung_schritt", "dreiklang_ab"], 1, 30),
    (["hin_her", "auf_ab", "dreiklang_auf"], 0, 30),
    (["ab_auf", "dreiklang_ab", "sprung_schritt"], 2, 30),
]

# Notes to hear: the c' sounds first, then one of the four notes in the picture.
HEAR_SETS = [
    (["e'", "g'", "c''", "f'"], 2),
    (["c''", "d'", "a'", "e'"], 1),
    (["g'", "c''", "e'", "a'"], 0),
    (["e'", "a'", "c''", "c'"], 3),
    (["d'", "g'", "c''", "e'"], 1),
    (["c''", "e'", "g'", "d'"], 0),
]
