#pragma once
// Every command of the main window: the four menus, the main toolbar and the memory toolbar, with
// their captions, access keys, shortcut keys, tooltips and key texts. The front end builds its menus
// and toolbars from these tables; MainCommands runs the commands.

#include <span>
#include <string_view>

namespace vantric {

// One line per menu.
// clang-format off
enum class CommandId {
    None = -1,  // a separator line
    New, Open, Save, SaveAs, PrintCode, PrintOutput, Exit, ExportPdf,
    Cut, Copy, Paste, Delete, SelectAll, Find, Replace,
    Compile, Run, Step, InsertBreakpoint, Halt, MemoryColumns, FillMemory, CopyMemory, Refresh, Reset,
    StepOver, RunToCursor, ExportMachineCode,
    Readme, About,
};
// clang-format on
inline constexpr int kCommandCount = static_cast<int>(CommandId::About) + 1;

// One menu entry. The caption marks its access key with "&"; the caption "-" is a separator.
// Shortcut texts are "Ctrl+" followed by a letter, a function key "F1" to "F12" or "Del".
// Name is the command's name, which front ends use to name the entry ("step" for Step).
struct MenuEntry {
    CommandId Id;
    std::string_view Caption;
    std::string_view Shortcut;  // empty: none
    std::string_view Name;
};

struct MenuDefinition {
    std::string_view Caption;
    std::span<const MenuEntry> Entries;
};

// A toolbar button: the key text its click is dispatched by, its tooltip, the command it runs, and
// the group it belongs to (a separator stands between groups).
struct ToolbarButton {
    std::string_view Key;
    std::string_view Tooltip;
    CommandId Id;
    int Group;
};

std::span<const MenuDefinition> MenuBar();
std::span<const ToolbarButton> MainToolbarButtons();
std::span<const ToolbarButton> MemoryToolbarButtons();

// The menu entry of a command (every command has exactly one).
const MenuEntry& MenuEntryOf(CommandId id);

// The command of the button with this key in the given toolbar; CommandId::None for an unknown key.
CommandId ToolbarCommand(std::span<const ToolbarButton> toolbar, std::string_view key);

}  // namespace vantric
