#include "network/Netzwerk.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <future>
#include <memory>
#include <system_error>
#include <thread>
#include <vector>

#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/FileSys.h"
#include "services/Profile.h"

using namespace cp1252::literals;
namespace fs = std::filesystem;

namespace netz {

namespace {

constexpr std::string_view kSektion = "Konfiguration";
constexpr std::string_view kSchluessel = "Master";

int alsNummer(std::optional<std::string_view> wert) {
    return wert ? int(vb::CLng(vb::Val(*wert))) : 0;
}

// The folder's components, with "\" and "/" both taken as separators.
std::vector<std::string> teile(const std::string& pfad) {
    std::vector<std::string> t;
    std::string teil;
    for (char c : pfad) {
        if (fsys::isSeparator(c)) {
            if (!teil.empty()) t.push_back(teil);
            teil.clear();
        } else {
            teil += c;
        }
    }
    if (!teil.empty()) t.push_back(teil);
    return t;
}

std::string mitTrenner(std::string pfad) {
    for (char& c : pfad)
        if (c == '\\') c = '/';
    if (pfad.empty() || pfad.back() != '/') pfad += '/';
    return pfad;
}

// `pfad` up to and including the first component called `name` (any case),
// or nothing when no component has that name.
std::optional<std::string> bisKomponente(const std::string& pfad, std::string_view name) {
    const bool absolut = !pfad.empty() && fsys::isSeparator(pfad.front());
    std::string bis = absolut ? "/" : "";
    for (const std::string& t : teile(pfad)) {
        bis += t + "/";
        if (cp1252::equalsNoCase(t, name)) return bis;
    }
    return std::nullopt;
}

// The folder with the spelling its existing components have on disk, ending in "/".
std::string echterName(std::string pfad) {
    while (pfad.size() > 1 && fsys::isSeparator(pfad.back())) pfad.pop_back();
    return fsys::fromNative(fsys::native(pfad)) + "/";
}

bool innerhalb(const std::string& pfad, const std::string& ordner) {
    std::error_code ec;
    const fs::path p = fs::weakly_canonical(fsys::native(pfad), ec);
    if (ec) return false;
    const fs::path o = fs::weakly_canonical(fsys::native(ordner), ec);
    if (ec) return false;
    auto [ende, _] = std::mismatch(o.begin(), o.end(), p.begin(), p.end());
    // A trailing separator leaves an empty last element.
    return ende == o.end() || (std::next(ende) == o.end() && ende->empty());
}

// Copies the folder's files and subfolders (links are left out). Stops at the
// first failure with its reason in `fehler`.
bool kopiere(const fs::path& von, const fs::path& nach, const std::function<void()>& yield,
             std::string& fehler) {
    std::error_code ec;
    fs::create_directories(nach, ec);
    int dateien = 0;
    auto it = fs::recursive_directory_iterator(von, ec);
    for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        const fs::path ziel = nach / it->path().lexically_relative(von);
        const fs::file_status st = it->symlink_status(ec);
        if (ec) break;
        if (fs::is_directory(st)) {
            fs::create_directory(ziel, ec);
        } else if (fs::is_regular_file(st)) {
            fs::copy_file(it->path(), ziel, fs::copy_options::overwrite_existing, ec);
            if (!ec && ++dateien % 8 == 0 && yield) yield();
        }
        if (ec) {
            fehler = fsys::fromNative(ziel) + ": " + ec.message();
            return false;
        }
    }
    if (ec) fehler = fsys::fromNative(von) + ": " + ec.message();
    return !ec;
}

}  // namespace

std::optional<int> TeilnehmerNr(std::string_view text) {
    std::string_view t = profile::trimBlanks(text);
    if (t.empty() || t.size() > 6) return std::nullopt;
    int n = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    if (n > kHoechsteNr) return std::nullopt;
    return n;
}

std::string MasterIni(const std::string& netzPfad) {
    return mitTrenner(netzPfad) + "Master.Ini";
}

int MasterLesen(profile::Store& store, const std::string& netzPfad) {
    return alsNummer(store.read(MasterIni(netzPfad), kSektion, kSchluessel));
}

Tick MasterWerden(profile::Store& store, const std::string& netzPfad, int nr) {
    if (nr <= 0 || nr > kHoechsteNr) return Tick::OhneNummer;
    // A share that is not mounted must not get a "Master.Ini" of its own on this disk.
    if (!fsys::folderExists(netzPfad)) return Tick::NichtGeschrieben;
    Tick ergebnis = Tick::NichtGeschrieben;
    bool ok =
        store.update(MasterIni(netzPfad), [&](const profile::Parsed& jetzt) -> std::optional<std::string> {
            const int master = alsNummer(jetzt.lookup(kSektion, kSchluessel));
            if (master != 0 && master != nr) {
                ergebnis = Tick::AndererMaster;
                return std::nullopt;
            }
            ergebnis = Tick::Master;
            return jetzt.withValue(kSektion, kSchluessel, std::to_string(nr));
        });
    return ok ? ergebnis : Tick::NichtGeschrieben;
}

bool MasterAbgeben(profile::Store& store, const std::string& netzPfad, int nr) {
    if (nr <= 0) return true;  // never registered
    if (!fsys::folderExists(netzPfad)) return false;
    return store.update(MasterIni(netzPfad), [&](const profile::Parsed& jetzt) -> std::optional<std::string> {
        if (alsNummer(jetzt.lookup(kSektion, kSchluessel)) != nr) return std::nullopt;
        return jetzt.withValue(kSektion, kSchluessel, "0");
    });
}

Einrichtung OrdnerEinrichten(const std::string& gewaehlt, const std::string& appPfad,
                             const KopieBegleitung& begleitung) {
    const std::string programm = ApiClass::kProgramName;
    Einrichtung e;
    auto ablehnen = [&e](std::string meldung) {
        e.art = Einrichtung::Abgelehnt;
        e.meldung = std::move(meldung);
        return e;
    };
    std::string pfad = mitTrenner(gewaehlt);
    // Copying the data folder into a folder inside it would never end, and a
    // share that is the data folder itself would mix every station's files.
    const std::string imDatenOrdner =
        "Der Netzwerk-Ordner darf nicht im Daten-Ordner von Melvato liegen:\r\n"_ansi;
    if (innerhalb(pfad, appPfad)) return ablehnen(imDatenOrdner + appPfad);

    // A folder in or below an existing network folder: join it.
    if (auto bis = bisKomponente(pfad, programm)) {
        if (innerhalb(*bis, appPfad)) return ablehnen(imDatenOrdner + appPfad);
        e.art = Einrichtung::Beigetreten;
        e.pfad = echterName(*bis);
        return e;
    }
    if (auto bis = bisKomponente(pfad, kHerstellerOrdner)) {
        pfad = *bis;
    } else {
        pfad += kHerstellerOrdner;
        pfad += "/";
        if (!fsys::folderExists(pfad) && !fsys::makeFolders(pfad)) {
            e.meldung = "Der Ordner konnte nicht angelegt werden:\r\n" + pfad;
            return e;
        }
    }
    const std::string ziel = pfad + programm;
    if (innerhalb(ziel, appPfad)) return ablehnen(imDatenOrdner + appPfad);
    if (!fsys::folderExists(ziel)) {
        if (begleitung.vorKopie) begleitung.vorKopie(ziel);
        const fs::path zielNativ = fsys::native(ziel);
        const fs::path tmp = zielNativ.parent_path() /
                             ("." + zielNativ.filename().string() + ".anlegen-" + std::to_string(getpid()));
        std::error_code ec;
        fs::remove_all(tmp, ec);
        std::string fehler;
        bool ok = kopiere(fsys::native(appPfad), tmp, begleitung.yield, fehler);
        if (ok) {
            // The list folder is what the stations share; the copy must have it.
            fs::create_directories(tmp / "Spiele", ec);
            fs::rename(tmp, zielNativ, ec);
            if (ec && !fs::is_directory(zielNativ)) {
                ok = false;
                fehler = fsys::fromNative(zielNativ) + ": " + ec.message();
            }
        }
        fs::remove_all(tmp, ec);  // left only when the rename failed or another station was first
        fsys::clearResolveCache();
        if (begleitung.nachKopie) begleitung.nachKopie();
        if (!ok) {
            e.meldung = "Der Netzwerk-Ordner konnte nicht angelegt werden.\r\n"_ansi + fehler;
            return e;
        }
        e.art = Einrichtung::Angelegt;
    } else {
        e.art = Einrichtung::Beigetreten;
    }
    e.pfad = echterName(ziel);
    return e;
}

bool OrdnerErreichbar(const std::string& ordner, std::chrono::milliseconds warten,
                      std::function<bool(const std::string&)> pruefen) {
    if (!pruefen) {
        // The file layer's name cache is not for other threads: ask the system directly.
        pruefen = [](const std::string& o) {
            std::error_code ec;
            return fs::is_directory(fs::path(cp1252::toUtf8(mitTrenner(o))), ec);
        };
    }
    auto antwort = std::make_shared<std::promise<bool>>();
    std::future<bool> f = antwort->get_future();
    std::thread([antwort, pruefen = std::move(pruefen), ordner] {
        antwort->set_value(pruefen(ordner));
    }).detach();
    if (f.wait_for(warten) != std::future_status::ready) return false;
    return f.get();
}

}  // namespace netz
