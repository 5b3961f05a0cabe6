#pragma once
// The direct entry box: a two-character box laid over a data cell of the memory grid, whose value
// goes into Memory on Enter, on the arrow keys or when the box loses the focus.

#include <cstdint>
#include <functional>
#include <optional>

#include "core/AssemblyTables.h"
#include "core/MemoryDumpSettings.h"
#include "core/ProcessorState.h"
#include "platform/Keys.h"
#include "platform/MemoryGrid.h"
#include "platform/TextBox.h"
#include "platform/Window.h"
#include "views/MemoryWriter.h"

namespace vantric {

class DirectEntryPresenter {
public:
    // mainWindow answers whether the main window is visible; windowHasFocus whether the main window
    // itself (not one of its controls) holds the focus.
    DirectEntryPresenter(const ProcessorState& cpu, AssemblyTables& program, const MemoryDumpSettings& dump,
                         MemoryWriter& memory, platform::MemoryGrid& grid, platform::FloatingTextBox& box,
                         platform::Window& mainWindow, std::function<bool()> windowHasFocus);

    // Opens the box over the grid's current cell when that is a data cell of an address up to FFFF;
    // closes it otherwise.
    void ShowEntryBox();
    // Writes the pending value, if any, into Memory; marks the program for assembly in any case.
    void CommitEntry();
    // The editor took the focus.
    void HideEntryBox();

    void OnGridClicked();
    void OnCurrentCellChanged();
    void OnGridScrolled();
    void OnEntryFocused();
    void OnEntryLeft();
    // Up and Down commit and move the grid's current row; Enter acts as Down. True: the key is used.
    bool OnEntryKey(platform::Key key);

    int EntryRow() const { return entryRow_; }
    int EntryColumn() const { return entryColumn_; }  // -1 while no value is pending
    bool EntryKeepOpen() const { return entryKeepOpen_; }

private:
    void CommitAndMove(int rowStep);
    // The address of the cell at EntryRow in EntryColumn; none for a column or row that shows none.
    std::optional<std::int32_t> EntryAddress() const;

    const ProcessorState& cpu_;
    AssemblyTables& program_;
    const MemoryDumpSettings& dump_;
    MemoryWriter& memory_;
    platform::MemoryGrid& grid_;
    platform::FloatingTextBox& box_;
    platform::Window& mainWindow_;
    std::function<bool()> windowHasFocus_;

    int entryRow_ = 0;
    int entryColumn_ = -1;
    bool entryKeepOpen_ = false;
};

}  // namespace vantric
