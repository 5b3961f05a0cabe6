#pragma once
// File > Export machine code: the editor's program as Intel HEX or a binary image, for a trainer
// kit or an EPROM programmer. The program is assembled apart from the simulated machine, so memory
// and a paused or stepping program stay as they are.

#include <string>

#include "core/InstructionTable.h"
#include "platform/Editor.h"
#include "platform/FileDialogs.h"
#include "platform/FileStore.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"

namespace vantric {

struct MachineCodeExportParts {
    const InstructionTable& Instructions;
    platform::Editor& Editor;
    platform::MessageBox& Messages;
    platform::FileDialogs& Dialogs;
    platform::FileStore& Files;
    platform::StatusBar& Status;
};

class MachineCodeExport {
public:
    explicit MachineCodeExport(MachineCodeExportParts parts);

    // Assembles the editor's text; on an error shows it as Compile does (the line selected, the
    // message in the status bar) and writes nothing. Otherwise asks for a file and writes it in
    // the format its name says (.bin: a binary image; otherwise Intel HEX).
    void ExportMachineCode();

    const platform::FileDialogSettings& DialogSettings() const { return dialog_; }

private:
    MachineCodeExportParts parts_;
    platform::FileDialogSettings dialog_;
};

}  // namespace vantric
