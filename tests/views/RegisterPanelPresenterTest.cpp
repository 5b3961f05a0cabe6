#include "views/ViewsFixture.h"

namespace vantric {
namespace {

using F = platform::RegisterField;

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
    app->Machine.Start(0x0102);
    registers.RefreshRegisterPanel(false);
    EXPECT_EQ(panel.Box(F::A).text + panel.Box(F::Flags).text + panel.Box(F::L).text, "3E95FF");
    EXPECT_EQ(panel.Box(F::StackPointer).text + panel.Box(F::ProgramCounter).text, "ABCD0102");
    EXPECT_EQ(panel.Cells(), "10010101");
    EXPECT_EQ(status.Panel(2), "T states : ??");
    cpu.TStateCount = 0;
    registers.RefreshRegisterPanel(false);
    EXPECT_EQ(status.Panel(2), "T states : 0");
    cpu.TStateCount = 1234567;
    registers.RefreshRegisterPanel(true);
    EXPECT_EQ(status.Panel(2), "T states : 0");
}

TEST_F(RegisterPanelTest, ATextIsStoredWhileItSpellsItsValueAndRewrittenOnLeavingTheBox) {
    panel.Box(F::B).SetFocus();
    struct Case {
        const char* text;
        int stored;  // -1: not valid, the register keeps 0x12
    };
    for (const Case c : {Case{"05", 5}, Case{"ff", 255}, Case{"", 0}, Case{"5G", -1}, Case{" 5", -1}}) {
        panel.Box(F::B).SetText("77");  // a different text first, so that the case raises a change
        B() = 0x12;
        panel.Box(F::B).SetText(c.text);
        EXPECT_EQ(B(), c.stored < 0 ? 0x12 : c.stored) << '"' << c.text << '"';
    }

    struct Left {
        F box;
        const char* typed;
        const char* shown;
    };
    for (const Left c : {Left{F::B, "5G", "05"}, Left{F::B, "G5", "00"}, Left{F::StackPointer, "fffe", "FFFE"},
                         Left{F::ProgramCounter, "1 2", "0012"}}) {
        panel.Box(c.box).SetFocus();
        panel.Box(c.box).SetText(c.typed);
        focus.MoveTo(&editor);
        EXPECT_EQ(panel.Box(c.box).text, c.shown) << c.typed;
    }
    EXPECT_EQ(B(), 0);
    EXPECT_EQ(app->Processor.StackPointer, 0xFFFE);
    EXPECT_EQ(app->Processor.ProgramCounter, 0x12);

    panel.Box(F::StackPointer).SetFocus();  // the whole value is selected, so typing replaces it
    panel.Box(F::StackPointer).Type("2");
    EXPECT_FALSE(registers.OnFieldKey(F::StackPointer, platform::Key::Up));
    EXPECT_TRUE(registers.OnFieldKey(F::StackPointer, platform::Key::Return));
    EXPECT_EQ(focus.current, &editor);
    EXPECT_EQ(panel.Box(F::StackPointer).text, "0002");
}

TEST_F(RegisterPanelTest, FlagBoxAndFlagCellsStayInStep) {
    panel.Box(F::Flags).SetFocus();
    panel.Box(F::Flags).Type("fe");
    EXPECT_EQ(app->Processor.Flags, 0xFE);
    EXPECT_EQ(panel.Cells(), "11111110");

    app->Processor.Flags = 0;
    registers.RefreshRegisterPanel(false);
    registers.OnFlagCellClicked(0);
    EXPECT_EQ(panel.Box(F::Flags).text + panel.Cells(), "0100000001");
    registers.OnFlagCellClicked(5);  // a bit without a flag toggles like the others
    EXPECT_EQ(panel.Box(F::Flags).text, "21");
    registers.OnFlagCellClicked(8);
    panel.Box(F::Flags).SetText("1G");  // an invalid text is replaced by the click
    registers.OnFlagCellClicked(7);
    EXPECT_EQ(panel.Box(F::Flags).text + panel.Cells(), "A110100001");
}

}  // namespace
}  // namespace vantric
