#pragma once
// What the benchmarks share: the shipped instruction set, an engine with its assembler's tables,
// assembling a source into them, and processor time (the machine is shared, so wall time would measure the neighbours too).

#include <ctime>
#include <iostream>
#include <memory>
#include <string>

#include "ProcessorTime.h"
#include "assembler/Compiler.h"
#include "cli/ConsolePlatform.h"
#include "core/AssemblyTables.h"
#include "core/InstructionSetFile.h"
#include "core/InstructionTable.h"
#include "core/Machine.h"

namespace vantric::bench {

// An engine with the shipped instruction set and the assembler's tables it reads.
struct BenchMachine {
    InstructionTable Instructions;
    AssemblyTables Program;
    Machine Engine{Program};
    ProcessorState& Processor = Engine.State();
};

// The start-up state with the shipped instruction set; null (after a message) when it cannot be read.
inline std::unique_ptr<BenchMachine> StartedApp() {
    auto app = std::make_unique<BenchMachine>();
    const std::string path = std::string(VANTRIC_BENCH_DATA_DIR) + "/InstSet.Dat";
    if (ReadInstructionSetFile(path, app->Instructions).Status != InstructionSetReadStatus::Ok) {
        std::cerr << "cannot read " << path << '\n';
        return nullptr;
    }
    app->Engine.LoadTimings(app->Instructions);
    app->Engine.Reset();
    return app;
}

// Assembles `source` into `app`; false (after a message) on an error.
inline bool Assemble(BenchMachine& app, const std::string& source) {
    console::ConsoleEditor editor;
    editor.SetText(source);
    console::ConsoleStatusBar status;
    console::ConsoleEventPump pump;
    Compiler compiler(app.Processor, app.Instructions, app.Program, editor, status, pump);
    if (compiler.CompileProgram()) return true;
    std::cerr << "assembly failed: " << app.Program.CompileError << '\n';
    return false;
}

}  // namespace vantric::bench
