// The stores a run reports to the memory views. Every instruction's effect and timing, how runs end,
// line tracking and the wrap at FFFFH are compared, through generated programs, by the differential test.

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
                 "SHLD 3030H", "PUSH B", "XTHL", "MOV M,A", "CALL SUB", "STA 4000H", "STA 0FFFFH", "HLT", "SUB: INR M",
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
    EXPECT_EQ(views.registerRefreshes, 0);

    // Once reported, a store is reported again only when it happens again; unreported ones can be dropped.
    views.shownBytes.clear();
    machine.ReportChanges(true, true);
    EXPECT_TRUE(views.shownBytes.empty());
    EXPECT_EQ(views.registerRefreshes, 1);
    EXPECT_TRUE(views.lastKeepStatusText);
    machine.Start(0x1000);
    machine.BeginRun();
    machine.Run();
    machine.ReportChanges(false, false);
    machine.ReportChanges(true, false);
    EXPECT_TRUE(views.shownBytes.empty());
}

}  // namespace
}  // namespace vantric
