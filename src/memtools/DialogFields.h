#pragma once
// The text fields of the small dialogs: a field that receives the input focus selects its whole text,
// so that typing replaces the value it kept from the last use.

#include "platform/TextBox.h"

namespace vantric {

struct DialogFieldState {
    bool SelectAllText = true;  // fields select their whole text on receiving the focus
};

// Selection start 0, selection length the length of the field's text.
inline void SelectAllText(platform::TextBox& field) {
    field.SetSelStart(0);
    field.SetSelLength(static_cast<int>(field.Text().size()));
}

// What a dialog field does when it receives the focus.
inline void DialogFieldGotFocus(const DialogFieldState& state, platform::TextBox& field) {
    if (state.SelectAllText) SelectAllText(field);
}

}  // namespace vantric
