// `vantric-cli assemble`: reading program files, the error report and the listing, and an
// instruction set that fails its check.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/CliApp.h"

namespace vantric::console {
namespace {

namespace fs = std::filesystem;

TEST(AssembleCommand, ErrorsNameTheirLineListingsShowEachLinesOwnBytesAndAFaultyInstructionSetIsUsed) {
    const fs::path dir = fs::temp_directory_path() /
                         ("vantric-assemble-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::create_directories(dir);
    std::ostringstream out, err;
    const auto write = [&](const std::string& name, const std::string& bytes) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        return (dir / name).string();
    };
    const auto assemble = [&](const std::string& path, const std::string& set = VANTRIC_DATA_DIR "/InstSet.Dat") {
        out.str("");
        err.str("");
        return RunCli({"assemble", path, "--instset", set, "--listing"}, out, err);
    };
    EXPECT_EQ(assemble(dir.string()), ExitProgramUnreadable);  // a folder is no program file
    EXPECT_NE(err.str().find(dir.string()), std::string::npos);
    // The last line, without a line break in the file, is reported without one too.
    EXPECT_EQ(assemble(write("b.85", "NOP\nLOOP: NOP\nloop: HLT")), ExitAssemblyError);
    EXPECT_EQ(out.str(), "Compiling code ...\nCompiler error : Duplicate label\nLine 3: loop: HLT\n");

    // The jump's own bytes, its label filled in, even though the NOP went over its opcode.
    EXPECT_EQ(assemble(write("l.85", "\r\n  jmp end\r\nend:\thlt ;stop\r\n;ORG 1000H\r\nnop")), ExitHalted);
    EXPECT_EQ(out.str(),
              "Compiling code ...\nCompiled successfully\n                \n1000  C3 03 10    jmp end\n"
              "1003  76        end:\thlt ;stop\n                ;ORG 1000H\n1000  00        nop\n");

    // An instruction set that fails its check is reported and used anyway.
    write("InstSet.Dat", "00,NOP,4\n76,HLT,5\n");
    EXPECT_EQ(assemble(write("h.85", "HLT\r\n"), (dir / "InstSet.Dat").string()), ExitHalted);
    EXPECT_NE(err.str().find("Error in instruction set : Missing or extra instructions ! ( 1 2 "), std::string::npos);
    EXPECT_NE(out.str().find("1000  76        HLT\n"), std::string::npos);
    EXPECT_EQ(assemble(write("n.85", "NOP\r\n"), (dir / "none.Dat").string()), ExitInstructionSetUnusable);
    EXPECT_NE(err.str().find("Fatal error !: Instruction set not found - "), std::string::npos) << err.str();
    EXPECT_EQ(out.str(), "");
    fs::remove_all(dir);
}

}  // namespace
}  // namespace vantric::console
