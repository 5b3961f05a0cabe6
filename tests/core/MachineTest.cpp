#include "core/LineMap.h"
#include "core/Machine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "control/MachineDisplay.h"
#include "core/FlagRules.h"
#include "core/HexText.h"
#include "core/InstructionSetFile.h"
#include "support/Fakes.h"

namespace vantric {
namespace {

using Bytes = std::vector<std::uint8_t>;

const InstructionTable& ShippedTable() {
    static const InstructionTable table = [] {
        InstructionTable loaded;
        EXPECT_EQ(ReadInstructionSetFile(VANTRIC_DATA_DIR "/InstSet.Dat", loaded).Status, InstructionSetReadStatus::Ok);
        return loaded;
    }();
    return table;
}

int Pair(const ProcessorState& cpu, int high) { return cpu.Register(high) << 8 | cpu.Register(high + 1); }

struct MachineTest : ::testing::Test {
    AssemblyTables tables;
    Machine machine{tables};
    ProcessorState& cpu = machine.State();
    fakes::FakeListBox progress;
    fakes::FakeEditor editor;
    fakes::FakeMachineViews views;
    MachineDisplay display{progress, editor, views};
    std::vector<std::int32_t> lines{-1};
    std::int32_t next = 0x1000;

    MachineTest() {
        editor.text.assign(5000, ' ');
        machine.LoadTimings(ShippedTable());
        machine.SetObserver(&display);
    }
    // One instruction as a run executes it: line tracking with the guess, no selection.
    StopReason Execute() {
        machine.BeginRun();
        return machine.Run(1);
    }

    // One source line at `address` (by default where the previous one ended); no bytes makes a line
    // without an instruction.
    void Line(const Bytes& bytes, std::int32_t address = -1) {
        if (address < 0) address = next;
        lines.push_back(bytes.empty() ? -1 : address);
        for (const std::uint8_t byte : bytes) cpu.Memory[static_cast<std::uint16_t>(address++)] = byte;
        if (!bytes.empty()) next = address;
    }
    void Clear() {
        lines = {-1};
        next = 0x1000;
    }
    // Where line n starts when line i has 9 + i characters (LineLength 10 + i), one after another.
    static int StartOf(int line) { return (line - 1) * (line + 18) / 2; }
    // The line tables of the lines so far and a run beginning at the first instruction.
    void Start() {
        tables.ClearLines(static_cast<std::int32_t>(lines.size()) - 1);
        for (std::int32_t n = 1; n <= tables.LineCount; ++n) {
            tables.RecordLine(n, StartOf(n), 9 + n);
            const std::int32_t address = lines[static_cast<std::size_t>(n)];
            if (address >= 0) tables.RecordInstruction(n, address, 1);
        }
        machine.Start(*std::find_if(lines.begin(), lines.end(), [](std::int32_t a) { return a >= 0; }));
        cpu.TStateCount = 0;
    }
    // Line tables of addresses alone (-1: no instruction), entry 0 included, as tables built by hand may be.
    void SetAddresses(const std::vector<std::int32_t>& addresses) {
        tables.Lines.clear();
        for (const std::int32_t a : addresses)
            tables.Lines.push_back(a < 0 ? LineEntry{} : LineEntry{static_cast<std::uint16_t>(a), 1, 0});
    }
    void Program(const std::vector<Bytes>& program) {
        Clear();
        for (const Bytes& bytes : program) Line(bytes);
        Start();
    }
    void Run() {
        machine.BeginRun(1000);
        machine.Run();
    }
    void ExpectHalted() {
        EXPECT_FALSE(machine.Running());
        EXPECT_EQ(machine.RuntimeError(), "");
    }
    void ExpectUncompiledAt(std::int32_t address) {
        EXPECT_FALSE(machine.Running());
        EXPECT_EQ(machine.RuntimeError(), "Missing HLT. Uncompiled address reached");
        EXPECT_EQ(cpu.ProgramCounter, address);
    }
};

TEST_F(MachineTest, HaltEndsTheRunAndUncompiledAddressesStopIt) {
    Program({{0x3E, 0x05}, {0xC6, 0x03}, {0x32, 0x00, 0x20}, {0x76}});  // MVI A,5; ADI 3; STA 2000H; HLT
    Run();
    ExpectHalted();
    EXPECT_EQ(cpu.ProgramCounter, 0x1008);
    EXPECT_EQ(cpu.Memory[0x2000], 0x08);
    EXPECT_EQ(cpu.TStateCount, 7 + 7 + 13 + 5);
    EXPECT_EQ(machine.CurrentLine(), 4);  // the guess stops at the last line
    EXPECT_EQ(editor.selLength, 0);       // a run selects nothing

    Program({{0xC3, 0x04, 0x10}, {0x3E, 0x01}});  // JMP into the middle of MVI
    Run();
    ExpectUncompiledAt(0x1004);
    EXPECT_EQ(cpu.TStateCount, 10);
    Program({{0x3E, 0x01}});  // no HLT
    Run();
    ExpectUncompiledAt(0x1002);
}

TEST_F(MachineTest, ConditionalTransfersCountExtraTStatesOnlyWhenTaken) {
    struct Kind {
        std::uint8_t base;
        int notTaken, taken;
    };
    const int flagOf[] = {FlagZ, FlagZ, FlagCY, FlagCY, FlagP, FlagP, FlagS, FlagS};
    for (const Kind kind : {Kind{0xC2, 7, 10}, Kind{0xC4, 9, 18}, Kind{0xC0, 6, 12}}) {  // Jcond, Ccond, Rcond
        for (int code = 0; code < 8; ++code) {
            for (const bool met : {false, true}) {
                SCOPED_TRACE(HexText(kind.base | code << 3, 2) + (met ? " taken" : " not taken"));
                const auto opcode = static_cast<std::uint8_t>(kind.base | code << 3);
                const bool isReturn = kind.base == 0xC0;
                Program({isReturn ? Bytes{opcode} : Bytes{opcode, 0x00, 0xC0}, {0x76}});
                Line({0x76}, 0xC000);
                Start();
                cpu.StackPointer = 0x3000;
                cpu.Memory[0x3000] = 0x00;  // C000H to return to
                cpu.Memory[0x3001] = 0xC0;
                cpu.Memory[0x2FFF] = cpu.Memory[0x2FFE] = 0xEE;
                cpu.Flags = static_cast<std::uint8_t>((code % 2 == 1) == met ? flagOf[code] : 0);
                Execute();
                EXPECT_EQ(cpu.ProgramCounter, met ? 0xC000 : isReturn ? 0x1001 : 0x1003);
                EXPECT_EQ(cpu.TStateCount, met ? kind.taken : kind.notTaken);
                EXPECT_EQ(machine.CurrentLine(), met ? 3 : 2);
                const bool pushed = met && kind.base == 0xC4;
                EXPECT_EQ(cpu.StackPointer, pushed ? 0x2FFE : met && isReturn ? 0x3002 : 0x3000);
                EXPECT_EQ(cpu.Memory[0x2FFF], pushed ? 0x10 : 0xEE);  // high byte at SP - 1
                EXPECT_EQ(cpu.Memory[0x2FFE], pushed ? 0x03 : 0xEE);
            }
        }
    }
}

// L1 MVI B,2 / L2 JMP L6 / L3 DCR B / L4 no code / L5 JZ L8 / L6 NOP / L7 JMP L3 / L8 HLT
struct LineTrackingTest : MachineTest {
    LineTrackingTest() {
        Program({{0x06, 0x02}, {0xC3, 0x09, 0x10}, {0x05}, {}, {0xCA, 0x0D, 0x10}, {0x00}, {0xC3, 0x05, 0x10}, {0x76}});
    }
    const std::vector<int> visited{2, 6, 7, 3, 5, 6, 7, 3, 5, 8};
};

TEST_F(LineTrackingTest, FollowsJumpsBothWaysAndSkipsLinesWithoutCode) {
    std::vector<int> seen;
    for (Execute(); machine.Running(); Execute()) seen.push_back(machine.CurrentLine());
    ExpectHalted();
    EXPECT_EQ(seen, visited);
    EXPECT_EQ(editor.selLength, 0);
}

TEST_F(LineTrackingTest, StepModeSelectsTheNextInstructionsLineEveryTime) {
    for (const int line : visited) {
        machine.Step();
        EXPECT_EQ(editor.selStart, StartOf(line));
        EXPECT_EQ(editor.selLength, 10 + line - 1);
    }
}

TEST_F(LineTrackingTest, LocateOnlySelectsTheLineWithoutExecuting) {
    machine.Start(0x1006);
    machine.LocateLine();
    EXPECT_EQ(machine.CurrentLine(), 5);
    EXPECT_EQ(editor.selStart, StartOf(5));
    EXPECT_EQ(editor.selLength, 14);
    EXPECT_EQ(cpu.ProgramCounter, 0x1006);
    EXPECT_EQ(cpu.TStateCount, 0);

    cpu.ProgramCounter = 0x1007;  // no line there: nothing happens, no error
    machine.LocateLine();
    EXPECT_TRUE(machine.Running());
    EXPECT_EQ(machine.CurrentLine(), 5);
    machine.Halt();  // nothing running: nothing located
    cpu.ProgramCounter = 0x1000;
    machine.LocateLine();
    EXPECT_EQ(machine.CurrentLine(), 0);
}

TEST(LineMapTest, SearchTakesTheNearestEarlierLineThenTheFirstLaterOne) {
    AssemblyTables tables;
    tables.LineCount = 6;  // several lines at 1005H, as overlapping origins can produce
    for (const std::int32_t a : {0x1005, 0x1000, 0x1005, 0x1001, 0x1005, 0x1002, 0x1005, -1})
        tables.Lines.push_back(a < 0 ? LineEntry{} : LineEntry{static_cast<std::uint16_t>(a), 1, 0});
    LineMap map;
    map.Build(tables, false);
    for (const auto& [from, to] : {std::pair{4, 2}, {6, 4}, {2, 2}, {1, 2}, {0, 0}, {-3, 0}, {9, 6}})
        EXPECT_EQ(map.Find(0x1005, from), to) << "from line " << from;
    for (const int from : {0, 1, 6})  // the only line of its address, found from either side
        EXPECT_EQ(map.Find(0x1002, from), 5) << "from line " << from;
    EXPECT_EQ(map.Find(0x1000, 2), 1);
    EXPECT_EQ(map.Find(0x1003, 2), -1);
    // Line 0 is found only by the forward search from line 0; the guess takes its own line first.
    EXPECT_EQ(map.Find(0x1005, 1), 2);
    EXPECT_EQ(map.Track(0x1005, 4, true), 4);
    EXPECT_EQ(map.Track(0x1005, 4, false), 2);
}

TEST_F(MachineTest, MissingOrShortLineTablesAreNeverReadPastTheirEnd) {
    machine.Start(0x1000);  // NOP with nothing assembled
    Execute();
    ExpectUncompiledAt(0x1001);

    tables.LineCount = 50;  // more lines claimed than the tables hold
    SetAddresses({-1, 0x1000, 0x1001});
    machine.Start(0x1000);
    Execute();
    EXPECT_EQ(machine.CurrentLine(), 2);
    Execute();
    ExpectUncompiledAt(0x1002);
}

TEST_F(MachineTest, UnsupportedInstructionsWarnOncePerOpcodeAndUndefinedOnesDoNothing) {
    // OUT 10H twice, IN, DI, EI, RIM, SIM, RST 7, RST 0, then the undefined 08H ... FDH, HLT
    // clang-format off
    Program({{0xD3, 0x10}, {0xD3, 0x10}, {0xDB, 0x20}, {0xF3}, {0xFB}, {0x20}, {0x30}, {0xFF}, {0xC7}, {0x08},
             {0x10}, {0x18}, {0x28}, {0x38}, {0xCB}, {0xD9}, {0xDD}, {0xED}, {0xFD}, {0x76}});
    // clang-format on
    cpu.Register(RegA) = 0x42;
    cpu.Flags = 0xD5;
    cpu.StackPointer = 0x3000;
    Run();
    ExpectHalted();
    std::vector<std::string> warnings;
    for (const char* name :
         {"OUT (D3H", "IN (DBH", "DI (F3H", "EI (FBH", "RIM (20H", "SIM (30H", "RST (FFH", "RST (C7H"})
        warnings.push_back(std::string("Warning : Instruction ") + name + ") not supported.");
    EXPECT_EQ(progress.items, warnings);
    EXPECT_EQ(cpu.ProgramCounter, 0x1017);
    EXPECT_EQ(cpu.TStateCount, 10 + 10 + 10 + 4 + 4 + 4 + 4 + 12 + 12 + 5);  // undefined rows count 0
    EXPECT_EQ(cpu.Register(RegA), 0x42);
    EXPECT_EQ(cpu.Flags, 0xD5);
    EXPECT_EQ(cpu.StackPointer, 0x3000);

    machine.ClearWarnings();  // as each showing of the run window does
    progress.items.clear();
    Start();
    Run();
    EXPECT_EQ(progress.items, warnings);
}

TEST_F(MachineTest, RegisterFieldsSelectOperandAndOperation) {
    using Operation = void (*)(unsigned&, unsigned&, unsigned);
    const Operation operations[] = {alu::Accumulate<0>, alu::Accumulate<1>, alu::Accumulate<2>, alu::Accumulate<3>,
                                    alu::Accumulate<4>, alu::Accumulate<5>, alu::Accumulate<6>, alu::Accumulate<7>};
    for (int opcode = 0x40; opcode < 0x100; ++opcode) {  // MOV, the register forms, the immediate forms
        const bool immediate = opcode >= 0xC0;
        if (opcode == 0x76 || (immediate && (opcode & 7) != 6)) continue;
        SCOPED_TRACE(HexText(opcode, 2));
        const auto op = static_cast<std::uint8_t>(opcode);
        Program({immediate ? Bytes{op, 0x3C} : Bytes{op}});
        for (int code = 0; code < 8; ++code) cpu.Register(code) = static_cast<std::uint8_t>(0x11 * (code + 1));
        cpu.Memory[0x5566] = 0x99;  // M, at H = 55H, L = 66H
        cpu.Flags = FlagCY | FlagS;
        auto expected = std::make_unique<ProcessorState>(cpu);
        const int d = opcode >> 3 & 7;
        const int s = opcode & 7;
        const std::uint8_t operand = immediate ? 0x3C : s == RegM ? 0x99 : cpu.Register(s);
        if (opcode >= 0x80) {
            unsigned a = expected->Register(RegA);
            unsigned f = expected->Flags;
            operations[d](a, f, operand);
            expected->Register(RegA) = static_cast<std::uint8_t>(a);
            expected->Flags = static_cast<std::uint8_t>(f);
        } else if (d == RegM)
            expected->Memory[0x5566] = operand;
        else
            expected->Register(d) = operand;
        Execute();
        EXPECT_EQ(cpu.Registers, expected->Registers);
        EXPECT_EQ(cpu.Memory[0x5566], expected->Memory[0x5566]);
        EXPECT_EQ(cpu.Flags, expected->Flags);
    }
}

TEST_F(MachineTest, LoadsStoresPairsAndTheStack) {
    // LXI SP,3000H; POP PSW; PUSH PSW; POP H; XTHL; SPHL; LXI B,2001H; LXI D,2000H; LDAX D; STAX B;
    // LHLD 2010H; XCHG; LDA 2020H; CMA; DCX B; STC; CMC; LXI H,2000H; INR M; DCR M; DCR M; LXI H,1100H; PCHL
    // clang-format off
    Program({{0x31, 0x00, 0x30}, {0xF1}, {0xF5}, {0xE1}, {0xE3}, {0xF9}, {0x01, 0x01, 0x20}, {0x11, 0x00, 0x20},
             {0x1A}, {0x02}, {0x2A, 0x10, 0x20}, {0xEB}, {0x3A, 0x20, 0x20}, {0x2F}, {0x0B}, {0x37}, {0x3F},
             {0x21, 0x00, 0x20}, {0x34}, {0x35}, {0x35}, {0x21, 0x00, 0x11}, {0xE9}});
    // clang-format on
    Line({0x76}, 0x1100);
    Start();
    const std::pair<int, std::uint8_t> memory[] = {{0x3000, 0xFF}, {0x3001, 0x80}, {0x3002, 0x22}, {0x3003, 0x11},
                                                   {0x2000, 0xFF}, {0x2010, 0x34}, {0x2011, 0x12}, {0x2020, 0x0F}};
    for (const auto& [address, value] : memory) cpu.Memory[static_cast<std::size_t>(address)] = value;
    Run();
    ExpectHalted();
    EXPECT_EQ(cpu.Memory[0x3000], 0xFF);  // POP PSW took every flag bit, PUSH PSW gave it back
    EXPECT_EQ(cpu.Memory[0x3002], 0xFF);  // XTHL with HL = 80FFH
    EXPECT_EQ(cpu.Memory[0x3003], 0x80);
    EXPECT_EQ(cpu.StackPointer, 0x1122);
    EXPECT_EQ(cpu.Memory[0x2001], 0xFF);
    EXPECT_EQ(Pair(cpu, RegD), 0x1234);
    EXPECT_EQ(cpu.Register(RegA), 0xF0);
    EXPECT_EQ(Pair(cpu, RegB), 0x2000);
    EXPECT_EQ(cpu.Memory[0x2000], 0xFE);  // FF, 00, FF, FE
    EXPECT_EQ(cpu.Flags, FlagS | 0x2A);   // from the byte at HL, not from A; CY cleared by CMC
    EXPECT_EQ(cpu.ProgramCounter, 0x1101);
    EXPECT_EQ(cpu.TStateCount, 10 + 10 + 12 + 10 + 16 + 6 + 10 + 10 + 7 + 7 + 16 + 4 + 13 + 4 + 6 + 4 + 4 + 10 + 10 +
                                   10 + 10 + 10 + 6 + 5);
}

TEST_F(MachineTest, EveryStoreToAWatchedAddressIsReportedOnceWithItsLastValue) {
    machine.WatchOnly({{0x3000, 0x40}});
    // clang-format off
    Program({{0x31, 0x40, 0x30}, {0x21, 0x00, 0x30}, {0x01, 0x10, 0x30},  // LXI SP, H, B
             {0x3E, 0xAA}, {0x36, 0x11}, {0x02}, {0x32, 0x20, 0x30},       // MVI A; MVI M; STAX B; STA
             {0x22, 0x30, 0x30}, {0xC5}, {0xE3}, {0x77}, {0xCD, 0x20, 0x10},  // SHLD PUSH XTHL MOV CALL
             {0x32, 0x00, 0x40}, {0x76}});                                  // STA 4000H, not watched
    // clang-format on
    Line({0x34}, 0x1020);  // INR M
    Line({0xC9});
    Start();
    Run();
    ExpectHalted();
    machine.ReportChanges(true, false);
    std::map<int, std::string> reported;
    for (const auto& [address, value] : views.shownBytes) {
        EXPECT_FALSE(reported.contains(address)) << "reported twice: " << HexText(address, 4);
        reported[address] = HexText(value, 2);
    }
    // clang-format off
    EXPECT_EQ(reported, (std::map<int, std::string>{{0x3000, "11"}, {0x3010, "AB"}, {0x3020, "AA"}, {0x3030, "00"},
                                                    {0x3031, "30"}, {0x303C, "1A"}, {0x303D, "10"}, {0x303E, "00"},
                                                    {0x303F, "30"}}));
    // clang-format on
    EXPECT_EQ(views.registerRefreshes, 0);

    // Once reported, a store is reported again only when it happens again; unreported ones can be dropped.
    views.shownBytes.clear();
    machine.ReportChanges(true, true);
    EXPECT_TRUE(views.shownBytes.empty());
    EXPECT_EQ(views.registerRefreshes, 1);
    EXPECT_TRUE(views.lastKeepStatusText);
    Start();
    Run();
    machine.ReportChanges(false, false);
    machine.ReportChanges(true, false);
    EXPECT_TRUE(views.shownBytes.empty());
}

TEST_F(MachineTest, AddressesWrapAtBothEndsOfMemory) {
    Clear();
    Line({0x3E}, 0xFFFF);  // MVI A, its operand at 0000H
    cpu.Memory[0x0000] = 0x42;
    Line({0x31, 0x01, 0x00}, 0x0001);  // LXI SP,0001H
    Line({0x01, 0xCD, 0xAB});          // LXI B,ABCDH
    Line({0xC5});                      // PUSH B to 0000H and FFFFH
    Line({0xD1});                      // POP D from FFFFH and 0000H
    Line({0x21, 0x34, 0x12});          // LXI H,1234H
    Line({0x22, 0xFF, 0xFF});          // SHLD FFFFH
    Line({0x21, 0x00, 0x00});          // LXI H,0
    Line({0x2A, 0xFF, 0xFF});          // LHLD FFFFH
    Line({0x76});
    Start();
    Run();
    ExpectHalted();
    EXPECT_EQ(cpu.Register(RegA), 0x42);
    EXPECT_EQ(Pair(cpu, RegD), 0xABCD);
    EXPECT_EQ(cpu.StackPointer, 0x0001);
    EXPECT_EQ(cpu.Memory[0xFFFF], 0x34);
    EXPECT_EQ(cpu.Memory[0x0000], 0x12);
    EXPECT_EQ(Pair(cpu, RegH), 0x1234);

    Clear();
    Line({0xCD, 0x00, 0x20}, 0xFFFE);  // CALL 2000H, so the return address is 10001H
    Line({0x76}, 0x0001);
    Line({0xC9}, 0x2000);  // RET
    Start();
    cpu.StackPointer = 0xF000;
    Run();
    ExpectHalted();
    EXPECT_EQ(cpu.Memory[0xEFFF], 0x00);
    EXPECT_EQ(cpu.Memory[0xEFFE], 0x01);
    EXPECT_EQ(cpu.ProgramCounter, 0x0002);

    Clear();
    Line({0x00}, 0xFFFF);  // NOP, continuing at 0000H
    Line({0x76}, 0x0000);
    Start();
    Run();
    ExpectHalted();
    EXPECT_EQ(cpu.ProgramCounter, 0x0001);
}

}  // namespace
}  // namespace vantric
