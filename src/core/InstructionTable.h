#pragma once
// The 8085 instruction set as loaded from InstSet.Dat: one row per opcode byte.

#include <array>
#include <cstdint>
#include <string>

namespace vantric {

struct InstructionDef {
    std::string Mnemonic;  // upper case; empty when no instruction has this opcode
    std::string Operand1;  // pattern word: a register or pair name, "8", "16", "AD", or empty
    std::string Operand2;
    std::int16_t TStates = 0;  // for conditional transfers, the count when the condition fails
};

using InstructionTable = std::array<InstructionDef, 256>;

// The byte values that are not 8085 instructions, as the check lists them when they are empty.
inline constexpr const char* kUndefinedOpcodeList = "8 10 18 28 38 CB D9 DD ED FD ";

}  // namespace vantric
