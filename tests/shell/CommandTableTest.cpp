#include "shell/CommandTable.h"

#include <gtest/gtest.h>

#include <set>

namespace vantric {
namespace {

TEST(CommandTableTest, EachCommandHasOneMenuEntryWithItsOwnNameAndKeyAndEachToolbarItsOwnKeys) {
    std::set<std::string_view> names;
    std::set<std::string_view> shortcuts;
    int entries = 0;
    for (const MenuDefinition& menu : MenuBar())
        for (const MenuEntry& entry : menu.Entries) {
            if (entry.Id == CommandId::None) continue;
            EXPECT_EQ(&MenuEntryOf(entry.Id), &entry) << entry.Name;  // the only entry of its command
            EXPECT_TRUE(names.insert(entry.Name).second) << entry.Name;
            EXPECT_TRUE(entry.Shortcut.empty() || shortcuts.insert(entry.Shortcut).second) << entry.Shortcut;
            ++entries;
        }
    EXPECT_EQ(entries, kCommandCount);
    EXPECT_EQ(MenuEntryOf(CommandId::New).Shortcut, "");  // and Ctrl+N is nobody's
    EXPECT_EQ(shortcuts.count("Ctrl+N"), 0u);
    EXPECT_EQ(MenuEntryOf(CommandId::None).Caption, "-");
    EXPECT_EQ(ToolbarCommand(MainToolbarButtons(), "copy"), CommandId::Copy);
    EXPECT_EQ(ToolbarCommand(MemoryToolbarButtons(), "copy"), CommandId::CopyMemory);
    EXPECT_EQ(ToolbarCommand(MemoryToolbarButtons(), "run"), CommandId::None);
}

}  // namespace
}  // namespace vantric
