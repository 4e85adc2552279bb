#pragma once
// A station's network folder: setting it up on a share, the one teacher's
// station registered in "Master.Ini", and the participant number. Several
// stations change these files at the same moment, so every read-modify-write
// goes through the profile store's locked update.
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace profile {
class Store;
}

namespace netz {

// Participant numbers run from 0 to this; 0 means "none" and is what
// "Master.Ini" holds while no station is the teacher's.
constexpr int kHoechsteNr = 99;
// The maker's folder inside a share (the data folder's own maker folder is
// spelt in lower case; the share keeps the name as the manual shows it).
constexpr const char* kHerstellerOrdner = "Varulak";

// A typed participant number: digits (blanks around allowed) from 0 to 99.
std::optional<int> TeilnehmerNr(std::string_view text);

std::string MasterIni(const std::string& netzPfad);
// `Master` of "Master.Ini"; 0 when the file or key is missing.
int MasterLesen(profile::Store& store, const std::string& netzPfad);

enum class Tick {
    Master,           // this station is the teacher's now (or already was)
    AndererMaster,    // another number is registered
    OhneNummer,       // number 0 cannot be registered: it means "no master"
    NichtGeschrieben  // "Master.Ini" could not be locked or written
};
// Registers `nr` as master if no station is. Read and write happen under the
// file's lock, so of two stations ticking at once exactly one wins.
Tick MasterWerden(profile::Store& store, const std::string& netzPfad, int nr);
// Gives the role up if `nr` holds it; otherwise leaves the file as it is.
// False only when the file could not be written.
bool MasterAbgeben(profile::Store& store, const std::string& netzPfad, int nr);

struct Einrichtung {
    enum Art {
        Beigetreten,  // an existing network folder is used as it is
        Angelegt,     // the data folder was copied to the share
        Abgelehnt,    // the choice makes no sense (message says why)
        Fehler        // the copy failed; nothing half-made is left
    } art = Fehler;
    std::string pfad;     // the network folder (ends in "/") when Beigetreten or Angelegt
    std::string meldung;  // for the user when Abgelehnt or Fehler (Windows-1252)
};

struct KopieBegleitung {
    // Before the copy starts, with the folder being made.
    std::function<void(const std::string& ordner)> vorKopie;
    // After the copy, successful or not.
    std::function<void()> nachKopie;
    // Every few files, so the window can repaint.
    std::function<void()> yield;
};

// Turns the folder the user chose into the station's network folder: a folder
// below an existing one is cut back to it; otherwise the maker's and the
// program's folder are made and the data folder `appPfad` is copied there. The
// copy goes into a temporary folder beside the target and is renamed into place,
// so a failed copy never looks like a finished one.
Einrichtung OrdnerEinrichten(const std::string& gewaehlt, const std::string& appPfad,
                             const KopieBegleitung& begleitung = {});

// True when the folder exists and answers within `warten`. A share whose server
// is off can block a file query for minutes; the query then goes on in the
// background and the answer is "not reachable". `pruefen` replaces the query.
bool OrdnerErreichbar(const std::string& ordner, std::chrono::milliseconds warten,
                      std::function<bool(const std::string&)> pruefen = {});

}  // namespace netz
