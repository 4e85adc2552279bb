#include "translation/Sprachwahl.h"

#include <algorithm>

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

}  // namespace

std::vector<Sprache> Angebot(const Translation_Class& t) {
    std::vector<Sprache> angebot{Sprache{}};
    std::vector<std::string> namen = fsys::list(ordner(t));
    std::sort(namen.begin(), namen.end());
    for (const std::string& name : namen) {
        const std::string datei = ordner(t) + name + "/" + t.PersonalDateiName();
        if (!fsys::fileExists(datei)) continue;
        auto bytes = fsys::readAll(datei);
        if (!bytes) continue;
        std::string sprache = translation_table::lesePersonaltabelle(*bytes).sprache;
        angebot.push_back({sprache.empty() ? name : sprache, datei});
    }
    return angebot;
}

int Aktuell(const Translation_Class& t, const std::vector<Sprache>& angebot) {
    auto jetzt = fsys::fileExists(t.PersonalDatei()) ? fsys::readAll(t.PersonalDatei()) : std::nullopt;
    for (std::size_t i = 0; i < angebot.size(); ++i) {
        if (angebot[i].datei.empty()) {
            if (!jetzt) return int(i);
        } else if (jetzt && fsys::readAll(angebot[i].datei) == jetzt) {
            return int(i);
        }
    }
    return -1;
}

bool Waehlen(const Translation_Class& t, const Sprache& sprache) {
    const std::string ziel = t.PersonalDatei();
    std::vector<Sprache> angebot = Angebot(t);
    if (fsys::fileExists(ziel) && Aktuell(t, angebot) < 0) {
        auto eigene = fsys::readAll(ziel);
        if (!eigene || !fsys::writeAtomic(ordner(t) + "Personal Translation alt.dat", *eigene)) return false;
    }
    if (sprache.datei.empty()) return !fsys::fileExists(ziel) || fsys::remove(ziel);
    auto bytes = fsys::readAll(sprache.datei);
    return bytes && fsys::writeAtomic(ziel, *bytes);
}

}  // namespace sprachwahl
