#include "qt/QtPdfExport.h"

#include <QFile>
#include <QInputDialog>

#include "qt/QtPrinter.h"

namespace vantric::qt {

std::optional<platform::Printout> QtPdfExport::ChoosePrintout() {
    const QStringList choices{QStringLiteral("Program listing"), QStringLiteral("Registers and memory")};
    QInputDialog dialog(owner_);
    dialog.setObjectName(QStringLiteral("printoutChoice"));
    dialog.setWindowTitle(QStringLiteral("Export print-out as PDF"));
    dialog.setLabelText(QStringLiteral("Print-out:"));
    dialog.setComboBoxItems(choices);
    dialog.setComboBoxEditable(false);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue() == choices[1] ? platform::Printout::RegistersAndMemory
                                            : platform::Printout::ProgramListing;
}

std::unique_ptr<platform::Printer> QtPdfExport::PdfFile(const std::string& path) {
    return std::make_unique<QtPrinter>(QFile::decodeName(path.c_str()));
}

}  // namespace vantric::qt
