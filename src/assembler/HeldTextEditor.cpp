#include "assembler/HeldTextEditor.h"

#include <algorithm>

namespace vantric {

void HeldTextEditor::SetText(const std::string& text) { SetText(std::string(text)); }

void HeldTextEditor::SetText(std::string&& text) {
    text_ = std::move(text);
    selStart_ = 0;
    selLength_ = 0;
}

void HeldTextEditor::SetSelStart(int position) {
    selStart_ = std::clamp(position, 0, static_cast<int>(text_.size()));
    selLength_ = 0;
}

void HeldTextEditor::SetSelLength(int length) {
    selLength_ = std::clamp(length, 0, static_cast<int>(text_.size()) - selStart_);
}

void HeldTextEditor::SetSelText(const std::string& text) {
    text_.replace(selStart_, selLength_, text);
    selStart_ += static_cast<int>(text.size());
    selLength_ = 0;
}

}  // namespace vantric
