#include "shell/Texte.h"

#include "services/Codepage.h"

namespace texte {

namespace {
std::function<QString(long)> quelleFn;
}

QString TextNr(long nummer, const QString& vorgabe) {
    if (!quelleFn) return vorgabe;
    QString text = quelleFn(nummer);
    return text.isEmpty() ? vorgabe : text;
}

void setQuelle(std::function<QString(long)> quelle) {
    quelleFn = std::move(quelle);
}

QString ui(std::string_view ansi) {
    return cp1252::toUnicode(ansi);
}

std::string ansi(const QString& text) {
    return cp1252::fromUnicode(text);
}

}  // namespace texte
