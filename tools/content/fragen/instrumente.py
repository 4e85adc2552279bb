from . import collect

QUESTIONS, Q = collect("Instrumente")

Q(10, "Welches Instrument siehst du auf dem Bild?",
  ("+Geige", "Die Geige (Violine) hat vier Saiten und wird mit einem Bogen gestrichen. Der Bogen liegt neben ihr."),
  ("Gitarre", "Die Gitarre hat ein rundes Schallloch und wird gezupft, nicht mit einem Bogen gestrichen."),
  ("Trompete", "Die Trompete ist aus glänzendem Blech und hat keine Saiten."),
  bild="i_geige.jpg")

Q(10, "Welches Instrument ist das?",
  ("+Gitarre", "Die Gitarre hat meist sechs Saiten, ein rundes Schallloch und Bünde auf dem Hals."),
  ("Geige", "Die Geige ist kleiner, hat vier Saiten und wird mit einem Bogen gestrichen."),
  ("Harfe", "Die Harfe hat viele Saiten in einem großen dreieckigen Rahmen."),
  bild="i_gitarre.gif")

Q(10, "Wie heißt dieses Blechblasinstrument?",
  ("+Trompete", "Die Trompete hat drei Ventile. Mit ihnen und den Lippen spielt man verschiedene Töne."),
  ("Posaune", "Die Posaune hat statt Ventilen einen langen Zug, den man hin und her schiebt."),
  ("Blockflöte", "Die Blockflöte ist ein Holzblasinstrument mit Grifflöchern, ohne Ventile."),
  ("Tuba", "Die Tuba ist viel größer und klingt sehr tief; ihr Trichter zeigt nach oben."),
  bild="i_trompete.gif")

Q(10, "Welches Instrument siehst du hier?",
  ("+Trommel", "Auf der Trommel schlägt man mit Stöcken auf ein gespanntes Fell."),
  ("Triangel", "Die Triangel ist ein Dreieck aus Metall, das man mit einem Metallstab anschlägt."),
  ("Pauke", "Die Pauke hat einen runden Kessel wie eine große Schüssel und wird mit Schlägeln gespielt."),
  bild="i_trommel.gif")

Q(10, "Wie heißt dieses Instrument, das viele Kinder in der Schule lernen?",
  ("+Blockflöte", "Die Blockflöte hat vorne sieben Grifflöcher und hinten ein Daumenloch."),
  ("Querflöte", "Die Querflöte hält man quer zur Seite, nicht gerade vor den Mund."),
  ("Trompete", "Die Trompete ist aus Blech und hat Ventile statt Löcher."),
  bild="i_blockfloete.gif")

Q(20, "Welches große Saiteninstrument ist das?",
  ("+Harfe", "Die Konzertharfe hat etwa 47 Saiten. Die C-Saiten sind rot gefärbt, damit man sich zurechtfindet."),
  ("Gitarre", "Die Gitarre hat nur sechs Saiten und einen Hals mit Bünden."),
  ("Klavier", "Beim Klavier liegen die Saiten im Gehäuse; man spielt sie über Tasten."),
  ("Kontrabass", "Der Kontrabass hat vier Saiten und wird gestrichen oder gezupft."),
  bild="i_harfe.bmp")

Q(10, "Wie heißt dieses Instrument aus Metall?",
  ("+Triangel", "Die Triangel ist ein gebogener Metallstab in Dreiecksform; sie klingt hell und klingelnd."),
  ("Tamburin", "Das Tamburin ist rund und hat kleine Schellen am Rand."),
  ("Xylophon", "Das Xylophon hat viele Klangstäbe nebeneinander."),
  bild="i_triangel.gif")

Q(10, "Welches Instrument siehst du?",
  ("+Xylophon", "Beim Xylophon schlägt man mit Schlägeln auf Klangstäbe. Kurze Stäbe klingen hoch, lange tief."),
  ("Klavier", "Das Klavier hat schwarze und weiße Tasten, die man mit den Fingern drückt."),
  ("Harfe", "Die Harfe hat Saiten, die man zupft, keine Stäbe."),
  bild="i_xylophon.jpg")

Q(20, "Wie heißt dieses Blechblasinstrument?",
  ("+Posaune", "Bei der Posaune verändert man mit dem Zug die Länge des Rohres und damit die Tonhöhe."),
  ("Trompete", "Die Trompete hat drei Ventile und keinen Zug."),
  ("Saxophon", "Das Saxophon ist gebogen wie ein J und hat viele Klappen."),
  ("Horn", "Das Horn ist rund gewickelt; der Spieler hält eine Hand im Trichter."),
  bild="i_posaune.gif")

Q(30, "Wie heißt dieses Instrument?",
  ("+Saxophon", "Das Saxophon erfand Adolphe Sax in den 1840er Jahren. Es ist aus Metall, hat aber ein Rohrblatt."),
  ("Trompete", "Die Trompete ist gerade gebaut und hat drei Ventile statt vieler Klappen."),
  ("Klarinette", "Die Klarinette ist meist aus dunklem Holz und gerade, nicht gebogen."),
  ("Tuba", "Die Tuba ist viel größer und ein Blechblasinstrument mit Ventilen."),
  bild="i_saxophon.gif")

Q(30, "Welches Instrument ist hier gezeichnet?",
  ("+Pauke", "Die Pauke hat einen Kessel aus Kupfer. Man kann sie stimmen, also auf eine Tonhöhe einstellen."),
  ("Trommel", "Die kleine Trommel ist flach und hat einen Teppich aus Drähten unter dem Fell."),
  ("Tamburin", "Das Tamburin hält man in der Hand; es hat Schellen am Rand."),
  bild="i_pauke.gif")

Q(20, "Welches Instrument siehst du hier?",
  ("+Akkordeon", "Beim Akkordeon drückt der Balg Luft durch Metallzungen. Man nennt es auch Schifferklavier."),
  ("Klavier", "Das Klavier hat keinen Balg; seine Saiten werden von Hämmerchen angeschlagen."),
  ("Orgel", "Die Orgel hat auch Tasten und Luft, aber Pfeifen und ist viel zu groß zum Tragen."),
  ("Mundharmonika", "Die Mundharmonika ist klein und wird mit dem Mund angeblasen, ohne Balg."),
  bild="i_akkordeon.jpg")

Q(10, "Wie heißt dieses Instrument?",
  ("+Tamburin", "Das Tamburin ist eine kleine Rahmentrommel mit Schellen. Man schüttelt oder schlägt es."),
  ("Triangel", "Die Triangel ist ein Dreieck aus Metall."),
  ("Pauke", "Die Pauke ist eine große Kesseltrommel, die auf dem Boden steht."),
  bild="i_tamburin.gif")

Q(10, "Was siehst du hier?",
  ("+Rasseln", "Rasseln (Maracas) sind mit Körnern oder Steinchen gefüllt. Schüttelt man sie, rascheln sie."),
  ("Trommeln", "Trommeln haben ein Fell, auf das man schlägt."),
  ("Glocken", "Glocken sind aus Metall und haben innen einen Klöppel."),
  bild="i_rasseln.gif")

Q(20, "Wie viele Tasten hat ein normales Klavier?",
  ("+88", "Das Klavier hat 88 Tasten: 52 weiße und 36 schwarze."),
  ("64", "64 ist zu wenig. Ein modernes Klavier hat 88 Tasten."),
  ("100", "Ganz 100 sind es nicht: Es sind 88 Tasten."),
  ("52", "52 ist nur die Zahl der weißen Tasten. Dazu kommen 36 schwarze."),
  fest=True)

Q(10, "Wie viele Saiten hat eine Geige?",
  ("3", "Drei Saiten hat die Balalaika, nicht die Geige."),
  ("+4", "Die Geige hat vier Saiten, gestimmt auf G, D, A und E."),
  ("6", "Sechs Saiten hat die Gitarre."),
  ("10", "Zehn Saiten hat keine Geige. Es sind vier."),
  fest=True)

Q(20, "Wie viele Saiten hat eine normale Gitarre?",
  ("4", "Vier Saiten haben die Geige und die Bassgitarre."),
  ("5", "Fünf Saiten hat manches Banjo, die normale Gitarre hat mehr."),
  ("+6", "Die Gitarre hat sechs Saiten: E, A, D, G, H und e."),
  ("12", "Es gibt zwölfsaitige Gitarren, aber die normale Gitarre hat sechs Saiten."),
  fest=True)

Q(20, "Welches ist das größte und tiefste Streichinstrument im Orchester?",
  ("+Kontrabass", "Der Kontrabass ist oft größer als der Spieler und klingt am tiefsten von allen Streichern."),
  ("Cello", "Das Cello ist groß und tief, aber der Kontrabass ist noch größer und tiefer."),
  ("Bratsche", "Die Bratsche ist nur etwas größer als die Geige und klingt mittelhoch."),
  ("Geige", "Die Geige ist das kleinste und höchste Streichinstrument im Orchester."))

Q(30, "Zu welcher Instrumentengruppe gehört die Querflöte, obwohl sie meist aus Metall ist?",
  ("+Holzblasinstrumente", "Man ordnet nach der Art der Tonerzeugung: Der Luftstrom bricht sich an einer Kante, wie bei Flöten aus Holz."),
  ("Blechblasinstrumente", "Bei Blechbläsern summen die Lippen im Mundstück. Das tut man bei der Flöte nicht."),
  ("Schlaginstrumente", "Schlaginstrumente werden geschlagen, geschüttelt oder gerieben, nicht geblasen."),
  ("Streichinstrumente", "Streichinstrumente haben Saiten und einen Bogen."))

Q(30, "Auf welches Instrument stimmt sich ein Orchester meist vor dem Konzert ein?",
  ("+Oboe", "Die Oboe gibt das A an. Ihr klarer Ton ist gut zu hören und lässt sich schlecht verstellen."),
  ("Pauke", "Die Pauke wird selbst gestimmt, gibt aber nicht den Ton für alle an."),
  ("Tuba", "Die Tuba klingt sehr tief; nach ihr stimmt das Orchester nicht."),
  ("Triangel", "Die Triangel hat keine genaue Tonhöhe und taugt nicht zum Stimmen."))

Q(40, "Wie wird der Ton beim Cembalo erzeugt?",
  ("+Die Saiten werden angezupft.", "Beim Tastendruck reißt ein kleiner Kiel die Saite an. Daher klingt das Cembalo spitz und fast gleich laut."),
  ("Hämmerchen schlagen auf die Saiten.", "So ist es beim Klavier. Das kam erst um 1700 auf und kann leise und laut spielen."),
  ("Luft strömt durch Pfeifen.", "Das ist die Orgel. Das Cembalo hat Saiten."),
  ("Die Saiten werden mit einem Bogen gestrichen.", "Gestrichen werden Geige, Bratsche, Cello und Kontrabass."))

Q(30, "Welches Instrument nennt man auch die „Königin der Instrumente“?",
  ("+die Orgel", "Die Orgel hat oft Tausende Pfeifen und viele Klangfarben. Mozart nannte sie in einem Brief „König aller Instrumente“."),
  ("die Geige", "Die Geige ist sehr beliebt, aber dieser Beiname gehört der Orgel."),
  ("die Harfe", "Die Harfe ist ein edles Instrument, trägt diesen Beinamen aber nicht."),
  ("das Klavier", "Das Klavier ist vielseitig, doch „Königin der Instrumente“ heißt die Orgel."))

Q(30, "Aus welchem Land stammt das Didgeridoo?",
  ("+Australien", "Die Aborigines, die Ureinwohner Australiens, blasen das lange Holzrohr. Es brummt tief und ohne Pause."),
  ("Brasilien", "Aus Brasilien kommen Samba-Trommeln wie die Surdo, nicht das Didgeridoo."),
  ("Indien", "Aus Indien kommen Sitar und Tabla."),
  ("Schottland", "Aus Schottland ist der Dudelsack bekannt."))

Q(40, "Welches Instrument gehört zu Hawaii und hat vier Saiten?",
  ("+Ukulele", "Die Ukulele entstand auf Hawaii aus einer kleinen portugiesischen Gitarre. Sie hat vier Saiten."),
  ("Balalaika", "Die Balalaika kommt aus Russland, hat einen dreieckigen Körper und drei Saiten."),
  ("Banjo", "Das Banjo stammt aus den USA und hat einen Körper wie eine Trommel."),
  ("Sitar", "Die Sitar kommt aus Indien und hat viele Saiten."))

Q(40, "Welches Instrument hat einen dreieckigen Körper und stammt aus Russland?",
  ("+Balalaika", "Die Balalaika hat drei Saiten und einen dreieckigen Korpus."),
  ("Mandoline", "Die Mandoline kommt aus Italien und hat einen runden Bauch."),
  ("Ukulele", "Die Ukulele stammt von Hawaii und sieht aus wie eine kleine Gitarre."),
  ("Zither", "Die Zither ist ein flacher Kasten mit vielen Saiten, vor allem in den Alpen verbreitet."))

Q(50, "Was haben Oboe und Fagott gemeinsam?",
  ("+Beide werden mit einem Doppelrohrblatt gespielt.", "Zwei dünne Rohrblätter schwingen gegeneinander. So entsteht der näselnde Klang."),
  ("Beide sind Blechblasinstrumente.", "Oboe und Fagott sind Holzblasinstrumente."),
  ("Beide haben Ventile wie die Trompete.", "Ventile haben Blechbläser. Oboe und Fagott haben Klappen und Grifflöcher."),
  ("Beide klingen gleich hoch.", "Die Oboe klingt hoch, das Fagott tief: es ist der Bass der Holzbläser."))

Q(50, "Womit verändert der Spieler die Tonhöhe beim Naturhorn und beim Alphorn?",
  ("+Nur mit den Lippen", "Ohne Ventile und Löcher spielen diese Hörner nur die Naturtöne, die man mit der Lippenspannung wählt."),
  ("Mit Ventilen", "Ventile haben erst die modernen Hörner; Alphorn und Naturhorn haben keine."),
  ("Mit Grifflöchern", "Grifflöcher haben Flöten, nicht das Alphorn."),
  ("Mit einem Zug", "Ein Zug gehört zur Posaune."))

Q(60, "Was bewirkt beim Klavier das rechte Pedal?",
  ("+Die Töne klingen weiter, auch wenn man die Tasten loslässt.", "Es hebt alle Dämpfer von den Saiten. Man nennt es Haltepedal oder Fortepedal."),
  ("Das Klavier wird lauter.", "Lauter wird es nur durch kräftigeres Anschlagen; das Pedal lässt die Töne nachklingen."),
  ("Das Klavier wird umgestimmt.", "Kein Pedal stimmt ein Klavier um. Das macht der Klavierstimmer."),
  ("Die Töne werden höher.", "Die Tonhöhe ändert sich durch das Pedal nicht."))

Q(60, "Zu welcher Gruppe gehört das Saxophon?",
  ("+Holzblasinstrumente", "Es ist aus Messing, aber der Ton entsteht mit einem Rohrblatt aus Schilfrohr wie bei der Klarinette."),
  ("Blechblasinstrumente", "Das Material ist Blech, doch entscheidend ist das Rohrblatt: also ein Holzblasinstrument."),
  ("Streichinstrumente", "Das Saxophon hat keine Saiten."),
  ("Tasteninstrumente", "Es hat Klappen, aber keine Tastatur wie Klavier oder Orgel."))

Q(70, "Wie viele Pedale hat eine moderne Konzertharfe?",
  ("5", "Fünf sind zu wenig: Für jeden der sieben Stammtöne gibt es ein Pedal."),
  ("+7", "Sieben Pedale, eines für jeden Stammton (C, D, E, F, G, A, H). Jedes hat drei Stellungen: b, normal und Kreuz."),
  ("12", "Zwölf Pedale gibt es nicht; sieben reichen, weil jedes drei Stellungen hat."),
  ("keines", "Die Konzertharfe hat Pedale, mit denen man alle Töne einer Art gleichzeitig umstimmt."),
  fest=True)

Q(70, "In welcher Stadt baute Antonio Stradivari seine berühmten Geigen?",
  ("+Cremona", "In Cremona in Norditalien arbeiteten auch die Geigenbauer Amati und Guarneri."),
  ("Wien", "In Wien lebten viele Komponisten, aber Stradivari arbeitete in Cremona."),
  ("Paris", "Paris war ein Zentrum der Musik, doch die berühmten Geigen entstanden in Cremona."),
  ("Mittenwald", "Mittenwald in Bayern ist zwar ein Geigenbauort, Stradivari lebte aber in Cremona."))

Q(80, "Warum klingt ein Theremin, ohne dass man es berührt?",
  ("+Die Hände verändern elektrische Felder um zwei Antennen.", "Der Abstand der einen Hand steuert die Tonhöhe, der anderen die Lautstärke. Leon Theremin erfand es um 1920."),
  ("Es hat eine Saite, die der Wind anbläst.", "Das ist die Äolsharfe. Das Theremin arbeitet elektrisch."),
  ("Es spielt Töne von einer Schallplatte ab.", "Das Theremin erzeugt seine Töne selbst mit elektrischen Schwingungen."),
  ("Ein Lichtstrahl wird unterbrochen.", "Licht spielt beim Theremin keine Rolle; es reagiert auf die Nähe der Hände."))

Q(90, "Was ist eine Glasharmonika?",
  ("+Drehende Glasschalen, die man mit nassen Fingern reibt", "Benjamin Franklin erfand sie 1761. Mozart schrieb dafür ein Adagio."),
  ("Eine Mundharmonika aus Glas", "Die Glasharmonika wird nicht geblasen, sondern mit feuchten Fingern gerieben."),
  ("Ein Akkordeon mit gläsernen Tasten", "Sie hat keinen Balg: Der Ton entsteht an den Glasschalen."),
  ("Eine Orgel mit Glaspfeifen", "Sie hat keine Pfeifen, sondern Schalen auf einer Achse."))

Q(80, "Welche Stimmung haben die vier Saiten des Cellos, von tief nach hoch?",
  ("+C, G, D, A", "Das Cello klingt eine Oktave tiefer als die Bratsche mit C, G, D, A."),
  ("G, D, A, E", "So ist die Geige gestimmt."),
  ("E, A, D, G", "So ist der Kontrabass gestimmt, in Quarten."),
  ("E, A, D, G, H, E", "Das sind die sechs Saiten der Gitarre."))

Q(30, "Welches dieser Instrumente ist KEIN Streichinstrument?",
  ("+Harfe", "Die Harfe wird gezupft, nicht mit dem Bogen gestrichen: Sie ist ein Zupfinstrument."),
  ("Geige", "Die Geige wird mit dem Bogen gestrichen."),
  ("Bratsche", "Die Bratsche ist etwas größer als die Geige und wird auch gestrichen."),
  ("Cello", "Das Cello stellt man auf den Boden und streicht es mit dem Bogen."),
  ("Kontrabass", "Der Kontrabass wird gestrichen, im Jazz aber oft gezupft."))

Q(40, "Welches dieser Instrumente ist ein Blechblasinstrument?",
  ("+Horn", "Beim Horn summen die Lippen im Mundstück, wie bei Trompete und Posaune."),
  ("Oboe", "Die Oboe hat ein Doppelrohrblatt: ein Holzblasinstrument."),
  ("Klarinette", "Die Klarinette hat ein einfaches Rohrblatt: ein Holzblasinstrument."),
  ("Fagott", "Das Fagott ist das tiefe Holzblasinstrument mit Doppelrohrblatt."),
  ("Querflöte", "Die Querflöte zählt zu den Holzbläsern, auch wenn sie aus Metall ist."))
