#include "control/RunWindowPresenter.h"

#include <cstdio>

#include "core/HexText.h"

namespace vantric {

namespace {

constexpr const char* kStop = "Stop";
constexpr const char* kPause = "Pause";
constexpr const char* kClose = "Close";

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

RunWindowPresenter::RunWindowPresenter(AppState& app, Compiler& compiler, Interpreter& interpreter,
                                       platform::RunWindowView& window, platform::Editor& editor,
                                       platform::StatusBar& status, platform::MessageBox& messages,
                                       platform::EventPump& pump, platform::Clock& clock, MachineViews& views)
    : app_(app),
      compiler_(compiler),
      interpreter_(interpreter),
      window_(window),
      editor_(editor),
      status_(status),
      messages_(messages),
      pump_(pump),
      clock_(clock),
      views_(views) {
    RebuildBreakpointTable();
}

void RunWindowPresenter::SetEditorLocked(bool locked) {
    app_.Control.EditorLocked = locked;
    editor_.SetReadOnly(locked);
}

void RunWindowPresenter::SetIgnoreBreakpoints(bool ignore) {
    ignoreBreakpoints_ = ignore;
    RebuildBreakpointTable();
}

void RunWindowPresenter::RebuildBreakpointTable() {
    breakpointAt_.fill(0);
    if (ignoreBreakpoints_) return;
    const AssemblyTables& tables = app_.Assembly;
    for (std::int32_t i = 1; i <= tables.BreakpointCount; ++i)
        breakpointAt_[static_cast<std::uint16_t>(tables.Breakpoints[static_cast<std::size_t>(i)])] = 1;
}

void RunWindowPresenter::BeginCompile() {
    if (app_.Control.StepInProgress) return;
    app_.Control.Mode = RunMode::CompileOnly;
    editor_.SetSelLength(0);
    window_.ShowModal();
}

void RunWindowPresenter::BeginRun() {
    if (app_.Control.StepInProgress) return;
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
    window_.ShowModal();
}

void RunWindowPresenter::btnStop_Click() {
    if (window_.StopButtonCaption() == kClose)
        window_.Hide();
    else
        app_.Assembly.StopRequested = true;
}

void RunWindowPresenter::Form_Unload() { btnStop_Click(); }

void RunWindowPresenter::chkMonitorMem_Click(bool checked) { app_.Processor.MonitorMemory = checked; }

void RunWindowPresenter::chkMonitorReg_Click(bool checked) { app_.Processor.MonitorRegisters = checked; }

void RunWindowPresenter::Report(const std::string& text) {
    window_.ProgressList().AddItem(text);
    status_.SetPanelText(1, text);
}

void RunWindowPresenter::Form_Activate() {
    ProcessorState& cpu = app_.Processor;
    app_.Assembly.StopRequested = false;
    app_.Control.BreakpointHit = false;
    instructionLimitReached_ = false;
    const double startTime = clock_.SecondsSinceMidnight();
    window_.SetMonitorRegistersChecked(cpu.MonitorRegisters);
    window_.SetMonitorMemoryChecked(cpu.MonitorMemory);
    window_.ProgressList().Clear();
    if (!cpu.Running) cpu.TStateCount = 0;
    cpu.WarnedOpcodes.fill(false);

    const bool assemble = app_.Assembly.RecompileNeeded || app_.Control.Mode != RunMode::Run;
    if (!assemble || AssemblyPhase()) {
        if (app_.Control.Mode == RunMode::CompileOnly) {
            const double elapsed = clock_.SecondsSinceMidnight() - startTime;
            status_.SetPanelText(1, elapsed > 0 ? "Compile successful  (" + FormatSeconds(elapsed) + " sec)"
                                                : std::string("Compile successful"));
        } else {
            RunPhase();
        }
    }
    EndPhase();
}

// Returns false when the assembly failed or was stopped, after reporting it.
bool RunWindowPresenter::AssemblyPhase() {
    ProcessorState& cpu = app_.Processor;
    AssemblyTables& tables = app_.Assembly;
    cpu.TStateCount = 0;
    status_.SetPanelText(1, "Compiling code ...");
    // A paused or stepping program is abandoned; nothing is left running to keep the editor locked.
    if (cpu.Running) SetEditorLocked(false);
    cpu.Running = false;
    window_.ProgressList().AddItem("Compiling code ...");
    window_.SetStopButtonCaption(kStop);
    pump_.ProcessEvents();

    const bool compiled = compiler_.CompileProgram();
    RebuildBreakpointTable();
    if (compiled) {
        window_.ProgressList().AddItem("Compiled successfully");
        return true;
    }
    if (tables.StopRequested) {
        Report("Compiler halted by user !");
    } else {
        window_.ProgressList().AddItem("Compiler error : " + tables.CompileError);
        window_.ProgressList().AddItem("Press 'Close' to see the line containing the error");
        editor_.SetSelStart(tables.ErrorStart);
        editor_.SetSelLength(tables.ErrorEnd - tables.ErrorStart);
        status_.SetPanelText(1, "Compiler error : " + tables.CompileError);
    }
    messages_.Beep();
    return false;
}

void RunWindowPresenter::RunPhase() {
    ProcessorState& cpu = app_.Processor;
    if (!cpu.Running) {
        if (app_.Assembly.StartAddress == -1) {
            Report("No code to execute !");
            return;
        }
        cpu.ProgramCounter = app_.Assembly.StartAddress;
        cpu.CurrentLine = 0;
    }
    window_.SetStopButtonCaption(kPause);
    status_.SetPanelText(1, "Running ...");
    status_.SetPanelText(2, "T states : ??");
    pump_.ProcessEvents();
    window_.ProgressList().AddItem(std::string(cpu.Running ? "Resuming" : "Running") + " program from address " +
                                   HexText(cpu.ProgramCounter, 4) + " ...");
    cpu.RuntimeError.clear();
    cpu.Running = true;
    app_.Control.BreakpointHit = false;

    RunLoop();

    if (!cpu.RuntimeError.empty()) {
        Report("Runtime error : " + cpu.RuntimeError);
        messages_.Beep();
    } else if (app_.Assembly.StopRequested && cpu.Running) {
        interpreter_.Execute(true);
        if (app_.Control.BreakpointHit) {
            window_.ProgressList().AddItem("Breakpoint encountered");
            status_.SetPanelText(1, "Breakpoint encountered - execution paused");
        } else {
            Report("Execution paused");
        }
        SetEditorLocked(true);
    } else {
        Report("Execution finished");
    }
}

void RunWindowPresenter::RunLoop() {
    if (trace_)
        RunLoop<true>();
    else
        RunLoop<false>();
}

// The traced loop reads each instruction's address and opcode before executing it; the plain loop
// leaves that out of the hot path.
template <bool Traced>
void RunWindowPresenter::RunLoop() {
    ProcessorState& cpu = app_.Processor;
    AssemblyTables& tables = app_.Assembly;
    // Window events run only every 100 instructions (and after each one while registers are
    // monitored); Pause, the close box and the check boxes act there.
    int counter = 0;
    std::int64_t remaining = instructionLimit_;
    do {
        ++counter;
        [[maybe_unused]] std::int32_t address = 0;
        [[maybe_unused]] std::uint8_t opcode = 0;
        if constexpr (Traced) {
            address = cpu.ProgramCounter;
            opcode = cpu.Memory[static_cast<std::uint16_t>(address)];
        }
        interpreter_.Execute(false);
        if constexpr (Traced) trace_->AfterInstruction(address, opcode);
        if (breakpointAt_[static_cast<std::uint16_t>(cpu.ProgramCounter)]) {
            app_.Control.BreakpointHit = true;
            tables.StopRequested = true;
        }
        if (remaining != 0 && --remaining == 0 && cpu.Running && !tables.StopRequested) {
            instructionLimitReached_ = true;
            tables.StopRequested = true;
        }
        if (counter == 100) {
            pump_.ProcessEvents();
            counter = 0;
        }
    } while (cpu.Running && !tables.StopRequested);
}

void RunWindowPresenter::EndPhase() {
    window_.SetStopButtonCaption(kClose);
    views_.RefreshMemoryGrid();
    views_.RefreshRegisterPanel(false);
    if (app_.Control.BreakpointHit && app_.Processor.Running) window_.Hide();
}

}  // namespace vantric
