#include "views/ViewsFixture.h"

namespace vantric {
namespace {

class DirectEntryTest : public ViewsFixture {
protected:
    void SetUp() override {
        Start();
        app->Assembly.RecompileNeeded = false;
    }
    std::uint8_t Memory(int address) const { return app->Processor.Memory[static_cast<std::size_t>(address)]; }
    bool Closed() const { return !box.visible && entry.EntryColumn() == -1; }
};

TEST_F(DirectEntryTest, EnterWritesTheByteAndMovesToTheNextRow) {
    app->MemoryDump.ColumnStart = {0, 0x1000, 0x1000, 0x3000};  // two columns show 1000H
    views.Refresh();
    app->Machine.Start(0x1000);  // paused in a run: what the user types shows all the same
    ClickCell(1, 1);
    EXPECT_TRUE(box.visible && box.HasFocus());
    EXPECT_EQ(box.SelectedText(), "00");

    box.Type("3E");
    PressEntryKey(platform::Key::Return);
    EXPECT_EQ(Memory(0x1000), 0x3E);
    EXPECT_EQ(grid.Cell(1, 1) + grid.Cell(1, 3), "3E3E");
    EXPECT_TRUE(app->Assembly.RecompileNeeded);
    EXPECT_EQ(grid.currentRow, 2);
    EXPECT_EQ(entry.EntryRow(), 2);
    EXPECT_EQ(box.SelectedText(), "00");

    box.Type("g5");  // read up to the first non-digit: 00, unchanged, so nothing is written
    grid.writes = 0;
    PressEntryKey(platform::Key::Down);
    EXPECT_EQ(grid.writes, 0);
    box.Type("5G");
    PressEntryKey(platform::Key::Up);
    EXPECT_EQ(Memory(0x1002), 0x05);
    EXPECT_EQ(grid.currentRow * 10 + grid.currentCol, 21);
    EXPECT_FALSE(entry.OnEntryKey(platform::Key::Tab));

    app->Processor.Memory[0x1003] = 0x77;  // stored by the run, not yet in the grid
    ClickCell(4, 1);
    EXPECT_EQ(box.SelectedText(), "77");
}

TEST_F(DirectEntryTest, AtTheFirstAndLastRowTheValueIsWrittenAndTheBoxStaysUntilFocusedAgain) {
    ClickCell(1, 3);
    box.Type("11");
    PressEntryKey(platform::Key::Up);
    EXPECT_EQ(Memory(0x2000), 0x11);
    EXPECT_EQ(grid.currentRow, 1);
    EXPECT_EQ(entry.EntryColumn(), -1);  // committed, still shown
    box.SetText("");
    box.Type("12");  // the next key makes the value pending again
    PressEntryKey(platform::Key::Up);
    EXPECT_EQ(Memory(0x2000), 0x12);

    grid.SetCurrentCell(64, 5);
    box.Type("FF");
    PressEntryKey(platform::Key::Return);
    EXPECT_EQ(Memory(0x303F), 0xFF);
    EXPECT_EQ(grid.currentRow, 64);
    EXPECT_TRUE(entry.EntryKeepOpen());

    panel.Box(platform::RegisterField::A).SetFocus();  // leaving a box kept open leaves it shown
    EXPECT_TRUE(box.visible);
    box.SetSelStart(2);
    box.SetFocus();  // focused again: the value is selected, so typing replaces it
    EXPECT_EQ(box.SelectedText(), "FF");
    EXPECT_FALSE(entry.EntryKeepOpen());
    panel.Box(platform::RegisterField::A).SetFocus();
    EXPECT_FALSE(box.visible);
    ClickCell(2, 1);
    PressEntryKey(platform::Key::Up);
    EXPECT_EQ(grid.currentRow, 1);
    focus.MoveTo(&editor);  // the editor hides even a box kept open
    EXPECT_FALSE(box.visible);
}

TEST_F(DirectEntryTest, LeavingTheBoxCommitsThePendingValue) {
    ClickCell(3, 1);
    box.Type("AA");
    ClickCell(3, 0);  // an address cell: written, then closed
    EXPECT_EQ(Memory(0x1002), 0xAA);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(box.text, "");

    app->Assembly.RecompileNeeded = false;
    ClickCell(1, 5);
    focus.MoveTo(&editor);  // unchanged: nothing written, yet the program needs assembling
    EXPECT_TRUE(app->Assembly.RecompileNeeded);
    EXPECT_TRUE(Closed());

    grid.SetCurrentCell(3, 0);  // an address cell takes the focus for the grid only when the window has it
    EXPECT_EQ(focus.current, &editor);
    windowHasFocus = true;
    grid.SetCurrentCell(4, 0);
    EXPECT_EQ(focus.current, &grid);
}

TEST_F(DirectEntryTest, NoBoxPastFFFFAndNoneWhileTheGridIsRebuilt) {
    app->MemoryDump.ColumnStart = {0, 0x1000, 0x2000, 0xFFF0};
    views.Refresh();
    ClickCell(16, 5);
    EXPECT_TRUE(box.visible);
    PressEntryKey(platform::Key::Down);  // row 17 shows no address
    EXPECT_EQ(grid.currentRow, 17);
    EXPECT_FALSE(box.visible);
    box.SetText("77");
    entry.CommitEntry();
    EXPECT_EQ(Memory(0xFFFF) + Memory(0x0000), 0);

    ClickCell(2, 1);
    box.Type("44");
    views.Refresh();  // the current cell goes back to row 1, column 0, with the grid hidden
    EXPECT_TRUE(Closed());
    EXPECT_EQ(Memory(0x1001), 0);

    mainWindow.visible = false;  // before the main window shows, cell changes open nothing
    grid.SetCurrentCell(2, 1);
    EXPECT_FALSE(box.visible);
}

}  // namespace
}  // namespace vantric
