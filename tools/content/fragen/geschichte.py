from . import collect

QUESTIONS, Q = collect("Musikgeschichte")

Q(20, "Woraus waren die ältesten bekannten Musikinstrumente, die man in Höhlen auf der Schwäbischen Alb fand?",
  ("+Aus Vogelknochen und Mammut-Elfenbein", "Die Flöten sind rund 35 000 bis 40 000 Jahre alt: die ältesten bekannten Musikinstrumente."),
  ("Aus Plastik", "Plastik gibt es erst seit etwa 100 Jahren."),
  ("Aus Eisen", "Eisen konnten die Menschen erst viel später bearbeiten."),
  ("Aus Glas", "Glas stellte man erst Zehntausende Jahre später her."))

Q(30, "Wer erfand um 1700 in Florenz das Klavier (Hammerklavier)?",
  ("+Bartolomeo Cristofori", "Er nannte es „Gravicembalo col piano e forte“, weil man leise und laut spielen konnte."),
  ("Johann Sebastian Bach", "Bach spielte auf frühen Hammerklavieren, erfunden hat er es nicht."),
  ("Antonio Stradivari", "Stradivari baute Geigen und Celli."),
  ("Thomas Edison", "Edison erfand 1877 den Phonographen, nicht das Klavier."))

Q(30, "Welche Epoche folgte in der Musik auf den Barock?",
  ("+Die Klassik", "Die Wiener Klassik mit Haydn, Mozart und Beethoven folgte um 1750 auf den Barock."),
  ("Die Romantik", "Die Romantik kam nach der Klassik."),
  ("Das Mittelalter", "Das Mittelalter liegt weit vor dem Barock."),
  ("Die Renaissance", "Die Renaissance ging dem Barock voraus."))

Q(40, "Welche drei Komponisten nennt man die „Wiener Klassiker“?",
  ("+Haydn, Mozart und Beethoven", "Alle drei wirkten in Wien und prägten Sinfonie, Sonate und Streichquartett."),
  ("Bach, Händel und Telemann", "Sie sind Komponisten des Barock."),
  ("Schubert, Schumann und Brahms", "Sie gehören zur Romantik."),
  ("Strauss, Lanner und Ziehrer", "Sie schrieben Wiener Walzer und Operetten."))

Q(40, "Mit dem Tod welches Komponisten lässt man die Barockzeit 1750 meist enden?",
  ("+Johann Sebastian Bach", "Bach starb 1750 in Leipzig; das Jahr gilt als Grenze zwischen Barock und Klassik."),
  ("Georg Friedrich Händel", "Händel starb 1759."),
  ("Wolfgang Amadeus Mozart", "Mozart wurde erst 1756 geboren."),
  ("Antonio Vivaldi", "Vivaldi starb schon 1741 in Wien."))

Q(40, "Wer erfand 1877 den Phonographen, das erste Gerät, das Töne aufnehmen und abspielen konnte?",
  ("+Thomas Alva Edison", "Er sprach als Erstes das Kinderlied „Mary Had a Little Lamb“ auf eine Walze mit Zinnfolie."),
  ("Emil Berliner", "Berliner erfand 1887 das Grammophon mit der flachen Schallplatte."),
  ("Alexander Graham Bell", "Bell ist für das Telefon bekannt."),
  ("Guglielmo Marconi", "Marconi war ein Pionier des Funks."))

Q(50, "Wer erfand das Grammophon mit der flachen Schallplatte?",
  ("+Emil Berliner", "Der aus Hannover stammende Berliner meldete das Grammophon 1887 in den USA an."),
  ("Thomas Alva Edison", "Edison erfand den Phonographen mit einer Walze."),
  ("Werner von Siemens", "Siemens war ein Pionier der Elektrotechnik."),
  ("Rudolf Diesel", "Diesel erfand den Dieselmotor."))

Q(50, "Was ist der Gregorianische Choral?",
  ("+Einstimmiger lateinischer Gesang der Kirche", "Er wurde im Mittelalter in Klöstern gesungen, ohne Begleitung und ohne festen Takt."),
  ("Ein Chor aus Gregors Heimatdorf", "Der Name erinnert an Papst Gregor den Großen, dem man den Gesang zuschrieb."),
  ("Ein vierstimmiger Choral von Bach", "Bachs Choräle sind vierstimmig und deutsch; der Gregorianische Choral ist einstimmig."),
  ("Ein Lied für Orgel und Orchester", "Der Gregorianische Choral wird ohne Instrumente gesungen."))

Q(50, "Wie hießen die Dichter-Sänger des Mittelalters, die Liebeslieder an Fürstenhöfen vortrugen?",
  ("+Minnesänger", "„Minne“ heißt Liebe. Ein bekannter Minnesänger war Walther von der Vogelweide."),
  ("Meistersinger", "Die Meistersinger waren später Handwerker in Städten wie Nürnberg, etwa Hans Sachs."),
  ("Troubadix", "Troubadix ist der Barde aus den Asterix-Heften."),
  ("Kantoren", "Ein Kantor leitet die Musik einer Kirche."))

Q(60, "Wer erfand um das Jahr 1025 die Notenlinien und die Silben ut, re, mi, fa, sol, la?",
  ("+Guido von Arezzo", "Der Mönch machte es damit viel leichter, neue Lieder vom Blatt zu singen."),
  ("Papst Gregor der Große", "Nach ihm ist der Gregorianische Choral benannt; er lebte um 600."),
  ("Hildegard von Bingen", "Hildegard lebte erst im 12. Jahrhundert und komponierte geistliche Gesänge."),
  ("Johannes Gutenberg", "Gutenberg erfand um 1450 den Buchdruck mit beweglichen Lettern."))

Q(50, "Wer ließ sich 1815 das Metronom patentieren, das Beethoven als einer der Ersten nutzte?",
  ("+Johann Nepomuk Mälzel", "Deshalb steht in Noten oft „M.M.“ für „Mälzels Metronom“."),
  ("Ludwig van Beethoven", "Beethoven nutzte das Metronom, erfunden hat er es nicht."),
  ("Johann Sebastian Bach", "Zu Bachs Zeit gab es noch kein Metronom."),
  ("Antonio Salieri", "Salieri war Komponist und Lehrer in Wien."))

Q(60, "Wo wurde das Audioformat MP3 entwickelt?",
  ("+Am Fraunhofer-Institut in Erlangen", "Das Team um Karlheinz Brandenburg fand heraus, welche Klänge das Ohr nicht bemerkt, und ließ sie weg."),
  ("Bei einer Firma in Japan", "Aus Japan kamen Walkman und CD (mit den Niederlanden), MP3 aber aus Deutschland."),
  ("Im Silicon Valley", "MP3 wurde in Deutschland entwickelt."),
  ("An der Universität Oxford", "Nicht in England, sondern in Erlangen."))

Q(40, "Wann kam die Compact Disc (CD) in den Handel?",
  ("1962", "1962 gab es Schallplatten und Tonbänder, aber noch keine CDs."),
  ("+1982", "Philips und Sony brachten die CD 1982 auf den Markt."),
  ("1995", "1995 waren CDs schon weit verbreitet."),
  ("2003", "2003 waren CDs längst verbreitet, MP3-Player kamen dazu."),
  fest=True)

Q(60, "Was war der „Walkman“, den Sony 1979 herausbrachte?",
  ("+Ein tragbarer Kassettenspieler mit Kopfhörern", "Zum ersten Mal konnte man überall unterwegs seine eigene Musik hören."),
  ("Ein Schrittzähler mit Radio", "Der Name klingt danach, aber es war ein Kassettenspieler."),
  ("Ein Roboter, der Klavier spielt", "Der Walkman war ein kleines Abspielgerät."),
  ("Der erste MP3-Spieler", "MP3-Spieler kamen erst Ende der 1990er Jahre."))

Q(70, "Was bedeutet „Basso continuo“ in der Barockmusik?",
  ("+Eine durchgehende Bassstimme mit Akkorden", "Cembalo oder Orgel spielen mit Cello oder Fagott die Basslinie und füllen Akkorde nach Ziffern aus."),
  ("Ein sehr langer Ton im Bass", "Ein ausgehaltener Ton heißt Orgelpunkt."),
  ("Ein Kontrabass-Solo", "Der Continuo begleitet; er ist kein Solo."),
  ("Ein Tanz der Barockzeit", "Tänze der Barockzeit sind etwa Menuett und Gavotte."))

Q(70, "Wer entwickelte in den 1960er Jahren einen der ersten Synthesizer, die in der Popmusik berühmt wurden?",
  ("+Robert Moog", "Moog-Synthesizer erzeugen Klänge elektronisch mit Oszillatoren und Filtern."),
  ("Leo Fender", "Leo Fender baute E-Gitarren und Verstärker."),
  ("Les Paul", "Les Paul war Gitarrist und Pionier der E-Gitarre."),
  ("Laurens Hammond", "Hammond erfand die Hammond-Orgel (1935)."))

Q(70, "Welche Frequenz hat der Kammerton a’?",
  ("+440 Hertz", "Eine Konferenz 1939 in London legte 440 Schwingungen pro Sekunde fest; viele Orchester stimmen heute etwas höher."),
  ("400 Hertz", "400 Hertz wäre deutlich tiefer als das übliche a’."),
  ("432 Hertz", "432 Hertz ist ein Wert, den manche bevorzugen, aber nicht die Norm."),
  ("500 Hertz", "500 Hertz liegt etwas über dem h’, das rund 494 Hertz hat."))

Q(80, "Wer druckte 1501 in Venedig als Erster mehrstimmige Musik mit beweglichen Lettern?",
  ("+Ottaviano Petrucci", "Sein „Odhecaton“ enthielt rund hundert mehrstimmige Lieder."),
  ("Johannes Gutenberg", "Gutenberg druckte Bücher, vor allem die Bibel, aber keine mehrstimmigen Noten."),
  ("Martin Luther", "Luther schrieb Kirchenlieder, er war kein Drucker."),
  ("Aldus Manutius", "Manutius druckte in Venedig Bücher der Antike, keine Noten."))

Q(80, "Was ist Zwölftonmusik, die Arnold Schönberg um 1921 entwickelte?",
  ("+Musik, in der alle zwölf Halbtöne gleich wichtig sind", "Eine Reihe aus allen zwölf Tönen ersetzt die Dur- und Molltonart."),
  ("Musik für zwölf Instrumente", "Die Zahl der Instrumente spielt keine Rolle."),
  ("Musik, die zwölf Minuten dauert", "Die Dauer ist frei."),
  ("Musik, die nur zwölf Töne lang ist", "Die Zwölftonreihe wird das ganze Stück über verwendet."))

Q(90, "Wann lebte Claudio Monteverdi, dessen „L’Orfeo“ als eine der ersten Opern gilt?",
  ("+Von 1567 bis 1643", "„L’Orfeo“ wurde 1607 in Mantua uraufgeführt und ist die älteste Oper, die heute noch oft gespielt wird."),
  ("Von 1300 bis 1377", "Im 14. Jahrhundert gab es noch keine Oper. Zu dieser Zeit lebte Guillaume de Machaut (um 1300–1377)."),
  ("Von 1685 bis 1750", "Das sind die Lebensjahre von Johann Sebastian Bach."),
  ("Von 1813 bis 1901", "Das sind die Lebensjahre von Giuseppe Verdi."),
  fest=True)

Q(90, "Was war das „Mannheimer Crescendo“ im 18. Jahrhundert?",
  ("+Ein berühmtes, sehr gleichmäßiges Lauterwerden des ganzen Orchesters", "Das Mannheimer Hoforchester war für seine Disziplin berühmt und beeinflusste auch Mozart."),
  ("Ein Kuchen aus Mannheim", "Das ist kein Gebäck, sondern ein Orchester-Effekt."),
  ("Eine Orgel im Mannheimer Schloss", "Gemeint ist die Spielweise des Hoforchesters."),
  ("Ein Mannheimer Marsch", "Es war kein Stück, sondern eine Art zu spielen."))

Q(60, "Wann fand die erste öffentliche Rundfunksendung in Deutschland statt?",
  ("1903", "1903 gab es noch keinen Rundfunk für alle."),
  ("+1923", "Am 29. Oktober 1923 sendete das Vox-Haus in Berlin, zu Beginn mit Musik."),
  ("1949", "1949 gab es längst Radio in Deutschland."),
  ("1969", "1969 war das Fernsehen schon verbreitet."),
  fest=True)
