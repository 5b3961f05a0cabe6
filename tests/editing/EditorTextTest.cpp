// The editor's text (lines ending in CR LF) against a file's bytes and the widget's characters.

#include "editing/EditorText.h"

#include <gtest/gtest.h>

#include "editing/LineBreaks.h"

namespace vantric {
namespace {

TEST(EditorTextTest, FilesComeInAsCrLfAndGoOutInTheirOwnStyle) {
    EXPECT_EQ(ToCrLfText("\nA\nB\r\nC\rD\n"), "\r\nA\r\nB\r\nC\rD\r\n");
    EXPECT_EQ(ToCrLfText("\r\r\n"), "\r\r\n");
    EXPECT_EQ(DetectLineBreaks("HLT"), LineBreakStyle::CrLf);
    EXPECT_EQ(DetectLineBreaks("A\nB\rC\n"), LineBreakStyle::CrLf);  // a lone CR comes back as CR LF
    // One style of break comes back byte for byte; anything else is announced when opened.
    for (const char* single : {"A\r\nB\r\n", "A\nB", "HLT", ""}) EXPECT_FALSE(MixesLineBreaks(single)) << single;
    for (const char* mixed : {"A\r\nB\n", "A\nB\r\n", "A\rB", "A\nB\r"}) EXPECT_TRUE(MixesLineBreaks(mixed)) << mixed;
    EXPECT_EQ(ToFileText("A\r\nB\rC\r\n", LineBreakStyle::Lf), "A\nB\rC\n");
    EXPECT_EQ(ToFileText("A\r\nB\r", LineBreakStyle::CrLf), "A\r\nB\r");
    EXPECT_EQ(ToFileText("\r", LineBreakStyle::Lf), "\r");
}

TEST(EditorTextTest, TheWidgetHoldsOneCharacterPerBreakAndPositionsCountItAsTwo) {
    using namespace editor_text;
    // Bytes are Latin-1; a wider character comes back as one question mark per UTF-16 unit.
    EXPECT_EQ(ToWidget("A\r\nB\nC\rD\r\xE9"), u"A\nB\nC\nD\n\u00E9");
    EXPECT_EQ(FromWidget(u"A\nB\u2029C\u2028\u00E9\u20AC\U0001F600"), "A\r\nB\r\nC\r\n\xE9???");
    EXPECT_EQ(FromClipboard(u"A\r\nB\rC\nD\u2029\u00E9\u20AC\r"), "A\r\nB\r\nC\r\nD\r\n\xE9?\r\n");

    const std::u16string widget = u"AB\nC\n\nD";  // logical "AB\r\nC\r\n\r\nD"
    const int logical[] = {0, 1, 2, 4, 5, 7, 9, 10};
    for (int w = 0; w <= 7; ++w) {
        EXPECT_EQ(ToLogicalPosition(widget, w), logical[w]) << w;
        EXPECT_EQ(ToWidgetPosition(widget, logical[w]), w) << w;
    }
    EXPECT_EQ(ToWidgetPosition(widget, 3), 2);   // between the CR and the LF: before the break
    EXPECT_EQ(ToWidgetPosition(widget, 99), 7);  // out of range: the nearest end
    EXPECT_EQ(ToWidgetPosition(widget, -1), 0);
    EXPECT_EQ(ToLogicalPosition(widget, 99), 10);
    EXPECT_EQ(ToLogicalPosition(widget, -5), 0);
}

}  // namespace
}  // namespace vantric
