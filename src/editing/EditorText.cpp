#include "editing/EditorText.h"

#include <algorithm>

namespace vantric::editor_text {

namespace {

bool IsWidgetBreak(char16_t c) { return c == u'\n' || c == u'\u2029' || c == u'\u2028'; }

}  // namespace

std::u16string ToWidget(std::string_view logical) {
    std::u16string widget;
    widget.reserve(logical.size());
    for (std::size_t i = 0; i < logical.size(); ++i) {
        const char c = logical[i];
        if (c == '\r') {
            if (i + 1 < logical.size() && logical[i + 1] == '\n') ++i;
            widget.push_back(u'\n');
        } else if (c == '\n') {
            widget.push_back(u'\n');
        } else {
            widget.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
        }
    }
    return widget;
}

std::string FromWidget(std::u16string_view widget) {
    std::string logical;
    logical.reserve(widget.size() + widget.size() / 16);
    for (const char16_t c : widget) {
        if (IsWidgetBreak(c))
            logical += "\r\n";
        else
            logical.push_back(c <= 0xFF ? static_cast<char>(c) : '?');
    }
    return logical;
}

std::string FromClipboard(std::u16string_view text) {
    std::string logical;
    logical.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r' || IsWidgetBreak(c)) {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            logical += "\r\n";
        } else {
            logical.push_back(c <= 0xFF ? static_cast<char>(c) : '?');
        }
    }
    return logical;
}

int ToWidgetPosition(std::u16string_view widget, int logicalPosition) {
    int logical = 0;
    for (std::size_t i = 0; i < widget.size(); ++i) {
        const int width = IsWidgetBreak(widget[i]) ? 2 : 1;
        if (logical + width > logicalPosition) return static_cast<int>(i);
        logical += width;
    }
    return static_cast<int>(widget.size());
}

int ToLogicalPosition(std::u16string_view widget, int widgetPosition) {
    const auto end = static_cast<std::size_t>(std::clamp(widgetPosition, 0, static_cast<int>(widget.size())));
    int logical = 0;
    for (std::size_t i = 0; i < end; ++i) logical += IsWidgetBreak(widget[i]) ? 2 : 1;
    return logical;
}

}  // namespace vantric::editor_text
