#include "shell/Readme.h"

#include "core/ShippedFiles.h"

namespace vantric {

std::string ReadmePath(const std::string& programDirectory) {
    return ShippedFilePath(programDirectory, kReadmeFileName);
}

bool StartDoc(platform::DesktopServices& desktop, const std::string& path) { return desktop.OpenDocument(path); }

void ShowReadme(const platform::ProgramHost& host, platform::DesktopServices& desktop, platform::HelpWindow& help) {
    const std::string path = ReadmePath(host.ProgramDirectory());
    // Some desktops answer a missing document with an error window of their own; ask only for one
    // that is there.
    if (!desktop.FileExists(path)) return;
    if (!StartDoc(desktop, path)) help.ShowGuide();
}

}  // namespace vantric
