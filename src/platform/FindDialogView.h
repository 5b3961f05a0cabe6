#pragma once
#include <string>

#include "platform/TextBox.h"

namespace vantric::platform {

// The modal dialog "findDialog": the search text, the replacement text, and the Find next, Close,
// Replace and Replace all buttons. It is created once and only hidden, so its fields keep their text.
class FindDialogView {
public:
    virtual ~FindDialogView() = default;
    // Shows the dialog modally; each showing activates it once. Returns when it is hidden again.
    virtual void ShowModal() = 0;
    virtual void Hide() = 0;
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual TextBox& FindBox() = 0;     // "Find what"
    virtual TextBox& ReplaceBox() = 0;  // "Replace with"
    // Enables or disables the replacement field and the two replace buttons; the disabled field takes
    // the inactive-caption text colour as its background, the enabled one the search field's.
    virtual void SetReplaceEnabled(bool enabled) = 0;
    virtual void FocusFindButton() = 0;
};

}  // namespace vantric::platform
