"""How songs are built, songs of other countries, and singing with the voice."""

from . import collect

QUESTIONS, Q = collect("Volkslieder und Kinderlieder")

Q(30, "Ein Lied hat mehrere Strophen, und alle werden auf dieselbe Melodie gesungen. Wie nennt man so ein Lied?",
  ("+Strophenlied", "Die Melodie bleibt, der Text wechselt: So sind die meisten Volks- und Kinderlieder gebaut."),
  ("Kanon", "Beim Kanon singen Gruppen dieselbe Melodie zeitversetzt."),
  ("Arie", "Eine Arie ist ein Sologesang in der Oper."),
  ("Rap", "Beim Rap wird der Text rhythmisch gesprochen."))

Q(20, "Wie heißt ein Liedabschnitt mit neuem Text, aber derselben Melodie wie der vorige?",
  ("+Strophe", "Jede Strophe erzählt weiter, die Melodie bleibt gleich."),
  ("Refrain", "Der Refrain kehrt mit gleichem Text wieder."),
  ("Vorspiel", "Das Vorspiel spielen die Instrumente vor dem Gesang."),
  ("Kanon", "Ein Kanon ist eine Liedform, kein Abschnitt."))

Q(20, "Was singen bei einem Kanon alle Gruppen?",
  ("+dieselbe Melodie, nur zeitversetzt", "Jede Gruppe beginnt später; so passen die Stimmen übereinander."),
  ("jede Gruppe ein anderes Lied", "Verschiedene Lieder passten nicht zusammen."),
  ("nur den Refrain", "Alle singen das ganze Lied, nur später."),
  ("alle gleichzeitig dasselbe", "Dann wäre es einstimmiges Singen, kein Kanon."))

Q(30, "In wie vielen Gruppen kann man „Bruder Jakob“ als Kanon singen, wenn jede eine Zeile später einsetzt?",
  ("2", "Mit zwei Gruppen geht es, aber das Lied hat mehr Zeilen."),
  ("3", "Mit drei geht es auch, doch es passen noch mehr."),
  ("+4", "Das Lied hat vier Zeilen; so können vier Gruppen nacheinander einsetzen."),
  ("8", "Acht Gruppen müssten zweimal pro Zeile einsetzen; das Lied hat nur vier Zeilen."),
  bild="n_bruder_jakob.gif", fest=True)

Q(30, "Welches dieser Lieder singt man oft als Kanon?",
  ("+Froh zu sein bedarf es wenig", "„Froh zu sein bedarf es wenig, und wer froh ist, ist ein König“: ein alter Kanon."),
  ("Stille Nacht, heilige Nacht", "„Stille Nacht“ singt man einstimmig oder mehrstimmig, aber nicht als Kanon."),
  ("Hänschen klein", "„Hänschen klein“ ist ein einfaches Strophenlied."),
  ("Alle meine Entchen", "„Alle meine Entchen“ singt man einstimmig."))

Q(30, "Wie heißt es, wenn eine Person vorsingt und die Gruppe darauf erwidert, wie oft in Liedern aus Afrika?",
  ("+Ruf und Antwort", "Englisch „Call and Response“: Vorsänger und Gruppe wechseln sich ab. Auch Gospel und Jazz kennen das."),
  ("Kanon", "Im Kanon singen alle dieselbe Melodie zeitversetzt."),
  ("Solo", "Beim Solo singt nur eine Person."),
  ("Playback", "Playback ist eine abgespielte Aufnahme."))

# Songs by ear
Q(10, "Welches Lied hörst du?",
  ("+Morgen kommt der Weihnachtsmann", "c, c, g, g, a, a, g: Dieselbe Melodie hat auch „Twinkle, Twinkle, Little Star“."),
  ("Alle meine Entchen", "Die Entchen beginnen mit c, d, e, f, g."),
  ("Hänschen klein", "Hänschen klein beginnt oben mit g, e, e."),
  ("O Tannenbaum", "„O Tannenbaum“ beginnt mit einem Sprung nach oben."),
  audio="s_weihnachtsmann.ogg")

Q(10, "Welches Weihnachtslied hörst du?",
  ("+O Tannenbaum", "„O Tannenbaum, o Tannenbaum, wie treu sind deine Blätter“: Es beginnt mit einem Sprung nach oben."),
  ("Stille Nacht, heilige Nacht", "„Stille Nacht“ ist ruhig und wiegend und beginnt anders."),
  ("Jingle Bells", "„Jingle Bells“ beginnt mit dreimal demselben Ton."),
  ("Morgen kommt der Weihnachtsmann", "Dieses Lied beginnt mit c, c, g, g."),
  audio="s_tannenbaum.ogg")

Q(20, "Welches Wiegenlied von Johannes Brahms hörst du?",
  ("+Guten Abend, gut’ Nacht", "Brahms schrieb das Wiegenlied 1868; es wiegt ruhig im Dreivierteltakt."),
  ("Schlaf, Kindlein, schlaf", "Dieses Wiegenlied ist ein altes Volkslied, nicht von Brahms."),
  ("Der Mond ist aufgegangen", "Diese Melodie ist von Johann Abraham Peter Schulz."),
  ("Weißt du, wie viel Sternlein stehen", "Dieses Abendlied hat eine andere Melodie."),
  audio="s_guten_abend.ogg")

Q(30, "Aus welchem Land stammt das Lied „Jingle Bells“, das du hier hörst?",
  ("+aus den USA", "James Lord Pierpont veröffentlichte es 1857 in Amerika. Es erzählt von einer Schlittenfahrt."),
  ("aus England", "Man singt es auch in England, es stammt aber aus den USA."),
  ("aus Deutschland", "In Deutschland singt man es oft auf Englisch; es kommt aus den USA."),
  ("aus Schweden", "Es stammt nicht aus Schweden."),
  audio="s_jingle_bells.ogg")

Q(30, "Aus welchem Land stammt das Lied „La Cucaracha“, das du hier hörst?",
  ("+aus Mexiko", "„La Cucaracha“ heißt „die Küchenschabe“. Es ist ein altes mexikanisches Volkslied."),
  ("aus Italien", "Italienische Volkslieder sind etwa „Santa Lucia“."),
  ("aus Japan", "Aus Japan kommt etwa das Lied „Sakura“."),
  ("aus Frankreich", "Aus Frankreich kommt etwa „Frère Jacques“."),
  audio="s_cucaracha.ogg")

Q(30, "Dieses Lied über die Kirschblüte singen Kinder in Japan. Wie heißt es?",
  ("+Sakura", "„Sakura“ heißt Kirschblüte. Hier spielt es die Koto, ein japanisches Zupfinstrument."),
  ("Frère Jacques", "„Frère Jacques“ ist „Bruder Jakob“ aus Frankreich."),
  ("La Cucaracha", "„La Cucaracha“ kommt aus Mexiko."),
  ("Kumbaya", "„Kumbaya“ ist ein Lied aus den USA."),
  audio="s_sakura.ogg")

Q(20, "Alle meine Entchen, aber anders: Klingt es hier nach Dur oder nach Moll?",
  ("Dur", "In Dur klänge es hell und fröhlich wie sonst."),
  ("+Moll", "Die dritte Stufe ist tiefer: In Moll klingt das Lied plötzlich traurig."),
  ("weder Dur noch Moll", "Es ist eine Molltonleiter: a, h, c, d, e."),
  audio="s_entchen_moll.ogg", fest=True)

# Singing and the voice
Q(30, "Wo entsteht beim Singen und Sprechen der Ton?",
  ("+im Kehlkopf, an den Stimmlippen", "Die Luft aus der Lunge bringt die Stimmlippen zum Schwingen; Mund und Rachen formen den Klang."),
  ("in der Nase", "Die Nase lässt den Klang mitschwingen, der Ton entsteht aber im Kehlkopf."),
  ("in den Ohren", "Mit den Ohren hören wir, wir singen nicht mit ihnen."),
  ("in der Zunge", "Die Zunge formt Laute, den Ton machen die Stimmlippen."))

Q(20, "Warum singt sich ein Chor vor dem Singen ein?",
  ("+damit Stimme und Atem warm und locker werden", "Wie Sportler sich aufwärmen, wärmen Sänger Stimme und Körper auf."),
  ("damit das Publikum Zeit hat", "Das Einsingen ist für die Stimme, nicht für das Publikum."),
  ("weil es so vorgeschrieben ist", "Kein Gesetz: Es hilft der Stimme."),
  ("damit die Stimme müde wird", "Im Gegenteil: Sie soll frisch und beweglich werden."))

Q(20, "Wie atmet man beim Singen am besten?",
  ("+tief in den Bauch, ohne die Schultern hochzuziehen", "Dann hat man viel Luft und bleibt locker."),
  ("schnell und flach durch die Nase", "Flacher Atem reicht nur für kurze Töne."),
  ("gar nicht, bis das Lied zu Ende ist", "Ohne Atem kann man nicht singen."),
  ("mit hochgezogenen Schultern", "Hochgezogene Schultern machen den Hals eng."))

Q(20, "Was passiert bei Jungen im Stimmbruch?",
  ("+Die Stimme wird tiefer.", "Der Kehlkopf wächst, die Stimmlippen werden länger: Die Stimme sinkt etwa eine Oktave."),
  ("Die Stimme wird höher.", "Umgekehrt: Sie wird tiefer."),
  ("Man kann nicht mehr sprechen.", "Man kann sprechen; die Stimme kippt nur manchmal."),
  ("Die Stimme bleibt genau gleich.", "Sie verändert sich deutlich und wird tiefer."))

Q(40, "Was bedeutet „a cappella“?",
  ("+Singen ohne Begleitung von Instrumenten", "Italienisch „wie in der Kapelle“: Nur Stimmen sind zu hören."),
  ("Singen in einer Kapelle", "Der Name kommt daher, gemeint ist aber das Singen ohne Instrumente."),
  ("Singen mit Mütze", "Die „cappella“ ist keine Kappe."),
  ("sehr laut singen", "Laut wäre forte."))

Q(10, "Wer zeigt einem Chor mit den Händen, wann er einsetzt und wie laut er singt?",
  ("+die Chorleiterin oder der Chorleiter", "Sie dirigieren: Einsätze, Tempo und Lautstärke zeigen sie mit den Händen."),
  ("der Hausmeister", "Der Hausmeister kümmert sich um das Gebäude."),
  ("das Publikum", "Das Publikum hört zu und klatscht am Ende."),
  ("der Pianist allein", "Der Pianist begleitet; dirigieren tut die Chorleitung."))
