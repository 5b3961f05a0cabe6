#pragma once
// The program in the editor tied to a file: New, Open, Save, Save as, the prompt before unsaved
// changes are thrown away, the window caption and the file named on the command line.

#include <optional>
#include <string>

#include "control/StepController.h"
#include "core/MachineViews.h"
#include "editing/ProgramFileState.h"
#include "platform/Editor.h"
#include "platform/FileDialogs.h"
#include "platform/FileStore.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "platform/Window.h"

namespace vantric {

struct ProgramFileParts {
    platform::Window& MainWindow;
    platform::Editor& Editor;
    platform::MessageBox& Messages;
    platform::FileDialogs& Dialogs;
    platform::FileStore& Files;
    StepController& Step;
    MachineViews& Views;
    platform::StatusBar& Status;
};

class ProgramFiles {
public:
    explicit ProgramFiles(ProgramFileParts parts);

    // The file the program belongs to (empty: untitled), whether the editor's text changed since
    // the last New, Open or Save, and how the file breaks its lines.
    const ProgramFileState& State() const { return state_; }
    // Every change of the editor's text, typed or made by the program.
    void MarkModified() { state_.ProgramModified = true; }
    // The text is what the file holds, as far as the user is concerned: nothing to offer to save.
    void MarkSaved() { state_.ProgramModified = false; }

    void NewProgram();
    void OpenProgram();
    // True when the text was written.
    bool SaveProgram();
    void SaveProgramAs();
    // The chosen path, or empty text when the dialog was cancelled.
    std::string AskSaveFileName();
    // True when the caller may go on: nothing unsaved, the user declined to save, or the save
    // succeeded. False after Cancel, and after Yes when nothing got written.
    bool ConfirmSaveChanges();
    void UpdateWindowCaption();
    // Loads the file the command line names, if any, as the last step of start-up.
    void OpenStartupFile(const std::string& commandLine);

    // The shared settings of the open and save dialogs; the initial name follows each chosen path.
    const platform::FileDialogSettings& DialogSettings() const { return dialog_; }

private:
    struct ProgramText {
        std::string Text;
        LineBreakStyle Breaks;
        bool MixedBreaks;  // saving will not give back the file's bytes
    };
    // The file as editor text, or nothing when it cannot be read.
    static std::optional<ProgramText> ToProgramText(const platform::FileReadResult& file);
    std::string ShowDialog(bool save);
    void TakeFile(const std::string& path, const ProgramText& program);
    void ShowMixedBreaksNotice(bool mixed);
    // Writes the editor's text to `path` and makes it the program's file; false, after saying why, when
    // nothing was written.
    bool SaveTo(const std::string& path);
    void ReportFailure(const std::string& what, const std::string& path, const std::string& reason);

    ProgramFileState state_;
    ProgramFileParts parts_;
    platform::FileDialogSettings dialog_;
    bool mixedBreaksNoticeShown_ = false;
};

}  // namespace vantric
