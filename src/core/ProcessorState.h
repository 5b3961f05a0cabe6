#pragma once
// The simulated 8085: 64 KB of RAM, registers, flags, counters and the run flags.

#include <array>
#include <cstdint>
#include <string>

namespace vantric {

// Register codes as the opcode bits encode them; code 6 (M) is the byte at HL.
enum RegisterCode : int { RegB = 0, RegC = 1, RegD = 2, RegE = 3, RegH = 4, RegL = 5, RegM = 6, RegA = 7 };
// Register-pair codes; code 3 is SP, or PSW for PUSH and POP.
enum PairCode : int { PairBC = 0, PairDE = 1, PairHL = 2, PairSP = 3 };

// Flag masks of the PSW low byte.
enum FlagMask : int { FlagS = 128, FlagZ = 64, FlagAC = 16, FlagP = 4, FlagCY = 1 };

inline constexpr int kMemorySize = 65536;
inline constexpr std::int32_t kResetStackPointer = 0xFFF0;

struct ProcessorState {
    std::array<std::uint8_t, kMemorySize> Memory{};
    // Register code r lives in cell r + 1, so the pair p has its high byte in cell 2p + 1 and its
    // low byte in cell 2p + 2; cells 0 and 7 (the place of M) are never used.
    std::array<std::uint8_t, 9> Registers{};
    std::uint8_t Flags = 0;
    std::uint16_t StackPointer = kResetStackPointer;
    std::int32_t ProgramCounter = 0;
    std::int64_t TStateCount = -1;  // -1 until the first run or step

    bool Running = false;
    bool StepMode = false;
    bool MonitorMemory = true;
    bool MonitorRegisters = false;

    std::string RuntimeError;
    std::int32_t CurrentLine = 0;  // index into the line tables of the line whose instruction is at PC
    std::array<bool, 256> WarnedOpcodes{};
    std::int16_t DefaultOrigin = 0x1000;

    std::uint8_t& Register(int code) { return Registers[static_cast<std::size_t>(code) + 1]; }
    std::uint8_t Register(int code) const { return Registers[static_cast<std::size_t>(code) + 1]; }

    // The power-on values a reset loads: flags 0, SP FFF0, PC at the default origin, A to L 0 and
    // every memory byte 0. Run flags, T-states and line tracking are not touched.
    void ApplyResetValues();
};

}  // namespace vantric
