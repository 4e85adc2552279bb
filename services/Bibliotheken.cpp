// The functions the program uses from the libraries it opens on first use
// (services/Nachladen.h). Each one finds the library's own function once and
// passes the call on. Where the library cannot be opened, a call gives the
// library's own answer for a failure, so every caller's error path applies.
#include <SDL.h>
#include <SDL_mixer.h>
#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>
#include <sndfile.h>
#include <zip.h>

#include "services/Nachladen.h"

using nachladen::Bibliothek;

#define WEITER(bib, ret, name, params, args, fehlwert)                                        \
    extern "C" ret name params {                                                              \
        using Fn = ret(*) params;                                                             \
        static const Fn fn = reinterpret_cast<Fn>(nachladen::Symbol(Bibliothek::bib, #name)); \
        if (!fn) return fehlwert;                                                             \
        return fn args;                                                                       \
    }

// SDL
WEITER(Sdl, SDL_bool, SDL_SetHint, (const char* name, const char* value), (name, value), SDL_FALSE)
WEITER(Sdl, int, SDL_InitSubSystem, (Uint32 flags), (flags), -1)
WEITER(Sdl, void, SDL_QuitSubSystem, (Uint32 flags), (flags), void())
WEITER(Sdl, SDL_AudioDeviceID, SDL_OpenAudioDevice,
       (const char* device, int iscapture, const SDL_AudioSpec* desired, SDL_AudioSpec* obtained,
        int allowed_changes),
       (device, iscapture, desired, obtained, allowed_changes), 0)
WEITER(Sdl, void, SDL_PauseAudioDevice, (SDL_AudioDeviceID dev, int pause_on), (dev, pause_on), void())
WEITER(Sdl, void, SDL_CloseAudioDevice, (SDL_AudioDeviceID dev), (dev), void())
WEITER(Sdl, SDL_RWops*, SDL_RWFromFile, (const char* file, const char* mode), (file, mode), nullptr)
WEITER(Sdl, Uint64, SDL_GetTicks64, (void), (), 0)

// SDL_mixer
WEITER(SdlMixer, int, Mix_Init, (int flags), (flags), 0)
WEITER(SdlMixer, void, Mix_Quit, (void), (), void())
WEITER(SdlMixer, int, Mix_OpenAudio, (int frequency, Uint16 format, int channels, int chunksize),
       (frequency, format, channels, chunksize), -1)
WEITER(SdlMixer, void, Mix_CloseAudio, (void), (), void())
WEITER(SdlMixer, Mix_Music*, Mix_LoadMUS_RW, (SDL_RWops * src, int freesrc), (src, freesrc), nullptr)
WEITER(SdlMixer, void, Mix_FreeMusic, (Mix_Music * music), (music), void())
WEITER(SdlMixer, int, Mix_PlayMusic, (Mix_Music * music, int loops), (music, loops), -1)
WEITER(SdlMixer, int, Mix_PlayingMusic, (void), (), 0)
WEITER(SdlMixer, int, Mix_HaltMusic, (void), (), 0)
WEITER(SdlMixer, double, Mix_GetMusicPosition, (Mix_Music * music), (music), -1.0)
WEITER(SdlMixer, double, Mix_MusicDuration, (Mix_Music * music), (music), -1.0)

// libzip: without the library no archive is ever open, so only the calls that
// open one or describe a failure need a meaningful answer.
extern "C" zip_t* zip_open(const char* path, int flags, int* errorp) {
    using Fn = zip_t* (*)(const char*, int, int*);
    static const Fn fn = reinterpret_cast<Fn>(nachladen::Symbol(Bibliothek::Zip, "zip_open"));
    if (fn) return fn(path, flags, errorp);
    if (errorp) *errorp = ZIP_ER_OPEN;
    return nullptr;
}
WEITER(Zip, int, zip_close, (zip_t * za), (za), -1)
WEITER(Zip, void, zip_discard, (zip_t * za), (za), void())
WEITER(Zip, zip_int64_t, zip_get_num_entries, (zip_t * za, zip_flags_t flags), (za, flags), -1)
WEITER(Zip, const char*, zip_get_archive_comment, (zip_t * za, int* lenp, zip_flags_t flags),
       (za, lenp, flags), nullptr)
WEITER(Zip, void, zip_stat_init, (zip_stat_t * st), (st), void())
WEITER(Zip, int, zip_stat_index, (zip_t * za, zip_uint64_t index, zip_flags_t flags, zip_stat_t* st),
       (za, index, flags, st), -1)
WEITER(Zip, zip_file_t*, zip_fopen_index, (zip_t * za, zip_uint64_t index, zip_flags_t flags),
       (za, index, flags), nullptr)
WEITER(Zip, zip_file_t*, zip_fopen_index_encrypted,
       (zip_t * za, zip_uint64_t index, zip_flags_t flags, const char* password),
       (za, index, flags, password), nullptr)
WEITER(Zip, zip_int64_t, zip_fread, (zip_file_t * zf, void* buf, zip_uint64_t n), (zf, buf, n), -1)
WEITER(Zip, int, zip_fclose, (zip_file_t * zf), (zf), -1)
WEITER(Zip, zip_error_t*, zip_get_error, (zip_t * za), (za), nullptr)
WEITER(Zip, zip_error_t*, zip_file_get_error, (zip_file_t * zf), (zf), nullptr)
WEITER(Zip, int, zip_error_code_zip, (const zip_error_t* error), (error), ZIP_ER_INTERNAL)
WEITER(Zip, const char*, zip_strerror, (zip_t * za), (za), "")
WEITER(Zip, const char*, zip_file_strerror, (zip_file_t * zf), (zf), "")
WEITER(Zip, zip_source_t*, zip_source_file,
       (zip_t * za, const char* fname, zip_uint64_t start, zip_int64_t len), (za, fname, start, len), nullptr)
WEITER(Zip, void, zip_source_free, (zip_source_t * src), (src), void())
WEITER(Zip, zip_int64_t, zip_file_add, (zip_t * za, const char* name, zip_source_t* src, zip_flags_t flags),
       (za, name, src, flags), -1)
WEITER(Zip, int, zip_set_file_compression,
       (zip_t * za, zip_uint64_t index, zip_int32_t method, zip_uint32_t level), (za, index, method, level),
       -1)
WEITER(Zip, const char*, zip_libzip_version, (void), (), "")

// libsndfile
WEITER(Sndfile, SNDFILE*, sf_open, (const char* path, int mode, SF_INFO* sfinfo), (path, mode, sfinfo),
       nullptr)
WEITER(Sndfile, SNDFILE*, sf_open_virtual,
       (SF_VIRTUAL_IO * sfvirtual, int mode, SF_INFO* sfinfo, void* user_data),
       (sfvirtual, mode, sfinfo, user_data), nullptr)
WEITER(Sndfile, sf_count_t, sf_write_short, (SNDFILE * sndfile, const short* ptr, sf_count_t items),
       (sndfile, ptr, items), 0)
WEITER(Sndfile, int, sf_close, (SNDFILE * sndfile), (sndfile), SF_ERR_SYSTEM)
WEITER(Sndfile, const char*, sf_strerror, (SNDFILE * sndfile), (sndfile), "libsndfile fehlt")

// espeak-ng
WEITER(Espeak, void, espeak_ng_InitializePath, (const char* path), (path), void())
WEITER(Espeak, espeak_ng_STATUS, espeak_ng_Initialize, (espeak_ng_ERROR_CONTEXT * context), (context),
       ENS_NOT_SUPPORTED)
WEITER(Espeak, espeak_ng_STATUS, espeak_ng_InitializeOutput,
       (espeak_ng_OUTPUT_MODE output_mode, int buffer_length, const char* device),
       (output_mode, buffer_length, device), ENS_NOT_SUPPORTED)
WEITER(Espeak, void, espeak_ng_ClearErrorContext, (espeak_ng_ERROR_CONTEXT * context), (context), void())
WEITER(Espeak, void, espeak_ng_GetStatusCodeMessage, (espeak_ng_STATUS status, char* buffer, size_t length),
       (status, buffer, length), void())
WEITER(Espeak, int, espeak_ng_GetSampleRate, (void), (), 0)
WEITER(Espeak, espeak_ng_STATUS, espeak_ng_SetVoiceByName, (const char* name), (name), ENS_NOT_SUPPORTED)
WEITER(Espeak, espeak_ng_STATUS, espeak_ng_Synthesize,
       (const void* text, size_t size, unsigned int position, espeak_POSITION_TYPE position_type,
        unsigned int end_position, unsigned int flags, unsigned int* unique_identifier, void* user_data),
       (text, size, position, position_type, end_position, flags, unique_identifier, user_data),
       ENS_NOT_SUPPORTED)
WEITER(Espeak, void, espeak_SetSynthCallback, (t_espeak_callback * callback), (callback), void())
WEITER(Espeak, espeak_ERROR, espeak_SetParameter, (espeak_PARAMETER parameter, int value, int relative),
       (parameter, value, relative), EE_INTERNAL_ERROR)
WEITER(Espeak, const char*, espeak_Info, (const char** path_data), (path_data), "")
