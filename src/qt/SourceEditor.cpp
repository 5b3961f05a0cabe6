#include "qt/SourceEditor.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "editing/EditorText.h"
#include "platform/Keys.h"
#include "qt/LineNumberGutter.h"
#include "qt/SourceHighlighter.h"

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

bool IsDarkBackground(const QPalette& colours) { return IsDarkColour(colours.color(QPalette::Base).rgb() & 0xFFFFFFu); }

// Marks of the margin, readable on a light and on a dark background alike.
const QColor kBreakpointMark(0xD0, 0x20, 0x20);
const QColor kCurrentMark(0xFF, 0xC8, 0x00);
const QColor kMarkOutline(0x40, 0x30, 0x00);
const QColor kErrorRow(0xC0, 0x30, 0x30);

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
        ForgetEditedErrorLine();
        if (textChanged_) textChanged_();
    });

    highlighter_ = new SourceHighlighter(document(), syntax_);
    highlighter_->SetDarkBackground(IsDarkBackground(palette()));
    gutter_ = new LineNumberGutter(*this);
    gutter_->setFont(font);
    connect(this, &QPlainTextEdit::blockCountChanged, this, [this] { UpdateGutterWidth(); });
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) { FollowScroll(rect, dy); });
    UpdateGutterWidth();
}

void SourceEditor::SetInstructions(const InstructionTable& instructions) {
    syntax_.SetInstructions(instructions);
    highlighter_->rehighlight();
}

// Line n of the assembler starts after n - 1 CR LF breaks, and block n - 1 of the widget after as many
// of its breaks, as long as no line separator splits a block (the keys and paste below see to that).
SourceEditor::GutterLine SourceEditor::GutterAt(int block) const {
    return GutterOf(document()->findBlockByNumber(block));
}

SourceEditor::GutterLine SourceEditor::GutterOf(const QTextBlock& line) const {
    GutterLine gutter;
    gutter.Number = line.blockNumber() + 1;
    gutter.Breakpoint = line.userState() == SourceHighlighter::kBreakpointLine;
    gutter.Current = line.blockNumber() == currentBlock_;
    gutter.Error = !errorLine_.isNull() && errorLine_.block() == line;
    return gutter;
}

int SourceEditor::GutterWidth() const {
    int digits = 2;
    for (int count = std::max(1, blockCount()); count >= 100; count /= 10) ++digits;
    const QFontMetrics metrics(font());
    return metrics.height() + 4 + metrics.horizontalAdvance(QLatin1Char('9')) * digits + 6;
}

void SourceEditor::UpdateGutterWidth() { setViewportMargins(GutterWidth(), 0, 0, 0); }

void SourceEditor::FollowScroll(const QRect& rect, int dy) {
    if (dy != 0)
        gutter_->scroll(0, dy);
    else
        gutter_->update(0, rect.y(), gutter_->width(), rect.height());
    if (rect.contains(viewport()->rect())) UpdateGutterWidth();
}

void SourceEditor::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    const QRect area = contentsRect();
    gutter_->setGeometry(QRect(area.left(), area.top(), GutterWidth(), area.height()));
}

void SourceEditor::changeEvent(QEvent* event) {
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && highlighter_) {
        highlighter_->SetDarkBackground(IsDarkBackground(palette()));
        gutter_->update();
    }
}

void SourceEditor::PaintGutter(QPaintEvent& event) {
    QPainter painter(gutter_);
    const QPalette& colours = palette();
    painter.fillRect(event.rect(), colours.color(QPalette::Window));
    painter.setRenderHint(QPainter::Antialiasing);
    const int height = QFontMetrics(font()).height();
    const qreal right = gutter_->width() - 4;
    QTextBlock block = firstVisibleBlock();
    qreal top = blockBoundingGeometry(block).translated(contentOffset()).top();
    while (block.isValid() && top <= event.rect().bottom()) {
        const qreal bottom = top + blockBoundingRect(block).height();
        if (block.isVisible() && bottom >= event.rect().top()) {
            const GutterLine line = GutterOf(block);
            const QRectF row(0, top, gutter_->width(), height);
            if (line.Error) painter.fillRect(row, kErrorRow);
            const QRectF mark(3, top + 2, height - 4, height - 4);
            if (line.Breakpoint) {
                painter.setPen(Qt::NoPen);
                painter.setBrush(kBreakpointMark);
                painter.drawEllipse(mark);
            }
            if (line.Current) {
                QPainterPath arrow;
                arrow.moveTo(mark.left(), mark.top());
                arrow.lineTo(mark.right(), mark.center().y());
                arrow.lineTo(mark.left(), mark.bottom());
                arrow.closeSubpath();
                painter.setPen(QPen(kMarkOutline, 1));
                painter.setBrush(kCurrentMark);
                painter.drawPath(arrow);
            }
            painter.setPen(line.Error     ? QColor(Qt::white)
                           : line.Current ? colours.color(QPalette::Text)
                                          : colours.color(QPalette::PlaceholderText));
            painter.drawText(QRectF(0, top, right, height), Qt::AlignRight | Qt::AlignVCenter,
                             QString::number(line.Number));
        }
        block = block.next();
        top = bottom;
    }
}

QTextBlock SourceEditor::BlockAt(int logicalPosition) const {
    return document()->findBlock(editor_text::ToWidgetPosition(WidgetText(), std::max(logicalPosition, 0)));
}

void SourceEditor::MarkCurrentLine(int position) {
    currentBlock_ = position < 0 ? -1 : BlockAt(position).blockNumber();
    gutter_->update();
}

void SourceEditor::MarkErrorLine(int position) {
    errorLine_ = QTextCursor();
    if (position >= 0) {
        errorLine_ = QTextCursor(BlockAt(position));
        errorText_ = errorLine_.block().text();
    }
    gutter_->update();
}

void SourceEditor::ForgetEditedErrorLine() {
    if (errorLine_.isNull() || errorLine_.block().text() == errorText_) return;
    errorLine_ = QTextCursor();
    gutter_->update();
}

void SourceEditor::insertFromMimeData(const QMimeData* source) {
    // A pasted line separator would split a line of the widget without making a new one.
    if (!source->hasText() || !source->text().contains(QChar::LineSeparator))
        return QPlainTextEdit::insertFromMimeData(source);
    QMimeData plain;
    plain.setText(source->text().replace(QChar::LineSeparator, QLatin1Char('\n')));
    QPlainTextEdit::insertFromMimeData(&plain);
}

std::u16string SourceEditor::WidgetText() const {
    // The raw text keeps every character as typed (plain text would turn a no-break space into a
    // space); blocks are separated by U+2029, and positions index it one to one.
    const QString raw = document()->toRawText();
    return std::u16string(View(raw));
}

std::string SourceEditor::Text() const { return editor_text::FromWidget(WidgetText()); }

void SourceEditor::SetText(const std::string& text) {
    errorLine_ = QTextCursor();  // a new text, whose lines the last assembly never saw
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
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers().testFlag(Qt::ShiftModifier)) {
        // Shift+Enter would put a line separator inside the line; the logic reads it as a line break.
        QKeyEvent plain(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier, event->text());
        QPlainTextEdit::keyPressEvent(&plain);
        event->setAccepted(plain.isAccepted());
        return;
    }
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
