// Find next and replace: forward only, case-blind, the beeps and the Replace all count.

#include "editing/FindDialogPresenter.h"

#include <gtest/gtest.h>

#include "support/FakeEditing.h"
#include "support/Fakes.h"

namespace vantric {
namespace {

struct FindDialogPresenterTest : ::testing::Test {
    FindDialogPresenterTest() {
        dialog.onShow = [this] { find.OnShown(); };
    }
    void Show(const std::string& text, const std::string& wanted, const std::string& replacement) {
        editor.SetText(text);
        dialog.find.text = wanted;
        dialog.replace.text = replacement;
        find.ShowReplace();
    }
    // The text, the selection and the beeps so far.
    std::string Seen() const {
        return editor.text + "|" + std::to_string(editor.selStart) + "+" + std::to_string(editor.selLength) + "|" +
               std::to_string(messages.beeps);
    }

    fakes::FakeEditor editor;
    fakes::FakeFindDialog dialog;
    fakes::FakeMessageBox messages;
    fakes::FakeEventPump pump;
    FindDialogPresenter find{dialog, editor, messages, pump};
};

TEST_F(FindDialogPresenterTest, FindsForwardIgnoringCaseAndNeverWraps) {
    editor.SetText("mvi a,1\r\nMvI B,2\r\n");
    find.ShowFind();
    dialog.find.text = "MVI";
    find.OnFindNextClicked();
    EXPECT_EQ(Seen(), "mvi a,1\r\nMvI B,2\r\n|0+3|0");
    find.OnFindNextClicked();
    find.OnFindNextClicked();  // past the last match: a beep, the selection stays
    EXPECT_EQ(Seen() + "|" + std::to_string(dialog.findButtonFocused), "mvi a,1\r\nMvI B,2\r\n|9+3|1|3");

    find.OnFindFieldFocused();
    dialog.replace.text = "kept";
    find.OnReplaceFieldFocused();
    EXPECT_EQ(dialog.find.SelectedText() + dialog.replace.SelectedText(), "MVIkept");
    dialog.find.text.clear();
    find.OnFindNextClicked();
    find.OnReplaceClicked();
    EXPECT_EQ(Seen(), "mvi a,1\r\nMvI B,2\r\n|9+3|3");
}

TEST_F(FindDialogPresenterTest, TheFirstReplaceOnlyFindsAndReplacementsAreNotSearchedAgain) {
    Show("A A", "a", "AA");
    EXPECT_EQ(dialog.caption, "Replace");
    find.OnReplaceClicked();
    EXPECT_EQ(Seen(), "A A|0+1|0");
    find.OnReplaceClicked();
    EXPECT_EQ(Seen(), "AA A|3+1|0");
    Show("AA A", "a", "AA");  // shown again: the match is forgotten, so Replace finds first
    find.OnReplaceClicked();
    EXPECT_EQ(Seen(), "AA A|0+1|0");
}

TEST_F(FindDialogPresenterTest, ReplaceAllCountsAndReportsWhenThereIsAnythingToFind) {
    Show("A A", "A", "AA");
    dialog.visible = true;
    find.OnReplaceAllClicked();
    EXPECT_EQ(Seen() + (dialog.visible ? "+" : "-") + std::to_string(pump.calls), "AA AA|5+0|0-1");
    EXPECT_EQ(messages.shown.back().title + "|" + messages.shown.back().text,
              "Replace all|2 replacements have been made.");
    dialog.find.text = "XYZ";
    find.OnReplaceAllClicked();
    EXPECT_EQ(Seen() + "|" + messages.shown.back().text, "AA AA|5+0|1|0 replacements have been made.");
    dialog.find.text.clear();  // nothing to look for: a beep and no report
    find.OnReplaceAllClicked();
    EXPECT_EQ(Seen() + "|" + std::to_string(messages.shown.size()), "AA AA|5+0|2|2");
}

}  // namespace
}  // namespace vantric
