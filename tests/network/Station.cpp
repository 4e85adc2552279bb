// A second station for the tests of files shared between stations, as its own
// process. Its first argument says what it does:
//   profil <file> <prefix> <n>: writes the keys <prefix>0 .. <prefix>n-1 into section
//     "Netzwerk" of the file, each in its own read-modify-write;
//   liste <file> <k> <n>: saves its search list into the file n times: the questions
//     k*100 .. k*100+59 under the search term "w<k>";
//   netz <folder> <nr>: reads commands from stdin, one per line, and answers each on
//     stdout: "t <ns>" ticks "hier Lehrer-Arbeitsplatz" at that moment of the steady
//     clock, so that two stations tick together (answers "1" when this station is
//     master afterwards, else "0"); "c" clears it ("ok" or "err").
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <thread>

#include "network/Netzwerk.h"
#include "questions/FragenListe.h"
#include "services/ApiClass.h"

namespace {

int profil(ApiClass& api, const std::string& datei, const std::string& praefix, int n) {
    for (int i = 0; i < n; ++i)
        if (!api.IniSchreiben(datei, "Netzwerk", praefix + std::to_string(i), std::to_string(i))) {
            std::fprintf(stderr, "write %d failed\n", i);
            return 1;
        }
    return 0;
}

int liste(ApiClass& api, const std::string& datei, int k, int n) {
    fragen::ListenDatei l;
    l.unterTyp = 2;
    for (int nr = k * 100; nr < k * 100 + 60; ++nr) l.nummern.push_back(nr);
    l.suchbegriff = "w" + std::to_string(k);
    for (int i = 0; i < n; ++i)
        if (!fragen::ListeSpeichern(api, datei, l)) {
            std::fprintf(stderr, "save failed\n");
            return 1;
        }
    return 0;
}

int lehrer(ApiClass& api, const std::string& netzPfad, int nr) {
    for (std::string befehl; std::getline(std::cin, befehl); std::cout << std::endl) {
        if (befehl.rfind("t ", 0) == 0) {
            const std::chrono::steady_clock::duration moment(std::stoll(befehl.substr(2)));
            std::this_thread::sleep_until(std::chrono::steady_clock::time_point(moment));
            std::cout << (netz::MasterWerden(api.profiles(), netzPfad, nr) == netz::Tick::Master ? "1" : "0");
        } else if (befehl == "c") {
            std::cout << (netz::MasterAbgeben(api.profiles(), netzPfad, nr) ? "ok" : "err");
        } else {
            break;
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string was = argc > 1 ? argv[1] : "";
    ApiClass api;  // the station's own profile store
    if (was == "profil" && argc == 5) return profil(api, argv[2], argv[3], std::atoi(argv[4]));
    if (was == "liste" && argc == 5) return liste(api, argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
    if (was == "netz" && argc == 4) return lehrer(api, argv[2], std::atoi(argv[3]));
    return 2;
}
