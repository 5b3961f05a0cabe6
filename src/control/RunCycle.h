#pragma once
// One assemble-and-run cycle without any window: the assembly phase, the run phase with a yield
// between the engine's budgets, and the end phase, with every progress line and status text. The
// run window and `vantric-cli run` both drive it.

#include <cstdint>
#include <functional>

#include "assembler/Compiler.h"
#include "control/ExecutionTrace.h"
#include "control/RunControlState.h"
#include "core/AssemblyTables.h"
#include "core/Machine.h"
#include "core/MachineViews.h"
#include "platform/Editor.h"
#include "platform/EventPump.h"
#include "platform/ListBox.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"

namespace vantric {

enum class RunOutcome {
    Compiled,          // assembled only, successfully
    CompileFailed,     // assembly error: message reported, line selected
    CompileStopped,    // Stop during the assembly
    NoCode,            // nothing assembled to run
    Finished,          // HLT
    RuntimeError,      // the run ended with a run-time error
    Breakpoint,        // paused at a breakpoint
    Paused,            // paused by a stop request
    InstructionLimit,  // paused at the instruction limit
    TargetReached,     // paused where a step over or run to cursor was going
};

enum class RunCyclePhase { Assembling, Running, Ended };

// The window around a cycle, told when a phase begins.
class RunCycleListener {
public:
    virtual ~RunCycleListener() = default;
    virtual void PhaseChanged(RunCyclePhase phase) = 0;
};

class RunCycle {
public:
    RunCycle(Machine& machine, AssemblyTables& program, Compiler& compiler, platform::ListBox& progress,
             platform::Editor& editor, platform::StatusBar& status, platform::MessageBox& messages,
             platform::EventPump& pump, platform::Clock& clock, MachineViews& views);

    void SetListener(RunCycleListener* listener) { listener_ = listener; }

    // Before a cycle that only assembles.
    void PrepareCompile();
    // Before a cycle that runs: a new run from the start address, or the paused or stepping
    // program resumed.
    void PrepareRun();
    // The cycle itself; afterwards the grid and the register panel are up to date.
    RunOutcome Activate();
    // Stops the assembly or the run at its next yield.
    void RequestStop() { state_.StopRequested = true; }

    // The run-control state: mode, step mode, the editor lock, the monitoring options, Stop.
    const RunControlState& State() const { return state_; }
    bool EditorLocked() const { return state_.EditorLocked; }
    void SetEditorLocked(bool locked);
    void SetStepMode(bool stepping) { state_.StepMode = stepping; }
    void SetMonitorMemory(bool monitor) { state_.MonitorMemory = monitor; }
    void SetMonitorRegisters(bool monitor) { state_.MonitorRegisters = monitor; }

    // Headless runs: breakpoints can be ignored, a run can pause after a number of instructions,
    // and every executed instruction can be traced.
    void SetIgnoreBreakpoints(bool ignore) { machine_.SetIgnoreBreakpoints(ignore); }
    void SetInstructionLimit(std::uint64_t limit) { instructionLimit_ = limit; }
    void SetTrace(ExecutionTrace* trace) { trace_ = trace; }
    // Called when a new run has PC at its start address, before the first instruction; it may
    // change registers and memory, and PC, where the run then starts.
    void SetBeforeRun(std::function<void(ProcessorState&)> preset) { beforeRun_ = std::move(preset); }

private:
    bool AssemblyPhase(RunOutcome& outcome);
    RunOutcome RunPhase();
    StopReason RunLoop();
    void Yield();
    void Report(const std::string& text);  // a progress line that status panel 1 repeats
    void PhaseChanged(RunCyclePhase phase);

    Machine& machine_;
    AssemblyTables& program_;
    Compiler& compiler_;
    platform::ListBox& progress_;
    platform::Editor& editor_;
    platform::StatusBar& status_;
    platform::MessageBox& messages_;
    platform::EventPump& pump_;
    platform::Clock& clock_;
    MachineViews& views_;
    RunCycleListener* listener_ = nullptr;
    RunControlState state_;

    std::uint64_t instructionLimit_ = 0;  // 0: no limit
    ExecutionTrace* trace_ = nullptr;
    std::function<void(ProcessorState&)> beforeRun_;
    double lastMonitorReport_ = 0.0;
};

}  // namespace vantric
