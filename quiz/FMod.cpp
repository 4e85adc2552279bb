#include "quiz/FMod.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <unistd.h>

#include <cmath>
#include <map>

#include "quiz/SoundPruefung.h"
#include "services/FileSys.h"

namespace {
struct Stream {
    Mix_Music* music = nullptr;
    int lengthMs = 0;
    bool started = false;
    bool stopped = false;
    Uint64 startTicks = 0;
};

bool initialised = false;
int lastError = FMOD_ERR_NONE;
std::string ablehnung;
int nextHandle = 1;
int playingHandle = 0;
std::map<int, Stream> streams;

int fail(int code) {
    lastError = code;
    return 0;
}
}  // namespace

int FSOUND_Init(int mixrate, int maxsoftwarechannels, unsigned int) {
    if (initialised) return 1;
    if (mixrate <= 0 || maxsoftwarechannels < 0) return fail(FMOD_ERR_INVALID_PARAM);
    // SDL would otherwise take over Ctrl+C and SIGTERM and turn them into events
    // nobody reads: the program could no longer be stopped from outside.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return fail(FMOD_ERR_INIT);
    if (Mix_OpenAudio(mixrate, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return fail(FMOD_ERR_INIT);
    }
    Mix_Init(MIX_INIT_OGG | MIX_INIT_MP3 | MIX_INIT_FLAC);
    initialised = true;
    lastError = FMOD_ERR_NONE;
    return 1;
}

int FSOUND_GetError() {
    return lastError;
}

void FSOUND_Close() {
    if (!initialised) return;
    Mix_HaltMusic();
    for (auto& [h, s] : streams)
        if (s.music) Mix_FreeMusic(s.music);
    streams.clear();
    playingHandle = 0;
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    initialised = false;
}

int FSOUND_Stream_Open(std::string_view name, int, int, int) {
    ablehnung.clear();
    if (!initialised) return fail(FMOD_ERR_UNINITIALIZED);
    std::string path = fsys::native(name).string();
    if (name.empty() || !fsys::fileExists(name)) return fail(FMOD_ERR_FILE_NOTFOUND);
    if (::access(path.c_str(), R_OK) != 0) return fail(FMOD_ERR_FILE_BAD);
    // SDL_mixer believes the header; a bad one can end the whole program.
    ablehnung = quiz::SoundPruefen(std::string(name));
    if (!ablehnung.empty()) return fail(FMOD_ERR_FILE_FORMAT);
    // The format is told by the file's contents, not its name: the game plays
    // every sound from a temporary copy called "Now0.Wav" or "Now1.Wav".
    SDL_RWops* rw = SDL_RWFromFile(path.c_str(), "rb");
    if (!rw) return fail(FMOD_ERR_FILE_BAD);
    Mix_Music* music = Mix_LoadMUS_RW(rw, 1);
    if (!music) return fail(FMOD_ERR_FILE_FORMAT);
    Stream s;
    s.music = music;
    double d = Mix_MusicDuration(music);
    s.lengthMs = d > 0 ? int(std::lround(d * 1000.0)) : 0;
    int h = nextHandle++;
    streams[h] = s;
    return h;
}

std::string FSOUND_Ablehnung() {
    return ablehnung;
}

int FSOUND_Stream_Play(int, int stream) {
    auto it = streams.find(stream);
    if (!initialised || it == streams.end()) {
        lastError = initialised ? FMOD_ERR_INVALID_PARAM : FMOD_ERR_UNINITIALIZED;
        return -1;
    }
    if (Mix_PlayMusic(it->second.music, 0) != 0) {
        lastError = FMOD_ERR_PLAY;
        return -1;
    }
    if (playingHandle && playingHandle != stream) {
        auto old = streams.find(playingHandle);
        if (old != streams.end()) old->second.stopped = true;
    }
    it->second.started = true;
    it->second.stopped = false;
    it->second.startTicks = SDL_GetTicks64();
    playingHandle = stream;
    return 0;
}

int FSOUND_Stream_Stop(int stream) {
    auto it = streams.find(stream);
    if (it == streams.end()) return 0;
    if (playingHandle == stream) {
        Mix_HaltMusic();
        playingHandle = 0;
    }
    it->second.stopped = true;
    return 1;
}

int FSOUND_Stream_Close(int stream) {
    auto it = streams.find(stream);
    if (it == streams.end()) return 0;
    FSOUND_Stream_Stop(stream);
    Mix_FreeMusic(it->second.music);
    streams.erase(it);
    return 1;
}

int FSOUND_Stream_GetLength(int stream) {
    auto it = streams.find(stream);
    return it == streams.end() ? 0 : it->second.lengthMs;
}

int FSOUND_Stream_GetPosition(int stream) {
    auto it = streams.find(stream);
    if (it == streams.end()) return 0;
    Stream& s = it->second;
    if (!s.started) return 0;
    bool running = playingHandle == stream && Mix_PlayingMusic();
    if (!running) {
        if (!s.stopped) return s.lengthMs;  // played to its end
        return 0;
    }
    double pos = Mix_GetMusicPosition(s.music);
    int ms = pos >= 0 ? int(std::lround(pos * 1000.0)) : int(SDL_GetTicks64() - s.startTicks);
    return s.lengthMs > 0 ? std::min(ms, s.lengthMs) : ms;
}

std::string FMOD_ErrorString(int code) {
    switch (code) {
        case 0:
            return "No errors";
        case 1:
            return "Cannot call this command after FSOUND_Init.  Call FSOUND_Close first.";
        case 2:
            return "This command failed because FSOUND_Init was not called";
        case 3:
            return "Error initializing output device.";
        case 4:
            return "The output device is already in use and cannot be reused.";
        case 5:
            return "Playing the sound failed.";
        case 6:
            return "Soundcard does not support the features needed for this soundsystem (16bit stereo "
                   "output)";
        case 7:
            return "Error setting cooperative level for hardware.";
        case 8:
            return "Error creating hardware sound buffer.";
        case 9:
            return "File not found";
        case 10:
            return "Unknown file format";
        case 11:
            return "Error loading file";
        case 12:
            return "Not enough memory ";
        case 13:
            return "The version number of this file format is not supported";
        case 14:
            return "An invalid parameter was passed to this function";
        case 15:
            return "Tried to use an EAX command on a non EAX enabled channel or output.";
        case 16:
            return "Failed to allocate a new channel";
        case 17:
            return "Recording is not supported on this machine";
        case 18:
            return "Required Mediaplayer codec is not installed";
        case 19:
            return "An error occured trying to open the specified CD device";
        default:
            return "Unknown error";
    }
}
