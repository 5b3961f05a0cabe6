#include "core/Interpreter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

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
        const auto result = ReadInstructionSetFile(VANTRIC_DATA_DIR "/InstSet.Dat", loaded);
        EXPECT_EQ(result.Status, InstructionSetReadStatus::Ok);
        return loaded;
    }();
    return table;
}

struct InterpreterTest : ::testing::Test {
    ProcessorState cpu;
    AssemblyTables tables;
    MemoryDumpSettings dump;
    fakes::FakeMemoryGrid grid;
    MemoryWriter writer{cpu, dump, grid};
    fakes::FakeListBox progress;
    fakes::FakeEditor editor;
    fakes::FakeMachineViews views;
    fakes::FakeEventPump pump;
    Interpreter interpreter{cpu, ShippedTable(), tables, writer, progress, editor, views, pump};

    std::vector<std::int32_t> lineAddresses{-1};  // entry 0
    std::int32_t next = 0x1000;

    InterpreterTest() { editor.text.assign(5000, ' '); }

    void NewProgram() {
        lineAddresses = {-1};
        next = 0x1000;
    }
    // One source line at the next address; no bytes makes a line without an instruction.
    void Line(const Bytes& bytes) { LineAt(bytes.empty() ? -1 : next, bytes); }
    void LineAt(std::int32_t address, const Bytes& bytes) {
        lineAddresses.push_back(bytes.empty() ? -1 : address);
        for (const std::uint8_t byte : bytes) cpu.Memory[static_cast<std::uint16_t>(address++)] = byte;
        if (!bytes.empty()) next = address;
    }
    // Lines in order from `origin`.
    void Program(const std::vector<Bytes>& lines, std::int32_t origin = 0x1000) {
        next = origin;
        for (const Bytes& bytes : lines) Line(bytes);
        Start();
    }
    // Builds the line tables (line n starts at 100n and is 10 + n characters long, its line break
    // included) and begins a run at the first instruction.
    void Start() {
        tables.LineCount = static_cast<std::int32_t>(lineAddresses.size()) - 1;
        tables.LineAddress = lineAddresses;
        tables.LineAddress.push_back(-1);
        tables.LineStart.assign(tables.LineAddress.size(), 0);
        tables.LineLength.assign(tables.LineAddress.size(), 1);
        for (std::size_t i = 1; i < tables.LineAddress.size(); ++i) {
            tables.LineStart[i] = 100 * static_cast<std::int32_t>(i);
            tables.LineLength[i] = 10 + static_cast<std::int32_t>(i);
        }
        tables.StartAddress = -1;
        for (std::size_t i = 1; i < lineAddresses.size() && tables.StartAddress < 0; ++i)
            tables.StartAddress = lineAddresses[i];
        cpu.ProgramCounter = tables.StartAddress;
        cpu.CurrentLine = 0;
        cpu.TStateCount = 0;
        cpu.Running = true;
        cpu.RuntimeError.clear();
    }
    void Run(int limit = 1000) {
        for (int i = 0; i < limit && cpu.Running; ++i) interpreter.Execute(false);
    }
    void ExpectHalted() {
        EXPECT_FALSE(cpu.Running);
        EXPECT_EQ(cpu.RuntimeError, "");
    }
    void ExpectUncompiledAt(std::int32_t address) {
        EXPECT_FALSE(cpu.Running);
        EXPECT_EQ(cpu.RuntimeError, "Missing HLT. Uncompiled address reached");
        EXPECT_EQ(cpu.ProgramCounter, address);
    }
    // Registers B to L and A set to 11H, 22H, ... so that a move or an operand shows its source.
    void DistinctRegisters() {
        for (int code = 0; code < 8; ++code) cpu.Register(code) = static_cast<std::uint8_t>(0x11 * (code + 1));
        cpu.Memory[0x5566] = 0x99;  // M, at H = 55H, L = 66H
    }
};

TEST_F(InterpreterTest, HaltEndsTheRunOnePastItsOpcodeWithTheTableTStates) {
    Program({{0x3E, 0x05}, {0xC6, 0x03}, {0x32, 0x00, 0x20}, {0x76}});  // MVI A,5; ADI 3; STA 2000H; HLT
    Run();
    ExpectHalted();
    EXPECT_EQ(cpu.ProgramCounter, 0x1008);
    EXPECT_EQ(cpu.Memory[0x2000], 0x08);
    EXPECT_EQ(cpu.TStateCount, 7 + 7 + 13 + 5);
    EXPECT_EQ(cpu.CurrentLine, 4);
    EXPECT_EQ(editor.selStart, 0);  // a run selects nothing
    EXPECT_EQ(editor.selLength, 0);
}

TEST_F(InterpreterTest, ReachingAnAddressNoLineProducedStopsAfterTheInstruction) {
    Program({{0xC3, 0x00, 0x20}, {0x76}});  // JMP 2000H
    Run();
    ExpectUncompiledAt(0x2000);
    EXPECT_EQ(cpu.TStateCount, 10);

    NewProgram();
    std::fill(cpu.Memory.begin(), cpu.Memory.end(), 0);
    Program({{0x3E, 0x01}});  // no HLT after it
    Run();
    ExpectUncompiledAt(0x1002);
    EXPECT_EQ(cpu.Register(RegA), 0x01);

    NewProgram();
    Program({{0xC3, 0x04, 0x10}, {0x3E, 0x01}, {0x76}});  // into the middle of MVI
    Run();
    ExpectUncompiledAt(0x1004);
}

// Condition code c is made true or false through the flag it tests.
void SetCondition(ProcessorState& cpu, int code, bool met) {
    static const int flagOf[] = {FlagZ, FlagZ, FlagCY, FlagCY, FlagP, FlagP, FlagS, FlagS};
    const bool flagSet = (code % 2 == 1) == met;
    cpu.Flags = static_cast<std::uint8_t>(flagSet ? flagOf[code] : 0);
}

TEST_F(InterpreterTest, ConditionalJumpsCountThreeMoreWhenTaken) {
    for (int code = 0; code < 8; ++code) {
        for (const bool met : {false, true}) {
            SCOPED_TRACE(::testing::Message() << "condition " << code << (met ? " met" : " not met"));
            NewProgram();
            Line({static_cast<std::uint8_t>(0xC2 | code << 3), 0x10, 0x10});
            Line({0x76});
            LineAt(0x1010, {0x76});
            Start();
            SetCondition(cpu, code, met);
            interpreter.Execute(false);
            EXPECT_EQ(cpu.ProgramCounter, met ? 0x1010 : 0x1003);
            EXPECT_EQ(cpu.TStateCount, met ? 10 : 7);
            EXPECT_EQ(cpu.CurrentLine, met ? 3 : 2);
            EXPECT_TRUE(cpu.Running);
        }
    }
}

TEST_F(InterpreterTest, ConditionalCallsPushTheNextAddressOnlyWhenTaken) {
    for (int code = 0; code < 8; ++code) {
        for (const bool met : {false, true}) {
            SCOPED_TRACE(::testing::Message() << "condition " << code << (met ? " met" : " not met"));
            NewProgram();
            cpu.Memory[0x2FFE] = cpu.Memory[0x2FFF] = 0xEE;
            Line({static_cast<std::uint8_t>(0xC4 | code << 3), 0x10, 0x10});
            Line({0x76});
            LineAt(0x1010, {0x76});
            Start();
            cpu.StackPointer = 0x3000;
            SetCondition(cpu, code, met);
            interpreter.Execute(false);
            EXPECT_EQ(cpu.ProgramCounter, met ? 0x1010 : 0x1003);
            EXPECT_EQ(cpu.TStateCount, met ? 18 : 9);
            EXPECT_EQ(cpu.StackPointer, met ? 0x2FFE : 0x3000);
            EXPECT_EQ(cpu.Memory[0x2FFF], met ? 0x10 : 0xEE);  // high byte at SP - 1
            EXPECT_EQ(cpu.Memory[0x2FFE], met ? 0x03 : 0xEE);
        }
    }
}

TEST_F(InterpreterTest, ConditionalReturnsCountSixMoreWhenTaken) {
    for (int code = 0; code < 8; ++code) {
        for (const bool met : {false, true}) {
            SCOPED_TRACE(::testing::Message() << "condition " << code << (met ? " met" : " not met"));
            NewProgram();
            Line({static_cast<std::uint8_t>(0xC0 | code << 3)});
            Line({0x76});
            LineAt(0xC000, {0x76});
            Start();
            cpu.StackPointer = 0x3000;
            cpu.Memory[0x3000] = 0x00;
            cpu.Memory[0x3001] = 0xC0;
            SetCondition(cpu, code, met);
            interpreter.Execute(false);
            EXPECT_EQ(cpu.ProgramCounter, met ? 0xC000 : 0x1001);
            EXPECT_EQ(cpu.TStateCount, met ? 12 : 6);
            EXPECT_EQ(cpu.StackPointer, met ? 0x3002 : 0x3000);
        }
    }
}

TEST_F(InterpreterTest, UnconditionalTransfersGoWhereTheyPoint) {
    // CALL sub; HLT; ... sub: LXI H,back; PCHL; ... back: RET
    Program({{0x31, 0x00, 0x30}, {0xCD, 0x00, 0x11}, {0x76}});
    LineAt(0x1100, {0x21, 0x00, 0x12});
    LineAt(0x1103, {0xE9});
    LineAt(0x1200, {0xC9});
    Start();
    Run();
    ExpectHalted();
    EXPECT_EQ(cpu.ProgramCounter, 0x1007);
    EXPECT_EQ(cpu.StackPointer, 0x3000);
    EXPECT_EQ(cpu.TStateCount, 10 + 18 + 10 + 6 + 10 + 5);
}

// L1 MVI B,2 / L2 JMP L6 / L3 DCR B / L4 (no code) / L5 JZ L8 / L6 NOP / L7 JMP L3 / L8 HLT
struct LineTrackingTest : InterpreterTest {
    LineTrackingTest() {
        Line({0x06, 0x02});        // 1000
        Line({0xC3, 0x09, 0x10});  // 1002
        Line({0x05});              // 1005
        Line({});
        Line({0xCA, 0x0D, 0x10});  // 1006
        Line({0x00});              // 1009
        Line({0xC3, 0x05, 0x10});  // 100A
        Line({0x76});              // 100D
        Start();
    }
    static constexpr int kLinesVisited[] = {2, 6, 7, 3, 5, 6, 7, 3, 5, 8};
};

TEST_F(LineTrackingTest, FollowsJumpsBothWaysAndSkipsLinesWithoutCode) {
    std::vector<int> visited;
    while (cpu.Running) {
        interpreter.Execute(false);
        if (cpu.Running) visited.push_back(cpu.CurrentLine);
    }
    ExpectHalted();
    EXPECT_EQ(visited, std::vector<int>(std::begin(kLinesVisited), std::end(kLinesVisited)));
    EXPECT_EQ(editor.selStart, 0);
    EXPECT_EQ(editor.selLength, 0);
}

TEST_F(LineTrackingTest, StepModeSelectsTheLineOfTheNextInstructionEveryTime) {
    cpu.StepMode = true;
    for (const int line : kLinesVisited) {
        interpreter.Execute(false);
        EXPECT_EQ(editor.selStart, 100 * line);
        EXPECT_EQ(editor.selLength, 10 + line - 1);
    }
    interpreter.Execute(false);  // HLT selects nothing new
    ExpectHalted();
    EXPECT_EQ(editor.selStart, 800);
}

TEST_F(LineTrackingTest, LocateOnlySelectsTheLineWithoutExecuting) {
    cpu.ProgramCounter = 0x1006;
    cpu.CurrentLine = 5;  // even when the guess is right, the line is searched and selected
    cpu.TStateCount = 0;
    interpreter.Execute(true);
    EXPECT_EQ(cpu.CurrentLine, 5);
    EXPECT_EQ(editor.selStart, 500);
    EXPECT_EQ(editor.selLength, 14);
    EXPECT_EQ(cpu.ProgramCounter, 0x1006);
    EXPECT_EQ(cpu.TStateCount, 0);
    EXPECT_EQ(cpu.Register(RegB), 0);
    EXPECT_TRUE(cpu.Running);

    cpu.ProgramCounter = 0x1007;  // not a line: nothing happens
    interpreter.Execute(true);
    EXPECT_TRUE(cpu.Running);
    EXPECT_EQ(cpu.RuntimeError, "");
    EXPECT_EQ(cpu.CurrentLine, 5);

    cpu.Running = false;  // nothing running: nothing located
    cpu.ProgramCounter = 0x1000;
    interpreter.Execute(true);
    EXPECT_EQ(cpu.CurrentLine, 5);
    EXPECT_EQ(editor.selStart, 500);
}

TEST_F(InterpreterTest, SearchPrefersTheNearestEarlierLineThenTheFirstLaterOne) {
    // Several lines at 1005H, as overlapping origins can produce.
    tables.LineCount = 6;
    tables.LineAddress = {-1, 0x1000, 0x1005, 0x1001, 0x1005, 0x1002, 0x1005, -1};
    tables.LineStart = {0, 100, 200, 300, 400, 500, 600, 700};
    tables.LineLength = {1, 11, 12, 13, 14, 15, 16, 17};
    cpu.Running = true;
    cpu.ProgramCounter = 0x1005;
    const std::pair<int, int> fromTo[] = {{4, 2}, {6, 4}, {2, 2}, {1, 2}, {0, 2}};
    for (const auto& [from, to] : fromTo) {
        cpu.CurrentLine = from;
        interpreter.Execute(true);
        EXPECT_EQ(cpu.CurrentLine, to) << "from line " << from;
    }
}

TEST_F(InterpreterTest, LineZeroIsFoundOnlyFromLineZero) {
    Program({{0x00}, {0xC3, 0x00, 0x20}, {0x76}});  // NOP; JMP 2000H
    tables.LineAddress[0] = 0x2000;
    tables.LineStart[0] = 42;
    tables.LineLength[0] = 5;
    Run();
    ExpectUncompiledAt(0x2000);

    cpu.Running = true;
    cpu.CurrentLine = 0;
    interpreter.Execute(true);
    EXPECT_EQ(cpu.CurrentLine, 0);
    EXPECT_EQ(editor.selStart, 42);
    EXPECT_EQ(editor.selLength, 4);
}

TEST_F(InterpreterTest, MissingOrShortLineTablesStopTheRunWithoutReadingPastThem) {
    cpu.Memory[0x1000] = 0x00;
    cpu.ProgramCounter = 0x1000;
    cpu.Running = true;
    interpreter.Execute(false);  // nothing assembled yet: empty tables
    ExpectUncompiledAt(0x1001);

    tables.LineCount = 50;  // tables shorter than the count claims
    tables.LineAddress = {-1, 0x1000};
    cpu.ProgramCounter = 0x1000;
    cpu.Running = true;
    cpu.CurrentLine = 49;
    interpreter.Execute(false);
    ExpectUncompiledAt(0x1001);

    tables.LineAddress = {-1, 0x1000, 0x1001};  // LineStart and LineLength missing
    cpu.Running = true;
    cpu.CurrentLine = -7;
    interpreter.Execute(true);
    EXPECT_EQ(cpu.CurrentLine, 2);
    EXPECT_EQ(editor.selStart, 0);
}

TEST_F(InterpreterTest, UnsupportedInstructionsWarnOncePerOpcodeAndActAsNoOperations) {
    // OUT 10H twice, IN 20H, DI, EI, RIM, SIM, RST 7, RST 0, HLT
    Program({{0xD3, 0x10}, {0xD3, 0x10}, {0xDB, 0x20}, {0xF3}, {0xFB}, {0x20}, {0x30}, {0xFF}, {0xC7}, {0x76}});
    cpu.Register(RegA) = 0x42;
    cpu.Flags = FlagZ;
    cpu.StackPointer = 0x3000;
    Run();
    ExpectHalted();
    const std::vector<std::string> expected = {
        "Warning : Instruction OUT (D3H) not supported.", "Warning : Instruction IN (DBH) not supported.",
        "Warning : Instruction DI (F3H) not supported.",  "Warning : Instruction EI (FBH) not supported.",
        "Warning : Instruction RIM (20H) not supported.", "Warning : Instruction SIM (30H) not supported.",
        "Warning : Instruction RST (FFH) not supported.", "Warning : Instruction RST (C7H) not supported.",
    };
    EXPECT_EQ(progress.items, expected);
    EXPECT_EQ(cpu.TStateCount, 10 + 10 + 10 + 4 + 4 + 4 + 4 + 12 + 12 + 5);
    EXPECT_EQ(cpu.ProgramCounter, 0x100D);
    EXPECT_EQ(cpu.Register(RegA), 0x42);
    EXPECT_EQ(cpu.Flags, FlagZ);
    EXPECT_EQ(cpu.StackPointer, 0x3000);

    cpu.WarnedOpcodes.fill(false);  // as the run window does each time it is shown
    progress.items.clear();
    Start();
    Run();
    EXPECT_EQ(progress.items, expected);
}

TEST_F(InterpreterTest, UndefinedOpcodesOnlyAdvance) {
    Program({{0x08}, {0x10}, {0x18}, {0x28}, {0x38}, {0xCB}, {0xD9}, {0xDD}, {0xED}, {0xFD}, {0x76}});
    DistinctRegisters();
    cpu.Flags = 0xD5;
    cpu.StackPointer = 0x3000;
    const auto before = cpu.Registers;
    Run();
    ExpectHalted();
    EXPECT_EQ(cpu.ProgramCounter, 0x100B);
    EXPECT_EQ(cpu.TStateCount, 5);  // the undefined rows carry no T-states
    EXPECT_EQ(cpu.Registers, before);
    EXPECT_EQ(cpu.Flags, 0xD5);
    EXPECT_EQ(cpu.StackPointer, 0x3000);
    EXPECT_TRUE(progress.items.empty());
}

TEST_F(InterpreterTest, MonitoredRegistersAreRefreshedAndEventsRunAfterEachInstruction) {
    Program({{0x00}, {0x3E, 0x01}, {0x76}});
    cpu.MonitorRegisters = true;
    std::vector<std::int64_t> tstatesSeen;
    pump.onEvents = [&] { tstatesSeen.push_back(cpu.TStateCount); };
    Run();
    ExpectHalted();
    EXPECT_EQ(views.registerRefreshes, 3);
    EXPECT_TRUE(views.lastKeepStatusText);
    EXPECT_EQ(pump.calls, 3);
    EXPECT_EQ(tstatesSeen, (std::vector<std::int64_t>{4, 11, 16}));  // after the count, before the next

    NewProgram();
    Program({{0x00}, {0x00}, {0x76}});
    views.registerRefreshes = 0;
    pump.onEvents = [&] { cpu.MonitorRegisters = false; };  // the check box cleared during the yield
    Run();
    EXPECT_EQ(views.registerRefreshes, 1);
}

TEST_F(InterpreterTest, StateChangedDuringTheYieldIsSeenByTheLineCheck) {
    Program({{0x00}});  // would run off the end
    cpu.MonitorRegisters = true;
    pump.onEvents = [&] { cpu.Running = false; };
    interpreter.Execute(false);
    EXPECT_FALSE(cpu.Running);
    EXPECT_EQ(cpu.RuntimeError, "");
    EXPECT_EQ(cpu.ProgramCounter, 0x1001);
}

TEST_F(InterpreterTest, MovesCopyEverySourceToEveryDestination) {
    for (int opcode = 0x40; opcode < 0x80; ++opcode) {
        if (opcode == 0x76) continue;
        SCOPED_TRACE(HexText(opcode, 2));
        NewProgram();
        Program({{static_cast<std::uint8_t>(opcode)}, {0x76}});
        DistinctRegisters();
        cpu.Register(RegH) = 0x55;
        cpu.Register(RegL) = 0x66;
        ProcessorState expected = cpu;
        const int d = opcode >> 3 & 7;
        const int s = opcode & 7;
        const std::uint8_t value = s == RegM ? 0x99 : expected.Register(s);
        if (d == RegM)
            expected.Memory[0x5566] = value;
        else
            expected.Register(d) = value;
        interpreter.Execute(false);
        EXPECT_EQ(cpu.Registers, expected.Registers);
        EXPECT_EQ(cpu.Memory[0x5566], expected.Memory[0x5566]);
        EXPECT_EQ(cpu.Flags, 0);
        EXPECT_EQ(cpu.TStateCount, d == RegM || s == RegM ? 7 : 4);
    }
}

TEST_F(InterpreterTest, ArithmeticOpcodesApplyTheirOperationToTheirOperand) {
    using Operation = void (*)(ProcessorState&, int);
    const Operation operations[] = {
        [](ProcessorState& c, int x) { AddToAccumulator(c, x, 0); },
        [](ProcessorState& c, int x) { AddToAccumulator(c, x, TestFlag(c, FlagCY)); },
        [](ProcessorState& c, int x) { SubtractFromAccumulator(c, x, 0); },
        [](ProcessorState& c, int x) { SubtractFromAccumulator(c, x, TestFlag(c, FlagCY)); },
        [](ProcessorState& c, int x) { AndWithAccumulator(c, x); },
        [](ProcessorState& c, int x) { XorWithAccumulator(c, x); },
        [](ProcessorState& c, int x) { OrWithAccumulator(c, x); },
        [](ProcessorState& c, int x) { CompareWithAccumulator(c, x); },
    };
    for (int opcode = 0x80; opcode < 0x100; ++opcode) {
        const bool immediate = opcode >= 0xC0;
        if (immediate && (opcode & 7) != 6) continue;
        SCOPED_TRACE(HexText(opcode, 2));
        NewProgram();
        Program({immediate ? Bytes{static_cast<std::uint8_t>(opcode), 0x3C} : Bytes{static_cast<std::uint8_t>(opcode)},
                 {0x76}});
        DistinctRegisters();
        cpu.Register(RegH) = 0x55;
        cpu.Register(RegL) = 0x66;
        cpu.Register(RegA) = 0x5C;
        cpu.Flags = FlagCY | FlagS;
        ProcessorState expected = cpu;
        const int operand = immediate ? 0x3C : (opcode & 7) == RegM ? 0x99 : expected.Register(opcode & 7);
        operations[opcode >> 3 & 7](expected, operand);
        interpreter.Execute(false);
        EXPECT_EQ(cpu.Register(RegA), expected.Register(RegA));
        EXPECT_EQ(cpu.Flags, expected.Flags);
        EXPECT_EQ(cpu.ProgramCounter, immediate ? 0x1002 : 0x1001);
    }
}

TEST_F(InterpreterTest, IncrementAndDecrementOfMUseTheByteAtHl) {
    Program({{0x21, 0x00, 0x20}, {0x34}, {0x35}, {0x35}, {0x76}});  // LXI H,2000H; INR M; DCR M; DCR M
    cpu.Memory[0x2000] = 0xFF;
    cpu.Register(RegA) = 0x01;
    cpu.Flags = FlagCY;
    interpreter.Execute(false);
    interpreter.Execute(false);
    EXPECT_EQ(cpu.Memory[0x2000], 0x00);
    EXPECT_EQ(cpu.Flags, FlagZ | FlagP | FlagAC | FlagCY);
    interpreter.Execute(false);
    interpreter.Execute(false);
    EXPECT_EQ(cpu.Memory[0x2000], 0xFE);
    EXPECT_EQ(cpu.Flags, FlagS | FlagCY);
    EXPECT_EQ(cpu.Register(RegA), 0x01);
    EXPECT_EQ(cpu.TStateCount, 10 + 10 + 10 + 10);
}

TEST_F(InterpreterTest, LoadsStoresAndPairOperations) {
    Program({
        {0x01, 0x00, 0x20},  // LXI B,2000H
        {0x11, 0x01, 0x20},  // LXI D,2001H
        {0x0A},              // LDAX B
        {0x12},              // STAX D
        {0x2A, 0x10, 0x20},  // LHLD 2010H
        {0xEB},              // XCHG
        {0x3A, 0x20, 0x20},  // LDA 2020H
        {0x2F},              // CMA
        {0x0B},              // DCX B
        {0x31, 0xFF, 0xFF},  // LXI SP,FFFFH
        {0x33},              // INX SP
        {0x39},              // DAD SP
        {0x37},              // STC
        {0x3F},              // CMC
        {0x76},
    });
    cpu.Memory[0x2000] = 0xA5;
    cpu.Memory[0x2010] = 0x34;
    cpu.Memory[0x2011] = 0x12;
    cpu.Memory[0x2020] = 0x0F;
    Run();
    ExpectHalted();
    EXPECT_EQ(cpu.Memory[0x2001], 0xA5);
    EXPECT_EQ(GetRegisterPair(cpu, PairDE), 0x1234);
    EXPECT_EQ(GetRegisterPair(cpu, PairHL), 0x2001);
    EXPECT_EQ(cpu.Register(RegA), 0xF0);
    EXPECT_EQ(GetRegisterPair(cpu, PairBC), 0x1FFF);
    EXPECT_EQ(cpu.StackPointer, 0x0000);
    EXPECT_EQ(cpu.Flags, 0);  // nothing but STC and CMC touched the flags
}

TEST_F(InterpreterTest, StackOperationsAndPswCarryEveryFlagBit) {
    Program({
        {0x31, 0x00, 0x30},  // LXI SP,3000H
        {0xF1},              // POP PSW
        {0xF5},              // PUSH PSW
        {0xC1},              // POP B
        {0x21, 0x22, 0x11},  // LXI H,1122H
        {0xE5},              // PUSH H
        {0x21, 0x44, 0x33},  // LXI H,3344H
        {0xE3},              // XTHL
        {0xF9},              // SPHL
        {0x76},
    });
    cpu.Memory[0x3000] = 0xFF;  // flags
    cpu.Memory[0x3001] = 0x80;  // A
    Run();
    ExpectHalted();
    EXPECT_EQ(cpu.Flags, 0xFF);
    EXPECT_EQ(cpu.Register(RegA), 0x80);
    EXPECT_EQ(GetRegisterPair(cpu, PairBC), 0x80FF);
    EXPECT_EQ(GetRegisterPair(cpu, PairHL), 0x1122);
    EXPECT_EQ(cpu.Memory[0x3000], 0x44);
    EXPECT_EQ(cpu.Memory[0x3001], 0x33);
    EXPECT_EQ(cpu.StackPointer, 0x1122);
    EXPECT_EQ(cpu.TStateCount, 10 + 10 + 12 + 10 + 10 + 12 + 10 + 16 + 6 + 5);
}

TEST_F(InterpreterTest, EveryStoreReachesTheGridWhileMemoryIsMonitored) {
    dump.MemoryColumnCount = 1;
    dump.ColumnStart = {0, 0x3000};
    const std::vector<Bytes> program = {
        {0x31, 0x40, 0x30},  // LXI SP,3040H
        {0x21, 0x00, 0x30},  // LXI H,3000H
        {0x01, 0x10, 0x30},  // LXI B,3010H
        {0x3E, 0xAA},        // MVI A,AAH
        {0x36, 0x11},        // MVI M,11H
        {0x34},              // INR M
        {0x02},              // STAX B
        {0x32, 0x20, 0x30},  // STA 3020H
        {0x22, 0x30, 0x30},  // SHLD 3030H
        {0xC5},              // PUSH B
        {0xE3},              // XTHL
        {0x77},              // MOV M,A
        {0xCD, 0x20, 0x10},  // CALL 1020H
        {0x76},              // 101B
    };
    auto load = [&] {
        NewProgram();
        std::fill(cpu.Memory.begin(), cpu.Memory.end(), 0);
        Program(program);
        LineAt(0x1020, {0x35});  // DCR M
        LineAt(0x1021, {0xC9});  // RET
        Start();
    };
    load();
    cpu.MonitorMemory = true;
    Run();
    ExpectHalted();
    const std::pair<int, const char*> shown[] = {{0x3000, "12"}, {0x3010, "A9"}, {0x3020, "AA"},
                                                 {0x3030, "00"}, {0x3031, "30"}, {0x303C, "1B"},
                                                 {0x303D, "10"}, {0x303E, "00"}, {0x303F, "30"}};
    for (const auto& [address, text] : shown) {
        EXPECT_EQ(HexText(cpu.Memory[static_cast<std::size_t>(address)], 2), text) << HexText(address, 4);
        EXPECT_EQ(grid.Cell(address - 0x3000 + 1, 1), text) << HexText(address, 4);
    }

    load();
    grid.cells.clear();
    grid.writes = 0;
    cpu.MonitorMemory = false;
    Run();
    ExpectHalted();
    EXPECT_EQ(cpu.Memory[0x3010], 0xA9);
    EXPECT_EQ(grid.writes, 0);
}

TEST_F(InterpreterTest, AddressesWrapAtBothEndsOfMemory) {
    // MVI A at FFFFH takes its operand from 0000H; execution goes on at 0001H.
    NewProgram();
    LineAt(0xFFFF, {0x3E});
    cpu.Memory[0x0000] = 0x42;
    LineAt(0x0001, {0x00});
    LineAt(0x0002, {0x76});
    Start();
    Run();
    ExpectHalted();
    EXPECT_EQ(cpu.Register(RegA), 0x42);
    EXPECT_EQ(cpu.ProgramCounter, 0x0003);

    // A one-byte instruction at FFFFH continues at 0000H.
    NewProgram();
    LineAt(0xFFFF, {0x00});
    LineAt(0x0000, {0x76});
    Start();
    Run();
    ExpectHalted();
    EXPECT_EQ(cpu.ProgramCounter, 0x0001);

    // PUSH with SP = 0001H and POP with SP = FFFFH.
    NewProgram();
    Program({{0x31, 0x01, 0x00}, {0x01, 0xCD, 0xAB}, {0xC5}, {0xD1}, {0x76}}, 0x1000);
    Run();
    ExpectHalted();
    EXPECT_EQ(cpu.Memory[0x0000], 0xAB);
    EXPECT_EQ(cpu.Memory[0xFFFF], 0xCD);
    EXPECT_EQ(GetRegisterPair(cpu, PairDE), 0xABCD);
    EXPECT_EQ(cpu.StackPointer, 0x0001);

    // SHLD and LHLD at FFFFH.
    NewProgram();
    Program({{0x21, 0x34, 0x12}, {0x22, 0xFF, 0xFF}, {0x21, 0x00, 0x00}, {0x2A, 0xFF, 0xFF}, {0x76}});
    Run();
    ExpectHalted();
    EXPECT_EQ(cpu.Memory[0xFFFF], 0x34);
    EXPECT_EQ(cpu.Memory[0x0000], 0x12);
    EXPECT_EQ(GetRegisterPair(cpu, PairHL), 0x1234);
}

TEST_F(InterpreterTest, CallAtTheTopOfMemoryPushesTheWrappedReturnAddress) {
    NewProgram();
    LineAt(0xFFFE, {0xCD, 0x00, 0x20});  // CALL 2000H, its last byte at 0000H
    LineAt(0x0001, {0x76});
    LineAt(0x2000, {0xC9});  // RET
    Start();
    cpu.StackPointer = 0xF000;
    interpreter.Execute(false);
    EXPECT_EQ(cpu.ProgramCounter, 0x2000);
    EXPECT_EQ(cpu.Memory[0xEFFF], 0x00);
    EXPECT_EQ(cpu.Memory[0xEFFE], 0x01);
    Run();
    ExpectHalted();
    EXPECT_EQ(cpu.ProgramCounter, 0x0002);

    // A jump to 0000H lands there exactly.
    NewProgram();
    Program({{0x21, 0x00, 0x00}, {0xE9}});  // LXI H,0; PCHL
    LineAt(0x0000, {0x76});
    Start();
    Run();
    ExpectHalted();
    EXPECT_EQ(cpu.ProgramCounter, 0x0001);
}

}  // namespace
}  // namespace vantric
