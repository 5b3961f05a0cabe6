#include "views/MemoryColumnsDialogPresenter.h"

#include "core/TextScan.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "core/HexText.h"

namespace vantric {

namespace {

constexpr int kMostRowsTyped = 1023;  // the largest row count the box keeps when it loses the focus
constexpr double kLargestRowCount = 32767;

}  // namespace

MemoryColumnsDialogPresenter::MemoryColumnsDialogPresenter(MemoryDumpSettings& dump,
                                                           platform::MemoryColumnsDialogView& dialog,
                                                           platform::MessageBox& messages, platform::EventPump& pump,
                                                           MemoryGridPresenter& grid)
    : dump_(dump), dialog_(dialog), messages_(messages), pump_(pump), grid_(grid) {}

void MemoryColumnsDialogPresenter::ShowDialog() { dialog_.ShowModal(); }

// Every showing starts from the settings in force, forgetting edits that ended with Cancel.
void MemoryColumnsDialogPresenter::OnShown() {
    dialog_.RowsBox().SetText(std::to_string(dump_.RowsPerColumn));
    dialog_.SetAddIsDefault(false);
    platform::SortedListBox& list = dialog_.ColumnList();
    list.Clear();
    for (int i = 1; i <= dump_.MemoryColumnCount && i < static_cast<int>(dump_.ColumnStart.size()); ++i)
        list.AddItem(HexText(dump_.ColumnStart[static_cast<std::size_t>(i)], 4));
}

void MemoryColumnsDialogPresenter::OnRowsFieldFocused() {
    platform::TextBox& box = dialog_.RowsBox();
    platform::SelectAllText(box);
}

void MemoryColumnsDialogPresenter::OnRowsFieldLeft() {
    platform::TextBox& box = dialog_.RowsBox();
    const double rows = std::trunc(ReadDecimalNumber(box.Text()));
    if (rows > 0 && rows <= kMostRowsTyped)
        box.SetText(std::to_string(static_cast<int>(rows)));
    else
        box.SetText(std::to_string(dump_.RowsPerColumn));
}

void MemoryColumnsDialogPresenter::OnAddressFieldFocused() {
    dialog_.SetAddIsDefault(true);
    platform::TextBox& box = dialog_.AddressBox();
    platform::SelectAllText(box);
}

void MemoryColumnsDialogPresenter::OnAddressFieldLeft() {
    dialog_.SetAddIsDefault(false);
    platform::TextBox& box = dialog_.AddressBox();
    if (!box.Text().empty()) box.SetText(ZeroPad(box.Text(), 4));
}

void MemoryColumnsDialogPresenter::OnAddColumnClicked() {
    OnAddressFieldLeft();
    const std::string text = dialog_.AddressBox().Text();
    platform::SortedListBox& list = dialog_.ColumnList();
    if (!IsFourDigitHex(text)) {
        messages_.Beep();
    } else {
        const long long address = ReadLeadingHex(text);
        // The whole column must fit below 10000H.
        bool refused = static_cast<double>(address) > 0xFFFF - ReadDecimalNumber(dialog_.RowsBox().Text());
        for (int i = 0; i < list.ListCount() && !refused; ++i) refused = ReadLeadingHex(list.List(i)) == address;
        if (refused)
            messages_.Beep();
        else
            list.AddItem(HexText(address, 4));
    }
    dialog_.AddressBox().SetFocus();
    OnAddressFieldFocused();
}

void MemoryColumnsDialogPresenter::OnDeleteColumnClicked() {
    platform::SortedListBox& list = dialog_.ColumnList();
    const int selected = list.ListIndex();
    if (selected < 0 || selected >= list.ListCount()) {
        messages_.Beep();
        return;
    }
    list.RemoveItem(selected);
    if (list.ListCount() > 0 && list.ListIndex() < 0) list.SetListIndex(list.ListCount() - 1);
}

void MemoryColumnsDialogPresenter::OnOkClicked() {
    // Half rows go to the even neighbour. A count beyond the 16-bit range (an exponent typed
    // while Enter was pressed in the box) becomes the largest count the box itself keeps.
    const double rows = std::nearbyint(ReadDecimalNumber(dialog_.RowsBox().Text()));
    dump_.RowsPerColumn = rows > kLargestRowCount ? kMostRowsTyped : rows < 1 ? 1 : static_cast<int>(rows);

    const platform::SortedListBox& list = dialog_.ColumnList();
    dump_.MemoryColumnCount = list.ListCount();
    dump_.ColumnStart.assign(static_cast<std::size_t>(dump_.MemoryColumnCount) + 1, 0);
    for (int i = 1; i <= dump_.MemoryColumnCount; ++i) {
        const long long start = ReadLeadingHex(list.List(i - 1)) & 0xFFFF;
        dump_.ColumnStart[static_cast<std::size_t>(i)] = static_cast<std::int32_t>(start);
    }
    dump_.GridRebuildNeeded = true;

    dialog_.Hide();
    pump_.ProcessEvents();
    grid_.RefreshMemoryGrid();
}

void MemoryColumnsDialogPresenter::OnCancelClicked() { dialog_.Hide(); }

}  // namespace vantric
