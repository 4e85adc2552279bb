"""Notation pictures of the supplied questions, as LilyPond music.

Each entry: file name -> (music, resolution). The music is the body of a
LilyPond score; it is set without bar numbers and cropped to the notes.
"""

END = r' \bar "|."'  # final barline
BAR = r' \bar "|"'  # plain barline where a piece is cut off

# Shortcuts for pictures that show only a clef with a key signature.
_KEY = r"\omit Staff.TimeSignature \clef treble \key %s \major s1"


def _key(k):
    return _KEY % k


NOTATION = {
    # single notes to name (treble clef)
    "n_ton_c.gif": (r"\omit Staff.TimeSignature \clef treble c'1", 220),
    "n_ton_g.gif": (r"\omit Staff.TimeSignature \clef treble g'1", 220),
    "n_ton_a.gif": (r"\omit Staff.TimeSignature \clef treble a'1", 220),
    "n_ton_f2.gif": (r"\omit Staff.TimeSignature \clef treble f''1", 220),
    "n_ton_f1.gif": (r"\omit Staff.TimeSignature \clef treble f'1", 220),
    "n_bass_f.gif": (r"\omit Staff.TimeSignature \clef bass f1", 220),
    "n_ton_fis.gif": (r"\omit Staff.TimeSignature \clef treble fis'1", 220),
    "n_ton_b.gif": (r"\omit Staff.TimeSignature \clef treble bes'1", 220),
    # solution picture: the C major scale with its names
    "n_namen_c_dur.gif": (
        r"""\omit Staff.TimeSignature \clef treble
        << { c'4 d' e' f' g' a' b' c'' }
           \addlyrics { c d e f g a h c } >>""",
        170,
    ),
    # scales and chords
    "n_tonleiter_c.gif": (r"\omit Staff.TimeSignature \clef treble c'4 d' e' f' g' a' b' c''", 170),
    "n_tonleiter_a_moll.gif": (r"\omit Staff.TimeSignature \clef treble a4 b c' d' e' f' g' a'", 170),
    "n_dreiklang_c.gif": (r"\omit Staff.TimeSignature \clef treble <c' e' g'>1", 220),
    "n_dreiklang_a_moll.gif": (r"\omit Staff.TimeSignature \clef treble <a c' e'>1", 220),
    "n_chromatisch.gif": (r"\omit Staff.TimeSignature \clef treble c'4 cis' d' dis' e' f' fis' g'", 170),
    # key signatures
    "n_vorzeichen_g.gif": (_key("g"), 220),
    "n_vorzeichen_d.gif": (_key("d"), 220),
    "n_vorzeichen_f.gif": (_key("f"), 220),
    "n_vorzeichen_b.gif": (_key("bes"), 220),
    "n_vorzeichen_es.gif": (_key("es"), 220),
    # intervals
    "n_intervall_terz.gif": (r"\omit Staff.TimeSignature \clef treble c'2 e'2 <c' e'>1", 200),
    "n_intervall_quinte.gif": (r"\omit Staff.TimeSignature \clef treble c'2 g'2 <c' g'>1", 200),
    "n_intervall_oktave.gif": (r"\omit Staff.TimeSignature \clef treble c'2 c''2 <c' c''>1", 200),
    "n_intervall_quarte.gif": (r"\omit Staff.TimeSignature \clef treble c'2 f'2 <c' f'>1", 200),
    # metre and rhythm
    "n_takt_34.gif": (r"\omit Staff.TimeSignature \clef treble \time 3/4 c'4 e' g' | c''2." + END, 180),
    "n_takt_68.gif": (r"\omit Staff.TimeSignature \clef treble \time 6/8 c'8 d' e' f' g' a' | g'4. c'4." + END, 170),
    "n_takt_44_fehlt.gif": (r"\clef treble \time 4/4 c'4 d' e' f' | g'2 g'4" + BAR, 180),
    "n_auftakt.gif": (r"\clef treble \time 3/4 \partial 4 g'4 | c''2 e''4 | d''2." + END, 180),
    "n_synkope.gif": (r"\clef treble \time 4/4 c'8 d'4 e'8 ~ e'4 g'4" + END, 180),
    "n_triole.gif": (r"\clef treble \time 2/4 \tuplet 3/2 { c'8 d' e' } f'4" + END, 200),
    "n_punktiert.gif": (r"\clef treble \time 4/4 c'4. d'8 e'2" + END, 200),
    "n_haltebogen.gif": (r"\clef treble \time 4/4 g'2 ~ g'2" + END, 200),
    "n_wiederholung.gif": (
        r"\clef treble \time 4/4 \repeat volta 2 { c'4 d' e' f' | g'1 }",
        170,
    ),
    "n_fermate.gif": (r"\clef treble \time 4/4 c'4 e' g'2\fermata" + END, 200),
    "n_staccato.gif": (r"\clef treble \time 4/4 c'4-. e'-. g'-. c''-." + END, 190),
    "n_crescendo.gif": (r"\clef treble \time 4/4 c'4\p\< d' e' f' | g'1\f" + END, 170),
    "n_sechzehntel.gif": (r"\clef treble \time 4/4 c'16 d' e' f' g'4 r2" + END, 200),
    # melodies to recognise
    "n_alle_meine_entchen.gif": (
        r"\clef treble \time 4/4 c'8 d' e' f' g'4 g' | a'8 a' a' a' g'2" + BAR,
        160,
    ),
    "n_haenschen_klein.gif": (
        r"\clef treble \time 4/4 g'4 e' e'2 | f'4 d' d'2 | c'4 d' e' f' | g' g' g'2" + BAR,
        140,
    ),
    "n_bruder_jakob.gif": (
        r"\clef treble \time 4/4 f'4 g' a' f' | f' g' a' f' | a' bes' c''2" + BAR,
        150,
    ),
    "n_freude.gif": (
        r"\clef treble \time 4/4 e'4 e' f' g' | g' f' e' d' | c' c' d' e' | e'4. d'8 d'2" + BAR,
        135,
    ),
}
