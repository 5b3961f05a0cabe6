#include <QtTest>
#include <functional>
#include <memory>

#include "qt/HarnessSetUp.h"
#include "support/Fakes.h"

using namespace vantric;

// The "Memory dump columns" dialog, shown modally and worked through keys and buttons.
class MemoryColumnsDialogTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestState> app;
    fakes::FakeMessageBox messages;
    std::unique_ptr<qt::ViewsHarness> harness;

    qt::MemoryColumnsDialog* Dialog() const { return harness->ColumnsDialog(); }
    QStringList Entries() const {
        QStringList entries;
        for (int i = 0; i < Dialog()->List()->count(); ++i) entries << Dialog()->List()->item(i)->text();
        return entries;
    }
    // Opens the dialog and runs `user` while it is shown; a dialog left open is cancelled. False
    // when the dialog never got the keyboard.
    bool Open(std::function<void()> user) {
        bool active = false;
        QTimer::singleShot(0, Dialog(), [this, user, &active] {
            // The owner counts as active too; wait until the dialog itself has the keyboard. The
            // offscreen platform does not report a second activation of the same window.
            active = QTest::qWaitFor([this] {
                if (!QApplication::activeWindow() && QGuiApplication::focusWindow() == Dialog()->windowHandle())
                    QApplication::setActiveWindow(Dialog());
                return QApplication::activeWindow() == Dialog();
            });
            if (active) user();
            if (Dialog()->isVisible()) Dialog()->reject();
        });
        harness->ColumnsPresenter().ShowDialog();
        return active;
    }

private slots:
    void init() {
        app = std::make_unique<TestState>();
        harness = ShowHarness(*app, messages);
        QVERIFY(QTest::qWaitForWindowActive(harness.get()));
    }
    void cleanup() { harness.reset(); }

    void addWithEnterRemoveAndOk() {
        bool done = false;
        QVERIFY(Open([&] {
            QCOMPARE(Dialog()->windowTitle(), QStringLiteral("Memory dump columns"));
            QCOMPARE(Dialog()->RowsEdit()->text(), QStringLiteral("64"));
            QCOMPARE(Entries(), (QStringList{"1000", "2000", "3000"}));
            QVERIFY(Dialog()->OkButton()->isDefault());

            Dialog()->AddressEdit()->setFocus();
            QVERIFY(Dialog()->AddButton()->isDefault());
            QTest::keyClicks(Dialog()->AddressEdit(), "800");
            QTest::keyClick(Dialog()->AddressEdit(), Qt::Key_Return);  // Enter presses Add
            QCOMPARE(Entries(), (QStringList{"0800", "1000", "2000", "3000"}));
            QCOMPARE(Dialog()->AddressEdit()->selectedText(), QStringLiteral("0800"));
            QTest::keyClicks(Dialog()->AddressEdit(), "12G");
            QTest::keyClick(Dialog()->AddressEdit(), Qt::Key_Return);
            QCOMPARE(messages.beeps, 1);
            QCOMPARE(Dialog()->AddressEdit()->text(), QStringLiteral("012G"));

            QTest::mouseClick(Dialog()->RemoveButton(), Qt::LeftButton);  // nothing selected
            QCOMPARE(messages.beeps, 2);
            QVERIFY(!Dialog()->AddButton()->isDefault());
            Dialog()->List()->setCurrentRow(1);
            QTest::mouseClick(Dialog()->RemoveButton(), Qt::LeftButton);
            QCOMPARE(Entries(), (QStringList{"0800", "2000", "3000"}));
            QCOMPARE(Dialog()->List()->currentRow(), 2);

            QTest::mouseClick(Dialog()->OkButton(), Qt::LeftButton);
            done = true;
        }));
        QVERIFY(done);
        QVERIFY(Dialog()->isHidden());
        QCOMPARE(app->MemoryDump.ColumnStart, (std::vector<std::int32_t>{0, 0x0800, 0x2000, 0x3000}));
        QCOMPARE(Grid()->model()->index(0, 0).data().toString(), QStringLiteral("0800"));
    }

    void rowsTypedWithEnterAndEscapeCancels() {
        QVERIFY(Open([&] {
            Dialog()->RowsEdit()->setFocus();
            QCOMPARE(Dialog()->RowsEdit()->selectedText(), QStringLiteral("64"));
            QTest::keyClicks(Dialog()->RowsEdit(), "9e4");
            QTest::keyClick(Dialog()->RowsEdit(), Qt::Key_Return);  // OK with the box still focused
        }));
        QCOMPARE(app->MemoryDump.RowsPerColumn, 1023);
        QCOMPARE(Grid()->model()->rowCount(), 1023);

        QVERIFY(Open([&] {
            Dialog()->RowsEdit()->setFocus();
            Dialog()->RowsEdit()->selectAll();
            QTest::keyClicks(Dialog()->RowsEdit(), "0");
            QCOMPARE(Dialog()->RowsEdit()->text(), QStringLiteral("0"));
            Dialog()->List()->setFocus();  // leaving the box puts back the count in force
            QCOMPARE(Dialog()->RowsEdit()->text(), QStringLiteral("1023"));
            Dialog()->RowsEdit()->setFocus();
            QTest::keyClicks(Dialog()->RowsEdit(), "12");
            QTest::keyClick(Dialog()->RowsEdit(), Qt::Key_Escape);
        }));
        QVERIFY(Dialog()->isHidden());
        QCOMPARE(app->MemoryDump.RowsPerColumn, 1023);
    }

private:
    qt::MemoryGridView* Grid() const { return harness->Grid(); }
};

QTEST_MAIN(MemoryColumnsDialogTest)
#include "MemoryColumnsDialogTest.moc"
