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

class AssembleCommandTest : public ::testing::Test {
protected:
    AssembleCommandTest() { fs::create_directories(dir_); }
    ~AssembleCommandTest() override { fs::remove_all(dir_); }

    std::string Write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
        return (dir_ / name).string();
    }
    int Assemble(const std::string& path, const std::string& instructionSet = VANTRIC_DATA_DIR "/InstSet.Dat") {
        out.str("");
        err.str("");
        return RunCli({"assemble", path, "--instset", instructionSet, "--listing"}, out, err);
    }

    fs::path dir_ = fs::temp_directory_path() /
                    ("vantric-assemble-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(AssembleCommandTest, ErrorsNameTheLineCountedFromOneAndListingsShowEachLinesOwnBytes) {
    EXPECT_EQ(Assemble(dir_.string()), ExitProgramUnreadable);  // a folder is no program file
    EXPECT_NE(err.str().find(dir_.string()), std::string::npos);
    // The last line, without a line break in the file, is reported without one too.
    EXPECT_EQ(Assemble(Write("b.85", "NOP\nLOOP: NOP\nloop: HLT")), ExitAssemblyError);
    EXPECT_EQ(out.str(), "Compiling code ...\nCompiler error : Duplicate label\nLine 3: loop: HLT\n");
    EXPECT_EQ(Assemble(Write("c.85", "XYZ\r\n")), ExitAssemblyError);
    EXPECT_EQ(out.str(), "Compiling code ...\nCompiler error : Invalid Mnemonic\nLine 1: XYZ\n");

    // The jump's own bytes, its label filled in, even though the NOP went over its opcode.
    ASSERT_EQ(Assemble(Write("l.85", "\r\n  jmp end\r\nend:\thlt ;stop\r\n;ORG 1000H\r\nnop")), ExitHalted);
    EXPECT_EQ(out.str(),
              "Compiling code ...\nCompiled successfully\n                \n1000  C3 03 10    jmp end\n"
              "1003  76        end:\thlt ;stop\n                ;ORG 1000H\n1000  00        nop\n");
}

TEST_F(AssembleCommandTest, AnInstructionSetThatFailsItsCheckIsReportedAndUsedAnyway) {
    Write("InstSet.Dat", "00,NOP,4\n76,HLT,5\n");
    EXPECT_EQ(Assemble(Write("h.85", "HLT\r\n"), (dir_ / "InstSet.Dat").string()), ExitHalted);
    EXPECT_NE(err.str().find("Error in instruction set : Missing or extra instructions ! ( 1 2 "), std::string::npos);
    EXPECT_NE(out.str().find("1000  76        HLT\n"), std::string::npos);
    EXPECT_EQ(Assemble(Write("n.85", "NOP\r\n"), (dir_ / "none.Dat").string()), ExitInstructionSetUnusable);
    EXPECT_NE(err.str().find("Fatal error !: Instruction set not found - "), std::string::npos) << err.str();
    EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace vantric::console
