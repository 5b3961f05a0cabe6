#pragma once
#include <string>

namespace vantric::platform {

// What the program knows of its own process: where it is installed and how it ends.
class ProgramHost {
public:
    virtual ~ProgramHost() = default;
    // The directory that holds the running executable, without a trailing separator.
    virtual std::string ProgramDirectory() const = 0;
    // Ends the program at once. Test doubles record the request and return.
    virtual void EndProgram() = 0;
    // One line for whoever diagnoses a broken installation (stderr on the desktop and the console).
    virtual void ReportDiagnostic(const std::string& line) = 0;
};

}  // namespace vantric::platform
