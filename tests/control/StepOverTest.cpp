#include "control/ControlFixture.h"

namespace vantric {
namespace {

class StepOverTest : public ControlFixture {
protected:
    // Assembles (the first step) and then executes `steps` instructions.
    void LoadAndStep(const std::string& text, int steps) {
        Load(text);
        for (int press = 0; press <= steps; ++press) step.Step();
    }
    bool InStepMode() const { return app->Machine.Running() && cycle.State().StepMode && editor.readOnly; }
    int Register(int code) const { return app->Processor.Register(code); }
};

TEST_F(StepOverTest, ACallRunsToItsReturnAtTheCostOfSteppingThroughItAndACallNotTakenIsOneStep) {
    const std::string multiply = Source({"XRA A", "CNZ MUL", "MVI C,03H", "CALL MUL", "HLT", "MUL: MVI A,00H",
                                         "LOOP: ADI 05H", "DCR C", "JNZ LOOP", "RET"});
    LoadAndStep(multiply, 15);  // every instruction up to HLT
    const std::int64_t steppedTStates = app->Processor.TStateCount;
    LoadAndStep(multiply, 1);
    step.StepOver();  // CNZ, not taken
    EXPECT_EQ(app->Processor.TStateCount, 4 + 9);
    step.Step();
    step.StepOver();
    EXPECT_EQ(editor.SelText(), "HLT\r\n");
    EXPECT_EQ(Register(RegA), 15);
    EXPECT_EQ(app->Processor.TStateCount, steppedTStates);
    EXPECT_EQ(status.Panel(1), "Running in step mode");
    EXPECT_TRUE(InStepMode());
}

TEST_F(StepOverTest, ARecursiveCallReturnsToItsOwnLevel) {
    LoadAndStep(Source({"MVI B,03H", "CALL REC", "HLT", "REC: DCR B", "JZ DONE", "CALL REC", "INR C", "DONE: RET"}), 4);
    step.StepOver();  // on the CALL inside REC
    EXPECT_EQ(editor.SelText(), "INR C\r\n");
    EXPECT_EQ(app->Processor.StackPointer, 0xFFEE);
    EXPECT_EQ(Register(RegC), 1);  // the level below has been through INR C already
}

TEST_F(StepOverTest, ABreakpointOrHltInsideStopsTheCall) {
    LoadAndStep(Source({"CALL SUB", "HLT", "SUB: INR B", ";BREAK", "INR C", "RET"}), 0);
    step.StepOver();
    EXPECT_EQ(editor.SelText(), "INR C\r\n");
    EXPECT_EQ(status.Panel(1), "Breakpoint encountered - execution paused");
    EXPECT_TRUE(InStepMode());

    LoadAndStep(Source({"CALL SUB", "NOP", "SUB: HLT"}), 0);
    step.StepOver();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Execution of the program halted normally (HLT instruction)");
    EXPECT_FALSE(editor.readOnly);
}

TEST_F(StepOverTest, ALongCallGoesThroughTheRunWindowAndEndsInStepMode) {
    LoadAndStep(Source({"CALL DELAY", "HLT", "DELAY: MVI D,05H", "OUTER: LXI B,0FFFFH", "INNER: DCX B", "MOV A,B",
                        "ORA C", "JNZ INNER", "DCR D", "JNZ OUTER", "RET"}),
                0);
    step.StepOver();
    EXPECT_TRUE(window.hiddenByItself);
    EXPECT_EQ(Lines().front().rfind("Resuming program from address ", 0), 0u);
    EXPECT_EQ(editor.SelText(), "HLT\r\n");
    EXPECT_EQ(status.Panel(1), "Running in step mode");
    EXPECT_TRUE(InStepMode());
}

TEST_F(StepOverTest, RunToCursorStopsAtTheCaretsLineOrTheNextWithAnInstruction) {
    Load(Source({"MVI B,03H", ";BREAK", "NOP", "LOOP: INR C", "DCR B", "JNZ LOOP", "; done", "MOV A,C", "HLT"}));
    step.RunToCursor();  // assembles, as a step would
    EXPECT_FALSE(app->Machine.Running());
    run.BeginRun();  // paused at the breakpoint before NOP
    ASSERT_EQ(run.LastOutcome(), RunOutcome::Breakpoint);

    editor.SetSelStart(app->Assembly.LineStart(5));
    step.RunToCursor();
    EXPECT_EQ(editor.SelText(), "DCR B\r\n");
    EXPECT_EQ(Register(RegC), 1);
    EXPECT_TRUE(InStepMode());

    editor.SetSelStart(app->Assembly.LineStart(7));
    step.RunToCursor();
    EXPECT_EQ(editor.SelText(), "MOV A,C\r\n");
    EXPECT_EQ(Register(RegC), 3);

    editor.SetSelStart(static_cast<int>(editor.Text().size()));
    step.RunToCursor();
    EXPECT_EQ(status.Panel(1), "No instruction on or after the cursor's line");
    EXPECT_EQ(Register(RegA), 0);
}

}  // namespace
}  // namespace vantric
