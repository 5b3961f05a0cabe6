#include "qt/QtPrinter.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <utility>

#include "editing/LocalFileStore.h"
#include "qt/FileNameText.h"
#include "qt/Latin1.h"

namespace vantric::qt {

namespace {
constexpr qreal kPointSize = 10;
constexpr int kTabWidth = 8;  // as in the editor
}  // namespace

QtPrinter::QtPrinter(QString pdfFile) : pdfFile_(std::move(pdfFile)) {
    font_.setStyleHint(QFont::TypeWriter);
    font_.setPointSizeF(kPointSize);
}

QtPrinter::~QtPrinter() { Reset(); }

QString QtPrinter::PdfTarget() const {
    return pdfFile_.isEmpty() ? qEnvironmentVariable("VANTRIC_PRINT_PDF") : pdfFile_;
}

bool QtPrinter::HasPrinter() const {
    return !PdfTarget().isEmpty() || !QPrinterInfo::availablePrinterNames().isEmpty();
}

void QtPrinter::Reset() {
    if (painter_ && painter_->isActive()) painter_->end();
    painter_.reset();
    printer_.reset();
    scratch_.reset();
    refused_ = false;
    line_ = 0;
    column_ = 0;
    x_ = 0;
}

bool QtPrinter::SetFontName(const std::string& name) {
    font_.setFamily(Latin1(name));
    if (painter_) painter_->setFont(font_);
    return true;
}

bool QtPrinter::SetEmphasis(bool on) {
    font_.setBold(on);
    if (painter_) painter_->setFont(font_);
    return true;
}

bool QtPrinter::Begin() {
    if (painter_) return true;
    if (refused_) return false;
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const QString pdfFile = PdfTarget();
    if (!pdfFile.isEmpty()) {
        scratch_ = std::make_unique<QTemporaryDir>();
        if (!scratch_->isValid()) {
            printer_.reset();
            refused_ = true;
            return false;
        }
        pdfTarget_ = pdfFile;
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(ScratchPdf());
    }
    printer_->setDocName(QStringLiteral("Vantric"));
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get())) {
        painter_.reset();
        printer_.reset();
        refused_ = true;
        return false;
    }
    // One line height for the whole job, the larger of the plain and the emphasised face.
    QFont plain = font_;
    plain.setBold(false);
    QFont bold = font_;
    bold.setBold(true);
    const QFontMetricsF plainMetrics(plain, printer_.get());
    const QFontMetricsF boldMetrics(bold, printer_.get());
    lineHeight_ = std::max(plainMetrics.lineSpacing(), boldMetrics.lineSpacing());
    ascent_ = std::max(plainMetrics.ascent(), boldMetrics.ascent());
    linesPerPage_ = std::max(1, static_cast<int>(printer_->height() / lineHeight_));
    painter_->setFont(font_);
    return true;
}

bool QtPrinter::Print(const std::string& text) {
    if (!Begin()) return false;
    QString shown;
    for (char c : text) {
        if (c == '\t') {
            const int blanks = kTabWidth - column_ % kTabWidth;
            shown.append(QString(blanks, QLatin1Char(' ')));
            column_ += blanks;
        } else {
            shown.append(QChar(static_cast<unsigned char>(c)));
            ++column_;
        }
    }
    return Draw(shown);
}

bool QtPrinter::PrintFileName(const std::string& path) {
    if (!Begin()) return false;
    const QString shown = TextWithFileName(path);
    column_ += static_cast<int>(shown.size());
    return Draw(shown);
}

// Draws text where the previous one stopped, on a new page once the page is full.
bool QtPrinter::Draw(const QString& shown) {
    if (shown.isEmpty()) return true;
    bool ok = true;
    while (line_ >= linesPerPage_) {
        ok = printer_->newPage() && ok;
        line_ -= linesPerPage_;
    }
    painter_->drawText(QPointF(x_, line_ * lineHeight_ + ascent_), shown);
    x_ += QFontMetricsF(painter_->font(), printer_.get()).horizontalAdvance(shown);
    return ok;
}

bool QtPrinter::PrintLine(const std::string& text) {
    const bool printed = Print(text);
    return NewLine() && printed;
}

bool QtPrinter::NewLine() {
    if (!Begin()) return false;
    ++line_;
    column_ = 0;
    x_ = 0;
    return true;
}

QString QtPrinter::ScratchPdf() const { return scratch_->filePath(QStringLiteral("printout.pdf")); }

bool QtPrinter::EndDocument() {
    bool sent = !refused_ && (!painter_ || painter_->end());
    if (sent && scratch_) {
        // Saved as a program is: the target is replaced whole or not at all, and only a plain file.
        QFile pdf(ScratchPdf());
        sent = pdf.open(QIODevice::ReadOnly) &&
               LocalFileStore().Replace(QFile::encodeName(pdfTarget_).toStdString(), pdf.readAll().toStdString()).Ok;
    }
    Reset();
    return sent;
}

}  // namespace vantric::qt
