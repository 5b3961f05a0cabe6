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

    // A byte the user typed: Memory[address] = value, shown in the grid whatever the run state, so
    // that the cell never contradicts what was just entered.
    void WriteUserByte(std::int32_t address, std::uint8_t value) {
        const auto a = static_cast<std::uint16_t>(address);
        state_.Memory[a] = value;
        ShowByteInGrid(dump_, grid_, a, value);
    }

private:
    ProcessorState& state_;
    const MemoryDumpSettings& dump_;
    platform::MemoryGrid& grid_;
};

}  // namespace vantric
