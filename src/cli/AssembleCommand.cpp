#include "cli/AssembleCommand.h"

#include <algorithm>

#include "assembler/AssembledRanges.h"

#include "cli/CliApp.h"
#include "cli/ConsolePlatform.h"
#include "cli/ProgramFileReader.h"
#include "core/HexText.h"
#include "core/TextScan.h"
#include "editing/LocalFileStore.h"
#include "memtools/MachineCodeFiles.h"

namespace vantric::console {

std::string SourceLine(const std::string& text, const AssemblyTables& tables, std::int32_t line) {
    const auto start = std::min(static_cast<std::size_t>(tables.LineStart(line)), text.size());
    auto end = std::min(start + static_cast<std::size_t>(std::max(tables.LineLength(line), 1)) - 1, text.size());
    if (end - start >= 2 && text[end - 2] == '\r' && text[end - 1] == '\n') end -= 2;
    return text.substr(start, end - start);
}

namespace {

// Address (or 4 blanks), up to three bytes in 8 columns, then the source text.
void WriteListingLine(std::ostream& out, std::int32_t address, std::span<const std::uint8_t> bytes,
                      const std::string& source) {
    std::string text;
    for (const std::uint8_t byte : bytes) {
        if (!text.empty()) text += ' ';
        text += HexText(byte, 2);
    }
    if (text.size() < 8) text.resize(8, ' ');
    out << (address >= 0 ? HexText(address, 4) : std::string(4, ' ')) << "  " << text << "  " << source << '\n';
}

// Writes one output file in place of any earlier one; says why on `err` when it cannot.
bool WriteOutputFile(const std::string& path, const std::string& bytes, std::ostream& err) {
    LocalFileStore files;
    const platform::FileWriteResult written = files.Replace(path, bytes);
    if (!written.Ok) err << "vantric-cli: cannot write " << path << ": " << written.Reason << '\n';
    return written.Ok;
}

// The assembled bytes as the files asked for; the binary image's load address goes to `out`.
int WriteMachineCode(const CliOptions& options, const AssemblyTables& program, const Compiler& compiler,
                     const ProcessorState& cpu, std::ostream& out, std::ostream& err) {
    const std::vector<ByteRange> ranges = AssembledRanges(program, compiler);
    if (!options.HexFile.empty() && !WriteOutputFile(options.HexFile, IntelHexText(cpu.Memory, ranges), err))
        return ExitOutputUnwritable;
    if (!options.BinaryFile.empty()) {
        const BinaryImage image = MakeBinaryImage(cpu.Memory, ranges);
        if (!WriteOutputFile(options.BinaryFile, image.Bytes, err)) return ExitOutputUnwritable;
        out << "Load address : " << (image.LoadAddress < 0 ? std::string("none") : HexText(image.LoadAddress, 4))
            << '\n';
    }
    return ExitHalted;
}

}  // namespace

void WriteListing(std::ostream& out, const std::string& text, const AssemblyTables& tables, const Compiler& compiler) {
    constexpr std::size_t kBytesPerLine = 3;
    for (std::int32_t n = 1; n <= tables.LineCount; ++n) {
        const Compiler::PlacedData data = compiler.DataAt(n);
        if (data.Address < 0) {
            WriteListingLine(out, tables.LineAddress(n), compiler.InstructionBytes(n), SourceLine(text, tables, n));
            continue;
        }
        // Data longer than three bytes goes on in lines of its own, each with its address.
        std::size_t shown = std::min(data.Bytes.size(), kBytesPerLine);
        WriteListingLine(out, data.Address, data.Bytes.first(shown), SourceLine(text, tables, n));
        for (; shown < data.Bytes.size(); shown += kBytesPerLine)
            WriteListingLine(out, (data.Address + static_cast<std::int32_t>(shown)) & 0xFFFF,
                             data.Bytes.subspan(shown, std::min(kBytesPerLine, data.Bytes.size() - shown)), "");
    }
}

std::string ErrorSourceLine(const std::string& text, std::int32_t errorStart) {
    const auto start = std::min(static_cast<std::size_t>(std::max(errorStart, 0)), text.size());
    const auto lineStart = text.rfind('\n', start == 0 ? 0 : start - 1);
    const std::size_t from = start == 0 || lineStart == std::string::npos ? 0 : lineStart + 1;
    const std::size_t end = text.find("\r\n", from);
    return text.substr(from, end == std::string::npos ? std::string::npos : end - from);
}

std::string ErrorLineText(const std::string& text, std::int32_t errorStart) {
    return "Line " + std::to_string(LineNumberAt(text, errorStart)) + ": " + ErrorSourceLine(text, errorStart);
}

int RunAssembleCommand(const CliOptions& options, const InstructionTable& instructions, AssemblyTables& program,
                       ProcessorState& cpu, std::ostream& out, std::ostream& err) {
    ConsoleEditor editor;
    if (!LoadProgramIntoEditor(options.ProgramFiles.front(), editor, err)) return ExitProgramUnreadable;
    ConsoleStatusBar status;
    ConsoleEventPump events;
    Compiler compiler(cpu, instructions, program, editor, status, events);

    out << "Compiling code ...\n";
    if (!compiler.CompileProgram()) {
        out << "Compiler error : " << program.CompileError << '\n'
            << ErrorLineText(editor.HeldText(), program.ErrorStart) << '\n';
        return ExitAssemblyError;
    }
    out << "Compiled successfully\n";
    if (options.Listing) WriteListing(out, editor.HeldText(), program, compiler);
    return WriteMachineCode(options, program, compiler, cpu, out, err);
}

}  // namespace vantric::console
