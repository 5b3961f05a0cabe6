// The Edit commands, the one-shot clipboard-key mark, Tab and the breakpoint line.

#include "editing/EditorCommands.h"

#include <gtest/gtest.h>

#include "platform/KeyCodes.h"
#include "support/FakeEditing.h"
#include "support/Fakes.h"

namespace vantric {
namespace {

using namespace platform;

class EditorCommandsTest : public ::testing::Test {
protected:
    EditorCommandsTest() {
        editor.onChange = [this] { state.ProgramModified = true; };
    }
    void Select(const std::string& text, int start, int length) {
        editor.text = text;
        editor.selStart = start;
        editor.selLength = length;
    }

    ProgramFileState state;
    fakes::FakeEditor editor;
    fakes::FakeClipboard clipboard;
    EditorCommands commands{state, editor, clipboard};
};

TEST_F(EditorCommandsTest, CommandsFromTheMenuOrToolbarActOnTheSelection) {
    Select("MVI A,1\r\nHLT", 0, 7);
    commands.mnuCopy_Click();
    commands.mnuSelAll_Click();
    EXPECT_EQ(clipboard.text, "MVI A,1");
    EXPECT_EQ(editor.selLength, 12);
    EXPECT_FALSE(state.ProgramModified);

    Select("MVI A,1\r\nHLT", 9, 3);
    commands.mnuCut_Click();
    EXPECT_EQ(clipboard.text, "HLT");
    EXPECT_EQ(editor.text, "MVI A,1\r\n");
    EXPECT_TRUE(state.ProgramModified);

    Select("ABC", 1, 1);
    clipboard.text.clear();
    commands.mnuPaste_Click();  // an empty clipboard deletes the selection
    EXPECT_EQ(editor.text, "AC");

    const int changes = editor.textChanges;
    commands.mnuDelete_Click();  // nothing selected: nothing changes
    EXPECT_EQ(editor.textChanges, changes);
    Select("ABC", 0, 2);
    commands.mnuDelete_Click();
    EXPECT_EQ(editor.text, "C");
}

TEST_F(EditorCommandsTest, ACtrlKeyInTheEditorActsOnceAndTheMarkIsOneShot) {
    Select("LOOP", 0, 4);
    EXPECT_FALSE(commands.txtCode_KeyDown(kKeyX, true));  // the editor cuts "LOOP" itself
    editor.SetSelText("");
    clipboard.text = "LOOP";
    commands.mnuCut_Click();  // reached by the same keystroke: only clears the mark
    EXPECT_EQ(clipboard.text, "LOOP");
    EXPECT_FALSE(state.ClipboardKeyHandled);

    Select("NOP", 0, 3);
    commands.txtCode_KeyDown(kKeyC, true);
    commands.mnuCopy_Click();
    commands.mnuCopy_Click();  // a later toolbar Copy copies again
    EXPECT_EQ(clipboard.text, "NOP");

    commands.txtCode_KeyDown(kKeyV, true);
    commands.mnuPaste_Click();
    EXPECT_EQ(editor.text, "NOP");
    commands.txtCode_KeyDown(kKeyV, false);  // a plain V is typing
    EXPECT_FALSE(state.ClipboardKeyHandled);
}

TEST_F(EditorCommandsTest, TabInsertsATabAndIsSwallowed) {
    Select("MVIA", 3, 0);
    EXPECT_TRUE(commands.txtCode_KeyDown(kKeyTab, false));
    EXPECT_TRUE(commands.txtCode_KeyDown(kKeyTab, true));
    EXPECT_EQ(editor.text, "MVI\t\tA");
    EXPECT_FALSE(commands.txtCode_KeyDown(kKeyReturn, false));
}

TEST_F(EditorCommandsTest, InsertBreakpointAtTheEndStartAndMiddleOfALine) {
    Select("HLT", 3, 0);
    commands.mnuInsBrk_Click();
    commands.mnuInsBrk_Click();
    EXPECT_EQ(editor.text, "HLT\r\n;BREAK\r\n\r\n;BREAK\r\n");
    EXPECT_EQ(editor.selStart, static_cast<int>(editor.text.size()));
    EXPECT_TRUE(state.ProgramModified);

    Select("NOP\r\nHLT", 5, 0);
    commands.mnuInsBrk_Click();
    EXPECT_EQ(editor.text, "NOP\r\n\r\n;BREAK\r\nHLT");

    Select("MVI A,1", 3, 0);
    commands.mnuInsBrk_Click();
    EXPECT_EQ(editor.text, "MVI\r\n;BREAK\r\n A,1");

    Select("NOP\r\nHLT", 0, 3);  // the selection stays, the breakpoint follows it
    commands.mnuInsBrk_Click();
    EXPECT_EQ(editor.text, "NOP\r\n;BREAK\r\n\r\nHLT");
}

}  // namespace
}  // namespace vantric
