#pragma once
// A one-line text box as the logic sees it: Latin-1 text whose every change is reported, focus
// notifications, and key hooks that may cancel a key before the box handles it. A mouse press that
// gives the box the focus would also place the caret and so undo a selection the focus handler
// made; once that press is over, the focus handler runs again, unless the press dragged out a
// selection of its own.
//
// Wiring: set the hooks to the presenter's handlers: onChange for every change of the text,
// onGotFocus / onLostFocus for the focus, onKey for Up, Down and Enter (true swallows the key).
// Unset hooks do nothing.

#include <QLineEdit>
#include <functional>

#include "platform/Keys.h"
#include "platform/TextBox.h"

namespace vantric::qt {

class QtTextBox : public QLineEdit, public platform::FloatingTextBox {
    Q_OBJECT
public:
    explicit QtTextBox(QWidget* parent = nullptr);

    std::string Text() const override;
    void SetText(const std::string& text) override;
    int MaxLength() const override { return maxLength_; }
    // Limits what is typed; a longer text set by the program is kept whole.
    void SetMaxLength(int length);
    void SetSelStart(int start) override;
    void SetSelLength(int length) override;
    void SetFocus() override { setFocus(Qt::OtherFocusReason); }
    void Move(const platform::Rect& bounds) override;
    void SetVisible(bool visible) override;
    bool IsVisible() const override { return !isHidden(); }

    std::function<void()> onChange;
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;
    std::function<bool(platform::Key key)> onKey;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int maxLength_ = 0;
    bool focusedByMouse_ = false;
};

}  // namespace vantric::qt
