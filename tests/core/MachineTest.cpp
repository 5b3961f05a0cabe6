// The engine on line tables built by hand: how runs end, line tracking, the stores it reports and
// the wrap at FFFFH. Every instruction's effect and timing, the warnings and the line search over
// overlapping origins are compared, through generated programs, by the differential test.

#include "core/Machine.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "assembler/ShippedInstructionSet.h"
#include "control/MachineDisplay.h"
#include "core/HexText.h"
#include "support/Fakes.h"

namespace vantric {
namespace {

struct MachineTest : ::testing::Test {
    AssemblyTables tables;
    Machine machine{tables};
    ProcessorState& cpu = machine.State();
    fakes::FakeListBox progress;
    fakes::FakeEditor editor;
    fakes::FakeMachineViews views;
    MachineDisplay display{progress, editor, views};

    MachineTest() {
        editor.text.assign(5000, ' ');
        machine.LoadTimings(testing::ShippedInstructionSet());
        machine.SetObserver(&display);
    }
    // Where line n starts when line i has 9 + i characters (LineLength 10 + i), one after another.
    static int StartOf(int line) { return (line - 1) * (line + 18) / 2; }
    // One line per entry of `code`, its bytes in hex ("": a line without an instruction), each
    // instruction where the one before ended from 1000H on unless `placedAt` gives its line an
    // address; the run begins at the first instruction.
    void Program(const std::vector<std::string>& code, const std::map<int, int>& placedAt = {}) {
        tables.ClearLines(static_cast<std::int32_t>(code.size()));
        std::int32_t next = 0x1000, first = -1;
        for (std::int32_t n = 1; n <= tables.LineCount; ++n) {
            tables.RecordLine(n, StartOf(n), 9 + n);
            std::istringstream bytes(code[static_cast<std::size_t>(n - 1)]);
            if (bytes.str().empty()) continue;
            if (placedAt.contains(n)) next = placedAt.at(n);
            tables.RecordInstruction(n, next, 1);
            if (first < 0) first = next;
            for (int byte; bytes >> std::hex >> byte;) cpu.Memory[static_cast<std::uint16_t>(next++)] = byte;
        }
        machine.Start(first);
        cpu.TStateCount = 0;
    }
    // One instruction as a run executes it: line tracking with the guess, no selection.
    StopReason Execute() {
        machine.BeginRun();
        return machine.Run(1);
    }
    StopReason Run(std::uint64_t limit = 1000) {
        machine.BeginRun(limit);
        return machine.Run();
    }
    void ExpectEnded(const std::string& error = "") {
        EXPECT_FALSE(machine.Running());
        EXPECT_EQ(machine.RuntimeError(), error);
    }
};

TEST_F(MachineTest, RunsEndAtHltAnUncompiledAddressOrTheInstructionLimit) {
    Program({"3E 05", "C6 03", "32 00 20", "76"});  // MVI A,5; ADI 3; STA 2000H; HLT
    EXPECT_EQ(Run(2), StopReason::InstructionLimit);
    EXPECT_EQ(cpu.ProgramCounter, 0x1004);
    EXPECT_EQ(machine.CurrentLine(), 3);
    EXPECT_EQ(machine.Run(), StopReason::InstructionLimit);  // used up until the next BeginRun
    EXPECT_EQ(Run(0), StopReason::Halted);                   // a run without a limit goes to the end
    ExpectEnded();
    EXPECT_EQ(cpu.ProgramCounter, 0x1008);
    EXPECT_EQ(cpu.TStateCount, 7 + 7 + 13 + 5);
    EXPECT_EQ(machine.CurrentLine(), 4);  // the guess stops at the last line

    Program({"C3 04 10", "3E 01"});  // JMP into the middle of MVI
    EXPECT_EQ(Run(), StopReason::UncompiledAddress);
    ExpectEnded(kUncompiledAddressError);
    EXPECT_EQ(cpu.ProgramCounter, 0x1004);
    Program({"3E 01"});  // no HLT
    Run();
    ExpectEnded(kUncompiledAddressError);
    EXPECT_EQ(cpu.ProgramCounter, 0x1002);

    tables.LineCount = 50;  // tables that claim more lines than they hold are never read past their end
    tables.Lines = {LineEntry{}, LineEntry{0x1000, 1, 0}, LineEntry{0x1001, 1, 0}};
    cpu.Memory[0x1000] = cpu.Memory[0x1001] = 0x00;
    machine.Start(0x1000);
    Execute();
    EXPECT_EQ(machine.CurrentLine(), 2);
    Execute();
    ExpectEnded(kUncompiledAddressError);
    EXPECT_EQ(cpu.ProgramCounter, 0x1002);
}

// L1 MVI B,2 / L2 JMP L6 / L3 DCR B / L4 no code / L5 JZ L8 / L6 NOP / L7 JMP L3 / L8 HLT
TEST_F(MachineTest, LinesFollowJumpsBothWaysAndLocateSelectsOnlyWhereALineIs) {
    Program({"06 02", "C3 09 10", "05", "", "CA 0D 10", "00", "C3 05 10", "76"});
    std::vector<int> seen;
    for (Execute(); machine.Running(); Execute()) seen.push_back(machine.CurrentLine());
    ExpectEnded();
    EXPECT_EQ(seen, (std::vector<int>{2, 6, 7, 3, 5, 6, 7, 3, 5, 8}));
    EXPECT_EQ(editor.selLength, 0);

    machine.Start(0x1006);  // locating selects the line without executing
    machine.LocateLine();
    EXPECT_EQ(machine.CurrentLine(), 5);
    EXPECT_EQ(editor.selStart, StartOf(5));
    EXPECT_EQ(editor.selLength, 14);
    cpu.ProgramCounter = 0x1007;  // no line there: nothing happens, no error
    machine.LocateLine();
    EXPECT_TRUE(machine.Running());
    EXPECT_EQ(machine.CurrentLine(), 5);
    machine.Halt();  // nothing running: nothing located
    cpu.ProgramCounter = 0x1000;
    machine.LocateLine();
    EXPECT_EQ(machine.CurrentLine(), 0);
}

TEST_F(MachineTest, EveryStoreToAWatchedAddressIsReportedOnceWithItsLastValue) {
    machine.WatchOnly({{0x3000, 0x40}, {0xFFF0, 0x20}});  // the second range is cut at FFFFH
    // LXI SP; LXI H; LXI B; MVI A; MVI M; STAX B; STA; SHLD; PUSH B; XTHL; MOV M,A; CALL; STA 4000H,
    // not watched; STA FFFFH; HLT; INR M; RET
    Program({"31 40 30", "21 00 30", "01 10 30", "3E AA", "36 11", "02", "32 20 30", "22 30 30", "C5", "E3", "77",
             "CD 40 10", "32 00 40", "32 FF FF", "76", "34", "C9"},
            {{16, 0x1040}});
    Run();
    ExpectEnded();
    machine.ReportChanges(true, false);
    std::map<int, int> stores;
    for (const auto& [address, value] : views.shownBytes)
        EXPECT_TRUE(stores.emplace(address, value).second) << "reported twice: " << HexText(address, 4);
    std::string reported;
    for (const auto& [address, value] : stores) reported += HexText(address, 4) + "=" + HexText(value, 2) + " ";
    EXPECT_EQ(reported, "3000=11 3010=AB 3020=AA 3030=00 3031=30 303C=1A 303D=10 303E=00 303F=30 FFFF=AA ");
    EXPECT_EQ(views.registerRefreshes, 0);

    // Once reported, a store is reported again only when it happens again; unreported ones can be dropped.
    views.shownBytes.clear();
    machine.ReportChanges(true, true);
    EXPECT_TRUE(views.shownBytes.empty());
    EXPECT_EQ(views.registerRefreshes, 1);
    EXPECT_TRUE(views.lastKeepStatusText);
    machine.Start(0x1000);
    Run();
    machine.ReportChanges(false, false);
    machine.ReportChanges(true, false);
    EXPECT_TRUE(views.shownBytes.empty());
}

TEST_F(MachineTest, AddressesWrapAtBothEndsOfMemory) {
    // MVI A at FFFFH, its operand at 0000H; LXI H,1234H; SHLD FFFFH; LXI H,0; LHLD FFFFH; HLT
    Program({"3E", "21 34 12", "22 FF FF", "21 00 00", "2A FF FF", "76"}, {{1, 0xFFFF}, {2, 0x0001}});
    cpu.Memory[0x0000] = 0x42;
    Run();
    ExpectEnded();
    EXPECT_EQ(cpu.Register(RegA), 0x42);
    EXPECT_EQ(cpu.Memory[0xFFFF], 0x34);
    EXPECT_EQ(cpu.Memory[0x0000], 0x12);
    EXPECT_EQ(cpu.Register(RegH) << 8 | cpu.Register(RegL), 0x1234);

    Program({"CD 00 20", "76", "C9"}, {{1, 0xFFFE}, {2, 0x0001}, {3, 0x2000}});  // CALL 2000H; HLT; RET
    cpu.StackPointer = 0xF000;
    Run();
    ExpectEnded();
    EXPECT_EQ(cpu.Memory[0xEFFF], 0x00);  // the return address is 10001H
    EXPECT_EQ(cpu.Memory[0xEFFE], 0x01);
    EXPECT_EQ(cpu.ProgramCounter, 0x0002);
}

}  // namespace
}  // namespace vantric
