"""Recorder and Orff instruments, as children meet them at school."""

from . import collect

QUESTIONS, Q = collect("Instrumente")

_GRIP = {
    "h": "Daumenloch und das erste Loch zu: das h, oft der erste Ton auf der Blockflöte.",
    "a": "Daumenloch und die ersten zwei Löcher zu: das a.",
    "g": "Daumenloch und die ersten drei Löcher zu, also die ganze linke Hand: das g.",
    "c": "Alle Löcher zu, auch die unteren: das tiefe c, der tiefste Ton der Blockflöte.",
    "e": "Für das e schließt man das Daumenloch und die ersten fünf Löcher.",
}
for grade, right, wrong in ((20, "h", ("a", "g", "c")), (20, "a", ("h", "g", "e")),
                            (20, "g", ("a", "h", "e")), (30, "c", ("g", "e", "a"))):
    Q(grade, "Welcher Ton wird auf der Blockflöte so gegriffen? Schwarz heißt: Das Loch ist zu.",
      ("+" + right, _GRIP[right]), *[(w, _GRIP[w]) for w in wrong], bild="i_griff_%s.gif" % right)

Q(20, "Welche Hand greift bei der Blockflöte die oberen Löcher, nahe am Mundstück?",
  ("+die linke Hand", "Links oben, rechts unten: Der linke Daumen schließt auch das Loch hinten."),
  ("die rechte Hand", "Die rechte Hand greift die unteren Löcher."),
  ("beide Hände abwechselnd", "Jede Hand hat ihre festen Löcher: links oben, rechts unten."),
  ("egal, wie man möchte", "Es gibt eine feste Haltung: links oben, rechts unten."),
  bild="i_blockfloete.gif")

Q(20, "Wie bläst man in die Blockflöte, damit sie schön klingt?",
  ("+sanft, als würde man „dü“ flüstern", "Ein warmer, ruhiger Luftstrom und die Zunge sagen „dü“: So klingt die Flöte weich."),
  ("so fest wie möglich", "Zu fester Atem lässt die Flöte quietschen und zu hoch klingen."),
  ("mit dicken, aufgeblasenen Backen", "Die Backen bleiben locker; der Atem kommt ruhig aus dem Bauch."),
  ("ganz ohne Zunge", "Mit der Zunge setzt man jeden Ton sauber an: „dü“."))

Q(10, "Woraus ist eine Blockflöte meistens gemacht?",
  ("+aus Holz", "Die meisten Blockflöten sind aus Holz wie Ahorn oder Birnbaum; es gibt auch welche aus Kunststoff."),
  ("aus Blech", "Aus Blech sind Trompete und Posaune."),
  ("aus Glas", "Aus Glas wäre sie schwer und zerbrechlich."),
  ("aus Pappe", "Pappe würde von der feuchten Atemluft weich."),
  bild="i_blockfloete.gif")

Q(30, "Nach welchem Komponisten heißen Glockenspiel, Xylophon und Metallophon in der Schule auch „…-Instrumente“?",
  ("+Carl Orff", "Carl Orff schrieb mit Gunild Keetman das „Schulwerk“ für Kinder und Instrumente, die man leicht spielt."),
  ("Johann Sebastian Bach", "Bach schrieb für Orgel, Cembalo und Orchester."),
  ("Wolfgang Amadeus Mozart", "Nach Mozart sind Kugeln benannt, keine Schulinstrumente."),
  ("Ludwig van Beethoven", "Beethoven schrieb Sinfonien und Klaviermusik."))

Q(30, "Warum kann man bei Orff-Xylophonen einzelne Klangstäbe herausnehmen?",
  ("+Damit nur die Töne bleiben, die zum Lied passen", "Nimmt man etwa f und h heraus, klingt alles, was man spielt, schön zusammen."),
  ("Damit man sie putzen kann", "Putzen kann man sie auch so; es geht um die passenden Töne."),
  ("Damit das Xylophon leichter wird", "Das Gewicht spielt keine Rolle; es geht um die Töne."),
  ("Weil sie sonst verstimmt wären", "Die Stäbe bleiben gestimmt; man nimmt Töne heraus, die stören würden."))

Q(40, "Wie heißt eine Begleitung aus zwei Tönen, etwa c und g, die immer wieder zusammen erklingen?",
  ("+Bordun", "Der Bordun brummt wie beim Dudelsack immer weiter; auf dem Xylophon spielt man ihn oft mit zwei Schlägeln."),
  ("Triller", "Ein Triller ist ein schneller Wechsel zweier Nachbartöne."),
  ("Glissando", "Beim Glissando gleitet man über viele Töne."),
  ("Tremolo", "Ein Tremolo ist ein sehr schnelles Wiederholen eines Tones."))

Q(10, "Womit spielt man auf dem Xylophon?",
  ("+mit zwei Schlägeln", "Die Schlägel haben runde Köpfe aus Filz, Gummi oder Holz."),
  ("mit einem Bogen", "Mit einem Bogen streicht man Geige oder Cello."),
  ("mit den Fingern zupfen", "Zupfen kann man Saiten, keine Klangstäbe."),
  ("mit dem Mund", "Das Xylophon ist ein Schlaginstrument."))

Q(20, "Wie hält man die Triangel, damit sie schön lange klingt?",
  ("+an einer Schlaufe, ohne das Metall zu berühren", "Fasst man das Dreieck an, ist der Klang sofort gedämpft."),
  ("fest in der Faust", "Die Hand dämpft das Metall; es klingt nur kurz und stumpf."),
  ("auf dem Tisch liegend", "Auf dem Tisch kann das Dreieck nicht frei schwingen."),
  ("im Wasser", "Im Wasser kann sie nicht klingen."))

Q(20, "Welches dieser Schulinstrumente hat ein Fell?",
  ("+die Handtrommel", "Auf einen runden Rahmen ist ein Fell gespannt, auf das man mit der Hand schlägt."),
  ("die Triangel", "Die Triangel ist ganz aus Metall."),
  ("die Klanghölzer", "Klanghölzer sind zwei Stäbe aus hartem Holz."),
  ("das Glockenspiel", "Das Glockenspiel hat Plättchen aus Metall."))

Q(30, "Wie heißen die großen Klangplatten aus Metall, die tiefer und weicher klingen als das Glockenspiel?",
  ("+Metallophon", "Das Metallophon gehört zu den Orff-Instrumenten; seine Platten klingen lange nach."),
  ("Xylophon", "Das Xylophon hat Stäbe aus Holz."),
  ("Becken", "Becken sind runde Metallscheiben ohne feste Tonhöhe."),
  ("Triangel", "Die Triangel ist ein gebogener Metallstab."))
