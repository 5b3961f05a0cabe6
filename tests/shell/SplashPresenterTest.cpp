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
    MainWindowPresenter startup{Parts(), ""};
    SplashPresenter presenter{startup.State(), splash, mainWindow, "Plan 9 from Bell Labs"};
};

TEST_F(SplashPresenterTest, LosingTheFocusClosesItOnlyAfterStartUp) {
    pump.onEvents = [&] { presenter.OnFocusLost(); };  // the user clicks on the main window meanwhile
    ASSERT_TRUE(startup.Start());
    EXPECT_EQ(pump.calls, 2);
    EXPECT_TRUE(splash.visible);
    presenter.OnFocusLost();
    EXPECT_FALSE(splash.visible);
    EXPECT_EQ(mainWindow.editorFocusCount, 1);
    presenter.OnKeyPressed();  // a late event for the window that has gone moves nothing
    EXPECT_EQ(mainWindow.editorFocusCount, 1);
}

TEST_F(SplashPresenterTest, AClickWhileLoadingClosesItWithoutFocusingTheHiddenMainWindow) {
    pump.onEvents = [&] { presenter.OnClicked(); };
    ASSERT_TRUE(startup.Start());
    EXPECT_FALSE(splash.visible);
    EXPECT_EQ(mainWindow.editorFocusCount, 0);
    EXPECT_EQ(std::count(log.begin(), log.end(), "splash focused"), 0);  // start-up leaves a closed splash alone
}

}  // namespace
}  // namespace vantric
