#include "views/RegisterPanelPresenter.h"

#include <string>
#include <utility>

#include "core/HexText.h"
#include "core/TextCase.h"
#include "platform/KeyCodes.h"

namespace vantric {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// A box's value: its hexadecimal digits from the start up to the first other character, blanks
// skipped wherever they stand. A box holds at most four digits, so the value stays in 0 to FFFF.
int ReadBoxValue(const std::string& text) {
    int value = 0;
    for (char c : text) {
        if (IsBlank(c)) continue;
        const int digit = HexDigitValue(c);
        if (digit < 0) break;
        value = (value * 16 + digit) & 0xFFFF;
    }
    return value;
}

// SP and PC boxes hold four digits, the others two.
int DigitCount(int index) {
    return index == RegisterPanelPresenter::kStackPointerBox || index == RegisterPanelPresenter::kProgramCounterBox
               ? 4
               : 2;
}

// The rightmost `width` characters of "0000" followed by `text`.
std::string LastDigits(const std::string& text, int width) { return ZeroPad("0000" + text, width); }

}  // namespace

RegisterPanelPresenter::RegisterPanelPresenter(ProcessorState& cpu, platform::RegisterPanelView& panel,
                                               platform::StatusBar& status, std::function<void()> focusEditor)
    : cpu_(cpu), panel_(panel), status_(status), focusEditor_(std::move(focusEditor)) {}

void RegisterPanelPresenter::RefreshRegisterPanel(bool keepStatusText) {
    panel_.RegisterBox(kFlagsBox).SetText(HexText(cpu_.Flags, 2));
    for (int i = 1; i <= 8; ++i) {
        platform::TextBox& box = panel_.RegisterBox(i);
        const std::string text = HexText(cpu_.Registers[static_cast<std::size_t>(i)], 2);
        if (box.Text() != text) box.SetText(text);
    }
    panel_.RegisterBox(kStackPointerBox).SetText(HexText(cpu_.StackPointer, 4));
    panel_.RegisterBox(kProgramCounterBox).SetText(HexText(cpu_.ProgramCounter, 4));
    RefreshFlagBits();
    if (keepStatusText) return;
    if (cpu_.TStateCount >= 0)
        status_.SetPanelText(2, "T states : " + std::to_string(cpu_.TStateCount));
    else if (cpu_.Running)
        status_.SetPanelText(2, "T states : ??");
    else
        status_.SetPanelText(2, "Program not running");
}

void RegisterPanelPresenter::RefreshFlagBits() {
    for (int bit = 0; bit < 8; ++bit) panel_.FlagCell(bit).SetCaption((cpu_.Flags >> bit) & 1 ? "1" : "0");
}

void RegisterPanelPresenter::txtReg_Change(int index) {
    platform::TextBox& box = panel_.RegisterBox(index);
    const std::string text = box.Text();
    const int value = ReadBoxValue(text);
    const int width = DigitCount(index);
    // Valid only when the text is exactly the digits of its value, give or take leading zeros:
    // "5", "05" and "ff" are, "G", "5G" and " 5" are not. Anything else waits for the focus to leave.
    if (ToUpperText(LastDigits(text, width)) != LastDigits(HexDigits(value), width)) return;
    if (index == kFlagsBox) {
        cpu_.Flags = static_cast<std::uint8_t>(value);
        RefreshFlagBits();
    } else if (index == kStackPointerBox) {
        cpu_.StackPointer = static_cast<std::uint16_t>(value);
    } else if (index == kProgramCounterBox) {
        cpu_.ProgramCounter = value;
    } else if (index > 0 && index < kStackPointerBox) {
        cpu_.Registers[static_cast<std::size_t>(index)] = static_cast<std::uint8_t>(value);
    }
}

void RegisterPanelPresenter::txtReg_GotFocus(int index) {
    platform::TextBox& box = panel_.RegisterBox(index);
    box.SetSelStart(0);
    box.SetSelLength(DigitCount(index));
}

void RegisterPanelPresenter::txtReg_KeyPress(int, int& keyAscii) {
    if (keyAscii != platform::kKeyReturn) return;
    keyAscii = platform::kKeyCancelled;
    if (focusEditor_) focusEditor_();
}

void RegisterPanelPresenter::txtReg_LostFocus(int index) {
    platform::TextBox& box = panel_.RegisterBox(index);
    // The new text raises the change rule, which stores the value it shows.
    box.SetText(HexText(ReadBoxValue(box.Text()), DigitCount(index)));
}

void RegisterPanelPresenter::lblFlag_Click(int bit) {
    if (bit < 0 || bit > 7) return;
    platform::Label& cell = panel_.FlagCell(bit);
    cell.SetCaption(cell.Caption() == "1" ? "0" : "1");
    cpu_.Flags = static_cast<std::uint8_t>(cpu_.Flags ^ (1 << bit));
    // Box 0's change rule stores the flags again and redraws every cell from them.
    panel_.RegisterBox(kFlagsBox).SetText(HexText(cpu_.Flags, 2));
}

}  // namespace vantric
