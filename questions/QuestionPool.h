#pragma once
// The game's pool of questions: which numbers may be drawn (`Auswahl`, filled
// from a question list or all true), the scan that collects the existing
// questions into `Tabelle`, and the numbering look-ups on top of it.
// The quiz window owns one; the word index and the editor use it too.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

class ApiClass;

namespace fragen {

constexpr std::int32_t kAuswahlMax = 3000;

class QuestionPool {
public:
    using Table = std::array<int, 1001>;

    // `tabelle` is the program-wide MelvatoBasic::Tabelle unless a caller wants a
    // private pool (tests, or a scan that must not disturb a running game).
    explicit QuestionPool(ApiClass& api);
    QuestionPool(ApiClass& api, Table& tabelle);

    // One flag per question number 0 .. 3000: the question may be drawn.
    std::array<bool, kAuswahlMax + 1> Auswahl;
    // A question list is in force.
    bool NurTeil = false;

    // Lets pending window events run; called after every scanned number.
    std::function<void()> yield;
    // Full name of the list the main window has loaded (asked by ListReset).
    std::function<std::string()> geladeneListe;
    // Empties the file title of the main window's file dialog.
    std::function<void()> dialogTitelLeeren;
    // Puts a number into the editor's number box (FragePosition's fallback).
    std::function<void(std::int32_t)> nummerAnzeigen;

    // Collects the existing questions 1 .. 998 (all, or those in Auswahl) into
    // Tabelle from position 1 on and returns their count. Without `Neu` a pool
    // that was built before is returned as it is. The game's pool (`Alle` false)
    // leaves out questions that cannot be answered (FrageMangel); with `Alle` they
    // count, so that numbering never hands out their numbers again.
    std::int32_t AnzahlFragen(bool Neu, bool Alle);
    // The count of the last scan, without scanning.
    std::int32_t Anzahl() const { return anzahl_; }

    Table& Tabelle() { return tabelle_; }
    const Table& Tabelle() const { return tabelle_; }

    bool FrageExistiert(std::int32_t n) const;
    // First position 1 .. 999 that holds n; otherwise a message, the number at
    // position 1 goes to the editor's number box, and the answer is 1.
    std::int32_t FragePosition(std::int32_t n);
    // Lowest free number of the writable range (1 .. 98, in maker mode 100 .. 997),
    // or the range's upper bound plus one when all are taken.
    std::int32_t FreieFrageNummer();

    // Loads a question list file into Auswahl and counts the pool again.
    void TeilSpielLaden(const std::string& datei);
    // Selection for a new game: all questions, or the loaded list again.
    void ListReset();

private:
    void alleAuswaehlen(bool wert);

    ApiClass& api_;
    Table& tabelle_;
    std::int32_t letzteGescannt_ = 0;
    std::int32_t anzahl_ = 0;
};

// Why question n cannot be played: no answer is shown, or "Lösung" names none of
// the shown answers. Empty when it can be played.
std::string FrageMangel(ApiClass& api, std::int32_t n);

// Reads the "FragenListe" of a list file into `auswahl` (all false first).
// Returns false, and leaves `auswahl` alone, when the file is no question list.
// Numbers without a flag (negative or above 3000) are ignored.
bool ListeEinlesen(ApiClass& api, const std::string& datei, std::array<bool, kAuswahlMax + 1>& auswahl);

}  // namespace fragen
