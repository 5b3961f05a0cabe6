#pragma once
// The register and flag panel "CPU Registers": shows the registers, the flag bits and the T-state
// text, and stores what the user types into a box or toggles in a flag cell at once.

#include <functional>

#include "core/Machine.h"
#include "platform/Keys.h"
#include "platform/RegisterPanelView.h"
#include "platform/StatusBar.h"

namespace vantric {

class RegisterPanelPresenter {
public:
    using Field = platform::RegisterField;

    // focusEditor gives the source editor the input focus.
    RegisterPanelPresenter(Machine& machine, platform::RegisterPanelView& panel, platform::StatusBar& status,
                           std::function<void()> focusEditor);

    // Brings every box and flag cell up to date; unless keepStatusText, also the T-state text of
    // status panel 2.
    void RefreshRegisterPanel(bool keepStatusText);
    void RefreshFlagBits();

    // The box's text changed, typed or set: a text that spells a value is stored at once.
    void OnFieldChanged(Field field);
    // The box got the focus: its whole value is selected, so the next key replaces it.
    void OnFieldFocused(Field field);
    // The box lost the focus: it is rewritten in its normal form, which stores the value shown.
    void OnFieldLeft(Field field);
    // Enter moves the focus to the editor (true: the key is used); other keys are left to the box.
    bool OnFieldKey(Field field, platform::Key key);
    void OnFlagCellClicked(int bit);

private:
    Machine& machine_;
    ProcessorState& cpu_;
    platform::RegisterPanelView& panel_;
    platform::StatusBar& status_;
    std::function<void()> focusEditor_;
};

}  // namespace vantric
