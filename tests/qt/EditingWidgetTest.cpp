// The file, edit and find commands on the real desktop program: the command-line file, the
// "Save changes ?" prompt, the clipboard keys, Tab, Del, and the find dialog.

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include "DesktopFixture.h"

using namespace vantric;
using namespace vantric::testing;

namespace {

std::string ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return "<unreadable>";
    return file.readAll().toStdString();
}

void WriteAll(const QString& path, const std::string& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// Presses `button` in the next message box that comes up and records its text.
void AnswerNextBox(QMessageBox::StandardButton button, QString* text = nullptr) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, button, text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        if (text) *text = box->text();
        timer->stop();
        timer->deleteLater();
        box->button(button)->click();
    });
    timer->start();
}

// Cancels the next file dialog that comes up and records the name its name field proposed.
void CancelNextFileDialog(QString* proposed) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, proposed] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        timer->stop();
        timer->deleteLater();
        if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) *proposed = name->text();
        dialog->reject();
    });
    timer->start();
}

}  // namespace

class EditingWidgetTest : public QObject {
    Q_OBJECT
private slots:
    void opensTheCommandLineFileAndAsksBeforeThrowingEditsAway() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("my program.85"));
        WriteAll(path, "\tMVI A,1\r\n\tHLT\r\n");
        const std::string name = QFile::encodeName(path).toStdString();

        for (const std::string& commandLine : {"\"" + name + "\"", name}) {
            Desktop d(commandLine);
            QVERIFY(d.started);
            QCOMPARE(d.editor().Text(), std::string("\tMVI A,1\r\n\tHLT\r\n"));
            QCOMPARE(d.window().windowTitle(), QStringLiteral("Vantric - [") + path + QStringLiteral("]"));
            QVERIFY(!d.program.Files().State().ProgramModified);
        }

        Desktop d(name);
        d.editor().setFocus();
        d.editor().moveCursor(QTextCursor::End);
        QTest::keyClicks(&d.editor(), "NOP");
        QVERIFY(d.program.Files().State().ProgramModified);

        // Cancel keeps everything; Yes saves, then the new program starts.
        QString asked;
        AnswerNextBox(QMessageBox::Cancel, &asked);
        d.window().MenuAction(CommandId::New)->trigger();
        QCOMPARE(asked, QStringLiteral("Save changes to the current program ?"));
        QCOMPARE(d.editor().Text(), std::string("\tMVI A,1\r\n\tHLT\r\nNOP"));

        AnswerNextBox(QMessageBox::Yes);
        d.window().MenuAction(CommandId::New)->trigger();
        QCOMPARE(ReadAll(path), std::string("\tMVI A,1\r\n\tHLT\r\nNOP"));
        QCOMPARE(d.editor().Text(), std::string());
        QCOMPARE(d.window().windowTitle(), QStringLiteral("Vantric - [untitled]"));

        // The first file dialog proposes "*.85".
        QString proposed;
        CancelNextFileDialog(&proposed);
        d.window().MenuAction(CommandId::SaveAs)->trigger();
        QCOMPARE(proposed, QStringLiteral("*.85"));

        // The close box asks too; Cancel keeps the window open.
        QTest::keyClicks(&d.editor(), "HLT");
        AnswerNextBox(QMessageBox::Cancel);
        QVERIFY(!d.window().close());
        QVERIFY(d.window().isVisible());
        AnswerNextBox(QMessageBox::No);
        QVERIFY(d.window().close());
    }

    void clipboardKeysActOnceAndLeaveTheCommandsWorking() {
        Desktop d;
        QClipboard* clipboard = QGuiApplication::clipboard();
        d.editor().SetText("MVI A,1\r\nHLT\r\n");
        d.editor().setFocus();
        d.editor().SetSelStart(0);
        d.editor().SetSelLength(7);
        QTest::keyClick(&d.editor(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QStringLiteral("MVI A,1"));

        d.editor().SetSelStart(9);
        d.editor().SetSelLength(3);
        QAction* copy = d.window().ToolbarAction(qt::ToolbarKind::Main, "copy");
        QTest::mouseClick(d.window().MainToolbar().widgetForAction(copy), Qt::LeftButton);
        QCOMPARE(clipboard->text(), QStringLiteral("HLT"));

        d.editor().SetSelStart(0);
        d.editor().SetSelLength(3);
        QTest::keyClick(&d.editor(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QStringLiteral("MVI"));
        QCOMPARE(d.editor().Text(), std::string(" A,1\r\nHLT\r\n"));
        QTest::keyClick(&d.editor(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(d.editor().Text(), std::string("MVI A,1\r\nHLT\r\n"));

        d.window().MenuAction(CommandId::SelectAll)->trigger();
        d.window().MenuAction(CommandId::Cut)->trigger();
        QCOMPARE(d.editor().Text(), std::string());
        d.window().MenuAction(CommandId::Paste)->trigger();
        d.window().MenuAction(CommandId::Paste)->trigger();
        QCOMPARE(d.editor().Text(), std::string("MVI A,1\r\nHLT\r\nMVI A,1\r\nHLT\r\n"));

        // Another program's text with CR LF breaks pastes line for line.
        clipboard->setText(QStringLiteral("NOP\r\nHLT\r\n"));
        d.editor().SetText("");
        d.window().MenuAction(CommandId::Paste)->trigger();
        QCOMPARE(d.editor().Text(), std::string("NOP\r\nHLT\r\n"));
    }

    void tabStaysInTheEditorAndDelDeletesWhereTheFocusIs() {
        Desktop d;
        d.editor().SetText("MVIA");
        d.editor().setFocus();
        d.editor().SetSelStart(3);
        QTest::keyClick(&d.editor(), Qt::Key_Tab);
        QTest::keyClick(&d.editor(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(d.editor().Text(), std::string("MVI\t\tA"));
        QVERIFY(d.editor().hasFocus());

        // Del in a register box edits the box; the editor's selection stays.
        d.editor().SetSelStart(0);
        d.editor().SetSelLength(3);
        qt::QtTextBox* box = d.program.Registers().Box(platform::RegisterField::Flags);
        box->setFocus();
        box->setCursorPosition(0);
        const QString before = box->text();
        QTest::keyClick(box, Qt::Key_Delete);
        QCOMPARE(box->text(), before.mid(1));
        QCOMPARE(d.editor().Text(), std::string("MVI\t\tA"));
        // In the memory grid it does nothing.
        d.program.Grid().setFocus();
        QTest::keyClick(&d.program.Grid(), Qt::Key_Delete);
        QCOMPARE(d.editor().Text(), std::string("MVI\t\tA"));

        // A locked editor performs no Ctrl+V, Ctrl+X or Del, and no menu command does it instead.
        QGuiApplication::clipboard()->setText(QStringLiteral("NOP"));
        d.program.Cycle().SetEditorLocked(true);
        d.program.Program().RecompileNeeded = false;
        d.editor().setFocus();
        for (const QKeyCombination key : {Qt::CTRL | Qt::Key_V, Qt::CTRL | Qt::Key_X, QKeyCombination(Qt::Key_Delete)})
            QTest::keyClick(&d.editor(), key.key(), key.keyboardModifiers());
        QCOMPARE(d.editor().Text(), std::string("MVI\t\tA"));
        QVERIFY(!d.program.Program().RecompileNeeded);
        d.program.Cycle().SetEditorLocked(false);

        d.editor().setFocus();
        QTest::keyClick(&d.editor(), Qt::Key_Delete);
        QCOMPARE(d.editor().Text(), std::string("\t\tA"));
        d.editor().SetSelStart(2);
        d.editor().SetSelLength(1);
        d.window().MenuAction(CommandId::Delete)->trigger();
        QCOMPARE(d.editor().Text(), std::string("\t\t"));

        d.editor().SetText("HLT");
        d.editor().SetSelStart(3);
        QAction* brkpt = d.window().ToolbarAction(qt::ToolbarKind::Main, "brkpt");
        QTest::mouseClick(d.window().MainToolbar().widgetForAction(brkpt), Qt::LeftButton);
        QCOMPARE(d.editor().Text(), std::string("HLT\r\n;BREAK\r\n"));
    }

    void findsAndReplacesThroughTheDialog() {
        Desktop d;
        d.editor().SetText("mvi a,1\r\nMVI B,2\r\nHLT\r\n");
        d.editor().setFocus();
        d.editor().SetSelStart(0);
        qt::FindDialog& dialog = d.program.FindReplaceDialog();

        bool replaceUsable = true;
        QTimer::singleShot(20, [&] {
            replaceUsable = dialog.ReplaceEdit()->isEnabled() || dialog.ReplaceAllButton()->isEnabled();
            dialog.FindEdit()->setFocus();
            QTest::keyClicks(dialog.FindEdit(), "MvI");
            QTest::keyClick(dialog.FindEdit(), Qt::Key_Return);  // Find next is the default button
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        d.press(Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Find"));
        QVERIFY(!replaceUsable);
        QCOMPARE(d.selection(), std::string("mvi"));

        QString report;
        QTimer::singleShot(20, [&] {
            QCOMPARE(dialog.FindEdit()->text(), QStringLiteral("MvI"));  // kept from the last time
            replaceUsable = dialog.ReplaceEdit()->isEnabled() && dialog.ReplaceAllButton()->isEnabled();
            dialog.ReplaceEdit()->setText(QStringLiteral("MOV"));
            AnswerNextBox(QMessageBox::Ok, &report);
            QTest::mouseClick(dialog.ReplaceAllButton(), Qt::LeftButton);
        });
        d.editor().SetSelStart(0);
        d.window().activateWindow();
        d.press(Qt::Key_R, Qt::ControlModifier);
        QVERIFY(replaceUsable);
        QCOMPARE(report, QStringLiteral("2 replacements have been made."));
        QCOMPARE(d.editor().Text(), std::string("MOV a,1\r\nMOV B,2\r\nHLT\r\n"));
        QVERIFY(!dialog.isVisible());
        QVERIFY(d.program.Files().State().ProgramModified);
    }
};

QTEST_MAIN(EditingWidgetTest)
#include "EditingWidgetTest.moc"
