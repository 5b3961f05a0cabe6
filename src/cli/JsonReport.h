#pragma once
// `vantric-cli run --json`: one run's result as one line of JSON, with the keys docs/cli.md lists.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "core/ProcessorState.h"

namespace vantric::console {

struct RunFacts {
    std::string File;
    int Status = 0;
    std::string Stop;                   // "halted", "runtime_error", ... (docs/cli.md)
    std::vector<std::string> Progress;  // the run window's progress lines
    // After an assembly error, or for a file that cannot be read (no line then).
    std::string Error;
    std::int32_t ErrorLine = 0;
    std::string ErrorLineText;
    // After a run (assembly succeeded), the machine as it stopped.
    const ProcessorState* Cpu = nullptr;
    std::uint64_t Instructions = 0;
    std::string RuntimeError;
    std::int32_t CurrentLine = 0;  // 0: none
    std::string CurrentLineText;
};

// The facts as one JSON object without a line break; --dump ranges read from facts.Cpu.
std::string JsonRunReport(const RunFacts& facts, const std::vector<MemoryDumpRequest>& dumps);

}  // namespace vantric::console
