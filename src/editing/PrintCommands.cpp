#include "editing/PrintCommands.h"

#include <algorithm>
#include <string_view>

#include "core/HexText.h"
#include "editing/RegisterPrintout.h"

namespace vantric {

namespace {
constexpr const char* kPrintFont = "Courier New";
constexpr const char* kFooter = "--- Vantric by Orsolo ---";
constexpr int kCellWidth = 8;  // "AAAA:BB" and a blank

// Prints the text line by line as the editor shows it: CR LF, a lone CR and a lone LF each end a line.
// A last line without a break of its own is ended too, so the next print starts on a fresh line.
void PrintTextLines(platform::Printer& printer, std::string_view text) {
    while (!text.empty()) {
        const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
        printer.PrintLine(std::string(text.substr(0, end)));
        std::size_t next = end;
        if (next < text.size()) next += (text.compare(next, 2, "\r\n") == 0) ? 2 : 1;
        text.remove_prefix(next);
    }
}
}  // namespace

std::string PrintedProgramName(const ProgramFileState& file) {
    return file.CurrentFileName.empty() ? std::string("<Unnamed Program>") : file.CurrentFileName;
}

void PrintCommands::StartDocument(platform::Printer& out, const std::string& title) const {
    out.SetFontName(kPrintFont);
    out.SetEmphasis(true);
    out.Print(title + " ");
    out.PrintFileName(PrintedProgramName(file_));
    out.NewLine();
    out.NewLine();
}

bool PrintCommands::EndDocument(platform::Printer& out) const {
    out.NewLine();
    out.PrintLine(kFooter);
    return out.EndDocument();
}

void PrintCommands::PrintMemoryRow(platform::Printer& out, int row) const {
    const int columns = std::min(dump_.MemoryColumnCount, static_cast<int>(dump_.ColumnStart.size()) - 1);
    for (int column = 1; column <= columns; ++column) {
        const long long address = static_cast<long long>(dump_.ColumnStart[static_cast<std::size_t>(column)]) + row - 1;
        if (address >= 0 && address < kMemorySize) {
            out.Print(HexText(address, 4) + ":" + HexText(cpu_.Memory[static_cast<std::size_t>(address)], 2) + " ");
        } else {
            out.Print(std::string(kCellWidth, ' '));
        }
    }
    out.NewLine();
}

bool PrintCommands::Write(platform::Printout printout, platform::Printer& out) const {
    if (printout == platform::Printout::ProgramListing) {
        StartDocument(out, "Source code listing for");
        out.SetEmphasis(false);
        PrintTextLines(out, editor_.Text());
        return EndDocument(out);
    }
    StartDocument(out, "Program output for");
    out.PrintLine("Register contents");
    out.SetEmphasis(false);
    for (const std::string& line : RegisterLines(cpu_)) out.PrintLine(line);
    out.NewLine();
    out.SetEmphasis(true);
    out.PrintLine("RAM contents");
    out.SetEmphasis(false);
    for (int row = 1; row <= dump_.RowsPerColumn; ++row) PrintMemoryRow(out, row);
    return EndDocument(out);
}

}  // namespace vantric
