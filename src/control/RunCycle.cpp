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

RunCycle::RunCycle(Machine& machine, AssemblyTables& program, Compiler& compiler, platform::ListBox& progress,
                   platform::Editor& editor, platform::StatusBar& status, platform::MessageBox& messages,
                   platform::EventPump& pump, platform::Clock& clock, MachineViews& views)
    : machine_(machine),
      program_(program),
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
    state_.EditorLocked = locked;
    editor_.SetReadOnly(locked);
    // Only a paused or stepping program locks the editor; once it goes on or ends, its line is no longer next.
    if (!locked) editor_.MarkCurrentLine(-1);
}

void RunCycle::PhaseChanged(RunCyclePhase phase) {
    if (listener_) listener_->PhaseChanged(phase);
}

void RunCycle::PrepareCompile() {
    state_.Mode = RunMode::CompileOnly;
    editor_.SetSelLength(0);
}

void RunCycle::PrepareRun() {
    // Before anything is assembled there is no start address (-1), and PC must keep holding an
    // address; the cycle sets PC again once the assembly has found one.
    if (!machine_.Running() && program_.StartAddress >= 0) machine_.State().ProgramCounter = program_.StartAddress;
    state_.Mode = RunMode::Run;
    editor_.SetSelLength(0);
    state_.StepMode = false;
    SetEditorLocked(false);
}

void RunCycle::Report(const std::string& text) {
    progress_.AddItem(text);
    status_.SetPanelText(1, text);
}

RunOutcome RunCycle::Activate() {
    ProcessorState& cpu = machine_.State();
    state_.StopRequested = false;
    const double startTime = clock_.Seconds();
    progress_.Clear();
    if (!machine_.Running()) cpu.TStateCount = 0;
    machine_.ClearWarnings();

    RunOutcome outcome = RunOutcome::Compiled;
    const bool assemble = program_.RecompileNeeded || state_.Mode != RunMode::Run;
    if (!assemble || AssemblyPhase(outcome)) {
        if (state_.Mode == RunMode::CompileOnly) {
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
    machine_.State().TStateCount = 0;
    status_.SetPanelText(1, "Compiling code ...");
    // A paused or stepping program is abandoned; nothing is left running to keep the editor locked.
    if (machine_.Running()) SetEditorLocked(false);
    machine_.Halt();
    editor_.MarkErrorLine(-1);
    progress_.AddItem("Compiling code ...");
    PhaseChanged(RunCyclePhase::Assembling);
    pump_.ProcessEvents();

    if (compiler_.CompileProgram(state_.StopRequested)) {
        progress_.AddItem("Compiled successfully");
        return true;
    }
    const AssemblyTables& tables = program_;
    if (state_.StopRequested) {
        Report("Compiler halted by user !");
        outcome = RunOutcome::CompileStopped;
    } else {
        progress_.AddItem("Compiler error : " + tables.CompileError);
        editor_.SetSelStart(tables.ErrorStart);
        editor_.SetSelLength(tables.ErrorEnd - tables.ErrorStart);
        editor_.MarkErrorLine(tables.ErrorStart);
        status_.SetPanelText(1, "Compiler error : " + tables.CompileError);
        outcome = RunOutcome::CompileFailed;
    }
    messages_.Beep();
    return false;
}

RunOutcome RunCycle::RunPhase() {
    const bool resuming = machine_.Running();
    if (!resuming && program_.StartAddress == -1) {
        Report("No code to execute !");
        return RunOutcome::NoCode;
    }
    PhaseChanged(RunCyclePhase::Running);
    status_.SetPanelText(1, "Running ...");
    status_.SetPanelText(2, "T states : ??");
    pump_.ProcessEvents();
    std::int32_t from = resuming ? machine_.State().ProgramCounter : program_.StartAddress;
    if (!resuming && beforeRun_) {
        machine_.State().ProgramCounter = from;
        beforeRun_(machine_.State());
        from = machine_.State().ProgramCounter;
    }
    progress_.AddItem(std::string(resuming ? "Resuming" : "Running") + " program from address " + HexText(from, 4) +
                      " ...");
    if (resuming)
        machine_.Resume();
    else
        machine_.Start(from);

    const StopReason reason = RunLoop();

    if (reason == StopReason::UncompiledAddress) {
        Report("Runtime error : " + machine_.RuntimeError());
        messages_.Beep();
        return RunOutcome::RuntimeError;
    }
    if (reason == StopReason::Halted) {
        Report("Execution finished");
        return RunOutcome::Finished;
    }
    // Paused: a breakpoint, the instruction limit, Stop or the run's target. The line of PC is selected.
    machine_.LocateLine();
    if (reason == StopReason::TargetReached) {
        // Whoever set the target says how the program goes on.
        SetEditorLocked(true);
        return RunOutcome::TargetReached;
    }
    state_.StopRequested = true;
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
    const bool* const stop = &state_.StopRequested;
    machine_.BeginRun(instructionLimit_);
    for (;;) {
        StopReason reason;
        if (trace_) {
            const ProcessorState& cpu = machine_.State();
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
    if (state_.MonitorMemory || state_.MonitorRegisters) {
        const double now = clock_.Seconds();
        if (now - lastMonitorReport_ >= kMonitorInterval) {
            lastMonitorReport_ = now;
            machine_.ReportChanges(state_.MonitorMemory, state_.MonitorRegisters);
        }
    }
    pump_.ProcessEvents();
}

}  // namespace vantric
