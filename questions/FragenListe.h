#pragma once
// What the list window shows and saves, without the window: the filters
// (subject areas, grades, numbers never or always taken, excluded words), the
// build of the rows from them, the keyword search over the word index, and the
// list file written in its key order.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "questions/QuestionPool.h"

class ApiClass;

namespace fragen {

inline constexpr const char* kListenTyp = "Melvato-Frageliste";

struct ListenZeile {
    std::int32_t nummer = 0;
    std::string antwort;  // text of the marked answer
    std::string frage;
};

// "012": the number as three digits with leading zeros.
std::string DreiStellig(std::int32_t n);

// The number boxes: blank-separated numbers and ranges "a-b". Each number
// 1 .. 2999 named by the text is passed to `nimm`.
void NummernLesen(const std::string& text, const std::function<void(std::int32_t)>& nimm);

// The grade item (1 .. 9) of a "Problem" value. Values without an item of
// their own (0, negative, above 99) go to the nearest one, so that no question
// drops out of every list.
int GradVonProblem(std::int32_t problem);

class ListenBau {
public:
    explicit ListenBau(ApiClass& api);

    // Subject areas in the order of the questions, and the grade items 1 .. 9.
    std::vector<std::pair<std::string, bool>> themen;
    std::array<bool, 9> grade{};

    // Scans the question files and fills `themen` (all selected), selects all
    // grades and empties the boxes.
    void Laden();
    void FilterZuruecksetzen();

    // The box texts; each setter rebuilds unless `SetztFelder` is set.
    void NummerWeg(const std::string& text);
    void DieseDoch(const std::string& text);
    void UnWort(const std::string& text);
    const std::string& NummerWeg() const { return nummerWeg_; }
    const std::string& DieseDoch() const { return dieseDoch_; }
    const std::string& UnWort() const { return unWort_; }

    bool UnwortFrei(std::int32_t n);
    bool Erlaubt(std::int32_t n) const { return erlaubt_[size_t(n)]; }

    // Rebuilds the rows from the filters. A call while a build runs (from the
    // yield callback, when the user changes a filter) cancels that build and
    // starts a new one for the latest filters, so the rows never mix two builds.
    void ListeAktualisieren();
    bool SetztFelder = false;
    bool BautListe() const { return baut_; }

    // Lets pending window events run; may change the filters.
    std::function<void()> yield;
    // Called with the rows of every completed build.
    std::function<void(const std::vector<ListenZeile>&)> fertig;

    // The row of question n (marked answer and question text, unscrambled only
    // when the record says it is scrambled).
    ListenZeile Zeile(std::int32_t n);

    std::vector<ListenZeile> zeilen;
    QuestionPool& pool() { return pool_; }

private:
    bool bauen();  // false when cancelled
    bool frei(const ListenZeile& z) const;

    ApiClass& api_;
    QuestionPool::Table tabelle_{};
    QuestionPool pool_;
    std::array<bool, kAuswahlMax + 1> erlaubt_{};
    std::array<bool, kAuswahlMax + 1> immer_{};
    std::vector<std::string> unwoerter_;
    std::string nummerWeg_, dieseDoch_, unWort_;
    bool baut_ = false;
    bool neuStarten_ = false;
};

// The keyword search over "scan.txt" and the word index.
struct Suchergebnis {
    std::vector<ListenZeile> zeilen;
    std::vector<std::string> fundwoerter;
    bool zuViele = false;  // stopped at the 99th word
};
Suchergebnis Stichwortsuche(ApiClass& api, const std::string& begriff,
                            const std::function<ListenZeile(std::int32_t)>& zeile);

// What a list file holds besides its numbers.
struct ListenDatei {
    std::vector<std::int32_t> nummern;
    int unterTyp = 1;  // 1 = filters, 2 = keyword search
    std::array<bool, 9> grade{};
    std::vector<std::pair<std::string, bool>> themen;
    std::string dieseNicht, dieseImmer, unWoerter, suchbegriff;
};

// Writes the list in its key order: "Typ", the numbers with an empty end key,
// "Schwierig", "Themen" (filter lists only), then the other "Allgemein" keys.
// False when the file could not be written.
bool ListeSpeichern(ApiClass& api, const std::string& datei, const ListenDatei& liste);
// The numbers of a list file up to the first empty entry; empty when the file
// is no question list.
std::vector<std::int32_t> ListenNummern(ApiClass& api, const std::string& datei);
bool IstListe(ApiClass& api, const std::string& datei);

}  // namespace fragen
