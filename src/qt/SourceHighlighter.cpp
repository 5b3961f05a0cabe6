#include "qt/SourceHighlighter.h"

namespace vantric::qt {

SourceHighlighter::SourceHighlighter(QTextDocument* document, const SourceSyntax& syntax)
    : QSyntaxHighlighter(document), syntax_(syntax) {
    SetDarkBackground(false);
}

void SourceHighlighter::SetDarkBackground(bool dark) {
    for (int kind = 0; kind < kSyntaxKindCount; ++kind) {
        QTextCharFormat& format = formats_[static_cast<std::size_t>(kind)];
        format.setForeground(QColor::fromRgb(SyntaxColour(static_cast<SyntaxKind>(kind), dark)));
        format.setFontWeight(static_cast<SyntaxKind>(kind) == SyntaxKind::Directive ? QFont::Bold : QFont::Normal);
        format.setFontItalic(static_cast<SyntaxKind>(kind) == SyntaxKind::Comment);
    }
    if (dark != dark_) {
        dark_ = dark;
        rehighlight();
    }
}

void SourceHighlighter::highlightBlock(const QString& text) {
    // One 8-bit character per UTF-16 unit, as the logic reads the text, so positions match.
    line_.resize(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        line_[static_cast<std::size_t>(i)] = c <= 0xFF ? static_cast<char>(c) : '?';
    }
    syntax_.Classify(line_, spans_);
    for (const SyntaxSpan& span : spans_)
        setFormat(span.Start, span.Length, formats_[static_cast<std::size_t>(span.Kind)]);
    setCurrentBlockState(SourceSyntax::IsBreakpointLine(line_) ? kBreakpointLine : 0);
}

}  // namespace vantric::qt
