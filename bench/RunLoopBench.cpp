// Emulated instructions per second of the run loop, headless: the run window's cycle driven through
// the console front end, as `vantric-cli run` drives it, with a few hundred breakpoints assembled.
//
//   build/release/bin/RunLoopBench [instructions]     (default 300000000)

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <sstream>

#include "assembler/Compiler.h"
#include "cli/ConsolePlatform.h"
#include "cli/ConsoleRunWindow.h"
#include "control/RunWindowPresenter.h"
#include "core/InstructionSetFile.h"
#include "core/Interpreter.h"
#include "core/MemoryWriter.h"
#include "shell/AppState.h"

using namespace vantric;

namespace {

// A nested countdown that never ends: memory reads and writes, a call and a return per inner pass.
std::string LoopProgram(int breakpoints) {
    std::string text =
        ";ORG 1000H\r\n"
        "        LXI SP,0F000H\r\n"
        "OUTER:  MVI B,0FFH\r\n"
        "INNER:  LDA 2000H\r\n"
        "        INR A\r\n"
        "        STA 2000H\r\n"
        "        CALL WORK\r\n"
        "        DCR B\r\n"
        "        JNZ INNER\r\n"
        "        JMP OUTER\r\n"
        "WORK:   MOV C,A\r\n"
        "        RET\r\n"
        "        HLT\r\n";
    // Breakpoints on code the loop never reaches, so every instruction pays for the test.
    for (int i = 0; i < breakpoints; ++i) text += ";BREAK\r\n        NOP\r\n";
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    const long long instructions = argc > 1 ? std::atoll(argv[1]) : 300000000LL;
    auto app = std::make_unique<AppState>();
    const std::string dataPath = std::string(VANTRIC_BENCH_DATA_DIR) + "/InstSet.Dat";
    if (ReadInstructionSetFile(dataPath, app->Instructions).Status != InstructionSetReadStatus::Ok) {
        std::cerr << "cannot read " << dataPath << '\n';
        return 1;
    }
    app->Processor.ApplyResetValues();
    app->Processor.MonitorMemory = false;

    std::ostringstream progress;
    console::ConsoleEditor editor;
    editor.SetText(LoopProgram(300));
    console::ConsoleStatusBar status;
    std::ostringstream errors;
    console::ConsoleMessageBox messages(errors);
    console::ConsoleEventPump pump;
    console::ConsoleClock clock;
    console::AbsentMachineViews views;
    console::AbsentMemoryGrid grid;
    console::ConsoleRunWindow window(progress);
    MemoryWriter writer(app->Processor, app->MemoryDump, grid);
    Interpreter interpreter(app->Processor, app->Instructions, app->Assembly, writer, window.ProgressList(), editor,
                            views, pump);
    Compiler compiler(app->Processor, app->Instructions, app->Assembly, editor, status, pump);
    RunWindowPresenter presenter(*app, compiler, interpreter, window, editor, status, messages, pump, clock, views);
    window.OnActivate([&presenter] { presenter.Form_Activate(); });
    presenter.SetInstructionLimit(instructions);

    const auto start = std::chrono::steady_clock::now();
    presenter.BeginRun();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    if (!presenter.InstructionLimitReached() || app->Assembly.BreakpointCount != 300) {
        std::cerr << "the run did not go as planned:\n" << progress.str();
        return 1;
    }
    std::printf("run loop (console front end, %d breakpoints): %lld instructions in %.3f s = %.1f million/s\n",
                app->Assembly.BreakpointCount, instructions, seconds, instructions / seconds / 1e6);
    return 0;
}
