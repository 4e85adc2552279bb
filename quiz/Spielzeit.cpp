#include "quiz/Spielzeit.h"

#include <chrono>
#include <random>

namespace quiz {

double EchteUhr::jetzt() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

namespace {
std::uint64_t uhrTakte() {
    return std::uint64_t(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}
}  // namespace

EchterZufall::EchterZufall() {
    std::random_device rd;
    zustand_ = (std::uint64_t(rd()) << 32) ^ rd() ^ uhrTakte();
}

// SplitMix64: small, fast, and good enough for a quiz draw.
std::uint64_t EchterZufall::naechste() {
    std::uint64_t z = (zustand_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

void EchterZufall::Randomize() {
    zustand_ ^= uhrTakte() * 0xD1B54A32D192ED03ull;
}

float EchterZufall::Rnd() {
    // 24 random bits give floats of [0, 1) on an even grid, never 1.
    return float(naechste() >> 40) * (1.0f / 16777216.0f);
}

bool Warten(Uhr& uhr, double grenze, const std::function<bool()>& fertig,
            const std::function<void()>& yield) {
    const double start = uhr.jetzt();
    while (!fertig()) {
        if (uhr.jetzt() - start >= grenze) return false;
        yield();
    }
    return true;
}

}  // namespace quiz
