#include "services/Unzip.h"

#include <zip.h>

#include <QDateTime>
#include <memory>
#include <optional>

#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/Dialogs.h"
#include "services/FileSys.h"

using namespace cp1252::literals;

namespace VBUnzBas {

namespace {

constexpr const char* kCrLf = "\r\n";
constexpr const char* kStriche = "--------------";

struct Modul {
    std::string archiv;
    std::string ordner;
    std::vector<std::string> include;  // empty: all members
    bool auflisten = false;            // list only, extract nothing

    std::vector<std::string> members;
    int memberCount = 0;
    std::string message;
    std::string info;
    std::string zuGross;  // why the archive was refused for its size
    std::string gelistetesArchiv;
    std::optional<fsys::Stamp> gelistetStand;
    int auflistungen = 0;
    std::string extension = ".ZIP";

    // Totals of the last call.
    std::uint64_t groesseGepackt = 0, groesse = 0;
    int kommentarLaenge = 0;
    int anzahl = 0;
};

Modul& modul() {
    static Modul m;
    return m;
}

struct ZipZu {
    void operator()(zip_t* z) const { zip_discard(z); }
};
struct DateiZu {
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};

std::string rechtsbuendig(std::string s, size_t breite) {
    return s.size() >= breite ? s : std::string(breite - s.size(), ' ') + s;
}
std::string spalte(std::string s, size_t breite) {
    if (s.size() > breite) s.resize(breite);
    return s + std::string(breite - s.size(), ' ');
}

int fehlerCode(int zipFehler) {
    switch (zipFehler) {
        case ZIP_ER_WRONGPASSWD:
        case ZIP_ER_NOPASSWD:
            return IZ_BADPWD;
        case ZIP_ER_EOF:
        case ZIP_ER_READ:
            return PK_EOF;
        default:
            return PK_ERR;
    }
}

std::string meldungsText(int ergebnis, const Modul& m, const std::string& detail) {
    std::string text = std::to_string(ergebnis) + kCrLf;
    switch (ergebnis) {
        case PK_NOZIP:
            return text + "Das Archiv fehlt, ist beschädigt oder ist kein Zip-Archiv: "_ansi + m.archiv;
        case PK_FIND:
            return text + "Die Datei ist nicht im Archiv enthalten: " + detail;
        case PK_DISK:
            return text + "Die Datei konnte nicht geschrieben werden: " + detail;
        case PK_EOF:
            return text + "Das Archiv ist unvollständig: "_ansi + m.archiv;
        case PK_GROSS:
            return text + "Das Archiv ist zu groß zum Entpacken: "_ansi + m.archiv + kCrLf + m.zuGross;
        case IZ_BADPWD:
            return text + "Das Passwort des Archivs passt nicht: " + m.archiv;
        case PK_WARN:
            return text + "Nicht alle Dateien wurden entpackt (" + m.archiv + "):" + kCrLf + m.info;
        default:
            return text + "Das Archiv enthält fehlerhafte Daten: "_ansi + m.archiv;
    }
}

void kopfZeile(Modul& m) {
    std::string zeile = spalte("Filename:", 52) + spalte("Size", 9) + spalte("Date", 9) + "Time";
    m.message += spalte(zeile, 80) + kCrLf;
}

void memberMeldung(Modul& m, const std::string& name, const zip_stat_t& st) {
    if (m.memberCount == 0) kopfZeile(m);
    if (m.members.size() <= size_t(m.memberCount)) m.members.resize(size_t(m.memberCount) + 1);
    m.members[size_t(m.memberCount)] = name;
    ++m.memberCount;
    std::string datum, zeit;
    if (st.valid & ZIP_STAT_MTIME) {
        QDateTime t = QDateTime::fromSecsSinceEpoch(st.mtime);
        datum = t.toString(QStringLiteral("dd.MM.yy")).toStdString();
        zeit = t.toString(QStringLiteral("hh:mm")).toStdString();
    }
    std::string zeile =
        spalte(name, 51) + " " + rechtsbuendig(std::to_string(st.size), 7) + "  " + spalte(datum, 9) + zeit;
    m.message += spalte(zeile, 80) + kCrLf;
}

// Extracts one member; returns the result of this member.
int entpacke(Modul& m, zip_t* za, zip_uint64_t i, const zip_stat_t& st, const std::string& name,
             bool& keinerMehr) {
    if (!fsys::isSafeRelativeName(name)) {
        m.info += "skipping: " + name + " (liegt außerhalb des Zielordners)"_ansi + kCrLf;
        return PK_WARN;
    }
    std::string ordner = m.ordner;
    if (!ordner.empty() && !fsys::isSeparator(ordner.back())) ordner += "/";
    const std::string ziel = ordner + name;
    if (fsys::isSeparator(name.back())) {
        return fsys::makeFolders(ziel) ? PK_OK : PK_DISK;
    }
    if (fsys::exists(ziel)) {
        if (keinerMehr) return PK_OK;
        int antwort = dlg::dialogs().MsgBox("Overwrite " + ziel + "?", dlg::YesNoCancel | dlg::Exclamation,
                                            "VBUnZip32 - File Already Exists!");
        if (antwort == dlg::Cancel) keinerMehr = true;
        if (antwort != dlg::Yes) return PK_OK;
    }
    const bool verschluesselt =
        (st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE;
    std::unique_ptr<zip_file_t, DateiZu> f(verschluesselt ? zip_fopen_index_encrypted(za, i, 0, kPasswort)
                                                          : zip_fopen_index(za, i, 0));
    if (!f) {
        int code = fehlerCode(zip_error_code_zip(zip_get_error(za)));
        m.info += name + ": " + zip_strerror(za) + kCrLf;
        return code;
    }
    fsys::makeFolders(fsys::fromNative(fsys::native(ziel).parent_path()));
    fsys::StreamWriter aus(ziel);
    if (!aus.ok()) {
        m.info += ziel + ": nicht geschrieben" + kCrLf;
        return PK_DISK;
    }
    // The sizes were checked against the limits before; a member that unpacks to
    // more than it claims would slip past them.
    const std::uint64_t erwartet = (st.valid & ZIP_STAT_SIZE) ? st.size : 0;
    std::uint64_t gelesen = 0;
    std::vector<char> stueck(65536);
    while (true) {
        const zip_int64_t n = zip_fread(f.get(), stueck.data(), stueck.size());
        if (n < 0) {
            // The old zip encryption checks a password on one byte only, so a wrong
            // one gets past that now and then and shows up as damaged data.
            int code =
                verschluesselt ? IZ_BADPWD : fehlerCode(zip_error_code_zip(zip_file_get_error(f.get())));
            m.info += name + ": " + zip_file_strerror(f.get()) + kCrLf;
            return code;
        }
        if (n == 0) break;
        gelesen += std::uint64_t(n);
        if (gelesen > erwartet) {
            m.info += name + ": größer als angegeben"_ansi + kCrLf;
            return verschluesselt ? IZ_BADPWD : PK_ERR;
        }
        if (!aus.write(std::string_view(stueck.data(), size_t(n)))) {
            m.info += ziel + ": nicht geschrieben" + kCrLf;
            return PK_DISK;
        }
    }
    if (!aus.commit()) {
        m.info += ziel + ": nicht geschrieben" + kCrLf;
        return PK_DISK;
    }
    return PK_OK;
}

bool gewaehlt(const Modul& m, const std::string& name) {
    if (m.include.empty()) return true;
    for (const std::string& e : m.include)
        if (cp1252::upper(name) == cp1252::upper(e)) return true;
    return false;
}

// The unpacked size of the members to extract, against the limit and the free
// space of the target, before a single byte is written.
bool passtGanz(Modul& m, zip_t* za, zip_int64_t anzahl) {
    std::uint64_t summe = 0;
    for (zip_int64_t i = 0; i < anzahl; ++i) {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(za, zip_uint64_t(i), 0, &st) != 0 || !(st.valid & ZIP_STAT_NAME)) continue;
        if (!(st.valid & ZIP_STAT_SIZE) || !gewaehlt(m, cp1252::fromUtf8(st.name))) continue;
        summe = st.size > UINT64_MAX - summe ? UINT64_MAX : summe + st.size;
    }
    const std::optional<std::uintmax_t> frei = fsys::freeSpace(m.ordner);
    const std::uint64_t erlaubt = std::min<std::uint64_t>(kGrenze, frei.value_or(kGrenze));
    if (summe <= erlaubt) return true;
    m.zuGross = "Entpackt " + std::to_string(summe) + " Bytes, erlaubt " + std::to_string(erlaubt) +
                (erlaubt < kGrenze ? " (freier Platz)" : "") + ".";
    m.info += m.zuGross + kCrLf;
    return false;
}

int ausfuehren(Modul& m) {
    int fehler = 0;
    zip_t* roh = nullptr;
    if (fsys::fileExists(m.archiv))
        roh = zip_open(fsys::native(m.archiv).c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &fehler);
    std::unique_ptr<zip_t, ZipZu> za(roh);
    if (!za) return PK_NOZIP;
    const zip_int64_t anzahl = zip_get_num_entries(za.get(), 0);
    int kommentar = 0;
    zip_get_archive_comment(za.get(), &kommentar, 0);
    m.kommentarLaenge = kommentar;

    if (!m.auflisten && !passtGanz(m, za.get(), anzahl)) return PK_GROSS;
    int ergebnis = PK_OK;
    std::vector<bool> gefunden(m.include.size(), false);
    bool keinerMehr = false;
    for (zip_int64_t i = 0; i < anzahl; ++i) {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(za.get(), zip_uint64_t(i), 0, &st) != 0 || !(st.valid & ZIP_STAT_NAME)) {
            ergebnis = std::max(ergebnis, int(PK_ERR));
            continue;
        }
        const std::string name = cp1252::fromUtf8(st.name);
        if (m.auflisten) {
            memberMeldung(m, name, st);
        } else {
            if (!gewaehlt(m, name)) continue;
            for (size_t k = 0; k < m.include.size(); ++k)
                if (cp1252::upper(name) == cp1252::upper(m.include[k])) gefunden[k] = true;
            int r = entpacke(m, za.get(), zip_uint64_t(i), st, name, keinerMehr);
            if (r != PK_OK && (ergebnis == PK_OK || ergebnis == PK_WARN)) ergebnis = r;
        }
        ++m.anzahl;
        if (st.valid & ZIP_STAT_COMP_SIZE) m.groesseGepackt += st.comp_size;
        if (st.valid & ZIP_STAT_SIZE) m.groesse += st.size;
    }
    for (size_t k = 0; k < gefunden.size(); ++k)
        if (!gefunden[k] && ergebnis == PK_OK) ergebnis = PK_FIND;
    return ergebnis;
}

}  // namespace

int ExtraktNow(const std::string& archive, const std::string& folder) {
    Modul& m = modul();
    m.info.clear();
    m.zuGross.clear();
    m.memberCount = 0;
    m.archiv = archive;
    m.ordner = folder;
    if (!folder.empty()) m.auflisten = false;
    m.groesseGepackt = m.groesse = 0;
    m.kommentarLaenge = 0;
    m.anzahl = 0;
    if (m.auflisten) m.members.clear();

    m.message = std::string(kStriche) + kCrLf + "DLL Date: " + kCrLf + "Zip Info: libzip" + kCrLf +
                "DLL Version: " + zip_libzip_version() + kCrLf + kStriche + kCrLf;

    const int ergebnis = ausfuehren(m);
    if (ergebnis != PK_OK) {
        std::string detail = m.include.empty() ? archive : m.include.front();
        if (ergebnis == PK_DISK) detail = folder;
        dlg::dialogs().MsgBox(meldungsText(ergebnis, m, detail), dlg::OKOnly);
    }

    const unsigned faktor =
        m.groesse == 0 ? 0u
                       : unsigned(100 - std::min<std::uint64_t>(100, m.groesseGepackt * 100 / m.groesse));
    m.message += std::string(kCrLf) + "Only Shows If uExtractList = 1 List Contents" + kCrLf + kStriche +
                 kCrLf + "Comment         : " + std::to_string(m.kommentarLaenge) + kCrLf +
                 "Total Size Comp : " + std::to_string(m.groesseGepackt) + kCrLf +
                 "Total Size      : " + std::to_string(m.groesse) + kCrLf + "Compress Factor : %" +
                 std::to_string(faktor) + kCrLf + "Num Of Members  : " + std::to_string(m.anzahl) + kCrLf +
                 kStriche + kCrLf;
    return ergebnis;
}

bool Extrakt(const std::string& archive, const std::string& folder) {
    Modul& m = modul();
    m.include.clear();
    m.auflisten = false;
    return ExtraktNow(archive, folder) == PK_OK;
}

bool ExtractOneFile(const std::string& archive, const std::string& folder, std::string& name) {
    Modul& m = modul();
    name = cp1252::upper(name);
    m.include = {name};
    m.auflisten = false;
    const int r = ExtraktNow(archive, folder);
    m.include.clear();
    return r == PK_OK;
}

namespace {
void auflisten(const std::string& archive) {
    Modul& m = modul();
    m.include.clear();
    m.auflisten = true;
    ++m.auflistungen;
    ExtraktNow(archive, "");
    m.auflisten = false;
    m.members.resize(size_t(m.memberCount));
    m.gelistetesArchiv = archive;
    m.gelistetStand = fsys::stamp(archive);
}

bool listeVeraltet(const std::string& archive) {
    const Modul& m = modul();
    return m.members.empty() || archive != m.gelistetesArchiv || fsys::stamp(archive) != m.gelistetStand;
}
}  // namespace

bool FileExistInZip(const std::string& archive, const std::string& name) {
    if (listeVeraltet(archive)) auflisten(archive);
    const std::string gesucht = cp1252::upper(name);
    for (const std::string& member : modul().members) {
        if (member.empty()) break;
        if (cp1252::upper(member) == gesucht) return true;
    }
    return false;
}

std::string FileInZipName(const std::string& archive, int index) {
    if (listeVeraltet(archive)) auflisten(archive);
    const auto& members = modul().members;
    if (index < 0 || index > 999 || size_t(index) >= members.size()) return {};
    return members[size_t(index)];
}

std::string Beiseitelegen(ApiClass& api, const std::string& archive) {
    std::string ziel = archive + ".defekt";
    for (int n = 2; fsys::exists(ziel); ++n) ziel = archive + ".defekt" + std::to_string(n);
    const bool ok = fsys::rename(archive, ziel);
    api.protokoll("Unzip defekt: " + archive + (ok ? " -> " + ziel : " (nicht umbenannt)"), 0);
    const std::string name = cp1252::fromUtf8(fsys::native(archive).filename().string());
    const std::string neu = cp1252::fromUtf8(fsys::native(ziel).filename().string());
    dlg::dialogs().MsgBox("\"" + name + "\" ließ sich nicht vollständig entpacken."_ansi + kCrLf +
                              (ok ? "Es heißt jetzt \""_ansi + neu + "\" und wird nicht noch einmal entpackt."
                                  : "Es ließ sich auch nicht umbenennen."_ansi),
                          dlg::OKOnly);
    return ok ? ziel : std::string();
}

void ZipExtension(std::string_view extension) {
    std::string e(extension);
    if (e.empty() || e.back() != '.') e = "." + e;
    modul().extension = e;
}
std::string ZipExtension() {
    return modul().extension;
}

const std::string& MessageText() {
    return modul().message;
}
const std::string& InfoText() {
    return modul().info;
}
std::string Ausgabe() {
    const Modul& m = modul();
    std::string out = m.message;
    if (!m.info.empty()) out += std::string(kCrLf) + "uZipInfo is:" + kCrLf + m.info;
    if (m.memberCount > 0) out += std::string(kCrLf) + "Number Of Files: " + std::to_string(m.memberCount);
    return out;
}
int MemberCount() {
    return modul().memberCount;
}
const std::vector<std::string>& MemberList() {
    return modul().members;
}
int Auflistungen() {
    return modul().auflistungen;
}

}  // namespace VBUnzBas
