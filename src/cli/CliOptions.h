#pragma once
// The headless runner's command line.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vantric::console {

enum class CliCommand { Version, Help, Run, Assemble };

struct MemoryDumpRequest {
    std::int32_t Address = 0;
    std::int32_t Count = 0;
};

// --set REG=HEX: Register is A, B, C, D, E, H, L, F, SP or PC; Value fits it.
struct RegisterPreset {
    std::string Register;
    std::uint16_t Value = 0;
};

// --poke ADDR=BYTE[,BYTE...]: the bytes from Address on, all of them at or below FFFF.
struct MemoryPoke {
    std::uint16_t Address = 0;
    std::vector<std::uint8_t> Bytes;
};

struct CliOptions {
    CliCommand Command = CliCommand::Version;
    std::string HelpText;                   // Help: what to print
    std::vector<std::string> ProgramFiles;  // assemble: one; run: one or more
    std::string InstructionSetPath;         // empty: InstSet.Dat beside the executable
    bool Listing = false;
    std::string HexFile;     // assemble: write Intel HEX here
    std::string BinaryFile;  // assemble: write a binary image here
    bool IgnoreBreakpoints = false;
    bool Trace = false;
    bool Json = false;  // run: one JSON object per program instead of the text
    std::optional<std::int64_t> MaxInstructions;
    std::vector<MemoryDumpRequest> Dumps;
    std::vector<RegisterPreset> Registers;  // in the order given
    std::vector<MemoryPoke> Pokes;          // in the order given
};

// Parses the arguments after the program name; on a usage error returns nothing and sets `error`.
// A repeated option takes its last value; --dump adds a range each time.
std::optional<CliOptions> ParseCliArguments(const std::vector<std::string>& args, std::string& error);

inline constexpr const char* kCliUsage =
    "usage: vantric-cli run FILE... [--max-instructions N] [--ignore-breakpoints] [--trace] "
    "[--dump ADDR:COUNT]... [--json] [--set REG=HEX]... [--poke ADDR=BYTE[,BYTE...]]... [--instset PATH]\n"
    "       vantric-cli assemble FILE [--listing] [--hex OUT.hex] [--bin OUT.bin] [--instset PATH]\n"
    "       vantric-cli --version\n"
    "       vantric-cli [run|assemble] --help\n";

}  // namespace vantric::console
