// The quiz window driven as a player would: start, age, slot, question, answers
// by key and click, and closing at the awkward moments.

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <filesystem>
#include <map>

#include "questions/QuestionRecord.h"
#include "shell/MDI.h"
#include "tests/quiz/QuizFenster.h"

using namespace cp1252::literals;
using quiz_test::position;
using quiz_test::text;

namespace {

quiz::Farbe hintergrund(const QLabel* l) {
    return quiz_test::farbe(l, QPalette::Window);
}
quiz::Farbe schrift(const QLabel* l) {
    return quiz_test::farbe(l, QPalette::WindowText);
}

struct SpielTest : quiz_test::QuizFenster {
    std::vector<std::pair<int, bool>> knoepfe;
    std::vector<std::string> modi;
    std::map<std::string, std::string> klang;  // file contents -> sound name
    std::string daten;

    void SetUp() override {
        QuizFenster::SetUp();
        daten = api->AppPfad() + "DATEN/";
        for (const char* name :
             {"slot.wav", "sound.wav", "frage.wav", "Ja 1.wav", "Nein 1.wav", "Nein 2.wav"})
            wav(name);
        for (int i = 0; i < 10; ++i) bild("counter" + std::to_string(i) + ".gif", 16, 24);
        bild("bild.jpg", 60, 40);
        bild("loesung.jpg", 50, 50);
        sound.abfragenBisEnde = 2;
        // The nine-year-old would hear every question read; these tests listen
        // to the game's own sounds.
        quiz::AutomatischVorlesenSetzen(*api, false);
        kontext.setModalSkript([](QDialog& w) {
            w.findChild<QLineEdit*>(QStringLiteral("txtAlter"))->setText(QStringLiteral("9"));
            w.findChild<QPushButton*>(QStringLiteral("Start"))->click();
        });
    }
    void wav(const std::string& name) {
        static int hz = 300;
        hz += 40;
        quiz_test::schreibeWav(daten + name, 20, hz);
        klang[fsys::readAll(daten + name).value_or("")] = name;
    }
    void bild(const std::string& name, int w, int h) { quiz_test::bildSchreiben(daten + name, w, h); }
    void frage(int n, int problem, int loesung, int antworten, const std::string& bild = {},
               const std::string& audio = {}, const std::string& musical = {}) {
        fragen::QuestionRecord r;
        r.Frage = "Frage " + std::to_string(n) + " über Musik?"_ansi;
        for (int i = 1; i <= antworten; ++i) {
            r.Antwort[size_t(i)] = "A" + std::to_string(i);
            r.Erklärung[size_t(i)] = "E" + std::to_string(i) + " von " + std::to_string(n);
        }
        r.Lösung = loesung;
        r.Bild = bild;
        r.Bild2 = bild.empty() ? "" : "loesung.jpg";
        r.Audio = audio;
        r.Musical = musical;
        r.Bereich = "Klassik";
        r.Problem = std::int16_t(problem);
        fragen::FrageSpeichern(*api, n, r);
    }

    Musikquiz* laden() {
        Musikquiz::Anbindung an = kontext.quizAnbindung();
        an.toolButton = [this](int i, bool v) { knoepfe.emplace_back(i, v); };
        an.topIst = [this](int n) { modi.push_back("ist " + std::to_string(n)); };
        an.topWar = [this](int n) { modi.push_back("war " + std::to_string(n)); };
        return QuizFenster::laden(an);
    }
    std::vector<std::string> gespielt() const {
        std::vector<std::string> namen;
        for (const auto& inhalt : sound.gespielt) {
            auto it = klang.find(inhalt);
            namen.push_back(it == klang.end() ? "?" : it->second);
        }
        return namen;
    }
    bool gezeigt(int knopf) const {
        for (auto it = knoepfe.rbegin(); it != knoepfe.rend(); ++it)
            if (it->first == knopf) return it->second;
        return false;
    }
};

}  // namespace

// One game on two questions: the loaded window waiting for the start, a wrong
// then a right answer by key, the next question by key, and that one answered
// wrongly twice. (The level and the block each answer gives are pinned where
// answers are judged: Bewertung.*.)
TEST_F(SpielTest, WholeGame) {
    frage(5, 20, 2, 3, "bild.jpg", "frage.wav");
    frage(7, 30, 3, 5, "", "", "&%");
    api->ProtokollAn(true);
    laden();
    EXPECT_TRUE(MelvatoBasic::SoundOk);
    EXPECT_EQ(text(control("Frage")), "Klicke auf Spiel starten");
    EXPECT_TRUE(control("Antwort1")->isHidden());
    EXPECT_TRUE(control<QWidget>("frmNeueFrage")->isHidden());
    EXPECT_EQ(quiz->ziehung().Niveau, 20.0);
    EXPECT_EQ(quiz->AnzahlFragen(false, false), 2);
    EXPECT_EQ(control<QScrollBar>("HScroll2")->value(), 1);
    EXPECT_TRUE(modi.empty());  // loaded hidden: the main window keeps its mode
    EXPECT_TRUE(quiz->windowTitle().endsWith(QString::fromStdString(ApiClass::Version())));
    // Question 5 (3 away from level 23) is accepted at once; the no-voice is number 2.
    zufall.werte = {position(1, 2), 0.5f};
    quiz->Starten_Click();
    bisFrage();
    // The activity log tells how far load, start and the first question came.
    const std::string log = testing_support::readFile(api->LogDatei());
    size_t ab = 0;
    for (const std::string zeile :
         {"QuizFormload 1", "QuizFormload 2      nur Teil: False", "QuizFormload 10",
          "Starten Klick nach Me.Show", "Starten Klick nach Alter.Show", "Sound  0 spielen: slot.wav",
          "Next Quiz: 5\r\n", "Sound  1 spielen: sound.wav"}) {
        const size_t pos = log.find(zeile, ab);
        ASSERT_NE(pos, std::string::npos) << "missing or out of order: " << zeile;
        ab = pos + zeile.size();
    }

    EXPECT_EQ(quiz->ziehung().FrageNummer, 5);
    ASSERT_FALSE(modi.empty());
    EXPECT_EQ(modi.front(), "ist 1");  // shown by the start
    EXPECT_EQ(quiz->ziehung().Runde, 1);
    EXPECT_EQ(quiz->ziehung().Gesperrt[5], 0);  // the first question of a game carries no block
    EXPECT_FALSE(quiz->ZählerLäuft);
    EXPECT_EQ(control("zähler")->property("Ziffern").toString(), QStringLiteral("005"));
    // Tool button 0 was hidden while the counter rolled and is back once it stopped.
    const auto knopf0 = std::find(knoepfe.begin(), knoepfe.end(), std::make_pair(0, false));
    ASSERT_NE(knopf0, knoepfe.end());
    EXPECT_NE(std::find(knopf0, knoepfe.end(), std::make_pair(0, true)), knoepfe.end());
    EXPECT_TRUE(gezeigt(0));
    EXPECT_FALSE(gezeigt(7));  // no next question before an answer
    EXPECT_TRUE(control<QWidget>("frmNeueFrage")->isHidden());
    EXPECT_EQ(text(control("Frage")), "Frage 5 über Musik?"_ansi);
    EXPECT_EQ(text(control("Antwort2")), " A2");
    EXPECT_FALSE(control("Antwort3")->isHidden());
    EXPECT_TRUE(control("Antwort4")->isHidden() && control("Press4")->isHidden());
    EXPECT_EQ(text(control("lblGrad")), "Problemlos");  // 20 - 23
    EXPECT_EQ(text(control("lblGebiet")), "Klassik");
    EXPECT_FALSE(control("Bild")->isHidden());
    EXPECT_FALSE(control("Bild")->pixmap().isNull());
    // At its natural size (60 x 40), 150 twips from the frame's right edge, and the
    // question text (from 150 twips) ends 150 twips before it.
    const QWidget* rahmen = control<QWidget>("Rahmen");
    EXPECT_EQ(control("Bild")->geometry(), QRect(rahmen->width() - 70, control("Bild")->y(), 60, 40));
    EXPECT_NEAR(control("Bild")->y(), (rahmen->height() - 40) / 2, 1);
    EXPECT_EQ(control("Frage")->width(), rahmen->width() - 70 - 10 - 10);
    EXPECT_TRUE(control("MusicalText")->isHidden());
    EXPECT_EQ(gespielt(), (std::vector<std::string>{"slot.wav", "sound.wav", "frage.wav"}));
    // A larger window: the picture keeps to the right edge of the larger frame.
    quiz->resize(1200, 800);
    EXPECT_EQ(control("Bild")->x(), rahmen->width() - 70);
    EXPECT_EQ(control("Frage")->width(), rahmen->width() - 70 - 10 - 10);

    zufall.werte = {0.9f};
    taste('1');
    EXPECT_EQ(hintergrund(control("Antwort1")), quiz::kHellrot);
    EXPECT_EQ(text(control("Answer")), "Leider nicht richtig:\r\n\r\nE1 von 5\r\nProbier es noch einmal!");
    EXPECT_EQ(schrift(control("Answer")), quiz::kDunkelrot);
    EXPECT_FALSE(control("Answer")->isHidden());
    EXPECT_FALSE(quiz->offeneFrage().Beantwortet);

    taste('2');
    EXPECT_EQ(hintergrund(control("Antwort2")), quiz::kHellgruen);
    EXPECT_EQ(hintergrund(control("Antwort1")), quiz::kHellrot);
    EXPECT_EQ(schrift(control("Frage")), quiz::kGrau);
    EXPECT_EQ(text(control("Answer")), "Ja, richtig: \r\n\r\nE2 von 5");
    EXPECT_EQ(schrift(control("Answer")), quiz::kDunkelgruen);
    EXPECT_TRUE(quiz->offeneFrage().Beantwortet);
    EXPECT_TRUE(gezeigt(7));
    // Right at level 23.0: (23 + 80) / 5 - 5 = 15.6.
    EXPECT_NE(testing_support::readFile(api->AppPfad() + "Fragen 0.Dat").find("Problem=16\r\n"),
              std::string::npos);

    // Question 5 is blocked in turn 2, so the draw goes on to question 7.
    zufall.werte = {position(1, 2), position(2, 2), 0.5f, 0.1f, 0.1f};
    taste('3');
    bisFrage();
    EXPECT_EQ(quiz->ziehung().Runde, 2);
    EXPECT_EQ(quiz->ziehung().FrageNummer, 7);
    EXPECT_EQ(control("zähler")->property("Ziffern").toString(), QStringLiteral("007"));
    EXPECT_FALSE(control("MusicalText")->isHidden());
    EXPECT_EQ(text(control("MusicalText")), "&%");
    EXPECT_EQ(control("MusicalText")->font().family(), QStringLiteral("MusicalSymbols"));
    EXPECT_EQ(control("MusicalText")->geometry().right() + 1, control<QWidget>("Rahmen")->width() - 10);
    EXPECT_EQ(control("Frage")->width(), control("MusicalText")->x() - 10 - 10);
    EXPECT_TRUE(control("Bild")->isHidden());  // the last question's picture is gone
    EXPECT_FALSE(gezeigt(8));                  // no question sound
    EXPECT_EQ(schrift(control("Frage")), quiz::kSchwarz);
    EXPECT_EQ(hintergrund(control("Antwort1")), quiz::kWeiss);

    taste('1');
    taste('1');  // the same wrong answer again is the second wrong answer
    EXPECT_TRUE(quiz->offeneFrage().Beantwortet);
    EXPECT_EQ(text(control("Answer")), "Leider nicht richtig:\r\n\r\nE1 von 7\r\n\r\nE3 von 7");
    EXPECT_EQ(hintergrund(control("Antwort3")), quiz::kHellgruen);
    // Wrong at level 23.8: (23.8 + 120) / 5 + 5 = 33.76.
    EXPECT_EQ(api->IniLesen(fragen::FragenDatei(7), fragen::QuizSektion(7), "Problem"), "34");
    EXPECT_EQ(gespielt(),
              (std::vector<std::string>{"slot.wav", "sound.wav", "frage.wav", "Nein 2.wav", "Ja 1.wav",
                                        "slot.wav", "sound.wav", "Nein 1.wav", "Nein 1.wav"}));

    quiz->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(quiz.isNull());
    EXPECT_EQ(sound.closeAufrufe, 1);
    EXPECT_EQ(modi.back(), "war 1");
    for (const char* f : {"Now0.Wav", "Now1.Wav", "Now.JPG"}) EXPECT_FALSE(fsys::fileExists(daten + f)) << f;
}

TEST_F(SpielTest, WithoutSoundDeviceTheSlotIsSilent) {
    frage(5, 20, 2, 3, "bild.jpg", "frage.wav");
    sound.initOk = false;
    uhr.proAbfrage = 0.05;
    laden();
    EXPECT_EQ(dialogs.messages.size(), 1u);  // its text: TonEcht.NoDeviceLeavesTheGameSilent
    EXPECT_FALSE(MelvatoBasic::SoundOk);
    const double start = uhr.zeit;
    quiz->Starten_Click();
    bisFrage();
    EXPECT_EQ(quiz->ziehung().FrageNummer, 5);
    EXPECT_TRUE(control<QWidget>("frmNeueFrage")->isHidden());
    EXPECT_TRUE(sound.stroeme.empty());
    EXPECT_GE(uhr.zeit - start, 3.0);  // the silent slot's three seconds
    EXPECT_LT(uhr.zeit - start, 55.0);
    taste('2');
    EXPECT_TRUE(quiz->offeneFrage().Beantwortet);
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(SpielTest, MissingPictureAndSoundsShowNothingAndSayNothing) {
    frage(5, 20, 2, 3, "fehlt.jpg", "fehlt.wav");
    fsys::remove(daten + "sound.wav");  // the jingle is gone too: the reveal ends by its limit
    uhr.proAbfrage = 0.05;
    laden();
    quiz->Starten_Click();
    bisFrage();
    EXPECT_EQ(quiz->ziehung().FrageNummer, 5);
    EXPECT_TRUE(control("Bild")->isHidden());
    EXPECT_TRUE(control<QWidget>("frmNeueFrage")->isHidden());
    EXPECT_EQ(gespielt(), std::vector<std::string>{"slot.wav"});
    EXPECT_FALSE(gezeigt(8));
    EXPECT_TRUE(dialogs.messages.empty());
    taste('2');
    EXPECT_FALSE(control("Bild")->isHidden());  // the solution picture has its own file
}

// Any mouse button answered, on the press, and a double-click counted twice: a
// wrong one used up the second try and settled the question. Only the keys 1 to
// 5 answer (a shown answer), and none while the editor is on show.
TEST_F(SpielTest, AnswerIsTakenOnceOnTheLeftButtonsReleaseOrByItsKey) {
    frage(5, 20, 2, 3);
    laden();
    using E = QEvent::Type;
    using quiz::Phase;
    const QPointF innen(5, 5), aussen(-5, 5);
    struct Schritt {
        E art;
        Qt::MouseButton knopf;
        QPointF wo;
    };
    const auto klick = [&](Qt::MouseButton k, QPointF los) {
        return std::vector<Schritt>{{E::MouseButtonPress, k, innen}, {E::MouseButtonRelease, k, los}};
    };
    struct Fall {
        const char* was;
        std::vector<Schritt> maus;
        const char* tasten;
        bool editor;
        Phase nachher;
    };
    const Fall faelle[] = {
        {"right click", klick(Qt::RightButton, innen), "", false, Phase::Frage},
        {"middle click", klick(Qt::MiddleButton, innen), "", false, Phase::Frage},
        {"left press alone", {{E::MouseButtonPress, Qt::LeftButton, innen}}, "", false, Phase::Frage},
        {"left released elsewhere", klick(Qt::LeftButton, aussen), "", false, Phase::Frage},
        {"left click", klick(Qt::LeftButton, innen), "", false, Phase::ZweiterVersuch},
        {"left double-click",
         {{E::MouseButtonPress, Qt::LeftButton, innen},
          {E::MouseButtonRelease, Qt::LeftButton, innen},
          {E::MouseButtonDblClick, Qt::LeftButton, innen},
          {E::MouseButtonRelease, Qt::LeftButton, innen}},
         "",
         false,
         Phase::ZweiterVersuch},
        {"keys outside 1 to 5, and 5 of three answers", {}, "06a5", false, Phase::Frage},
        {"key while editing", {}, "3", true, Phase::Frage},
        {"key", {}, "3", false, Phase::ZweiterVersuch},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        quiz->Starten_Click();
        bisFrage();
        control<QWidget>("Editor")->setVisible(f.editor);
        QLabel* falsch = control("Antwort1");
        for (const Schritt& s : f.maus) {
            const Qt::MouseButtons gedrueckt = s.art == E::MouseButtonRelease ? Qt::NoButton : s.knopf;
            QMouseEvent e(s.art, s.wo, falsch->mapToGlobal(s.wo), s.knopf, gedrueckt, Qt::NoModifier);
            QApplication::sendEvent(falsch, &e);
        }
        for (const char* t = f.tasten; *t; ++t) taste(*t);
        control<QWidget>("Editor")->hide();
        EXPECT_EQ(quiz->spiel().phase(), f.nachher);
        EXPECT_EQ(control("Answer")->isHidden(), f.nachher == Phase::Frage);
    }
}

// Left to its default, a nine-year-old hears the question after its sound and
// then the answers; the key L reads them again, and the close stops the reading
// and takes its files away.
TEST_F(SpielTest, YoungPlayerHearsTheQuestionAndAnswersAndLReadsAgain) {
    api->IniSchreiben("", "ProfilParameter", "FragenVorlesen", "");
    frage(5, 20, 2, 3, "", "frage.wav");
    laden();
    std::vector<std::string> gelesen;
    QObject::connect(&quiz->vorleser(), &quiz::Vorleser::stueckBeginnt,
                     [&](const std::string& t) { gelesen.push_back(cp1252::toUtf8(t)); });
    quiz->Starten_Click();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            uhr.zeit += 0.05;
            return gelesen.size() == 4 && !quiz->vorleser().liest();
        },
        10000));
    EXPECT_EQ(gelesen.front(), "Frage 5 über Musik?");
    EXPECT_EQ(gelesen.back(), "Antwort drei: A3");
    taste('l');
    ASSERT_EQ(gelesen.size(), 5u);
    EXPECT_EQ(gelesen.back(), "Frage 5 über Musik?");
    const std::string datei =
        "Melvato-Vorlesen-" + std::to_string(QCoreApplication::applicationPid()) + "-0.wav";
    const std::string temp = fsys::fromNative(std::filesystem::temp_directory_path()) + "/";
    EXPECT_TRUE(fsys::fileExists(temp + datei));
    quiz->close();
    EXPECT_FALSE(quiz->vorleser().liest());
    EXPECT_FALSE(fsys::fileExists(temp + datei));
}

// A close while the counter rolls is refused and the game goes on; a close during
// the reveal ends the game at once: nothing waits for the jingle, and the
// question's own sound never starts.
TEST_F(SpielTest, ClosingIsRefusedWhileTheCounterRollsAndEndsTheGameDuringTheReveal) {
    frage(5, 20, 2, 3, "", "frage.wav");
    frage(7, 20, 2, 3, "", "frage.wav");
    laden();
    std::string schliessenBei = "slot.wav";
    int versuche = 0;
    bool geschlossen = true;
    sound.beimOeffnen = [&](const std::string& inhalt) {
        if (klang[inhalt] != schliessenBei) return;
        ++versuche;
        QTimer::singleShot(0, [&] { geschlossen = quiz->close(); });
    };
    quiz->Starten_Click();
    bisFrage();
    EXPECT_EQ(versuche, 1);
    EXPECT_FALSE(geschlossen);
    ASSERT_FALSE(quiz.isNull());
    EXPECT_TRUE(control<QWidget>("frmNeueFrage")->isHidden());
    EXPECT_EQ(sound.closeAufrufe, 0);

    taste('2');
    schliessenBei = "sound.wav";
    sound.gespielt.clear();
    taste('1');
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            uhr.zeit += 0.0625;
            return quiz.isNull();
        },
        10000));
    EXPECT_TRUE(geschlossen);
    EXPECT_EQ(sound.closeAufrufe, 1);
    EXPECT_EQ(gespielt(), (std::vector<std::string>{"slot.wav", "sound.wav"}));
}

// An empty pool is told and starts nothing; with a question, "Ende" in the age
// question closes the window. (Without the editor on show its test button starts
// a game as the start button does.)
TEST_F(SpielTest, EmptyPoolOrCancelledAgeStartsNoGame) {
    laden();
    quiz->Starten_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].text.find("keine Fragen"), std::string::npos);
    EXPECT_TRUE(control<QWidget>("frmNeueFrage")->isHidden());
    EXPECT_EQ(quiz->ziehung().Runde, 0);
    EXPECT_EQ(text(control("Frage")), "Klicke auf Spiel starten");

    frage(5, 20, 2, 3);
    EXPECT_EQ(quiz->AnzahlFragen(true, false), 1);
    kontext.setModalSkript([](QDialog& w) { w.findChild<QPushButton*>(QStringLiteral("cmdEnde"))->click(); });
    quiz->testen_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(quiz.isNull());
    EXPECT_TRUE(sound.stroeme.empty());
}

// The window as the program holds it: inside the main window's frame, with the
// real sound layer on the dummy device, closed through its frame.
TEST_F(SpielTest, PlaysInsideTheMainWindowAndClosesThroughItsFrame) {
    frage(5, 20, 2, 3, "bild.jpg", "frage.wav");
    MDI mdi(kontext);
    mdi.resize(1000, 700);
    mdi.show();
    Musikquiz* q = kontext.musikquiz();
    quiz = q;
    q->findChild<QTimer*>(QStringLiteral("Soundtimer"))->setInterval(1);
    ASSERT_TRUE(MelvatoBasic::SoundOk);
    q->Starten_Click();
    bisFrage();
    EXPECT_EQ(q->ziehung().FrageNummer, 5);
    EXPECT_FALSE(q->offeneFrage().Beantwortet);
    EXPECT_EQ(MelvatoBasic::FensterModus, 1);
    QTest::keyClick(q, '2');
    EXPECT_TRUE(q->offeneFrage().Beantwortet);

    auto* rahmen = qobject_cast<QMdiSubWindow*>(q->parentWidget());
    ASSERT_NE(rahmen, nullptr);
    rahmen->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(quiz.isNull());
    EXPECT_EQ(kontext.musikquizIfLoaded(), nullptr);
    EXPECT_FALSE(MelvatoBasic::SoundOk);
    EXPECT_TRUE(mdi.isVisible());
}
