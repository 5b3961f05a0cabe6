#include <QtTest>
#include <memory>

#include "qt/HarnessSetUp.h"
#include "support/Fakes.h"

using namespace vantric;

class RegisterPanelWidgetTest : public QObject {
    Q_OBJECT

    std::unique_ptr<AppState> app;
    fakes::FakeMessageBox messages;
    std::unique_ptr<qt::ViewsHarness> harness;

    qt::QtTextBox* Box(int index) const { return harness->Registers()->Box(index); }

private slots:
    void init() {
        app = std::make_unique<AppState>();
        harness = ShowHarness(*app, messages);
        QVERIFY(QTest::qWaitForWindowActive(harness.get()));
    }
    void cleanup() { harness.reset(); }

    void showsTheStateAndTabsThroughTheBoxesInPairs() {
        QCOMPARE(Box(9)->text(), QStringLiteral("FFF0"));
        QCOMPARE(Box(10)->text(), QStringLiteral("1000"));
        QCOMPARE(harness->Status()->PanelText(2), QStringLiteral("Program not running"));
        QVERIFY(Box(7)->isHidden());
        QVERIFY(Box(8)->alignment() & Qt::AlignRight);
        QVERIFY(Box(0)->alignment() & Qt::AlignLeft);
        QCOMPARE(Box(8)->y(), Box(0)->y());
        QVERIFY(Box(8)->x() < Box(0)->x());

        Box(8)->setFocus();
        for (int next : {0, 1, 2, 3, 4, 5, 6, 9, 10}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), Box(next));
        }
        QCOMPARE(Box(10)->selectedText(), QStringLiteral("1000"));  // the whole value, ready to be replaced
    }

    void typingStoresAtOnceAndLeavingNormalises() {
        Box(1)->setFocus();
        QTest::keyClicks(Box(1), "1");
        QCOMPARE(app->Processor.Register(RegB), 1);
        QTest::keyClicks(Box(1), "2");
        QCOMPARE(app->Processor.Register(RegB), 0x12);
        QTest::keyClicks(Box(1), "3");  // two digits at most
        QCOMPARE(Box(1)->text(), QStringLiteral("12"));

        QTest::keyClick(Box(1), Qt::Key_Tab);
        QTest::keyClicks(Box(2), "5g");
        QCOMPARE(app->Processor.Register(RegC), 5);  // "5g" is not stored, "5" was
        QTest::keyClick(Box(2), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), harness->Editor());
        QCOMPARE(Box(2)->text(), QStringLiteral("05"));
        QVERIFY(harness->Editor()->toPlainText().isEmpty());

        QTest::mouseClick(Box(9), Qt::LeftButton);  // selects the whole value, as the keyboard does
        QTest::keyClicks(Box(9), "abc");
        harness->Editor()->setFocus();
        QCOMPARE(Box(9)->text(), QStringLiteral("0ABC"));
        QCOMPARE(app->Processor.StackPointer, 0x0ABC);
    }

    void flagCellsToggleTheFlagByte() {
        qt::FlagCell* cy = harness->Registers()->Cell(0);
        QTest::mouseClick(cy, Qt::LeftButton);
        QCOMPARE(cy->text(), QStringLiteral("1"));
        QCOMPARE(app->Processor.Flags, 0x01);
        QCOMPARE(Box(0)->text(), QStringLiteral("01"));
        QTest::mouseClick(cy, Qt::LeftButton);
        QCOMPARE(app->Processor.Flags, 0);

        Box(0)->setFocus();
        QTest::keyClicks(Box(0), "fe");
        QCOMPARE(app->Processor.Flags, 0xFE);
        QString cells;
        for (int bit = 7; bit >= 0; --bit) cells += harness->Registers()->Cell(bit)->text();
        QCOMPARE(cells, QStringLiteral("11111110"));
        QVERIFY(harness->Registers()->Cell(7)->x() < harness->Registers()->Cell(0)->x());
    }
};

QTEST_MAIN(RegisterPanelWidgetTest)
#include "RegisterPanelWidgetTest.moc"
