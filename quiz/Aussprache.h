#pragma once
// What the voice is given instead of the text on screen: signs it would read
// out or stumble over become words or pauses, and the music words it says
// wrongly are replaced by a spelling it says rightly. The replacements live in
// a plain table file that a teacher can extend.
#include <string>
#include <utility>
#include <vector>

namespace quiz {

class Aussprache {
public:
    // Reads a table file (Windows-1252): one "Schreibung=Aussprache" per line,
    // lines starting with ";" are comments. A missing file leaves the table as it
    // is; lines without "=" or with an empty side are skipped.
    void Laden(const std::string& datei);
    void Eintrag(const std::string& schreibung, const std::string& gesprochen);
    std::size_t Anzahl() const { return eintraege_.size(); }

    // The text as it goes to the voice (Windows-1252 in and out).
    std::string Bereinigen(const std::string& text) const;

private:
    std::string Ersetzen(const std::string& text) const;
    // Longest first, so that "fis-Moll" wins over "fis"; first side upper-cased.
    std::vector<std::pair<std::string, std::string>> eintraege_;
};

}  // namespace quiz
