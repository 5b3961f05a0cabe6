// The two print-outs: the source listing, and the registers with the memory columns; where they go.

#include "editing/PrintCommands.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "editing/PrintoutDelivery.h"
#include "support/FakeEditing.h"
#include "support/FakePrinter.h"
#include "support/Fakes.h"

namespace vantric {
namespace {

using platform::Printout;

// Answers the print-out choice; its PDF files cannot be written when `writes` is false.
struct FakePdfExport : platform::PdfExport {
    std::optional<Printout> ChoosePrintout() override { return choice; }
    std::unique_ptr<platform::Printer> PdfFile(const std::string&) override {
        auto file = std::make_unique<fakes::FakePrinter>();
        file->ends = writes;
        return file;
    }
    std::optional<Printout> choice;
    bool writes = true;
};

struct PrintCommandsTest : ::testing::Test {
    std::string Printed(void (PrintCommands::*command)()) {
        printer.printed.clear();
        (commands.*command)();
        return printer.printed;
    }

    ProcessorState cpu;
    MemoryDumpSettings dump;
    ProgramFileState file;
    fakes::FakeEditor editor;
    fakes::FakePrinter printer;
    PrintCommands commands{cpu, dump, file, editor, printer};
    FakePdfExport pdf;
    fakes::FakeFileDialogs dialogs;
    fakes::FakeMessageBox messages;
    fakes::FakeStatusBar status;
    PrintoutDelivery delivery{{commands, printer, pdf, dialogs, messages, status}};
};

TEST_F(PrintCommandsTest, SourceListingPrintsEachEditorLineBetweenHeadingAndFooter) {
    editor.text = "\tMVI A,3E\r\nLOOP: DCR A\nJNZ LOOP\r\r\nHLT";
    EXPECT_EQ(Printed(&PrintCommands::PrintProgram),
              "[Courier New]<b>Source code listing for <Unnamed Program>\n\n</b>\tMVI A,3E\nLOOP: DCR A\nJNZ LOOP\n\n"
              "HLT\n\n--- Vantric by Orsolo ---\n[end]\n");
    file.CurrentFileName = "/home/ada/add two.85";
    editor.text.clear();
    EXPECT_EQ(
        Printed(&PrintCommands::PrintProgram),
        "[Courier New]<b>Source code listing for /home/ada/add two.85\n\n</b>\n--- Vantric by Orsolo ---\n[end]\n");
}

TEST_F(PrintCommandsTest, ProgramOutputPrintsRegistersThenTheGridRowsBlankPastFFFF) {
    cpu.Registers = {0x01, 0x02, 0xD1, 0x0E, 0xAB, 0xCD, 0, 0x3E};  // B C D E H L - A
    cpu.Flags = 0x54;
    cpu.ProgramCounter = 0x1003;
    cpu.Memory[0x1000] = 0x3E;
    cpu.Memory[0x2001] = 0xA5;
    cpu.Memory[0x303F] = 0xFF;
    std::string out = Printed(&PrintCommands::PrintRegistersAndMemory);
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 11 + 64 + 3);  // heading, rows, footer
    EXPECT_TRUE(out.starts_with(
        "[Courier New]<b>Program output for <Unnamed Program>\n\nRegister contents\n</b>"
        " A: 3E 54 :Flags (S=0 Z=1 AC=1 P=1 CY=0)\n B: 01 02 :C\n D: D1 0E :E\n H: AB CD :L\nSP: FFF0\nPC: 1003\n\n"
        "<b>RAM contents\n</b>1000:3E 2000:00 3000:00 \n1001:00 2001:A5 3001:00 \n"))
        << out;
    EXPECT_TRUE(out.ends_with("\n103F:00 203F:00 303F:FF \n\n--- Vantric by Orsolo ---\n[end]\n"));

    dump.MemoryColumnCount = 2;
    dump.ColumnStart = {0, 0xFFC0, 0xFFF0};
    cpu.Memory[0xFFFF] = 0x76;
    out = Printed(&PrintCommands::PrintRegistersAndMemory);
    EXPECT_NE(out.find("</b>FFC0:00 FFF0:00 \n"), std::string::npos);
    EXPECT_NE(out.find("\nFFCF:00 FFFF:76 \nFFD0:00         \n"), std::string::npos);
    EXPECT_TRUE(out.ends_with("\nFFFF:76         \n\n--- Vantric by Orsolo ---\n[end]\n"));
}

TEST_F(PrintCommandsTest, WithoutAPrinterTheStatusBarSaysSoAndAnExportThatFailsIsReported) {
    printer.hasPrinter = false;
    delivery.Print(Printout::ProgramListing);
    EXPECT_EQ(status.Panel(1) + printer.printed, kNoPrinterText);

    delivery.ExportAsPdf();  // the choice cancelled: no file asked for
    pdf.choice = Printout::RegistersAndMemory;
    dialogs.answers = {"/home/ann/regs.pdf", "/readonly/regs.pdf"};
    delivery.ExportAsPdf();
    EXPECT_EQ(status.Panel(1), kExportedText);
    pdf.writes = false;
    delivery.ExportAsPdf();
    EXPECT_EQ(dialogs.shown.at(1).InitialName, "/home/ann/regs.pdf");
    EXPECT_TRUE(messages.shown.at(0).text.starts_with("Could not export /readonly/regs.pdf\n\n"));
    EXPECT_EQ(status.Panel(1), "");
    EXPECT_EQ(printer.printed, "");  // nothing went to the printer
}

}  // namespace
}  // namespace vantric
