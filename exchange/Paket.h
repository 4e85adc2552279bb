#pragma once
// Packages of the user's own questions: the records of a range of questions and
// every picture and sound they use, copied into the folder "pack/" of the data
// folder with the records in "NeueFragen.Dat". The package window drives this;
// it holds no state of its own beyond one collection.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

class ApiClass;

namespace paket {

struct PackDatei {
    std::string name;
    std::uint64_t groesse = 0;  // bytes
};

// What one collection found.
struct Sammlung {
    std::int32_t fragen = 0;  // questions in range
    std::int32_t intern = 0, bilder = 0, audio = 0, fehlend = 0;
    std::uint64_t gesamtKB = 0;
    std::vector<std::string> altBestand;  // media of the questions before the range
    std::vector<PackDatei> neuBestand;    // media that go into the package
    std::optional<PackDatei> groesste;

    // One line per packed file: name, size in kB, "kB".
    std::vector<std::string> Details() const;
    // The summary shown in the window, lines ended by CR LF.
    std::string Zusammenfassung() const;
};

// One line of the detail list: name + (size div 1000) with a leading blank + "kB".
std::string DetailZeile(const PackDatei& d);

struct Bereich {
    std::int32_t von = 1, bis = 1;  // list positions, 1-based
    bool ohneAlte = false;          // leave out media that questions before the range use
    bool auchVarulak = false;       // maker mode: take the maker's full files from "back/"
};

class Packer {
public:
    // `liste`: the existing question numbers in ascending order (position 1 first).
    Packer(ApiClass& api, std::vector<std::int32_t> liste);

    const std::vector<std::int32_t>& Liste() const { return liste_; }
    // Question number at a list position; 0 outside the list.
    std::int32_t Nummer(std::int32_t position) const;
    // The last position a range may reach: the whole list in maker mode, else
    // the positions of the user's own questions (1 .. 99).
    std::int32_t Maximum(bool macherModus) const;

    // Collects and counts the media of the range. A missing file is warned about
    // ("Warnung", OK / Cancel) until the user cancels.
    Sammlung testen(const Bereich& b);
    // Collects again, empties the package folder, copies the media and writes
    // "NeueFragen.Dat".
    Sammlung jetzPacken(const Bereich& b);
    // Deletes a package folder this program made (it holds "liste.txt") and
    // creates it again, empty but for "liste.txt".
    void PackordnerLeeren();

    std::string PackPfad() const;

private:
    bool dateiPruefen(Sammlung& s, const std::string& name, std::uint64_t& groesse, bool& warnen);
    std::string datensatz(std::int32_t n);

    ApiClass& api_;
    std::vector<std::int32_t> liste_;
    bool auchVarulak_ = false;
    std::map<std::string, std::string> dateien_;  // question files read while writing the records
};

// The record of question n as it stands in its question file: the section line
// and every line after it up to the next line that starts with "[Quiz", each
// ended by CR LF. Empty when the file has no such section.
std::string DatensatzAusDatei(const std::string& dateiInhalt, std::int32_t n);

// Writes the package folder as one zip archive (members without folder). True
// when the archive was written; otherwise `fehler` says why in German.
bool PaketSpeichern(const std::string& packOrdner, const std::string& zipDatei, std::string& fehler);

}  // namespace paket
