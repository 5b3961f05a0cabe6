#include "control/StepController.h"

#include "control/StepTargets.h"

namespace vantric {

StepController::StepController(Machine& machine, AssemblyTables& program, RunCycle& cycle,
                               RunWindowPresenter& runWindow, platform::Editor& editor, platform::StatusBar& status,
                               platform::MessageBox& messages, MachineViews& views)
    : machine_(machine),
      program_(program),
      cycle_(cycle),
      runWindow_(runWindow),
      editor_(editor),
      status_(status),
      messages_(messages),
      views_(views) {}

void StepController::EndStepMode() {
    cycle_.SetStepMode(false);
    cycle_.SetEditorLocked(false);
}

bool StepController::EnterStepMode() {
    if (program_.RecompileNeeded) {
        runWindow_.BeginCompile();
        return false;
    }
    cycle_.SetStepMode(true);
    cycle_.SetEditorLocked(true);
    if (!machine_.Running()) {
        machine_.State().TStateCount = 0;
        if (program_.StartAddress == -1) {
            messages_.Show("There is no code to execute !");
            // Nothing is being stepped, so the editor must not stay read-only.
            EndStepMode();
            return false;
        }
        machine_.Start(program_.StartAddress);
    }
    status_.SetPanelText(1, "Running in step mode");
    return true;
}

void StepController::Step() {
    if (EnterStepMode()) StepOnce();
}

void StepController::StepOnce() {
    machine_.Step();
    machine_.ReportChanges(true, false);
    views_.RefreshRegisterPanel(false);
    if (!machine_.Running()) SteppedToEnd();
}

void StepController::SteppedToEnd() {
    editor_.SetSelLength(0);
    status_.SetPanelText(1, "Finished running in step mode");
    if (machine_.RuntimeError().empty()) {
        messages_.Show("Execution of the program halted normally (HLT instruction)", "Program halted");
    } else {
        messages_.Show("Runtime error : " + machine_.RuntimeError(), "Program halted (error)");
    }
    // The program has ended either way; a read-only editor would have nothing left to protect.
    EndStepMode();
}

void StepController::StepOver() {
    if (!EnterStepMode()) return;
    // The return address is the target, at the SP the call started from: a recursive call reaches
    // the same address deeper down the stack first.
    const std::optional<std::uint16_t> returnAddress = TakenCallReturnAddress(machine_.State());
    if (returnAddress)
        RunToTarget(*returnAddress, machine_.State().StackPointer);
    else
        StepOnce();
}

void StepController::RunToCursor() {
    if (program_.RecompileNeeded) {
        runWindow_.BeginCompile();
        return;
    }
    const std::int32_t target = FirstInstructionFrom(program_, editor_.SelStart());
    if (target < 0) {
        status_.SetPanelText(1, "No instruction on or after the cursor's line");
        return;
    }
    if (EnterStepMode()) RunToTarget(target, 0);
}

void StepController::RunToTarget(std::int32_t target, std::uint16_t lowestStackPointer) {
    machine_.SetRunTarget(target, lowestStackPointer);
    machine_.BeginRun();
    StopReason reason = StopReason::BudgetUsed;
    while (reason == StopReason::BudgetUsed && machine_.InstructionsRun() < kRunWithoutWindow)
        reason = machine_.Run(kRunWithoutWindow - machine_.InstructionsRun());
    if (reason != StopReason::BudgetUsed) {
        StoppedWithoutWindow(reason);
    } else {
        // A long run: the run window resumes it, with its progress lines, Pause and monitoring.
        runWindow_.BeginRun();
        if (machine_.Running()) {
            cycle_.SetStepMode(true);
            cycle_.SetEditorLocked(true);
            if (runWindow_.LastOutcome() == RunOutcome::TargetReached) status_.SetPanelText(1, "Running in step mode");
        }
    }
    machine_.SetRunTarget(-1);
}

void StepController::StoppedWithoutWindow(StopReason reason) {
    machine_.ReportChanges(true, false);
    views_.RefreshRegisterPanel(false);
    if (!machine_.Running()) {
        SteppedToEnd();
        return;
    }
    machine_.LocateLine();
    if (reason == StopReason::Breakpoint) status_.SetPanelText(1, "Breakpoint encountered - execution paused");
}

void StepController::Reset() {
    ResetProcessor(true);
    views_.RefreshRegisterPanel(false);
}

void StepController::ProgramHalted(bool updateEditor) {
    machine_.Halt();
    if (updateEditor) cycle_.SetEditorLocked(false);
    views_.RefreshRegisterPanel(false);
    if (updateEditor) {
        editor_.SetSelLength(0);
        status_.SetPanelText(1, "Program halted");
    }
}

void StepController::ResetProcessor(bool updateEditor) {
    if (machine_.Running()) ProgramHalted(updateEditor);
    program_.RecompileNeeded = true;
    machine_.Reset();
    views_.RefreshRegisterPanel(false);
    views_.RefreshMemoryGrid();
}

}  // namespace vantric
