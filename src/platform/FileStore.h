#pragma once
#include <string>

namespace vantric::platform {

struct FileReadResult {
    bool Ok = false;
    bool Missing = false;  // nothing exists under that name
    std::string Bytes;
    std::string Reason;  // when not Ok: why, as the system words it
};

struct FileWriteResult {
    bool Ok = false;
    std::string Reason;
    bool FolderNotWritable = false;  // the file could not be put in its folder (another folder may do)
};

// Whole files as bytes.
class FileStore {
public:
    virtual ~FileStore() = default;
    virtual FileReadResult Read(const std::string& path) = 0;
    // Puts `bytes` in place of the file's contents, or creates it. A failed write leaves any earlier
    // file as it was. Only a plain file that the caller may write is replaced.
    virtual FileWriteResult Replace(const std::string& path, const std::string& bytes) = 0;
};

}  // namespace vantric::platform
