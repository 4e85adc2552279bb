// Feeds arbitrary bytes to the profile reader and writer: no crash, and a value
// written must read back.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "services/Profile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    profile::Parsed parsed(bytes);
    (void)parsed.lookup("Quiz 5", "Frage");
    (void)parsed.keys("Allgemein");
    std::string section = size > 3 ? bytes.substr(0, 3) : "S";
    for (char& c : section)
        if (c == '[' || c == ']' || c == '\r' || c == '\n' || c == '=' || c == ';') c = 'x';
    profile::Parsed after(parsed.withValue(section, "Key", "Value"));
    auto v = after.lookup(section, "Key");
    std::string trimmed(profile::trimBlanks(section));
    if (!trimmed.empty() && (!v || *v != "Value")) std::abort();
    return 0;
}
