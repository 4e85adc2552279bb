"""Instruments of five regions of the world: Africa, Latin America and the
Caribbean, Asia, Europe and North America, and the Orient."""

from . import collect

QUESTIONS, Q = collect("Instrumente")

# Africa
Q(30, "Bei diesem kleinen Instrument aus Afrika zupft man Metallzungen mit den Daumen. Wie heißt es?",
  ("+Kalimba", "Die Kalimba klingt zart wie eine Spieldose; man nennt sie auch Daumenklavier."),
  ("Ukulele", "Die Ukulele hat Saiten und kommt von Hawaii."),
  ("Balalaika", "Die Balalaika ist eine russische Laute mit dreieckigem Körper."),
  ("Sitar", "Die Sitar ist ein großes Saiteninstrument aus Indien."),
  audio="s_kalimba.ogg", bild="i_kalimba.gif")

Q(20, "Welche Trommel aus Westafrika hat die Form eines Kelches und wird mit bloßen Händen geschlagen?",
  ("+Djembe", "Die Djembe klingt tief in der Mitte und hell am Rand. Sie ist aus Holz und Ziegenfell."),
  ("Pauke", "Die Pauke hat einen Kessel aus Kupfer und wird mit Schlägeln gespielt."),
  ("Cajón", "Das Cajón ist eine Holzkiste aus Peru."),
  ("Tamburin", "Das Tamburin ist flach und hat Schellen."),
  audio="s_djembe.ogg", bild="i_djembe.gif")

# Latin America and the Caribbean
Q(20, "Welches Instrument aus den Anden in Südamerika hörst du?",
  ("+Panflöte", "Die Panflöte hat viele Röhren nebeneinander, jede für einen Ton. Man bläst über ihre Öffnung."),
  ("Blockflöte", "Die Blockflöte hat eine Röhre mit Grifflöchern."),
  ("Trompete", "Die Trompete klingt schmetternd und blechern."),
  ("Dudelsack", "Der Dudelsack brummt mit einem Dauerton und kommt aus Schottland."),
  audio="s_panfloete.ogg", bild="i_panfloete.gif")

Q(20, "Aus welchem Land kommt diese Trommelmusik, die beim Karneval von Rio erklingt?",
  ("+Brasilien", "Samba: große Surdo-Trommeln, Glocken und Pfeifen. Rio de Janeiro liegt in Brasilien."),
  ("Schweden", "In Schweden feiert man keinen Samba-Karneval."),
  ("Japan", "Aus Japan kommen die großen Taiko-Trommeln."),
  ("Österreich", "In Österreich hört man beim Fasching eher Blasmusik."),
  audio="s_samba.ogg")

Q(30, "Dieses Instrument aus der Karibik wurde zuerst aus alten Ölfässern gebaut. Wie heißt es?",
  ("+Steeldrum", "Auf der Insel Trinidad hämmerte man Felder in Fassdeckel; jedes Feld klingt anders."),
  ("Pauke", "Die Pauke ist eine Trommel mit Fell."),
  ("Xylophon", "Das Xylophon hat Stäbe aus Holz."),
  ("Glockenspiel", "Das Glockenspiel hat kleine Metallplättchen."),
  audio="s_steeldrum.ogg")

Q(20, "Auf welchem Instrument aus Peru sitzt man beim Spielen?",
  ("+Cajón", "Das Cajón ist eine Holzkiste; man schlägt mit den Händen auf die Vorderseite."),
  ("Djembe", "Die Djembe hält man zwischen den Knien; sie kommt aus Westafrika."),
  ("Panflöte", "Die Panflöte bläst man."),
  ("Maracas", "Maracas sind Rasseln, die man schüttelt."),
  bild="i_cajon.gif")

# Asia
Q(30, "Welches Saiteninstrument aus Indien hörst du?",
  ("+Sitar", "Die Sitar hat einen langen Hals und viele Saiten, die mitklingen. Das gibt ihr den sirrenden Klang."),
  ("Gitarre", "Die Gitarre klingt klarer, ohne das Sirren."),
  ("Harfe", "Die Harfe hat einen großen Rahmen und klingt weich."),
  ("Banjo", "Das Banjo kommt aus den USA und klingt hart und kurz."),
  audio="s_sitar.ogg")

Q(30, "Wie heißen die großen japanischen Trommeln, die mit dicken Stöcken geschlagen werden?",
  ("+Taiko", "Taiko-Gruppen spielen mit viel Kraft und Bewegung; die größten Trommeln sind mannshoch."),
  ("Bongos", "Bongos sind zwei kleine Trommeln aus Kuba."),
  ("Djembe", "Die Djembe kommt aus Westafrika und wird mit den Händen gespielt."),
  ("Tabla", "Die Tabla ist ein kleines Trommelpaar aus Indien."),
  audio="s_taiko.ogg")

Q(40, "Welches Zupfinstrument aus Japan liegt flach vor dem Spieler und hat meist 13 Saiten?",
  ("+Koto", "Über jeder Saite steht ein kleiner Steg; man zupft mit Plättchen an den Fingern."),
  ("Sitar", "Die Sitar kommt aus Indien und hat einen langen Hals."),
  ("Harfe", "Die Harfe steht aufrecht."),
  ("Zither", "Die Zither liegt auch flach, kommt aber aus den Alpen."))

Q(40, "Wie heißt das Orchester aus Indonesien mit vielen Gongs und Metallophonen?",
  ("+Gamelan", "Auf Java und Bali spielen Gamelan-Gruppen; die Instrumente gehören zusammen wie eine Familie."),
  ("Bigband", "Eine Bigband ist ein Jazzorchester."),
  ("Mariachi", "Mariachi-Gruppen spielen in Mexiko mit Geigen, Trompeten und Gitarren."),
  ("Samba", "Samba ist Musik aus Brasilien."))

Q(50, "Wie heißt die chinesische Geige mit nur zwei Saiten?",
  ("+Erhu", "Der Bogen der Erhu läuft zwischen den beiden Saiten hindurch."),
  ("Sitar", "Die Sitar kommt aus Indien."),
  ("Koto", "Die Koto ist ein japanisches Zupfinstrument."),
  ("Oud", "Die Oud ist eine Laute aus dem Orient."))

# Europe and North America
Q(20, "Welches lange Blasinstrument aus Holz hörst du hier, wie in den Bergen der Schweiz?",
  ("+Alphorn", "Das Alphorn ist bis zu vier Meter lang und hat keine Löcher: Die Töne macht man mit den Lippen."),
  ("Trompete", "Die Trompete ist aus Blech und viel kürzer."),
  ("Dudelsack", "Der Dudelsack hat einen Sack und brummende Pfeifen."),
  ("Tuba", "Die Tuba ist ein Blechblasinstrument des Orchesters."),
  audio="s_alphorn.ogg")

Q(20, "Aus welchem Land kommt der Flamenco mit Gitarre und Händeklatschen?",
  ("+Spanien", "Der Flamenco kommt aus Andalusien im Süden Spaniens: Gitarre, Gesang, Tanz und Klatschen."),
  ("Schweden", "Schweden ist für ABBA bekannt, nicht für Flamenco."),
  ("Polen", "Aus Polen kommt die Polonaise."),
  ("Irland", "Irische Musik hat Fiddle, Flöte und Harfe."),
  audio="s_flamenco.ogg")

Q(10, "Aus welchem Land ist der Dudelsack besonders bekannt?",
  ("+Schottland", "Die schottischen Dudelsackspieler tragen oft einen Kilt, einen karierten Rock."),
  ("Italien", "In Italien gibt es zwar auch Sackpfeifen, berühmt ist aber Schottland."),
  ("China", "Aus China kommt etwa die Erhu."),
  ("Brasilien", "Aus Brasilien kommt der Samba."),
  audio="s_dudelsack.ogg")

Q(30, "Welches Instrument aus den USA mit einem Körper wie eine Trommel hörst du?",
  ("+Banjo", "Über den runden Körper ist ein Fell gespannt: So klingt das Banjo hell und hart."),
  ("Geige", "Die Geige wird gestrichen."),
  ("Harfe", "Die Harfe klingt weich und lange."),
  ("Sitar", "Die Sitar sirrt und kommt aus Indien."),
  audio="s_banjo.ogg")

# The Orient
Q(50, "Wie heißt die Laute aus dem Orient mit bauchigem Körper, abgeknicktem Hals und ohne Bünde?",
  ("+Oud", "Ohne Bünde kann der Spieler auch Töne zwischen unseren Halbtönen greifen."),
  ("Gitarre", "Die Gitarre hat Bünde und einen geraden Hals."),
  ("Banjo", "Das Banjo hat einen runden Körper mit Fell."),
  ("Ukulele", "Die Ukulele ist klein und kommt von Hawaii."))
