#pragma once
// The runtime-services object: profile files and scrambled values, the activity
// log, paths and system information, and the string and file-name utilities.
// The program creates exactly one (see MelvatoBasic); tests create their own.
#include <QDateTime>
#include <array>
#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "services/Profile.h"

namespace fsys {
class Appender;
}

// A file operation that the caller must hear about (TextDatei, AppendTextDatei).
class ApiError : public std::runtime_error {
public:
    ApiError(int number, const std::string& what) : std::runtime_error(what), number_(number) {}
    int number() const { return number_; }

private:
    int number_;
};

class ApiClass {
public:
    ApiClass();
    ~ApiClass();
    ApiClass(const ApiClass&) = delete;
    ApiClass& operator=(const ApiClass&) = delete;

    static constexpr const char* kProgramName = "Melvato";
    static constexpr const char* kCompanyName = "varulak";
    static constexpr int kMajor = 3, kMinor = 0, kRevision = 1;

    // ---- Profile files and scrambled values ----
    std::string IniLesen(std::string_view file, std::string_view section, std::string_view key);
    // The whole stored value, without the 254-character cut (the word index needs it).
    std::string IniLesenGanz(std::string_view file, std::string_view section, std::string_view key);
    // False when the file could not be written (read-only file, missing folder):
    // nothing changed then. Windows and their callers show that to the user.
    bool IniSchreiben(std::string_view file, std::string_view section, std::string_view key,
                      std::string_view value);
    std::int32_t IniLesenVal(std::string_view file, std::string_view section, std::string_view key);
    bool IniSchreibenVal(std::string_view file, std::string_view section, std::string_view key, double value);
    std::string Ini_Verschlüsselt(std::string_view file, std::string_view section, std::string_view key);
    bool Ini_Verschlüsselt(std::string_view file, std::string_view section, std::string_view key,
                           std::string_view value);
    // The stored form of a scrambled value (what Ini_Verschlüsselt writes).
    static std::string VerschluesseltGespeichert(std::string_view value);
    static std::string EnCode(std::string_view text);
    static std::string DeCode(std::string_view text);
    std::string TextDatei(std::string_view file);
    void TextDatei(std::string_view file, std::string_view text);
    void AppendTextDatei(std::string_view file, std::string_view text);
    void ExchangeIniDatei(std::string_view file, std::string_view key, std::string_view value);
    std::string ShowIniDatei(std::string_view file, std::string_view key);
    std::string FindParameter(std::string_view name);
    std::int32_t FindValParameter(std::string_view name);
    // Keys of one section, in file order (for callers that walk a whole section).
    std::vector<std::string> IniSchluessel(std::string_view file, std::string_view section);
    // The file an empty or bare name stands for.
    std::string IniDateiName(std::string_view file);

    // ---- Activity log ----
    void protokoll(std::string_view text, std::int32_t level = 0);
    std::int32_t protokollLevel() const { return protokollLevel_; }
    bool ProtokollAn() const { return protokollAn_; }
    void ProtokollAn(bool on) { protokollAn_ = on; }
    std::string UpdateHistory();
    void UpdateHistory(std::string_view text);
    bool IsItDebug() const { return false; }
    std::string LogDatei();
    std::string OldLogDatei();

    // ---- Paths, drives and system information ----
    std::string PreVerzeichnis(std::string_view key);
    std::string ManuAppPfad();
    std::string AppPfad();
    std::string ManuUserPfad();
    std::string UserPfad();
    std::string ApplicationPath();
    void ApplicationPath(std::string_view path);
    std::string winDir();
    std::string WinSysDir();
    static std::string Version();
    static std::int32_t VersionValue(std::string_view text);
    std::string DriveTyp(std::string_view drive);
    std::string FindCD();
    std::string FindStick();
    bool SchonGestartet(bool umschalten);
    // Opens the file with its program. `beiFehler` runs (later, from the event
    // loop) when no program could open it; without it the outcome is ignored.
    void Execute(void* window, std::string_view file, int showMode, std::function<void()> beiFehler = {});
    // The program that opens documents ("xdg-open"); tests name another.
    void setOeffner(std::string programm) { oeffner_ = std::move(programm); }
    void wait(double seconds);
    void Demo_GetComputerName();

    // ---- String and file-name utilities ----
    static std::string Extension(std::string_view name);
    static std::string NameOhneExtension(std::string_view path);
    static std::string NameMitExtension(std::string_view path, std::string_view extension);
    static std::string PathOfFile(std::string_view path);
    static std::string FixTrimL(std::string_view text, int width, int margin);
    static std::string FixTrimR(std::string_view text, int width, int margin);
    static int AnzahlBuchstaben(std::string_view character, std::string_view text);
    static void TeilString(std::string_view text, std::string_view separator, int n, int& ganzerRest,
                           std::string& ergebnis);
    static std::string HoleZeileAusText(std::string_view text, int n);
    void SucheUndErsetze(std::string_view file, std::string_view search, std::string_view replacement);
    void SucheUndErsetzeVonBis(std::string_view file, std::string_view vonBis, std::string_view replacement);
    void SchalteStrgAltEntf(bool on);
    void MausZeiger(bool show);

    // ---- Seams for tests ----
    // Time of day and date of log lines.
    void setClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }
    // Instead of really pausing in `wait`.
    void setSleeper(std::function<void(int ms)> sleeper) { sleeper_ = std::move(sleeper); }
    // Where the parameter file lives (the Windows system folder on Windows).
    void setWinSysDir(std::string dir) { winSysDir_ = std::move(dir); }
    // Mount table used by the drive queries.
    void setMountTable(std::string path) { mountTable_ = std::move(path); }
    // Free bytes on the log's disk (a nearly full disk without filling one).
    void setFreeSpace(std::function<std::optional<std::uintmax_t>(const std::string&)> frei) {
        freeSpace_ = std::move(frei);
    }
    profile::Store& profiles() { return store_; }

private:
    std::string resolveBare(std::string_view file, bool forWrite);
    void writeLogLine(const std::string& line);
    bool platzFuerLog(const std::string& log);
    std::string logZeit();

    profile::Store store_;
    bool protokollAn_ = false;
    std::int32_t protokollLevel_ = 0;
    std::array<std::string, 100> keyNames_;
    std::array<std::string, 100> folderCache_;
    std::string applicationPath_;
    std::string appPfad_;  // asked for on every profile access
    std::string winSysDir_;
    std::string mountTable_ = "/proc/mounts";
    std::function<QDateTime()> clock_;
    std::function<void(int)> sleeper_;
    std::string oeffner_ = "xdg-open";
    std::function<std::optional<std::uintmax_t>(const std::string&)> freeSpace_;
    bool logAngehalten_ = false;
    std::unique_ptr<fsys::Appender> log_;
    std::time_t logZeitFuer_ = -1;
    std::string logZeitText_;
};

// Below this many free bytes the log stops, so that it never takes the last ones.
constexpr std::uintmax_t kLogReserve = 1024 * 1024;

namespace vb {
// The leading number of a text, as Visual Basic's Val reads it.
double Val(std::string_view text);
// Round half to even into the 32-bit range (saturating).
std::int32_t CLng(double value);
// Integer to text with a leading blank for zero and positive numbers.
std::string Str(long long value);
std::string Str(double value);
// Items of a text as a sequential "Input #" read gives them.
std::vector<std::string> InputItems(std::string_view text);
}  // namespace vb

// Drive kind of a path, from a mount table in /proc/mounts form.
std::string driveKindFromMounts(std::string_view path, std::string_view mounts,
                                const std::function<bool(const std::string& device)>& removable);
// Milliseconds `wait` pauses for.
int waitMillis(double seconds);
