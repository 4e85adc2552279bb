"""Reading notes: every note from c' to c''' and from C to c', accidentals,
rests and their values, ledger lines, and notes found by ear."""

from uebungen import (ASKED_BASS, ASKED_TREBLE, BASS, BASS_ABOVE, BASS_BELOW, HEAR_SETS, LETTERS, TREBLE,
                      TREBLE_ABOVE, TREBLE_BELOW)

from . import collect

QUESTIONS, Q = collect("Notenlehre")

_TEXTS = ["Welcher Ton ist das?", "Wie heißt diese Note?", "Welcher Ton steht hier?", "Wie heißt dieser Ton?"]
_LINES = {"treble": "Die Linien im Violinschlüssel heißen von unten e, g, h, d, f.",
          "bass": "Die Linien im Bassschlüssel heißen von unten G, H, d, f, a."}


def _place(table, below, above, j):
    return below if j < 0 else above if j >= len(table) else table[j]


def _note_questions(table, below, above, asked, clef, prefix, grade_inside, grade_outside):
    for i, (name, _, where) in enumerate(table):
        if i in asked:
            continue
        # the notes a step away, and one a line or a space away (the usual slip)
        third = i + 2 if (i % 2 == 0 and i + 2 < len(table)) or i < 1 else i - 2
        neighbours = [i - 1, i + 1, third]
        answers = [("+" + LETTERS[i % 7], "Das %s steht %s. %s" % (name, where, _LINES[clef] if "Linie" in where
                                                                   and "Hilfslinie" not in where else ""))]
        for j in neighbours:
            other = _place(table, below, above, j)
            answers.append((LETTERS[j % 7], "Das %s stünde %s." % (other[0], other[2])))
        text = _TEXTS[i % len(_TEXTS)]
        if clef == "bass":
            text = text[:-1] + " im Bassschlüssel?"
        inside = 2 <= i <= 12 if clef == "treble" else 3 <= i <= 13
        Q(grade_inside if inside else grade_outside, text, *[(t, e.strip()) for t, e in answers],
          bild="%s_%02d.gif" % (prefix, i))


_note_questions(TREBLE, TREBLE_BELOW, TREBLE_ABOVE, ASKED_TREBLE, "treble", "n_violin", 20, 30)
_note_questions(BASS, BASS_BELOW, BASS_ABOVE, ASKED_BASS, "bass", "n_bass", 40, 50)


# Notes with a sharp or a flat: (file, right, with the mark, wrong names, grade)
def _accidental(bild, stem, sharp, upper, grade):
    mark, suffix, other_mark, other_suffix = ("Kreuz", "is", "b", "es") if sharp else ("b", "es", "Kreuz", "is")
    right = stem + suffix if stem not in "ea" or sharp else stem + "s"
    wrong_suffix = stem + other_suffix if stem not in "ea" or not sharp else stem + "s"
    how = "erhöht" if sharp else "erniedrigt"
    Q(grade, "Wie heißt dieser Ton mit dem Zeichen davor?",
      ("+" + right, "Das %s %s das %s um einen Halbton: %s." % (mark, how, stem, right)),
      (wrong_suffix, "„%s“ hieße der Ton mit einem %s davor. Hier steht ein %s." % (wrong_suffix, other_mark, mark)),
      (stem, "Das %s vor der Note gilt: Sie klingt nicht mehr wie das %s." % (mark, stem)),
      (upper, "Die Note steht auf dem Platz des %s, nicht des %s." % (stem, upper)),
      bild=bild)


_accidental("n_ton_cis.gif", "c", True, "d", 30)
_accidental("n_ton_es.gif", "e", False, "f", 30)
_accidental("n_ton_gis.gif", "g", True, "a", 40)
_accidental("n_ton_as.gif", "a", False, "h", 40)
_accidental("n_ton_dis.gif", "d", True, "e", 40)

# Rests: what each one looks like and how long it lasts
_RESTS = {
    "ganz": ("ganze Pause", "Die ganze Pause hängt unter der vierten Linie. Sie dauert einen ganzen Viervierteltakt."),
    "halb": ("halbe Pause", "Die halbe Pause sitzt auf der Mittellinie wie ein Hut. Sie dauert zwei Schläge."),
    "viertel": ("Viertelpause", "Die Viertelpause sieht aus wie ein kleiner Blitz. Sie dauert einen Schlag."),
    "achtel": ("Achtelpause", "Die Achtelpause sieht aus wie eine 7 mit einem Punkt. Sie dauert einen halben Schlag."),
    "sechzehntel": ("Sechzehntelpause", "Die Sechzehntelpause hat zwei Häkchen mit Punkten. Sie dauert einen Viertelschlag."),
}
for key, others, grade in (("ganz", ("halb", "viertel", "achtel"), 20),
                           ("halb", ("ganz", "viertel", "achtel"), 20),
                           ("viertel", ("achtel", "halb", "ganz"), 10),
                           ("achtel", ("viertel", "sechzehntel", "halb"), 20),
                           ("sechzehntel", ("achtel", "viertel", "ganz"), 30)):
    Q(grade, "Wie heißt dieses Zeichen?",
      ("+" + _RESTS[key][0], _RESTS[key][1]),
      *[(_RESTS[o][0], _RESTS[o][1]) for o in others],
      bild="n_pause_%s.gif" % key)

Q(20, "Was dauert länger: eine halbe Pause oder eine Viertelnote?",
  ("+die halbe Pause", "Die halbe Pause dauert zwei Schläge, die Viertelnote nur einen."),
  ("die Viertelnote", "Die Viertelnote dauert einen Schlag; die halbe Pause zwei."),
  ("beide gleich lang", "Gleich lang wären eine halbe Pause und eine halbe Note."),
  bild="n_vergleich_pause_note.gif", fest=True)

Q(20, "Wie viele Achtelpausen dauern so lange wie eine Viertelpause?",
  ("1", "Eine Achtelpause ist nur halb so lang wie eine Viertelpause."),
  ("+2", "Zwei Achtel ergeben ein Viertel, bei Noten wie bei Pausen."),
  ("3", "Drei Achtelpausen wären länger als eine Viertelpause."),
  ("4", "Vier Achtelpausen dauern so lange wie eine halbe Pause."),
  bild="n_vergleich_pausen.gif", fest=True)

Q(30, "Diese punktierte halbe Note dauert drei Schläge. Welche Pausen dauern zusammen genauso lang?",
  ("+eine halbe und eine Viertelpause", "2 + 1 = 3 Schläge, so lang wie die punktierte halbe Note."),
  ("zwei halbe Pausen", "2 + 2 = 4 Schläge, einer zu viel."),
  ("drei Achtelpausen", "Drei Achtelpausen dauern nur eineinhalb Schläge."),
  ("eine ganze Pause", "Die ganze Pause dauert vier Schläge, einen zu viel."),
  bild="n_punktierte_halbe.gif")

Q(30, "Im Viervierteltakt stehen eine halbe Note und eine Viertelnote. Welche Pause macht den Takt voll?",
  ("eine halbe Pause", "Dann wären es fünf Schläge, einer zu viel."),
  ("+eine Viertelpause", "2 + 1 + 1 = 4 Schläge: Die Viertelpause füllt den letzten Schlag."),
  ("eine Achtelpause", "Dann fehlte noch ein halber Schlag."),
  ("eine ganze Pause", "Die ganze Pause allein füllt schon einen ganzen Takt."),
  bild="n_takt_luecke.gif")

Q(20, "Wie heißen die kurzen Linien über oder unter den fünf Notenlinien, auf denen sehr hohe oder tiefe Töne stehen?",
  ("+Hilfslinien", "Hilfslinien verlängern das Notensystem nach oben oder unten, etwa für das c’."),
  ("Taktstriche", "Taktstriche stehen senkrecht und trennen die Takte."),
  ("Notenhälse", "Der Notenhals ist der Strich am Notenkopf."),
  ("Balken", "Balken verbinden Achtelnoten miteinander."),
  bild="n_violin_14.gif")

Q(40, "Wie viele Hilfslinien braucht dieses c’’’ im Violinschlüssel?",
  ("1", "Auf der ersten Hilfslinie über dem System steht das a’’."),
  ("+2", "Das c’’’ steht auf der zweiten Hilfslinie über den fünf Linien."),
  ("3", "Drei Hilfslinien bräuchte erst das e’’’."),
  ("keine", "Ohne Hilfslinie kommt man nur bis zum g’’, direkt über der fünften Linie."),
  bild="n_violin_14.gif", fest=True)

# Notes by ear: the c' first, then one of the four notes of the picture.
_INTERVAL = {"c'": ("c’", "dasselbe c’ noch einmal"), "d'": ("d’", "einen Schritt höher"),
             "e'": ("e’", "eine Terz höher"), "f'": ("f’", "eine Quarte höher"),
             "g'": ("g’", "eine Quinte höher"), "a'": ("a’", "eine Sexte höher"),
             "c''": ("c’’", "eine Oktave höher")}
for nr, (notes, heard) in enumerate(HEAR_SETS, start=1):
    answers = []
    for k, note in enumerate(notes):
        name, step = _INTERVAL[note]
        if k == heard:
            answers.append(("+Note %d" % (k + 1), "Nach dem c’ erklingt das %s: %s." % (name, step)))
        else:
            sounds = "es klänge genauso wie das erste c’" if note == "c'" else "es läge %s als das c’" % step
            answers.append(("Note %d" % (k + 1), "Note %d ist das %s; %s." % (k + 1, name, sounds)))
    Q(40, "Zuerst klingt das c’, dann einer der Töne im Bild. Welche Note ist es?", *answers,
      bild="n_hoer_ton_%02d.gif" % nr, audio="s_hoer_ton_%02d.ogg" % nr, fest=True)
