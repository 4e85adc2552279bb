#include "shell/Texte.h"

#include "services/Codepage.h"

namespace texte {

QString TextNr(long, const QString& vorgabe) {
    return vorgabe;
}

QString ui(std::string_view ansi) {
    return cp1252::toUnicode(ansi);
}

std::string ansi(const QString& text) {
    return cp1252::fromUnicode(text);
}

}  // namespace texte
