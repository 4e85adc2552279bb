#pragma once
// The start-up module: the program-wide values and the start-up sequence Main.
#include <array>
#include <functional>
#include <memory>
#include <string>

class ApiClass;

namespace MelvatoBasic {

// The one services object; exists from the first step of Main to program end.
ApiClass& Api();
bool HasApi();
// Releases the services object at program end (it logs its own farewell).
void ReleaseApi();

extern std::string SpielePfad;         // list folder, ends in a separator
extern std::string NetzPfad;           // station's network folder, empty when none
extern bool StartPhase;                // true until the first game starts
extern bool SoundOk;                   // the sound library is running
extern int FensterModus;               // the main window's mode
extern std::array<int, 1001> Tabelle;  // the game's pool of question numbers

// The pieces of the other subsystems that start-up calls, in the order of its
// steps. A piece that is not there (yet) is skipped.
struct StartupParts {
    std::function<void()> yield;              // let pending window events run once
    std::function<void(int)> mousePointer;    // 11 = hourglass, 0 = default
    std::function<void()> showSplash;         // author window, modeless
    std::function<void()> createTranslation;  // t_call
    // Unpacks an archive into a folder; true when every member came out.
    std::function<bool(const std::string& zip, const std::string& folder)> extract;
    std::function<void()> loadQuiz;          // quiz window's load, hidden
    std::function<void()> setupTranslation;  // ProjectNummer, Neu_laden, WithIndex
    std::function<void(const std::string& file)> playSound;
    std::function<void()> showMain;  // main window, modeless
    std::function<void()> closeSplash;
};

// Runs the start-up steps in order. Creates the services object first (a new one
// on every call, so tests can run it more than once).
void Main(const StartupParts& parts);

// Today's date in the short form the settings and the log use.
std::string KurzDatum();

}  // namespace MelvatoBasic
