#include "views/ViewsFixture.h"

namespace vantric {
namespace {

class RegisterPanelTest : public ViewsFixture {
protected:
    void SetUp() override { Start(); }
    std::uint8_t& B() { return app->Processor.Register(RegB); }
};

TEST_F(RegisterPanelTest, RefreshShowsTheRegistersAndTheTStateText) {
    ProcessorState& cpu = app->Processor;
    EXPECT_EQ(status.Panel(2), "Program not running");
    cpu.Register(RegA) = 0x3E;
    cpu.Register(RegL) = 0xFF;
    cpu.Flags = 0x95;
    cpu.StackPointer = 0xABCD;
    cpu.ProgramCounter = 0x0102;
    cpu.Running = true;
    registers.RefreshRegisterPanel(false);
    EXPECT_EQ(panel.Box(8).text + panel.Box(0).text + panel.Box(6).text, "3E95FF");
    EXPECT_EQ(panel.Box(9).text + panel.Box(10).text, "ABCD0102");
    EXPECT_EQ(panel.Cells(), "10010101");
    EXPECT_EQ(status.Panel(2), "T states : ??");
    cpu.TStateCount = 0;
    registers.RefreshRegisterPanel(false);
    EXPECT_EQ(status.Panel(2), "T states : 0");
    cpu.TStateCount = 1234567;
    registers.RefreshRegisterPanel(true);
    EXPECT_EQ(status.Panel(2), "T states : 0");
    registers.RefreshRegisterPanel(false);
    EXPECT_EQ(status.Panel(2), "T states : 1234567");
}

TEST_F(RegisterPanelTest, ATextIsStoredOnlyWhileItSpellsItsValue) {
    panel.Box(1).SetFocus();
    panel.Box(1).Type("1");
    EXPECT_EQ(B(), 1);
    panel.Box(1).Type("2");
    EXPECT_EQ(B(), 0x12);

    struct Case {
        const char* text;
        int stored;  // -1: not valid, the register keeps 0x12
    };
    for (const Case c : {Case{"5", 5}, Case{"05", 5}, Case{"ff", 255}, Case{"", 0}, Case{"G", -1},
                         Case{"5G", -1}, Case{" 5", -1}, Case{"5 ", -1}}) {
        panel.Box(1).SetText("77");  // a different text first, so that the case raises a change
        B() = 0x12;
        panel.Box(1).SetText(c.text);
        EXPECT_EQ(B(), c.stored < 0 ? 0x12 : c.stored) << '"' << c.text << '"';
    }
}

TEST_F(RegisterPanelTest, LeavingABoxRewritesItsTextInNormalFormAndStoresIt) {
    struct Case {
        int box;
        const char* typed;
        const char* shown;
    };
    for (const Case c : {Case{1, "5G", "05"}, Case{1, "G5", "00"}, Case{8, "", "00"}, Case{9, "abc", "0ABC"},
                         Case{9, "ffff", "FFFF"}, Case{10, "1 2", "0012"}}) {
        panel.Box(c.box).SetFocus();
        panel.Box(c.box).SetText(c.typed);
        focus.MoveTo(&editor);
        EXPECT_EQ(panel.Box(c.box).text, c.shown) << c.typed;
    }
    EXPECT_EQ(B(), 0);
    EXPECT_EQ(app->Processor.StackPointer, 0xFFFF);
    EXPECT_EQ(app->Processor.ProgramCounter, 0x12);

    panel.Box(9).SetFocus();  // the whole value is selected, so typing replaces it
    panel.Box(9).Type("2");
    int key = 'A';
    registers.txtReg_KeyPress(9, key);
    EXPECT_EQ(key, 'A');
    key = platform::kKeyReturn;
    registers.txtReg_KeyPress(9, key);
    EXPECT_EQ(key, platform::kKeyCancelled);
    EXPECT_EQ(focus.current, &editor);
    EXPECT_EQ(panel.Box(9).text, "0002");
}

TEST_F(RegisterPanelTest, FlagBoxAndFlagCellsStayInStep) {
    panel.Box(0).SetFocus();
    panel.Box(0).Type("fe");
    EXPECT_EQ(app->Processor.Flags, 0xFE);
    EXPECT_EQ(panel.Cells(), "11111110");

    app->Processor.Flags = 0;
    registers.RefreshRegisterPanel(false);
    registers.lblFlag_Click(0);
    EXPECT_EQ(app->Processor.Flags, 0x01);
    EXPECT_EQ(panel.Box(0).text, "01");
    EXPECT_EQ(panel.Cells(), "00000001");
    registers.lblFlag_Click(5);  // a bit without a flag toggles like the others
    EXPECT_EQ(panel.Box(0).text, "21");
    registers.lblFlag_Click(5);
    registers.lblFlag_Click(0);
    EXPECT_EQ(panel.Cells(), "00000000");

    panel.Box(0).SetText("1G");  // an invalid text is replaced by the click
    registers.lblFlag_Click(7);
    EXPECT_EQ(panel.Box(0).text, "80");
    EXPECT_EQ(panel.Cells(), "10000000");
}

}  // namespace
}  // namespace vantric
