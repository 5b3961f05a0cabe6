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
    // On a CALL, or a conditional call about to be taken, runs the whole subroutine and stops once
    // it has returned (or at a breakpoint, HLT or an error inside); otherwise one Step.
    void StepOver();
    // Runs until the first instruction on the caret's line, or on the next line that has one, is
    // reached (or a breakpoint, HLT or an error). Starts and assembles as Step does.
    void RunToCursor();
    // Ends a paused or stepping program.
    void Halt() { ProgramHalted(true); }
    // The power-on state, with the views brought up to date.
    void Reset();

    // Ends the current program, whatever its state; with updateEditor, also unlocks the editor,
    // clears its selection and says so in the status bar.
    void ProgramHalted(bool updateEditor);
    // Loads the power-on state: halts a running program, zeroes registers and memory, SP FFF0, PC 1000.
    void ResetProcessor(bool updateEditor);

    // Instructions a step over or run to cursor runs before it opens the run window: a run this
    // short is over before the window could be seen.
    static constexpr std::uint64_t kRunWithoutWindow = 1'000'000;

private:
    // Assembles instead when the source has changed (false), or enters step mode, starting a step
    // sequence when nothing runs (false when there is no code).
    bool EnterStepMode();
    // Executes the one instruction at PC in step mode.
    void StepOnce();
    // Runs until PC reaches `target` with SP at or above `lowestStackPointer`, and stays in step mode.
    void RunToTarget(std::int32_t target, std::uint16_t lowestStackPointer);
    // Reports the end of a run to the target that stopped without the run window.
    void StoppedWithoutWindow(StopReason reason);
    // The program ended while stepping (HLT or a run-time error): says so and leaves step mode.
    void SteppedToEnd();
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
