#include "quiz/Ton.h"

#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "quiz/FMod.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/Dialogs.h"
#include "services/FileSys.h"
#include "services/MelvatoBasic.h"
#include "translation/Texte.h"

using namespace cp1252::literals;

namespace quiz {

int FModSound::Init() {
    return FSOUND_Init(44100, 32, 0);
}
int FModSound::GetError() {
    return FSOUND_GetError();
}
int FModSound::StreamOpen(const std::string& datei) {
    return FSOUND_Stream_Open(datei, FSOUND_MPEGACCURATE, 0, 0);
}
int FModSound::StreamPlay(int stream) {
    return FSOUND_Stream_Play(-1, stream);
}
void FModSound::StreamStop(int stream) {
    FSOUND_Stream_Stop(stream);
}
void FModSound::StreamClose(int stream) {
    FSOUND_Stream_Close(stream);
}
int FModSound::GetPosition(int stream) {
    return FSOUND_Stream_GetPosition(stream);
}
int FModSound::GetLength(int stream) {
    return FSOUND_Stream_GetLength(stream);
}
void FModSound::Close() {
    FSOUND_Close();
}
std::string FModSound::Ablehnung() {
    return FSOUND_Ablehnung();
}

Tonwiedergabe::Tonwiedergabe(ApiClass& api, SoundSchnittstelle& sound, Uhr& uhr, Anbindung anbindung)
    : api_(api), sound_(sound), uhr_(uhr), an_(std::move(anbindung)) {}

void Tonwiedergabe::Starten() {
    if (sound_.Init()) {
        MelvatoBasic::SoundOk = true;
        return;
    }
    dlg::dialogs().MsgBox(
        texte::Text(53122, "Die Tonausgabe kann nicht gestartet werden, es geht ohne Ton weiter.") +
            "\r\nAn error occured initializing fmod\r\n" + FMOD_ErrorString(sound_.GetError()),
        dlg::OKOnly);
}

void Tonwiedergabe::StreamBreak() {
    if (kanal_) {
        sound_.StreamStop(stream_);
        kanal_.reset();
    }
    if (stream_) {
        sound_.StreamClose(stream_);
        stream_ = 0;
    }
}

bool Tonwiedergabe::oeffnenUndSpielen(const std::string& pfad, bool mitToggle, const std::string& name) {
    if (beginnt) beginnt();
    StreamBreak();
    stream_ = sound_.StreamOpen(pfad);
    if (stream_ == 0) {
        // A refused file counts as a missing one: the game goes on without it.
        if (const std::string grund = sound_.Ablehnung(); !grund.empty()) {
            api_.protokoll("Sound nicht abgespielt: " + name + ": " + grund, 0);
            return false;
        }
        dlg::dialogs().MsgBox(texte::Text(53123, "Die Tondatei") + " \"" + name + "\" " +
                                  texte::Text(53124, "kann nicht abgespielt werden.") + "\r\n" +
                                  "Error while opening file\r\n" + FMOD_ErrorString(sound_.GetError()),
                              dlg::OKOnly);
        return false;
    }
    if (mitToggle) toggle_ = 1 - toggle_;
    const int kanal = sound_.StreamPlay(stream_);
    if (kanal >= 0)
        kanal_ = kanal;
    else
        kanal_.reset();
    beendet_ = false;
    return true;
}

bool Tonwiedergabe::SoundAbspielen(std::string name) {
    if (!MelvatoBasic::SoundOk) return false;
    const std::string ziel = api_.AppPfad() + "DATEN\\" + (toggle_ == 0 ? "Now0.Wav" : "Now1.Wav");
    if (an_.toolButton) an_.toolButton(8, false);
    if (name.empty()) return false;
    api_.protokoll("Sound " + vb::Str(static_cast<long long>(toggle_)) + " spielen: " + name, 0);
    // Feedback voices are asked for without extension. A sound of another kind
    // (".ogg", ".mp3") keeps its own name: with ".wav" added it would never be found.
    const size_t punkt = name.rfind('.');
    const size_t trenner = name.find_last_of("\\/");
    const bool ohneEndung = punkt == std::string::npos || (trenner != std::string::npos && punkt < trenner);
    if (cp1252::upper(name).find(".WAV") == std::string::npos && ohneEndung) name += ".wav";
    if (stumm_) return false;
    if (!an_.fileOk || !an_.fileOk(name, ziel)) {
        // A sound that is missing says nothing; one that cannot be copied because
        // the data folder takes no files would fail for every sound to come.
        const std::string ordner = api_.AppPfad() + "DATEN\\";
        const std::string grund =
            an_.schreibHindernis ? an_.schreibHindernis(ordner) : SchreibHindernis(ordner);
        if (grund.empty()) return false;
        stumm_ = true;
        api_.protokoll("Sound aus: Datenordner nicht beschreibbar: " + grund, 0);
        dlg::dialogs().MsgBox(texte::Text(53125, "Im Datenordner") + " " + api_.AppPfad() + "DATEN " +
                                  texte::Text(53126, "kann nichts gespeichert werden:") + " " + grund +
                                  ".\r\n" + texte::Text(53127, "Das Spiel geht ohne Ton weiter."),
                              dlg::OKOnly | dlg::Exclamation);
        return false;
    }
    api_.protokoll("Sound vorhanden", 0);
    if (an_.toolButton) an_.toolButton(8, false);
    return oeffnenUndSpielen(ziel, true, name);
}

bool Tonwiedergabe::PlaySound(const std::string& pfad) {
    if (!MelvatoBasic::SoundOk) return false;
    return oeffnenUndSpielen(pfad, false, pfad);
}

void Tonwiedergabe::Schliessen() {
    StreamBreak();
    sound_.Close();
    MelvatoBasic::SoundOk = false;
}

bool Tonwiedergabe::Takt(Ablauf& ablauf) {
    if (beendet_) {
        // The sound is let ring out for a moment before its stream stops; the
        // ticks go on meanwhile instead of the program standing still.
        beendet_ = false;
        kanal_.reset();
        nachklang_ = uhr_.jetzt() + kNachklangSekunden;
    } else if (nachklang_) {
        if (uhr_.jetzt() >= *nachklang_) {
            nachklang_.reset();
            if (stream_ && !kanal_) sound_.StreamStop(stream_);  // unless another sound began meanwhile
            if (!ablauf.AktuellesAudio.empty() && an_.toolButton) an_.toolButton(8, true);
            ablauf.SlotLäuft = false;
        }
    } else if (MelvatoBasic::SoundOk) {
        if (!kanal_)
            ablauf.SlotLäuft = false;  // the awaited sound never started: nothing to wait for
        else if (sound_.GetPosition(stream_) >= sound_.GetLength(stream_))
            beendet_ = true;
    } else {
        const double jetzt = uhr_.jetzt();
        if (frist_ && jetzt >= *frist_) {
            beendet_ = true;
            frist_.reset();
            kanal_.reset();
        } else if (ablauf.zaehlerTag == "GO" && !frist_) {
            frist_ = jetzt + kStilleSlotSekunden;
        } else if (ablauf.zaehlerTag == "STOP") {
            ablauf.SlotLäuft = false;
        }
    }
    if (ablauf.zaehlerTag == "GO") {
        ablauf.ZählerLäuft = true;
        return true;
    }
    return false;
}

std::string SchreibGrund(int fehler) {
    switch (fehler) {
        case EROFS:
            return texte::Text(53185, "er ist schreibgeschützt"_ansi);
        case ENOSPC:
        case EDQUOT:
            return texte::Text(53186, "der Datenträger ist voll"_ansi);
        case EACCES:
        case EPERM:
            return texte::Text(53187, "es fehlen die Rechte zum Schreiben");
        default:
            return texte::Text(53188, "Fehler") + " " + std::to_string(fehler) + " (" +
                   std::strerror(fehler) + ")";
    }
}

std::string SchreibHindernis(const std::string& ordner) {
    const std::filesystem::path pfad = fsys::native(ordner);
    struct statvfs platte {};
    if (::statvfs(pfad.c_str(), &platte) == 0 && (platte.f_flag & ST_RDONLY)) return SchreibGrund(EROFS);
    // As much as a short sound needs at least.
    const std::string probe(4096, '\0');
    const std::filesystem::path datei = pfad / ("Now.probe" + std::to_string(::getpid()));
    const int fd = ::open(datei.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return errno == ENOENT ? std::string() : SchreibGrund(errno);  // no folder: no sounds either
    int fehler = 0;
    if (::write(fd, probe.data(), probe.size()) != ssize_t(probe.size())) fehler = errno ? errno : ENOSPC;
    if (::fsync(fd) != 0 && !fehler) fehler = errno;
    ::close(fd);
    ::unlink(datei.c_str());
    return fehler ? SchreibGrund(fehler) : std::string();
}

}  // namespace quiz
