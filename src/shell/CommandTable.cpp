#include "shell/CommandTable.h"

#include <array>

namespace vantric {

namespace {

using enum CommandId;

constexpr MenuEntry kSeparator{None, "-", "", ""};

constexpr std::array kFileMenu{
    MenuEntry{New, "&New", "", "new"},
    kSeparator,
    MenuEntry{Open, "&Open", "Ctrl+O", "open"},
    MenuEntry{Save, "&Save", "Ctrl+S", "save"},
    MenuEntry{SaveAs, "Save &as", "", "saveAs"},
    kSeparator,
    MenuEntry{PrintCode, "&Print program", "Ctrl+P", "printProgram"},
    MenuEntry{PrintOutput, "P&rint regs and mem", "", "printRegistersAndMemory"},
    kSeparator,
    MenuEntry{Exit, "E&xit", "Ctrl+Q", "exit"},
    kSeparator,
    MenuEntry{ExportPdf, "&Export print-out as PDF...", "", "exportPdf"},
    MenuEntry{ExportMachineCode, "Export &machine code...", "", "exportMachineCode"},
};

constexpr std::array kEditMenu{
    MenuEntry{Cut, "Cut", "Ctrl+X", "cut"},
    MenuEntry{Copy, "Copy", "Ctrl+C", "copy"},
    MenuEntry{Paste, "Paste", "Ctrl+V", "paste"},
    MenuEntry{Delete, "Delete", "Del", "delete"},
    MenuEntry{SelectAll, "Select &all", "", "selectAll"},
    kSeparator,
    MenuEntry{Find, "Find", "Ctrl+F", "find"},
    MenuEntry{Replace, "Replace", "Ctrl+R", "replace"},
};

constexpr std::array kCpuMenu{
    MenuEntry{Compile, "&Compile program", "F4", "compile"},
    MenuEntry{Run, "&Run program", "F5", "run"},
    MenuEntry{Step, "Run &next line", "F8", "step"},
    MenuEntry{InsertBreakpoint, "Insert &break point", "", "insertBreakpoint"},
    MenuEntry{Halt, "Halt e&xecution", "F9", "halt"},
    kSeparator,
    MenuEntry{MemoryColumns, "&Memory columns ...", "", "memoryColumns"},
    MenuEntry{FillMemory, "&Fill memory block", "", "fillMemory"},
    MenuEntry{CopyMemory, "C&opy memory block", "", "copyMemory"},
    kSeparator,
    MenuEntry{Refresh, "Re&fresh", "", "refresh"},
    MenuEntry{Reset, "Re&set CPU", "", "reset"},
    kSeparator,
    MenuEntry{StepOver, "Step o&ver", "F10", "stepOver"},
    MenuEntry{RunToCursor, "Run &to cursor", "F7", "runToCursor"},
};

constexpr std::array kHelpMenu{
    MenuEntry{Readme, "View &readme", "F1", "readme"},
    kSeparator,
    MenuEntry{About, "&About", "", "about"},
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
    ToolbarButton{"brkpt", "Inserts a breakpoint (;BREAK). Make sure the cursor is at the end or beginning of a line.",
                  InsertBreakpoint, 2},
    ToolbarButton{"exit", "Exit (Ctrl+Q)", Exit, 3},
    ToolbarButton{"stepover", "Step over (F10)", StepOver, 4},
    ToolbarButton{"runtocursor", "Run to cursor (F7)", RunToCursor, 4},
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
