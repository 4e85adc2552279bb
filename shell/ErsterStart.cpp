#include "shell/ErsterStart.h"

#include <QCoreApplication>

#include <filesystem>
#include <system_error>

#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/FileSys.h"

namespace fs = std::filesystem;

namespace ErsterStart {

namespace {

std::string ohneTrenner(std::string pfad) {
    while (pfad.size() > 1 && fsys::isSeparator(pfad.back())) pfad.pop_back();
    return pfad;
}

// Moves every entry of `von` into `nach` that is not there yet, folder by folder.
void ergaenzen(const fs::path& von, const fs::path& nach, std::error_code& ec) {
    fs::create_directories(nach, ec);
    for (const auto& eintrag : fs::directory_iterator(von, ec)) {
        fs::path ziel = nach / eintrag.path().filename();
        if (eintrag.is_directory())
            ergaenzen(eintrag.path(), ziel, ec);
        else if (!fs::exists(ziel))
            fs::rename(eintrag.path(), ziel, ec);
        if (ec) return;
    }
}

bool datenOrdnerBereitstellen(const std::string& vorlage, const std::string& appPfad) {
    if (fsys::folderExists(appPfad + "DATEN")) return false;
    fs::path ziel = fsys::native(ohneTrenner(appPfad));
    fs::path neu = ziel;
    neu += ".neu";
    std::error_code ec;
    fs::remove_all(neu, ec);  // left over from a start that was cut off
    fs::create_directories(neu.parent_path(), ec);
    fs::copy(fsys::native(vorlage), neu, fs::copy_options::recursive, ec);
    if (ec) {
        fs::remove_all(neu, ec);
        return false;
    }
    for (const char* ordner : {"DATEN", "Spiele", "back", "pack", "Anleitung"})
        if (!fsys::folderExists(fsys::fromNative(neu) + "/" + ordner))
            fs::create_directories(neu / ordner, ec);
    if (!fs::exists(ziel)) {
        fs::rename(neu, ziel, ec);
    } else {
        ergaenzen(neu, ziel, ec);
        std::error_code egal;
        fs::remove_all(neu, egal);
    }
    fsys::clearResolveCache();
    return !ec;
}

// The common folder is shared with the maker's other programs: when it exists,
// only the files it lacks are added (a language table that another program
// brought along stays as it is).
bool fehlendeDateienErgaenzen(const std::string& vorlage, const std::string& ordner) {
    bool kopiert = false;
    std::error_code ec;
    fs::path wurzel = fsys::native(vorlage);
    for (fs::recursive_directory_iterator it(wurzel, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file()) continue;
        std::string relativ = fsys::fromNative(fs::relative(it->path(), wurzel));
        std::string ziel = ordner + relativ;
        if (fsys::exists(ziel)) continue;
        fsys::makeFolders(ordner + fsys::fromNative(fs::path(fsys::native(relativ)).parent_path()));
        kopiert = fsys::copy(fsys::fromNative(it->path()), ziel, false) || kopiert;
    }
    return kopiert;
}

bool gemeinsamenOrdnerBereitstellen(const std::string& vorlage, const std::string& manuAppPfad) {
    if (!fsys::folderExists(vorlage)) return false;
    if (fsys::folderExists(manuAppPfad + "common"))
        return fehlendeDateienErgaenzen(vorlage, manuAppPfad + "common/");
    fs::path ziel = fsys::native(manuAppPfad + "common");
    fs::path neu = ziel;
    neu += ".neu";
    std::error_code ec;
    fs::remove_all(neu, ec);
    fs::create_directories(neu.parent_path(), ec);
    fs::copy(fsys::native(vorlage), neu, fs::copy_options::recursive, ec);
    if (!ec) fs::rename(neu, ziel, ec);
    if (ec) {
        std::error_code egal;
        fs::remove_all(neu, egal);
    }
    fsys::clearResolveCache();
    return !ec;
}

}  // namespace

std::string vorlagenOrdner(const std::string& programOrdner) {
    std::string basis = ohneTrenner(programOrdner);
    for (const char* kandidat : {"/../../share/melvato", "/share/melvato"}) {
        std::string pfad = basis + kandidat;
        if (fsys::folderExists(pfad + "/appdata")) {
            std::error_code ec;
            fs::path sauber = fs::weakly_canonical(fsys::native(pfad), ec);
            return (ec ? pfad : fsys::fromNative(sauber)) + "/";
        }
    }
    return {};
}

bool Bereitstellen(const std::string& vorlagen, const std::string& manuAppPfad, const std::string& appPfad) {
    if (vorlagen.empty() || !fsys::folderExists(vorlagen + "appdata")) return false;
    bool daten = datenOrdnerBereitstellen(vorlagen + "appdata", appPfad);
    bool gemeinsam = gemeinsamenOrdnerBereitstellen(vorlagen + "common", manuAppPfad);
    return daten || gemeinsam;
}

bool Nachliefern(const std::string& vorlagen, const std::string& appPfad) {
    bool kopiert = false;
    for (const char* name : {"Aussprache.txt"})
        if (!vorlagen.empty() && fsys::folderExists(appPfad + "DATEN") && !fsys::exists(appPfad + name) &&
            fsys::fileExists(vorlagen + "appdata/" + name))
            kopiert = fsys::copy(vorlagen + "appdata/" + name, appPfad + name, false) || kopiert;
    return kopiert;
}

namespace {
std::string programmOrdner() {
    return cp1252::fromUtf8(QCoreApplication::applicationDirPath().toStdString());
}
}  // namespace

bool NachliefernFuerDiesesProgramm() {
    ApiClass pfade;
    return Nachliefern(vorlagenOrdner(programmOrdner()), pfade.AppPfad());
}

bool FuerDiesesProgramm() {
    ApiClass pfade;  // only for the folder names; it writes nothing before "START"
    return Bereitstellen(vorlagenOrdner(programmOrdner()), pfade.ManuAppPfad(), pfade.AppPfad());
}

}  // namespace ErsterStart
