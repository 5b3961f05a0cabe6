#pragma once
// Stores into simulated memory that must also appear in the memory grid.

#include <cstdint>

#include "core/MemoryDumpSettings.h"
#include "core/ProcessorState.h"
#include "platform/MemoryGrid.h"

namespace vantric {

class MemoryWriter {
public:
    MemoryWriter(ProcessorState& state, const MemoryDumpSettings& dump, platform::MemoryGrid& grid)
        : state_(state), dump_(dump), grid_(grid) {}

    // Memory[address] = value; the grid cells that show the address follow, except during a
    // full-speed run with memory monitoring off.
    void WriteMemory(std::int32_t address, std::int32_t value) {
        const auto a = static_cast<std::uint16_t>(address);
        state_.Memory[a] = static_cast<std::uint8_t>(value);
        if (state_.Running && !state_.StepMode && !state_.MonitorMemory) return;
        ShowInGrid(a, static_cast<std::uint8_t>(value));
    }

    // A byte the user typed: Memory[address] = value, shown in the grid whatever the run state, so
    // that the cell never contradicts what was just entered.
    void WriteUserByte(std::int32_t address, std::uint8_t value) {
        const auto a = static_cast<std::uint16_t>(address);
        state_.Memory[a] = value;
        ShowInGrid(a, value);
    }

private:
    void ShowInGrid(std::int32_t address, std::uint8_t value);

    ProcessorState& state_;
    const MemoryDumpSettings& dump_;
    platform::MemoryGrid& grid_;
};

}  // namespace vantric
