// Feeds arbitrary bytes to both table readers, the sort and the emergency
// lookup: no crash, and the limits of a table always hold.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "translation/TranslationTable.h"

using namespace translation_table;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);

    Haupttabelle haupt = leseHaupttabelle(bytes);
    if (haupt.eintraege.size() > kMaxEintraege) std::abort();
    for (const auto& e : haupt.eintraege)
        if (e.id < 1 || e.text.size() > kMaxHauptText) std::abort();
    if (haupt.sprache.size() > kMaxKopfWert || haupt.font.size() > kMaxKopfWert) std::abort();
    sortiere(haupt.eintraege);
    for (size_t i = 1; i < haupt.eintraege.size(); ++i)
        if (haupt.eintraege[i - 1].id > haupt.eintraege[i].id) std::abort();

    Personaltabelle personal = lesePersonaltabelle(bytes);
    if (personal.eintraege.size() > kMaxEintraege) std::abort();
    std::int32_t nichtLeer = 0;
    for (const auto& e : personal.eintraege) {
        if (e.text.size() > kMaxPersonalText) std::abort();
        if (!e.text.empty()) ++nichtLeer;
    }
    if (nichtLeer != personal.nichtLeer) std::abort();
    sortiere(personal.eintraege);

    for (std::int32_t id : {10412, 1, 99998}) {
        auto fund = notSuche(bytes, id);
        if (fund && (fund->tab1 >= fund->tab2 || fund->tab2 > bytes.size() || bytes[fund->tab1 - 1] != '\t' ||
                     bytes[fund->tab2 - 1] != '\t'))
            std::abort();
    }
    return 0;
}
