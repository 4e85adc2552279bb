#include "translation/Sprachwahl.h"

#include <algorithm>
#include <optional>

#include "services/FileSys.h"
#include "translation/TranslationTable.h"
#include "translation/Translation_Class.h"

namespace sprachwahl {

namespace {

std::string ordner(const Translation_Class& t) {
    std::string pfad = t.PrivatPfad();
    if (!pfad.empty() && !fsys::isSeparator(pfad.back())) pfad += "/";
    return pfad;
}

// The offered language whose file holds exactly `jetzt` (German: no file at all).
int gleicheSprache(const std::optional<std::string>& jetzt, const std::vector<Sprache>& angebot) {
    for (std::size_t i = 0; i < angebot.size(); ++i)
        if (angebot[i].datei.empty() ? !jetzt : jetzt == angebot[i].inhalt) return int(i);
    return -1;
}

}  // namespace

std::vector<Sprache> Angebot(const Translation_Class& t) {
    const std::string pfad = ordner(t);
    std::vector<Sprache> angebot{Sprache{}};
    std::vector<std::string> namen = fsys::list(pfad);
    std::sort(namen.begin(), namen.end());
    for (const std::string& name : namen) {
        std::string datei = pfad + name + "/" + t.PersonalDateiName();
        std::optional<std::string> bytes = fsys::readAll(datei);
        if (!bytes) continue;
        std::string sprache = translation_table::lesePersonaltabelle(*bytes).sprache;
        angebot.push_back({sprache.empty() ? name : std::move(sprache), std::move(datei), std::move(*bytes)});
    }
    return angebot;
}

int Aktuell(const Translation_Class& t, const std::vector<Sprache>& angebot) {
    return gleicheSprache(fsys::readAll(t.PersonalDatei()), angebot);
}

bool Waehlen(const Translation_Class& t, const std::vector<Sprache>& angebot, std::size_t index) {
    if (index >= angebot.size()) return false;
    const std::string ziel = t.PersonalDatei();
    std::optional<std::string> eigene = fsys::readAll(ziel);
    if (eigene && gleicheSprache(eigene, angebot) < 0 &&
        !fsys::writeAtomic(ordner(t) + "Personal Translation alt.dat", *eigene))
        return false;
    const Sprache& sprache = angebot[index];
    if (sprache.datei.empty()) return !fsys::fileExists(ziel) || fsys::remove(ziel);
    return fsys::writeAtomic(ziel, sprache.inhalt);
}

}  // namespace sprachwahl
