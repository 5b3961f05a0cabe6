#include "editing/LineBreaks.h"

#include <gtest/gtest.h>

namespace vantric {
namespace {

TEST(LineBreaksTest, FilesComeInAsCrLfAndGoOutInTheirOwnStyle) {
    EXPECT_EQ(ToCrLfText("A\nB\r\nC\rD\n"), "A\r\nB\r\nC\rD\r\n");
    EXPECT_EQ(ToCrLfText("\n\n"), "\r\n\r\n");
    EXPECT_EQ(ToCrLfText("\r\r\n"), "\r\r\n");

    EXPECT_EQ(DetectLineBreaks("A\nB\n"), LineBreakStyle::Lf);
    EXPECT_EQ(DetectLineBreaks("A\r\nB\n"), LineBreakStyle::CrLf);  // mixed: written back as CR LF
    EXPECT_EQ(DetectLineBreaks("HLT"), LineBreakStyle::CrLf);
    EXPECT_EQ(DetectLineBreaks("A\nB\rC\n"), LineBreakStyle::CrLf);  // a lone CR comes back as CR LF

    // One style of break comes back byte for byte; anything else is announced when opened.
    for (const char* single : {"A\r\nB\r\n", "A\nB", "HLT", ""}) EXPECT_FALSE(MixesLineBreaks(single)) << single;
    for (const char* mixed : {"A\r\nB\n", "A\nB\r\n", "A\rB", "A\nB\r"}) EXPECT_TRUE(MixesLineBreaks(mixed)) << mixed;

    EXPECT_EQ(ToFileText("A\r\nB\rC\r\n", LineBreakStyle::Lf), "A\nB\rC\n");
    EXPECT_EQ(ToFileText("A\r\nB", LineBreakStyle::CrLf), "A\r\nB");
    EXPECT_EQ(ToFileText("\r", LineBreakStyle::Lf), "\r");
}

}  // namespace
}  // namespace vantric
