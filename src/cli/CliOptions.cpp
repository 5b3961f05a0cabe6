#include "cli/CliOptions.h"

#include <charconv>

namespace vantric::console {

namespace {

template <typename Number>
bool ParseNumber(const std::string& text, Number& value, int base) {
    if (text.empty()) return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return ec == std::errc() && end == text.data() + text.size();
}

// ADDR:COUNT, ADDR in hexadecimal and COUNT in decimal, all of it inside the 64 KB memory.
bool ParseDump(const std::string& text, MemoryDumpRequest& dump, std::string& error) {
    const auto colon = text.find(':');
    std::int64_t address = 0;
    std::int64_t count = 0;
    if (colon == std::string::npos || !ParseNumber(text.substr(0, colon), address, 16) ||
        !ParseNumber(text.substr(colon + 1), count, 10) || address < 0 || count < 0) {
        error = "--dump takes ADDR:COUNT (hexadecimal address, decimal count): " + text;
        return false;
    }
    // Compared without adding, so no count can overflow the sum.
    if (address > 0xFFFF || count > 0x10000 - address) {
        error = "--dump range goes past FFFF: " + text;
        return false;
    }
    dump.Address = static_cast<std::int32_t>(address);
    dump.Count = static_cast<std::int32_t>(count);
    return true;
}

}  // namespace

std::optional<CliOptions> ParseCliArguments(const std::vector<std::string>& args, std::string& error) {
    CliOptions options;
    if (args.size() == 1 && args[0] == "--version") return options;
    if (args.empty() || (args[0] != "run" && args[0] != "assemble")) {
        error = args.empty() ? "no command given" : "unknown command: " + args[0];
        return std::nullopt;
    }
    options.Command = args[0] == "run" ? CliCommand::Run : CliCommand::Assemble;
    const bool run = options.Command == CliCommand::Run;

    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--instset" && hasValue) {
            options.InstructionSetPath = args[++i];
        } else if (arg == "--listing" && !run) {
            options.Listing = true;
        } else if (arg == "--ignore-breakpoints" && run) {
            options.IgnoreBreakpoints = true;
        } else if (arg == "--trace" && run) {
            options.Trace = true;
        } else if (arg == "--max-instructions" && run && hasValue) {
            std::int64_t limit = 0;
            if (!ParseNumber(args[++i], limit, 10) || limit < 1) {
                error = "--max-instructions takes a whole number of 1 or more: " + args[i];
                return std::nullopt;
            }
            options.MaxInstructions = limit;
        } else if (arg == "--dump" && run && hasValue) {
            MemoryDumpRequest dump;
            if (!ParseDump(args[++i], dump, error)) return std::nullopt;
            options.Dumps.push_back(dump);
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown or incomplete option: " + arg;
            return std::nullopt;
        } else if (options.ProgramFile.empty()) {
            options.ProgramFile = arg;
        } else {
            error = "more than one program file given: " + arg;
            return std::nullopt;
        }
    }
    if (options.ProgramFile.empty()) {
        error = "no program file given";
        return std::nullopt;
    }
    return options;
}

}  // namespace vantric::console
