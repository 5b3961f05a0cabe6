// The about box's "System Info..." button and Help > View readme.

#include <gtest/gtest.h>

#include "shell/Readme.h"
#include "shell/SystemInfoLauncher.h"
#include "support/FakeShell.h"
#include "support/Fakes.h"

namespace vantric {
namespace {

struct FakeHelpWindow : platform::HelpWindow {
    void ShowGuide() override { ++shown; }
    int shown = 0;
};

TEST(HelpMenuTest, TheReadmeOpensOnlyWhenThereInTheHelpWindowWithoutAViewerAndSystemInfoStartsThePreferredTool) {
    fakes::FakeDesktopServices desktop;
    fakes::FakeMessageBox messages;
    SystemInfoLauncher launcher{desktop, messages};
    FakeHelpWindow help;
    const fakes::FakeProgramHost host("/opt/vantric");
    desktop.opens = false;  // no viewer for RTF documents
    ShowReadme(host, desktop, help);
    EXPECT_EQ(help.shown, 0);  // absent: neither asked for nor shown
    EXPECT_TRUE(desktop.opened.empty());
    desktop.files = {"/opt/vantric/readme.rtf"};
    ShowReadme(host, desktop, help);
    desktop.opens = true;
    ShowReadme(host, desktop, help);
    EXPECT_EQ(desktop.opened, std::vector<std::string>(2, "/opt/vantric/readme.rtf"));
    EXPECT_EQ(help.shown, 1);  // only where the desktop had no viewer

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
