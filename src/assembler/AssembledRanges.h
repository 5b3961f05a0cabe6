#pragma once
// Which addresses an assembly filled with bytes: every instruction and every DB and DW line. A DS
// line reserves addresses without filling them, and EQU places nothing.

#include <cstdint>
#include <vector>

#include "assembler/Compiler.h"
#include "core/AssemblyTables.h"

namespace vantric {

// The addresses First to First + Count - 1.
struct ByteRange {
    std::int32_t First = 0;
    std::int32_t Count = 0;
    bool operator==(const ByteRange&) const = default;
};

// The assembled addresses of the last successful assembly as contiguous ranges in ascending order;
// ranges that touch or overlap (a later ;ORG over earlier code) are joined into one. The bytes
// themselves are in memory, which holds what was assembled last at each address.
std::vector<ByteRange> AssembledRanges(const AssemblyTables& tables, const Compiler& compiler);

}  // namespace vantric
