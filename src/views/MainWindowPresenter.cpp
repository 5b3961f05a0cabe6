#include "views/MainWindowPresenter.h"

#include "editing/WindowCaption.h"

namespace vantric {

MainWindowPresenter::MainWindowPresenter(AppState& app, platform::Window& mainWindow,
                                         platform::StatusBar& status, platform::Window& splash,
                                         platform::MessageBox& messages, platform::ProgramHost& host)
    : app_(app),
      mainWindow_(mainWindow),
      loader_(app.Instructions, status, splash, messages, host) {}

void MainWindowPresenter::InitializeState() {
    ProcessorState& cpu = app_.Processor;
    cpu.Running = false;
    cpu.DefaultOrigin = 0x1000;
    cpu.TStateCount = -1;
    cpu.MonitorMemory = true;
    cpu.MonitorRegisters = false;
    app_.MemoryDump.GridRebuildNeeded = true;
}

bool MainWindowPresenter::Form_Load() {
    InitializeState();
    if (loader_.LoadInstructionSet() == InstructionSetLoadOutcome::Ended) return false;
    mainWindow_.SetCaption(WindowCaption({}));
    app_.Processor.ApplyResetValues();
    return true;
}

}  // namespace vantric
