#include <QtTest>
#include <memory>

#include "qt/HarnessSetUp.h"
#include "support/Fakes.h"

using namespace vantric;

class RegisterPanelWidgetTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestState> app;
    fakes::FakeMessageBox messages;
    std::unique_ptr<qt::ViewsHarness> harness;

    qt::QtTextBox* Box(platform::RegisterField field) const { return harness->Registers()->Box(field); }

private slots:
    void init() {
        app = std::make_unique<TestState>();
        harness = ShowHarness(*app, messages);
        QVERIFY(QTest::qWaitForWindowActive(harness.get()));
    }
    void cleanup() { harness.reset(); }

    void showsTheStateAndTabsThroughTheBoxesInPairs() {
        QCOMPARE(Box(platform::RegisterField::StackPointer)->text(), QStringLiteral("FFF0"));
        QCOMPARE(Box(platform::RegisterField::ProgramCounter)->text(), QStringLiteral("1000"));
        QCOMPARE(harness->Status()->PanelText(2), QStringLiteral("Program not running"));
        QVERIFY(Box(platform::RegisterField::A)->alignment() & Qt::AlignRight);
        QVERIFY(Box(platform::RegisterField::Flags)->alignment() & Qt::AlignLeft);
        QCOMPARE(Box(platform::RegisterField::A)->y(), Box(platform::RegisterField::Flags)->y());
        QVERIFY(Box(platform::RegisterField::A)->x() < Box(platform::RegisterField::Flags)->x());

        Box(platform::RegisterField::A)->setFocus();
        for (int next = 1; next < platform::kRegisterFieldCount; ++next) {  // the fields are in tab order
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), Box(static_cast<platform::RegisterField>(next)));
        }
        // The whole value, ready to be replaced.
        QCOMPARE(Box(platform::RegisterField::ProgramCounter)->selectedText(), QStringLiteral("1000"));
    }

    void typingStoresAtOnceAndLeavingNormalises() {
        Box(platform::RegisterField::B)->setFocus();
        QTest::keyClicks(Box(platform::RegisterField::B), "1");
        QCOMPARE(app->Processor.Register(RegB), 1);
        QTest::keyClicks(Box(platform::RegisterField::B), "2");
        QCOMPARE(app->Processor.Register(RegB), 0x12);
        QTest::keyClicks(Box(platform::RegisterField::B), "3");  // two digits at most
        QCOMPARE(Box(platform::RegisterField::B)->text(), QStringLiteral("12"));

        QTest::keyClick(Box(platform::RegisterField::B), Qt::Key_Tab);
        QTest::keyClicks(Box(platform::RegisterField::C), "5g");
        QCOMPARE(app->Processor.Register(RegC), 5);  // "5g" is not stored, "5" was
        QTest::keyClick(Box(platform::RegisterField::C), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), harness->Editor());
        QCOMPARE(Box(platform::RegisterField::C)->text(), QStringLiteral("05"));
        QVERIFY(harness->Editor()->toPlainText().isEmpty());

        // Selects the whole value, as the keyboard does.
        QTest::mouseClick(Box(platform::RegisterField::StackPointer), Qt::LeftButton);
        QTest::keyClicks(Box(platform::RegisterField::StackPointer), "abc");
        harness->Editor()->setFocus();
        QCOMPARE(Box(platform::RegisterField::StackPointer)->text(), QStringLiteral("0ABC"));
        QCOMPARE(app->Processor.StackPointer, 0x0ABC);
    }

    void flagCellsToggleTheFlagByte() {
        qt::FlagCell* cy = harness->Registers()->Cell(0);
        QTest::mouseClick(cy, Qt::LeftButton);
        QCOMPARE(cy->text(), QStringLiteral("1"));
        QCOMPARE(app->Processor.Flags, 0x01);
        QCOMPARE(Box(platform::RegisterField::Flags)->text(), QStringLiteral("01"));
        QTest::mouseClick(cy, Qt::LeftButton);
        QCOMPARE(app->Processor.Flags, 0);

        Box(platform::RegisterField::Flags)->setFocus();
        QTest::keyClicks(Box(platform::RegisterField::Flags), "fe");
        QCOMPARE(app->Processor.Flags, 0xFE);
        QString cells;
        for (int bit = 7; bit >= 0; --bit) cells += harness->Registers()->Cell(bit)->text();
        QCOMPARE(cells, QStringLiteral("11111110"));
        QVERIFY(harness->Registers()->Cell(7)->x() < harness->Registers()->Cell(0)->x());
    }
};

QTEST_MAIN(RegisterPanelWidgetTest)
#include "RegisterPanelWidgetTest.moc"
