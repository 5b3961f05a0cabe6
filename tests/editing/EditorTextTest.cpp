#include "editing/EditorText.h"

#include <gtest/gtest.h>

namespace vantric::editor_text {
namespace {

TEST(EditorTextTest, LineBreaksBecomeOneWidgetCharacterAndComeBackAsCrLf) {
    EXPECT_EQ(ToWidget("MVI A,1\r\nHLT\r\n"), u"MVI A,1\nHLT\n");
    EXPECT_EQ(FromWidget(u"MVI A,1\nHLT\n"), "MVI A,1\r\nHLT\r\n");
    // Blocks of a rich-text document are separated by U+2029; a soft break is U+2028.
    EXPECT_EQ(FromWidget(u"A\u2029B\u2028C"), "A\r\nB\r\nC");
    // Lone breaks are line breaks in the widget, so they return as CR LF.
    EXPECT_EQ(ToWidget("A\nB\rC\r"), u"A\nB\nC\n");
    EXPECT_EQ(FromWidget(ToWidget("A\nB")), "A\r\nB");
}

TEST(EditorTextTest, BytesMapToLatin1AndWiderCharactersToOneQuestionMarkPerUnit) {
    EXPECT_EQ(ToWidget("\xE9\xA0;"), u"\u00E9\u00A0;");
    EXPECT_EQ(FromWidget(u"\u00E9\u00A0;"), "\xE9\xA0;");
    EXPECT_EQ(FromWidget(u"\u20AC\U0001F600x"), "???x");
}

TEST(EditorTextTest, PositionsCountEachBreakAsTwoOnTheLogicalSide) {
    const std::u16string widget = u"AB\nC\n\nD";  // logical "AB\r\nC\r\n\r\nD"
    const int logical[] = {0, 1, 2, 4, 5, 7, 9, 10};
    for (int w = 0; w <= 7; ++w) {
        EXPECT_EQ(ToLogicalPosition(widget, w), logical[w]) << w;
        EXPECT_EQ(ToWidgetPosition(widget, logical[w]), w) << w;
    }
    // Between the CR and the LF: before the break.
    EXPECT_EQ(ToWidgetPosition(widget, 3), 2);
    EXPECT_EQ(ToWidgetPosition(widget, 8), 5);
    // Out of range on either side.
    EXPECT_EQ(ToWidgetPosition(widget, 99), 7);
    EXPECT_EQ(ToWidgetPosition(widget, -1), 0);
    EXPECT_EQ(ToLogicalPosition(widget, 99), 10);
    EXPECT_EQ(ToLogicalPosition(widget, -5), 0);
}

}  // namespace
}  // namespace vantric::editor_text
