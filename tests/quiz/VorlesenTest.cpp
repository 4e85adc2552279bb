// The voice and what it is given: real speech into real WAV files, played by the
// real sound layer; the text cleaning and the teacher's word table.
#include <gtest/gtest.h>

#include "quiz/Aussprache.h"
#include "quiz/FMod.h"
#include "quiz/Spiel.h"
#include "quiz/Stimme.h"
#include "quiz/Vorleser.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/FileSys.h"
#include "services/MelvatoBasic.h"
#include "tests/quiz/QuizFakes.h"
#include "tests/support/TestSupport.h"

using namespace cp1252::literals;

TEST(Vorlesen, GermanSentenceBecomesAPlayableWavThatGrowsWithTheText) {
    testing_support::TempHome home;
    quiz::Stimme stimme;
    ASSERT_TRUE(stimme.bereit()) << stimme.hindernis();
    ASSERT_EQ(FSOUND_Init(44100, 32, 0), 1);
    int laenge[2] = {};
    const std::string saetze[2] = {"Welches Instrument hörst du?"_ansi,
                                   "Welches Instrument hörst du? Es hat vier Saiten und wird mit einem Bogen "
                                   "gestrichen. Ist es eine Geige oder ein Cello?"_ansi};
    for (int i = 0; i < 2; ++i) {
        const std::string datei = home.root() + "satz" + std::to_string(i) + ".wav";
        ASSERT_TRUE(stimme.Sprechen(saetze[i], datei));
        const int strom = FSOUND_Stream_Open(datei, FSOUND_MPEGACCURATE, 0, 0);
        ASSERT_NE(strom, 0) << FSOUND_Ablehnung();
        EXPECT_GE(FSOUND_Stream_Play(-1, strom), 0);
        laenge[i] = FSOUND_Stream_GetLength(strom);
        FSOUND_Stream_Close(strom);
    }
    FSOUND_Close();
    EXPECT_GT(laenge[0], 800);  // a spoken sentence, not a click
    EXPECT_GT(laenge[1], 3 * laenge[0]);
    EXPECT_FALSE(stimme.Sprechen("  ", home.root() + "leer.wav"));
}

// Without voice data, or without a sound device, reading is not offered, the log
// says why once, and nothing is played.
TEST(Vorlesen, WithoutVoiceDataOrDeviceTheGameGoesOnUnread) {
    testing_support::TempHome home;
    testing_support::ScriptedDialogs dialogs;
    ApiClass api;
    api.ProtokollAn(true);
    fragen::QuestionPool::Table tabelle{};
    quiz_test::AufnahmeSound sound;
    quiz::Spiel::Anbindung s;
    s.sound = &sound;
    quiz::Spiel spiel(api, tabelle, s);
    fsys::makeFolders(home.root() + "leer");
    struct Fall {
        std::string stimmdaten, ordner;
        bool tonOk;
        quiz::Vorleser::Hindernis hindernis;
        std::string log;
    };
    const Fall faelle[] = {
        {home.root() + "leer", home.root(), true, quiz::Vorleser::Hindernis::KeineStimme,
         "Sprachdaten fehlen"},
        {"", home.root(), false, quiz::Vorleser::Hindernis::KeinTon, "keine Tonausgabe"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.stimmdaten + f.ordner);
        MelvatoBasic::SoundOk = f.tonOk;
        quiz::Vorleser leser(api, spiel, {nullptr, f.ordner, f.stimmdaten, "", [] { return 6; }});
        EXPECT_EQ(leser.hindernis(), f.hindernis);
        EXPECT_EQ(leser.hindernis(), f.hindernis);
        leser.Vorlesen();
        EXPECT_TRUE(sound.stroeme.empty());
        EXPECT_FALSE(leser.liest());
        const std::string log = testing_support::readFile(api.LogDatei());
        const size_t stelle = log.find(f.log);
        EXPECT_NE(stelle, std::string::npos) << log;
        EXPECT_EQ(log.find(f.log, stelle + 1), std::string::npos) << "logged twice";
    }
    MelvatoBasic::SoundOk = false;
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(Vorlesen, TextIsCleanedAndMusicWordsAreRespelled) {
    testing_support::TempHome home;
    const std::string tabelle = home.root() + "Aussprache.txt";
    testing_support::writeFile(
        tabelle,
        "; Wörter, die die Stimme falsch sagt\r\nCis=Ziss\r\nfis-Moll = Fiss Moll\r\n"
        "Cello=Tschello\r\nohne Gleichheitszeichen\r\n=leer\r\ncello=Tschello\r\n"_ansi);
    quiz::Aussprache aussprache;
    aussprache.Laden(tabelle);
    aussprache.Laden(home.root() + "fehlt.txt");
    EXPECT_EQ(aussprache.Anzahl(), 3u);
    const std::pair<const char*, const char*> faelle[] = {
        {"Welche Tonart ist \"C-Dur\"?", "Welche Tonart ist C Dur?"},
        {"Wie lang ist eine ½ Note im 3/4-Takt (oder 6/8)?",
         "Wie lang ist eine einhalb Note im 3 Viertel Takt oder 6 Achtel?"},
        {"CIS, cis und Cisco; fis-Moll oder Fisch", "Ziss, Ziss und Cisco; Fiss Moll oder Fisch"},
        {"Das Cello – ein Streich-\r\ninstrument…", "Das Tschello ein Streich instrument"},
        {"Rock & Pop: 1/3 + ¼", "Rock und Pop: 1 durch 3 plus ein Viertel"},
        {"Saint-Saëns!", "Saint Saëns!"},
    };
    for (const auto& [text, gesprochen] : faelle)
        EXPECT_EQ(cp1252::toUtf8(aussprache.Bereinigen(cp1252::fromUtf8(text))), gesprochen) << text;
    // The supplied table, as a teacher's editor may have saved it.
    quiz::Aussprache mitgeliefert;
    mitgeliefert.Laden(MELVATO_DATA_DIR "/appdata/Aussprache.txt");
    EXPECT_GE(mitgeliefert.Anzahl(), 20u);
    EXPECT_EQ(cp1252::toUtf8(mitgeliefert.Bereinigen("cis-Moll, Cajón und Fisch"_ansi)),
              "Ziss Moll, Kachon und Fisch");
}
