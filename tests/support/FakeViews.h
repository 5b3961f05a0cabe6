#pragma once
// Fakes of the machine-state views' controls: text boxes, labels, the register panel, the sorted
// list and the memory columns dialog. Setting a text raises the change notification as typing does.

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "platform/MemoryColumnsDialogView.h"
#include "platform/RegisterPanelView.h"
#include "support/Fakes.h"

namespace vantric::fakes {

class FakeTextBox : public platform::FloatingTextBox, public FakeFocus::Holder {
public:
    explicit FakeTextBox(int maxChars = 0) : maxLength(maxChars) {}

    std::string Text() const override { return text; }
    void SetText(const std::string& value) override {
        if (value == text) return;
        text = value;
        selStart = static_cast<int>(text.size());
        selLength = 0;
        if (onChange) onChange();
    }
    int MaxLength() const override { return maxLength; }
    void SetSelStart(int start) override {
        selStart = std::clamp(start, 0, static_cast<int>(text.size()));
        selLength = 0;
    }
    void SetSelLength(int length) override {
        selLength = std::clamp(length, 0, static_cast<int>(text.size()) - selStart);
    }
    void SetFocus() override {
        if (focus && visible) focus->MoveTo(this);
    }
    void Move(const platform::Rect&) override {}
    void SetVisible(bool value) override {
        visible = value;
        if (!visible && HasFocus()) focus->MoveTo(nullptr);  // the focus goes elsewhere
    }
    bool IsVisible() const override { return visible; }

    bool HasFocus() const { return focus && focus->current == this; }
    std::string SelectedText() const {
        return text.substr(static_cast<std::size_t>(selStart), static_cast<std::size_t>(selLength));
    }
    // Typing: each character replaces the selection, unless the maximum length is reached, and
    // raises a change.
    void Type(const std::string& characters) {
        for (char c : characters) {
            if (maxLength > 0 && static_cast<int>(text.size()) - selLength >= maxLength) continue;
            text.replace(static_cast<std::size_t>(selStart), static_cast<std::size_t>(selLength), 1, c);
            ++selStart;
            selLength = 0;
            if (onChange) onChange();
        }
    }

    std::string text;
    int maxLength;
    int selStart = 0;
    int selLength = 0;
    bool visible = true;
    FakeFocus* focus = nullptr;
    std::function<void()> onChange;
};

class FakeLabel : public platform::Label {
public:
    std::string Caption() const override { return caption; }
    void SetCaption(const std::string& value) override { caption = value; }
    std::string caption;
};

// Boxes with the panel's maximum lengths; flag cells start at "0".
class FakeRegisterPanel : public platform::RegisterPanelView {
public:
    FakeRegisterPanel() {
        for (auto& box : boxes) box.maxLength = 2;
        Box(platform::RegisterField::StackPointer).maxLength = 4;
        Box(platform::RegisterField::ProgramCounter).maxLength = 4;
        for (auto& cell : cells) cell.caption = "0";
    }
    platform::TextBox& Field(platform::RegisterField field) override { return Box(field); }
    platform::Label& FlagCell(int bit) override { return cells[static_cast<std::size_t>(bit)]; }
    FakeTextBox& Box(platform::RegisterField field) { return boxes[static_cast<std::size_t>(field)]; }
    std::string Cells() const {  // bit 7 first, as the panel shows them
        std::string shown;
        for (int bit = 7; bit >= 0; --bit) shown += cells[static_cast<std::size_t>(bit)].caption;
        return shown;
    }

    std::array<FakeTextBox, platform::kRegisterFieldCount> boxes;
    std::array<FakeLabel, 8> cells;
};

// Entries kept in text order; removing one leaves nothing selected.
class FakeSortedListBox : public platform::SortedListBox {
public:
    void Clear() override {
        items.clear();
        index = -1;
    }
    void AddItem(const std::string& text) override {
        const auto at = std::upper_bound(items.begin(), items.end(), text);
        if (index >= at - items.begin()) ++index;  // the selection stays on its entry
        items.insert(at, text);
    }
    int ListCount() const override { return static_cast<int>(items.size()); }
    std::string List(int i) const override { return items.at(static_cast<std::size_t>(i)); }
    void RemoveItem(int i) override {
        items.erase(items.begin() + i);
        index = -1;
    }
    int ListIndex() const override { return index; }
    void SetListIndex(int i) override { index = i; }

    std::vector<std::string> items;
    int index = -1;
};

// ShowModal activates the dialog, then lets `user` act on it; if the dialog is still open
// afterwards, the user is taken to have closed it.
class FakeMemoryColumnsDialog : public platform::MemoryColumnsDialogView {
public:
    void ShowModal() override {
        ++shows;
        visible = true;
        if (onActivate) onActivate();
        if (user) user();
        visible = false;
    }
    void Hide() override { visible = false; }
    platform::TextBox& RowsBox() override { return rows; }
    platform::TextBox& AddressBox() override { return address; }
    platform::SortedListBox& ColumnList() override { return list; }
    void SetAddIsDefault(bool value) override { addIsDefault = value; }

    FakeTextBox rows{3};
    FakeTextBox address{4};
    FakeSortedListBox list;
    bool addIsDefault = false;
    bool visible = false;
    int shows = 0;
    std::function<void()> onActivate;
    std::function<void()> user;
};

}  // namespace vantric::fakes
