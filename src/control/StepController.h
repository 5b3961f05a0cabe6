#pragma once
// Step mode, halting and resetting the processor.

#include "control/RunCycle.h"
#include "control/RunWindowPresenter.h"
#include "core/AssemblyTables.h"
#include "core/Machine.h"
#include "core/MachineViews.h"
#include "platform/Editor.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"

namespace vantric {

class StepController {
public:
    StepController(Machine& machine, AssemblyTables& program, RunCycle& cycle, RunWindowPresenter& runWindow,
                   platform::Editor& editor, platform::StatusBar& status, platform::MessageBox& messages,
                   MachineViews& views);

    // Executes one instruction, starting a step sequence when nothing runs; assembles instead when
    // the source has changed since the last assembly.
    void Step();
    // Ends a paused or stepping program.
    void Halt() { ProgramHalted(true); }
    // The power-on state, with the views brought up to date.
    void Reset();

    // Ends the current program, whatever its state; with updateEditor, also unlocks the editor,
    // clears its selection and says so in the status bar.
    void ProgramHalted(bool updateEditor);
    // Loads the power-on state: halts a running program, zeroes registers and memory, SP FFF0, PC 1000.
    void ResetProcessor(bool updateEditor);

private:
    // Leaves step mode with the editor editable again.
    void EndStepMode();

    Machine& machine_;
    AssemblyTables& program_;
    RunCycle& cycle_;
    RunWindowPresenter& runWindow_;
    platform::Editor& editor_;
    platform::StatusBar& status_;
    platform::MessageBox& messages_;
    MachineViews& views_;
};

}  // namespace vantric
