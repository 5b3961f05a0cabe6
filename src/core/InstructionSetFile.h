#pragma once
// Reading InstSet.Dat records into an InstructionTable.

#include <istream>
#include <string>

#include "core/InstructionTable.h"

namespace vantric {

enum class InstructionSetReadStatus { Ok, FileMissing, Unreadable };

struct InstructionSetReadResult {
    InstructionSetReadStatus Status = InstructionSetReadStatus::Ok;
    int LineNumber = 0;  // 1-based line of a malformed record, 0 when the failure is not a line's
    std::string Reason;  // what was wrong, for diagnostics
};

// Applies every record of `in` to `table`, in order; later records for an opcode replace earlier ones.
// Stops at the first malformed record.
InstructionSetReadResult ReadInstructionSet(std::istream& in, InstructionTable& table);

// Opens `path` and reads it with ReadInstructionSet.
InstructionSetReadResult ReadInstructionSetFile(const std::string& path, InstructionTable& table);

// The opcodes without a mnemonic, ascending, each in hexadecimal without leading zeros plus one space.
std::string EmptyRowList(const InstructionTable& table);

}  // namespace vantric
