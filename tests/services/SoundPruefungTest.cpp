// Bad sound files never reach the sound library: each is refused, the log names
// it and says why, and nothing is shown to the player. Good ones still play.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <cstdint>
#include <vector>

#include "questions/Media.h"
#include "quiz/FMod.h"
#include "quiz/SoundPruefung.h"
#include "quiz/Ton.h"
#include "services/ApiClass.h"
#include "services/MelvatoBasic.h"
#include "tests/support/TestSupport.h"

namespace {

void le(std::string& s, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) s += char((v >> (8 * i)) & 0xff);
}

// A PCM WAV file as its header claims it to be, with 0.1 s of 16-bit samples.
std::string wav(std::uint32_t kanaele, std::uint32_t rate) {
    const std::uint32_t block = 2 * kanaele;
    const std::string daten(2205 * 2, '\x10');
    std::string s = "RIFF";
    le(s, std::uint32_t(36 + daten.size()), 4);
    s += "WAVEfmt ";
    le(s, 16, 4);
    le(s, 1, 2);
    le(s, kanaele, 2);
    le(s, rate, 4);
    le(s, rate * block, 4);
    le(s, block, 2);
    le(s, 16, 2);
    s += "data";
    le(s, std::uint32_t(daten.size()), 4);
    return s + daten;
}

void schreibeMitSndfile(const std::string& pfad, int format) {
    SF_INFO info{};
    info.samplerate = 22050;
    info.channels = 1;
    info.format = format;
    SNDFILE* f = sf_open(pfad.c_str(), SFM_WRITE, &info);
    ASSERT_NE(f, nullptr) << sf_strerror(nullptr);
    std::vector<short> samples(4410);
    for (size_t i = 0; i < samples.size(); ++i) samples[i] = short((i % 40) * 500 - 10000);
    sf_write_short(f, samples.data(), sf_count_t(samples.size()));
    sf_close(f);
}

struct Fall {
    const char* name;
    std::string bytes;  // empty with `format`: written by libsndfile
    int format = 0;
    bool spielt = false;
};

TEST(SoundPruefung, BadFilesAreRefusedByNameAndGoodOnesPlay) {
    testing_support::TempHome home;
    testing_support::ScriptedDialogs dialogs;
    ApiClass api;
    api.protokoll("START", 0);
    const std::string daten = api.AppPfad() + "DATEN/";
    const std::vector<Fall> faelle = {
        {"null Kanaele.wav", wav(0, 22050)},
        {"null Rate.wav", wav(1, 0)},
        {"viele Kanaele.wav", wav(65535, 22050)},
        {"abgeschnitten.wav", wav(1, 22050).substr(0, 30)},
        {"ohne fmt.wav", std::string("RIFF\x04\0\0\0WAVE", 12)},
        {"text.wav", "Das ist ein Text und kein Ton.\r\n"},
        {"leer.ogg", ""},
        {"gut.wav", wav(2, 22050), 0, true},
        {"gut.ogg", "", SF_FORMAT_OGG | SF_FORMAT_VORBIS, true},
        {"gut.mp3", "", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, true},
    };
    quiz::FModSound fmod;
    quiz::EchteUhr uhr;
    quiz::Tonwiedergabe::Anbindung anbindung;
    anbindung.fileOk = [&](const std::string& name, const std::string& ziel) {
        return fragen::FileOk(api, name, ziel);
    };
    quiz::Tonwiedergabe ton(api, fmod, uhr, anbindung);
    ton.Starten();
    ASSERT_TRUE(MelvatoBasic::SoundOk);
    // By full path, as start-up plays its sound: the log names the path.
    for (const Fall& f : faelle) {
        const std::string pfad = daten + f.name;
        if (f.format)
            schreibeMitSndfile(pfad, f.format);
        else
            testing_support::writeFile(pfad, f.bytes);
        const size_t logVorher = testing_support::readFile(api.LogDatei()).size();
        EXPECT_EQ(ton.PlaySound(pfad), f.spielt) << f.name;
        const std::string log = testing_support::readFile(api.LogDatei()).substr(logVorher);
        EXPECT_EQ(log.find("Sound nicht abgespielt: " + pfad + ": ") != std::string::npos, !f.spielt)
            << f.name;
    }
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().text;
    // A question's sound is played from a copy; the log names the question's file.
    EXPECT_FALSE(ton.SoundAbspielen("null Kanaele.wav"));
    EXPECT_NE(
        testing_support::readFile(api.LogDatei()).find("Sound nicht abgespielt: null Kanaele.wav: 0 Kan"),
        std::string::npos);
    EXPECT_TRUE(ton.SoundAbspielen("gut.ogg"));
    ton.Schliessen();
}

}  // namespace
