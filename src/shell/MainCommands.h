#pragma once
// Runs the commands of the command table: menu entries, their shortcut keys and the two toolbars.

#include <array>
#include <functional>
#include <string_view>

#include "control/RunWindowPresenter.h"
#include "control/StepController.h"
#include "platform/MainWindowView.h"
#include "shell/CommandTable.h"

namespace vantric {

class MainCommands {
public:
    using Handler = std::function<void()>;

    // Exit starts out connected to the main window's close request; every other command does
    // nothing until its operation is connected.
    explicit MainCommands(platform::MainWindowView& mainWindow);

    // Gives a command its operation, replacing the one it had.
    void Connect(CommandId id, Handler handler);

    // The click handler of the command's menu entry, which its shortcut key reaches as well.
    void Execute(CommandId id);

    // Main toolbar: runs the button's command, then gives the editor the focus back, except for
    // "exit", which closes the main window instead. An unknown key runs nothing.
    void OnMainToolbarButton(std::string_view key);
    // Memory toolbar: runs the button's command; the focus stays where it is.
    void OnMemoryToolbarButton(std::string_view key);

private:
    platform::MainWindowView& mainWindow_;
    std::array<Handler, kCommandCount> handlers_;
};

// Connects the commands of the run window and step mode: compile, run, step, step over, run to
// cursor, halt and reset.
void ConnectExecutionCommands(MainCommands& commands, RunWindowPresenter& runWindow, StepController& step);

}  // namespace vantric
