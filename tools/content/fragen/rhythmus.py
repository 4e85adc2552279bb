from . import collect

QUESTIONS, Q = collect("Rhythmus")

Q(10, "Wie viele Schläge dauert eine ganze Note im Viervierteltakt?",
  ("1", "Einen Schlag dauert die Viertelnote."),
  ("2", "Zwei Schläge dauert die halbe Note."),
  ("+4", "Die ganze Note füllt einen ganzen Viervierteltakt: vier Schläge."),
  ("8", "Acht Schläge wären zwei ganze Noten."),
  musical="&w", fest=True)

Q(10, "Wie viele Schläge dauert diese halbe Note?",
  ("1", "Einen Schlag dauert die Viertelnote, die ausgemalt ist."),
  ("+2", "Die halbe Note ist hohl und hat einen Hals. Sie dauert zwei Viertel."),
  ("3", "Drei Schläge dauert erst die halbe Note mit Punkt."),
  ("4", "Vier Schläge dauert die ganze Note ohne Hals."),
  musical="&h", fest=True)

Q(10, "Wie heißt diese Note mit ausgemaltem Kopf und Hals?",
  ("+Viertelnote", "Die Viertelnote dauert einen Schlag. Vier davon füllen einen 4/4-Takt."),
  ("Halbe Note", "Die halbe Note hat einen hohlen Kopf."),
  ("Ganze Note", "Die ganze Note ist hohl und hat keinen Hals."),
  ("Achtelnote", "Die Achtelnote hat zusätzlich ein Fähnchen."),
  musical="&q")

Q(20, "Wie heißt diese Note mit Fähnchen?",
  ("+Achtelnote", "Das Fähnchen halbiert die Viertel: Zwei Achtel dauern so lange wie eine Viertel."),
  ("Viertelnote", "Die Viertelnote hat kein Fähnchen."),
  ("Sechzehntelnote", "Die Sechzehntelnote hat zwei Fähnchen."),
  ("Ganze Note", "Die ganze Note hat weder Hals noch Fähnchen."),
  musical="&e")

Q(20, "Wie viele Achtelnoten dauern so lange wie eine Viertelnote?",
  ("1", "Eine Achtel ist nur halb so lang wie eine Viertel."),
  ("+2", "Zwei Achtel ergeben eine Viertel, wie „ti-ti“ zu „ta“."),
  ("4", "Vier Achtel dauern so lange wie eine halbe Note."),
  ("8", "Acht Achtel dauern so lange wie eine ganze Note."),
  musical="qi", fest=True)

Q(20, "Was ist das Zeichen zwischen den Viertelnoten?",
  ("+Viertelpause", "In der Viertelpause schweigt man einen Schlag lang."),
  ("Achtelnote", "Die Achtelnote hat einen Notenkopf; dies ist eine Pause."),
  ("Violinschlüssel", "Der Violinschlüssel steht am Anfang der Zeile und ist viel größer."),
  ("Fermate", "Die Fermate ist ein Bogen mit einem Punkt."),
  musical="&qQqQ")

Q(30, "Wie viele Viertelschläge dauern diese Noten zusammen?",
  ("3", "Zähle noch einmal: Viertel (1) + Viertel (1) + Halbe (2)."),
  ("+4", "1 + 1 + 2 = 4: Das füllt genau einen Viervierteltakt."),
  ("5", "Die halbe Note dauert zwei, nicht drei Schläge."),
  ("6", "Das wären zu viele. Es sind vier Schläge."),
  musical="&4qqh|", fest=True)

Q(30, "Wie lange dauert eine halbe Note mit Punkt?",
  ("2 Schläge", "Ohne Punkt wären es zwei Schläge."),
  ("+3 Schläge", "Der Punkt verlängert um die Hälfte: 2 + 1 = 3 Schläge. Sie füllt einen 3/4-Takt."),
  ("4 Schläge", "Vier Schläge dauert eine ganze Note."),
  ("2 1/2 Schläge", "Der Punkt fügt die Hälfte der Note hinzu, also einen ganzen Schlag."),
  musical="&3h.|", fest=True)

Q(20, "Die Taktangabe fehlt. Zähle die Schläge: Welche Taktart passt?",
  ("+3/4-Takt", "Drei Viertel pro Takt: Man zählt „eins, zwei, drei“, wie beim Walzer."),
  ("4/4-Takt", "Im 4/4-Takt zählt man bis vier; hier ist nach drei Schlägen der Takt voll."),
  ("2/4-Takt", "Im 2/4-Takt zählt man nur bis zwei."),
  ("5/4-Takt", "Im 5/4-Takt zählt man bis fünf; hier sind es drei Schläge."),
  bild="n_takt_34.gif")

Q(30, "In welchem Takt tanzt man Walzer?",
  ("+3/4-Takt", "Der Walzer hat drei Schläge, der erste ist betont: UM-pa-pa."),
  ("4/4-Takt", "Im 4/4-Takt stehen viele Popsongs und Märsche."),
  ("2/4-Takt", "Im 2/4-Takt stehen Polka und mancher Marsch."),
  ("5/4-Takt", "Der 5/4-Takt ist selten, zum Beispiel in „Take Five“."))

Q(30, "Was bedeutet das große C am Anfang der Notenzeile?",
  ("+Viervierteltakt", "Das C steht für den 4/4-Takt; man nennt ihn auch „common time“."),
  ("Die Tonart C-Dur", "Die Tonart zeigen die Vorzeichen; das C ist ein Taktzeichen."),
  ("Das Stück beginnt mit c", "Den ersten Ton zeigt die erste Note."),
  ("Crescendo", "Crescendo wird mit einer Gabel oder „cresc.“ geschrieben."),
  musical="&cqqqq|")

Q(40, "Was ist ein Auftakt?",
  ("+Ein unvollständiger Takt vor dem ersten vollen Takt", "Wie im Bild: Das Lied beginnt mit einem einzelnen Schlag vor der Eins."),
  ("Das Einzählen der Dirigentin", "Das Einzählen ist kein Teil der Noten."),
  ("Der erste Takt eines Liedes mit einem Akkord", "Nicht der Akkord, sondern der unvollständige Anfangstakt zählt."),
  ("Ein Trommelwirbel vor dem Lied", "Ein Trommelwirbel ist kein Auftakt."),
  bild="n_auftakt.gif")

Q(40, "Wie viele Sechzehntelnoten passen in eine Viertelnote?",
  ("2", "Zwei Achtel passen in eine Viertel; Sechzehntel sind noch kürzer."),
  ("3", "Drei gleiche Noten in einer Viertel wären eine Triole."),
  ("+4", "Die Sechzehntel ist ein Viertel der Viertelnote."),
  ("8", "Acht Sechzehntel füllen eine halbe Note."),
  musical="qxxxx", fest=True)

Q(40, "Wie viele Viertelschläge fehlen im zweiten Takt, damit er voll ist?",
  ("+1", "Halbe (2) + Viertel (1) = 3. Im 4/4-Takt fehlt ein Schlag."),
  ("2", "Zähle noch einmal: eine halbe Note (2) und eine Viertel (1) sind drei."),
  ("3", "Drei Schläge sind schon da."),
  ("0", "Der Takt ist nicht voll: Er hat nur drei von vier Schlägen."),
  bild="n_takt_44_fehlt.gif", fest=True)

Q(50, "Die Taktangabe fehlt. Welche Taktart passt zu diesen Achtelgruppen?",
  ("+6/8-Takt", "Sechs Achtel pro Takt in zwei Gruppen zu drei: EINS-zwei-drei-VIER-fünf-sechs."),
  ("3/4-Takt", "Ein 3/4-Takt hätte auch sechs Achtel, aber in drei Paaren; hier stehen Dreiergruppen und punktierte Viertel."),
  ("4/4-Takt", "Im 4/4-Takt hätten acht Achtel Platz."),
  ("2/4-Takt", "Im 2/4-Takt hätten vier Achtel Platz."),
  bild="n_takt_68.gif")

Q(50, "Was ist im Bild eine Triole?",
  ("+Drei Noten im Zeitwert von zweien", "Die kleine 3 zeigt es: Drei Achtel teilen sich die Zeit von zwei Achteln."),
  ("Drei Noten, die gleichzeitig klingen", "Das wäre ein Dreiklang."),
  ("Ein Stück für drei Spieler", "Ein Stück für drei Spieler ist ein Trio."),
  ("Dreimal derselbe Ton", "Die Töne einer Triole können verschieden sein."),
  bild="n_triole.gif")

Q(60, "Was ist eine Synkope wie im Bild?",
  ("+Eine Betonung, die zwischen den Schlägen liegt", "Der Ton beginnt vor dem Schlag und wird übergebunden: Das gibt Jazz und Pop ihren Schwung."),
  ("Ein Ton, der eine Oktave höher liegt", "Mit der Tonhöhe hat die Synkope nichts zu tun."),
  ("Eine Pause am Taktende", "Eine Pause ist keine Synkope."),
  ("Ein sehr schneller Triller", "Ein Triller ist ein schneller Wechsel zweier Töne."),
  bild="n_synkope.gif")

Q(50, "Wie lange dauert eine punktierte Viertelnote?",
  ("+Drei Achtel", "Eine Viertel (zwei Achtel) plus die Hälfte (ein Achtel) macht drei Achtel."),
  ("Zwei Achtel", "Zwei Achtel dauert die Viertel ohne Punkt."),
  ("Vier Achtel", "Vier Achtel dauert eine halbe Note."),
  ("Eine Achtel", "Der Punkt verlängert, er verkürzt nicht."),
  bild="n_punktiert.gif")

Q(40, "Was bedeutet „Metronom 60“?",
  ("+60 Schläge in der Minute, also einer pro Sekunde", "Das Metronom gibt die Schläge pro Minute an (englisch BPM)."),
  ("60 Takte in der Minute", "Gezählt werden Schläge, nicht Takte."),
  ("Das Stück dauert 60 Sekunden.", "Die Zahl sagt nichts über die Dauer des Stückes."),
  ("60 Noten auf einer Seite", "Das Metronom misst das Tempo, nicht die Notenmenge."))

Q(50, "Was bedeutet die Tempoangabe „Allegro“?",
  ("+schnell und lebhaft", "Allegro heißt auf Italienisch fröhlich. In der Musik meint es ein schnelles Tempo."),
  ("langsam", "Langsam wäre Adagio oder Largo."),
  ("gehend", "Gehend, in mäßigem Tempo, heißt Andante."),
  ("leise", "Leise ist eine Lautstärke, keine Tempoangabe: piano."))

Q(60, "Welche Tempoangabe ist die langsamste?",
  ("+Largo", "Largo heißt breit: sehr langsam und getragen."),
  ("Andante", "Andante ist gehend, schneller als Largo."),
  ("Allegro", "Allegro ist schnell."),
  ("Presto", "Presto ist sehr schnell."))

Q(60, "Was bedeutet „ritardando“ in den Noten?",
  ("+allmählich langsamer werden", "Ritardando (rit.) verzögert, oft am Ende eines Stückes."),
  ("allmählich schneller werden", "Schneller werden heißt accelerando."),
  ("allmählich lauter werden", "Lauter werden heißt crescendo."),
  ("abgestoßen spielen", "Abgestoßen heißt staccato."))

Q(70, "Wie viele Achtelnoten passen in einen 6/8-Takt, und wie viele Hauptschläge hat er meist?",
  ("+Sechs Achtel, zwei Hauptschläge", "Der 6/8-Takt wird meist in zwei Gruppen zu je drei Achteln gefühlt."),
  ("Sechs Achtel, sechs Hauptschläge", "Nur sehr langsam zählt man alle sechs Achtel als Schläge."),
  ("Acht Achtel, zwei Hauptschläge", "Acht Achtel passen in einen 4/4-Takt."),
  ("Drei Achtel, drei Hauptschläge", "Drei Achtel hat der 3/8-Takt; im 6/8-Takt sind es doppelt so viele."))

Q(70, "Was zeigt dieses Zeichen an?",
  ("+Den vorigen Takt wiederholen", "Man nennt das Zeichen „Faulenzer“: Der ganze Takt wird noch einmal gespielt."),
  ("Eine Pause von einem Takt", "Ein Pausentakt wird mit einer ganzen Pause geschrieben."),
  ("Das Stück ist zu Ende", "Das Ende zeigt der Schlussstrich."),
  ("Prozentrechnung im Takt", "Es sieht aus wie ein Prozentzeichen, ist aber ein Wiederholungszeichen."),
  musical="&4iiqq|%|")

Q(80, "Was sagt das Zeichen ¢ (ein durchgestrichenes C) über den Takt?",
  ("+Alla breve: 2/2-Takt, gezählt in halben Noten", "Es gibt zwei Schläge pro Takt, je eine halbe Note. Das Stück wirkt dadurch flüssiger."),
  ("Der Takt wird gestrichen", "Keine Streichung: Es ist ein Taktzeichen."),
  ("Ein 4/4-Takt, doppelt so langsam", "Eher umgekehrt: Man zählt Halbe statt Viertel, das Tempo fühlt sich schneller an."),
  ("Das Stück steht in Cis-Dur", "Die Tonart zeigen Vorzeichen, nicht dieses Taktzeichen."),
  musical="&¢hh|")

Q(90, "Wie nennt man es, wenn verschiedene Rhythmen gleichzeitig erklingen, etwa drei Schläge gegen zwei?",
  ("+Polyrhythmik", "Sie ist typisch für viel afrikanische Musik und kommt auch im Jazz vor."),
  ("Synkope", "Eine Synkope verschiebt die Betonung, bleibt aber in einem Takt."),
  ("Rubato", "Rubato heißt: Das Tempo wird frei gedehnt und gestrafft."),
  ("Ostinato", "Ein Ostinato ist eine ständig wiederholte Figur."))

Q(80, "Welche Dauer hat eine Achtel-Triole zusammen?",
  ("+Eine Viertelnote", "Drei Triolen-Achtel füllen die Zeit von zwei normalen Achteln, also einer Viertel."),
  ("Drei Achtel", "Drei normale Achtel wären eine punktierte Viertel; Triolen sind kürzer."),
  ("Eine halbe Note", "Eine halbe Note dauert so lange wie zwei Achtel-Triolen."),
  ("Eine Achtelnote", "Das wäre viel zu kurz."))

Q(90, "Wo liegt die Betonung im Reggae?",
  ("+Auf den Nachschlägen, zwischen den Zählzeiten", "Die Gitarre spielt kurz auf dem „und“: der typische Offbeat des Reggae."),
  ("Nur auf der Eins", "Die Eins ist im Reggae oft sogar leer („One Drop“)."),
  ("Auf allen vier Schlägen gleich", "So klingt eher Disco mit der Bassdrum auf jedem Schlag."),
  ("Gar nicht, Reggae hat keinen Takt", "Reggae steht meist im 4/4-Takt."))

Q(40, "Wie heißen die ersten vier Noten mit dem doppelten Balken?",
  ("+Sechzehntelnoten", "Zwei Balken halbieren die Achtel noch einmal: Vier Sechzehntel dauern eine Viertel."),
  ("Achtelnoten", "Achtel haben nur einen Balken."),
  ("Viertelnoten", "Viertel haben gar keinen Balken."),
  ("Triolen", "Eine Triole hat eine kleine 3 über den Noten."),
  bild="n_sechzehntel.gif")

Q(30, "Welcher Tanz steht im 3/4-Takt?",
  ("+Walzer", "UM-pa-pa: Der Walzer dreht sich in drei Schlägen."),
  ("Polka", "Die Polka hüpft im 2/4-Takt."),
  ("Marsch", "Zum Marsch geht man im 2/4- oder 4/4-Takt, links-rechts."),
  ("Tango", "Der Tango steht im 2/4- oder 4/4-Takt."),
  ("Foxtrott", "Der Foxtrott steht im 4/4-Takt."))
