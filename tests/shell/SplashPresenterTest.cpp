#include "shell/SplashPresenter.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "control/ControlFixture.h"
#include "platform/LocalFileStore.h"
#include "support/FakeEditing.h"
#include "support/FakeMainWindow.h"
#include "views/MainWindowPresenter.h"

namespace vantric {
namespace {

// The splash behind the real start-up sequence: events reach it only while start-up lets window
// events run, as they would on screen.
class SplashPresenterTest : public ControlFixture {
protected:
    void Start() {
        MainWindowPresenter startup(
            *app, MainWindowParts{mainWindow, status, splash, messages, host, pump, grid, views, step, interpreter, files}, "");
        ASSERT_TRUE(startup.Form_Load());
    }

    std::vector<std::string> log;
    fakes::FakeMainWindowView mainWindow{log};
    fakes::FakeSplashWindow splash{log};
    fakes::FakeProgramHost host{VANTRIC_DATA_DIR};
    fakes::FakeFileDialogs dialogs;
    platform::LocalFileStore store;
    ProgramFiles files{app->ProgramFile, {mainWindow, editor, messages, dialogs, store, step, views}};
    SplashPresenter presenter{app->MainWindow, splash, mainWindow, "Plan 9 from Bell Labs"};
};

TEST_F(SplashPresenterTest, LosingTheFocusDuringStartUpLeavesItOpenAndAfterwardsClosesIt) {
    int yields = 0;
    pump.onEvents = [&] {
        // Both yields of start-up: the user clicks on the main window meanwhile.
        ++yields;
        presenter.Form_LostFocus();
    };
    Start();
    EXPECT_EQ(yields, 2);
    EXPECT_TRUE(splash.visible);
    EXPECT_EQ(mainWindow.editorFocusCount, 0);

    presenter.Form_LostFocus();
    EXPECT_FALSE(splash.visible);
    EXPECT_EQ(mainWindow.editorFocusCount, 1);
    // A late event for the window that has gone moves nothing.
    presenter.Form_KeyDown();
    presenter.Form_LostFocus();
    EXPECT_EQ(mainWindow.editorFocusCount, 1);
}

TEST_F(SplashPresenterTest, AClickWhileLoadingClosesItWithoutFocusingTheHiddenMainWindow) {
    bool clicked = false;
    pump.onEvents = [&] {
        if (clicked) return;
        clicked = true;
        presenter.Form_Click();
    };
    Start();
    EXPECT_FALSE(splash.visible);
    EXPECT_EQ(mainWindow.editorFocusCount, 0);
    EXPECT_TRUE(mainWindow.visible);
    // Start-up does not give a closed splash the focus.
    EXPECT_EQ(std::count(log.begin(), log.end(), "splash focused"), 0);
}

}  // namespace
}  // namespace vantric
