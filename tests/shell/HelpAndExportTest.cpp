// Help > View readme on a desktop with or without an RTF viewer, the print commands without a
// printer, and File > Export print-out as PDF.

#include <gtest/gtest.h>

#include "editing/PrintoutDelivery.h"
#include "shell/Readme.h"
#include "support/FakeEditing.h"
#include "support/FakePrinter.h"
#include "support/FakeShell.h"
#include "support/Fakes.h"

namespace vantric {
namespace {

using platform::Printout;

struct FakeHelpWindow : platform::HelpWindow {
    void ShowGuide() override { ++shown; }
    int shown = 0;
};

TEST(HelpTest, TheDesktopsViewerFirstTheHelpWindowWithoutOneNothingWithoutTheReadme) {
    fakes::FakeDesktopServices desktop;
    fakes::FakeProgramHost host("/opt/vantric");
    FakeHelpWindow help;
    desktop.opens = false;  // no program is associated with RTF documents
    ShowReadme(host, desktop, help);
    EXPECT_TRUE(desktop.opened.empty());
    EXPECT_EQ(help.shown, 0);

    desktop.files = {"/opt/vantric/readme.rtf"};
    ShowReadme(host, desktop, help);
    EXPECT_EQ(help.shown, 1);
    desktop.opens = true;
    ShowReadme(host, desktop, help);
    EXPECT_EQ(desktop.opened, std::vector<std::string>(2, "/opt/vantric/readme.rtf"));
    EXPECT_EQ(help.shown, 1);
}

// PDF files whose lines end up in `lines`; `writes` false: the file cannot be written.
struct FakePdfExport : platform::PdfExport {
    struct Pdf : fakes::FakePrinter {
        FakePdfExport* owner;
        bool EndDocument() override {
            owner->lines = lines;
            return owner->writes;
        }
    };
    std::optional<Printout> ChoosePrintout() override { return choice; }
    std::unique_ptr<platform::Printer> PdfFile(const std::string& path) override {
        files.push_back(path);
        auto pdf = std::make_unique<Pdf>();
        pdf->owner = this;
        return pdf;
    }
    std::optional<Printout> choice;
    bool writes = true;
    std::vector<std::string> files, lines;
};

struct PrintoutDeliveryTest : ::testing::Test {
    ProcessorState cpu;
    MemoryDumpSettings dump;
    ProgramFileState file;
    fakes::FakeEditor editor;
    fakes::FakePrinter printer;
    FakePdfExport pdf;
    fakes::FakeFileDialogs dialogs;
    fakes::FakeMessageBox messages;
    fakes::FakeStatusBar status;
    PrintCommands layout{cpu, dump, file, editor, printer};
    PrintoutDelivery delivery{{layout, printer, pdf, dialogs, messages, status}};
};

TEST_F(PrintoutDeliveryTest, WithoutAPrinterTheStatusBarPointsToTheExport) {
    printer.hasPrinter = false;
    delivery.Print(Printout::ProgramListing);
    delivery.Print(Printout::RegistersAndMemory);
    EXPECT_EQ(status.Panel1History(), std::vector<std::string>(2, kNoPrinterText));
    EXPECT_EQ(printer.documents, 0);

    printer.hasPrinter = true;
    delivery.Print(Printout::ProgramListing);
    EXPECT_EQ(printer.documents, 1);
    EXPECT_EQ(status.Panel1History().size(), 2u);
}

TEST_F(PrintoutDeliveryTest, ExportWritesTheChosenPrintoutAndReportsAFileItCannotWrite) {
    editor.text = "HLT";
    delivery.ExportAsPdf();  // the choice cancelled
    pdf.choice = Printout::ProgramListing;
    delivery.ExportAsPdf();  // the file name cancelled
    EXPECT_TRUE(pdf.files.empty());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].Filter, "PDF documents (*.pdf)|*.pdf");
    EXPECT_EQ(dialogs.shown[0].DefaultExtension, "pdf");

    dialogs.answers = {"/home/ann/listing.pdf", "/readonly/regs.pdf"};
    delivery.ExportAsPdf();
    EXPECT_EQ(pdf.lines, (std::vector<std::string>{"**Source code listing for <Unnamed Program>**", "", "HLT", "",
                                                   "--- Vantric by Orsolo ---"}));
    EXPECT_EQ(status.Panel(1), kExportedText);
    EXPECT_EQ(printer.documents, 0);  // nothing went to the printer

    pdf.choice = Printout::RegistersAndMemory;
    pdf.writes = false;
    delivery.ExportAsPdf();
    EXPECT_EQ(dialogs.shown.back().InitialName, "/home/ann/listing.pdf");
    EXPECT_EQ(pdf.files, (std::vector<std::string>{"/home/ann/listing.pdf", "/readonly/regs.pdf"}));
    EXPECT_EQ(pdf.lines.at(2), "**Register contents**");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text.rfind("Could not export /readonly/regs.pdf\n\n", 0), 0u);
    EXPECT_EQ(messages.shown[0].icon, platform::MessageIcon::Critical);
}

}  // namespace
}  // namespace vantric
