#pragma once
// Test doubles for the game core: a scripted random source, a clock the test
// moves by hand, and a sound library that records what it was asked to do.
#include <deque>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "quiz/Spielzeit.h"
#include "quiz/Ton.h"

namespace quiz_test {

// Position p of a pool of n is drawn by a random number in [(p-1)/n, p/n).
inline float position(int p, int n) {
    return (float(p) - 0.5f) / float(n);
}

// Gives the queued numbers first, then a fixed-seed sequence.
class SkriptZufall : public quiz::Zufall {
public:
    explicit SkriptZufall(unsigned seed = 42) : gen_(seed) {}
    std::deque<float> werte;
    int randomizeAufrufe = 0;
    int rndAufrufe = 0;
    void Randomize() override { ++randomizeAufrufe; }
    float Rnd() override {
        ++rndAufrufe;
        if (!werte.empty()) {
            float v = werte.front();
            werte.pop_front();
            return v;
        }
        return std::uniform_real_distribution<float>(0.0f, 1.0f)(gen_);
    }

private:
    std::mt19937 gen_;
};

class HandUhr : public quiz::Uhr {
public:
    double zeit = 1000.0;
    double proAbfrage = 0.0;  // moves on by itself at every reading when set
    double jetzt() override {
        zeit += proAbfrage;
        return zeit;
    }
};

// Streams "play" until the test ends them; file contents are remembered so a
// test can tell which sound was copied to the temporary file.
class AufnahmeSound : public quiz::SoundSchnittstelle {
public:
    bool initOk = true;
    int fehler = 0;
    bool oeffnenScheitert = false;
    // A stream reaches its end after this many position queries (never when < 0).
    int abfragenBisEnde = -1;
    // Called with the file's contents whenever a stream is opened.
    std::function<void(const std::string&)> beimOeffnen;
    struct Strom {
        std::string datei;
        std::string inhalt;
        int abfragen = 0;
        int position = 0;
        int laenge = 100;
        bool gestoppt = false;
        bool geschlossen = false;
    };
    std::vector<Strom> stroeme;         // handle = index + 1
    std::vector<std::string> gespielt;  // contents of the files played, in order
    std::vector<std::string> protokoll;
    int closeAufrufe = 0;

    int Init() override {
        if (!initOk) fehler = 3;
        return initOk ? 1 : 0;
    }
    int GetError() override { return fehler; }
    int StreamOpen(const std::string& datei) override;
    int StreamPlay(int stream) override;
    void StreamStop(int stream) override;
    void StreamClose(int stream) override;
    int GetPosition(int stream) override;
    int GetLength(int stream) override { return gueltig(stream) ? stroeme[size_t(stream - 1)].laenge : 0; }
    void Close() override { ++closeAufrufe; }

    // Lets the playing stream reach its end.
    void ende();
    int offen() const;

private:
    bool gueltig(int s) const { return s >= 1 && size_t(s) <= stroeme.size(); }
};

// A short mono WAV of `ms` milliseconds; `hz` makes files tellable apart.
void schreibeWav(const std::string& pfad, int ms, int hz = 440);

}  // namespace quiz_test
