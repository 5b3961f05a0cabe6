#pragma once
// `vantric-cli run FILE...`: several programs in one call.

#include <ostream>

#include "cli/CliOptions.h"
#include "core/InstructionTable.h"

namespace vantric::console {

// Runs each program file from the reset state with the same options, several at once on a machine
// with several cores, and prints the results in the order of the files: with several files, each
// file's text output follows a line "==> FILE <==" (--json: one line each, no header). Returns the
// highest exit status.
int RunProgramFiles(const CliOptions& options, const InstructionTable& instructions, std::ostream& out,
                    std::ostream& err);

}  // namespace vantric::console
