#pragma once
// Documents, other programs and the look-ups to find them, as the desktop program gets them from Qt.

#include "platform/DesktopServices.h"

namespace vantric::qt {

class QtDesktopServices : public platform::DesktopServices {
public:
    bool OpenDocument(const std::string& path) override;
    bool StartProgram(const std::string& path) override;
    bool FileExists(const std::string& path) const override;
    bool IsExecutableFile(const std::string& path) const override;
    std::string ProgramSearchPath() const override;
};

}  // namespace vantric::qt
