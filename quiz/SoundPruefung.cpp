#include "quiz/SoundPruefung.h"

#include <fcntl.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>

#include "services/Codepage.h"
#include "services/FileSys.h"

using namespace cp1252::literals;

namespace quiz {

namespace {

// Bytes to look at, read by position; libsndfile reads them the same way.
struct Quelle {
    sf_count_t groesse = 0;
    sf_count_t pos = 0;
    std::function<sf_count_t(sf_count_t bei, void* ziel, sf_count_t n)> lesen;

    bool holen(sf_count_t bei, void* ziel, sf_count_t n) {
        return bei >= 0 && n <= groesse - bei && lesen(bei, ziel, n) == n;
    }
};

sf_count_t vLaenge(void* q) {
    return static_cast<Quelle*>(q)->groesse;
}
sf_count_t vSuchen(sf_count_t offset, int woher, void* qv) {
    Quelle& q = *static_cast<Quelle*>(qv);
    sf_count_t basis = woher == SEEK_CUR ? q.pos : woher == SEEK_END ? q.groesse : 0;
    q.pos = std::clamp<sf_count_t>(basis + offset, 0, q.groesse);
    return q.pos;
}
sf_count_t vLesen(void* ziel, sf_count_t n, void* qv) {
    Quelle& q = *static_cast<Quelle*>(qv);
    n = std::clamp<sf_count_t>(n, 0, q.groesse - q.pos);
    const sf_count_t r = n > 0 ? q.lesen(q.pos, ziel, n) : 0;
    if (r > 0) q.pos += r;
    return std::max<sf_count_t>(r, 0);
}
sf_count_t vSchreiben(const void*, sf_count_t, void*) {
    return 0;
}
sf_count_t vPosition(void* q) {
    return static_cast<Quelle*>(q)->pos;
}

std::uint32_t le16(const unsigned char* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8;
}
std::uint32_t le32(const unsigned char* p) {
    return le16(p) | le16(p + 2) << 16;
}

std::string kanalFehler(std::uint32_t kanaele) {
    if (kanaele == 0 || kanaele > std::uint32_t(kMaxKanaele)) return std::to_string(kanaele) + " Kanäle"_ansi;
    return {};
}
std::string rateFehler(std::uint32_t rate) {
    if (rate == 0 || rate > std::uint32_t(kMaxAbtastrate)) return "Abtastrate " + std::to_string(rate);
    return {};
}

// The chunks of a RIFF WAVE file up to its sound data.
std::string wavKopf(Quelle& q) {
    unsigned char kopf[12];
    if (!q.holen(0, kopf, 12)) return "Dateikopf unvollständig"_ansi;
    if (std::memcmp(kopf + 8, "WAVE", 4) != 0) return "RIFF-Datei ohne Ton";
    bool format = false;
    sf_count_t pos = 12;
    // A chunk is at least 8 bytes, so the walk ends within the file's size.
    while (pos <= q.groesse - 8) {
        unsigned char chunk[8];
        if (!q.holen(pos, chunk, 8)) break;
        const std::uint32_t laenge = le32(chunk + 4);
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            unsigned char f[16];
            if (laenge < 16 || !q.holen(pos + 8, f, 16)) return "Formatangabe unvollständig"_ansi;
            if (auto fehler = kanalFehler(le16(f + 2)); !fehler.empty()) return fehler;
            if (auto fehler = rateFehler(le32(f + 4)); !fehler.empty()) return fehler;
            if (le16(f + 12) == 0) return "Blockgröße 0"_ansi;
            format = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            // The library takes the format it has seen so far for the data.
            return format ? std::string() : "Tondaten vor der Formatangabe";
        }
        pos += 8 + sf_count_t(laenge) + sf_count_t(laenge & 1);
    }
    return format ? "keine Tondaten" : "Dateikopf unvollständig"_ansi;
}

std::string pruefen(Quelle& q) {
    if (q.groesse == 0) return "leere Datei";
    unsigned char magie[4];
    if (q.holen(0, magie, 4) && std::memcmp(magie, "RIFF", 4) == 0) {
        if (auto fehler = wavKopf(q); !fehler.empty()) return fehler;
    }
    SF_VIRTUAL_IO io{vLaenge, vSuchen, vLesen, vSchreiben, vPosition};
    SF_INFO info{};
    q.pos = 0;
    SNDFILE* f = sf_open_virtual(&io, SFM_READ, &info, &q);
    if (!f) return "kein lesbares Tonformat (" + std::string(sf_strerror(nullptr)) + ")";
    sf_close(f);
    if (auto fehler = kanalFehler(std::uint32_t(std::max(info.channels, 0))); !fehler.empty()) return fehler;
    if (auto fehler = rateFehler(std::uint32_t(std::max(info.samplerate, 0))); !fehler.empty()) return fehler;
    if (info.frames <= 0) return "keine Tondaten";
    return {};
}

}  // namespace

std::string SoundPruefenDaten(std::string_view bytes) {
    Quelle q;
    q.groesse = sf_count_t(bytes.size());
    q.lesen = [bytes](sf_count_t bei, void* ziel, sf_count_t n) {
        std::memcpy(ziel, bytes.data() + bei, size_t(n));
        return n;
    };
    return pruefen(q);
}

std::string SoundPruefen(const std::string& pfad) {
    const std::string nativ = fsys::native(pfad).string();
    const int fd = ::open(nativ.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return "nicht lesbar";
    struct stat st;
    std::string ergebnis;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ergebnis = "keine Datei";
    } else {
        Quelle q;
        q.groesse = sf_count_t(st.st_size);
        q.lesen = [fd](sf_count_t bei, void* ziel, sf_count_t n) {
            sf_count_t gelesen = 0;
            while (gelesen < n) {
                const ssize_t r = ::pread(fd, static_cast<char*>(ziel) + gelesen, size_t(n - gelesen),
                                          off_t(bei + gelesen));
                if (r <= 0) break;
                gelesen += r;
            }
            return gelesen;
        };
        ergebnis = pruefen(q);
    }
    ::close(fd);
    return ergebnis;
}

}  // namespace quiz
