#pragma once
// Class results: every settled question of a station that uses a network folder
// becomes one line of that station's own file "Ergebnisse/Platz NN.csv" there,
// and the teacher's station sums the files up per station, per subject area and
// per question.
#include <QDate>
#include <QDateTime>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "quiz/Bewertung.h"

namespace netz {

struct ErgebnisZeile {
    QDateTime zeit;
    quiz::FrageErgebnis frage;
};

// "<netzPfad>Ergebnisse/Platz 07.csv".
std::string ErgebnisDatei(const std::string& netzPfad, int platz);
// One line with its line end: "2026-12-07 10:15:03;123;Oper;35;42;1;12".
std::string ZeileText(const ErgebnisZeile& z);
// A line without its line end; nothing when it is damaged or foreign.
std::optional<ErgebnisZeile> ZeileLesen(std::string_view zeile);

// Writes a station's lines. Only this station writes its file, and each line
// goes in whole or not at all. While the network folder does not answer, lines
// wait in the station's data folder and go first once it is back.
class ErgebnisSchreiber {
public:
    explicit ErgebnisSchreiber(std::string appPfad);
    // True when the line reached the network folder; false when it waits
    // locally, or was dropped because the station has no number (1 to 99).
    bool Schreiben(const std::string& netzPfad, int platz, const ErgebnisZeile& zeile);
    std::string WarteDatei() const { return appPfad_ + "Ergebnisse wartend.csv"; }
    // How long the network folder may take to answer.
    std::chrono::milliseconds warten{1000};

private:
    std::string appPfad_;
};

struct StationZeile {
    int platz = 0;
    int fragen = 0, ersterVersuch = 0, zweiterVersuch = 0;
    double niveau = 0;  // the level at the station's last answer
};
struct BereichZeile {
    std::string bereich;
    int fragen = 0, ersterVersuch = 0, zweiterVersuch = 0;
};
struct FrageZeile {
    std::int32_t nummer = 0;
    int falsch = 0, fragen = 0;
    std::string text, richtigeAntwort;
};
struct Uebersicht {
    std::vector<StationZeile> stationen;  // by number
    std::vector<BereichZeile> bereiche;   // by name
    std::vector<FrageZeile> schwerste;    // most often wrong first, at most ten
    int schlechteZeilen = 0;              // damaged, partial or foreign lines left out
};

// Question text and right answer of a number (Windows-1252).
using FrageText = std::function<std::pair<std::string, std::string>(std::int32_t nummer)>;

// Reads every station's file and sums up the lines of the days `von` to `bis`.
Uebersicht Auswerten(const std::string& netzPfad, QDate von, QDate bis, const FrageText& frageText);

// The three tables as CSV for spreadsheet programs in German settings: UTF-8
// with byte-order mark, semicolons, decimal commas, CR LF.
std::string CsvExport(const Uebersicht& u, QDate von, QDate bis);
// Percent with one decimal and a comma: 2 of 3 -> "66,7"; "" when there is nothing.
std::string Prozent(int teil, int ganzes);

// Removes the lines of days before `vor` from every station's file (under each
// file's lock). Returns how many lines went, or nothing when a file failed.
std::optional<int> AeltereLoeschen(const std::string& netzPfad, QDate vor);

}  // namespace netz
