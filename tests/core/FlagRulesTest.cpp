#include "core/FlagRules.h"

#include <gtest/gtest.h>

#include "support/Fakes.h"

namespace vantric {
namespace {

struct FlagRulesTest : ::testing::Test {
    ProcessorState cpu;
    MemoryDumpSettings dump;
    fakes::FakeMemoryGrid grid;
    MemoryWriter writer{cpu, dump, grid};

    int A() const { return cpu.Register(RegA); }
    void SetA(int value) { cpu.Register(RegA) = static_cast<std::uint8_t>(value); }
    bool Has(int mask) const { return (cpu.Flags & mask) != 0; }
};

TEST_F(FlagRulesTest, AddSetsHalfCarryAndCarryAtTheirBoundaries) {
    SetA(0x0F);
    AddToAccumulator(cpu, 0x01, 0);
    EXPECT_EQ(A(), 0x10);
    EXPECT_EQ(cpu.Flags, FlagAC);  // S, Z, P (one bit set) and CY clear

    SetA(0xFF);
    AddToAccumulator(cpu, 0x01, 0);
    EXPECT_EQ(A(), 0x00);
    EXPECT_EQ(cpu.Flags, FlagZ | FlagP | FlagCY | FlagAC);

    SetA(0x0E);  // one short of both boundaries
    AddToAccumulator(cpu, 0xF1, 0);
    EXPECT_EQ(A(), 0xFF);
    EXPECT_EQ(cpu.Flags, FlagS | FlagP);
}

TEST_F(FlagRulesTest, AddWithCarryInCountsTheCarryInBothTests) {
    SetA(0x0E);
    AddToAccumulator(cpu, 0x01, 1);
    EXPECT_EQ(A(), 0x10);
    EXPECT_TRUE(Has(FlagAC));
    EXPECT_FALSE(Has(FlagCY));

    SetA(0xFF);
    AddToAccumulator(cpu, 0x00, 1);
    EXPECT_EQ(A(), 0x00);
    EXPECT_EQ(cpu.Flags, FlagZ | FlagP | FlagCY | FlagAC);

    SetA(0x7F);
    AddToAccumulator(cpu, 0x00, 1);
    EXPECT_EQ(A(), 0x80);
    EXPECT_EQ(cpu.Flags, FlagS | FlagAC);
}

TEST_F(FlagRulesTest, SubtractMarksBorrowsOutOfBitFourAndBitEight) {
    SetA(0x10);
    SubtractFromAccumulator(cpu, 0x01, 0);
    EXPECT_EQ(A(), 0x0F);
    EXPECT_EQ(cpu.Flags, FlagAC | FlagP);

    SetA(0x00);
    SubtractFromAccumulator(cpu, 0x01, 0);
    EXPECT_EQ(A(), 0xFF);
    EXPECT_EQ(cpu.Flags, FlagS | FlagP | FlagCY | FlagAC);

    SetA(0x05);
    SubtractFromAccumulator(cpu, 0x05, 0);
    EXPECT_EQ(A(), 0x00);
    EXPECT_EQ(cpu.Flags, FlagZ | FlagP);  // no borrow anywhere: AC and CY clear
}

TEST_F(FlagRulesTest, SubtractWithBorrowInCountsTheBorrowInBothTests) {
    SetA(0x10);
    SubtractFromAccumulator(cpu, 0x0F, 1);
    EXPECT_EQ(A(), 0x00);
    EXPECT_EQ(cpu.Flags, FlagZ | FlagP | FlagAC);

    SetA(0x00);
    SubtractFromAccumulator(cpu, 0xFF, 1);  // -256 is still a borrow
    EXPECT_EQ(A(), 0x00);
    EXPECT_EQ(cpu.Flags, FlagZ | FlagP | FlagCY | FlagAC);

    SetA(0x20);
    SubtractFromAccumulator(cpu, 0x1F, 1);
    EXPECT_EQ(A(), 0x00);
    EXPECT_FALSE(Has(FlagCY));
}

TEST_F(FlagRulesTest, ArithmeticKeepsTheUnusedFlagBits) {
    cpu.Flags = 0x2A;  // bits 5, 3 and 1, as POP PSW may leave them
    SetA(0x01);
    AddToAccumulator(cpu, 0x01, 0);
    EXPECT_EQ(cpu.Flags, 0x2A);
    SubtractFromAccumulator(cpu, 0x01, 0);
    EXPECT_EQ(cpu.Flags, 0x2A);
    AndWithAccumulator(cpu, 0xFF);
    EXPECT_EQ(cpu.Flags, 0x2A | FlagAC);
    auto value = IncrementWithFlags(cpu, 0x01);
    EXPECT_EQ(value, 0x02);
    EXPECT_EQ(cpu.Flags, 0x2A);
}

TEST_F(FlagRulesTest, LogicOperationsSetAcOnlyForAnd) {
    cpu.Flags = FlagCY;
    SetA(0xF0);
    AndWithAccumulator(cpu, 0x3C);
    EXPECT_EQ(A(), 0x30);
    EXPECT_EQ(cpu.Flags, FlagAC | FlagP);

    cpu.Flags = FlagCY | FlagAC | FlagS;
    SetA(0x5A);
    XorWithAccumulator(cpu, 0x5A);  // XRA A
    EXPECT_EQ(A(), 0x00);
    EXPECT_EQ(cpu.Flags, FlagZ | FlagP);

    cpu.Flags = FlagCY | FlagAC;
    SetA(0x80);
    OrWithAccumulator(cpu, 0x01);
    EXPECT_EQ(A(), 0x81);
    EXPECT_EQ(cpu.Flags, FlagS | FlagP);
}

TEST_F(FlagRulesTest, CompareChangesOnlyCarryAndZero) {
    cpu.Flags = FlagS | FlagP | FlagAC;
    SetA(0x05);
    CompareWithAccumulator(cpu, 0x07);
    EXPECT_EQ(A(), 0x05);
    EXPECT_EQ(cpu.Flags, FlagS | FlagP | FlagAC | FlagCY);

    cpu.Flags = FlagCY;
    CompareWithAccumulator(cpu, 0x05);
    EXPECT_EQ(cpu.Flags, FlagZ);

    cpu.Flags = FlagZ | FlagCY;
    CompareWithAccumulator(cpu, 0x04);
    EXPECT_EQ(cpu.Flags, 0);
}

TEST_F(FlagRulesTest, IncrementAndDecrementTakeAcFromTheLowNibbleAndKeepCarry) {
    cpu.Flags = FlagCY;
    EXPECT_EQ(IncrementWithFlags(cpu, 0xFF), 0x00);
    EXPECT_EQ(cpu.Flags, FlagZ | FlagP | FlagAC | FlagCY);
    EXPECT_EQ(IncrementWithFlags(cpu, 0x0F), 0x10);
    EXPECT_EQ(cpu.Flags, FlagAC | FlagCY);
    EXPECT_EQ(IncrementWithFlags(cpu, 0x10), 0x11);
    EXPECT_EQ(cpu.Flags, FlagP | FlagCY);

    cpu.Flags = 0;
    EXPECT_EQ(DecrementWithFlags(cpu, 0x00), 0xFF);
    EXPECT_EQ(cpu.Flags, FlagS | FlagP | FlagAC);
    EXPECT_EQ(DecrementWithFlags(cpu, 0x10), 0x0F);
    EXPECT_EQ(cpu.Flags, FlagAC | FlagP);
    EXPECT_EQ(DecrementWithFlags(cpu, 0x01), 0x00);
    EXPECT_EQ(cpu.Flags, FlagZ | FlagP);
}

TEST_F(FlagRulesTest, DadSetsOrClearsOnlyTheCarry) {
    cpu.Flags = FlagS | FlagZ | FlagAC | FlagP;
    SetRegisterPair(cpu, PairHL, 0x8000);
    AddToHL(cpu, 0x8000);  // DAD H
    EXPECT_EQ(GetRegisterPair(cpu, PairHL), 0x0000);
    EXPECT_EQ(cpu.Flags, FlagS | FlagZ | FlagAC | FlagP | FlagCY);

    SetRegisterPair(cpu, PairHL, 0xFFFE);
    AddToHL(cpu, 0x0001);
    EXPECT_EQ(GetRegisterPair(cpu, PairHL), 0xFFFF);
    EXPECT_EQ(cpu.Flags, FlagS | FlagZ | FlagAC | FlagP);
}

TEST_F(FlagRulesTest, RotatesMoveTheRightBitIntoCarry) {
    SetA(0x80);
    RotateLeftThroughCarry(cpu);  // RAL, CY 0
    EXPECT_EQ(A(), 0x00);
    EXPECT_EQ(cpu.Flags, FlagCY);
    RotateLeftThroughCarry(cpu);  // the carry comes back in at bit 0
    EXPECT_EQ(A(), 0x01);
    EXPECT_EQ(cpu.Flags, 0);

    RotateRightCircular(cpu);  // RRC 01
    EXPECT_EQ(A(), 0x80);
    EXPECT_EQ(cpu.Flags, FlagCY);
    RotateLeftCircular(cpu);  // RLC 80
    EXPECT_EQ(A(), 0x01);
    EXPECT_EQ(cpu.Flags, FlagCY);

    SetA(0x40);
    RotateLeftCircular(cpu);
    EXPECT_EQ(A(), 0x80);
    EXPECT_EQ(cpu.Flags, 0);

    cpu.Flags = FlagCY | FlagZ;
    SetA(0x02);
    RotateRightThroughCarry(cpu);  // RAR: CY into bit 7, bit 0 (0) into CY, Z untouched
    EXPECT_EQ(A(), 0x81);
    EXPECT_EQ(cpu.Flags, FlagZ);
}

TEST_F(FlagRulesTest, DecimalAdjustFollowsTheTwoStepRule) {
    SetA(0x20);  // after 90H + 90H
    cpu.Flags = FlagCY;
    DecimalAdjust(cpu);
    EXPECT_EQ(A(), 0x80);
    EXPECT_EQ(cpu.Flags, FlagS | FlagCY);

    SetA(0x41);  // after 19H + 28H
    cpu.Flags = FlagAC;
    DecimalAdjust(cpu);
    EXPECT_EQ(A(), 0x47);
    EXPECT_EQ(cpu.Flags, FlagAC | FlagP);  // AC is left as it was

    SetA(0x9A);  // both nibbles above 9: the high step carries out
    cpu.Flags = 0;
    DecimalAdjust(cpu);
    EXPECT_EQ(A(), 0x00);
    EXPECT_EQ(cpu.Flags, FlagZ | FlagP | FlagCY);

    SetA(0xFA);  // the low step alone carries out, and the high step still adds 6
    cpu.Flags = 0;
    DecimalAdjust(cpu);
    EXPECT_EQ(A(), 0x60);
    EXPECT_EQ(cpu.Flags, FlagP | FlagCY);

    SetA(0x00);  // CY set beforehand is never cleared and forces the high adjustment
    cpu.Flags = FlagCY;
    DecimalAdjust(cpu);
    EXPECT_EQ(A(), 0x60);
    EXPECT_EQ(cpu.Flags, FlagP | FlagCY);

    SetA(0x42);  // nothing to adjust
    cpu.Flags = FlagS;
    DecimalAdjust(cpu);
    EXPECT_EQ(A(), 0x42);
    EXPECT_EQ(cpu.Flags, FlagP);
}

TEST_F(FlagRulesTest, RegisterCodesMapToCellsAndMToTheByteAtHl) {
    for (int code = 0; code < 8; ++code) {
        if (code == RegM) continue;
        SetRegister(cpu, writer, code, 0x100 + code);  // only the low byte is kept
        EXPECT_EQ(cpu.Registers[static_cast<std::size_t>(code) + 1], code);
    }
    SetRegisterPair(cpu, PairHL, 0x1001);
    SetRegister(cpu, writer, RegM, 0x1AB);
    EXPECT_EQ(cpu.Memory[0x1001], 0xAB);
    EXPECT_EQ(grid.Cell(2, 1), "AB");  // stored through WriteMemory
    EXPECT_EQ(GetRegister(cpu, RegM), 0xAB);
    EXPECT_EQ(cpu.Registers[7], 0);  // the cell of M is not used

    SetRegisterPair(cpu, PairBC, 0x1234);
    SetRegisterPair(cpu, PairDE, 0x5678);
    EXPECT_EQ(cpu.Register(RegB), 0x12);
    EXPECT_EQ(cpu.Register(RegE), 0x78);
    EXPECT_EQ(GetRegisterPair(cpu, PairDE), 0x5678);

    SetRegisterPair(cpu, PairBC, -1);  // DCX B from 0000H
    EXPECT_EQ(cpu.Register(RegB), 0xFF);
    EXPECT_EQ(cpu.Register(RegC), 0xFF);
    SetRegisterPair(cpu, PairSP, 0x10002);
    EXPECT_EQ(GetRegisterPair(cpu, PairSP), 0x0002);
}

TEST_F(FlagRulesTest, SignZeroParityReadsTheRegisterAndLeavesAcAndCarry) {
    cpu.Flags = FlagAC | FlagCY | FlagS;
    cpu.Register(RegD) = 0x00;
    UpdateSignZeroParity(cpu, RegD);
    EXPECT_EQ(cpu.Flags, FlagAC | FlagCY | FlagZ | FlagP);

    SetRegisterPair(cpu, PairHL, 0x2000);
    cpu.Memory[0x2000] = 0x83;
    UpdateSignZeroParity(cpu, RegM);
    EXPECT_EQ(cpu.Flags, FlagAC | FlagCY | FlagS);  // three bits: odd parity

    SetFlag(cpu, FlagP, 5);
    EXPECT_EQ(TestFlag(cpu, FlagP), 1);
    SetFlag(cpu, FlagP, 0);
    EXPECT_EQ(TestFlag(cpu, FlagP), 0);
    ClearFlag(cpu, FlagS | FlagCY);
    EXPECT_EQ(cpu.Flags, FlagAC);
}

TEST_F(FlagRulesTest, ConditionCodesTestTheirFlag) {
    struct Case {
        int code;
        int flag;
        bool whenSet;
    };
    const Case cases[] = {{0, FlagZ, false}, {1, FlagZ, true}, {2, FlagCY, false}, {3, FlagCY, true},
                          {4, FlagP, false}, {5, FlagP, true}, {6, FlagS, false}, {7, FlagS, true}};
    for (const Case& c : cases) {
        cpu.Flags = static_cast<std::uint8_t>(0xFF & ~c.flag);
        EXPECT_EQ(ConditionMet(cpu, c.code), !c.whenSet) << c.code;
        cpu.Flags = static_cast<std::uint8_t>(c.flag);
        EXPECT_EQ(ConditionMet(cpu, c.code), c.whenSet) << c.code;
    }
    cpu.Flags = 0xFF;
    EXPECT_FALSE(ConditionMet(cpu, 8));
    cpu.Flags = 0;
    EXPECT_FALSE(ConditionMet(cpu, -1));
}

TEST_F(FlagRulesTest, OperandFetchReadsLowByteFirstAndWrapsAtTheTop) {
    cpu.ProgramCounter = 0x1000;
    cpu.Memory[0x1001] = 0x34;
    cpu.Memory[0x1002] = 0x12;
    cpu.Memory[0x1003] = 0x56;
    EXPECT_EQ(FetchOperand(cpu, 2), 0x1234);
    EXPECT_EQ(cpu.ProgramCounter, 0x1002);
    EXPECT_EQ(FetchOperand(cpu, 1), 0x56);  // the byte after PC
    EXPECT_EQ(cpu.ProgramCounter, 0x1003);

    cpu.Memory[0xFFFF] = 0xCD;
    cpu.Memory[0x0000] = 0xAB;
    cpu.ProgramCounter = 0xFFFE;
    EXPECT_EQ(FetchOperand(cpu, 2), 0xABCD);
    EXPECT_EQ(cpu.ProgramCounter, 0x0000);
    cpu.ProgramCounter = 0xFFFF;
    EXPECT_EQ(FetchOperand(cpu, 1), 0xAB);
    EXPECT_EQ(cpu.ProgramCounter, 0x0000);
}

}  // namespace
}  // namespace vantric
