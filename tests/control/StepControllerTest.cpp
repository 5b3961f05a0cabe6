#include "control/ControlFixture.h"

namespace vantric {
namespace {

class StepTest : public ControlFixture {};

const std::string kProgram = Source({"MVI A,05H", "; comment", "INR A", "HLT"});

TEST_F(StepTest, FirstPressAssemblesThenEachPressExecutesOneInstruction) {
    Load(kProgram);
    step.Step();
    EXPECT_EQ(window.shows, 1);
    EXPECT_EQ(window.list.items, (std::vector<std::string>{"Compiling code ...", "Compiled successfully"}));
    EXPECT_FALSE(app->Machine.Running());

    step.Step();
    EXPECT_EQ(window.shows, 1);
    EXPECT_EQ(app->Processor.Register(RegA), 5);
    EXPECT_EQ(editor.SelText(), "INR A\r\n");
    EXPECT_EQ(status.Panel(1), "Running in step mode");
    EXPECT_EQ(app->Processor.TStateCount, 7);
    EXPECT_FALSE(views.lastKeepStatusText);
    EXPECT_TRUE(editor.readOnly);

    step.Step();
    EXPECT_EQ(editor.SelText(), "HLT\r\n");
    step.Step();  // onto HLT
    EXPECT_EQ(editor.selLength, 0);
    EXPECT_EQ(status.Panel(1), "Finished running in step mode");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Execution of the program halted normally (HLT instruction)");
    EXPECT_EQ(messages.shown[0].title, "Program halted");
    EXPECT_FALSE(cycle.State().StepMode);
    EXPECT_FALSE(editor.readOnly);
    EXPECT_EQ(app->Processor.TStateCount, 7 + 4 + 5);

    step.Step();  // starts again from the start address
    EXPECT_EQ(app->Processor.TStateCount, 7);
    EXPECT_EQ(app->Processor.ProgramCounter, 0x1002);
}

TEST_F(StepTest, AStepLetsNoEventsRunSoNoCommandCanArriveInsideIt) {
    Load(kProgram);
    for (int press = 0; press < 3; ++press) step.Step();  // assembled, then up to HLT
    cycle.SetMonitorRegisters(true);
    int yields = 0;
    pump.onEvents = [&] { ++yields; };
    step.Step();  // onto HLT
    EXPECT_EQ(yields, 0);
    EXPECT_EQ(status.Panel(1), "Finished running in step mode");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Execution of the program halted normally (HLT instruction)");
    EXPECT_EQ(app->Processor.TStateCount, 7 + 4 + 5);
}

TEST_F(StepTest, SteppingPastTheEndIsARuntimeErrorThatUnlocksTheEditor) {
    Load(Source({"NOP"}));
    step.Step();
    step.Step();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Runtime error : Missing HLT. Uncompiled address reached");
    EXPECT_EQ(messages.shown[0].title, "Program halted (error)");
    EXPECT_EQ(status.Panel(1), "Finished running in step mode");
    EXPECT_FALSE(cycle.State().StepMode);
    EXPECT_FALSE(cycle.EditorLocked());
}

TEST_F(StepTest, NoCodeToExecuteLeavesTheEditorEditable) {
    Load(Source({"; only a comment", "HERE:"}));
    step.Step();
    step.Step();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "There is no code to execute !");
    EXPECT_EQ(messages.shown[0].title, "Vantric");
    EXPECT_FALSE(cycle.EditorLocked());
    EXPECT_FALSE(editor.readOnly);
    EXPECT_FALSE(app->Machine.Running());
}

TEST_F(StepTest, HaltKeepsRegistersAndTheNextStepRestarts) {
    Load(kProgram);
    step.Step();
    step.Step();
    step.Step();
    step.Halt();
    EXPECT_EQ(status.Panel(1), "Program halted");
    EXPECT_EQ(editor.selLength, 0);
    EXPECT_FALSE(editor.readOnly);
    EXPECT_FALSE(app->Machine.Running());
    EXPECT_EQ(app->Processor.Register(RegA), 6);
    EXPECT_EQ(app->Machine.CurrentLine(), 0);
    step.Step();
    EXPECT_EQ(app->Processor.ProgramCounter, 0x1002);
    EXPECT_EQ(app->Processor.TStateCount, 7);

    // Halting when nothing runs still reports it.
    step.Halt();
    step.Halt();
    EXPECT_EQ(status.Panel(1), "Program halted");
}

TEST_F(StepTest, ResetWhileSteppingHaltsFirstAndKeepsTheCount) {
    Load(kProgram);
    step.Step();
    step.Step();
    app->Processor.StackPointer = 0x1234;
    const auto tStates = app->Processor.TStateCount;
    const int gridRefreshes = views.gridRefreshes;
    step.Reset();
    EXPECT_EQ(status.Panel1History().back(), "Program halted");
    EXPECT_FALSE(app->Machine.Running());
    EXPECT_EQ(app->Processor.StackPointer, 0xFFF0);
    EXPECT_EQ(app->Processor.ProgramCounter, 0x1000);
    EXPECT_EQ(app->Processor.Register(RegA), 0);
    EXPECT_EQ(app->Processor.Memory[0x1000], 0);
    EXPECT_EQ(app->Processor.TStateCount, tStates);
    EXPECT_TRUE(app->Assembly.RecompileNeeded);
    EXPECT_EQ(views.gridRefreshes, gridRefreshes + 1);
    EXPECT_FALSE(editor.readOnly);

    step.Step();  // the erased code is assembled again first
    EXPECT_EQ(window.shows, 2);
}

TEST_F(StepTest, RunWhileSteppingResumesFromTheStepPosition) {
    Load(kProgram);
    step.Step();
    step.Step();
    run.BeginRun();
    EXPECT_EQ(window.list.items,
              (std::vector<std::string>{"Resuming program from address 1002 ...", "Execution finished"}));
    EXPECT_FALSE(cycle.State().StepMode);
    EXPECT_EQ(app->Processor.TStateCount, 7 + 4 + 5);
    EXPECT_EQ(app->Processor.Register(RegA), 6);
}

TEST_F(StepTest, StepContinuesARunPausedAtABreakpoint) {
    Load(Source({"MVI A,1", ";BREAK", "INR A", "HLT"}));
    run.BeginRun();
    ASSERT_EQ(app->Processor.ProgramCounter, 0x1002);
    step.Step();
    EXPECT_EQ(app->Processor.Register(RegA), 2);
    EXPECT_EQ(editor.SelText(), "HLT\r\n");
    EXPECT_EQ(app->Processor.TStateCount, 7 + 4);
}

}  // namespace
}  // namespace vantric
