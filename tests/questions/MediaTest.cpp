// Media files: real files, stubs naming a media archive, the search through all
// nine archives, display copies and the log lines.
#include <gtest/gtest.h>

#include "questions/Media.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "tests/exchange/ZipTestData.h"
#include "tests/questions/QuestionsTestData.h"
#include "tests/support/TestSupport.h"

using namespace fragen;
using testing_support::fileExists;
using testing_support::machZip;
using testing_support::readFile;
using testing_support::writeFile;

namespace {
struct MediaFixture : ::testing::Test {
    testing_support::TempHome home;
    testing_support::ScriptedDialogs dialogs;
    ApiClass api;
    std::string daten = home.appPfad() + "DATEN/";
    std::string archive = home.root() + "programm/DATEN/";
    const std::string bild = std::string(2000, 'B') + "Bach";

    void SetUp() override { setInstallationsPfad(home.root() + "programm"); }
    void TearDown() override { setInstallationsPfad(""); }
};
}  // namespace

TEST_F(MediaFixture, ARealFileIsCopiedToTheTarget) {
    // The display copy takes the last four characters, upper-cased.
    EXPECT_EQ(AnzeigeKopie(api, "a.gif"), daten + "Now.GIF");
    EXPECT_EQ(AnzeigeKopie(api, "ab"), daten + "NowAB");
    writeFile(daten + "orgel.jpg", bild);
    EXPECT_TRUE(FileOk(api, "orgel.jpg", AnzeigeKopie(api, "orgel.jpg")));
    EXPECT_EQ(readFile(daten + "Now.JPG"), bild);
    EXPECT_TRUE(FileOk(api, "ORGEL.JPG", daten + "orgel.jpg")) << "copying a file onto itself keeps it";
    EXPECT_EQ(readFile(daten + "orgel.jpg"), bild);
}

TEST_F(MediaFixture, AStubIsReplacedByTheArchivedFileOnlyForTheCopy) {
    writeFile(daten + "bach.jpg", " 3 \r\n");
    machZip(archive + "Daten 3.DAT", {{"BACH.JPG", bild}, {"andere.jpg", "x"}});
    EXPECT_TRUE(FileOk(api, "bach.jpg", AnzeigeKopie(api, "bach.jpg")));
    EXPECT_EQ(readFile(daten + "Now.JPG"), bild);
    EXPECT_EQ(readFile(daten + "bach.jpg"), " 3 \r\n") << "the stub is back in place";
    EXPECT_TRUE(dialogs.messages.empty()) << "replacing the stub asks nobody";
}

TEST_F(MediaFixture, WithoutAUsableStubTheFirstArchiveHoldingTheFileServesAndTheStubNamesIt) {
    machZip(archive + "Daten 2.DAT", {{"anderes.wav", "x"}});
    machZip(archive + "Daten 5.DAT",
            {{"a.wav", "A"}, {"b.wav", "B"}, {"c.wav", "C"}, {"d.wav", "D"}, {"e.wav", "E"}});
    machZip(archive + "Daten 7.DAT", {{"lied.wav", "L"}, {"a.wav", "falsch"}, {"e.wav", "falsch"}});
    // A stub naming the wrong archive, none that names one, or no file at all.
    const std::pair<const char*, const char*> stubs[] = {{"lied.wav", " 2 \r\n"}, {"a.wav", "abc\r\n"},
                                                         {"b.wav", " 0 \r\n"},    {"c.wav", " 12 \r\n"},
                                                         {"d.wav", "-3\r\n"},     {"e.wav", nullptr}};
    for (const auto& [name, stub] : stubs) {
        if (stub) writeFile(daten + name, stub);
        const std::string ziel = home.root() + "z-" + name;
        EXPECT_TRUE(FileOk(api, name, ziel)) << name;
        EXPECT_EQ(readFile(ziel), cp1252::upper(std::string(name).substr(0, 1))) << name;
        EXPECT_EQ(readFile(daten + name), name[0] == 'l' ? " 7 \r\n" : " 5 \r\n") << name;
    }
}

TEST_F(MediaFixture, NothingToProvide) {
    EXPECT_FALSE(FileOk(api, "", daten + "Now.JPG"));
    EXPECT_FALSE(FileOk(api, "fehlt.jpg", daten + "Now.JPG"));
    machZip(archive + "Daten 1.DAT", {{"x.jpg", "x"}});
    writeFile(daten + "weg.jpg", " 1 \r\n");
    EXPECT_FALSE(FileOk(api, "weg.jpg", daten + "Now.JPG"));
    EXPECT_EQ(readFile(daten + "weg.jpg"), " 1 \r\n") << "a stub that leads nowhere stays";
    EXPECT_FALSE(fileExists(daten + "Now.JPG"));

    writeFile(home.appPfad() + "geheim.txt", std::string(100, 'g'));
    EXPECT_FALSE(FileOk(api, "../geheim.txt", home.root() + "kopie.txt"));
    EXPECT_FALSE(fileExists(home.root() + "kopie.txt"));
}
