#include "control/RunCycle.h"

#include <cstdio>

#include "core/HexText.h"

namespace vantric {

namespace {

// Monitored registers and memory cells are brought up to date at most this often during a run:
// the display's frame rate, which no eye can outrun.
constexpr double kMonitorInterval = 1.0 / 60;

// Seconds with at most two decimals and no trailing zeros: 0.17, 1.5, 2.
std::string FormatSeconds(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", seconds);
    std::string formatted(text);
    while (formatted.back() == '0') formatted.pop_back();
    if (formatted.back() == '.') formatted.pop_back();
    return formatted;
}

}  // namespace

RunCycle::RunCycle(AppState& app, Compiler& compiler, platform::ListBox& progress, platform::Editor& editor,
                   platform::StatusBar& status, platform::MessageBox& messages, platform::EventPump& pump,
                   platform::Clock& clock, MachineViews& views)
    : app_(app),
      machine_(app.Machine),
      compiler_(compiler),
      progress_(progress),
      editor_(editor),
      status_(status),
      messages_(messages),
      pump_(pump),
      clock_(clock),
      views_(views) {
    machine_.SetYieldSignal(pump.PendingEventsFlag());
}

void RunCycle::SetEditorLocked(bool locked) {
    app_.Control.EditorLocked = locked;
    editor_.SetReadOnly(locked);
}

void RunCycle::PhaseChanged(RunCyclePhase phase) {
    if (listener_) listener_->PhaseChanged(phase);
}

void RunCycle::PrepareCompile() {
    app_.Control.Mode = RunMode::CompileOnly;
    editor_.SetSelLength(0);
}

void RunCycle::PrepareRun() {
    ProcessorState& cpu = app_.Processor;
    if (!cpu.Running) {
        // Before anything is assembled there is no start address (-1), and PC must keep holding an
        // address; the cycle sets PC again once the assembly has found one.
        if (app_.Assembly.StartAddress >= 0) cpu.ProgramCounter = app_.Assembly.StartAddress;
        cpu.CurrentLine = 0;
    }
    app_.Control.Mode = RunMode::Run;
    editor_.SetSelLength(0);
    cpu.StepMode = false;
    SetEditorLocked(false);
}

void RunCycle::Report(const std::string& text) {
    progress_.AddItem(text);
    status_.SetPanelText(1, text);
}

RunOutcome RunCycle::Activate() {
    ProcessorState& cpu = app_.Processor;
    app_.Assembly.StopRequested = false;
    const double startTime = clock_.Seconds();
    progress_.Clear();
    if (!cpu.Running) cpu.TStateCount = 0;
    machine_.ClearWarnings();

    RunOutcome outcome = RunOutcome::Compiled;
    const bool assemble = app_.Assembly.RecompileNeeded || app_.Control.Mode != RunMode::Run;
    if (!assemble || AssemblyPhase(outcome)) {
        if (app_.Control.Mode == RunMode::CompileOnly) {
            const double elapsed = clock_.Seconds() - startTime;
            status_.SetPanelText(1, elapsed > 0 ? "Compile successful  (" + FormatSeconds(elapsed) + " sec)"
                                                : std::string("Compile successful"));
        } else {
            outcome = RunPhase();
        }
    }

    PhaseChanged(RunCyclePhase::Ended);
    machine_.ReportChanges(false, false);  // the refresh below shows every byte
    views_.RefreshMemoryGrid();
    views_.RefreshRegisterPanel(false);
    return outcome;
}

// Returns false when the assembly failed or was stopped, after reporting it.
bool RunCycle::AssemblyPhase(RunOutcome& outcome) {
    ProcessorState& cpu = app_.Processor;
    AssemblyTables& tables = app_.Assembly;
    cpu.TStateCount = 0;
    status_.SetPanelText(1, "Compiling code ...");
    // A paused or stepping program is abandoned; nothing is left running to keep the editor locked.
    if (cpu.Running) SetEditorLocked(false);
    cpu.Running = false;
    progress_.AddItem("Compiling code ...");
    PhaseChanged(RunCyclePhase::Assembling);
    pump_.ProcessEvents();

    if (compiler_.CompileProgram()) {
        progress_.AddItem("Compiled successfully");
        return true;
    }
    if (tables.StopRequested) {
        Report("Compiler halted by user !");
        outcome = RunOutcome::CompileStopped;
    } else {
        progress_.AddItem("Compiler error : " + tables.CompileError);
        editor_.SetSelStart(tables.ErrorStart);
        editor_.SetSelLength(tables.ErrorEnd - tables.ErrorStart);
        status_.SetPanelText(1, "Compiler error : " + tables.CompileError);
        outcome = RunOutcome::CompileFailed;
    }
    messages_.Beep();
    return false;
}

RunOutcome RunCycle::RunPhase() {
    ProcessorState& cpu = app_.Processor;
    if (!cpu.Running) {
        if (app_.Assembly.StartAddress == -1) {
            Report("No code to execute !");
            return RunOutcome::NoCode;
        }
        cpu.ProgramCounter = app_.Assembly.StartAddress;
        cpu.CurrentLine = 0;
    }
    PhaseChanged(RunCyclePhase::Running);
    status_.SetPanelText(1, "Running ...");
    status_.SetPanelText(2, "T states : ??");
    pump_.ProcessEvents();
    progress_.AddItem(std::string(cpu.Running ? "Resuming" : "Running") + " program from address " +
                      HexText(cpu.ProgramCounter, 4) + " ...");
    cpu.RuntimeError.clear();
    cpu.Running = true;

    const StopReason reason = RunLoop();

    if (reason == StopReason::UncompiledAddress) {
        Report("Runtime error : " + cpu.RuntimeError);
        messages_.Beep();
        return RunOutcome::RuntimeError;
    }
    if (reason == StopReason::Halted) {
        Report("Execution finished");
        return RunOutcome::Finished;
    }
    // Paused: a breakpoint, the instruction limit or Stop. The line of PC is selected.
    app_.Assembly.StopRequested = true;
    machine_.LocateLine();
    RunOutcome outcome = RunOutcome::Paused;
    if (reason == StopReason::Breakpoint) {
        progress_.AddItem("Breakpoint encountered");
        status_.SetPanelText(1, "Breakpoint encountered - execution paused");
        outcome = RunOutcome::Breakpoint;
    } else {
        Report("Execution paused");
        if (reason == StopReason::InstructionLimit) outcome = RunOutcome::InstructionLimit;
    }
    SetEditorLocked(true);
    return outcome;
}

// Runs until the program stops, yielding whenever the engine hands back its budget. A traced run
// goes one instruction per call so that each can be reported.
StopReason RunCycle::RunLoop() {
    const bool* const stop = &app_.Assembly.StopRequested;
    machine_.BeginRun(instructionLimit_);
    for (;;) {
        StopReason reason;
        if (trace_) {
            const ProcessorState& cpu = app_.Processor;
            const std::int32_t address = cpu.ProgramCounter;
            const std::uint8_t opcode = cpu.Memory[static_cast<std::uint16_t>(address)];
            const std::uint64_t before = machine_.InstructionsRun();
            reason = machine_.Run(1, stop);
            if (machine_.InstructionsRun() != before) trace_->AfterInstruction(address, opcode);
        } else {
            reason = machine_.Run(Machine::kNoLimit, stop);
        }
        if (reason != StopReason::BudgetUsed) return reason;
        Yield();
    }
}

void RunCycle::Yield() {
    const ProcessorState& cpu = app_.Processor;
    if (cpu.MonitorMemory || cpu.MonitorRegisters) {
        const double now = clock_.Seconds();
        if (now - lastMonitorReport_ >= kMonitorInterval) {
            lastMonitorReport_ = now;
            machine_.ReportChanges(cpu.MonitorMemory, cpu.MonitorRegisters);
        }
    }
    pump_.ProcessEvents();
}

}  // namespace vantric
