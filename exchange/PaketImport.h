#pragma once
// Reading a package back: a package folder (with "NeueFragen.Dat") or a zip
// archive of one. The chosen questions go to the user's free numbers 1 .. 99,
// their media into "DATEN/"; nothing else is written and nothing existing is
// replaced. Whatever is left out is reported in German with its reason.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "questions/QuestionRecord.h"

class ApiClass;

namespace paket {

// Limits for what a package may hold (a question file of 99 records is a few
// hundred kB; a question's sound is a short clip).
inline constexpr std::uint64_t kMaxFragenDatei = std::uint64_t(16) << 20;
inline constexpr std::uint64_t kMaxMedium = std::uint64_t(64) << 20;
inline constexpr std::uint64_t kMaxPaket = std::uint64_t(1) << 30;

// One record of "NeueFragen.Dat".
struct PaketEintrag {
    std::int32_t nummer = 0;       // number in the package; 0 when unreadable
    fragen::QuestionRecord frage;  // texts unscrambled
    std::string problem;           // why it cannot be imported; empty when whole
};

struct PaketInhalt {
    std::vector<PaketEintrag> eintraege;
    std::string fehler;  // the file as a whole is unusable; empty when readable
};

// Reads the records of a "NeueFragen.Dat". Never throws; bad records carry
// their reason.
PaketInhalt FragenLesen(std::string_view bytes);

// A package folder or zip archive, read only.
class PaketQuelle {
public:
    virtual ~PaketQuelle() = default;
    // Opens a folder, its "NeueFragen.Dat", or a zip archive; nullptr with the
    // reason in `fehler` when it is none of them.
    static std::unique_ptr<PaketQuelle> Oeffnen(const std::string& pfad, std::string& fehler);
    // Whether the package holds a file of that name (any letter case).
    virtual bool Enthaelt(const std::string& name) = 0;
    // The bytes of a file of the package, at most `grenze` of them; false with the
    // reason in `fehler` when missing, too large or damaged.
    virtual bool Lesen(const std::string& name, std::uint64_t grenze, std::string& bytes,
                       std::string& fehler) = 0;
    // Things worth telling about the package as a whole (members left out, ...).
    std::vector<std::string> hinweise;
};

struct ImportErgebnis {
    std::vector<std::pair<std::int32_t, std::int32_t>> eingelesen;  // package number -> new number
    std::vector<std::string> meldungen;                             // what was skipped or changed, and why
    std::string Zusammenfassung() const;
};

class PaketImport {
public:
    explicit PaketImport(ApiClass& api);
    ~PaketImport();

    // Opens the package and reads its records. False with `Fehler()` when it
    // cannot be read at all.
    bool Oeffnen(const std::string& pfad);
    const std::string& Fehler() const { return fehler_; }
    const std::vector<PaketEintrag>& Fragen() const { return inhalt_.eintraege; }
    const std::vector<std::string>& Hinweise() const;

    // Imports the records at these indices of `Fragen()`, in package order.
    ImportErgebnis Einlesen(const std::vector<size_t>& auswahl);

private:
    class Lauf;
    ApiClass& api_;
    std::unique_ptr<PaketQuelle> quelle_;
    PaketInhalt inhalt_;
    std::string fehler_;
};

}  // namespace paket
