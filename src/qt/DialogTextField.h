#pragma once
// A text field of the small dialogs. A mouse press that gives it the focus would also place the
// caret and so undo the selection its focus handler made; once that press is over, the focus
// handler runs again, unless the press dragged out a selection of its own.

#include <QFocusEvent>
#include <QMouseEvent>

#include "qt/QtTextBox.h"

namespace vantric::qt {

class DialogTextField : public QtTextBox {
public:
    explicit DialogTextField(int maxLength, QWidget* parent = nullptr) : QtTextBox(parent) { SetMaxLength(maxLength); }

protected:
    void focusInEvent(QFocusEvent* event) override {
        QtTextBox::focusInEvent(event);
        focusedByMouse_ = event->reason() == Qt::MouseFocusReason;
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        QtTextBox::mouseReleaseEvent(event);
        if (focusedByMouse_ && !hasSelectedText() && onGotFocus) onGotFocus();
        focusedByMouse_ = false;
    }

private:
    bool focusedByMouse_ = false;
};

}  // namespace vantric::qt
