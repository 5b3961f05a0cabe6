#pragma once
// Reading InstSet.Dat records into an InstructionTable.

#include <cstddef>
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

// Limits far above any real instruction-set file (the shipped one is 4 KB with lines under 80
// characters); an input beyond them is unreadable, which also stops an endless one such as a device.
inline constexpr long long kMaxInstructionSetBytes = 1024 * 1024;
inline constexpr std::size_t kMaxInstructionSetLine = 4096;

// Applies every record of `in` to `table`, in order; later records for an opcode replace earlier ones.
// Stops at the first malformed record, or at the limits above.
InstructionSetReadResult ReadInstructionSet(std::istream& in, InstructionTable& table);

// Opens `path` and reads it with ReadInstructionSet.
InstructionSetReadResult ReadInstructionSetFile(const std::string& path, InstructionTable& table);

// The opcodes without a mnemonic, ascending, each in hexadecimal without leading zeros plus one space.
std::string EmptyRowList(const InstructionTable& table);

}  // namespace vantric
