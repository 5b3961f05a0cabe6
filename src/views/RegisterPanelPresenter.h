#pragma once
// The register and flag panel "CPU Registers": shows the registers, the flag bits and the T-state
// text, and stores what the user types into a box or toggles in a flag cell at once.

#include <functional>

#include "core/ProcessorState.h"
#include "platform/RegisterPanelView.h"
#include "platform/StatusBar.h"

namespace vantric {

class RegisterPanelPresenter {
public:
    // Box indices: 0 the flag byte, i = 1 to 8 register cell i (register code i - 1), 9 SP, 10 PC.
    static constexpr int kFlagsBox = 0;
    static constexpr int kStackPointerBox = 9;
    static constexpr int kProgramCounterBox = 10;
    static constexpr int kBoxCount = 11;

    // focusEditor gives the source editor the input focus.
    RegisterPanelPresenter(ProcessorState& cpu, platform::RegisterPanelView& panel, platform::StatusBar& status,
                           std::function<void()> focusEditor);

    // Brings every box and flag cell up to date; unless keepStatusText, also the T-state text of
    // status panel 2.
    void RefreshRegisterPanel(bool keepStatusText);
    void RefreshFlagBits();

    void txtReg_Change(int index);
    void txtReg_GotFocus(int index);
    // Enter (cancelled) moves the focus to the editor; every other key is left to the box.
    void txtReg_KeyPress(int index, int& keyAscii);
    void txtReg_LostFocus(int index);
    void lblFlag_Click(int bit);

private:
    ProcessorState& cpu_;
    platform::RegisterPanelView& panel_;
    platform::StatusBar& status_;
    std::function<void()> focusEditor_;
};

}  // namespace vantric
