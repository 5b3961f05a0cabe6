#pragma once
// The Edit commands on the source editor, the breakpoint line, and the editor's own keys.

#include "editing/ProgramFileState.h"
#include "platform/Clipboard.h"
#include "platform/Editor.h"

namespace vantric {

class EditorCommands {
public:
    EditorCommands(ProgramFileState& state, platform::Editor& editor, platform::Clipboard& clipboard);

    void mnuCut_Click();
    void mnuCopy_Click();
    void mnuPaste_Click();
    // Deletes the selection; with nothing selected nothing changes.
    void mnuDelete_Click();
    void mnuSelAll_Click();
    // Puts a line ";BREAK" after the selection (or at the caret), wherever that is in the line.
    void mnuInsBrk_Click();

    // A key going down in the editor; true when it is swallowed. Ctrl+X, Ctrl+C and Ctrl+V are left
    // to the editor, and the command the same keystroke reaches next does nothing but clear the mark;
    // Tab, with any modifiers, inserts a tab character instead of moving the focus.
    bool txtCode_KeyDown(int keyCode, bool ctrl);

private:
    // Clears the one-shot mark and says whether it was set.
    bool TakeClipboardKey();

    ProgramFileState& state_;
    platform::Editor& editor_;
    platform::Clipboard& clipboard_;
};

}  // namespace vantric
