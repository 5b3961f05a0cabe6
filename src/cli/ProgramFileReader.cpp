#include "cli/ProgramFileReader.h"

#include "editing/LineBreaks.h"
#include "editing/LocalFileStore.h"

namespace vantric::console {

ProgramFileText ReadProgramFile(const std::string& path) {
    LocalFileStore files;
    platform::FileReadResult file = files.Read(path);
    ProgramFileText result;
    result.Ok = file.Ok;
    if (file.Ok)
        result.Text = ToCrLfText(std::move(file.Bytes));
    else
        result.Error = "cannot read program file " + path + ": " + file.Reason;
    return result;
}

bool LoadProgramIntoEditor(const std::string& path, ConsoleEditor& editor, std::ostream& err) {
    ProgramFileText file = ReadProgramFile(path);
    if (!file.Ok) {
        err << "vantric-cli: " << file.Error << '\n';
        return false;
    }
    editor.SetText(std::move(file.Text));
    return true;
}

}  // namespace vantric::console
