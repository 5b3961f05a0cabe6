#include "control/ControlFixture.h"

namespace vantric {
namespace {

class StepTest : public ControlFixture {
protected:
    void Steps(int count) {
        for (int i = 0; i < count; ++i) step.Step();
    }
    // Skips the jump (and stores 2000H + 1 at 2001H) when 2000H holds anything but zero. Two lines start
    // at 1003H: which one a step selects depends on the line it starts from.
    const std::string kProgram =
        Source({"LDA 2000H", "ORA A", ";ORG 1003H", "ORA A", "JZ 3000H", "INR A", "STA 2001H", "HLT"});
};

TEST_F(StepTest, EachPressExecutesOneInstructionAndANewSequenceForgetsTheLastOnesError) {
    Load(kProgram);
    step.Step();  // assembles only
    EXPECT_EQ(window.shows, 1);
    EXPECT_FALSE(app->Machine.Running());
    step.Step();
    EXPECT_EQ(window.shows, 1);
    const int firstOra = editor.selStart;
    EXPECT_EQ(editor.SelText(), "ORA A\r\n");
    EXPECT_EQ(status.Panel(1), "Running in step mode");
    EXPECT_EQ(app->Processor.TStateCount, 13);
    EXPECT_FALSE(views.lastKeepStatusText);
    EXPECT_TRUE(editor.readOnly);
    Steps(2);  // the jump to 3000H, where there is no code
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Runtime error : Missing HLT. Uncompiled address reached");
    EXPECT_EQ(messages.shown[0].title, "Program halted (error)");
    EXPECT_EQ(status.Panel(1), "Finished running in step mode");
    EXPECT_EQ(editor.selLength, 0);
    EXPECT_FALSE(cycle.State().StepMode);
    EXPECT_FALSE(editor.readOnly);

    app->Processor.Memory[0x2000] = 1;
    app->Machine.WatchOnly({{0x2001, 1}});
    views.registerRefreshes = 0;
    step.Step();  // a new sequence from the start address
    EXPECT_EQ(app->Processor.TStateCount, 13);
    EXPECT_EQ(editor.selStart, firstOra);
    Steps(4);
    EXPECT_EQ(editor.SelText(), "HLT\r\n");
    EXPECT_EQ(views.shownBytes, (std::vector<std::pair<std::uint16_t, std::uint8_t>>{{0x2001, 2}}));
    step.Step();
    EXPECT_EQ(messages.shown.back().text, "Execution of the program halted normally (HLT instruction)");
    EXPECT_EQ(messages.shown.back().title, "Program halted");
    EXPECT_EQ(app->Processor.TStateCount, 13 + 4 + 7 + 4 + 13 + 5);
    EXPECT_EQ(views.registerRefreshes, 6);
}

TEST_F(StepTest, NoCodeToExecuteLeavesTheEditorEditable) {
    Load(Source({"; only a comment", "HERE:"}));
    Steps(2);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "There is no code to execute !");
    EXPECT_FALSE(cycle.EditorLocked());
    EXPECT_FALSE(editor.readOnly);
}

TEST_F(StepTest, HaltKeepsRegistersAndRunResumesFromTheStepPosition) {
    Load(kProgram);
    app->Processor.Memory[0x2000] = 6;
    Steps(2);
    step.Halt();
    EXPECT_EQ(status.Panel(1), "Program halted");
    EXPECT_EQ(editor.selLength, 0);
    EXPECT_FALSE(editor.readOnly);
    EXPECT_FALSE(app->Machine.Running());
    EXPECT_EQ(app->Processor.Register(RegA), 6);

    Steps(2);  // starts again from the start address
    EXPECT_EQ(app->Processor.TStateCount, 13 + 4);
    run.BeginRun();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"Resuming program from address 1004 ...", "Execution finished"}));
    EXPECT_FALSE(cycle.State().StepMode);
    EXPECT_EQ(app->Processor.TStateCount, 13 + 4 + 7 + 4 + 13 + 5);
}

TEST_F(StepTest, ResetWhileSteppingHaltsFirstAndKeepsTheCount) {
    Load(kProgram);
    Steps(2);
    app->Processor.StackPointer = 0x1234;
    app->Processor.Flags = 0xFF;
    const int gridRefreshes = views.gridRefreshes;
    step.Reset();
    EXPECT_EQ(status.Panel1History().back(), "Program halted");
    EXPECT_FALSE(app->Machine.Running());
    EXPECT_EQ(app->Processor.StackPointer, 0xFFF0);
    EXPECT_EQ(app->Processor.ProgramCounter, 0x1000);
    EXPECT_EQ(app->Processor.Flags, 0);
    EXPECT_EQ(app->Processor.Memory[0x1000], 0);
    EXPECT_EQ(app->Processor.TStateCount, 13);
    EXPECT_EQ(views.gridRefreshes, gridRefreshes + 1);
    EXPECT_FALSE(editor.readOnly);

    const auto texts = status.history.size();
    step.Reset();  // nothing running now: nothing halted
    EXPECT_EQ(status.history.size(), texts);
    step.Step();  // the erased code is assembled again first
    EXPECT_EQ(window.shows, 2);
}

}  // namespace
}  // namespace vantric
