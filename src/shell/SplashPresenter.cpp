#include "shell/SplashPresenter.h"

#include "platform/MessageBox.h"
#include "shell/ProgramVersion.h"

namespace vantric {

SplashPresenter::SplashPresenter(const MainWindowState& state, platform::SplashWindow& splash,
                                 platform::MainWindowView& mainWindow, std::string platformNote)
    : state_(state), splash_(splash), mainWindow_(mainWindow), platformNote_(std::move(platformNote)) {}

void SplashPresenter::FillIn() {
    splash_.SetTexts(platform::kApplicationTitle, VersionText(CurrentVersion()), platformNote_);
}

void SplashPresenter::OnFocusLost() {
    if (!state_.StartupInProgress) CloseSplash();
}

void SplashPresenter::CloseSplash() {
    // Events can still arrive while the window goes away; the first one closes it.
    if (!splash_.IsVisible()) return;
    splash_.Hide();
    if (mainWindow_.IsVisible()) mainWindow_.FocusEditor();
}

}  // namespace vantric
