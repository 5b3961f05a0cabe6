// Instructions per second of the interpreter inside a run loop like the run window's: a full-speed
// run with memory and register monitoring off, a breakpoint lookup after every instruction and a
// (no-op) event pump every 100 instructions.
//
// The program is placed in memory directly, with one source line per instruction:
//
//   1000 start: LXI SP,F000H
//   1003        LXI H,2000H
//   1006 outer: MVI B,40H
//   1008 inner: MOV A,M          ; read
//   1009        ADD B
//   100A        MOV M,A          ; write
//   100B        INX H
//   100C        CALL sub
//   100F        DCR B
//   1010        JNZ inner
//   1013        MOV A,H          ; keep HL inside 2000H..2FFFH
//   1014        ANI 2FH
//   1016        MOV H,A
//   1017        STA 3000H
//   101A        LDA 3001H
//   101D        JMP outer
//   1020 sub:   PUSH B
//   1021        MOV C,A
//   1022        XRA A
//   1023        ORA C
//   1024        POP B
//   1025        RET
//
// It never halts; the benchmark stops it by time.

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "assembler/AssemblyTables.h"
#include "cli/ConsolePlatform.h"
#include "cli/ConsoleRunWindow.h"
#include "core/InstructionSetFile.h"
#include "core/Interpreter.h"
#include "core/MemoryWriter.h"
#include "core/ProcessorState.h"

using namespace vantric;

namespace {

const std::vector<std::vector<std::uint8_t>> kProgram = {
    {0x31, 0x00, 0xF0}, {0x21, 0x00, 0x20}, {0x06, 0x40}, {0x7E}, {0x80}, {0x77}, {0x23},
    {0xCD, 0x20, 0x10}, {0x05}, {0xC2, 0x08, 0x10}, {0x7C}, {0xE6, 0x2F}, {0x67}, {0x32, 0x00, 0x30},
    {0x3A, 0x01, 0x30}, {0xC3, 0x06, 0x10}, {0xC5}, {0x4F}, {0xAF}, {0xB1}, {0xC1}, {0xC9},
};

void LoadProgram(ProcessorState& cpu, AssemblyTables& tables) {
    const int lines = static_cast<int>(kProgram.size());
    tables.ClearLines(lines);
    int address = 0x1000;
    for (int line = 1; line <= lines; ++line) {
        const auto& bytes = kProgram[static_cast<std::size_t>(line - 1)];
        tables.RecordLine(line, 2 * (line - 1), 2);
        tables.RecordInstruction(line, address, static_cast<int>(bytes.size()));
        for (const std::uint8_t byte : bytes) cpu.Memory[address++] = byte;
    }
    tables.StartAddress = 0x1000;
    // Breakpoints on addresses the program never reaches.
    tables.Breakpoints.assign(1, 0);
    for (int i = 0; i < 300; ++i) tables.Breakpoints.push_back(0x4000 + 7 * i);
    tables.BreakpointCount = 300;
}

}  // namespace

// Optional argument: the seconds to run (1.5 by default).
int main(int argc, char** argv) {
    const double duration = argc > 1 ? std::atof(argv[1]) : 1.5;
    const std::filesystem::path dir = argc > 0 ? std::filesystem::path(argv[0]).parent_path() : ".";
    const std::string instset = (dir / "InstSet.Dat").string();
    InstructionTable instructions;
    if (ReadInstructionSetFile(instset, instructions).Status != InstructionSetReadStatus::Ok) {
        std::fprintf(stderr, "cannot read %s\n", instset.c_str());
        return 70;
    }

    ProcessorState cpu;
    AssemblyTables tables;
    MemoryDumpSettings dump;
    console::AbsentMemoryGrid grid;
    MemoryWriter memory(cpu, dump, grid);
    console::ConsoleRunWindow window(std::cout);
    console::ConsoleEditor editor;
    console::AbsentMachineViews views;
    console::ConsoleEventPump pump;
    platform::EventPump& events = pump;
    Interpreter interpreter(cpu, instructions, tables, memory, window.ProgressList(), editor, views, pump);

    LoadProgram(cpu, tables);
    std::vector<std::uint8_t> breakpointAt(kMemorySize, 0);
    for (int i = 1; i <= tables.BreakpointCount; ++i)
        breakpointAt[static_cast<std::uint16_t>(tables.Breakpoints[static_cast<std::size_t>(i)])] = 1;

    cpu.ProgramCounter = tables.StartAddress;
    cpu.CurrentLine = 0;
    cpu.TStateCount = 0;
    cpu.Running = true;
    cpu.StepMode = false;
    cpu.MonitorMemory = false;
    cpu.MonitorRegisters = false;

    using Clock = std::chrono::steady_clock;
    constexpr std::int64_t kBatch = 1'000'000;
    std::int64_t executed = 0;
    bool stopped = false;
    int counter = 0;
    const auto start = Clock::now();
    double seconds = 0;
    while (seconds < duration && !stopped) {
        for (std::int64_t n = 0; n < kBatch; ++n) {
            interpreter.Execute(false);
            if (breakpointAt[static_cast<std::uint16_t>(cpu.ProgramCounter)]) stopped = true;
            if (++counter == 100) {
                events.ProcessEvents();
                counter = 0;
            }
            if (!cpu.Running || stopped) {
                executed += n + 1;
                break;
            }
        }
        if (cpu.Running && !stopped) executed += kBatch;
        seconds = std::chrono::duration<double>(Clock::now() - start).count();
    }

    if (!cpu.Running || stopped) {
        std::fprintf(stderr, "the program stopped early: %s\n", cpu.RuntimeError.c_str());
        return 1;
    }
    std::printf("interpreter: %lld instructions in %.3f s: %.1f million instructions/s (%lld T-states)\n",
                static_cast<long long>(executed), seconds, static_cast<double>(executed) / seconds / 1e6,
                static_cast<long long>(cpu.TStateCount));
    return 0;
}
