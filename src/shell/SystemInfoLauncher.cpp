#include "shell/SystemInfoLauncher.h"

#include <array>

namespace vantric {

namespace {
constexpr std::array<std::string_view, 7> kPrograms{
    "hardinfo2",           "hardinfo",          "kinfocenter", "gnome-system-monitor",
    "mate-system-monitor", "xfce4-taskmanager", "lxtask",
};

constexpr char kSearchPathSeparator = ':';
}  // namespace

std::span<const std::string_view> SystemInfoPrograms() { return kPrograms; }

std::vector<std::string> SearchPathDirectories(std::string_view searchPath) {
    std::vector<std::string> directories;
    while (true) {
        const std::size_t end = searchPath.find(kSearchPathSeparator);
        std::string_view entry = searchPath.substr(0, end);
        while (entry.size() > 1 && entry.back() == '/') entry.remove_suffix(1);
        if (!entry.empty() && entry.front() == '/') directories.emplace_back(entry);
        if (end == std::string_view::npos) break;
        searchPath.remove_prefix(end + 1);
    }
    return directories;
}

SystemInfoLauncher::SystemInfoLauncher(platform::DesktopServices& desktop, platform::MessageBox& messages)
    : desktop_(desktop), messages_(messages) {}

std::string SystemInfoLauncher::FindSystemInfoTool() const {
    const std::vector<std::string> directories = SearchPathDirectories(desktop_.ProgramSearchPath());
    for (std::string_view program : SystemInfoPrograms())
        for (const std::string& directory : directories) {
            // The root directory keeps its separator.
            std::string path = directory + (directory.back() == '/' ? "" : "/");
            path += program;
            if (desktop_.IsExecutableFile(path)) return path;
        }
    return {};
}

void SystemInfoLauncher::StartSystemInfo() {
    const std::string tool = FindSystemInfoTool();
    if (tool.empty() || !desktop_.StartProgram(tool))
        messages_.Show(kSystemInfoUnavailable, platform::kApplicationTitle, platform::MessageButtons::Ok,
                       platform::MessageIcon::None);
}

}  // namespace vantric
