#pragma once
// The sound library as the program calls it: start once, open a sound file as a
// stream, play it, ask for position and length, stop, close, shut down, and say
// what went wrong by an error code. Backed by SDL2_mixer (one music stream).
#include <string>
#include <string_view>

enum FSOUND_ERRORS {
    FMOD_ERR_NONE = 0,
    FMOD_ERR_BUSY = 1,
    FMOD_ERR_UNINITIALIZED = 2,
    FMOD_ERR_INIT = 3,
    FMOD_ERR_ALLOCATED = 4,
    FMOD_ERR_PLAY = 5,
    FMOD_ERR_OUTPUT_FORMAT = 6,
    FMOD_ERR_COOPERATIVELEVEL = 7,
    FMOD_ERR_CREATEBUFFER = 8,
    FMOD_ERR_FILE_NOTFOUND = 9,
    FMOD_ERR_FILE_FORMAT = 10,
    FMOD_ERR_FILE_BAD = 11,
    FMOD_ERR_MEMORY = 12,
    FMOD_ERR_VERSION = 13,
    FMOD_ERR_INVALID_PARAM = 14,
    FMOD_ERR_NO_EAX = 15,
    FMOD_ERR_CHANNEL_ALLOC = 16,
    FMOD_ERR_RECORD = 17,
    FMOD_ERR_MEDIAPLAYER = 18,
    FMOD_ERR_CDDEVICE = 19,
};

constexpr int FSOUND_MPEGACCURATE = 0x2000;  // the mode the program opens streams with

// Non-zero on success. A second call while running succeeds without restarting.
int FSOUND_Init(int mixrate, int maxsoftwarechannels, unsigned int flags);
int FSOUND_GetError();
void FSOUND_Close();
// Stream handle, 0 on failure. The name is program text (Windows-1252, either separator).
// A file that fails the sound check is refused with FMOD_ERR_FILE_FORMAT.
int FSOUND_Stream_Open(std::string_view name, int mode, int offset, int length);
// Why the last FSOUND_Stream_Open refused its file; empty when it did not.
std::string FSOUND_Ablehnung();
// Channel number, -1 on failure.
int FSOUND_Stream_Play(int channel, int stream);
int FSOUND_Stream_Stop(int stream);
int FSOUND_Stream_Close(int stream);
// Both in milliseconds; a stream that has ended reports position = length.
int FSOUND_Stream_GetPosition(int stream);
int FSOUND_Stream_GetLength(int stream);

// The program's English text for an error code.
std::string FMOD_ErrorString(int code);
