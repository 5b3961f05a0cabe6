#include "views/MainWindowPresenter.h"

#include <gtest/gtest.h>

#include "views/StartupFixture.h"

namespace vantric {
namespace {

using platform::MainWindowControl;
using platform::Rect;

class MainWindowPresenterTest : public StartupFixture {
protected:
    MainWindowPresenterTest() {
        pump.onEvents = [this] { log.push_back("events"); };
    }

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
    Start();

    const std::vector<std::string> expected{
        "splash shown", "main hidden", "events",         "secondary windows loaded",    "caption Vantric - [untitled]",
        "main shown",   "events",      "splash focused", "caption Vantric - [untitled]"};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(splash.left, (1280 - 401) / 2);
    EXPECT_EQ(splash.top, (801 - 300) / 2);
    EXPECT_EQ(status.Panel(1), "Finished loading instruction set");
    EXPECT_EQ(grid.Cell(0, 0), "Address");
    EXPECT_EQ(grid.Cell(0, 1), "Contents");
    EXPECT_EQ(app->MemoryDump.MemoryColumnCount, 3);
    EXPECT_EQ(app->MemoryDump.RowsPerColumn, 64);
    EXPECT_EQ(app->MemoryDump.ColumnStart, (std::vector<std::int32_t>{0, 0x1000, 0x2000, 0x3000}));
    EXPECT_EQ(app->Processor.Memory[0x1234], 0);
    EXPECT_EQ(app->Processor.StackPointer, 0xFFF0);
    EXPECT_EQ(app->Processor.TStateCount, -1);
    EXPECT_GE(views.gridRefreshes, 2);
    EXPECT_FALSE(views.lastKeepStatusText);
    EXPECT_TRUE(app->Assembly.RecompileNeeded);
    EXPECT_FALSE(presenter->State().StartupInProgress);
    EXPECT_FALSE(files.State().ProgramModified);
}

TEST_F(MainWindowPresenterTest, KeepsTheSplashOpenWhileStartingUp) {
    bool duringStartup = false;
    pump.onEvents = [&] { duringStartup = presenter->State().StartupInProgress; };
    Start();
    EXPECT_TRUE(duringStartup);  // the second yield, after the main window is shown
    EXPECT_FALSE(presenter->State().StartupInProgress);
}

TEST_F(MainWindowPresenterTest, TakesTheTStatesOfTheTableItLoads) {
    // The engine has no timings before the instruction set is read.
    app->Instructions = {};
    app->Machine.LoadTimings(app->Instructions);
    Start();
    Load(Source({"MVI A,01H", "HLT"}));
    step.Step();  // assembles
    step.Step();
    EXPECT_EQ(app->Processor.TStateCount, 7);
}

TEST_F(MainWindowPresenterTest, NamesTheCommandLineFileInTheCaptionWithoutASplash) {
    Start("\"/home/user/my programs/add.85\"");
    EXPECT_EQ(mainWindow.caption, "Vantric - [/home/user/my programs/add.85]");
    EXPECT_EQ(files.State().CurrentFileName, "/home/user/my programs/add.85");
    EXPECT_FALSE(splash.visible);
    EXPECT_EQ(std::count(log.begin(), log.end(), "splash shown"), 0);
}

TEST_F(MainWindowPresenterTest, EndsWithoutShowingTheWindowWhenTheInstructionSetIsMissing) {
    host.directory = "/nonexistent";
    Start("", false);
    EXPECT_TRUE(host.ended);
    EXPECT_FALSE(mainWindow.visible);
    EXPECT_EQ(std::count(log.begin(), log.end(), "main shown"), 0);
}

TEST_F(MainWindowPresenterTest, LaysOutTheEditorBesideTheRegisterPanelAndDownToTheStatusBar) {
    Start();
    EXPECT_EQ(mainWindow.bounds[MainWindowControl::Editor], (Rect{2, 40, 396, 435 - 40 - 20}));
    EXPECT_EQ(mainWindow.bounds[MainWindowControl::RegisterPanel], (Rect{400, 40, 297, 185}));
    EXPECT_EQ(mainWindow.bounds[MainWindowControl::MemoryGrid], (Rect{400, 272, 731 - 400 - 2, 435 - 272 - 20}));
    EXPECT_EQ(mainWindow.bounds[MainWindowControl::MemoryCaption], (Rect{400, 240, 97, 25}));
}

TEST_F(MainWindowPresenterTest, ResizingStretchesOnlyTheGridSidewaysAndSkipsRulesThatDoNotFit) {
    MainWindowPresenter& p = Start();
    const auto before = mainWindow.bounds;

    mainWindow.clientWidth += 100;
    p.OnResized();
    EXPECT_EQ(mainWindow.bounds[MainWindowControl::MemoryGrid].width,
              before.at(MainWindowControl::MemoryGrid).width + 100);
    EXPECT_EQ(mainWindow.bounds[MainWindowControl::Editor], before.at(MainWindowControl::Editor));
    EXPECT_EQ(mainWindow.bounds[MainWindowControl::RegisterPanel], before.at(MainWindowControl::RegisterPanel));

    // The grid's top plus the status bar reaches the client height: the grid keeps its height.
    mainWindow.clientHeight = 272 + 20;
    p.OnResized();
    EXPECT_EQ(mainWindow.bounds[MainWindowControl::MemoryGrid].height, 435 - 272 - 20);
    EXPECT_EQ(mainWindow.bounds[MainWindowControl::Editor].height, 272 - 40);

    // Too small for either rule, even sideways.
    mainWindow.clientHeight = 30;
    mainWindow.clientWidth = 300;
    p.OnResized();
    EXPECT_EQ(mainWindow.bounds[MainWindowControl::Editor].height, 272 - 40);
    EXPECT_EQ(mainWindow.bounds[MainWindowControl::MemoryGrid].width, 731 + 100 - 400 - 2);

    mainWindow.clientHeight = 600;
    p.OnResized();
    EXPECT_EQ(mainWindow.bounds[MainWindowControl::Editor].height, 600 - 40 - 20);
    EXPECT_EQ(mainWindow.bounds[MainWindowControl::MemoryGrid].height, 600 - 272 - 20);
}

TEST_F(MainWindowPresenterTest, TracksFocusEditsAndTheCloseRequest) {
    MainWindowPresenter& p = Start();
    p.OnActivated();
    EXPECT_TRUE(presenter->State().WindowHasFocus);
    p.OnDeactivated();
    EXPECT_FALSE(presenter->State().WindowHasFocus);

    app->Assembly.RecompileNeeded = false;
    p.OnEditorTextChanged();
    EXPECT_TRUE(files.State().ProgramModified);
    EXPECT_TRUE(app->Assembly.RecompileNeeded);

    log.clear();
    messages.answers = {platform::MessageAnswer::Cancel};
    EXPECT_FALSE(p.OnCloseRequested());
    EXPECT_EQ(messages.shown.back().title, "Save changes ?");
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(mainWindow.visible);

    messages.answers = {platform::MessageAnswer::No};
    EXPECT_TRUE(p.OnCloseRequested());
    EXPECT_EQ(log, (std::vector<std::string>{"main hidden", "all windows closed"}));
}

}  // namespace
}  // namespace vantric
