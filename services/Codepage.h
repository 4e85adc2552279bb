#pragma once
// Windows-1252 is the text form of every data file. Core text is std::string
// holding those bytes; windows convert at their edge with these functions.
#include <QString>
#include <string>
#include <string_view>

namespace cp1252 {

// Every one of the 256 bytes maps to one character and back.
QString toUnicode(std::string_view bytes);
// Characters outside the code page become "?".
std::string fromUnicode(const QString& text);
// UTF-8 (file names on Linux) <-> Windows-1252 bytes.
std::string toUtf8(std::string_view bytes);
std::string fromUtf8(std::string_view utf8);

// Upper-casing of the code page itself: é -> É, ß stays ß.
unsigned char upper(unsigned char c);
std::string upper(std::string_view text);
// Only A-Z/a-z fold; bytes 0x80 to 0xFF must match exactly (as profile names do).
bool equalsAsciiNoCase(std::string_view a, std::string_view b);
std::string asciiLower(std::string_view text);

// Source files are UTF-8; German texts written in them become Windows-1252 bytes
// through this literal: "Lösung"_ansi.
namespace literals {
inline std::string operator""_ansi(const char* text, size_t size) {
    return fromUtf8(std::string_view(text, size));
}
}  // namespace literals

}  // namespace cp1252
