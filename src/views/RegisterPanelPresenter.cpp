#include "views/RegisterPanelPresenter.h"

#include <string>
#include <utility>

#include "core/HexText.h"
#include "core/TextCase.h"
#include "core/TextScan.h"

namespace vantric {

namespace {

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

using Field = platform::RegisterField;

// SP and PC boxes hold four digits, the others two.
int DigitCount(Field field) { return field == Field::StackPointer || field == Field::ProgramCounter ? 4 : 2; }

// The register a box shows, for the boxes of A to L.
constexpr struct {
    Field field;
    int code;
} kRegisterFields[] = {{Field::A, RegA}, {Field::B, RegB}, {Field::C, RegC}, {Field::D, RegD},
                       {Field::E, RegE}, {Field::H, RegH}, {Field::L, RegL}};

// The value a box holds in the processor state.
int FieldValue(const ProcessorState& cpu, Field field) {
    switch (field) {
        case Field::Flags: return cpu.Flags;
        case Field::StackPointer: return cpu.StackPointer;
        case Field::ProgramCounter: return cpu.ProgramCounter;
        default:
            for (const auto& r : kRegisterFields)
                if (r.field == field) return cpu.Register(r.code);
            return 0;
    }
}

// The rightmost `width` characters of "0000" followed by `text`.
std::string LastDigits(const std::string& text, int width) { return ZeroPad("0000" + text, width); }

}  // namespace

RegisterPanelPresenter::RegisterPanelPresenter(Machine& machine, platform::RegisterPanelView& panel,
                                               platform::StatusBar& status, std::function<void()> focusEditor)
    : machine_(machine), cpu_(machine.State()), panel_(panel), status_(status), focusEditor_(std::move(focusEditor)) {}

void RegisterPanelPresenter::RefreshRegisterPanel(bool keepStatusText) {
    for (int i = 0; i < platform::kRegisterFieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        platform::TextBox& box = panel_.Field(field);
        const std::string text = HexText(FieldValue(cpu_, field), DigitCount(field));
        // A register box keeps an unchanged text, so a value being typed is not disturbed.
        const bool wide = field == Field::Flags || DigitCount(field) == 4;
        if (wide || box.Text() != text) box.SetText(text);
    }
    RefreshFlagBits();
    if (keepStatusText) return;
    if (cpu_.TStateCount >= 0)
        status_.SetPanelText(2, "T states : " + std::to_string(cpu_.TStateCount));
    else if (machine_.Running())
        status_.SetPanelText(2, "T states : ??");
    else
        status_.SetPanelText(2, "Program not running");
}

void RegisterPanelPresenter::RefreshFlagBits() {
    for (int bit = 0; bit < 8; ++bit) panel_.FlagCell(bit).SetCaption((cpu_.Flags >> bit) & 1 ? "1" : "0");
}

void RegisterPanelPresenter::OnFieldChanged(Field field) {
    platform::TextBox& box = panel_.Field(field);
    const std::string text = box.Text();
    const int value = ReadBoxValue(text);
    const int width = DigitCount(field);
    // Valid only when the text is exactly the digits of its value, give or take leading zeros:
    // "5", "05" and "ff" are, "G", "5G" and " 5" are not. Anything else waits for the focus to leave.
    if (ToUpperText(LastDigits(text, width)) != LastDigits(HexDigits(value), width)) return;
    switch (field) {
        case Field::Flags:
            cpu_.Flags = static_cast<std::uint8_t>(value);
            RefreshFlagBits();
            break;
        case Field::StackPointer: cpu_.StackPointer = static_cast<std::uint16_t>(value); break;
        case Field::ProgramCounter: cpu_.ProgramCounter = value; break;
        default:
            for (const auto& r : kRegisterFields)
                if (r.field == field) cpu_.Register(r.code) = static_cast<std::uint8_t>(value);
    }
}

void RegisterPanelPresenter::OnFieldFocused(Field field) { platform::SelectAllText(panel_.Field(field)); }

bool RegisterPanelPresenter::OnFieldKey(Field, platform::Key key) {
    if (key != platform::Key::Return) return false;
    if (focusEditor_) focusEditor_();
    return true;
}

void RegisterPanelPresenter::OnFieldLeft(Field field) {
    platform::TextBox& box = panel_.Field(field);
    // The new text raises the change rule, which stores the value it shows.
    box.SetText(HexText(ReadBoxValue(box.Text()), DigitCount(field)));
}

void RegisterPanelPresenter::OnFlagCellClicked(int bit) {
    if (bit < 0 || bit > 7) return;
    platform::Label& cell = panel_.FlagCell(bit);
    cell.SetCaption(cell.Caption() == "1" ? "0" : "1");
    cpu_.Flags = static_cast<std::uint8_t>(cpu_.Flags ^ (1 << bit));
    // The flag box's change rule stores the flags again and redraws every cell from them.
    panel_.Field(Field::Flags).SetText(HexText(cpu_.Flags, 2));
}

}  // namespace vantric
