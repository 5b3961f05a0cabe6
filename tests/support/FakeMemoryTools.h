#pragma once
// Fakes of the fill and copy dialogs: three fields with their maximum lengths that share one focus.
// Like the real dialogs they are only hidden when they close, so the fields keep their text.

#include <array>
#include <functional>

#include "platform/MemoryBlockDialogView.h"
#include "support/FakeViews.h"

namespace vantric::fakes {

class FakeBlockDialog {
public:
    FakeBlockDialog(int firstMax, int secondMax, int thirdMax)
        : fields{FakeTextBox{firstMax}, FakeTextBox{secondMax}, FakeTextBox{thirdMax}} {
        for (FakeTextBox& field : fields) field.focus = &focus;
    }
    // Shows the dialog, then lets `user` act on it; a dialog still open afterwards is taken to have
    // been closed by the user.
    void Show() {
        visible = true;
        focus.MoveTo(&fields[0]);
        if (user) user();
        Close();
    }
    void Close() {
        if (!visible) return;
        visible = false;
        focus.MoveTo(nullptr);
    }

    FakeFocus focus;
    std::array<FakeTextBox, 3> fields;
    bool visible = false;
    std::function<void()> user;
};

class FakeMemoryBlockDialog : public platform::MemoryBlockDialogView, public FakeBlockDialog {
public:
    explicit FakeMemoryBlockDialog(int targetMax) : FakeBlockDialog(4, 4, targetMax) {}
    void ShowModal() override { Show(); }
    void Hide() override { Close(); }
    platform::TextBox& Field(platform::BlockField field) override { return fields[static_cast<std::size_t>(field)]; }
};

}  // namespace vantric::fakes
