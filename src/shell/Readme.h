#pragma once
// Help > View readme: the user guide "readme.rtf" beside the executable (or in an installed tree's
// share/vantric), opened by the desktop, or in the program's own help window when the desktop has no
// viewer for it.

#include <string>

#include "platform/DesktopServices.h"
#include "platform/HelpWindow.h"
#include "platform/ProgramHost.h"

namespace vantric {

inline constexpr const char* kReadmeFileName = "readme.rtf";

// The readme's path: beside the executable, or in an installed tree's share/vantric.
std::string ReadmePath(const std::string& programDirectory);

// Opens a document with the desktop's default program; true when the desktop took it.
bool StartDoc(platform::DesktopServices& desktop, const std::string& path);

// Opens the readme. When the desktop cannot hand it to a viewer, the same guide appears in the help
// window instead; a missing readme is passed over in silence.
void ShowReadme(const platform::ProgramHost& host, platform::DesktopServices& desktop, platform::HelpWindow& help);

}  // namespace vantric
