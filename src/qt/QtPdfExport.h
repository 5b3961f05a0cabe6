#pragma once
// File > Export print-out as PDF in the desktop program: a small modal choice of the print-out
// (object name "printoutChoice") and PDF files written by the printer's own drawing code.

#include <QWidget>

#include "platform/PdfExport.h"

namespace vantric::qt {

class QtPdfExport : public platform::PdfExport {
public:
    explicit QtPdfExport(QWidget* owner) : owner_(owner) {}

    std::optional<platform::Printout> ChoosePrintout() override;
    std::unique_ptr<platform::Printer> PdfFile(const std::string& path) override;

private:
    QWidget* owner_;
};

}  // namespace vantric::qt
