#pragma once
// A test double for the desktop's services.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/DesktopServices.h"

namespace vantric::fakes {

// A small file system; documents opened and programs started are recorded, and the
// desktop answers as scripted.
class FakeDesktopServices : public platform::DesktopServices {
public:
    bool OpenDocument(const std::string& path) override {
        opened.push_back(path);
        return opens;
    }
    bool StartProgram(const std::string& path) override {
        started.push_back(path);
        return starts;
    }
    bool FileExists(const std::string& path) const override {
        return files.count(path) > 0 || programs.count(path) > 0;
    }
    bool IsExecutableFile(const std::string& path) const override { return programs.count(path) > 0; }
    std::string ProgramSearchPath() const override { return searchPath; }

    std::set<std::string> files;     // plain files
    std::set<std::string> programs;  // executable files
    std::string searchPath;
    bool starts = true;
    bool opens = true;  // false: no program is associated with the document's type
    std::vector<std::string> opened;
    std::vector<std::string> started;
};

}  // namespace vantric::fakes
