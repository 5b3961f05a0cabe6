// When the splash closes, and where the focus goes then.

#include "shell/SplashPresenter.h"

#include <gtest/gtest.h>

#include "support/FakeMainWindow.h"

namespace vantric {
namespace {

TEST(SplashPresenterTest, AClickOrKeyClosesItAlwaysLosingTheFocusOnlyAfterStartUp) {
    std::vector<std::string> log;
    MainWindowState state{.StartupInProgress = true};
    fakes::FakeMainWindowView mainWindow{log};
    fakes::FakeSplashWindow splash{log};
    SplashPresenter presenter{state, splash, mainWindow, "Plan 9 from Bell Labs"};
    const auto seen = [&] {
        return std::string(splash.visible ? "shown" : "hidden") + std::to_string(mainWindow.editorFocusCount);
    };

    splash.visible = true;
    presenter.OnFocusLost();  // the user clicks on the main window while it loads
    EXPECT_EQ(seen(), "shown0");
    presenter.OnClicked();  // the main window is not on screen yet: nothing to focus
    EXPECT_EQ(seen(), "hidden0");

    splash.visible = mainWindow.visible = true;
    state.StartupInProgress = false;
    presenter.OnFocusLost();
    EXPECT_EQ(seen(), "hidden1");
    presenter.OnKeyPressed();  // a late event for the window that has gone moves nothing
    EXPECT_EQ(seen(), "hidden1");
}

}  // namespace
}  // namespace vantric
