#pragma once
// The choice of the interface language. German is the language table itself
// (no personal translation); every other language is a personal translation
// that lies in a folder below the translation folder ("Beispiel Englisch") and
// is copied into place. The new texts count from the next start.
#include <string>
#include <vector>

class Translation_Class;

namespace sprachwahl {

struct Sprache {
    std::string name;    // as the translation names itself (its header 1); empty for German
    std::string datei;   // the translation to copy into place; empty for German
    std::string inhalt;  // its bytes as read for the offer
};

// German first, then every folder of the translation folder that holds a
// personal translation, in name order.
std::vector<Sprache> Angebot(const Translation_Class& t);

// Which of the offered languages is in place: the index, or -1 when the user's
// own translation is (one that none of the offered files equals).
int Aktuell(const Translation_Class& t, const std::vector<Sprache>& angebot);

// Puts the offered language `index` in place (German removes the personal
// translation). A translation the user wrote himself is kept first as "Personal
// Translation alt.dat", so switching never throws his work away. False when the
// files could not be changed.
bool Waehlen(const Translation_Class& t, const std::vector<Sprache>& angebot, std::size_t index);

}  // namespace sprachwahl
