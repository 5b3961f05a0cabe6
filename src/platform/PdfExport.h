#pragma once
#include <memory>
#include <optional>
#include <string>

#include "platform/Printer.h"

namespace vantric::platform {

// The two print-outs of the File menu.
enum class Printout { ProgramListing, RegistersAndMemory };

// What exporting a print-out as a PDF file needs of the window layer.
class PdfExport {
public:
    virtual ~PdfExport() = default;
    // Asks which print-out to export; nothing when the user cancels.
    virtual std::optional<Printout> ChoosePrintout() = 0;
    // A printer with the layout of the real one whose one document becomes the PDF file at `path`.
    // The file is replaced only when the document is complete; EndDocument answers whether it was.
    virtual std::unique_ptr<Printer> PdfFile(const std::string& path) = 0;
};

}  // namespace vantric::platform
