#include "cli/CliApp.h"

#include <memory>

#include "cli/AssembleCommand.h"
#include "cli/RunCommand.h"
#include "cli/CliOptions.h"
#include "cli/ConsolePlatform.h"
#include "core/InstructionSetLoader.h"
#include "shell/AppState.h"

namespace vantric::console {

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto options = ParseCliArguments(args, error);
    if (!options) {
        err << "vantric-cli: " << error << '\n' << kCliUsage;
        return ExitUsage;
    }
    if (options->Command == CliCommand::Version) {
        out << "Vantric " << VANTRIC_VERSION << '\n';
        return ExitHalted;
    }

    auto app = std::make_unique<AppState>();
    ConsoleStatusBar status;
    ConsoleMessageBox messages(err);
    ConsoleProgramHost host(err);
    platform::AbsentWindow splash;
    InstructionSetLoader loader(app->Instructions, status, splash, messages, host,
                                options->InstructionSetPath);
    const auto loaded = loader.LoadInstructionSet();
    if (loaded == InstructionSetLoadOutcome::Ended) return ExitInstructionSetUnusable;
    if (loaded == InstructionSetLoadOutcome::CheckFailed) err << status.Panel(1) << '\n';
    app->Machine.LoadTimings(app->Instructions);
    app->Machine.Reset();

    if (options->Command == CliCommand::Assemble) return RunAssembleCommand(*app, *options, out, err);
    return RunProgramCommand(*options, *app, out, err);
}

}  // namespace vantric::console
