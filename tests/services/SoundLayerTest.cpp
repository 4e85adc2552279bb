// The sound layer on the real SDL2_mixer with the dummy driver.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <set>
#include <vector>

#include "quiz/FMod.h"
#include "tests/support/TestSupport.h"

using testing_support::TempHome;
using testing_support::writeFile;

namespace {
// A short sine tone, written with libsndfile.
void writeTone(const std::string& path, int ms) {
    SF_INFO info{};
    info.samplerate = 22050;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(f, nullptr);
    std::vector<short> samples(size_t(22050 * ms / 1000));
    for (size_t i = 0; i < samples.size(); ++i) samples[i] = short((i % 50) * 400 - 10000);
    sf_write_short(f, samples.data(), sf_count_t(samples.size()));
    sf_close(f);
}

// Closes the sound layer again whatever the test's outcome.
struct Schliessen {
    ~Schliessen() { FSOUND_Close(); }
};
}  // namespace

// Playing a sound to its end on this layer is tried by the game's sound tests.
TEST(SoundLayer, OpensByAnyCaseWithItsLengthAndPlaysOrSaysWhyNot) {
    Schliessen zu;
    TempHome home;
    EXPECT_EQ(FSOUND_Stream_Open(home.root() + "x.wav", 0, 0, 0), 0);
    EXPECT_EQ(FSOUND_GetError(), FMOD_ERR_UNINITIALIZED);
    writeTone(home.root() + "Ton.wav", 150);
    ASSERT_NE(FSOUND_Init(44100, 32, 0), 0);
    EXPECT_NE(FSOUND_Init(44100, 32, 0), 0);  // a second start is harmless
    int s = FSOUND_Stream_Open(home.root() + "TON.WAV", FSOUND_MPEGACCURATE, 0, 0);
    ASSERT_NE(s, 0) << FMOD_ErrorString(FSOUND_GetError());
    EXPECT_NEAR(FSOUND_Stream_GetLength(s), 150, 5);
    EXPECT_EQ(FSOUND_Stream_GetPosition(s), 0);
    EXPECT_GE(FSOUND_Stream_Play(-1, s), 0);
    FSOUND_Stream_Stop(s);
    FSOUND_Stream_Close(s);

    EXPECT_EQ(FSOUND_Stream_Open(home.root() + "fehlt.wav", 0, 0, 0), 0);
    EXPECT_EQ(FSOUND_GetError(), FMOD_ERR_FILE_NOTFOUND);
    writeFile(home.root() + "kaputt.wav", "RIFF garbage that is no sound at all");
    EXPECT_EQ(FSOUND_Stream_Open(home.root() + "kaputt.wav", 0, 0, 0), 0);
    EXPECT_TRUE(FSOUND_GetError() == FMOD_ERR_FILE_FORMAT || FSOUND_GetError() == FMOD_ERR_FILE_BAD);
    EXPECT_EQ(FSOUND_Stream_Play(-1, 12345), -1);
}

TEST(SoundLayer, EveryErrorCodeHasItsOwnText) {
    std::set<std::string> texts;
    for (int code = 0; code <= 19; ++code) texts.insert(FMOD_ErrorString(code));
    EXPECT_EQ(texts.size(), 20u);
    EXPECT_FALSE(texts.count("Unknown error"));
    EXPECT_EQ(FMOD_ErrorString(20), "Unknown error");
    EXPECT_EQ(FMOD_ErrorString(-1), "Unknown error");
}
