#include "control/StepController.h"

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

void StepController::Step() {
    if (program_.RecompileNeeded) {
        runWindow_.BeginCompile();
        return;
    }
    cycle_.SetStepMode(true);
    cycle_.SetEditorLocked(true);
    if (!machine_.Running()) {
        machine_.State().TStateCount = 0;
        if (program_.StartAddress == -1) {
            messages_.Show("There is no code to execute !");
            // Nothing is being stepped, so the editor must not stay read-only.
            EndStepMode();
            return;
        }
        machine_.Start(program_.StartAddress);
    }
    status_.SetPanelText(1, "Running in step mode");
    machine_.Step();
    machine_.ReportChanges(true, false);
    views_.RefreshRegisterPanel(false);
    if (machine_.Running()) return;

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
