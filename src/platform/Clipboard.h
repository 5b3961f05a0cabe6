#pragma once
#include <string>

namespace vantric::platform {

// The system clipboard's text, as 8-bit characters with CR LF line breaks.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Empty text when the clipboard holds no text.
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
};

}  // namespace vantric::platform
