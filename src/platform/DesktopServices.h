#pragma once
#include <string>

namespace vantric::platform {

// What the desktop offers besides windows: opening documents and starting other programs, and the
// few look-ups needed to find those programs.
class DesktopServices {
public:
    virtual ~DesktopServices() = default;
    // Opens a document with the program the desktop associates with it; false when the desktop
    // could not hand it over, also when no program is associated with documents of its type.
    virtual bool OpenDocument(const std::string& path) = 0;
    // Starts a program on its own, in a normal window; false when it could not be started.
    virtual bool StartProgram(const std::string& path) = 0;
    virtual bool FileExists(const std::string& path) const = 0;
    // A file that may be started as a program.
    virtual bool IsExecutableFile(const std::string& path) const = 0;
    // The program search path (PATH) as the environment holds it.
    virtual std::string ProgramSearchPath() const = 0;
};

}  // namespace vantric::platform
