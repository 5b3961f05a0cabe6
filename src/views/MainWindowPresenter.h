#pragma once
// The main window: the start-up sequence, the layout and its resize rules, the focus state, the
// change notification of the source editor and the close request.

#include <string>

#include "control/StepController.h"
#include "core/AssemblyTables.h"
#include "core/InstructionSetLoader.h"
#include "core/Machine.h"
#include "core/MachineViews.h"
#include "core/MemoryDumpSettings.h"
#include "editing/ProgramFiles.h"
#include "platform/EventPump.h"
#include "platform/MainWindowView.h"
#include "platform/MemoryGrid.h"
#include "platform/MessageBox.h"
#include "platform/ProgramHost.h"
#include "platform/SplashWindow.h"
#include "platform/StatusBar.h"
#include "views/MainWindowState.h"

namespace vantric {

// What the main window's start-up and its handlers talk to.
struct MainWindowParts {
    InstructionTable& Instructions;
    Machine& Engine;
    AssemblyTables& Program;
    MemoryDumpSettings& MemoryDump;
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
    MainWindowPresenter(MainWindowParts parts, std::string commandLine);

    // Whether start-up is still going on and whether the main window is the active window.
    const MainWindowState& State() const { return state_; }

    // The start-up sequence, from the state's start-up values to the command-line file; false when
    // the program was ended because the instruction set could not be loaded.
    bool Start();

    // Stretches the editor and the grid down to the status bar and the grid to the right edge.
    void OnResized();

    void OnActivated() { state_.WindowHasFocus = true; }
    void OnDeactivated() { state_.WindowHasFocus = false; }

    // The close request: true when the window may close (nothing unsaved is lost), after which the
    // main window is hidden and every window of the program closed.
    bool OnCloseRequested();

    // Every change of the editor's text, typed or made by the program.
    void OnEditorTextChanged();

private:
    void ShowSplash();

    MainWindowParts parts_;
    std::string commandLine_;
    InstructionSetLoader loader_;
    MainWindowState state_;
};

}  // namespace vantric
