// The about box's "System Info..." button and Help > View readme when there is none.

#include <gtest/gtest.h>

#include "shell/Readme.h"
#include "shell/SystemInfoLauncher.h"
#include "support/FakeShell.h"
#include "support/Fakes.h"

namespace vantric {
namespace {

TEST(HelpMenuTest, TheReadmeOpensOnlyWhenThereAndSystemInfoStartsThePreferredToolOnTheSearchPath) {
    fakes::FakeDesktopServices desktop;
    fakes::FakeMessageBox messages;
    SystemInfoLauncher launcher{desktop, messages};
    ShowReadme(fakes::FakeProgramHost("/opt/vantric"), desktop);  // absent: not asked for
    EXPECT_TRUE(desktop.opened.empty());

    // Relative and empty entries are never searched; a file that cannot run does not count.
    desktop.searchPath = "::.:bin:/opt/tools/:/usr/bin:/usr/local/bin:/";
    desktop.programs = {"/opt/tools/lxtask", "/usr/local/bin/kinfocenter", "bin/hardinfo"};
    desktop.files = {"/usr/bin/hardinfo"};
    EXPECT_EQ(launcher.FindSystemInfoTool(), "/usr/local/bin/kinfocenter");
    desktop.programs.insert("/usr/bin/kinfocenter");
    EXPECT_EQ(launcher.FindSystemInfoTool(), "/usr/bin/kinfocenter");
    desktop.programs.insert("/hardinfo2");
    launcher.StartSystemInfo();
    EXPECT_EQ(desktop.started, std::vector<std::string>{"/hardinfo2"});
    EXPECT_EQ(SearchPathDirectories("/://usr/bin//::x"), (std::vector<std::string>{"/", "//usr/bin"}));
    EXPECT_TRUE(messages.shown.empty());

    desktop.starts = false;
    launcher.StartSystemInfo();
    desktop.programs.clear();
    launcher.StartSystemInfo();
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].title + "|" + messages.shown[1].text,
              "Vantric|System Information Is Unavailable At This Time");
    EXPECT_EQ(messages.shown[1].icon, platform::MessageIcon::None);
    EXPECT_EQ(desktop.started.size(), 2u);
}

}  // namespace
}  // namespace vantric
