#pragma once
// Files on the local disk, for both front ends.

#include "platform/FileStore.h"

namespace vantric {

// Files larger than this are refused rather than read.
inline constexpr long long kMaxReadFileBytes = 256LL * 1024 * 1024;

class LocalFileStore : public platform::FileStore {
public:
    platform::FileReadResult Read(const std::string& path) override;
    // Writes a temporary file beside the target (through a symbolic link, beside the file it points
    // to), flushes it to the disk and renames it over the target, which keeps its permissions and,
    // where the saver may give them, its owner and group. Refuses, replacing nothing, a target that
    // is not a plain file (a folder, a pipe, a device, a link loop) or that the saver may not write.
    platform::FileWriteResult Replace(const std::string& path, const std::string& bytes) override;
};

}  // namespace vantric
