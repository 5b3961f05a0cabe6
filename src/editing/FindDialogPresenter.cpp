#include "editing/FindDialogPresenter.h"

#include <algorithm>

#include "core/TextCase.h"
#include "memtools/DialogFields.h"

namespace vantric {

FindDialogPresenter::FindDialogPresenter(platform::FindDialogView& dialog, platform::Editor& editor,
                                         platform::MessageBox& messages, platform::EventPump& pump)
    : dialog_(dialog), editor_(editor), messages_(messages), pump_(pump) {}

void FindDialogPresenter::ShowFind() {
    dialog_.SetCaption("Find");
    dialog_.ShowModal();
}

void FindDialogPresenter::ShowReplace() {
    dialog_.SetCaption("Replace");
    dialog_.ShowModal();
}

void FindDialogPresenter::OnShown() {
    matchFound_ = false;
    replaceCount_ = 0;
    dialog_.SetReplaceEnabled(dialog_.Caption() != "Find");
}

void FindDialogPresenter::OnFindFieldFocused() { SelectAllText(dialog_.FindBox()); }

void FindDialogPresenter::OnReplaceFieldFocused() { SelectAllText(dialog_.ReplaceBox()); }

int FindDialogPresenter::FindNext() {
    const std::string text = editor_.Text();
    const std::string wanted = dialog_.FindBox().Text();
    const auto start = static_cast<std::size_t>(
        std::clamp(editor_.SelStart() + editor_.SelLength(), 0, static_cast<int>(text.size())));
    const auto match = std::search(text.begin() + static_cast<std::ptrdiff_t>(start), text.end(), wanted.begin(),
                                   wanted.end(), [](char a, char b) { return ToUpperChar(a) == ToUpperChar(b); });
    if (match == text.end()) return 0;
    editor_.SetSelStart(static_cast<int>(match - text.begin()));
    editor_.SetSelLength(static_cast<int>(wanted.size()));
    matchFound_ = true;
    return 1;
}

void FindDialogPresenter::OnFindNextClicked() {
    if (dialog_.FindBox().Text().empty()) {
        messages_.Beep();
        return;
    }
    if (FindNext() == 0) messages_.Beep();
    dialog_.FocusFindButton();
}

void FindDialogPresenter::OnReplaceClicked() {
    if (dialog_.FindBox().Text().empty()) {
        messages_.Beep();
        return;
    }
    if (!matchFound_) {
        // The first Replace only finds the next match and selects it.
        if (FindNext() == 0) messages_.Beep();
        return;
    }
    editor_.SetSelText(dialog_.ReplaceBox().Text());
    ++replaceCount_;
    matchFound_ = FindNext() == 1;
}

void FindDialogPresenter::OnReplaceAllClicked() {
    replaceCount_ = 0;
    if (dialog_.FindBox().Text().empty()) {
        messages_.Beep();
        return;
    }
    do {
        OnReplaceClicked();
    } while (matchFound_);
    dialog_.Hide();
    pump_.ProcessEvents();
    messages_.Show(std::to_string(replaceCount_) + " replacements have been made.", "Replace all");
}

void FindDialogPresenter::OnCancelClicked() { dialog_.Hide(); }

}  // namespace vantric
