#include "core/ShippedFiles.h"

#include <filesystem>
#include <system_error>

namespace vantric {

std::string ShippedFilePath(const std::string& programDirectory, std::string_view name) {
    const std::string beside = programDirectory + "/" + std::string(name);
    std::error_code error;
    if (std::filesystem::exists(beside, error)) return beside;
    const std::filesystem::path shared =
        std::filesystem::path(programDirectory).parent_path() / "share" / "vantric" / std::string(name);
    return std::filesystem::exists(shared, error) ? shared.string() : beside;
}

}  // namespace vantric
