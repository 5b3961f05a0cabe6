#pragma once
// The run window's behaviour: one assemble-and-run cycle each time the window is shown.

#include <array>
#include <cstdint>

#include "assembler/Compiler.h"
#include "control/ExecutionTrace.h"
#include "core/Interpreter.h"
#include "core/MachineViews.h"
#include "platform/Editor.h"
#include "platform/EventPump.h"
#include "platform/MessageBox.h"
#include "platform/RunWindowView.h"
#include "platform/StatusBar.h"
#include "shell/AppState.h"

namespace vantric {

class RunWindowPresenter {
public:
    RunWindowPresenter(AppState& app, Compiler& compiler, Interpreter& interpreter, platform::RunWindowView& window,
                       platform::Editor& editor, platform::StatusBar& status, platform::MessageBox& messages,
                       platform::EventPump& pump, platform::Clock& clock, MachineViews& views);

    // Opens the window to assemble only. Both do nothing while a step is in progress.
    void BeginCompile();
    // Opens the window to run: a new run from the start address, or the paused or stepping program resumed.
    void BeginRun();

    void Form_Activate();
    void btnStop_Click();
    void Form_Unload();
    void chkMonitorMem_Click(bool checked);
    void chkMonitorReg_Click(bool checked);

    // True when PC is one of the assembled breakpoint addresses.
    bool IsBreakpoint() const { return breakpointAt_[static_cast<std::uint16_t>(app_.Processor.ProgramCounter)] != 0; }
    bool BreakpointHit() const { return app_.Control.BreakpointHit; }
    bool EditorLocked() const { return app_.Control.EditorLocked; }
    void SetEditorLocked(bool locked);

    // Headless runs: breakpoints can be ignored, a run can pause after a number of instructions,
    // and every executed instruction can be traced.
    void SetIgnoreBreakpoints(bool ignore);
    void SetInstructionLimit(std::int64_t limit) { instructionLimit_ = limit; }
    void SetTrace(ExecutionTrace* trace) { trace_ = trace; }
    // The last run paused because it reached the instruction limit.
    bool InstructionLimitReached() const { return instructionLimitReached_; }

private:
    bool AssemblyPhase();
    void RunPhase();
    void RunLoop();
    template <bool Traced>
    void RunLoop();
    void EndPhase();
    void Report(const std::string& text);  // a progress line that panel 1 repeats
    void RebuildBreakpointTable();

    AppState& app_;
    Compiler& compiler_;
    Interpreter& interpreter_;
    platform::RunWindowView& window_;
    platform::Editor& editor_;
    platform::StatusBar& status_;
    platform::MessageBox& messages_;
    platform::EventPump& pump_;
    platform::Clock& clock_;
    MachineViews& views_;

    // One entry per address, so the test after every instruction is a single load.
    std::array<std::uint8_t, kMemorySize> breakpointAt_{};
    bool ignoreBreakpoints_ = false;
    std::int64_t instructionLimit_ = 0;  // 0: no limit
    bool instructionLimitReached_ = false;
    ExecutionTrace* trace_ = nullptr;
};

}  // namespace vantric
