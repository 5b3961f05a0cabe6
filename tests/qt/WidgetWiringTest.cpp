// Each widget of the real program that edits state reaching its presenter, and what only the widget
// layer does: the editor's text and positions, the focus, the clipboard, the grid's notifications.

#include <QAbstractItemModelTester>
#include <QClipboard>
#include <QScrollBar>

#include "qt/DesktopFixture.h"

using namespace vantric;
using namespace vantric::testing;
using platform::BlockField;
using platform::RegisterField;

namespace {
// Keys go to the focused field, with Tab between the texts.
void Type(std::initializer_list<const char*> texts) {
    for (const char* text : texts) {
        if (text != *texts.begin()) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(text));
    }
}
QString Text(const std::string& text) { return QString::fromStdString(text); }
}  // namespace

class WidgetWiringTest : public QObject {
    Q_OBJECT
private slots:
    void registerPanelEditsTheMachineAndTheWindowFollowsResizes() {
        Desktop d;
        const ProcessorState& cpu = d.program.Engine().State();
        QCOMPARE(d.box(RegisterField::StackPointer), QStringLiteral("FFF0"));
        QVERIFY(d.active);
        d.program.Registers().Box(RegisterField::B)->setFocus();
        Type({"123", "5g"});  // stored as typed, two digits at most
        QCOMPARE(cpu.Register(RegB), 0x12);
        QCOMPARE(cpu.Register(RegC), 5);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // back to the editor, the box tidied
        QVERIFY(d.editor().hasFocus());
        QCOMPARE(d.box(RegisterField::B) + d.box(RegisterField::C), QStringLiteral("1205"));
        QTest::mouseClick(d.program.Registers().Box(RegisterField::StackPointer), Qt::LeftButton);
        Type({"abc"});  // the click selected the whole value
        d.editor().setFocus();
        QCOMPARE(d.box(RegisterField::StackPointer), QStringLiteral("0ABC"));
        QCOMPARE(cpu.StackPointer, 0x0ABC);
        QTest::mouseClick(d.program.Registers().Cell(0), Qt::LeftButton);
        QCOMPARE(cpu.Flags, 0x01);
        QCOMPARE(d.box(RegisterField::Flags) + d.program.Registers().Cell(0)->text(), QStringLiteral("011"));

        const int width = d.program.Grid().width();
        d.window().resize(d.window().width() + 100, d.window().height());
        QTRY_COMPARE(d.program.Grid().width(), width + 100);
        QTest::keyClick(d.window().windowHandle(), Qt::Key_Insert);
        QVERIFY(d.window().Status().KeyPanelOn(3));
    }

    void gridAndEntryBoxWriteMemoryAndNotifyExactlyTheChangedCells() {
        Desktop d;
        qt::MemoryGridView& grid = d.program.Grid();
        QAbstractItemModelTester tester(grid.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        auto& entry = static_cast<qt::DirectEntryBox&>(d.window().Control(platform::MainWindowControl::EntryBox));
        const auto& memory = d.program.Engine().State().Memory;
        const auto click = [&](int row, int column) {
            const QRect cell = grid.visualRect(grid.model()->index(row - 1, column));
            QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
        };
        QSignalSpy changes(grid.model(), &QAbstractItemModel::dataChanged);
        const auto changed = [&] {
            QString ranges;
            for (const QList<QVariant>& change : std::as_const(changes))
                for (const QModelIndex corner : {change[0].toModelIndex(), change[1].toModelIndex()})
                    ranges += QStringLiteral("%1,%2 ").arg(corner.row()).arg(corner.column());
            changes.clear();
            return ranges;
        };

        click(1, 1);
        QVERIFY(entry.isVisible() && entry.hasFocus());
        QCOMPARE(
            entry.geometry(),
            grid.visualRect(grid.currentIndex()).translated(grid.viewport()->mapTo(entry.parentWidget(), QPoint())));
        QTest::keyClicks(&entry, "3e");
        QTest::keyClick(&entry, Qt::Key_Return);
        QCOMPARE(memory[0x1000], 0x3E);
        QCOMPARE(changed(), QStringLiteral("0,1 0,1 "));  // the one cell written
        QCOMPARE(grid.Row(), 2);
        QTest::keyClick(&entry, Qt::Key_Up);
        QTest::keyClicks(&entry, "aa");
        click(3, 3);  // leaving the box writes it
        QCOMPARE(memory[0x1000], 0xAA);
        QTest::keyClicks(&entry, "cc");
        grid.verticalScrollBar()->setValue(10);  // so does scrolling, which closes it
        QCOMPARE(memory[0x2002], 0xCC);
        QVERIFY(entry.isHidden());
        click(12, 5);
        d.editor().setFocus();
        QVERIFY(entry.isHidden());

        d.program.Engine().State().Memory[0x303F] = 0x76;
        changed();
        d.program.Commands().Execute(CommandId::Refresh);
        QCOMPARE(changed(), QStringLiteral("0,0 63,5 "));  // the whole grid, down to its last row

        // The address box makes Add the default button, and Enter adds; Remove; the rows; OK.
        qt::MemoryColumnsDialog& columns = d.program.ColumnsDialog();
        d.inDialog([&] {
            QVERIFY(columns.OkButton()->isDefault());
            columns.AddressEdit()->setFocus();
            QVERIFY(columns.AddButton()->isDefault());
            Type({"800"});
            QTest::keyClick(columns.AddressEdit(), Qt::Key_Return);
            columns.List()->setCurrentRow(3);
            QTest::mouseClick(columns.RemoveButton(), Qt::LeftButton);
            columns.RowsEdit()->setFocus();
            Type({"100"});
            QTest::mouseClick(columns.OkButton(), Qt::LeftButton);
        });
        d.click(qt::ToolbarKind::Memory, "cols");
        QCOMPARE(d.program.MemoryDump().ColumnStart, (std::vector<std::int32_t>{0, 0x0800, 0x1000, 0x2000}));
        QCOMPARE(grid.model()->rowCount(), 100);
        // Every showing starts from the settings in force, with OK the default button.
        d.inDialog([&] {
            QVERIFY(columns.OkButton()->isDefault() != columns.AddressEdit()->hasFocus());
            QCOMPARE(columns.RowsEdit()->text() + columns.List()->item(0)->text(), QStringLiteral("1000800"));
            QTest::mouseClick(columns.RemoveButton(), Qt::LeftButton);
            QTest::mouseClick(columns.CancelButton(), Qt::LeftButton);
        });
        d.click(qt::ToolbarKind::Memory, "cols");
        QCOMPARE(d.program.MemoryDump().MemoryColumnCount, 3);
    }

    void fillCopyAndFindDialogsReachTheirPresenters() {
        Desktop d;
        auto& memory = d.program.Engine().State().Memory;
        d.inDialog([] {
            Type({"2000", "2003", "5a"});
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // Fill is the default button
        });
        d.click(qt::ToolbarKind::Memory, "fill");
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(&memory[0x1FFF]), 6), QByteArray("\0\x5A\x5A\x5A\x5A\0", 6));
        QCOMPARE(d.program.Grid().CellText(4, 3), std::string("5A"));
        d.inDialog([&] {
            qt::CopyMemoryDialog& dialog = d.program.CopyDialog();
            Type({"2000", "2002", "2002"});
            QTest::mouseClick(dialog.Edit(BlockField::End), Qt::LeftButton);
            Type({"2003"});  // the click selected the whole field
            QTest::mouseClick(dialog.ActionButton(), Qt::LeftButton);
        });
        d.click(qt::ToolbarKind::Memory, "copy");
        QCOMPARE(memory[0x2005], 0x5A);
        d.inDialog([&] {
            QTest::mouseClick(d.program.FillDialog().CancelButton(), Qt::LeftButton);
            QVERIFY(d.program.FillDialog().isHidden());
        });
        d.click(qt::ToolbarKind::Memory, "fill");

        d.editor().SetText("mvi a,1\r\nMVI B,2\r\nHLT\r\n");
        qt::FindDialog& find = d.program.FindReplaceDialog();
        d.inDialog([&] {
            QVERIFY(!find.ReplaceEdit()->isEnabled());
            find.FindEdit()->setFocus();
            Type({"MvI"});
            QTest::keyClick(find.FindEdit(), Qt::Key_Return);  // Find next is the default button
        });
        d.program.Commands().Execute(CommandId::Find);
        QCOMPARE(d.selection(), std::string("mvi"));
        d.inDialog([&] {
            find.ReplaceEdit()->setText(QStringLiteral("MOV"));
            QTest::mouseClick(find.ReplaceButton(), Qt::LeftButton);
            QTest::mouseClick(find.ReplaceAllButton(), Qt::LeftButton);
        });
        d.program.Commands().Execute(CommandId::Replace);
        QCOMPARE(d.seen.last(), QStringLiteral("1 replacements have been made."));
        QCOMPARE(Text(d.editor().Text()), QStringLiteral("mvi a,1\r\nMOV B,2\r\nHLT\r\n"));
        QVERIFY(d.seen.filter("left open").isEmpty());
    }

    // The logic counts a line break as CR LF, the widget as one character; the clipboard and the keys.
    void editorConvertsTextAndHandlesItsKeysOnce() {
        Desktop d;
        qt::SourceEditor& editor = d.editor();
        editor.SetText("ONE\r\nTWO\r\n\xE9\xA0THREE\r\n");
        QCOMPARE(editor.blockCount(), 4);
        QCOMPARE(editor.Text(), std::string("ONE\r\nTWO\r\n\xE9\xA0THREE\r\n"));
        editor.SetSelStart(5);
        editor.SetSelLength(5);
        QCOMPARE(editor.textCursor().selectedText(), QStringLiteral("TWO") + QChar(0x2029));
        QCOMPARE(Text(editor.SelText()), QStringLiteral("TWO\r\n"));
        QTextCursor cursor = editor.textCursor();
        cursor.setPosition(8);
        cursor.setPosition(10, QTextCursor::KeepAnchor);
        editor.setTextCursor(cursor);
        QCOMPARE(QPoint(editor.SelStart(), editor.SelLength()), QPoint(10, 2));
        editor.SetSelStart(1000);
        QCOMPARE(editor.SelStart(), 19);
        std::string lines;  // a line selected far down is scrolled into view
        for (int i = 0; i < 200; ++i) lines += "LINE " + std::to_string(i) + "\r\n";
        editor.SetText(lines);
        editor.SetSelStart(static_cast<int>(lines.find("LINE 150")));
        QVERIFY(editor.viewport()->rect().contains(editor.cursorRect(editor.textCursor())));

        QClipboard* clipboard = QGuiApplication::clipboard();
        d.program.Program().RecompileNeeded = false;
        editor.SetText("");
        editor.setFocus();
        QTest::keyClicks(&editor, "MVIA");
        QVERIFY(d.program.Files().State().ProgramModified && d.program.Program().RecompileNeeded);
        QVERIFY(d.program.Presenter().State().WindowHasFocus);
        editor.SetSelStart(3);
        QTest::keyClick(&editor, Qt::Key_Tab);
        QVERIFY(editor.hasFocus());
        editor.SetSelStart(0);
        editor.SetSelLength(3);
        QTest::keyClick(&editor, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QStringLiteral("MVI"));
        clipboard->setText(QStringLiteral("NOP\r\nHLT\r\n"));  // another program's line breaks
        QTest::keyClick(&editor, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Text(editor.Text()), QStringLiteral("NOP\r\nHLT\r\n\tA"));

        // Del in a register box edits the box; in the grid it does nothing.
        editor.selectAll();
        qt::QtTextBox* flags = d.program.Registers().Box(RegisterField::Flags);
        flags->setFocus();
        flags->setCursorPosition(0);
        QTest::keyClick(flags, Qt::Key_Delete);
        QCOMPARE(flags->text(), QStringLiteral("0"));
        d.program.Grid().setFocus();
        QTest::keyClick(&d.program.Grid(), Qt::Key_Delete);
        // A locked editor performs no cut, paste or Del, and no menu command does it instead.
        d.program.Cycle().SetEditorLocked(true);
        editor.setFocus();
        for (const QKeyCombination key : {Qt::CTRL | Qt::Key_V, Qt::CTRL | Qt::Key_X, QKeyCombination(Qt::Key_Delete)})
            QTest::keyClick(&editor, key.key(), key.keyboardModifiers());
        QCOMPARE(Text(editor.Text()), QStringLiteral("NOP\r\nHLT\r\n\tA"));
    }

    void splashClosesOnAClickOrAKeyAndAboutStartsSystemInfo() {
        Desktop d(true);
        qt::SplashWindow& splash = d.program.Splash();
        QCOMPARE(splash.pos(), QPoint((d.window().ScreenWidth() - splash.width()) / 2,
                                      (d.window().ScreenHeight() - splash.height()) / 2));
        QTest::mouseClick(&splash, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QVERIFY(!splash.isVisible());
        QCOMPARE(d.window().focusWidget(), &d.editor());
        Desktop again(true);
        QTest::keyClick(&again.program.Splash(), Qt::Key_Space);
        QVERIFY(!again.program.Splash().isVisible());

        d.desktop.searchPath = "/usr/bin";
        d.desktop.programs = {"/usr/bin/kinfocenter"};
        d.inDialog([&] { QTest::mouseClick(&d.program.About().SystemInfoButton(), Qt::LeftButton); });
        d.program.Commands().Execute(CommandId::About);
        QCOMPARE(d.desktop.started, std::vector<std::string>{"/usr/bin/kinfocenter"});
    }
};

QTEST_MAIN(WidgetWiringTest)
#include "WidgetWiringTest.moc"
