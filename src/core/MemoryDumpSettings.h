#pragma once
#include <cstdint>
#include <vector>

namespace vantric {

// Which addresses the memory grid shows: `MemoryColumnCount` runs of `RowsPerColumn` consecutive
// addresses, memory column i starting at ColumnStart[i] (entry 0 is not used).
struct MemoryDumpSettings {
    int MemoryColumnCount = 3;
    int RowsPerColumn = 64;
    std::vector<std::int32_t> ColumnStart{0, 0x1000, 0x2000, 0x3000};
    bool GridRebuildNeeded = true;  // the next refresh rebuilds headings, widths and address cells
};

}  // namespace vantric
