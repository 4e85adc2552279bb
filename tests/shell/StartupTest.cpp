// The whole start with the real windows.
#include <QAction>
#include <QMdiSubWindow>

#include "shell/Progress.h"
#include "shell/Startup.h"
#include "tests/shell/ShellFixture.h"

namespace {

using testing_support::logEntries;

// A search through the menu rebuilds the index under the progress window.
TEST(StartupTest, SplashMainWindowAndQuizWindowComeUpInOrderAndCloseOnce) {
    testing_support::TempHome home;
    MelvatoBasic::ReleaseApi();
    testing_support::writeFile(home.appPfad() + "Fragen 0.Dat",
                               "[Quiz 5]\r\nFrage=Wer spielt Klavier\r\n[Quiz 7]\r\nFrage=Wer singt\r\n");
    // The start-up sound of the data folder: a twentieth of a second of silence.
    std::string wav =
        std::string(
            "RIFF\x4C\x11\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x44\xAC\0\0\x88\x58\x01\0\x02\0\x10\0data"
            "\x28\x11\0\0",
            44) +
        std::string(4392, '\0');
    testing_support::writeFile(home.appPfad() + "DATEN/sound.wav", wav);
    {
        Startup startup;
        testing_support::ScriptedDialogs dialogs;  // installed after the program's own
        startup.run();
        MDI* w = startup.mainWindow();
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(MelvatoBasic::FensterModus, 0);
        EXPECT_FALSE(startup.kontext().autorGeladen());  // the splash is closed again
        Musikquiz* quiz = startup.kontext().musikquizIfLoaded();
        ASSERT_NE(quiz, nullptr);
        auto* sub = qobject_cast<QMdiSubWindow*>(quiz->parentWidget());
        ASSERT_NE(sub, nullptr);
        EXPECT_EQ(sub->mdiArea(), w->area());
        // The feedback voices were counted once the main window was on the screen.
        EXPECT_EQ(MelvatoBasic::Api().IniLesen("", "Allgemein", "AnzahlJa"), "0");

        std::vector<std::string> log =
            logEntries(testing_support::readFile(home.appPfad() + "Melvato Protokoll.Txt"));
        std::vector<std::string> wanted = {"Bild fehlt: " + home.appPfad() + "DATEN/Back.jpg",
                                           "Main 8.5",
                                           "Main 11",
                                           "MDI Form Init",
                                           "MDI Form Init Ende",
                                           "MDI Form Load",
                                           "MDI Form Move",
                                           "MDI Form Center",
                                           "MDI Form Translate",
                                           "Hintergrundbild fehlt: " + home.appPfad() + "DATEN/Back.jpg"};
        size_t at = 0;
        for (const std::string& want : wanted) {
            auto it = std::find(log.begin() + at, log.end(), want);
            ASSERT_NE(it, log.end()) << "missing or out of order: " << want;
            at = size_t(it - log.begin()) + 1;
        }
        EXPECT_TRUE(dialogs.messages.empty()) << (dialogs.messages.empty() ? "" : dialogs.messages[0].text);

        std::vector<std::string> titel;  // the progress window's title each time it lets events run
        startup.kontext().progressYield = [&] {
            titel.push_back(startup.kontext().progressFenster()->windowTitle().toStdString());
        };
        w->Menueintrag("suchanzeig")->trigger();
        startup.kontext().progressYield = nullptr;
        ASSERT_FALSE(titel.empty()) << "no progress window while the index was built";
        EXPECT_EQ(titel.front(), "Index wird erstellt...");
        EXPECT_FALSE(startup.kontext().progressFenster());
        EXPECT_EQ(testing_support::readFile(home.appPfad() + "IndexW.Ini"), "[W]\r\nWER=5 7\r\n");
        EXPECT_EQ(MelvatoBasic::Api().IniLesen("", "Allgemein", "IndexNotwendig"), "1");
        EXPECT_TRUE(w->close());
    }
    // Closing the main window released the services once, with their farewell last.
    const std::string roh = testing_support::readFile(home.appPfad() + "Melvato Protokoll.Txt");
    std::vector<std::string> log = logEntries(roh);
    EXPECT_NE(std::find(log.begin(), log.end(), "MDI unload"), log.end());
    EXPECT_EQ(std::count(log.begin(), log.end(), "api class terminate 1"), 1);
    EXPECT_EQ(roh.find("START: "), roh.rfind("START: "));
    EXPECT_EQ(log.back(), "api class terminate 2");
    EXPECT_FALSE(MelvatoBasic::HasApi());
}

}  // namespace
