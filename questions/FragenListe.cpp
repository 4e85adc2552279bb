#include "questions/FragenListe.h"

#include <algorithm>
#include <unordered_set>

#include "questions/QuestionRecord.h"
#include "questions/WordIndex.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/Profile.h"

using namespace cp1252::literals;

namespace fragen {

std::string DreiStellig(std::int32_t n) {
    std::string s = "000" + std::to_string(n);
    return s.substr(s.size() - 3);
}

void NummernLesen(const std::string& text, const std::function<void(std::int32_t)>& nimm) {
    size_t i = 0;
    while (i < text.size()) {
        size_t ende = text.find(' ', i);
        if (ende == std::string::npos) ende = text.size();
        const std::string token = text.substr(i, ende - i);
        i = ende + 1;
        if (token.empty()) continue;
        const size_t strich = token.find('-');
        if (strich == std::string::npos || strich == 0) {
            const std::int32_t x = vb::CLng(vb::Val(token));
            if (x > 0 && x < kAuswahlMax) nimm(x);
            continue;
        }
        const std::int32_t a = vb::CLng(vb::Val(token.substr(0, strich)));
        const std::int32_t b = vb::CLng(vb::Val(token.substr(strich + 1)));
        if (a < 1 || b >= kAuswahlMax) continue;
        for (std::int32_t x = a; x <= b; ++x) nimm(x);
    }
}

int GradVonProblem(std::int32_t problem) {
    return std::clamp(problem / 10, 1, 9);
}

ListenBau::ListenBau(ApiClass& api) : api_(api), pool_(api, tabelle_) {
    erlaubt_.fill(true);
    immer_.fill(false);
    grade.fill(true);
}

void ListenBau::Laden() {
    const std::int32_t anzahl = pool_.AnzahlFragen(true, true);
    themen.clear();
    for (std::int32_t i = 1; i <= anzahl; ++i) {
        const std::int32_t n = tabelle_[size_t(i)];
        const std::string bereich = api_.IniLesen(FragenDatei(n), QuizSektion(n), "Bereich");
        if (bereich.empty()) continue;
        if (std::none_of(themen.begin(), themen.end(), [&](const auto& t) { return t.first == bereich; }))
            themen.emplace_back(bereich, true);
    }
    FilterZuruecksetzen();
}

void ListenBau::FilterZuruecksetzen() {
    const bool vorher = SetztFelder;
    SetztFelder = true;
    grade.fill(true);
    for (auto& t : themen) t.second = true;
    NummerWeg("");
    DieseDoch("");
    UnWort("");
    SetztFelder = vorher;
}

void ListenBau::NummerWeg(const std::string& text) {
    nummerWeg_ = text;
    erlaubt_.fill(true);
    NummernLesen(text, [this](std::int32_t x) { erlaubt_[size_t(x)] = false; });
    ListeAktualisieren();
}

void ListenBau::DieseDoch(const std::string& text) {
    dieseDoch_ = text;
    immer_.fill(false);
    NummernLesen(text, [this](std::int32_t x) {
        if (FrageVorhanden(api_, x)) immer_[size_t(x)] = true;
    });
    ListeAktualisieren();
}

void ListenBau::UnWort(const std::string& text) {
    unWort_ = text;
    unwoerter_.clear();
    size_t i = 0;
    while (i < text.size() && unwoerter_.size() < 101) {
        size_t ende = text.find(' ', i);
        if (ende == std::string::npos) ende = text.size();
        std::string wort = text.substr(i, ende - i);
        i = ende + 1;
        if (wort.empty()) continue;
        wort = wort.substr(0, wort.find('*'));
        unwoerter_.push_back(cp1252::upper(wort));
    }
    ListeAktualisieren();
}

bool ListenBau::UnwortFrei(std::int32_t n) {
    return frei(Zeile(n));
}

bool ListenBau::frei(const ListenZeile& z) const {
    if (unwoerter_.empty() || unwoerter_.front().empty()) return true;
    std::string text = cp1252::upper(z.antwort + " " + z.frage);
    RemoveSonderzeichen(text);
    for (const std::string& w : unwoerter_) {
        if (w.empty()) break;  // a bare "*" ends the list of words
        if (text.find(w) != std::string::npos) return false;
    }
    return true;
}

ListenZeile ListenBau::Zeile(std::int32_t n) {
    const QuestionRecord r = FrageLesen(api_, n);
    ListenZeile z;
    z.nummer = n;
    if (r.Lösung >= 1 && r.Lösung <= 5) z.antwort = r.Antwort[size_t(r.Lösung)];
    z.frage = r.Frage;
    return z;
}

void ListenBau::ListeAktualisieren() {
    if (SetztFelder) return;
    if (baut_) {
        neuStarten_ = true;
        return;
    }
    baut_ = true;
    bool fertigGebaut = false;
    do {
        neuStarten_ = false;
        fertigGebaut = bauen();
    } while (!fertigGebaut || neuStarten_);
    baut_ = false;
    if (fertig) fertig(zeilen);
}

bool ListenBau::bauen() {
    auto abgebrochen = [this] {
        if (yield) yield();
        return neuStarten_;
    };
    const std::int32_t anzahl = pool_.AnzahlFragen(true, true);
    std::vector<std::int32_t> liste;
    for (std::int32_t i = 1; i <= anzahl; ++i) {
        if (abgebrochen()) return false;
        const std::int32_t n = tabelle_[size_t(i)];
        if (!erlaubt_[size_t(n)]) continue;
        const std::string datei = FragenDatei(n), sek = QuizSektion(n);
        const std::string bereich = api_.IniLesen(datei, sek, "Bereich");
        if (bereich.empty()) continue;
        auto t =
            std::find_if(themen.begin(), themen.end(), [&](const auto& e) { return e.first == bereich; });
        if (t == themen.end() || !t->second) continue;
        if (!grade[size_t(GradVonProblem(api_.IniLesenVal(datei, sek, "Problem")) - 1)]) continue;
        liste.push_back(n);
    }
    std::vector<ListenZeile> neu;
    neu.reserve(liste.size());
    std::unordered_set<std::int32_t> drin;
    for (std::int32_t n : liste) {
        if (abgebrochen()) return false;
        ListenZeile z = Zeile(n);
        if (!frei(z)) continue;
        drin.insert(n);
        neu.push_back(std::move(z));
    }
    for (std::int32_t n = 1; n < kAuswahlMax; ++n) {
        if (!immer_[size_t(n)] || drin.count(n)) continue;
        if (abgebrochen()) return false;
        neu.push_back(Zeile(n));
    }
    zeilen = std::move(neu);
    return true;
}

Suchergebnis Stichwortsuche(ApiClass& api, const std::string& begriff,
                            const std::function<ListenZeile(std::int32_t)>& zeile) {
    Suchergebnis e;
    const std::string term = cp1252::upper(profile::trimBlanks(begriff));
    if (term.empty()) return e;
    std::string text;
    try {
        text = api.TextDatei("scan.txt");
    } catch (const ApiError&) {
        return e;
    }
    std::unordered_set<std::int32_t> gelistet;
    size_t pos = 0;
    while ((pos = text.find(term, pos)) != std::string::npos) {
        const size_t vor = text.rfind(' ', pos);
        const size_t anfang = vor == std::string::npos ? 0 : vor + 1;
        size_t ende = text.find(' ', pos + term.size());
        if (ende == std::string::npos) ende = text.size();
        const std::string wort = text.substr(anfang, ende - anfang);
        pos = ende;
        e.fundwoerter.push_back(wort);
        if (e.fundwoerter.size() > 98) {
            e.zuViele = true;
            break;
        }
        const std::string c = wort.substr(0, 1);
        const std::string nummern = api.IniLesenGanz("Index" + c + ".Ini", c, wort);
        NummernLesen(nummern, [&](std::int32_t n) {
            if (gelistet.insert(n).second) e.zeilen.push_back(zeile(n));
        });
    }
    return e;
}

bool IstListe(ApiClass& api, const std::string& datei) {
    return !datei.empty() && api.IniLesen(datei, "Allgemein", "Typ") == kListenTyp;
}

std::vector<std::int32_t> ListenNummern(ApiClass& api, const std::string& datei) {
    std::vector<std::int32_t> out;
    if (!IstListe(api, datei)) return out;
    for (int i = 1;; ++i) {
        const std::int32_t n =
            api.IniLesenVal(datei, "FragenListe", "Frage" + vb::Str(static_cast<long long>(i)));
        if (n == 0) break;
        out.push_back(n);
    }
    return out;
}

namespace {
// Collects the list's keys in the order they are written; `schreiben` then puts
// them into the file in one locked replace, so that a list saved by two
// stations at once ends up as one of them and never as a mix.
struct Schreiber {
    struct Eintrag {
        std::string sektion;
        profile::Parsed::Values werte;
    };
    std::vector<Eintrag> eintraege;
    void operator()(const char* sektion, const std::string& schluessel, std::string wert) {
        // A line break would end the value in the file.
        for (char& c : wert)
            if (c == '\r' || c == '\n') c = ' ';
        if (eintraege.empty() || eintraege.back().sektion != sektion) eintraege.push_back({sektion, {}});
        eintraege.back().werte.emplace_back(schluessel, std::move(wert));
    }
    bool schreiben(ApiClass& api, const std::string& datei) const {
        return api.profiles().update(api.IniDateiName(datei), [this](const profile::Parsed& jetzt) {
            std::string bytes = jetzt.bytes();
            for (const Eintrag& e : eintraege)
                bytes = profile::Parsed(std::move(bytes)).withValues(e.sektion, e.werte);
            return bytes;
        });
    }
};

std::string mitBlanks(const std::vector<std::string>& teile) {
    std::string s;
    for (const auto& t : teile) s += " " + t;
    return s;
}
}  // namespace

bool ListeSpeichern(ApiClass& api, const std::string& datei, const ListenDatei& l) {
    Schreiber listenWert;
    listenWert("Allgemein", "Typ", kListenTyp);
    size_t i = 0;
    for (; i < l.nummern.size(); ++i)
        listenWert("FragenListe", "Frage" + vb::Str(static_cast<long long>(i + 1)),
                   DreiStellig(l.nummern[i]));
    listenWert("FragenListe", "Frage" + vb::Str(static_cast<long long>(i + 1)), "");
    if (l.unterTyp == 1) {
        for (int g = 1; g <= 9; ++g)
            listenWert("Schwierig", "Grad " + std::to_string(g), l.grade[size_t(g - 1)] ? "-1" : "0");
        for (const auto& [name, an] : l.themen) listenWert("Themen", name, an ? "-1" : "0");
        listenWert("Allgemein", "UnterTyp", "1");
        listenWert("Allgemein", "DieseNicht", l.dieseNicht);
        listenWert("Allgemein", "DieseImmer", l.dieseImmer);
        listenWert("Allgemein", "UnWörter"_ansi, l.unWoerter);
        return listenWert.schreiben(api, datei);
    }
    std::vector<std::string> nr;
    for (std::int32_t n : l.nummern) nr.push_back(DreiStellig(n));
    listenWert("Allgemein", "DieseNicht", mitBlanks(nr));
    listenWert("Allgemein", "DieseImmer", mitBlanks(nr));
    listenWert("Allgemein", "UnterTyp", "2");
    listenWert("Allgemein", "UnWörter"_ansi, l.unWoerter);
    listenWert("Allgemein", "Suchbegriff", l.suchbegriff);
    return listenWert.schreiben(api, datei);
}

}  // namespace fragen
