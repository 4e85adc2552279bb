// The questions that come with the program, read through the same calls the game
// uses. tools/content/check_questions.py (run as a test as well) checks the
// records themselves; here the program's reader and media code must bring every
// text back whole and every picture and sound into a playable file.
#include <gtest/gtest.h>

#include <QImageReader>
#include <QString>

#include <algorithm>
#include <filesystem>
#include <string>

#include "questions/FragenListe.h"
#include "questions/Media.h"
#include "questions/QuestionRecord.h"
#include "quiz/FMod.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "tests/support/TestSupport.h"

using namespace cp1252::literals;
namespace fs = std::filesystem;

namespace {

const std::string kData = MELVATO_DATA_DIR;  // the repository's data/

struct Supplied : ::testing::Test {
    testing_support::TempHome home;
    testing_support::ScriptedDialogs dialogs;
    ApiClass api;
    std::string daten = home.appPfad() + "DATEN/";

    static void SetUpTestSuite() { ASSERT_NE(FSOUND_Init(44100, 32, 0), 0); }
    static void TearDownTestSuite() { FSOUND_Close(); }

    void SetUp() override {
        // A new user's data folder is a copy of the template; the archives stay
        // in the installation folder, as after an installation.
        fs::copy(kData + "/appdata", home.appPfad(),
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        fragen::setInstallationsPfad(kData + "/install");
    }
    void TearDown() override { fragen::setInstallationsPfad(""); }

    std::vector<fragen::QuestionRecord> all() {
        std::vector<fragen::QuestionRecord> out;
        for (int n = 100; n <= fragen::kLetzteFrage; ++n)
            if (fragen::FrageVorhanden(api, n)) out.push_back(fragen::FrageLesen(api, n));
        return out;
    }
};

bool isStub(const std::string& path) {
    std::error_code ec;
    auto size = fs::file_size(path, ec);
    return !ec && size < 10;
}

}  // namespace

TEST_F(Supplied, EveryTextReadsBackWholeThroughTheProgramsReader) {
    auto questions = all();
    ASSERT_GE(questions.size(), 500u);
    // The records' keys, answers and grades are the content checker's; here the
    // reader must bring every text back whole.
    int hearing = 0;
    for (const auto& q : questions) {
        SCOPED_TRACE("question " + std::to_string(q.Nummer));
        for (int i = 0; i <= 5; ++i) {
            const std::string& t = i == 0 ? q.Frage : q.Erklärung[size_t(i)];
            // A value the reader had to cut comes back exactly 254 long; unscrambled
            // texts are ordinary German text without control characters.
            EXPECT_LT(t.size(), 254u);
            for (unsigned char c : t + q.Antwort[size_t(std::max(i, 1))]) EXPECT_GE(c, 32) << t;
        }
        hearing += q.Bereich == "Hören"_ansi;
    }
    EXPECT_GT(hearing, 0);
}

TEST_F(Supplied, TheUsersOwnRangeStaysEmpty) {
    // Questions 1 .. 99 belong to the user; a new data folder brings none.
    EXPECT_FALSE(fs::exists(home.appPfad() + "Fragen 0.Dat"));
    for (int n = 1; n <= 99; ++n) EXPECT_FALSE(fragen::FrageVorhanden(api, n)) << n;
}

// Pictures open as images, sounds in the sound layer; those behind a stub come
// from the media archive and the stub goes back after the copy.
TEST_F(Supplied, EveryPictureOpensAndEverySoundPlaysBriefly) {
    int anzahl[2] = {}, archiv[2] = {};  // pictures, sounds
    for (const auto& q : all()) {
        for (const std::string* name : {&q.Bild, &q.Bild2, &q.Audio}) {
            if (name->empty()) continue;
            SCOPED_TRACE("question " + std::to_string(q.Nummer) + ": " + *name);
            const int ton = name == &q.Audio;
            ++anzahl[ton];
            const bool stub = isStub(daten + *name);
            archiv[ton] += stub;
            const std::string copy = ton ? daten + "TestTon.ogg" : fragen::AnzeigeKopie(api, *name);
            ASSERT_TRUE(fragen::FileOk(api, *name, copy));
            EXPECT_TRUE(!stub || isStub(daten + *name));
            if (ton) {
                int stream = FSOUND_Stream_Open(copy, FSOUND_MPEGACCURATE, 0, 0);
                ASSERT_NE(stream, 0) << "the sound layer cannot open it";
                int ms = FSOUND_Stream_GetLength(stream);
                FSOUND_Stream_Close(stream);
                EXPECT_GE(ms, 500);
                EXPECT_LE(ms, 20000) << "listening questions stay short";
            } else {
                QImageReader reader(QString::fromStdString(copy));
                QImage image = reader.read();
                ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
                EXPECT_GE(image.width(), 200);
                EXPECT_GE(image.height(), 100);
            }
        }
    }
    EXPECT_GE(anzahl[0], 100);
    EXPECT_GE(anzahl[1], 150);
    EXPECT_GE(archiv[0], 10);
    EXPECT_GE(archiv[1], 10);
}

// Each supplied list is what the list window builds from the filters saved in
// it, and saving it again gives the same bytes.
TEST_F(Supplied, ListsMatchTheirFiltersAndTheirOwnSave) {
    std::vector<fs::path> listen;
    for (const auto& e : fs::directory_iterator(home.appPfad() + "Spiele")) listen.push_back(e.path());
    ASSERT_GE(listen.size(), 6u);
    fragen::ListenBau bau(api);
    bau.Laden();
    for (const auto& pfad : listen) {
        const std::string datei = cp1252::fromUtf8(pfad.string());  // core names are Windows-1252
        SCOPED_TRACE(datei);
        ASSERT_TRUE(fragen::IstListe(api, datei));
        for (int g = 1; g <= 9; ++g)
            bau.grade[size_t(g - 1)] = api.IniLesenVal(datei, "Schwierig", "Grad " + std::to_string(g)) != 0;
        for (auto& t : bau.themen) t.second = api.IniLesenVal(datei, "Themen", t.first) != 0;
        bau.ListeAktualisieren();
        std::vector<std::int32_t> gebaut;
        for (const auto& z : bau.zeilen) gebaut.push_back(z.nummer);
        EXPECT_GE(gebaut.size(), 50u);
        EXPECT_EQ(fragen::ListenNummern(api, datei), gebaut);

        fragen::ListenDatei l;
        l.nummern = gebaut;
        l.grade = bau.grade;
        l.themen = bau.themen;
        const std::string neu = home.root() + "neu" + std::to_string(&pfad - listen.data()) + ".lst";
        fragen::ListeSpeichern(api, neu, l);
        EXPECT_EQ(testing_support::readFile(neu), testing_support::readFile(pfad.string()));
    }
}
