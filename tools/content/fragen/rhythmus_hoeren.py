"""Rhythms by ear, the rhythm syllables, tempo by ear and the Boléro's drum."""

from uebungen import RHYTHM_SETS

from . import collect

QUESTIONS, Q = collect("Rhythmus")

# What a class speaks for each rhythm, and what makes it stand out.
_SPOKEN = {
    "vier_viertel": "ta ta ta ta: vier gleiche Viertel",
    "zwei_halbe": "ta-a ta-a: zwei lange halbe Noten",
    "vv_halbe": "ta ta ta-a: zwei Viertel, dann eine lange Halbe",
    "halbe_vv": "ta-a ta ta: erst eine lange Halbe, dann zwei Viertel",
    "ganze": "ta-a-a-a: ein einziger Klatscher, der vier Schläge lang klingt",
    "achtel_viertel": "ti-ti ta ti-ti ta: zwei schnelle Achtel, dann eine Viertel",
    "viertel_achtel": "ta ti-ti ta ti-ti: erst eine Viertel, dann zwei schnelle Achtel",
    "achtel_halbe": "ti-ti ti-ti ta-a: vier schnelle Achtel, dann eine Halbe",
    "viertel_pause": "ta – ta –: Auf zwei und vier ist Pause",
    "pause_viertel": "– ta – ta: Auf eins und drei ist Pause",
    "punktiert": "ta-i ti ta-a: eine lange punktierte Viertel, eine kurze Achtel, eine Halbe",
    "sechs_achtel_viertel": "ti-ti ti-ti ti-ti ta: sechs schnelle Achtel, dann eine Viertel",
    "drei_viertel_pause": "ta ta ta –: drei Viertel, dann eine Pause",
    "halbe_punktiert": "ta-a-a ta: eine punktierte Halbe für drei Schläge, dann eine Viertel",
}

for nr, (names, heard, grade) in enumerate(RHYTHM_SETS, start=1):
    answers = []
    for k, name in enumerate(names):
        if k == heard:
            answers.append(("+Rhythmus %d" % (k + 1), "Richtig: %s." % _SPOKEN[name]))
        else:
            answers.append(("Rhythmus %d" % (k + 1), "Rhythmus %d klingt anders: %s." % (k + 1, _SPOKEN[name])))
    Q(grade, "Welchen Rhythmus hörst du? Erst wird eingezählt, dann geklatscht.", *answers,
      bild="n_rhythmus_%02d.gif" % nr, audio="s_rhythmus_%02d.ogg" % nr, fest=True)

Q(10, "Wie spricht man diese zwei Achtelnoten in der Rhythmussprache?",
  ("+ti-ti", "Zwei Achtel sind zusammen so lang wie eine Viertel: ti-ti statt ta."),
  ("ta", "Ta spricht man für eine Viertelnote."),
  ("ta-a", "Ta-a ist die halbe Note, die zwei Schläge dauert."),
  ("ta-a-a-a", "Ta-a-a-a ist die ganze Note mit vier Schlägen."),
  musical="&i")

Q(10, "In der Rhythmussprache heißt eine Note „ta-a“. Wie lange dauert sie?",
  ("einen Schlag", "Einen Schlag dauert „ta“, die Viertelnote."),
  ("+zwei Schläge", "„Ta-a“ ist die halbe Note: Man hält sie zwei Schläge lang."),
  ("vier Schläge", "Vier Schläge dauert „ta-a-a-a“, die ganze Note."),
  ("einen halben Schlag", "Einen halben Schlag dauert eine Achtel, ein „ti“."),
  fest=True)

Q(20, "Wie nennt man es, wenn man mit Klatschen, Patschen, Stampfen und Schnipsen Musik macht?",
  ("+Bodypercussion", "Der Körper wird zum Schlagzeug: Hände, Oberschenkel und Füße klingen verschieden."),
  ("Playback", "Beim Playback singt oder spielt man zu einer Aufnahme."),
  ("Beatboxing", "Beim Beatboxing macht man Schlagzeugklänge nur mit dem Mund."),
  ("Dirigieren", "Beim Dirigieren zeigt man mit den Händen den Takt, ohne selbst zu klingen."))

Q(10, "Ist diese Musik schnell oder langsam?",
  ("+langsam", "Die Töne folgen gemächlich aufeinander. Langsam heißt in der Musik Adagio."),
  ("schnell", "Hör noch einmal: Zwischen den Tönen ist viel Zeit."),
  ("erst langsam, dann schnell", "Das Tempo bleibt die ganze Zeit gleich ruhig."),
  audio="s_tempo_langsam.ogg", fest=True)

Q(10, "Ist diese Musik schnell oder langsam?",
  ("langsam", "Hör noch einmal: Die Töne jagen nur so dahin."),
  ("+schnell", "Die Töne folgen dicht aufeinander. Schnell heißt in der Musik Allegro oder Presto."),
  ("erst schnell, dann langsam", "Das Tempo bleibt die ganze Zeit gleich schnell."),
  audio="s_tempo_schnell.ogg", fest=True)

Q(30, "Dieser Trommelrhythmus bleibt in einem berühmten Orchesterstück immer gleich. Wie heißt es?",
  ("+Boléro", "Maurice Ravel schrieb den Boléro 1928. Die kleine Trommel spielt diesen Rhythmus eine Viertelstunde lang immer wieder."),
  ("Eine kleine Nachtmusik", "Mozarts Nachtmusik ist für Streicher, ohne Trommel."),
  ("Für Elise", "Für Elise ist ein Klavierstück von Beethoven."),
  ("Die Moldau", "Die Moldau von Smetana beschreibt einen Fluss."),
  audio="s_bolero.ogg")

Q(30, "Welches Instrument spielt im Boléro diesen Rhythmus, vom ersten bis zum letzten Takt?",
  ("+Die kleine Trommel", "Sie beginnt ganz leise und wird bis zum Schluss immer lauter."),
  ("Die Pauke", "Die Pauke klingt tiefer und dröhnender."),
  ("Das Xylophon", "Das Xylophon spielt Töne mit Tonhöhen auf Holzstäben."),
  ("Die Triangel", "Die Triangel klingelt hell; hier hörst du eine Trommel."),
  audio="s_bolero.ogg")

Q(50, "Wie nennt man einen Rhythmus oder eine Tonfolge, die ein Stück lang immer wiederholt wird?",
  ("+Ostinato", "Ostinato heißt „hartnäckig“. Im Boléro ist der Trommelrhythmus ein Ostinato."),
  ("Fermate", "Eine Fermate hält einen einzelnen Ton lange aus."),
  ("Kadenz", "Eine Kadenz ist ein Schluss oder ein freies Solo."),
  ("Crescendo", "Crescendo heißt „lauter werdend“."))
