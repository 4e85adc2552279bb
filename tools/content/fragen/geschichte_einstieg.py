"""Music history for children: how music was made and heard in earlier times."""

from . import collect

QUESTIONS, Q = collect("Musikgeschichte")

Q(30, "So sangen im Mittelalter die Mönche im Kloster, einstimmig und ohne Instrumente. Wie heißt dieser Gesang?",
  ("+Gregorianischer Choral", "Die lateinischen Gesänge tragen den Namen von Papst Gregor dem Großen."),
  ("Rap", "Rap entstand erst in den 1970er Jahren."),
  ("Jodeln", "Jodeln kommt aus den Alpen und springt zwischen hoher und tiefer Stimme."),
  ("Oper", "Eine Oper ist ein Theaterstück mit Orchester, erst um 1600 erfunden."),
  audio="s_choral.ogg")

Q(30, "In welcher Zeit war dieses Tasteninstrument, das Cembalo, besonders beliebt?",
  ("+im Barock", "Bach und Händel spielten und schrieben viel für das Cembalo, um 1600 bis 1750."),
  ("in der Steinzeit", "In der Steinzeit gab es Flöten aus Knochen, aber keine Tasteninstrumente."),
  ("heute in der Popmusik", "Heute hört man eher Klavier, Keyboard und Synthesizer."),
  ("im Jazz", "Im Jazz spielt man Klavier, kaum Cembalo."),
  audio="s_cembalo.ogg")

Q(40, "Das Cembalo klingt spitzer als ein Klavier und kann kaum leise und laut. Warum?",
  ("+Seine Saiten werden angezupft.", "Ein kleiner Kiel reißt die Saite an, gleich stark, egal wie fest man drückt."),
  ("Es hat keine Saiten.", "Es hat Saiten, nur werden sie gezupft statt angeschlagen."),
  ("Es wird mit dem Fuß gespielt.", "Gespielt wird mit den Händen auf Tasten."),
  ("Es ist aus Metall.", "Es ist aus Holz, wie das Klavier."),
  audio="s_cembalo.ogg")

Q(10, "Was trugen vornehme Männer wie Bach und Mozart damals oft auf dem Kopf?",
  ("+eine Perücke", "Gepuderte Perücken waren im 18. Jahrhundert bei feinen Leuten Mode."),
  ("eine Baseballkappe", "Baseballkappen gibt es erst seit gut hundert Jahren."),
  ("einen Helm", "Einen Helm trugen Soldaten, nicht Musiker."),
  ("gar nichts", "Auf den Bildern tragen sie meist weiße Perücken."))

Q(10, "Wie konnte man Musik hören, bevor es Radio, Schallplatte und Internet gab?",
  ("+nur wenn jemand selbst spielte oder sang", "Musik gab es nur „live“: im Konzert, in der Kirche, zu Hause oder auf dem Fest."),
  ("mit dem Handy", "Handys gibt es erst seit wenigen Jahrzehnten."),
  ("mit dem Fernseher", "Fernsehen gibt es erst seit etwa 90 Jahren."),
  ("gar nicht", "Musik gab es immer: Man musste sie selbst machen oder hingehen."))

Q(10, "Mit welchem Gerät spielt man Musik von einer schwarzen Scheibe mit Rillen ab?",
  ("+mit dem Plattenspieler", "Eine Nadel fährt durch die Rille der Schallplatte und spürt ihre Wellen."),
  ("mit dem Mikrofon", "Ein Mikrofon nimmt Klang auf, es spielt nichts ab."),
  ("mit dem Metronom", "Das Metronom tickt den Takt."),
  ("mit der Spieluhr", "Die Spieluhr hat eine Walze mit Stiften, keine Scheibe mit Rillen."))

Q(20, "Wie hießen die Musiker, die im Mittelalter von Ort zu Ort zogen und auf Märkten spielten?",
  ("+Spielleute", "Spielleute sangen, spielten Fidel, Flöte und Trommel und brachten Neuigkeiten mit."),
  ("Popstars", "Popstars gibt es erst seit dem 20. Jahrhundert."),
  ("Dirigenten", "Dirigenten leiten ein Orchester."),
  ("Mönche", "Mönche lebten im Kloster und sangen dort."))

Q(20, "Wie wurden Noten vervielfältigt, bevor man sie drucken konnte?",
  ("+Man schrieb sie mit der Hand ab.", "Schreiber kopierten Noten mit Feder und Tinte, Seite für Seite."),
  ("mit dem Kopierer", "Kopierer gibt es erst seit dem 20. Jahrhundert."),
  ("Man fotografierte sie.", "Fotos gibt es erst seit dem 19. Jahrhundert."),
  ("gar nicht", "Doch: Abschreiben war mühsam, aber möglich."))

Q(20, "Wie lange ist es ungefähr her, dass Mozart lebte?",
  ("etwa 25 Jahre", "So jung ist seine Musik nicht: Mozart lebte von 1756 bis 1791."),
  ("etwa 100 Jahre", "Vor 100 Jahren war Mozart schon lange tot."),
  ("+etwa 250 Jahre", "Mozart lebte von 1756 bis 1791, also vor rund 250 Jahren."),
  ("etwa 1000 Jahre", "Vor 1000 Jahren war Mittelalter; Mozart lebte viel später."),
  fest=True)

Q(30, "Welches Zupfinstrument mit bauchigem Körper spielten Spielleute und Sänger im Mittelalter oft?",
  ("+die Laute", "Die Laute hat einen runden Bauch und einen abgeknickten Wirbelkasten."),
  ("die E-Gitarre", "Die E-Gitarre gibt es erst seit etwa 1930."),
  ("das Klavier", "Das Klavier wurde erst um 1700 erfunden und wird nicht gezupft."),
  ("das Saxophon", "Das Saxophon wurde erst um 1840 erfunden."))

Q(20, "Womit machten die Menschen in der Steinzeit wohl ihre erste Musik?",
  ("+mit Stimme, Händen und Dingen wie Steinen, Hölzern und Knochen", "Man fand Flöten aus Knochen, die rund 40 000 Jahre alt sind."),
  ("mit Klavieren", "Klaviere gibt es erst seit etwa 300 Jahren."),
  ("mit Lautsprechern", "Strom und Lautsprecher gab es in der Steinzeit nicht."),
  ("gar nicht, Musik gab es noch nicht", "Die alten Knochenflöten zeigen: Die Menschen machten schon Musik."))
