#include <QtTest>
#include <functional>

#include "qt/DesktopFixture.h"

using namespace vantric;
using namespace vantric::testing;

// The fill and copy dialogs of the real program, opened from the CPU menu and the memory toolbar
// and worked through the keyboard and their buttons.
class MemoryBlockDialogsTest : public QObject {
    Q_OBJECT

    // Opens the dialog through `open` and runs `user` once the dialog has the keyboard; a dialog left
    // open is cancelled. False when the dialog never got the keyboard.
    static bool WhileOpen(QDialog& dialog, const std::function<void()>& open, const std::function<void()>& user) {
        QObject scope;  // drops the pending call should the dialog never open
        bool active = false;
        QTimer::singleShot(0, &scope, [&] {
            // The owner counts as active too; wait for the dialog itself. The offscreen platform does
            // not report a second activation of the same window.
            active = QTest::qWaitFor([&] {
                if (!QApplication::activeWindow() && QGuiApplication::focusWindow() == dialog.windowHandle())
                    QApplication::setActiveWindow(&dialog);
                return QApplication::activeWindow() == &dialog;
            });
            if (active) user();
            if (dialog.isVisible()) dialog.reject();
        });
        open();
        return active;
    }
    // Keys go to the focused field, with Tab between the texts.
    static void Type(std::initializer_list<const char*> texts) {
        for (const char* text : texts) {
            if (text != *texts.begin()) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(text));
        }
    }
    static void Press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    static std::function<void()> Toolbar(Desktop& d, const char* key) {
        return [&d, key] {
            QAction* action = d.window().ToolbarAction(qt::ToolbarKind::Memory, key);
            QTest::mouseClick(d.window().MemoryToolbar().widgetForAction(action), Qt::LeftButton);
        };
    }
    static std::function<void()> Menu(Desktop& d, CommandId id) {
        return [&d, id] { d.window().MenuAction(id)->trigger(); };
    }

private slots:
    void fillThroughTheMenuAndTheToolbar() {
        Desktop d;
        QVERIFY(d.active);
        qt::FillMemoryDialog& dialog = d.program.FillDialog();
        const auto& memory = d.program.Engine().State().Memory;
        d.program.Program().RecompileNeeded = false;

        QVERIFY(WhileOpen(dialog, Menu(d, CommandId::FillMemory), [&] {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Fill Memory"));
            Type({"3000", "2fff"});
            Press(Qt::Key_Return);  // start above end: refused, the dialog stays
            QCOMPARE(QApplication::focusWidget(), dialog.Edit(platform::BlockField::End));
            Press(Qt::Key_Backtab);
            QCOMPARE(dialog.Edit(platform::BlockField::Start)->selectedText(), QStringLiteral("3000"));
            Type({"2000", "2003", "5ab"});
            QCOMPARE(dialog.Edit(platform::BlockField::Target)->text(), QStringLiteral("5a"));
            Press(Qt::Key_Return);
        }));
        QVERIFY(dialog.isHidden());
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(&memory[0x1FFF]), 6), QByteArray("\0\x5A\x5A\x5A\x5A\0", 6));
        QCOMPARE(d.program.Grid().CellText(4, 3), std::string("5A"));  // column 2 starts at 2000
        QVERIFY(d.program.Program().RecompileNeeded);

        // The toolbar opens it with the fields as they were; Cancel leaves memory alone.
        QVERIFY(WhileOpen(dialog, Toolbar(d, "fill"), [&] {
            QCOMPARE(dialog.Edit(platform::BlockField::Target)->selectedText(), QStringLiteral("5a"));
            QTest::mouseClick(dialog.Edit(platform::BlockField::End), Qt::LeftButton);
            QCOMPARE(dialog.Edit(platform::BlockField::End)->selectedText(), QStringLiteral("2003"));
            Type({"2FFF"});
            QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
            QVERIFY(dialog.isHidden());
        }));
        QCOMPARE(dialog.Edit(platform::BlockField::End)->text(), QStringLiteral("2FFF"));
        QCOMPARE(memory[0x2004], 0x00);
    }

    void copyThroughTheToolbarAndTheMenu() {
        Desktop d;
        QVERIFY(d.active);
        qt::CopyMemoryDialog& dialog = d.program.CopyDialog();
        auto& memory = d.program.Engine().State().Memory;
        for (int i = 0; i < 4; ++i) memory[0x2000 + i] = static_cast<std::uint8_t>(0xC1 + i);

        QVERIFY(WhileOpen(dialog, Toolbar(d, "copy"), [&] {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Copy memory block"));
            Type({"2000", "2003", "FFFD"});  // the block would run past FFFF: refused
            QTest::mouseClick(dialog.ActionButton(), Qt::LeftButton);
            QVERIFY(dialog.isVisible());
            QTest::mouseClick(dialog.Edit(platform::BlockField::Target), Qt::LeftButton);
            Type({"2002"});
            QTest::mouseClick(dialog.ActionButton(), Qt::LeftButton);
        }));
        QVERIFY(dialog.isHidden());
        QCOMPARE(memory[0xFFFD], 0x00);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(&memory[0x2000]), 6), QByteArray("\xC1\xC2\xC1\xC2\xC3\xC4"));
        QCOMPARE(d.program.Grid().CellText(6, 3), std::string("C4"));

        QVERIFY(WhileOpen(dialog, Menu(d, CommandId::CopyMemory), [&] {
            QTest::mouseClick(dialog.Edit(platform::BlockField::Target), Qt::LeftButton);
            Type({"3000"});
            Press(Qt::Key_Escape);
        }));
        QVERIFY(dialog.isHidden());
        QCOMPARE(memory[0x3000], 0x00);
    }
};

QTEST_MAIN(MemoryBlockDialogsTest)
#include "MemoryBlockDialogsTest.moc"
