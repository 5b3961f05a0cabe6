#pragma once

namespace vantric {

// How the run window was opened: assemble only, or run (assembling first when needed).
enum class RunMode { CompileOnly = 0, Run = 1 };

// What the run window and step mode share about the program's state.
struct ExecutionControlState {
    RunMode Mode = RunMode::CompileOnly;
    bool BreakpointHit = false;  // the last run loop stopped because PC reached a breakpoint
    bool EditorLocked = false;   // the editor is read-only while a program is paused or stepping
    // A step is executing its instruction. It may let window events run (registers monitored); a
    // command that starts, steps, halts or resets arriving then is ignored, not run inside the step.
    bool StepInProgress = false;
};

}  // namespace vantric
