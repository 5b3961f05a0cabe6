#include "shell/CommandTable.h"

#include <gtest/gtest.h>

#include <set>

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
            EXPECT_TRUE(handlers.insert(entry.Name).second) << entry.Name;
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

}  // namespace
}  // namespace vantric
