#include "core/InstructionSetLoader.h"

#include "core/InstructionSetFile.h"
#include "core/ShippedFiles.h"

namespace vantric {

InstructionSetLoader::InstructionSetLoader(InstructionTable& table, platform::StatusBar& status,
                                           platform::Window& splash, platform::MessageBox& messages,
                                           platform::ProgramHost& host, std::string pathOverride)
    : table_(table),
      status_(status),
      splash_(splash),
      messages_(messages),
      host_(host),
      pathOverride_(std::move(pathOverride)) {}

std::string InstructionSetLoader::InstructionSetPath() const {
    if (!pathOverride_.empty()) return pathOverride_;
    return ShippedFilePath(host_.ProgramDirectory(), kInstructionSetFileName);
}

InstructionSetLoadOutcome InstructionSetLoader::LoadInstructionSet() {
    status_.SetPanelText(1, "Loading instruction set ...");
    const std::string path = InstructionSetPath();
    const InstructionSetReadResult read = ReadInstructionSetFile(path, table_);
    if (read.Status != InstructionSetReadStatus::Ok) {
        if (splash_.IsVisible()) splash_.Hide();
        if (read.Status == InstructionSetReadStatus::FileMissing) {
            messages_.Show("Instruction set not found - " + path, "Fatal error !", platform::MessageButtons::Ok,
                           platform::MessageIcon::Critical);
        }
        std::string where = path;
        if (read.LineNumber > 0) where += ":" + std::to_string(read.LineNumber);
        host_.ReportDiagnostic(where + ": " + read.Reason);
        host_.EndProgram();
        return InstructionSetLoadOutcome::Ended;
    }

    status_.SetPanelText(1, "Checking instruction set ...");
    const std::string emptyRows = EmptyRowList(table_);
    if (emptyRows == kUndefinedOpcodeList) {
        status_.SetPanelText(1, "Finished loading instruction set");
        return InstructionSetLoadOutcome::Loaded;
    }
    status_.SetPanelText(1, "Error in instruction set : Missing or extra instructions ! ( " + emptyRows + ")");
    return InstructionSetLoadOutcome::CheckFailed;
}

}  // namespace vantric
