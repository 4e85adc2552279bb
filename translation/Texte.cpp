#include "translation/Texte.h"

#include "services/Codepage.h"
#include "translation/Translation_Class.h"

namespace texte {

namespace {
std::function<QString(long)> quelleFn;
}

namespace {
// The engine answers a text it does not have with an error text; the window
// then keeps its design text.
bool istFehler(const std::string& text) {
    return text.empty() || text.rfind("ERR", 0) == 0 || text.rfind("Err:", 0) == 0;
}
}  // namespace

QString TextNr(long nummer, const QString& vorgabe) {
    if (quelleFn) {
        QString text = quelleFn(nummer);
        return text.isEmpty() ? vorgabe : text;
    }
    // Before start-up made the engine (and in tests of single parts) the
    // texts stand as the code has them; asking would make an engine here.
    if (!t_callVorhanden()) return vorgabe;
    std::string text = t_call().translation(std::int32_t(nummer));
    return istFehler(text) ? vorgabe : ui(text);
}

std::string Text(long nummer, std::string_view vorgabe) {
    if (quelleFn) {
        QString text = quelleFn(nummer);
        return text.isEmpty() ? std::string(vorgabe) : ansi(text);
    }
    if (!t_callVorhanden()) return std::string(vorgabe);
    std::string text = t_call().translation(std::int32_t(nummer));
    return istFehler(text) ? std::string(vorgabe) : text;
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
