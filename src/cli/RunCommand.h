#pragma once
#include <ostream>
#include <string>

#include "cli/CliOptions.h"
#include "core/InstructionTable.h"

namespace vantric::console {

// `vantric-cli run` for one program file: assembles and runs it from the reset state as the run
// window does, printing its progress lines, then the registers, the T-state count and the requested
// memory dumps; or, with --json, one line of JSON. Returns the runner's exit status.
int RunProgramCommand(const CliOptions& options, const std::string& file, const InstructionTable& instructions,
                      std::ostream& out, std::ostream& err);

}  // namespace vantric::console
