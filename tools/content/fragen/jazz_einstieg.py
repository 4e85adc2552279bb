"""Jazz for beginners: its instruments by ear, swing, solos and its roots."""

from . import collect

QUESTIONS, Q = collect("Jazz")

Q(20, "Welches Instrument spielt hier ein Jazz-Solo?",
  ("+Saxophon", "Das Saxophon klingt kräftig und ein wenig rauchig; im Jazz ist es sehr beliebt."),
  ("Geige", "Die Geige wird gestrichen und klingt heller."),
  ("Blockflöte", "Die Blockflöte klingt zart und hell."),
  ("Tuba", "Die Tuba klingt sehr tief."),
  audio="s_jazz_sax.ogg")

Q(30, "Die Trompete klingt hier leise und gedämpft. Was hat der Trompeter in den Trichter gesteckt?",
  ("+einen Dämpfer", "Der Dämpfer verändert den Klang: Er wird leiser, näselnder oder „wa-wa“."),
  ("ein Taschentuch", "Ein Tuch würde den Ton nur dumpf machen; Jazzer nehmen geformte Dämpfer."),
  ("seine Hand", "Mit der Hand im Trichter spielt man das Horn, nicht die Trompete."),
  ("ein Mikrofon", "Ein Mikrofon macht den Ton lauter, nicht gedämpft."),
  audio="s_jazz_daempfer.ogg")

Q(20, "Welches Instrument zupft im Jazz diese tiefe, gleichmäßig gehende Basslinie?",
  ("+Kontrabass", "Der Kontrabass spielt auf jeden Schlag einen Ton: Man nennt das „Walking Bass“."),
  ("Tuba", "Die Tuba wird geblasen; hier hörst du gezupfte Saiten."),
  ("Klavier", "Das Klavier spielt im Jazz Akkorde und Melodien."),
  ("Geige", "Die Geige klingt viel höher."),
  audio="s_walking_bass.ogg")

Q(30, "Wie klingen diese Achtelnoten?",
  ("+swingend: lang – kurz, lang – kurz", "Im Swing werden Achtel ungleich gespielt: „daa-ba daa-ba“. Das gibt dem Jazz seinen Schwung."),
  ("gerade: alle gleich lang", "Hör noch einmal: Die erste Achtel ist jeweils länger."),
  ("immer schneller", "Das Tempo bleibt gleich."),
  audio="s_achtel_swing.ogg", fest=True)

Q(30, "Wie klingen diese Achtelnoten?",
  ("swingend: lang – kurz, lang – kurz", "Swing klänge hüpfend: daa-ba daa-ba."),
  ("+gerade: alle gleich lang", "Alle Achtel sind genau gleich lang, wie in Marsch und Klassik."),
  ("immer langsamer", "Das Tempo bleibt gleich."),
  audio="s_achtel_gerade.ogg", fest=True)

Q(20, "Was macht eine Jazzmusikerin bei einem Solo?",
  ("+Sie erfindet ihre Melodie beim Spielen.", "Das heißt improvisieren: Über die Akkorde des Stücks entsteht jedes Mal etwas Neues."),
  ("Sie spielt nur die Noten vom Blatt.", "Nach Noten spielt man die Melodie; im Solo wird erfunden."),
  ("Sie macht Pause.", "Beim Solo steht sie im Mittelpunkt und spielt."),
  ("Sie stimmt ihr Instrument.", "Stimmen tut man vor dem Konzert."))

Q(20, "Was tut das Publikum in einem Jazzkonzert oft nach einem gelungenen Solo?",
  ("+Es klatscht gleich, mitten im Stück.", "Im Jazz ist das üblich: Der Beifall gilt dem Solisten, die Band spielt weiter."),
  ("Es schweigt bis zum Ende des Konzerts.", "So ist es eher im Sinfoniekonzert."),
  ("Es singt das Solo nach.", "Mitsingen tut man eher im Popkonzert."),
  ("Es verlässt den Saal.", "Ein gelungenes Solo freut das Publikum."))

Q(30, "Wie heißen die Blaskapellen, die in New Orleans bei Umzügen durch die Straßen ziehen?",
  ("+Brassbands", "Trompeten, Posaunen, Tuba und Trommeln: Aus dieser Musik wuchs der frühe Jazz."),
  ("Bigbands", "Bigbands spielten im Sitzen zum Tanz, vor allem in den 1930er Jahren."),
  ("Boygroups", "Boygroups sind Popgruppen aus jungen Sängern."),
  ("Orchester", "Ein Sinfonieorchester zieht nicht durch die Straßen."))

Q(30, "Was für eine Jazzgruppe hörst du hier, mit vielen Bläsern zugleich?",
  ("+eine Bigband", "Trompeten, Posaunen und Saxophone spielen in Gruppen, dazu Klavier, Bass und Schlagzeug."),
  ("ein Streichquartett", "Ein Streichquartett hat zwei Geigen, Bratsche und Cello."),
  ("ein Kinderchor", "Hier singt niemand; es spielen Bläser."),
  ("ein einzelner Pianist", "Es spielen viele Instrumente zugleich."),
  audio="s_bigband.ogg")

Q(30, "Welche Musik aus der Zeit um 1900 hörst du auf dem Klavier?",
  ("+Ragtime", "Die rechte Hand spielt verschobene Betonungen, die linke springt gleichmäßig: „The Entertainer“ von Scott Joplin."),
  ("Walzer", "Ein Walzer hätte drei Schläge: UM-pa-pa."),
  ("Gregorianischer Choral", "Das ist einstimmiger Gesang aus dem Mittelalter."),
  ("Techno", "Techno ist elektronische Musik mit gleichmäßigem Beat."),
  audio="s_ragtime.ogg")

Q(10, "Auf welchem Instrument wird dieser Ragtime gespielt?",
  ("+Klavier", "Ragtime ist Klaviermusik: Die linke Hand spielt Bass und Akkorde, die rechte die Melodie."),
  ("Gitarre", "Eine Gitarre klingt gezupft und leiser."),
  ("Trompete", "Die Trompete spielt immer nur einen Ton zugleich."),
  ("Orgel", "Die Orgel hält ihre Töne; das Klavier klingt nach dem Anschlag aus."),
  audio="s_ragtime.ogg")

Q(30, "Welche Musik der Afroamerikaner hörst du, mit traurigen „Blue Notes“? Sie ist eine Wurzel des Jazz.",
  ("+Blues", "Im Blues singen und spielen Musiker von ihrem schweren Leben; die Blue Notes klingen zwischen Dur und Moll."),
  ("Polka", "Die Polka ist ein fröhlicher Tanz im Zweivierteltakt."),
  ("Marsch", "Ein Marsch ist Musik zum Gehen im Gleichschritt."),
  ("Jodeln", "Jodeln kommt aus den Alpen."),
  audio="s_blues.ogg")

Q(30, "Wie nennt man ein bekanntes Stück, das Jazzmusiker immer wieder neu spielen?",
  ("+einen Standard", "Jazzstandards kennen alle; jede Band spielt sie auf ihre Weise."),
  ("einen Hit", "Ein Hit ist ein Lied, das gerade viel gehört wird."),
  ("einen Kanon", "Ein Kanon ist ein Lied, bei dem Stimmen zeitversetzt einsetzen."),
  ("eine Sinfonie", "Eine Sinfonie ist ein großes Orchesterwerk."))
