#include "memtools/FillMemoryPresenter.h"

#include "memtools/MemoryBlock.h"

namespace vantric {

FillMemoryPresenter::FillMemoryPresenter(ProcessorState& cpu, AssemblyTables& tables, const DialogFieldState& fields,
                                         platform::FillMemoryDialogView& dialog, platform::MessageBox& messages,
                                         MachineViews& views)
    : cpu_(cpu), tables_(tables), fields_(fields), dialog_(dialog), messages_(messages), views_(views) {}

void FillMemoryPresenter::OnFillClicked() {
    const auto start = ReadBlockAddress(dialog_.StartBox().Text());
    const auto end = ReadBlockAddress(dialog_.EndBox().Text());
    if (!start || !end) return messages_.Beep();
    const std::uint8_t value = ReadFillValue(dialog_.DataBox().Text());
    if (!FillMemoryBlock(cpu_.Memory, *start, *end, value)) return messages_.Beep();

    tables_.RecompileNeeded = true;
    views_.RefreshMemoryGrid();
    dialog_.Hide();
}

}  // namespace vantric
