#include "views/DirectEntryPresenter.h"

#include <optional>
#include <utility>

#include "core/HexText.h"
#include "platform/KeyCodes.h"

namespace vantric {

namespace {
bool IsDataColumn(int column) { return column >= 0 && column % 2 == 1; }
}  // namespace

DirectEntryPresenter::DirectEntryPresenter(AppState& app, MemoryWriter& memory, platform::MemoryGrid& grid,
                                           platform::FloatingTextBox& box, platform::Window& mainWindow,
                                           std::function<bool()> windowHasFocus)
    : app_(app),
      memory_(memory),
      grid_(grid),
      box_(box),
      mainWindow_(mainWindow),
      windowHasFocus_(std::move(windowHasFocus)) {}

void DirectEntryPresenter::ShowEntryBox() {
    const int column = grid_.Col();
    if (!IsDataColumn(column)) {
        entryColumn_ = -1;
        box_.SetVisible(false);
        if (windowHasFocus_ && windowHasFocus_()) grid_.SetFocus();
        return;
    }
    entryColumn_ = column;
    entryRow_ = grid_.Row();
    // Rows past FFFF have an empty address cell and take no entry.
    const std::optional<std::int32_t> address = EntryAddress();
    if (grid_.CellText(entryRow_, column - 1).empty() || !address) {
        box_.SetVisible(false);
        return;
    }
    const platform::Rect grid = grid_.Bounds();
    const platform::Rect cell = grid_.CurrentCellRect();
    box_.Move({grid.left + cell.left, grid.top + cell.top, cell.width, cell.height});
    // From memory, not from the cell: during a run that does not monitor memory the cell may be stale.
    box_.SetText(HexText(app_.Processor.Memory[static_cast<std::size_t>(*address)], 2));
    box_.SetVisible(true);
    box_.SetSelStart(0);
    box_.SetSelLength(static_cast<int>(box_.Text().size()));
    box_.SetFocus();
}

void DirectEntryPresenter::CommitEntry() {
    if (!grid_.IsVisible()) return;
    app_.Assembly.RecompileNeeded = true;
    if (entryColumn_ < 0) return;
    const auto value = static_cast<std::uint8_t>(ReadLeadingHex(box_.Text()) & 0xFF);
    const std::optional<std::int32_t> address = EntryAddress();
    if (address && app_.Processor.Memory[static_cast<std::size_t>(*address)] != value)
        memory_.WriteUserByte(*address, value);
    entryColumn_ = -1;
}

std::optional<std::int32_t> DirectEntryPresenter::EntryAddress() const {
    const int i = (entryColumn_ + 1) / 2;
    const MemoryDumpSettings& dump = app_.MemoryDump;
    if (!IsDataColumn(entryColumn_) || i > dump.MemoryColumnCount || i >= static_cast<int>(dump.ColumnStart.size()))
        return std::nullopt;
    const std::int64_t address = std::int64_t{dump.ColumnStart[static_cast<std::size_t>(i)]} + entryRow_ - 1;
    if (address < 0 || address > 0xFFFF) return std::nullopt;
    return static_cast<std::int32_t>(address);
}

void DirectEntryPresenter::HideEntryBox() { box_.SetVisible(false); }

void DirectEntryPresenter::grdMem_Click() { ShowEntryBox(); }

void DirectEntryPresenter::grdMem_RowColChange() {
    if (!mainWindow_.IsVisible()) return;
    CommitEntry();
    ShowEntryBox();
}

void DirectEntryPresenter::grdMem_Scroll() {
    if (grid_.IsVisible()) grid_.SetFocus();
}

void DirectEntryPresenter::txtEntry_GotFocus() {
    box_.SetSelStart(0);
    box_.SetSelLength(static_cast<int>(box_.Text().size()));
    entryKeepOpen_ = false;
}

void DirectEntryPresenter::txtEntry_LostFocus() {
    CommitEntry();
    if (entryKeepOpen_) return;
    box_.SetVisible(false);
    box_.SetText({});
}

void DirectEntryPresenter::txtEntry_KeyDown(int& keyCode) {
    if (keyCode == platform::kKeyUp) {
        CommitAndMove(-1);
        keyCode = platform::kKeyCancelled;
    } else if (keyCode == platform::kKeyDown) {
        CommitAndMove(1);
        keyCode = platform::kKeyCancelled;
    }
}

void DirectEntryPresenter::txtEntry_KeyPress(int& keyAscii) {
    if (keyAscii != platform::kKeyReturn) return;
    CommitAndMove(1);
    keyAscii = platform::kKeyCancelled;
}

// The value becomes pending again in the grid's current column, goes into Memory, and the grid's
// current row moves unless it is already the first or last; the cell change reopens the box there.
void DirectEntryPresenter::CommitAndMove(int rowStep) {
    entryColumn_ = grid_.Col();
    CommitEntry();
    const int row = grid_.Row();
    if (rowStep < 0 && row >= 2) grid_.SetCurrentCell(row - 1, grid_.Col());
    if (rowStep > 0 && row < grid_.Rows() - 1) grid_.SetCurrentCell(row + 1, grid_.Col());
    entryKeepOpen_ = true;
}

}  // namespace vantric
