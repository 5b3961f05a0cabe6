#include "editing/ProgramFiles.h"

#include "core/TextScan.h"
#include "editing/CommandLine.h"
#include "editing/WindowCaption.h"

namespace vantric {

using platform::MessageAnswer;

namespace {

constexpr const char* kOpenTitle = "Open 8085 code file";
constexpr const char* kSaveTitle = "Save 8085 code as";
constexpr const char* kMixedBreaksNotice = "The file mixes line breaks; it will be saved with CR LF";

// Adds ".ext" to a path whose file name has no extension.
std::string WithDefaultExtension(const std::string& path, const std::string& extension) {
    const std::size_t slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.empty() || name.find('.') != std::string::npos) return path;
    return path + "." + extension;
}

}  // namespace

ProgramFiles::ProgramFiles(ProgramFileParts parts) : parts_(parts) {
    dialog_.Filter = "8085 assembly programs (*.85)|*.85|All files (*.*)|*.*";
    dialog_.DefaultExtension = "85";
    dialog_.InitialName = "*.85";
}

void ProgramFiles::UpdateWindowCaption() { parts_.MainWindow.SetCaption(WindowCaption(state_.CurrentFileName)); }

bool ProgramFiles::ConfirmSaveChanges() {
    if (!state_.ProgramModified) return true;
    switch (parts_.Messages.Show("Save changes to the current program ?", "Save changes ?",
                                 platform::MessageButtons::YesNoCancel)) {
        case MessageAnswer::Cancel: return false;
        case MessageAnswer::Yes:
            // Going on without a saved file would throw away the work the user asked to keep.
            return SaveProgram();
        default: return true;
    }
}

void ProgramFiles::NewProgram() {
    if (!ConfirmSaveChanges()) return;
    state_.CurrentFileName.clear();
    state_.FileLineBreaks = LineBreakStyle::CrLf;
    parts_.Step.ResetProcessor(true);
    parts_.Editor.SetText("");
    state_.ProgramModified = false;
    UpdateWindowCaption();
    ShowMixedBreaksNotice(false);
    parts_.Views.RefreshMemoryGrid();
    parts_.Views.RefreshRegisterPanel(false);
}

void ProgramFiles::OpenProgram() {
    if (!ConfirmSaveChanges()) return;
    const std::string path = ShowDialog(false);
    if (path.empty()) return;
    // Read before anything changes, so that a file that cannot be read leaves the program alone.
    const platform::FileReadResult file = parts_.Files.Read(path);
    const std::optional<ProgramText> program = ToProgramText(file);
    if (!program) {
        ReportFailure("open", path, file.Reason);
        return;
    }
    parts_.Step.ResetProcessor(true);
    TakeFile(path, *program);
}

bool ProgramFiles::SaveProgram() {
    const std::string path = state_.CurrentFileName.empty() ? AskSaveFileName() : state_.CurrentFileName;
    return !path.empty() && SaveTo(path);
}

void ProgramFiles::SaveProgramAs() {
    const std::string path = AskSaveFileName();
    if (!path.empty()) SaveTo(path);
}

std::string ProgramFiles::AskSaveFileName() { return ShowDialog(true); }

void ProgramFiles::OpenStartupFile(const std::string& commandLine) {
    const std::string path = StartupFileName(commandLine);
    if (!path.empty()) {
        const platform::FileReadResult file = parts_.Files.Read(path);
        if (const std::optional<ProgramText> program = ToProgramText(file)) {
            TakeFile(path, *program);
        } else if (file.Missing) {
            // A name for a new program: the first Save creates the file.
            state_.CurrentFileName = path;
            state_.FileLineBreaks = LineBreakStyle::CrLf;
        } else {
            // Keeping the name would let a Save replace a file that was never shown.
            ReportFailure("open", path, file.Reason);
        }
    }
    state_.ProgramModified = false;
    UpdateWindowCaption();
}

std::optional<ProgramFiles::ProgramText> ProgramFiles::ToProgramText(const platform::FileReadResult& file) {
    if (!file.Ok) return std::nullopt;
    return ProgramText{ToCrLfText(file.Bytes), DetectLineBreaks(file.Bytes), MixesLineBreaks(file.Bytes)};
}

void ProgramFiles::TakeFile(const std::string& path, const ProgramText& program) {
    state_.CurrentFileName = path;
    state_.FileLineBreaks = program.Breaks;
    parts_.Editor.SetText(program.Text);
    state_.ProgramModified = false;
    UpdateWindowCaption();
    ShowMixedBreaksNotice(program.MixedBreaks);
}

// A save must never silently rewrite bytes the user did not touch, so a file whose line breaks
// will change is announced when it is opened; the notice goes again with the next program.
void ProgramFiles::ShowMixedBreaksNotice(bool mixed) {
    if (mixed || mixedBreaksNoticeShown_) parts_.Status.SetPanelText(1, mixed ? kMixedBreaksNotice : "");
    mixedBreaksNoticeShown_ = mixed;
}

std::string ProgramFiles::ShowDialog(bool save) {
    dialog_.Title = save ? kSaveTitle : kOpenTitle;
    while (true) {
        std::string path = save ? parts_.Dialogs.ShowSave(dialog_) : parts_.Dialogs.ShowOpen(dialog_);
        if (path.empty()) return path;
        dialog_.InitialName = path;
        if (!save) return path;
        const std::string completed = WithDefaultExtension(path, dialog_.DefaultExtension);
        if (completed == path) return path;
        // The dialog asked before replacing the name it was given, not the one completed here.
        dialog_.InitialName = completed;
        if (parts_.Files.Read(completed).Missing) return completed;
        switch (parts_.Messages.Show(completed + " already exists.\nDo you want to replace it?", kSaveTitle,
                                     platform::MessageButtons::YesNoCancel)) {
            case MessageAnswer::Yes: return completed;
            case MessageAnswer::No: break;  // choose another name
            default: return {};
        }
    }
}

bool ProgramFiles::SaveTo(const std::string& path) {
    const int wide = parts_.Editor.FirstWideCharacter();
    const std::string text = parts_.Editor.Text();
    if (wide >= 0) {
        ReportFailure("save", path,
                      "Line " + std::to_string(LineNumberAt(text, wide)) +
                          " holds a character that a program file cannot store; only 8-bit characters can be saved");
        return false;
    }
    const platform::FileWriteResult written = parts_.Files.Replace(path, ToFileText(text, state_.FileLineBreaks));
    if (!written.Ok) {
        // The name and the modified mark stay as they were: the text is still only in the editor.
        ReportFailure("save", path,
                      written.FolderNotWritable
                          ? "The folder is not writable (" + written.Reason + "). Save as can put the program elsewhere"
                          : written.Reason);
        return false;
    }
    state_.CurrentFileName = path;
    UpdateWindowCaption();
    state_.ProgramModified = false;
    return true;
}

void ProgramFiles::ReportFailure(const std::string& what, const std::string& path, const std::string& reason) {
    parts_.Messages.Show("Could not " + what + " " + path + "\n\n" + reason + ".", platform::kApplicationTitle,
                         platform::MessageButtons::Ok, platform::MessageIcon::Critical);
}

}  // namespace vantric
