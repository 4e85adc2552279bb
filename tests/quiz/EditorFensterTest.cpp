// The editor face of the quiz window used as an author would: open it, write a
// question, mark the answer, attach media, save, test it in the game view, and
// the symbol chooser.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "questions/FragenEditor.h"
#include "questions/QuestionRecord.h"
#include "questions/WordIndex.h"
#include "quiz/MusicalWaehler.h"
#include "tests/quiz/QuizFenster.h"

using namespace cp1252::literals;

namespace {

struct EditorTest : quiz_test::QuizFenster {
    std::vector<std::string> modi, status;
    FragenEditor* ed = nullptr;
    std::string daten;

    void SetUp() override {
        QuizFenster::SetUp();
        daten = api->AppPfad() + "DATEN/";
        int hz = 300;  // each sound its own bytes
        for (const char* name : {"slot.wav", "sound.wav", "frage.wav", "Ja 1.wav", "Nein 1.wav"})
            quiz_test::schreibeWav(daten + name, 20, hz += 40);
        fragen::QuestionRecord r;
        r.Frage = "Vorhandene Frage";
        r.Antwort = {"", "a", "b", "c", "", ""};
        r.Bereich = "Klassik";
        fragen::FrageSpeichern(*api, 1, r);
        Musikquiz::Anbindung an;
        an.topIst = [this](int n) { modi.push_back("ist " + std::to_string(n)); };
        an.topWar = [this](int n) { modi.push_back("war " + std::to_string(n)); };
        an.statusText = [this](const std::string& s) { status.push_back(s); };
        laden(an)->resize(1280, 760);
        sound.abfragenBisEnde = 2;
        uhr.proAbfrage = 1.0;
        quiz->show();
        quiz->Erstellen_Click();
        ed = quiz->editor();
    }
    void TearDown() override {
        if (quiz) ed->FrageInEditorLaden();  // nothing left to ask about on closing
        QuizFenster::TearDown();
    }
    template <class T = QWidget>
    T* c(const QString& name) {
        T* w = ed->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    void schreiben(const QString& feld, const QString& text) {
        auto* f = c<Textfeld>(feld);
        f->setFocus();
        f->selectAll();
        f->insertPlainText(text);
    }
    void ausfuellen() {
        schreiben(QStringLiteral("FrageText"), QStringLiteral("Wer schrieb die Zauberflöte?"));
        const char* antworten[] = {"Bach", "Mozart", "Haydn"};
        for (int i = 1; i <= 3; ++i)
            schreiben(QStringLiteral("InputAntwort%1").arg(i), QString::fromUtf8(antworten[i - 1]));
        schreiben(QStringLiteral("InputErklärung2"), QStringLiteral("Richtig, 1791."));
        QTest::mouseClick(c<QLabel>(QStringLiteral("Label6_2")), Qt::LeftButton);
        c<QScrollBar>(QStringLiteral("InputSchwer"))->setValue(3);
        c<QComboBox>(QStringLiteral("cmbMusikbereich"))->setEditText(QStringLiteral("Oper"));
    }
    QColor farbe(const char* label) {
        return c<QLabel>(QString::fromUtf8(label))->palette().color(QPalette::WindowText);
    }
};

}  // namespace

TEST_F(EditorTest, WriteSaveAndFindAQuestion) {
    EXPECT_EQ(modi.back(), "ist 2");
    EXPECT_EQ(c<QLineEdit>(QStringLiteral("NummerText"))->text(), QStringLiteral("2"));
    EXPECT_TRUE(c<Textfeld>(QStringLiteral("FrageText"))->toPlainText().isEmpty());

    // An empty question: every missing part is marked at once.
    c<QPushButton>(QStringLiteral("Save"))->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Fehler bei Eingabe");
    for (const char* rot : {"Label1", "Label4_1", "Label5_1", "Schwierigkeit", "Label7", "Label4_3"})
        EXPECT_EQ(farbe(rot), QColor(255, 0, 0)) << rot;
    EXPECT_EQ(status.back(), " Frage wurde nicht abgespeichert! ");

    ausfuellen();
    EXPECT_EQ(c<QLabel>(QStringLiteral("Label6_2"))->palette().color(QPalette::WindowText),
              QColor(17, 238, 17));
    c<QPushButton>(QStringLiteral("Save"))->click();
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(status.back(), " Frage wurde als neu abgespeichert! ");
    for (const char* schwarz : {"Label1", "Label4_1", "Schwierigkeit"})
        EXPECT_EQ(farbe(schwarz), QColor(0, 0, 0));
    const fragen::QuestionRecord r = fragen::FrageLesen(*api, 2);
    EXPECT_EQ(r.Frage, "Wer schrieb die Zauberflöte?"_ansi);
    EXPECT_EQ(r.Lösung, 2);
    EXPECT_EQ(r.Problem, 30);
    EXPECT_EQ(r.Bereich, "Oper");
    EXPECT_EQ(c<QLineEdit>(QStringLiteral("NummerText"))->text(), QStringLiteral("3"));
    EXPECT_TRUE(fragen::EnthaeltNummer(api->IniLesen("IndexM.Ini", "M", "MOZART"), 2));

    // Found again by its number; the area list offers it.
    ed->neu_Click();
    auto* nummer = c<QLineEdit>(QStringLiteral("NummerText"));
    nummer->setText(QStringLiteral("2"));
    QTest::keyClick(nummer, Qt::Key_Return);
    EXPECT_EQ(c<Textfeld>(QStringLiteral("InputErklärung2"))->toPlainText(),
              QStringLiteral("Richtig, 1791."));
    EXPECT_GE(c<QComboBox>(QStringLiteral("cmbMusikbereich"))->findText(QStringLiteral("Oper")), 0);
}

// Leaving an edited question asks to discard it; closing during the test of an
// edited question asks to save it, and Cancel keeps the window.
TEST_F(EditorTest, LeavingOrClosingAnEditedQuestionAsksFirst) {
    schreiben(QStringLiteral("FrageText"), QStringLiteral("halb fertig"));
    dialogs.answers.push_back(dlg::No);
    ed->neu_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].text.find("Änderungen verwerfen?"_ansi), std::string::npos);
    EXPECT_EQ(c<Textfeld>(QStringLiteral("FrageText"))->toPlainText(), QStringLiteral("halb fertig"));
    dialogs.answers.push_back(dlg::Yes);
    c<QScrollBar>(QStringLiteral("HScroll2"))->setValue(1);
    EXPECT_EQ(c<Textfeld>(QStringLiteral("FrageText"))->toPlainText(), QStringLiteral("Vorhandene Frage"));

    ed->neu_Click();  // nothing changed: nothing is asked
    ausfuellen();
    quiz->testen_Click();  // the main window's Start in editor mode
    ASSERT_TRUE(quiz->ablauf().Testmodus);
    ASSERT_EQ(dialogs.messages.size(), 2u);  // the two about discarding
    dialogs.messages.clear();
    dialogs.answers = {dlg::Cancel};
    quiz->close();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].text.find("Änderungen speichern?"_ansi), std::string::npos);
    EXPECT_TRUE(quiz->isVisible());
    EXPECT_TRUE(fragen::FrageLesen(*api, 2).Frage.empty());
    dialogs.answers.push_back(dlg::Yes);
    quiz->close();
    EXPECT_FALSE(quiz->isVisible());
    EXPECT_EQ(fragen::FrageLesen(*api, 2).Frage, "Wer schrieb die Zauberflöte?"_ansi);
}

TEST_F(EditorTest, PicturesSoundsAndMusicSymbols) {
    quiz_test::bildSchreiben(daten + "bach.png", 80, 40, Qt::darkRed);
    quiz_test::bildSchreiben(home.root() + "Eigene Bilder/oma.png", 80, 40, Qt::darkRed);
    quiz_test::schreibeWav(home.root() + "lied.wav", 20, 700);
    const std::string liedInhalt = fsys::readAll(home.root() + "lied.wav").value_or("");

    dialogs.files = {daten + "bach.png", home.root() + "Eigene Bilder/oma.png", "", home.root() + "lied.wav",
                     ""};
    schreiben(QStringLiteral("InputMusical"), QStringLiteral("ABC"));
    QTest::mouseClick(c<QLabel>(QStringLiteral("BildBox")), Qt::LeftButton);  // slot 0 empties the symbols
    EXPECT_TRUE(c<Textfeld>(QStringLiteral("InputMusical"))->toPlainText().isEmpty());
    EXPECT_TRUE(c<QLabel>(QStringLiteral("InputBild0"))->isVisible());
    EXPECT_EQ(dialogs.fileRequests[0].title, "Bild hinzuufügen"_ansi);
    QTest::mouseClick(c<QLabel>(QStringLiteral("AntwortBildBox")), Qt::LeftButton);
    EXPECT_EQ(fsys::readAll(api->AppPfad() + "Back/oma.png"), fsys::readAll(daten + "oma.png"));
    QTest::mouseClick(c<QLabel>(QStringLiteral("AntwortBildBox")), Qt::LeftButton);  // cancelled
    c<QPushButton>(QStringLiteral("InputAudio"))->click();
    ASSERT_FALSE(sound.gespielt.empty());
    EXPECT_EQ(sound.gespielt.back(), liedInhalt);
    c<QPushButton>(QStringLiteral("InputAudio"))->click();  // cancelled
    EXPECT_EQ(c<QLabel>(QStringLiteral("AudioName"))->text(), QStringLiteral("lied.wav"));

    fragen::QuestionRecord r = ed->eingabe();
    EXPECT_EQ(r.Bild, "bach.png");
    EXPECT_EQ(r.Bild2, "oma.png");
    EXPECT_EQ(r.Audio, "lied.wav");
    schreiben(QStringLiteral("InputMusical"), QStringLiteral("D"));  // symbols empty slot 0
    EXPECT_EQ(ed->eingabe().Bild, "");
    EXPECT_FALSE(c<QLabel>(QStringLiteral("InputBild0"))->isVisible());
}

// A recording saved outside the data folder is played in the editor's test of
// the question: shown in the game view without slot or draw, judged, and the next
// input goes back to the editor with the question as it was.
TEST_F(EditorTest, ARecordingSavedOutsideTheDataFolderIsPlayedInTheTest) {
    ausfuellen();
    const std::string ziel = home.root() + "Meine Aufnahmen/Oma singt";
    fsys::makeFolders(home.root() + "Meine Aufnahmen");
    dialogs.files = {ziel};
    c<QPushButton>(QStringLiteral("Mikro"))->click();
    EXPECT_TRUE(c<QLabel>(QStringLiteral("Aufnahme"))->isVisible());
    EXPECT_TRUE(c<QPushButton>(QStringLiteral("Mikro"))->isHidden());
    c<QPushButton>(QStringLiteral("StopKnopf"))->click();
    EXPECT_FALSE(c<QPushButton>(QStringLiteral("Mikro"))->isHidden());
    EXPECT_EQ(c<QLabel>(QStringLiteral("AudioName"))->text(), QStringLiteral("Oma singt.wav"));
    const auto aufnahme = fsys::readAll(daten + "Oma singt.wav");
    ASSERT_TRUE(aufnahme);
    EXPECT_EQ(aufnahme, fsys::readAll(ziel + ".wav"));

    c<QPushButton>(QStringLiteral("testen"))->click();
    EXPECT_EQ(fragen::FrageLesen(*api, 999).Audio, "Oma singt.wav");
    ASSERT_TRUE(QTest::qWaitFor([&] { return quiz->spiel().phase() == quiz::Phase::Frage; }, 10000));
    EXPECT_TRUE(quiz->ablauf().Testmodus);
    EXPECT_EQ(quiz->ziehung().Runde, 0);
    EXPECT_EQ(quiz->ziehung().FrageNummer, 999);
    EXPECT_EQ(control("zähler")->property("Ziffern").toString(), QStringLiteral("999"));
    EXPECT_TRUE(control<QWidget>("Editor")->isHidden());
    const auto& gespielt = sound.gespielt;
    EXPECT_NE(std::find(gespielt.begin(), gespielt.end(), *aufnahme), gespielt.end());
    EXPECT_EQ(std::find(gespielt.begin(), gespielt.end(), fsys::readAll(daten + "slot.wav")), gespielt.end());
    quiz->spiel().AntwortGewaehlt(2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return quiz->spiel().phase() == quiz::Phase::Erledigt; }, 10000));
    quiz->spiel().Weiterklick();
    EXPECT_FALSE(quiz->ablauf().Testmodus);
    EXPECT_FALSE(control<QWidget>("Editor")->isHidden());
    EXPECT_TRUE(control("Antwort1")->isHidden());
    EXPECT_EQ(c<Textfeld>(QStringLiteral("FrageText"))->toPlainText(),
              QStringLiteral("Wer schrieb die Zauberflöte?"));
    EXPECT_EQ(modi.back(), "ist 2");
}

TEST_F(EditorTest, InsertKeyPutsTheChosenSymbolAtTheCaret) {
    schreiben(QStringLiteral("FrageText"), QStringLiteral("abcdef"));
    auto* f = c<Textfeld>(QStringLiteral("FrageText"));
    QTextCursor cur = f->textCursor();
    cur.setPosition(3);
    f->setTextCursor(cur);
    QTimer::singleShot(0, [] {
        auto* w = qobject_cast<MusicalWaehler*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        QTest::mouseClick(w->findChild<QLabel*>(QStringLiteral("Label1_65")), Qt::LeftButton);
    });
    QTest::keyClick(f, Qt::Key_Insert);
    EXPECT_EQ(f->toPlainText(), QStringLiteral("abcAdef"));
    // Closed with its close box: nothing goes in.
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    QTest::keyClick(f, Qt::Key_Insert);
    EXPECT_EQ(f->toPlainText(), QStringLiteral("abcAdef"));
}

TEST(MusicalWaehler, ShowsTheFontsCharactersAndKeepsTheTableOfAFont) {
    MusicalWähler w;
    for (const char* font : {"DejaVu Sans", "MusicalSymbols"}) {
        QTimer::singleShot(0, [&w] {
            QTest::mouseClick(w.findChild<QLabel*>(QStringLiteral("Label1_65")), Qt::LeftButton);
        });
        EXPECT_EQ(w.Sign(font, 20), "A") << font;
        auto* zelle = w.findChild<QLabel*>(QStringLiteral("Label1_65"));
        EXPECT_EQ(zelle->font().family(), QString::fromUtf8(font));
        EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("Label2_65"))->text(), QStringLiteral("65"));
    }
    EXPECT_TRUE(w.findChild<QLabel*>(QStringLiteral("Label1_31"))->isHidden());
    w.TabelleAufbauen("MusicalSymbols", 40);
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("Label1_65"))->font().pointSize(), 20);
}
