// Feeds arbitrary bytes as a question-list file to the list reader: no crash,
// no flag outside the selection, and question 0 is never selected.
#include <unistd.h>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "questions/QuestionPool.h"
#include "services/ApiClass.h"
#include "services/FileSys.h"

namespace {
// A private folder for the list file, removed when the fuzzer exits.
struct Ordner {
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("melvato-fuzz-list-" + std::to_string(getpid()));
    Ordner() { std::filesystem::create_directories(dir); }
    ~Ordner() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
};

std::string listenDatei() {
    static Ordner ordner;
    static const std::string pfad = (ordner.dir / "liste.lst").string();
    return pfad;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ApiClass api;
    const std::string pfad = listenDatei();
    if (!fsys::writeAtomic(pfad, std::string(reinterpret_cast<const char*>(data), size))) return 0;
    std::array<bool, fragen::kAuswahlMax + 1> auswahl;
    auswahl.fill(true);
    const bool liste = fragen::ListeEinlesen(api, pfad, auswahl);
    if (liste && auswahl[0]) std::abort();
    if (!liste)
        for (bool b : auswahl)
            if (!b) std::abort();  // no list leaves the selection alone
    return 0;
}
