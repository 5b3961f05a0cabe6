#pragma once
// The main window's views of the machine state as one MachineViews: the register panel and the
// memory grid, refreshed by execution, reset and the Refresh command.

#include "core/MachineViews.h"
#include "core/MemoryDumpSettings.h"
#include "views/MemoryGridPresenter.h"
#include "views/RegisterPanelPresenter.h"

namespace vantric {

class MachineViewsPresenter : public MachineViews {
public:
    MachineViewsPresenter(RegisterPanelPresenter& registers, MemoryGridPresenter& grid, MemoryDumpSettings& dump)
        : registers_(registers), grid_(grid), dump_(dump) {}

    void RefreshRegisterPanel(bool keepStatusText) override { registers_.RefreshRegisterPanel(keepStatusText); }
    void RefreshMemoryGrid() override { grid_.RefreshMemoryGrid(); }
    void ShowMemoryByte(std::uint16_t address, std::uint8_t value) override { grid_.ShowMemoryByte(address, value); }

    // The Refresh command: the grid rebuilt from scratch, then the register panel.
    void Refresh() {
        dump_.GridRebuildNeeded = true;
        grid_.RefreshMemoryGrid();
        registers_.RefreshRegisterPanel(false);
    }

private:
    RegisterPanelPresenter& registers_;
    MemoryGridPresenter& grid_;
    MemoryDumpSettings& dump_;
};

}  // namespace vantric
