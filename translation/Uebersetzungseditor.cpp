#include "translation/Uebersetzungseditor.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>

#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/FileSys.h"
#include "translation/Translation_Class.h"

namespace tt = translation_table;

namespace {

// Where each category button starts. Buttons 0 and 1 both start at the top.
// Button 6 marks the ids from 80000 and starts there, so that it reaches them.
constexpr std::array<std::int32_t, 7> kBereichStart = {10000, 10000, 20000, 30000, 40000, 50000, 80000};

std::string trim(std::string_view s) {
    std::size_t a = s.find_first_not_of(' ');
    if (a == std::string_view::npos) return {};
    std::size_t b = s.find_last_not_of(' ');
    return std::string(s.substr(a, b - a + 1));
}

std::string zahl(std::int32_t n) {
    return vb::Str(static_cast<long long>(n));
}

}  // namespace

int Uebersetzungseditor::Anzahl() const {
    return int(t_.HauptTabelle().size());
}

bool Uebersetzungseditor::zeigbar(std::int32_t id) const {
    const std::int32_t projekt = (id % 10000) / 1000;
    return projekt == 0 || projekt == t_.ProjectNummer();
}

int Uebersetzungseditor::Zeigbar(int k, int richtung) const {
    const auto& h = t_.HauptTabelle();
    const int n = Anzahl();
    if (n == 0) return 0;
    k = std::clamp(k, 1, n);
    richtung = richtung < 0 ? -1 : 1;
    for (int r : {richtung, -richtung})
        for (int i = k; i >= 1 && i <= n; i += r)
            if (zeigbar(h[std::size_t(i - 1)].id)) return i;
    return 0;
}

Uebersetzungseditor::Anzeige Uebersetzungseditor::Zeige(int k) {
    Anzeige a;
    if (k < 1 || k > Anzahl()) return a;
    const tt::HauptEintrag& e = t_.HauptTabelle()[std::size_t(k - 1)];
    a.id = e.id;
    a.orgi = t_.Sprache() + ":\r\n" + e.text;
    for (const tt::PersonalEintrag& p : t_.PersonalTabelle())
        if (p.id == e.id) {
            a.neu = p.text;
            break;
        }
    a.mutter = Kette(e.id);
    a.bereich = Bereich(e.id);
    return a;
}

std::int32_t Uebersetzungseditor::elternVon(std::int32_t id) const {
    for (const tt::HauptEintrag& e : t_.HauptTabelle())
        if (e.id == id) return e.nummer2;
    return 0;
}

std::string Uebersetzungseditor::Kette(std::int32_t id) {
    std::vector<std::int32_t> eltern;
    for (std::int32_t p = elternVon(id); p >= 10001 && p <= 89999 && eltern.size() < 5; p = elternVon(p))
        eltern.push_back(p);
    std::string kette;
    int ebene = 0;
    for (auto it = eltern.rbegin(); it != eltern.rend(); ++it, ++ebene) {
        if (!kette.empty()) kette += "\r\n";
        kette += std::string(std::size_t(ebene) * 3, ' ') + "->" + std::to_string(*it) + ": " +
                 t_.translation(*it);
    }
    return kette;
}

int Uebersetzungseditor::Bereich(std::int32_t id) {
    if (id >= 10000 && id < 20000) return 1;
    if (id >= 20000 && id < 30000) return 2;
    if (id >= 30000 && id < 40000) return 3;
    if (id >= 40000 && id < 50000) return 4;
    if (id >= 50000 && id < 80000) return 5;
    if (id >= 80000 && id < 90000) return 6;
    return -1;
}

std::int32_t Uebersetzungseditor::BereichStart(int knopf) {
    return knopf >= 0 && knopf < int(kBereichStart.size()) ? kBereichStart[std::size_t(knopf)] : 10000;
}

int Uebersetzungseditor::PositionVonBereich(int knopf) const {
    const auto& h = t_.HauptTabelle();
    for (std::size_t i = 0; i < h.size(); ++i)
        if (h[i].id >= BereichStart(knopf)) return Zeigbar(int(i) + 1, 1);
    return 0;
}

int Uebersetzungseditor::PositionVon(std::int32_t id) const {
    const auto& h = t_.HauptTabelle();
    for (std::size_t i = 0; i < h.size(); ++i)
        if (h[i].id == id) return int(i) + 1;
    return 1;
}

void Uebersetzungseditor::TextSpeichern(std::int32_t id, std::string_view text) {
    std::string neu;
    for (std::size_t i = 0; i < text.size() && neu.size() < tt::kMaxPersonalText; ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        neu += text[i] == '\r' || text[i] == '\n' || text[i] == '\t' ? ' ' : text[i];
    }
    const auto& p = t_.PersonalTabelle();
    auto it = std::find_if(p.begin(), p.end(), [id](const tt::PersonalEintrag& e) { return e.id == id; });
    if (it != p.end()) {
        if (it->text == neu) return;
        t_.PersonalTabelleAendern()[std::size_t(it - p.begin())].text = std::move(neu);
    } else if (!neu.empty() && p.size() < tt::kMaxEintraege) {
        t_.PersonalTabelleAendern().push_back({id, std::move(neu)});
    } else {
        return;
    }
    t_.BerechneProzent();
}

int Uebersetzungseditor::SucheFehlende(std::int32_t abId) {
    std::set<std::int32_t> vorhanden;
    for (const tt::PersonalEintrag& e : t_.PersonalTabelle()) vorhanden.insert(e.id);
    bool neu = false;
    for (const tt::HauptEintrag& e : t_.HauptTabelle())
        if (zeigbar(e.id) && t_.PersonalTabelle().size() < tt::kMaxEintraege &&
            vorhanden.insert(e.id).second) {
            t_.PersonalTabelleAendern().push_back({e.id, {}});
            neu = true;
        }
    if (neu) t_.SortierePersonal();
    std::set<std::int32_t> offen;
    for (const tt::PersonalEintrag& e : t_.PersonalTabelle())
        if (trim(e.text).empty()) offen.insert(e.id);
    const auto& h = t_.HauptTabelle();
    int erste = 0;
    for (std::size_t i = 0; i < h.size(); ++i) {
        if (!zeigbar(h[i].id) || !offen.count(h[i].id)) continue;
        if (h[i].id > abId) return int(i) + 1;
        if (!erste) erste = int(i) + 1;
    }
    return erste;
}

std::string Uebersetzungseditor::Dateiinhalt(std::string_view sprache, std::string_view datum) {
    t_.SortierePersonal();
    auto kopf = [](int n, std::string_view wert) { return zahl(n) + "\t" + std::string(wert) + "\tx\r\n"; };
    std::string s = kopf(1, trim(sprache)) + kopf(2, ApiClass::Version()) + kopf(3, datum) +
                    kopf(4, t_.PersonalFreitext()) + kopf(5, t_.PersonalFont()) +
                    kopf(6, std::to_string(t_.PersonalFontGroesse())) + kopf(7, "1");
    // Empty entries carry nothing (a blank personal text never hides the language
    // text), so they are left out: they must not take the place of a real text
    // under the table's limit.
    std::size_t zeilen = 0;
    for (const tt::PersonalEintrag& e : t_.PersonalTabelle()) {
        if (e.text.empty()) continue;
        if (++zeilen > tt::kMaxEintraege) break;
        s += zahl(e.id) + "\t" + zahl(elternVon(e.id)) + "\t" + e.text + "\r\n";
    }
    return s;
}

bool Uebersetzungseditor::Speichern(std::string_view sprache, std::string_view datum) {
    if (!fsys::writeAtomic(t_.PersonalDatei(), Dateiinhalt(sprache, datum))) return false;
    t_.Neu_laden();
    return true;
}

int Uebersetzungseditor::Altwandel(std::string_view modul) {
    using namespace cp1252::literals;
    const std::string name(modul);
    auto quelle = fsys::readAll(name + ".bas");
    if (!quelle) return 0;
    // Category by the first four letters of a constant's name; each category
    // counts upward from its own start, past the ids the table uses already.
    static const std::array<std::string, 7> kArten = {"menü"_ansi, "head", "labe", "text",
                                                      "meld",      "msg_", "tool"};
    static const std::array<std::int32_t, 7> kStart = {10000, 20000, 30000, 40000, 50000, 60000, 80000};
    std::map<std::size_t, std::int32_t> zaehler;
    std::set<std::int32_t> vergeben;
    for (const tt::HauptEintrag& e : t_.HauptTabelle()) vergeben.insert(e.id);
    std::string tabelle, oeffentlich, konstanten, aufrufe;
    std::size_t pos = 0;
    int zeilen = 0, anzahl = 0;
    while (pos < quelle->size() && zeilen++ < 1000) {
        std::size_t ende = quelle->find('\n', pos);
        if (ende == std::string::npos) ende = quelle->size();
        std::string zeile = trim(std::string_view(*quelle).substr(pos, ende - pos));
        pos = ende + 1;
        if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
        std::size_t gleich = zeile.find('=');
        if (gleich == std::string::npos || zeile.rfind('\'', 0) == 0) continue;
        std::string links = trim(zeile.substr(0, gleich));
        std::size_t blank = links.find_last_of(' ');
        std::string kname = blank == std::string::npos ? links : links.substr(blank + 1);
        while (!kname.empty() && std::string_view("$%&!#@").find(kname.back()) != std::string_view::npos)
            kname.pop_back();
        if (kname.empty()) continue;
        std::string text = trim(zeile.substr(gleich + 1));
        if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
            text = text.substr(1, text.size() - 2);
        std::size_t k = 3;  // a name of no known kind counts as a text
        for (std::size_t i = 0; i < kArten.size(); ++i)
            if (cp1252::equalsNoCase(std::string_view(kname).substr(0, 4), kArten[i])) k = i;
        std::int32_t& z = zaehler.try_emplace(k, kStart[k] + t_.ProjectNummer() * 1000).first->second;
        while (vergeben.count(++z)) {
        }
        vergeben.insert(z);
        tabelle += text + "\t 10000\t" + zahl(z) + "\r\n";
        oeffentlich += "Public " + kname + " As String\r\n";
        konstanten += kname + "_nr& =" + zahl(z) + "\r\n";
        aufrufe += kname + " = t_call.translation(" + std::to_string(z) + ")\r\n";
        ++anzahl;
    }
    std::size_t schnitt = name.find_last_of("/\\");
    const std::string ordner = schnitt == std::string::npos ? std::string() : name.substr(0, schnitt + 1);
    fsys::writeAtomic(ordner + "Translation Wandel.txt", tabelle);
    fsys::writeAtomic(name + "_public.dat", oeffentlich);
    fsys::writeAtomic(name + "_const.bas", konstanten);
    fsys::writeAtomic(name + "_call.bas", aufrufe);
    return anzahl;
}
