#include "qt/LineNumberGutter.h"

#include "qt/SourceEditor.h"

namespace vantric::qt {

LineNumberGutter::LineNumberGutter(SourceEditor& editor) : QWidget(&editor), editor_(editor) {
    setObjectName(QStringLiteral("lineNumbers"));
}

QSize LineNumberGutter::sizeHint() const { return {editor_.GutterWidth(), 0}; }

void LineNumberGutter::paintEvent(QPaintEvent* event) { editor_.PaintGutter(*event); }

}  // namespace vantric::qt
