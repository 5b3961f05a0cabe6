#include "views/MemoryWriter.h"

#include "core/HexText.h"

namespace vantric {

void ShowByteInGrid(const MemoryDumpSettings& dump, platform::MemoryGrid& grid, std::int32_t address,
                    std::uint8_t value) {
    // Memory columns may overlap, so every column that shows the address gets the new byte.
    for (int i = 1; i <= dump.MemoryColumnCount; ++i) {
        const std::int32_t start = dump.ColumnStart[static_cast<std::size_t>(i)];
        if (address >= start && address < start + dump.RowsPerColumn)
            grid.SetCellText(address - start + 1, 2 * i - 1, HexText(value, 2));
    }
}

}  // namespace vantric
