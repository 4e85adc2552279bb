// Feeds arbitrary bytes as a package's "NeueFragen.Dat" to the record reader:
// no crash, and every record it calls whole can be stored and read back as it
// is (number in range, once only, a text, a valid solution, safe media names).
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string_view>

#include "exchange/PaketImport.h"
#include "services/FileSys.h"

namespace {
bool speicherbar(const std::string& t) {
    if (t.size() > 254) return false;
    for (char c : t)
        if (static_cast<unsigned char>(c) < 32) return false;
    return true;
}

bool medienName(const std::string& n) {
    return n.empty() || (fsys::isSafeRelativeName(n) && n.find_first_of("/\\") == std::string::npos);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const paket::PaketInhalt p =
        paket::FragenLesen(std::string_view(reinterpret_cast<const char*>(data), size));
    if (p.fehler.empty() && p.eintraege.empty()) std::abort();
    std::set<std::int32_t> nummern;
    for (const paket::PaketEintrag& e : p.eintraege) {
        if (!e.problem.empty()) continue;
        const fragen::QuestionRecord& r = e.frage;
        if (e.nummer < 1 || e.nummer > 998 || !nummern.insert(e.nummer).second) std::abort();
        if (r.Frage.empty() || r.Lösung < 1 || r.Lösung > 5 || r.Antwort[size_t(r.Lösung)].empty())
            std::abort();
        for (const std::string* t : {&r.Frage, &r.Bild, &r.Bild2, &r.Musical, &r.Audio, &r.Bereich})
            if (!speicherbar(*t)) std::abort();
        for (int j = 1; j <= 5; ++j)
            if (!speicherbar(r.Antwort[size_t(j)]) || !speicherbar(r.Erklärung[size_t(j)])) std::abort();
        if (!medienName(r.Bild) || !medienName(r.Bild2) || !medienName(r.Audio)) std::abort();
    }
    return 0;
}
