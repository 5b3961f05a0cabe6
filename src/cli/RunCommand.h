#pragma once
#include <ostream>

#include "cli/CliOptions.h"
#include "shell/AppState.h"

namespace vantric::console {

// `vantric-cli run`: assembles and runs the program file as the run window does, printing its
// progress lines, then the registers, the T-state count and the requested memory dumps.
// Returns the runner's exit status.
int RunProgramCommand(const CliOptions& options, AppState& app, std::ostream& out, std::ostream& err);

}  // namespace vantric::console
