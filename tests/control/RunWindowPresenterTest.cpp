#include "control/ControlFixture.h"

namespace vantric {
namespace {

using Strings = std::vector<std::string>;

class RunWindowTest : public ControlFixture {};

const std::string kShortProgram = Source({"MVI A,05H", "ADI 03H", "STA 2000H", "HLT"});

TEST_F(RunWindowTest, FreshRunAssemblesRunsAndReports) {
    Load(kShortProgram);
    run.BeginRun();
    EXPECT_EQ(Lines(), (Strings{"Compiling code ...", "Compiled successfully", "Running program from address 1000 ...",
                                "Execution finished"}));
    EXPECT_EQ(status.Panel(1), "Execution finished");
    EXPECT_EQ(window.captions, (Strings{"Stop", "Pause", "Close"}));
    EXPECT_FALSE(window.hiddenByItself);
    EXPECT_EQ(app->Processor.Memory[0x2000], 0x08);
    EXPECT_EQ(app->Processor.TStateCount, 7 + 7 + 13 + 5);
    EXPECT_FALSE(app->Machine.Running());
    EXPECT_EQ(views.gridRefreshes, 1);
    EXPECT_FALSE(views.lastKeepStatusText);
    EXPECT_FALSE(app->Assembly.RecompileNeeded);

    // Again without an edit: no assembly, a new run from the start with the count back at zero.
    run.BeginRun();
    EXPECT_EQ(Lines(), (Strings{"Running program from address 1000 ...", "Execution finished"}));
    EXPECT_EQ(app->Processor.TStateCount, 32);
}

TEST_F(RunWindowTest, BreakpointPausesWithItsLineSelectedAndResumesPastIt) {
    Load(Source({"MVI A,01H", "INR A", ";BREAK", "INR A", "INR A", "HLT"}));
    run.BeginRun();
    EXPECT_EQ(Lines().back(), "Breakpoint encountered");
    EXPECT_EQ(status.Panel(1), "Breakpoint encountered - execution paused");
    EXPECT_TRUE(window.hiddenByItself);
    EXPECT_EQ(app->Processor.ProgramCounter, 0x1003);
    EXPECT_EQ(editor.SelText(), "INR A\r\n");
    EXPECT_TRUE(cycle.EditorLocked());
    EXPECT_TRUE(editor.readOnly);
    EXPECT_EQ(app->Processor.TStateCount, 7 + 4);

    run.BeginRun();
    EXPECT_EQ(Lines(), (Strings{"Resuming program from address 1003 ...", "Execution finished"}));
    EXPECT_EQ(app->Processor.Register(RegA), 4);
    EXPECT_EQ(app->Processor.TStateCount, 7 + 4 + 4 + 4 + 5);
    EXPECT_FALSE(cycle.EditorLocked());
}

TEST_F(RunWindowTest, PauseStopsALongLoopAtTheNextYield) {
    Load(Source({"LOOP: JMP LOOP"}));
    pump.onEvents = [this] {
        if (app->Machine.Running()) run.OnStopButtonClicked();
    };
    run.BeginRun();
    EXPECT_EQ(Lines().back(), "Execution paused");
    EXPECT_EQ(status.Panel(1), "Execution paused");
    EXPECT_EQ(app->Processor.TStateCount, 100 * 10);
    EXPECT_TRUE(app->Machine.Running());
    EXPECT_FALSE(window.hiddenByItself);
    EXPECT_EQ(editor.SelText(), "LOOP: JMP LOOP\r\n");
    EXPECT_TRUE(cycle.EditorLocked());
}

TEST_F(RunWindowTest, StopRequestedBeforeAShortAssemblyPausesAfterTheFirstInstruction) {
    Load(kShortProgram);
    pump.onEvents = [this] {
        if (window.buttonCaption == "Stop") run.OnStopButtonClicked();
    };
    run.BeginRun();
    EXPECT_EQ(Lines(), (Strings{"Compiling code ...", "Compiled successfully", "Running program from address 1000 ...",
                                "Execution paused"}));
    EXPECT_EQ(app->Processor.ProgramCounter, 0x1002);
}

TEST_F(RunWindowTest, StopDuringALongAssemblyHaltsTheCompiler) {
    std::string text;
    for (int i = 0; i < 250; ++i) text += "NOP\r\n";
    Load(text + "HLT\r\n");
    editor.SetSelStart(7);
    app->Assembly.RecompileNeeded = true;
    pump.onEvents = [this] {
        if (pump.calls == 2) run.OnStopButtonClicked();  // the compiler's yield after line 100
    };
    run.BeginRun();
    EXPECT_EQ(Lines(), (Strings{"Compiling code ...", "Compiler halted by user !"}));
    EXPECT_EQ(status.Panel(1), "Compiler halted by user !");
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_EQ(editor.selStart, 7);
    EXPECT_EQ(editor.selLength, 0);
    EXPECT_TRUE(app->Assembly.RecompileNeeded);
}

TEST_F(RunWindowTest, CompileErrorSelectsTheLineAndRunsNothing) {
    Load(Source({"NOP", "NOP", "; fine", "NOP", "MOV A,Q", "HLT"}));
    run.BeginRun();
    EXPECT_EQ(Lines(), (Strings{"Compiling code ...", "Compiler error : Invalid Mnemonic",
                                "Press 'Close' to see the line containing the error"}));
    EXPECT_EQ(status.Panel(1), "Compiler error : Invalid Mnemonic");
    EXPECT_EQ(editor.SelText(), "MOV A,Q\r\n");
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_FALSE(app->Machine.Running());
    EXPECT_TRUE(app->Assembly.RecompileNeeded);
}

TEST_F(RunWindowTest, CompileOnlyReportsItsTime) {
    Load(kShortProgram);
    clock.times = {100.0, 100.17};
    run.BeginCompile();
    EXPECT_EQ(status.Panel(1), "Compile successful  (0.17 sec)");
    EXPECT_EQ(Lines(), (Strings{"Compiling code ...", "Compiled successfully"}));
    EXPECT_FALSE(app->Machine.Running());

    clock.times = {5.0, 7.0};
    run.BeginCompile();  // assembles again even though nothing changed
    EXPECT_EQ(status.Panel(1), "Compile successful  (2 sec)");
    clock.times = {5.0, 5.0};
    run.BeginCompile();
    EXPECT_EQ(status.Panel(1), "Compile successful");
}

TEST_F(RunWindowTest, RuntimeErrorAndMissingCodeAreReported) {
    Load(Source({"MVI A,1"}));
    run.BeginRun();
    EXPECT_EQ(Lines().back(), "Runtime error : Missing HLT. Uncompiled address reached");
    EXPECT_EQ(status.Panel(1), "Runtime error : Missing HLT. Uncompiled address reached");
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_FALSE(app->Machine.Running());

    app->Assembly.StartAddress = -1;  // as before the first assembly
    app->Processor.ProgramCounter = 0x1000;
    Load(Source({"; nothing", "LABEL:"}));
    run.BeginRun();
    EXPECT_EQ(Lines().back(), "No code to execute !");
    EXPECT_EQ(status.Panel(1), "No code to execute !");
    EXPECT_EQ(app->Processor.ProgramCounter, 0x1000);  // never the -1 of "no start address"
}

TEST_F(RunWindowTest, UnsupportedInstructionsWarnOncePerShowing) {
    Load(Source({"MVI B,3", "LOOP: OUT 10H", "DCR B", "JNZ LOOP", ";BREAK", "OUT 10H", "HLT"}));
    run.BeginRun();
    EXPECT_EQ(Lines(), (Strings{"Compiling code ...", "Compiled successfully", "Running program from address 1000 ...",
                                "Warning : Instruction OUT (D3H) not supported.", "Breakpoint encountered"}));
    run.BeginRun();
    EXPECT_EQ(Lines(), (Strings{"Resuming program from address 1008 ...",
                                "Warning : Instruction OUT (D3H) not supported.", "Execution finished"}));
}

TEST_F(RunWindowTest, MonitoringFollowsTheBoxesAtTheFrameRate) {
    // 1 + 255 * 4 + 1 instructions: a yield after every hundred.
    Load(Source({"MVI B,0FFH", "LOOP: STA 2000H", "INR A", "DCR B", "JNZ LOOP", "HLT"}));
    app->Machine.WatchOnly({{0x2000, 1}});
    cycle.SetMonitorRegisters(true);
    cycle.SetMonitorMemory(false);
    clock.times = {0.0, 0.01, 0.02, 0.025, 0.04};  // the start, then the yields' readings
    run.BeginRun();
    EXPECT_TRUE(window.monitorRegistersChecked);
    EXPECT_FALSE(window.monitorMemoryChecked);
    EXPECT_EQ(views.registerRefreshes, 2 + 1);  // at 0.02 and 0.04 s, then the end of the cycle
    EXPECT_TRUE(views.shownBytes.empty());

    run.OnMonitorRegistersToggled(false);
    run.OnMonitorMemoryToggled(true);
    EXPECT_FALSE(cycle.State().MonitorRegisters);
    EXPECT_TRUE(cycle.State().MonitorMemory);
    views.registerRefreshes = 0;
    clock.times = {1.0, 1.0, 1.01};
    run.BeginRun();
    EXPECT_EQ(views.registerRefreshes, 1);   // only the end of the cycle
    ASSERT_EQ(views.shownBytes.size(), 1u);  // at the first yield: FFH from the first run plus 24
    EXPECT_EQ(views.shownBytes[0], (std::pair<std::uint16_t, std::uint8_t>{0x2000, 0x17}));
}

TEST_F(RunWindowTest, CloseButtonHidesOnlyWhenTheCycleIsOver) {
    window.visible = true;
    window.buttonCaption = "Close";
    run.OnCloseRequested();
    EXPECT_FALSE(cycle.State().StopRequested);
    EXPECT_FALSE(window.visible);
    window.visible = true;
    window.buttonCaption = "Pause";
    run.OnStopButtonClicked();
    EXPECT_TRUE(cycle.State().StopRequested);
    EXPECT_TRUE(window.visible);
}

TEST_F(RunWindowTest, AssemblingAPausedProgramAbandonsItAndUnlocksTheEditor) {
    Load(Source({"NOP", ";BREAK", "NOP", "HLT"}));
    run.BeginRun();
    ASSERT_TRUE(cycle.EditorLocked());
    run.BeginCompile();
    EXPECT_FALSE(app->Machine.Running());
    EXPECT_FALSE(cycle.EditorLocked());
    EXPECT_FALSE(editor.readOnly);
}

}  // namespace
}  // namespace vantric
