#pragma once
// Judging an answer: second try, verdict texts and colours, the level steps, the
// longer block after a right answer, and the rewritten difficulty of the question.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "quiz/Spielzeit.h"
#include "quiz/Ziehung.h"

class ApiClass;

namespace quiz {

struct Farbe {
    int r = 0, g = 0, b = 0;
    bool operator==(const Farbe&) const = default;
};
inline constexpr Farbe kWeiss{255, 255, 255};
inline constexpr Farbe kSchwarz{0, 0, 0};
inline constexpr Farbe kHellrot{255, 170, 170};
inline constexpr Farbe kHellgruen{170, 255, 170};
inline constexpr Farbe kGrau{128, 128, 128};
inline constexpr Farbe kDunkelrot{192, 0, 0};
inline constexpr Farbe kDunkelgruen{0, 128, 0};

// The question on display, as far as judging needs it.
struct OffeneFrage {
    std::int32_t RichtigeAntwort = 1;
    std::array<std::string, 6> Erklärungen;  // index 1 .. 5
    bool ZweiterVersuch = false;
    bool Beantwortet = false;
};

// What the window shows after an answer.
struct Urteil {
    enum class Art { ErsterFehler, ZweiterFehler, Richtig };
    Art art = Art::ErsterFehler;
    std::int32_t hellrot = 0;    // answer painted light red
    std::int32_t hellgruen = 0;  // answer painted light green, 0 = none
    std::string text;            // verdict and explanation (Windows-1252)
    Farbe textFarbe;
    bool jaTon = false;                  // yes-feedback, else no-feedback
    bool erledigt = false;               // settled: question grey, solution picture, next input goes on
    std::int32_t neueSchwierigkeit = 0;  // written "Problem", 0 when the question stays open
};

// A settled question of a game, for the class results.
struct FrageErgebnis {
    std::int32_t nummer = 0;
    std::string bereich;
    double schwierigkeit = 0;  // the question's difficulty when it was drawn
    double niveauVorher = 0;   // the player's level before the answer
    int ergebnis = 0;          // 1 right at the first try, 2 right at the second, 0 wrong
    double sekunden = 0;       // from the question's reveal to the settling answer
};

// New stored difficulty of a settled question and the level change. Writes the
// result with `schreiben(nummer, wert)` and returns it.
std::int32_t SchwierigkeitAnpassen(std::int32_t P, std::int32_t nummer, double& level, bool richtig,
                                   const std::function<void(std::int32_t, std::int32_t)>& schreiben);

// Judges answer k. `anzahl` gives the pool size (a right answer blocks the
// question for half of it).
Urteil AntwortAuswerten(OffeneFrage& frage, Ziehung& ziehung, std::int32_t k,
                        const std::function<std::int32_t()>& anzahl,
                        const std::function<void(std::int32_t, std::int32_t)>& problemSchreiben);

// Starting level for an age: 5 to 7 -> 2a, 8 to 19 -> 2a + 5, 20 to 50 -> a + 30,
// 51 to 70 -> 180 - 2a; other ages count as 13.
int AlterLevel(int alter);

// Name of a feedback sound: "ja 3" / "nein 1" (the player adds ".wav").
std::string FeedbackName(bool ja, std::int32_t anzahl, Zufall& zufall);

// Counts the feedback sounds "Ja 1.wav", "Ja 2.wav", ... and "Nein 1.wav", ...
// that `gefunden` can provide (it copies each to `ziel` while looking) and writes
// the counts to "AnzahlJa" / "AnzahlNein" of the settings.
void SoundDateienZählen(ApiClass& api,
                        const std::function<bool(const std::string&, const std::string&)>& gefunden);

}  // namespace quiz
