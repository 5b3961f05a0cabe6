#pragma once
// The two print-outs of the File menu: the source listing and the registers with the memory area the
// memory grid shows. Both only read the machine and the editor.

#include <string>

#include "core/MemoryDumpSettings.h"
#include "core/ProcessorState.h"
#include "editing/ProgramFileState.h"
#include "platform/Editor.h"
#include "platform/PdfExport.h"
#include "platform/Printer.h"

namespace vantric {

// The name headings use: the program's full path, or "<Unnamed Program>" when it has none.
std::string PrintedProgramName(const ProgramFileState& file);

class PrintCommands {
public:
    PrintCommands(const ProcessorState& cpu, const MemoryDumpSettings& dump, const ProgramFileState& file,
                  const platform::Editor& editor, platform::Printer& printer)
        : cpu_(cpu), dump_(dump), file_(file), editor_(editor), printer_(printer) {}

    // "Source code listing for NAME", an empty line, the editor's text line by line, an empty line
    // and the footer. Printer failures are passed over without a message.
    void PrintProgram() { Write(platform::Printout::ProgramListing, printer_); }
    // "Program output for NAME", the register lines, then one row of cells per grid row over the
    // grid's columns, and the footer.
    void PrintRegistersAndMemory() { Write(platform::Printout::RegistersAndMemory, printer_); }

    // Writes a print-out as one document to `out`, which may be another printer than the system's.
    // True when the document was sent (or written) whole.
    bool Write(platform::Printout printout, platform::Printer& out) const;

private:
    void StartDocument(platform::Printer& out, const std::string& title) const;
    bool EndDocument(platform::Printer& out) const;
    void PrintMemoryRow(platform::Printer& out, int row) const;

    const ProcessorState& cpu_;
    const MemoryDumpSettings& dump_;
    const ProgramFileState& file_;
    const platform::Editor& editor_;
    platform::Printer& printer_;
};

}  // namespace vantric
