#pragma once
// The program-wide values and the one services object. They live in the core so
// that every layer reads them without reaching up into the start-up code.
#include <array>
#include <string>

class ApiClass;

namespace MelvatoBasic {

// The one services object; exists from the first step of Main to program end.
ApiClass& Api();
bool HasApi();
// Replaces the services object by a new one (start-up's first step).
ApiClass& NeueApi();
// Releases the services object at program end (it logs its own farewell).
void ReleaseApi();

extern std::string SpielePfad;         // list folder, ends in a separator
extern std::string NetzPfad;           // station's network folder, empty when none
extern bool StartPhase;                // true until the first game starts
extern bool SoundOk;                   // the sound library is running
extern int FensterModus;               // the main window's mode
extern std::array<int, 1001> Tabelle;  // the game's pool of question numbers

// Today's date in the short form the settings and the log use.
std::string KurzDatum();

}  // namespace MelvatoBasic
