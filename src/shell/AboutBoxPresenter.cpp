#include "shell/AboutBoxPresenter.h"

#include <string>

#include "platform/MessageBox.h"
#include "shell/ProgramVersion.h"

namespace vantric {

AboutBoxPresenter::AboutBoxPresenter(platform::AboutBoxView& view, SystemInfoLauncher& systemInfo)
    : view_(view), systemInfo_(systemInfo) {}

void AboutBoxPresenter::FillIn() {
    view_.SetCaption(std::string("About ") + platform::kApplicationTitle);
    view_.SetTitle(platform::kApplicationTitle);
    view_.SetVersion(VersionText(CurrentVersion()));
    view_.SetNotice("");
}

}  // namespace vantric
