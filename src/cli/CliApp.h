#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace vantric::console {

// Exit statuses of the headless runner.
enum CliExit : int {
    ExitHalted = 0,
    ExitAssemblyError = 1,
    ExitRuntimeError = 2,
    ExitBreakpoint = 3,
    ExitInstructionLimit = 4,
    ExitUsage = 64,
    ExitProgramUnreadable = 66,
    ExitInstructionSetUnusable = 70,
    ExitOutputUnwritable = 73,
};

// Runs the headless runner on the arguments after the program name.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vantric::console
