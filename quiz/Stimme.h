#pragma once
// The German voice that reads questions aloud: espeak-ng, synthesised in the
// program into WAV files that the sound layer plays like any other sound.
#include <cstdint>
#include <string>
#include <vector>

namespace quiz {

class Stimme {
public:
    // Starts the German voice from the espeak-ng data in `daten`; empty takes
    // the library's own place (or ESPEAK_DATA_PATH).
    explicit Stimme(const std::string& daten = {});

    // Empty when the voice speaks; otherwise why not (German, for the log).
    const std::string& hindernis() const { return hindernis_; }
    bool bereit() const { return hindernis_.empty(); }

    // Samples (16 bit, mono, at abtastrate()) of `text` (Windows-1252); empty
    // when nothing could be synthesised.
    std::vector<std::int16_t> Synthese(const std::string& text);
    // `text` as a WAV file at `datei` (program path). False when nothing was
    // written.
    bool Sprechen(const std::string& text, const std::string& datei);
    int abtastrate() const { return rate_; }

private:
    std::string hindernis_;
    int rate_ = 0;
};

// A complete 16-bit mono PCM WAV file of `samples`.
std::string WavDatei(const std::vector<std::int16_t>& samples, int rate);

}  // namespace quiz
