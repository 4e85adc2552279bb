from . import collect

QUESTIONS, Q = collect("Notenlehre")

Q(10, "Wie viele Linien hat ein Notensystem?",
  ("3", "Drei Linien wären zu wenig. Das Notensystem hat fünf."),
  ("4", "Vier Linien hatte der mittelalterliche Choral. Heute sind es fünf."),
  ("+5", "Fünf Linien und die vier Zwischenräume dazwischen: So kann man viele Töne aufschreiben."),
  ("7", "Sieben Linien wären schwer zu lesen. Es sind fünf."),
  fest=True)

Q(10, "Wie heißt dieses Zeichen am Anfang der Notenzeile?",
  ("+Violinschlüssel", "Er heißt auch G-Schlüssel: Seine Schnecke legt sich um die Linie des Tones g’."),
  ("Bassschlüssel", "Der Bassschlüssel sieht aus wie ein Ohr mit zwei Punkten."),
  ("Notenschlüssel für das Schloss", "Ein Notenschlüssel öffnet keine Tür: Er zeigt, wo welcher Ton steht."),
  musical="&")

Q(20, "Wie heißt dieser Notenschlüssel?",
  ("+Bassschlüssel", "Er heißt auch F-Schlüssel: Seine zwei Punkte umschließen die Linie des Tones f."),
  ("Violinschlüssel", "Der Violinschlüssel ist eine geschwungene Schnecke mit einer langen Linie."),
  ("Altschlüssel", "Der Altschlüssel sieht aus wie ein großes B und wird von der Bratsche benutzt."),
  musical="?")

Q(10, "Welcher Ton steht hier, auf der ersten Hilfslinie unter dem Notensystem?",
  ("+c", "Das c’ steht auf einer kleinen Hilfslinie unter den fünf Linien. Es liegt in der Mitte des Klaviers."),
  ("a", "Das a’ steht im zweiten Zwischenraum, viel höher."),
  ("g", "Das g’ liegt auf der zweiten Linie, um die sich der Violinschlüssel windet."),
  ("e", "Das e’ liegt auf der untersten Linie, nicht auf der Hilfslinie."),
  bild="n_ton_c.gif", bild2="n_namen_c_dur.gif")

Q(20, "Welcher Ton ist das?",
  ("+g", "Das g’ steht auf der zweiten Linie von unten: dort, wo sich der Violinschlüssel herumwindet."),
  ("f", "Das f’ steht im ersten Zwischenraum, einen Schritt tiefer."),
  ("a", "Das a’ steht im zweiten Zwischenraum, einen Schritt höher."),
  ("h", "Das h’ liegt auf der Mittellinie."),
  bild="n_ton_g.gif", bild2="n_namen_c_dur.gif")

Q(20, "Welcher Ton ist das?",
  ("+a", "Das a’ steht im zweiten Zwischenraum von unten. Nach ihm stimmt das Orchester."),
  ("g", "Das g’ liegt eine Stufe tiefer, auf der zweiten Linie."),
  ("h", "Das h’ liegt eine Stufe höher, auf der Mittellinie."),
  ("c", "Das c’ steht tief unten auf einer Hilfslinie."),
  bild="n_ton_a.gif", bild2="n_namen_c_dur.gif")

Q(30, "Welcher Ton steht hier ganz oben auf der fünften Linie?",
  ("+f", "Die Linien im Violinschlüssel heißen von unten: e, g, h, d, f. Die oberste ist also f’’."),
  ("e", "Das e’’ liegt im obersten Zwischenraum, einen Schritt tiefer."),
  ("g", "Das g’’ läge direkt über der fünften Linie."),
  ("d", "Das d’’ liegt auf der vierten Linie."),
  bild="n_ton_f2.gif")

Q(30, "Welcher Ton ist das?",
  ("+f", "Das f’ steht im ersten Zwischenraum. Die Zwischenräume heißen von unten f, a, c, e."),
  ("e", "Das e’ liegt auf der untersten Linie, einen Schritt tiefer."),
  ("g", "Das g’ liegt auf der zweiten Linie, einen Schritt höher."),
  ("d", "Das d’ liegt unter der untersten Linie."),
  bild="n_ton_f1.gif")

Q(40, "Welcher Ton steht hier im Bassschlüssel auf der vierten Linie?",
  ("+f", "Die zwei Punkte des Bassschlüssels umschließen die vierte Linie: dort steht das f."),
  ("a", "Das a steht im Bassschlüssel auf der obersten, der fünften Linie."),
  ("d", "Das d liegt im Bassschlüssel auf der Mittellinie."),
  ("g", "Das g steht im Bassschlüssel auf der untersten Linie oder im obersten Zwischenraum."),
  bild="n_bass_f.gif")

Q(30, "Was bedeutet dieses Zeichen vor einer Note?",
  ("+Der Ton wird um einen Halbton erhöht.", "Das Kreuz (#) macht aus c ein cis, aus f ein fis: Man hängt „-is“ an."),
  ("Der Ton wird um einen Halbton erniedrigt.", "Das macht das b; man hängt dann „-es“ an."),
  ("Der Ton wird lauter gespielt.", "Für die Lautstärke gibt es Zeichen wie f (forte)."),
  ("Der Ton wird doppelt so lang.", "Die Länge zeigt die Notenform oder ein Punkt, nicht das Kreuz."),
  musical="&#q")

Q(30, "Was macht dieses Zeichen vor einer Note?",
  ("+Es erniedrigt den Ton um einen Halbton.", "Das b macht aus e ein es und aus a ein as. Aus h wird b."),
  ("Es erhöht den Ton um einen Halbton.", "Erhöhen tut das Kreuz (#)."),
  ("Es hebt ein Vorzeichen auf.", "Das tut das Auflösungszeichen."),
  ("Es bedeutet eine Pause.", "Pausen haben eigene Zeichen."),
  musical="&bq")

Q(40, "Was bewirkt dieses Zeichen?",
  ("+Es hebt ein Kreuz oder b wieder auf.", "Das Auflösungszeichen stellt den Stammton wieder her, zum Beispiel f statt fis."),
  ("Es erhöht um zwei Halbtöne.", "Um zwei Halbtöne erhöht das Doppelkreuz."),
  ("Es verlangt, den Ton zu wiederholen.", "Wiederholungen zeigt man mit Wiederholungszeichen."),
  ("Es ist ein Schlusszeichen.", "Der Schluss wird mit einem Schlussstrich gezeigt."),
  musical="&nq")

Q(30, "Wie heißt im Deutschen der Ton, den man im Englischen „B“ nennt?",
  ("+H", "Im Deutschen heißt die Tonleiter c, d, e, f, g, a, h. Unser b ist das englische „B flat“."),
  ("B", "Vorsicht: Das deutsche b ist ein Halbton tiefer als das englische B."),
  ("Bes", "„Bes“ gibt es nicht; das erniedrigte h heißt einfach b."),
  ("A", "A ist im Deutschen und Englischen derselbe Ton."))

Q(30, "Wie heißt der Ton f mit einem Kreuz davor?",
  ("+fis", "Ein Kreuz hängt „-is“ an den Namen: f wird zu fis, c zu cis."),
  ("fes", "„-es“ hängt man für das b an: fes ist ein erniedrigtes f."),
  ("g", "fis klingt auf dem Klavier zwar zwischen f und g, ist aber nicht das g."),
  ("f#", "So schreibt man es im Englischen (F sharp) und in Akkordzeichen. In Noten steht das Kreuz vor dem Notenkopf; der Ton heißt fis."),
  bild="n_ton_fis.gif")

Q(40, "Wie heißt dieser Ton, ein h mit einem b davor?",
  ("+b", "Das erniedrigte h heißt im Deutschen kurz b, nicht „hes“."),
  ("hes", "Nach der Regel müsste es „hes“ heißen, aber man sagt einfach b."),
  ("ais", "ais klingt auf dem Klavier gleich, wird aber als erhöhtes a geschrieben."),
  ("h", "Das b davor erniedrigt das h; übrig bleibt nicht das h."),
  bild="n_ton_b.gif")

Q(20, "Welche Tonleiter siehst du hier, ganz ohne Kreuz und b?",
  ("+C-Dur", "C-Dur braucht keine Vorzeichen: Sie besteht nur aus den weißen Tasten von c bis c."),
  ("G-Dur", "G-Dur braucht ein fis."),
  ("F-Dur", "F-Dur braucht ein b."),
  ("a-Moll", "a-Moll hat auch keine Vorzeichen, beginnt aber auf a."),
  bild="n_tonleiter_c.gif")

Q(50, "Welche Tonleiter ist das?",
  ("+a-Moll", "Sie beginnt und endet auf a und hat keine Vorzeichen: die Paralleltonart von C-Dur."),
  ("C-Dur", "C-Dur hätte dieselben Töne, begänne aber auf c."),
  ("A-Dur", "A-Dur hätte drei Kreuze: fis, cis und gis."),
  ("d-Moll", "d-Moll begänne auf d und hätte ein b."),
  bild="n_tonleiter_a_moll.gif")

Q(40, "Was für ein Akkord ist das?",
  ("+C-Dur-Dreiklang", "c, e und g übereinander: Grundton, große Terz und Quinte. Das klingt hell und fröhlich."),
  ("a-Moll-Dreiklang", "a-Moll besteht aus a, c und e."),
  ("G-Dur-Dreiklang", "G-Dur besteht aus g, h und d."),
  ("Ein Cluster", "Ein Cluster ist eine Traube eng benachbarter Töne, kein Dreiklang in Terzen."),
  bild="n_dreiklang_c.gif")

Q(50, "Welcher Dreiklang ist das?",
  ("+a-Moll", "a, c und e: Grundton, kleine Terz und Quinte. Moll klingt oft etwas traurig."),
  ("A-Dur", "A-Dur hätte ein cis statt c, also eine große Terz."),
  ("C-Dur", "C-Dur besteht aus c, e und g."),
  ("e-Moll", "e-Moll besteht aus e, g und h."),
  bild="n_dreiklang_a_moll.gif")

Q(40, "Welche Dur-Tonart hat ein Kreuz (fis) als Vorzeichen?",
  ("+G-Dur", "In G-Dur muss das f zum fis werden, damit der Halbton vor dem Grundton liegt."),
  ("D-Dur", "D-Dur hat zwei Kreuze: fis und cis."),
  ("F-Dur", "F-Dur hat ein b als Vorzeichen."),
  ("C-Dur", "C-Dur hat gar keine Vorzeichen."),
  bild="n_vorzeichen_g.gif")

Q(50, "Welche Dur-Tonart hat diese Vorzeichen?",
  ("+D-Dur", "Zwei Kreuze, fis und cis, gehören zu D-Dur."),
  ("G-Dur", "G-Dur hat nur ein Kreuz."),
  ("A-Dur", "A-Dur hat drei Kreuze: fis, cis und gis."),
  ("B-Dur", "B-Dur hat zwei b, keine Kreuze."),
  bild="n_vorzeichen_d.gif")

Q(50, "Welche Dur-Tonart hat ein b als Vorzeichen?",
  ("+F-Dur", "In F-Dur wird das h zum b, damit zwischen a und b ein Halbton liegt."),
  ("B-Dur", "B-Dur hat zwei b: b und es."),
  ("C-Dur", "C-Dur hat keine Vorzeichen."),
  ("G-Dur", "G-Dur hat ein Kreuz."),
  bild="n_vorzeichen_f.gif")

Q(60, "Welche Dur-Tonart zeigen diese zwei b?",
  ("+B-Dur", "b und es sind die Vorzeichen von B-Dur. Ihre Paralleltonart ist g-Moll."),
  ("F-Dur", "F-Dur hat nur ein b."),
  ("Es-Dur", "Es-Dur hat drei b: b, es und as."),
  ("D-Dur", "D-Dur hat zwei Kreuze, keine b."),
  bild="n_vorzeichen_b.gif")

Q(70, "Welche Dur-Tonart hat drei b als Vorzeichen?",
  ("+Es-Dur", "b, es und as: Das ist Es-Dur, die Paralleltonart von c-Moll."),
  ("As-Dur", "As-Dur hat vier b."),
  ("B-Dur", "B-Dur hat zwei b."),
  ("A-Dur", "A-Dur hat drei Kreuze, keine b."),
  bild="n_vorzeichen_es.gif")

Q(50, "Welches Intervall siehst du: c’ und g’?",
  ("+Quinte", "Von c bis g sind es fünf Stufen: c, d, e, f, g. Quinta heißt „die fünfte“."),
  ("Terz", "Eine Terz umfasst drei Stufen, etwa c bis e."),
  ("Quarte", "Eine Quarte umfasst vier Stufen, etwa c bis f."),
  ("Oktave", "Eine Oktave umfasst acht Stufen, von c bis zum nächsten c."),
  bild="n_intervall_quinte.gif")

Q(40, "Welches Intervall ist das: c’ und e’?",
  ("+Terz", "Drei Stufen: c, d, e. Terzen sind die Bausteine der Dreiklänge."),
  ("Sekunde", "Eine Sekunde sind zwei Nachbartöne, etwa c und d."),
  ("Quinte", "Eine Quinte reicht fünf Stufen weit, von c bis g."),
  ("Prime", "Eine Prime ist zweimal derselbe Ton."),
  bild="n_intervall_terz.gif")

Q(30, "Welches Intervall ist das: von c’ bis zum nächsten c?",
  ("+Oktave", "Acht Stufen von c bis c: Der obere Ton schwingt genau doppelt so schnell."),
  ("Septime", "Die Septime hat sieben Stufen, etwa c bis h."),
  ("Sexte", "Die Sexte hat sechs Stufen, etwa c bis a."),
  ("Quinte", "Die Quinte reicht nur bis g."),
  bild="n_intervall_oktave.gif")

Q(60, "Welches Intervall ist das: c’ und f’?",
  ("+Quarte", "Vier Stufen: c, d, e, f. Die reine Quarte hat fünf Halbtöne."),
  ("Terz", "Die Terz wäre c bis e."),
  ("Quinte", "Die Quinte wäre c bis g."),
  ("Tritonus", "Der Tritonus ist einen Halbton größer: c bis fis."),
  bild="n_intervall_quarte.gif")

Q(60, "Was zeigt dieses Bild?",
  ("+Eine chromatische Tonleiter", "Chromatisch heißt: in Halbtönen. Eine Oktave hat zwölf Halbtöne."),
  ("Eine Dur-Tonleiter", "Dur hat Ganz- und Halbtonschritte, nicht nur Halbtöne."),
  ("Eine Pentatonik", "Die Pentatonik hat nur fünf Töne und keine Halbtonschritte."),
  ("Ein Akkord", "Die Töne stehen nacheinander, nicht übereinander."),
  bild="n_chromatisch.gif")

Q(20, "Wie heißen die Töne der C-Dur-Tonleiter?",
  ("+c d e f g a h c", "Im Deutschen heißt der siebte Ton h, nicht b."),
  ("a b c d e f g a", "So zählt man das Alphabet, aber die C-Dur-Tonleiter beginnt auf c und hat ein h."),
  ("c d e f g a b c", "So heißt sie im Englischen. Im Deutschen sagt man h statt b."),
  ("do re mi fa", "Das sind Silben zum Singen (Solmisation), nicht die Tonnamen."))

Q(40, "Zwischen welchen weißen Tasten liegt keine schwarze Taste?",
  ("+e–f und h–c", "Dort liegen Halbtonschritte. Darum gibt es zwischen ihnen keine schwarze Taste."),
  ("c–d und f–g", "Zwischen c und d liegt cis, zwischen f und g liegt fis."),
  ("d–e und a–h", "Zwischen d und e liegt dis, zwischen a und h liegt b."),
  ("g–a und c–d", "Zwischen g und a liegt gis, zwischen c und d liegt cis."))

Q(10, "Welche Taste ist rot markiert?",
  ("+c", "Das c liegt immer links neben der Gruppe aus zwei schwarzen Tasten."),
  ("f", "Das f liegt links neben der Gruppe aus drei schwarzen Tasten."),
  ("a", "Das a liegt zwischen der zweiten und dritten schwarzen Taste der Dreiergruppe."),
  bild="i_taste_c.gif")

Q(20, "Welche Taste ist markiert?",
  ("+f", "Das f liegt direkt links neben den drei schwarzen Tasten."),
  ("c", "Das c liegt links neben den zwei schwarzen Tasten."),
  ("e", "Das e liegt rechts neben den zwei schwarzen Tasten, direkt vor dem f."),
  ("g", "Das g liegt zwischen der ersten und zweiten schwarzen Taste der Dreiergruppe."),
  bild="i_taste_f.gif")

Q(30, "Welche Taste ist markiert?",
  ("+a", "Das a liegt zwischen der zweiten und dritten schwarzen Taste der Dreiergruppe."),
  ("g", "Das g liegt eine Taste weiter links."),
  ("h", "Das h liegt ganz rechts, nach der Dreiergruppe."),
  ("c", "Das c liegt links neben den zwei schwarzen Tasten."),
  bild="i_taste_a.gif")

Q(20, "Was bedeutet dieses Zeichen unter den Noten?",
  ("+leise (piano)", "p steht für das italienische „piano“, leise. Das Klavier heißt Pianoforte, weil es leise und laut kann."),
  ("laut (forte)", "Laut wäre f, forte."),
  ("schnell", "Das Tempo steht mit Wörtern wie Allegro über den Noten."),
  ("Pause", "Pausen haben eigene Zeichen."),
  musical="p")

Q(20, "Was bedeutet dieses Zeichen?",
  ("+laut (forte)", "f steht für „forte“, italienisch für stark oder laut."),
  ("leise (piano)", "Leise wäre p."),
  ("langsam", "Langsam spielt man bei Tempo-Angaben wie Adagio."),
  ("Fermate", "Die Fermate ist ein Bogen mit Punkt über der Note."),
  musical="f")

Q(40, "Was verlangen diese Zeichen von den Musikern?",
  ("+sehr leise (pianissimo)", "pp heißt pianissimo, also noch leiser als piano."),
  ("sehr laut (fortissimo)", "Sehr laut wäre ff."),
  ("halb laut (mezzoforte)", "Das wäre mf."),
  ("einen Ton stark betonen", "Das verlangt sf, sforzato."),
  musical="pp")

Q(50, "Was bedeutet mf?",
  ("+mittellaut (mezzoforte)", "„mezzo“ heißt halb: mezzoforte ist halb laut, zwischen piano und forte."),
  ("sehr laut", "Sehr laut wäre ff, fortissimo."),
  ("sehr leise", "Sehr leise wäre pp, pianissimo."),
  ("mit Gefühl", "Das hieße „con espressione“ oder „espressivo“."),
  musical="mf")

Q(40, "Was bedeutet diese sich öffnende Gabel unter den Noten?",
  ("+lauter werden (crescendo)", "Die Gabel öffnet sich wie die Lautstärke wächst: crescendo, „wachsend“."),
  ("leiser werden (decrescendo)", "Leiser werden zeigt eine Gabel, die sich schließt."),
  ("schneller werden", "Schneller werden heißt accelerando und wird mit Worten geschrieben."),
  ("höher spielen", "Höhe wird durch die Lage der Noten gezeigt."),
  musical="p<f")

Q(50, "Was bedeutet dieses Zeichen über einer Note?",
  ("+Fermate: den Ton länger aushalten", "Die Fermate hält den Ton so lange, wie die Dirigentin oder der Spieler möchte."),
  ("Die Note kurz spielen", "Kurz spielt man mit einem Punkt über oder unter der Note (staccato)."),
  ("Den Ton betonen", "Eine Betonung zeigt der Akzent (>)."),
  ("Eine Oktave höher spielen", "Das zeigt die Angabe 8va."),
  musical="&hU")

Q(40, "Was bedeuten die Punkte an diesen Noten?",
  ("+Staccato: kurz und abgesetzt spielen", "Staccato heißt „abgestoßen“: Die Töne werden kurz, mit kleinen Lücken gespielt."),
  ("Legato: gebunden spielen", "Legato verlangt einen Bogen über den Noten, keine Punkte."),
  ("Die Noten eine halbe Länge verlängern", "Das tut der Punkt hinter einer Note, nicht der über oder unter ihr."),
  ("Sehr leise spielen", "Leise zeigt pp oder p."),
  bild="n_staccato.gif")

Q(30, "Was bedeuten diese Zeichen am Anfang und Ende des Abschnitts?",
  ("+Der Abschnitt wird wiederholt.", "Die Wiederholungszeichen mit zwei Punkten schließen ein, was noch einmal gespielt wird."),
  ("Hier ist das Stück zu Ende.", "Das Ende zeigt ein Schlussstrich ohne Punkte."),
  ("Hier wird eine Pause gemacht.", "Pausen haben eigene Zeichen."),
  ("Hier beginnt ein neues Lied.", "Die Zeichen markieren einen Teil, der zweimal erklingt."),
  musical="{qqh}")

Q(60, "Was ist ein Haltebogen wie im Bild?",
  ("+Er verbindet zwei gleiche Töne zu einem langen Ton.", "Die beiden g werden nicht neu angeschlagen: Sie klingen als ein Ton von vier Schlägen."),
  ("Er verlangt, die Töne kurz zu spielen.", "Kurz wäre staccato, mit Punkten."),
  ("Er zeigt, dass man leiser wird.", "Leiser wird man bei einer sich schließenden Gabel."),
  ("Er verbindet verschiedene Töne zu einer Melodie.", "Ein Bogen über verschiedenen Tönen heißt Legatobogen; der Haltebogen verbindet gleiche Töne."),
  bild="n_haltebogen.gif")

Q(70, "Wie nennt man es, wenn ein Ton gleich klingt, aber anders geschrieben wird, wie fis und ges?",
  ("+enharmonische Verwechslung", "Auf dem Klavier ist es dieselbe Taste. Die Schreibweise hängt von der Tonart ab."),
  ("Chromatik", "Chromatik heißt: in Halbtonschritten fortschreiten."),
  ("Diatonik", "Diatonisch heißt: aus den Tönen einer Dur- oder Molltonleiter."),
  ("Transposition", "Transponieren heißt, ein Stück in eine andere Tonart zu verschieben."))

Q(50, "Bis wann gilt ein Kreuz, das im Takt vor eine Note gesetzt wurde?",
  ("+Bis zum Ende des Taktes", "Ein solches Versetzungszeichen gilt für denselben Ton bis zum nächsten Taktstrich."),
  ("Nur für diese eine Note", "Es gilt auch für spätere gleiche Noten im selben Takt."),
  ("Bis zum Ende des Stückes", "Das tun nur die Vorzeichen am Zeilenanfang."),
  ("Bis zur nächsten Pause", "Pausen heben Versetzungszeichen nicht auf."))

Q(70, "Welcher Ton ist die Dominante in C-Dur?",
  ("+g", "Die Dominante ist die fünfte Stufe. Der Dominantakkord G-Dur drängt zurück zur Tonika C-Dur."),
  ("f", "f ist die vierte Stufe: die Subdominante."),
  ("c", "c ist der Grundton, die Tonika."),
  ("e", "e ist die dritte Stufe und keine Hauptfunktion."))

Q(80, "Welche Tonart ist die Paralleltonart von Es-Dur?",
  ("+c-Moll", "Die parallele Molltonart liegt eine kleine Terz tiefer und hat dieselben Vorzeichen: drei b."),
  ("es-Moll", "es-Moll ist die gleichnamige Molltonart mit sechs b."),
  ("g-Moll", "g-Moll ist die Parallele von B-Dur."),
  ("f-Moll", "f-Moll ist die Parallele von As-Dur."))

Q(80, "Wie viele Halbtöne umfasst eine große Terz?",
  ("3", "Drei Halbtöne hat die kleine Terz, wie a–c."),
  ("+4", "Vier Halbtöne, wie c–e. Sie gibt dem Dur-Dreiklang seinen hellen Klang."),
  ("5", "Fünf Halbtöne hat die reine Quarte."),
  ("7", "Sieben Halbtöne hat die reine Quinte."),
  fest=True)

Q(90, "Was ist der Quintenzirkel?",
  ("+Die Anordnung aller Tonarten im Abstand von Quinten", "Im Uhrzeigersinn kommt mit jeder Quinte ein Kreuz dazu, gegen ihn ein b."),
  ("Ein Tanz im Kreis mit fünf Schritten", "Mit Tanz hat der Quintenzirkel nichts zu tun."),
  ("Ein Kanon für fünf Stimmen", "Ein Kanon ist ein Lied, kein Ordnungssystem."),
  ("Ein Notenschlüssel für Quinten", "Notenschlüssel legen die Tonhöhe einer Linie fest."))

Q(90, "In welcher Reihenfolge kommen die Kreuze als Vorzeichen hinzu?",
  ("+fis, cis, gis, dis, ais, eis, his", "Jedes neue Kreuz liegt eine Quinte über dem vorigen."),
  ("cis, dis, eis, fis, gis, ais, his", "Das sind die sieben Stammtöne mit Kreuz von c aus, nicht die Reihenfolge der Vorzeichen."),
  ("b, es, as, des, ges, ces, fes", "Das ist die Reihenfolge der b-Vorzeichen."),
  ("fis, gis, ais, his, cis, dis, eis", "Die Kreuze folgen im Quintabstand, nicht in Sekunden."))

Q(80, "Welches Verhältnis haben die Schwingungen zweier Töne im Abstand einer Oktave?",
  ("+2 : 1", "a’ schwingt 440-mal in der Sekunde, a’’ genau doppelt so oft: 880-mal."),
  ("3 : 2", "3 : 2 ist das Verhältnis der reinen Quinte."),
  ("4 : 3", "4 : 3 ist das Verhältnis der reinen Quarte."),
  ("5 : 4", "5 : 4 ist das Verhältnis der reinen großen Terz."))

Q(30, "Was passiert in diesem Beispiel mit der Lautstärke?",
  ("+Sie wird von leise (p) bis laut (f) immer lauter.", "Die sich öffnende Gabel heißt crescendo: wachsend."),
  ("Sie wird immer leiser.", "Leiser würde es mit einer sich schließenden Gabel, von f nach p."),
  ("Sie bleibt die ganze Zeit leise.", "Am Ende steht f: dort ist es laut."),
  ("Sie springt hin und her.", "Es geht gleichmäßig von leise nach laut."),
  bild="n_crescendo.gif")

Q(40, "Wie lange wird die letzte Note gehalten?",
  ("+Länger als notiert, frei nach Gefühl", "Die Fermate über der Note erlaubt, den Ton frei auszuhalten."),
  ("Genau zwei Schläge", "Ohne das Zeichen wären es zwei Schläge; die Fermate verlängert."),
  ("Nur ganz kurz", "Kurz wäre staccato, mit einem Punkt über der Note."),
  ("Gar nicht, sie wird ausgelassen", "Die Note wird gespielt, und zwar länger."),
  bild="n_fermate.gif")

Q(40, "Was bedeutet der Doppelstrich mit den zwei Punkten am Ende?",
  ("+Alles noch einmal von vorne spielen", "Ein Wiederholungszeichen ohne Anfangszeichen schickt zurück an den Anfang des Stückes."),
  ("Hier ist das Stück endgültig zu Ende", "Das Ende zeigt ein Schlussstrich ohne Punkte."),
  ("Zwei Takte Pause machen", "Die Punkte sind kein Pausenzeichen."),
  ("Die letzte Note doppelt so lang spielen", "Verlängern würde ein Punkt hinter der Note oder eine Fermate."),
  bild="n_wiederholung.gif")

Q(20, "Welcher Ton kommt in der C-Dur-Tonleiter NICHT vor?",
  ("+b", "Das b ist eine schwarze Taste; C-Dur besteht nur aus den weißen Tasten."),
  ("c", "Mit c beginnt und endet die C-Dur-Tonleiter."),
  ("d", "Das d ist der zweite Ton der C-Dur-Tonleiter."),
  ("g", "Das g ist der fünfte Ton, die Dominante."),
  ("h", "Das h ist der siebte Ton, direkt vor dem oberen c."))

Q(60, "Welche Vorzeichen hat e-Moll?",
  ("+Ein Kreuz (fis)", "e-Moll ist die Paralleltonart von G-Dur und hat dasselbe Vorzeichen."),
  ("Keine", "Ohne Vorzeichen sind C-Dur und a-Moll."),
  ("Zwei Kreuze (fis, cis)", "Zwei Kreuze haben D-Dur und h-Moll."),
  ("Ein b (b)", "Ein b haben F-Dur und d-Moll."),
  ("Drei b (b, es, as)", "Drei b haben Es-Dur und c-Moll."))
