#pragma once
// The microphone of the editor behind the four recording commands it sends:
//   "open new type waveaudio alias capture"   opens a new recording
//   "record capture"                          records from the default input
//   "stop capture"                            stops
//   "save capture <path>"                     writes a 16-bit mono WAV file
//   "close capture"                           closes the recording
// The path is everything after "save capture ", so blanks in it do no harm.
// Backed by an SDL capture device; a recording ends by itself after 60 seconds.
#include <SDL2/SDL_audio.h>

#include <cstdint>
#include <mutex>
#include <string_view>
#include <vector>

namespace fragen {

class Mci {
public:
    static constexpr int kRate = 22050;
    static constexpr double kHoechstDauer = 60.0;

    // Answers of mciSendString.
    enum Fehler : int {
        Ok = 0,
        Unbekannt = 1,       // a command this layer does not know
        NichtGeoeffnet = 2,  // no recording is open
        KeinGeraet = 3,      // no capture device could be opened
        Schreibfehler = 4,   // the file could not be written
    };

    Mci() = default;
    ~Mci();
    Mci(const Mci&) = delete;
    Mci& operator=(const Mci&) = delete;

    int mciSendString(std::string_view befehl);

    bool offen() const { return geraet_ != 0; }
    bool nimmtAuf() const;
    // Length of what was recorded so far.
    double sekunden() const;

private:
    static void rueckruf(void* selbst, Uint8* daten, int laenge);
    void schliessen();

    SDL_AudioDeviceID geraet_ = 0;
    bool aufnahme_ = false;
    mutable std::mutex mutex_;
    std::vector<std::int16_t> proben_;
};

}  // namespace fragen
