from . import collect

QUESTIONS, Q = collect("Komponisten")

Q(20, "Welcher berühmte Komponist war schon als kleines Kind ein „Wunderkind“ und gab mit sechs Jahren Konzerte?",
  ("+Wolfgang Amadeus Mozart", "Mozart reiste als Kind mit seinem Vater Leopold und seiner Schwester Nannerl durch Europa."),
  ("Ludwig van Beethoven", "Auch Beethoven trat jung auf, doch das berühmte Wunderkind war Mozart."),
  ("Johann Sebastian Bach", "Bach wurde als Organist berühmt, nicht als reisendes Wunderkind."),
  ("Richard Wagner", "Wagner begann erst als Jugendlicher ernsthaft zu komponieren."))

Q(30, "In welcher Stadt wurde Wolfgang Amadeus Mozart 1756 geboren?",
  ("+Salzburg", "Sein Geburtshaus in der Getreidegasse ist heute ein Museum."),
  ("Wien", "In Wien lebte Mozart später und starb dort 1791."),
  ("München", "München besuchte er oft, geboren wurde er in Salzburg."),
  ("Bonn", "In Bonn wurde Beethoven geboren."))

Q(30, "Welcher Komponist wurde taub und komponierte trotzdem weiter?",
  ("+Ludwig van Beethoven", "Beethoven hörte immer schlechter und war am Ende fast taub. Seine 9. Sinfonie schrieb er in dieser Zeit."),
  ("Wolfgang Amadeus Mozart", "Mozart hörte bis zu seinem Tod gut."),
  ("Joseph Haydn", "Haydn wurde alt, aber nicht taub."),
  ("Franz Schubert", "Schubert starb jung mit 31 Jahren, er war nicht taub."))

Q(20, "Welches Klavierstück schrieb Ludwig van Beethoven? Hör dir den Anfang an!",
  ("+Für Elise", "Das kleine Stück in a-Moll gehört zu den bekanntesten Klavierstücken überhaupt."),
  ("Eine kleine Nachtmusik", "Die „Kleine Nachtmusik“ ist von Mozart und für Streicher."),
  ("Der Flohwalzer", "Der Flohwalzer ist ein einfaches Stück für Anfänger von unbekannter Herkunft."),
  ("Für Alina", "„Für Alina“ ist ein Stück von Arvo Pärt aus dem Jahr 1976."),
  audio="s_fuer_elise.ogg")

Q(30, "Von wem ist diese Musik: „Eine kleine Nachtmusik“?",
  ("+Wolfgang Amadeus Mozart", "Mozart schrieb die Serenade 1787 in Wien für Streicher."),
  ("Johann Sebastian Bach", "Bach lebte früher (1685–1750); die Nachtmusik ist von Mozart."),
  ("Johann Strauss", "Strauss schrieb Walzer wie „An der schönen blauen Donau“."),
  ("Peter Tschaikowsky", "Tschaikowsky schrieb Ballettmusik wie den „Nussknacker“."),
  audio="s_nachtmusik.ogg")

Q(20, "Aus welcher Sinfonie Beethovens stammt diese Melodie, die „Ode an die Freude“?",
  ("+Aus der 9. Sinfonie", "Im letzten Satz singen Chor und Solisten Schillers Gedicht. Die Melodie ist die Hymne der Europäischen Union."),
  ("Aus der 5. Sinfonie", "Die 5. beginnt mit dem berühmten „ta-ta-ta-taaa“."),
  ("Aus der 1. Sinfonie", "In Beethovens 1. Sinfonie singt kein Chor."),
  ("Aus der Mondscheinsonate", "Die Mondscheinsonate ist ein Klavierstück ohne Gesang."),
  audio="s_freude.ogg")

Q(30, "Wie viele Sinfonien hat Beethoven vollendet?",
  ("5", "Die 5. ist die berühmte „Schicksalssinfonie“, aber es folgten noch vier."),
  ("+9", "Neun Sinfonien; die letzte mit der „Ode an die Freude“ wurde 1824 uraufgeführt."),
  ("41", "41 Sinfonien hat Mozart geschrieben."),
  ("104", "104 Sinfonien werden Joseph Haydn gezählt."),
  fest=True)

Q(30, "Welcher Komponist schrieb „Die vier Jahreszeiten“?",
  ("+Antonio Vivaldi", "Vivaldi aus Venedig schrieb vier Violinkonzerte über Frühling, Sommer, Herbst und Winter."),
  ("Johann Sebastian Bach", "Bach schrieb zum Beispiel die „Brandenburgischen Konzerte“."),
  ("Joseph Haydn", "Haydn schrieb ein Oratorium „Die Jahreszeiten“, die vier Violinkonzerte sind aber von Vivaldi."),
  ("Frédéric Chopin", "Chopin schrieb fast nur für Klavier."))

Q(40, "In welcher Stadt wirkte Johann Sebastian Bach die letzten 27 Jahre als Thomaskantor?",
  ("+Leipzig", "Bach leitete von 1723 bis 1750 den Thomanerchor und die Musik der Leipziger Kirchen."),
  ("Eisenach", "In Eisenach wurde Bach 1685 geboren."),
  ("Weimar", "In Weimar war Bach vorher Hoforganist und Konzertmeister."),
  ("Hamburg", "Hamburg war die Stadt von Telemann und später Carl Philipp Emanuel Bach."))

Q(40, "Welcher Komponist schrieb den „Messias“ mit dem berühmten „Halleluja“?",
  ("+Georg Friedrich Händel", "Händel stammte aus Halle und lebte in London. Der Messias wurde 1742 in Dublin uraufgeführt."),
  ("Johann Sebastian Bach", "Bach schrieb Passionen und Kantaten, den Messias aber schrieb Händel."),
  ("Joseph Haydn", "Haydn schrieb die Oratorien „Die Schöpfung“ und „Die Jahreszeiten“."),
  ("Felix Mendelssohn Bartholdy", "Mendelssohn schrieb die Oratorien „Paulus“ und „Elias“."))

Q(30, "Welcher Komponist schrieb das Musikmärchen „Peter und der Wolf“?",
  ("+Sergei Prokofjew", "Prokofjew schrieb es 1936, um Kindern die Instrumente des Orchesters vorzustellen."),
  ("Camille Saint-Saëns", "Saint-Saëns schrieb den „Karneval der Tiere“."),
  ("Peter Tschaikowsky", "Tschaikowsky schrieb den „Nussknacker“."),
  ("Engelbert Humperdinck", "Humperdinck schrieb die Oper „Hänsel und Gretel“."))

Q(30, "Welches Instrument spielt in „Peter und der Wolf“ den Vogel?",
  ("+Querflöte", "Die Flöte zwitschert hoch und flink wie ein Vogel."),
  ("Oboe", "Die Oboe ist die Ente."),
  ("Klarinette", "Die Klarinette ist die Katze."),
  ("Fagott", "Das Fagott ist der Großvater."))

Q(40, "Welche Instrumente spielen in „Peter und der Wolf“ den Wolf?",
  ("+Drei Hörner", "Die Hörner klingen dunkel und bedrohlich."),
  ("Die Pauken", "Pauken und große Trommel stellen die Schüsse der Jäger dar."),
  ("Die Streicher", "Die Streicher spielen Peter."),
  ("Das Fagott", "Das Fagott ist der Großvater."))

Q(30, "Wer komponierte den „Karneval der Tiere“?",
  ("+Camille Saint-Saëns", "Der Franzose schrieb 1886 musikalische Bilder von Löwe, Elefant, Schwan und anderen Tieren."),
  ("Sergei Prokofjew", "Prokofjew schrieb „Peter und der Wolf“."),
  ("Antonio Vivaldi", "Vivaldi schrieb „Die vier Jahreszeiten“."),
  ("Modest Mussorgski", "Mussorgski schrieb „Bilder einer Ausstellung“."))

Q(40, "Welche Ballettmusik schrieb Peter Tschaikowsky?",
  ("+Der Nussknacker", "Der Nussknacker spielt an Weihnachten; bekannt ist der „Tanz der Zuckerfee“ mit der Celesta."),
  ("Der Feuervogel", "„Der Feuervogel“ ist von Igor Strawinsky."),
  ("Romeo und Julia (Ballett)", "Das berühmte Ballett „Romeo und Julia“ ist von Prokofjew."),
  ("Boléro", "Den „Boléro“ schrieb Maurice Ravel."))

Q(50, "Welches Stück von Maurice Ravel wiederholt eine Melodie immer wieder und wird dabei immer lauter?",
  ("+Boléro", "Der Boléro (1928) hat einen gleichbleibenden Trommelrhythmus und ein großes Crescendo."),
  ("Die Moldau", "Die Moldau ist von Smetana und beschreibt einen Fluss."),
  ("Für Elise", "Für Elise ist ein Klavierstück von Beethoven."),
  ("Rhapsody in Blue", "Die „Rhapsody in Blue“ ist von George Gershwin."))

Q(50, "Welches Orchesterwerk von Bedrich Smetana beschreibt den Lauf eines Flusses?",
  ("+Die Moldau", "Von den zwei Quellen bis nach Prag: Die Moldau gehört zum Zyklus „Mein Vaterland“."),
  ("An der schönen blauen Donau", "Das ist ein Walzer von Johann Strauss (Sohn)."),
  ("Wassermusik", "Die „Wassermusik“ schrieb Händel für Bootsfahrten auf der Themse."),
  ("Rheinische Sinfonie", "Die „Rheinische“ ist eine Sinfonie von Robert Schumann."))

Q(40, "Wer wird „Walzerkönig“ genannt?",
  ("+Johann Strauss (Sohn)", "Er schrieb etwa „An der schönen blauen Donau“ und die Operette „Die Fledermaus“."),
  ("Johann Sebastian Bach", "Bach lebte vor der Zeit des Wiener Walzers."),
  ("Richard Wagner", "Wagner schrieb große Opern, keine Walzer zum Tanzen."),
  ("Frédéric Chopin", "Chopin schrieb zwar Walzer fürs Klavier, „Walzerkönig“ heißt aber Strauss."))

Q(50, "Welcher Komponist schrieb über 600 Lieder, darunter „Erlkönig“ und „Die Forelle“?",
  ("+Franz Schubert", "Schubert starb mit nur 31 Jahren in Wien und hinterließ über 600 Lieder."),
  ("Robert Schumann", "Schumann schrieb auch viele Lieder, aber „Erlkönig“ und „Forelle“ sind von Schubert."),
  ("Johannes Brahms", "Brahms schrieb etwa das Wiegenlied „Guten Abend, gut’ Nacht“."),
  ("Ludwig van Beethoven", "Beethoven schrieb nur wenige Lieder."))

Q(50, "Aus welchem Land stammte der Komponist Frédéric Chopin?",
  ("+Polen", "Chopin wurde 1810 bei Warschau geboren und lebte später in Paris. Er schrieb vor allem für Klavier."),
  ("Frankreich", "Sein Vater war Franzose und er starb in Paris, geboren wurde er aber in Polen."),
  ("Ungarn", "Aus Ungarn stammte Franz Liszt."),
  ("Russland", "Aus Russland stammten etwa Tschaikowsky und Rachmaninow."))

Q(60, "Welcher Komponist schrieb die Musik zu „Peer Gynt“ mit „In der Halle des Bergkönigs“?",
  ("+Edvard Grieg", "Der Norweger Grieg schrieb die Bühnenmusik zu Ibsens Schauspiel; sie wurde 1876 in Christiania, dem heutigen Oslo, uraufgeführt."),
  ("Jean Sibelius", "Sibelius war Finne; von ihm ist „Finlandia“."),
  ("Antonín Dvorák", "Dvorák schrieb die Sinfonie „Aus der Neuen Welt“."),
  ("Carl Nielsen", "Nielsen war ein dänischer Komponist."))

Q(60, "Welchen Beinamen hat Haydns Sinfonie Nr. 94, in der die Zuhörer plötzlich aufgeweckt werden?",
  ("+mit dem Paukenschlag", "Im ruhigen zweiten Satz kommt unerwartet ein lauter Akkord mit Pauke."),
  ("Abschiedssinfonie", "In der Abschiedssinfonie (Nr. 45) gehen die Musiker nacheinander hinaus."),
  ("Schicksalssinfonie", "So nennt man Beethovens 5. Sinfonie."),
  ("Die Unvollendete", "Das ist Schuberts Sinfonie in h-Moll mit nur zwei Sätzen."))

Q(60, "Was bedeutet die Abkürzung BWV hinter dem Titel eines Musikstücks?",
  ("+Bach-Werke-Verzeichnis", "Wolfgang Schmieder ordnete 1950 alle Werke Bachs und gab ihnen Nummern."),
  ("Barocke Werke für Violine", "BWV betrifft alle Werke Bachs, nicht nur Violinmusik."),
  ("Bachs Wohltemperierte Variationen", "So ein Werk gibt es nicht; BWV ist ein Verzeichnis."),
  ("Bayerischer Werkverlag", "BWV ist kein Verlag, sondern ein Werkverzeichnis."))

Q(70, "Wofür steht die Abkürzung KV bei Mozarts Werken?",
  ("+Köchelverzeichnis", "Ludwig von Köchel ordnete 1862 Mozarts Werke zeitlich und nummerierte sie."),
  ("Klavierverzeichnis", "Es gilt für alle Werke, nicht nur für Klaviermusik."),
  ("Kammermusikverzeichnis", "Auch Opern und Sinfonien haben KV-Nummern."),
  ("Konzertverzeichnis", "KV steht für Köchelverzeichnis."))

Q(70, "Welche Komponistin war eine berühmte Pianistin und war auf dem 100-DM-Schein abgebildet?",
  ("+Clara Schumann", "Clara Schumann war eine gefeierte Pianistin und Komponistin, verheiratet mit Robert Schumann."),
  ("Fanny Hensel", "Fanny Hensel war die Schwester von Felix Mendelssohn Bartholdy."),
  ("Hildegard von Bingen", "Hildegard lebte im Mittelalter und war Äbtissin."),
  ("Alma Mahler", "Alma Mahler war die Frau von Gustav Mahler."))

Q(70, "Welcher Komponist schrieb „Carmina Burana“ und ein Schulwerk mit Instrumenten für Kinder?",
  ("+Carl Orff", "„Carmina Burana“ (1937) beginnt mit dem mächtigen Chor „O Fortuna“. Orff-Instrumente sind in vielen Schulen."),
  ("Paul Hindemith", "Hindemith schrieb zwar auch für Laien, die Carmina Burana aber ist von Orff."),
  ("Kurt Weill", "Kurt Weill schrieb „Die Dreigroschenoper“."),
  ("Richard Strauss", "Richard Strauss schrieb Opern wie „Der Rosenkavalier“."))

Q(80, "Welches Stück von John Cage besteht aus 4 Minuten und 33 Sekunden ohne gespielte Töne?",
  ("+4’33”", "Die Musiker spielen nicht; man hört die Geräusche im Saal. Cage wollte zeigen, dass es keine echte Stille gibt."),
  ("Stille Nacht", "„Stille Nacht“ ist ein Weihnachtslied mit Melodie."),
  ("Die Unvollendete", "Schuberts Unvollendete hat zwei vollständige Sätze mit Musik."),
  ("Das Schweigen der Sirenen", "Dieses Stück gibt es nicht."))

Q(80, "Welcher Komponist schrieb die „Rhapsody in Blue“, die mit einem Klarinetten-Glissando beginnt?",
  ("+George Gershwin", "Gershwin verband 1924 Jazz und Konzertmusik. Er schrieb auch die Oper „Porgy and Bess“."),
  ("Leonard Bernstein", "Bernstein schrieb die „West Side Story“."),
  ("Duke Ellington", "Ellington war ein berühmter Jazz-Bandleader."),
  ("Scott Joplin", "Joplin schrieb Ragtimes wie „The Entertainer“."))

Q(90, "Welches Werk von Modest Mussorgski beschreibt einen Rundgang, bei dem man Gemälde betrachtet?",
  ("+Bilder einer Ausstellung", "Mussorgski schrieb es 1874 für Klavier; Maurice Ravel machte 1922 die berühmte Orchesterfassung."),
  ("Die Moldau", "Die Moldau ist von Smetana."),
  ("Karneval der Tiere", "Der Karneval der Tiere ist von Saint-Saëns."),
  ("Die Planeten", "„Die Planeten“ sind eine Orchestersuite von Gustav Holst."))

Q(90, "Welche Sinfonie von Antonín Dvorák entstand in Amerika?",
  ("+Sinfonie Nr. 9 „Aus der Neuen Welt“", "Dvorák leitete 1892 bis 1895 ein Konservatorium in New York und schrieb dort 1893 diese Sinfonie."),
  ("Die „Amerikanische“ Sinfonie Nr. 1", "Dvoráks 1. Sinfonie heißt „Die Glocken von Zlonice“."),
  ("Sinfonie Nr. 5 „Aus Böhmens Hain und Flur“", "„Aus Böhmens Hain und Flur“ ist ein Teil von Smetanas „Mein Vaterland“."),
  ("Die „Prager“ Sinfonie", "Die „Prager“ Sinfonie (Nr. 38) ist von Mozart."))

Q(80, "Welche mittelalterliche Äbtissin ist eine der ersten namentlich bekannten Komponistinnen?",
  ("+Hildegard von Bingen", "Sie lebte im 12. Jahrhundert am Rhein und schrieb geistliche Gesänge."),
  ("Clara Schumann", "Clara Schumann lebte im 19. Jahrhundert."),
  ("Jeanne d’Arc", "Jeanne d’Arc war eine französische Heldin, keine Komponistin."),
  ("Fanny Hensel", "Fanny Hensel lebte im 19. Jahrhundert."))

Q(40, "Wer komponierte diese Melodie?",
  ("+Ludwig van Beethoven", "Es ist die „Ode an die Freude“ aus seiner 9. Sinfonie: e, e, f, g, g, f, e, d …"),
  ("Wolfgang Amadeus Mozart", "Mozart schrieb viele berühmte Melodien, aber nicht diese."),
  ("Johann Sebastian Bach", "Bach starb 1750; die 9. Sinfonie entstand 1824."),
  ("Joseph Haydn", "Von Haydn stammt die Melodie der deutschen Nationalhymne, nicht diese."),
  bild="n_freude.gif")

Q(60, "Welcher dieser Komponisten wurde als Erster geboren?",
  ("+Johann Sebastian Bach", "Bach wurde 1685 geboren, im selben Jahr wie Händel."),
  ("Wolfgang Amadeus Mozart", "Mozart wurde 1756 geboren, sechs Jahre nach Bachs Tod."),
  ("Ludwig van Beethoven", "Beethoven wurde 1770 geboren."),
  ("Franz Schubert", "Schubert wurde 1797 geboren."),
  ("Johannes Brahms", "Brahms wurde 1833 in Hamburg geboren."))
