// Feeds arbitrary bytes to the sound check: it must decide without crashing,
// and the same bytes must get the same answer.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "quiz/SoundPruefung.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string grund = quiz::SoundPruefenDaten(bytes);
    if (grund != quiz::SoundPruefenDaten(bytes)) std::abort();
    return 0;
}
