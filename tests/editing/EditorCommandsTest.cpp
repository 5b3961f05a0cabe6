// The Edit commands, the one-shot clipboard-key mark, Tab and the breakpoint line.

#include "editing/EditorCommands.h"

#include <gtest/gtest.h>

#include "support/FakeEditing.h"
#include "support/Fakes.h"

namespace vantric {
namespace {

using platform::Key;

struct EditorCommandsTest : ::testing::Test {
    // Sets the text and the selection, runs `command`, and tells the text, the caret and the clipboard.
    std::string After(const std::string& text, int start, int length, void (EditorCommands::*command)()) {
        editor.text = text;
        editor.selStart = start;
        editor.selLength = length;
        (commands.*command)();
        return editor.text + "|" + std::to_string(editor.selStart) + "+" + std::to_string(editor.selLength) + "|" +
               clipboard.text;
    }

    fakes::FakeEditor editor;
    fakes::FakeClipboard clipboard;
    EditorCommands commands{editor, clipboard};
};

TEST_F(EditorCommandsTest, CommandsFromTheMenuOrToolbarActOnTheSelection) {
    // The command walk of the desktop program shows each command at work; these are the edges.
    clipboard.text = "x";
    EXPECT_EQ(After("NOP", 1, 0, &EditorCommands::Cut), "NOP|1+0|");  // nothing selected: clipboard emptied
    EXPECT_EQ(After("ABC", 1, 1, &EditorCommands::Paste), "AC|1+0|");
    EXPECT_EQ(After("ABC", 1, 0, &EditorCommands::Delete), "ABC|1+0|");
    EXPECT_EQ(editor.textChanges, 2);  // the cut and the paste, not the empty Delete
    EXPECT_EQ(After("NOP\r\nHLT", 0, 3, &EditorCommands::InsertBreakpoint), "NOP\r\n;BREAK\r\n\r\nHLT|13+0|");
}

TEST_F(EditorCommandsTest, ACtrlKeyInTheEditorActsOnceAndTheMarkIsOneShot) {
    EXPECT_FALSE(commands.OnEditorKey(Key::X, true));  // the editor cuts "LOOP" itself
    clipboard.text = "LOOP";
    EXPECT_EQ(After("X", 0, 1, &EditorCommands::Cut), "X|0+1|LOOP");  // the same keystroke: only clears the mark
    EXPECT_EQ(After("X", 0, 1, &EditorCommands::Cut), "|0+0|X");
    commands.OnEditorKey(Key::C, true);
    EXPECT_EQ(After("NOP", 0, 3, &EditorCommands::Copy), "NOP|0+3|X");
    EXPECT_EQ(After("NOP", 0, 3, &EditorCommands::Copy), "NOP|0+3|NOP");
    commands.OnEditorKey(Key::V, true);
    EXPECT_EQ(After("", 0, 0, &EditorCommands::Paste), "|0+0|NOP");
    commands.OnEditorKey(Key::V, false);  // a plain V is typing
    EXPECT_EQ(After("", 0, 0, &EditorCommands::Paste), "NOP|3+0|NOP");

    EXPECT_TRUE(commands.OnEditorKey(Key::Tab, false));
    EXPECT_TRUE(commands.OnEditorKey(Key::Tab, true));
    EXPECT_FALSE(commands.OnEditorKey(Key::Return, false));
    EXPECT_EQ(editor.text, "NOP\t\t");
}

}  // namespace
}  // namespace vantric
