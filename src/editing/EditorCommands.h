#pragma once
// The Edit commands on the source editor, the breakpoint line, and the editor's own keys.

#include "platform/Clipboard.h"
#include "platform/Editor.h"
#include "platform/Keys.h"

namespace vantric {

class EditorCommands {
public:
    EditorCommands(platform::Editor& editor, platform::Clipboard& clipboard);

    void Cut();
    void Copy();
    void Paste();
    // Deletes the selection; with nothing selected nothing changes.
    void Delete();
    void SelectAll();
    // Puts a line ";BREAK" after the selection (or at the caret), wherever that is in the line.
    void InsertBreakpoint();

    // A key going down in the editor; true when it is swallowed. Ctrl+X, Ctrl+C and Ctrl+V are left
    // to the editor, and the command the same keystroke reaches next does nothing but clear the mark;
    // Tab, with any modifiers, inserts a tab character instead of moving the focus.
    bool OnEditorKey(platform::Key key, bool ctrl);

private:
    // Clears the one-shot mark and says whether it was set.
    bool TakeClipboardKey();

    platform::Editor& editor_;
    platform::Clipboard& clipboard_;
    // Set by Ctrl+X, Ctrl+C or Ctrl+V in the editor, which performs the key itself; the Cut, Copy or
    // Paste command that the same keystroke then reaches only clears it.
    bool clipboardKeyHandled_ = false;
};

}  // namespace vantric
