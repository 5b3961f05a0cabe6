#pragma once
// Step mode, halting and resetting the processor.

#include "control/RunCycle.h"
#include "control/RunWindowPresenter.h"
#include "core/MachineViews.h"
#include "platform/Editor.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "shell/AppState.h"

namespace vantric {

class StepController {
public:
    StepController(AppState& app, RunWindowPresenter& runWindow, RunCycle& cycle, platform::Editor& editor,
                   platform::StatusBar& status, platform::MessageBox& messages, MachineViews& views);

    // Executes one instruction, starting a step sequence when nothing runs; assembles instead when
    // the source has changed since the last assembly. The three commands do nothing while a step is
    // in progress (a command that arrives while the step lets window events run).
    void mnuStep_Click();
    void mnuHalt_Click();
    void mnuReset_Click();

    // Ends the current program, whatever its state.
    void ProgramHalted(bool updateEditor);
    // Loads the power-on state: halts a running program, zeroes registers and memory, SP FFF0, PC 1000.
    void ResetProcessor(bool updateEditor);

private:
    // Leaves step mode with the editor editable again.
    void EndStepMode();

    AppState& app_;
    RunWindowPresenter& runWindow_;
    RunCycle& cycle_;
    platform::Editor& editor_;
    platform::StatusBar& status_;
    platform::MessageBox& messages_;
    MachineViews& views_;
};

}  // namespace vantric
