#include "shell/Main.h"

#include "network/Netzwerk.h"
#include "quiz/FMod.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/Dialogs.h"
#include "services/FileSys.h"
#include "services/Unzip.h"
#include "translation/Texte.h"

using namespace cp1252::literals;

namespace MelvatoBasic {

void Main(const StartupParts& parts) {
    auto yield = [&] {
        if (parts.yield) parts.yield();
    };
    // 1
    ApiClass& a = NeueApi();
    a.protokoll("START", 0);
    // Temporary and lock files of writes killed half-way would pile up.
    fsys::removeStaleLeftovers(a.AppPfad());
    // 2 to 4
    SpielePfad = a.AppPfad() + "Spiele/";
    NetzPfad.clear();
    if (parts.mousePointer) parts.mousePointer(11);
    StartPhase = true;
    // 5 to 8
    if (!a.IsItDebug() && parts.showSplash) parts.showSplash();
    yield();
    if (parts.createTranslation) parts.createTranslation();
    // 9, 10: an archive is deleted only once it came out whole. One that did not
    // is kept under another name: unpacked again at every start, it would ask
    // about every file it had written before, and fail again.
    const std::pair<const char*, const char*> archives[] = {{"Daten.zip", "DATEN/"},
                                                            {"Anleitung.zip", "Anleitung/"}};
    for (const auto& [zip, folder] : archives) {
        std::string path = a.AppPfad() + zip;
        if (!fsys::fileExists(path)) continue;
        a.protokoll("Unzip" + path, 0);
        if (!parts.extract) continue;
        if (parts.extract(path, a.AppPfad() + folder))
            fsys::remove(path);
        else
            VBUnzBas::Beiseitelegen(a, path);
    }
    // 11
    if (parts.loadQuiz) parts.loadQuiz();
    // 12 to 14
    a.IniSchreiben("", "Allgemein", "Version", ApiClass::Version());
    a.protokoll("âktuelle Version "_ansi + ApiClass::Version(), 0);
    if (a.IniLesen("", "Allgemein", "Installation").empty())
        a.IniSchreiben("", "Allgemein", "Installation", KurzDatum());
    a.IniSchreiben("", "Allgemein", "Pfad", a.AppPfad());
    // 15
    if (parts.setupTranslation) parts.setupTranslation();
    // 16, 17
    a.protokoll("Main 8.5", 0);
    yield();
    a.protokoll("Main 9", 0);
    a.protokoll("Main 9.1", 0);
    yield();
    // 18
    if (!a.IsItDebug()) {
        if (FSOUND_Init(44100, 32, 0) != 0) {
            SoundOk = true;
            a.protokoll("Main 9.2", 0);
        } else {
            dlg::dialogs().MsgBox(texte::Text(53132, "Soundausgabe nicht möglich"_ansi) + "\r\n" +
                                      FMOD_ErrorString(FSOUND_GetError()),
                                  dlg::OKOnly);
        }
    }
    // 19, 20
    a.protokoll("Main 10", 0);
    yield();
    if (!a.IsItDebug()) {
        a.protokoll("Main 10.1", 0);
        if (parts.playSound) parts.playSound(a.AppPfad() + "daten/sound.wav");
    }
    // 21, 22
    a.protokoll("Main 10.2", 0);
    yield();
    a.protokoll("Main 11", 0);
    if (parts.showMain) parts.showMain();
    // 23, 24
    yield();
    if (parts.mousePointer) parts.mousePointer(0);
    std::string netz = a.IniLesen("", "Netzwerk", "NetzwerkPfad");
    if (!netz.empty()) {
        if (!fsys::isSeparator(netz.back())) netz += "/";
        // A share that is off must not hold up the start: the station plays with
        // its own lists today and tries the share again at the next start.
        if (netz::OrdnerErreichbar(netz, kNetzWartezeit)) {
            NetzPfad = netz;
            SpielePfad = NetzPfad + "Spiele/";
            fsys::removeStaleLeftovers(NetzPfad);
        } else {
            a.protokoll("Netzwerk-Ordner nicht erreichbar: " + netz, 0);
            if (parts.statusText)
                parts.statusText("Netzwerk-Ordner nicht erreichbar, es gelten die eigenen Listen: "_ansi +
                                 netz);
        }
    }
    // 25
    yield();
    if (parts.closeSplash) parts.closeSplash();
}

}  // namespace MelvatoBasic
