#pragma once
// What the benchmarks share: the shipped instruction set, assembling a source into an AppState, and
// processor time (the machine is shared, so wall time would measure the neighbours too).

#include <ctime>
#include <iostream>
#include <memory>
#include <string>

#include "assembler/Compiler.h"
#include "cli/ConsolePlatform.h"
#include "core/InstructionSetFile.h"
#include "shell/AppState.h"

namespace vantric::bench {

inline double ProcessorSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// The start-up state with the shipped instruction set; null (after a message) when it cannot be read.
inline std::unique_ptr<AppState> StartedApp() {
    auto app = std::make_unique<AppState>();
    const std::string path = std::string(VANTRIC_BENCH_DATA_DIR) + "/InstSet.Dat";
    if (ReadInstructionSetFile(path, app->Instructions).Status != InstructionSetReadStatus::Ok) {
        std::cerr << "cannot read " << path << '\n';
        return nullptr;
    }
    app->Machine.LoadTimings(app->Instructions);
    app->Machine.Reset();
    return app;
}

// Assembles `source` into `app`; false (after a message) on an error.
inline bool Assemble(AppState& app, const std::string& source) {
    console::ConsoleEditor editor;
    editor.SetText(source);
    console::ConsoleStatusBar status;
    console::ConsoleEventPump pump;
    Compiler compiler(app.Processor, app.Instructions, app.Assembly, editor, status, pump);
    if (compiler.CompileProgram()) return true;
    std::cerr << "assembly failed: " << app.Assembly.CompileError << '\n';
    return false;
}

}  // namespace vantric::bench
