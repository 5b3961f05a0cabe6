// The about box's "System Info..." button, Help > View readme, and the version text.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "shell/ProgramVersion.h"
#include "shell/Readme.h"
#include "shell/SystemInfoLauncher.h"
#include "support/FakeShell.h"
#include "support/Fakes.h"

namespace vantric {
namespace {

TEST(HelpMenuTest, VersionTextShowsEachNumberInPlainDecimal) {
    EXPECT_EQ(VersionText(CurrentVersion()), "Version 1.3.7");
    EXPECT_EQ(VersionText(ParseVersion("01.10")), "Version 1.10.0");
    EXPECT_EQ(VersionText(ParseVersion("x.-1.99999999999")), "Version 0.0.0");
}

TEST(HelpMenuTest, SystemInfoStartsThePreferredToolOnTheSearchPathOrSaysItIsUnavailable) {
    fakes::FakeDesktopServices desktop;
    fakes::FakeMessageBox messages;
    SystemInfoLauncher launcher{desktop, messages};
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

TEST(HelpMenuTest, TheReadmeBesideTheProgramIsOpenedOnlyWhenItIsThere) {
    fakes::FakeDesktopServices desktop;
    fakes::FakeProgramHost host("/opt/vantric");
    ShowReadme(host, desktop);
    desktop.files = {"/opt/vantric/readme.rtf"};
    ShowReadme(host, desktop);
    EXPECT_EQ(desktop.opened, std::vector<std::string>{"/opt/vantric/readme.rtf"});

    // The shipped one is plain 7-bit RTF whose groups all close, so that every viewer reads it to the end.
    std::ifstream file(VANTRIC_DATA_DIR "/readme.rtf", std::ios::binary);
    const std::string rtf{std::istreambuf_iterator<char>(file), {}};
    int depth = 0;
    std::size_t i = 0;
    for (; i < rtf.size() && (i == 0 || depth > 0); ++i) {
        EXPECT_LT(static_cast<unsigned char>(rtf[i]), 0x80) << "at " << i;
        if (rtf[i] == '\\')
            ++i;  // an escaped brace or backslash
        else
            depth += (rtf[i] == '{') - (rtf[i] == '}');
    }
    EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi") && depth == 0 &&
                rtf.find_first_not_of("\r\n", i) == std::string::npos);
}

}  // namespace
}  // namespace vantric
