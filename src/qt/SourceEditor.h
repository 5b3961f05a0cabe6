#pragma once
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <functional>

#include "core/InstructionTable.h"
#include "editing/SourceSyntax.h"
#include "platform/Editor.h"
#include "platform/Keys.h"

namespace vantric::qt {

class LineNumberGutter;
class SourceHighlighter;

// The source editor "codeEditor": plain text in a monospace font. Text and positions cross to the logic
// through editor_text (CR LF breaks, Latin-1), so the logic never sees the widget's own form. A margin
// numbers the lines as the assembler counts them and marks breakpoints, the paused program's next
// line and the last assembly error; the text is coloured by kind of word.
class SourceEditor : public QPlainTextEdit, public platform::Editor {
    Q_OBJECT
public:
    explicit SourceEditor(QWidget* parent = nullptr);

    // Every change of the text, typed or set by the program.
    void OnTextChanged(std::function<void()> handler) { textChanged_ = std::move(handler); }
    void OnFocusIn(std::function<void()> handler) { focusIn_ = std::move(handler); }
    // Each key the logic knows going down, with the Ctrl state; true swallows the key.
    void OnKeyDown(std::function<bool(platform::Key key, bool ctrl)> handler) { keyDown_ = std::move(handler); }
    // After the editor has performed a Ctrl+X, Ctrl+C or Ctrl+V itself: the keystroke goes on to the
    // command its shortcut names (the editor keeps Qt's shortcut from firing).
    void OnClipboardKeyDone(std::function<void(platform::Key key)> handler) { clipboardKeyDone_ = std::move(handler); }

    std::string Text() const override;
    void SetText(const std::string& text) override;
    int SelStart() const override;
    void SetSelStart(int position) override;
    int SelLength() const override;
    void SetSelLength(int length) override;
    void SetReadOnly(bool readOnly) override { setReadOnly(readOnly); }
    std::string SelText() const override;
    void SetSelText(const std::string& text) override;
    int FirstWideCharacter() const override;
    void MarkCurrentLine(int position) override;
    void MarkErrorLine(int position) override;

    // The mnemonics to colour, once the instruction set is read.
    void SetInstructions(const InstructionTable& instructions);

    // What the margin shows beside a widget line (block, from 0).
    struct GutterLine {
        int Number = 0;  // the assembler's line number
        bool Breakpoint = false;
        bool Current = false;
        bool Error = false;
    };
    GutterLine GutterAt(int block) const;
    int GutterWidth() const;
    void PaintGutter(QPaintEvent& event);

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void UpdateGutterWidth();
    void FollowScroll(const QRect& rect, int dy);
    void ForgetEditedErrorLine();
    QTextBlock BlockAt(int logicalPosition) const;
    GutterLine GutterOf(const QTextBlock& line) const;

    std::u16string WidgetText() const;
    // Selects from start to end (widget positions) and scrolls the start into view.
    void Select(int start, int end);

    std::function<void()> textChanged_;
    std::function<void()> focusIn_;
    std::function<bool(platform::Key, bool)> keyDown_;
    std::function<void(platform::Key)> clipboardKeyDone_;

    SourceSyntax syntax_;
    SourceHighlighter* highlighter_ = nullptr;
    LineNumberGutter* gutter_ = nullptr;
    int currentBlock_ = -1;
    // The error line is followed through edits above it, and forgotten once its own text changes.
    QTextCursor errorLine_;
    QString errorText_;
};

}  // namespace vantric::qt
