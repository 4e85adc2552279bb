#!/usr/bin/env python3
"""Writes the supplied question files "Fragen 1.Dat", "Fragen 2.Dat", ...

The files come out byte for byte as the program's own save writes them: one
"[Quiz n]" section per question, keys in the save order, the eleven text
fields scrambled, CR LF line ends, Windows-1252 text.

    tools/content/make_questions.py            # writes into data/appdata/
    tools/content/make_questions.py --list     # prints the questions instead
"""

import importlib
import os
import random
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import fragen  # noqa: E402

REPO = os.path.abspath(os.path.join(HERE, "..", ".."))
APPDATA = os.path.join(REPO, "data", "appdata")
FIRST_NUMBER = 100
LAST_NUMBER = 998
MAX_VALUE = 254  # what the program's reader keeps of a value
# Room left for the two quote characters a scrambled value may need.
MAX_TEXT = MAX_VALUE - 2
GRADES = range(10, 91, 10)


def encode(text):
    """Scrambles plain text (bytes 32..255): position i (from 1) shifts by i within 32..255."""
    return bytes(((c - 32 + i) % 224) + 32 for i, c in enumerate(text, start=1))


def decode(data):
    return bytes(((c - 32 - i) % 224) + 32 for i, c in enumerate(data, start=1))


def stored_scrambled(text):
    """The value as the program writes it: scrambled, in double quotes when the
    reader would otherwise lose blanks at an end or a pair of enclosing quotes."""
    s = encode(text)
    if s and (s[:1] == b" " or s[-1:] == b" " or (len(s) >= 2 and s[:1] in (b'"', b"'") and s[-1:] == s[:1])):
        s = b'"' + s + b'"'
    return s


def ansi(text):
    return text.encode("cp1252")


def allowed_symbols():
    """The characters of the music-symbol font, from its table."""
    chars = set()
    with open(os.path.join(HERE, "musical_symbols.md"), encoding="utf-8") as f:
        for line in f:
            cells = [c.strip() for c in line.split("|")]
            if len(cells) > 3 and cells[1].isdigit():
                chars.add(int(cells[1]))
    return chars


def load():
    questions = []
    for area in fragen.AREAS:
        questions += importlib.import_module("fragen." + area).QUESTIONS
    for offset, q in enumerate(questions):
        q.nummer = FIRST_NUMBER + offset
    if questions and questions[-1].nummer > LAST_NUMBER:
        raise SystemExit("too many questions for the supplied range")
    place(questions)
    return questions


def place(questions):
    """Decides the answer order and the number of the right answer.

    The wrong answers are mixed, and the right one goes where the right answers
    so far lag most behind an even spread, chosen at random among the places
    that are not ahead: a player can then learn nothing from the position."""
    expected = [0.0] * 5
    counts = [0] * 5
    for q in questions:
        answers = list(q.antworten)
        if sum(1 for t, _ in answers if t.startswith("+")) != 1:
            raise SystemExit("question %d (%s): mark exactly one answer with '+'" % (q.nummer, q.frage[:40]))
        n = len(answers)
        for k in range(n):
            expected[k] += 1.0 / n
        if not q.fest:
            rng = random.Random(q.nummer * 7919)
            right = next(a for a in answers if a[0].startswith("+"))
            wrong = [a for a in answers if not a[0].startswith("+")]
            rng.shuffle(wrong)
            lag = [expected[k] - counts[k] for k in range(n)]
            places = [k for k in range(n) if lag[k] > -0.5] or [lag.index(max(lag))]
            k = rng.choice(places)
            answers = wrong[:k] + [right] + wrong[k:]
        q.antworten = [(t[1:] if t.startswith("+") else t, e) for t, e in answers]
        q.loesung = 1 + [t.startswith("+") for t, _ in answers].index(True)
        counts[q.loesung - 1] += 1


def validate(questions):
    problems = []
    symbols = allowed_symbols()
    for q in questions:
        where = "question %d (%s)" % (q.nummer, q.frage[:40])
        if not 3 <= len(q.antworten) <= 5:
            problems.append(where + ": needs 3 to 5 answers")
        if q.problem not in GRADES:
            problems.append(where + ": grade %r" % q.problem)
        if q.bild and q.musical:
            problems.append(where + ": picture and Musical exclude each other")
        texts = [q.frage] + [t for t, _ in q.antworten] + [e for _, e in q.antworten]
        for text in texts:
            try:
                raw = ansi(text)
            except UnicodeEncodeError as e:
                problems.append(where + ": not Windows-1252: %s" % e)
                continue
            if not text.strip() or text != text.strip():
                problems.append(where + ": empty text or blanks at an end: %r" % text)
            if any(c < 32 for c in raw):
                problems.append(where + ": control character")
            if len(stored_scrambled(raw)) > MAX_VALUE or len(raw) > MAX_TEXT:
                problems.append(where + ": %d characters is too long: %r" % (len(raw), text[:50]))
        for c in ansi(q.musical):
            if c not in symbols:
                problems.append(where + ": %r is not a sign of the music font" % chr(c))
    return problems


def section(q):
    lines = [b"[Quiz %d]" % q.nummer, b"Crypt=1", b"Frage=" + stored_scrambled(ansi(q.frage))]
    answers = q.antworten + [("", "")] * (5 - len(q.antworten))
    for i, (text, _) in enumerate(answers, start=1):
        lines.append(b"Antwort %d=" % i + stored_scrambled(ansi(text)))
    for i, (_, expl) in enumerate(answers, start=1):
        lines.append(ansi("Erklärung %d=" % i) + stored_scrambled(ansi(expl)))
    lines.append(ansi("Lösung=%d" % q.loesung))
    lines.append(b"Bild=" + ansi(q.bild))
    lines.append(b"Bild2=" + ansi(q.bild2))
    lines.append(b"Musical=" + ansi(q.musical))
    lines.append(b"Problem=%d" % q.problem)
    lines.append(b"Audio=" + ansi(q.audio))
    lines.append(b"Bereich=" + ansi(q.bereich))
    return b"".join(line + b"\r\n" for line in lines)


def write(questions, folder):
    files = {}
    for q in questions:
        files.setdefault(q.nummer // 100, []).append(section(q))
    for k, sections in sorted(files.items()):
        path = os.path.join(folder, "Fragen %d.Dat" % k)
        with open(path + ".tmp", "wb") as f:
            f.write(b"".join(sections))
        os.replace(path + ".tmp", path)
        print("%s: %d questions" % (os.path.basename(path), len(sections)))


def summary(questions):
    areas, grades = {}, {}
    for q in questions:
        areas[q.bereich] = areas.get(q.bereich, 0) + 1
        grades[q.problem] = grades.get(q.problem, 0) + 1
    print("%d questions, numbers %d..%d" % (len(questions), questions[0].nummer, questions[-1].nummer))
    print("areas:  " + ", ".join("%s %d" % kv for kv in sorted(areas.items())))
    print("grades: " + ", ".join("%d: %d" % kv for kv in sorted(grades.items())))
    print("with picture %d, solution picture %d, sound %d, Musical %d" % (
        sum(1 for q in questions if q.bild), sum(1 for q in questions if q.bild2),
        sum(1 for q in questions if q.audio), sum(1 for q in questions if q.musical)))


def main(argv):
    questions = load()
    problems = validate(questions)
    if problems:
        print("\n".join(problems), file=sys.stderr)
        return 1
    if "--list" in argv:
        for q in questions:
            print("%d [%s %d] %s" % (q.nummer, q.bereich, q.problem, q.frage))
            for i, (t, e) in enumerate(q.antworten, start=1):
                print("   %s%d %s -- %s" % ("*" if i == q.loesung else " ", i, t, e))
        return 0
    os.makedirs(APPDATA, exist_ok=True)
    write(questions, APPDATA)
    summary(questions)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
