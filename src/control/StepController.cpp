#include "control/StepController.h"

namespace vantric {

StepController::StepController(AppState& app, RunWindowPresenter& runWindow, Interpreter& interpreter,
                               platform::Editor& editor, platform::StatusBar& status, platform::MessageBox& messages,
                               MachineViews& views)
    : app_(app),
      runWindow_(runWindow),
      interpreter_(interpreter),
      editor_(editor),
      status_(status),
      messages_(messages),
      views_(views) {}

void StepController::EndStepMode() {
    app_.Processor.StepMode = false;
    runWindow_.SetEditorLocked(false);
}

void StepController::mnuStep_Click() {
    if (app_.Control.StepInProgress) return;
    ProcessorState& cpu = app_.Processor;
    if (app_.Assembly.RecompileNeeded) {
        runWindow_.BeginCompile();
        return;
    }
    cpu.StepMode = true;
    runWindow_.SetEditorLocked(true);
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
    app_.Control.StepInProgress = true;
    interpreter_.Execute(false);
    app_.Control.StepInProgress = false;
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

void StepController::mnuHalt_Click() {
    if (!app_.Control.StepInProgress) ProgramHalted(true);
}

void StepController::mnuReset_Click() {
    if (app_.Control.StepInProgress) return;
    ResetProcessor(true);
    views_.RefreshRegisterPanel(false);
}

void StepController::ProgramHalted(bool updateEditor) {
    app_.Processor.Running = false;
    if (updateEditor) runWindow_.SetEditorLocked(false);
    app_.Processor.CurrentLine = 0;
    views_.RefreshRegisterPanel(false);
    if (updateEditor) {
        editor_.SetSelLength(0);
        status_.SetPanelText(1, "Program halted");
    }
}

void StepController::ResetProcessor(bool updateEditor) {
    if (app_.Processor.Running) ProgramHalted(updateEditor);
    app_.Assembly.RecompileNeeded = true;
    app_.Processor.ApplyResetValues();
    views_.RefreshRegisterPanel(false);
    views_.RefreshMemoryGrid();
}

}  // namespace vantric
