#pragma once
#include <string>

namespace vantric::platform {

// What an open or save dialog shows.
struct FileDialogSettings {
    // Description and pattern pairs separated by vertical bars; the first pair is selected.
    std::string Filter;
    // Added, after a dot, to a name chosen without an extension.
    std::string DefaultExtension;
    // The name the dialog starts with.
    std::string InitialName;
    std::string Title;
};

// Modal file dialogs. Each returns the chosen full path, or empty text when cancelled. The open
// dialog accepts a name that does not exist; the save dialog insists on an existing folder and asks
// before an existing file is overwritten.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual std::string ShowOpen(const FileDialogSettings& settings) = 0;
    virtual std::string ShowSave(const FileDialogSettings& settings) = 0;
};

}  // namespace vantric::platform
