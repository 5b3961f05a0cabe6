#pragma once
// Stores into simulated memory that must also appear in the memory grid.

#include <cstdint>

#include "core/MemoryDumpSettings.h"
#include "core/ProcessorState.h"
#include "platform/MemoryGrid.h"

namespace vantric {

// Shows `value` in every data cell of the grid whose memory column holds `address`.
void ShowByteInGrid(const MemoryDumpSettings& dump, platform::MemoryGrid& grid, std::int32_t address,
                    std::uint8_t value);

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
        ShowByteInGrid(dump_, grid_, a, static_cast<std::uint8_t>(value));
    }

private:

    ProcessorState& state_;
    const MemoryDumpSettings& dump_;
    platform::MemoryGrid& grid_;
};

}  // namespace vantric
