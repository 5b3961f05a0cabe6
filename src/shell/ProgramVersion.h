#pragma once
// The program's version: three whole numbers, shown as "Version 1.3.7".

#include <string>
#include <string_view>

namespace vantric {

struct ProgramVersion {
    int Major = 0;
    int Minor = 0;
    int Revision = 0;
};

// Reads "MAJOR.MINOR.REVISION"; a part that is missing or does not start with a digit counts 0.
ProgramVersion ParseVersion(std::string_view text);

// The version this program was built as.
ProgramVersion CurrentVersion();

// "Version " + major + "." + minor + "." + revision, in plain decimal.
std::string VersionText(const ProgramVersion& version);

}  // namespace vantric
