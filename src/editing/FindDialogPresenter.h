#pragma once
// The dialog "findDialog": a forward, case-blind search of the editor's text from the end of its
// selection, in find mode or in replace mode. It never wraps to the start of the text.

#include "platform/Editor.h"
#include "platform/EventPump.h"
#include "platform/FindDialogView.h"
#include "platform/MessageBox.h"

namespace vantric {

class FindDialogPresenter {
public:
    FindDialogPresenter(platform::FindDialogView& dialog, platform::Editor& editor, platform::MessageBox& messages,
                        platform::EventPump& pump);

    // The Find and Replace commands: the caption chooses the mode, then the dialog shows modally.
    void ShowFind();
    void ShowReplace();

    void OnShown();
    // A field that gets the focus has its whole text selected.
    void OnFindFieldFocused();
    void OnReplaceFieldFocused();
    // Searches once; 1 when a match was found and is now the editor's selection, 0 otherwise.
    int FindNext();
    void OnFindNextClicked();
    void OnReplaceClicked();
    void OnReplaceAllClicked();
    void OnCancelClicked();

private:
    platform::FindDialogView& dialog_;
    platform::Editor& editor_;
    platform::MessageBox& messages_;
    platform::EventPump& pump_;
    bool matchFound_ = false;
    int replaceCount_ = 0;
};

}  // namespace vantric
