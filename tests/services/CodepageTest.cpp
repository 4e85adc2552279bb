// Windows-1252 at the edge between core text and the windows.
#include <gtest/gtest.h>

#include "services/Codepage.h"

using namespace cp1252::literals;

TEST(Codepage, AllBytesRoundTripThroughUnicode) {
    std::string all;
    for (int i = 0; i < 256; ++i) all.push_back(char(i));
    EXPECT_EQ(cp1252::fromUnicode(cp1252::toUnicode(all)), all);
    EXPECT_EQ(cp1252::toUnicode("\x80"), QString(QChar(0x20AC)));
    EXPECT_EQ(cp1252::fromUnicode(QString(QChar(0x4E2D))), "?");
}

TEST(Codepage, UpperCaseIsTheCodePagesOwn) {
    EXPECT_EQ(cp1252::upper("stra\xDF"
                            "e \xE9\xF6\xFF\x9A"),
              "STRA\xDF"
              "E \xC9\xD6\x9F\x8A");
    EXPECT_EQ("Lösung"_ansi, "L\xF6sung");
}
