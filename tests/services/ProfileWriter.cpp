// A second station for the sharing tests: writes keys <prefix>0 .. <prefix>n-1
// into section "Netzwerk" of one file, each in its own read-modify-write.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "services/ApiClass.h"

int main(int argc, char** argv) {
    if (argc != 4) return 2;
    ApiClass api;
    int count = std::atoi(argv[3]);
    for (int i = 0; i < count; ++i) {
        if (!api.IniSchreiben(argv[1], "Netzwerk", argv[2] + std::to_string(i), std::to_string(i))) {
            std::fprintf(stderr, "write %d failed\n", i);
            return 1;
        }
    }
    return 0;
}
