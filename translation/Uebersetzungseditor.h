#pragma once
// What the translation editor window does, without the window: browsing the
// language table, the context of an entry, storing the user's texts, the jumps,
// and saving "Personal Translation.dat". Positions are 1-based places in the
// language table, as the window's scroll bar counts them.
#include <cstdint>
#include <string>
#include <string_view>

class Translation_Class;

class Uebersetzungseditor {
public:
    explicit Uebersetzungseditor(Translation_Class& t) : t_(t) {}

    // Number of entries in the language table.
    int Anzahl() const;
    // `k` itself when it may be shown, else the next entry that may, looking in
    // direction `richtung` (+1 or -1) first and then the other way. Entries of
    // another program of the maker (neither project 0 nor ours) are passed over.
    // 0 when the table has nothing to show.
    int Zeigbar(int k, int richtung) const;

    struct Anzeige {
        std::int32_t id = 0;
        std::string orgi;    // language name, ":", CR LF, language text
        std::string neu;     // the user's text, empty when none
        std::string mutter;  // context chain
        int bereich = -1;    // category button of the id
    };
    Anzeige Zeige(int k);

    // The parents of `id`, topmost first, at most five, one per line.
    std::string Kette(std::int32_t id);
    // Category button (0 to 6) that marks an id, -1 for none.
    static int Bereich(std::int32_t id);
    static std::int32_t BereichStart(int knopf);
    // First entry whose id is at least the category's start; 0 when none.
    int PositionVonBereich(int knopf) const;
    // Position of `id`; 1 when the language table lacks it.
    int PositionVon(std::int32_t id) const;

    // Keeps `text` as the user's text of `id`. A new id is appended (when the table
    // has room); an emptied text stays as an empty entry, so the language text
    // shows again. Line breaks and Tabs, which the file cannot hold, become blanks.
    void TextSpeichern(std::int32_t id, std::string_view text);
    // Next entry after `abId` (wrapping round) that has no personal text; every
    // language id gets a (still empty) personal entry first. 0 when all are done.
    int SucheFehlende(std::int32_t abId);

    // The bytes of "Personal Translation.dat": seven header lines, then one line
    // per personal text in id order.
    std::string Dateiinhalt(std::string_view sprache, std::string_view datum);
    // Writes the file atomically and loads the tables again, so the new texts
    // count at once. False (tables untouched) when the file could not be written.
    bool Speichern(std::string_view sprache, std::string_view datum);

    // Development tool: turns the constants of module `modul` (path without
    // ".bas") into table lines and code. Returns how many constants it took.
    int Altwandel(std::string_view modul);

private:
    bool zeigbar(std::int32_t id) const;
    std::int32_t elternVon(std::int32_t id) const;

    Translation_Class& t_;
};
