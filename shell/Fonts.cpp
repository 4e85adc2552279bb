#include "shell/Fonts.h"

#include <QFontDatabase>
#include <QString>

#include <map>

#include "services/FileSys.h"

int ladeSchriften(const std::string& appPfad) {
    // Qt would register a second copy on every call; keep one per file.
    static std::map<std::string, int> geladen;
    int anzahl = 0;
    for (const char* name : {"MusicalSymbols.ttf"}) {
        std::string pfad = appPfad + "DATEN/" + name;
        if (!fsys::fileExists(pfad)) continue;
        std::string nativ = fsys::native(pfad).string();
        auto it = geladen.find(nativ);
        if (it == geladen.end()) {
            int id = QFontDatabase::addApplicationFont(QString::fromStdString(nativ));
            if (id < 0) continue;
            it = geladen.emplace(nativ, id).first;
        }
        ++anzahl;
    }
    return anzahl;
}
