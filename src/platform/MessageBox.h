#pragma once
#include <string>

namespace vantric::platform {

inline constexpr const char* kApplicationTitle = "Vantric";

enum class MessageButtons { Ok, YesNoCancel };
enum class MessageIcon { None, Critical };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// Modal message boxes and the system beep.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Modal; Yes is the default button of a Yes/No/Cancel box. Returns the button pressed.
    virtual MessageAnswer Show(const std::string& text, const std::string& title = kApplicationTitle,
                               MessageButtons buttons = MessageButtons::Ok, MessageIcon icon = MessageIcon::None) = 0;
    virtual void Beep() = 0;
};

}  // namespace vantric::platform
