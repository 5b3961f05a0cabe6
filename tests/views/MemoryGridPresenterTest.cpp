#include "core/HexText.h"
#include "views/ViewsFixture.h"

namespace vantric {
namespace {

class MemoryGridTest : public ViewsFixture {};

TEST_F(MemoryGridTest, StartUpBuildsThreeColumnsOfSixtyFourRows) {
    Start();
    ASSERT_EQ(grid.rows, 65);
    ASSERT_EQ(grid.cols, 6);
    for (int i = 0; i < 3; ++i) {
        const int address = 2 * i;
        const int data = address + 1;
        EXPECT_EQ(grid.Cell(0, address), "Address");
        EXPECT_EQ(grid.Cell(0, data), "Data");
        EXPECT_EQ(grid.widths[address], 7 * 120 + 100);  // "Columns" plus 100 twips
        EXPECT_EQ(grid.widths[data], 4 * 120 + 100);     // "Data" plus 100 twips
        EXPECT_EQ(grid.alignments[address], platform::CellAlignment::Left);
        EXPECT_EQ(grid.alignments[data], platform::CellAlignment::Left);
        for (int row = 1; row <= 64; ++row) {
            EXPECT_EQ(grid.Cell(row, address), HexText(0x1000 * (i + 1) + row - 1, 4));
            EXPECT_EQ(grid.Cell(row, data), "00");
            EXPECT_EQ(grid.Style(row, address), (fakes::FakeCellStyle{kAddressCellColour, true}));
            EXPECT_EQ(grid.Style(row, data), (fakes::FakeCellStyle{kDataCellColour, false}));
        }
        EXPECT_EQ(grid.Style(0, address), fakes::FakeCellStyle{});  // the heading row keeps its look
    }
    EXPECT_EQ(grid.Cell(64, 4), "303F");
    EXPECT_EQ(grid.currentRow, 1);
    EXPECT_EQ(grid.currentCol, 0);
    EXPECT_EQ(grid.topRow, 1);
    EXPECT_EQ(grid.leftCol, 0);
    EXPECT_TRUE(grid.visible);
    EXPECT_FALSE(app->MemoryDump.GridRebuildNeeded);
}

TEST_F(MemoryGridTest, RefreshWithoutRebuildRewritesOnlyTheDataCells) {
    Start();
    grid.cells[{5, 0}] = "left alone";
    grid.styles[{5, 0}] = {};
    app->Processor.Memory[0x2004] = 0xA7;
    grid.writes = 0;
    grid.ScrollTo(30, 3);
    views.RefreshMemoryGrid();
    EXPECT_EQ(grid.Cell(5, 3), "A7");
    EXPECT_EQ(grid.Cell(5, 0), "left alone");
    EXPECT_EQ(grid.Style(5, 0), fakes::FakeCellStyle{});
    EXPECT_EQ(grid.writes, 3 * 64 + 6);  // the bytes and the headings
    EXPECT_EQ(grid.topRow, 1);
    EXPECT_EQ(grid.leftCol, 0);

    views.Refresh();  // rebuilds and redraws the register panel
    EXPECT_EQ(grid.Cell(5, 0), "1004");
    EXPECT_EQ(grid.Style(5, 0), (fakes::FakeCellStyle{kAddressCellColour, true}));
    EXPECT_EQ(panel.Box(platform::RegisterField::StackPointer).text, "FFF0");
    EXPECT_EQ(status.Panel(2), "Program not running");
}

TEST_F(MemoryGridTest, RowsPastFFFFAreEmptyAndGrey) {
    MemoryDumpSettings& dump = app->MemoryDump;
    dump.MemoryColumnCount = 1;
    dump.RowsPerColumn = 100;
    dump.ColumnStart = {0, 0xFFBF};
    app->Processor.Memory[0xFFFF] = 0x99;
    Start();
    ASSERT_EQ(grid.rows, 101);
    EXPECT_EQ(grid.Cell(65, 0), "FFFF");
    EXPECT_EQ(grid.Cell(65, 1), "99");
    EXPECT_EQ(grid.Style(65, 0), (fakes::FakeCellStyle{kAddressCellColour, true}));
    for (int row : {66, 100}) {
        EXPECT_EQ(grid.Cell(row, 0), "");
        EXPECT_EQ(grid.Cell(row, 1), "");
        EXPECT_EQ(grid.Style(row, 0), (fakes::FakeCellStyle{kAddressPastEndColour, true}));
        EXPECT_EQ(grid.Style(row, 1), (fakes::FakeCellStyle{kDataPastEndColour, false}));
    }
    grid.cells[{66, 1}] = "xx";  // a refresh without rebuild leaves those cells as they are
    views.RefreshMemoryGrid();
    EXPECT_EQ(grid.Cell(66, 1), "xx");
}

TEST_F(MemoryGridTest, GridFollowsTheDumpSettingsItIsGiven) {
    Start();
    MemoryDumpSettings& dump = app->MemoryDump;
    dump.MemoryColumnCount = 0;
    dump.ColumnStart = {0};
    dump.GridRebuildNeeded = true;
    grid.ScrollTo(7, 1);
    views.RefreshMemoryGrid();
    EXPECT_EQ(grid.cols, 0);
    EXPECT_EQ(grid.topRow, 7);  // nothing to scroll back to
    EXPECT_TRUE(grid.visible);

    dump.MemoryColumnCount = 2;
    dump.RowsPerColumn = 1;
    dump.ColumnStart = {0, 0x0000, 0xFFFF};
    dump.GridRebuildNeeded = true;
    views.RefreshMemoryGrid();
    EXPECT_EQ(grid.rows, 2);
    EXPECT_EQ(grid.cols, 4);
    EXPECT_EQ(grid.Cell(1, 0), "0000");
    EXPECT_EQ(grid.Cell(1, 2), "FFFF");
}

}  // namespace
}  // namespace vantric
