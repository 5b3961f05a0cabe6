#include "core/FlagRules.h"

#include <gtest/gtest.h>

#include "core/HexText.h"

namespace vantric {
namespace {

constexpr int S = FlagS, Z = FlagZ, AC = FlagAC, P = FlagP, CY = FlagCY;

using Operation = void (*)(unsigned& a, unsigned& f, unsigned x);
const Operation ADD = [](unsigned& a, unsigned& f, unsigned x) { alu::Add(a, f, x, 0); };
const Operation ADC = [](unsigned& a, unsigned& f, unsigned x) { alu::Add(a, f, x, f & FlagCY); };
const Operation SUB = [](unsigned& a, unsigned& f, unsigned x) { alu::Subtract(a, f, x, 0); };
const Operation SBB = [](unsigned& a, unsigned& f, unsigned x) { alu::Subtract(a, f, x, f & FlagCY); };
const Operation ANA = [](unsigned& a, unsigned& f, unsigned x) { alu::And(a, f, x); };
const Operation XRA = [](unsigned& a, unsigned& f, unsigned x) { alu::Xor(a, f, x); };
const Operation ORA = [](unsigned& a, unsigned& f, unsigned x) { alu::Or(a, f, x); };
const Operation CMP = [](unsigned& a, unsigned& f, unsigned x) { alu::Compare(a, f, x); };
const Operation INR = [](unsigned& a, unsigned& f, unsigned) { a = alu::Increment(f, a); };
const Operation DCR = [](unsigned& a, unsigned& f, unsigned) { a = alu::Decrement(f, a); };
const Operation RRC = [](unsigned& a, unsigned& f, unsigned) { alu::RotateRightCircular(a, f); };
const Operation RLC = [](unsigned& a, unsigned& f, unsigned) { alu::RotateLeftCircular(a, f); };
const Operation RAL = [](unsigned& a, unsigned& f, unsigned) { alu::RotateLeftThroughCarry(a, f); };
const Operation RAR = [](unsigned& a, unsigned& f, unsigned) { alu::RotateRightThroughCarry(a, f); };
const Operation DAA = [](unsigned& a, unsigned& f, unsigned) { alu::DecimalAdjust(a, f); };

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
        auto a = static_cast<unsigned>(c.a);
        auto f = static_cast<unsigned>(c.flagsBefore);
        c.operation(a, f, static_cast<unsigned>(c.x));
        EXPECT_EQ(a, static_cast<unsigned>(c.aAfter)) << c.name;
        EXPECT_EQ(HexText(f, 2), HexText(c.flagsAfter, 2)) << c.name;
    }
}

}  // namespace
}  // namespace vantric
