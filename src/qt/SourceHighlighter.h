#pragma once
#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <array>
#include <string>
#include <vector>

#include "editing/SourceSyntax.h"

namespace vantric::qt {

// Colours the editor's lines as SourceSyntax reads them. Qt calls it for the lines an edit touched
// only, so typing in a long program costs one line's work. Each line's state says whether it holds
// a breakpoint, for the editor's margin.
class SourceHighlighter : public QSyntaxHighlighter {
public:
    static constexpr int kBreakpointLine = 1;

    SourceHighlighter(QTextDocument* document, const SourceSyntax& syntax);
    // Picks the colours for a light or a dark background and colours the text again.
    void SetDarkBackground(bool dark);

protected:
    void highlightBlock(const QString& text) override;

private:
    const SourceSyntax& syntax_;
    bool dark_ = false;
    std::array<QTextCharFormat, kSyntaxKindCount> formats_;
    std::string line_;
    std::vector<SyntaxSpan> spans_;
};

}  // namespace vantric::qt
