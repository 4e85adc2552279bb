// The start-up sequence: order of steps, log lines, settings and archives.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "quiz/FMod.h"
#include "services/ApiClass.h"
#include "shell/Main.h"
#include "tests/support/TestSupport.h"

using testing_support::readFile;
using testing_support::ScriptedDialogs;
using testing_support::TempHome;
using testing_support::writeFile;

namespace {
struct Recorder {
    std::vector<std::string> steps;
    MelvatoBasic::StartupParts parts() {
        MelvatoBasic::StartupParts p;
        p.mousePointer = [this](int c) { steps.push_back("pointer " + std::to_string(c)); };
        p.showSplash = [this] { steps.push_back("splash"); };
        p.createTranslation = [this] { steps.push_back("translation"); };
        p.extract = [this](const std::string& zip, const std::string& folder) {
            steps.push_back("extract " + zip.substr(zip.rfind('/') + 1) + " -> " +
                            folder.substr(folder.rfind('/', folder.size() - 2) + 1));
            return true;
        };
        p.loadQuiz = [this] { steps.push_back("quiz"); };
        p.setupTranslation = [this] { steps.push_back("translation setup"); };
        p.playSound = [this](const std::string& f) { steps.push_back("play " + f.substr(f.rfind('/') + 1)); };
        p.showMain = [this] { steps.push_back("main window"); };
        p.closeSplash = [this] { steps.push_back("close splash"); };
        return p;
    }
};

// The log lines of the run, without their time of day.
std::vector<std::string> runLines(const std::string& log) {
    return testing_support::logEntries(log, log.find("Update History Ende"));
}

class MainTest : public ::testing::Test {
protected:
    TempHome home;
    ScriptedDialogs dialogs;
    Recorder rec;
    void TearDown() override {
        FSOUND_Close();
        MelvatoBasic::ReleaseApi();
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }
};
}  // namespace

TEST_F(MainTest, NormalStartRunsTheStepsInOrderAndNotesTheInstallation) {
    writeFile(home.appPfad() + "Daten.zip", "zip");
    writeFile(home.appPfad() + "Anleitung.zip", "zip");
    MelvatoBasic::Main(rec.parts());
    EXPECT_EQ(rec.steps,
              (std::vector<std::string>{"pointer 11", "splash", "translation", "extract Daten.zip -> DATEN/",
                                        "extract Anleitung.zip -> Anleitung/", "quiz", "translation setup",
                                        "play sound.wav", "main window", "pointer 0", "close splash"}));
    std::string log = readFile(home.appPfad() + "Melvato Protokoll.Txt");
    EXPECT_EQ(log.rfind("START: ", 0), 0u);
    std::string z1 = "Unzip" + home.appPfad() + "Daten.zip";
    std::string z2 = "Unzip" + home.appPfad() + "Anleitung.zip";
    EXPECT_EQ(runLines(log),
              (std::vector<std::string>{z1, z2, "\xE2ktuelle Version 3.0.1", "Main 8.5", "Main 9", "Main 9.1",
                                        "Main 9.2", "Main 10", "Main 10.1", "Main 10.2", "Main 11"}));
    EXPECT_FALSE(testing_support::fileExists(home.appPfad() + "Daten.zip"));
    EXPECT_FALSE(testing_support::fileExists(home.appPfad() + "Anleitung.zip"));
    EXPECT_TRUE(MelvatoBasic::SoundOk);
    EXPECT_TRUE(MelvatoBasic::StartPhase);
    EXPECT_EQ(MelvatoBasic::SpielePfad, home.appPfad() + "Spiele/");
    EXPECT_TRUE(dialogs.messages.empty());

    // The next start keeps the installation date and rewrites version and path.
    std::string ini = home.appPfad() + "Melvato.Ini";
    std::string today = MelvatoBasic::KurzDatum();
    EXPECT_EQ(readFile(ini), "[Allgemein]\r\nVersion=3.0.1\r\nInstallation=" + today +
                                 "\r\nPfad=" + home.appPfad() + "\r\n");
    MelvatoBasic::ReleaseApi();
    writeFile(ini, "[Allgemein]\r\nVersion=2.9\r\nInstallation=01.09.2025\r\nPfad=alt\r\n");
    MelvatoBasic::Main(rec.parts());
    EXPECT_EQ(readFile(ini),
              "[Allgemein]\r\nVersion=3.0.1\r\nInstallation=01.09.2025\r\nPfad=" + home.appPfad() + "\r\n");
}

TEST_F(MainTest, NoSoundDeviceShowsMessageAndGoesOn) {
    setenv("SDL_AUDIODRIVER", "nosuchdriver", 1);
    MelvatoBasic::SoundOk = false;
    MelvatoBasic::Main(rec.parts());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Soundausgabe nicht m\xF6glich\r\nError initializing output device.");
    EXPECT_EQ(dialogs.messages[0].flags, 0);
    EXPECT_FALSE(MelvatoBasic::SoundOk);
    EXPECT_EQ(rec.steps.back(), "close splash");
    std::vector<std::string> lines = runLines(readFile(home.appPfad() + "Melvato Protokoll.Txt"));
    EXPECT_EQ(std::find(lines.begin(), lines.end(), "Main 9.2"), lines.end());
}

TEST_F(MainTest, NetworkFolderFromTheSettingsMovesTheListFolderWhenTheShareAnswers) {
    const std::string klasse = home.root() + "srv/klasse";
    writeFile(home.appPfad() + "Melvato.Ini", "[Netzwerk]\r\nNetzwerkPfad=" + klasse + "\r\n");
    std::vector<std::string> status;
    auto parts = rec.parts();
    parts.statusText = [&](const std::string& text) { status.push_back(text); };

    // The server is off: the station keeps its own lists and says so.
    MelvatoBasic::Main(parts);
    EXPECT_EQ(MelvatoBasic::NetzPfad, "");
    EXPECT_EQ(MelvatoBasic::SpielePfad, home.appPfad() + "Spiele/");
    const std::string meldung = "Netzwerk-Ordner nicht erreichbar: " + klasse + "/";
    std::vector<std::string> lines = runLines(readFile(home.appPfad() + "Melvato Protokoll.Txt"));
    EXPECT_NE(std::find(lines.begin(), lines.end(), meldung), lines.end());
    ASSERT_EQ(status.size(), 1u);
    EXPECT_NE(status[0].find(klasse), std::string::npos);
    EXPECT_EQ(rec.steps.back(), "close splash");

    // Back at the next start.
    FSOUND_Close();
    std::filesystem::create_directories(klasse);
    MelvatoBasic::Main(parts);
    EXPECT_EQ(MelvatoBasic::NetzPfad, klasse + "/");
    EXPECT_EQ(MelvatoBasic::SpielePfad, klasse + "/Spiele/");
    EXPECT_EQ(status.size(), 1u);
}
