#pragma once
#include <string>

namespace vantric::platform {

// The source editor. The logic sees its text as 8-bit characters with CR LF line breaks, and every
// position counts a CR LF as two characters; the front end converts to and from its own form.
class Editor {
public:
    virtual ~Editor() = default;
    virtual std::string Text() const = 0;
    // The text itself, for an editor that keeps it in the logical form, so that a long text can be
    // read without a copy; nullptr for one that must convert it (read Text() then). Valid until
    // the text next changes.
    virtual const std::string* LogicalText() const { return nullptr; }
    // Replacing the text counts as an edit of the document, as typing would.
    virtual void SetText(const std::string& text) = 0;
    virtual int SelStart() const = 0;
    // Moves the caret; the selection collapses to it.
    virtual void SetSelStart(int position) = 0;
    virtual int SelLength() const = 0;
    virtual void SetSelLength(int length) = 0;
    virtual void SetReadOnly(bool readOnly) = 0;
    virtual std::string SelText() const = 0;
    // Replaces the selection (or inserts at the caret); the caret ends just after the new text, with
    // nothing selected. An edit of the document like any other.
    virtual void SetSelText(const std::string& text) = 0;
    // The position of the first character that 8 bits cannot hold (Text() shows it as '?'), or -1.
    virtual int FirstWideCharacter() const = 0;
    // Marks beside the text, for the eye only: the line holding `position` is the one the paused or
    // stepping program runs next, or the one the last assembly failed on (until that line is edited);
    // -1 removes the mark. An editor without a margin ignores them.
    virtual void MarkCurrentLine(int position) { (void)position; }
    virtual void MarkErrorLine(int position) { (void)position; }
};

}  // namespace vantric::platform
