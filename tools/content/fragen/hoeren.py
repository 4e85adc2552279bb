from . import collect

QUESTIONS, Q = collect("Hören")

Q(10, "Hör gut zu: Welches Instrument spielt hier?",
  ("+Klavier", "Beim Klavier schlagen Filzhämmerchen auf Saiten. Der Ton beginnt deutlich und klingt langsam aus."),
  ("Trompete", "Die Trompete klingt strahlend und blechern."),
  ("Trommel", "Eine Trommel spielt keine Melodie mit verschiedenen Tonhöhen."),
  audio="s_klavier.ogg", bild2="i_tasten.gif")

Q(10, "Welches Instrument hörst du?",
  ("+Trompete", "Die Trompete klingt hell und strahlend. Sie spielt oft Fanfaren wie diese."),
  ("Geige", "Die Geige klingt weicher und singender; sie wird gestrichen."),
  ("Blockflöte", "Die Blockflöte klingt zarter und leiser."),
  audio="s_trompete.ogg", bild2="i_trompete.gif")

Q(10, "Welches Instrument spielt diese Melodie?",
  ("+Geige", "Die Geige wird mit dem Bogen gestrichen. So kann ein Ton lange singen."),
  ("Trommel", "Trommeln spielen Rhythmen, keine gesungenen Melodien."),
  ("Gitarre", "Die Gitarre wird gezupft; ihr Ton klingt schnell aus."),
  audio="s_geige.ogg", bild2="i_geige.jpg")

Q(10, "Welches Instrument hörst du hier?",
  ("+Gitarre", "Die Saiten der Gitarre werden gezupft. Jeder Ton beginnt mit einem kleinen Zupfgeräusch."),
  ("Orgel", "Die Orgel hält ihre Töne gleichmäßig, solange die Taste gedrückt ist."),
  ("Tuba", "Die Tuba klingt sehr tief und brummig."),
  audio="s_gitarre.ogg", bild2="i_gitarre.gif")

Q(10, "Was hörst du: Welches Instrument ist es?",
  ("+Blockflöte", "Die Blockflöte klingt hell, weich und ein wenig hauchig."),
  ("Posaune", "Die Posaune klingt tief und kräftig."),
  ("Klavier", "Ein Klavierton klingt nach dem Anschlag aus; dieser Ton bleibt gleich."),
  audio="s_blockfloete.ogg", bild2="i_blockfloete.gif")

Q(10, "Welches Instrument klingt hier?",
  ("+Xylophon", "Schlägel treffen auf Holzstäbe: Der Ton ist kurz, hell und trocken."),
  ("Geige", "Die Geige kann lange Töne halten; diese Töne sind kurz und hölzern."),
  ("Harfe", "Die Harfe klingt weicher und länger nach."),
  audio="s_xylophon.ogg", bild2="i_xylophon.jpg")

Q(20, "Welches Instrument hörst du?",
  ("+Harfe", "Die Harfe wird gezupft. Ihre Töne perlen sanft und klingen lange nach."),
  ("Trompete", "Die Trompete ist ein Blasinstrument und klingt strahlend."),
  ("Akkordeon", "Das Akkordeon hält seine Töne gleich laut, wie eine kleine Orgel."),
  ("Schlagzeug", "Das Schlagzeug spielt keine Melodie."),
  audio="s_harfe.ogg", bild2="i_harfe.bmp")

Q(20, "Welches Instrument spielt hier?",
  ("+Orgel", "Die Orgel hält jeden Ton gleich laut, solange die Taste gedrückt ist. Luft strömt durch Pfeifen."),
  ("Klavier", "Ein Klavierton wird nach dem Anschlag leiser. Die Orgel nicht."),
  ("Gitarre", "Die Gitarre wird gezupft; ihre Töne verklingen."),
  ("Trommel", "Die Trommel hat keine festen Tonhöhen."),
  audio="s_orgel.ogg")

Q(20, "Welches Instrument hörst du?",
  ("+Akkordeon", "Der Balg des Akkordeons bläst Luft durch Metallzungen. Das klingt ein wenig näselnd."),
  ("Querflöte", "Die Querflöte klingt klarer und luftiger."),
  ("Harfe", "Die Harfe wird gezupft und klingt aus."),
  ("Pauke", "Die Pauke ist eine große Trommel mit wenigen tiefen Tönen."),
  audio="s_akkordeon.ogg", bild2="i_akkordeon.jpg")

Q(20, "Welches Instrument hörst du hier?",
  ("+Tuba", "Die Tuba ist das tiefste Blechblasinstrument im Orchester. Sie brummt tief und rund."),
  ("Trompete", "Die Trompete klingt viel höher."),
  ("Kontrabass", "Der Kontrabass ist auch tief, wird aber gestrichen oder gezupft; hier hörst du einen geblasenen Ton."),
  ("Glockenspiel", "Das Glockenspiel klingt sehr hoch und klingelnd."),
  audio="s_tuba.ogg")

Q(20, "Welches Instrument hörst du?",
  ("+Glockenspiel", "Beim Glockenspiel schlägt man auf Metallplättchen. Es klingt hell, glitzernd und lange nach."),
  ("Xylophon", "Das Xylophon hat Holzstäbe; es klingt trockener und kürzer."),
  ("Blockflöte", "Die Blockflöte wird geblasen; ihr Ton beginnt weich und klingt nicht nach."),
  ("Pauke", "Die Pauke klingt dumpf und tief."),
  audio="s_glockenspiel.ogg")

Q(20, "Was hörst du hier?",
  ("+Ein Schlagzeug", "Bassdrum, Snare und Becken: Ein Schlagzeuger spielt viele Trommeln und Becken zugleich."),
  ("Ein Klavier", "Das Klavier spielt Töne mit Tonhöhen; hier hörst du Schläge."),
  ("Eine Geige", "Eine Geige wird gestrichen und spielt Melodien."),
  ("Eine Harfe", "Eine Harfe wird gezupft und spielt Melodien."),
  audio="s_schlagzeug.ogg")

Q(30, "Welches Instrument spielt?",
  ("+Querflöte", "Die Querflöte klingt hell und luftig. Man bläst über ein Loch, wie über eine Flasche."),
  ("Trompete", "Die Trompete klingt schmetternd, nicht so luftig."),
  ("Klavier", "Klaviertöne verklingen nach dem Anschlag."),
  ("Cello", "Das Cello klingt viel tiefer."),
  audio="s_querfloete.ogg")

Q(30, "Welches Instrument hörst du?",
  ("+Cello", "Das Cello klingt warm und tief, ähnlich einer menschlichen Stimme."),
  ("Geige", "Die Geige klingt deutlich höher."),
  ("Querflöte", "Die Querflöte klingt hoch und luftig."),
  ("Xylophon", "Das Xylophon klingt kurz und hölzern."),
  audio="s_cello.ogg")

Q(30, "Welches Blechblasinstrument hörst du?",
  ("+Posaune", "Die Posaune klingt tiefer und runder als die Trompete."),
  ("Trompete", "Die Trompete klingt höher und heller."),
  ("Tuba", "Die Tuba klingt noch tiefer und dumpfer."),
  ("Saxophon", "Das Saxophon ist ein Holzblasinstrument aus Metall."),
  audio="s_posaune.ogg", bild2="i_posaune.gif")

Q(40, "Welches Instrument spielt hier?",
  ("+Saxophon", "Das Saxophon klingt kräftig und ein wenig rauchig. Es ist im Jazz sehr beliebt."),
  ("Klarinette", "Die Klarinette klingt runder und weicher."),
  ("Orgel", "Die Orgel hat einen ganz gleichmäßigen Ton."),
  ("Gitarre", "Die Gitarre wird gezupft."),
  audio="s_saxophon.ogg", bild2="i_saxophon.gif")

Q(40, "Welches Instrument hörst du?",
  ("+Klarinette", "Die Klarinette klingt weich und rund, besonders in der Tiefe."),
  ("Trompete", "Die Trompete klingt heller und schmetternd."),
  ("Harfe", "Die Harfe wird gezupft."),
  ("Pauke", "Die Pauke ist eine Trommel."),
  audio="s_klarinette.ogg")

Q(40, "Welches Tasteninstrument aus der Barockzeit hörst du?",
  ("+Cembalo", "Beim Cembalo werden die Saiten angezupft. Es klingt spitz und silbrig, wie in der Barockzeit."),
  ("Klavier", "Das Klavier klingt voller und runder."),
  ("Orgel", "Die Orgel hält ihre Töne lange aus."),
  ("Akkordeon", "Das Akkordeon klingt wie eine kleine Orgel."),
  audio="s_cembalo.ogg")

Q(40, "Welches Schlaginstrument hörst du?",
  ("+Pauke", "Die Pauke dröhnt tief und hat eine Tonhöhe. Mit einem Pedal spannt man das Fell und verändert sie."),
  ("Triangel", "Die Triangel klingt hell und klingelnd."),
  ("Rasseln", "Rasseln rascheln, sie dröhnen nicht."),
  ("Xylophon", "Das Xylophon klingt hell und hölzern."),
  audio="s_pauke.ogg", bild2="i_pauke.gif")

Q(50, "Welches Volksinstrument hörst du?",
  ("+Dudelsack", "Der Dudelsack hat neben der Melodiepfeife Bordunpfeifen, die dauernd einen tiefen Ton brummen."),
  ("Akkordeon", "Das Akkordeon brummt nicht dauernd mit."),
  ("Alphorn", "Das Alphorn ist ein langes Holzhorn ohne brummenden Dauerton."),
  ("Mundharmonika", "Die Mundharmonika ist klein und hat keine Bordunpfeifen."),
  audio="s_dudelsack.ogg")

Q(10, "Ist der zweite Ton höher oder tiefer als der erste?",
  ("höher", "Hör noch einmal: Der zweite Ton liegt unten."),
  ("+tiefer", "Der zweite Ton ist eine Oktave tiefer als der erste."),
  ("gleich", "Die Töne sind verschieden."),
  audio="s_hoch_tief.ogg", fest=True)

Q(10, "Ist der zweite Ton höher oder tiefer als der erste?",
  ("+höher", "Der zweite Ton springt eine Oktave nach oben."),
  ("tiefer", "Hör noch einmal: Es geht nach oben."),
  ("gleich", "Die Töne sind verschieden."),
  audio="s_tief_hoch.ogg", fest=True)

Q(20, "Sind die beiden Töne gleich, oder ist einer höher?",
  ("Der erste ist höher.", "Hör genau hin: Beide liegen gleich hoch."),
  ("Der zweite ist höher.", "Es geht nicht nach oben; beide Töne sind gleich."),
  ("+Beide sind gleich hoch.", "Zweimal derselbe Ton: Das Intervall heißt Prime."),
  audio="s_gleich.ogg", fest=True)

Q(10, "Wie viele Töne hörst du?",
  ("2", "Zähle noch einmal mit: Es sind mehr als zwei."),
  ("+3", "Drei helle Töne vom Glockenspiel."),
  ("4", "Es sind nur drei."),
  ("5", "Fünf wären zwei zu viel: Es sind nur drei."),
  audio="s_drei_toene.ogg", fest=True)

Q(20, "Zähle mit: Wie viele Töne erklingen?",
  ("3", "Es sind mehr als drei."),
  ("4", "Zähle noch einmal: Es sind fünf."),
  ("+5", "Fünf Töne, so viele wie Finger an einer Hand."),
  ("6", "Einer weniger: fünf."),
  audio="s_fuenf_toene.ogg", fest=True)

Q(10, "Wird die Musik lauter oder leiser?",
  ("+lauter", "Jeder Ton ist ein bisschen kräftiger: Das heißt crescendo."),
  ("leiser", "Hör noch einmal: Am Ende ist es laut."),
  ("bleibt gleich", "Die Lautstärke ändert sich deutlich."),
  audio="s_lauter.ogg", fest=True)

Q(20, "Was passiert mit der Lautstärke?",
  ("Sie wird lauter (crescendo).", "Umgekehrt: Am Anfang ist es laut."),
  ("+Sie wird leiser (decrescendo).", "Die Töne werden immer leiser: decrescendo oder diminuendo."),
  ("Sie bleibt gleich.", "Die Lautstärke nimmt hörbar ab."),
  audio="s_leiser.ogg", fest=True)

Q(20, "Was passiert mit dem Tempo?",
  ("+Es wird schneller (accelerando).", "Die Schläge folgen immer dichter aufeinander."),
  ("Es wird langsamer (ritardando).", "Umgekehrt: Die Abstände werden kürzer."),
  ("Es bleibt gleich.", "Hör auf die Abstände zwischen den Schlägen: Sie werden kürzer."),
  audio="s_schneller.ogg", fest=True)

Q(20, "Geht die Tonleiter nach oben oder nach unten?",
  ("+nach oben", "Von c’ bis c’’: Jeder Ton ist eine Stufe höher."),
  ("nach unten", "Hör noch einmal: Die Töne steigen."),
  ("erst hoch, dann runter", "Sie steigt bis zum Ende."),
  audio="s_tonleiter_auf.ogg", fest=True)

Q(30, "Geht diese Tonleiter nach oben oder nach unten?",
  ("nach oben", "Hör noch einmal: Die Töne fallen."),
  ("+nach unten", "Von c’’ stufenweise hinunter bis c’."),
  ("bleibt gleich", "Jeder Ton ist anders, einer nach dem anderen tiefer."),
  audio="s_tonleiter_ab.ogg", fest=True)

Q(30, "Werden diese Töne kurz und getrennt oder gebunden gespielt?",
  ("+kurz und getrennt (staccato)", "Zwischen den Tönen sind kleine Lücken: staccato."),
  ("gebunden (legato)", "Legato klänge ohne Lücken, ein Ton ginge in den nächsten über."),
  ("mit Fermate", "Eine Fermate hält einen Ton lange aus."),
  audio="s_staccato.ogg")

Q(30, "Wie werden diese Töne gespielt?",
  ("+gebunden (legato)", "Ein Ton geht ohne Lücke in den nächsten über: legato heißt gebunden."),
  ("kurz und getrennt (staccato)", "Staccato hätte hörbare Lücken."),
  ("immer lauter", "Die Lautstärke bleibt hier gleich."),
  audio="s_legato.ogg")

Q(30, "In welchem Takt spielt diese Musik? Zähle mit!",
  ("+3/4-Takt, wie ein Walzer", "Ein tiefer Ton und zwei leichte: UM-pa-pa."),
  ("4/4-Takt, wie ein Marsch", "Ein Marsch hat zwei oder vier Schläge; hier sind es drei."),
  ("2/4-Takt, wie eine Polka", "Eine Polka hat zwei Schläge; hier sind es drei."),
  audio="s_walzer.ogg")

Q(30, "Wozu passt diese Musik am besten?",
  ("+Zu einem Marsch", "Bumm – tack – bumm – tack: Der gerade Takt passt zum Gehen im Gleichschritt."),
  ("Zu einem Walzer", "Ein Walzer hat drei Schläge und wird gedreht, nicht marschiert."),
  ("Zu einem Wiegenlied", "Ein Wiegenlied ist sanft und langsam."),
  audio="s_marsch.ogg")

Q(60, "Wie wird diese Musik gezählt?",
  ("+6/8: zwei Gruppen zu drei Achteln", "Betont sind der erste und der vierte Achtelschlag: EINS-zwei-drei-VIER-fünf-sechs."),
  ("4/4: vier gleiche Viertel", "Hier fallen Dreiergruppen auf, keine Vierer."),
  ("2/4: zwei Viertel", "Es sind zwar zwei Hauptschläge, aber jeder teilt sich in drei."),
  ("5/4: fünf Viertel", "Zähle noch einmal: Die Gruppen haben je drei Achtel."),
  audio="s_sechs_achtel.ogg")

Q(30, "Klingt dieser Akkord nach Dur oder Moll?",
  ("+Dur", "Dur klingt hell und fröhlich. Hier: c, e, g, der C-Dur-Akkord."),
  ("Moll", "Moll klingt dunkler, etwas traurig. Dieser Akkord klingt hell."),
  ("Weder noch, ein Cluster", "Ein Cluster wäre eine Traube von Nachbartönen; hier klingen Terzen."),
  audio="s_dur_c.ogg", fest=True)

Q(40, "Dur oder Moll?",
  ("Dur", "Hör noch einmal: Der mittlere Ton ist tiefer, das klingt dunkler."),
  ("+Moll", "c, es, g: c-Moll. Die kleine Terz macht den Klang dunkel."),
  ("Weder noch, ein Cluster", "Die Töne bilden einen Dreiklang aus Terzen."),
  audio="s_moll_c.ogg", fest=True)

Q(50, "Klingt dieser Dreiklang nach Dur oder Moll?",
  ("+Dur", "f, a, c: F-Dur. Die große Terz unten klingt hell."),
  ("Moll", "Moll klänge dunkler; hier ist die untere Terz groß."),
  ("verminderter Akkord", "Ein verminderter Akkord klingt spannungsvoll, mit zwei kleinen Terzen."),
  audio="s_dur_f.ogg", fest=True)

Q(50, "Dur oder Moll?",
  ("Dur", "Die untere Terz ist klein: Das klingt nicht hell."),
  ("+Moll", "a, c, e: a-Moll, die Paralleltonart von C-Dur."),
  ("übermäßiger Akkord", "Ein übermäßiger Akkord hat zwei große Terzen und klingt schwebend."),
  audio="s_moll_a.ogg", fest=True)

Q(40, "Welches Intervall hörst du: erst nacheinander, dann zusammen?",
  ("+Oktave", "Der obere Ton ist derselbe Ton, nur höher: Die Oktave klingt fast wie ein einziger Ton."),
  ("Terz", "Eine Terz ist viel kleiner und klingt wie zwei verschiedene, freundliche Töne."),
  ("Sekunde", "Eine Sekunde sind zwei Nachbartöne; sie reiben sich."),
  ("Quinte", "Eine Quinte klingt leer und offen, aber nicht wie ein Ton."),
  audio="s_int_oktave.ogg")

Q(60, "Welches Intervall ist das?",
  ("+Quinte", "Die Quinte klingt offen und leer. Mit ihr beginnt „Morgen kommt der Weihnachtsmann“: c – g."),
  ("Oktave", "Die Oktave verschmilzt fast zu einem Ton."),
  ("Terz", "Die Terz ist kleiner und klingt süßer."),
  ("Sekunde", "Die Sekunde ist ein Schritt zum Nachbarton."),
  audio="s_int_quinte.ogg")

Q(60, "Welches Intervall hörst du?",
  ("+große Terz", "c – e: der Anfang von „Alle meine Entchen“, nur ohne d dazwischen."),
  ("Quinte", "Die Quinte ist größer und klingt leerer."),
  ("Sekunde", "Die Sekunde ist kleiner: nur ein Schritt."),
  ("Oktave", "Die Oktave ist viel größer."),
  audio="s_int_terz.ogg")

Q(70, "Welches Intervall ist das?",
  ("+große Sekunde", "Zwei Nachbartöne, c – d. Zusammen klingen sie reibend."),
  ("Terz", "Die Terz ist größer und klingt zusammen wohl."),
  ("Prime", "Die Prime wäre zweimal derselbe Ton."),
  ("Quarte", "Die Quarte ist größer: c – f."),
  audio="s_int_sekunde.ogg")

Q(80, "Welches Intervall hörst du?",
  ("+Quarte", "c – f. Mit einer Quarte nach oben beginnen viele Lieder und Hymnen, wie „O Tannenbaum“."),
  ("Quinte", "Die Quinte ist einen Ganzton größer: c – g."),
  ("Terz", "Die Terz ist kleiner: c – e."),
  ("Sexte", "Die Sexte ist größer: c – a."),
  audio="s_int_quarte.ogg")

Q(20, "Welcher Vogel ruft so, mit zwei Tönen von oben nach unten?",
  ("+Der Kuckuck", "Sein Ruf fällt um eine Terz. Viele Komponisten haben ihn nachgeahmt."),
  ("Die Amsel", "Die Amsel singt lange, abwechslungsreiche Melodien."),
  ("Der Specht", "Der Specht klopft, statt zu singen."),
  ("Die Eule", "Die Eule ruft „huhu“, tief und dumpf."),
  audio="s_kuckuck.ogg")

Q(10, "Welches Lied erkennst du?",
  ("+Alle meine Entchen", "c, d, e, f, g, g – „Alle meine Entchen schwimmen auf dem See“."),
  ("Hänschen klein", "Hänschen klein beginnt von oben: g, e, e."),
  ("Bruder Jakob", "Bruder Jakob beginnt mit f, g, a, f."),
  audio="s_entchen.ogg")

Q(10, "Welches Kinderlied ist das?",
  ("+Hänschen klein", "g, e, e – f, d, d: „Hänschen klein ging allein“."),
  ("Alle meine Entchen", "Die Entchen beginnen mit einer Tonleiter nach oben."),
  ("Kuckuck, Kuckuck", "Der Kuckuck ruft mit zwei Tönen."),
  audio="s_haenschen.ogg")

Q(10, "Welches Lied hörst du?",
  ("+Bruder Jakob", "„Bruder Jakob, Bruder Jakob, schläfst du noch?“ Es ist ein Kanon."),
  ("Alle meine Entchen", "Das Entchen-Lied beginnt mit c, d, e, f, g."),
  ("Stille Nacht", "„Stille Nacht“ ist ein langsames Weihnachtslied im Sechsachteltakt."),
  audio="s_bruder_jakob.ogg")

Q(10, "Zu welchem Fest singt man dieses Lied?",
  ("+Zum Geburtstag", "„Zum Geburtstag viel Glück“ – die Melodie von „Happy Birthday“."),
  ("Zu Weihnachten", "Weihnachtslieder klingen anders, etwa „Stille Nacht“."),
  ("Zu Ostern", "Dies ist das Geburtstagslied."),
  audio="s_geburtstag.ogg")

Q(20, "Welches Weihnachtslied ist das?",
  ("+Stille Nacht, heilige Nacht", "Es wurde 1818 in Oberndorf bei Salzburg zum ersten Mal gesungen."),
  ("O Tannenbaum", "„O Tannenbaum“ beginnt mit einem Sprung nach oben."),
  ("Jingle Bells", "„Jingle Bells“ ist schnell und hüpfend."),
  ("Alle Jahre wieder", "Dieses Lied hat eine andere Melodie."),
  audio="s_stille_nacht.ogg")

Q(30, "Welches Instrument spielt diese Melodie?",
  ("+Geige", "Der gestrichene Ton der Geige kann lange klingen und singen."),
  ("Klavier", "Ein Klavierton verklingt nach dem Anschlag."),
  ("Trompete", "Die Trompete klingt blechern und strahlend."),
  ("Querflöte", "Die Querflöte klingt luftiger."),
  ("Gitarre", "Die Gitarre wird gezupft; ihr Ton verklingt schnell."),
  audio="s_nachtmusik.ogg", bild2="i_geige.jpg")
