// The run window, step mode, halt and reset driven through the keys of the real program.

#include "qt/DesktopFixture.h"

using namespace vantric;
using namespace vantric::testing;

namespace {
// About 33 million instructions: long enough to be paused, short enough to end if Pause failed.
std::string LongLoop() {
    return CrLf({"        MVI D,00H", "OUTER:  MVI C,00H", "MIDDLE: MVI B,00H", "INNER:  DCR B", "        JNZ INNER",
                 "        DCR C", "        JNZ MIDDLE", "        DCR D", "        JNZ OUTER", "        HLT"});
}
}  // namespace

class RunWindowTest : public QObject {
    Q_OBJECT
private slots:
    void compileAndRunAProgramWithTheFunctionKeys() {
        Desktop d;
        QVERIFY(d.active);
        d.editor().SetText(CrLf({"MVI A,05H", "ADI 03H", "HLT"}));
        ModalCloser closer(d);
        // Switching away from the open window and back runs no second cycle.
        bool sameList = false;
        closer.beforeClose = [&](qt::RunWindow& run) {
            const QListWidgetItem* first = run.List().item(0);
            d.window().activateWindow();
            QTRY_VERIFY(!run.isActiveWindow());
            run.activateWindow();
            QTRY_VERIFY(run.isActiveWindow());
            sameList = run.List().item(0) == first && run.List().count() == 2;
        };

        d.press(Qt::Key_F4);
        QCOMPARE(closer.closedRunLines, QStringList({"Compiling code ...", "Compiled successfully"}));
        QVERIFY(sameList);
        closer.beforeClose = nullptr;
        QVERIFY(d.panel(1).startsWith(QStringLiteral("Compile successful")));
        QVERIFY(!d.run().isVisible());
        QCOMPARE(d.run().windowTitle(), QStringLiteral("Simulation"));

        d.press(Qt::Key_F5);
        // Assembled by F4 and unchanged since: no assembly lines.
        QCOMPARE(closer.closedRunLines, QStringList({"Running program from address 1000 ...", "Execution finished"}));
        QCOMPARE(d.panel(1), QStringLiteral("Execution finished"));
        QCOMPARE(d.panel(2), QStringLiteral("T states : 19"));
        QCOMPARE(d.program.Registers().Box(platform::RegisterField::A)->text(), QStringLiteral("08"));
        QCOMPARE(d.program.Engine().State().Register(RegA), 8);
        QCOMPARE(d.program.Engine().State().TStateCount, 7 + 7 + 5);
        QVERIFY(!d.program.Engine().Running());
    }

    void breakpointClosesTheWindowWithItsLineSelectedAndRunResumes() {
        Desktop d;
        const std::string source = CrLf({"MVI A,01H", "MVI B,02H", ";BREAK", "ADD B", "HLT"});
        d.editor().SetText(source);
        ModalCloser closer(d);

        d.press(Qt::Key_F5);
        QVERIFY(!d.run().isVisible());
        QCOMPARE(d.runLines().last(), QStringLiteral("Breakpoint encountered"));
        QCOMPARE(d.panel(1), QStringLiteral("Breakpoint encountered - execution paused"));
        QCOMPARE(d.selection(), std::string("ADD B\r\n"));
        QCOMPARE(d.editor().textCursor().selectedText(), QStringLiteral("ADD B") + QChar(0x2029));
        QVERIFY(d.editor().isReadOnly());
        QVERIFY(closer.closedRunLines.isEmpty());  // nobody pressed Close
        const qint64 pausedAt = d.program.Engine().State().TStateCount;

        d.press(Qt::Key_F5);
        QCOMPARE(closer.closedRunLines, QStringList({"Resuming program from address 1004 ...", "Execution finished"}));
        QCOMPARE(d.program.Engine().State().Register(RegA), 3);
        QCOMPARE(d.program.Engine().State().TStateCount, pausedAt + 4 + 5);
        QVERIFY(!d.editor().isReadOnly());
    }

    void pauseStopsALongLoopAndSelectsTheCurrentLine() {
        Desktop d;
        d.editor().SetText(LongLoop());
        ModalCloser closer(d);
        QElapsedTimer running;
        closer.onRunning = [&](qt::RunWindow& run) {
            if (run.StopButton().text() != QStringLiteral("Pause")) return;
            if (!running.isValid()) running.start();
            if (running.elapsed() > 20) QTest::mouseClick(&run.StopButton(), Qt::LeftButton);
        };

        d.press(Qt::Key_F5);
        QCOMPARE(closer.closedRunLines.last(), QStringLiteral("Execution paused"));
        QCOMPARE(d.panel(1), QStringLiteral("Execution paused"));
        QVERIFY(d.program.Engine().Running());
        const std::string line = d.selection();
        QVERIFY2(line.size() > 2 && LongLoop().find(line) != std::string::npos, line.c_str());
        QVERIFY(d.program.Engine().State().TStateCount > 10000);
        QVERIFY(d.editor().isReadOnly());
    }

    void closeBoxDuringARunPausesItAndMonitoringBoxesActAtOnce() {
        Desktop d;
        d.editor().SetText(LongLoop());
        ModalCloser closer(d);
        bool closed = false;
        closer.onRunning = [&](qt::RunWindow& run) {
            if (run.StopButton().text() != QStringLiteral("Pause") || closed) return;
            QTest::mouseClick(&run.MonitorRegistersBox(), Qt::LeftButton);
            QTest::mouseClick(&run.MonitorMemoryBox(), Qt::LeftButton);
            QVERIFY(d.program.Cycle().State().MonitorRegisters);
            QVERIFY(!d.program.Cycle().State().MonitorMemory);
            closed = true;
            run.close();
        };

        d.press(Qt::Key_F5);
        QVERIFY(closed);
        QCOMPARE(closer.closedRunLines.last(), QStringLiteral("Execution paused"));
        // The boxes keep their state for the next showing.
        QVERIFY(d.run().MonitorRegistersBox().isChecked());
        QVERIFY(!d.run().MonitorMemoryBox().isChecked());
    }

    void compileErrorSelectsTheLine() {
        Desktop d;
        d.editor().SetText(CrLf({"MVI A,01H", "BOGUS", "HLT"}));
        ModalCloser closer(d);
        d.press(Qt::Key_F5);
        QCOMPARE(closer.closedRunLines.mid(1), QStringList({"Compiler error : Invalid Mnemonic",
                                                            "Press 'Close' to see the line containing the error"}));
        QCOMPARE(d.selection(), std::string("BOGUS\r\n"));
    }

    void stepSelectsTheNextLineHaltAndResetEndIt() {
        Desktop d;
        d.editor().SetText(CrLf({"MVI A,01H", "MVI B,02H", "ADD B", "HLT"}));
        ModalCloser closer(d);

        d.press(Qt::Key_F8);  // assembles first
        QCOMPARE(closer.closedRunLines, QStringList({"Compiling code ...", "Compiled successfully"}));
        d.press(Qt::Key_F8);
        QCOMPARE(d.panel(1), QStringLiteral("Running in step mode"));
        QCOMPARE(d.selection(), std::string("MVI B,02H\r\n"));
        QVERIFY(d.editor().isReadOnly());
        QCOMPARE(d.panel(2), QStringLiteral("T states : 7"));
        d.press(Qt::Key_F8);
        QCOMPARE(d.selection(), std::string("ADD B\r\n"));
        QCOMPARE(d.program.Engine().State().Register(RegB), 2);

        d.press(Qt::Key_F9);
        QCOMPARE(d.panel(1), QStringLiteral("Program halted"));
        QCOMPARE(d.editor().SelLength(), 0);
        QVERIFY(!d.editor().isReadOnly());
        QVERIFY(!d.program.Engine().Running());

        // Stepping again starts over, and runs to the end.
        for (int i = 0; i < 4; ++i) d.press(Qt::Key_F8);
        QCOMPARE(closer.messages,
                 QStringList({"Program halted: Execution of the program halted normally (HLT instruction)"}));
        QCOMPARE(d.panel(1), QStringLiteral("Finished running in step mode"));

        d.window().MenuAction(CommandId::Reset)->trigger();
        QCOMPARE(d.program.Engine().State().Register(RegA), 0);
        QCOMPARE(d.program.Grid().CellText(1, 1), std::string("00"));
        QCOMPARE(d.program.Engine().State().ProgramCounter, 0x1000);
        QCOMPARE(d.program.Engine().State().Memory[0x1000], 0);
        QVERIFY(d.program.Program().RecompileNeeded);
    }

    void runWindowIsCentredOverTheMainWindow() {
        Desktop d;
        d.editor().SetText(CrLf({"HLT"}));
        ModalCloser closer(d);
        d.press(Qt::Key_F4);
        QVERIFY(!closer.closedRunLines.isEmpty());
        const QPoint offset = closer.closedRunGeometry.center() - d.window().frameGeometry().center();
        // Within the window frame's width, which is not known before the first showing.
        QVERIFY2(std::abs(offset.x()) <= 3 && std::abs(offset.y()) <= 3,
                 qPrintable(QStringLiteral("off by %1, %2").arg(offset.x()).arg(offset.y())));
    }
};

QTEST_MAIN(RunWindowTest)
#include "RunWindowTest.moc"
