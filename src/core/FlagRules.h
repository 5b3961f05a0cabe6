#pragma once
// The arithmetic and logic operations of the 8085 with the flag rules this system applies, on the
// accumulator and flag byte held as plain values, so the run loop keeps them in host registers.
// Values are 0 to 255 on entry and stay so.

#include <array>
#include <cstdint>

#include "core/ProcessorState.h"

namespace vantric::alu {

namespace detail {
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
}  // namespace detail

// S, Z and P of every byte value.
inline constexpr std::array<std::uint8_t, 256> kSignZeroParity = detail::MakeSignZeroParity();
inline constexpr unsigned kSignZeroParityMask = FlagS | FlagZ | FlagP;

// Condition codes 0 to 7: NZ, Z, NC, C, PO, PE, P, M.
constexpr bool ConditionMet(unsigned flags, int code) {
    switch (code) {
        case 0: return (flags & FlagZ) == 0;
        case 1: return (flags & FlagZ) != 0;
        case 2: return (flags & FlagCY) == 0;
        case 3: return (flags & FlagCY) != 0;
        case 4: return (flags & FlagP) == 0;
        case 5: return (flags & FlagP) != 0;
        case 6: return (flags & FlagS) == 0;
        default: return (flags & FlagS) != 0;
    }
}

// ADD, ADI (carry 0) and ADC, ACI (carry = CY).
inline void Add(unsigned& a, unsigned& f, unsigned x, unsigned carry) {
    const unsigned sum = a + x + carry;
    unsigned flags = f & ~(kSignZeroParityMask | FlagAC | FlagCY);
    if ((a & 15) + (x & 15) + carry > 15) flags |= FlagAC;
    if (sum > 255) flags |= FlagCY;
    a = sum & 255;
    f = flags | kSignZeroParity[a];
}

// SUB, SUI (borrow 0) and SBB, SBI (borrow = CY). AC marks a borrow out of the low four bits.
inline void Subtract(unsigned& a, unsigned& f, unsigned x, unsigned borrow) {
    const int difference = static_cast<int>(a) - static_cast<int>(x) - static_cast<int>(borrow);
    unsigned flags = f & ~(kSignZeroParityMask | FlagAC | FlagCY);
    if (static_cast<int>(a & 15) - static_cast<int>(x & 15) - static_cast<int>(borrow) < 0) flags |= FlagAC;
    if (difference < 0) flags |= FlagCY;
    a = static_cast<unsigned>(difference) & 255;
    f = flags | kSignZeroParity[a];
}

// ANA and ANI: AC set, CY cleared.
inline void And(unsigned& a, unsigned& f, unsigned x) {
    a &= x;
    f = (f & ~(kSignZeroParityMask | FlagAC | FlagCY)) | FlagAC | kSignZeroParity[a];
}

// XRA and XRI: AC and CY cleared.
inline void Xor(unsigned& a, unsigned& f, unsigned x) {
    a ^= x;
    f = (f & ~(kSignZeroParityMask | FlagAC | FlagCY)) | kSignZeroParity[a];
}

// ORA and ORI: AC and CY cleared.
inline void Or(unsigned& a, unsigned& f, unsigned x) {
    a |= x;
    f = (f & ~(kSignZeroParityMask | FlagAC | FlagCY)) | kSignZeroParity[a];
}

// CMP and CPI: only CY (A < x) and Z (A = x) change.
inline void Compare(unsigned a, unsigned& f, unsigned x) {
    unsigned flags = f & ~static_cast<unsigned>(FlagZ | FlagCY);
    if (a < x) flags |= FlagCY;
    if (a == x) flags |= FlagZ;
    f = flags;
}

// The operation that bits 5 to 3 of ADD..CMP and ADI..CPI choose.
template <int Operation>
inline void Accumulate(unsigned& a, unsigned& f, unsigned x) {
    if constexpr (Operation == 0)
        Add(a, f, x, 0);
    else if constexpr (Operation == 1)
        Add(a, f, x, f & FlagCY);
    else if constexpr (Operation == 2)
        Subtract(a, f, x, 0);
    else if constexpr (Operation == 3)
        Subtract(a, f, x, f & FlagCY);
    else if constexpr (Operation == 4)
        And(a, f, x);
    else if constexpr (Operation == 5)
        Xor(a, f, x);
    else if constexpr (Operation == 6)
        Or(a, f, x);
    else
        Compare(a, f, x);
}

// INR: the incremented byte; AC when its low four bits are 0, S Z P of it, CY kept.
inline unsigned Increment(unsigned& f, unsigned value) {
    const unsigned result = (value + 1) & 255;
    f = (f & ~(kSignZeroParityMask | FlagAC)) | ((result & 15) == 0 ? FlagAC : 0) | kSignZeroParity[result];
    return result;
}

// DCR: the decremented byte; AC when its low four bits are 15, S Z P of it, CY kept.
inline unsigned Decrement(unsigned& f, unsigned value) {
    const unsigned result = (value - 1) & 255;
    f = (f & ~(kSignZeroParityMask | FlagAC)) | ((result & 15) == 15 ? FlagAC : 0) | kSignZeroParity[result];
    return result;
}

// RLC: bit 7 to bit 0 and to CY.
inline void RotateLeftCircular(unsigned& a, unsigned& f) {
    const unsigned bit = a >> 7;
    a = ((a << 1) | bit) & 255;
    f = (f & ~static_cast<unsigned>(FlagCY)) | bit;
}

// RRC: bit 0 to bit 7 and to CY.
inline void RotateRightCircular(unsigned& a, unsigned& f) {
    const unsigned bit = a & 1;
    a = (bit << 7) | (a >> 1);
    f = (f & ~static_cast<unsigned>(FlagCY)) | bit;
}

// RAL: CY to bit 0, bit 7 to CY.
inline void RotateLeftThroughCarry(unsigned& a, unsigned& f) {
    const unsigned bit = a >> 7;
    a = ((a << 1) | (f & FlagCY)) & 255;
    f = (f & ~static_cast<unsigned>(FlagCY)) | bit;
}

// RAR: CY to bit 7, bit 0 to CY.
inline void RotateRightThroughCarry(unsigned& a, unsigned& f) {
    const unsigned bit = a & 1;
    a = ((f & FlagCY) << 7) | (a >> 1);
    f = (f & ~static_cast<unsigned>(FlagCY)) | bit;
}

// DAA as this system defines it: may set CY but never clears it, leaves AC alone, sets S Z P.
inline void DecimalAdjust(unsigned& a, unsigned& f) {
    unsigned value = a;
    if ((value & 15) > 9 || (f & FlagAC) != 0) value += 6;
    if (value > 255) {
        f |= FlagCY;
        value &= 255;
    }
    unsigned high = value >> 4;
    if (high > 9 || (f & FlagCY) != 0) high += 6;
    value = high * 16 + (value & 15);
    if (value > 255) {
        f |= FlagCY;
        value &= 255;
    }
    a = value;
    f = (f & ~kSignZeroParityMask) | kSignZeroParity[a];
}

}  // namespace vantric::alu
