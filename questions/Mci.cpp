#include "questions/Mci.h"

#include <SDL2/SDL.h>
#include <sndfile.h>

#include "services/FileSys.h"

namespace fragen {

namespace {
constexpr size_t kHoechstProben = size_t(Mci::kRate * Mci::kHoechstDauer);
}

Mci::~Mci() {
    schliessen();
}

void Mci::rueckruf(void* selbst, Uint8* daten, int laenge) {
    auto* mci = static_cast<Mci*>(selbst);
    const auto* proben = reinterpret_cast<const std::int16_t*>(daten);
    const size_t anzahl = size_t(laenge) / sizeof(std::int16_t);
    std::lock_guard lock(mci->mutex_);
    const size_t platz = kHoechstProben - std::min(kHoechstProben, mci->proben_.size());
    mci->proben_.insert(mci->proben_.end(), proben, proben + std::min(anzahl, platz));
}

bool Mci::nimmtAuf() const {
    return aufnahme_ && sekunden() < kHoechstDauer;
}

double Mci::sekunden() const {
    std::lock_guard lock(mutex_);
    return double(proben_.size()) / kRate;
}

void Mci::schliessen() {
    if (geraet_ == 0) return;
    SDL_CloseAudioDevice(geraet_);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    geraet_ = 0;
    aufnahme_ = false;
}

int Mci::mciSendString(std::string_view befehl) {
    constexpr std::string_view kSpeichern = "save capture ";
    if (befehl == "open new type waveaudio alias capture") {
        schliessen();
        {
            std::lock_guard lock(mutex_);
            proben_.clear();
        }
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return KeinGeraet;
        SDL_AudioSpec wunsch{};
        wunsch.freq = kRate;
        wunsch.format = AUDIO_S16SYS;
        wunsch.channels = 1;
        wunsch.samples = 1024;
        wunsch.callback = &Mci::rueckruf;
        wunsch.userdata = this;
        SDL_AudioSpec bekommen{};
        // SDL converts whatever the device delivers into this format.
        geraet_ = SDL_OpenAudioDevice(nullptr, 1, &wunsch, &bekommen, 0);
        if (geraet_ == 0) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return KeinGeraet;
        }
        return Ok;
    }
    if (geraet_ == 0) return NichtGeoeffnet;
    if (befehl == "record capture") {
        aufnahme_ = true;
        SDL_PauseAudioDevice(geraet_, 0);
        return Ok;
    }
    if (befehl == "stop capture") {
        SDL_PauseAudioDevice(geraet_, 1);
        aufnahme_ = false;
        return Ok;
    }
    if (befehl == "close capture") {
        schliessen();
        return Ok;
    }
    if (befehl.starts_with(kSpeichern)) {
        const std::string pfad = fsys::native(befehl.substr(kSpeichern.size())).string();
        SF_INFO info{};
        info.samplerate = kRate;
        info.channels = 1;
        info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
        SNDFILE* datei = sf_open(pfad.c_str(), SFM_WRITE, &info);
        if (!datei) return Schreibfehler;
        std::vector<std::int16_t> kopie;
        {
            std::lock_guard lock(mutex_);
            kopie = proben_;
        }
        const sf_count_t geschrieben = sf_write_short(datei, kopie.data(), sf_count_t(kopie.size()));
        const bool ok = sf_close(datei) == 0 && geschrieben == sf_count_t(kopie.size());
        return ok ? Ok : Schreibfehler;
    }
    return Unbekannt;
}

}  // namespace fragen
