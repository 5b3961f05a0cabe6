#include "editing/PrintoutDelivery.h"

#include <memory>
#include <optional>

namespace vantric {

void PrintoutDelivery::Print(platform::Printout printout) {
    if (!parts_.Printer.HasPrinter()) {
        parts_.Status.SetPanelText(1, kNoPrinterText);
        return;
    }
    parts_.Layout.Write(printout, parts_.Printer);
}

void PrintoutDelivery::ExportAsPdf() {
    const std::optional<platform::Printout> printout = parts_.Pdf.ChoosePrintout();
    if (!printout) return;
    const std::string path =
        parts_.Dialogs.ShowSave({"PDF documents (*.pdf)|*.pdf", "pdf",
                                 lastPdf_.empty() ? std::string("*.pdf") : lastPdf_, "Export print-out as PDF"});
    if (path.empty()) return;
    lastPdf_ = path;
    const std::unique_ptr<platform::Printer> pdf = parts_.Pdf.PdfFile(path);
    if (!parts_.Layout.Write(*printout, *pdf)) {
        parts_.Status.SetPanelText(1, "");  // an earlier export's word must not stand for this one
        parts_.Messages.Show(
            "Could not export " + path + "\n\nThe file could not be written there. Choose another folder or name.",
            platform::kApplicationTitle, platform::MessageButtons::Ok, platform::MessageIcon::Critical);
        return;
    }
    parts_.Status.SetPanelText(1, kExportedText);
}

}  // namespace vantric
