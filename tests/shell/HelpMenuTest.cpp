// The about box's "System Info..." button, the shipped readme, and the version text.

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

TEST(ProgramVersionTest, ShowsEachNumberInPlainDecimal) {
    EXPECT_EQ(VersionText(CurrentVersion()), "Version 1.3.7");
    EXPECT_EQ(VersionText({1, 10, 7}), "Version 1.10.7");
    EXPECT_EQ(VersionText(ParseVersion("01.003")), "Version 1.3.0");
    EXPECT_EQ(VersionText(ParseVersion("x.-1.99999999999")), "Version 0.0.0");
}

class SystemInfoTest : public ::testing::Test {
protected:
    fakes::FakeDesktopServices desktop;
    fakes::FakeMessageBox messages;
    SystemInfoLauncher launcher{desktop, messages};
};

TEST_F(SystemInfoTest, ThePreferredProgramWinsWhereverItLiesOnTheSearchPath) {
    // Relative and empty entries are never searched; a file that cannot run does not count.
    desktop.searchPath = "::.:bin:/opt/tools/:/usr/bin:/usr/local/bin";
    desktop.programs = {"/opt/tools/lxtask", "/usr/local/bin/kinfocenter", "bin/hardinfo"};
    desktop.files = {"/usr/bin/hardinfo"};
    EXPECT_EQ(launcher.FindSystemInfoTool(), "/usr/local/bin/kinfocenter");
    desktop.programs.insert("/usr/bin/kinfocenter");
    EXPECT_EQ(launcher.FindSystemInfoTool(), "/usr/bin/kinfocenter");
    EXPECT_EQ(SearchPathDirectories("/://usr/bin//::x"), (std::vector<std::string>{"/", "//usr/bin"}));
    launcher.StartSystemInfo();
    EXPECT_EQ(desktop.started, std::vector<std::string>{"/usr/bin/kinfocenter"});
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SystemInfoTest, NoToolOrOneThatDoesNotStartIsReportedTheSameWay) {
    desktop.searchPath = "/usr/bin";
    launcher.StartSystemInfo();
    desktop.programs = {"/usr/bin/gnome-system-monitor"};
    desktop.starts = false;
    launcher.StartSystemInfo();
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, "System Information Is Unavailable At This Time");
    EXPECT_EQ(messages.shown[0].title, "Vantric");
    EXPECT_EQ(messages.shown[0].icon, platform::MessageIcon::None);
    EXPECT_EQ(messages.shown[1].text, messages.shown[0].text);
}

// Plain 7-bit RTF whose groups all close, so that every viewer reads it to the end.
TEST(ReadmeTest, ShippedReadmeIsWellFormedRtf) {
    std::ifstream file(VANTRIC_DATA_DIR "/readme.rtf", std::ios::binary);
    const std::string rtf{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    ASSERT_EQ(rtf.rfind("{\\rtf1\\ansi", 0), 0u);
    int depth = 0;
    std::size_t end = 0;
    for (std::size_t i = 0; i < rtf.size() && end == 0; ++i) {
        ASSERT_LT(static_cast<unsigned char>(rtf[i]), 0x80) << "at " << i;
        if (rtf[i] == '\\')
            ++i;  // an escaped brace or backslash
        else if (rtf[i] == '{')
            ++depth;
        else if (rtf[i] == '}' && --depth == 0)
            end = i + 1;
    }
    ASSERT_NE(end, 0u) << "a group is left open";
    EXPECT_EQ(rtf.find_first_not_of("\r\n", end), std::string::npos) << "text after the document";
}

}  // namespace
}  // namespace vantric
