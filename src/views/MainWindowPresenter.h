#pragma once
// The main window's start-up behaviour.

#include "core/InstructionSetLoader.h"
#include "core/MemoryWriter.h"
#include "platform/MessageBox.h"
#include "platform/ProgramHost.h"
#include "platform/StatusBar.h"
#include "platform/Window.h"
#include "shell/AppState.h"

namespace vantric {

class MainWindowPresenter {
public:
    MainWindowPresenter(AppState& app, platform::Window& mainWindow, platform::StatusBar& status,
                        platform::Window& splash, platform::MessageBox& messages,
                        platform::ProgramHost& host);

    // Gives the process-wide state its start-up values.
    void InitializeState();

    // The start-up sequence; false when the program was ended because the instruction set
    // could not be loaded.
    bool Form_Load();

private:
    AppState& app_;
    platform::Window& mainWindow_;
    InstructionSetLoader loader_;
};

}  // namespace vantric
