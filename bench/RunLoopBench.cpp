// Emulated instructions per second of the run loop, headless: the run window's cycle driven through
// the console front end, as `vantric-cli run` drives it, with a few hundred breakpoints assembled.
//
//   build/release/bin/RunLoopBench [passes]     (1 to 65535 outer passes of 2045 instructions; default 65535)

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <sstream>

#include "BenchSupport.h"
#include "control/MachineDisplay.h"
#include "control/RunCycle.h"

using namespace vantric;

namespace {

// A nested countdown: memory reads and writes, a call and a return every inner pass. It executes
// 3 + 2045 * passes instructions and ends with HLT.
std::string LoopProgram(int passes, int breakpoints) {
    char start[160];
    std::snprintf(start, sizeof start, ";ORG 1000H\r\n        LXI SP,0F000H\r\n        LXI D,%XH\r\n", passes);
    std::string text = start;
    text +=
        "OUTER:  MVI B,0FFH\r\n"
        "INNER:  LDA 2000H\r\n"
        "        INR A\r\n"
        "        STA 2000H\r\n"
        "        CALL WORK\r\n"
        "        DCR B\r\n"
        "        JNZ INNER\r\n"
        "        DCX D\r\n"
        "        MOV A,D\r\n"
        "        ORA E\r\n"
        "        JNZ OUTER\r\n"
        "        HLT\r\n"
        "WORK:   MOV C,A\r\n"
        "        RET\r\n";
    // Breakpoints on code the loop never reaches, so every instruction pays for the test.
    for (int i = 0; i < breakpoints; ++i) text += ";BREAK\r\n        NOP\r\n";
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    const int passes = argc > 1 ? std::atoi(argv[1]) : 65535;
    if (passes < 1 || passes > 65535) {
        std::cerr << "passes must be 1 to 65535\n";
        return 64;
    }
    const long long instructions = 3 + 2045LL * passes;
    auto app = bench::StartedApp();
    if (!app) return 1;

    std::ostringstream progress;
    console::ConsoleEditor editor;
    editor.SetText(LoopProgram(passes, 300));
    console::ConsoleStatusBar status;
    std::ostringstream errors;
    console::ConsoleMessageBox messages(errors);
    console::ConsoleEventPump pump;
    console::ConsoleClock clock;
    console::AbsentMachineViews views;
    console::PrintedProgressList list(progress);
    MachineDisplay display(list, editor, views);
    app->Engine.SetObserver(&display);
    Compiler compiler(app->Processor, app->Instructions, app->Program, editor, status, pump);
    RunCycle cycle(app->Engine, app->Program, compiler, list, editor, status, messages, pump, clock, views);
    cycle.SetMonitorMemory(false);

    const double start = bench::ProcessorSeconds();
    cycle.PrepareRun();
    const RunOutcome outcome = cycle.Activate();
    const double seconds = bench::ProcessorSeconds() - start;

    if (outcome != RunOutcome::Finished || app->Program.BreakpointCount != 300) {
        std::cerr << "the run did not go as planned:\n" << progress.str();
        return 1;
    }
    std::printf(
        "run cycle (console front end, %d breakpoints): %lld instructions in %.3f s of processor time = "
        "%.1f million/s\n",
        app->Program.BreakpointCount, instructions, seconds, instructions / seconds / 1e6);
    return 0;
}
