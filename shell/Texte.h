#pragma once
// Window texts. Every text that has a text number is asked for here, so that
// the windows do not depend on how the translation engine is reached.
#include <QString>
#include <string>
#include <string_view>

namespace texte {

// The translation of a text number; `vorgabe` when there is none (yet).
QString TextNr(long nummer, const QString& vorgabe = {});

// Windows-1252 bytes to a window text and back.
QString ui(std::string_view ansi);
std::string ansi(const QString& text);

}  // namespace texte
