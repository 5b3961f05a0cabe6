// Emulated instructions per second of processor time of the engine's run loop alone, with line
// tracking and breakpoints, on three assembled programs that never halt:
//
//   loop          a nested countdown: memory reads and writes, a call and a return per inner pass
//   breakpoints   the same with 200 breakpoints assembled on code it never reaches
//   calls         calls four deep and back, with pushes and pops
//
//   build/release/bin/EngineBench [million instructions per run]     (default 500)

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>

#include "BenchSupport.h"

using namespace vantric;

namespace {

std::string NestedLoop(int unreachedBreakpoints) {
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
        "        RET\r\n";
    for (int i = 0; i < unreachedBreakpoints; ++i) text += ";BREAK\r\n        NOP\r\n";
    return text;
}

std::string Calls() {
    return ";ORG 1000H\r\n"
           "        LXI SP,0F000H\r\n"
           "TOP:    CALL ONE\r\n"
           "        JMP TOP\r\n"
           "ONE:    PUSH B\r\n"
           "        CALL TWO\r\n"
           "        POP B\r\n"
           "        RET\r\n"
           "TWO:    PUSH D\r\n"
           "        CALL THREE\r\n"
           "        POP D\r\n"
           "        RET\r\n"
           "THREE:  INX H\r\n"
           "        CALL FOUR\r\n"
           "        RNZ\r\n"
           "        RET\r\n"
           "FOUR:   MOV A,L\r\n"
           "        RET\r\n";
}

// Best of three runs of `instructions` instructions, in millions per second of processor time.
double Measure(const std::string& source, std::uint64_t instructions) {
    double best = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        auto app = bench::StartedApp();
        if (!app || !bench::Assemble(*app, source)) std::exit(1);
        app->Engine.Start(app->Program.StartAddress);
        app->Processor.TStateCount = 0;
        std::atomic<bool> never{false};
        app->Engine.SetYieldSignal(&never);
        app->Engine.BeginRun(instructions);
        const double start = bench::ProcessorSeconds();
        const StopReason reason = app->Engine.Run();
        const double seconds = bench::ProcessorSeconds() - start;
        if (reason != StopReason::InstructionLimit || app->Engine.InstructionsRun() != instructions) {
            std::fprintf(stderr, "the run did not go as planned\n");
            std::exit(1);
        }
        best = std::max(best, static_cast<double>(instructions) / seconds / 1e6);
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    const long long millions = argc > 1 ? std::atoll(argv[1]) : 500;
    if (millions < 1) {
        std::fprintf(stderr, "usage: EngineBench [million instructions per run]\n");
        return 64;
    }
    const auto instructions = static_cast<std::uint64_t>(millions) * 1000000;
    std::printf("engine, million instructions per second of processor time (best of 3, %lld million each):\n",
                millions);
    std::printf("  loop:                   %7.1f\n", Measure(NestedLoop(0), instructions));
    std::printf("  loop, 200 breakpoints:  %7.1f\n", Measure(NestedLoop(200), instructions));
    std::printf("  calls and returns:      %7.1f\n", Measure(Calls(), instructions));
    return 0;
}
