from . import collect

QUESTIONS, Q = collect("Volkslieder und Kinderlieder")

Q(10, "„Alle meine Entchen schwimmen auf dem …“ – wie geht es weiter?",
  ("+See", "„… schwimmen auf dem See, Köpfchen in das Wasser, Schwänzchen in die Höh’.“"),
  ("Bach", "Im Lied schwimmen die Entchen nicht auf dem Bach, sondern auf dem See."),
  ("Meer", "Das Meer wäre für kleine Entchen zu wild. Im Lied ist es der See."),
  ("Teich", "Ein Teich würde passen, aber das Lied singt „auf dem See“."))

Q(10, "„Hänschen klein ging allein in die weite Welt hinein.“ Wer weint im Lied, weil Hänschen fort ist?",
  ("+Die Mutter", "„Aber Mama weinet sehr, hat ja nun kein Hänschen mehr.“"),
  ("Der Vater", "Im Lied ist es die Mama, die weint."),
  ("Der Hund", "Ein Hund kommt in diesem Lied nicht vor."),
  ("Die Oma", "Die Oma kommt nicht vor; es weint die Mama."))

Q(10, "Wer hat im Kinderlied „Fuchs, du hast die Gans gestohlen“ ein Schießgewehr?",
  ("+Der Jäger", "„Gib sie wieder her, sonst wird dich der Jäger holen mit dem Schießgewehr.“"),
  ("Der Bauer", "Der Bauer kommt in diesem Lied nicht vor."),
  ("Der Förster", "Es ist der Jäger, nicht der Förster."),
  ("Die Gans", "Die Gans wurde ja gestohlen; ein Gewehr hat der Jäger."))

Q(10, "Welches Lied handelt von einem kleinen Tier, das Honig sammelt?",
  ("+Summ, summ, summ, Bienchen summ herum", "Hoffmann von Fallersleben schrieb dieses Lied über das fleißige Bienchen."),
  ("Alle Vögel sind schon da", "Vögel singen und zwitschern, sie summen nicht."),
  ("Kuckuck, Kuckuck, ruft’s aus dem Wald", "Der Kuckuck ruft seinen Namen, er summt nicht."),
  ("Fuchs, du hast die Gans gestohlen", "Hier geht es um einen Fuchs und eine Gans."))

Q(10, "Welche Vögel kommen in „Alle Vögel sind schon da“ vor?",
  ("+Amsel, Drossel, Fink und Star", "„Amsel, Drossel, Fink und Star und die ganze Vogelschar wünschen dir ein frohes Jahr.“"),
  ("Adler, Eule, Specht und Spatz", "Diese Vögel werden im Lied nicht genannt."),
  ("Ente, Gans, Huhn und Hahn", "Das sind Vögel vom Bauernhof; im Lied singen Amsel, Drossel, Fink und Star."),
  ("Möwe, Storch und Papagei", "Diese Vögel kommen im Lied nicht vor."))

Q(10, "„Backe, backe Kuchen“: Wie viele Sachen braucht man zum Kuchenbacken?",
  ("3", "Drei reichen nicht: Das Lied zählt Eier, Schmalz, Butter, Salz, Milch, Mehl und Safran auf."),
  ("5", "Es sind mehr: „Wer will guten Kuchen backen, der muss haben sieben Sachen.“"),
  ("+7", "„… der muss haben sieben Sachen: Eier und Schmalz, Butter und Salz, Milch und Mehl, Safran macht den Kuchen gehl.“"),
  ("10", "Zehn sind zu viele. Im Lied sind es sieben Sachen."),
  fest=True)

Q(20, "Was ist das „Männlein“ im Lied „Ein Männlein steht im Walde“?",
  ("+Eine Hagebutte", "Das Lied ist ein Rätsel: Das Männlein mit dem purpurroten Mäntelein ist die Frucht der Heckenrose."),
  ("Ein Zwerg", "Es klingt nach einem Zwerg, doch das Rätsel meint die rote Hagebutte."),
  ("Ein Fliegenpilz", "Viele raten den Fliegenpilz. Gemeint ist aber die Hagebutte."),
  ("Ein Eichhörnchen", "Ein Eichhörnchen steht nicht „auf einem Bein“ wie das Männlein im Lied."))

Q(20, "Welche Jahreszeit kündigt der Kuckuck im Lied „Kuckuck, Kuckuck, ruft’s aus dem Wald“ an?",
  ("+Den Frühling", "„Frühling, Frühling wird es nun bald.“ Der Kuckuck kommt im April aus Afrika zurück."),
  ("Den Sommer", "Im Lied heißt es: „Frühling, Frühling wird es nun bald.“"),
  ("Den Herbst", "Im Herbst fliegt der Kuckuck nach Afrika; er kündigt den Frühling an."),
  ("Den Winter", "Im Winter ist der Kuckuck gar nicht bei uns."))

Q(20, "Bei welchem Fest singen Kinder „Laterne, Laterne, Sonne, Mond und Sterne“?",
  ("+Sankt Martin", "Am Martinstag, dem 11. November, ziehen Kinder mit Laternen durch die Straßen."),
  ("Ostern", "An Ostern sucht man Eier; Laternenumzüge gibt es an Sankt Martin."),
  ("Weihnachten", "An Weihnachten singt man andere Lieder, etwa „Stille Nacht“."),
  ("Fasching", "An Fasching verkleidet man sich; Laternen trägt man an Sankt Martin."))

Q(20, "Was ist „Bruder Jakob“ für ein Lied, wenn man es in Gruppen nacheinander beginnt?",
  ("+Ein Kanon", "Im Kanon singen alle dieselbe Melodie, setzen aber nacheinander ein. So entsteht Mehrstimmigkeit."),
  ("Ein Wiegenlied", "Ein Wiegenlied singt man zum Einschlafen; Bruder Jakob soll ja gerade aufwachen."),
  ("Ein Marsch", "Ein Marsch ist Musik zum Gehen im Gleichschritt."),
  ("Eine Oper", "Eine Oper ist ein großes Bühnenwerk mit Orchester."))

Q(20, "In welchem Lied streiten zwei Tiere darüber, wer am besten singt – welche Tiere sind es?",
  ("+Der Kuckuck und der Esel", "„Der Kuckuck und der Esel, die hatten einen Streit: Wer wohl am besten sänge zur schönen Maienzeit.“"),
  ("Der Hund und die Katze", "Hund und Katze streiten oft, aber nicht in diesem Lied."),
  ("Der Fuchs und die Gans", "Fuchs und Gans kommen in „Fuchs, du hast die Gans gestohlen“ vor."),
  ("Die Amsel und der Star", "Amsel und Star singen in „Alle Vögel sind schon da“."))

Q(20, "Was wird im Lied „Die Affen rasen durch den Wald“ gesucht?",
  ("+Die Kokosnuss", "„… die ganze Affenbande brüllt: Wer hat die Kokosnuss geklaut?“"),
  ("Eine Banane", "Bananen kommen im Lied nicht vor; es fehlt die Kokosnuss."),
  ("Das Affenbaby", "Kein Affenbaby ist verschwunden, sondern die Kokosnuss."),
  ("Der Weg nach Hause", "Die Affen haben sich nicht verlaufen: Sie suchen die Kokosnuss."))

Q(30, "Wer schrieb den Text von „Der Mond ist aufgegangen“?",
  ("+Matthias Claudius", "Matthias Claudius veröffentlichte das „Abendlied“ 1779."),
  ("Johann Wolfgang von Goethe", "Goethe schrieb viele Gedichte, dieses aber nicht."),
  ("Wilhelm Busch", "Wilhelm Busch schrieb „Max und Moritz“."),
  ("Die Brüder Grimm", "Die Brüder Grimm sammelten Märchen, keine Abendlieder."))

Q(30, "Wie heißt das Wiegenlied, das Johannes Brahms vertonte?",
  ("+Guten Abend, gut’ Nacht", "Brahms schrieb es 1868 für die Geburt eines Kindes einer Freundin."),
  ("Schlaf, Kindlein, schlaf", "Dieses Wiegenlied ist ein altes Volkslied, nicht von Brahms."),
  ("Weißt du, wie viel Sternlein stehen", "Das ist ein Abendlied mit einer Volksweise."),
  ("Der Mond ist aufgegangen", "Die bekannte Melodie stammt von Johann Abraham Peter Schulz."))

Q(30, "Welcher Dichter schrieb „Alle Vögel sind schon da“, „Summ, summ, summ“ und „Ein Männlein steht im Walde“?",
  ("+August Heinrich Hoffmann von Fallersleben", "Er schrieb viele Kinderlieder und auch „Das Lied der Deutschen“ (1841), dessen dritte Strophe die deutsche Hymne ist."),
  ("Friedrich Schiller", "Schiller schrieb die „Ode an die Freude“, keine Kinderlieder dieser Art."),
  ("Heinrich Heine", "Heine schrieb etwa die „Loreley“, nicht diese Kinderlieder."),
  ("Wilhelm Hauff", "Wilhelm Hauff schrieb Märchen wie „Der kleine Muck“."))

Q(30, "In welchem Land entstand „Stille Nacht, heilige Nacht“?",
  ("+Österreich", "Es wurde 1818 in Oberndorf bei Salzburg zum ersten Mal gesungen."),
  ("Deutschland", "Das Lied ist in Deutschland sehr beliebt, entstand aber in Österreich."),
  ("Schweiz", "Nicht in der Schweiz: Oberndorf liegt im Salzburger Land."),
  ("England", "Im Englischen heißt es „Silent Night“, doch es stammt aus Österreich."))

Q(40, "Wer komponierte die Melodie von „Stille Nacht, heilige Nacht“?",
  ("+Franz Xaver Gruber", "Der Lehrer und Organist Gruber schrieb die Melodie zum Text des Hilfspfarrers Joseph Mohr."),
  ("Joseph Mohr", "Joseph Mohr schrieb den Text, die Melodie ist von Franz Xaver Gruber."),
  ("Wolfgang Amadeus Mozart", "Mozart war 1818 schon lange tot (gestorben 1791)."),
  ("Franz Schubert", "Schubert lebte damals, schrieb aber dieses Lied nicht."))

Q(40, "„… kein Mensch kann sie wissen, kein Jäger erschießen.“ Aus welchem Lied stammen diese Zeilen?",
  ("+Die Gedanken sind frei", "Das Volkslied ist seit etwa 1800 bekannt und wurde zu einem Lied der Freiheit."),
  ("Im Märzen der Bauer", "Dieses Lied beschreibt die Arbeit des Bauern im Frühjahr."),
  ("Winter ade", "Hier verabschiedet man sich vom Winter."),
  ("Kein schöner Land", "Dieses Lied lobt die schöne Heimat am Abend."))

Q(40, "Woher stammt das Lied „Bruder Jakob“ ursprünglich?",
  ("+Aus Frankreich", "Im Original heißt es „Frère Jacques“ und wird in vielen Sprachen gesungen."),
  ("Aus England", "In England singt man „Are you sleeping, Brother John“, doch es stammt aus Frankreich."),
  ("Aus Italien", "Italien hat viele Lieder, aber Bruder Jakob kommt aus Frankreich."),
  ("Aus Schweden", "Das Lied stammt aus Frankreich."))

Q(50, "Aus welchem Lied stammt die Melodie von „Happy Birthday“?",
  ("+Good Morning to All", "Die Schwestern Mildred und Patty Hill veröffentlichten 1893 dieses Morgenlied für Kinder."),
  ("Jingle Bells", "„Jingle Bells“ ist ein Winterlied mit anderer Melodie."),
  ("Twinkle, Twinkle, Little Star", "Diese Melodie ist die von „Morgen kommt der Weihnachtsmann“."),
  ("Oh Susanna", "„Oh Susanna“ schrieb Stephen Foster; es hat eine andere Melodie."))

Q(50, "Welches englische Kinderlied hat dieselbe Melodie wie „Morgen kommt der Weihnachtsmann“?",
  ("+Twinkle, Twinkle, Little Star", "Beide singen ein altes französisches Lied („Ah! vous dirai-je, maman“). Mozart schrieb Variationen darüber."),
  ("Jingle Bells", "„Jingle Bells“ ist ein amerikanisches Winterlied mit eigener Melodie."),
  ("Old MacDonald Had a Farm", "Dieses Lied über den Bauernhof hat eine andere Melodie."),
  ("London Bridge Is Falling Down", "Auch dieses englische Kinderlied hat eine andere Melodie."))

Q(20, "Wie heißt der Teil, der nach jeder Strophe gleich wiederkehrt?",
  ("+Der Refrain oder Kehrreim", "Der Refrain kehrt immer wieder, während die Strophen neuen Text haben."),
  ("Die Ouvertüre", "Die Ouvertüre ist das Vorspiel einer Oper."),
  ("Das Finale", "Das Finale ist der Schluss eines Werks oder Aktes."),
  ("Die Kadenz", "Eine Kadenz ist ein Schluss aus Akkorden oder ein freies Solo im Konzert."))

Q(70, "Wer vertonte „Der Mond ist aufgegangen“ mit der heute bekannten Melodie?",
  ("+Johann Abraham Peter Schulz", "Schulz veröffentlichte die Melodie 1790 in seinen „Liedern im Volkston“."),
  ("Matthias Claudius", "Claudius schrieb den Text, nicht die Melodie."),
  ("Johannes Brahms", "Von Brahms stammt „Guten Abend, gut’ Nacht“."),
  ("Carl Maria von Weber", "Weber schrieb den „Freischütz“, nicht diese Melodie."))

Q(30, "Welches Kinderlied beginnt mit diesen Noten?",
  ("+Alle meine Entchen", "Die Melodie steigt c, d, e, f, g hinauf und bleibt dann auf dem a: „… schwimmen auf dem See“."),
  ("Hänschen klein", "Hänschen klein beginnt oben mit g, e, e und geht dann hinunter."),
  ("Bruder Jakob", "Bruder Jakob beginnt mit f, g, a, f und wiederholt das gleich."),
  ("Kommt ein Vogel geflogen", "Dieses Lied steht im Dreivierteltakt und beginnt anders."),
  bild="n_alle_meine_entchen.gif")

Q(30, "Welches Lied steht hier in Noten?",
  ("+Hänschen klein", "g, e, e – f, d, d – c, d, e, f, g, g, g: „Hänschen klein ging allein in die weite Welt hinein“."),
  ("Alle meine Entchen", "Die Entchen beginnen unten mit c und steigen auf."),
  ("Bruder Jakob", "Bruder Jakob beginnt mit f, g, a, f."),
  ("Stille Nacht", "Stille Nacht steht im Sechsachteltakt und beginnt mit g, a, g, e."),
  bild="n_haenschen_klein.gif")

Q(40, "Welcher Kanon beginnt mit diesen Noten?",
  ("+Bruder Jakob", "f, g, a, f – zweimal, dann a, b, c: „Bruder Jakob, Bruder Jakob, schläfst du noch?“"),
  ("Oh, wie wohl ist mir am Abend", "Dieser Kanon beginnt anders und steht im Dreivierteltakt."),
  ("Es tönen die Lieder", "Dieser Frühlingskanon hat eine ganz andere Melodie."),
  ("Himmel und Erde müssen vergehn", "Dieser Kanon hat eine ernste Melodie in Moll."),
  bild="n_bruder_jakob.gif")

Q(20, "Welches dieser Lieder ist ein Weihnachtslied?",
  ("+O Tannenbaum", "„O Tannenbaum, wie treu sind deine Blätter“: Der Tannenbaum bleibt auch im Winter grün."),
  ("Alle meine Entchen", "Dieses Lied handelt von Entchen auf dem See."),
  ("Hänschen klein", "Hänschen zieht in die Welt hinaus; mit Weihnachten hat das nichts zu tun."),
  ("Fuchs, du hast die Gans gestohlen", "Hier geht es um einen Fuchs und den Jäger."),
  ("Summ, summ, summ", "Das Bienchen-Lied ist ein Frühlingslied."))
