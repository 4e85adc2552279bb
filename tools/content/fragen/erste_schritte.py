"""More first questions in the smaller areas, so that a child's first questions
spread over many areas: jazz, music history, opera and pop."""

from . import collect

_JAZZ, J = collect("Jazz")
_HISTORY, G = collect("Musikgeschichte")
_STAGE, O = collect("Oper und Musical")
_POP, P = collect("Pop und Rock")

J(20, "Welches Tasteninstrument spielt in fast jeder Jazzband Akkorde und Soli?",
  ("+Klavier", "Jazzpianisten wie Duke Ellington begleiten mit Akkorden und spielen eigene Soli."),
  ("Orgel mit Pfeifen", "Eine Pfeifenorgel steht in der Kirche, nicht im Jazzclub."),
  ("Akkordeon", "Das Akkordeon hört man eher in Volksmusik und Musette."),
  ("Cembalo", "Das Cembalo gehört zur Barockmusik."))

J(20, "Womit streicht ein Jazzschlagzeuger leise über die Trommel, sodass es raschelt?",
  ("+mit Besen", "Jazzbesen haben viele dünne Drähte: Sie wischen und rascheln leise."),
  ("mit einem Geigenbogen", "Ein Bogen streicht Saiten, keine Trommeln."),
  ("mit den Ellbogen", "Damit spielt kein Schlagzeuger."),
  ("mit Holzlöffeln", "Löffel sind ein Spaß-Instrument, keine Jazztrommelstöcke."))

J(20, "Welches Instrument ist aus Metall, zählt aber zu den Holzblasinstrumenten und ist im Jazz sehr beliebt?",
  ("+Saxophon", "Sein Ton entsteht an einem Rohrblatt aus Schilf, wie bei der Klarinette."),
  ("Trompete", "Die Trompete ist ein Blechblasinstrument."),
  ("Posaune", "Die Posaune ist ein Blechblasinstrument mit Zug."),
  ("Tuba", "Die Tuba ist das tiefste Blechblasinstrument."))

J(30, "Was ist eine „Jamsession“?",
  ("+Musiker treffen sich und spielen spontan zusammen.", "Ohne lange Proben erfinden sie gemeinsam Musik über bekannte Stücke."),
  ("ein Frühstück mit Marmelade", "„Jam“ heißt zwar auch Marmelade, hier geht es aber um Musik."),
  ("eine Aufnahme im Studio nach Noten", "Eine Jamsession ist frei und ungeplant."),
  ("ein Wettbewerb im Lautspielen", "Es geht ums Zusammenspielen, nicht um Lautstärke."))

J(30, "Wie nennt man eine kleine Jazzband mit wenigen Musikern?",
  ("+Combo", "Eine Combo hat etwa drei bis acht Musiker, zum Beispiel Klavier, Bass, Schlagzeug und Saxophon."),
  ("Bigband", "Eine Bigband ist groß, mit vielen Bläsern."),
  ("Orchester", "Ein Orchester hat viele Musiker."),
  ("Chor", "Ein Chor singt."))

J(30, "Auf welche Schläge schnipst man bei Jazzmusik gern mit?",
  ("+auf zwei und vier", "Im Jazz liegt die Betonung oft auf den „schwachen“ Schlägen zwei und vier."),
  ("nur auf eins", "Auf der Eins schnipst man beim Marsch; der Jazz betont zwei und vier."),
  ("auf eins und drei", "Eins und drei betont eher die Blasmusik."),
  ("gar nicht", "Mitschnipsen gehört zum Jazz dazu."))

G(10, "Womit hören viele Menschen heute unterwegs Musik?",
  ("+mit Smartphone und Kopfhörern", "Früher brauchte man dafür Kassette oder CD, heute kommt die Musik oft aus dem Internet."),
  ("mit einem Grammophon", "Das Grammophon war groß und schwer und stand zu Hause."),
  ("mit einer Orgel", "Eine Orgel kann man nicht mitnehmen."),
  ("mit einer Spieluhr", "Eine Spieluhr spielt nur ein einziges Lied."))

G(20, "Welche glänzende Scheibe für Musik kam 1982 in die Läden?",
  ("+die CD", "Die Compact Disc wird mit einem Laserstrahl gelesen; sie nutzt sich kaum ab."),
  ("die Schallplatte", "Schallplatten gibt es schon seit etwa 1890."),
  ("die Kassette", "Die Kassette ist ein Band in einem Kästchen, keine Scheibe."),
  ("der USB-Stick", "USB-Sticks kamen erst um das Jahr 2000."))

G(20, "Womit spielte man Kassetten ab?",
  ("+mit dem Kassettenrekorder", "Ein Tonband lief von einer Spule zur anderen am Tonkopf vorbei."),
  ("mit dem Plattenspieler", "Der Plattenspieler spielt Schallplatten."),
  ("mit dem Metronom", "Das Metronom gibt nur den Takt an."),
  ("mit der Stimmgabel", "Die Stimmgabel gibt einen Ton zum Stimmen."))

G(20, "In welcher Zeit lebten Ritter, Burgfräulein und Minnesänger?",
  ("+im Mittelalter", "Das Mittelalter dauerte etwa von 500 bis 1500."),
  ("in der Steinzeit", "In der Steinzeit gab es noch keine Burgen."),
  ("in der Zeit von Mozart", "Zu Mozarts Zeit gab es keine Ritter mehr."),
  ("heute", "Ritterburgen sind heute Museen."))

G(30, "Welcher Komponist war ein älterer Freund Mozarts und lebte zur selben Zeit?",
  ("+Joseph Haydn", "Haydn und Mozart spielten zusammen Streichquartett und bewunderten einander."),
  ("Johann Sebastian Bach", "Bach starb 1750, sechs Jahre vor Mozarts Geburt."),
  ("Richard Wagner", "Wagner wurde erst 1813 geboren."),
  ("Hildegard von Bingen", "Hildegard lebte im 12. Jahrhundert."))

G(30, "Welche dieser Zeiten der Musik kam zuerst?",
  ("+das Mittelalter", "Erst das Mittelalter, dann Renaissance, Barock, Klassik und Romantik."),
  ("der Barock", "Der Barock kam nach Mittelalter und Renaissance, etwa 1600 bis 1750."),
  ("die Klassik", "Die Klassik mit Haydn und Mozart folgte auf den Barock."),
  ("die Romantik", "Die Romantik kam erst nach der Klassik, im 19. Jahrhundert."))

O(20, "Wie heißen die Geschwister, die in Humperdincks Märchenoper ins Hexenhaus geraten?",
  ("+Hänsel und Gretel", "Die Oper nach dem Märchen der Brüder Grimm wird oft zur Weihnachtszeit gespielt."),
  ("Max und Moritz", "Max und Moritz sind zwei Lausbuben von Wilhelm Busch."),
  ("Hanni und Nanni", "Hanni und Nanni sind Zwillinge aus Kinderbüchern."),
  ("Romeo und Julia", "Romeo und Julia sind ein Liebespaar von Shakespeare."))

O(20, "Womit ist das Kostüm des Vogelfängers Papageno in der „Zauberflöte“ bedeckt?",
  ("+mit Federn", "Papageno sieht selbst fast wie ein Vogel aus."),
  ("mit Blättern", "Blätter trägt er nicht; er fängt Vögel."),
  ("mit Schuppen", "Schuppen haben Fische, keine Vogelfänger."),
  ("mit Glöckchen", "Ein Glockenspiel hat er zwar, aber sein Kostüm ist aus Federn."))

O(30, "Wer ist in der „Zauberflöte“ die Mutter von Pamina?",
  ("+die Königin der Nacht", "Sie singt die berühmte Arie mit den sehr hohen Tönen."),
  ("Papagena", "Papagena wird Papagenos Frau."),
  ("die drei Damen", "Die drei Damen dienen der Königin der Nacht."),
  ("Sarastro", "Sarastro ist ein Mann, der Priester."))

O(10, "Was tun die Darsteller in einer Oper meistens, statt zu sprechen?",
  ("+Sie singen.", "In der Oper wird fast alles gesungen, begleitet vom Orchester."),
  ("Sie schweigen.", "Dann wäre es Pantomime."),
  ("Sie flüstern.", "Flüstern könnte man im großen Opernhaus nicht hören."),
  ("Sie pfeifen.", "Pfeifen tut höchstens Papageno auf seiner Flöte."))

O(20, "Welches Musical nach einem Zeichentrickfilm erzählt von Simba und seinem Vater Mufasa?",
  ("+Der König der Löwen", "Das Musical nach dem Zeichentrickfilm läuft seit 1997, in Hamburg seit 2001."),
  ("Cats", "In „Cats“ geht es um Katzen."),
  ("Mamma Mia!", "„Mamma Mia!“ spielt auf einer griechischen Insel."),
  ("Das Phantom der Oper", "Es spielt unter einem Pariser Theater."))

O(20, "Wer schrieb die Oper „Die Zauberflöte“?",
  ("+Wolfgang Amadeus Mozart", "Mozart schrieb sie 1791, in seinem letzten Lebensjahr."),
  ("Ludwig van Beethoven", "Beethovens einzige Oper heißt „Fidelio“."),
  ("Richard Wagner", "Wagner schrieb etwa den „Ring des Nibelungen“."),
  ("Engelbert Humperdinck", "Humperdinck schrieb „Hänsel und Gretel“."))

P(10, "Wie viele Musiker spielen in einem Duo?",
  ("1", "Einer allein ist ein Solo."),
  ("+2", "Duo heißt zwei; drei wären ein Trio, vier ein Quartett."),
  ("3", "Drei Musiker sind ein Trio."),
  ("4", "Vier Musiker sind ein Quartett."),
  fest=True)

P(20, "Was ist ein Hit?",
  ("+ein Lied, das sehr viele Menschen mögen und hören", "„Hit“ heißt Treffer: Das Lied trifft den Geschmack vieler."),
  ("ein Schlag auf die Trommel", "Auf Englisch heißt ein Schlag auch „hit“, in der Musik meint man aber ein erfolgreiches Lied."),
  ("ein Fehler beim Spielen", "Ein Fehler ist kein Hit."),
  ("eine laute Stelle", "Laut heißt forte."))

P(10, "Wie heißt eine Gruppe von Musikern, die zusammen Pop oder Rock spielen?",
  ("+Band", "Eine Band hat oft Gesang, Gitarre, Bass, Keyboard und Schlagzeug."),
  ("Orchester", "Ein Orchester spielt meist klassische Musik mit vielen Musikern."),
  ("Chor", "Ein Chor singt."),
  ("Kapelle", "Eine Kapelle spielt eher Blasmusik oder Tanzmusik."))

P(30, "Was ist ein „Cover“ in der Popmusik?",
  ("+ein Lied, das andere Musiker neu aufnehmen", "Die Melodie bleibt, aber die neue Band spielt es auf ihre Art."),
  ("die Hülle einer Schallplatte", "So heißt auch die Plattenhülle; gemeint ist hier eine neue Aufnahme."),
  ("ein Lied ohne Text", "Ein Lied ohne Text ist ein Instrumentalstück."),
  ("ein Fehler in der Aufnahme", "Ein Cover ist kein Fehler."))

P(30, "Wie klingt eine E-Gitarre, die nicht an den Verstärker angeschlossen ist?",
  ("+nur ganz leise", "Ihr Körper ist meist aus massivem Holz ohne Schallloch: Die Saiten klingen kaum."),
  ("genauso laut wie sonst", "Laut wird sie erst durch Verstärker und Lautsprecher."),
  ("wie ein Klavier", "Sie klingt leise nach Saiten, nicht wie ein Klavier."),
  ("gar nicht, sie bricht", "Sie bricht nicht; sie klingt nur leise."))

P(10, "Wer singt in einer Band meistens die Melodie?",
  ("+die Sängerin oder der Sänger", "Am Mikrofon vorne auf der Bühne steht meist die Stimme der Band."),
  ("der Schlagzeuger", "Der Schlagzeuger spielt den Rhythmus."),
  ("der Bassist", "Der Bassist spielt die tiefen Töne."),
  ("der Tontechniker", "Er sorgt hinter dem Mischpult für den guten Klang."))

QUESTIONS = _JAZZ + _HISTORY + _STAGE + _POP
