#pragma once
#include <QPlainTextEdit>
#include <functional>

#include "platform/Editor.h"

namespace vantric::qt {

// The source editor "txtCode": plain text in a monospace font. Text and positions cross to the logic
// through editor_text (CR LF breaks, Latin-1), so the logic never sees the widget's own form.
class SourceEditor : public QPlainTextEdit, public platform::Editor {
    Q_OBJECT
public:
    explicit SourceEditor(QWidget* parent = nullptr);

    // Every change of the text, typed or set by the program.
    void OnTextChanged(std::function<void()> handler) { textChanged_ = std::move(handler); }
    void OnFocusIn(std::function<void()> handler) { focusIn_ = std::move(handler); }

    std::string Text() const override;
    void SetText(const std::string& text) override;
    int SelStart() const override;
    void SetSelStart(int position) override;
    int SelLength() const override;
    void SetSelLength(int length) override;
    void SetReadOnly(bool readOnly) override { setReadOnly(readOnly); }

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    std::u16string WidgetText() const;
    // Selects from start to end (widget positions) and scrolls the start into view.
    void Select(int start, int end);

    std::function<void()> textChanged_;
    std::function<void()> focusIn_;
};

}  // namespace vantric::qt
