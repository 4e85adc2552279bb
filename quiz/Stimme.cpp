#include "quiz/Stimme.h"

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <fstream>

#include "services/Codepage.h"
#include "services/FileSys.h"

using namespace cp1252::literals;

namespace quiz {

namespace {

// The library keeps one engine per process and ends the process when its data
// are missing, so the data are checked before it is touched, it is started
// once, and it is never shut down (its shutdown can hang).
struct Maschine {
    bool gestartet = false;
    std::string pfad;
    int rate = 0;
    std::vector<std::int16_t>* ziel = nullptr;
};
Maschine& maschine() {
    static Maschine m;
    return m;
}

int sammeln(short* wav, int anzahl, espeak_EVENT*) {
    if (wav && anzahl > 0 && maschine().ziel)
        maschine().ziel->insert(maschine().ziel->end(), wav, wav + anzahl);
    return 0;  // go on
}

// The folder the library would read: `daten`, ESPEAK_DATA_PATH or its own.
std::string datenOrdner(const std::string& daten) {
    espeak_ng_InitializePath(daten.empty() ? nullptr : daten.c_str());
    const char* pfad = nullptr;
    espeak_Info(&pfad);
    return pfad ? std::string(pfad) : std::string();
}

void le32(std::string& s, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) s += char((v >> (8 * i)) & 0xFF);
}
void le16(std::string& s, std::uint16_t v) {
    s += char(v & 0xFF);
    s += char(v >> 8);
}

}  // namespace

Stimme::Stimme(const std::string& daten) {
    Maschine& m = maschine();
    if (m.gestartet && (daten.empty() || daten == m.pfad)) {
        rate_ = m.rate;
        return;
    }
    const std::string ordner = datenOrdner(daten);
    const auto da = [&](const char* name) {
        return !ordner.empty() && fsys::fileExists(ordner + "/" + name);
    };
    if (!da("phontab") || !da("phondata") || !da("phonindex") || !da("intonations")) {
        hindernis_ = "die Sprachdaten fehlen (espeak-ng-data)";
        return;
    }
    if (!da("de_dict")) {
        hindernis_ = "die deutsche Stimme fehlt (de_dict)";
        return;
    }
    if (m.gestartet) {
        // One engine per process: another data folder cannot be switched to.
        hindernis_ = "die Sprachausgabe läuft schon mit anderen Daten"_ansi;
        return;
    }
    espeak_ng_ERROR_CONTEXT kontext = nullptr;
    espeak_ng_STATUS status = espeak_ng_Initialize(&kontext);
    if (kontext) espeak_ng_ClearErrorContext(&kontext);
    if (status == ENS_OK) status = espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr);
    // Named by its file the German voice loads at once; by its bare name the
    // library first reads every voice it has. Other data layouts keep the name.
    if (status == ENS_OK && espeak_ng_SetVoiceByName("gmw/de") != ENS_OK)
        status = espeak_ng_SetVoiceByName("de");
    if (status != ENS_OK) {
        char text[256] = {};
        espeak_ng_GetStatusCodeMessage(status, text, sizeof text);
        hindernis_ = "die Sprachausgabe startet nicht: " + cp1252::fromUtf8(text);
        return;
    }
    espeak_SetSynthCallback(sammeln);
    // A little slower than the library's default: the listeners are children.
    espeak_SetParameter(espeakRATE, 150, 0);
    m.gestartet = true;
    m.pfad = daten;
    m.rate = rate_ = espeak_ng_GetSampleRate();
}

std::vector<std::int16_t> Stimme::Synthese(const std::string& text) {
    std::vector<std::int16_t> samples;
    if (!bereit() || text.find_first_not_of(" \t\r\n") == std::string::npos) return samples;
    const std::string utf8 = cp1252::toUtf8(text);
    maschine().ziel = &samples;
    const espeak_ng_STATUS status = espeak_ng_Synthesize(utf8.c_str(), utf8.size() + 1, 0, POS_CHARACTER, 0,
                                                         espeakCHARS_UTF8, nullptr, nullptr);
    maschine().ziel = nullptr;
    if (status != ENS_OK) samples.clear();
    return samples;
}

bool Stimme::Sprechen(const std::string& text, const std::string& datei) {
    const std::vector<std::int16_t> samples = Synthese(text);
    if (samples.empty()) return false;
    const std::string wav = WavDatei(samples, rate_);
    std::ofstream aus(fsys::native(datei), std::ios::binary | std::ios::trunc);
    aus.write(wav.data(), std::streamsize(wav.size()));
    aus.close();
    return bool(aus);
}

std::string WavDatei(const std::vector<std::int16_t>& samples, int rate) {
    const std::uint32_t daten = std::uint32_t(samples.size() * 2);
    std::string s;
    s.reserve(44 + daten);
    s += "RIFF";
    le32(s, 36 + daten);
    s += "WAVEfmt ";
    le32(s, 16);
    le16(s, 1);  // PCM
    le16(s, 1);  // mono
    le32(s, std::uint32_t(rate));
    le32(s, std::uint32_t(rate) * 2);
    le16(s, 2);
    le16(s, 16);
    s += "data";
    le32(s, daten);
    for (std::int16_t v : samples) le16(s, std::uint16_t(v));
    return s;
}

}  // namespace quiz
