#pragma once
#include <ostream>

#include "cli/CliOptions.h"
#include "core/AssemblyTables.h"
#include "core/InstructionTable.h"
#include "core/Machine.h"

namespace vantric::console {

// `vantric-cli run`: assembles and runs the program file as the run window does, printing its
// progress lines, then the registers, the T-state count and the requested memory dumps.
// Returns the runner's exit status.
int RunProgramCommand(const CliOptions& options, const InstructionTable& instructions, AssemblyTables& program,
                      Machine& machine, std::ostream& out, std::ostream& err);

}  // namespace vantric::console
