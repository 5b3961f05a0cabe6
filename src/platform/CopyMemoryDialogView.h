#pragma once

#include "platform/TextBox.h"

namespace vantric::platform {

// The modal dialog "Copy memory block": the source's start and end address, the destination's start
// address (four characters each), the Copy button (default) and Cancel (cancel button). Created once;
// closing only hides it, so the fields keep their text.
class CopyMemoryDialogView {
public:
    virtual ~CopyMemoryDialogView() = default;
    // Returns when the dialog is hidden again.
    virtual void ShowModal() = 0;
    virtual void Hide() = 0;
    virtual TextBox& StartBox() = 0;        // txtStAdd
    virtual TextBox& EndBox() = 0;          // txtEndAdd
    virtual TextBox& DestinationBox() = 0;  // txtDest
};

}  // namespace vantric::platform
