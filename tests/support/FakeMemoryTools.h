#pragma once
// Fakes of the fill and copy dialogs: three fields with their maximum lengths that share one focus.
// Like the real dialogs they are only hidden when they close, so the fields keep their text.

#include <array>
#include <functional>

#include "platform/CopyMemoryDialogView.h"
#include "platform/FillMemoryDialogView.h"
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

class FakeFillMemoryDialog : public platform::FillMemoryDialogView, public FakeBlockDialog {
public:
    FakeFillMemoryDialog() : FakeBlockDialog(4, 4, 2) {}
    void ShowModal() override { Show(); }
    void Hide() override { Close(); }
    platform::TextBox& StartBox() override { return fields[0]; }
    platform::TextBox& EndBox() override { return fields[1]; }
    platform::TextBox& DataBox() override { return fields[2]; }
};

class FakeCopyMemoryDialog : public platform::CopyMemoryDialogView, public FakeBlockDialog {
public:
    FakeCopyMemoryDialog() : FakeBlockDialog(4, 4, 4) {}
    void ShowModal() override { Show(); }
    void Hide() override { Close(); }
    platform::TextBox& StartBox() override { return fields[0]; }
    platform::TextBox& EndBox() override { return fields[1]; }
    platform::TextBox& DestinationBox() override { return fields[2]; }
};

}  // namespace vantric::fakes
