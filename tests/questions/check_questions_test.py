"""The content checker must refuse what would spoil a question for a child."""

import io
import os
import sys
import tempfile
import unittest
import wave

SOURCE = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
sys.path.insert(0, os.path.join(SOURCE, "tools", "content"))

import check_questions as check  # noqa: E402
import make_questions as make  # noqa: E402
from fragen import Question  # noqa: E402


def wav(seconds, rate=8000):
    out = io.BytesIO()
    with wave.open(out, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(b"\0\0" * int(seconds * rate))
    return out.getvalue()


class Giveaway(unittest.TestCase):
    def test_answer_words_in_the_question(self):
        cases = [  # question, right, wrong, words that give it away
            ("Wie heißt das Blechblasinstrument mit der Posaune?", "Posaune", ["Tuba", "Horn"], ["posaune"]),
            ("Wer sucht im Lied die Kokosnuss?", "Die Affen", ["Die Löwen"], []),
            ("Ist der zweite Ton höher oder tiefer?", "höher", ["tiefer", "gleich"], []),
            ("Welche Tonart hat ein Kreuz?", "G-Dur", ["F-Dur", "D-Dur"], []),
            ("Welches Lied besingt die freien Gedanken?", "Die Gedanken sind frei", ["Winter ade"], ["gedanken"]),
            ("Welches Werk zeigt eine Gemäldeausstellung?", "Bilder einer Ausstellung", ["Die Moldau"], ["ausstellung"]),
        ]
        for frage, right, wrong, expected in cases:
            with self.subTest(frage=frage):
                self.assertEqual(check.gives_answer_away(frage, right, wrong), expected)


class Spread(unittest.TestCase):
    def test_positions_against_an_even_share(self):
        even = [(4, k) for k in (1, 2, 3, 4) * 25]
        skewed = [(4, 1)] * 40 + [(4, k) for k in (2, 3, 4) * 20]
        self.assertEqual(check.spread_problems(even), [])
        self.assertEqual(len(check.spread_problems(skewed)), 4)
        # three-answer questions never put the answer at 4: position 4 is not owed anything by them
        self.assertEqual(check.spread_problems([(3, k) for k in (1, 2, 3) * 30]), [])


class SoundLength(unittest.TestCase):
    def test_wav_and_the_supplied_ogg(self):
        self.assertAlmostEqual(check.sound_seconds(wav(2.5)), 2.5, places=2)
        self.assertIsNone(check.sound_seconds(b"not a sound"))
        with open(os.path.join(SOURCE, "data", "appdata", "DATEN", "s_freude.ogg"), "rb") as f:
            self.assertAlmostEqual(check.sound_seconds(f.read()), 5.9, delta=0.3)


class WholeFolder(unittest.TestCase):
    """A question file written as the generator writes it, with faults planted."""

    def run_check(self, question, media):
        with tempfile.TemporaryDirectory() as tmp:
            daten = os.path.join(tmp, "DATEN")
            os.makedirs(daten)
            for name, data in media.items():
                with open(os.path.join(daten, name), "wb") as f:
                    f.write(data)
            make.place([question])
            with open(os.path.join(tmp, "Fragen 1.Dat"), "wb") as f:
                f.write(make.section(question))
            problems = check.check(tmp, tmp, minimum=False, made={"s_kurz.wav", "s_lang.wav"})[0]
        return "\n".join(problems)

    def test_planted_faults_are_reported(self):
        answers = [("+Geige", "gestrichen"), ("Harfe", "gezupft"), ("Trommel", "geschlagen")]
        cases = [  # grade, sound, picture, expected text or "" when the question is fine
            (30, "s_kurz.wav", "", ""),
            (95, "s_kurz.wav", "", "outside 10, 20 .. 90"),
            (30, "s_lang.wav", "", "more than 20"),
            (30, "s_kurz.wav", "fremd.gif", "no generator"),
            (30, "s_fehlt.wav", "", "no generator"),
        ]
        for grade, audio, bild, expected in cases:
            with self.subTest(grade=grade, audio=audio, bild=bild):
                q = Question("Hören", grade, "Welches Instrument hörst du?", list(answers), bild=bild, audio=audio,
                             nummer=100)
                media = {"s_kurz.wav": wav(3), "s_lang.wav": wav(21), "fremd.gif": b"GIF89a" + b"\0" * 20}
                problems = self.run_check(q, media)
                if expected:
                    self.assertIn(expected, problems)
                else:
                    self.assertEqual(problems, "")


if __name__ == "__main__":
    unittest.main()
