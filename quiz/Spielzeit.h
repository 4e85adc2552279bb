#pragma once
// Time and chance for the game. Both sit behind small interfaces so that tests
// can run the long waits of a game instantly and replay a draw exactly.
#include <cstdint>
#include <functional>

namespace quiz {

// Seconds on a clock that never goes backwards.
class Uhr {
public:
    virtual ~Uhr() = default;
    virtual double jetzt() = 0;
};

class EchteUhr : public Uhr {
public:
    double jetzt() override;
};

// Random numbers in [0, 1), as the game's draw and feedback use them.
class Zufall {
public:
    virtual ~Zufall() = default;
    // Mixes the clock into the generator (the game does this before every draw).
    virtual void Randomize() = 0;
    virtual float Rnd() = 0;
};

class EchterZufall : public Zufall {
public:
    EchterZufall();
    // Mixes the clock in without restarting the sequence: reseeding from the same
    // clock reading in a tight loop must not give the same number again and again.
    void Randomize() override;
    float Rnd() override;

private:
    std::uint64_t naechste();
    std::uint64_t zustand_;
};

// Lets events run (`yield`) until `fertig` holds or `grenze` seconds have passed on
// the clock. True when `fertig` ended the wait.
bool Warten(Uhr& uhr, double grenze, const std::function<bool()>& fertig, const std::function<void()>& yield);

}  // namespace quiz
