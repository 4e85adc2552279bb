// First start: the data folder and the common folder come from the templates that
// are installed with the program; a folder the user already has is never touched.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>
#include <string>

#include "shell/ErsterStart.h"
#include "tests/support/TestSupport.h"

using testing_support::fileExists;
using testing_support::readFile;
using testing_support::writeFile;

namespace {

namespace fs = std::filesystem;

class ErsterStartTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = dir.path().toStdString() + "/";
        vorlagen = root + "share/melvato/";
        writeFile(vorlagen + "appdata/DATEN/counter0.gif", "GIF89a-digit");
        writeFile(vorlagen + "appdata/DATEN/Bach.jpg", " 1 \r\n");
        writeFile(vorlagen + "appdata/Spiele/Instrumente.lst", "Liste\r\n");
        writeFile(vorlagen + "appdata/Sprache.id", "[Programm]\r\nName=Melvato\r\n");
        writeFile(vorlagen + "common/Translation.dat", "1\tDeutsch\tx\r\n");
        writeFile(vorlagen + "common/Translation English.Dat", "10028\t0\tClose\r\n");
        manu = root + "home/varulak/";
        app = manu + "Melvato/";
    }

    QTemporaryDir dir;
    std::string root, vorlagen, manu, app;
};

}  // namespace

// Also when a half copy from a start that was killed lies beside the data folder.
TEST_F(ErsterStartTest, TemplateIsCopiedIntoAnEmptyPlace) {
    ASSERT_FALSE(fs::exists(app));
    writeFile(manu + "Melvato.neu/DATEN/counter0.gif", "GIF8");
    EXPECT_TRUE(ErsterStart::Bereitstellen(vorlagen, manu, app));

    EXPECT_EQ(readFile(app + "DATEN/counter0.gif"), "GIF89a-digit");
    EXPECT_EQ(readFile(app + "DATEN/Bach.jpg"), " 1 \r\n") << "a stub stays a stub";
    EXPECT_EQ(readFile(app + "Spiele/Instrumente.lst"), "Liste\r\n");
    EXPECT_EQ(readFile(app + "Sprache.id"), "[Programm]\r\nName=Melvato\r\n");
    EXPECT_EQ(readFile(manu + "common/Translation.dat"), "1\tDeutsch\tx\r\n");
    // The folders the program expects exist even where the template has no file.
    for (const char* ordner : {"DATEN", "Spiele", "back", "pack", "Anleitung"})
        EXPECT_TRUE(fs::is_directory(app + ordner)) << ordner;
    // Nothing of the copy in progress is left beside the data folder.
    EXPECT_FALSE(fs::exists(manu + "Melvato.neu"));
    EXPECT_FALSE(fs::exists(manu + "common.neu"));
    // The template itself is unchanged.
    EXPECT_EQ(readFile(vorlagen + "appdata/DATEN/counter0.gif"), "GIF89a-digit");
}

TEST_F(ErsterStartTest, ExistingDataFolderIsLeftAlone) {
    writeFile(app + "DATEN/counter0.gif", "my own digit");
    writeFile(app + "Sprache.id", "[Programm]\r\nName=Mein Quiz\r\n");
    writeFile(manu + "common/Translation.dat", "1\tEnglish\tx\r\n");

    writeFile(manu + "common/Translation English.Dat", "10028\t0\tShut\r\n");
    EXPECT_FALSE(ErsterStart::Bereitstellen(vorlagen, manu, app));

    EXPECT_EQ(readFile(app + "DATEN/counter0.gif"), "my own digit");
    EXPECT_EQ(readFile(app + "Sprache.id"), "[Programm]\r\nName=Mein Quiz\r\n");
    EXPECT_EQ(readFile(manu + "common/Translation.dat"), "1\tEnglish\tx\r\n");
    // Deleted files do not come back either.
    EXPECT_FALSE(fileExists(app + "DATEN/Bach.jpg"));
    EXPECT_FALSE(fileExists(app + "Spiele/Instrumente.lst"));
    // The word table of reading aloud came later: it arrives once, and the
    // teacher's edited copy stays.
    writeFile(vorlagen + "appdata/Aussprache.txt", "Cis=Ziss\r\n");
    EXPECT_TRUE(ErsterStart::Nachliefern(vorlagen, app));
    EXPECT_EQ(readFile(app + "Aussprache.txt"), "Cis=Ziss\r\n");
    writeFile(app + "Aussprache.txt", "Cis=Tsiss\r\n");
    EXPECT_FALSE(ErsterStart::Nachliefern(vorlagen, app));
    EXPECT_EQ(readFile(app + "Aussprache.txt"), "Cis=Tsiss\r\n");
}

// An earlier run without a template left only its log and a settings file, and
// another program of the maker brought its own language table along: both
// folders get only what they lack.
TEST_F(ErsterStartTest, FoldersWithoutMediaAreCompletedWithoutOverwriting) {
    writeFile(app + "Melvato Protokoll.Txt", "START\r\n");
    writeFile(app + "Sprache.id", "[Programm]\r\nName=Mein Quiz\r\n");
    writeFile(manu + "common/translation.DAT", "1\tEnglish\tx\r\n");
    writeFile(manu + "common/Personal Translation.dat", " 1\tMeins\tx\r\n");

    EXPECT_TRUE(ErsterStart::Bereitstellen(vorlagen, manu, app));

    EXPECT_EQ(readFile(app + "Melvato Protokoll.Txt"), "START\r\n");
    EXPECT_EQ(readFile(app + "Sprache.id"), "[Programm]\r\nName=Mein Quiz\r\n");
    EXPECT_EQ(readFile(app + "DATEN/counter0.gif"), "GIF89a-digit");
    EXPECT_EQ(readFile(app + "Spiele/Instrumente.lst"), "Liste\r\n");
    EXPECT_FALSE(fs::exists(manu + "Melvato.neu"));
    EXPECT_EQ(readFile(manu + "common/translation.DAT"), "1\tEnglish\tx\r\n") << "found whatever its case";
    EXPECT_FALSE(fs::exists(manu + "common/Translation.dat")) << "no second table beside it";
    EXPECT_EQ(readFile(manu + "common/Personal Translation.dat"), " 1\tMeins\tx\r\n");
    EXPECT_EQ(readFile(manu + "common/Translation English.Dat"), "10028\t0\tClose\r\n");
}

TEST_F(ErsterStartTest, NoTemplateNoChange) {
    EXPECT_FALSE(ErsterStart::Bereitstellen("", manu, app));
    EXPECT_FALSE(ErsterStart::Bereitstellen(root + "nowhere/", manu, app));
    EXPECT_FALSE(fs::exists(app));
    EXPECT_FALSE(fs::exists(manu + "common"));
}

TEST_F(ErsterStartTest, TemplatesAreFoundBesideAnInstalledOrABuiltProgram) {
    // Installed: <prefix>/lib/melvato/melvato with <prefix>/share/melvato/.
    fs::create_directories(root + "lib/melvato");
    EXPECT_EQ(ErsterStart::vorlagenOrdner(root + "lib/melvato"), vorlagen);
    EXPECT_EQ(ErsterStart::vorlagenOrdner(root + "lib/melvato/"), vorlagen);
    // Build folder: build/melvato with build/share/melvato/.
    writeFile(root + "build/share/melvato/appdata/Sprache.id", "x");
    EXPECT_EQ(ErsterStart::vorlagenOrdner(root + "build"), root + "build/share/melvato/");
    // Neither.
    fs::create_directories(root + "elsewhere/opt/bin");
    EXPECT_EQ(ErsterStart::vorlagenOrdner(root + "elsewhere/opt/bin"), "");
}
