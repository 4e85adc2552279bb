#pragma once
// The two tab-separated text tables of the translation engine, as pure functions
// over the file bytes: reading, the sort order and the emergency lookup. Nothing
// here touches a file, so the readers are tested and fuzzed on plain bytes.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace translation_table {

constexpr std::size_t kMaxEintraege = 1000;    // entries per table
constexpr std::size_t kMaxHauptText = 455;     // characters of a main text
constexpr std::size_t kMaxPersonalText = 999;  // characters of a personal text
constexpr std::size_t kMaxKopfWert = 255;      // characters of a header value

// One entry of the language table. `nummer2` is the parent entry (the window a
// label belongs to), 0 for none.
struct HauptEintrag {
    std::int32_t id = 0;
    std::int32_t nummer2 = 0;
    std::string text;
};

struct PersonalEintrag {
    std::int32_t id = 0;
    std::string text;
};

struct Haupttabelle {
    std::vector<HauptEintrag> eintraege;  // file order, at most kMaxEintraege
    std::string info;                     // every header value, each after CR LF
    std::string sprache;                  // header 1
    std::string font;                     // header 5
    bool hatFontGroesse = false;          // header 6 was there
    bool hatCharset = false;              // header 7 was there
    std::int32_t charset = 0;
};

struct Personaltabelle {
    std::vector<PersonalEintrag> eintraege;  // file order, at most kMaxEintraege
    std::int32_t nichtLeer = 0;              // entries with a text
    std::string sprache;                     // header 1
    std::string version;                     // header 2
    std::string freitext;                    // header 4, written back unchanged
    std::string font;                        // header 5
    std::int32_t fontGroesse = 0;            // header 6
    bool hatCharset = false;                 // header 7 was there
    std::int32_t charset = 0;
};

// The language table ("Translation.dat"). Everything from a ";" on is dropped; a
// line whose leading number is below 1 is skipped; a first field of 1 to 9999 is
// a header, of 10000 and more an entry (its id read from the first six
// characters of the line). A line without any Tab has an empty value or text.
// Reading ends after kMaxEintraege entries.
Haupttabelle leseHaupttabelle(std::string_view bytes);

// The personal table ("Personal Translation.dat") as the editor writes it: seven
// header lines, then "id Tab parent Tab text" lines; no ";" rule.
Personaltabelle lesePersonaltabelle(std::string_view bytes);

// Ascending ids. Entries with equal ids end up in the order the table's classic
// exchange sort leaves them (which is not a stable order), because the first of
// equal ids is the one a lookup finds.
void sortiere(std::vector<HauptEintrag>& tabelle);
void sortiere(std::vector<PersonalEintrag>& tabelle);

// The common form of an id: its thousands digit (the project) set to 0.
constexpr std::int32_t allgemeineForm(std::int32_t id) {
    return (id / 10000) * 10000 + id % 1000;
}

// Emergency table ("Translation English.Dat"): a line holding the id as a whole
// number, then two Tabs; the text runs from after the second Tab to the line end.
struct Notfund {
    std::string text;
    std::size_t tab1 = 0, tab2 = 0;  // 1-based positions of the two Tabs
};
std::optional<Notfund> notSuche(std::string_view datei, std::int32_t id);

}  // namespace translation_table
