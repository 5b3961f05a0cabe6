#include <set>

#include "editing/ColourLightness.h"
#include "views/ReadableColours.h"
#include "views/ViewsFixture.h"

namespace vantric {
namespace {

class MemoryGridTest : public ViewsFixture {};

TEST_F(MemoryGridTest, ARebuildWritesEveryCellAndARefreshOnlyTheBytes) {
    app->Processor.Memory[0x2004] = 0xA7;
    grid.ScrollTo(30, 3);
    Start();
    ASSERT_EQ(grid.rows, 65);
    ASSERT_EQ(grid.cols, 6);
    for (int column = 0; column < 6; column += 2)
        EXPECT_EQ(grid.Cell(0, column) + grid.Cell(0, column + 1), "AddressData");
    EXPECT_EQ(grid.Cell(1, 0) + grid.Cell(64, 4) + grid.Cell(5, 3) + grid.Cell(64, 5), "1000303FA700");
    EXPECT_EQ(grid.currentRow + grid.currentCol, 1);
    EXPECT_EQ(grid.topRow + grid.leftCol, 1);
    EXPECT_TRUE(grid.visible);
    EXPECT_FALSE(app->MemoryDump.GridRebuildNeeded);

    views.ShowMemoryByte(0x3000, 0x0A);  // the first row of the last column
    views.ShowMemoryByte(0x1040, 0x0B);  // one past the first column: shown nowhere
    views.ShowMemoryByte(0x0005, 0x0C);  // below every column (the unused start 0 counts for none)
    EXPECT_EQ(grid.Cell(1, 5) + grid.Cell(65, 1) + grid.Cell(6, -1), "0A");

    struct : MachineObserver {  // the engine reports stores to what the grid shows, up to its last row
        std::vector<std::uint16_t> stored;
        void WatchedMemoryChanged(std::uint16_t address, std::uint8_t) override { stored.push_back(address); }
        void RegistersChanged() override {}
        void UnsupportedInstruction(const char*, std::uint8_t) override {}
        void SelectLine(std::int32_t, std::int32_t) override {}
    } observer;
    app->Machine.SetObserver(&observer);
    app->Processor.Memory[0x4000] = 0x32;  // STA 303FH
    app->Processor.Memory[0x4002] = 0x30;
    app->Processor.Memory[0x4001] = 0x3F;
    app->Machine.Start(0x4000);
    app->Machine.Step();
    app->Machine.ReportChanges(true, false);
    EXPECT_EQ(observer.stored, std::vector<std::uint16_t>{0x303F});

    grid.cells[{5, 2}] = "left alone";
    app->Processor.Memory[0x2004] = 0x5C;
    grid.writes = 0;
    views.RefreshMemoryGrid();
    EXPECT_EQ(grid.Cell(5, 3) + grid.Cell(5, 2), "5Cleft alone");
    EXPECT_EQ(grid.writes, 3 * 64 + 6);  // the bytes and the headings
    views.Refresh();                     // rebuilds, and redraws the register panel
    EXPECT_EQ(grid.Cell(5, 2), "2004");
    EXPECT_EQ(status.Panel(2), "Program not running");
}

TEST_F(MemoryGridTest, RowsPastFFFFAreEmpty) {
    MemoryDumpSettings& dump = app->MemoryDump;
    dump.MemoryColumnCount = 2;
    dump.RowsPerColumn = 100;
    dump.ColumnStart = {0, 0xFFBF, 0xFF9D};  // the second column's last row is the first past FFFF
    app->Processor.Memory[0xFFFF] = 0x99;
    Start();
    EXPECT_EQ(grid.Cell(65, 0) + grid.Cell(65, 1) + grid.Cell(66, 0) + grid.Cell(100, 1), "FFFF99");
    grid.cells[{66, 1}] = "xx";  // a refresh without rebuild leaves those cells as they are
    views.RefreshMemoryGrid();
    EXPECT_EQ(grid.Cell(66, 1), "xx");

    dump.MemoryColumnCount = 0;
    dump.GridRebuildNeeded = true;
    grid.ScrollTo(7, 1);
    views.RefreshMemoryGrid();
    EXPECT_EQ(grid.cols, 0);
    EXPECT_EQ(grid.topRow, 7);  // nothing to scroll back to
}

// A light palette keeps the cells' colours; a dark one darkens them, still told apart, under light text.
TEST(ReadableColoursTest, LightPalettesKeepTheCellColoursDarkOnesDarkenThem) {
    std::set<std::uint32_t> darkened;
    for (const std::uint32_t cell : {kAddressCellColour, kDataCellColour, kAddressPastEndColour, kDataPastEndColour}) {
        EXPECT_EQ(ReadableColours(cell, 0xEFEFEF, 0x000000).background, cell);
        const CellColours dark = ReadableColours(cell, 0x353535, 0x303030);  // the palette's dark text replaced
        EXPECT_TRUE(IsDarkColour(dark.background) && dark.text == 0xFFFFFFu) << cell;
        darkened.insert(dark.background);
    }
    EXPECT_EQ(darkened.size(), 4u);
}

}  // namespace
}  // namespace vantric
