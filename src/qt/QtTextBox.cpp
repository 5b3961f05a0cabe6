#include "qt/QtTextBox.h"

#include "qt/Latin1.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

namespace vantric::qt {

namespace {
constexpr int kUnlimited = 32767;

platform::Key PlatformKey(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Up: return platform::Key::Up;
        case Qt::Key_Down: return platform::Key::Down;
        case Qt::Key_Return:
        case Qt::Key_Enter: return platform::Key::Return;
        default: return platform::Key::Other;
    }
}
}  // namespace

QtTextBox::QtTextBox(QWidget* parent) : QLineEdit(parent) {
    QLineEdit::setMaxLength(kUnlimited);
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (onChange) onChange();
    });
    // Once the user has typed the text back within the limit, the limit holds again.
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (maxLength_ > 0 && text.size() <= maxLength_) QLineEdit::setMaxLength(maxLength_);
    });
}

std::string QtTextBox::Text() const { return ToLatin1(text()); }

void QtTextBox::SetText(const std::string& text) {
    const int length = static_cast<int>(text.size());
    if (maxLength_ <= 0) return setText(Latin1(text));
    // Widen the limit first so that neither the old nor the new text is cut, then fit it to the new.
    QLineEdit::setMaxLength(std::max({maxLength_, length, static_cast<int>(this->text().size())}));
    setText(Latin1(text));
    QLineEdit::setMaxLength(std::max(maxLength_, length));
}

void QtTextBox::SetMaxLength(int length) {
    maxLength_ = length;
    QLineEdit::setMaxLength(length > 0 ? std::max(length, static_cast<int>(text().size())) : kUnlimited);
}

void QtTextBox::SetSelStart(int start) { setCursorPosition(start); }

void QtTextBox::SetSelLength(int length) {
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    setSelection(start, std::min(length, static_cast<int>(text().size()) - start));
}

void QtTextBox::Move(const platform::Rect& bounds) {
    setGeometry(bounds.left, bounds.top, bounds.width, bounds.height);
}

void QtTextBox::SetVisible(bool visible) {
    setVisible(visible);
    if (visible) raise();
}

// Opening a menu takes the keyboard away for a moment without moving the focus.
void QtTextBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    focusedByMouse_ = event->reason() == Qt::MouseFocusReason;
    if (event->reason() != Qt::PopupFocusReason && onGotFocus) onGotFocus();
}

void QtTextBox::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (focusedByMouse_ && !hasSelectedText() && onGotFocus) onGotFocus();
    focusedByMouse_ = false;
}

void QtTextBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason && onLostFocus) onLostFocus();
}

void QtTextBox::keyPressEvent(QKeyEvent* event) {
    const platform::Key key = PlatformKey(event->key());
    if (key != platform::Key::Other && onKey && onKey(key)) return event->accept();
    QLineEdit::keyPressEvent(event);
}

}  // namespace vantric::qt
