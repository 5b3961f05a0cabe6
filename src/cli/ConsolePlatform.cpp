#include "cli/ConsolePlatform.h"

#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <climits>

namespace vantric::console {

void ConsoleStatusBar::SetPanelText(int panel, const std::string& text) {
    if (panel >= 1 && panel <= 5) panels_[panel] = text;
}

const std::string& ConsoleStatusBar::Panel(int panel) const { return panels_[panel >= 1 && panel <= 5 ? panel : 0]; }

platform::MessageAnswer ConsoleMessageBox::Show(const std::string& text, const std::string& title,
                                                platform::MessageButtons buttons, platform::MessageIcon) {
    err_ << title << ": " << text << '\n';
    return buttons == platform::MessageButtons::Ok ? platform::MessageAnswer::Ok : platform::MessageAnswer::Yes;
}

std::string ConsoleProgramHost::ProgramDirectory() const {
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof(path) - 1);
    if (length <= 0) return ".";
    const std::string exe(path, static_cast<std::size_t>(length));
    const auto slash = exe.rfind('/');
    return slash == std::string::npos ? std::string(".") : exe.substr(0, slash);
}

double ConsoleClock::Seconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace vantric::console
