#include "views/DirectEntryPresenter.h"

#include <optional>
#include <utility>

#include "core/HexText.h"
#include "platform/Keys.h"

namespace vantric {

namespace {
bool IsDataColumn(int column) { return column >= 0 && column % 2 == 1; }
}  // namespace

DirectEntryPresenter::DirectEntryPresenter(const ProcessorState& cpu, AssemblyTables& program,
                                           const MemoryDumpSettings& dump, MemoryWriter& memory,
                                           platform::MemoryGrid& grid, platform::FloatingTextBox& box,
                                           platform::Window& mainWindow, std::function<bool()> windowHasFocus)
    : cpu_(cpu),
      program_(program),
      dump_(dump),
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
    box_.SetText(HexText(cpu_.Memory[static_cast<std::size_t>(*address)], 2));
    box_.SetVisible(true);
    platform::SelectAllText(box_);
    box_.SetFocus();
}

void DirectEntryPresenter::CommitEntry() {
    if (!grid_.IsVisible()) return;
    program_.RecompileNeeded = true;
    if (entryColumn_ < 0) return;
    const auto value = static_cast<std::uint8_t>(ReadLeadingHex(box_.Text()) & 0xFF);
    const std::optional<std::int32_t> address = EntryAddress();
    if (address && cpu_.Memory[static_cast<std::size_t>(*address)] != value) memory_.WriteUserByte(*address, value);
    entryColumn_ = -1;
}

std::optional<std::int32_t> DirectEntryPresenter::EntryAddress() const {
    const int i = (entryColumn_ + 1) / 2;
    const MemoryDumpSettings& dump = dump_;
    if (!IsDataColumn(entryColumn_) || i > dump.MemoryColumnCount || i >= static_cast<int>(dump.ColumnStart.size()))
        return std::nullopt;
    const std::int64_t address = std::int64_t{dump.ColumnStart[static_cast<std::size_t>(i)]} + entryRow_ - 1;
    if (address < 0 || address > 0xFFFF) return std::nullopt;
    return static_cast<std::int32_t>(address);
}

void DirectEntryPresenter::HideEntryBox() { box_.SetVisible(false); }

void DirectEntryPresenter::OnGridClicked() { ShowEntryBox(); }

void DirectEntryPresenter::OnCurrentCellChanged() {
    if (!mainWindow_.IsVisible()) return;
    CommitEntry();
    ShowEntryBox();
}

void DirectEntryPresenter::OnGridScrolled() {
    if (grid_.IsVisible()) grid_.SetFocus();
}

void DirectEntryPresenter::OnEntryFocused() {
    platform::SelectAllText(box_);
    entryKeepOpen_ = false;
}

void DirectEntryPresenter::OnEntryLeft() {
    CommitEntry();
    if (entryKeepOpen_) return;
    box_.SetVisible(false);
    box_.SetText({});
}

bool DirectEntryPresenter::OnEntryKey(platform::Key key) {
    if (key == platform::Key::Up) {
        CommitAndMove(-1);
        return true;
    }
    if (key == platform::Key::Down || key == platform::Key::Return) {
        CommitAndMove(1);
        return true;
    }
    return false;
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
