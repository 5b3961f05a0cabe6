#pragma once
// The about box of the Help menu: its texts, its OK button and "System Info...".

#include "platform/AboutBoxView.h"
#include "shell/SystemInfoLauncher.h"

namespace vantric {

class AboutBoxPresenter {
public:
    AboutBoxPresenter(platform::AboutBoxView& view, SystemInfoLauncher& systemInfo);

    // Caption "About Vantric", the title, the version text and the (empty) notice.
    void Form_Load();

    // Help > About: the box, modally.
    void mnuHelpAbout_Click() { view_.ShowModal(); }
    // OK, Enter and Esc.
    void cmdOK_Click() { view_.Hide(); }
    void cmdSysInfo_Click() { systemInfo_.StartSysInfo(); }

private:
    platform::AboutBoxView& view_;
    SystemInfoLauncher& systemInfo_;
};

}  // namespace vantric
