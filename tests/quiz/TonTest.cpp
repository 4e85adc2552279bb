#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>

#include "questions/Media.h"
#include "quiz/FMod.h"
#include "quiz/Ton.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/FileSys.h"
#include "services/MelvatoBasic.h"
#include "tests/quiz/QuizFakes.h"
#include "tests/support/TestSupport.h"

using quiz::Ablauf;
using quiz::Tonwiedergabe;
using quiz_test::AufnahmeSound;
using quiz_test::HandUhr;

namespace {

// A data folder with a few sounds, the recording sound library and the player.
struct TonFixture : ::testing::Test {
    testing_support::TempHome home;
    testing_support::ScriptedDialogs dialogs;
    ApiClass api;
    AufnahmeSound sound;
    HandUhr uhr;
    std::vector<std::pair<int, bool>> knoepfe;
    std::vector<int> pausen;
    std::string daten = api.AppPfad() + "DATEN/";
    Tonwiedergabe::Anbindung anbindung{
        [this](const std::string& name, const std::string& ziel) { return fragen::FileOk(api, name, ziel); },
        [this](int i, bool an) { knoepfe.emplace_back(i, an); },
        [this](const std::string&) { return hindernis; }};
    std::string hindernis;  // what keeps the data folder from taking files
    std::unique_ptr<Tonwiedergabe> ton;

    void SetUp() override {
        api.setSleeper([this](int ms) { pausen.push_back(ms); });
        testing_support::writeFile(daten + "slot.wav", "slot-sound-bytes");
        testing_support::writeFile(daten + "sound.WAV", "jingle-bytes");
        testing_support::writeFile(daten + "ja 1.wav", "yes-voice-bytes");
        testing_support::writeFile(daten + "cello.ogg", "ogg-vorbis-bytes");
        ton = std::make_unique<Tonwiedergabe>(api, sound, uhr, anbindung);
        MelvatoBasic::SoundOk = true;
    }
    void TearDown() override { MelvatoBasic::SoundOk = false; }
};

}  // namespace

TEST_F(TonFixture, SoundsAlternateBetweenTwoTemporaryFiles) {
    ton->SoundAbspielen("slot.wav");
    ton->SoundAbspielen("sound");      // no extension: ".wav" is added
    ton->SoundAbspielen("ja 1.Wav");   // any letter case of ".WAV" is kept
    ton->SoundAbspielen("cello.ogg");  // another kind keeps its name
    ASSERT_EQ(sound.stroeme.size(), 4u);
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(sound.stroeme[i].datei, api.AppPfad() + (i % 2 ? "DATEN\\Now1.Wav" : "DATEN\\Now0.Wav"));
    EXPECT_EQ(sound.gespielt, (std::vector<std::string>{"slot-sound-bytes", "jingle-bytes", "yes-voice-bytes",
                                                        "ogg-vorbis-bytes"}));
    // Each new sound stops and closes the one before.
    for (size_t i = 0; i < 3; ++i)
        EXPECT_TRUE(sound.stroeme[i].gestoppt && sound.stroeme[i].geschlossen) << i;
    EXPECT_EQ(sound.offen(), 1);
    EXPECT_TRUE(ton->spielt());
    EXPECT_EQ(knoepfe.front(), std::make_pair(8, false));
}

// A missing sound says nothing; a file the library cannot open is reported.
TEST_F(TonFixture, MissingSoundIsSilentAndOneThatCannotOpenIsReported) {
    ton->SoundAbspielen("slot.wav");
    ton->SoundAbspielen("gibtsnicht.wav");
    ton->SoundAbspielen("");
    EXPECT_EQ(sound.stroeme.size(), 1u);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(ton->toggle(), 1);  // unchanged by the missing one

    sound.oeffnenScheitert = true;
    ton->SoundAbspielen("slot.wav");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Die Tondatei \"slot.wav\" kann nicht abgespielt werden.\r\nError while opening file\r\nFile "
              "not found");
    EXPECT_EQ(dialogs.messages[0].flags, dlg::OKOnly);
    EXPECT_FALSE(ton->spielt());
    EXPECT_EQ(ton->toggle(), 1);
}

// PlaySound takes its path as it is; without the library nothing is touched.
TEST_F(TonFixture, PlaySoundTakesThePathAsItIsAndWithoutLibraryNothingPlays) {
    ton->PlaySound(daten + "sound.WAV");
    ASSERT_EQ(sound.stroeme.size(), 1u);
    EXPECT_EQ(sound.stroeme[0].datei, daten + "sound.WAV");
    EXPECT_EQ(ton->toggle(), 0);
    ton->StreamBreak();
    EXPECT_TRUE(sound.stroeme[0].gestoppt && sound.stroeme[0].geschlossen);
    EXPECT_FALSE(ton->spielt());
    EXPECT_EQ(ton->stream(), 0);

    MelvatoBasic::SoundOk = false;
    sound.protokoll.clear();
    ton->SoundAbspielen("slot.wav");
    ton->PlaySound(daten + "slot.wav");
    EXPECT_TRUE(sound.protokoll.empty());
    EXPECT_TRUE(knoepfe.empty());  // not even the repeat button
}

// The player is told why the data folder takes no files.
TEST(Schreiben, ReasonForAFolderThatTakesNoFiles) {
    using namespace cp1252::literals;
    const std::pair<int, std::string> faelle[] = {{EROFS, "er ist schreibgeschützt"_ansi},
                                                  {ENOSPC, "der Datenträger ist voll"_ansi},
                                                  {EDQUOT, "der Datenträger ist voll"_ansi},
                                                  {EACCES, "es fehlen die Rechte zum Schreiben"},
                                                  {EIO, "Fehler 5 (Input/output error)"}};
    for (const auto& [fehler, grund] : faelle) EXPECT_EQ(quiz::SchreibGrund(fehler), grund) << fehler;

    testing_support::TempHome home;
    const std::string ordner = home.appPfad();
    EXPECT_EQ(quiz::SchreibHindernis(ordner), "");
    EXPECT_TRUE(fsys::list(ordner).empty());  // the trial file is gone again
    testing_support::writeFile(ordner + "datei", "x");
    EXPECT_EQ(quiz::SchreibHindernis(ordner + "datei/"), quiz::SchreibGrund(ENOTDIR));
}

TEST_F(TonFixture, EndOfSoundIsNoticedAndHandledOnTheNextTick) {
    Ablauf a;
    a.SlotLäuft = true;
    a.AktuellesAudio = "frage.wav";
    a.zaehlerTag = "STOP";
    ton->SoundAbspielen("sound.wav");
    EXPECT_FALSE(ton->Takt(a));
    EXPECT_TRUE(a.SlotLäuft);  // still playing
    sound.ende();
    ton->Takt(a);
    ton->Takt(a);  // noticed one tick before
    knoepfe.clear();
    uhr.zeit += 0.25;
    ton->Takt(a);
    EXPECT_TRUE(a.SlotLäuft);  // rings out for 0.3 s, without blocking the ticks
    EXPECT_FALSE(sound.stroeme[0].gestoppt);
    uhr.zeit += 0.125;
    ton->Takt(a);
    EXPECT_FALSE(a.SlotLäuft);
    EXPECT_EQ(pausen, std::vector<int>{});
    EXPECT_TRUE(sound.stroeme[0].gestoppt);
    EXPECT_EQ(knoepfe, (std::vector<std::pair<int, bool>>{{8, true}}));
    EXPECT_FALSE(ton->spielt());

    // Without a question sound the repeat button stays hidden.
    a.AktuellesAudio.clear();
    a.SlotLäuft = true;
    ton->SoundAbspielen("sound.wav");
    knoepfe.clear();
    sound.ende();
    ton->Takt(a);
    ton->Takt(a);
    // A feedback voice that begins while the sound rings out plays on.
    ton->SoundAbspielen("ja 1");
    uhr.zeit += 0.5;
    ton->Takt(a);
    EXPECT_FALSE(a.SlotLäuft);
    EXPECT_FALSE(sound.stroeme.back().gestoppt);
    EXPECT_EQ(std::count(knoepfe.begin(), knoepfe.end(), std::pair{8, true}), 0);
}

// The real library on the dummy driver. Starting it must leave Ctrl+C and SIGTERM
// to the program (taken over by the library they would end up as events nobody
// reads). A supplied question sound, an Ogg file kept in the media archive, plays
// from its temporary copy with the ".Wav" name; a 60 ms sound plays out and its
// end is noticed by the ticks.
TEST(TonEcht, SoundsPlayOnTheDummyDevice) {
    testing_support::TempHome home;
    testing_support::ScriptedDialogs dialogs;
    ApiClass api;
    api.setSleeper([](int) {});
    fragen::setInstallationsPfad(MELVATO_DATA_DIR "/install/");
    const std::string daten = api.AppPfad() + "DATEN/";
    // A sound the generator keeps in the archive (chosen there by its name).
    testing_support::writeFile(daten + "s_cembalo.ogg", " 1 \r\n");  // stub: archive 1
    quiz_test::schreibeWav(daten + "slot.wav", 60);
    quiz::FModSound fmod;
    quiz::EchteUhr uhr;
    Tonwiedergabe ton(
        api, fmod, uhr,
        {[&](const std::string& name, const std::string& ziel) { return fragen::FileOk(api, name, ziel); },
         {},
         {}});
    // A program started in the background finds SIGINT ignored: what counts is
    // that starting the sound leaves both as they were.
    struct sigaction vorher[2]{};
    sigaction(SIGINT, nullptr, &vorher[0]);
    sigaction(SIGTERM, nullptr, &vorher[1]);
    MelvatoBasic::SoundOk = false;
    ton.Starten();
    ASSERT_TRUE(MelvatoBasic::SoundOk) << (dialogs.messages.empty() ? "" : dialogs.messages[0].text);
    for (int i : {0, 1}) {
        struct sigaction sa {};
        sigaction(i ? SIGTERM : SIGINT, nullptr, &sa);
        EXPECT_EQ(sa.sa_handler, vorher[i].sa_handler) << i;
    }

    ton.SoundAbspielen("s_cembalo.ogg");
    EXPECT_TRUE(dialogs.messages.empty()) << (dialogs.messages.empty() ? "" : dialogs.messages[0].text);
    ASSERT_TRUE(ton.spielt());
    EXPECT_GT(fmod.GetLength(ton.stream()), 500);
    fragen::setInstallationsPfad({});

    ton.SoundAbspielen("slot.wav");
    ASSERT_TRUE(ton.spielt());
    EXPECT_NEAR(fmod.GetLength(ton.stream()), 60, 5);
    Ablauf a;
    a.SlotLäuft = true;
    a.zaehlerTag = "GO";
    const double start = uhr.jetzt();
    int takte = 0;
    while (a.SlotLäuft && uhr.jetzt() - start < 3.0) {
        ton.Takt(a);
        ++takte;
        ::usleep(10000);
    }
    EXPECT_FALSE(a.SlotLäuft);
    EXPECT_GE(takte, 2);  // the end is noticed on one tick and handled on the next
    EXPECT_FALSE(ton.spielt());
    ton.Schliessen();
}

TEST(TonEcht, NoDeviceLeavesTheGameSilent) {
    testing_support::TempHome home;
    testing_support::ScriptedDialogs dialogs;
    ApiClass api;
    const char* alt = std::getenv("SDL_AUDIODRIVER");
    const std::string altWert = alt ? alt : "";
    setenv("SDL_AUDIODRIVER", "nosuchdriver", 1);
    quiz::FModSound fmod;
    HandUhr uhr;
    Tonwiedergabe ton(api, fmod, uhr, {});
    MelvatoBasic::SoundOk = false;
    ton.Starten();
    if (alt)
        setenv("SDL_AUDIODRIVER", altWert.c_str(), 1);
    else
        unsetenv("SDL_AUDIODRIVER");
    EXPECT_FALSE(MelvatoBasic::SoundOk);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Die Tonausgabe kann nicht gestartet werden, es geht ohne Ton weiter.\r\n"
              "An error occured initializing fmod\r\nError initializing output device.");
}
