#pragma once

namespace vantric {

// How the run window was opened: assemble only, or run (assembling first when needed).
enum class RunMode { CompileOnly, Run };

// What run control knows about the program besides the engine's own state.
struct RunControlState {
    RunMode Mode = RunMode::CompileOnly;
    bool StepMode = false;          // the program goes one instruction per Step command
    bool EditorLocked = false;      // the editor is read-only while a program is paused or stepping
    bool MonitorMemory = true;      // the grid follows the program's stores during a run
    bool MonitorRegisters = false;  // the register panel follows the program during a run
    bool StopRequested = false;     // Stop was pressed; the assembly or run stops at its next yield
};

}  // namespace vantric
