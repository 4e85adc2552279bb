// The questions that come with the program, read through the same calls the game
// uses: a question that reads back with a missing right answer, a lost
// explanation or a picture that cannot be found would show up in front of a
// child as an empty button or a blank picture.
#include <gtest/gtest.h>

#include <QImageReader>
#include <QString>

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>

#include "questions/FragenListe.h"
#include "questions/Media.h"
#include "questions/QuestionRecord.h"
#include "quiz/Bewertung.h"
#include "quiz/FMod.h"
#include "quiz/Ziehung.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "tests/support/TestSupport.h"

using namespace cp1252::literals;
namespace fs = std::filesystem;

namespace {

const std::string kData = MELVATO_DATA_DIR;  // the repository's data/

// The characters the music-symbol font draws, from the table the font is built to.
std::set<unsigned char> fontCharacters() {
    std::ifstream in(std::string(MELVATO_SOURCE_DIR) + "/tools/content/musical_symbols.md");
    std::set<unsigned char> codes;
    std::string line;
    while (std::getline(in, line)) {
        // "| 38 | `&` | ..." : the first cell is the code
        if (line.size() < 4 || line[0] != '|') continue;
        std::stringstream cells(line.substr(1));
        std::string first;
        std::getline(cells, first, '|');
        try {
            size_t used = 0;
            int code = std::stoi(first, &used);
            if (code >= 33 && code <= 255) codes.insert(static_cast<unsigned char>(code));
        } catch (const std::exception&) {
        }
    }
    return codes;
}

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

// A fixed-seed random source, so that every run plays the same games.
class SaatZufall : public quiz::Zufall {
public:
    explicit SaatZufall(unsigned seed) : gen_(seed) {}
    void Randomize() override {}
    float Rnd() override { return std::uniform_real_distribution<float>(0.0f, 1.0f)(gen_); }

private:
    std::mt19937 gen_;
};

bool isStub(const std::string& path) {
    std::error_code ec;
    auto size = fs::file_size(path, ec);
    return !ec && size < 10;
}

}  // namespace

TEST_F(Supplied, EveryQuestionIsCompleteAndExplained) {
    auto questions = all();
    ASSERT_GE(questions.size(), 500u);
    std::map<std::string, int> areas;
    std::set<int> grades;
    for (const auto& q : questions) {
        SCOPED_TRACE("question " + std::to_string(q.Nummer));
        EXPECT_TRUE(q.Verschlüsselt) << "supplied questions are stored as the editor saves them";
        EXPECT_FALSE(q.Frage.empty());
        int used = 0;
        while (used < 5 && !q.Antwort[size_t(used) + 1].empty()) ++used;
        EXPECT_GE(used, 3);
        for (int i = used + 1; i <= 5; ++i)
            EXPECT_TRUE(q.Antwort[size_t(i)].empty()) << "gap before answer " << i;
        EXPECT_GE(q.Lösung, 1);
        EXPECT_LE(q.Lösung, used) << "the right answer is one that is shown";
        for (int i = 1; i <= used; ++i) {
            EXPECT_FALSE(q.Erklärung[size_t(i)].empty()) << "answer " << i << " has no explanation";
            // A value the reader had to cut would come back exactly 254 long.
            EXPECT_LT(q.Erklärung[size_t(i)].size(), 254u);
        }
        EXPECT_LT(q.Frage.size(), 254u);
        EXPECT_EQ(q.Problem % 10, 0);
        EXPECT_GE(q.Problem, 10);
        EXPECT_LE(q.Problem, 90);
        EXPECT_FALSE(q.Bereich.empty());
        EXPECT_FALSE(!q.Bild.empty() && !q.Musical.empty()) << "the editor keeps picture and Musical apart";
        // Unscrambled texts are ordinary German text: no control characters.
        for (const std::string* t : {&q.Frage, &q.Antwort[1], &q.Erklärung[1]})
            for (unsigned char c : *t) EXPECT_GE(c, 32) << *t;
        areas[q.Bereich]++;
        grades.insert(q.Problem);
    }
    EXPECT_GE(areas.size(), 8u);
    EXPECT_EQ(grades, (std::set<int>{10, 20, 30, 40, 50, 60, 70, 80, 90}));
    // Children of 8 to 12 start at levels 21 to 29: they need plenty of questions up to grade 30.
    int easy = 0;
    for (const auto& q : questions) easy += q.Problem <= 30;
    EXPECT_GE(easy, 250);
    EXPECT_GT(areas["Hören"_ansi], 0);
}

// A child of 8, 10 or 12 starts near level 21, 25 or 29: in its first twenty
// questions it must meet several areas and hear something, or the game feels
// like a test sheet on one subject. The draw is chance, so nearly every game of
// many (seeded, the same on every run) must manage it.
TEST_F(Supplied, FirstTwentyQuestionsOfAChildsGameSpreadOverAreasAndListening) {
    auto questions = all();
    std::array<int, 1001> tabelle{};
    std::map<int, const fragen::QuestionRecord*> nachNummer;
    for (size_t i = 0; i < questions.size(); ++i) {
        tabelle[i + 1] = questions[i].Nummer;
        nachNummer[questions[i].Nummer] = &questions[i];
    }
    const auto anzahl = [&] { return std::int32_t(questions.size()); };
    quiz::Pool pool{anzahl, &tabelle, [&](std::int32_t n) { return double(nachNummer.at(n)->Problem); }, {}};
    const unsigned spiele = 40;
    for (int alter : {8, 10, 12}) {
        unsigned gut = 0;
        for (unsigned spiel = 1; spiel <= spiele; ++spiel) {
            SaatZufall zufall(spiel * 100 + unsigned(alter));
            quiz::Ziehung ziehung;
            ziehung.Niveau = quiz::AlterLevel(alter);
            std::set<std::string> bereiche;
            int hören = 0;
            for (int runde = 1; runde <= 20; ++runde) {
                ++ziehung.Runde;
                ASSERT_TRUE(ziehung.Ziehen(pool, zufall));
                if (runde == 1) ziehung.SperreAufheben();
                const auto& q = *nachNummer.at(ziehung.FrageNummer);
                bereiche.insert(q.Bereich);
                hören += !q.Audio.empty();
                // The child knows about two answers in three; a wrong first try is put right.
                quiz::OffeneFrage offen;
                offen.RichtigeAntwort = q.Lösung;
                if (zufall.Rnd() > 2.0f / 3.0f)
                    quiz::AntwortAuswerten(offen, ziehung, q.Lösung % 3 + 1, anzahl, {});
                if (!offen.Beantwortet) quiz::AntwortAuswerten(offen, ziehung, q.Lösung, anzahl, {});
            }
            gut += bereiche.size() >= 6 && hören >= 2;
        }
        EXPECT_GE(gut, spiele * 95 / 100) << "age " << alter;
    }
}

TEST_F(Supplied, TheUsersOwnRangeStaysEmpty) {
    // Questions 1 .. 99 belong to the user; a new data folder brings none.
    EXPECT_FALSE(fs::exists(home.appPfad() + "Fragen 0.Dat"));
    for (int n = 1; n <= 99; ++n) EXPECT_FALSE(fragen::FrageVorhanden(api, n)) << n;
}

TEST_F(Supplied, EveryPictureIsFoundAndOpens) {
    int pictures = 0, fromArchive = 0;
    for (const auto& q : all()) {
        for (const std::string* name : {&q.Bild, &q.Bild2}) {
            if (name->empty()) continue;
            SCOPED_TRACE("question " + std::to_string(q.Nummer) + ": " + *name);
            ++pictures;
            bool stub = isStub(daten + *name);
            fromArchive += stub;
            std::string copy = fragen::AnzeigeKopie(api, *name);
            ASSERT_TRUE(fragen::FileOk(api, *name, copy));
            QImageReader reader(QString::fromStdString(copy));
            QImage image = reader.read();
            ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
            EXPECT_GE(image.width(), 200);
            EXPECT_GE(image.height(), 100);
            if (stub) {
                EXPECT_TRUE(isStub(daten + *name)) << "the stub goes back after the display copy";
            }
        }
    }
    EXPECT_GE(pictures, 100);
    EXPECT_GE(fromArchive, 10) << "part of the pictures comes from the media archive";
}

TEST_F(Supplied, EverySoundIsFoundAndPlaysBriefly) {
    int sounds = 0, fromArchive = 0;
    const std::string target = daten + "TestTon.ogg";
    for (const auto& q : all()) {
        if (q.Audio.empty()) continue;
        SCOPED_TRACE("question " + std::to_string(q.Nummer) + ": " + q.Audio);
        ++sounds;
        fromArchive += isStub(daten + q.Audio);
        ASSERT_TRUE(fragen::FileOk(api, q.Audio, target));
        int stream = FSOUND_Stream_Open(target, FSOUND_MPEGACCURATE, 0, 0);
        ASSERT_NE(stream, 0) << "the sound layer cannot open it";
        int ms = FSOUND_Stream_GetLength(stream);
        FSOUND_Stream_Close(stream);
        EXPECT_GE(ms, 500);
        EXPECT_LE(ms, 20000) << "listening questions stay short";
    }
    EXPECT_GE(sounds, 150);
    EXPECT_GE(fromArchive, 10) << "part of the sounds comes from the media archive";
}

TEST_F(Supplied, MusicalLinesUseOnlySignsOfTheFont) {
    const auto font = fontCharacters();
    ASSERT_GE(font.size(), 30u) << "the font table could not be read";
    int lines = 0;
    for (const auto& q : all()) {
        if (q.Musical.empty()) continue;
        ++lines;
        for (unsigned char c : q.Musical)
            EXPECT_TRUE(font.count(c)) << "question " << q.Nummer << ": sign " << int(c) << " has no glyph";
    }
    EXPECT_GE(lines, 10);
}

TEST_F(Supplied, AMediaNameMissingEverywhereIsNotFound) {
    // The walk above only means something if a wrong name would fail it.
    EXPECT_FALSE(fragen::FileOk(api, "gibt_es_nicht.gif", daten + "Now.GIF"));
    EXPECT_FALSE(fs::exists(daten + "gibt_es_nicht.gif"));
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
