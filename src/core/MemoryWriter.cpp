#include "core/MemoryWriter.h"

#include "core/HexText.h"

namespace vantric {

void MemoryWriter::ShowInGrid(std::int32_t address, std::uint8_t value) {
    // Memory columns may overlap, so every column that shows the address gets the new byte.
    for (int i = 1; i <= dump_.MemoryColumnCount; ++i) {
        const std::int32_t start = dump_.ColumnStart[static_cast<std::size_t>(i)];
        if (address >= start && address < start + dump_.RowsPerColumn)
            grid_.SetCellText(address - start + 1, 2 * i - 1, HexText(value, 2));
    }
}

}  // namespace vantric
