#include "questions/WordIndex.h"

#include <QFileInfo>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "questions/QuestionPool.h"
#include "questions/QuestionRecord.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/FileSys.h"
#include "services/Profile.h"

namespace fragen {

namespace {
bool istWortZeichen(unsigned char c) {
    if (c >= '0' && c <= '9') return true;
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
    switch (c) {
        case ' ':
        case 189:  // ½
        case 196:  // Ä
        case 214:  // Ö
        case 220:  // Ü
        case 223:  // ß
        case 228:  // ä
        case 233:  // é
        case 246:  // ö
        case 252:  // ü
            return true;
        default:
            return false;
    }
}

std::string indexDatei(const std::string& c) {
    return "Index" + c + ".Ini";
}

std::string_view trimmed(std::string_view s) {
    return profile::trimBlanks(s);
}
}  // namespace

void RemoveSonderzeichen(std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        char k = istWortZeichen(static_cast<unsigned char>(ch)) ? ch : ' ';
        if (k == ' ' && !out.empty() && out.back() == ' ') continue;
        out += k;
    }
    text = std::move(out);
}

bool EnthaeltNummer(std::string_view value, std::int32_t n) {
    const std::string gesucht = std::to_string(n);
    size_t i = 0;
    while (i < value.size()) {
        while (i < value.size() && (value[i] == ' ' || value[i] == '\t')) ++i;
        size_t e = i;
        while (e < value.size() && value[e] != ' ' && value[e] != '\t') ++e;
        if (e > i && value.substr(i, e - i) == gesucht) return true;
        i = e;
    }
    return false;
}

// The index files of a full build, held in memory and written once each at the
// end. The bytes are those that writing key by key into fresh files gives: the
// section line, then each key in the order of its first write with its latest
// value.
class WortIndex::Sammlung {
public:
    // `bestand`: the index exists and gets more questions; each file is read
    // once, when a word of it comes up first. Without it the files start empty.
    explicit Sammlung(ApiClass* bestand = nullptr) : bestand_(bestand) {}

    // Files n under `wort` as the key-by-key way does: a word without a value is
    // new to the index; the value read back (without its leading blank) gets the
    // number appended unless it lists n already.
    void indizieren(const std::string& c, const std::string& wort, std::int32_t n, const std::string& nummer,
                    std::string& wortliste) {
        auto [d, neueDatei] = dateien_.try_emplace(c);
        if (neueDatei) {
            reihenfolge_.push_back(c);
            if (bestand_) laden(c, d->second);
        }
        auto [p, neuerKey] =
            d->second.position.try_emplace(cp1252::asciiLower(wort), d->second.eintraege.size());
        if (neuerKey) d->second.eintraege.push_back(Eintrag{wort, {}, {}});
        Eintrag& e = d->second.eintraege[p->second];
        if (e.wert.empty()) wortliste += " " + wort;
        if (!e.nummern.insert(n).second) return;
        if (!e.wert.empty() && e.wert.front() == ' ') e.wert.erase(0, 1);
        e.wert += nummer;
    }

    void alleSchreiben(ApiClass& api) {
        for (const std::string& c : reihenfolge_) {
            const Datei& d = dateien_[c];
            std::string bytes = "[" + c + "]\r\n";
            for (const Eintrag& e : d.eintraege)
                bytes.append(e.key).append("=").append(e.wert).append("\r\n");
            const std::string path = api.IniDateiName(indexDatei(c));
            fsys::writeAtomic(path, bytes);  // a file that cannot be written is skipped
            api.profiles().forget(path);
        }
    }

private:
    struct Eintrag {
        std::string key;
        std::string wert;  // as stored
        std::unordered_set<std::int32_t> nummern;
    };
    struct Datei {
        std::vector<Eintrag> eintraege;
        std::unordered_map<std::string, size_t> position;  // key as the reader matches it
    };
    void laden(const std::string& c, Datei& d) {
        const std::string path = bestand_->IniDateiName(indexDatei(c));
        const profile::Parsed p(fsys::readAll(path).value_or(std::string()));
        for (const std::string& key : p.keys(c)) {
            auto [pos, neu] = d.position.try_emplace(cp1252::asciiLower(key), d.eintraege.size());
            if (!neu) continue;
            Eintrag e{key, std::string(p.lookup(c, key).value_or("")), {}};
            for (size_t i = 0; i < e.wert.size();) {
                const size_t ende = std::min(e.wert.find(' ', i), e.wert.size());
                if (ende > i)
                    e.nummern.insert(vb::CLng(vb::Val(std::string_view(e.wert).substr(i, ende - i))));
                i = ende + 1;
            }
            d.eintraege.push_back(std::move(e));
        }
    }
    ApiClass* bestand_;
    std::unordered_map<std::string, Datei> dateien_;
    std::vector<std::string> reihenfolge_;
};

WortIndex::WortIndex(ApiClass& api) : api_(api) {}
WortIndex::~WortIndex() = default;

std::string WortIndex::lesen(const std::string& c, const std::string& wort) {
    // Whole values: a common word lists hundreds of numbers, far beyond the
    // 254 characters an ordinary profile read keeps.
    return api_.IniLesenGanz(indexDatei(c), c, wort);
}

void WortIndex::schreiben(const std::string& c, const std::string& wort, const std::string& wert) {
    api_.IniSchreiben(indexDatei(c), c, wort, wert);
}

void WortIndex::WoerterIndizieren(const std::string& text, std::int32_t n) {
    std::string s = text;
    RemoveSonderzeichen(s);
    // A text that opens with a quote or bracket would start with a blank, and
    // the empty first word would end it before any word was filed.
    if (!s.empty() && s.front() == ' ') s.erase(0, 1);
    s += ' ';
    const std::string nummer = vb::Str(static_cast<long long>(n));
    size_t anfang = 0;
    while (true) {
        size_t blank = s.find(' ', anfang);
        if (blank == std::string::npos) break;
        std::string_view rohwort = trimmed(std::string_view(s).substr(anfang, blank - anfang));
        if (rohwort.empty()) break;
        const std::string wort = cp1252::upper(rohwort);
        const std::string c = wort.substr(0, 1);
        anfang = blank + 1;
        if (sammlung_) {
            sammlung_->indizieren(c, wort, n, nummer, wortliste_);
            continue;
        }
        const std::string wert = lesen(c, wort);
        if (wert.empty()) wortliste_ += " " + wort;
        if (!EnthaeltNummer(wert, n)) schreiben(c, wort, wert + nummer);
    }
}

void WortIndex::FrageIndizieren(std::int32_t n) {
    if (n == kTestFrage) return;
    const QuestionRecord r = FrageLesen(api_, n);
    WoerterIndizieren(r.Frage, n);
    for (size_t j = 1; j <= 5; ++j) {
        WoerterIndizieren(r.Antwort[j], n);
        WoerterIndizieren(r.Erklärung[j], n);
    }
    WoerterIndizieren(r.Bild, n);
    WoerterIndizieren(r.Audio, n);
    WoerterIndizieren(r.Bereich, n);
}

void WortIndex::StapelBeginnen() {
    sammlung_ = std::make_unique<Sammlung>(&api_);
}

void WortIndex::StapelSchreiben() {
    if (sammlung_) sammlung_->alleSchreiben(api_);
    sammlung_.reset();
}

void WortIndex::indexDateienLoeschen() {
    const std::string ordner = api_.AppPfad();
    bool geloescht = true;
    while (geloescht) {
        geloescht = false;
        for (const std::string& name : fsys::list(ordner)) {
            const std::string klein = cp1252::asciiLower(name);
            if (klein.size() < 9 || klein.rfind("index", 0) != 0 || klein.substr(klein.size() - 4) != ".ini")
                continue;
            if (fsys::remove(ordner + name)) {
                api_.profiles().forget(ordner + name);
                geloescht = true;
            }
        }
    }
}

bool WortIndex::IndexKomplettErstellen(QuestionPool& pool, const IndexFortschritt& f) {
    const std::int32_t notwendig = api_.IniLesenVal("", "Allgemein", "IndexNotwendig");
    if (notwendig == 1) return false;
    if (notwendig == 2) {
        const std::string index1 = api_.AppPfad() + "index1.ini";
        if (fsys::fileExists(index1)) {
            const QDateTime now = jetzt ? jetzt() : QDateTime::currentDateTime();
            const QDateTime grenze = QDateTime(now.date(), QTime(0, 0)).addSecs(-8640);
            const QDateTime geaendert =
                QFileInfo(QString::fromStdString(fsys::native(index1).string())).lastModified();
            if (geaendert > grenze) return false;
        }
    }
    if (f.sanduhr) f.sanduhr(true);
    if (f.oeffnen) f.oeffnen("Index wird erstellt...");
    wortliste_.clear();

    indexDateienLoeschen();
    sammlung_ = std::make_unique<Sammlung>();
    struct Aufraeumen {
        std::unique_ptr<Sammlung>& s;
        ~Aufraeumen() { s.reset(); }
    } aufraeumen{sammlung_};
    const std::int32_t gesamt = pool.AnzahlFragen(true, true);
    for (std::int32_t p = 1; p <= gesamt; ++p) {
        try {
            FrageIndizieren(pool.Tabelle()[size_t(p)]);
        } catch (const std::exception&) {
            // A question that cannot be read is left out; the build goes on.
        }
        if (p % 10 == 0) {
            if (f.setzen) f.setzen(p, gesamt);
            if (f.yield) f.yield();
        }
    }
    sammlung_->alleSchreiben(api_);

    api_.IniSchreiben("", "Allgemein", "IndexNotwendig", "1");
    try {
        api_.TextDatei("scan.txt", wortliste_);
    } catch (const std::exception&) {
        // A locked "scan.txt" does not stop the build.
    }
    if (f.setzen) f.setzen(100, 100);
    if (f.sanduhr) f.sanduhr(false);
    return true;
}

}  // namespace fragen
