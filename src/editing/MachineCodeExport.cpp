#include "editing/MachineCodeExport.h"

#include <memory>

#include "assembler/AssembledRanges.h"
#include "assembler/Compiler.h"
#include "assembler/HeldTextEditor.h"
#include "core/HexText.h"
#include "core/ProcessorState.h"
#include "memtools/MachineCodeFiles.h"

namespace vantric {

namespace {

// The export assembles in one go: no window events run in between.
class NoEvents : public platform::EventPump {
public:
    void ProcessEvents() override {}
};

}  // namespace

MachineCodeExport::MachineCodeExport(MachineCodeExportParts parts) : parts_(parts) {
    dialog_.Filter = "Intel HEX (*.hex)|*.hex|Binary image (*.bin)|*.bin";
    dialog_.DefaultExtension = "hex";
    dialog_.InitialName = "*.hex";
    dialog_.Title = "Export machine code";
}

void MachineCodeExport::ExportMachineCode() {
    // A copy of the text, memory and tables of its own: the assembler may add a final line break
    // to the text it assembles, and it writes memory and the line tables.
    HeldTextEditor source;
    source.SetText(parts_.Editor.Text());
    auto cpu = std::make_unique<ProcessorState>();
    AssemblyTables tables;
    NoEvents events;
    Compiler compiler(*cpu, parts_.Instructions, tables, source, parts_.Status, events);
    if (!compiler.CompileProgram()) {
        parts_.Editor.SetSelStart(tables.ErrorStart);
        parts_.Editor.SetSelLength(tables.ErrorEnd - tables.ErrorStart);
        parts_.Editor.MarkErrorLine(tables.ErrorStart);
        parts_.Status.SetPanelText(1, "Compiler error : " + tables.CompileError);
        parts_.Messages.Show("Compiler error : " + tables.CompileError, platform::kApplicationTitle,
                             platform::MessageButtons::Ok, platform::MessageIcon::None);
        return;
    }

    const std::string path = parts_.Dialogs.ShowSave(dialog_);
    if (path.empty()) return;
    dialog_.InitialName = path;
    const std::vector<ByteRange> ranges = AssembledRanges(tables, compiler);
    std::string bytes;
    std::string done;
    if (FormatForFileName(path) == MachineCodeFormat::Binary) {
        const BinaryImage image = MakeBinaryImage(cpu->Memory, ranges);
        bytes = image.Bytes;
        done =
            "Binary image written to " + path +
            (image.LoadAddress < 0 ? " (no bytes assembled)" : " (load address " + HexText(image.LoadAddress, 4) + ")");
    } else {
        bytes = IntelHexText(cpu->Memory, ranges);
        done = "Intel HEX written to " + path;
    }
    const platform::FileWriteResult written = parts_.Files.Replace(path, bytes);
    if (!written.Ok) {
        parts_.Messages.Show("Could not export " + path + "\n\n" + written.Reason + ".", platform::kApplicationTitle,
                             platform::MessageButtons::Ok, platform::MessageIcon::Critical);
        return;
    }
    parts_.Status.SetPanelText(1, done);
}

}  // namespace vantric
