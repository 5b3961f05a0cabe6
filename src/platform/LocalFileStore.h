#pragma once
// Files on the local disk, for both front ends.

#include "platform/FileStore.h"

namespace vantric::platform {

// Files larger than this are refused rather than read.
inline constexpr long long kMaxReadFileBytes = 256LL * 1024 * 1024;

class LocalFileStore : public FileStore {
public:
    FileReadResult Read(const std::string& path) override;
    // Writes a temporary file beside the target (through a symbolic link, beside the file it points
    // to), flushes it to the disk and renames it over the target, which keeps its permissions.
    FileWriteResult Replace(const std::string& path, const std::string& bytes) override;
};

}  // namespace vantric::platform
