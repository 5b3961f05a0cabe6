#pragma once

#include "platform/TextBox.h"

namespace vantric::platform {

// The modal dialog "Fill Memory": start and end address (four characters each), the fill value (two
// characters), the Fill button (default) and Cancel (cancel button). Created once; closing only
// hides it, so the fields keep their text.
class FillMemoryDialogView {
public:
    virtual ~FillMemoryDialogView() = default;
    // Returns when the dialog is hidden again.
    virtual void ShowModal() = 0;
    virtual void Hide() = 0;
    virtual TextBox& StartBox() = 0;  // txtStAdd
    virtual TextBox& EndBox() = 0;    // txtEndAdd
    virtual TextBox& DataBox() = 0;   // txtFillData
};

}  // namespace vantric::platform
