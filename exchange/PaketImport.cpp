#include "exchange/PaketImport.h"

#include <filesystem>
#include <map>
#include <optional>
#include <set>

#include "questions/QuestionPool.h"
#include "questions/WordIndex.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/FileSys.h"
#include "translation/Texte.h"

using namespace cp1252::literals;

namespace paket {

namespace {

constexpr std::int32_t kLetzteEigene = 99;
// Room left on the disk after an import, so the program can still write its
// settings and log.
constexpr std::uint64_t kReserve = std::uint64_t(64) << 20;

std::string zitat(const std::string& s) {
    return "„"_ansi + s + "“"_ansi;
}

// What makes a question the same question. The difficulty is left out: the
// game rewrites it after every answer.
std::string fingerabdruck(const fragen::QuestionRecord& r) {
    std::string f = r.Frage;
    for (int j = 1; j <= 5; ++j) f += '\x1F' + r.Antwort[size_t(j)] + '\x1F' + r.Erklärung[size_t(j)];
    for (const std::string* s : {&r.Bild, &r.Bild2, &r.Musical, &r.Audio, &r.Bereich}) f += '\x1F' + *s;
    return f + '\x1F' + std::to_string(r.Lösung);
}

bool gleich(const fragen::QuestionRecord& a, const fragen::QuestionRecord& b) {
    return fingerabdruck(a) == fingerabdruck(b) && a.Problem == b.Problem;
}

// "Now" + four characters is the name the picture display copies files to.
bool anzeigeName(const std::string& name) {
    return name.size() == 7 && cp1252::upper(name.substr(0, 3)) == "NOW";
}

std::string nterName(const std::string& name, int k) {
    if (k == 1) return name;
    const size_t punkt = name.rfind('.');
    const std::string stamm = punkt == std::string::npos || punkt == 0 ? name : name.substr(0, punkt);
    const std::string endung = punkt == std::string::npos || punkt == 0 ? "" : name.substr(punkt);
    return stamm + "_" + std::to_string(k) + endung;
}

}  // namespace

std::string ImportErgebnis::Zusammenfassung() const {
    std::string t;
    if (eingelesen.empty()) {
        t = texte::Text(53140, "Keine Frage wurde eingelesen.");
    } else {
        t = std::to_string(eingelesen.size()) +
            (eingelesen.size() == 1 ? " " + texte::Text(53141, "Frage")
                                    : " " + texte::Text(53142, "Fragen")) +
            " " + texte::Text(53143, "eingelesen:");
        for (const auto& [alt, neu] : eingelesen)
            t += "\r\n   " + texte::Text(53141, "Frage") + " " + std::to_string(alt) + " " +
                 texte::Text(53144, "ist jetzt Frage") + " " + std::to_string(neu);
    }
    if (!meldungen.empty()) {
        t += "\r\n\r\nHinweise:";
        for (const std::string& m : meldungen) t += "\r\n   " + m;
    }
    return t;
}

// One import: what exists already, which numbers are free, and where each
// media file of the package has gone.
class PaketImport::Lauf {
public:
    Lauf(ApiClass& api, PaketQuelle& quelle) : api_(api), quelle_(quelle), daten_(api.AppPfad() + "DATEN/") {
        fragen::QuestionPool::Table tabelle{};
        fragen::QuestionPool pool(api, tabelle);
        const std::int32_t anzahl = pool.AnzahlFragen(true, true);
        for (std::int32_t p = 1; p <= anzahl; ++p) {
            const std::int32_t n = tabelle[size_t(p)];
            belegt_.insert(n);
            vorhanden_.emplace(fingerabdruck(fragen::FrageLesen(api, n)), n);
        }
    }

    void einlesen(const PaketEintrag& e, ImportErgebnis& erg) {
        const std::string wer = e.nummer > 0 ? texte::Text(53141, "Frage") + " " + std::to_string(e.nummer)
                                             : texte::Text(53145, "Ein Eintrag");
        if (!e.problem.empty()) {
            erg.meldungen.push_back(wer + " " + e.problem + " " +
                                    texte::Text(53146, "und wurde nicht eingelesen."));
            return;
        }
        fragen::QuestionRecord r = e.frage;
        std::vector<Medium*> medien;
        for (std::string* name : {&r.Bild, &r.Bild2, &r.Audio}) {
            if (name->empty()) continue;
            Medium& m = medium(*name);
            if (!m.fehler.empty()) {
                erg.meldungen.push_back(wer + ": die Datei " + zitat(*name) + " " + m.fehler +
                                        "; die Frage wurde nicht eingelesen.");
                return;
            }
            *name = m.ziel;
            medien.push_back(&m);
        }
        const std::string abdruck = fingerabdruck(r);
        if (auto it = vorhanden_.find(abdruck); it != vorhanden_.end()) {
            erg.meldungen.push_back(wer + " " + texte::Text(53147, "gibt es schon (Frage") + " " +
                                    std::to_string(it->second) + ") und wurde nicht noch einmal eingelesen.");
            return;
        }
        std::int32_t n = 1;
        while (n <= kLetzteEigene && belegt_.count(n)) ++n;
        if (n > kLetzteEigene) {
            erg.meldungen.push_back(
                wer + " " +
                texte::Text(53148, "wurde nicht eingelesen: die Nummern 1 bis 99 sind alle belegt."));
            return;
        }
        for (Medium* m : medien)
            if (std::string f = schreiben(*m); !f.empty()) {
                erg.meldungen.push_back(wer + ": " + f + "; die Frage wurde nicht eingelesen.");
                return;
            }
        r.Nummer = n;
        belegt_.insert(n);
        vorhanden_.emplace(abdruck, n);
        geplant_.push_back({e.nummer, std::move(r), std::move(medien)});
    }

    // Writes the records of all questions taken, checks each one read back, and
    // files them in the word index.
    void abschliessen(ImportErgebnis& erg) {
        std::vector<fragen::QuestionRecord> records;
        for (const Geplant& g : geplant_) records.push_back(g.frage);
        fragen::FragenSpeichern(api_, records);
        index_.StapelBeginnen();
        for (Geplant& g : geplant_) {
            const std::int32_t n = g.frage.Nummer;
            if (!gleich(fragen::FrageLesen(api_, n), g.frage)) {
                // Leave the number free again rather than keep a question that
                // is not what the package held.
                api_.IniSchreiben(fragen::FragenDatei(n), fragen::QuizSektion(n), "Frage", "");
                erg.meldungen.push_back(
                    texte::Text(53141, "Frage") + " " + std::to_string(g.paketNummer) + " " +
                    texte::Text(53149,
                                "lässt sich nicht unverändert speichern und wurde nicht eingelesen."_ansi));
                continue;
            }
            index_.FrageIndizieren(n);
            erg.eingelesen.push_back({g.paketNummer, n});
            for (Medium* m : g.medien) {
                if (m->gemeldet) continue;
                m->gemeldet = true;
                if (!m->hinweis.empty())
                    erg.meldungen.push_back(texte::Text(53150, "Die Datei") + " " + zitat(m->name) + " " +
                                            m->hinweis + ".");
            }
        }
        index_.StapelSchreiben();
    }

private:
    struct Medium {
        std::string name, ziel;            // in the package, in "DATEN/"
        std::string fehler;                // cannot be used: the question is left out
        std::string hinweis;               // used, but worth telling
        std::optional<std::string> bytes;  // still to be written as `ziel`
        bool gemeldet = false;
    };

    Medium& medium(const std::string& name) {
        auto [it, neu] = medien_.try_emplace(cp1252::upper(name));
        Medium& m = it->second;
        if (!neu) return m;
        m.name = m.ziel = name;
        if (!quelle_.Enthaelt(name)) {
            // A package made "without old files" leaves out what the receiver has.
            if (!fsys::fileExists(daten_ + name)) m.hinweis = texte::Text(53151, "fehlt im Paket");
            return m;
        }
        std::string bytes;
        const std::uint64_t rest = kMaxPaket - std::min(kMaxPaket, gelesen_);
        if (!quelle_.Lesen(name, std::min(kMaxMedium, rest), bytes, m.fehler)) return m;
        gelesen_ += bytes.size();
        if (bytes.size() < 10) {
            // Shorter files in "DATEN/" are read as references into the media archives.
            m.hinweis = texte::Text(
                53152, "ist zu klein für eine Bild- oder Audiodatei und wurde nicht übernommen"_ansi);
            return m;
        }
        bool frei = false;
        for (int k = 1; k <= 9999 && !frei; ++k) {
            const std::string kandidat = nterName(name, k);
            if (anzeigeName(kandidat) || reserviert_.count(cp1252::upper(kandidat))) continue;
            const std::string pfad = daten_ + kandidat;
            if (!fsys::exists(pfad)) {
                m.ziel = kandidat;
                m.bytes = std::move(bytes);
                reserviert_.insert(cp1252::upper(kandidat));
                frei = true;
            } else if (fsys::fileExists(pfad) && fsys::readAll(pfad) == bytes) {
                m.ziel = kandidat;
                frei = true;
            }
        }
        if (!frei)
            m.fehler = texte::Text(53153, "findet keinen freien Namen in DATEN");
        else if (cp1252::upper(m.ziel) != cp1252::upper(name))
            m.hinweis = texte::Text(53181, "gibt es schon mit anderem Inhalt") + "; " +
                        texte::Text(53182, "die eingelesene heißt"_ansi) + " " + zitat(m.ziel);
        return m;
    }

    // Writes a media file the first time a question needs it; never over an
    // existing file. The reason in German when it could not.
    std::string schreiben(Medium& m) {
        if (!m.bytes) return {};
        const std::string pfad = daten_ + m.ziel;
        if (fsys::exists(pfad))
            return texte::Text(53154, "die Datei") + " " + zitat(m.ziel) + " " +
                   texte::Text(53155, "ist inzwischen belegt");
        std::error_code ec;
        fsys::makeFolders(daten_);
        const auto platz = std::filesystem::space(fsys::native(daten_), ec);
        if (!ec && platz.available < m.bytes->size() + kReserve)
            return texte::Text(53156, "für die Datei"_ansi) + " " + zitat(m.ziel) + " " +
                   texte::Text(53157, "ist nicht genug Platz auf dem Datenträger"_ansi);
        if (!fsys::writeAtomic(pfad, *m.bytes))
            return texte::Text(53154, "die Datei") + " " + zitat(m.ziel) + " " +
                   texte::Text(53158, "konnte nicht geschrieben werden");
        m.bytes.reset();
        return {};
    }

    struct Geplant {
        std::int32_t paketNummer;
        fragen::QuestionRecord frage;
        std::vector<Medium*> medien;
    };

    ApiClass& api_;
    PaketQuelle& quelle_;
    std::vector<Geplant> geplant_;
    const std::string daten_;
    fragen::WortIndex index_{api_};
    std::set<std::int32_t> belegt_;
    std::map<std::string, std::int32_t> vorhanden_;  // fingerprint -> number
    std::map<std::string, Medium> medien_;           // upper-case package name
    std::set<std::string> reserviert_;               // upper-case names this import writes
    std::uint64_t gelesen_ = 0;
};

PaketImport::PaketImport(ApiClass& api) : api_(api) {}
PaketImport::~PaketImport() = default;

bool PaketImport::Oeffnen(const std::string& pfad) {
    inhalt_ = {};
    fehler_.clear();
    std::string grund;
    quelle_ = PaketQuelle::Oeffnen(pfad, grund);
    std::string bytes;
    if (quelle_ && !quelle_->Lesen("NeueFragen.Dat", kMaxFragenDatei, bytes, grund))
        grund = "NeueFragen.Dat " + grund;
    if (quelle_ && grund.empty()) {
        inhalt_ = FragenLesen(bytes);
        if (!inhalt_.fehler.empty()) grund = "NeueFragen.Dat " + inhalt_.fehler;
    }
    if (grund.empty()) return true;
    fehler_ = texte::Text(53159, "Das Paket") + " " + zitat(pfad) + " " + grund + ".";
    inhalt_.eintraege.clear();
    return false;
}

const std::vector<std::string>& PaketImport::Hinweise() const {
    static const std::vector<std::string> keine;
    return quelle_ ? quelle_->hinweise : keine;
}

ImportErgebnis PaketImport::Einlesen(const std::vector<size_t>& auswahl) {
    ImportErgebnis erg;
    if (!quelle_) return erg;
    erg.meldungen = quelle_->hinweise;
    Lauf lauf(api_, *quelle_);
    for (size_t i : auswahl)
        if (i < inhalt_.eintraege.size()) lauf.einlesen(inhalt_.eintraege[i], erg);
    lauf.abschliessen(erg);
    api_.protokoll("Paket eingelesen: " + std::to_string(erg.eingelesen.size()) + " Fragen", 0);
    return erg;
}

}  // namespace paket
