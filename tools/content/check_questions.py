#!/usr/bin/env python3
"""Reads the supplied question files back as the program reads them and checks them.

It reads "Fragen k.Dat" in the data-folder template like the profile reader
does (section and key names without regard to case, blanks at both ends and
one pair of enclosing quotes dropped, at most 254 characters), unscrambles
the text fields and checks every question in the supplied range:

- the file is Windows-1252 text with CR LF line ends, keys in the save order;
- 3 to 5 answers, used from the first on without gaps;
- "Lösung" names a non-empty answer; every used answer has an explanation;
- "Problem" is one of 10, 20 .. 90; "Bereich" is set;
- every "Bild", "Bild2" and "Audio" is in "DATEN\\" or, behind a stub, in the
  media archive that the stub names, and starts like a file of its kind;
- every character of "Musical" is a sign of the music-symbol font;
- every media file is one that tools/content makes, and no sound lasts longer
  than 20 seconds;
- no word of the right answer stands in the question text unless a wrong
  answer has it too (that would give the answer away);
- the right answers are spread evenly over the answer positions;
- and, over all questions: at least 500 questions, 8 areas, all nine grades,
  250 questions at grades 10 to 30 and 10 of them in every area (children
  start there), 100 with a picture, 150 with a sound, 10 with a Musical line.

Exit code 0 when all is well; otherwise the problems are listed.
"""

import os
import re
import struct
import sys
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.abspath(os.path.join(HERE, "..", ".."))
MAX_VALUE = 254
KEY_ORDER = (["Crypt", "Frage"] + ["Antwort %d" % i for i in range(1, 6)]
             + ["Erklärung %d" % i for i in range(1, 6)]
             + ["Lösung", "Bild", "Bild2", "Musical", "Problem", "Audio", "Bereich"])
MAGIC = {
    ".gif": (b"GIF87a", b"GIF89a"),
    ".jpg": (b"\xff\xd8\xff",),
    ".bmp": (b"BM",),
    ".ogg": (b"OggS",),
    ".wav": (b"RIFF",),
}


MAX_SOUND_SECONDS = 20
# Words too common to give an answer away.
COMMON_WORDS = {"der", "die", "das", "den", "dem", "des", "ein", "eine", "einer", "einem", "einen", "und",
                "oder", "mit", "von", "vom", "zum", "zur", "auf", "aus", "bei", "für", "nach", "noch",
                "nur", "sich", "sind", "ist", "wird", "werden", "hier", "dieses", "diese", "dieser",
                "wie", "was", "wer", "welche", "welcher", "welches", "nicht", "kein", "keine", "alle",
                "immer", "auch", "sehr", "viele", "mehr", "ganz", "beim", "einmal", "zwei", "drei", "vier",
                "fünf", "sechs", "sieben", "acht", "neun", "zehn", "zwölf", "takt", "ton", "töne", "note",
                "noten", "lied", "stück", "musik", "instrument", "man", "sie", "ihr", "ihm", "ihn", "uns"}


def decode(data):
    return bytes(((c - 32 - i) % 224) + 32 for i, c in enumerate(data, start=1))


def read_profile(raw):
    """{section lower: [(key, value)]} as the profile reader sees the file."""
    sections = {}
    current = None
    for line in raw.split(b"\r\n"):
        text = line.strip(b" \t")
        if text.startswith(b"[") and b"]" in text:
            current = sections.setdefault(text[1:text.index(b"]")].decode("cp1252").strip().lower(), [])
        elif current is not None and b"=" in text and not text.startswith(b";"):
            key, value = text.split(b"=", 1)
            value = value.strip(b" \t")
            if len(value) >= 2 and value[:1] in (b'"', b"'") and value[-1:] == value[:1]:
                value = value[1:-1]
            current.append((key.strip(b" \t").decode("cp1252"), value[:MAX_VALUE]))
    return sections


def symbol_codes():
    codes = set()
    with open(os.path.join(HERE, "musical_symbols.md"), encoding="utf-8") as f:
        for line in f:
            cells = [c.strip() for c in line.split("|")]
            if len(cells) > 3 and cells[1].isdigit():
                codes.add(int(cells[1]))
    return codes


class Media:
    """Finds a stored media name the way the program does: the file itself, or a stub and its archive."""

    def __init__(self, daten, install_daten):
        self.daten = daten
        self.install = install_daten
        self.names = {n.lower(): n for n in os.listdir(daten)} if os.path.isdir(daten) else {}

    def archive(self, k):
        return os.path.join(self.install, "Daten %d.DAT" % k)

    def content(self, name):
        """The bytes of the media file, or an error text."""
        real = self.names.get(name.lower())
        if real is None:
            return None, "missing in DATEN: %s" % name
        with open(os.path.join(self.daten, real), "rb") as f:
            data = f.read()
        if len(data) >= 10:
            return data, None
        m = re.fullmatch(rb" (\d) \r\n", data)
        if not m:
            return None, "stub of %s is not a number line: %r" % (name, data)
        k = int(m.group(1))
        path = self.archive(k)
        if not os.path.exists(path):
            return None, "stub of %s names archive %d, which is missing" % (name, k)
        with zipfile.ZipFile(path) as z:
            for info in z.infolist():
                if info.filename.lower() == name.lower():
                    return z.read(info), None
        return None, "%s is not in archive %d" % (name, k)


def sound_seconds(data):
    """Playing time of an OGG Vorbis or a WAV file, None when it cannot be told."""
    if data.startswith(b"OggS"):
        at = data.find(b"\x01vorbis")
        last = data.rfind(b"OggS")
        if at < 0 or last < 0 or len(data) < last + 14:
            return None
        rate = struct.unpack_from("<I", data, at + 12)[0]
        granule = struct.unpack_from("<q", data, last + 6)[0]
        return granule / rate if rate else None
    if data.startswith(b"RIFF") and data[8:12] == b"WAVE":
        pos, rate, size = 12, None, None
        while pos + 8 <= len(data):
            tag, length = data[pos:pos + 4], struct.unpack_from("<I", data, pos + 4)[0]
            if tag == b"fmt ":
                rate = struct.unpack_from("<I", data, pos + 16)[0]  # bytes per second
            elif tag == b"data":
                size = length
            pos += 8 + length + (length & 1)
        return size / rate if rate and size is not None else None
    return None


def words(text):
    return {w for w in re.findall(r"[a-zäöüß]+", text.lower()) if len(w) >= 3 and w not in COMMON_WORDS}


def gives_answer_away(frage, right, wrong):
    """The words of the right answer that the question text names and no wrong answer shares.

    A question that names a wrong answer too ("höher oder tiefer?") offers a
    choice and gives nothing away."""
    others = set().union(*(words(w) for w in wrong)) if wrong else set()
    asked = words(frage)
    if asked & (others - words(right)):
        return []
    # a longer answer word also shows inside a compound ("Gemäldeausstellung")
    return sorted(w for w in words(right) - others if w in asked or (len(w) >= 6 and any(w in a for a in asked)))


def position_spread(solutions):
    """For (answer count, right position) pairs: per position the count and the even share."""
    counts, even = [0] * 5, [0.0] * 5
    for n, right in solutions:
        counts[right - 1] += 1
        for k in range(n):
            even[k] += 1.0 / n
    return counts, even


def spread_problems(solutions):
    counts, even = position_spread(solutions)
    out = []
    for k in range(5):
        if abs(counts[k] - even[k]) > max(4.0, 0.08 * even[k]):
            out.append("right answer at position %d in %d questions, an even spread gives %.0f"
                       % (k + 1, counts[k], even[k]))
    return out


def made_media():
    """Names of every picture and sound the generators in this folder make."""
    sys.path.insert(0, HERE)
    from make_media import all_media
    return {name.lower() for name in all_media()}


def check_file(raw, path, problems):
    # Scrambled values use every byte from 32 to 255; only CR LF may lie below.
    if b"\n" in raw.replace(b"\r\n", b"") or b"\r" in raw.replace(b"\r\n", b""):
        problems.append("%s: a line ends without CR LF" % path)
    if any(c < 32 for c in raw.replace(b"\r\n", b"")):
        problems.append("%s: control character inside a line" % path)
    if not raw.endswith(b"\r\n"):
        problems.append("%s: the last line has no CR LF" % path)


def check(appdata, install_daten, minimum=True, made=None):
    problems = []
    media = Media(os.path.join(appdata, "DATEN"), install_daten)
    symbols = symbol_codes()
    questions = []
    for k in range(1, 10):
        path = os.path.join(appdata, "Fragen %d.Dat" % k)
        if not os.path.exists(path):
            continue
        with open(path, "rb") as f:
            raw = f.read()
        check_file(raw, path, problems)
        for name, entries in read_profile(raw).items():
            m = re.fullmatch(r"quiz (\d+)", name)
            if not m:
                problems.append("%s: unexpected section [%s]" % (path, name))
                continue
            n = int(m.group(1))
            if n // 100 != k or not 100 <= n <= 998:
                problems.append("%s: question %d is in the wrong file or range" % (path, n))
            questions.append((n, entries))

    areas, grades = {}, {}
    counts = {"Bild": 0, "Audio": 0, "Musical": 0}
    solutions = []
    young_areas = {}
    made = made_media() if made is None else made
    for n, entries in sorted(questions):
        where = "question %d" % n
        keys = [key for key, _ in entries]
        if keys != KEY_ORDER:
            problems.append("%s: keys %s, expected the save order" % (where, keys))
        rec = {key.lower(): value for key, value in entries}
        if rec.get("crypt") != b"1":
            problems.append("%s: Crypt is %r, not 1" % (where, rec.get("crypt")))

        def text(key):
            plain = decode(rec.get(key.lower(), b""))
            try:
                return plain.decode("cp1252")
            except UnicodeDecodeError:
                problems.append("%s: %s is no Windows-1252 text after unscrambling" % (where, key))
                return plain.decode("latin-1")

        frage = text("Frage")
        answers = [text("Antwort %d" % i) for i in range(1, 6)]
        explanations = [text("Erklärung %d" % i) for i in range(1, 6)]
        used = [i for i, a in enumerate(answers, start=1) if a.strip()]
        if not frage.strip():
            problems.append("%s: no question text" % where)
        if not 3 <= len(used) <= 5 or used != list(range(1, len(used) + 1)):
            problems.append("%s: answers used %s (need 3 to 5 from the first on)" % (where, used))
        for i in used:
            if not explanations[i - 1].strip():
                problems.append("%s: answer %d has no explanation" % (where, i))
        for i in range(len(used) + 1, 6):
            if explanations[i - 1]:
                problems.append("%s: explanation %d without an answer" % (where, i))
        loesung = rec.get("lösung", b"")
        if not loesung.isdigit() or int(loesung) not in used:
            problems.append("%s: Lösung %r does not name a used answer" % (where, loesung))
        else:
            solutions.append((len(used), int(loesung)))
            right = answers[int(loesung) - 1]
            wrong = [answers[i - 1] for i in used if i != int(loesung)]
            given = gives_answer_away(frage, right, wrong)
            if given:
                problems.append("%s: the question text gives the answer away (%s)" % (where, ", ".join(given)))
        problem = rec.get("problem", b"")
        if not problem.isdigit() or int(problem) not in range(10, 91, 10):
            problems.append("%s: grade (Problem) %r is outside 10, 20 .. 90" % (where, problem))
        else:
            grades[int(problem)] = grades.get(int(problem), 0) + 1
        bereich = rec.get("bereich", b"").decode("cp1252")
        if not bereich:
            problems.append("%s: no Bereich" % where)
        areas[bereich] = areas.get(bereich, 0) + 1
        young_areas.setdefault(bereich, 0)
        if problem.isdigit() and int(problem) <= 30:
            young_areas[bereich] += 1
        for key in ("Bild", "Bild2", "Audio"):
            name = rec.get(key.lower(), b"").decode("cp1252")
            if not name:
                continue
            counts[key] = counts.get(key, 0) + 1
            ext = os.path.splitext(name)[1].lower()
            allowed = (".gif", ".jpg", ".bmp") if key != "Audio" else (".ogg", ".wav")
            if ext not in allowed:
                problems.append("%s: %s %s has an unexpected type" % (where, key, name))
                continue
            if name.lower() not in made:
                problems.append("%s: %s is named but no generator in tools/content makes it" % (where, name))
            data, error = media.content(name)
            if error:
                problems.append("%s: %s" % (where, error))
            elif not data.startswith(MAGIC[ext]):
                problems.append("%s: %s does not look like a %s file" % (where, name, ext))
            elif key == "Audio":
                seconds = sound_seconds(data)
                if seconds is None:
                    problems.append("%s: the length of %s cannot be read" % (where, name))
                elif seconds > MAX_SOUND_SECONDS:
                    problems.append("%s: %s lasts %.1f s, more than %d" % (where, name, seconds, MAX_SOUND_SECONDS))
        musical = rec.get("musical", b"")
        if musical:
            counts["Musical"] += 1
            for c in musical:
                if c not in symbols:
                    problems.append("%s: Musical sign %r is not in the font table" % (where, chr(c)))
        if rec.get("bild") and musical:
            problems.append("%s: picture and Musical together" % where)

    problems += spread_problems(solutions)
    if minimum:
        young = sum(n for g, n in grades.items() if g <= 30)
        wanted = [(len(questions) >= 500, "only %d questions" % len(questions)),
                  (len(areas) >= 8, "only %d areas" % len(areas)),
                  (sorted(grades) == list(range(10, 91, 10)), "grades present: %s" % sorted(grades)),
                  (young >= 250, "only %d questions at grades 10 to 30, where children start" % young),
                  (counts["Bild"] >= 100, "only %d questions with a picture" % counts["Bild"]),
                  (counts["Audio"] >= 150, "only %d questions with a sound" % counts["Audio"]),
                  (counts["Musical"] >= 10, "only %d questions with a Musical line" % counts["Musical"])]
        wanted += [(n >= 10, "area %s has only %d questions at grades 10 to 30" % (area, n))
                   for area, n in sorted(young_areas.items())]
        problems += [msg for ok, msg in wanted if not ok]
    return problems, questions, areas, grades, counts


def main(argv):
    appdata = os.path.join(REPO, "data", "appdata")
    install = os.path.join(REPO, "data", "install", "DATEN")
    problems, questions, areas, grades, counts = check(appdata, install, minimum="--partial" not in argv)
    print("%d questions; areas: %s" % (len(questions), ", ".join("%s %d" % kv for kv in sorted(areas.items()))))
    print("grades: %s" % ", ".join("%d: %d" % kv for kv in sorted(grades.items())))
    print("picture %d, solution picture %d, sound %d, Musical %d" % (
        counts["Bild"], counts.get("Bild2", 0), counts["Audio"], counts["Musical"]))
    if problems:
        print("\n".join(problems))
        print("%d problems" % len(problems))
        return 1
    print("all questions are fine")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
