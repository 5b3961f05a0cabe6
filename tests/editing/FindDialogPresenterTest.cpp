// Find next and replace: forward only, case-blind, the beeps and the Replace all count.

#include "editing/FindDialogPresenter.h"

#include <gtest/gtest.h>

#include "support/FakeEditing.h"
#include "support/Fakes.h"

namespace vantric {
namespace {

class FindDialogPresenterTest : public ::testing::Test {
protected:
    FindDialogPresenterTest() {
        dialog.onActivate = [this] { find.OnShown(); };
    }
    void Open(const std::string& text, int caret, bool replaceMode) {
        editor.text = text;
        editor.selStart = caret;
        editor.selLength = 0;
        if (replaceMode)
            find.ShowReplace();
        else
            find.ShowFind();
    }

    fakes::FakeEditor editor;
    fakes::FakeFindDialog dialog;
    fakes::FakeMessageBox messages;
    fakes::FakeEventPump pump;
    FindDialogPresenter find{dialog, editor, messages, pump};
};

TEST_F(FindDialogPresenterTest, FindsForwardIgnoringCaseAndNeverWraps) {
    Open("mvi a,1\r\nMvI B,2\r\n", 0, false);
    EXPECT_EQ(dialog.caption, "Find");
    EXPECT_FALSE(dialog.replaceEnabled);

    dialog.find.text = "MVI";
    find.OnFindNextClicked();
    EXPECT_EQ(editor.SelText(), "mvi");
    find.OnFindNextClicked();
    EXPECT_EQ(editor.selStart, 9);
    EXPECT_EQ(editor.SelText(), "MvI");
    find.OnFindNextClicked();  // past the last match: a beep, the selection stays
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_EQ(editor.selStart, 9);
    EXPECT_EQ(dialog.findButtonFocused, 3);

    dialog.find.text.clear();
    find.OnFindNextClicked();
    EXPECT_EQ(messages.beeps, 2);

    dialog.replace.text = "kept";
    find.OnReplaceFieldFocused();
    EXPECT_EQ(dialog.replace.SelectedText(), "kept");
}

TEST_F(FindDialogPresenterTest, TheFirstReplaceOnlyFindsAndReplacementsAreNotSearchedAgain) {
    Open("A A", 0, true);
    EXPECT_TRUE(dialog.replaceEnabled);
    dialog.find.text = "a";
    dialog.replace.text = "AA";
    find.OnReplaceClicked();
    EXPECT_EQ(editor.text, "A A");
    EXPECT_EQ(editor.selLength, 1);
    find.OnReplaceClicked();
    EXPECT_EQ(editor.text, "AA A");
    EXPECT_EQ(editor.selStart, 3);

    // Shown again: the texts stay, the match is forgotten, so Replace finds first.
    dialog.user = [this] { find.OnReplaceClicked(); };
    editor.selStart = 0;
    editor.selLength = 0;
    find.ShowReplace();
    EXPECT_EQ(editor.text, "AA A");
    EXPECT_EQ(editor.selLength, 1);
}

TEST_F(FindDialogPresenterTest, ReplaceAllCountsAndAlwaysReports) {
    Open("A A", 0, true);
    dialog.find.text = "A";
    dialog.replace.text = "AA";
    dialog.visible = true;
    find.OnReplaceAllClicked();
    EXPECT_EQ(editor.text, "AA AA");
    EXPECT_FALSE(dialog.visible);
    EXPECT_EQ(pump.calls, 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "2 replacements have been made.");
    EXPECT_EQ(messages.shown[0].title, "Replace all");

    dialog.find.text = "XYZ";
    find.OnReplaceAllClicked();
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_EQ(messages.shown.back().text, "0 replacements have been made.");

    // A match already found by Find next is the first one replaced.
    Open("B1 B2 B3", 0, true);
    dialog.find.text = "b";
    dialog.replace.text = "";
    find.OnFindNextClicked();
    editor.selStart = 3;
    editor.selLength = 1;
    find.OnReplaceAllClicked();
    EXPECT_EQ(editor.text, "B1 2 3");
}

}  // namespace
}  // namespace vantric
