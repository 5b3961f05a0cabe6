#include "shell/ProgramVersion.h"

#include <charconv>

namespace vantric {

namespace {
// The number at the start of the part; 0 when there is none or it does not fit.
int ReadPart(std::string_view part) {
    int value = 0;
    const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
    return error == std::errc() && value >= 0 ? value : 0;
}
}  // namespace

ProgramVersion ParseVersion(std::string_view text) {
    int parts[3] = {0, 0, 0};
    for (int& part : parts) {
        const std::size_t dot = text.find('.');
        part = ReadPart(text.substr(0, dot));
        if (dot == std::string_view::npos) break;
        text.remove_prefix(dot + 1);
    }
    return {parts[0], parts[1], parts[2]};
}

ProgramVersion CurrentVersion() { return ParseVersion(VANTRIC_VERSION); }

std::string VersionText(const ProgramVersion& version) {
    return "Version " + std::to_string(version.Major) + "." + std::to_string(version.Minor) + "." +
           std::to_string(version.Revision);
}

}  // namespace vantric
