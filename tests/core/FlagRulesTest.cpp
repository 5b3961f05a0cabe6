#include "core/FlagRules.h"

#include <gtest/gtest.h>

#include "core/HexText.h"
#include "support/Fakes.h"

namespace vantric {
namespace {

constexpr int S = FlagS, Z = FlagZ, AC = FlagAC, P = FlagP, CY = FlagCY;

using Operation = void (*)(ProcessorState&, int);
const Operation ADD = [](ProcessorState& c, int x) { AddToAccumulator(c, x, 0); };
const Operation ADC = [](ProcessorState& c, int x) { AddToAccumulator(c, x, TestFlag(c, FlagCY)); };
const Operation SUB = [](ProcessorState& c, int x) { SubtractFromAccumulator(c, x, 0); };
const Operation SBB = [](ProcessorState& c, int x) { SubtractFromAccumulator(c, x, TestFlag(c, FlagCY)); };
const Operation ANA = [](ProcessorState& c, int x) { AndWithAccumulator(c, x); };
const Operation XRA = [](ProcessorState& c, int x) { XorWithAccumulator(c, x); };
const Operation ORA = [](ProcessorState& c, int x) { OrWithAccumulator(c, x); };
const Operation CMP = [](ProcessorState& c, int x) { CompareWithAccumulator(c, x); };
const Operation INR = [](ProcessorState& c, int) { c.Register(RegA) = IncrementWithFlags(c, c.Register(RegA)) & 255; };
const Operation DCR = [](ProcessorState& c, int) { c.Register(RegA) = DecrementWithFlags(c, c.Register(RegA)) & 255; };
const Operation RRC = [](ProcessorState& c, int) { RotateRightCircular(c); };
const Operation RLC = [](ProcessorState& c, int) { RotateLeftCircular(c); };
const Operation RAL = [](ProcessorState& c, int) { RotateLeftThroughCarry(c); };
const Operation RAR = [](ProcessorState& c, int) { RotateRightThroughCarry(c); };
const Operation DAA = [](ProcessorState& c, int) { DecimalAdjust(c); };

struct Case {
    const char* name;
    Operation operation;
    int a, x, flagsBefore, aAfter, flagsAfter;
};

// The boundaries where a carry, a half carry or a flag rule can go wrong.
const Case kCases[] = {
    {"ADD to a half carry", ADD, 0x0F, 0x01, 0, 0x10, AC},
    {"ADD to zero", ADD, 0xFF, 0x01, 0, 0x00, Z | P | CY | AC},
    {"ADD one short of both carries, bits 5 3 1 kept", ADD, 0x0E, 0xF1, 0x2A, 0xFF, S | P | 0x2A},
    {"ADC carry-in makes both carries", ADC, 0xFF, 0x00, CY, 0x00, Z | P | CY | AC},
    {"SUB borrows from bit 4", SUB, 0x10, 0x01, 0, 0x0F, AC | P},
    {"SUB below zero", SUB, 0x00, 0x01, 0, 0xFF, S | P | CY | AC},
    {"SUB to zero without borrow", SUB, 0x05, 0x05, CY | AC, 0x00, Z | P},
    {"SBB borrow-in makes both borrows", SBB, 0x00, 0xFF, CY, 0x00, Z | P | CY | AC},
    {"ANA sets AC and clears CY", ANA, 0xF0, 0x3C, CY, 0x30, AC | P},
    {"XRA A", XRA, 0x5A, 0x5A, S | AC | CY, 0x00, Z | P},
    {"ORA clears AC and CY", ORA, 0x80, 0x01, CY | AC, 0x81, S | P},
    {"CMP below keeps S, P, AC", CMP, 0x05, 0x07, S | P | AC, 0x05, S | P | AC | CY},
    {"CMP equal", CMP, 0x05, 0x05, CY, 0x05, Z},
    {"INR FFH keeps CY", INR, 0xFF, 0, CY, 0x00, Z | P | AC | CY},
    {"INR within the nibble", INR, 0x10, 0, AC, 0x11, P},
    {"DCR 00H", DCR, 0x00, 0, 0, 0xFF, S | P | AC},
    {"DCR to zero", DCR, 0x01, 0, AC | CY, 0x00, Z | P | CY},
    {"RAL 80H", RAL, 0x80, 0, 0, 0x00, CY},
    {"RAR brings CY in, leaves Z", RAR, 0x02, 0, CY | Z, 0x81, Z},
    {"RRC 01H", RRC, 0x01, 0, 0, 0x80, CY},
    {"RLC clears CY", RLC, 0x40, 0, CY, 0x80, 0},
    {"DAA after 90H + 90H", DAA, 0x20, 0, CY, 0x80, S | CY},
    {"DAA after 19H + 28H keeps AC", DAA, 0x41, 0, AC, 0x47, AC | P},
    {"DAA whose low step carries out", DAA, 0xFA, 0, 0, 0x60, P | CY},
    {"DAA never clears CY", DAA, 0x42, 0, CY | S, 0xA2, S | CY},
};

TEST(FlagRules, AccumulatorOperationsAtTheirBoundaries) {
    for (const Case& c : kCases) {
        ProcessorState cpu;
        cpu.Register(RegA) = static_cast<std::uint8_t>(c.a);
        cpu.Flags = static_cast<std::uint8_t>(c.flagsBefore);
        c.operation(cpu, c.x);
        EXPECT_EQ(cpu.Register(RegA), c.aAfter) << c.name;
        EXPECT_EQ(HexText(cpu.Flags, 2), HexText(c.flagsAfter, 2)) << c.name;
    }
}

TEST(FlagRules, PairsWrapAndDadChangesOnlyCarry) {
    ProcessorState cpu;
    cpu.Flags = S | Z | AC | P;
    SetRegisterPair(cpu, PairHL, 0x8000);
    AddToHL(cpu, 0x8000);
    EXPECT_EQ(GetRegisterPair(cpu, PairHL), 0x0000);
    EXPECT_EQ(cpu.Flags, S | Z | AC | P | CY);
    SetRegisterPair(cpu, PairBC, -1);  // DCX B from 0000H
    EXPECT_EQ(cpu.Register(RegB), 0xFF);
    EXPECT_EQ(cpu.Register(RegC), 0xFF);
    SetRegisterPair(cpu, PairSP, 0x10002);
    EXPECT_EQ(GetRegisterPair(cpu, PairSP), 0x0002);
}

TEST(FlagRules, MStoresThroughWriteMemoryAndGivesSignZeroParity) {
    ProcessorState cpu;
    MemoryDumpSettings dump;
    fakes::FakeMemoryGrid grid;
    MemoryWriter writer(cpu, dump, grid);
    SetRegisterPair(cpu, PairHL, 0x1001);
    SetRegister(cpu, writer, RegM, 0x1AB);
    EXPECT_EQ(cpu.Memory[0x1001], 0xAB);
    EXPECT_EQ(grid.Cell(2, 1), "AB");
    cpu.Flags = AC | CY | Z;
    UpdateSignZeroParity(cpu, RegM);  // 10101011: five ones
    EXPECT_EQ(cpu.Flags, AC | CY | S);
}

}  // namespace
}  // namespace vantric
