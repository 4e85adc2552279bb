"""Pop and rock for children: the band's instruments by ear, DJ, charts, karaoke."""

from . import collect

QUESTIONS, Q = collect("Pop und Rock")

Q(10, "Welches Instrument hörst du?",
  ("+E-Gitarre", "Die E-Gitarre braucht Strom und einen Verstärker; verzerrt klingt sie rau und kräftig."),
  ("Geige", "Die Geige wird gestrichen und klingt weich."),
  ("Querflöte", "Die Querflöte klingt hell und luftig."),
  ("Harfe", "Die Harfe klingt zart und perlend."),
  audio="s_egitarre.ogg")

Q(30, "Warum klingt die E-Gitarre hier so laut und rau?",
  ("+Ihr Klang wird im Verstärker verzerrt.", "Der Verstärker macht das leise Signal der Saiten laut; die Verzerrung macht es rau."),
  ("Sie hat besonders dicke Holzwände.", "Die Holzwände machen eine E-Gitarre kaum lauter."),
  ("Der Gitarrist singt hinein.", "Er singt ins Mikrofon, nicht in die Gitarre."),
  ("Sie hat zwanzig Saiten.", "Eine E-Gitarre hat meist sechs Saiten."),
  audio="s_egitarre.ogg")

Q(20, "Welches Instrument spielt in einer Band diese tiefen Töne?",
  ("+E-Bass", "Der E-Bass hat meist vier dicke Saiten und spielt mit dem Schlagzeug das Fundament."),
  ("Triangel", "Die Triangel klingt hoch und klingelnd."),
  ("Querflöte", "Die Querflöte klingt hoch und luftig."),
  ("Mundharmonika", "Die Mundharmonika klingt hoch und wird geblasen."),
  audio="s_ebass.ogg")

Q(20, "Welches elektronische Instrument mit Tasten macht diese Klänge?",
  ("+Synthesizer", "Ein Synthesizer erzeugt Klänge elektronisch; man kann fast jeden Klang einstellen."),
  ("Cembalo", "Das Cembalo zupft Saiten und braucht keinen Strom."),
  ("Akkordeon", "Das Akkordeon bläst Luft durch Metallzungen."),
  ("Orgel mit Pfeifen", "Eine Pfeifenorgel klingt durch Luft in Pfeifen, nicht elektronisch."),
  audio="s_synthesizer.ogg")

Q(20, "Zähle mit: Wie viele Schläge hat ein Takt bei diesem Popbeat?",
  ("2", "Zähle weiter: Bassdrum und Snare wechseln sich auf vier Schlägen ab."),
  ("3", "Drei Schläge hätte ein Walzer."),
  ("+4", "Eins (Bassdrum), zwei (Snare), drei (Bassdrum), vier (Snare): Die meisten Popsongs stehen im 4/4-Takt."),
  ("6", "Sechs Schläge sind es nicht; es geht in Vierergruppen."),
  audio="s_popbeat.ogg", fest=True)

Q(10, "Was macht ein DJ?",
  ("+Er legt Musik auf und lässt Lieder ineinander übergehen.", "DJ heißt „Discjockey“: Früher mit Schallplatten, heute oft mit dem Computer."),
  ("Er repariert Instrumente.", "Das tut ein Instrumentenbauer."),
  ("Er verkauft Eintrittskarten.", "Das tut die Kasse."),
  ("Er dirigiert ein Orchester.", "Das tut eine Dirigentin oder ein Dirigent."))

Q(10, "Was ist Karaoke?",
  ("+Man singt selbst zu einer Musik ohne Gesang und liest den Text mit.", "Das Wort kommt aus Japan und heißt „leeres Orchester“."),
  ("ein Tanz aus Brasilien", "Tänze aus Brasilien sind etwa Samba."),
  ("ein Blasinstrument", "Karaoke ist kein Instrument."),
  ("ein Lied über Karate", "Mit Karate hat Karaoke nichts zu tun."))

Q(20, "Wie nennt man die Liste der Lieder, die gerade am meisten gehört und gekauft werden?",
  ("+die Charts", "Die Charts, auf Deutsch Hitparade, werden jede Woche neu gezählt."),
  ("das Libretto", "Das Libretto ist der Text einer Oper."),
  ("die Partitur", "Die Partitur zeigt alle Stimmen eines Musikstücks."),
  ("das Metronom", "Das Metronom gibt das Tempo an."))

Q(20, "Welches Gerät verwandelt im Konzert die Stimme in Strom, damit die Lautsprecher sie laut machen?",
  ("+das Mikrofon", "Im Mikrofon bewegt der Schall eine dünne Membran; daraus wird ein elektrisches Signal."),
  ("der Kopfhörer", "Kopfhörer spielen Musik ab, sie nehmen nichts auf."),
  ("das Notenpult", "Auf dem Notenpult liegen die Noten."),
  ("die Stimmgabel", "Die Stimmgabel gibt einen Ton zum Stimmen an."))
