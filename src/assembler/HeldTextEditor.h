#pragma once
#include <string>

#include "platform/Editor.h"

namespace vantric {

// Holds a program text with a selection, as an editor would, with no window: the headless runner's
// program, or a copy assembled apart from the editor's. The text is read
// in place (HeldText, LogicalText) and taken over without a copy, so a long program is held once.
class HeldTextEditor : public platform::Editor {
public:
    std::string Text() const override { return text_; }
    const std::string* LogicalText() const override { return &text_; }
    const std::string& HeldText() const { return text_; }
    void SetText(const std::string& text) override;
    void SetText(std::string&& text);
    int SelStart() const override { return selStart_; }
    void SetSelStart(int position) override;
    int SelLength() const override { return selLength_; }
    void SetSelLength(int length) override;
    void SetReadOnly(bool) override {}
    std::string SelText() const override { return text_.substr(selStart_, selLength_); }
    void SetSelText(const std::string& text) override;
    int FirstWideCharacter() const override { return -1; }

private:
    std::string text_;
    int selStart_ = 0;
    int selLength_ = 0;
};

}  // namespace vantric
