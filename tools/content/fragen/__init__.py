"""The questions supplied with the program, one module per subject area.

Each module fills QUESTIONS through `Q`. An answer is a pair (text, explanation);
the right answer's text starts with "+". The generator gives the questions their
numbers (from 100 on, in the order of AREAS and of each module) and mixes the
answers, unless `fest=True` keeps the written order (numbers, higher/lower...).
"""

from dataclasses import dataclass, field


@dataclass
class Question:
    bereich: str
    problem: int
    frage: str
    antworten: list  # of (text, explanation), the right one marked with "+"
    bild: str = ""
    bild2: str = ""
    musical: str = ""
    audio: str = ""
    fest: bool = False
    nummer: int = 0
    loesung: int = 0
    extra: dict = field(default_factory=dict)


def collect(bereich):
    """Returns (list, Q) for one module: Q(problem, frage, *antworten, **media)."""
    items = []

    def Q(problem, frage, *antworten, bild="", bild2="", musical="", audio="", fest=False):
        items.append(Question(bereich, problem, frage, list(antworten), bild, bild2, musical, audio, fest))

    return items, Q


# Modules in numbering order. New questions go into modules at the end, so the
# numbers of the questions before them never change (lists name questions by number).
AREAS = [
    "instrumente",
    "kinderlieder",
    "notenlehre",
    "rhythmus",
    "hoeren",
    "komponisten",
    "geschichte",
    "oper",
    "pop",
    "jazz",
    "notenlesen",
    "rhythmus_hoeren",
    "hoeruebungen",
    "werke",
    "schulpraxis",
    "welt",
    "lieder_und_stimme",
    "jazz_einstieg",
    "geschichte_einstieg",
    "buehne",
    "pop_einstieg",
    "erste_schritte",
]
