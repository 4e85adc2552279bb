// The microphone behind the four recording commands, on SDL's disk driver: it
// reads raw samples from a file of ours as if they came from a microphone.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>
#include <sndfile.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "questions/Mci.h"
#include "quiz/FMod.h"
#include "tests/support/TestSupport.h"

using fragen::Mci;

namespace {
class Aufnahme : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 3000; ++i) gefuettert_.push_back(std::int16_t((i % 200) * 100 - 9999));
        eingabe_ = home_.root() + "mikro.raw";
        std::ofstream(eingabe_, std::ios::binary)
            .write(reinterpret_cast<const char*>(gefuettert_.data()),
                   std::streamsize(gefuettert_.size() * 2));
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        ::setenv("SDL_DISKAUDIOFILEIN", eingabe_.c_str(), 1);
        ::setenv("SDL_DISKAUDIOFILE", (home_.root() + "ausgabe.raw").c_str(), 1);
        ::setenv("SDL_DISKAUDIODELAY", "0", 1);  // no real-time pacing
    }
    void TearDown() override { ::setenv("SDL_AUDIODRIVER", "dummy", 1); }

    testing_support::TempHome home_;
    std::vector<std::int16_t> gefuettert_;
    std::string eingabe_;
};
}  // namespace

TEST_F(Aufnahme, RecordsTheMicrophoneAndStopsAtSixtySecondsIntoAWavThatPlays) {
    Mci mci;
    ASSERT_EQ(mci.mciSendString("open new type waveaudio alias capture"), Mci::Ok);
    ASSERT_EQ(mci.mciSendString("record capture"), Mci::Ok);
    for (int i = 0; i < 5000 && mci.nimmtAuf(); ++i) SDL_Delay(2);
    EXPECT_FALSE(mci.nimmtAuf());
    EXPECT_EQ(mci.mciSendString("stop capture"), Mci::Ok);
    const std::string ziel = home_.root() + "mit Blank/Temp.wav";
    std::filesystem::create_directories(home_.root() + "mit Blank");
    EXPECT_EQ(mci.mciSendString("save capture " + ziel), Mci::Ok);
    EXPECT_EQ(mci.mciSendString("close capture"), Mci::Ok);
    EXPECT_EQ(mci.mciSendString("record capture"), Mci::NichtGeoeffnet);

    SF_INFO info{};
    SNDFILE* f = sf_open(ziel.c_str(), SFM_READ, &info);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(info.frames, sf_count_t(Mci::kRate * Mci::kHoechstDauer));
    EXPECT_EQ(info.channels, 1);
    std::vector<std::int16_t> gelesen(gefuettert_.size());
    sf_read_short(f, gelesen.data(), sf_count_t(gelesen.size()));
    sf_close(f);
    EXPECT_EQ(gelesen, gefuettert_);

    ASSERT_NE(FSOUND_Init(44100, 32, 0), 0);
    const int strom = FSOUND_Stream_Open(ziel, FSOUND_MPEGACCURATE, 0, 0);
    ASSERT_NE(strom, 0);
    EXPECT_NEAR(FSOUND_Stream_GetLength(strom), 60000, 50);
    EXPECT_GE(FSOUND_Stream_Play(0, strom), 0);
    FSOUND_Stream_Close(strom);
    FSOUND_Close();
}

TEST_F(Aufnahme, WithoutACaptureDeviceNothingIsRecorded) {
    ::setenv("SDL_DISKAUDIOFILEIN", (home_.root() + "fehlt.raw").c_str(), 1);
    Mci mci;
    EXPECT_EQ(mci.mciSendString("open new type waveaudio alias capture"), Mci::KeinGeraet);
    EXPECT_EQ(mci.mciSendString("record capture"), Mci::NichtGeoeffnet);
    EXPECT_EQ(mci.mciSendString("save capture " + home_.root() + "x.wav"), Mci::NichtGeoeffnet);
    EXPECT_FALSE(testing_support::fileExists(home_.root() + "x.wav"));
}
