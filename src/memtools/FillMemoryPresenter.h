#pragma once
// The dialog "Fill Memory": stores one byte value over an address range. Invalid input is answered
// with the beep alone and changes nothing.

#include "core/AssemblyTables.h"
#include "core/MachineViews.h"
#include "core/ProcessorState.h"
#include "memtools/DialogFields.h"
#include "platform/FillMemoryDialogView.h"
#include "platform/MessageBox.h"

namespace vantric {

class FillMemoryPresenter {
public:
    FillMemoryPresenter(ProcessorState& cpu, AssemblyTables& tables, const DialogFieldState& fields,
                        platform::FillMemoryDialogView& dialog, platform::MessageBox& messages, MachineViews& views);

    // The "Fill memory block" command: shows the dialog modally.
    void ShowDialog() { dialog_.ShowModal(); }

    void OnStartFieldFocused() { DialogFieldGotFocus(fields_, dialog_.StartBox()); }
    void OnEndFieldFocused() { DialogFieldGotFocus(fields_, dialog_.EndBox()); }
    void OnDataFieldFocused() { DialogFieldGotFocus(fields_, dialog_.DataBox()); }
    void OnFillClicked();
    void OnCancelClicked() { dialog_.Hide(); }

private:
    ProcessorState& cpu_;
    AssemblyTables& tables_;
    const DialogFieldState& fields_;
    platform::FillMemoryDialogView& dialog_;
    platform::MessageBox& messages_;
    MachineViews& views_;
};

}  // namespace vantric
