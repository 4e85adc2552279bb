// A second station for the network tests, as its own process with its own data
// folder (XDG_DATA_HOME). Reads commands from stdin, one per line, and answers
// each on stdout: "t <ns>" ticks "hier Lehrer-Arbeitsplatz" at that moment of
// the steady clock, so that two stations tick together (answers "1" when this
// station is master afterwards, else "0"); "c" clears it ("ok" or "err").
#include <chrono>
#include <iostream>
#include <string>
#include <thread>

#include "network/Netzwerk.h"
#include "services/ApiClass.h"

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    ApiClass api;  // the station's own profile store
    const std::string netzPfad = argv[1];
    const int nr = std::stoi(argv[2]);
    std::string befehl;
    while (std::getline(std::cin, befehl)) {
        if (befehl.rfind("t ", 0) == 0) {
            const std::chrono::steady_clock::duration moment(std::stoll(befehl.substr(2)));
            std::this_thread::sleep_until(std::chrono::steady_clock::time_point(moment));
            std::cout << (netz::MasterWerden(api.profiles(), netzPfad, nr) == netz::Tick::Master ? "1" : "0");
        } else if (befehl == "c")
            std::cout << (netz::MasterAbgeben(api.profiles(), netzPfad, nr) ? "ok" : "err");
        else
            break;
        std::cout << std::endl;
    }
    return 0;
}
