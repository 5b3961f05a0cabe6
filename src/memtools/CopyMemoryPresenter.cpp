#include "memtools/CopyMemoryPresenter.h"

#include "memtools/MemoryBlock.h"

namespace vantric {

CopyMemoryPresenter::CopyMemoryPresenter(ProcessorState& cpu, AssemblyTables& tables, const DialogFieldState& fields,
                                         platform::CopyMemoryDialogView& dialog, platform::MessageBox& messages,
                                         MachineViews& views)
    : cpu_(cpu), tables_(tables), fields_(fields), dialog_(dialog), messages_(messages), views_(views) {}

void CopyMemoryPresenter::OnCopyClicked() {
    const auto start = ReadBlockAddress(dialog_.StartBox().Text());
    const auto end = ReadBlockAddress(dialog_.EndBox().Text());
    const auto destination = ReadBlockAddress(dialog_.DestinationBox().Text());
    if (!start || !end || !destination) return messages_.Beep();
    if (!CopyMemoryBlock(cpu_.Memory, *start, *end, *destination)) return messages_.Beep();

    tables_.RecompileNeeded = true;
    views_.RefreshMemoryGrid();
    dialog_.Hide();
}

}  // namespace vantric
