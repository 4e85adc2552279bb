"""Opera and musical for children: figures, places, and the voices by ear."""

from . import collect

QUESTIONS, Q = collect("Oper und Musical")

Q(20, "Mit diesem Instrument pfeift in Mozarts „Zauberflöte“ der Vogelfänger. Wie heißt er?",
  ("+Papageno", "Papageno fängt Vögel mit seiner Panflöte und sucht eine Frau: Am Ende findet er Papagena."),
  ("Tamino", "Tamino ist der Prinz; er spielt die Zauberflöte."),
  ("Sarastro", "Sarastro ist der weise Priester mit der tiefen Bassstimme."),
  ("Figaro", "Figaro ist ein Barbier aus anderen Opern."),
  audio="s_papageno.ogg")

Q(20, "Dieser Brautchor stammt aus einer Oper von Richard Wagner. Bei welchem Fest spielt man ihn oft?",
  ("+bei einer Hochzeit", "„Treulich geführt“ aus der Oper „Lohengrin“ begleitet oft die Braut zum Altar."),
  ("an Weihnachten", "An Weihnachten singt man Weihnachtslieder."),
  ("am Geburtstag", "Zum Geburtstag singt man „Zum Geburtstag viel Glück“."),
  ("an Sankt Martin", "An Sankt Martin singt man Laternenlieder."),
  audio="s_brautchor.ogg")

Q(20, "Wo sitzt das Orchester in einem Opernhaus?",
  ("+im Orchestergraben vor der Bühne", "Der Graben liegt tiefer als die Bühne; so sieht das Publikum die Sänger gut."),
  ("hinter dem Publikum", "Dort könnten Sänger und Dirigent einander nicht sehen."),
  ("auf dem Dach", "Auf dem Dach hörte niemand das Orchester."),
  ("in einem anderen Haus", "Die Musik muss genau zur Bühne passen: Das Orchester sitzt direkt davor."))

Q(20, "Wie heißt ein Gesang für zwei Sängerinnen oder Sänger?",
  ("+Duett", "„Duo“ heißt zwei. Berühmt ist das „Pa-pa-pa“-Duett aus der Zauberflöte."),
  ("Solo", "Beim Solo singt eine Person allein."),
  ("Chor", "Im Chor singen viele."),
  ("Quartett", "Im Quartett singen oder spielen vier."))

Q(10, "Was ist ein Musical?",
  ("+ein Bühnenstück mit Liedern, Tanz und gesprochenen Szenen", "Anders als in der Oper wird im Musical auch viel gesprochen und getanzt."),
  ("ein Zeichentrickfilm ohne Musik", "Ohne Musik wäre es kein Musical."),
  ("ein Instrument mit Tasten", "Das wäre etwa ein Klavier."),
  ("ein Konzert nur mit Trommeln", "Im Musical gibt es Orchester oder Band, Gesang und Tanz."))

Q(10, "Wer leitet in der Oper das Orchester und die Sänger?",
  ("+die Dirigentin oder der Dirigent", "Mit dem Taktstock zeigt sie oder er Tempo, Einsätze und Lautstärke."),
  ("der Souffleur", "Der Souffleur flüstert den Sängern den Text zu, wenn sie ihn vergessen."),
  ("der Kartenverkäufer", "Er verkauft die Eintrittskarten."),
  ("das Publikum", "Das Publikum hört zu und klatscht."))

Q(30, "Wie heißt das Musikstück, das das Orchester vor dem Beginn einer Oper spielt?",
  ("+Ouvertüre", "Die Ouvertüre stimmt auf die Oper ein; oft klingen schon Melodien der Oper an."),
  ("Finale", "Das Finale ist der Schluss."),
  ("Arie", "Eine Arie singt eine Figur allein."),
  ("Zugabe", "Eine Zugabe spielt man nach dem Konzert, wenn das Publikum weiter klatscht."))

_VOICES = {
    "Sopran": "Der Sopran ist die höchste Stimme, von Frauen und Kindern gesungen.",
    "Alt": "Der Alt ist die tiefere Frauenstimme.",
    "Tenor": "Der Tenor ist die hohe Männerstimme.",
    "Bass": "Der Bass ist die tiefste Männerstimme.",
}
for grade, right, audio in ((30, "Sopran", "s_stimme_sopran.ogg"), (40, "Alt", "s_stimme_alt.ogg"),
                            (40, "Tenor", "s_stimme_tenor.ogg"), (30, "Bass", "s_stimme_bass.ogg")):
    Q(grade, "Welche Stimmlage singt hier?", *[(("+" if v == right else "") + v, why) for v, why in _VOICES.items()],
      audio=audio)

Q(10, "Singt hier eine hohe Frauenstimme oder eine tiefe Männerstimme?",
  ("+eine hohe Frauenstimme", "Die Töne liegen hoch: Das ist der Sopran."),
  ("eine tiefe Männerstimme", "Hör noch einmal: Die Töne liegen weit oben."),
  ("gar keine Stimme, ein Klavier", "Hier singt eine Stimme, „Aah“."),
  audio="s_stimme_sopran.ogg", fest=True)

Q(10, "Singt hier eine hohe Frauenstimme oder eine tiefe Männerstimme?",
  ("eine hohe Frauenstimme", "Hör noch einmal: Die Töne liegen tief unten."),
  ("+eine tiefe Männerstimme", "Die Töne liegen tief: Das ist der Bass."),
  ("gar keine Stimme, eine Tuba", "Hier singt eine Stimme, „Aah“."),
  audio="s_stimme_bass.ogg", fest=True)
