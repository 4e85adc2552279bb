#include "questions/Media.h"

#include <QCoreApplication>
#include <filesystem>
#include <optional>

#include "services/Unzip.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/FileSys.h"

using namespace cp1252::literals;

namespace fragen {

namespace {
std::string& installationsPfad() {
    static std::string pfad;
    return pfad;
}

std::string str(long long n) {
    return vb::Str(n);
}

bool gleicheDatei(const std::string& a, const std::string& b) {
    std::error_code ec;
    return std::filesystem::equivalent(fsys::native(a), fsys::native(b), ec);
}

bool kopieren(ApiClass& api, const std::string& von, const std::string& ziel) {
    api.protokoll("FileOk File Copy " + ziel, 0);
    if (gleicheDatei(von, ziel)) return true;
    return fsys::copy(von, ziel, true);
}

std::string archivName(std::int32_t k) {
    return InstallationsPfad() + "DATEN/Daten" + str(k) + ".DAT";
}

// Takes `name` out of archive k into "DATEN/", copies it to `ziel` and leaves
// a stub naming k in its place.
bool ausArchiv(ApiClass& api, const std::string& name, const std::string& pfad, const std::string& ziel,
               std::int32_t k) {
    const std::string daten = api.AppPfad() + "DATEN/";
    // The stub goes first, so that unpacking does not ask whether to replace it.
    std::optional<std::string> alterStub;
    std::string stubPfad = pfad;
    if (fsys::fileExists(pfad)) {
        stubPfad = fsys::fromNative(fsys::native(pfad));
        alterStub = fsys::readAll(pfad);
        fsys::remove(pfad);
    }
    std::string member = name;
    VBUnzBas::ExtractOneFile(archivName(k), daten, member);
    if (!fsys::fileExists(pfad)) {
        if (alterStub) fsys::writeAtomic(stubPfad, *alterStub);
        return false;
    }
    api.protokoll("FileOk File ex " + pfad, 0);
    const bool ok = kopieren(api, pfad, ziel);
    // The member may be stored in another letter case; the stub keeps the
    // spelling it had (or the stored name's).
    fsys::remove(pfad);
    fsys::writeAtomic(stubPfad, str(k) + " \r\n");
    return ok;
}
}  // namespace

std::string InstallationsPfad() {
    std::string p = installationsPfad();
    if (p.empty()) {
        if (QCoreApplication::instance()) {
            p = cp1252::fromUtf8(QCoreApplication::applicationDirPath().toStdString());
        } else {
            std::error_code ec;
            auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
            p = ec ? std::string(".") : fsys::fromNative(exe.parent_path());
        }
    }
    if (!p.empty() && !fsys::isSeparator(p.back())) p += "/";
    return p;
}

void setInstallationsPfad(const std::string& pfad) {
    installationsPfad() = pfad;
}

std::string AnzeigeKopie(ApiClass& api, const std::string& name) {
    const std::string gross = cp1252::upper(name);
    return api.AppPfad() + "DATEN/Now" + (gross.size() > 4 ? gross.substr(gross.size() - 4) : gross);
}

bool FileOk(ApiClass& api, const std::string& name, const std::string& ziel) {
    if (name.empty() || !fsys::isSafeRelativeName(name)) return false;
    const std::string pfad = api.AppPfad() + "DATEN/" + name;
    if (fsys::fileExists(pfad)) {
        api.protokoll("FileOk gefundene datei " + pfad, 0);
        auto stand = fsys::stamp(pfad);
        if (stand && stand->size >= 10) return kopieren(api, pfad, ziel);
        const double zahl = vb::Val(fsys::readAll(pfad).value_or(std::string()));
        const std::int32_t k = (zahl >= 1 && zahl <= 9) ? vb::CLng(zahl) : 0;
        api.protokoll("FileOk AKTNUM " + str(k), 0);
        if (k >= 1 && k <= 9) {
            const std::string archiv = archivName(k);
            api.protokoll("FileOk weiß dat nach "_ansi + archiv, 0);
            if (fsys::fileExists(archiv) && VBUnzBas::FileExistInZip(archiv, name)) {
                api.protokoll("FileOk File ist enthalten " + archiv, 0);
                if (ausArchiv(api, name, pfad, ziel, k)) return true;
            } else {
                api.protokoll("FileOk File nicht enthalten " + archiv, 0);
            }
        }
        api.protokoll("FileOk Schritt 2 " + name, 0);
    }
    api.protokoll("FileOk suche in dat nach " + name, 0);
    for (std::int32_t k = 1; k <= 9; ++k) {
        const std::string archiv = archivName(k);
        if (!fsys::fileExists(archiv)) continue;
        api.protokoll("FileOk DAT gefunden " + archiv, 0);
        if (!VBUnzBas::FileExistInZip(archiv, name)) {
            api.protokoll("FileOk File nicht enthalten " + archiv, 0);
            continue;
        }
        api.protokoll("FileOk File ist enthalten " + archiv, 0);
        if (ausArchiv(api, name, pfad, ziel, k)) return true;
    }
    return false;
}

}  // namespace fragen

namespace fragen {

std::string DateiName(const std::string& pfad) {
    const size_t p = pfad.find_last_of("/\\");
    return p == std::string::npos ? pfad : pfad.substr(p + 1);
}

std::string MediumUebernehmen(ApiClass& api, const std::string& quelle, bool sichern) {
    const std::string name = DateiName(quelle);
    if (!fsys::isSafeRelativeName(name) || !fsys::fileExists(quelle)) return {};
    const std::string ziel = api.AppPfad() + "DATEN/" + name;
    fsys::makeFolders(api.AppPfad() + "DATEN");
    if (!gleicheDatei(quelle, ziel) && !fsys::copy(quelle, ziel, true)) return {};
    const std::string back = api.AppPfad() + "Back/" + name;
    if (sichern && !fsys::fileExists(back)) {
        fsys::makeFolders(api.AppPfad() + "Back");
        fsys::copy(quelle, back, false);  // a lost spare is no harm
    }
    return name;
}

std::string AufnahmeAblegen(ApiClass& api, const std::string& aufnahme, const std::string& ziel) {
    const std::string name = DateiName(ziel);
    if (!fsys::isSafeRelativeName(name) || !fsys::fileExists(aufnahme)) return {};
    fsys::remove(ziel);
    if (!fsys::copy(aufnahme, ziel, true)) return {};
    return MediumUebernehmen(api, ziel, false);
}

}  // namespace fragen
