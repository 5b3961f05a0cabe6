// Every menu entry, shortcut key and toolbar button of the real program reaching its operation; the
// run window's buttons; the file dialogs; the print-outs.

#include <QClipboard>
#include <QProcess>
#include <QTemporaryDir>

#include "qt/DesktopFixture.h"

using namespace vantric;
using namespace vantric::testing;

namespace {

QString Q(std::string_view text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }

std::string ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<unreadable>";
}

void WriteAll(const QString& path, const std::string& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()));
}

QString PdfText(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// About 33 million instructions: long enough to be paused, short enough to end if Pause failed.
std::string LongLoop() {
    return CrLf({"        MVI D,00H", "OUTER:  MVI C,00H", "MIDDLE: MVI B,00H", "INNER:  DCR B", "        JNZ INNER",
                 "        DCR C", "        JNZ MIDDLE", "        DCR D", "        JNZ OUTER", "        HLT"});
}

// A command's own operation seen at work: the editor holds `text` with "B" selected (when the text is
// "ABC") and the clipboard "x"; `arrange` adds to that; `expected` is then part of the description.
struct Probe {
    CommandId id;
    const char* text;
    std::function<void(Desktop&)> arrange;
    const char* expected;
};

}  // namespace

class CommandWiringTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString file_ = dir_.filePath(QStringLiteral("prog.85"));
    QString pdf_ = dir_.filePath(QStringLiteral("printout.pdf"));

    // What the commands change, in one line.
    QString Describe(Desktop& d) {
        const QString printed = PdfText(pdf_).left(19);
        QFile::remove(pdf_);
        return QStringLiteral("text:%1|sel:%2|clip:%3|panel:%4|A:%5|last:%6|readme:%7|shown:%8|file:%9|pdf:%10|")
                   .arg(QString::fromStdString(d.editor().Text()), QString::fromStdString(d.selection()),
                        QGuiApplication::clipboard()->text(), d.panel(1))
                   .arg(int{d.program.Engine().State().Register(RegA)})
                   .arg(QString::fromStdString(d.program.Grid().CellText(64, 5)))
                   .arg(d.desktop.opened.size())
                   .arg(int{d.window().isVisible()})
                   .arg(QString::fromStdString(ReadAll(file_)), printed) +
               d.seen.join('|');
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
                 WriteAll(file_, "HLT\r\n");
                 d.program.Files().OpenStartupFile(file_.toStdString());
                 d.editor().SetText("NOP\r\n");
             },
             "file:NOP\r\n|"},
            {SaveAs, "ABC", none, "saveDialog"},
            {PrintCode, "ABC", none, "pdf:Source code listing"},
            {PrintOutput, "ABC", none, "pdf:Program output for"},
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
            {Halt, "MVI A,01H\r\nHLT\r\n",
             [steps](Desktop& d) {
                 steps(d);
                 d.program.Commands().Execute(Step);
             },
             "panel:Program halted|"},
            {InsertBreakpoint, "HLT", [](Desktop& d) { d.editor().SetSelStart(3); }, "text:HLT\r\n;BREAK\r\n|"},
            {MemoryColumns, "ABC", none, "memoryColumnsDialog: Memory dump columns"},
            {FillMemory, "ABC", none, "fillMemoryDialog: Fill Memory"},
            {CopyMemory, "ABC", none, "copyMemoryDialog: Copy memory block"},
            {Refresh, "ABC", [](Desktop& d) { d.program.Engine().State().Memory[0x303F] = 0x76; }, "last:76|"},
            {Reset, "ABC", [](Desktop& d) { d.program.Engine().State().Register(RegA) = 5; }, "A:0|"},
            {Readme, "ABC", [](Desktop& d) { d.desktop.opened.clear(); }, "readme:1|"},
            {About, "ABC", none, "aboutBox: About Vantric"},
            {Exit, "ABC",
             [](Desktop& d) {
                 d.window().show();
                 d.window().activateWindow();
                 QVERIFY(QTest::qWaitForWindowActive(&d.window()));
             },
             "shown:0|"},
        };
    }

private slots:
    void initTestCase() {
        qputenv("VANTRIC_PRINT_PDF", pdf_.toLocal8Bit());
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void everyMenuEntryKeyAndButtonRunsItsOperation() {
        Desktop d;
        QVERIFY(d.active);
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
                    QTest::keySequence(&d.window(), QKeySequence(Q(entry.Shortcut)));
                });
            for (const auto kind : {qt::ToolbarKind::Main, qt::ToolbarKind::Memory})
                for (const ToolbarButton& button :
                     kind == qt::ToolbarKind::Main ? MainToolbarButtons() : MemoryToolbarButtons())
                    if (button.Id == probe.id) {
                        QCOMPARE(d.window().ToolbarAction(kind, std::string(button.Key))->toolTip(), Q(button.Tooltip));
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
                         qPrintable(Q(entry.Name) + " by " + way + ": " + seen));
                ++routes;
            }
        }
        QCOMPARE(routes, kCommandCount + 15 + 16);  // 15 shortcut keys, 16 buttons
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
        QVERIFY2(d.fileDialogSettings.startsWith(filters) && d.fileDialogSettings.endsWith("| *.85"),
                 qPrintable(d.fileDialogSettings));
        QCOMPARE(ReadAll(file_), std::string("HLT\r\n"));
        QCOMPARE(d.window().windowTitle(), "Vantric - [" + file_ + "]");

        d.answer = QMessageBox::Yes;
        d.fileToChoose = QStringLiteral("prog");
        d.editor().SetText("NOP\r\n");
        d.seen.clear();
        d.program.Commands().Execute(CommandId::SaveAs);
        QCOMPARE(d.fileDialogSettings, filters + dir_.path() + QStringLiteral(" | prog.85"));
        QCOMPARE(d.seen, QStringList({"saveDialog", "prog.85 already exists.\nDo you want to replace it?"}));
        QCOMPARE(ReadAll(file_), std::string("NOP\r\n"));

        d.fileToChoose = file_;
        d.program.Commands().Execute(CommandId::New);
        d.program.Commands().Execute(CommandId::Open);
        QVERIFY(d.fileDialogSettings.startsWith(QStringLiteral(" | 8085 assembly")));
        QCOMPARE(d.editor().Text(), std::string("NOP\r\n"));
    }

    void runWindowPausesOnItsButtonCloseBoxAndEscapeAndPassesOnTheMonitoringBoxes() {
        Desktop d;
        d.editor().SetText(LongLoop());
        const std::function<void(qt::RunWindow&)> pausing[] = {
            [&](qt::RunWindow& run) { QTest::mouseClick(&run.StopButton(), Qt::LeftButton); },
            [&](qt::RunWindow& run) {
                QTest::mouseClick(&run.MonitorRegistersBox(), Qt::LeftButton);
                QTest::mouseClick(&run.MonitorMemoryBox(), Qt::LeftButton);
                run.close();
            },
            [&](qt::RunWindow& run) { QTest::keyClick(&run, Qt::Key_Escape); },
        };
        for (const auto& pause : pausing) {
            const qint64 before = d.program.Engine().State().TStateCount;
            d.onRunning = [&](qt::RunWindow& run) {
                // Paused once the loop is well under way, however slow the machine.
                if (run.StopButton().text() == "Pause" && d.program.Engine().State().TStateCount > before + 10000)
                    pause(run);
            };
            d.press(Qt::Key_F5);
            QCOMPARE(d.closedRunLines.last(), QStringLiteral("Execution paused"));
            QVERIFY(d.program.Engine().Running());
            const std::string line = d.selection();
            QVERIFY2(line.size() > 2 && LongLoop().find(line) != std::string::npos, line.c_str());
        }
        QVERIFY(d.program.Cycle().State().MonitorRegisters && !d.program.Cycle().State().MonitorMemory);
        QVERIFY(d.run().MonitorRegistersBox().isChecked() && !d.run().MonitorMemoryBox().isChecked());
        // Centred over the main window, within the frame's width.
        const QPoint offset = d.closedRunGeometry.center() - d.window().frameGeometry().center();
        QVERIFY2(std::abs(offset.x()) <= 3 && std::abs(offset.y()) <= 3, qPrintable(QString::number(offset.x())));
    }

    void printOutsExpandTabsRunOverPagesAndNameTheFile() {
        Desktop d;
        std::string program;
        for (int i = 1; i <= 150; ++i) program += "\tMVI A," + std::to_string(i) + "H\r\n";
        d.editor().SetText(program);
        d.program.Commands().Execute(CommandId::PrintCode);
        QString text = PdfText(pdf_);
        QVERIFY2(text.contains("Source code listing for <Unnamed Program>\n\n        MVI A,1H\n"), qPrintable(text));
        QVERIFY(text.contains("MVI A,150H\n\n--- Vantric by Orsolo ---"));
        QVERIFY(text.count(QLatin1Char('\f')) >= 3);

        const QString named = dir_.filePath(QStringLiteral("pr\u00F8g.85"));
        WriteAll(named, "HLT\r\n");
        d.program.Files().OpenStartupFile(QFile::encodeName(named).toStdString());
        d.program.Engine().State().Register(RegD) = 0xD1;
        d.program.Commands().Execute(CommandId::PrintOutput);
        text = PdfText(pdf_);
        QVERIFY2(text.contains("Program output for " + named + "\n\nRegister contents\n"), qPrintable(text));
        QVERIFY(text.contains(" D: D1 00 :E\n"));

        // A job the printer refuses is passed over quietly, and the next goes through again.
        qputenv("VANTRIC_PRINT_PDF", dir_.filePath(QStringLiteral("missing/printout.pdf")).toLocal8Bit());
        d.program.Commands().Execute(CommandId::PrintOutput);
        qputenv("VANTRIC_PRINT_PDF", pdf_.toLocal8Bit());
        QFile::remove(pdf_);
        d.program.Commands().Execute(CommandId::PrintCode);
        QVERIFY(d.seen.isEmpty());
        QVERIFY(PdfText(pdf_).contains("Source code listing"));
    }
};

QTEST_MAIN(CommandWiringTest)
#include "CommandWiringTest.moc"
