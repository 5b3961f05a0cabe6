#pragma once
// The about box of the Help menu: its texts, its OK button and "System Info...".

#include "platform/AboutBoxView.h"
#include "shell/SystemInfoLauncher.h"

namespace vantric {

class AboutBoxPresenter {
public:
    AboutBoxPresenter(platform::AboutBoxView& view, SystemInfoLauncher& systemInfo);

    // Caption "About Vantric", the title, the version text and the (empty) notice.
    void FillIn();

    // Help > About: the box, modally.
    void ShowAbout() { view_.ShowModal(); }
    // OK, Enter and Esc.
    void OnOkClicked() { view_.Hide(); }
    void OnSystemInfoClicked() { systemInfo_.StartSystemInfo(); }

private:
    platform::AboutBoxView& view_;
    SystemInfoLauncher& systemInfo_;
};

}  // namespace vantric
