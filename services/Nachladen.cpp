#include "services/Nachladen.h"

#include <dlfcn.h>

#include <array>
#include <mutex>

namespace nachladen {
namespace {

struct Eintrag {
    const char* name;  // the library's file name as the system loader knows it
    std::once_flag einmal;
    void* handle = nullptr;
};

std::array<Eintrag, 5>& eintraege() {
    static std::array<Eintrag, 5> e{{{MELVATO_SO_SDL, {}, nullptr},
                                     {MELVATO_SO_SDLMIXER, {}, nullptr},
                                     {MELVATO_SO_ZIP, {}, nullptr},
                                     {MELVATO_SO_SNDFILE, {}, nullptr},
                                     {MELVATO_SO_ESPEAK, {}, nullptr}}};
    return e;
}

Eintrag& eintrag(Bibliothek b) {
    return eintraege()[static_cast<size_t>(b)];
}

}  // namespace

bool Laden(Bibliothek bibliothek) {
    Eintrag& e = eintrag(bibliothek);
    // Local: the libraries' names must not shadow the program's own.
    std::call_once(e.einmal, [&e] { e.handle = dlopen(e.name, RTLD_LAZY | RTLD_LOCAL); });
    return e.handle != nullptr;
}

void* Symbol(Bibliothek bibliothek, const char* name) {
    if (!Laden(bibliothek)) return nullptr;
    return dlsym(eintrag(bibliothek).handle, name);
}

std::jthread TonImVoraus() {
    return std::jthread([] {
        Laden(Bibliothek::Sdl);
        Laden(Bibliothek::SdlMixer);
    });
}

}  // namespace nachladen
