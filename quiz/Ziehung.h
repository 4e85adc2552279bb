#pragma once
// The draw of the next question: the player's level steers it, and a block per
// question keeps recently asked questions out for a number of turns.
#include <array>
#include <cstdint>
#include <functional>

#include "quiz/Spielzeit.h"

namespace quiz {

// What the draw needs to know about the pool.
struct Pool {
    // Current pool size (positions 1 .. size of `tabelle` are drawn).
    std::function<std::int32_t()> anzahl;
    const std::array<int, 1001>* tabelle = nullptr;
    // The stored "Problem" of a question (0 when empty).
    std::function<double(std::int32_t nummer)> problem;
    // Lets pending events run; may be empty.
    std::function<void()> yield;
};

struct Ziehung {
    // Per question number, the last turn in which it may not be drawn.
    std::array<std::int32_t, 1001> Gesperrt{};
    // Questions drawn since the window was loaded.
    std::int32_t Runde = 0;
    // The player's level on the difficulty scale.
    double Niveau = 20.0;
    std::int32_t FrageNummer = 0;
    double FrageSchwierigkeit = 0;
    // How the last accepted question got in: after more than 100 rejected draws
    // the block and the level test are skipped.
    bool DurchAusweg = false;

    // The draw loop: sets FrageNummer and FrageSchwierigkeit of an accepted
    // question and blocks it for 25 turns. False (and FrageNummer 0) when the
    // pool is empty. Does not count the turn; the caller does that first.
    bool Ziehen(const Pool& pool, Zufall& zufall);

    void SperreAufheben() { Gesperrt.fill(0); }
};

// Number of rejected draws after which the next drawn question is taken as it is.
constexpr int kMaxAbgelehnt = 100;
// Turns a drawn question stays blocked.
constexpr int kSperrRunden = 25;
// A difficulty this far or further from the level never passes the level test.
constexpr float kNiveauSpanne = 35.0f;

}  // namespace quiz
