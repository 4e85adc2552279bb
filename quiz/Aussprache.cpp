#include "quiz/Aussprache.h"

#include <algorithm>

#include "services/Codepage.h"
#include "services/FileSys.h"

namespace quiz {

namespace {

bool istBuchstabe(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
    switch (c) {
        case 0x8A:  // Š
        case 0x8C:  // Œ
        case 0x8E:  // Ž
        case 0x9A:
        case 0x9C:
        case 0x9E:
        case 0x9F:  // Ÿ
            return true;
        default:
            return c >= 0xC0 && c != 0xD7 && c != 0xF7;  // not × ÷
    }
}
bool istZiffer(unsigned char c) {
    return c >= '0' && c <= '9';
}
bool istWortzeichen(unsigned char c) {
    return istBuchstabe(c) || istZiffer(c);
}

// The name of a fraction's lower number, as note values and time signatures say it.
const char* bruchName(const std::string& nenner) {
    if (nenner == "2") return "Halbe";
    if (nenner == "4") return "Viertel";
    if (nenner == "8") return "Achtel";
    if (nenner == "16") return "Sechzehntel";
    return nullptr;
}

std::string trimmen(const std::string& s) {
    const size_t a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(" \t") - a + 1);
}

}  // namespace

void Aussprache::Laden(const std::string& datei) {
    const std::optional<std::string> inhalt = fsys::readAll(datei);
    if (!inhalt) return;
    size_t pos = 0;
    while (pos < inhalt->size()) {
        size_t ende = inhalt->find('\n', pos);
        if (ende == std::string::npos) ende = inhalt->size();
        std::string zeile = inhalt->substr(pos, ende - pos);
        pos = ende + 1;
        if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
        const size_t gleich = zeile.find('=');
        if (trimmen(zeile).rfind(';', 0) == 0 || gleich == std::string::npos) continue;
        Eintrag(trimmen(zeile.substr(0, gleich)), trimmen(zeile.substr(gleich + 1)));
    }
}

void Aussprache::Eintrag(const std::string& schreibung, const std::string& gesprochen) {
    // The table is matched against cleaned text, so its first side is cleaned
    // the same way ("fis-Moll" is looked for as "fis Moll").
    const std::string schluessel = cp1252::upper(trimmen(Aussprache().Bereinigen(schreibung)));
    if (schluessel.empty() || trimmen(gesprochen).empty()) return;
    auto gleich = std::find_if(eintraege_.begin(), eintraege_.end(),
                               [&](const auto& e) { return e.first == schluessel; });
    if (gleich != eintraege_.end()) {
        gleich->second = gesprochen;  // a later line corrects an earlier one
        return;
    }
    eintraege_.emplace_back(schluessel, gesprochen);
    std::stable_sort(eintraege_.begin(), eintraege_.end(),
                     [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
}

std::string Aussprache::Bereinigen(const std::string& text) const {
    std::string s;
    s.reserve(text.size() + 16);
    const auto blank = [&] {
        if (!s.empty() && s.back() != ' ') s += ' ';
    };
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (istWortzeichen(c)) {
            s += char(c);
        } else if (c == 0xBD || c == 0xBC || c == 0xBE) {  // ½ ¼ ¾
            blank();
            s += c == 0xBD ? "einhalb " : c == 0xBC ? "ein Viertel " : "drei Viertel ";
        } else if (c == '/' && i > 0 && istZiffer(static_cast<unsigned char>(text[i - 1])) &&
                   i + 1 < text.size() && istZiffer(static_cast<unsigned char>(text[i + 1]))) {
            // "3/4" is a time signature or a note value: "3 Viertel".
            size_t e = i + 1;
            while (e < text.size() && istZiffer(static_cast<unsigned char>(text[e]))) ++e;
            const char* name = bruchName(text.substr(i + 1, e - i - 1));
            blank();
            s += name ? std::string(name) : "durch " + text.substr(i + 1, e - i - 1);
            s += ' ';
            i = e - 1;
        } else if (c == '.' || c == ',' || c == ';' || c == ':' || c == '!' || c == '?') {
            // Kept for the pauses; a blank before it would be read as a pause too.
            while (!s.empty() && s.back() == ' ') s.pop_back();
            if (!s.empty()) s += char(c);
            s += ' ';
        } else if (c == '&' || c == '+') {
            blank();
            s += c == '&' ? "und " : "plus ";
        } else {
            blank();  // quotes, brackets, hyphens, apostrophes, line breaks, signs
        }
    }
    return Ersetzen(trimmen(s));
}

std::string Aussprache::Ersetzen(const std::string& text) const {
    if (eintraege_.empty()) return text;
    const std::string gross = cp1252::upper(text);
    std::string aus;
    aus.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const bool wortanfang = istWortzeichen(static_cast<unsigned char>(text[i])) &&
                                (i == 0 || !istWortzeichen(static_cast<unsigned char>(text[i - 1])));
        bool ersetzt = false;
        if (wortanfang)
            for (const auto& [schreibung, gesprochen] : eintraege_) {
                const size_t ende = i + schreibung.size();
                if (gross.compare(i, schreibung.size(), schreibung) != 0 ||
                    (ende < text.size() && istWortzeichen(static_cast<unsigned char>(text[ende]))))
                    continue;
                aus += gesprochen;
                i = ende;
                ersetzt = true;
                break;
            }
        if (!ersetzt) aus += text[i++];
    }
    return aus;
}

}  // namespace quiz
