#pragma once
// The source editor's text in its two forms. The logic sees 8-bit (Latin-1) characters with CR LF
// line breaks, and its positions count a CR LF as two characters. A plain-text widget keeps UTF-16
// with one character per line break ('\n', or U+2029 / U+2028 as a rich-text document stores them).
// Front ends convert text and positions here, and nowhere else.

#include <string>
#include <string_view>

namespace vantric::editor_text {

// CR LF, a lone CR and a lone LF each become one '\n'; every other byte becomes the same code point.
std::u16string ToWidget(std::string_view logical);

// Each widget line break becomes CR LF; a character that 8 bits cannot hold becomes '?', one per
// UTF-16 unit, so positions keep counting alike.
std::string FromWidget(std::u16string_view widget);

// Text that another program put on the clipboard, whatever its line breaks: CR LF, a lone CR, a lone
// LF and the widget's breaks each become CR LF; other characters as FromWidget.
std::string FromClipboard(std::u16string_view text);

// A logical position in the widget's text. A position between the CR and the LF of a break maps to
// the place before the break; one past the end maps to the end.
int ToWidgetPosition(std::u16string_view widget, int logicalPosition);

// A widget position in the logical text.
int ToLogicalPosition(std::u16string_view widget, int widgetPosition);

}  // namespace vantric::editor_text
