#include "shell/SplashPresenter.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "views/StartupFixture.h"

namespace vantric {
namespace {

// The splash behind the real start-up sequence: events reach it only while start-up lets window
// events run, as they would on screen.
class SplashPresenterTest : public StartupFixture {
protected:
    void Start() { ASSERT_TRUE(startup.Start()); }

    MainWindowPresenter startup{Parts(), ""};
    SplashPresenter presenter{startup.State(), splash, mainWindow, "Plan 9 from Bell Labs"};
};

TEST_F(SplashPresenterTest, LosingTheFocusDuringStartUpLeavesItOpenAndAfterwardsClosesIt) {
    int yields = 0;
    pump.onEvents = [&] {
        // Both yields of start-up: the user clicks on the main window meanwhile.
        ++yields;
        presenter.OnFocusLost();
    };
    Start();
    EXPECT_EQ(yields, 2);
    EXPECT_TRUE(splash.visible);
    EXPECT_EQ(mainWindow.editorFocusCount, 0);

    presenter.OnFocusLost();
    EXPECT_FALSE(splash.visible);
    EXPECT_EQ(mainWindow.editorFocusCount, 1);
    // A late event for the window that has gone moves nothing.
    presenter.OnKeyPressed();
    presenter.OnFocusLost();
    EXPECT_EQ(mainWindow.editorFocusCount, 1);
}

TEST_F(SplashPresenterTest, AClickWhileLoadingClosesItWithoutFocusingTheHiddenMainWindow) {
    bool clicked = false;
    pump.onEvents = [&] {
        if (clicked) return;
        clicked = true;
        presenter.OnClicked();
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
