#include "views/MemoryWriter.h"

#include <gtest/gtest.h>

#include "support/Fakes.h"

namespace vantric {
namespace {

struct MemoryWriterTest : ::testing::Test {
    ProcessorState cpu;
    MemoryDumpSettings dump;
    fakes::FakeMemoryGrid grid;
    MemoryWriter writer{cpu, dump, grid};
};

TEST_F(MemoryWriterTest, UpdatesEveryDataCellThatShowsTheAddress) {
    dump.MemoryColumnCount = 3;
    dump.RowsPerColumn = 64;
    dump.ColumnStart = {0, 0x1000, 0x1010, 0x3000};  // the first two columns overlap
    writer.WriteUserByte(0x1012, 0x0A);
    EXPECT_EQ(cpu.Memory[0x1012], 0x0A);
    EXPECT_EQ(grid.Cell(0x13, 1), "0A");
    EXPECT_EQ(grid.Cell(3, 3), "0A");
    EXPECT_EQ(grid.writes, 2);

    writer.WriteUserByte(0x103F, 0xFF);  // last row of column 1, past the end of nothing else
    EXPECT_EQ(grid.Cell(64, 1), "FF");
    EXPECT_EQ(grid.Cell(0x30, 3), "FF");
    writer.WriteUserByte(0x1040, 1);  // first address after column 1
    EXPECT_EQ(grid.Cell(0x31, 3), "01");
    EXPECT_EQ(grid.writes, 5);
    writer.WriteUserByte(0x4000, 7);  // shown nowhere
    EXPECT_EQ(grid.writes, 5);
    EXPECT_EQ(cpu.Memory[0x4000], 7);
}

TEST(ProcessorState, ResetValuesClearEverythingButTheTStateCount) {
    ProcessorState cpu;
    EXPECT_EQ(cpu.TStateCount, -1);
    cpu.Memory.fill(0xAA);
    cpu.Registers.fill(0x11);
    cpu.Flags = 0xFF;
    cpu.StackPointer = 0x1234;
    cpu.ProgramCounter = 0x4321;
    cpu.TStateCount = 99;
    cpu.ApplyResetValues();
    EXPECT_EQ(cpu.StackPointer, 0xFFF0);
    EXPECT_EQ(cpu.ProgramCounter, 0x1000);
    EXPECT_EQ(cpu.Flags, 0);
    for (int code : {RegB, RegC, RegD, RegE, RegH, RegL, RegA}) EXPECT_EQ(cpu.Register(code), 0);
    for (int a = 0; a < kMemorySize; ++a) ASSERT_EQ(cpu.Memory[static_cast<std::size_t>(a)], 0) << a;
    EXPECT_EQ(cpu.TStateCount, 99);
}

}  // namespace
}  // namespace vantric
