#pragma once
// The dialog "Copy memory block": copies an address range to another start address, overlapping
// ranges included. Invalid input, and a destination block that would run past FFFF, are answered
// with the beep alone and change nothing.

#include "core/AssemblyTables.h"
#include "core/MachineViews.h"
#include "core/ProcessorState.h"
#include "memtools/DialogFields.h"
#include "platform/CopyMemoryDialogView.h"
#include "platform/MessageBox.h"

namespace vantric {

class CopyMemoryPresenter {
public:
    CopyMemoryPresenter(ProcessorState& cpu, AssemblyTables& tables, const DialogFieldState& fields,
                        platform::CopyMemoryDialogView& dialog, platform::MessageBox& messages, MachineViews& views);

    // The "Copy memory block" command: shows the dialog modally.
    void ShowDialog() { dialog_.ShowModal(); }

    void OnStartFieldFocused() { DialogFieldGotFocus(fields_, dialog_.StartBox()); }
    void OnEndFieldFocused() { DialogFieldGotFocus(fields_, dialog_.EndBox()); }
    void OnDestinationFieldFocused() { DialogFieldGotFocus(fields_, dialog_.DestinationBox()); }
    void OnCopyClicked();
    void OnCancelClicked() { dialog_.Hide(); }

private:
    ProcessorState& cpu_;
    AssemblyTables& tables_;
    const DialogFieldState& fields_;
    platform::CopyMemoryDialogView& dialog_;
    platform::MessageBox& messages_;
    MachineViews& views_;
};

}  // namespace vantric
