#include "cli/CliApp.h"

#include <memory>

#include "cli/AssembleCommand.h"
#include "cli/CliOptions.h"
#include "cli/ConsolePlatform.h"
#include "cli/RunFiles.h"
#include "core/AssemblyTables.h"
#include "core/InstructionSetLoader.h"
#include "core/InstructionTable.h"
#include "core/ProcessorState.h"

namespace vantric::console {

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto options = ParseCliArguments(args, error);
    if (!options) {
        err << "vantric-cli: " << error << '\n' << kCliUsage;
        return ExitUsage;
    }
    if (options->Command == CliCommand::Help) {
        out << options->HelpText;
        return ExitHalted;
    }
    if (options->Command == CliCommand::Version) {
        out << "Vantric " << VANTRIC_VERSION << '\n';
        return ExitHalted;
    }

    // The instruction set, shared by every program; each command builds the machine state it needs.
    auto instructions = std::make_unique<InstructionTable>();
    ConsoleStatusBar status;
    ConsoleMessageBox messages(err);
    ConsoleProgramHost host(err);
    platform::AbsentWindow splash;
    InstructionSetLoader loader(*instructions, status, splash, messages, host, options->InstructionSetPath);
    const auto loaded = loader.LoadInstructionSet();
    if (loaded == InstructionSetLoadOutcome::Ended) return ExitInstructionSetUnusable;
    if (loaded == InstructionSetLoadOutcome::CheckFailed) err << status.Panel(1) << '\n';
    if (options->Command == CliCommand::Run) return RunProgramFiles(*options, *instructions, out, err);

    // The assembler's tables and the reset memory it assembles into; memory is large, so it lives
    // on the heap.
    auto program = std::make_unique<AssemblyTables>();
    auto cpu = std::make_unique<ProcessorState>();
    cpu->ApplyResetValues();
    return RunAssembleCommand(*options, *instructions, *program, *cpu, out, err);
}

}  // namespace vantric::console
