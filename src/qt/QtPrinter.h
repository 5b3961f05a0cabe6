#pragma once
// The default printer through QPrinter, without a dialog. A printer made for a PDF file, or with
// VANTRIC_PRINT_PDF naming one, writes each document to that file instead with the same layout. The
// PDF is drawn in a scratch folder and saved over the file only once the document is complete, so a
// failed export leaves the earlier file as it was.

#include <QFont>
#include <QString>
#include <memory>

#include "platform/Printer.h"

class QPainter;
class QPrinter;
class QTemporaryDir;

namespace vantric::qt {

class QtPrinter : public platform::Printer {
public:
    // pdfFile: the PDF file that documents go to; empty for the system's printer.
    explicit QtPrinter(QString pdfFile = {});
    ~QtPrinter() override;

    bool HasPrinter() const override;
    bool SetFontName(const std::string& name) override;
    bool SetEmphasis(bool on) override;
    bool Print(const std::string& text) override;
    bool PrintFileName(const std::string& path) override;
    bool PrintLine(const std::string& text) override;
    bool NewLine() override;
    bool EndDocument() override;

private:
    // Opens the print job at the first text or line break of a document. A job the printer refuses
    // stays refused until EndDocument, so every step of that document is skipped quietly.
    bool Begin();
    void Reset();
    bool Draw(const QString& shown);
    // The PDF file of this document: the one given, else VANTRIC_PRINT_PDF's; empty for the printer.
    QString PdfTarget() const;
    QString ScratchPdf() const;

    QString pdfFile_;
    QString pdfTarget_;                       // this document's PDF file
    std::unique_ptr<QTemporaryDir> scratch_;  // holds the PDF while it is drawn
    QFont font_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    bool refused_ = false;
    int linesPerPage_ = 1;
    qreal lineHeight_ = 0;
    qreal ascent_ = 0;
    int line_ = 0;    // line on the current page, from 0; may run past the page until text needs it
    int column_ = 0;  // characters already on the line, for tab stops
    qreal x_ = 0;
};

}  // namespace vantric::qt
