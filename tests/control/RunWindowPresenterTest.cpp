#include "control/ControlFixture.h"

namespace vantric {
namespace {

using Strings = std::vector<std::string>;

// A fresh run's progress lines and outcomes are the command-line runner's golden cases; these are the
// window's own: its button, hiding itself, pausing, resuming and the editor around a cycle.
class RunWindowTest : public ControlFixture {};

TEST_F(RunWindowTest, BreakpointHidesTheWindowAResumeRunsPastItAndAnEditStartsAfresh) {
    Load(Source({"MVI A,01H", "OUT 10H", "INR A", ";BREAK", "OUT 10H", "INR A", "HLT"}));
    run.BeginRun();
    EXPECT_EQ(window.captions, (Strings{"Stop", "Pause", "Close"}));
    EXPECT_TRUE(window.hiddenByItself);
    EXPECT_EQ(status.Panel(1), "Breakpoint encountered - execution paused");
    EXPECT_EQ(status.Panel(2), "T states : ??");  // from the run's start; the fake views never rewrite it
    EXPECT_EQ(editor.SelText(), "OUT 10H\r\n");
    EXPECT_TRUE(editor.readOnly);
    EXPECT_EQ(views.gridRefreshes, 1);
    EXPECT_FALSE(views.lastKeepStatusText);

    run.BeginRun();  // each showing warns again
    EXPECT_EQ(Lines(), (Strings{"Resuming program from address 1005 ...",
                                "Warning : Instruction OUT (D3H) not supported.", "Execution finished"}));
    EXPECT_FALSE(window.hiddenByItself);
    EXPECT_EQ(editor.selLength, 0);
    EXPECT_FALSE(editor.readOnly);
    EXPECT_EQ(app->Processor.Register(RegA), 3);
    EXPECT_EQ(app->Processor.TStateCount, 7 + 10 + 4 + 10 + 4 + 5);

    run.BeginRun();  // nothing edited: no assembly, a new run with the count from zero
    EXPECT_EQ(Lines().front(), "Running program from address 1000 ...");
    EXPECT_EQ(app->Processor.TStateCount, 7 + 10 + 4);
    app->Assembly.RecompileNeeded = true;  // edited while paused: assembled, then run from the start
    run.BeginRun();
    EXPECT_EQ(Lines()[2], "Running program from address 1000 ...");
    EXPECT_EQ(app->Processor.TStateCount, 7 + 10 + 4);
    EXPECT_FALSE(app->Assembly.RecompileNeeded);
}

TEST_F(RunWindowTest, PauseStopsALongLoopCloseHidesAndAssemblingAbandonsIt) {
    Load(Source({"LOOP: JMP LOOP"}));
    pump.onEvents = [this] {
        if (app->Machine.Running()) run.OnStopButtonClicked();
    };
    run.BeginRun();
    EXPECT_EQ(Lines().back(), "Execution paused");
    EXPECT_EQ(app->Processor.TStateCount, 100 * 10);
    EXPECT_FALSE(window.hiddenByItself);
    EXPECT_EQ(editor.SelText(), "LOOP: JMP LOOP\r\n");
    EXPECT_TRUE(editor.readOnly);
    window.visible = true;
    run.OnCloseRequested();  // the button reads Close now
    EXPECT_FALSE(window.visible);

    run.BeginCompile();
    EXPECT_FALSE(app->Machine.Running());
    EXPECT_FALSE(editor.readOnly);
}

TEST_F(RunWindowTest, StopDuringALongAssemblyHaltsTheCompiler) {
    std::string text;
    for (int i = 0; i < 250; ++i) text += "NOP\r\n";
    Load(text + "HLT\r\n");
    editor.SetSelStart(7);
    editor.SetSelLength(3);
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

TEST_F(RunWindowTest, CompileOnlyReportsItsTimeOrSelectsTheErrorLine) {
    Load(Source({"MVI A,05H", "HLT"}));
    editor.SetSelStart(4);
    editor.SetSelLength(3);
    clock.times = {100.0, 100.17};
    run.BeginCompile();
    EXPECT_EQ(status.Panel(1), "Compile successful  (0.17 sec)");
    EXPECT_EQ(editor.selLength, 0);
    clock.times = {5.0, 7.0};
    run.BeginCompile();  // assembles again even though nothing changed
    EXPECT_EQ(status.Panel(1), "Compile successful  (2 sec)");
    clock.times = {5.0, 5.0};
    run.BeginCompile();
    EXPECT_EQ(status.Panel(1), "Compile successful");

    Load(Source({"NOP", "MOV A,Q", "HLT"}));
    run.BeginCompile();
    EXPECT_EQ(Lines().back(), "Press 'Close' to see the line containing the error");
    EXPECT_EQ(editor.SelText(), "MOV A,Q\r\n");
    EXPECT_EQ(messages.beeps, 1);

    app->Assembly.StartAddress = -1;  // as before the first assembly
    Load(Source({"; nothing", "LABEL:"}));
    run.BeginRun();
    EXPECT_EQ(status.Panel(1), "No code to execute !");
    EXPECT_EQ(app->Processor.ProgramCounter, 0x1000);  // never the -1 of "no start address"
}

TEST_F(RunWindowTest, MonitoringFollowsTheBoxesAtTheFrameRate) {
    // 1 + 255 * 4 + 1 instructions: a yield after every hundred.
    Load(Source({"MVI B,0FFH", "LOOP: STA 2000H", "INR A", "DCR B", "JNZ LOOP", "HLT"}));
    app->Machine.WatchOnly({{0x2000, 1}});
    run.OnMonitorRegistersToggled(true);
    run.OnMonitorMemoryToggled(false);
    clock.times = {0.0, 0.01, 1.0 / 60, 0.03, 0.035};  // the start, then the yields' readings
    run.BeginRun();
    EXPECT_TRUE(window.monitorRegistersChecked);
    EXPECT_FALSE(window.monitorMemoryChecked);
    EXPECT_EQ(views.registerRefreshes, 2 + 1);  // a frame (1/60 s) apart, then the end of the cycle
    EXPECT_TRUE(views.shownBytes.empty());

    run.OnMonitorRegistersToggled(false);
    run.OnMonitorMemoryToggled(true);
    views.registerRefreshes = 0;
    clock.times = {1.0, 1.0, 1.01};
    run.BeginRun();
    EXPECT_FALSE(window.monitorRegistersChecked);
    EXPECT_TRUE(window.monitorMemoryChecked);
    EXPECT_EQ(views.registerRefreshes, 1);   // only the end of the cycle
    ASSERT_EQ(views.shownBytes.size(), 1u);  // at the first yield: FFH from the first run plus 24
    EXPECT_EQ(views.shownBytes[0], (std::pair<std::uint16_t, std::uint8_t>{0x2000, 0x17}));
}

}  // namespace
}  // namespace vantric
