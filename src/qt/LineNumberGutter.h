#pragma once
#include <QWidget>

namespace vantric::qt {

class SourceEditor;

// The margin left of the source editor: line numbers and marks, drawn by the editor itself.
class LineNumberGutter : public QWidget {
public:
    explicit LineNumberGutter(SourceEditor& editor);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SourceEditor& editor_;
};

}  // namespace vantric::qt
