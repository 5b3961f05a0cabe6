#pragma once
#include <string>

namespace vantric::platform {

// The memory grid: one fixed heading row (row 0), then one row per dumped address;
// memory column i shows its addresses in grid column 2i - 2 and their bytes in 2i - 1.
class MemoryGrid {
public:
    virtual ~MemoryGrid() = default;
    virtual void SetCellText(int row, int column, const std::string& text) = 0;
};

}  // namespace vantric::platform
