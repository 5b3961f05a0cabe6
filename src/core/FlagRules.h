#pragma once
// Register, register-pair, flag and operand access, and the arithmetic and logic operations with the
// flag rules this system applies. Everything the interpreter calls per instruction is inline here.

#include <array>
#include <cstdint>

#include "core/MemoryWriter.h"
#include "core/ProcessorState.h"

namespace vantric {

namespace flagrules_detail {

constexpr std::array<std::uint8_t, 256> MakeSignZeroParity() {
    std::array<std::uint8_t, 256> table{};
    for (int v = 0; v < 256; ++v) {
        int ones = 0;
        for (int bit = 0; bit < 8; ++bit) ones += (v >> bit) & 1;
        int flags = 0;
        if (v > 127) flags |= FlagS;
        if (v == 0) flags |= FlagZ;
        if (ones % 2 == 0) flags |= FlagP;
        table[static_cast<std::size_t>(v)] = static_cast<std::uint8_t>(flags);
    }
    return table;
}

}  // namespace flagrules_detail

// S, Z and P of every byte value, as UpdateSignZeroParity sets them.
inline constexpr std::array<std::uint8_t, 256> kSignZeroParity = flagrules_detail::MakeSignZeroParity();
inline constexpr int kSignZeroParityMask = FlagS | FlagZ | FlagP;

inline std::uint16_t HL(const ProcessorState& cpu) {
    return static_cast<std::uint16_t>(cpu.Register(RegH) << 8 | cpu.Register(RegL));
}

// Code 6 (M) reads the byte at HL; the other codes read their register.
inline int GetRegister(const ProcessorState& cpu, int code) {
    code &= 7;
    if (code == RegM) return cpu.Memory[HL(cpu)];
    return cpu.Register(code);
}

// Stores the low byte of `value`; code 6 stores it at HL through WriteMemory.
inline void SetRegister(ProcessorState& cpu, MemoryWriter& memory, int code, int value) {
    code &= 7;
    if (code == RegM)
        memory.WriteMemory(HL(cpu), value & 255);
    else
        cpu.Register(code) = static_cast<std::uint8_t>(value);
}

// Code 3 is SP; codes 0 to 2 are BC, DE and HL, high byte first.
inline int GetRegisterPair(const ProcessorState& cpu, int code) {
    code &= 3;
    if (code == PairSP) return cpu.StackPointer;
    const auto high = static_cast<std::size_t>(2 * code + 1);
    return cpu.Registers[high] << 8 | cpu.Registers[high + 1];
}

// Code 3 keeps SP modulo 65536; the other pairs take bits 15 to 8 and 7 to 0 of `value`, so -1
// gives FFH and FFH.
inline void SetRegisterPair(ProcessorState& cpu, int code, std::int32_t value) {
    code &= 3;
    if (code == PairSP) {
        cpu.StackPointer = static_cast<std::uint16_t>(value);
        return;
    }
    const auto high = static_cast<std::size_t>(2 * code + 1);
    cpu.Registers[high] = static_cast<std::uint8_t>(value >> 8);
    cpu.Registers[high + 1] = static_cast<std::uint8_t>(value);
}

inline void ClearFlag(ProcessorState& cpu, int mask) { cpu.Flags = static_cast<std::uint8_t>(cpu.Flags & ~mask); }

inline void SetFlag(ProcessorState& cpu, int mask, int condition) {
    if (condition != 0)
        cpu.Flags = static_cast<std::uint8_t>(cpu.Flags | mask);
    else
        ClearFlag(cpu, mask);
}

inline int TestFlag(const ProcessorState& cpu, int mask) { return (cpu.Flags & mask) != 0 ? 1 : 0; }

// Replaces S, Z and P with those of `value`; AC, CY and the unused bits stay.
inline void SetSignZeroParityOf(ProcessorState& cpu, int value) {
    cpu.Flags = static_cast<std::uint8_t>((cpu.Flags & ~kSignZeroParityMask) | kSignZeroParity[value & 255]);
}

// S, Z and P from the register with `code` (the byte at HL for code 6).
inline void UpdateSignZeroParity(ProcessorState& cpu, int code) { SetSignZeroParityOf(cpu, GetRegister(cpu, code)); }

// Condition codes 0 to 7: NZ, Z, NC, C, PO, PE, P, M. Any other code is never met.
inline bool ConditionMet(const ProcessorState& cpu, int code) {
    switch (code) {
        case 0: return (cpu.Flags & FlagZ) == 0;
        case 1: return (cpu.Flags & FlagZ) != 0;
        case 2: return (cpu.Flags & FlagCY) == 0;
        case 3: return (cpu.Flags & FlagCY) != 0;
        case 4: return (cpu.Flags & FlagP) == 0;
        case 5: return (cpu.Flags & FlagP) != 0;
        case 6: return (cpu.Flags & FlagS) == 0;
        case 7: return (cpu.Flags & FlagS) != 0;
        default: return false;
    }
}

// The operand bytes after the opcode at PC (size 1: one byte; otherwise a low-first 16-bit value),
// read with addresses taken modulo 65536; PC then moves onto the last operand byte.
inline int FetchOperand(ProcessorState& cpu, int size) {
    const auto pc = static_cast<std::uint16_t>(cpu.ProgramCounter);
    int value;
    if (size == 1) {
        value = cpu.Memory[static_cast<std::uint16_t>(pc + 1)];
    } else {
        value = cpu.Memory[static_cast<std::uint16_t>(pc + 2)] << 8 | cpu.Memory[static_cast<std::uint16_t>(pc + 1)];
    }
    cpu.ProgramCounter = (pc + size) & 0xFFFF;
    return value;
}

// ADD, ADI (carryIn 0) and ADC, ACI (carryIn = CY).
inline void AddToAccumulator(ProcessorState& cpu, int x, int carryIn) {
    const int a = cpu.Register(RegA);
    const int sum = a + x + carryIn;
    const int result = sum & 255;
    cpu.Register(RegA) = static_cast<std::uint8_t>(result);
    int flags = cpu.Flags & ~(kSignZeroParityMask | FlagAC | FlagCY);
    if ((a & 15) + (x & 15) + carryIn > 15) flags |= FlagAC;
    if (sum > 255) flags |= FlagCY;
    cpu.Flags = static_cast<std::uint8_t>(flags | kSignZeroParity[result]);
}

// SUB, SUI (borrowIn 0) and SBB, SBI (borrowIn = CY). AC marks a borrow out of the low four bits.
inline void SubtractFromAccumulator(ProcessorState& cpu, int x, int borrowIn) {
    const int a = cpu.Register(RegA);
    const int difference = a - x - borrowIn;
    const int result = difference & 255;
    cpu.Register(RegA) = static_cast<std::uint8_t>(result);
    int flags = cpu.Flags & ~(kSignZeroParityMask | FlagAC | FlagCY);
    if ((a & 15) - (x & 15) - borrowIn < 0) flags |= FlagAC;
    if (difference < 0) flags |= FlagCY;
    cpu.Flags = static_cast<std::uint8_t>(flags | kSignZeroParity[result]);
}

// ANA and ANI: AC set, CY cleared.
inline void AndWithAccumulator(ProcessorState& cpu, int x) {
    const int result = cpu.Register(RegA) & x & 255;
    cpu.Register(RegA) = static_cast<std::uint8_t>(result);
    cpu.Flags = static_cast<std::uint8_t>((cpu.Flags & ~(kSignZeroParityMask | FlagAC | FlagCY)) | FlagAC |
                                          kSignZeroParity[result]);
}

// XRA and XRI: AC and CY cleared.
inline void XorWithAccumulator(ProcessorState& cpu, int x) {
    const int result = (cpu.Register(RegA) ^ x) & 255;
    cpu.Register(RegA) = static_cast<std::uint8_t>(result);
    cpu.Flags = static_cast<std::uint8_t>((cpu.Flags & ~(kSignZeroParityMask | FlagAC | FlagCY)) |
                                          kSignZeroParity[result]);
}

// ORA and ORI: AC and CY cleared.
inline void OrWithAccumulator(ProcessorState& cpu, int x) {
    const int result = (cpu.Register(RegA) | x) & 255;
    cpu.Register(RegA) = static_cast<std::uint8_t>(result);
    cpu.Flags = static_cast<std::uint8_t>((cpu.Flags & ~(kSignZeroParityMask | FlagAC | FlagCY)) |
                                          kSignZeroParity[result]);
}

// CMP and CPI: only CY (A < x) and Z (A = x) change.
inline void CompareWithAccumulator(ProcessorState& cpu, int x) {
    const int a = cpu.Register(RegA);
    int flags = cpu.Flags & ~(FlagZ | FlagCY);
    if (a < x) flags |= FlagCY;
    if (a == x) flags |= FlagZ;
    cpu.Flags = static_cast<std::uint8_t>(flags);
}

// INR: returns the byte to store; AC when the low four bits of the result are 0, S Z P of the
// result, CY kept.
inline int IncrementWithFlags(ProcessorState& cpu, int value) {
    const int result = (value + 1) & 255;
    int flags = cpu.Flags & ~(kSignZeroParityMask | FlagAC);
    if ((result & 15) == 0) flags |= FlagAC;
    cpu.Flags = static_cast<std::uint8_t>(flags | kSignZeroParity[result]);
    return result;
}

// DCR: returns the byte to store; AC when the low four bits of the result are 15, S Z P of the
// result, CY kept.
inline int DecrementWithFlags(ProcessorState& cpu, int value) {
    const int result = (value - 1) & 255;
    int flags = cpu.Flags & ~(kSignZeroParityMask | FlagAC);
    if ((result & 15) == 15) flags |= FlagAC;
    cpu.Flags = static_cast<std::uint8_t>(flags | kSignZeroParity[result]);
    return result;
}

// DAD: HL = HL + `pair` modulo 65536; CY is the carry out of bit 15, nothing else changes.
inline void AddToHL(ProcessorState& cpu, int pair) {
    const int sum = GetRegisterPair(cpu, PairHL) + pair;
    SetRegisterPair(cpu, PairHL, sum & 0xFFFF);
    SetFlag(cpu, FlagCY, sum > 0xFFFF);
}

// RLC: bit 7 goes to bit 0 and to CY.
inline void RotateLeftCircular(ProcessorState& cpu) {
    const int a = cpu.Register(RegA);
    const int bit = a >> 7;
    cpu.Register(RegA) = static_cast<std::uint8_t>((a & 127) << 1 | bit);
    SetFlag(cpu, FlagCY, bit);
}

// RRC: bit 0 goes to bit 7 and to CY.
inline void RotateRightCircular(ProcessorState& cpu) {
    const int a = cpu.Register(RegA);
    const int bit = a & 1;
    cpu.Register(RegA) = static_cast<std::uint8_t>(bit << 7 | a >> 1);
    SetFlag(cpu, FlagCY, bit);
}

// RAL: CY goes to bit 0, bit 7 to CY.
inline void RotateLeftThroughCarry(ProcessorState& cpu) {
    const int a = cpu.Register(RegA);
    cpu.Register(RegA) = static_cast<std::uint8_t>((a & 127) << 1 | TestFlag(cpu, FlagCY));
    SetFlag(cpu, FlagCY, a >> 7);
}

// RAR: CY goes to bit 7, bit 0 to CY.
inline void RotateRightThroughCarry(ProcessorState& cpu) {
    const int a = cpu.Register(RegA);
    cpu.Register(RegA) = static_cast<std::uint8_t>(TestFlag(cpu, FlagCY) << 7 | a >> 1);
    SetFlag(cpu, FlagCY, a & 1);
}

// DAA as this system defines it: may set CY but never clears it, leaves AC alone, sets S Z P.
void DecimalAdjust(ProcessorState& cpu);

}  // namespace vantric
