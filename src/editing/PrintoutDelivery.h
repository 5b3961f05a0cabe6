#pragma once
// Where a print-out goes: the File menu's print commands send it to the system's printer, or say
// that there is none and where to turn instead; File > Export print-out as PDF writes it to a file
// with the printed layout.

#include <string>

#include "editing/PrintCommands.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"
#include "platform/PdfExport.h"
#include "platform/Printer.h"
#include "platform/StatusBar.h"

namespace vantric {

inline constexpr const char* kNoPrinterText = "No printer found. Use File > Export print-out as PDF instead.";
inline constexpr const char* kExportedText = "Print-out exported as PDF";

struct PrintoutDeliveryParts {
    const PrintCommands& Layout;
    platform::Printer& Printer;
    platform::PdfExport& Pdf;
    platform::FileDialogs& Dialogs;
    platform::MessageBox& Messages;
    platform::StatusBar& Status;
};

class PrintoutDelivery {
public:
    explicit PrintoutDelivery(PrintoutDeliveryParts parts) : parts_(parts) {}

    // Prints on the system's printer as before; with no printer, the status bar says so instead.
    void Print(platform::Printout printout);
    // Asks which print-out and a file name, then writes the PDF. A file that cannot be written is
    // reported and leaves any file of that name as it was.
    void ExportAsPdf();

private:
    PrintoutDeliveryParts parts_;
    std::string lastPdf_;  // the name the save dialog proposes next
};

}  // namespace vantric
