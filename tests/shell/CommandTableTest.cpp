#include "shell/CommandTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "shell/MainCommands.h"
#include "support/FakeMainWindow.h"

namespace vantric {
namespace {

TEST(CommandTableTest, EveryCommandHasOneMenuEntryWithItsOwnHandlerAndShortcut) {
    std::set<CommandId> ids;
    std::set<std::string_view> handlers;
    std::set<std::string_view> shortcuts;
    for (const MenuDefinition& menu : MenuBar())
        for (const MenuEntry& entry : menu.Entries) {
            if (entry.Id == CommandId::None) {
                EXPECT_EQ(entry.Caption, "-");
                continue;
            }
            EXPECT_TRUE(ids.insert(entry.Id).second) << entry.Caption;
            EXPECT_TRUE(handlers.insert(entry.Handler).second) << entry.Handler;
            EXPECT_TRUE(entry.Handler.starts_with("mnu") && entry.Handler.ends_with("_Click")) << entry.Handler;
            if (!entry.Shortcut.empty()) {
                EXPECT_TRUE(shortcuts.insert(entry.Shortcut).second) << entry.Shortcut;
            }
        }
    EXPECT_EQ(ids.size(), static_cast<std::size_t>(kCommandCount));
    EXPECT_EQ(shortcuts.count("Ctrl+N"), 0u);
    EXPECT_EQ(MenuEntryOf(CommandId::Compile).Shortcut, "F4");
    EXPECT_EQ(MenuEntryOf(CommandId::Run).Shortcut, "F5");
    EXPECT_EQ(MenuEntryOf(CommandId::Step).Shortcut, "F8");
    EXPECT_EQ(MenuEntryOf(CommandId::Halt).Shortcut, "F9");
    EXPECT_EQ(MenuEntryOf(CommandId::New).Shortcut, "");
}

TEST(CommandTableTest, ToolbarKeysAreLookedUpOnlyInTheToolbarClicked) {
    EXPECT_EQ(ToolbarCommand(MainToolbarButtons(), "copy"), CommandId::Copy);
    EXPECT_EQ(ToolbarCommand(MemoryToolbarButtons(), "copy"), CommandId::CopyMemory);
    EXPECT_EQ(ToolbarCommand(MemoryToolbarButtons(), "run"), CommandId::None);
    EXPECT_EQ(ToolbarCommand(MainToolbarButtons(), "Run"), CommandId::None);
}

class MainCommandsTest : public ::testing::Test {
protected:
    MainCommandsTest() {
        for (int i = 0; i < kCommandCount; ++i)
            commands.Connect(static_cast<CommandId>(i), [this, i] { ran.push_back(static_cast<CommandId>(i)); });
    }
    std::vector<std::string> log;
    fakes::FakeMainWindowView window{log};
    MainCommands commands{window};
    std::vector<CommandId> ran;
};

TEST_F(MainCommandsTest, MainToolbarRunsTheCommandThenGivesTheEditorTheFocus) {
    commands.ToolBar_ButtonClick("paste");
    EXPECT_EQ(ran, std::vector<CommandId>{CommandId::Paste});
    EXPECT_EQ(window.editorFocused, 1);

    commands.ToolBar_ButtonClick("nothing");
    EXPECT_EQ(ran.size(), 1u);
    EXPECT_EQ(window.editorFocused, 2);
}

TEST_F(MainCommandsTest, ExitClosesTheMainWindowWithoutMovingTheFocus) {
    MainCommands plain(window);
    plain.ToolBar_ButtonClick("exit");
    plain.Execute(CommandId::Exit);
    EXPECT_EQ(window.closeRequests, 2);
    EXPECT_EQ(window.editorFocused, 0);
    // Commands not yet connected do nothing.
    plain.Execute(CommandId::Find);
    plain.Toolbar2_ButtonClick("fill");
}

TEST_F(MainCommandsTest, MemoryToolbarCopyIsTheMemoryBlockCommandAndLeavesTheFocus) {
    commands.Toolbar2_ButtonClick("copy");
    commands.Toolbar2_ButtonClick("reset");
    EXPECT_EQ(ran, (std::vector<CommandId>{CommandId::CopyMemory, CommandId::Reset}));
    EXPECT_EQ(window.editorFocused, 0);
}

}  // namespace
}  // namespace vantric
