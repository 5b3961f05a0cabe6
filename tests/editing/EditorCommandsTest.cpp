// The Edit commands, the one-shot clipboard-key mark, Tab and the breakpoint line.

#include "editing/EditorCommands.h"

#include <gtest/gtest.h>

#include "platform/Keys.h"
#include "support/FakeEditing.h"
#include "support/Fakes.h"

namespace vantric {
namespace {

using namespace platform;

class EditorCommandsTest : public ::testing::Test {
protected:
    EditorCommandsTest() {
        editor.onChange = [this] { modified = true; };
    }
    void Select(const std::string& text, int start, int length) {
        editor.text = text;
        editor.selStart = start;
        editor.selLength = length;
    }

    bool modified = false;
    fakes::FakeEditor editor;
    fakes::FakeClipboard clipboard;
    EditorCommands commands{editor, clipboard};
};

TEST_F(EditorCommandsTest, CommandsFromTheMenuOrToolbarActOnTheSelection) {
    Select("MVI A,1\r\nHLT", 0, 7);
    commands.Copy();
    commands.SelectAll();
    EXPECT_EQ(clipboard.text, "MVI A,1");
    EXPECT_EQ(editor.selLength, 12);
    EXPECT_FALSE(modified);

    Select("MVI A,1\r\nHLT", 9, 3);
    commands.Cut();
    EXPECT_EQ(clipboard.text, "HLT");
    EXPECT_EQ(editor.text, "MVI A,1\r\n");
    EXPECT_TRUE(modified);

    Select("ABC", 1, 1);
    clipboard.text.clear();
    commands.Paste();  // an empty clipboard deletes the selection
    EXPECT_EQ(editor.text, "AC");

    const int changes = editor.textChanges;
    commands.Delete();  // nothing selected: nothing changes
    EXPECT_EQ(editor.textChanges, changes);
    Select("ABC", 0, 2);
    commands.Delete();
    EXPECT_EQ(editor.text, "C");
}

TEST_F(EditorCommandsTest, ACtrlKeyInTheEditorActsOnceAndTheMarkIsOneShot) {
    Select("LOOP", 0, 4);
    EXPECT_FALSE(commands.OnEditorKey(Key::X, true));  // the editor cuts "LOOP" itself
    editor.SetSelText("");
    clipboard.text = "LOOP";
    commands.Cut();  // reached by the same keystroke: only clears the mark
    EXPECT_EQ(clipboard.text, "LOOP");
    Select("X", 0, 1);
    commands.Cut();  // the next Cut cuts
    EXPECT_EQ(clipboard.text, "X");

    Select("NOP", 0, 3);
    commands.OnEditorKey(Key::C, true);
    commands.Copy();
    commands.Copy();  // a later toolbar Copy copies again
    EXPECT_EQ(clipboard.text, "NOP");

    commands.OnEditorKey(Key::V, true);
    commands.Paste();
    EXPECT_EQ(editor.text, "NOP");
    commands.OnEditorKey(Key::V, false);  // a plain V is typing: the next Paste pastes
    Select("", 0, 0);
    commands.Paste();
    EXPECT_EQ(editor.text, "NOP");
}

TEST_F(EditorCommandsTest, TabInsertsATabAndIsSwallowed) {
    Select("MVIA", 3, 0);
    EXPECT_TRUE(commands.OnEditorKey(Key::Tab, false));
    EXPECT_TRUE(commands.OnEditorKey(Key::Tab, true));
    EXPECT_EQ(editor.text, "MVI\t\tA");
    EXPECT_FALSE(commands.OnEditorKey(Key::Return, false));
}

TEST_F(EditorCommandsTest, InsertBreakpointAtTheEndStartAndMiddleOfALine) {
    Select("HLT", 3, 0);
    commands.InsertBreakpoint();
    commands.InsertBreakpoint();
    EXPECT_EQ(editor.text, "HLT\r\n;BREAK\r\n\r\n;BREAK\r\n");
    EXPECT_EQ(editor.selStart, static_cast<int>(editor.text.size()));
    EXPECT_TRUE(modified);

    Select("NOP\r\nHLT", 5, 0);
    commands.InsertBreakpoint();
    EXPECT_EQ(editor.text, "NOP\r\n\r\n;BREAK\r\nHLT");

    Select("MVI A,1", 3, 0);
    commands.InsertBreakpoint();
    EXPECT_EQ(editor.text, "MVI\r\n;BREAK\r\n A,1");

    Select("NOP\r\nHLT", 0, 3);  // the selection stays, the breakpoint follows it
    commands.InsertBreakpoint();
    EXPECT_EQ(editor.text, "NOP\r\n;BREAK\r\n\r\nHLT");
}

}  // namespace
}  // namespace vantric
