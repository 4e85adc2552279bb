#pragma once
// Window texts. Every text that has a text number is asked for here, so that
// the windows do not depend on how the translation engine is reached.
#include <QString>
#include <functional>
#include <string>
#include <string_view>

namespace texte {

// The translation of a text number; `vorgabe` when there is none.
QString TextNr(long nummer, const QString& vorgabe = {});
// The same in Windows-1252 bytes, for messages and other core text.
std::string Text(long nummer, std::string_view vorgabe);
// Replaces the translation engine as the source of texts (tests); an empty
// result counts as "no translation". nullptr: the engine again.
void setQuelle(std::function<QString(long nummer)> quelle);

// Windows-1252 bytes to a window text and back.
QString ui(std::string_view ansi);
std::string ansi(const QString& text);

}  // namespace texte
