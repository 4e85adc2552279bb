// What the main window's commands reach in each mode, the list loader and closing.
#include <QAction>
#include <QCloseEvent>
#include <QMdiSubWindow>
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
    // The calls one command makes in mode m.
    Calls in(int m, const std::function<void(MDI&)>& command) {
        MDI& w = main();
        w.TopIst(m);
        calls.clear();
        command(w);
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

TEST_F(CommandTest, EachCommandReachesItsWindowInTheModesThatOfferIt) {
    // "button n" clicks tool button n; any other name triggers that menu entry.
    const std::string hilfe = "open " + MelvatoBasic::Api().AppPfad() + "anleitung\\index.htm";
    const struct {
        const char* command;
        std::vector<int> modes;
        Calls expected;
    } cases[] = {
        {"button 1", {0}, {"Musikquiz.Starten_Click"}},
        {"button 1", {1}, {"Musikquiz.testen_Click"}},
        {"button 2", {2}, {"Musikquiz.testen_Click"}},
        {"button 1", {4, 5, 6, 7}, {}},
        {"button 4", {2}, {"Musikquiz.Save_Click"}},
        {"button 4", {5, 6, 7}, {"frmKonfig.Save_Click"}},
        {"button 4", {0, 1, 4}, {}},
        {"speichernunter", {6}, {"frmKonfig.Save_Click"}},
        {"speichernunter", {2}, {}},  // disabled there
        {"button 10", {0}, {"MDI.ListeLadenDialog"}},
        {"button 10", {1}, {"MDI.ListeLadenDialog", "Musikquiz.testen_Click"}},
        {"button 10", {5}, {"MDI.ListeLadenDialog", "frmKonfig.ListeFüllen"}},
        {"button 10", {6}, {"MDI.ListeLadenDialog", "frmKonfig.FrageLaden"}},
        {"button 10", {2, 4, 7}, {}},
        {"button 0", {1}, {"Musikquiz.Ende_Click"}},
        {"button 0", {5, 6, 7}, {"frmKonfig.Unload"}},
        {"button 0", {4}, {}},
        {"button 7", {1}, {"Musikquiz.Frage_Click"}},
        {"button 7", {2}, {}},
        {"button 8", {1}, {"Musikquiz.SoundRepeat_Click"}},
        {"button 12", {2}, {"Musikquiz.neu_Click"}},
        {"button 15", {0}, {"frmKonfig.ShowAlsNeu"}},
        {"button 17", {0}, {"frmParameter.Show"}},
        {"FrageRaum", {0}, {"frmKonfig.ShowAlsAnzeige"}},
        {"konfigchange", {0}, {"frmKonfig.ShowAlsNeu"}},
        {"Erstellen", {0}, {"Musikquiz.Erstellen_Click"}},
        {"Erstellen", {4}, {}},  // disabled there
        {"verpacken", {0}, {"Pack.Show"}},
        {"suchanzeig", {0}, {"IndexKomplettErstellen", "frmKonfig.ShowAlsIndex"}},
        {"parameter", {0}, {"frmParameter.Show"}},
        {"Autor", {0}, {"frmAutor.Show"}},
        {"Hilfe", {0}, {"Hilfe", hilfe}},
    };
    for (const auto& c : cases) {
        const std::string command = c.command;
        for (int m : c.modes)
            EXPECT_EQ(in(m,
                         [&](MDI& w) {
                             if (command.rfind("button ", 0) == 0)
                                 w.ToolButton_Click(std::stoi(command.substr(7)));
                             else
                                 w.Menueintrag(command.c_str())->trigger();
                         }),
                      c.expected)
                << command << " in mode " << m;
    }
    for (int i : {3, 5, 6, 9, 11, 13, 19, 20, 21})
        EXPECT_TRUE(in(9, [i](MDI& w) { w.ToolButton_Click(i); }).empty()) << "button " << i;
}

TEST_F(CommandTest, CloseInTheEditorUnloadsTheQuizWindow) {
    kontext.musikquiz();
    EXPECT_EQ(in(2, [](MDI& w) { w.ToolButton_Click(0); }), Calls{"Musikquiz.Unload"});
    EXPECT_EQ(kontext.musikquizIfLoaded(), nullptr);
    EXPECT_EQ(MelvatoBasic::FensterModus, 0);
}

TEST_F(CommandTest, SearchButtonRebuildsTheIndexUnlessTheSearchListIsOpen) {
    bool mitFortschritt = false;
    kontext.anbindung.IndexKomplettErstellen = [&](bool p) { mitFortschritt = p; };
    EXPECT_EQ(in(0, [](MDI& w) { w.ToolButton_Click(14); }),
              (Calls{"IndexKomplettErstellen", "frmKonfig.ShowAlsIndex"}));
    EXPECT_TRUE(mitFortschritt);
    listenArt = 2;
    EXPECT_EQ(in(7, [](MDI& w) { w.ToolButton_Click(14); }), Calls{"frmKonfig.fragelade_Click"});
}

TEST_F(CommandTest, StartWithAllQuestionsClearsTheListFlag) {
    kontext.musikquiz()->NurTeil = true;
    EXPECT_EQ(in(0, [](MDI& w) { w.Menueintrag("Starten")->trigger(); }), Calls{"Musikquiz.Starten_Click"});
    EXPECT_FALSE(kontext.musikquiz()->NurTeil);
}

TEST_F(CommandTest, StartAfterTheQuizWindowWasClosedStartsAGameNotATest) {
    kontext.musikquiz();
    kontext.unloadMusikquiz();
    // The entry loads the quiz window again, whose load may claim its own mode.
    EXPECT_EQ(in(0, [](MDI& w) { w.Menueintrag("Starten")->trigger(); }), Calls{"Musikquiz.Starten_Click"});
}

TEST_F(CommandTest, StartWithListAsksForAListAndStartsOnlyWhenOneWasChosen) {
    auto teil = [](MDI& w) { w.Menueintrag("teilstart")->trigger(); };
    // The dialog is cancelled: nothing starts.
    EXPECT_EQ(in(0, teil), Calls{"MDI.ListeLadenDialog"});
    EXPECT_FALSE(kontext.musikquiz()->NurTeil);
    EXPECT_EQ(main().Menueintrag("teilstart")->text(), QStringLiteral("Starten:"));

    writeList("rock.lst", "Melvato-Frageliste");
    dialogs.files.push_back(MelvatoBasic::SpielePfad + "rock.lst");
    EXPECT_EQ(in(0, teil),
              (Calls{"MDI.ListeLadenDialog", "Musikquiz.TeilSpielLaden", "Musikquiz.Starten_Click"}));
    EXPECT_TRUE(kontext.musikquiz()->NurTeil);
    // With a list loaded the entry starts at once.
    EXPECT_EQ(in(0, teil), Calls{"Musikquiz.Starten_Click"});
}

TEST_F(CommandTest, LoadedListIsRememberedAndCounted) {
    writeList("rock.lst", "Melvato-Frageliste");
    dialogs.files.push_back(MelvatoBasic::SpielePfad + "rock.lst");
    MDI& w = main();
    w.ListeLadenDialog();
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].title, "Fragen-Liste laden");
    EXPECT_EQ(dialogs.fileRequests[0].filter, "Fragen-Liste (*.lst)|*.lst");
    EXPECT_EQ(dialogs.fileRequests[0].folder, MelvatoBasic::SpielePfad);
    EXPECT_EQ(geladen, std::vector<std::string>{MelvatoBasic::SpielePfad + "rock.lst"});
    EXPECT_EQ(w.Menueintrag("teilstart")->text(), QStringLiteral("rock.lst"));
    EXPECT_EQ(w.GeladeneListe(), MelvatoBasic::SpielePfad + "rock.lst");
    EXPECT_EQ(w.statusText(1), QStringLiteral("Frage-Liste: rock.lst mit 12 Fragen "));
    // Cancelling the next dialog keeps the list.
    w.ListeLadenDialog();
    EXPECT_EQ(w.GeladeneListe(), MelvatoBasic::SpielePfad + "rock.lst");
    EXPECT_EQ(dialogs.fileRequests[1].fileName, MelvatoBasic::SpielePfad + "rock.lst");
}

TEST_F(CommandTest, FileThatIsNoQuestionListIsReportedAndPlaysAllQuestions) {
    writeList("rock.lst", "Melvato-Frageliste");
    writeList("notizen.lst", "Einkaufsliste");
    MDI& w = main();
    dialogs.files.push_back(MelvatoBasic::SpielePfad + "rock.lst");
    w.ListeLadenDialog();
    dialogs.files.push_back(MelvatoBasic::SpielePfad + "notizen.lst");
    w.ListeLadenDialog();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].text.find("notizen.lst"), std::string::npos);
    EXPECT_NE(dialogs.messages[0].text.find("keine Fragen-Liste"), std::string::npos);
    EXPECT_EQ(w.Menueintrag("teilstart")->text(), QStringLiteral("Starten:"));
    EXPECT_TRUE(w.GeladeneListe().empty());
    EXPECT_TRUE(w.statusText(1).isEmpty());
    // "Starten:" asks again instead of starting with the wrong file.
    EXPECT_EQ(in(0, [](MDI& m) { m.Menueintrag("teilstart")->trigger(); }), Calls{"MDI.ListeLadenDialog"});
}

TEST_F(CommandTest, ClosingIsRefusedWhileTheCounterRolls) {
    MDI& w = main();
    Musikquiz* quiz = kontext.musikquiz();
    quiz->ZählerLäuft = true;
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(kontext.musikquizIfLoaded(), quiz);
    EXPECT_EQ(log().find("MDI unload"), std::string::npos);

    quiz->ZählerLäuft = false;
    kontext.alter();
    std::string before = log();
    EXPECT_TRUE(w.close());
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

TEST_F(CommandTest, CloseInModeZeroEndsTheProgram) {
    MDI& w = main();
    EXPECT_EQ(in(0, [](MDI& m) { m.ToolButton_Click(0); }), Calls{"MDI.Unload"});
    EXPECT_FALSE(w.isVisible());
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

}  // namespace

namespace {

using FrameTest = ShellTest;

TEST_F(FrameTest, AChildShowsAtItsOwnSizeOrFillsTheFrame) {
    MDI& w = main();
    w.resize(1000, 700);
    auto* klein = new QWidget;
    klein->setObjectName(QStringLiteral("Klein"));
    klein->resize(300, 200);
    w.addChild(klein);
    klein->show();
    auto* sub = qobject_cast<QMdiSubWindow*>(klein->parentWidget());
    ASSERT_NE(sub, nullptr);
    EXPECT_TRUE(sub->isVisible());
    EXPECT_EQ(klein->size(), QSize(300, 200));
    EXPECT_FALSE(sub->isMaximized());

    auto* gross = new QWidget;
    gross->resize(3000, 2000);
    w.addChild(gross);
    gross->show();
    auto* sub2 = qobject_cast<QMdiSubWindow*>(gross->parentWidget());
    EXPECT_TRUE(sub2->isMaximized());
    w.removeChild(klein);
    w.removeChild(gross);
    delete klein;
    delete gross;
}

}  // namespace
