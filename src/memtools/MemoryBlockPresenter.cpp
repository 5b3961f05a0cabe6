#include "memtools/MemoryBlockPresenter.h"

#include "memtools/MemoryBlock.h"

namespace vantric {

using platform::BlockField;

MemoryBlockPresenter::MemoryBlockPresenter(BlockCommand command, ProcessorState& cpu, AssemblyTables& program,
                                           const DialogFieldState& fields, platform::MemoryBlockDialogView& dialog,
                                           platform::MessageBox& messages, MachineViews& views)
    : command_(command),
      cpu_(cpu),
      program_(program),
      fields_(fields),
      dialog_(dialog),
      messages_(messages),
      views_(views) {}

bool MemoryBlockPresenter::Perform() {
    const auto start = ReadBlockAddress(dialog_.Field(BlockField::Start).Text());
    const auto end = ReadBlockAddress(dialog_.Field(BlockField::End).Text());
    if (!start || !end) return false;
    const std::string target = dialog_.Field(BlockField::Target).Text();
    if (command_ == BlockCommand::Fill) return FillMemoryBlock(cpu_.Memory, *start, *end, ReadFillValue(target));
    const auto destination = ReadBlockAddress(target);
    return destination && CopyMemoryBlock(cpu_.Memory, *start, *end, *destination);
}

void MemoryBlockPresenter::OnActionClicked() {
    if (!Perform()) return messages_.Beep();
    program_.RecompileNeeded = true;
    views_.RefreshMemoryGrid();
    dialog_.Hide();
}

}  // namespace vantric
