// Feeds arbitrary bytes as a station's results file: a line the reader takes
// must read back the same after writing it again, and summing up a whole file
// never crashes and never counts more lines than the file has.
#include <unistd.h>
#include <QDate>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "network/Ergebnisse.h"
#include "services/FileSys.h"

namespace {
// A private network folder, removed when the fuzzer exits.
struct Ordner {
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("melvato-fuzz-erg-" + std::to_string(getpid()));
    Ordner() { std::filesystem::create_directories(dir / "Ergebnisse"); }
    ~Ordner() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Ordner ordner;
    // An odd first byte puts a valid time in front, so the fuzzer reaches the fields behind it.
    std::string eingabe(reinterpret_cast<const char*>(data), size);
    if (size > 0 && (data[0] & 1)) eingabe = "2026-12-07 10:15:03;" + eingabe.substr(1);
    const std::string_view bytes(eingabe);

    // The first line on its own: reading, writing and reading again agree.
    const std::string_view ersteZeile = bytes.substr(0, bytes.find_first_of("\r\n"));
    if (const auto z = netz::ZeileLesen(ersteZeile)) {
        std::string text = netz::ZeileText(*z);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
        const auto wieder = netz::ZeileLesen(text);
        if (!wieder || wieder->frage.nummer != z->frage.nummer || wieder->frage.bereich != z->frage.bereich ||
            wieder->frage.ergebnis != z->frage.ergebnis || wieder->zeit != z->zeit)
            std::abort();
    }

    // The whole input as station 7's file, summed up over all days.
    const std::string netz = ordner.dir.string() + "/";
    if (!fsys::writeAtomic(netz::ErgebnisDatei(netz, 7), std::string(bytes))) return 0;
    const netz::Uebersicht u =
        netz::Auswerten(netz, QDate(1900, 1, 1), QDate(2100, 12, 31),
                        [](std::int32_t) { return std::make_pair(std::string(), std::string()); });
    const long zeilen = std::count(bytes.begin(), bytes.end(), '\n') + 1;
    int gezaehlt = u.schlechteZeilen;
    for (const netz::StationZeile& s : u.stationen) gezaehlt += s.fragen;
    if (gezaehlt > zeilen || u.stationen.size() > 1 || u.schwerste.size() > 10) std::abort();
    return 0;
}
