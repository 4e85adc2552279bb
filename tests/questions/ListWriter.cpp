// A second station for the list tests: saves its own search list into one list
// file again and again. Station k lists the questions k*100 .. k*100+59 under
// the search term "w<k>".
#include <cstdio>
#include <cstdlib>
#include <string>

#include "questions/FragenListe.h"
#include "services/ApiClass.h"

int main(int argc, char** argv) {
    if (argc != 4) return 2;
    const int k = std::atoi(argv[2]);
    fragen::ListenDatei liste;
    liste.unterTyp = 2;
    for (int n = k * 100; n < k * 100 + 60; ++n) liste.nummern.push_back(n);
    liste.suchbegriff = "w" + std::to_string(k);
    ApiClass api;
    for (int i = std::atoi(argv[3]); i > 0; --i) {
        if (!fragen::ListeSpeichern(api, argv[1], liste)) {
            std::fprintf(stderr, "save failed\n");
            return 1;
        }
    }
    return 0;
}
