#include "exchange/Paket.h"

#include <zip.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "questions/QuestionRecord.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/Dialogs.h"
#include "services/FileSys.h"
#include "translation/Texte.h"

using namespace cp1252::literals;

namespace paket {

namespace {
constexpr const char* kCrLf = "\r\n";

std::string str(long long n) {
    return vb::Str(n);
}

bool schonDa(const std::vector<std::string>& namen, const std::string& name) {
    const std::string gross = cp1252::upper(name);
    return std::any_of(namen.begin(), namen.end(),
                       [&](const std::string& n) { return cp1252::upper(n) == gross; });
}

bool schonDa(const std::vector<PackDatei>& dateien, const std::string& name) {
    const std::string gross = cp1252::upper(name);
    return std::any_of(dateien.begin(), dateien.end(),
                       [&](const PackDatei& d) { return cp1252::upper(d.name) == gross; });
}

std::uint64_t groesse(const std::string& pfad) {
    auto s = fsys::stamp(pfad);
    return s && fsys::fileExists(pfad) ? s->size : 0;
}

// Lines as the profile reader splits them: at CR LF, CR or LF.
std::vector<std::string_view> zeilen(std::string_view text) {
    std::vector<std::string_view> out;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t e = text.find_first_of("\r\n", pos);
        if (e == std::string_view::npos) {
            out.push_back(text.substr(pos));
            break;
        }
        out.push_back(text.substr(pos, e - pos));
        pos = e + ((text[e] == '\r' && e + 1 < text.size() && text[e + 1] == '\n') ? 2 : 1);
    }
    return out;
}

std::string_view ohneFuehrendeBlanks(std::string_view z) {
    size_t i = 0;
    while (i < z.size() && (z[i] == ' ' || z[i] == '\t')) ++i;
    return z.substr(i);
}

// The section line of question n, named as the profile reader finds it
// (blanks around the name and the case of "Quiz" do not matter).
bool istSektion(std::string_view zeile, const std::string& sektion) {
    std::string_view t = ohneFuehrendeBlanks(zeile);
    if (t.empty() || t.front() != '[') return false;
    size_t zu = t.rfind(']');
    if (zu == std::string_view::npos) return false;
    return cp1252::equalsNoCase(profile::trimBlanks(t.substr(1, zu - 1)), sektion);
}

bool beginntQuiz(std::string_view zeile) {
    std::string_view t = ohneFuehrendeBlanks(zeile);
    return t.size() >= 5 && cp1252::equalsNoCase(t.substr(0, 5), "[Quiz");
}
}  // namespace

std::string DetailZeile(const PackDatei& d) {
    return d.name + str(static_cast<long long>(d.groesse / 1000)) + "kB";
}

std::vector<std::string> Sammlung::Details() const {
    std::vector<std::string> out;
    for (const PackDatei& d : neuBestand) out.push_back(DetailZeile(d));
    return out;
}

std::string Sammlung::Zusammenfassung() const {
    return str(fragen) + " " + texte::Text(43122, "Fragen enthalten:") + " " + kCrLf + kCrLf +
           texte::Text(43123, "interne Dateien:") + " " + str(intern) + kCrLf +
           texte::Text(43124, "eigene Bilder:") + " " + str(bilder) + kCrLf +
           texte::Text(43125, "eigene Audio:") + " " + str(audio) + kCrLf + kCrLf +
           texte::Text(43126, "Gesamtgröße"_ansi) + " " + kCrLf + kCrLf +
           str(static_cast<long long>(gesamtKB)) + "kB " + texte::Text(43127, "ungepackt") + " " + kCrLf +
           texte::Text(43128, "Fehlende Dateien:") + " " + str(fehlend);
}

std::string DatensatzAusDatei(const std::string& dateiInhalt, std::int32_t n) {
    const std::string sektion = fragen::QuizSektion(n);
    std::string out;
    bool drin = false;
    for (std::string_view z : zeilen(dateiInhalt)) {
        if (!drin) {
            drin = istSektion(z, sektion);
        } else if (beginntQuiz(z)) {
            break;
        }
        if (drin) out.append(z).append(kCrLf);
    }
    return out;
}

Packer::Packer(ApiClass& api, std::vector<std::int32_t> liste) : api_(api), liste_(std::move(liste)) {}

std::int32_t Packer::Nummer(std::int32_t position) const {
    if (position < 1 || size_t(position) > liste_.size()) return 0;
    return liste_[size_t(position) - 1];
}

std::int32_t Packer::Maximum(bool macherModus) const {
    const auto anzahl = std::int32_t(liste_.size());
    if (macherModus) return anzahl;
    // The list is ascending: the user's own questions are its head. (Stopping
    // the search at position 99 would offer supplied questions to a user who has
    // all 99 of his own.)
    std::int32_t p = 0;
    while (p < anzahl && liste_[size_t(p)] <= 99) ++p;
    return p;
}

std::string Packer::PackPfad() const {
    return api_.AppPfad() + "pack/";
}

bool Packer::dateiPruefen(Sammlung& s, const std::string& name, std::uint64_t& g, bool& warnen) {
    const std::string app = api_.AppPfad();
    // A record names a file inside "DATEN/"; anything else must not be copied
    // (the copy into "pack/" would land elsewhere) and counts as missing.
    const bool sicher = fsys::isSafeRelativeName(name) && name.find_first_of("/\\") == std::string::npos;
    g = sicher ? groesse(app + "DATEN/" + name) : 0;
    if (g >= 1 && g <= 9) {
        if (!auchVarulak_) {
            ++s.intern;
            return false;
        }
        g = groesse(app + "back/" + name);
    }
    if (schonDa(s.altBestand, name) || schonDa(s.neuBestand, name)) return false;
    if (g == 0) {
        ++s.fehlend;
        if (warnen) {
            const std::string text = texte::Text(53130, "Die Datei...") + " " + std::string(40, ' ') + kCrLf +
                                     kCrLf + std::string(10, ' ') + ".../" + name + kCrLf + kCrLf +
                                     texte::Text(53131, "...wurde nicht gefunden!");
            if (dlg::dialogs().MsgBox(text, dlg::OKCancel | dlg::Exclamation,
                                      texte::Text(23013, "Warnung")) == dlg::Cancel)
                warnen = false;
        }
        return false;
    }
    return true;
}

Sammlung Packer::testen(const Bereich& b) {
    Sammlung s;
    auchVarulak_ = b.auchVarulak;
    s.fragen = b.bis - b.von + 1;
    auto lesen = [&](std::int32_t pos, const char* key) {
        const std::int32_t n = Nummer(pos);
        return n == 0 ? std::string() : api_.IniLesen(fragen::FragenDatei(n), fragen::QuizSektion(n), key);
    };
    if (b.ohneAlte)
        for (std::int32_t p = 1; p < b.von; ++p)
            for (const char* key : {"Bild", "Bild2", "Audio"}) {
                std::string name = lesen(p, key);
                if (!name.empty()) s.altBestand.push_back(name);
            }
    bool warnen = true;
    for (std::int32_t p = b.von; p <= b.bis; ++p)
        for (const char* key : {"Bild", "Bild2", "Audio"}) {
            const std::string name = lesen(p, key);
            std::uint64_t g = 0;
            if (name.empty() || !dateiPruefen(s, name, g, warnen)) continue;
            s.neuBestand.push_back({name, g});
            ++(key[0] == 'A' ? s.audio : s.bilder);
        }
    for (const PackDatei& d : s.neuBestand) {
        s.gesamtKB += d.groesse / 1000;
        if (!s.groesste || d.groesse > s.groesste->groesse) s.groesste = d;
    }
    return s;
}

void Packer::PackordnerLeeren() {
    api_.protokoll("Kill Packordner", 0);
    const std::string pack = PackPfad();
    if (fsys::fileExists(pack + "liste.txt")) {
        for (const std::string& name : fsys::list(pack))
            if (fsys::fileExists(pack + name)) fsys::remove(pack + name);
        std::error_code ec;
        std::filesystem::remove(fsys::native(pack), ec);
        fsys::clearResolveCache();
    }
    fsys::makeFolders(pack);
    fsys::writeAtomic(pack + "liste.txt", "");
}

std::string Packer::datensatz(std::int32_t n) {
    const std::string datei = api_.AppPfad() + fragen::FragenDatei(n);
    auto it = dateien_.find(datei);
    if (it == dateien_.end())
        it = dateien_.emplace(datei, fsys::readAll(datei).value_or(std::string())).first;
    return DatensatzAusDatei(it->second, n);
}

Sammlung Packer::jetzPacken(const Bereich& b) {
    Sammlung s = testen(b);
    PackordnerLeeren();
    const std::string app = api_.AppPfad();
    const std::string pack = PackPfad();
    for (const PackDatei& d : s.neuBestand) {
        if (!b.auchVarulak) {
            fsys::copy(app + "DATEN/" + d.name, pack + d.name, true);
            continue;
        }
        const std::string back = app + "back/" + d.name, daten = app + "daten/" + d.name;
        if (!fsys::fileExists(back) && fsys::fileExists(daten)) fsys::copy(daten, back, true);
        if (fsys::fileExists(daten)) fsys::copy(back, pack + d.name, true);
    }
    std::string inhalt;
    dateien_.clear();
    for (std::int32_t p = b.von; p <= b.bis; ++p)
        if (std::int32_t n = Nummer(p)) inhalt += datensatz(n);
    dateien_.clear();
    fsys::remove(pack + "NeueFragen.Dat");
    fsys::writeAtomic(pack + "NeueFragen.Dat", inhalt);
    return s;
}

namespace {
struct ZipZu {
    void operator()(zip_t* z) const { zip_discard(z); }
};

// Pictures and compressed sounds shrink by nothing; storing them saves the time.
bool schonGepackt(const std::string& name) {
    static const char* const endungen[] = {".JPG", ".JPEG", ".GIF", ".PNG", ".MP3", ".OGG", ".ZIP"};
    const std::string gross = cp1252::upper(name);
    return std::any_of(std::begin(endungen), std::end(endungen), [&](const char* e) {
        const std::string_view ev(e);
        return gross.size() >= ev.size() && gross.compare(gross.size() - ev.size(), ev.size(), ev) == 0;
    });
}
}  // namespace

bool PaketSpeichern(const std::string& packOrdner, const std::string& zipDatei, std::string& fehler) {
    if (!fsys::fileExists(packOrdner + "NeueFragen.Dat")) {
        fehler = "Es gibt noch kein Paket: bitte zuerst packen.";
        return false;
    }
    int code = 0;
    std::unique_ptr<zip_t, ZipZu> za(
        zip_open(fsys::native(zipDatei).c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code));
    if (!za) {
        fehler = "Die Datei " + zipDatei + " kann nicht angelegt werden.";
        return false;
    }
    for (const std::string& name : fsys::list(packOrdner)) {
        const std::string pfad = packOrdner + name;
        if (!fsys::fileExists(pfad)) continue;
        zip_source_t* quelle = zip_source_file(za.get(), fsys::native(pfad).c_str(), 0, -1);
        const zip_int64_t i =
            quelle ? zip_file_add(za.get(), cp1252::toUtf8(name).c_str(), quelle, ZIP_FL_ENC_UTF_8) : -1;
        if (i < 0) {
            if (quelle) zip_source_free(quelle);
            fehler = "Die Datei " + name + " kann nicht ins Archiv aufgenommen werden.";
            return false;
        }
        if (schonGepackt(name)) zip_set_file_compression(za.get(), zip_uint64_t(i), ZIP_CM_STORE, 0);
    }
    if (zip_close(za.get()) != 0) {
        fehler = "Das Archiv " + zipDatei + " konnte nicht geschrieben werden: " + zip_strerror(za.get());
        return false;
    }
    za.release();
    return true;
}

}  // namespace paket
