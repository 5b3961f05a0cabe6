#include "views/MainWindowPresenter.h"

#include <gtest/gtest.h>

#include "views/StartupFixture.h"

namespace vantric {
namespace {

class MainWindowPresenterTest : public StartupFixture {
protected:
    MainWindowPresenter& Start(const std::string& commandLine = "", bool expectLoaded = true) {
        presenter = std::make_unique<MainWindowPresenter>(Parts(), commandLine);
        EXPECT_EQ(presenter->Start(), expectLoaded);
        return *presenter;
    }

    std::unique_ptr<MainWindowPresenter> presenter;
};

TEST_F(MainWindowPresenterTest, StartsInOrderWithTheSplashAndLeavesTheMachineReset) {
    app->Processor.Memory[0x1234] = 0x55;
    app->Processor.StackPointer = 0x1000;
    app->MemoryDump = {1, 9, {0, 0x4000}, false};
    app->Instructions = {};  // the engine takes its timings from the table start-up reads
    app->Machine.LoadTimings(app->Instructions);
    pump.onEvents = [this] { log.push_back(presenter->State().StartupInProgress ? "events" : "late events"); };
    Start();
    EXPECT_EQ(log, (std::vector<std::string>{"splash shown", "main hidden", "events", "secondary windows loaded",
                                             "caption Vantric - [untitled]", "main shown", "events", "splash focused",
                                             "caption Vantric - [untitled]"}));
    EXPECT_EQ(splash.left * 1000 + splash.top, (1280 - 401) / 2 * 1000 + (801 - 300) / 2);
    EXPECT_EQ(status.Panel(1), "Finished loading instruction set");
    EXPECT_EQ(grid.Cell(0, 0) + grid.Cell(0, 1), "AddressContents");
    EXPECT_EQ(app->MemoryDump.MemoryColumnCount * 100 + app->MemoryDump.RowsPerColumn, 364);
    EXPECT_EQ(app->MemoryDump.ColumnStart, (std::vector<std::int32_t>{0, 0x1000, 0x2000, 0x3000}));
    EXPECT_EQ(app->Processor.Memory[0x1234] + app->Processor.StackPointer, 0xFFF0);
    EXPECT_EQ(app->Processor.TStateCount, -1);
    EXPECT_FALSE(views.lastKeepStatusText);
    EXPECT_FALSE(presenter->State().StartupInProgress);

    Load(Source({"MVI A,01H", "HLT"}));
    step.Step();  // assembles
    step.Step();
    EXPECT_EQ(app->Processor.TStateCount, 7);
}

TEST_F(MainWindowPresenterTest, TheCommandLineFileNeedsNoSplashAndAMissingInstructionSetEndsAll) {
    Start("\"/home/user/my programs/add.85\"");
    EXPECT_EQ(mainWindow.caption, "Vantric - [/home/user/my programs/add.85]");
    for (const char* entry : {"splash shown", "splash focused"})
        EXPECT_EQ(std::count(log.begin(), log.end(), entry), 0);

    log.clear();
    host.directory = "/nonexistent";
    Start("", false);
    EXPECT_TRUE(host.ended);
    EXPECT_EQ(std::count(log.begin(), log.end(), "main shown"), 0);
}

TEST_F(MainWindowPresenterTest, TracksFocusEditsAndTheCloseRequest) {
    MainWindowPresenter& p = Start();
    p.OnActivated();
    EXPECT_TRUE(presenter->State().WindowHasFocus);
    p.OnDeactivated();
    EXPECT_FALSE(presenter->State().WindowHasFocus);
    app->Assembly.RecompileNeeded = false;
    p.OnEditorTextChanged();
    EXPECT_TRUE(files.State().ProgramModified && app->Assembly.RecompileNeeded);

    log.clear();
    messages.answers = {platform::MessageAnswer::Cancel};
    EXPECT_FALSE(p.OnCloseRequested());
    EXPECT_TRUE(log.empty());
    messages.answers = {platform::MessageAnswer::No};
    EXPECT_TRUE(p.OnCloseRequested());
    EXPECT_EQ(log, (std::vector<std::string>{"main hidden", "all windows closed"}));
}

}  // namespace
}  // namespace vantric
