#pragma once
// Where the files shipped with the program lie: beside the executable (a build tree, an unpacked
// folder), or, in an installed tree, in ../share/vantric relative to it.

#include <string>
#include <string_view>

namespace vantric {

// The first of programDirectory/NAME and programDirectory/../share/vantric/NAME that exists; the
// one beside the executable when neither does.
std::string ShippedFilePath(const std::string& programDirectory, std::string_view name);

}  // namespace vantric
