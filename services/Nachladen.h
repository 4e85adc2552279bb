#pragma once
// The sound, recording, speech and archive libraries are opened when they are
// first needed, not by the system loader at program start: with everything
// they pull in they are more than half of the program's libraries, and none of
// them is needed to show the main window.
#include <thread>

namespace nachladen {

enum class Bibliothek { Sdl, SdlMixer, Zip, Sndfile, Espeak };

// Opens the library once; later calls answer at once. False when it cannot be
// opened (each function of it then gives the library's answer for a failure).
bool Laden(Bibliothek bibliothek);

// The address of one of the library's functions; nullptr when the library or
// the function is missing.
void* Symbol(Bibliothek bibliothek, const char* name);

// Opens the sound libraries on a thread of their own, so that the start of the
// sound at start-up finds them ready. The caller keeps the thread until the end.
std::jthread TonImVoraus();

}  // namespace nachladen
