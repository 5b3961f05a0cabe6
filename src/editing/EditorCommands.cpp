#include "editing/EditorCommands.h"

#include "platform/KeyCodes.h"

namespace vantric {

EditorCommands::EditorCommands(ProgramFileState& state, platform::Editor& editor, platform::Clipboard& clipboard)
    : state_(state), editor_(editor), clipboard_(clipboard) {}

bool EditorCommands::TakeClipboardKey() {
    const bool handled = state_.ClipboardKeyHandled;
    state_.ClipboardKeyHandled = false;
    return handled;
}

void EditorCommands::mnuCut_Click() {
    if (TakeClipboardKey()) return;
    clipboard_.SetText(editor_.SelText());
    editor_.SetSelText("");
}

void EditorCommands::mnuCopy_Click() {
    if (!TakeClipboardKey()) clipboard_.SetText(editor_.SelText());
}

void EditorCommands::mnuPaste_Click() {
    if (!TakeClipboardKey()) editor_.SetSelText(clipboard_.Text());
}

void EditorCommands::mnuDelete_Click() {
    if (editor_.SelLength() > 0) editor_.SetSelText("");
}

void EditorCommands::mnuSelAll_Click() {
    editor_.SetSelStart(0);
    editor_.SetSelLength(static_cast<int>(editor_.Text().size()));
}

void EditorCommands::mnuInsBrk_Click() { editor_.SetSelText(editor_.SelText() + "\r\n;BREAK\r\n"); }

bool EditorCommands::txtCode_KeyDown(int keyCode, bool ctrl) {
    using namespace platform;
    if (ctrl && (keyCode == kKeyX || keyCode == kKeyC || keyCode == kKeyV)) {
        state_.ClipboardKeyHandled = true;
        return false;
    }
    if (keyCode == kKeyTab) {
        editor_.SetSelText("\t");
        return true;
    }
    return false;
}

}  // namespace vantric
