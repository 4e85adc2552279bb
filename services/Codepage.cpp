#include "services/Codepage.h"

#include <QList>

namespace cp1252 {
namespace {
// 0x80..0x9F; the five bytes without a character keep their C1 control code,
// so that all 256 bytes survive a round trip.
constexpr char16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t unicodeOf(unsigned char b) {
    return (b >= 0x80 && b < 0xA0) ? kHigh[b - 0x80] : char16_t(b);
}

int byteOf(char32_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return int(u);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == u) return 0x80 + i;
    return -1;
}
}  // namespace

char32_t toCodePoint(unsigned char byte) {
    return unicodeOf(byte);
}

char fromCodePoint(char32_t u) {
    int b = byteOf(u);
    return b < 0 ? '?' : char(b);
}

QString toUnicode(std::string_view bytes) {
    QString out;
    out.reserve(qsizetype(bytes.size()));
    for (unsigned char b : bytes) out.append(QChar(unicodeOf(b)));
    return out;
}

std::string fromUnicode(const QString& text) {
    std::string out;
    out.reserve(size_t(text.size()));
    for (uint u : text.toUcs4()) {
        int b = byteOf(u);
        out.push_back(b < 0 ? '?' : char(b));
    }
    return out;
}

std::string toUtf8(std::string_view bytes) {
    bool ascii = true;
    for (unsigned char b : bytes) ascii = ascii && b < 0x80;
    if (ascii) return std::string(bytes);
    return toUnicode(bytes).toStdString();
}

std::string fromUtf8(std::string_view utf8) {
    bool ascii = true;
    for (unsigned char b : utf8) ascii = ascii && b < 0x80;
    if (ascii) return std::string(utf8);
    return fromUnicode(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
}

unsigned char upper(unsigned char c) {
    if (c >= 'a' && c <= 'z') return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    switch (c) {
        case 0x9A:
            return 0x8A;  // š
        case 0x9C:
            return 0x8C;  // œ
        case 0x9E:
            return 0x8E;  // ž
        case 0xFF:
            return 0x9F;  // ÿ
        default:
            return c;
    }
}

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = char(upper(static_cast<unsigned char>(c)));
    return out;
}

static char asciiLowerChar(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c + 32) : c;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] &&
            upper(static_cast<unsigned char>(a[i])) != upper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string asciiLower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = asciiLowerChar(c);
    return out;
}

}  // namespace cp1252
