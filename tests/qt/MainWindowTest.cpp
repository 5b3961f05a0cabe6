// The main window of the real program: start-up state, layout and resize rules, and every menu
// shortcut and toolbar button reaching its command.

#include <QMenu>
#include <QMenuBar>

#include "qt/DesktopFixture.h"

using namespace vantric;
using namespace vantric::testing;
using platform::MainWindowControl;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startsUntitledWithTheFivePanelsAndTheLayout() {
        Desktop d;
        QVERIFY(d.started);
        QVERIFY(d.window().isVisible());
        QCOMPARE(d.window().windowTitle(), QStringLiteral("Vantric - [untitled]"));
        QCOMPARE(d.panel(1), QStringLiteral("Finished loading instruction set"));
        QCOMPARE(d.panel(2), QStringLiteral("Program not running"));
        QCOMPARE(d.panel(3), QStringLiteral("INS"));
        QCOMPARE(d.panel(4), QStringLiteral("CAPS"));
        QCOMPARE(d.panel(5), QStringLiteral("NUM"));
        QCOMPARE(d.program.Engine().State().StackPointer, 0xFFF0);
        QCOMPARE(d.program.Engine().State().ProgramCounter, 0x1000);

        const QRect editor = d.window().Control(MainWindowControl::Editor).geometry();
        const QRect registers = d.window().Control(MainWindowControl::RegisterPanel).geometry();
        const QRect grid = d.window().Control(MainWindowControl::MemoryGrid).geometry();
        const QRect status = d.window().Status().geometry();
        QCOMPARE(editor.left(), 2);
        QCOMPARE(editor.right() + 1, registers.left() - 2);
        QCOMPARE(registers.top(), editor.top());
        QCOMPARE(editor.bottom() + 1, status.top());
        QCOMPARE(grid.bottom() + 1, status.top());
        QCOMPARE(grid.right() + 1, d.window().centralWidget()->width() - 2);
        QCOMPARE(status.bottom() + 1, d.window().centralWidget()->height());
        QVERIFY(d.editor().font().fixedPitch());

        // Three memory columns of 64 rows under one heading row.
        qt::MemoryGridView& memory = d.program.Grid();
        QCOMPARE(&memory, &d.window().Control(MainWindowControl::MemoryGrid));
        QCOMPARE(memory.Rows(), 65);
        QCOMPARE(memory.Cols(), 6);
        QCOMPARE(memory.CellText(0, 0), std::string("Address"));
        QCOMPARE(memory.CellText(0, 1), std::string("Data"));
        QCOMPARE(memory.CellText(1, 0), std::string("1000"));
        QCOMPARE(memory.CellText(64, 0), std::string("103F"));
        QCOMPARE(memory.CellText(1, 2), std::string("2000"));
        QCOMPARE(memory.CellText(64, 4), std::string("303F"));
        QCOMPARE(memory.CellText(64, 5), std::string("00"));
        QCOMPARE(d.program.Registers().Box(platform::RegisterField::StackPointer)->text(), QStringLiteral("FFF0"));
        QVERIFY(!d.window().Control(MainWindowControl::EntryBox).isVisible());
    }

    void commandLineFileIsNamedInTheCaption() {
        Desktop d("\"/tmp/my programs/add.85\"");
        QCOMPARE(d.window().windowTitle(), QStringLiteral("Vantric - [/tmp/my programs/add.85]"));
    }

    void resizingStretchesTheGridAndTheEditorOnly() {
        Desktop d;
        QWidget& grid = d.window().Control(MainWindowControl::MemoryGrid);
        QWidget& editor = d.window().Control(MainWindowControl::Editor);
        const QRect gridBefore = grid.geometry();
        const QRect editorBefore = editor.geometry();
        const QRect registersBefore = d.window().Control(MainWindowControl::RegisterPanel).geometry();

        d.window().resize(d.window().width() + 100, d.window().height());
        QTRY_COMPARE(grid.width(), gridBefore.width() + 100);
        QCOMPARE(editor.geometry(), editorBefore);
        QCOMPARE(d.window().Control(MainWindowControl::RegisterPanel).geometry(), registersBefore);

        d.window().resize(d.window().width(), d.window().height() + 60);
        QTRY_COMPARE(grid.height(), gridBefore.height() + 60);
        QCOMPARE(editor.height(), editorBefore.height() + 60);
        QCOMPARE(editor.width(), editorBefore.width());

        // So short that the grid would vanish: it keeps its height; the editor still follows.
        const int clientLeft = d.window().height() - d.window().centralWidget()->height();
        const int statusHeight = d.window().Status().height();
        d.window().resize(d.window().width(), clientLeft + grid.y() + statusHeight - 10);
        QTRY_COMPARE(editor.height(), grid.y() - 10 - editor.y());
        QCOMPARE(grid.height(), gridBefore.height() + 60);
    }

    void everyShortcutAndToolbarButtonReachesItsCommand() {
        Desktop d;
        QVERIFY(d.active);
        std::vector<CommandId> ran;
        for (int i = 0; i < kCommandCount; ++i)
            d.program.Commands().Connect(static_cast<CommandId>(i),
                                         [&ran, i] { ran.push_back(static_cast<CommandId>(i)); });

        // Outside the editor, which handles its own clipboard keys.
        d.window().setFocus();
        std::vector<CommandId> expected;
        for (const MenuDefinition& menu : MenuBar())
            for (const MenuEntry& entry : menu.Entries) {
                if (entry.Shortcut.empty()) continue;
                const QKeySequence keys(Latin1(std::string(entry.Shortcut)));
                QTest::keySequence(&d.window(), keys);
                expected.push_back(entry.Id);
            }
        QTest::keyClick(&d.window(), Qt::Key_N, Qt::ControlModifier);  // File > New has no shortcut
        QCOMPARE(ran, expected);

        // Main toolbar: the editor has the focus afterwards, except after "exit".
        ran.clear();
        expected.clear();
        for (const ToolbarButton& button : MainToolbarButtons()) {
            d.window().setFocus();
            QAction* action = d.window().ToolbarAction(qt::ToolbarKind::Main, std::string(button.Key));
            QVERIFY(action);
            QCOMPARE(action->toolTip(), Latin1(std::string(button.Tooltip)));
            QVERIFY(!action->icon().isNull());
            QTest::mouseClick(d.window().MainToolbar().widgetForAction(action), Qt::LeftButton);
            expected.push_back(button.Id);
            QCOMPARE(d.editor().hasFocus(), button.Key != "exit");
        }
        for (const ToolbarButton& button : MemoryToolbarButtons()) {
            d.window().setFocus();
            QAction* action = d.window().ToolbarAction(qt::ToolbarKind::Memory, std::string(button.Key));
            QTest::mouseClick(d.window().MemoryToolbar().widgetForAction(action), Qt::LeftButton);
            expected.push_back(button.Id);
            QVERIFY(!d.editor().hasFocus());
        }
        QCOMPARE(ran, expected);
    }

    void memoryToolbarOpensTheColumnsDialogAndRefreshRebuildsTheGrid() {
        Desktop d;
        bool shown = false;
        QTimer::singleShot(20, [&] {
            shown = d.program.ColumnsDialog().isVisible();
            d.program.ColumnsDialog().reject();
        });
        QAction* cols = d.window().ToolbarAction(qt::ToolbarKind::Memory, "cols");
        QTest::mouseClick(d.window().MemoryToolbar().widgetForAction(cols), Qt::LeftButton);
        QVERIFY(shown);
        QVERIFY(!d.program.ColumnsDialog().isVisible());

        d.program.Engine().State().Memory[0x2001] = 0xAB;
        d.window().MenuAction(CommandId::Refresh)->trigger();
        QCOMPARE(d.program.Grid().CellText(2, 3), std::string("AB"));
    }

    void menusCarryTheirCaptionsAndNothingIsDisabled() {
        Desktop d;
        const QList<QAction*> menus = d.window().menuBar()->actions();
        QCOMPARE(menus.size(), 4);
        QCOMPARE(menus[2]->text(), QStringLiteral("&CPU"));
        const QList<QAction*> cpu = menus[2]->menu()->actions();
        QCOMPARE(cpu.size(), 15);
        QCOMPARE(cpu[0]->text(), QStringLiteral("&Compile program"));
        QVERIFY(cpu[5]->isSeparator());
        QCOMPARE(cpu[13]->text(), QStringLiteral("Step o&ver"));  // added after the original entries
        QCOMPARE(cpu[14]->text(), QStringLiteral("Run &to cursor"));
        QCOMPARE(cpu[0]->objectName(), QStringLiteral("compileAction"));
        for (QAction* menu : menus)
            for (QAction* entry : menu->menu()->actions()) QVERIFY(entry->isEnabled());
    }

    void editsMarkTheProgramChangedAndFocusIsTracked() {
        Desktop d;
        d.program.Program().RecompileNeeded = false;
        QVERIFY(!d.program.Files().State().ProgramModified);
        d.editor().setFocus();
        QTest::keyClicks(&d.editor(), QStringLiteral("NOP"));
        QCOMPARE(d.editor().Text(), std::string("NOP"));
        QVERIFY(d.program.Files().State().ProgramModified);
        QVERIFY(d.program.Program().RecompileNeeded);
        QVERIFY(d.program.Presenter().State().WindowHasFocus);
    }

    void exitClosesTheMainWindow() {
        Desktop d;
        d.press(Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!d.window().isVisible());
    }

    void lockKeyPanelsFollowTheKeys() {
        Desktop d;
        qt::QtStatusBar& status = d.window().Status();
        QVERIFY(!status.KeyPanelOn(3));
        QTest::keyClick(d.window().windowHandle(), Qt::Key_Insert);
        QVERIFY(status.KeyPanelOn(3));
        QTest::keyClick(d.window().windowHandle(), Qt::Key_CapsLock);
        QVERIFY(status.KeyPanelOn(4));
        QTest::keyClick(d.window().windowHandle(), Qt::Key_CapsLock);
        QVERIFY(!status.KeyPanelOn(4));
        QTest::keyClick(d.window().windowHandle(), Qt::Key_NumLock);
        QVERIFY(status.KeyPanelOn(5));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
