// The media the windows and the game load by fixed name must come with the
// program and must open: a missing counter digit stops the game window from
// setting up, a broken jingle makes every reveal wait its full time limit.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QImageReader>
#include <QString>

#include <filesystem>
#include <regex>
#include <set>
#include <string>

#include "quiz/FMod.h"
#include "services/FileSys.h"

namespace {

namespace fs = std::filesystem;

std::string daten() {
    return std::string(MELVATO_DATA_DIR) + "/appdata/DATEN/";
}

QImage readPicture(const std::string& name) {
    QImageReader reader(QString::fromStdString(daten() + name));
    return reader.read();
}

// Length in milliseconds as the sound layer reports it, or -1 when it cannot open the file.
int soundLength(const std::string& name) {
    int stream = FSOUND_Stream_Open(daten() + name, FSOUND_MPEGACCURATE, 0, 0);
    if (stream == 0) return -1;
    int length = FSOUND_Stream_GetLength(stream);
    FSOUND_Stream_Close(stream);
    return length;
}

class SuppliedSounds : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_NE(FSOUND_Init(44100, 32, 0), 0) << "dummy sound device expected"; }
    static void TearDownTestSuite() { FSOUND_Close(); }
};

}  // namespace

TEST(SuppliedPictures, CounterDigitsOpenAndShareOneSize) {
    // The counter is sized to one digit picture and paints three side by side.
    QImage first = readPicture("counter0.gif");
    ASSERT_FALSE(first.isNull());
    EXPECT_GE(first.height(), 32);
    for (int d = 1; d <= 9; ++d) {
        std::string name = "counter" + std::to_string(d) + ".gif";
        QImage digit = readPicture(name);
        ASSERT_FALSE(digit.isNull()) << name;
        EXPECT_EQ(digit.size(), first.size()) << name;
        EXPECT_NE(digit, first) << name << " looks like the zero";
    }
}

TEST(SuppliedPictures, BackgroundsAndWindowPicturesOpen) {
    struct Expected {
        const char* name;
        int minWidth;
        int minHeight;
    };
    const Expected pictures[] = {
        {"Back.jpg", 1024, 640},  // stretched over the whole screen
        {"back.jpg", 800, 600},   {"mac2.gif", 800, 600}, {"Deckel.jpg", 400, 240},
        {"Rahmen.jpg", 400, 200}, {"Press.gif", 24, 24},  {"Alter.jpg", 160, 120},
    };
    for (const auto& p : pictures) {
        QImage image = readPicture(p.name);
        ASSERT_FALSE(image.isNull()) << p.name;
        EXPECT_GE(image.width(), p.minWidth) << p.name;
        EXPECT_GE(image.height(), p.minHeight) << p.name;
    }
    // Two spellings, two pictures: the game window's is not the main window's.
    EXPECT_NE(readPicture("Back.jpg").size(), readPicture("back.jpg").size());
}

TEST_F(SuppliedSounds, SlotAndJingleFitTheirWaits) {
    // The slot runs while the counter rolls; the reveal waits at most 5 s for the jingle.
    int slot = soundLength("slot.wav");
    int jingle = soundLength("sound.wav");
    EXPECT_GE(slot, 1500);
    EXPECT_LE(slot, 2500);
    EXPECT_GE(jingle, 1000);
    EXPECT_LE(jingle, 2000);
}

TEST_F(SuppliedSounds, FeedbackVoicesAreNumberedWithoutGaps) {
    // The game counts "Ja 1.wav", "Ja 2.wav", ... up to the first gap; a file after a
    // gap would never be played.
    for (const std::string stem : {"Ja", "Nein"}) {
        std::set<int> numbers;
        std::regex pattern(stem + " ([0-9]+)\\.wav");
        for (const auto& entry : fs::directory_iterator(daten())) {
            std::smatch m;
            std::string name = entry.path().filename().string();
            if (std::regex_match(name, m, pattern)) numbers.insert(std::stoi(m[1]));
        }
        ASSERT_GE(numbers.size(), 4u) << stem;
        EXPECT_EQ(*numbers.begin(), 1) << stem;
        EXPECT_EQ(*numbers.rbegin(), int(numbers.size())) << stem << " numbers have a gap";
        for (int n : numbers) {
            std::string name = stem + " " + std::to_string(n) + ".wav";
            int length = soundLength(name);
            EXPECT_GT(length, 200) << name;
            EXPECT_LT(length, 4000) << name << " is too long for a quick yes or no";
        }
    }
}

TEST(SuppliedManual, OpensUnderTheHelpCommandsNameWithAllPicturesAndLinks) {
    // The help command asks for "anleitung\index.htm": found whatever the case.
    std::string manual = std::string(MELVATO_DATA_DIR) + "/appdata/anleitung\\index.htm";
    ASSERT_TRUE(fsys::fileExists(manual));
    std::string html = fsys::readAll(manual).value_or(std::string());
    ASSERT_GT(html.size(), 10000u) << "a real manual, not a stub";
    ASSERT_TRUE(QString::fromUtf8(html).toUtf8() == QByteArray::fromStdString(html)) << "declared as UTF-8";
    EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);

    std::set<std::string> ids;
    std::regex id(R"re(id="([^"]+)")re");
    for (std::sregex_iterator it(html.begin(), html.end(), id), end; it != end; ++it) ids.insert((*it)[1]);
    std::regex link(R"re(href="#([^"]+)")re");
    int links = 0;
    for (std::sregex_iterator it(html.begin(), html.end(), link), end; it != end; ++it, ++links)
        EXPECT_TRUE(ids.count((*it)[1])) << "link to a missing section: #" << (*it)[1];
    EXPECT_GE(links, 10);

    std::regex bild(R"re(src="([^"]+)")re");
    int bilder = 0;
    for (std::sregex_iterator it(html.begin(), html.end(), bild), end; it != end; ++it, ++bilder) {
        std::string pfad = std::string(MELVATO_DATA_DIR) + "/appdata/Anleitung/" + std::string((*it)[1]);
        QImageReader reader(QString::fromStdString(pfad));
        EXPECT_FALSE(reader.read().isNull()) << "picture of the manual missing or broken: " << (*it)[1];
    }
    EXPECT_GE(bilder, 3);
}

TEST(SuppliedPictures, EveryMediaNameInTheProgramIsSupplied) {
    // A window that loads a design picture or sound by a fixed name finds it in the
    // data folder's "DATEN" (temporary "now" copies and bare extensions aside).
    const std::regex literal(
        R"re("((?:DATEN|daten)[/\\]{1,2})?([A-Za-z0-9_ -]+\.(?:gif|jpg|bmp|ico|wav|ttf))")re");
    int gefunden = 0;
    for (const char* ordner : {"shell", "quiz", "questions", "exchange", "network", "translation"}) {
        fs::path wurzel = fs::path(MELVATO_SOURCE_DIR) / ordner;
        if (!fs::exists(wurzel)) continue;
        for (const auto& e : fs::recursive_directory_iterator(wurzel)) {
            if (e.path().extension() != ".cpp" && e.path().extension() != ".h") continue;
            std::string text = fsys::readAll(fsys::fromNative(e.path())).value_or(std::string());
            for (std::sregex_iterator it(text.begin(), text.end(), literal), end; it != end; ++it) {
                std::string name = (*it)[2];
                std::string klein = name;
                for (char& c : klein) c = char(std::tolower(static_cast<unsigned char>(c)));
                if (klein.rfind("now", 0) == 0) continue;
                ++gefunden;
                EXPECT_TRUE(fsys::fileExists(daten() + name)) << name << " (" << e.path().filename() << ")";
            }
        }
    }
    EXPECT_GE(gefunden, 8) << "the program's sources were not found";
}
