#pragma once
// `vantric-cli assemble FILE [--listing] [--hex OUT.hex] [--bin OUT.bin]`.

#include <ostream>
#include <string>

#include "assembler/Compiler.h"
#include "cli/CliOptions.h"
#include "core/AssemblyTables.h"
#include "core/InstructionTable.h"
#include "core/ProcessorState.h"

namespace vantric::console {

// Assembles the program file into `app` (instruction set loaded, reset values applied) and
// prints what the run window lists for an assembly, then the listing when asked for, then writes
// the machine code files asked for. Returns 0, 1 on an assembly error (nothing written), 66 when
// the file cannot be read, or 73 when an output file cannot be written.
int RunAssembleCommand(const CliOptions& options, const InstructionTable& instructions, AssemblyTables& program,
                       ProcessorState& cpu, std::ostream& out, std::ostream& err);

// The source line (1 to LineCount) of `text` without its line break.
std::string SourceLine(const std::string& text, const AssemblyTables& tables, std::int32_t line);

// The line that holds `errorStart`, without its line break.
std::string ErrorSourceLine(const std::string& text, std::int32_t errorStart);

// "Line N: TEXT" for the line that holds `errorStart`: N counted from 1, TEXT without its line break.
std::string ErrorLineText(const std::string& text, std::int32_t errorStart);

// One listing line per source line: address or 4 blanks, 2 blanks, the bytes in 8 columns,
// 2 blanks, the source line.
void WriteListing(std::ostream& out, const std::string& text, const AssemblyTables& tables, const Compiler& compiler);

}  // namespace vantric::console
