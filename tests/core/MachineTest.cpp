// The stores a run reports to the memory views, and code that wraps at FFFFH. Every instruction's
// effect and timing, how runs end and line tracking are compared, through generated programs, by the
// differential test.

#include <map>

#include "control/ControlFixture.h"
#include "core/HexText.h"

namespace vantric {
namespace {

class MachineTest : public ControlFixture {};

TEST_F(MachineTest, EveryStoreToAWatchedAddressIsReportedOnceWithItsLastValue) {
    Machine& machine = app->Machine;
    machine.WatchOnly({{0x3000, 0x40}, {0xFFF0, 0x20}});  // the second range is cut at FFFFH
    Load(Source({"LXI SP,3040H", "LXI H,3000H", "LXI B,3010H", "MVI A,0AAH", "MVI M,11H", "STAX B", "STA 3020H",
                 "SHLD 3030H", "PUSH B", "XTHL", "MOV M,A", "CALL SUB", "STA 3040H", "STA 0FFFFH", "HLT", "SUB: INR M",
                 "RET"}));
    ASSERT_TRUE(compiler.CompileProgram());
    machine.Start(0x1000);
    machine.BeginRun();
    EXPECT_EQ(machine.Run(), StopReason::Halted);
    machine.ReportChanges(true, false);
    std::map<int, int> stores;
    for (const auto& [address, value] : views.shownBytes)
        EXPECT_TRUE(stores.emplace(address, value).second) << "reported twice: " << HexText(address, 4);
    std::string reported;
    for (const auto& [address, value] : stores) reported += HexText(address, 4) + "=" + HexText(value, 2) + " ";
    EXPECT_EQ(reported, "3000=11 3010=AB 3020=AA 3030=00 3031=30 303C=1A 303D=10 303E=00 303F=30 FFFF=AA ");
    views.shownBytes.clear();  // reported once: again only when stored again
    machine.ReportChanges(true, false);
    EXPECT_TRUE(views.shownBytes.empty());
}

// Code the assembler cannot place: LXI H,1234H at FFFEH, its operand's high byte at 0000H; INX H;
// SHLD FFFFH, storing H at 0000H; HLT.
TEST_F(MachineTest, OperandsAndStoresWrapAtFFFFH) {
    app->Assembly.ClearLines(4);
    const int at[] = {0xFFFE, 0x0001, 0x0002, 0x0005};
    for (int n = 1; n <= 4; ++n) app->Assembly.RecordInstruction(n, at[n - 1], 1);
    const std::uint8_t code[] = {0x21, 0x34, 0x12, 0x23, 0x22, 0xFF, 0xFF, 0x76};
    for (int i = 0; i < 8; ++i) app->Processor.Memory[(0xFFFE + i) & 0xFFFF] = code[i];
    app->Machine.Start(0xFFFE);
    app->Machine.BeginRun();
    EXPECT_EQ(app->Machine.Run(), StopReason::Halted);
    EXPECT_EQ(app->Processor.Register(RegH) << 8 | app->Processor.Register(RegL), 0x1235);
    EXPECT_EQ(app->Processor.Memory[0xFFFF] << 8 | app->Processor.Memory[0x0000], 0x3512);
}

}  // namespace
}  // namespace vantric
