#include "shell/CommandTable.h"

#include <array>

namespace vantric {

namespace {

using enum CommandId;

constexpr MenuEntry kSeparator{None, "-", "", ""};

constexpr std::array kFileMenu{
    MenuEntry{New, "&New", "", "mnuNew_Click"},
    kSeparator,
    MenuEntry{Open, "&Open", "Ctrl+O", "mnuOpen_Click"},
    MenuEntry{Save, "&Save", "Ctrl+S", "mnuSave_Click"},
    MenuEntry{SaveAs, "Save &as", "", "mnuSaveAs_Click"},
    kSeparator,
    MenuEntry{PrintCode, "&Print program", "Ctrl+P", "mnuPrintCode_Click"},
    MenuEntry{PrintOutput, "P&rint regs and mem", "", "mnuPrintOutput_Click"},
    kSeparator,
    MenuEntry{Exit, "E&xit", "Ctrl+Q", "mnuExit_Click"},
};

constexpr std::array kEditMenu{
    MenuEntry{Cut, "Cut", "Ctrl+X", "mnuCut_Click"},
    MenuEntry{Copy, "Copy", "Ctrl+C", "mnuCopy_Click"},
    MenuEntry{Paste, "Paste", "Ctrl+V", "mnuPaste_Click"},
    MenuEntry{Delete, "Delete", "Del", "mnuDelete_Click"},
    MenuEntry{SelectAll, "Select &all", "", "mnuSelAll_Click"},
    kSeparator,
    MenuEntry{Find, "Find", "Ctrl+F", "mnuFind_Click"},
    MenuEntry{Replace, "Replace", "Ctrl+R", "mnuReplace_Click"},
};

constexpr std::array kCpuMenu{
    MenuEntry{Compile, "&Compile program", "F4", "mnuCompile_Click"},
    MenuEntry{Run, "&Run program", "F5", "mnuRun_Click"},
    MenuEntry{Step, "Run &next line", "F8", "mnuStep_Click"},
    MenuEntry{InsertBreakpoint, "Insert &break point", "", "mnuInsBrk_Click"},
    MenuEntry{Halt, "Halt e&xecution", "F9", "mnuHalt_Click"},
    kSeparator,
    MenuEntry{MemoryColumns, "&Memory columns ...", "", "mnuMemCols_Click"},
    MenuEntry{FillMemory, "&Fill memory block", "", "mnuMemFill_Click"},
    MenuEntry{CopyMemory, "C&opy memory block", "", "mnuMemCopy_Click"},
    kSeparator,
    MenuEntry{Refresh, "Re&fresh", "", "mnuRefresh_Click"},
    MenuEntry{Reset, "Re&set CPU", "", "mnuReset_Click"},
};

constexpr std::array kHelpMenu{
    MenuEntry{Readme, "View &readme", "F1", "mnuReadme_Click"},
    kSeparator,
    MenuEntry{About, "&About", "", "mnuHelpAbout_Click"},
};

constexpr std::array kMenuBar{
    MenuDefinition{"&File", kFileMenu},
    MenuDefinition{"&Edit", kEditMenu},
    MenuDefinition{"&CPU", kCpuMenu},
    MenuDefinition{"&Help", kHelpMenu},
};

constexpr std::array kMainToolbar{
    ToolbarButton{"new", "New", New, 0},
    ToolbarButton{"open", "Open", Open, 0},
    ToolbarButton{"save", "Save", Save, 0},
    ToolbarButton{"cut", "Cut", Cut, 1},
    ToolbarButton{"copy", "Copy", Copy, 1},
    ToolbarButton{"paste", "Paste", Paste, 1},
    ToolbarButton{"compile", "Compile (F4)", Compile, 2},
    ToolbarButton{"run", "Run (F5)", Run, 2},
    ToolbarButton{"step", "Run next line (F8)", Step, 2},
    ToolbarButton{"halt", "Halt execution (F9)", Halt, 2},
    ToolbarButton{"brkpt",
                  "Inserts a breakpoint (;BREAK). Make sure the cursor is at the end or beginning of a line.",
                  InsertBreakpoint, 2},
    ToolbarButton{"exit", "Exit (Ctrl+Q)", Exit, 3},
};

constexpr std::array kMemoryToolbar{
    ToolbarButton{"cols", "Memory columns", MemoryColumns, 0},
    ToolbarButton{"fill", "Fill memory", FillMemory, 0},
    ToolbarButton{"copy", "Copy memory block", CopyMemory, 0},
    ToolbarButton{"reset", "Reset CPU", Reset, 0},
};

}  // namespace

std::span<const MenuDefinition> MenuBar() { return kMenuBar; }
std::span<const ToolbarButton> MainToolbarButtons() { return kMainToolbar; }
std::span<const ToolbarButton> MemoryToolbarButtons() { return kMemoryToolbar; }

const MenuEntry& MenuEntryOf(CommandId id) {
    for (const MenuDefinition& menu : kMenuBar)
        for (const MenuEntry& entry : menu.Entries)
            if (entry.Id == id && id != None) return entry;
    return kSeparator;
}

CommandId ToolbarCommand(std::span<const ToolbarButton> toolbar, std::string_view key) {
    for (const ToolbarButton& button : toolbar)
        if (button.Key == key) return button.Id;
    return None;
}

}  // namespace vantric
