"""Sounds of the listening questions, written as MIDI and rendered by FluidSynth.

Each entry: file name -> Track. A track is a list of notes (start and length in
beats, MIDI pitch, velocity) on one General MIDI instrument, or on the drum
channel when the program is DRUMS.
"""

import struct
from dataclasses import dataclass, field

DRUMS = -1
TICKS = 480  # per beat

_STEPS = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "H": 11, "B": 10}


def p(name):
    """German note name with octave to a MIDI number: "C4" is 60, "Fis4" 66, "B3" 58."""
    letter, rest = name[0].upper(), name[1:]
    step = _STEPS[letter]
    if rest.startswith("is"):
        step, rest = step + 1, rest[2:]
    elif rest.startswith("es") or rest.startswith("s"):
        step, rest = step - 1, rest[2:] if rest.startswith("es") else rest[1:]
    return 12 * (int(rest) + 1) + step


@dataclass
class Track:
    program: int
    bpm: int = 100
    notes: list = field(default_factory=list)  # (start, length, pitch, velocity)
    seconds: float = 6.0  # the rendered sound is cut here

    def melody(self, items, start=0.0, velocity=90):
        """items: (note name or None for a rest, beats). Returns the end in beats."""
        t = start
        for name, beats in items:
            if name is not None:
                for single in name.split("+"):
                    self.notes.append((t, beats * 0.95, p(single), velocity))
            t += beats
        return t

    def midi(self):
        return Piece([self], self.bpm, seconds=self.seconds).midi()


@dataclass
class Piece:
    """Several tracks played together, each on its own channel; the tempo may
    change at given beats (tempo: list of (beat, bpm))."""
    parts: list
    bpm: int = 100
    tempo: list = field(default_factory=list)
    seconds: float = 6.0

    def midi(self):
        events = []
        for beat, bpm in [(0, self.bpm)] + list(self.tempo):
            events.append((int(beat * TICKS), 0, b"\xff\x51\x03" + (60_000_000 // bpm).to_bytes(3, "big")))
        melodic = iter(c for c in range(16) if c != 9)
        for part in self.parts:
            channel = 9 if part.program == DRUMS else next(melodic)
            if channel != 9:
                events.append((0, 1, bytes([0xC0 | channel, part.program])))
            for start, length, pitch, vel in part.notes:
                events.append((int(start * TICKS), 3, bytes([0x90 | channel, pitch, vel])))
                events.append((int((start + length) * TICKS), 2, bytes([0x80 | channel, pitch, 0])))
        events.sort(key=lambda e: (e[0], e[1]))
        data = bytearray()
        last = 0
        for tick, _, body in events:
            data += _varlen(tick - last) + body
            last = tick
        # a short silence lets the last note ring out
        data += _varlen(TICKS // 2) + b"\xff\x2f\x00"
        return b"MThd" + struct.pack(">IHHH", 6, 0, 1, TICKS) + b"MTrk" + struct.pack(">I", len(data)) + bytes(data)


def _varlen(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.append(0x80 | (n & 0x7F))
        n >>= 7
    return bytes(reversed(out))


def _tune(program, items, bpm=100, velocity=90):
    t = Track(program, bpm)
    t.melody(items, velocity=velocity)
    return t


# A short phrase that shows an instrument's sound: up a triad and back down.
def _phrase(program, base, bpm=110):
    n = p(base)
    names = [n, n + 4, n + 7, n + 12, n + 7, n + 4]
    t = Track(program, bpm)
    for i, m in enumerate(names):
        t.notes.append((i * 0.5, 0.48, m, 95))
    t.notes.append((3.0, 1.9, n, 95))
    return t


def _interval(semitones, base="C4"):
    t = Track(0, 80)
    n = p(base)
    t.notes += [(0, 0.95, n, 95), (1, 0.95, n + semitones, 95), (2.2, 1.8, n, 85), (2.2, 1.8, n + semitones, 85)]
    return t


def _chord(root, minor):
    n = p(root)
    third = 3 if minor else 4
    t = Track(0, 80)
    for i, k in enumerate((0, third, 7)):
        t.notes.append((i * 0.6, 0.55, n + k, 90))
    for k in (0, third, 7, 12):
        t.notes.append((2.0, 2.0, n + k, 90))
    return t


def _two_tones(first, second):
    t = Track(0, 70)
    t.notes += [(0, 0.9, p(first), 95), (1.2, 0.9, p(second), 95)]
    return t


def _waltz():
    t = Track(0, 150)
    for bar in range(3):
        b = bar * 3
        t.notes += [(b, 0.9, p("C3"), 105), (b + 1, 0.5, p("E4"), 60), (b + 1, 0.5, p("G4"), 60),
                    (b + 2, 0.5, p("E4"), 60), (b + 2, 0.5, p("G4"), 60)]
    return t


def _march():
    t = Track(DRUMS, 132)
    for bar in range(3):
        b = bar * 4
        t.notes += [(b, 0.5, 36, 120), (b + 1, 0.5, 38, 70), (b + 2, 0.5, 36, 95), (b + 3, 0.5, 38, 70)]
    return t


def _six_eight():
    t = Track(0, 200)
    for bar in range(3):
        b = bar * 6
        for k in range(6):
            t.notes.append((b + k, 0.9, p("G4") if k in (0, 3) else p("C4"), 115 if k == 0 else (90 if k == 3 else 50)))
    return t


def _dynamics(louder):
    t = Track(0, 140)
    for k in range(10):
        vel = 25 + k * 10 if louder else 120 - k * 10
        t.notes.append((k * 0.5, 0.45, p("G4"), vel))
    return t


def _accelerando():
    t = Track(DRUMS, 60)
    start, gap = 0.0, 1.0
    while start < 5.2:
        t.notes.append((start, 0.2, 76, 100))  # woodblock
        start += gap
        gap = max(0.18, gap * 0.8)
    return t


def _staccato(short):
    t = Track(0, 110)
    for k, name in enumerate(("C4", "D4", "E4", "F4", "G4", "F4", "E4", "D4", "C4")):
        t.notes.append((k * 0.5, 0.12 if short else 0.5, p(name), 90))
    return t


def _count(n):
    t = Track(9, 60)  # glockenspiel
    for k in range(n):
        t.notes.append((k * 0.8, 0.6, p("E5"), 100))
    return t


def _drum_kit():
    t = Track(DRUMS, 110)
    for beat in range(8):
        t.notes.append((beat * 0.5, 0.25, 42, 80))
        if beat % 4 == 0:
            t.notes.append((beat * 0.5, 0.25, 36, 115))
        if beat % 4 == 2:
            t.notes.append((beat * 0.5, 0.25, 38, 110))
    t.notes.append((4.0, 1.0, 49, 110))
    t.notes.append((4.0, 1.0, 36, 115))
    return t


E8, Q4, H2, DQ, W1 = 0.5, 1.0, 2.0, 1.5, 4.0


def _bagpipe():
    """Chanter melody over the two drones (A3 and A2) that sound from first to last note."""
    t = Track(109, 90)
    end = t.melody([("A4", 1.0), ("H4", 0.5), ("Cis5", 0.5), ("D5", 1.0), ("E5", 2.0), ("Cis5", 1.0), ("A4", 2.0)])
    t.notes += [(0, end, p("A3"), 80), (0, end, p("A2"), 80)]
    return t

SOUNDS = {
    # instruments
    "s_klavier.ogg": _phrase(0, "C4"),
    "s_cembalo.ogg": _phrase(6, "C4"),
    "s_orgel.ogg": _phrase(19, "C4", bpm=90),
    "s_akkordeon.ogg": _phrase(21, "C4"),
    "s_gitarre.ogg": _phrase(24, "E3"),
    "s_geige.ogg": _phrase(40, "G4", bpm=90),
    "s_cello.ogg": _phrase(42, "C3", bpm=90),
    "s_harfe.ogg": _phrase(46, "C4", bpm=140),
    "s_pauke.ogg": _tune(47, [("F2", Q4), ("C2", Q4), ("F2", Q4), ("C2", Q4), ("F2", H2)], bpm=110, velocity=110),
    "s_trompete.ogg": _tune(56, [("C4", 0.33), ("C4", 0.33), ("C4", 0.33), ("G4", DQ), ("E4", E8), ("G4", H2)], bpm=90),
    "s_posaune.ogg": _phrase(57, "C3", bpm=90),
    "s_tuba.ogg": _tune(58, [("C2", Q4), ("G2", Q4), ("C2", Q4), ("G2", Q4), ("C2", H2)], bpm=100),
    "s_saxophon.ogg": _phrase(65, "D4"),
    "s_klarinette.ogg": _phrase(71, "C4", bpm=100),
    "s_querfloete.ogg": _phrase(73, "C5", bpm=100),
    "s_blockfloete.ogg": _tune(74, [("C5", Q4), ("D5", Q4), ("E5", Q4), ("F5", Q4), ("G5", H2)], bpm=100),
    "s_xylophon.ogg": _phrase(13, "C5", bpm=130),
    "s_glockenspiel.ogg": _tune(9, [("C6", Q4), ("E6", Q4), ("G6", Q4), ("C7", H2)], bpm=110),
    "s_dudelsack.ogg": _bagpipe(),
    "s_schlagzeug.ogg": _drum_kit(),
    # intervals, played one after the other and then together
    "s_int_sekunde.ogg": _interval(2),
    "s_int_terz.ogg": _interval(4),
    "s_int_quarte.ogg": _interval(5),
    "s_int_quinte.ogg": _interval(7),
    "s_int_oktave.ogg": _interval(12),
    # major and minor
    "s_dur_c.ogg": _chord("C4", False),
    "s_moll_c.ogg": _chord("C4", True),
    "s_dur_f.ogg": _chord("F4", False),
    "s_moll_a.ogg": _chord("A3", True),
    # higher or lower
    "s_hoch_tief.ogg": _two_tones("C5", "C4"),
    "s_tief_hoch.ogg": _two_tones("G3", "G4"),
    "s_gleich.ogg": _two_tones("E4", "E4"),
    # metre, dynamics, tempo, articulation, counting
    "s_walzer.ogg": _waltz(),
    "s_marsch.ogg": _march(),
    "s_sechs_achtel.ogg": _six_eight(),
    "s_lauter.ogg": _dynamics(True),
    "s_leiser.ogg": _dynamics(False),
    "s_schneller.ogg": _accelerando(),
    "s_staccato.ogg": _staccato(True),
    "s_legato.ogg": _staccato(False),
    "s_drei_toene.ogg": _count(3),
    "s_fuenf_toene.ogg": _count(5),
    "s_tonleiter_auf.ogg": _tune(0, [(n, E8) for n in ("C4", "D4", "E4", "F4", "G4", "A4", "H4", "C5")], bpm=100),
    "s_tonleiter_ab.ogg": _tune(0, [(n, E8) for n in ("C5", "H4", "A4", "G4", "F4", "E4", "D4", "C4")], bpm=100),
    "s_kuckuck.ogg": _tune(73, [("G5", Q4), ("E5", H2), (None, Q4), ("G5", Q4), ("E5", H2)], bpm=100),
    # melodies everyone knows
    "s_entchen.ogg": _tune(0, [("C4", E8), ("D4", E8), ("E4", E8), ("F4", E8), ("G4", Q4), ("G4", Q4),
                               ("A4", E8), ("A4", E8), ("A4", E8), ("A4", E8), ("G4", H2)], bpm=110),
    "s_bruder_jakob.ogg": _tune(0, [("F4", Q4), ("G4", Q4), ("A4", Q4), ("F4", Q4)] * 2
                                + [("A4", Q4), ("B4", Q4), ("C5", H2)], bpm=130),
    "s_haenschen.ogg": _tune(0, [("G4", Q4), ("E4", Q4), ("E4", H2), ("F4", Q4), ("D4", Q4), ("D4", H2),
                                 ("C4", Q4), ("D4", Q4), ("E4", Q4), ("F4", Q4), ("G4", Q4), ("G4", Q4), ("G4", H2)],
                             bpm=170),
    "s_freude.ogg": _tune(0, [("E4", Q4), ("E4", Q4), ("F4", Q4), ("G4", Q4), ("G4", Q4), ("F4", Q4), ("E4", Q4),
                              ("D4", Q4), ("C4", Q4), ("C4", Q4), ("D4", Q4), ("E4", Q4), ("E4", DQ), ("D4", E8),
                              ("D4", H2)], bpm=168),
    "s_geburtstag.ogg": _tune(0, [("G4", 0.75), ("G4", 0.25), ("A4", Q4), ("G4", Q4), ("C5", Q4), ("H4", H2),
                                  ("G4", 0.75), ("G4", 0.25), ("A4", Q4), ("G4", Q4), ("D5", Q4), ("C5", H2)], bpm=140),
    "s_stille_nacht.ogg": _tune(0, [("G4", DQ), ("A4", E8), ("G4", Q4), ("E4", 3.0),
                                    ("G4", DQ), ("A4", E8), ("G4", Q4), ("E4", 3.0)], bpm=150),
    "s_fuer_elise.ogg": _tune(0, [("E5", E8), ("Dis5", E8), ("E5", E8), ("Dis5", E8), ("E5", E8), ("H4", E8),
                                  ("D5", E8), ("C5", E8), ("A4", Q4 * 1.5)], bpm=80),
    "s_nachtmusik.ogg": _tune(40, [("G4", Q4), (None, E8), ("D4", E8), ("G4", Q4), (None, E8), ("D4", E8),
                                   ("G4", E8), ("D4", E8), ("G4", E8), ("H4", E8), ("D5", H2)], bpm=130),
}
