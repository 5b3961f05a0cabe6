#pragma once
// The main window: the start-up sequence, the layout and its resize rules, the focus state, the
// change notification of the source editor and the close request.

#include <string>

#include "control/StepController.h"
#include "core/InstructionSetLoader.h"
#include "core/MachineViews.h"
#include "editing/ProgramFiles.h"
#include "platform/EventPump.h"
#include "platform/MainWindowView.h"
#include "platform/MemoryGrid.h"
#include "platform/MessageBox.h"
#include "platform/ProgramHost.h"
#include "platform/SplashWindow.h"
#include "platform/StatusBar.h"
#include "shell/AppState.h"

namespace vantric {

// What the main window's start-up talks to besides the state.
struct MainWindowParts {
    platform::MainWindowView& Window;
    platform::StatusBar& Status;
    platform::SplashWindow& Splash;
    platform::MessageBox& Messages;
    platform::ProgramHost& Host;
    platform::EventPump& Pump;
    platform::MemoryGrid& Grid;
    MachineViews& Views;
    StepController& Step;
    ProgramFiles& Files;
};

class MainWindowPresenter {
public:
    // commandLine: the program's arguments joined by single spaces.
    MainWindowPresenter(AppState& app, MainWindowParts parts, std::string commandLine);

    // Gives the process-wide state its start-up values.
    void InitializeState();

    // The start-up sequence, from the state's start-up values to the command-line file; false when
    // the program was ended because the instruction set could not be loaded.
    bool Form_Load();

    // Stretches the editor and the grid down to the status bar and the grid to the right edge.
    void Form_Resize();

    void Form_GotFocus() { app_.MainWindow.WindowHasFocus = true; }
    void Form_LostFocus() { app_.MainWindow.WindowHasFocus = false; }

    // The close request: true when the window may close (nothing unsaved is lost), after which the
    // main window is hidden and every window of the program closed.
    bool Form_QueryUnload();

    // Every change of the editor's text, typed or made by the program.
    void txtCode_Change();

private:
    void ShowSplash();

    AppState& app_;
    MainWindowParts parts_;
    std::string commandLine_;
    InstructionSetLoader loader_;
};

}  // namespace vantric
