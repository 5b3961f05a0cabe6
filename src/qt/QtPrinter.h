#pragma once
// The default printer through QPrinter, without a dialog. When VANTRIC_PRINT_PDF names a file, each
// document goes to that PDF file instead, replacing it.

#include <QFont>
#include <memory>

#include "platform/Printer.h"

class QPainter;
class QPrinter;

namespace vantric::qt {

class QtPrinter : public platform::Printer {
public:
    QtPrinter();
    ~QtPrinter() override;

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
