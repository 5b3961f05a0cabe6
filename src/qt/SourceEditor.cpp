#include "qt/SourceEditor.h"

#include <QKeyEvent>
#include <algorithm>

#include "editing/EditorText.h"
#include "platform/Keys.h"

namespace vantric::qt {

namespace {
std::u16string_view View(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}
// The key of a key event as the logic knows it: Tab (also Shift+Tab) and the letters of the clipboard
// keys; Other for the rest.
platform::Key KeyOf(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab: return platform::Key::Tab;
        case Qt::Key_X: return platform::Key::X;
        case Qt::Key_C: return platform::Key::C;
        case Qt::Key_V: return platform::Key::V;
        default: return platform::Key::Other;
    }
}

bool IsClipboardKey(platform::Key key) {
    return key == platform::Key::X || key == platform::Key::C || key == platform::Key::V;
}

}  // namespace

SourceEditor::SourceEditor(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(QStringLiteral("codeEditor"));
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(9.75);
    setFont(font);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabStopDistance(QFontMetricsF(font).horizontalAdvance(QLatin1Char(' ')) * 8);
    // The selected line stays visible while the program runs or steps and the focus is elsewhere.
    QPalette colours = palette();
    colours.setColor(QPalette::Inactive, QPalette::Highlight, colours.color(QPalette::Active, QPalette::Highlight));
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     colours.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(colours);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (textChanged_) textChanged_();
    });
}

std::u16string SourceEditor::WidgetText() const {
    // The raw text keeps every character as typed (plain text would turn a no-break space into a
    // space); blocks are separated by U+2029, and positions index it one to one.
    const QString raw = document()->toRawText();
    return std::u16string(View(raw));
}

std::string SourceEditor::Text() const { return editor_text::FromWidget(WidgetText()); }

void SourceEditor::SetText(const std::string& text) {
    const std::u16string widget = editor_text::ToWidget(text);
    setPlainText(QString::fromUtf16(widget.data(), static_cast<qsizetype>(widget.size())));
}

int SourceEditor::SelStart() const {
    return editor_text::ToLogicalPosition(WidgetText(), textCursor().selectionStart());
}

int SourceEditor::SelLength() const {
    const std::u16string widget = WidgetText();
    const QTextCursor cursor = textCursor();
    return editor_text::ToLogicalPosition(widget, cursor.selectionEnd()) -
           editor_text::ToLogicalPosition(widget, cursor.selectionStart());
}

void SourceEditor::SetSelStart(int position) {
    const int at = editor_text::ToWidgetPosition(WidgetText(), std::max(position, 0));
    Select(at, at);
}

void SourceEditor::SetSelLength(int length) {
    const std::u16string widget = WidgetText();
    const int start = textCursor().selectionStart();
    const int logicalStart = editor_text::ToLogicalPosition(widget, start);
    const int end = editor_text::ToWidgetPosition(widget, logicalStart + std::max(length, 0));
    Select(start, end);
}

void SourceEditor::Select(int start, int end) {
    // The caret goes to the start of the selection, so scrolling it into view shows the selected
    // line even when the selection ends at the start of the next one.
    QTextCursor cursor(document());
    cursor.setPosition(end);
    cursor.setPosition(start, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    ensureCursorVisible();
}

std::string SourceEditor::SelText() const {
    const QString selected = textCursor().selectedText();
    return editor_text::FromWidget(View(selected));
}

void SourceEditor::SetSelText(const std::string& text) {
    const std::u16string widget = editor_text::ToWidget(text);
    QTextCursor cursor = textCursor();
    cursor.insertText(QString::fromUtf16(widget.data(), static_cast<qsizetype>(widget.size())));
    setTextCursor(cursor);
    ensureCursorVisible();
}

int SourceEditor::FirstWideCharacter() const {
    const std::u16string widget = WidgetText();
    for (std::size_t i = 0; i < widget.size(); ++i)
        if (widget[i] > 0xFF && widget[i] != u'\u2029' && widget[i] != u'\u2028')
            return editor_text::ToLogicalPosition(widget, static_cast<int>(i));
    return -1;
}

bool SourceEditor::event(QEvent* event) {
    // A read-only editor performs no cut, paste or delete, but it claims those keys all the same:
    // otherwise the menu command with the same shortcut would change the text the editor refused to.
    if (event->type() == QEvent::ShortcutOverride && isReadOnly()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Paste) ||
            key->matches(QKeySequence::Delete)) {
            event->accept();
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

void SourceEditor::keyPressEvent(QKeyEvent* event) {
    const platform::Key key = KeyOf(*event);
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    if (keyDown_ && key != platform::Key::Other && keyDown_(key, ctrl)) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
    if (ctrl && IsClipboardKey(key) && clipboardKeyDone_) clipboardKeyDone_(key);
}

void SourceEditor::focusInEvent(QFocusEvent* event) {
    QPlainTextEdit::focusInEvent(event);
    if (focusIn_) focusIn_();
}

}  // namespace vantric::qt
