#pragma once
// What an assembly leaves behind for execution: where each source line's instruction lies,
// where the breakpoints are, and where the program starts.

#include <cstdint>
#include <string>
#include <vector>

namespace vantric {

struct AssemblyTables {
    std::int32_t StartAddress = -1;  // first instruction assembled; -1 when there is none
    std::int32_t LineCount = 0;      // source lines; the line tables have entries 0 to LineCount + 1
    std::vector<std::int32_t> LineAddress;  // per line: instruction address, or -1 for no instruction
    std::vector<std::int32_t> LineStart;    // per line: position of its first character in the editor text
    std::vector<std::int32_t> LineLength;   // per line: length including its CR LF, plus 1
    std::vector<std::int32_t> Breakpoints{0};  // entries 1 to BreakpointCount, in source order
    std::int32_t BreakpointCount = 0;

    std::string CompileError;
    std::int32_t ErrorStart = 0;  // after a failure: the span of the line to select
    std::int32_t ErrorEnd = 0;

    // Bumped by every assembly, so caches derived from the line tables know when to rebuild;
    // 0 for tables that were never assembled.
    std::uint64_t Generation = 0;

    bool RecompileNeeded = true;  // the source or memory may differ from the last successful assembly
    bool StopRequested = false;   // set by the run window's Stop; polled while assembling and running
};

}  // namespace vantric
