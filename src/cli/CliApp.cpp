#include "cli/CliApp.h"

#include <memory>

#include "cli/AssembleCommand.h"
#include "cli/CliOptions.h"
#include "cli/ConsolePlatform.h"
#include "cli/RunFiles.h"
#include "core/AssemblyTables.h"
#include "core/InstructionSetLoader.h"
#include "core/InstructionTable.h"
#include "core/Machine.h"

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

    // The instruction set, the assembler's tables and the engine that reads them; the engine's
    // memory is large, so they live on the heap.
    auto instructions = std::make_unique<InstructionTable>();
    auto program = std::make_unique<AssemblyTables>();
    auto machine = std::make_unique<Machine>(*program);
    ConsoleStatusBar status;
    ConsoleMessageBox messages(err);
    ConsoleProgramHost host(err);
    platform::AbsentWindow splash;
    InstructionSetLoader loader(*instructions, status, splash, messages, host, options->InstructionSetPath);
    const auto loaded = loader.LoadInstructionSet();
    if (loaded == InstructionSetLoadOutcome::Ended) return ExitInstructionSetUnusable;
    if (loaded == InstructionSetLoadOutcome::CheckFailed) err << status.Panel(1) << '\n';
    machine->LoadTimings(*instructions);
    machine->Reset();

    if (options->Command == CliCommand::Assemble)
        return RunAssembleCommand(*options, *instructions, *program, machine->State(), out, err);
    return RunProgramFiles(*options, *instructions, out, err);
}

}  // namespace vantric::console
