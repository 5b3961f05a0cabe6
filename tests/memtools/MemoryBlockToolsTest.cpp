#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>

#include "memtools/MemoryBlock.h"
#include "memtools/MemoryBlockPresenter.h"
#include "support/FakeViews.h"
#include "support/TestState.h"

namespace vantric {
namespace {

using Typed = std::array<const char*, 3>;  // the three fields, in focus order
using Bytes = std::vector<int>;

// A fill or copy dialog; like the real ones it is only hidden when it closes.
struct FakeBlockDialog : platform::MemoryBlockDialogView {
    explicit FakeBlockDialog(int targetMax)
        : fields{fakes::FakeTextBox{4}, fakes::FakeTextBox{4}, fakes::FakeTextBox{targetMax}} {}
    void ShowModal() override { visible = true; }
    void Hide() override { visible = false; }
    platform::TextBox& Field(platform::BlockField field) override { return fields[static_cast<std::size_t>(field)]; }
    std::array<fakes::FakeTextBox, 3> fields;
    bool visible = false;
};

class MemoryBlockToolsTest : public ::testing::Test {
protected:
    // Opens the dialog, fills in the fields and presses the button. Closing must come with a grid
    // refresh and a new assembly due; staying open, with one beep and no change at all. True when the
    // dialog closed.
    bool Press(MemoryBlockPresenter& presenter, FakeBlockDialog& dialog, const Typed& typed) {
        presenter.ShowDialog();
        for (std::size_t i = 0; i < 3; ++i) dialog.fields[i].SetText(typed[i]);
        const MemoryImage before = memory();
        const int beeps = messages.beeps;
        const int refreshes = views.gridRefreshes;
        app->Assembly.RecompileNeeded = false;
        presenter.OnActionClicked();
        const bool closed = !dialog.visible;
        EXPECT_EQ(views.gridRefreshes - refreshes + app->Assembly.RecompileNeeded, closed ? 2 : 0);
        EXPECT_EQ(messages.beeps - beeps, closed ? 0 : 1);
        EXPECT_TRUE(closed || memory() == before);
        return closed;
    }
    bool Fill(const Typed& typed) { return Press(fill, fillDialog, typed); }
    bool Copy(const Typed& typed) { return Press(copy, copyDialog, typed); }
    void Poke(int address, const Bytes& bytes) {
        for (int b : bytes) memory()[static_cast<std::size_t>(address++)] = static_cast<std::uint8_t>(b);
    }
    Bytes Peek(int address, int count) { return Bytes(memory().begin() + address, memory().begin() + address + count); }
    MemoryImage& memory() { return app->Processor.Memory; }

    std::unique_ptr<TestState> app = std::make_unique<TestState>();
    fakes::FakeMessageBox messages;
    fakes::FakeMachineViews views;
    FakeBlockDialog fillDialog{2};
    FakeBlockDialog copyDialog{4};
    MemoryBlockPresenter fill{BlockCommand::Fill, app->Processor, app->Assembly, app->DialogFields,
                              fillDialog,         messages,       views};
    MemoryBlockPresenter copy{BlockCommand::Copy, app->Processor, app->Assembly, app->DialogFields,
                              copyDialog,         messages,       views};
};

TEST_F(MemoryBlockToolsTest, FillStoresTheValueOverTheWholeRangeAndRefusesBadInput) {
    Poke(0x1FFF, {0x11, 0x22, 0x33});
    EXPECT_TRUE(Fill({"2000", "2000", "FF"}));
    EXPECT_EQ(Peek(0x1FFF, 3), (Bytes{0x11, 0xFF, 0x33}));
    EXPECT_TRUE(Fill({"0000", "ffff", "a5"}));
    EXPECT_EQ(std::count(memory().begin(), memory().end(), 0xA5), kMemorySize);
    for (const auto& [typed, stored] : {std::pair{"", 0}, std::pair{"5Z", 5}, std::pair{"Z5", 0}}) {
        EXPECT_TRUE(Fill({"FFFE", "FFFF", typed})) << typed;
        EXPECT_EQ(Peek(0xFFFD, 3), (Bytes{0xA5, stored, stored})) << typed;
    }
    for (const Typed& bad :
         {Typed{"3000", "2FFF", "FF"}, Typed{"200", "2000", "FF"}, Typed{"2000", "12G4", "FF"}, Typed{"2000", "", ""}})
        EXPECT_FALSE(Fill(bad)) << bad[0] << "-" << bad[1];

    fill.OnFieldFocused(platform::BlockField::Start);  // the field selects its text, so typing replaces it
    EXPECT_EQ(fillDialog.fields[0].SelectedText(), "2000");
}

TEST_F(MemoryBlockToolsTest, CopyKeepsTheSourceBlockWhateverTheOverlapAndStopsAtFFFF) {
    Poke(0x2000, {1, 2, 3, 4, 5, 6});
    EXPECT_TRUE(Copy({"2000", "2003", "2002"}));  // destination above the source, overlapping
    EXPECT_EQ(Peek(0x2000, 7), (Bytes{1, 2, 1, 2, 3, 4, 0}));
    EXPECT_TRUE(Copy({"2002", "2005", "2000"}));  // destination below the source, overlapping
    EXPECT_EQ(Peek(0x2000, 6), (Bytes{1, 2, 3, 4, 3, 4}));
    EXPECT_TRUE(Copy({"2000", "2002", "fffd"}));  // ends exactly at FFFF
    EXPECT_EQ(Peek(0xFFFD, 3), (Bytes{1, 2, 3}));
    for (const Typed& bad : {Typed{"100", "1002", "2000"}, Typed{"1000", "1002", "G000"}, Typed{"1000", "1002", ""},
                             Typed{"1002", "1000", "2000"}, Typed{"1000", "1002", "FFFE"}})
        EXPECT_FALSE(Copy(bad)) << bad[0] << "-" << bad[1] << " to " << bad[2];
}

}  // namespace
}  // namespace vantric
