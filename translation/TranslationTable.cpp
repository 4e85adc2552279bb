#include "translation/TranslationTable.h"

#include <algorithm>
#include <utility>

#include "services/ApiClass.h"

namespace translation_table {

namespace {

// Calls f for every line; a line ends at CR LF, CR or LF, and the last line
// counts whether or not a line end follows it.
template <class F>
void fuerJedeZeile(std::string_view bytes, F&& f) {
    std::size_t pos = 0, n = bytes.size();
    while (pos < n) {
        std::size_t e = pos;
        while (e < n && bytes[e] != '\r' && bytes[e] != '\n') ++e;
        if (!f(bytes.substr(pos, e - pos))) return;
        if (e < n && bytes[e] == '\r' && e + 1 < n && bytes[e + 1] == '\n') ++e;
        pos = e + 1;
    }
}

std::int32_t zahl(std::string_view text) {
    return vb::CLng(vb::Val(text));
}

// The line split at its first Tab. Without a Tab the first field is the whole
// line and nothing is left for a value or text.
struct Felder {
    std::string_view erstes;
    std::string_view rest;
};
Felder teile(std::string_view zeile) {
    std::size_t tab = zeile.find('\t');
    if (tab == std::string_view::npos) return {zeile, {}};
    return {zeile.substr(0, tab), zeile.substr(tab + 1)};
}

// The second field: up to the next Tab, or the rest of the line.
std::string_view kopfWert(std::string_view rest) {
    std::size_t tab = rest.find('\t');
    std::string_view wert = tab == std::string_view::npos ? rest : rest.substr(0, tab);
    return wert.substr(0, kMaxKopfWert);
}

template <class Entry>
void sortiereTabelle(std::vector<Entry>& t) {
    auto kleiner = [](const Entry& a, const Entry& b) { return a.id < b.id; };
    if (std::is_sorted(t.begin(), t.end(), kleiner)) return;
    std::vector<std::int32_t> ids;
    ids.reserve(t.size());
    for (const Entry& e : t) ids.push_back(e.id);
    std::sort(ids.begin(), ids.end());
    if (std::adjacent_find(ids.begin(), ids.end()) == ids.end()) {
        // Distinct ids: every sort gives the same order.
        std::sort(t.begin(), t.end(), kleiner);
        return;
    }
    // Equal ids: repeat the exchange sort on (id, position) pairs so that the
    // first of equal ids is the same one as always.
    std::vector<std::pair<std::int32_t, std::size_t>> k(t.size());
    for (std::size_t i = 0; i < t.size(); ++i) k[i] = {t[i].id, i};
    for (std::size_t i = 0; i + 1 < k.size(); ++i)
        for (std::size_t j = i + 1; j < k.size(); ++j)
            if (k[j].first < k[i].first) std::swap(k[i], k[j]);
    std::vector<Entry> sortiert;
    sortiert.reserve(t.size());
    for (const auto& [id, pos] : k) sortiert.push_back(std::move(t[pos]));
    t = std::move(sortiert);
}

bool istZiffer(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

Haupttabelle leseHaupttabelle(std::string_view bytes) {
    Haupttabelle t;
    fuerJedeZeile(bytes, [&](std::string_view zeile) {
        if (t.eintraege.size() >= kMaxEintraege) return false;
        zeile = zeile.substr(0, zeile.find(';'));
        if (vb::Val(zeile) < 1) return true;
        Felder f = teile(zeile);
        std::int32_t nr = zahl(f.erstes);
        if (nr >= 1 && nr <= 9999) {
            std::string_view wert = kopfWert(f.rest);
            t.info += "\r\n";
            t.info += wert;
            switch (nr) {
                case 1:
                    t.sprache = std::string(wert);
                    break;
                case 5:
                    t.font = std::string(wert);
                    break;
                case 6:
                    t.hatFontGroesse = true;
                    break;
                case 7:
                    t.hatCharset = true;
                    t.charset = zahl(wert);
                    break;
                default:
                    break;
            }
        } else if (nr >= 10000) {
            HauptEintrag e;
            e.id = zahl(zeile.substr(0, 6));
            if (e.id < 1) return true;  // an id of 0 would read as an empty slot
            std::size_t tab2 = f.rest.find('\t');
            if (tab2 == std::string_view::npos) {
                e.text = std::string(f.rest.substr(0, kMaxHauptText));
            } else {
                e.nummer2 = zahl(f.rest.substr(0, tab2));
                e.text = std::string(f.rest.substr(tab2 + 1, kMaxHauptText));
            }
            t.eintraege.push_back(std::move(e));
        }
        return true;
    });
    return t;
}

Personaltabelle lesePersonaltabelle(std::string_view bytes) {
    Personaltabelle t;
    fuerJedeZeile(bytes, [&](std::string_view zeile) {
        if (t.eintraege.size() >= kMaxEintraege) return false;
        if (vb::Val(zeile) <= 0) return true;
        Felder f = teile(zeile);
        std::int32_t nr = zahl(f.erstes);
        if (nr >= 1 && nr <= 9999) {
            std::string wert(kopfWert(f.rest));
            switch (nr) {
                case 1:
                    t.sprache = std::move(wert);
                    break;
                case 2:
                    t.version = std::move(wert);
                    break;
                case 4:
                    t.freitext = std::move(wert);
                    break;
                case 5:
                    t.font = std::move(wert);
                    break;
                case 6:
                    t.fontGroesse = zahl(wert);
                    break;
                case 7:
                    t.hatCharset = true;
                    t.charset = zahl(wert);
                    break;
                default:
                    break;
            }
        } else if (nr >= 10000) {
            PersonalEintrag e;
            e.id = nr;
            std::size_t tab2 = f.rest.find('\t');
            std::string_view text = tab2 == std::string_view::npos ? f.rest : f.rest.substr(tab2 + 1);
            e.text = std::string(text.substr(0, kMaxPersonalText));
            if (!e.text.empty()) ++t.nichtLeer;
            t.eintraege.push_back(std::move(e));
        }
        return true;
    });
    return t;
}

void sortiere(std::vector<HauptEintrag>& tabelle) {
    sortiereTabelle(tabelle);
}
void sortiere(std::vector<PersonalEintrag>& tabelle) {
    sortiereTabelle(tabelle);
}

std::optional<Notfund> notSuche(std::string_view datei, std::int32_t id) {
    const std::string ziffern = std::to_string(id);
    std::size_t p = 0;
    while ((p = datei.find(ziffern, p)) != std::string_view::npos) {
        std::size_t ende = p + ziffern.size();
        bool ganzeZahl =
            (p == 0 || !istZiffer(datei[p - 1])) && (ende >= datei.size() || !istZiffer(datei[ende]));
        // Only a number followed on its own line by two Tabs is a record; the same
        // digits inside a text or as a parent number are passed over.
        std::size_t zeilenEnde = datei.find_first_of("\r\n", p);
        if (zeilenEnde == std::string_view::npos) zeilenEnde = datei.size();
        std::size_t t1 = datei.find('\t', ende);
        std::size_t t2 = t1 == std::string_view::npos ? t1 : datei.find('\t', t1 + 1);
        if (ganzeZahl && t2 != std::string_view::npos && t2 < zeilenEnde) {
            Notfund f;
            f.text = std::string(datei.substr(t2 + 1, std::min(zeilenEnde - t2 - 1, kMaxHauptText)));
            f.tab1 = t1 + 1;
            f.tab2 = t2 + 1;
            return f;
        }
        p = ende;
    }
    return std::nullopt;
}

}  // namespace translation_table
