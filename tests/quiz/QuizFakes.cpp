#include "tests/quiz/QuizFakes.h"

#include <sndfile.h>

#include <cmath>
#include <filesystem>
#include <vector>

#include "services/FileSys.h"

namespace quiz_test {

int AufnahmeSound::StreamOpen(const std::string& datei) {
    protokoll.push_back("open " + datei);
    if (oeffnenScheitert || !fsys::fileExists(datei)) {
        fehler = 9;
        return 0;
    }
    Strom s;
    s.datei = datei;
    s.inhalt = fsys::readAll(datei).value_or("");
    stroeme.push_back(s);
    if (beimOeffnen) beimOeffnen(s.inhalt);
    return int(stroeme.size());
}

int AufnahmeSound::GetPosition(int stream) {
    if (!gueltig(stream)) return 0;
    Strom& s = stroeme[size_t(stream - 1)];
    if (abfragenBisEnde >= 0 && ++s.abfragen >= abfragenBisEnde) s.position = s.laenge;
    return s.position;
}

int AufnahmeSound::StreamPlay(int stream) {
    if (!gueltig(stream)) return -1;
    protokoll.push_back("play " + std::to_string(stream));
    gespielt.push_back(stroeme[size_t(stream - 1)].inhalt);
    return 0;  // the first channel, as the real layer gives it
}

void AufnahmeSound::StreamStop(int stream) {
    protokoll.push_back("stop " + std::to_string(stream));
    if (gueltig(stream)) stroeme[size_t(stream - 1)].gestoppt = true;
}

void AufnahmeSound::StreamClose(int stream) {
    protokoll.push_back("close " + std::to_string(stream));
    if (gueltig(stream)) stroeme[size_t(stream - 1)].geschlossen = true;
}

void AufnahmeSound::ende() {
    for (auto& s : stroeme)
        if (!s.gestoppt && !s.geschlossen) s.position = s.laenge;
}

int AufnahmeSound::offen() const {
    int n = 0;
    for (const auto& s : stroeme) n += s.geschlossen ? 0 : 1;
    return n;
}

void schreibeWav(const std::string& pfad, int ms, int hz) {
    std::filesystem::create_directories(fsys::native(pfad).parent_path());
    SF_INFO info{};
    info.samplerate = 22050;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* f = sf_open(fsys::native(pfad).c_str(), SFM_WRITE, &info);
    if (!f) return;
    const int frames = info.samplerate * ms / 1000;
    std::vector<short> data(static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i)
        data[size_t(i)] = short(8000 * std::sin(2 * M_PI * hz * i / double(info.samplerate)));
    sf_write_short(f, data.data(), frames);
    sf_close(f);
}

}  // namespace quiz_test
