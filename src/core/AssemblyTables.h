#pragma once
// What an assembly leaves behind for execution: where each source line's instruction lies,
// where the breakpoints are, and where the program starts.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vantric {

// One source line in the line tables. Four bytes, so that the tables of a long source stay a small
// multiple of its size: the start of a line is not stored but counted from the lengths before it.
struct LineEntry {
    static constexpr std::uint8_t kLongLine = 255;  // Length of a line of 255 characters or more

    std::uint16_t Address = 0;  // the address of the line's instruction, when Bytes is not 0
    std::uint8_t Bytes = 0;     // how many bytes the instruction has; 0 for a line without one
    std::uint8_t Length = 0;    // characters including the CR LF (kLongLine: see the long lines); 0 until reached

    // True when the line's instruction starts at `address`: what the run loop asks after each instruction.
    bool HoldsInstructionAt(std::int32_t address) const { return Bytes != 0 && Address == address; }
    bool operator==(const LineEntry&) const = default;
};

struct AssemblyTables {
    std::int32_t StartAddress = -1;            // first instruction assembled; -1 when there is none
    std::int32_t LineCount = 0;                // source lines; the line tables have entries 0 to LineCount + 1
    std::vector<LineEntry> Lines;              // entries 0 to LineCount + 1; entries 0 and LineCount + 1 stay empty
    std::vector<std::int32_t> Breakpoints{0};  // entries 1 to BreakpointCount, in source order
    std::int32_t BreakpointCount = 0;

    std::string CompileError;
    std::int32_t ErrorStart = 0;  // after a failure: the span of the line to select
    std::int32_t ErrorEnd = 0;

    // Bumped by every assembly, so caches derived from the line tables know when to rebuild;
    // 0 for tables that were never assembled.
    std::uint64_t Generation = 0;

    bool RecompileNeeded = true;  // the source or memory may differ from the last successful assembly

    // The line tables as the assembler defines them, for line n (entries outside the tables read
    // as empty): the instruction's address or -1; the position of the line's first character in the
    // editor text; the line's length including its CR LF, plus 1. A line not reached reads 0 for both.
    std::int32_t LineAddress(std::int32_t line) const;
    std::int32_t LineStart(std::int32_t line) const;
    std::int32_t LineLength(std::int32_t line) const;

    // Building the line tables. ClearLines sizes them for `lineCount` lines, all empty; lines are
    // then recorded in order from 1, each starting where the one before it ended.
    void ClearLines(std::int32_t lineCount);
    void RecordLine(std::int32_t line, std::int32_t start, std::int32_t characters);
    void RecordInstruction(std::int32_t line, std::int32_t address, int bytes);

private:
    static constexpr std::int32_t kBlockLines = 64;
    std::int32_t Characters(std::size_t line) const;

    std::vector<std::int32_t> blockStart_;  // where lines 1, 64, 128, ... start (one entry per 64 lines)
    std::vector<std::pair<std::int32_t, std::int32_t>> longLines_;  // (line, characters), ascending
};

}  // namespace vantric
