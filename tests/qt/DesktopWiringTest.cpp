// The widgets of the real program: every menu entry, shortcut key and toolbar button reaching its
// operation, each widget that edits state reaching its presenter, and what only the widget layer does
// (the file dialogs, the editor's text and positions, the focus, the clipboard, the grid's
// notifications, the print-outs).

#include <QAbstractItemModelTester>
#include <QClipboard>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>

#include "qt/DesktopFixture.h"

using namespace vantric;
using namespace vantric::testing;
using platform::RegisterField;

namespace {

// Keys go to the focused field, with Tab between the texts.
void Type(std::initializer_list<const char*> texts) {
    for (const char* text : texts) {
        if (text != *texts.begin()) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(text));
    }
}
QString Text(std::string_view text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

std::string ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<unreadable>";
}

QString PdfText(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    return process.waitForFinished(60000) ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
}

// About 33 million instructions: long enough to be paused, short enough to end if Pause failed.
const std::string kLongLoop =
    "MVI D,00H\r\nOUTER: MVI C,00H\r\nMID: MVI B,00H\r\nINNER: DCR B\r\nJNZ INNER\r\n"
    "DCR C\r\nJNZ MID\r\nDCR D\r\nJNZ OUTER\r\nHLT\r\n";

// A command's own operation seen at work: the editor holds `text` with "B" selected (when the text is
// "ABC") and the clipboard "x"; `arrange` adds to that; `expected` is then part of the description.
struct Probe {
    CommandId id;
    const char* text;
    std::function<void(Desktop&)> arrange;
    const char* expected;
};

}  // namespace

class DesktopWiringTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString file_ = dir_.filePath(QStringLiteral("prog.85"));
    QString pdf_ = dir_.filePath(QStringLiteral("printout.pdf"));

    // What the commands change, in one line.
    QString Describe(Desktop& d) {
        const QString printed = PdfText(pdf_).left(100);
        QFile::remove(pdf_);
        const QString help = d.program.Help().isVisible() ? d.program.Help().windowTitle() : QString();
        d.program.Help().hide();
        const auto number = [](auto n) { return QString::number(n); };
        return "text:" + Text(d.editor().Text()) + "|sel:" + Text(d.selection()) +
               "|clip:" + QGuiApplication::clipboard()->text() + "|panel:" + d.panel(1) +
               "|A:" + number(d.program.Engine().State().Register(RegA)) +
               "|last:" + Text(d.program.Grid().CellText(64, 5)) + "|readme:" + number(d.desktop.opened.size()) +
               "|help:" + help + "|shown:" + number(d.window().isVisible()) + "|file:" + Text(ReadAll(file_)) +
               "|pdf:" + printed + "|" + d.seen.join('|');
    }

    std::vector<Probe> Probes() {
        using enum CommandId;
        const auto none = [](Desktop&) {};
        const auto steps = [](Desktop& d) {
            d.program.Commands().Execute(Halt);
            d.program.Commands().Execute(Compile);
        };
        return {
            {New, "ABC", none, "text:|"},
            {Open, "ABC", none, "openDialog"},
            {Save, "ABC",
             [this](Desktop& d) {
                 d.program.Files().OpenStartupFile(file_.toStdString());
                 d.editor().SetText("NOP\r\n");
             },
             "file:NOP\r\n|"},
            {SaveAs, "ABC", none, "saveDialog"},
            {PrintCode, "\tABC", none, "\n\n        ABC\n"},  // the tab expanded
            {PrintOutput, "ABC", none, "pdf:Program output for"},
            {ExportPdf, "ABC", none, "printoutChoice: Export print-out as PDF"},
            {Cut, "ABC", none, "text:AC|sel:|clip:B|"},
            {Copy, "ABC", none, "text:ABC|sel:B|clip:B|"},
            {Paste, "ABC", none, "text:AxC|"},
            {Delete, "ABC", none, "text:AC|sel:|clip:x|"},
            {SelectAll, "ABC", none, "sel:ABC|"},
            {Find, "ABC", none, "findDialog: Find"},
            {Replace, "ABC", none, "findDialog: Replace"},
            {Compile, "HLT", none, "panel:Compile successful"},
            {Run, "MVI A,05H\r\nADI 03H\r\nHLT", none, "panel:Execution finished|A:8|"},
            {Step, "MVI A,01H\r\nHLT\r\n", steps, "sel:HLT\r\n|clip:x|panel:Running in step mode|A:1|"},
            {Halt, "MVI A,01H\r\nHLT\r\n", [steps](Desktop& d) { steps(d), d.program.Commands().Execute(Step); },
             "panel:Program halted|"},
            {StepOver, "CALL SUB\r\nHLT\r\nSUB: MVI A,07H\r\nRET\r\n", steps,
             "sel:HLT\r\n|clip:x|panel:Running in step mode|A:7|"},
            {RunToCursor, "MVI A,01H\r\nMVI A,02H\r\nHLT\r\n",
             [steps](Desktop& d) { steps(d), d.editor().SetSelStart(22); },
             "sel:HLT\r\n|clip:x|panel:Running in step mode|A:2|"},
            {InsertBreakpoint, "HLT", [](Desktop& d) { d.editor().SetSelStart(3); }, "text:HLT\r\n;BREAK\r\n|"},
            {MemoryColumns, "ABC", none, "memoryColumnsDialog: Memory dump columns"},
            {FillMemory, "ABC", none, "fillMemoryDialog: Fill Memory"},
            {CopyMemory, "ABC", none, "copyMemoryDialog: Copy memory block"},
            {Refresh, "ABC", [](Desktop& d) { d.program.Engine().State().Memory[0x303F] = 0x76; }, "last:76|"},
            {Reset, "ABC", [](Desktop& d) { d.program.Engine().State().Register(RegA) = 5; }, "A:0|"},
            {Readme, "ABC", [](Desktop& d) { d.desktop.opened.clear(); }, "readme:1|help:Vantric user guide|"},
            {About, "ABC", none, "aboutBox: About Vantric"},
            {Exit, "ABC", [](Desktop& d) { d.window().show(); }, "shown:0|"},
            {ExportMachineCode, "HLT",  // the file type chosen gives a name typed without one its suffix
             [this](Desktop& d) {
                 d.fileToChoose = dir_.filePath(QStringLiteral("kit"));
                 d.fileTypeToChoose = QStringLiteral("Binary image");
             },
             "kit.bin (load address 1000)"},
        };
    }

private slots:
    void initTestCase() {
        qputenv("VANTRIC_PRINT_PDF", pdf_.toLocal8Bit());
        QVERIFY(QFile(file_).open(QIODevice::WriteOnly));
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void everyMenuEntryKeyAndButtonRunsItsOperation() {
        Desktop d(true);
        QTest::mouseClick(&d.program.Splash(), Qt::LeftButton);
        QVERIFY(d.active && d.program.Splash().isHidden() && d.editor().hasFocus());
        d.desktop.opens = false;  // no RTF viewer: F1 shows the help window
        int routes = 0;
        for (const Probe& probe : Probes()) {
            const MenuEntry& entry = MenuEntryOf(probe.id);
            std::vector<std::pair<QString, std::function<void()>>> ways{
                {"menu", [&] { d.window().MenuAction(probe.id)->trigger(); }}};
            if (!entry.Shortcut.empty())
                ways.emplace_back("key", [&] {
                    d.window().activateWindow();  // a file dialog closed leaves no window active here
                    QTRY_VERIFY(QApplication::activeWindow() == &d.window());
                    // Del deletes only where the editor has the focus; the other keys work anywhere.
                    probe.id == CommandId::Delete ? d.editor().setFocus() : d.window().setFocus();
                    QTest::keySequence(&d.window(), QKeySequence(Text(entry.Shortcut)));
                });
            for (const auto kind : {qt::ToolbarKind::Main, qt::ToolbarKind::Memory})
                for (const ToolbarButton& button :
                     kind == qt::ToolbarKind::Main ? MainToolbarButtons() : MemoryToolbarButtons())
                    if (button.Id == probe.id) {
                        const QAction* action = d.window().ToolbarAction(kind, std::string(button.Key));
                        QVERIFY(action->toolTip() == Text(button.Tooltip) && !action->icon().isNull());
                        ways.emplace_back("button",
                                          [&d, kind, key = std::string(button.Key)] { d.click(kind, key.c_str()); });
                    }
            for (const auto& [way, trigger] : ways) {
                d.seen.clear();
                d.editor().SetText(probe.text);
                d.editor().SetSelStart(1);
                d.editor().SetSelLength(1);
                QGuiApplication::clipboard()->setText(QStringLiteral("x"));
                probe.arrange(d);
                trigger();
                const QString seen = Describe(d);
                QVERIFY2(seen.contains(QLatin1String(probe.expected)) && !seen.contains("left open"),
                         qPrintable(Text(entry.Name) + " by " + way + ": " + seen));
                ++routes;
            }
        }
        QCOMPARE(routes, kCommandCount + 17 + 18);  // 17 shortcut keys, 18 buttons
    }

    // The widget layer's own part of the dialogs: the suffix, the filters, the starting folder, the
    // name proposed and the overwrite question.
    void fileDialogsCompleteTheNameAndAskBeforeReplacing() {
        QFile::remove(file_);
        Desktop d;
        d.editor().SetText("HLT\r\n");
        d.fileToChoose = dir_.filePath(QStringLiteral("prog"));
        d.program.Commands().Execute(CommandId::SaveAs);
        const QString filters = QStringLiteral("85 | 8085 assembly programs (*.85),All files (*) | ");
        QVERIFY(d.fileDialogSettings.startsWith(filters) && d.fileDialogSettings.endsWith("| *.85"));
        QCOMPARE(ReadAll(file_), std::string("HLT\r\n"));

        d.answer = QMessageBox::Yes;
        d.fileToChoose = QStringLiteral("prog");
        d.editor().SetText("NOP\r\n");
        d.program.Commands().Execute(CommandId::SaveAs);
        QCOMPARE(d.fileDialogSettings, filters + dir_.path() + QStringLiteral(" | prog.85"));
        QCOMPARE(d.seen,
                 QStringList({"saveDialog", "saveDialog", "prog.85 already exists.\nDo you want to replace it?"}));
        QCOMPARE(ReadAll(file_), std::string("NOP\r\n"));
    }

    // The print-out chosen by its list, the file named in the save dialog, each PDF as printed.
    void exportWritesEachPrintoutAsAPdfAndReportsAFileItCannotWrite() {
        Desktop d;
        d.editor().SetText("\tMVI A,2AH\r\nHLT\r\n");
        for (const char* file : {"listing.pdf", "regs", "missing/x.pdf"}) {
            d.inDialog([file] {
                if (file == QLatin1String("regs")) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            });
            d.fileToChoose = dir_.filePath(QLatin1String(file));
            d.program.Commands().Execute(CommandId::ExportPdf);
        }
        QCOMPARE(d.seen.filter(QStringLiteral("Could not export")).size(), 1);
        QVERIFY(PdfText(dir_.filePath("listing.pdf")).contains("        MVI A,2AH\nHLT\n\n--- Vantric by Orsolo ---"));
        QVERIFY(PdfText(dir_.filePath("regs.pdf")).contains("RAM contents\n1000:00 2000:00 3000:00"));
        for (const char* pdf : {"listing.pdf", "regs.pdf"})
            QCOMPARE(QProcess::execute("pdftoppm", {"-r", "20", "-png", dir_.filePath(pdf), dir_.filePath("page")}), 0);
    }

    void runWindowPausesOnItsButtonCloseBoxAndEscapeAndPassesOnTheMonitoringBoxes() {
        Desktop d;
        d.editor().SetText(kLongLoop);
        for (const int way : {0, 1, 2}) {  // the Pause button, the close box, Escape
            const qint64 before = d.program.Engine().State().TStateCount;
            bool acted = false;
            d.onRunning = [&](qt::RunWindow& run) {
                // Once the loop is well under way, however slow the machine.
                if (acted || run.StopButton().text() != "Pause" ||
                    d.program.Engine().State().TStateCount < before + 10000)
                    return;
                acted = true;
                if (way == 0) QTest::mouseClick(&run.StopButton(), Qt::LeftButton);
                if (way == 1) QTest::mouseClick(&run.MonitorRegistersBox(), Qt::LeftButton);
                if (way == 1) QTest::mouseClick(&run.MonitorMemoryBox(), Qt::LeftButton);
                if (way == 1) run.close();
                if (way == 2) QTest::keyClick(&run, Qt::Key_Escape);
            };
            d.closedRunLines.clear();
            d.program.Commands().Execute(CommandId::Run);
            QCOMPARE(d.closedRunLines.last(), QStringLiteral("Execution paused"));
            QVERIFY(d.program.Engine().Running());
            const std::string line = d.selection();
            QVERIFY2(line.size() > 2 && kLongLoop.find(line) != std::string::npos, line.c_str());
        }
        QVERIFY(d.program.Cycle().State().MonitorRegisters && !d.program.Cycle().State().MonitorMemory);
    }

    // The margin numbers the lines as the assembler does (a lone CR in a file became a break when it
    // was opened) and marks ;BREAK lines, the paused program's next line and an assembly error's line.
    void marginNumbersAndMarksTheAssemblersLines() {
        Desktop d;
        qt::SourceEditor& editor = d.editor();
        QFile file(dir_.filePath(QStringLiteral("marks.85")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("MVI A,1\r;BREAK\r\nINR A\r\nHLT\r\n") > 0);
        file.close();
        d.program.Files().OpenStartupFile(file.fileName().toStdString());
        QVERIFY(!d.program.Files().State().ProgramModified);  // colouring the text is no edit
        const auto marks = [&editor] {
            QString shown;
            for (int block = 0; block < editor.blockCount(); ++block) {
                const qt::SourceEditor::GutterLine line = editor.GutterAt(block);
                shown += QString::number(line.Number) + (line.Breakpoint ? "b" : "") + (line.Current ? ">" : "") +
                         (line.Error ? "!" : "") + ' ';
            }
            return shown;
        };
        d.program.Commands().Execute(CommandId::Run);
        QCOMPARE(marks(), QStringLiteral("1 2b 3> 4 5 "));
        QCOMPARE(d.program.Engine().CurrentLine(), 3);  // the assembler's number of the line marked
        d.program.Commands().Execute(CommandId::Halt);
        QCOMPARE(marks(), QStringLiteral("1 2b 3 4 5 "));

        editor.SetText("NOP\r\nBAD A\r\nHLT\r\n");
        d.program.Commands().Execute(CommandId::Compile);
        QCOMPARE(marks(), QStringLiteral("1 2! 3 4 "));
        QCOMPARE(editor.SelStart(), d.program.Program().LineStart(2));
        editor.setFocus();
        editor.SetSelStart(0);
        QTest::keyClick(&editor, Qt::Key_Return, Qt::ShiftModifier);  // a line break, as the logic reads it
        QCOMPARE(editor.Text(), std::string("\r\nNOP\r\nBAD A\r\nHLT\r\n"));
        QCOMPARE(marks(), QStringLiteral("1 2 3! 4 5 "));  // the mark follows its line
        editor.SetSelStart(12);
        QTest::keyClick(&editor, Qt::Key_Backspace);
        QCOMPARE(marks(), QStringLiteral("1 2 3 4 5 "));  // until that line is edited
    }

    // A dark palette chosen while the program runs reaches the views that draw fixed colours.
    void viewsFollowADarkPaletteChosenWhileRunning() {
        Desktop d;
        d.editor().SetText("MVI A,1\r\n");
        const QPalette light = QApplication::palette();
        QApplication::setPalette(QPalette(QColor(0x30, 0x30, 0x30)));  // dark window and base, light text
        QCoreApplication::processEvents();
        const QModelIndex address = d.program.Grid().model()->index(0, 0);
        const bool gridDark = address.data(Qt::BackgroundRole).value<QBrush>().color().lightness() < 128 &&
                              address.data(Qt::ForegroundRole).value<QBrush>().color().lightness() > 128;
        const QTextLayout* line = d.editor().document()->firstBlock().layout();
        const bool mnemonicLight = line->formats().first().format.foreground().color().lightness() > 128;
        QApplication::setPalette(light);
        QVERIFY(gridDark && mnemonicLight);
    }

    void registerPanelEditsTheMachineAndTheWindowFollowsResizes() {
        Desktop d;
        const ProcessorState& cpu = d.program.Engine().State();
        d.program.Registers().Box(RegisterField::B)->setFocus();
        Type({"123", "5g"});  // stored as typed, two digits at most
        QCOMPARE(cpu.Register(RegB) * 256 + cpu.Register(RegC), 0x1205);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // back to the editor, the box tidied
        QVERIFY(d.editor().hasFocus());
        QCOMPARE(d.box(RegisterField::B) + d.box(RegisterField::C), QStringLiteral("1205"));
        QTest::mouseClick(d.program.Registers().Box(RegisterField::StackPointer), Qt::LeftButton);
        Type({"abc"});  // the click selected the whole value
        d.editor().setFocus();
        QCOMPARE(d.box(RegisterField::StackPointer), QStringLiteral("0ABC"));
        QTest::mouseClick(d.program.Registers().Cell(0), Qt::LeftButton);
        QCOMPARE(d.box(RegisterField::Flags) + d.program.Registers().Cell(0)->text(), QStringLiteral("011"));

        const int width = d.program.Grid().width();
        d.window().resize(d.window().width() + 100, d.window().height());
        QTRY_COMPARE(d.program.Grid().width(), width + 100);
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
        d.inDialog([&] {
            qt::CopyMemoryDialog& dialog = d.program.CopyDialog();
            Type({"2000", "2002", "2002"});
            QTest::mouseClick(dialog.Edit(platform::BlockField::End), Qt::LeftButton);
            Type({"2003"});  // the click selected the whole field
            QTest::mouseClick(dialog.ActionButton(), Qt::LeftButton);
        });
        d.click(qt::ToolbarKind::Memory, "copy");
        QCOMPARE(memory[0x2005], 0x5A);

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
        QCOMPARE(editor.Text(), std::string("ONE\r\nTWO\r\n\xE9\xA0THREE\r\n"));
        editor.SetSelStart(5);
        editor.SetSelLength(5);
        QCOMPARE(Text(editor.SelText()), QStringLiteral("TWO\r\n"));
        editor.moveCursor(QTextCursor::End, QTextCursor::KeepAnchor);  // from the start of the third line
        QCOMPARE(QPoint(editor.SelStart(), editor.SelLength()), QPoint(10, 9));

        QClipboard* clipboard = QGuiApplication::clipboard();
        d.program.Program().RecompileNeeded = false;
        editor.SetText("");
        editor.setFocus();
        QTest::keyClicks(&editor, "MVIA");
        QVERIFY(d.program.Files().State().ProgramModified && d.program.Program().RecompileNeeded);
        editor.SetSelStart(3);
        QTest::keyClick(&editor, Qt::Key_Tab);
        QVERIFY(editor.hasFocus());
        editor.SetSelStart(0);
        editor.SetSelLength(3);
        QTest::keyClick(&editor, Qt::Key_X, Qt::ControlModifier);
        clipboard->setText(QStringLiteral("NOP\r\nHLT\r\n"));  // another program's line breaks
        QTest::keyClick(&editor, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Text(editor.Text()), QStringLiteral("NOP\r\nHLT\r\n\tA"));

        editor.selectAll();
        d.program.Commands().Execute(CommandId::Copy);  // the keys left the clipboard commands working
        QVERIFY(clipboard->text().endsWith("\tA"));
        // Del deletes the selection only where the editor has the focus.
        d.program.Grid().setFocus();
        QTest::keyClick(&d.program.Grid(), Qt::Key_Delete);
        // A locked editor performs no cut, paste or Del, and no menu command does it instead.
        d.program.Cycle().SetEditorLocked(true);
        editor.setFocus();
        for (const QKeyCombination key : {Qt::CTRL | Qt::Key_V, Qt::CTRL | Qt::Key_X, QKeyCombination(Qt::Key_Delete)})
            QTest::keyClick(&editor, key.key(), key.keyboardModifiers());
        QCOMPARE(Text(editor.Text()), QStringLiteral("NOP\r\nHLT\r\n\tA"));
    }
};

QTEST_MAIN(DesktopWiringTest)
#include "DesktopWiringTest.moc"
