"""Listening: melodies found in notes, musical forms, school percussion,
loud and soft, and the groups of the orchestra."""

from uebungen import MELODIES, MELODY_SETS

from . import collect

QUESTIONS, Q = collect("Hören")

for nr, (names, heard, grade) in enumerate(MELODY_SETS, start=1):
    answers = []
    for k, name in enumerate(names):
        if k == heard:
            answers.append(("+Melodie %d" % (k + 1), "Richtig: Die Melodie %s." % MELODIES[name][1]))
        else:
            answers.append(("Melodie %d" % (k + 1), "Melodie %d %s; die gespielte klingt anders." % (
                k + 1, MELODIES[name][1])))
    Q(grade, "Welche Melodie aus dem Bild hörst du?", *answers,
      bild="n_melodie_%02d.gif" % nr, audio="s_melodie_%02d.ogg" % nr, fest=True)

# Forms: each part is its own little tune, so the parts can be told apart.
_FORMS = [
    ("A B A", "Teil A, ein anderer Teil B und dann wieder A: eine dreiteilige Form."),
    ("A A B", "Teil A zweimal, dann ein neuer Teil B: So sind viele Lieder gebaut."),
    ("A B C", "Drei verschiedene Teile, keiner kehrt wieder."),
    ("A B A C A", "Teil A kehrt nach jedem neuen Teil wieder: Das ist ein Rondo."),
]


def _form(grade, audio, right):
    answers = [(("+" if form == right else "") + form, why) for form, why in _FORMS]
    Q(grade, "Hör auf die Teile: In welcher Reihenfolge kommen sie?", *answers, audio=audio, fest=True)


_form(30, "s_form_aba.ogg", "A B A")
_form(30, "s_form_aab.ogg", "A A B")
_form(40, "s_form_rondo.ogg", "A B A C A")

Q(30, "Was hörst du hier?",
  ("+einen Kanon", "Alle spielen dieselbe Melodie, setzen aber nacheinander ein: „Bruder Jakob“ als Kanon."),
  ("zwei verschiedene Lieder zugleich", "Hör genau hin: Die zweite Stimme spielt dieselbe Melodie, nur später."),
  ("ein Lied mit Akkordbegleitung", "Akkorde wären Zusammenklänge; hier folgt eine Melodie der anderen."),
  ("ein Lied, das immer schneller wird", "Das Tempo bleibt gleich; es kommt eine zweite Stimme hinzu."),
  audio="s_kanon.ogg")

# School percussion by ear: (grade, right, sound, wrong answers)
_PERCUSSION = {
    "Triangel": "Ein Dreieck aus Metall, mit einem Metallstab angeschlagen: Es klingelt hell und lange.",
    "Klanghölzer": "Zwei harte Holzstäbe, aneinandergeschlagen: ein kurzes, helles Klacken.",
    "Schellenkranz": "Viele kleine Metallschellen in einem Ring klirren beim Schütteln.",
    "Rasseln": "Körner in einer hohlen Kugel rascheln beim Schütteln.",
    "Guiro": "Ein Stab kratzt über die Rillen eines Holzkörpers: Es ratscht.",
    "Becken": "Eine große Metallscheibe: Sie zischt und rauscht lange nach.",
    "Bongos": "Zwei kleine Trommeln, mit den Fingern geschlagen: eine hoch, eine tief.",
    "Holzblock": "Ein hohler Holzklotz: Er klopft wie Pferdehufe.",
    "Metallophon": "Metallplatten wie beim Glockenspiel, aber größer: Es klingt tiefer, weich und lange.",
    "Glockenspiel": "Kleine Metallplättchen klingen sehr hoch und hell.",
    "Xylophon": "Holzstäbe klingen kurz und trocken.",
    "Pauke": "Die Pauke ist eine große Kesseltrommel und dröhnt tief.",
}
for grade, right, audio, wrong in (
        (10, "Triangel", "s_triangel.ogg", ("Becken", "Klanghölzer", "Rasseln")),
        (10, "Klanghölzer", "s_klanghoelzer.ogg", ("Triangel", "Schellenkranz", "Becken")),
        (10, "Rasseln", "s_rasseln.ogg", ("Holzblock", "Triangel", "Bongos")),
        (20, "Schellenkranz", "s_schellenkranz.ogg", ("Rasseln", "Triangel", "Klanghölzer")),
        (20, "Guiro", "s_guiro.ogg", ("Rasseln", "Holzblock", "Schellenkranz")),
        (20, "Becken", "s_becken.ogg", ("Triangel", "Pauke", "Holzblock")),
        (20, "Bongos", "s_bongos.ogg", ("Pauke", "Holzblock", "Klanghölzer")),
        (20, "Holzblock", "s_holzblock.ogg", ("Bongos", "Triangel", "Becken")),
        (30, "Metallophon", "s_metallophon.ogg", ("Glockenspiel", "Xylophon", "Triangel"))):
    Q(grade, "Welches Schlaginstrument aus der Schule hörst du?", ("+" + right, _PERCUSSION[right]),
      *[(w, _PERCUSSION[w]) for w in wrong], audio=audio)

Q(10, "Spielt die Trompete hier laut oder leise?",
  ("+laut (forte)", "Die Trompete schmettert kräftig: forte. In Noten steht dafür f."),
  ("leise (piano)", "Leise klänge viel sanfter; hier ist es laut."),
  ("erst leise, dann laut", "Die Lautstärke bleibt die ganze Zeit kräftig."),
  audio="s_trompete_forte.ogg", bild="i_trompete.gif", fest=True)

Q(10, "Spielt die Flöte hier laut oder leise?",
  ("laut (forte)", "Hör noch einmal: Die Flöte spielt ganz zart."),
  ("+leise (piano)", "Die Flöte spielt zart und leise: piano. In Noten steht dafür p."),
  ("erst laut, dann leise", "Die Lautstärke bleibt die ganze Zeit leise."),
  audio="s_floete_piano.ogg", fest=True)

_GROUPS = {
    "Streicher": "Geigen, Bratschen, Celli und Kontrabässe: gestrichene Saiten klingen weich und singend.",
    "Blechbläser": "Trompeten, Hörner, Posaunen und Tuba: Sie klingen strahlend und kräftig.",
    "Holzbläser": "Flöte, Oboe, Klarinette und Fagott: Jedes klingt anders, hell bis näselnd.",
    "Schlagwerk": "Trommeln, Pauken und Becken geben den Rhythmus, meist ohne Melodie.",
}
for grade, right, audio in ((20, "Streicher", "s_gruppe_streicher.ogg"),
                            (20, "Blechbläser", "s_gruppe_blech.ogg"),
                            (30, "Holzbläser", "s_gruppe_holz.ogg")):
    Q(grade, "Welche Instrumentengruppe des Orchesters spielt hier?",
      *[(("+" if g == right else "") + g, why) for g, why in _GROUPS.items()], audio=audio)

Q(20, "Wie viele verschiedene Instrumente spielen hier zusammen?",
  ("1", "Hör genau hin: Eine hohe und eine tiefe Stimme spielen zugleich."),
  ("+2", "Die Querflöte spielt oben die Melodie, das Cello unten die Begleitung."),
  ("3", "Es sind nur zwei: Flöte und Cello."),
  ("4", "Es sind nur zwei: Flöte und Cello."),
  audio="s_zwei_instrumente.ogg", fest=True)

Q(30, "Wie viele verschiedene Instrumente spielen hier zusammen?",
  ("1", "Hör genau hin: Es spielen mehrere Instrumente zugleich."),
  ("2", "Es ist noch eines mehr: Klarinette, Gitarre und Bongos."),
  ("+3", "Die Klarinette spielt die Melodie, die Gitarre Akkorde, die Bongos den Rhythmus."),
  ("5", "So viele sind es nicht: Klarinette, Gitarre und Bongos."),
  audio="s_drei_instrumente.ogg", fest=True)

Q(10, "Wie oft ruft hier der Kuckuck?",
  ("2", "Zähle noch einmal mit: Der Ruf kommt öfter."),
  ("+3", "Dreimal ruft die Klarinette „Ku-ckuck“, jedes Mal von oben nach unten."),
  ("4", "Einer weniger: dreimal."),
  ("5", "Es sind nur drei Rufe."),
  audio="s_kt_kuckuck.ogg", fest=True)

Q(10, "Spielt hier ein Orchester oder eine Rockband?",
  ("+ein Orchester", "Geigen, Flöten und Kontrabässe: ein Sinfonieorchester spielt „Die Moldau“."),
  ("eine Rockband", "Eine Rockband hätte E-Gitarre, E-Bass und Schlagzeug."),
  ("ein einzelnes Klavier", "Es spielen viele Instrumente zugleich."),
  audio="s_moldau.ogg", fest=True)

Q(10, "Spielt hier ein Instrument allein oder eine ganze Gruppe?",
  ("+ein Instrument allein", "Nur eine Querflöte spielt, ganz leise."),
  ("eine ganze Gruppe", "Hör noch einmal: Es ist immer nur ein Ton zugleich, von einer Flöte."),
  ("ein Chor", "Hier singt niemand."),
  audio="s_floete_piano.ogg", fest=True)
