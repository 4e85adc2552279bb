// The record reader of "NeueFragen.Dat" and the two kinds of package source.
#include <zip.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "exchange/PaketImport.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/FileSys.h"
#include "services/Profile.h"
#include "translation/Texte.h"

using namespace cp1252::literals;

namespace paket {

namespace {

// Bytes that have no character in Windows-1252 (scrambled values may hold
// them, so only texts are checked for them).
bool keinZeichen(unsigned char c) {
    return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
}

// Valid UTF-8 with at least one multi-byte sequence: German text in
// Windows-1252 practically never is.
bool istUtf8(std::string_view b) {
    bool mehrbyte = false;
    for (size_t i = 0; i < b.size();) {
        const auto c = static_cast<unsigned char>(b[i]);
        size_t n = c < 0x80                   ? 1
                   : (c >= 0xC2 && c <= 0xDF) ? 2
                   : (c >= 0xE0 && c <= 0xEF) ? 3
                   : (c >= 0xF0 && c <= 0xF4) ? 4
                                              : 0;
        if (n == 0 || i + n > b.size()) return false;
        for (size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(b[i + k]) & 0xC0) != 0x80) return false;
        mehrbyte = mehrbyte || n > 1;
        i += n;
    }
    return mehrbyte;
}

std::string_view ohneFuehrendeBlanks(std::string_view z) {
    size_t i = 0;
    while (i < z.size() && (z[i] == ' ' || z[i] == '\t')) ++i;
    return z.substr(i);
}

bool beginntQuiz(std::string_view zeile) {
    std::string_view t = ohneFuehrendeBlanks(zeile);
    return t.size() >= 5 && cp1252::equalsNoCase(t.substr(0, 5), "[Quiz");
}

// "Quiz 12" -> 12; -1 when the line names no question section.
std::int64_t sektionsNummer(std::string_view zeile, std::string& name) {
    std::string_view t = ohneFuehrendeBlanks(zeile);
    size_t zu = t.rfind(']');
    if (zu == std::string_view::npos) return -1;
    name = std::string(profile::trimBlanks(t.substr(1, zu - 1)));
    std::string_view rest = profile::trimBlanks(std::string_view(name).substr(4));
    const bool ziffern =
        !rest.empty() && std::all_of(rest.begin(), rest.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!ziffern) return -1;
    return rest.size() > 9 ? std::int64_t(1) << 40 : std::stoll(std::string(rest));
}

std::string zitat(const std::string& s) {
    return "„"_ansi + s + "“"_ansi;
}

// Why a text field cannot be stored and read back unchanged; empty when it can.
std::string textFehler(const std::string& text) {
    if (std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 32; }))
        return texte::Text(53160, "enthält Steuerzeichen"_ansi);
    if (std::any_of(text.begin(), text.end(),
                    [](char c) { return keinZeichen(static_cast<unsigned char>(c)); }))
        return texte::Text(53161, "enthält Zeichen, die es in Windows-1252 nicht gibt"_ansi);
    if (text.size() > profile::kMaxValue)
        return texte::Text(53162, "hat einen Text mit mehr als 254 Zeichen");
    return {};
}

void eintragAuswerten(PaketEintrag& e, const profile::Parsed& p, const std::string& sek) {
    auto wert = [&](std::string_view key) { return std::string(p.lookup(sek, key).value_or("")); };
    fragen::QuestionRecord& r = e.frage;
    r.Nummer = e.nummer;
    r.Verschlüsselt = vb::Val(wert("Crypt")) != 0;
    auto text = [&](const std::string& key) {
        std::string v = wert(key);
        return r.Verschlüsselt ? ApiClass::DeCode(v) : v;
    };
    r.Frage = text("Frage");
    for (int j = 1; j <= 5; ++j) {
        r.Antwort[size_t(j)] = text("Antwort" + vb::Str(static_cast<long long>(j)));
        r.Erklärung[size_t(j)] = text("Erklärung"_ansi + vb::Str(static_cast<long long>(j)));
    }
    const double loesung = vb::Val(wert("Lösung"_ansi));
    r.Lösung = loesung >= 1 && loesung <= 5 ? vb::CLng(loesung) : 0;
    r.Problem = std::int16_t(std::clamp<double>(vb::Val(wert("Problem")), -32768, 32767));
    r.Bild = wert("Bild");
    r.Bild2 = wert("Bild2");
    r.Musical = wert("Musical");
    r.Audio = wert("Audio");
    r.Bereich = wert("Bereich");

    if (r.Frage.empty()) {
        e.problem = texte::Text(53163, "hat keinen Fragetext");
        return;
    }
    std::vector<const std::string*> texte = {&r.Frage, &r.Musical, &r.Bereich, &r.Bild, &r.Bild2, &r.Audio};
    for (int j = 1; j <= 5; ++j) texte.insert(texte.end(), {&r.Antwort[size_t(j)], &r.Erklärung[size_t(j)]});
    for (const std::string* t : texte)
        if (std::string f = textFehler(*t); !f.empty()) {
            e.problem = f;
            return;
        }
    if (r.Lösung == 0 || r.Antwort[size_t(r.Lösung)].empty()) {
        e.problem = texte::Text(53164, "hat keine gültige Lösung"_ansi);
        return;
    }
    for (const std::string* m : {&r.Bild, &r.Bild2, &r.Audio})
        if (!m->empty() && (!fsys::isSafeRelativeName(*m) || m->find_first_of("/\\") != std::string::npos)) {
            e.problem = texte::Text(53165, "nennt die Datei") + " " + zitat(*m) +
                        texte::Text(53166, ", die außerhalb des Pakets liegt"_ansi);
            return;
        }
}

}  // namespace

PaketInhalt FragenLesen(std::string_view bytes) {
    PaketInhalt out;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF" || istUtf8(bytes)) {
        out.fehler = texte::Text(53167, "ist in UTF-8 statt in Windows-1252 geschrieben");
        return out;
    }
    // Scrambled values stay within the codes 32 .. 255: other control bytes
    // than line ends and tabs mean a damaged or binary file.
    if (std::any_of(bytes.begin(), bytes.end(), [](char c) {
            const auto b = static_cast<unsigned char>(c);
            return b < 32 && b != '\r' && b != '\n' && b != '\t';
        })) {
        out.fehler = texte::Text(53168, "ist beschädigt oder keine Textdatei"_ansi);
        return out;
    }
    // Records as the package writer cuts them: a "[Quiz" line and the lines up to
    // the next one.
    std::vector<std::pair<size_t, size_t>> bloecke;  // begin, end
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t e = bytes.find_first_of("\r\n", pos);
        size_t ende = e == std::string_view::npos ? bytes.size() : e;
        if (beginntQuiz(bytes.substr(pos, ende - pos))) {
            if (!bloecke.empty()) bloecke.back().second = pos;
            bloecke.push_back({pos, bytes.size()});
        }
        if (e == std::string_view::npos) break;
        pos = e + ((bytes[e] == '\r' && e + 1 < bytes.size() && bytes[e + 1] == '\n') ? 2 : 1);
    }
    if (bloecke.empty()) {
        out.fehler = texte::Text(53169, "enthält keine Fragen"_ansi);
        return out;
    }
    // Every record the package writer makes ends with CR LF: a last line without
    // it means the file was cut off.
    const bool abgeschnitten = bytes.back() != '\n' && bytes.back() != '\r';
    std::map<std::int32_t, bool> gesehen;
    for (size_t b = 0; b < bloecke.size(); ++b) {
        const std::string_view block = bytes.substr(bloecke[b].first, bloecke[b].second - bloecke[b].first);
        PaketEintrag e;
        std::string sek;
        const std::int64_t n = sektionsNummer(block.substr(0, block.find_first_of("\r\n")), sek);
        e.nummer = n >= 1 && n <= fragen::kLetzteFrage ? std::int32_t(n) : 0;
        if (n < 0) {
            e.problem = texte::Text(53170, "hat keinen lesbaren Abschnitt") + " " +
                        zitat(std::string(block.substr(0, 40)));
        } else if (e.nummer == 0) {
            e.problem = texte::Text(53171, "hat die Nummer") + " " + std::to_string(n) +
                        texte::Text(53172, ", außerhalb von 1 bis 998"_ansi);
        } else if (gesehen[e.nummer]) {
            e.problem = texte::Text(53183, "kommt im Paket mehrfach vor") + "; " +
                        texte::Text(53184, "nur die erste wird eingelesen");
        } else if (b + 1 == bloecke.size() && abgeschnitten) {
            e.problem = texte::Text(53173, "ist unvollständig (die Datei endet mitten in der Frage)"_ansi);
        } else {
            gesehen[e.nummer] = true;
            eintragAuswerten(e, profile::Parsed(std::string(block)), sek);
        }
        out.eintraege.push_back(std::move(e));
    }
    return out;
}

namespace {

std::string zuGross(std::uint64_t groesse) {
    return texte::Text(53174, "ist zu groß ("_ansi) + std::to_string(groesse >> 20) + " MB)";
}

class OrdnerQuelle : public PaketQuelle {
public:
    explicit OrdnerQuelle(std::string ordner) : ordner_(std::move(ordner)) {}

    bool Enthaelt(const std::string& name) override {
        if (!fsys::isSafeRelativeName(name)) return false;
        std::error_code ec;
        // A link could reach any file of the machine; a package holds files.
        return fsys::fileExists(ordner_ + name) &&
               !std::filesystem::is_symlink(fsys::native(ordner_ + name), ec);
    }

    bool Lesen(const std::string& name, std::uint64_t grenze, std::string& bytes,
               std::string& fehler) override {
        if (!Enthaelt(name)) {
            fehler = "fehlt im Paket";
            return false;
        }
        auto stand = fsys::stamp(ordner_ + name);
        if (stand && stand->size > grenze) {
            fehler = zuGross(stand->size);
            return false;
        }
        auto inhalt = fsys::readAll(ordner_ + name);
        if (!inhalt || inhalt->size() > grenze) {
            fehler = inhalt ? zuGross(inhalt->size()) : texte::Text(53175, "kann nicht gelesen werden");
            return false;
        }
        bytes = std::move(*inhalt);
        return true;
    }

private:
    std::string ordner_;
};

struct ZipZu {
    void operator()(zip_t* z) const { zip_discard(z); }
};
struct ZipDateiZu {
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};

std::string schluessel(std::string name) {
    std::replace(name.begin(), name.end(), '\\', '/');
    return cp1252::upper(name);
}

class ZipQuelle : public PaketQuelle {
public:
    static std::unique_ptr<ZipQuelle> Oeffnen(const std::string& pfad, std::string& fehler) {
        int code = 0;
        std::unique_ptr<zip_t, ZipZu> za(
            zip_open(fsys::native(pfad).c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code));
        if (!za) {
            fehler = texte::Text(53176, "ist kein Paket: weder ein Paketordner noch ein lesbares Zip-Archiv");
            return nullptr;
        }
        auto q = std::unique_ptr<ZipQuelle>(new ZipQuelle(std::move(za)));
        int aussen = 0;
        std::string fragenDatei;
        const zip_int64_t anzahl = zip_get_num_entries(q->za_.get(), 0);
        for (zip_int64_t i = 0; i < anzahl; ++i) {
            zip_stat_t st;
            zip_stat_init(&st);
            if (zip_stat_index(q->za_.get(), zip_uint64_t(i), 0, &st) != 0 || !(st.valid & ZIP_STAT_NAME))
                continue;
            const std::string name = cp1252::fromUtf8(st.name);
            if (!fsys::isSafeRelativeName(name)) {
                ++aussen;
                continue;
            }
            const std::string key = schluessel(name);
            if (key.back() == '/') continue;
            q->index_.emplace(key, zip_uint64_t(i));
            // The records may lie in a folder of the archive (a zipped "pack"
            // folder); the shallowest "NeueFragen.Dat" marks the package.
            const size_t s = key.rfind('/');
            const bool istFragen = key.substr(s == std::string::npos ? 0 : s + 1) == "NEUEFRAGEN.DAT";
            if (istFragen &&
                (fragenDatei.empty() || std::count(key.begin(), key.end(), '/') <
                                            std::count(fragenDatei.begin(), fragenDatei.end(), '/')))
                fragenDatei = key;
        }
        if (aussen > 0)
            q->hinweise.push_back(
                std::to_string(aussen) + " " +
                texte::Text(53177,
                            "Einträge des Archivs liegen außerhalb des Pakets und werden übergangen."_ansi));
        if (fragenDatei.empty()) {
            fehler = texte::Text(53178, "enthält keine Datei NeueFragen.Dat"_ansi);
            return nullptr;
        }
        q->praefix_ = fragenDatei.substr(0, fragenDatei.size() - std::string_view("NEUEFRAGEN.DAT").size());
        return q;
    }

    bool Enthaelt(const std::string& name) override {
        return fsys::isSafeRelativeName(name) && index_.count(praefix_ + schluessel(name)) > 0;
    }

    bool Lesen(const std::string& name, std::uint64_t grenze, std::string& bytes,
               std::string& fehler) override {
        if (!Enthaelt(name)) {
            fehler = "fehlt im Paket";
            return false;
        }
        const zip_uint64_t i = index_.at(praefix_ + schluessel(name));
        zip_stat_t st;
        zip_stat_init(&st);
        zip_stat_index(za_.get(), i, 0, &st);
        // The stored size is checked before anything is read; the read itself
        // stops at the limit too, since a damaged archive may state any size.
        if ((st.valid & ZIP_STAT_SIZE) && st.size > grenze) {
            fehler = zuGross(st.size);
            return false;
        }
        std::unique_ptr<zip_file_t, ZipDateiZu> f(zip_fopen_index(za_.get(), i, 0));
        if (!f) {
            fehler = "kann nicht gelesen werden (" + std::string(zip_strerror(za_.get())) + ")";
            return false;
        }
        bytes.clear();
        char stueck[65536];
        while (true) {
            const zip_int64_t n = zip_fread(f.get(), stueck, sizeof stueck);
            if (n < 0) {
                fehler = "ist beschädigt ("_ansi + zip_file_strerror(f.get()) + ")";
                return false;
            }
            if (n == 0) break;
            bytes.append(stueck, size_t(n));
            if (bytes.size() > grenze) {
                fehler = zuGross(bytes.size());
                return false;
            }
        }
        return true;
    }

private:
    explicit ZipQuelle(std::unique_ptr<zip_t, ZipZu> za) : za_(std::move(za)) {}
    std::unique_ptr<zip_t, ZipZu> za_;
    std::map<std::string, zip_uint64_t> index_;  // upper-case name -> member
    std::string praefix_;                        // folder of "NeueFragen.Dat" in the archive
};

}  // namespace

std::unique_ptr<PaketQuelle> PaketQuelle::Oeffnen(const std::string& pfad, std::string& fehler) {
    std::string ordner;
    if (fsys::folderExists(pfad)) {
        ordner = pfad;
        if (!ordner.empty() && !fsys::isSeparator(ordner.back())) ordner += "/";
    } else if (fsys::fileExists(pfad) &&
               cp1252::upper(fsys::fromNative(fsys::native(pfad).filename())) == "NEUEFRAGEN.DAT") {
        ordner = fsys::fromNative(fsys::native(pfad).parent_path()) + "/";
    } else if (fsys::fileExists(pfad)) {
        return ZipQuelle::Oeffnen(pfad, fehler);
    } else {
        fehler = "gibt es nicht";
        return nullptr;
    }
    auto q = std::make_unique<OrdnerQuelle>(ordner);
    if (!q->Enthaelt("NeueFragen.Dat")) {
        fehler = "enthält keine Datei NeueFragen.Dat";
        return nullptr;
    }
    return q;
}

}  // namespace paket
