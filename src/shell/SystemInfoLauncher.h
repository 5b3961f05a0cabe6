#pragma once
// "System Info..." of the about box: finds the system's information tool and starts it.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DesktopServices.h"
#include "platform/MessageBox.h"

namespace vantric {

inline constexpr const char* kSystemInfoUnavailable = "System Information Is Unavailable At This Time";

// Programs that show what the system is made of, most wanted first, looked for on the search path.
std::span<const std::string_view> SystemInfoPrograms();

// The absolute directories of a search path ("/usr/bin:/bin") in their order. Empty and relative
// entries are dropped, so that nothing is ever started from the current directory.
std::vector<std::string> SearchPathDirectories(std::string_view searchPath);

class SystemInfoLauncher {
public:
    SystemInfoLauncher(platform::DesktopServices& desktop, platform::MessageBox& messages);

    // The tool to start: the first of SystemInfoPrograms() found on the search path (earlier
    // directories winning for the same name). Empty when there is none.
    std::string FindSystemInfoTool() const;

    // Starts the tool; when there is none or it does not start, says so in a message box.
    void StartSystemInfo();

private:
    platform::DesktopServices& desktop_;
    platform::MessageBox& messages_;
};

}  // namespace vantric
