// The game view stays readable on every supplied question: question text and
// explanations are never squeezed by a picture nor cut off at the frame's edge.
#include <QFontMetrics>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <climits>
#include <cstdlib>

#include "questions/Media.h"
#include "questions/QuestionRecord.h"
#include "quiz/Anzeige.h"
#include "shell/MDI.h"
#include "tests/quiz/QuizFenster.h"

namespace {

struct LesbarTest : quiz_test::QuizFenster {
    std::vector<fragen::QuestionRecord> fragen;

    void SetUp() override {
        namespace fs = std::filesystem;
        QuizFenster::SetUp();
        fs::copy(MELVATO_DATA_DIR "/appdata", fsys::native(api->AppPfad()),
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        fragen::setInstallationsPfad(MELVATO_DATA_DIR "/install/");
        fsys::clearResolveCache();
        for (std::int32_t n = 100; n <= fragen::kLetzteFrage; ++n)
            if (fragen::FrageVorhanden(*api, n)) fragen.push_back(fragen::FrageLesen(*api, n));
        sound.abfragenBisEnde = 1;
        uhr.proAbfrage = 1.0;  // the reveal's three seconds pass in a few readings

        Musikquiz::Anbindung an;
        an.alterLevel = [] { return 30; };
        an.toolButton = [](int, bool) {};
        an.topIst = [](int) {};
        an.topWar = [](int) {};
        laden(an);
    }
    void TearDown() override {
        QuizFenster::TearDown();
        fragen::setInstallationsPfad({});
    }

    void groesse(int w, int h) {
        quiz->resize(w, h);
        quiz->show();
        QCoreApplication::processEvents();
    }
    // Shows question n as the editor's test does: no slot, the reveal's wait on the clock.
    void zeigen(std::int32_t n) {
        quiz->FrageTesten(n);
        bisFrage();
        ASSERT_EQ(quiz->ziehung().FrageNummer, n);
    }
    void taste(int k) { QuizFenster::taste(char('0' + k)); }
    // With MELVATO_BILDER set to a folder, the window is saved there as a picture
    // to look at.
    void bildSpeichern(const std::string& name) {
        if (const char* ordner = std::getenv("MELVATO_BILDER"))
            quiz->grab().save(QString::fromStdString(std::string(ordner) + "/" + name + ".png"));
    }
    // The wrong answers of r, the one with the longest explanation first.
    static std::vector<int> falscheNachLaenge(const fragen::QuestionRecord& r) {
        std::vector<int> falsch;
        for (int i = 1; i <= 5; ++i)
            if (i != r.Lösung && !r.Antwort[size_t(i)].empty()) falsch.push_back(i);
        std::stable_sort(falsch.begin(), falsch.end(), [&](int a, int b) {
            return r.Erklärung[size_t(a)].size() > r.Erklärung[size_t(b)].size();
        });
        return falsch;
    }
};

// The widget's rectangle in the coordinates of `bezug`, an ancestor (the
// explanation sits in a scroll area of its own inside the frame).
QRect gesehenIn(const QWidget* w, const QWidget* bezug) {
    return QRect(w->mapTo(bezug, QPoint(0, 0)), w->size());
}

// A shown control lies wholly inside the frame or the window: what leaves it is cut off.
::testing::AssertionResult liegtIn(const QWidget* w, const QWidget* bezug) {
    if (!w->isVisibleTo(bezug)) return ::testing::AssertionSuccess();
    const QRect g = gesehenIn(w, bezug);
    if (bezug->rect().contains(g)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << w->objectName().toStdString() << " " << g.x() << "," << g.y() << " " << g.width() << "x"
           << g.height() << " leaves " << bezug->objectName().toStdString() << " " << bezug->width() << "x"
           << bezug->height();
}

// The word-wrapped text needs no more room than its label has.
::testing::AssertionResult passtHinein(const QLabel* l) {
    const QRect noetig = QFontMetrics(l->font()).boundingRect(QRect(0, 0, l->width(), INT_MAX),
                                                              Qt::TextWordWrap | l->alignment(), l->text());
    if (noetig.height() <= l->height() && noetig.width() <= l->width()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << l->objectName().toStdString() << " needs " << noetig.width() << "x" << noetig.height()
           << " but has " << l->width() << "x" << l->height() << " for: " << l->text().toStdString();
}

// Every control the game view shows, the explanation by its scroll area.
const char* const kSpielControls[] = {"imgRahmen",     "Rahmen",   "Frage",     "Bild",     "MusicalText",
                                      "AnswerBereich", "Antwort1", "Antwort2",  "Antwort3", "Antwort4",
                                      "Antwort5",      "Press1",   "Press2",    "Press3",   "Press4",
                                      "Press5",        "lblGrad",  "lblGebiet", "zähler"};

// One line of text, wholly readable in its label.
::testing::AssertionResult zeileLesbar(const QLabel* l) {
    const QFontMetrics fm(l->font());
    if (fm.height() <= l->height() && fm.horizontalAdvance(l->text()) <= l->width())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << l->objectName().toStdString() << " " << l->width() << "x"
                                         << l->height() << " too small for: " << l->text().toStdString();
}

}  // namespace

// Every supplied question at the sizes the game is played at: the window's own
// first size, a laptop screen and a full-HD screen, and (every fifth question)
// the main window's first sizes on small laptop screens. Faults this caught: a
// wide line of notes left the question a column of a few letters; an
// explanation ran past the frame's bottom edge; the subject label and the
// counter's digits ran off the window's bottom edge below the staircase.
TEST_F(LesbarTest, SuppliedQuestionsStayReadableAtEverySize) {
    ASSERT_GT(fragen.size(), 50u);
    struct Groesse {
        int w, h;
        bool klein;  // every fifth question, and the explanation may scroll
    };
    for (const Groesse& g : {Groesse{900, 640, false}, Groesse{1280, 800, false}, Groesse{1920, 1080, false},
                             Groesse{1024, 640, true}, Groesse{1093, 560, true}, Groesse{1024, 560, true},
                             Groesse{1024, 520, true}}) {
        groesse(g.w, g.h);
        ASSERT_EQ(quiz->size(), QSize(g.w, g.h));
        const QWidget* rahmen = control<QWidget>("Rahmen");
        const QLabel* frage = control("Frage");
        const QLabel* bild = control("Bild");
        const QLabel* answer = control("Answer");
        // What must hold whatever the game shows: nothing cut off by the window,
        // the labels below the staircase readable, the counter's digits whole.
        const auto imGanzen = [&] {
            for (const char* name : kSpielControls) EXPECT_TRUE(liegtIn(control<QWidget>(name), quiz));
            EXPECT_TRUE(zeileLesbar(control("lblGrad")));
            EXPECT_TRUE(zeileLesbar(control("lblGebiet")));
            // (Larger windows grow the counter: LargeWindowGrowsTheGameUpToTwice.)
            if (g.klein) {
                EXPECT_EQ(control("zähler")->size(), control("zähler")->pixmap().size());
            }
            for (int k = 1; k <= 5; ++k) {
                const QLabel* a = control(("Antwort" + std::to_string(k)).c_str());
                if (!a->isHidden()) {
                    EXPECT_LE(QFontMetrics(a->font()).height(), a->height()) << k;
                }
            }
            EXPECT_LT(control("Antwort5")->geometry().bottom(), control("lblGrad")->y());
        };
        const auto erklaerung = [&](const char* wann) {
            SCOPED_TRACE(wann);
            ASSERT_FALSE(answer->isHidden());
            imGanzen();
            if (g.klein) return;
            EXPECT_TRUE(passtHinein(answer));
            EXPECT_TRUE(liegtIn(answer, rahmen));
            const QRect text = gesehenIn(answer, rahmen);
            // The supplied texts fit without scrolling at these sizes, in a font
            // children can read.
            if (const auto* bereich = quiz->findChild<QScrollArea*>(QStringLiteral("AnswerBereich"))) {
                EXPECT_FALSE(bereich->isHidden());
                EXPECT_TRUE(gesehenIn(bereich, rahmen).contains(text));
                EXPECT_FALSE(bereich->verticalScrollBar()->isVisible());
            }
            EXPECT_GE(answer->font().pointSize(), 10);
            if (!frage->isHidden()) {
                EXPECT_TRUE(passtHinein(frage));
                EXPECT_GT(text.top(), frage->geometry().bottom());
            }
            if (!bild->isHidden() && bild->geometry().intersects(text))
                ADD_FAILURE() << "explanation under the picture";
        };
        int mitBild = 0;
        for (size_t i = 0; i < fragen.size(); i += g.klein ? 5 : 1) {
            const fragen::QuestionRecord& r = fragen[i];
            SCOPED_TRACE(std::to_string(g.w) + "x" + std::to_string(g.h) + " question " +
                         std::to_string(r.Nummer));
            zeigen(r.Nummer);
            ASSERT_FALSE(control("zähler")->isHidden());
            ASSERT_FALSE(control("lblGebiet")->text().isEmpty());
            imGanzen();
            if (i == 0) bildSpeichern("spiel_" + std::to_string(g.w) + "x" + std::to_string(g.h));
            if (!g.klein) {
                ASSERT_FALSE(frage->isHidden());
                EXPECT_TRUE(passtHinein(frage));
                EXPECT_TRUE(liegtIn(frage, rahmen));
                EXPECT_GE(frage->font().pointSize(), 12);
                // The answers are one line each, beside their press buttons.
                for (int k = 1; k <= 5; ++k) {
                    const QLabel* a = control(("Antwort" + std::to_string(k)).c_str());
                    if (!a->isHidden()) {
                        EXPECT_LE(QFontMetrics(a->font()).horizontalAdvance(a->text()), a->width())
                            << a->text().toStdString();
                    }
                }
                if (!r.Bild.empty()) {
                    ASSERT_FALSE(bild->isHidden()) << r.Bild;
                    ++mitBild;
                    EXPECT_GE(frage->width(), rahmen->width() / 2) << r.Bild;
                    EXPECT_GE(bild->x() - (frage->x() + frage->width()), 10) << r.Bild << " touches the text";
                    EXPECT_TRUE(liegtIn(bild, rahmen));
                    const QSize natur = bild->pixmap().size();
                    EXPECT_NEAR(double(bild->width()) / bild->height(),
                                double(natur.width()) / natur.height(), 0.03)
                        << r.Bild << " distorted";
                }
            }
            const std::vector<int> falsch = falscheNachLaenge(r);
            ASSERT_FALSE(falsch.empty());
            taste(falsch[0]);
            ASSERT_FALSE(quiz->offeneFrage().Beantwortet);
            EXPECT_FALSE(frage->isHidden());  // the second try needs the question
            erklaerung("first wrong answer");
            bildSpeichern(std::to_string(g.w) + "_" + std::to_string(r.Nummer) + "_falsch");
            if (g.klein) continue;
            taste(falsch.size() > 1 ? falsch[1] : falsch[0]);
            ASSERT_TRUE(quiz->offeneFrage().Beantwortet);
            erklaerung("second wrong answer");
            bildSpeichern(std::to_string(g.w) + "_" + std::to_string(r.Nummer) + "_erledigt");
        }
        if (!g.klein) {
            EXPECT_GT(mitBild, 50);
        }
    }
}

// Even in the smallest font an explanation can be taller than a small frame: it
// scrolls then, and a larger window takes it back to the designed size.
TEST_F(LesbarTest, ExplanationTooLongForTheFrameScrolls) {
    fragen::QuestionRecord r;
    r.Frage = "Welches Instrument spielt hier?";
    r.Antwort[1] = "Geige";
    r.Antwort[2] = "Bratsche";
    r.Lösung = 2;
    std::string lang;
    while (lang.size() < 240) lang += "Die Geige klingt heller als die Bratsche. ";
    r.Erklärung[1] = lang.substr(0, 240);
    r.Erklärung[2] = "Die Bratsche ist etwas größer.";
    fragen::FrageSpeichern(*api, 5, r);
    groesse(640, 420);
    zeigen(5);
    taste(1);
    const QWidget* rahmen = control<QWidget>("Rahmen");
    const QLabel* answer = control("Answer");
    const auto* bereich = control<QScrollArea>("AnswerBereich");
    ASSERT_NE(bereich, nullptr);
    ASSERT_FALSE(bereich->isHidden());
    EXPECT_TRUE(liegtIn(bereich, rahmen));
    EXPECT_TRUE(passtHinein(answer));
    EXPECT_EQ(answer->font().pointSize(), 10);
    ASSERT_TRUE(bereich->verticalScrollBar()->isVisible());
    // The whole text can be scrolled into view.
    EXPECT_EQ(bereich->verticalScrollBar()->maximum(), answer->height() - bereich->viewport()->height());
    EXPECT_LE(answer->width(), bereich->viewport()->width());
    bildSpeichern("klein_rollt");

    groesse(1920, 1080);
    EXPECT_FALSE(bereich->verticalScrollBar()->isVisible());
    EXPECT_GT(answer->font().pointSize(), 12);  // grown with the frame
    EXPECT_LE(answer->height(), bereich->height());
    EXPECT_TRUE(passtHinein(answer));
    EXPECT_TRUE(liegtIn(bereich, rahmen));

    // A click on the explanation of a settled question goes on, as a click on
    // the frame does.
    taste(2);
    ASSERT_TRUE(quiz->offeneFrage().Beantwortet);
    QTest::mouseClick(const_cast<QLabel*>(answer), Qt::LeftButton);
    EXPECT_FALSE(quiz->ablauf().Testmodus);
    EXPECT_FALSE(control<QWidget>("Editor")->isHidden());
}

// On a full-HD screen or a projector the texts, buttons and counter grew with
// the frame, up to twice their designed size; small windows keep it.
TEST_F(LesbarTest, LargeWindowGrowsTheGameUpToTwice) {
    const auto& r = fragen.front();
    struct Fall {
        int w, h;
        double mindestens, hoechstens;
    };
    for (const Fall& f : {Fall{900, 640, 1.0, 1.0}, Fall{1920, 1080, 1.5, 1.8}, Fall{3840, 2160, 2.0, 2.0}}) {
        SCOPED_TRACE(std::to_string(f.w) + "x" + std::to_string(f.h));
        groesse(f.w, f.h);
        zeigen(r.Nummer);
        const auto waechst = [&](double ist, double entworfen) {
            EXPECT_GE(ist, entworfen * f.mindestens - 1);
            EXPECT_LE(ist, entworfen * f.hoechstens + 1);
        };
        waechst(control("Antwort1")->font().pointSize(),
                quiz::AntwortSchriftgroesse(1 + r.Antwort[1].size()));
        waechst(control("lblGrad")->font().pointSize(), 12);
        waechst(control("zähler")->height(), control("imgCounter0")->pixmap().height());
        waechst(control("Press1")->height(), control("Press1")->pixmap().height());
        EXPECT_TRUE(zeileLesbar(control("Antwort1")));
        EXPECT_TRUE(liegtIn(control("Frage"), control<QWidget>("Rahmen")));
        bildSpeichern("gross_" + std::to_string(f.w));
    }
}

// In the main window's frame the quiz window takes the whole frame when its own
// size does not fit, and the game view then uses all of it.
TEST_F(LesbarTest, GameViewUsesTheMainWindowsFrame) {
    for (const auto& [w, h] : std::vector<std::pair<int, int>>{{1024, 640}, {1093, 614}, {1536, 864}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        Kontext kontext;
        auto haupt = std::make_unique<MDI>(kontext);
        haupt->show();
        haupt->resize(w, h);
        QCoreApplication::processEvents();
        quiz->hide();
        quiz->resize(900, 640);                         // the window's own size
        quiz->setProperty("mdiPlatziert", QVariant());  // placed afresh in each main window
        haupt->addChild(quiz);
        quiz->show();
        QCoreApplication::processEvents();
        auto* sub = qobject_cast<QMdiSubWindow*>(quiz->parentWidget());
        ASSERT_NE(sub, nullptr);
        const QWidget* flaeche = haupt->area()->viewport();
        const QRect gesehen(quiz->mapTo(flaeche, QPoint(0, 0)), quiz->size());
        EXPECT_TRUE(flaeche->rect().contains(gesehen))
            << gesehen.x() << "," << gesehen.y() << " " << gesehen.width() << "x" << gesehen.height();
        if (sub->isMaximized()) {
            // Filled: the frame's whole height less at most a title bar.
            EXPECT_EQ(quiz->width(), flaeche->width());
            EXPECT_GE(quiz->height(), flaeche->height() - 40);
        } else {
            EXPECT_EQ(quiz->size(), QSize(900, 640));
        }
        if (h < 800) {
            EXPECT_TRUE(sub->isMaximized());
        }
        zeigen(fragen.front().Nummer);
        for (const char* name : kSpielControls) EXPECT_TRUE(liegtIn(control<QWidget>(name), quiz));
        // The frame picture spans the window's width less its margins.
        const QWidget* bild = control<QWidget>("imgRahmen");
        EXPECT_EQ(bild->x() + bild->width(), quiz::zuPixel(quiz::zuTwips(quiz->width()) - 1000));
        if (std::getenv("MELVATO_BILDER"))
            haupt->grab().save(QString::fromUtf8(std::getenv("MELVATO_BILDER")) +
                               QStringLiteral("/haupt_%1x%2.png").arg(w).arg(h));
        haupt->removeChild(quiz);
        ASSERT_FALSE(quiz.isNull());
    }
}

// A game on the supplied questions: drawn from the pool they make, each shown with
// its own text and its sound taken out of the media archive as it comes up.
TEST_F(LesbarTest, SuppliedQuestionsPlayOneAfterAnother) {
    quiz->Starten_Click();
    int mitTon = 0;
    for (int runde = 1; runde <= 30; ++runde) {
        bisFrage();
        const int n = quiz->ziehung().FrageNummer;
        SCOPED_TRACE("question " + std::to_string(n));
        ASSERT_GE(n, 100);
        const fragen::QuestionRecord r = fragen::FrageLesen(*api, n);
        EXPECT_EQ(quiz_test::text(control("Frage")), r.Frage);
        if (!r.Audio.empty()) {
            ++mitTon;
            EXPECT_EQ(sound.stroeme.back().inhalt.substr(0, 4), "OggS") << r.Audio;
        }
        // Answer until settled, always with a shown answer; then the next question.
        for (int i = 1; i <= 5 && !quiz->offeneFrage().Beantwortet; ++i)
            if (!control(("Antwort" + std::to_string(i)).c_str())->isHidden()) taste(i);
        ASSERT_TRUE(quiz->offeneFrage().Beantwortet);
        if (runde < 30) taste(1);
    }
    EXPECT_TRUE(dialogs.messages.empty()) << (dialogs.messages.empty() ? "" : dialogs.messages[0].text);
    EXPECT_EQ(quiz->ziehung().Runde, 30);
    EXPECT_GT(mitTon, 0);  // the draw of this seed meets some
}
