#include <QScrollBar>
#include <QtTest>
#include <memory>

#include "qt/HarnessSetUp.h"
#include "qt/TwipsLayout.h"
#include "support/Fakes.h"

using namespace vantric;

// The memory grid and the direct entry box over it.
class MemoryGridWidgetTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestState> app;
    fakes::FakeMessageBox messages;
    std::unique_ptr<qt::ViewsHarness> harness;

    qt::MemoryGridView* Grid() const { return harness->Grid(); }
    qt::DirectEntryBox* Entry() const { return harness->Entry(); }
    QModelIndex Cell(int row, int column) const { return Grid()->model()->index(row - 1, column); }
    QString Text(int row, int column) const { return Cell(row, column).data().toString(); }
    void Click(int row, int column) {
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, Grid()->visualRect(Cell(row, column)).center());
    }
    // Where the current cell lies in the grid's parent.
    QRect CurrentCellInClient() const {
        const QRect cell = Grid()->visualRect(Grid()->currentIndex());
        return cell.translated(Grid()->viewport()->mapTo(Grid()->parentWidget(), QPoint(0, 0)));
    }

private slots:
    void init() {
        app = std::make_unique<TestState>();
        harness = ShowHarness(*app, messages);
        QVERIFY(QTest::qWaitForWindowActive(harness.get()));
    }
    void cleanup() { harness.reset(); }

    void showsTheColumnsAndFollowsMonitoredStores() {
        QCOMPARE(Grid()->model()->rowCount(), 64);
        QCOMPARE(Grid()->model()->headerData(5, Qt::Horizontal).toString(), QStringLiteral("Data"));
        QCOMPARE(Text(64, 4), QStringLiteral("303F"));
        QCOMPARE(Cell(1, 0).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(255, 255, 192));
        QVERIFY(Cell(1, 0).data(Qt::FontRole).value<QFont>().bold());
        QCOMPARE(Grid()->columnWidth(0), qt::TwipsToPixels(Grid(), Grid()->TextWidth("Columns") + 100));
        QVERIFY(Grid()->columnWidth(1) < Grid()->columnWidth(0));

        app->MemoryDump.ColumnStart = {0, 0x1000, 0x2000, 0xFFF0};
        Grid()->verticalScrollBar()->setValue(20);
        harness->Views().Refresh();
        QCOMPARE(Grid()->verticalScrollBar()->value(), 0);
        QCOMPARE(Text(17, 4), QString());
        QCOMPARE(Cell(17, 5).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(240, 240, 240));

        QSignalSpy changes(Grid()->model(), &QAbstractItemModel::dataChanged);
        harness->Writer().WriteUserByte(0x1005, 0x42);  // one cell changes, one cell is reported
        QCOMPARE(Text(6, 1), QStringLiteral("42"));
        QCOMPARE(changes.count(), 1);
    }

    void enterAndTheArrowKeysWriteAndMove() {
        Click(1, 1);
        QVERIFY(Entry()->isVisible());
        QCOMPARE(QApplication::focusWidget(), Entry());
        QCOMPARE(Entry()->geometry(), CurrentCellInClient());
        QCOMPARE(Entry()->selectedText(), QStringLiteral("00"));

        QTest::keyClicks(Entry(), "3e");
        QTest::keyClick(Entry(), Qt::Key_Return);
        QCOMPARE(app->Processor.Memory[0x1000], 0x3E);
        QCOMPARE(Text(1, 1), QStringLiteral("3E"));
        QCOMPARE(Grid()->Row(), 2);
        QCOMPARE(Entry()->geometry(), CurrentCellInClient());
        QCOMPARE(Entry()->selectedText(), QStringLiteral("00"));
        QVERIFY(app->Assembly.RecompileNeeded);

        QTest::keyClick(Entry(), Qt::Key_Up);
        QCOMPARE(Grid()->Row(), 1);
        QCOMPARE(Entry()->text(), QStringLiteral("3E"));
        QTest::keyClicks(Entry(), "4");
        QTest::keyClick(Entry(), Qt::Key_Up);  // the first row: written, the box stays
        QCOMPARE(app->Processor.Memory[0x1000], 0x04);
        QCOMPARE(Grid()->Row(), 1);
        QVERIFY(Entry()->isVisible());

        Grid()->SetCurrentCell(64, 1);  // the grid scrolls to the last row and the box follows
        QCOMPARE(Entry()->geometry(), CurrentCellInClient());
        QVERIFY(Grid()->viewport()->rect().contains(Grid()->visualRect(Grid()->currentIndex())));
        QTest::keyClicks(Entry(), "ff");
        QTest::keyClick(Entry(), Qt::Key_Down);
        QCOMPARE(app->Processor.Memory[0x103F], 0xFF);
        QCOMPARE(Grid()->Row(), 64);
        QVERIFY(Entry()->isVisible());
    }

    void leavingTheBoxCommitsAndScrollingClosesIt() {
        Click(3, 1);
        QTest::keyClicks(Entry(), "aa");
        Click(3, 0);
        QCOMPARE(app->Processor.Memory[0x1002], 0xAA);
        QVERIFY(Entry()->isHidden());

        Click(4, 1);
        QTest::keyClicks(Entry(), "bb");
        Click(9, 3);
        QCOMPARE(app->Processor.Memory[0x1003], 0xBB);
        QCOMPARE(Entry()->geometry(), CurrentCellInClient());

        QTest::keyClicks(Entry(), "cc");
        Grid()->verticalScrollBar()->setValue(10);
        QCOMPARE(app->Processor.Memory[0x2008], 0xCC);
        QVERIFY(Entry()->isHidden());

        Click(12, 5);
        QVERIFY(Entry()->isVisible());
        harness->Editor()->setFocus();
        QVERIFY(Entry()->isHidden());
    }
};

QTEST_MAIN(MemoryGridWidgetTest)
#include "MemoryGridWidgetTest.moc"
