#pragma once
// Sound playback of the quiz window: one stream at a time, question sounds copied
// to alternating temporary files, and the end of a sound noticed by polling.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "quiz/Spielzeit.h"

class ApiClass;

namespace quiz {

// The sound library calls the game makes.
class SoundSchnittstelle {
public:
    virtual ~SoundSchnittstelle() = default;
    virtual int Init() = 0;  // non-zero on success
    virtual int GetError() = 0;
    virtual int StreamOpen(const std::string& datei) = 0;  // 0 on failure
    virtual int StreamPlay(int stream) = 0;                // channel, -1 on failure
    virtual void StreamStop(int stream) = 0;
    virtual void StreamClose(int stream) = 0;
    virtual int GetPosition(int stream) = 0;
    virtual int GetLength(int stream) = 0;
    virtual void Close() = 0;
    // Why the last StreamOpen refused its file without trying it; empty otherwise.
    virtual std::string Ablehnung() { return {}; }
};

// The real library.
class FModSound : public SoundSchnittstelle {
public:
    int Init() override;
    int GetError() override;
    int StreamOpen(const std::string& datei) override;
    int StreamPlay(int stream) override;
    void StreamStop(int stream) override;
    void StreamClose(int stream) override;
    int GetPosition(int stream) override;
    int GetLength(int stream) override;
    void Close() override;
    std::string Ablehnung() override;
};

// Flags of the running game that the sound side reads and clears.
struct Ablauf {
    bool SlotLäuft = false;
    bool Abbruch = false;
    bool Testmodus = false;
    bool ZählerLäuft = false;
    std::string AktuellesAudio;
    std::string zaehlerTag;  // "GO" while the counter rolls, "STOP" once it stopped
};

class Tonwiedergabe {
public:
    struct Anbindung {
        // Finds a media file and copies it to the target path.
        std::function<bool(const std::string& name, const std::string& ziel)> fileOk;
        // Shows or hides a tool button of the main window.
        std::function<void(int, bool)> toolButton;
        // Why nothing can be written into a folder, empty when it can
        // (SchreibHindernis when left empty).
        std::function<std::string(const std::string& ordner)> schreibHindernis;
    };
    Tonwiedergabe(ApiClass& api, SoundSchnittstelle& sound, Uhr& uhr, Anbindung anbindung);

    // Starts the library; on failure says so and the game goes on silently.
    void Starten();
    // Plays a question or feedback sound of the media folder. False when nothing
    // plays: no library, no name, the file is missing, refused or cannot be opened.
    bool SoundAbspielen(std::string name);
    // Plays a file given by its full path; false as above.
    bool PlaySound(const std::string& pfad);
    // Stops and closes the current stream.
    void StreamBreak();
    // Stream, then library.
    void Schliessen();

    // One tick of the 200-ms timer: notices the end of a sound (or of a silent
    // slot) and, on the first tick 0.3 s later, stops the stream and clears
    // SlotLäuft. True when the counter should roll one step.
    bool Takt(Ablauf& ablauf);

    bool spielt() const { return kanal_.has_value(); }
    // Told before a sound starts.
    std::function<void()> beginnt;
    // The temporary copies could not be written: the game goes on without sound.
    bool stumm() const { return stumm_; }
    int stream() const { return stream_; }
    int toggle() const { return toggle_; }

private:
    // `name` is what the log and the message call the file.
    bool oeffnenUndSpielen(const std::string& pfad, bool mitToggle, const std::string& name);

    ApiClass& api_;
    SoundSchnittstelle& sound_;
    Uhr& uhr_;
    Anbindung an_;
    int stream_ = 0;
    std::optional<int> kanal_;
    int toggle_ = 0;
    bool beendet_ = false;
    bool stumm_ = false;
    std::optional<double> frist_;      // end of a silent slot
    std::optional<double> nachklang_;  // when an ended sound's stream is stopped
};

// Why nothing can be written into `ordner` (in German, for the player): it is
// read-only, the disk is full, rights are missing; empty when a file can be
// written there. Tries a small file.
std::string SchreibHindernis(const std::string& ordner);
// The reason for a failed write with error number `fehler`.
std::string SchreibGrund(int fehler);

// Length of a silent slot when there is no sound library.
constexpr double kStilleSlotSekunden = 3.0;
// How long an ended sound rings out before its stream stops.
constexpr double kNachklangSekunden = 0.3;

}  // namespace quiz
