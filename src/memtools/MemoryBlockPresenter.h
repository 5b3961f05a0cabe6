#pragma once
// The dialogs "Fill Memory" (one byte value over an address range) and "Copy memory block" (an
// address range to another start address, overlapping ranges included). Invalid input, and a copy
// whose destination would run past FFFF, are answered with the beep alone and change nothing.

#include "core/AssemblyTables.h"
#include "core/MachineViews.h"
#include "core/ProcessorState.h"
#include "memtools/DialogFields.h"
#include "platform/MemoryBlockDialogView.h"
#include "platform/MessageBox.h"

namespace vantric {

enum class BlockCommand { Fill, Copy };

class MemoryBlockPresenter {
public:
    MemoryBlockPresenter(BlockCommand command, ProcessorState& cpu, AssemblyTables& program,
                         const DialogFieldState& fields, platform::MemoryBlockDialogView& dialog,
                         platform::MessageBox& messages, MachineViews& views);

    // The "Fill memory block" or "Copy memory block" command: shows the dialog modally.
    void ShowDialog() { dialog_.ShowModal(); }

    void OnFieldFocused(platform::BlockField field) { DialogFieldGotFocus(fields_, dialog_.Field(field)); }
    // Fill or Copy: changes memory and closes the dialog, or beeps and changes nothing.
    void OnActionClicked();
    void OnCancelClicked() { dialog_.Hide(); }

private:
    bool Perform();

    BlockCommand command_;
    ProcessorState& cpu_;
    AssemblyTables& program_;
    const DialogFieldState& fields_;
    platform::MemoryBlockDialogView& dialog_;
    platform::MessageBox& messages_;
    MachineViews& views_;
};

}  // namespace vantric
