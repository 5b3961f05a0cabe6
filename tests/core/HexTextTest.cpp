#include "core/HexText.h"
#include "core/TextScan.h"

#include <gtest/gtest.h>

namespace vantric {

TEST(HexText, PadsAndCutsToWidth) {
    EXPECT_EQ(HexText(10, 2), "0A");
    EXPECT_EQ(HexText(255, 2), "FF");
    EXPECT_EQ(HexText(4096, 4), "1000");
    EXPECT_EQ(HexText(0, 4), "0000");
    EXPECT_EQ(HexText(300, 2), "2C");  // cut from the left
    EXPECT_EQ(ZeroPad("12345", 4), "2345");
    EXPECT_EQ(ZeroPad("", 4), "000");  // only width - 1 zeros are ever added
    EXPECT_EQ(ZeroPad("7", 1), "7");
}

TEST(HexText, FourDigitHexAcceptsExactlyFourDigitAddresses) {
    for (const char* good : {"00ff", "1000", "FFFF", "abcd", "8000", "0000"}) EXPECT_TRUE(IsFourDigitHex(good)) << good;
    for (const char* bad : {"", "FF", "ABC", "01000", "12G4", "G000", "12345", " 100", "100 "})
        EXPECT_FALSE(IsFourDigitHex(bad)) << bad;
}

TEST(HexText, LeadingHexStopsAtFirstNonDigit) {
    EXPECT_EQ(ReadLeadingHex("1F2G"), 0x1F2);
    EXPECT_EQ(ReadLeadingHex(""), 0);
    EXPECT_EQ(ReadLeadingHex("x12"), 0);
}

TEST(LineNumbers, CountOnlyCrLfBreaksBeforeThePosition) {
    const std::string text = "A\r\nB\nC\r\nD\r\n";
    EXPECT_EQ(LineNumberAt(text, 0), 1);
    EXPECT_EQ(LineNumberAt(text, 2), 1);
    EXPECT_EQ(LineNumberAt(text, 3), 2);
    EXPECT_EQ(LineNumberAt(text, 8), 3);
    EXPECT_EQ(LineNumberAt(text, 100), 4);
}

}  // namespace vantric
