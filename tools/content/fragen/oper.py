from . import collect

QUESTIONS, Q = collect("Oper und Musical")

Q(20, "Was ist eine Oper?",
  ("+Ein Theaterstück, in dem fast alles gesungen wird", "Sänger, Chor und Orchester erzählen gemeinsam eine Geschichte auf der Bühne."),
  ("Ein Konzert nur für Klavier", "Ein Klavierkonzert hat keine Bühnenhandlung."),
  ("Ein Tanz ohne Musik", "Ohne Musik gäbe es keine Oper."),
  ("Ein Film mit Untertiteln", "Eine Oper wird live auf der Bühne gespielt."))

Q(20, "Welchen Beruf hat Papageno in Mozarts „Zauberflöte“?",
  ("+Vogelfänger", "„Der Vogelfänger bin ich ja“ singt er und trägt ein Kleid aus Federn."),
  ("Bäcker", "Einen Bäcker gibt es in der Zauberflöte nicht."),
  ("Prinz", "Der Prinz heißt Tamino."),
  ("Zauberer", "Der weise Sarastro ist eher der Zauberer."))

Q(30, "Wer schrieb die Oper „Hänsel und Gretel“?",
  ("+Engelbert Humperdinck", "Die Märchenoper wurde 1893 in Weimar uraufgeführt; Richard Strauss dirigierte."),
  ("Wolfgang Amadeus Mozart", "Mozart schrieb die „Zauberflöte“, nicht „Hänsel und Gretel“."),
  ("Die Brüder Grimm", "Die Brüder Grimm schrieben das Märchen auf, nicht die Musik."),
  ("Richard Wagner", "Wagner schrieb große Sagen-Opern wie den „Ring des Nibelungen“."))

Q(30, "Wie heißt die höchste Frauenstimme?",
  ("+Sopran", "Der Sopran singt am höchsten, zum Beispiel die Königin der Nacht."),
  ("Alt", "Der Alt ist die tiefe Frauenstimme."),
  ("Tenor", "Der Tenor ist die hohe Männerstimme."),
  ("Bass", "Der Bass ist die tiefste Männerstimme."))

Q(30, "Wie heißt die tiefste Männerstimme?",
  ("+Bass", "Der Bass ist die tiefste Stimme im Chor, wie Sarastro in der Zauberflöte."),
  ("Bariton", "Der Bariton liegt zwischen Tenor und Bass."),
  ("Tenor", "Der Tenor ist die hohe Männerstimme."),
  ("Sopran", "Sopran ist die hohe Frauen- oder Kinderstimme."))

Q(40, "Wie heißt ein Sologesang in der Oper?",
  ("+Arie", "In der Arie zeigt eine Figur ihre Gefühle, oft mit viel Schmuck in der Stimme."),
  ("Ouvertüre", "Die Ouvertüre ist das Vorspiel des Orchesters."),
  ("Libretto", "Das Libretto ist der Text der Oper."),
  ("Finale", "Das Finale ist der Schluss eines Aktes, oft mit vielen Sängern."))

Q(40, "Was ist das Libretto einer Oper?",
  ("+Der Text", "„Libretto“ heißt „Büchlein“: Darin steht, was gesungen wird."),
  ("Das Vorspiel", "Das Vorspiel heißt Ouvertüre."),
  ("Der Dirigentenstab", "Der Stab heißt Taktstock."),
  ("Die Pause", "Die Pause heißt im Theater einfach Pause."))

Q(40, "Welche Figur der „Zauberflöte“ singt eine Arie mit sehr hohen, schnellen Koloraturen?",
  ("+Die Königin der Nacht", "In „Der Hölle Rache“ singt sie bis zum dreigestrichenen f."),
  ("Papagena", "Papagena singt mit Papageno das lustige „Pa-pa-pa“-Duett."),
  ("Pamina", "Paminas Partie ist lyrisch; die Koloraturen singt ihre Mutter."),
  ("Sarastro", "Sarastro ist ein tiefer Bass."))

Q(50, "In welcher Stadt spielt Bizets Oper „Carmen“?",
  ("+Sevilla", "Carmen arbeitet in der Zigarettenfabrik von Sevilla in Spanien."),
  ("Paris", "Bizet war Franzose, die Oper spielt aber in Spanien."),
  ("Rom", "Rom ist Schauplatz von Puccinis „Tosca“."),
  ("Venedig", "Venedig ist Schauplatz anderer Werke, nicht von Carmen."))

Q(50, "Wie heißt Beethovens einzige Oper?",
  ("+Fidelio", "Leonore befreit als Mann verkleidet („Fidelio“) ihren Mann aus dem Gefängnis."),
  ("Die Zauberflöte", "Die Zauberflöte ist von Mozart."),
  ("Der Freischütz", "Der Freischütz ist von Carl Maria von Weber."),
  ("Aida", "Aida ist von Giuseppe Verdi."))

Q(50, "Welches Musical erzählt von Katzen und enthält das Lied „Memory“?",
  ("+Cats", "Andrew Lloyd Webber vertonte Gedichte von T. S. Eliot; Uraufführung 1981 in London."),
  ("Der König der Löwen", "Im „König der Löwen“ geht es um Löwen, nicht um Katzen auf einem Schrottplatz."),
  ("Mamma Mia!", "„Mamma Mia!“ erzählt mit ABBA-Songs von einer Hochzeit in Griechenland."),
  ("Starlight Express", "In „Starlight Express“ fahren Züge auf Rollschuhen."))

Q(50, "Auf welchem Theaterstück von Shakespeare beruht das Musical „West Side Story“?",
  ("+Romeo und Julia", "Bernsteins Musical (1957) verlegt die Geschichte zu zwei Jugendbanden in New York."),
  ("Hamlet", "Hamlet ist ein Prinz aus Dänemark; sein Stück ist nicht die Vorlage."),
  ("Ein Sommernachtstraum", "Dazu schrieb Mendelssohn Musik, mit dem berühmten Hochzeitsmarsch."),
  ("Macbeth", "Macbeth vertonte Verdi als Oper."))

Q(60, "Wer komponierte die Opern „Aida“, „Rigoletto“ und „La Traviata“?",
  ("+Giuseppe Verdi", "Verdi (1813–1901) ist einer der meistgespielten Opernkomponisten."),
  ("Giacomo Puccini", "Puccini schrieb „La Bohème“, „Tosca“ und „Madama Butterfly“."),
  ("Gioachino Rossini", "Rossini schrieb „Der Barbier von Sevilla“."),
  ("Richard Wagner", "Wagner schrieb deutsche Opern wie „Lohengrin“."))

Q(60, "In welcher Stadt finden die Richard-Wagner-Festspiele statt?",
  ("+Bayreuth", "Wagner ließ dort ein eigenes Festspielhaus bauen; 1876 wurde es mit dem „Ring“ eröffnet."),
  ("Salzburg", "In Salzburg gibt es die Salzburger Festspiele, vor allem mit Mozart."),
  ("Leipzig", "In Leipzig wurde Wagner 1813 geboren."),
  ("Bregenz", "Bregenz ist für seine Seebühne am Bodensee bekannt."))

Q(60, "Aus wie vielen Opern besteht Wagners „Der Ring des Nibelungen“?",
  ("3", "Es sind mehr: Vorabend und drei Tage."),
  ("+4", "Das Rheingold, Die Walküre, Siegfried und Götterdämmerung: zusammen rund 15 Stunden Musik."),
  ("5", "Einer weniger: vier."),
  ("9", "Neun Sinfonien schrieb Beethoven; der Ring hat vier Teile."),
  fest=True)

Q(60, "Welches Musical enthält das Lied „Do-Re-Mi“, mit dem Maria Kindern das Singen beibringt?",
  ("+The Sound of Music", "Rodgers und Hammerstein schrieben es 1959 über die Familie von Trapp in Salzburg."),
  ("My Fair Lady", "In My Fair Lady lernt Eliza feines Englisch."),
  ("Mary Poppins", "Mary Poppins singt „Supercalifragilisticexpialidocious“."),
  ("Annie", "Annie singt „Tomorrow“."))

Q(70, "Wer komponierte die Oper „Der Barbier von Sevilla“ (1816)?",
  ("+Gioachino Rossini", "Rossini soll die Oper in wenigen Wochen geschrieben haben. Figaro singt darin „Largo al factotum“."),
  ("Wolfgang Amadeus Mozart", "Mozart schrieb „Die Hochzeit des Figaro“, die Fortsetzung der Geschichte."),
  ("Georges Bizet", "Bizet schrieb „Carmen“, die auch in Sevilla spielt."),
  ("Giuseppe Verdi", "Verdi schrieb ernste Opern wie „Aida“."))

Q(70, "Wie heißt die Operette von Johann Strauss (Sohn), in der ein Gefängnisdirektor auf einem Ball erscheint?",
  ("+Die Fledermaus", "Die Operette von 1874 spielt in einem Kurort bei Wien und endet im Gefängnis."),
  ("Die lustige Witwe", "Die lustige Witwe ist von Franz Lehár."),
  ("Orpheus in der Unterwelt", "Diese Operette mit dem Cancan ist von Jacques Offenbach."),
  ("Der Vogelhändler", "Der Vogelhändler ist von Carl Zeller."))

Q(80, "Welches Musical von Andrew Lloyd Webber handelt von einem maskierten Mann, der unter einem Pariser Theater lebt?",
  ("+Das Phantom der Oper", "Ein maskierter Musiker lebt unter der Oper und verliebt sich in die Sängerin Christine."),
  ("Evita", "Evita erzählt vom Leben der Eva Perón in Argentinien."),
  ("Jesus Christ Superstar", "Diese Rockoper erzählt von den letzten Tagen Jesu."),
  ("Les Misérables", "Les Misérables ist von Claude-Michel Schönberg."))

Q(80, "In welcher Stadt steht das berühmte Opernhaus „Teatro alla Scala“?",
  ("+Mailand", "Die Scala wurde 1778 eröffnet; viele Opern von Verdi und Puccini wurden dort uraufgeführt."),
  ("Rom", "Rom hat das Teatro dell’Opera; die Scala steht in Mailand."),
  ("Neapel", "Das Opernhaus in Neapel heißt Teatro di San Carlo."),
  ("Venedig", "Venedigs Opernhaus heißt La Fenice."))

Q(90, "Was ist ein Leitmotiv, wie es Richard Wagner verwendet?",
  ("+Eine kurze Melodie, die für eine Figur, Sache oder Idee steht", "Das Motiv kehrt wieder, wenn die Figur auftritt oder an sie gedacht wird."),
  ("Das Hauptthema der Ouvertüre", "Ein Leitmotiv erscheint im ganzen Werk, nicht nur am Anfang."),
  ("Die Anweisung des Dirigenten", "Anweisungen stehen als Worte in der Partitur."),
  ("Der Refrain eines Liedes", "Ein Refrain ist ein wiederkehrender Liedteil mit Text."))

Q(30, "Wie heißt die hohe Männerstimme?",
  ("+Tenor", "Der Tenor ist in vielen Opern der Held, zum Beispiel Tamino in der Zauberflöte."),
  ("Bass", "Der Bass ist die tiefste Männerstimme."),
  ("Bariton", "Der Bariton liegt in der Mitte zwischen Tenor und Bass."),
  ("Alt", "Der Alt ist die tiefe Frauenstimme."),
  ("Sopran", "Der Sopran ist die hohe Frauenstimme."))
