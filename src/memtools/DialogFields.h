#pragma once
// The text fields of the small dialogs: a field that receives the input focus selects its whole text,
// so that typing replaces the value it kept from the last use.

#include "platform/TextBox.h"

namespace vantric {

struct DialogFieldState {
    bool SelectAllText = true;  // fields select their whole text on receiving the focus
};

// What a dialog field does when it receives the focus.
inline void DialogFieldGotFocus(const DialogFieldState& state, platform::TextBox& field) {
    if (state.SelectAllText) platform::SelectAllText(field);
}

}  // namespace vantric
