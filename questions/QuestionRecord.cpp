#include "questions/QuestionRecord.h"

#include <algorithm>
#include <limits>
#include <map>
#include <optional>
#include <vector>

#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/FileSys.h"
#include "services/Profile.h"
#include "translation/Texte.h"

using namespace cp1252::literals;

namespace fragen {

namespace {
// Integer division that rounds down, also for negative numbers.
std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

std::string antwortKey(int j) {
    return "Antwort" + vb::Str(static_cast<long long>(j));
}
std::string erklaerungKey(int j) {
    return "Erklärung"_ansi + vb::Str(static_cast<long long>(j));
}
}  // namespace

std::string FragenDatei(std::int32_t n) {
    return "Fragen" + vb::Str(static_cast<long long>(floorDiv(n, 100))) + ".Dat";
}

std::string QuizSektion(std::int32_t n) {
    return "Quiz" + vb::Str(static_cast<long long>(n));
}

QuestionRecord FrageLesen(ApiClass& api, std::int32_t n) {
    QuestionRecord r;
    r.Nummer = n;
    const std::string file = FragenDatei(n);
    const std::string sec = QuizSektion(n);
    r.Verschlüsselt = api.IniLesenVal(file, sec, "Crypt") != 0;
    auto text = [&](const std::string& key) {
        return r.Verschlüsselt ? api.Ini_Verschlüsselt(file, sec, key) : api.IniLesen(file, sec, key);
    };
    r.Frage = text("Frage");
    for (int j = 1; j <= 5; ++j) {
        r.Antwort[size_t(j)] = text(antwortKey(j));
        r.Erklärung[size_t(j)] = text(erklaerungKey(j));
    }
    r.Lösung = vb::CLng(vb::Val(api.IniLesen(file, sec, "Lösung"_ansi)));
    std::int32_t problem = api.IniLesenVal(file, sec, "Problem");
    r.Problem = std::int16_t(std::clamp<std::int32_t>(problem, std::numeric_limits<std::int16_t>::min(),
                                                      std::numeric_limits<std::int16_t>::max()));
    r.Bild = api.IniLesen(file, sec, "Bild");
    r.Bild2 = api.IniLesen(file, sec, "Bild2");
    r.Musical = api.IniLesen(file, sec, "Musical");
    r.Audio = api.IniLesen(file, sec, "Audio");
    r.Bereich = api.IniLesen(file, sec, "Bereich");
    return r;
}

namespace {
// The keys of a record in the order the save writes them, with the value and
// whether it is stored scrambled.
struct Wert {
    std::string key;
    const std::string* wert;
    bool verschluesselt;
};

std::vector<Wert> speicherWerte(const QuestionRecord& r, std::string& loesung, std::string& problem) {
    loesung = std::to_string(r.Lösung);
    problem = std::to_string(r.Problem);
    static const std::string eins = "1";
    std::vector<Wert> w = {{"Crypt", &eins, false}, {"Frage", &r.Frage, true}};
    for (int j = 1; j <= 5; ++j) w.push_back({antwortKey(j), &r.Antwort[size_t(j)], true});
    for (int j = 1; j <= 5; ++j) w.push_back({erklaerungKey(j), &r.Erklärung[size_t(j)], true});
    w.insert(w.end(), {{"Lösung"_ansi, &loesung, false},
                       {"Bild", &r.Bild, false},
                       {"Bild2", &r.Bild2, false},
                       {"Musical", &r.Musical, false},
                       {"Problem", &problem, false},
                       {"Audio", &r.Audio, false},
                       {"Bereich", &r.Bereich, false}});
    return w;
}

// The keys and values of a record as they stand in its section.
profile::Parsed::Values gespeicherteWerte(const QuestionRecord& r) {
    std::string loesung, problem;
    profile::Parsed::Values werte;
    for (const Wert& w : speicherWerte(r, loesung, problem)) {
        std::string wert = w.verschluesselt ? ApiClass::VerschluesseltGespeichert(*w.wert) : *w.wert;
        // A line break would end the value in the file.
        std::replace_if(
            wert.begin(), wert.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
        werte.emplace_back(w.key, std::move(wert));
    }
    return werte;
}

// The whole record in one locked replace of its file: another station sees the
// old record or the new one, and a failed write leaves the file as it was.
bool schreibenOhneIndexMarke(ApiClass& api, std::int32_t n, const QuestionRecord& r) {
    const profile::Parsed::Values werte = gespeicherteWerte(r);
    return api.profiles().update(api.IniDateiName(FragenDatei(n)), [&](const profile::Parsed& jetzt) {
        return jetzt.withValues(QuizSektion(n), werte);
    });
}
}  // namespace

bool FrageSpeichern(ApiClass& api, std::int32_t n, const QuestionRecord& r) {
    if (!schreibenOhneIndexMarke(api, n, r)) return false;
    api.IniSchreiben("", "Allgemein", "IndexNotwendig", "2");
    return true;
}

double ProblemLesen(ApiClass& api, std::int32_t n) {
    return vb::Val(api.IniLesen(FragenDatei(n), QuizSektion(n), "Problem"));
}

void ProblemSchreiben(ApiClass& api, std::int32_t n, std::int32_t wert) {
    api.IniSchreiben(FragenDatei(n), QuizSektion(n), "Problem", std::to_string(wert));
}

void FragenSpeichern(ApiClass& api, const std::vector<QuestionRecord>& records) {
    std::map<std::string, std::vector<const QuestionRecord*> > proDatei;
    for (const QuestionRecord& r : records) proDatei[FragenDatei(r.Nummer)].push_back(&r);
    for (const auto& eintrag : proDatei) {
        // Named copies of the pair: older compilers cannot capture structured bindings in lambdas.
        const std::string& datei = eintrag.first;
        const std::vector<const QuestionRecord*>& liste = eintrag.second;
        // One locked replace per file; a failed write is not reported, as with a single save.
        api.profiles().update(api.IniDateiName(datei), [&](const profile::Parsed& jetzt) {
            const bool anhaengen = std::none_of(liste.begin(), liste.end(), [&](const QuestionRecord* r) {
                return jetzt.hasSection(QuizSektion(r->Nummer));
            });
            std::string bytes = jetzt.bytes();
            for (const QuestionRecord* r : liste) {
                const profile::Parsed::Values werte = gespeicherteWerte(*r);
                if (!anhaengen) {
                    // A section that exists is written as a single save writes it.
                    bytes = profile::Parsed(std::move(bytes)).withValues(QuizSektion(r->Nummer), werte);
                    continue;
                }
                // New sections go to the end, as the profile writer puts them.
                if (!bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r') bytes += "\r\n";
                bytes += profile::Parsed(std::string()).withValues(QuizSektion(r->Nummer), werte);
            }
            return bytes;
        });
    }
    if (!records.empty()) api.IniSchreiben("", "Allgemein", "IndexNotwendig", "2");
}

bool AntwortGezeigt(std::string_view text) {
    return text.find_first_not_of(" \t\r\n\xA0") != std::string_view::npos;
}

bool FrageVorhanden(ApiClass& api, std::int32_t n) {
    return !api.IniLesen(FragenDatei(n), QuizSektion(n), "Frage").empty();
}

std::string SchwierigkeitsName(std::int32_t problem, std::int32_t alterLevel) {
    struct Stufe {
        std::int64_t von, bis;
        long nummer;
        const char* name;
    };
    static const Stufe stufen[] = {
        {-999, -40, 43130, "Glücksfrage"}, {-39, -30, 43131, "Baby-leicht"},
        {-29, -20, 43132, "sehr einfach"}, {-19, -10, 43133, "Harmlos"},
        {-9, 0, 43134, "Problemlos"},      {1, 10, 43135, "durchschnittlich"},
        {11, 20, 43136, "anstrengend"},    {21, 30, 43137, "anspruchsvoll"},
        {31, 40, 43138, "kniffelig"},      {41, 50, 43139, "Super-schwer"},
        {51, 999, 43140, "Unlösbar!!!"},
    };
    const std::int64_t d = std::int64_t(problem) - std::int64_t(alterLevel);
    for (const Stufe& s : stufen)
        if (d >= s.von && d <= s.bis) return texte::Text(s.nummer, cp1252::fromUtf8(s.name));
    return vb::Str(static_cast<long long>(problem));
}

bool MacherModus(ApiClass& api) {
    return fsys::fileExists(api.AppPfad() + "back/debug.txt");
}

}  // namespace fragen
