#pragma once
// Test doubles for the file dialogs, the clipboard and the find dialog.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/Clipboard.h"
#include "platform/FileDialogs.h"
#include "platform/FindDialogView.h"
#include "support/FakeViews.h"

namespace vantric::fakes {

// Answers each dialog from a script of paths ("" = cancelled, also when the script has run out) and
// keeps the settings and the kind ("open", "save") of every dialog shown.
class FakeFileDialogs : public platform::FileDialogs {
public:
    std::string ShowOpen(const platform::FileDialogSettings& settings) override { return Answer(settings, "open"); }
    std::string ShowSave(const platform::FileDialogSettings& settings) override { return Answer(settings, "save"); }

    std::deque<std::string> answers;
    std::vector<platform::FileDialogSettings> shown;
    std::vector<std::string> kinds;

private:
    std::string Answer(const platform::FileDialogSettings& settings, const char* kind) {
        shown.push_back(settings);
        kinds.emplace_back(kind);
        const std::string path = answers.empty() ? "" : answers.front();
        if (!answers.empty()) answers.pop_front();
        return path;
    }
};

class FakeClipboard : public platform::Clipboard {
public:
    std::string Text() const override { return text; }
    void SetText(const std::string& value) override { text = value; }
    std::string text;
};

// Shown "modally": runs `onShow` (the presenter's OnShown) and returns at once.
class FakeFindDialog : public platform::FindDialogView {
public:
    void ShowModal() override { onShow(); }
    void Hide() override { visible = false; }
    std::string Caption() const override { return caption; }
    void SetCaption(const std::string& value) override { caption = value; }
    platform::TextBox& FindBox() override { return find; }
    platform::TextBox& ReplaceBox() override { return replace; }
    void SetReplaceEnabled(bool enabled) override { replaceEnabled = enabled; }
    void FocusFindButton() override { ++findButtonFocused; }

    std::string caption;
    FakeTextBox find;
    FakeTextBox replace;
    bool replaceEnabled = true;
    bool visible = false;
    int findButtonFocused = 0;
    std::function<void()> onShow;
};

}  // namespace vantric::fakes
