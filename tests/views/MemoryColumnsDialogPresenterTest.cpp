#include "views/ViewsFixture.h"

namespace vantric {
namespace {

class MemoryColumnsDialogTest : public ViewsFixture {
protected:
    void SetUp() override {
        Start();
        dialog.rows.focus = &focus;
        dialog.rows.onGotFocus = [this] { columns.OnRowsFieldFocused(); };
        dialog.rows.onLostFocus = [this] { columns.OnRowsFieldLeft(); };
        dialog.address.focus = &focus;
        dialog.address.onGotFocus = [this] { columns.OnAddressFieldFocused(); };
        dialog.address.onLostFocus = [this] { columns.OnAddressFieldLeft(); };
    }
    // Opens the dialog and lets `user` work in it.
    void Open(std::function<void()> user) {
        dialog.user = std::move(user);
        columns.ShowDialog();
    }
    // Tabs into the address box, types and presses Add (the focus goes to the button, then back).
    void Add(const std::string& text) {
        focus.MoveTo(nullptr);
        dialog.address.SetFocus();
        dialog.address.Type(text);
        focus.MoveTo(nullptr);
        columns.OnAddColumnClicked();
    }
    void EnterRows(const std::string& text) {
        focus.MoveTo(nullptr);
        dialog.rows.SetFocus();
        dialog.rows.Type(text);
    }
    using Items = std::vector<std::string>;
};

TEST_F(MemoryColumnsDialogTest, AddPadsChecksAndSortsTheNewAddress) {
    Open([this] {
        EXPECT_EQ(dialog.rows.text, "64");
        EXPECT_EQ(dialog.list.items, (Items{"1000", "2000", "3000"}));
        Add("12");
        EXPECT_EQ(dialog.address.text, "0012");
        EXPECT_TRUE(dialog.address.HasFocus());
        EXPECT_EQ(dialog.address.SelectedText(), "0012");
        EXPECT_TRUE(dialog.addIsDefault);
        EXPECT_EQ(messages.beeps, 0);

        Add("12G");
        EXPECT_EQ(dialog.address.text, "012G");
        for (const char* refused : {"", "1000", "FFC0"}) {
            Add(refused);
            EXPECT_EQ(messages.beeps, 2) << refused;
            messages.beeps = 1;
        }
        EXPECT_EQ(dialog.address.text, "FFC0");

        Add("ffbf");  // the last start address whose 64 rows fit
        EXPECT_EQ(dialog.list.items, (Items{"0012", "1000", "2000", "3000", "FFBF"}));
        EnterRows("100");
        Add("FF9B");  // 100 rows: FF9B is the last that fits
        Add("FF9C");
        EXPECT_EQ(messages.beeps, 2);
        focus.MoveTo(nullptr);
        EXPECT_FALSE(dialog.addIsDefault);
        columns.OnOkClicked();
    });
    EXPECT_EQ(app->MemoryDump.RowsPerColumn, 100);
    const std::vector<std::int32_t> starts{0, 0x12, 0x1000, 0x2000, 0x3000, 0xFF9B, 0xFFBF};
    EXPECT_EQ(app->MemoryDump.ColumnStart, starts);
    EXPECT_EQ(grid.cols, 12);
    EXPECT_EQ(grid.Cell(1, 0), "0012");
    EXPECT_EQ(grid.Cell(100, 10), "");  // FFBF + 99 lies past FFFF
    EXPECT_EQ(grid.Style(100, 10).background, kAddressPastEndColour);
}

TEST_F(MemoryColumnsDialogTest, RemoveSelectsTheLastEntryAndBeepsWithNothingSelected) {
    Open([this] {
        columns.OnDeleteColumnClicked();
        EXPECT_EQ(messages.beeps, 1);
        dialog.list.SetListIndex(0);
        columns.OnDeleteColumnClicked();
        EXPECT_EQ(dialog.list.items, (Items{"2000", "3000"}));
        EXPECT_EQ(dialog.list.index, 1);
        columns.OnDeleteColumnClicked();
        columns.OnDeleteColumnClicked();
        EXPECT_TRUE(dialog.list.items.empty());
        EXPECT_EQ(dialog.list.index, -1);
        columns.OnDeleteColumnClicked();
        EXPECT_EQ(messages.beeps, 2);
        columns.OnOkClicked();
    });
    EXPECT_EQ(app->MemoryDump.MemoryColumnCount, 0);
    EXPECT_EQ(grid.cols, 0);
    Open([this] { EXPECT_TRUE(dialog.list.items.empty()); });
}

TEST_F(MemoryColumnsDialogTest, CancelForgetsTheEditsAndOkRefreshesAfterLettingEventsRun) {
    Open([this] {
        Add("0800");
        EnterRows("9");
        columns.OnCancelClicked();
        EXPECT_FALSE(dialog.visible);
    });
    EXPECT_EQ(app->MemoryDump.MemoryColumnCount, 3);
    EXPECT_FALSE(app->MemoryDump.GridRebuildNeeded);

    pump.onEvents = [this] { EXPECT_EQ(grid.cols, 6) << "the grid is rebuilt after the events ran"; };
    Open([this] {
        EXPECT_EQ(dialog.list.items, (Items{"1000", "2000", "3000"}));
        EXPECT_EQ(dialog.rows.text, "64");
        Add("0800");
        columns.OnOkClicked();
        EXPECT_FALSE(dialog.visible);
    });
    EXPECT_EQ(pump.calls, 1);
    EXPECT_EQ(grid.cols, 8);
    EXPECT_EQ(grid.Cell(1, 0), "0800");
    EXPECT_EQ(grid.Cell(64, 0), "083F");
}

TEST_F(MemoryColumnsDialogTest, RowCountIsCheckedOnLeavingTheBoxAndRoundedOnOk) {
    struct Leaving {
        const char* typed;
        const char* kept;
    };
    Open([this] {
        for (const Leaving c : {Leaving{"12", "12"}, Leaving{"0", "64"}, Leaving{"abc", "64"}, Leaving{"7.9", "7"},
                                Leaving{"1e3", "1000"}, Leaving{"2e3", "64"}, Leaving{"-5", "64"}, Leaving{"", "64"}}) {
            EnterRows(c.typed);
            focus.MoveTo(nullptr);
            EXPECT_EQ(dialog.rows.text, c.kept) << c.typed;
        }
    });

    struct Pressed {
        const char* typed;  // OK pressed with Enter while the box still has the focus
        int rows;
    };
    for (const Pressed c : {Pressed{"2.5", 2}, Pressed{"3.5", 4}, Pressed{"0", 1}, Pressed{"-9", 1}, Pressed{"x", 1},
                            Pressed{"5e3", 5000}, Pressed{"9e4", 1023}, Pressed{"9e9", 1023}, Pressed{"9d4", 1023}}) {
        Open([this, c] {
            EnterRows(c.typed);
            columns.OnOkClicked();
        });
        EXPECT_EQ(app->MemoryDump.RowsPerColumn, c.rows) << c.typed;
        EXPECT_EQ(grid.rows, c.rows + 1) << c.typed;
    }
}

}  // namespace
}  // namespace vantric
