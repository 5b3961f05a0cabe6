#pragma once
// The simulated 8085: 64 KB of RAM, registers, flags, counters and the run flags.

#include <array>
#include <cstdint>

namespace vantric {

// Register codes as the opcode bits encode them; code 6 (M) is the byte at HL.
enum RegisterCode : int { RegB = 0, RegC = 1, RegD = 2, RegE = 3, RegH = 4, RegL = 5, RegM = 6, RegA = 7 };
// Register-pair codes; code 3 is SP, or PSW for PUSH and POP.
enum PairCode : int { PairBC = 0, PairDE = 1, PairHL = 2, PairSP = 3 };

// Flag masks of the PSW low byte.
enum FlagMask : int { FlagS = 128, FlagZ = 64, FlagAC = 16, FlagP = 4, FlagCY = 1 };

inline constexpr int kMemorySize = 65536;
inline constexpr std::int32_t kResetStackPointer = 0xFFF0;

// The registers, flags and memory of the 8085, and the T-states counted so far. Whether a program
// is running, and the line it is on, belong to the engine (Machine).
struct ProcessorState {
    std::array<std::uint8_t, kMemorySize> Memory{};
    // Indexed by register code; the place of M (6) is unused, as M is the memory byte at HL.
    std::array<std::uint8_t, 8> Registers{};
    std::uint8_t Flags = 0;
    std::uint16_t StackPointer = kResetStackPointer;
    std::int32_t ProgramCounter = 0;
    std::int64_t TStateCount = -1;  // -1 until the first run or step
    std::int16_t DefaultOrigin = 0x1000;

    std::uint8_t& Register(int code) { return Registers[static_cast<std::size_t>(code)]; }
    std::uint8_t Register(int code) const { return Registers[static_cast<std::size_t>(code)]; }

    // The power-on values a reset loads: flags 0, SP FFF0, PC at the default origin, A to L 0 and
    // every memory byte 0. T-states are not touched.
    void ApplyResetValues();
};

}  // namespace vantric
