#include "shell/SystemInfoLauncher.h"

#include <array>
#include <optional>

namespace vantric {

namespace {
constexpr std::array<std::string_view, 7> kPrograms{
    "hardinfo2", "hardinfo", "kinfocenter", "gnome-system-monitor", "mate-system-monitor", "xfce4-taskmanager", "lxtask",
};

#ifdef _WIN32
constexpr char kSearchPathSeparator = ';';
#else
constexpr char kSearchPathSeparator = ':';
#endif

bool IsAbsolute(std::string_view directory) {
    if (directory.empty()) return false;
    if (directory.front() == '/' || directory.front() == '\\') return true;
    // A drive letter: "C:\..." or "C:/...".
    return directory.size() >= 3 && directory[1] == ':' && (directory[2] == '\\' || directory[2] == '/');
}
}  // namespace

std::span<const std::string_view> SystemInfoPrograms() { return kPrograms; }

std::vector<std::string> SearchPathDirectories(std::string_view searchPath, char separator) {
    std::vector<std::string> directories;
    while (true) {
        const std::size_t end = searchPath.find(separator);
        std::string_view entry = searchPath.substr(0, end);
        while (entry.size() > 1 && (entry.back() == '/' || entry.back() == '\\')) entry.remove_suffix(1);
        if (IsAbsolute(entry)) directories.emplace_back(entry);
        if (end == std::string_view::npos) break;
        searchPath.remove_prefix(end + 1);
    }
    return directories;
}

SystemInfoLauncher::SystemInfoLauncher(platform::DesktopServices& desktop, platform::MessageBox& messages)
    : desktop_(desktop), messages_(messages) {}

std::string SystemInfoLauncher::FindSystemInfoTool() const {
    if (std::optional<std::string> path =
            desktop_.ReadMachineRegistryString("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH"))
        return *path;
    if (std::optional<std::string> folder =
            desktop_.ReadMachineRegistryString("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO")) {
        const std::string path = *folder + "\\MSINFO32.EXE";
        if (desktop_.FileExists(path)) return path;
    }
    const std::vector<std::string> directories =
        SearchPathDirectories(desktop_.ProgramSearchPath(), kSearchPathSeparator);
    for (std::string_view program : SystemInfoPrograms())
        for (const std::string& directory : directories) {
            // The root directory keeps its separator.
            const char last = directory.back();
            std::string path = directory + (last == '/' || last == '\\' ? "" : "/");
            path += program;
            if (desktop_.IsExecutableFile(path)) return path;
        }
    return {};
}

void SystemInfoLauncher::StartSysInfo() {
    const std::string tool = FindSystemInfoTool();
    if (tool.empty() || !desktop_.StartProgram(tool))
        messages_.Show(kSystemInfoUnavailable, platform::kApplicationTitle, platform::MessageButtons::Ok,
                       platform::MessageIcon::None);
}

}  // namespace vantric
