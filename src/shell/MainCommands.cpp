#include "shell/MainCommands.h"

namespace vantric {

MainCommands::MainCommands(platform::MainWindowView& mainWindow) : mainWindow_(mainWindow) {
    Connect(CommandId::Exit, [this] { mainWindow_.RequestClose(); });
}

void MainCommands::Connect(CommandId id, Handler handler) {
    if (id == CommandId::None) return;
    handlers_[static_cast<std::size_t>(id)] = std::move(handler);
}

void MainCommands::Execute(CommandId id) {
    if (id == CommandId::None) return;
    // A copy: the handler may connect another in its place while it runs.
    const Handler handler = handlers_[static_cast<std::size_t>(id)];
    if (handler) handler();
}

void MainCommands::OnMainToolbarButton(std::string_view key) {
    Execute(ToolbarCommand(MainToolbarButtons(), key));
    if (key != "exit") mainWindow_.FocusEditor();
}

void MainCommands::OnMemoryToolbarButton(std::string_view key) { Execute(ToolbarCommand(MemoryToolbarButtons(), key)); }

void ConnectExecutionCommands(MainCommands& commands, RunWindowPresenter& runWindow, StepController& step) {
    commands.Connect(CommandId::Compile, [&runWindow] { runWindow.BeginCompile(); });
    commands.Connect(CommandId::Run, [&runWindow] { runWindow.BeginRun(); });
    commands.Connect(CommandId::Step, [&step] { step.Step(); });
    commands.Connect(CommandId::StepOver, [&step] { step.StepOver(); });
    commands.Connect(CommandId::RunToCursor, [&step] { step.RunToCursor(); });
    commands.Connect(CommandId::Halt, [&step] { step.Halt(); });
    commands.Connect(CommandId::Reset, [&step] { step.Reset(); });
}

}  // namespace vantric
