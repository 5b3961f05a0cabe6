#include "views/MemoryGridPresenter.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "core/HexText.h"
#include "views/MemoryWriter.h"

namespace vantric {

namespace {
constexpr std::int32_t kLastAddress = 0xFFFF;
constexpr int kColumnPaddingTwips = 100;
}  // namespace

MemoryGridPresenter::MemoryGridPresenter(Machine& machine, MemoryDumpSettings& dump, platform::MemoryGrid& grid)
    : machine_(machine), dump_(dump), grid_(grid) {}

void MemoryGridPresenter::ShowMemoryByte(std::uint16_t address, std::uint8_t value) {
    ShowByteInGrid(dump_, grid_, address, value);
}

void MemoryGridPresenter::RefreshMemoryGrid() {
    const int rows = std::max(dump_.RowsPerColumn, 1);
    const int columns = std::clamp(dump_.MemoryColumnCount, 0, static_cast<int>(dump_.ColumnStart.size()) - 1);
    const bool rebuild = dump_.GridRebuildNeeded;
    auto start = [&](int i) { return dump_.ColumnStart[static_cast<std::size_t>(i)]; };

    // Hidden while it is built, so that nobody sees half a grid.
    grid_.SetVisible(false);
    if (grid_.Cols() != 2 * columns) grid_.SetCols(2 * columns);
    if (grid_.Rows() != rows + 1) grid_.SetRows(rows + 1);

    if (rebuild) {
        const int addressWidth = grid_.TextWidth("Columns") + kColumnPaddingTwips;
        const int dataWidth = grid_.TextWidth("Data") + kColumnPaddingTwips;
        for (int i = 1; i <= columns; ++i) StyleMemoryColumn(2 * i - 2, start(i), rows, addressWidth, dataWidth);
        // Moving the current cell closes the direct entry box.
        if (columns > 0) grid_.SetCurrentCell(1, 0);
        std::vector<std::pair<std::int32_t, std::int32_t>> shown;
        for (int i = 1; i <= columns; ++i) shown.emplace_back(start(i), rows);
        machine_.WatchOnly(shown);
    }

    for (int i = 1; i <= columns; ++i) {
        const int addressColumn = 2 * i - 2;
        const int dataColumn = 2 * i - 1;
        grid_.SetCellText(0, addressColumn, "Address");
        grid_.SetCellText(0, dataColumn, "Data");
        grid_.SetColumnAlignment(addressColumn, platform::CellAlignment::Left);
        grid_.SetColumnAlignment(dataColumn, platform::CellAlignment::Left);
        for (int row = 1; row <= rows; ++row) {
            const std::int32_t address = start(i) + row - 1;
            if (address >= 0 && address <= kLastAddress) {
                if (rebuild) grid_.SetCellText(row, addressColumn, HexText(address, 4));
                grid_.SetCellText(row, dataColumn,
                                  HexText(machine_.State().Memory[static_cast<std::size_t>(address)], 2));
            } else if (rebuild) {
                grid_.SetCellText(row, addressColumn, {});
                grid_.SetCellText(row, dataColumn, {});
            }
        }
    }
    dump_.GridRebuildNeeded = false;

    if (grid_.Cols() > 0) grid_.ScrollTo(1, 0);
    grid_.SetVisible(true);
}

// Widths and colours of one memory column; rows past FFFF are grey.
void MemoryGridPresenter::StyleMemoryColumn(int column, std::int32_t start, int rows, int addressWidth, int dataWidth) {
    grid_.SetColumnWidth(column + 1, dataWidth);
    grid_.SetColumnWidth(column, addressWidth);
    grid_.SetCellStyle(column, 1, rows, kAddressCellColour, true);
    grid_.SetCellStyle(column + 1, 1, rows, kDataCellColour, false);
    const std::int64_t firstPastEnd = std::int64_t{kLastAddress} - start + 2;  // row of address 10000H
    if (firstPastEnd <= rows) {
        const int first = static_cast<int>(std::max<std::int64_t>(firstPastEnd, 1));
        grid_.SetCellStyle(column, first, rows, kAddressPastEndColour, true);
        grid_.SetCellStyle(column + 1, first, rows, kDataPastEndColour, false);
    }
}

}  // namespace vantric
