#include "control/StepTargets.h"

#include "core/FlagRules.h"

namespace vantric {

namespace {
constexpr std::uint8_t kCall = 0xCD;
// Conditional calls are 11ccc100, the condition code in the middle bits.
constexpr std::uint8_t kConditionalCallMask = 0xC7;
constexpr std::uint8_t kConditionalCall = 0xC4;
constexpr int kCallLength = 3;
}  // namespace

std::optional<std::uint16_t> TakenCallReturnAddress(const ProcessorState& cpu) {
    const auto pc = static_cast<std::uint16_t>(cpu.ProgramCounter);
    const std::uint8_t opcode = cpu.Memory[pc];
    const bool taken = opcode == kCall || ((opcode & kConditionalCallMask) == kConditionalCall &&
                                           alu::ConditionMet(cpu.Flags, (opcode >> 3) & 7));
    if (!taken) return std::nullopt;
    return static_cast<std::uint16_t>(pc + kCallLength);
}

std::int32_t FirstInstructionFrom(const AssemblyTables& program, std::int32_t position) {
    std::int32_t lineEnd = program.LineStart(1);
    bool reached = false;
    for (std::int32_t line = 1; line <= program.LineCount; ++line) {
        const std::int32_t characters = program.LineLength(line) - 1;  // with its CR LF
        if (characters <= 0) break;                                    // not reached by the assembly
        lineEnd += characters;
        reached = reached || position < lineEnd;
        if (reached && program.LineAddress(line) >= 0) return program.LineAddress(line);
    }
    return -1;
}

}  // namespace vantric
