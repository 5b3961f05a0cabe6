#pragma once
// A fake fill or copy dialog: three fields with their maximum lengths that share one focus. Like the
// real dialogs it is only hidden when it closes, so the fields keep their text.

#include <array>
#include <functional>

#include "platform/MemoryBlockDialogView.h"
#include "support/FakeViews.h"

namespace vantric::fakes {

class FakeMemoryBlockDialog : public platform::MemoryBlockDialogView {
public:
    explicit FakeMemoryBlockDialog(int targetMax) : fields{FakeTextBox{4}, FakeTextBox{4}, FakeTextBox{targetMax}} {
        for (FakeTextBox& field : fields) field.focus = &focus;
    }
    // Shows the dialog, then lets `user` act on it; a dialog still open afterwards is taken to have
    // been closed by the user.
    void ShowModal() override {
        visible = true;
        focus.MoveTo(&fields[0]);
        if (user) user();
        Hide();
    }
    void Hide() override { visible = false; }
    platform::TextBox& Field(platform::BlockField field) override { return fields[static_cast<std::size_t>(field)]; }

    FakeFocus focus;
    std::array<FakeTextBox, 3> fields;
    bool visible = false;
    std::function<void()> user;
};

}  // namespace vantric::fakes
