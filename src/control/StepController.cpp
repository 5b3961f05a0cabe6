#include "control/StepController.h"

namespace vantric {

StepController::StepController(AppState& app, RunWindowPresenter& runWindow, RunCycle& cycle,
                               platform::Editor& editor, platform::StatusBar& status, platform::MessageBox& messages,
                               MachineViews& views)
    : app_(app),
      runWindow_(runWindow),
      cycle_(cycle),
      editor_(editor),
      status_(status),
      messages_(messages),
      views_(views) {}

void StepController::EndStepMode() {
    app_.Processor.StepMode = false;
    cycle_.SetEditorLocked(false);
}

void StepController::mnuStep_Click() {
    ProcessorState& cpu = app_.Processor;
    if (app_.Assembly.RecompileNeeded) {
        runWindow_.BeginCompile();
        return;
    }
    cpu.StepMode = true;
    cycle_.SetEditorLocked(true);
    if (!cpu.Running) {
        cpu.TStateCount = 0;
        if (app_.Assembly.StartAddress == -1) {
            messages_.Show("There is no code to execute !");
            // Nothing is being stepped, so the editor must not stay read-only.
            EndStepMode();
            return;
        }
        cpu.ProgramCounter = app_.Assembly.StartAddress;
        cpu.Running = true;
        cpu.CurrentLine = 0;
        cpu.RuntimeError.clear();
    }
    status_.SetPanelText(1, "Running in step mode");
    app_.Machine.Step();
    app_.Machine.ReportChanges(true, false);
    views_.RefreshRegisterPanel(false);
    if (cpu.Running) return;

    editor_.SetSelLength(0);
    status_.SetPanelText(1, "Finished running in step mode");
    if (cpu.RuntimeError.empty()) {
        messages_.Show("Execution of the program halted normally (HLT instruction)", "Program halted");
    } else {
        messages_.Show("Runtime error : " + cpu.RuntimeError, "Program halted (error)");
    }
    // The program has ended either way; a read-only editor would have nothing left to protect.
    EndStepMode();
}

void StepController::mnuHalt_Click() { ProgramHalted(true); }

void StepController::mnuReset_Click() {
    ResetProcessor(true);
    views_.RefreshRegisterPanel(false);
}

void StepController::ProgramHalted(bool updateEditor) {
    app_.Machine.Halt();
    if (updateEditor) cycle_.SetEditorLocked(false);
    views_.RefreshRegisterPanel(false);
    if (updateEditor) {
        editor_.SetSelLength(0);
        status_.SetPanelText(1, "Program halted");
    }
}

void StepController::ResetProcessor(bool updateEditor) {
    if (app_.Processor.Running) ProgramHalted(updateEditor);
    app_.Assembly.RecompileNeeded = true;
    app_.Machine.Reset();
    views_.RefreshRegisterPanel(false);
    views_.RefreshMemoryGrid();
}

}  // namespace vantric
