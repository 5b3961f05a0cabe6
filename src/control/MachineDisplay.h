#pragma once
// Shows what the engine reports: warnings in the run window's progress list (also while that window
// is not on screen), the line of PC in the editor, watched memory in the grid and the registers.

#include "core/MachineObserver.h"
#include "core/MachineViews.h"
#include "platform/Editor.h"
#include "platform/ListBox.h"

namespace vantric {

// "Warning : Instruction OUT (D3H) not supported."
std::string UnsupportedInstructionWarning(const char* name, std::uint8_t opcode);

class MachineDisplay : public MachineObserver {
public:
    MachineDisplay(platform::ListBox& progress, platform::Editor& editor, MachineViews& views)
        : progress_(progress), editor_(editor), views_(views) {}

    void WatchedMemoryChanged(std::uint16_t address, std::uint8_t value) override {
        views_.ShowMemoryByte(address, value);
    }
    void RegistersChanged() override { views_.RefreshRegisterPanel(true); }
    void UnsupportedInstruction(const char* name, std::uint8_t opcode) override {
        progress_.AddItem(UnsupportedInstructionWarning(name, opcode));
    }
    void SelectLine(std::int32_t start, std::int32_t length) override {
        editor_.SetSelStart(start);
        editor_.SetSelLength(length);
        editor_.MarkCurrentLine(start);
    }

private:
    platform::ListBox& progress_;
    platform::Editor& editor_;
    MachineViews& views_;
};

}  // namespace vantric
