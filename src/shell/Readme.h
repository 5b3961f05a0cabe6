#pragma once
// Help > View readme: the user guide "readme.rtf" beside the executable (or in an installed tree's
// share/vantric), opened by the desktop.

#include <string>

#include "platform/DesktopServices.h"
#include "platform/ProgramHost.h"

namespace vantric {

inline constexpr const char* kReadmeFileName = "readme.rtf";

// The readme's path: beside the executable, or in an installed tree's share/vantric.
std::string ReadmePath(const std::string& programDirectory);

// Opens a document with the desktop's default program; true when the desktop took it.
bool StartDoc(platform::DesktopServices& desktop, const std::string& path);

// Opens the readme. A missing readme, or one the desktop cannot open, is passed over in silence.
void ShowReadme(const platform::ProgramHost& host, platform::DesktopServices& desktop);

}  // namespace vantric
