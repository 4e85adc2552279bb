#pragma once
// The start-up sequence Main. The values it sets are in services/MelvatoBasic.h.
#include <chrono>
#include <functional>
#include <string>

#include "services/MelvatoBasic.h"

namespace MelvatoBasic {

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
    // A line for the main window's status bar (Windows-1252).
    std::function<void(const std::string& text)> statusText;
};

// How long the start waits for the network folder to answer.
constexpr std::chrono::milliseconds kNetzWartezeit{3000};

// Runs the start-up steps in order. Creates the services object first (a new one
// on every call, so tests can run it more than once).
void Main(const StartupParts& parts);

}  // namespace MelvatoBasic
