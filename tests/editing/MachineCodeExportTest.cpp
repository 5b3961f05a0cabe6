// File > Export machine code: a scratch assembly that leaves a stepping program alone, an assembly
// error shown on its line with nothing written, and a file that cannot be written.

#include "editing/MachineCodeExport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "control/ControlFixture.h"
#include "editing/LocalFileStore.h"
#include "support/FakeEditing.h"

namespace vantric {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

class MachineCodeExportTest : public ControlFixture {
protected:
    MachineCodeExportTest() { fs::create_directories(dir); }
    ~MachineCodeExportTest() override { fs::remove_all(dir); }
    std::string Path(const std::string& name) const { return (dir / name).string(); }
    static std::string Contents(const std::string& path) {
        return {std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {}};
    }

    fs::path dir = fs::temp_directory_path() /
                   ("vantric-export-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fakes::FakeFileDialogs dialogs;
    LocalFileStore store;
    MachineCodeExport exporter{{app->Instructions, editor, messages, dialogs, store, status}};
};

TEST_F(MachineCodeExportTest, ASteppingProgramStaysAsItIsWhileItsCodeIsExported) {
    Load(Source({"MVI A,01H", "HLT"}));
    step.Step();  // assembles
    step.Step();  // MVI A,01H
    ASSERT_TRUE(app->Machine.Running());
    editor.SetText(Source({"LXI H,1010H", ";ORG 1010H", "DB 07H", "DS 2", "DB 08H"}) + "HLT");
    dialogs.answers = {Path("kit.bin"), Path("kit.hex")};
    exporter.ExportMachineCode();
    EXPECT_EQ(Contents(Path("kit.bin")), std::string("\x21\x10\x10", 3) + std::string(13, '\0') + "\x07\0\0\x08\x76"s);
    EXPECT_EQ(status.Panel(1), "Binary image written to " + Path("kit.bin") + " (load address 1000)");
    exporter.ExportMachineCode();
    EXPECT_EQ(Contents(Path("kit.hex")), ":03100000211010AC\r\n:0110100007D8\r\n:0210130008765D\r\n:00000001FF\r\n");

    // The program goes on where it was, on memory the export did not touch; the text is as typed.
    EXPECT_TRUE(app->Machine.Running());
    EXPECT_EQ(app->Processor.Register(RegA), 1);
    EXPECT_EQ(app->Processor.Memory[0x1000], 0x3E);
    EXPECT_EQ(app->Processor.Memory[0x1010], 0);
    EXPECT_EQ(editor.text.substr(editor.text.size() - 3), "HLT");
}

TEST_F(MachineCodeExportTest, AnAssemblyErrorIsShownOnItsLineAndAnUnwritableFileIsReported) {
    editor.SetText(Source({"NOP", "MOV A,Q", "HLT"}));
    exporter.ExportMachineCode();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(editor.SelText(), "MOV A,Q\r\n");
    EXPECT_EQ(status.Panel(1), "Compiler error : Invalid Mnemonic");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown.back().text, "Compiler error : Invalid Mnemonic");

    editor.SetText("HLT\r\n");
    dialogs.answers = {Path("missing/kit.hex")};
    exporter.ExportMachineCode();
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown.back().text.rfind("Could not export " + Path("missing/kit.hex"), 0), 0u);
    EXPECT_EQ(messages.shown.back().icon, platform::MessageIcon::Critical);
    EXPECT_EQ(dialogs.shown.back().Filter, "Intel HEX (*.hex)|*.hex|Binary image (*.bin)|*.bin");
}

}  // namespace
}  // namespace vantric
