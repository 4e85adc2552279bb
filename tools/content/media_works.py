"""Sounds of real listening: themes of works whose music is free, figures and
animals of the children's classics, school percussion, the orchestra's groups,
forms, tempo, instruments of other regions, voices, jazz and pop; and the
drawings that go with them. Everything is our own MIDI (rendered by
FluidSynth) or SVG.

Themes of Smetana, Vivaldi, Mozart, Beethoven, Haydn, Grieg and Ravel are
written down from the works. For "Peter und der Wolf" and the "Karneval der
Tiere" each instrument plays a phrase of ours in the figure's manner: the
questions ask for the instrument and the figure, not for the melody.
"""

from media_instruments import BRASS, BRASS_DARK, INK, WOOD, WOOD_DARK, _svg, recorder_fingering
from media_lessons import lily_notes
from media_sounds import DRUMS, Piece, Track

# General MIDI programs used here
PIANO, CELESTA, GLOCKEN, VIBRAPHONE, XYLOPHON, ORGAN = 0, 8, 9, 11, 13, 19
GUITAR, E_GUITAR, DIST_GUITAR, BASS_ACOUSTIC, E_BASS = 24, 27, 30, 32, 33
VIOLIN, CELLO, CONTRABASS, PIZZICATO, HARP, TIMPANI, STRINGS, CHOIR, VOICE = 40, 42, 43, 45, 46, 47, 48, 52, 53
TRUMPET, TROMBONE, TUBA, MUTED_TRUMPET, HORN, BRASS = 56, 57, 58, 59, 60, 61
ALTO_SAX, TENOR_SAX, OBOE, BASSOON, CLARINET, FLUTE, RECORDER, PANFLUTE = 65, 66, 68, 70, 71, 73, 74, 75
SHAKUHACHI, SYNTH_LEAD, SYNTH_PAD = 77, 81, 89
SITAR, BANJO, SHAMISEN, KOTO, KALIMBA, BAGPIPE, STEELDRUM, TAIKO = 104, 105, 106, 107, 108, 109, 114, 116


def part(program, music, start=0.0, vel=90, hold=0.92, transpose=0):
    """A track from absolute LilyPond notes ("c'4 e' g'2", "r" for a rest)."""
    t = Track(program)
    at = start
    for pitch, beats in lily_notes(music):
        if pitch is not None:
            t.notes.append((at, beats * hold, pitch + transpose, vel))
        at += beats
    return t


def chord(program, pitches, start, beats, vel=80):
    t = Track(program)
    for name in pitches.split():
        t.notes.append((start, beats, lily_notes(name + "1")[0][0], vel))
    return t


def drums(hits):
    """hits: (beat, drum key, velocity)."""
    t = Track(DRUMS)
    t.notes += [(b, 0.2, key, vel) for b, key, vel in hits]
    return t


def piece(bpm, *parts, seconds=10, tempo=()):
    return Piece(list(parts), bpm, list(tempo), seconds)


def later(track, beats):
    track.notes = [(s + beats, l, p, v) for s, l, p, v in track.notes]
    return track


def merged(*tracks):
    t = Track(tracks[0].program)
    for tr in tracks:
        t.notes += tr.notes
    return t


SOUNDS = {}
INSTRUMENTS = {}

# ---- tempo and the Boléro --------------------------------------------------
_SLOW_TUNE = "c'4 e' g' c'' b' g' e' d' c'2"
SOUNDS["s_tempo_langsam.ogg"] = piece(48, part(PIANO, _SLOW_TUNE), seconds=9)
SOUNDS["s_tempo_schnell.ogg"] = piece(
    190, part(PIANO, _SLOW_TUNE), later(part(PIANO, _SLOW_TUNE), 10), seconds=7)


def _bolero():
    hits = []
    for rep in range(3):
        bar = rep * 6
        vel = 50 + rep * 12
        for b in (0, 1):  # 8th, then three triplet 16ths, on beats 1 and 2 of the first bar
            hits += [(bar + b, 38, vel), (bar + b + 0.5, 38, vel - 10), (bar + b + 0.5 + 1 / 6, 38, vel - 10),
                     (bar + b + 0.5 + 2 / 6, 38, vel - 10)]
        hits += [(bar + 2, 38, vel), (bar + 2.5, 38, vel)]
        for b in (3, 4):
            hits += [(bar + b, 38, vel), (bar + b + 0.5, 38, vel - 10), (bar + b + 0.5 + 1 / 6, 38, vel - 10),
                     (bar + b + 0.5 + 2 / 6, 38, vel - 10)]
        for k in range(6):  # the last beat of the second bar: sixteenth triplets throughout
            hits.append((bar + 5 + k / 6, 38, vel - 10))
    pizz = Track(PIZZICATO)
    for bar in range(6):
        pizz.notes += [(bar * 3, 0.5, 48, 70), (bar * 3 + 2, 0.5, 43, 60)]
    return piece(72, drums(hits), pizz, seconds=16)


SOUNDS["s_bolero.ogg"] = _bolero()

# ---- forms -----------------------------------------------------------------
_A = "c''4 e'' g'' e'' f'' d'' c''2"
_B = "a'4 c'' e'' c'' d'' b' a'2"
_C = "g''8 g'' g'' g'' a''4 g'' e'' c'' g'2"


def _form(parts):
    tracks, at = [], 0.0
    for name in parts:
        program, music = {"A": (PIANO, _A), "B": (CLARINET, _B), "C": (TRUMPET, _C)}[name]
        tracks.append(part(program, music, start=at))
        at += 8
    return piece(150, *tracks, seconds=at * 60 / 150 + 1)


SOUNDS["s_form_aba.ogg"] = _form("ABA")
SOUNDS["s_form_aab.ogg"] = _form("AAB")
SOUNDS["s_form_rondo.ogg"] = _form("ABACA")

_JAKOB_1 = "f'4 g' a' f' f' g' a' f' a' bes' c''2 a'4 bes' c''2"
_JAKOB_2 = "c''8 d'' c'' bes' a'4 f' c''8 d'' c'' bes' a'4 f'"
SOUNDS["s_kanon.ogg"] = piece(150, part(RECORDER, _JAKOB_1 + " " + _JAKOB_2),
                              part(CLARINET, _JAKOB_1, start=8, transpose=-12), seconds=11)

# ---- school percussion -----------------------------------------------------
SOUNDS["s_triangel.ogg"] = piece(80, drums([(0, 81, 100), (2, 81, 90), (3, 80, 90), (3.5, 80, 90), (4, 81, 100)]),
                                 seconds=5)
SOUNDS["s_klanghoelzer.ogg"] = piece(100, drums([(b, 75, 110) for b in (0, 1, 2, 2.5, 3, 4, 5, 6, 6.5, 7)]),
                                     seconds=5)
SOUNDS["s_rasseln.ogg"] = piece(100, drums([(k * 0.5, 70, 110 if k % 2 == 0 else 80) for k in range(14)]),
                                seconds=5)
SOUNDS["s_schellenkranz.ogg"] = piece(100, drums([(k * 0.5, 54, 110 if k % 4 == 0 else 85) for k in range(14)]),
                                      seconds=5)
SOUNDS["s_guiro.ogg"] = piece(90, drums([(0, 74, 110), (1.5, 73, 100), (2, 73, 100), (3, 74, 110), (4.5, 73, 100),
                                         (5, 73, 100)]), seconds=5)
SOUNDS["s_becken.ogg"] = piece(70, drums([(0, 49, 120), (3, 49, 100)]), seconds=6)
SOUNDS["s_bongos.ogg"] = piece(110, drums([(b, 60 if k % 3 else 61, 110) for k, b in enumerate(
    (0, 0.5, 1, 1.5, 2, 2.75, 3, 4, 4.5, 5, 5.5, 6, 6.75, 7))]), seconds=5)
SOUNDS["s_holzblock.ogg"] = piece(120, drums([(b, 76 if k % 2 == 0 else 77, 110) for k, b in enumerate(
    (0, 0.5, 1, 2, 2.5, 3, 4, 4.5, 5, 6, 6.5, 7))]), seconds=5)
SOUNDS["s_metallophon.ogg"] = piece(90, part(VIBRAPHONE, "c'4 e' g' e' f' a' g'2"), seconds=6)

# ---- loud and soft, the orchestra's groups ---------------------------------
SOUNDS["s_trompete_forte.ogg"] = piece(110, part(TRUMPET, "c''8 c'' c'' g''4. e''8 g''2", vel=124), seconds=5)
SOUNDS["s_floete_piano.ogg"] = piece(80, part(FLUTE, "g''4 e'' f'' d'' e''2", vel=30), seconds=6)
SOUNDS["s_gruppe_streicher.ogg"] = piece(
    90, part(STRINGS, "g'4 c'' e'' d''8 c'' b'2", vel=95), part(STRINGS, "e'2 g' g'2", vel=70),
    part(CELLO, "c2 e g2", vel=80), seconds=6)
SOUNDS["s_gruppe_blech.ogg"] = piece(
    100, part(TRUMPET, "g'8 g' g' c''4. e''8 c''2", vel=110), part(HORN, "e'8 e' e' e'4. g'8 e'2", vel=95),
    part(TROMBONE, "c8 c c g4. g8 c'2", vel=100), part(TUBA, "c,8 c, c, c,4. c,8 c,2", vel=100), seconds=5)
SOUNDS["s_gruppe_holz.ogg"] = piece(
    84, part(FLUTE, "g''4 e'' c''' g''", vel=90), part(OBOE, "e''2 c''", start=4, vel=90),
    part(CLARINET, "c''4 g' e' c'", start=6, vel=90), part(BASSOON, "c2 g, c1", vel=85), seconds=7)

# ---- works -----------------------------------------------------------------


def _moldau():
    theme = ("e'4 fis'8 g'4 a'8 b'4. b'4. c''4. c''4. b'4. b'4. "
             "a'4. a'4. g'4. g'4. fis'4. fis'4. e'2.")
    waves = Track(FLUTE)
    wave = [64, 67, 71, 76, 71, 67]
    for k in range(int(34 / 0.25)):
        waves.notes.append((k * 0.25, 0.23, wave[k % 6] + 12, 45))
    return piece(116, part(STRINGS, theme, start=3, vel=100), part(VIOLIN, theme, start=3, vel=80),
                 part(CONTRABASS, "e,1. e,1. e,1. e,1. e,1. e,1. e,1.", start=3, vel=70), waves, seconds=17)


SOUNDS["s_moldau.ogg"] = _moldau()

_SPRING = ("e''8 gis'' gis'' gis'' fis''16 e'' b''4. b''16 a'' gis''8 gis'' gis'' fis''16 e'' b''4. b''16 a'' "
           "gis''8 a'' b'' a'' gis''4 fis''8 e''2")
SOUNDS["s_fruehling.ogg"] = piece(
    100, part(STRINGS, _SPRING, vel=100), part(VIOLIN, _SPRING, vel=85),
    part(CELLO, "e4 e e e e e e e e e b, b, e2", vel=80), seconds=9)


def _fifth():
    motif = "r8 g'8 g' g' es'1 r4 r8 f'8 f' f' d'1."
    return piece(200, part(STRINGS, motif, vel=120), part(CLARINET, motif, vel=100),
                 part(CONTRABASS, motif, vel=110, transpose=-24), part(CELLO, motif, vel=110, transpose=-12),
                 seconds=6)


SOUNDS["s_beethoven5.ogg"] = _fifth()

_MORNING = "gis''8 e'' dis'' cis'' dis'' e'' gis'' e'' dis'' cis'' dis''16 e'' dis'' e''"
SOUNDS["s_morgenstimmung.ogg"] = piece(
    126, part(FLUTE, _MORNING, vel=95), part(OBOE, _MORNING, start=6, vel=95),
    chord(STRINGS, "e gis b e'", 0, 12, vel=45),
    chord(HORN, "e b", 0, 12, vel=35), seconds=10)


def _mountain_king():
    phrase = "b,8 cis d e fis d fis4 eis8 cis eis4 e8 c e4 b,8 cis d e fis d fis b a fis d fis a2"
    bassoon, pizz = Track(BASSOON), Track(PIZZICATO)
    for rep in range(2):
        for s, l, p_, v in part(BASSOON, phrase).notes:
            vel = 55 + rep * 35 + int(s * 1.2)
            bassoon.notes.append((s + rep * 16, l * 0.6, p_, min(vel, 120)))
            pizz.notes.append((s + rep * 16, 0.3, p_ - 12, min(vel, 120)))
    return piece(120, bassoon, pizz, seconds=13, tempo=[(8, 138), (16, 162), (24, 190)])


SOUNDS["s_bergkoenig.ogg"] = _mountain_king()


def _surprise():
    theme = "c'8 c' e' e' g' g' e'4 f'8 f' d' d' b b g4"
    soft = Track(STRINGS)
    for rep, vel in ((0, 45), (1, 28)):
        for s, l, p_, _ in part(STRINGS, theme).notes:
            soft.notes.append((s + rep * 8, l * 0.45, p_, vel))
    bang = 15
    return piece(84, soft, chord(STRINGS, "g, d b g'", bang, 1.5, vel=127),
                 chord(BRASS, "g d' g'", bang, 1.5, vel=127), chord(TIMPANI, "g,", bang, 1.0, vel=127),
                 seconds=13)


SOUNDS["s_paukenschlag.ogg"] = _surprise()

# Peter und der Wolf: our own phrases in each figure's manner
SOUNDS["s_pw_vogel.ogg"] = piece(120, part(FLUTE, "c'''16 d''' c''' a'' c''' d''' e'''8 g'''16 e''' d''' c''' "
                                                  "a''8 c''' e'''16 g''' a''' g''' e'''4", vel=95), seconds=5)
SOUNDS["s_pw_grossvater.ogg"] = piece(76, part(BASSOON, "b,4 fis8 e d4 cis8 b, fis4 g8 fis e2 d4 b,2",
                                               vel=100), seconds=7)
SOUNDS["s_pw_ente.ogg"] = piece(66, part(OBOE, "as'4 c''8 es'' des''4 c''8 b' as'4 g'8 as' b'2", vel=95),
                                seconds=7)
SOUNDS["s_pw_katze.ogg"] = piece(96, part(CLARINET, "g8 r b r d' r g'4 fis'8 r d' r b4 r8 g", hold=0.5, vel=70),
                                 seconds=6)
SOUNDS["s_pw_wolf.ogg"] = piece(
    60, part(HORN, "g'4 bes' d''2 cis''4 c'' bes'2", vel=100), part(HORN, "d'4 g' bes'2 a'4 g' g'2", vel=95),
    part(HORN, "bes4 d' g'2 e'4 es' d'2", vel=95), seconds=8)
SOUNDS["s_pw_peter.ogg"] = piece(120, part(STRINGS, "g'8 c'' e'' g'' e''4 c''8 d'' e''4 d''8 c'' g'4 c''2",
                                           vel=100), part(CELLO, "c4 g c g c g c2", vel=80), seconds=6)

# Karneval der Tiere: our own phrases in each animal's manner
_CUCKOO = Track(CLARINET)
for k in range(3):
    _CUCKOO.notes += [(1 + k * 4, 0.9, 72, 90), (2 + k * 4, 1.6, 68, 85)]
SOUNDS["s_kt_kuckuck.ogg"] = piece(
    60, _CUCKOO, chord(PIANO, "f as c'", 0, 3, vel=40), chord(PIANO, "des f as", 4, 3, vel=40),
    chord(PIANO, "es g bes", 8, 3, vel=40), seconds=12)
_OOM_PAH = [chord(PIANO, "g bes es'" if bar not in (2, 3) else "as c' f'", bar * 3 + beat, 0.8, vel=55)
            for bar in range(6) for beat in (1, 2)]
SOUNDS["s_kt_elefant.ogg"] = piece(
    132, part(CONTRABASS, "es4 g bes es'2 d'4 c'2 bes4 as2 g4 f2. bes,2. es2.", vel=110), merged(*_OOM_PAH),
    seconds=8)
_SWAN_ARP = Track(PIANO)
for k in range(48):
    _SWAN_ARP.notes.append((k * 0.25, 0.5, [55, 59, 62, 67, 62, 59][k % 6] + 12, 40))
SOUNDS["s_kt_schwan.ogg"] = piece(
    60, part(CELLO, "d'2. b4 e'2 d'4 c' b2. a4 g1", vel=100), _SWAN_ARP, seconds=12)
SOUNDS["s_kt_huehner.ogg"] = piece(
    132, part(PIANO, "c''16 c'' c'' c'' r4 c''16 c'' c'' c'' r4 e''16 c'' e'' c'' g''8 r c''16 c'' c'' c''",
              hold=0.4, vel=100),
    part(VIOLIN, "r2 g''16 c''' r8 r4 r2 g''16 c''' r8", hold=0.4, vel=110), seconds=6)

# ---- recorder fingerings (pictures) ----------------------------------------
# Holes: 0 is the thumb hole at the back, 1 to 7 the holes at the front from the top.
FINGERINGS = {"h": (0, 1), "a": (0, 1, 2), "g": (0, 1, 2, 3), "c": (0, 1, 2, 3, 4, 5, 6, 7)}
for _name, _closed in FINGERINGS.items():
    INSTRUMENTS["i_griff_%s.gif" % _name] = (lambda closed=_closed: recorder_fingering(closed))

# ---- songs -----------------------------------------------------------------
SOUNDS["s_weihnachtsmann.ogg"] = piece(120, part(GLOCKEN, "c''4 c'' g'' g'' a'' a'' g''2 f''4 f'' e'' e'' d'' d'' c''2"),
                                       part(PIANO, "c2 e g c f c g c", vel=60), seconds=9)
SOUNDS["s_tannenbaum.ogg"] = piece(
    96, part(PIANO, "d'4 g'8. g'16 g'4. a'8 b'8. b'16 b'4. b'8 a' b' c''4 fis' a' g'2", vel=95), seconds=10)
SOUNDS["s_guten_abend.ogg"] = piece(
    100, part(FLUTE, "e'8 e' g'4. e'8 e'4 g'2 e'8 g' c''4 b'4. a'8 a'4 g'2.", vel=80, transpose=12),
    part(HARP, "c4 e g c e g c e g d f g c e g", vel=55), seconds=11)
SOUNDS["s_jingle_bells.ogg"] = piece(
    150, part(PIANO, "e''4 e'' e''2 e''4 e'' e''2 e''4 g'' c''4. d''8 e''1", vel=95),
    drums([(k * 0.5, 54, 70) for k in range(32)]), seconds=8)
SOUNDS["s_cucaracha.ogg"] = piece(
    160, part(TRUMPET, "c''8 c'' c'' f''4 a''4 r4 c''8 c'' c'' f''4 a''2 r4 f''4 f'' e'' e'' d'' d'' c''2", vel=100),
    merged(*[chord(GUITAR, "f a c'" if k < 4 else "c e g bes", k * 4 + b, 0.5, vel=70)
             for k in range(6) for b in (1, 2, 3)]), seconds=9)
SOUNDS["s_sakura.ogg"] = piece(66, part(KOTO, "a'4 a' b'2 a'4 a' b'2 a'4 b' c'' b' a' b'8 a' f'2", vel=100), seconds=12)
SOUNDS["s_entchen_moll.ogg"] = piece(110, part(PIANO, "a8 b c' d' e'4 e' f'8 f' f' f' e'2 f'8 f' f' f' e'2"),
                                     seconds=7)

# ---- instruments of other regions --------------------------------------------
SOUNDS["s_kalimba.ogg"] = piece(100, part(KALIMBA, "c''8 e'' g'' e'' d'' g'' c''' g'' a'' g'' e'' d'' c''2"), seconds=6)
SOUNDS["s_djembe.ogg"] = piece(110, drums([(b, k, v) for b, k, v in (
    (0, 64, 120), (0.5, 63, 90), (1, 63, 90), (1.5, 62, 110), (2, 64, 120), (2.75, 63, 90), (3, 62, 110),
    (3.5, 62, 110), (4, 64, 120), (4.5, 63, 90), (5, 63, 90), (5.5, 62, 110), (6, 64, 120), (6.5, 62, 110),
    (7, 62, 110), (7.5, 62, 110))]), seconds=6)
SOUNDS["s_panfloete.ogg"] = piece(84, part(PANFLUTE, "e''4 g''8 a'' b''4 a''8 g'' e''2 d''4 e''2", vel=100),
                                  seconds=7)


def _samba():
    hits = [(0, 71, 110), (0.5, 71, 110)]  # the whistle calls
    for bar in range(4):
        b = 1 + bar * 2
        hits += [(b + 1, 35, 120), (b + 1.5, 41, 80)]  # surdo on the second beat
        hits += [(b + k * 0.25, 38, 90 if k % 2 == 0 else 60) for k in range(8)]  # snare in sixteenths
        hits += [(b, 67, 90), (b + 0.5, 68, 90), (b + 0.75, 67, 90), (b + 1.25, 68, 90)]  # agogo bells
    return piece(100, drums(hits), seconds=6)


SOUNDS["s_samba.ogg"] = _samba()
SOUNDS["s_steeldrum.ogg"] = piece(120, part(STEELDRUM, "c''8 e'' g'' e'' f''4 d''8 f'' a''4 g''8 e'' c''2"),
                                  seconds=6)
SOUNDS["s_sitar.ogg"] = piece(70, part(SITAR, "d'4 e'8 f' g'4 a'8 b' a'4 g'8 f' e'2 d'2", vel=100),
                              chord(SITAR, "d, a,", 0, 10, vel=45), seconds=9)
SOUNDS["s_taiko.ogg"] = piece(96, part(TAIKO, "c,4 c, c,8 c, c,4 r8 c, c, c, c,4 c,", vel=124),
                              drums([(b, 37, 100) for b in (1.5, 3.5, 5.5)]), seconds=6)
SOUNDS["s_alphorn.ogg"] = piece(56, part(HORN, "c'2 f'4 a' c''2. a'4 c''4 a' f'2", vel=90, transpose=-12),
                                seconds=12)
SOUNDS["s_flamenco.ogg"] = piece(
    120, merged(*[chord(GUITAR, c, b, 0.9, vel=100)
                  for b, c in ((0, "a, e a c' e'"), (2, "g, d g b d'"), (4, "f, c f a c'"), (6, "e, b, e gis b e'"))]),
    drums([(b, 39, 110) for b in (0.5, 1.5, 2.5, 3.5, 4.5, 5.5, 6.5, 7)]), seconds=6)
SOUNDS["s_banjo.ogg"] = piece(130, part(BANJO, "g'8 b' d'' g' b' d'' g' b' a' c'' d'' a' c'' d'' g'4", vel=100),
                              seconds=5)

# ---- jazz --------------------------------------------------------------------


def swung(track):
    """Plays each pair of eighths long - short (two thirds and one third of a beat)."""
    out = Track(track.program)
    for start, length, pitch, vel in track.notes:
        beat, frac = divmod(start, 1.0)
        if abs(frac - 0.5) < 1e-6:
            start, length = beat + 2 / 3, min(length, 1 / 3)
        elif frac == 0 and length < 0.6:
            length = 0.62
        out.notes.append((start, length, pitch, vel))
    return out


def _ride(bars):
    hits = []
    for bar in range(bars):
        b = bar * 4
        hits += [(b, 51, 70), (b + 1, 51, 80), (b + 1 + 2 / 3, 51, 60), (b + 2, 51, 70), (b + 3, 51, 80),
                 (b + 3 + 2 / 3, 51, 60), (b + 1, 44, 70), (b + 3, 44, 70)]
    return drums(hits)


SOUNDS["s_jazz_sax.ogg"] = piece(
    120, swung(part(TENOR_SAX, "f'8 as' b' c'' es''4 c''8 b' as'4 f'2 r4 c''8 b' as' f' as'4 f'2", vel=100)),
    part(BASS_ACOUSTIC, "f,4 a, c d es d c a, b, d f d c a, f, c", vel=90), _ride(4), seconds=9)
SOUNDS["s_jazz_daempfer.ogg"] = piece(
    112, swung(part(MUTED_TRUMPET, "c''8 d'' es'' g'' f''4 es''8 c'' d''2 r8 g' b' d'' c''2", vel=100)),
    part(BASS_ACOUSTIC, "c4 e g a b a g e f a c' a g b d' b", vel=85), _ride(4), seconds=9)
SOUNDS["s_walking_bass.ogg"] = piece(
    132, part(BASS_ACOUSTIC, "c4 e g a b a g e f a c' d' es' d' c' a g b d' f' e' c' g e", vel=110, hold=0.85),
    _ride(6), seconds=11)
_EIGHTHS = "c''8 d'' e'' g'' a'' g'' e'' d'' c'' d'' e'' g'' a''4 g''"
SOUNDS["s_achtel_swing.ogg"] = piece(126, swung(part(PIANO, _EIGHTHS + " " + _EIGHTHS)),
                                     part(BASS_ACOUSTIC, "c4 c c c f f c c " * 2, vel=70), seconds=9)
SOUNDS["s_achtel_gerade.ogg"] = piece(126, part(PIANO, _EIGHTHS + " " + _EIGHTHS),
                                      part(BASS_ACOUSTIC, "c4 c c c f f c c " * 2, vel=70), seconds=9)
SOUNDS["s_bigband.ogg"] = piece(
    150, swung(part(TRUMPET, "r4 d''8 f'' r4 d''8 f'' g''4. f''8 d''2 r8 f'' g'' a'' c'''2", vel=110)),
    swung(part(ALTO_SAX, "r4 b'8 d'' r4 b'8 d'' es''4. d''8 b'2 r8 d'' es'' f'' a''2", vel=100)),
    swung(part(TROMBONE, "r4 f'8 b' r4 f'8 b' c''4. b'8 f'2 r8 b' c'' d'' f''2", vel=100, transpose=-12)),
    part(BASS_ACOUSTIC, "b,4 d f g b, d f g c es g es f a c' a", vel=90), _ride(4), seconds=8)
SOUNDS["s_ragtime.ogg"] = piece(
    100, part(PIANO, "d'16 dis' e' c''8 e'16 c''8 e'16 c''4. r8 c''16 d'' dis'' e'' c'' d'' e''8 b'16 d''8 c''4.",
              vel=100, transpose=12),
    merged(*[chord(PIANO, n, k, 0.45, vel=70) for k, n in enumerate(
        ("c,", "e g c'", "g,", "e g c'", "c,", "e g c'", "g,", "f g b", "c,", "e g c'", "g,", "f g b"))]),
    seconds=9)
SOUNDS["s_blues.ogg"] = piece(
    80, swung(part(PIANO, "c'8 es' f' fis' g' b' c''4 b'8 g' f' es' c'2 r4 es'8 f' g'4 es' c'2", vel=100)),
    swung(part(BASS_ACOUSTIC, "c8 e g a b a g e f a c' d' es' d' c' a c e g a b a g e", vel=80)), seconds=12)

# ---- history, stage, pop ------------------------------------------------------
SOUNDS["s_choral.ogg"] = piece(66, part(CHOIR, "d4 f g a a2 g4 a c' b a2 g4 f e d2", vel=90, hold=1.0),
                               seconds=12)
SOUNDS["s_papageno.ogg"] = piece(100, part(PANFLUTE, "g''16 a'' b'' c''' d'''4 r2 g''16 a'' b'' c''' d'''4",
                                           vel=100), seconds=5)
SOUNDS["s_brautchor.ogg"] = piece(
    72, part(ORGAN, "g4 c'4. c'8 c'2 g4 d'4. b8 c'2", vel=90),
    merged(chord(ORGAN, "c e g", 1, 3, vel=60), chord(ORGAN, "g, d f", 5, 2, vel=60),
           chord(ORGAN, "c e g", 7, 2, vel=60)), seconds=9)
for _voice, _music in (("sopran", "e''4 g'' a'' g'' e''2"), ("alt", "e'4 g' a' g' e'2"),
                       ("tenor", "g4 b c' b g2"), ("bass", "e,4 g, a, g, e,2")):
    SOUNDS["s_stimme_%s.ogg" % _voice] = piece(72, part(VOICE, _music, vel=100, hold=0.98), seconds=6)
SOUNDS["s_egitarre.ogg"] = piece(
    120, part(DIST_GUITAR, "e,8 e, g, a, e, e, b, a, e, e, g, a, b,4 a,", vel=110),
    part(DIST_GUITAR, "b,8 b, d e b, b, fis e b, b, d e fis4 e", vel=110), seconds=5)
SOUNDS["s_ebass.ogg"] = piece(
    110, part(E_BASS, "e,8 e, r e e, g, a, b, e,8 e, r e d b, a, g,", vel=115),
    drums([(b, 36 if b % 2 == 0 else 38, 100) for b in range(8)] + [(k * 0.5, 42, 60) for k in range(16)]),
    seconds=6)
SOUNDS["s_synthesizer.ogg"] = piece(
    120, part(SYNTH_LEAD, "c''16 e'' g'' c''' g'' e'' c'' e'' a'16 c'' e'' a'' e'' c'' a' c'' "
                          "f'16 a' c'' f'' c'' a' f' a' g'16 b' d'' g'' d'' b' g' b'", vel=100),
    chord(SYNTH_PAD, "c e g", 0, 2), chord(SYNTH_PAD, "a, c e", 2, 2), chord(SYNTH_PAD, "f, a, c", 4, 2),
    chord(SYNTH_PAD, "g, b, d", 6, 2), seconds=6)
SOUNDS["s_popbeat.ogg"] = piece(100, drums(
    [(b, 36 if b % 2 == 0 else 38, 115) for b in range(12)] + [(k * 0.5, 42, 65) for k in range(24)]),
    part(E_BASS, "c,4 c, c, c, a,, a,, a,, a,, f,, f,, g,, g,,", vel=90), seconds=8)
SOUNDS["s_zwei_instrumente.ogg"] = piece(
    90, part(FLUTE, "g''4 e'' f'' d'' e'' c'' d''2", vel=95), part(CELLO, "c2 a, b, g, c1", vel=95), seconds=7)
SOUNDS["s_drei_instrumente.ogg"] = piece(
    100, part(CLARINET, "c''4 e'' g'' e'' f'' d'' c''2", vel=95),
    merged(*[chord(GUITAR, "c e g c'" if k < 2 else "g, d g b", k * 2, 1.8, vel=70) for k in range(4)]),
    drums([(b, 60 if k % 2 else 61, 100) for k, b in enumerate((0, 0.5, 1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5, 5, 5.5, 6,
                                                                 6.5, 7))]), seconds=6)


# ---- drawings of instruments of other regions ---------------------------------


def _kalimba():
    tines = "".join(
        f'<rect x="{96 + k * 16}" y="{40 + abs(k - 4) * 10}" width="8" height="{96 - abs(k - 4) * 10}" rx="3" '
        f'fill="#d8d8d8" stroke="#777777" stroke-width="2"/>' for k in range(9))
    return _svg(f"""
<rect x="70" y="30" width="190" height="170" rx="18" fill="{WOOD}" stroke="{WOOD_DARK}" stroke-width="4"/>
<circle cx="165" cy="165" r="16" fill="{INK}"/>
<rect x="86" y="122" width="158" height="10" fill="{WOOD_DARK}"/>{tines}""")


def _djembe():
    return _svg(f"""
<ellipse cx="160" cy="40" rx="74" ry="18" fill="#efe2c4" stroke="{WOOD_DARK}" stroke-width="4"/>
<path d="M86 40 Q92 110 138 128 L128 200 L192 200 L182 128 Q228 110 234 40" fill="{WOOD}" stroke="{WOOD_DARK}"
 stroke-width="4"/>
<g stroke="#5a3a1a" stroke-width="2" fill="none">
<path d="M92 56 L138 128 M120 60 L150 126 M160 60 L160 126 M200 60 L170 126 M228 56 L182 128"/>
<path d="M128 200 L150 140 L170 200 L160 140"/></g>""")


def _panfloete():
    tubes = "".join(
        f'<rect x="{60 + k * 22}" y="40" width="18" height="{150 - k * 12}" rx="4" fill="#d9c27a" '
        f'stroke="{WOOD_DARK}" stroke-width="2"/><ellipse cx="{69 + k * 22}" cy="42" rx="8" ry="3" fill="{INK}"/>'
        for k in range(9))
    return _svg(tubes + f'<rect x="54" y="92" width="206" height="12" fill="{WOOD_DARK}"/>')


def _cajon():
    return _svg(f"""
<polygon points="110,40 230,40 250,60 250,200 130,200 110,180" fill="{WOOD_DARK}"/>
<rect x="110" y="60" width="120" height="140" fill="{WOOD}" stroke="{WOOD_DARK}" stroke-width="4"/>
<polygon points="110,60 130,40 250,40 230,60" fill="#d08a4a" stroke="{WOOD_DARK}" stroke-width="3"/>
<g fill="{INK}"><circle cx="120" cy="70" r="3"/><circle cx="220" cy="70" r="3"/><circle cx="120" cy="190" r="3"/>
<circle cx="220" cy="190" r="3"/><circle cx="170" cy="70" r="3"/><circle cx="170" cy="190" r="3"/></g>""")


INSTRUMENTS.update({"i_kalimba.gif": _kalimba, "i_djembe.gif": _djembe, "i_panfloete.gif": _panfloete,
                    "i_cajon.gif": _cajon})
