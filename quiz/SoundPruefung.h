#pragma once
// Looks at a sound file before the sound library may touch it. The library
// trusts the file's header: a WAV file claiming 0 channels ends the program
// inside it, and a sound can arrive with any update or package. A WAV file gets
// a check of its header; every file is then opened with libsndfile, which has
// to report sensible channels, rate and frames.
#include <string>
#include <string_view>

namespace quiz {

// Empty when the file may be played, otherwise why not (German, for the log).
std::string SoundPruefen(const std::string& pfad);
// The same check on the file's bytes in memory.
std::string SoundPruefenDaten(std::string_view bytes);

// Limits of a playable sound.
constexpr int kMaxKanaele = 8;
constexpr int kMaxAbtastrate = 384000;

}  // namespace quiz
