#include "editing/EditorCommands.h"

#include "platform/Keys.h"

namespace vantric {

EditorCommands::EditorCommands(platform::Editor& editor, platform::Clipboard& clipboard)
    : editor_(editor), clipboard_(clipboard) {}

bool EditorCommands::TakeClipboardKey() {
    const bool handled = clipboardKeyHandled_;
    clipboardKeyHandled_ = false;
    return handled;
}

void EditorCommands::Cut() {
    if (TakeClipboardKey()) return;
    clipboard_.SetText(editor_.SelText());
    editor_.SetSelText("");
}

void EditorCommands::Copy() {
    if (!TakeClipboardKey()) clipboard_.SetText(editor_.SelText());
}

void EditorCommands::Paste() {
    if (!TakeClipboardKey()) editor_.SetSelText(clipboard_.Text());
}

void EditorCommands::Delete() {
    if (editor_.SelLength() > 0) editor_.SetSelText("");
}

void EditorCommands::SelectAll() {
    editor_.SetSelStart(0);
    editor_.SetSelLength(static_cast<int>(editor_.Text().size()));
}

void EditorCommands::InsertBreakpoint() { editor_.SetSelText(editor_.SelText() + "\r\n;BREAK\r\n"); }

bool EditorCommands::OnEditorKey(platform::Key key, bool ctrl) {
    using platform::Key;
    if (ctrl && (key == Key::X || key == Key::C || key == Key::V)) {
        clipboardKeyHandled_ = true;
        return false;
    }
    if (key == Key::Tab) {
        editor_.SetSelText("\t");
        return true;
    }
    return false;
}

}  // namespace vantric
