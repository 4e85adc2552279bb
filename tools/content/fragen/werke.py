"""Real listening: themes of well-known works whose music is free, played
by the instruments the works use."""

from . import collect

QUESTIONS, Q = collect("Komponisten")

Q(30, "Bedrich Smetana malt hier einen Fluss mit Musik. Welcher Fluss ist es?",
  ("+die Moldau", "Die Moldau fließt durch Prag. Das große Thema singen die Geigen, die Flöten sind das Wasser."),
  ("die Donau", "Die Donau hat Johann Strauss in seinem Walzer „An der schönen blauen Donau“ vertont."),
  ("der Rhein", "Den Rhein hat Robert Schumann in seiner „Rheinischen“ Sinfonie bedacht."),
  ("die Elbe", "Die Elbe fließt zwar auch durch Böhmen, Smetanas Fluss aber heißt Moldau."),
  audio="s_moldau.ogg")

Q(30, "Welche Instrumente singen in der „Moldau“ das große Thema des Flusses?",
  ("+die Geigen", "Die Geigen spielen die weite Melodie; darunter perlen die Flöten wie Wellen."),
  ("die Trompeten", "Trompeten klingen strahlender und blecherner."),
  ("das Klavier", "In der „Moldau“ spielt ein Orchester ohne Klavier."),
  ("die Pauken", "Pauken spielen keine lange Melodie."),
  audio="s_moldau.ogg")

Q(30, "Antonio Vivaldi beschreibt hier eine Jahreszeit. Welche?",
  ("+den Frühling", "„Der Frühling“ aus den „Vier Jahreszeiten“: fröhlich, und bald zwitschern die Vögel in den Geigen."),
  ("den Sommer", "Der Sommer beginnt bei Vivaldi müde in der Hitze, dann kommt ein Gewitter."),
  ("den Herbst", "Im Herbst feiern die Bauern bei Vivaldi die Ernte und gehen auf die Jagd."),
  ("den Winter", "Im Winter lässt Vivaldi die Zähne klappern, in kurzen, harten Tönen."),
  audio="s_fruehling.ogg")

Q(20, "Wie heißt dieses berühmte Stück von Mozart?",
  ("+Eine kleine Nachtmusik", "Mozart schrieb die Serenade 1787 für Streicher. So beginnt ihr erster Satz."),
  ("Für Elise", "Für Elise ist ein Klavierstück von Beethoven und beginnt ganz anders."),
  ("Die Moldau", "Die Moldau ist von Smetana und beschreibt einen Fluss."),
  ("Ode an die Freude", "Die Ode an die Freude ist eine ruhige, singende Melodie von Beethoven."),
  audio="s_nachtmusik.ogg")

Q(10, "Auf welchem Instrument wird „Für Elise“ hier gespielt?",
  ("+Klavier", "Beethoven schrieb „Für Elise“ für Klavier; die Hämmerchen schlagen auf Saiten."),
  ("Geige", "Eine Geige wird gestrichen; ihr Ton kann lange singen."),
  ("Gitarre", "Eine Gitarre wird gezupft und klingt leiser."),
  ("Trompete", "Die Trompete klingt strahlend und blechern."),
  audio="s_fuer_elise.ogg")

Q(30, "Mit diesem Motiv beginnt eine berühmte Sinfonie von Beethoven. Welche?",
  ("+die 5. Sinfonie", "Ta-ta-ta-taaa: Mit diesem Motiv beginnt die 5. Sinfonie von 1808."),
  ("die 9. Sinfonie", "Die 9. ist die Sinfonie mit der „Ode an die Freude“."),
  ("die 1. Sinfonie", "Die 1. Sinfonie beginnt mit ruhigen Akkorden."),
  ("die Sinfonie mit dem Paukenschlag", "Diese Sinfonie ist von Joseph Haydn."),
  audio="s_beethoven5.ogg", bild="n_thema_beethoven5.gif")

Q(10, "Zähle: Wie viele kurze Töne kommen vor dem langen?",
  ("2", "Hör noch einmal: Es sind drei kurze Töne."),
  ("+3", "Drei kurze und ein langer Ton: ta-ta-ta-taaa. So beginnt Beethovens 5. Sinfonie."),
  ("4", "Vier sind es mit dem langen Ton zusammen; kurz sind nur drei."),
  ("5", "Fünf sind zu viele: drei kurze, dann ein langer."),
  audio="s_beethoven5.ogg", fest=True)

Q(20, "Diese Melodie von Beethoven ist heute eine Hymne. Wessen Hymne ist sie?",
  ("+Die Hymne Europas", "Die „Ode an die Freude“ ist seit 1985 die Hymne der Europäischen Union."),
  ("Die Hymne der Olympischen Spiele", "Die olympische Hymne hat eine andere Melodie."),
  ("Die Nationalhymne Deutschlands", "Die deutsche Hymne hat eine Melodie von Joseph Haydn."),
  ("Die Hymne des Fußballs", "Eine solche Hymne gibt es nicht; die Melodie gehört Europa."),
  audio="s_freude.ogg", bild="n_freude.gif")

Q(30, "Wer singt im letzten Satz von Beethovens 9. Sinfonie diese Melodie mit Schillers Worten?",
  ("+ein Chor mit vier Solisten", "Es war neu, dass in einer Sinfonie gesungen wird: „Freude, schöner Götterfunken …“"),
  ("ein einzelnes Kind", "Es singen ein großer Chor und vier Solisten."),
  ("niemand, sie wird nur gespielt", "Zuerst spielt das Orchester sie, dann singen Solisten und Chor."),
  ("eine Rockband", "Beethoven schrieb 1824 für Orchester, Chor und Solisten."),
  audio="s_freude.ogg")

Q(20, "Welche Tageszeit malt Edvard Grieg in dieser Musik?",
  ("+den Morgen", "Das Stück heißt „Morgenstimmung“: Die Sonne geht langsam auf."),
  ("den Mittag", "Grieg malt den Sonnenaufgang; das Stück heißt „Morgenstimmung“."),
  ("den Abend", "Die Melodie steigt wie die aufgehende Sonne: Es ist der Morgen."),
  ("die Nacht", "Die Nacht klänge dunkler; hier wird es hell."),
  audio="s_morgenstimmung.ogg")

Q(30, "Welches Instrument beginnt die „Morgenstimmung“ von Grieg?",
  ("+die Querflöte", "Die Flöte beginnt, dann antwortet die Oboe mit derselben Melodie."),
  ("die Trompete", "Die Trompete würde schmettern; hier klingt es hell und luftig."),
  ("die Geige", "Die Geigen kommen später dazu; es beginnt ein Blasinstrument."),
  ("die Tuba", "Die Tuba klingt tief; diese Melodie liegt hoch."),
  audio="s_morgenstimmung.ogg")

Q(30, "Wie heißt dieses Stück von Grieg, in dem die Trolle immer wilder werden?",
  ("+In der Halle des Bergkönigs", "Fagotte und gezupfte Bässe beginnen leise; dann wird es immer schneller und lauter."),
  ("Morgenstimmung", "Die „Morgenstimmung“ ist ruhig und beginnt mit der Flöte."),
  ("Die Moldau", "Die Moldau ist von Smetana und beschreibt einen Fluss."),
  ("Der Frühling", "„Der Frühling“ ist von Vivaldi."),
  audio="s_bergkoenig.ogg")

Q(20, "Was passiert in dieser Musik mit dem Tempo?",
  ("+Es wird immer schneller.", "Grieg lässt „In der Halle des Bergkönigs“ immer schneller werden: accelerando."),
  ("Es wird immer langsamer.", "Umgekehrt: Die Töne folgen immer dichter aufeinander."),
  ("Es bleibt gleich.", "Hör noch einmal: Das Ende ist viel schneller als der Anfang."),
  audio="s_bergkoenig.ogg", fest=True)

Q(20, "Hör bis zum Schluss: Was passiert am Ende dieser leisen Melodie von Joseph Haydn?",
  ("+Ein plötzlicher lauter Schlag", "Darum heißt sie „Sinfonie mit dem Paukenschlag“: Der Schlag weckt die Zuhörer."),
  ("Die Musik hört einfach auf.", "Hör noch einmal: Am Ende wird es plötzlich laut."),
  ("Ein Vogel singt.", "Kein Vogel: Das ganze Orchester und die Pauke schlagen zu."),
  ("Es wird immer leiser.", "Umgekehrt: Erst leise, dann ein lauter Schlag."),
  audio="s_paukenschlag.ogg")

# Peter und der Wolf: every figure has its instrument. The sounds play each
# instrument in the figure's manner.
_FIGURES = {
    "Peter": "Peter spielen die Streichinstrumente.",
    "der Vogel": "Den Vogel spielt die Querflöte, hoch und flink.",
    "die Ente": "Die Ente spielt die Oboe mit ihrem näselnden Klang.",
    "die Katze": "Die Katze spielt die Klarinette, leise und schleichend.",
    "der Großvater": "Den Großvater spielt das tiefe, brummige Fagott.",
    "der Wolf": "Den Wolf spielen drei Hörner, dunkel und bedrohlich.",
}
for grade, right, audio, wrong in ((20, "der Vogel", "s_pw_vogel.ogg", ("die Ente", "der Wolf", "der Großvater")),
                                   (20, "der Großvater", "s_pw_grossvater.ogg", ("der Vogel", "die Katze", "Peter")),
                                   (30, "die Ente", "s_pw_ente.ogg", ("die Katze", "der Vogel", "der Wolf")),
                                   (30, "die Katze", "s_pw_katze.ogg", ("die Ente", "der Großvater", "der Vogel")),
                                   (30, "der Wolf", "s_pw_wolf.ogg", ("der Großvater", "Peter", "die Ente")),
                                   (20, "Peter", "s_pw_peter.ogg", ("der Wolf", "die Katze", "der Großvater"))):
    Q(grade, "In „Peter und der Wolf“ hat jede Figur ihr Instrument. Wen spielt dieses Instrument?",
      ("+" + right[0].upper() + right[1:], _FIGURES[right]),
      *[(w[0].upper() + w[1:], _FIGURES[w]) for w in wrong], audio=audio)

# Karneval der Tiere
_ANIMALS = {
    "Kuckuck": "Die Klarinette ruft zwei Töne aus dem tiefen Wald: der Kuckuck.",
    "Elefant": "Der Kontrabass tanzt schwer und tief einen Walzer: der Elefant.",
    "Schwan": "Das Cello singt ruhig über dem Klavier: der Schwan gleitet über das Wasser.",
    "Hühner": "Kurze, pickende Töne und Gackern: Hühner und Hähne.",
    "Löwe": "Der Löwe brüllt in tiefen Läufen von Klavier und Streichern.",
    "Känguru": "Die Kängurus hüpfen in schnellen Sprüngen auf dem Klavier.",
}
for grade, right, audio, wrong in ((20, "Kuckuck", "s_kt_kuckuck.ogg", ("Schwan", "Elefant", "Hühner")),
                                   (20, "Elefant", "s_kt_elefant.ogg", ("Schwan", "Känguru", "Kuckuck")),
                                   (30, "Schwan", "s_kt_schwan.ogg", ("Elefant", "Löwe", "Kuckuck")),
                                   (30, "Hühner", "s_kt_huehner.ogg", ("Schwan", "Elefant", "Löwe"))):
    Q(grade, "Welches Tier aus dem „Karneval der Tiere“ von Camille Saint-Saëns hörst du?",
      ("+" + right, _ANIMALS[right]), *[(w, _ANIMALS[w]) for w in wrong], audio=audio)
