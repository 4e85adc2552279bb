// What the main window's commands reach in each mode, the list loader and closing.
#include <QAction>
#include <QCloseEvent>
#include <QDeadlineTimer>
#include <QMdiSubWindow>
#include <QMenu>
#include <QToolButton>

#include "quiz/Musikquiz.h"
#include "tests/shell/ShellFixture.h"

namespace {

using Calls = std::vector<std::string>;

class CommandTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        Kontext::Anbindung& an = kontext.anbindung;
        an.TeilSpielLaden = [this](const std::string& f) { geladen.push_back(f); };
        an.AnzahlFragen = [] { return 12; };
        an.ListenArt = [this] { return listenArt; };
    }
    // The calls one command makes in mode m: a tool button by its number, else a
    // menu entry by its name.
    Calls in(int m, const std::string& befehl) {
        MDI& w = main();
        w.TopIst(m);
        calls.clear();
        if (std::isdigit(static_cast<unsigned char>(befehl[0])))
            w.ToolButton_Click(std::stoi(befehl));
        else
            w.Menueintrag(befehl)->trigger();
        return calls;
    }
    void writeList(const std::string& name, const std::string& typ) {
        testing_support::writeFile(
            MelvatoBasic::SpielePfad + name,
            "[Allgemein]\r\nTyp=" + typ + "\r\n[FragenListe]\r\nFrage 1=101\r\nFrage 2=\r\n");
    }
    std::vector<std::string> geladen;
    int listenArt = -1;
};

// Each tool button and menu entry in each mode: the command it reaches, or nothing.
TEST_F(CommandTest, ButtonsAndMenuEntriesReachTheirCommandsPerMode) {
    bool mitFortschritt = false;
    kontext.anbindung.IndexKomplettErstellen = [&](bool p) { mitFortschritt = p; };
    const Calls index{"IndexKomplettErstellen", "frmKonfig.ShowAlsIndex"};
    struct Fall {
        std::vector<int> modi;
        std::string befehl;
        Calls erwartet;
    };
    const Fall faelle[] = {
        {{0}, "1", {"Musikquiz.Starten_Click"}},
        {{1}, "1", {"Musikquiz.testen_Click"}},
        {{2}, "2", {"Musikquiz.testen_Click"}},
        {{4, 5, 6, 7}, "1", {}},
        {{2}, "4", {"Musikquiz.Save_Click"}},
        {{5, 6, 7}, "4", {"frmKonfig.Save_Click"}},
        {{0, 1, 4}, "4", {}},
        {{1}, "0", {"Musikquiz.Ende_Click"}},
        {{5, 6, 7}, "0", {"frmKonfig.Unload"}},
        {{4}, "0", {}},
        {{1}, "7", {"Musikquiz.Frage_Click"}},
        {{2}, "7", {}},
        {{1}, "8", {"Musikquiz.SoundRepeat_Click"}},
        {{2}, "12", {"Musikquiz.neu_Click"}},
        {{0}, "14", index},
        {{0}, "15", {"frmKonfig.ShowAlsNeu"}},
        {{0}, "17", {"frmParameter.Show"}},
        // "Speichern unter..." does the same as "Speichern", where it is offered.
        {{2}, "speichernunter", {}},
        {{6}, "speichernunter", {"frmKonfig.Save_Click"}},
        {{0}, "FrageRaum", {"frmKonfig.ShowAlsAnzeige"}},
        {{0}, "konfigchange", {"frmKonfig.ShowAlsNeu"}},
        {{0}, "Erstellen", {"Musikquiz.Erstellen_Click"}},
        {{0}, "verpacken", {"Pack.Show"}},
        {{0}, "einlesen", {"Paket.Einlesen"}},
        {{0}, "suchanzeig", index},
        {{0}, "parameter", {"frmParameter.Show"}},
        {{0}, "Autor", {"frmAutor.Show"}},
        {{0}, "Hilfe", {"Hilfe", "open " + MelvatoBasic::Api().AppPfad() + "anleitung\\index.htm"}},
        // A disabled entry does nothing.
        {{4}, "Erstellen", {}},
    };
    for (const Fall& f : faelle)
        for (int m : f.modi) EXPECT_EQ(in(m, f.befehl), f.erwartet) << "mode " << m << " " << f.befehl;
    for (int i : {3, 5, 6, 9, 11, 13, 19, 20, 21})
        EXPECT_TRUE(in(9, std::to_string(i)).empty()) << "button " << i;
    EXPECT_TRUE(mitFortschritt);
    // With the search list open the button searches again instead.
    listenArt = 2;
    EXPECT_EQ(in(7, "14"), Calls{"frmKonfig.fragelade_Click"});
}

// A cancelled dialog goes on with nothing: during a game it would otherwise ask
// the age again, and "Ende" there would throw the running game away.
TEST_F(CommandTest, LoadAsksForAListAndGoesOnPerModeOnlyWhenOneWasChosen) {
    const std::string load = "10";
    writeList("rock.lst", "Melvato-Frageliste");
    const std::pair<int, Calls> folgen[] = {{0, {}},
                                            {1, {"Musikquiz.testen_Click"}},
                                            {5, {"frmKonfig.ListeFüllen"}},
                                            {6, {"frmKonfig.FrageLaden"}}};
    for (const auto& [m, danach] : folgen) {
        EXPECT_EQ(in(m, load), Calls{"MDI.ListeLadenDialog"}) << "cancelled in mode " << m;
        dialogs.files.push_back(MelvatoBasic::SpielePfad + "rock.lst");
        Calls erwartet{"MDI.ListeLadenDialog", "Musikquiz.TeilSpielLaden"};
        erwartet.insert(erwartet.end(), danach.begin(), danach.end());
        EXPECT_EQ(in(m, load), erwartet) << "mode " << m;
    }
    for (int m : {2, 4, 7}) EXPECT_TRUE(in(m, load).empty()) << "mode " << m;
}

TEST_F(CommandTest, ManualThatCannotBeOpenedIsReportedWithItsPlace) {
    MDI& w = main();
    w.dokumentOeffnen = nullptr;
    // One opener that is missing, one that finds no program for the file.
    for (const char* oeffner : {"melvato-kein-oeffner", "false"}) {
        MelvatoBasic::Api().setOeffner(oeffner);
        dialogs.messages.clear();
        w.Menueintrag("Hilfe")->trigger();
        QDeadlineTimer frist(5000);
        while (dialogs.messages.empty() && !frist.hasExpired()) QCoreApplication::processEvents();
        ASSERT_EQ(dialogs.messages.size(), 1u) << oeffner;
        EXPECT_NE(dialogs.messages[0].text.find("Anleitung konnte nicht ge\xF6"
                                                "ffnet werden"),
                  std::string::npos);
        EXPECT_NE(dialogs.messages[0].text.find(home.appPfad() + "anleitung/index.htm"), std::string::npos)
            << dialogs.messages[0].text;
    }
}

// "Starten mit allen Fragen" forgets a loaded list, and after the quiz window was
// closed it loads it again, whose load may claim its own mode: still a game, not a test.
TEST_F(CommandTest, StartWithAllQuestionsClearsTheListFlagAndStartsAGame) {
    kontext.musikquiz()->NurTeil = true;
    EXPECT_EQ(in(0, "Starten"), Calls{"Musikquiz.Starten_Click"});
    EXPECT_FALSE(kontext.musikquiz()->NurTeil);
    kontext.unloadMusikquiz();
    EXPECT_EQ(in(0, "Starten"), Calls{"Musikquiz.Starten_Click"});
}

// "Starten:" asks for a list and starts only when one was chosen; the list is
// remembered, counted and kept when the next dialog is cancelled; a file that is
// no question list is reported and forgotten, so that the entry asks again.
TEST_F(CommandTest, StartWithListAsksForAListAndRemembersItUntilAWrongFile) {
    MDI& w = main();
    EXPECT_EQ(in(0, "teilstart"), Calls{"MDI.ListeLadenDialog"});
    EXPECT_FALSE(kontext.musikquiz()->NurTeil);
    EXPECT_EQ(w.Menueintrag("teilstart")->text(), QStringLiteral("Starten:"));

    writeList("rock.lst", "Melvato-Frageliste");
    writeList("notizen.lst", "Einkaufsliste");
    dialogs.files.push_back(MelvatoBasic::SpielePfad + "rock.lst");
    EXPECT_EQ(in(0, "teilstart"),
              (Calls{"MDI.ListeLadenDialog", "Musikquiz.TeilSpielLaden", "Musikquiz.Starten_Click"}));
    EXPECT_TRUE(kontext.musikquiz()->NurTeil);
    ASSERT_EQ(dialogs.fileRequests.size(), 2u);
    EXPECT_EQ(dialogs.fileRequests[1].title, "Fragen-Liste laden");
    EXPECT_EQ(dialogs.fileRequests[1].filter, "Fragen-Liste (*.lst)|*.lst");
    EXPECT_EQ(dialogs.fileRequests[1].folder, MelvatoBasic::SpielePfad);
    EXPECT_EQ(geladen, std::vector<std::string>{MelvatoBasic::SpielePfad + "rock.lst"});
    EXPECT_EQ(w.Menueintrag("teilstart")->text(), QStringLiteral("rock.lst"));
    EXPECT_EQ(w.GeladeneListe(), MelvatoBasic::SpielePfad + "rock.lst");
    EXPECT_EQ(w.statusText(1), QStringLiteral("Frage-Liste: rock.lst mit 12 Fragen "));
    // With a list loaded the entry starts at once.
    EXPECT_EQ(in(0, "teilstart"), Calls{"Musikquiz.Starten_Click"});
    w.ListeLadenDialog();
    EXPECT_EQ(w.GeladeneListe(), MelvatoBasic::SpielePfad + "rock.lst");
    EXPECT_EQ(dialogs.fileRequests[2].fileName, MelvatoBasic::SpielePfad + "rock.lst");

    dialogs.files.push_back(MelvatoBasic::SpielePfad + "notizen.lst");
    w.ListeLadenDialog();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].text.find("notizen.lst"), std::string::npos);
    EXPECT_NE(dialogs.messages[0].text.find("keine Fragen-Liste"), std::string::npos);
    EXPECT_EQ(w.Menueintrag("teilstart")->text(), QStringLiteral("Starten:"));
    EXPECT_TRUE(w.GeladeneListe().empty());
    EXPECT_TRUE(w.statusText(1).isEmpty());
    EXPECT_EQ(in(0, "teilstart"), Calls{"MDI.ListeLadenDialog"});
}

// Closing the editor unloads the quiz window; in mode 0 it ends the program,
// but not while the counter rolls.
TEST_F(CommandTest, ClosingUnloadsTheWindowsUnlessTheCounterRolls) {
    MDI& w = main();
    kontext.musikquiz();
    EXPECT_EQ(in(2, "0"), Calls{"Musikquiz.Unload"});
    EXPECT_EQ(kontext.musikquizIfLoaded(), nullptr);
    EXPECT_EQ(MelvatoBasic::FensterModus, 0);

    Musikquiz* quiz = kontext.musikquiz();
    quiz->ZählerLäuft = true;
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(kontext.musikquizIfLoaded(), quiz);
    EXPECT_EQ(log().find("MDI unload"), std::string::npos);

    quiz->ZählerLäuft = false;
    kontext.alter();
    EXPECT_EQ(in(0, "0"), Calls{"MDI.Unload"});
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(kontext.musikquizIfLoaded(), nullptr);
    EXPECT_FALSE(kontext.alterGeladen());
    // The services object is released: it wrote its farewell.
    EXPECT_FALSE(MelvatoBasic::HasApi());
    std::string after = testing_support::readFile(home.appPfad() + "Melvato Protokoll.Txt");
    size_t unload = after.find("MDI unload"), q = after.find(":Musikquiz"), a = after.find(":frmAlter");
    ASSERT_NE(unload, std::string::npos);
    ASSERT_NE(q, std::string::npos);
    ASSERT_NE(a, std::string::npos);
    EXPECT_LT(unload, q);
    EXPECT_LT(unload, a);
}

TEST_F(CommandTest, QuizWindowLoadedBeforeTheMainWindowBecomesItsChild) {
    Musikquiz* quiz = kontext.musikquiz();
    ASSERT_EQ(quiz->parentWidget(), nullptr);
    MDI& w = main();
    auto* sub = qobject_cast<QMdiSubWindow*>(quiz->parentWidget());
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->mdiArea(), w.area());
    EXPECT_FALSE(sub->isVisible());
    quiz->show();
    EXPECT_TRUE(sub->isVisible());
    quiz->hide();
    EXPECT_FALSE(sub->isVisible());
}

using FrameTest = ShellTest;

TEST_F(FrameTest, AChildShowsAtItsOwnSizeOrFillsTheFrame) {
    MDI& w = main();
    w.resize(1000, 700);
    for (QSize groesse : {QSize(300, 200), QSize(3000, 2000)}) {
        QWidget kind;
        kind.resize(groesse);
        w.addChild(&kind);
        kind.show();
        auto* sub = qobject_cast<QMdiSubWindow*>(kind.parentWidget());
        ASSERT_NE(sub, nullptr);
        EXPECT_TRUE(sub->isVisible());
        const bool gross = groesse.width() > 1000;
        EXPECT_EQ(sub->isMaximized(), gross);
        if (!gross) {
            EXPECT_EQ(kind.size(), groesse);
        }
        w.removeChild(&kind);
    }
}

// A child window that is not maximised gets the keys back at once after a menu
// or a dialog of the main window was used, without a click on its title bar.
TEST_F(FrameTest, KeysReachTheChildAgainAfterAMenuOrADialog) {
    MDI& w = main();
    w.resize(1000, 700);
    auto* kind = new QWidget;
    kind->setFocusPolicy(Qt::StrongFocus);
    kind->resize(300, 200);
    w.addChild(kind);
    kind->show();
    w.activateWindow();
    QApplication::setActiveWindow(&w);
    QCoreApplication::processEvents();
    ASSERT_FALSE(qobject_cast<QMdiSubWindow*>(kind->parentWidget())->isMaximized());
    kind->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), kind);

    const std::function<void()> unterbrechungen[] = {
        [&] {
            // The dialog takes the activation and hands back none when it closes.
            kontext.setModalSkript([](QDialog& d) {
                QApplication::setActiveWindow(&d);
                d.accept();
                QApplication::setActiveWindow(nullptr);
            });
            QDialog d(&w);
            kontext.zeigeModal(d);
        },
        [&] {
            QMenu* datei = w.Menueintrag("Datei")->menu();
            datei->popup(QPoint(10, 10));
            QCoreApplication::processEvents();
            datei->hide();
        },
    };
    for (const auto& unterbrechung : unterbrechungen) {
        unterbrechung();
        QCoreApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), kind);
        kind->setFocus();
    }
    w.removeChild(kind);
    delete kind;
}

}  // namespace
