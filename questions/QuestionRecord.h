#pragma once
// One quiz question and where it lives: the question files "Fragen k.Dat" with
// one "[Quiz n]" section per question, read and written through the profile
// operations of the services object.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class ApiClass;

namespace fragen {

// 1 .. 99 belong to the user, 100 .. 998 come with the program, 999 is the
// editor's scratch slot.
constexpr std::int32_t kErsteFrage = 1;
constexpr std::int32_t kLetzteFrage = 998;
constexpr std::int32_t kTestFrage = 999;

// "Fragen 0.Dat" for 1 .. 99, "Fragen 1.Dat" for 100 .. 199, ...
std::string FragenDatei(std::int32_t n);
// "Quiz 5"
std::string QuizSektion(std::int32_t n);

struct QuestionRecord {
    std::int32_t Nummer = 0;
    bool Verschlüsselt = false;  // the text fields were stored scrambled ("Crypt")
    std::string Frage;
    std::array<std::string, 6> Antwort;    // 1 .. 5; [0] unused
    std::array<std::string, 6> Erklärung;  // 1 .. 5; [0] unused
    std::int32_t Lösung = 0;               // 1 .. 5; 0 when none was stored
    std::string Bild, Bild2, Musical;
    std::int16_t Problem = 0;  // grade times 10; 0 = no grade
    std::string Audio, Bereich;
};

// Reads question n; missing file, section or keys give empty fields and 0.
QuestionRecord FrageLesen(ApiClass& api, std::int32_t n);

// Writes every key of the record to question n, always scrambled, then marks the
// word index as needing a rebuild ("IndexNotwendig" = "2"). False when the file
// could not be written; it then holds what it held before.
bool FrageSpeichern(ApiClass& api, std::int32_t n, const QuestionRecord& r);

// The stored "Problem" of question n as the game reads it (a number; empty is 0),
// and the game's rewrite of it after a settled question.
double ProblemLesen(ApiClass& api, std::int32_t n);
void ProblemSchreiben(ApiClass& api, std::int32_t n, std::int32_t wert);

// Writes several records (each to its `Nummer`) with one write per question
// file; the files end up as FrageSpeichern for each record in turn leaves them.
void FragenSpeichern(ApiClass& api, const std::vector<QuestionRecord>& records);

// Whether the game shows an answer of this text: it must be more than blanks.
bool AntwortGezeigt(std::string_view text);

// A question exists when its stored "Frage" (not unscrambled) is not empty.
bool FrageVorhanden(ApiClass& api, std::int32_t n);

// The grade name for a "Problem" value, seen from the player's age level.
std::string SchwierigkeitsName(std::int32_t problem, std::int32_t alterLevel);

// Maker mode: the marker file "back\debug.txt" in the data folder opens the
// supplied numbers for editing.
bool MacherModus(ApiClass& api);

}  // namespace fragen
