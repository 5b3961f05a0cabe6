#pragma once
// Where step over and run to cursor stop: the return address of a call about to be taken, and the
// first instruction at or after a position in the source.

#include <cstdint>
#include <optional>

#include "core/AssemblyTables.h"
#include "core/ProcessorState.h"

namespace vantric {

// The address after the instruction at PC when it is CALL, or a conditional call whose condition
// holds; nothing for any other instruction.
std::optional<std::uint16_t> TakenCallReturnAddress(const ProcessorState& cpu);

// The address of the first instruction on the line that holds `position` (a position in the
// editor's text) or on a later line; -1 when no line from there on holds one.
std::int32_t FirstInstructionFrom(const AssemblyTables& program, std::int32_t position);

}  // namespace vantric
