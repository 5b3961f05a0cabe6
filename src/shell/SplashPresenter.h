#pragma once
// The splash window shown while the program starts: what it shows and when it closes.

#include <string>

#include "platform/MainWindowView.h"
#include "platform/SplashWindow.h"
#include "views/MainWindowState.h"

namespace vantric {

class SplashPresenter {
public:
    // platformNote: the system the program runs on, as the front end names it.
    SplashPresenter(const MainWindowState& state, platform::SplashWindow& splash, platform::MainWindowView& mainWindow,
                    std::string platformNote);

    // Puts the title, the version and the platform note on the splash.
    void FillIn();

    // A click anywhere on the splash and any key pressed in it close it, also during start-up.
    void OnClicked() { CloseSplash(); }
    void OnKeyPressed() { CloseSplash(); }
    // Losing the focus closes it only once start-up is over.
    void OnFocusLost();

private:
    // Hides the splash and, when the main window is on screen, gives the editor the focus.
    void CloseSplash();

    const MainWindowState& state_;
    platform::SplashWindow& splash_;
    platform::MainWindowView& mainWindow_;
    std::string platformNote_;
};

}  // namespace vantric
