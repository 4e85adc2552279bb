// Windows-1252 at the edge between core text and the windows.
#include <gtest/gtest.h>

#include "services/Codepage.h"

TEST(Codepage, AllBytesRoundTripThroughUnicode) {
    std::string all;
    for (int i = 0; i < 256; ++i) all.push_back(char(i));
    EXPECT_EQ(cp1252::fromUnicode(cp1252::toUnicode(all)), all);
    EXPECT_EQ(cp1252::toUnicode("\x80"), QString(QChar(0x20AC)));
    EXPECT_EQ(cp1252::fromUnicode(QString(QChar(0x4E2D))), "?");
}
