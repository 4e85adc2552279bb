from . import collect

QUESTIONS, Q = collect("Jazz")

Q(30, "In welcher Stadt entstand um 1900 der Jazz?",
  ("+New Orleans", "In der Hafenstadt am Mississippi mischten sich afrikanische, europäische und karibische Musik."),
  ("New York", "New York wurde später ein Zentrum des Jazz, entstanden ist er in New Orleans."),
  ("Paris", "In Paris war der Jazz ab den 1920er Jahren beliebt, aber er kam aus den USA."),
  ("Chicago", "Viele Jazzmusiker zogen um 1920 nach Chicago, nachdem der Jazz in New Orleans entstanden war."))

Q(30, "Welches Instrument spielte Louis Armstrong, genannt „Satchmo“?",
  ("+Trompete", "Armstrong war ein großer Trompeter und sang mit rauer Stimme, etwa „What a Wonderful World“."),
  ("Saxophon", "Saxophon spielten etwa Charlie Parker und John Coltrane."),
  ("Klavier", "Klavier spielten Jazzgrößen wie Duke Ellington und Thelonious Monk."),
  ("Schlagzeug", "Armstrong war Trompeter und Sänger."))

Q(40, "Was ist Improvisation im Jazz?",
  ("+Musik, die beim Spielen spontan erfunden wird", "Über die Akkorde eines Stückes erfinden die Musiker jedes Mal neue Melodien."),
  ("Das genaue Nachspielen von Noten", "Nach Noten spielen ist das Gegenteil von Improvisieren."),
  ("Das Stimmen der Instrumente", "Stimmen macht man vor dem Spielen."),
  ("Ein besonders lauter Schluss", "Mit der Lautstärke hat Improvisation nichts zu tun."))

Q(40, "Was ist „Scat“-Gesang?",
  ("+Singen mit Silben ohne Bedeutung, wie ein Instrument", "„Schubidu-bap“: Louis Armstrong und Ella Fitzgerald machten den Scat berühmt."),
  ("Singen ganz ohne Töne", "Scat hat Töne, nur keine Wörter."),
  ("Ein Lied über Katzen", "„Cat“ heißt Katze, aber Scat ist eine Gesangsweise."),
  ("Singen in einem sehr großen Chor", "Scat singt man meist allein und improvisiert."))

Q(40, "Welche Sängerin nannte man „First Lady of Song“?",
  ("+Ella Fitzgerald", "Ella Fitzgerald war berühmt für ihre klare Stimme und ihren Scat-Gesang."),
  ("Madonna", "Madonna ist ein Popstar und wird „Queen of Pop“ genannt."),
  ("Billie Holiday", "Billie Holiday war eine große Jazzsängerin mit dem Spitznamen „Lady Day“."),
  ("Aretha Franklin", "Aretha Franklin heißt „Queen of Soul“."))

Q(50, "Wer wurde „King of Swing“ genannt?",
  ("+Benny Goodman", "Der Klarinettist leitete in den 1930er Jahren eine der berühmtesten Bigbands."),
  ("Louis Armstrong", "Armstrong war Trompeter und Sänger, der Titel ging an Goodman."),
  ("Elvis Presley", "Elvis ist der „King of Rock ’n’ Roll“."),
  ("Frank Sinatra", "Sinatra war ein großer Sänger, sein Spitzname war „The Voice“."))

Q(50, "Wie viele Takte hat das übliche Blues-Schema?",
  ("8", "Es gibt auch achttaktige Blues-Formen, das übliche Schema hat aber zwölf Takte."),
  ("+12", "Der zwölftaktige Blues wechselt zwischen den Akkorden der I., IV. und V. Stufe."),
  ("16", "16 Takte hat zum Beispiel manches Pop-Lied, nicht das Blues-Schema."),
  ("32", "32 Takte hat oft ein Jazzstandard in AABA-Form."),
  fest=True)

Q(50, "Was ist eine Bigband?",
  ("+Ein großes Jazzorchester mit Trompeten, Posaunen, Saxophonen und Rhythmusgruppe", "Bigbands spielten in der Swing-Ära der 1930er und 1940er Jahre zum Tanz."),
  ("Ein Sinfonieorchester", "Ein Sinfonieorchester hat Streicher und spielt meist klassische Musik."),
  ("Eine Band mit besonders großen Musikern", "„Big“ bezieht sich auf die Größe der Besetzung."),
  ("Ein Chor mit 100 Sängern", "Eine Bigband ist ein Instrumentalensemble."))

Q(60, "In welcher Taktart steht der Jazz-Klassiker „Take Five“ des Dave Brubeck Quartet?",
  ("+5/4", "Der Saxophonist Paul Desmond schrieb das Stück 1959 im ungewöhnlichen Fünfvierteltakt."),
  ("4/4", "Die meisten Jazzstücke stehen im 4/4-Takt, „Take Five“ gerade nicht."),
  ("3/4", "Der Titel verrät es: Es sind fünf Schläge pro Takt."),
  ("7/8", "7/8 kommt in der Balkanmusik oft vor, „Take Five“ steht in 5/4."))

Q(60, "Welches Jazzalbum von Miles Davis aus dem Jahr 1959 ist das meistverkaufte Jazzalbum?",
  ("+Kind of Blue", "Es ist ein Meilenstein des Modal Jazz, mit John Coltrane und Bill Evans."),
  ("A Love Supreme", "„A Love Supreme“ ist von John Coltrane (1965)."),
  ("Time Out", "„Time Out“ mit „Take Five“ ist vom Dave Brubeck Quartet."),
  ("Thriller", "„Thriller“ ist ein Popalbum von Michael Jackson."))

Q(70, "Welcher Musiker mit dem Spitznamen „Bird“ prägte den Bebop?",
  ("+Charlie Parker", "Der Altsaxophonist spielte in den 1940er Jahren rasend schnelle, komplexe Linien."),
  ("Dizzy Gillespie", "Gillespie war Parkers Partner an der Trompete, sein Spitzname war „Dizzy“."),
  ("Count Basie", "Count Basie leitete eine Swing-Bigband."),
  ("Chet Baker", "Chet Baker war ein Trompeter des Cool Jazz."))

Q(70, "Welcher Komponist schrieb den Ragtime „The Entertainer“?",
  ("+Scott Joplin", "Joplin, der „King of Ragtime“, veröffentlichte das Stück 1902."),
  ("George Gershwin", "Gershwin schrieb die „Rhapsody in Blue“."),
  ("Duke Ellington", "Ellington schrieb Stücke wie „Mood Indigo“ für seine Bigband."),
  ("Jelly Roll Morton", "Morton war ein Pianist des frühen Jazz, aber „The Entertainer“ ist von Joplin."))

Q(80, "Was ist ein „Walking Bass“?",
  ("+Eine Basslinie, die in gleichmäßigen Vierteln schrittweise „geht“", "Der Kontrabass spielt auf jedem Schlag einen Ton und verbindet so die Akkorde."),
  ("Ein Kontrabass mit Rollen", "Der Name kommt von der gehenden Bewegung der Töne."),
  ("Ein Bassist, der auf der Bühne herumläuft", "Gemeint ist die Spielweise, nicht der Musiker."),
  ("Ein sehr langsamer Blues", "Walking Bass gibt es in schnellen und langsamen Stücken."))

Q(90, "Was sind „Blue Notes“?",
  ("+Leicht erniedrigte Töne, besonders die dritte, fünfte und siebte Stufe", "Sie liegen oft zwischen Dur und Moll und geben Blues und Jazz ihren typischen Klang."),
  ("Noten, die in blauer Farbe gedruckt sind", "Die Farbe der Noten spielt keine Rolle."),
  ("Besonders traurige Lieder", "Traurige Lieder heißen Blues; Blue Notes sind einzelne Töne."),
  ("Töne, die nur Blasinstrumente spielen können", "Auch Sänger, Gitarristen und Pianisten spielen Blue Notes."))

Q(60, "Welches Instrument gehört zur Rhythmusgruppe einer Jazzband?",
  ("+Kontrabass", "Bass, Schlagzeug, Klavier oder Gitarre halten Takt und Harmonie zusammen."),
  ("Trompete", "Die Trompete gehört zu den Bläsern und spielt Melodien und Soli."),
  ("Posaune", "Die Posaune ist ein Blasinstrument, kein Teil der Rhythmusgruppe."),
  ("Saxophon", "Das Saxophon spielt Melodien und Soli."),
  ("Klarinette", "Die Klarinette war im frühen Jazz ein Melodieinstrument."))
