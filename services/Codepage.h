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
// Equal after the code page's upper-casing: "L\xF6sung" matches "L\xD6SUNG" (profile names).
bool equalsNoCase(std::string_view a, std::string_view b);
// Only A-Z fold (the word index keeps its files' existing order this way).
std::string asciiLower(std::string_view text);
// One character between the code page and Unicode; outside the code page gives "?".
char32_t toCodePoint(unsigned char byte);
char fromCodePoint(char32_t u);

// Source files are UTF-8; German texts written in them become Windows-1252 bytes
// through this literal: "Lösung"_ansi.
namespace literals {
inline std::string operator""_ansi(const char* text, size_t size) {
    return fromUtf8(std::string_view(text, size));
}
}  // namespace literals

}  // namespace cp1252
