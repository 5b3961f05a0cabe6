#include "cli/CliOptions.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <string_view>

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

// REG=HEX, the value no wider than the register.
bool ParseRegisterPreset(const std::string& text, RegisterPreset& preset, std::string& error) {
    const auto equals = text.find('=');
    std::string name = text.substr(0, equals);
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const bool wide = name == "SP" || name == "PC";
    const bool known = wide || (name.size() == 1 && std::string_view("ABCDEHLF").find(name[0]) != std::string::npos);
    std::int64_t value = 0;
    if (equals == std::string::npos || !known || !ParseNumber(text.substr(equals + 1), value, 16) || value < 0) {
        error = "--set takes REG=HEX, REG one of A B C D E H L F SP PC: " + text;
        return false;
    }
    if (value > (wide ? 0xFFFF : 0xFF)) {
        error = "--set value too large for " + name + ": " + text;
        return false;
    }
    preset.Register = name;
    preset.Value = static_cast<std::uint16_t>(value);
    return true;
}

// ADDR=BYTE[,BYTE...] in hexadecimal, the last byte at or below FFFF.
bool ParsePoke(const std::string& text, MemoryPoke& poke, std::string& error) {
    const auto equals = text.find('=');
    std::int64_t address = 0;
    bool valid = equals != std::string::npos && ParseNumber(text.substr(0, equals), address, 16) && address >= 0 &&
                 address <= 0xFFFF;
    poke.Bytes.clear();
    std::size_t from = equals + 1;
    while (valid) {
        const std::size_t comma = text.find(',', from);
        std::int64_t byte = 0;
        valid = ParseNumber(text.substr(from, comma - from), byte, 16) && byte >= 0 && byte <= 0xFF;
        poke.Bytes.push_back(static_cast<std::uint8_t>(byte));
        if (comma == std::string::npos) break;
        from = comma + 1;
    }
    if (!valid) {
        error = "--poke takes ADDR=BYTE[,BYTE...] in hexadecimal, bytes up to FF: " + text;
        return false;
    }
    if (address + static_cast<std::int64_t>(poke.Bytes.size()) > 0x10000) {
        error = "--poke goes past FFFF: " + text;
        return false;
    }
    poke.Address = static_cast<std::uint16_t>(address);
    return true;
}

// The values CLI11 collects, as typed; they are checked and converted afterwards, so that every
// number is read the one way this runner reads numbers.
struct TypedOptions {
    std::string File;
    std::string InstructionSet;
    std::string MaxInstructions;
    std::vector<std::string> Dumps;
    std::vector<std::string> Registers;
    std::vector<std::string> Pokes;
};

// An option that may be given many times, one value each time.
CLI::Option* AddRepeatable(CLI::App& command, const std::string& name, std::vector<std::string>& values,
                           const std::string& what, const std::string& form) {
    return command.add_option(name, values, what)
        ->type_name(form)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->allow_extra_args(false);
}

bool ConvertRunOptions(const TypedOptions& typed, CliOptions& options, std::string& error) {
    if (!typed.MaxInstructions.empty()) {
        std::int64_t limit = 0;
        if (!ParseNumber(typed.MaxInstructions, limit, 10) || limit < 1) {
            error = "--max-instructions takes a whole number of 1 or more: " + typed.MaxInstructions;
            return false;
        }
        options.MaxInstructions = limit;
    }
    for (const std::string& text : typed.Dumps) {
        MemoryDumpRequest dump;
        if (!ParseDump(text, dump, error)) return false;
        options.Dumps.push_back(dump);
    }
    for (const std::string& text : typed.Registers) {
        RegisterPreset preset;
        if (!ParseRegisterPreset(text, preset, error)) return false;
        options.Registers.push_back(preset);
    }
    for (const std::string& text : typed.Pokes) {
        MemoryPoke poke;
        if (!ParsePoke(text, poke, error)) return false;
        options.Pokes.push_back(poke);
    }
    return true;
}

}  // namespace

std::optional<CliOptions> ParseCliArguments(const std::vector<std::string>& args, std::string& error) {
    CLI::App app{"Assembles and runs Intel 8085 programs without a window.", "vantric-cli"};
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    bool version = false;
    app.add_flag("--version", version, "Print the version and exit");
    app.require_subcommand(0, 1);

    CliOptions options;
    TypedOptions typed;
    CLI::App* run = app.add_subcommand("run", "Assemble a program and run it as Run (F5) does");
    CLI::App* assemble = app.add_subcommand("assemble", "Assemble a program as Compile (F4) does");
    assemble->add_option("FILE", typed.File, "The program file (.85)")->required();
    run->add_option("FILE", options.ProgramFiles, "The program files (.85), each run from the reset state")
        ->required()
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    for (CLI::App* command : {run, assemble})
        command->add_option("--instset", typed.InstructionSet, "The instruction set (default: InstSet.Dat)")
            ->type_name("PATH");
    assemble->add_flag("--listing", options.Listing, "List every line's address and bytes");
    assemble->add_option("--hex", options.HexFile, "Write the machine code as Intel HEX")->type_name("OUT.hex");
    assemble->add_option("--bin", options.BinaryFile, "Write the machine code as a binary image")->type_name("OUT.bin");
    run->add_option("--max-instructions", typed.MaxInstructions, "Pause after N instructions")->type_name("N");
    run->add_flag("--ignore-breakpoints", options.IgnoreBreakpoints, "Run through ;BREAK lines");
    run->add_flag("--trace", options.Trace, "Print the registers after every instruction (with --json: on stderr)");
    run->add_flag("--json", options.Json, "Print the result as one line of JSON");
    AddRepeatable(*run, "--dump", typed.Dumps, "Print COUNT bytes from ADDR after the run (hex:decimal)", "ADDR:COUNT");
    AddRepeatable(*run, "--set", typed.Registers, "Set a register (A B C D E H L F SP PC) before the run", "REG=HEX");
    AddRepeatable(*run, "--poke", typed.Pokes, "Store bytes from ADDR on before the run", "ADDR=BYTE[,BYTE...]");

    std::vector<std::string> reversed(args.rbegin(), args.rend());  // CLI11 takes them last first
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        options.Command = CliCommand::Help;
        options.HelpText = app.help();
        return options;
    } catch (const CLI::ParseError& failure) {
        error = failure.what();
        return std::nullopt;
    }
    const bool commandGiven = run->parsed() || assemble->parsed();
    if (version != !commandGiven) {
        error = version ? "--version takes no command" : "no command given";
        return std::nullopt;
    }
    if (version) return options;

    options.Command = run->parsed() ? CliCommand::Run : CliCommand::Assemble;
    if (assemble->parsed()) options.ProgramFiles = {typed.File};
    options.InstructionSetPath = typed.InstructionSet;
    if (options.Command == CliCommand::Run && !ConvertRunOptions(typed, options, error)) return std::nullopt;
    return options;
}

}  // namespace vantric::console
