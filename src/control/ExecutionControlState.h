#pragma once

namespace vantric {

// How the run window was opened: assemble only, or run (assembling first when needed).
enum class RunMode { CompileOnly = 0, Run = 1 };

// What the run window and step mode share about the program's state.
struct ExecutionControlState {
    RunMode Mode = RunMode::CompileOnly;
    bool EditorLocked = false;   // the editor is read-only while a program is paused or stepping
};

}  // namespace vantric
