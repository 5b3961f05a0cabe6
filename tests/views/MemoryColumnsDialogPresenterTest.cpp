#include "views/ViewsFixture.h"

namespace vantric {
namespace {

class MemoryColumnsDialogTest : public ViewsFixture {
protected:
    void SetUp() override {
        Start();
        dialog.rows.focus = dialog.address.focus = &focus;
        dialog.rows.onGotFocus = [this] { columns.OnRowsFieldFocused(); };
        dialog.rows.onLostFocus = [this] { columns.OnRowsFieldLeft(); };
        dialog.address.onGotFocus = [this] { columns.OnAddressFieldFocused(); };
        dialog.address.onLostFocus = [this] { columns.OnAddressFieldLeft(); };
    }
    // Opens the dialog and lets `user` work in it.
    void Open(std::function<void()> user) {
        dialog.user = std::move(user);
        columns.ShowDialog();
    }
    // Tabs into a box and puts the text in; Add then takes the focus to the button and back.
    void Enter(fakes::FakeTextBox& field, const std::string& text) {
        focus.MoveTo(nullptr);
        field.SetFocus();
        field.SetText(text);
    }
    void Add(const std::string& text) {
        Enter(dialog.address, text);
        focus.MoveTo(nullptr);
        columns.OnAddColumnClicked();
    }
    using Items = std::vector<std::string>;
};

TEST_F(MemoryColumnsDialogTest, AddPadsChecksAndSortsTheNewAddressAndOkRebuildsTheGrid) {
    pump.onEvents = [this] { EXPECT_EQ(grid.cols, 6) << "the grid is rebuilt after the events ran"; };
    Open([this] {
        dialog.rows.SetFocus();
        EXPECT_EQ(dialog.rows.SelectedText(), "64");
        Add("12");
        EXPECT_EQ(dialog.address.text, "0012");
        EXPECT_TRUE(dialog.address.HasFocus());
        EXPECT_EQ(dialog.address.SelectedText(), "0012");
        EXPECT_TRUE(dialog.addIsDefault);
        for (const char* refused : {"12G", "", "0012", "FFC0"}) Add(refused);
        EXPECT_EQ(messages.beeps, 4);
        EXPECT_EQ(dialog.address.text, "FFC0");
        Add("ffbf");  // the last start address whose 64 rows fit
        Enter(dialog.rows, "100");
        Add("FF9B");  // 100 rows: FF9B is the last that fits
        Add("FF9C");
        EXPECT_EQ(messages.beeps, 5);
        EXPECT_EQ(dialog.list.items, (Items{"0012", "1000", "2000", "3000", "FF9B", "FFBF"}));
        focus.MoveTo(nullptr);
        EXPECT_FALSE(dialog.addIsDefault);
        columns.OnOkClicked();
        EXPECT_FALSE(dialog.visible);
    });
    EXPECT_EQ(pump.calls, 1);
    EXPECT_EQ(app->MemoryDump.RowsPerColumn, 100);
    const std::vector<std::int32_t> starts{0, 0x12, 0x1000, 0x2000, 0x3000, 0xFF9B, 0xFFBF};
    EXPECT_EQ(app->MemoryDump.ColumnStart, starts);
    EXPECT_EQ(grid.cols, 12);
    EXPECT_EQ(grid.Cell(1, 0) + grid.Cell(100, 0), "00120075");
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
        EXPECT_EQ(dialog.list.index, -1);
        columns.OnDeleteColumnClicked();
        EXPECT_EQ(messages.beeps, 2);
        columns.OnOkClicked();
    });
    EXPECT_EQ(app->MemoryDump.MemoryColumnCount, 0);
    EXPECT_EQ(grid.cols, 0);
}

TEST_F(MemoryColumnsDialogTest, RowCountIsCheckedOnLeavingTheBoxAndRoundedOnOk) {
    Open([this] {
        for (const auto& [typed, kept] : std::vector<std::pair<std::string, std::string>>{
                 {"1", "1"}, {"0", "64"}, {"7.9", "7"}, {"1023", "1023"}, {"1024", "64"}, {"0x10", "64"}}) {
            Enter(dialog.rows, typed);
            focus.MoveTo(nullptr);
            EXPECT_EQ(dialog.rows.text, kept) << typed;
        }
    });
    // OK pressed with Enter while the box still has the focus.
    for (const auto& [typed, rows] : std::vector<std::pair<std::string, int>>{
             {"2.5", 2}, {"3.5", 4}, {"0", 1}, {"5e3", 5000}, {"32767", 32767}, {"32768", 1023}, {"9d4", 1023}}) {
        Open([&] {
            Enter(dialog.rows, typed);
            columns.OnOkClicked();
        });
        EXPECT_EQ(app->MemoryDump.RowsPerColumn, rows) << typed;
    }
    EXPECT_EQ(grid.rows, 1024);
}

}  // namespace
}  // namespace vantric
