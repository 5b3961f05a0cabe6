#pragma once
// The memory grid "System RAM": memory columns of consecutive addresses, each an address column
// and a data column, built and refreshed from the dump settings and Memory.

#include <cstdint>

#include "core/Machine.h"
#include "core/MemoryDumpSettings.h"
#include "platform/MemoryGrid.h"

namespace vantric {

inline constexpr std::uint32_t kAddressCellColour = 0xFFFFC0;  // light yellow, bold
inline constexpr std::uint32_t kDataCellColour = 0xFFFFFF;
inline constexpr std::uint32_t kAddressPastEndColour = 0xE0E0E0;  // rows beyond FFFF
inline constexpr std::uint32_t kDataPastEndColour = 0xF0F0F0;

class MemoryGridPresenter {
public:
    MemoryGridPresenter(Machine& machine, MemoryDumpSettings& dump, platform::MemoryGrid& grid);

    // Writes every data cell from Memory; when GridRebuildNeeded, first sizes the columns, colours
    // the cells, writes the address cells, puts the current cell on row 1, column 0 and has the
    // engine watch the addresses shown. Ends scrolled back to the first row and column.
    void RefreshMemoryGrid();
    // Shows `value` in every data cell of `address`.
    void ShowMemoryByte(std::uint16_t address, std::uint8_t value);

private:
    void StyleMemoryColumn(int column, std::int32_t start, int rows, int addressWidth, int dataWidth);

    Machine& machine_;
    MemoryDumpSettings& dump_;
    platform::MemoryGrid& grid_;
};

}  // namespace vantric
