// Assembly speed on a large source: 100,000 lines with 20,000 labels, half of them referenced
// before they are defined. Prints the best of several assemblies in seconds and lines per second.
//
//   build/release/bin/AssemblerBench [repetitions]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>

#include "assembler/Compiler.h"
#include "cli/ConsolePlatform.h"
#include "core/AssemblyTables.h"
#include "core/InstructionSetFile.h"
#include "core/ProcessorState.h"

using namespace vantric;

namespace {

constexpr int kBlocks = 20000;  // one label each
constexpr int kLinesPerBlock = 5;

std::string Label(int block) {
    char name[16];
    std::snprintf(name, sizeof name, "LBL%05d", block);
    return name;
}

// Block b defines label b on its first line. An even block jumps forward to the next block's
// label, an odd one back to the previous block's, so half the labels are referenced before their
// definition. Every 1000 blocks the code goes back to 1000H, which keeps it inside the memory.
std::string BenchSource() {
    std::string text;
    text.reserve(static_cast<std::size_t>(kBlocks) * 90);
    for (int b = 0; b < kBlocks; ++b) {
        text += Label(b) + ":\tMVI A,12H\r\n";
        text += "\tMOV B,A\t\t; copy\r\n";
        if (b % 2 == 0)
            text += "\tJNZ " + Label(b + 1 < kBlocks ? b + 1 : 0) + "\r\n";
        else
            text += "\tJMP " + Label(b - 1) + "\r\n";
        text += "\tADD M\r\n";
        text += b % 1000 == 999 ? ";ORG 1000H\r\n" : (b % 100 == 50 ? ";BREAK\r\n" : "\tLXI H,0ABCDH\r\n");
    }
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    struct Target {
        InstructionTable Instructions;
        AssemblyTables Assembly;
        ProcessorState Processor;
    };
    auto app = std::make_unique<Target>();
    const std::string instset = console::ConsoleProgramHost(std::cerr).ProgramDirectory() + "/InstSet.Dat";
    const auto read = ReadInstructionSetFile(instset, app->Instructions);
    if (read.Status != InstructionSetReadStatus::Ok) {
        std::fprintf(stderr, "AssemblerBench: cannot read %s: %s\n", instset.c_str(), read.Reason.c_str());
        return 1;
    }

    const std::string source = BenchSource();
    console::ConsoleEditor editor;
    console::ConsoleStatusBar status;
    console::ConsoleEventPump events;
    Compiler compiler(app->Processor, app->Instructions, app->Assembly, editor, status, events);

    double best = 1e30;
    for (int i = 0; i < repetitions; ++i) {
        editor.SetText(source);
        const auto start = std::chrono::steady_clock::now();
        const bool ok = compiler.CompileProgram();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (!ok) {
            std::fprintf(stderr, "AssemblerBench: assembly failed: %s\n", app->Assembly.CompileError.c_str());
            return 1;
        }
        best = std::min(best, seconds);
    }

    const int lines = app->Assembly.LineCount;
    std::printf("source: %d lines, %zu labels, %zu label references, %zu bytes of text\n", lines, compiler.LabelCount(),
                compiler.ReferenceCount(), source.size());
    std::printf("best of %d: %.4f s, %.0f lines/s\n", repetitions, best, lines / best);
    return 0;
}
