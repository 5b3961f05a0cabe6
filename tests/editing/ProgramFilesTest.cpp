// New, Open, Save and Save as against real files in a scratch folder, the unsaved-changes prompt,
// a start-up file yet to be made, and where a save may write.

#include "editing/ProgramFiles.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

#include "control/ControlFixture.h"
#include "editing/LocalFileStore.h"
#include "support/FakeEditing.h"

namespace vantric {
namespace {

namespace fs = std::filesystem;
using platform::MessageAnswer;

class ProgramFilesTest : public ControlFixture {
protected:
    ProgramFilesTest() {
        fs::create_directories(dir);
        editor.onChange = [this] {
            files.MarkModified();
            refreshesAtEdit = {views.gridRefreshes, views.registerRefreshes};
        };
    }
    ~ProgramFilesTest() override {
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir);
    }

    std::string Path(const std::string& name) const { return (dir / name).string(); }
    std::string Write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        return Path(name);
    }
    static std::string Contents(const std::string& path) {
        return {std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {}};
    }
    // The caption, " *" while the text differs from the file's, and the text.
    std::string Seen() const {
        return mainWindow.caption + (files.State().ProgramModified ? " *|" : "|") + editor.text;
    }
    static std::string Caption(const std::string& path) { return "Vantric - [" + path + "]"; }
    std::string LastMessage() const { return messages.shown.empty() ? "" : messages.shown.back().text; }
    // Saves "NEW" with Save as under `path`: the failure message, or "" when it was written.
    std::string SaveAs(const std::string& path) {
        const std::size_t shown = messages.shown.size();
        editor.SetText("NEW");
        dialogs.answers = {path};
        files.SaveProgramAs();
        return messages.shown.size() == shown ? "" : LastMessage();
    }

    fs::path dir = fs::temp_directory_path() / ("vantric-files-" + std::to_string(::getpid()));
    std::pair<int, int> refreshesAtEdit;  // the grid's and the register panel's when the text last changed
    fakes::FakeWindow mainWindow;
    fakes::FakeFileDialogs dialogs;
    LocalFileStore store;
    ProgramFiles files{{mainWindow, editor, messages, dialogs, store, step, views, status}};
};

TEST_F(ProgramFilesTest, NewAndThePromptBeforeChangesAreThrownAway) {
    app->Processor.Memory[0x1000] = 0x77;
    views.lastKeepStatusText = true;
    files.NewProgram();  // nothing to lose: nothing asked
    EXPECT_EQ(Seen(), "Vantric - [untitled]|");
    EXPECT_EQ(app->Processor.Memory[0x1000], 0);
    EXPECT_GT(views.gridRefreshes, refreshesAtEdit.first);  // both drawn again after the text went
    EXPECT_GT(views.registerRefreshes, refreshesAtEdit.second);
    EXPECT_FALSE(views.lastKeepStatusText);

    editor.SetText("HLT");
    messages.answers = {MessageAnswer::Cancel, MessageAnswer::No};
    files.NewProgram();
    EXPECT_EQ(Seen(), "Vantric - [untitled] *|HLT");
    EXPECT_EQ(messages.shown[0].title + "|" + LastMessage(), "Save changes ?|Save changes to the current program ?");
    EXPECT_EQ(messages.shown[0].buttons, platform::MessageButtons::YesNoCancel);
    files.NewProgram();
    EXPECT_EQ(Seen(), "Vantric - [untitled]|");

    // Yes saves first; a save that writes nothing (dialog cancelled, folder missing) stops the caller.
    editor.SetText("HLT");
    files.NewProgram();
    dialogs.answers = {Path("no-such-folder/a.85")};
    EXPECT_FALSE(files.ConfirmSaveChanges());
    EXPECT_EQ(LastMessage(), "Could not save " + Path("no-such-folder/a.85") + "\n\nNo such file or directory.");
    EXPECT_EQ(messages.shown.back().icon, platform::MessageIcon::Critical);
    EXPECT_EQ(Seen(), "Vantric - [untitled] *|HLT");
    dialogs.answers = {Path("kept")};
    files.NewProgram();
    EXPECT_EQ(Contents(Path("kept.85")) + Seen(), "HLTVantric - [untitled]|");
}

TEST_F(ProgramFilesTest, OpenSaveAndSaveAsKeepTheBytesTheNameAndTheCaption) {
    app->Processor.Memory[0x1000] = 0x3E;
    editor.SetText("NOP\r\nHLT\r\n");
    files.MarkSaved();
    files.OpenProgram();  // both dialogs cancelled: nothing changes, nothing is reported
    files.SaveProgramAs();
    EXPECT_EQ(Seen(), "|NOP\r\nHLT\r\n");
    EXPECT_EQ(app->Processor.Memory[0x1000], 0x3E);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(dialogs.kinds[0] + dialogs.shown[0].Title + dialogs.kinds[1] + dialogs.shown[1].Title,
              "openOpen 8085 code filesaveSave 8085 code as");

    // The first save of an untitled program asks for the name and completes it with ".85".
    dialogs.answers = {Path("first")};
    EXPECT_TRUE(files.SaveProgram());
    EXPECT_EQ(Contents(Path("first.85")), "NOP\r\nHLT\r\n");
    EXPECT_EQ(Seen(), Caption(Path("first.85")) + "|NOP\r\nHLT\r\n");

    // Each style of line break and 8-bit text come back byte for byte; Open resets the machine.
    const std::string crlf = "; \xE9t\xE9\r\n\tMVI A,1\r\nHLT";
    dialogs.answers = {Write("crlf file.85", crlf), Write("lf.85", "\nNOP\nHLT\n")};
    status.SetPanelText(1, "Compile successful");
    files.OpenProgram();
    EXPECT_EQ(status.Panel(1), "Compile successful");  // only a notice of its own is taken away
    EXPECT_EQ(Seen(), Caption(Path("crlf file.85")) + "|" + crlf);
    EXPECT_EQ(app->Processor.Memory[0x1000], 0);
    files.SaveProgram();
    EXPECT_EQ(Contents(Path("crlf file.85")), crlf);
    files.OpenProgram();
    EXPECT_EQ(editor.text, "\r\nNOP\r\nHLT\r\n");
    editor.SetSelText("; top");
    files.SaveProgram();
    EXPECT_EQ(Contents(Path("lf.85")), "; top\nNOP\nHLT\n");
    EXPECT_EQ(dialogs.shown[3].InitialName + "|" + dialogs.shown[4].InitialName,
              Path("first.85") + "|" + Path("crlf file.85"));

    // Mixed breaks cannot come back as they were: the status bar says so until the next program.
    dialogs.answers = {Write("mixed.85", "A\r\nB\nC\rD\r")};
    files.OpenProgram();
    EXPECT_EQ(status.Panel(1), "The file mixes line breaks; it will be saved with CR LF");
    files.SaveProgram();
    EXPECT_EQ(Contents(Path("mixed.85")), "A\r\nB\r\nC\rD\r");
    files.NewProgram();
    EXPECT_EQ(status.Panel(1), "");

    // A completed name that exists: No shows the dialog again, Cancel stops, Yes replaces the file.
    editor.SetText("NEW");
    messages.answers = {MessageAnswer::No, MessageAnswer::Cancel};
    dialogs.answers = {Path("first"), Path("first")};
    files.SaveProgramAs();
    EXPECT_EQ(LastMessage(), Path("first.85") + " already exists.\nDo you want to replace it?");
    EXPECT_EQ(messages.shown.back().title, "Save 8085 code as");
    EXPECT_EQ(dialogs.shown.back().InitialName, Path("first.85"));
    EXPECT_EQ(Seen(), "Vantric - [untitled] *|NEW");
    SaveAs(Path("first"));
    EXPECT_EQ(Contents(Path("first.85")) + Seen(), "NEW" + Caption(Path("first.85")) + "|NEW");
}

TEST_F(ProgramFilesTest, WhatCannotBeReadOrWrittenChangesNothing) {
    files.OpenStartupFile(dir.string());  // nor at start-up, where its name is not taken either
    editor.SetText("mine");
    app->Processor.Memory[0x1000] = 0x3E;
    messages.answers = {MessageAnswer::No, MessageAnswer::Ok, MessageAnswer::No};
    dialogs.answers = {Path("gone.85"), dir.string()};
    files.OpenProgram();
    EXPECT_EQ(LastMessage(), "Could not open " + Path("gone.85") + "\n\nNo such file or directory.");
    files.OpenProgram();
    EXPECT_EQ(LastMessage() + std::to_string(messages.shown.size()),
              "Could not open " + dir.string() + "\n\nIs a directory.5");
    EXPECT_EQ(Seen(), "Vantric - [untitled] *|mine");
    EXPECT_EQ(app->Processor.Memory[0x1000], 0x3E);

    // A start-up file yet to be made names the program; the disk runs out of room in its first write.
    const std::string path = Path("prog.85");
    files.OpenStartupFile(path);
    EXPECT_EQ(Seen() + std::to_string(messages.shown.size()), Caption(path) + "|mine5");
    editor.SetText(std::string(4096, 'N'));
    struct rlimit limit {};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const rlim_t unlimited = std::exchange(limit.rlim_cur, 100);
    std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of ending the test
    ::setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_FALSE(files.SaveProgram());
    limit.rlim_cur = unlimited;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_EQ(LastMessage(), "Could not save " + path + "\n\nFile too large.");

    // A failed Save as keeps the old name.
    fs::create_directory(dir / "folder.85");
    EXPECT_EQ(SaveAs(Path("folder.85")), "Could not save " + Path("folder.85") + "\n\nIs a directory.");
    EXPECT_EQ(Seen(), Caption(path) + " *|NEW");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 1);  // no temporary left

    // A character beyond 8 bits is refused, not written altered.
    editor.SetText("MVI A,1\r\n; \xE2\r\n");
    editor.wideCharacterAt = 11;
    EXPECT_FALSE(files.SaveProgram());
    EXPECT_NE(LastMessage().find(path + "\n\nLine 2 holds a character"), std::string::npos);
    EXPECT_FALSE(fs::exists(path));
}

// Root may write any file, so write protection shows only to an ordinary user: run by root, the
// test saves those with an unused user id.
TEST_F(ProgramFilesTest, SavingReplacesOnlyAPlainFileItMayWriteAndKeepsWhatItReplaces) {
    constexpr uid_t kOtherId = 54321;
    const uid_t self = ::geteuid();
    const auto kept = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(Write("real.85", "OLD"), kept);
    fs::create_symlink("real.85", dir / "link.85");
    EXPECT_EQ(SaveAs(Path("link.85")), "");
    EXPECT_TRUE(fs::is_symlink(dir / "link.85"));
    EXPECT_EQ(Contents(Path("real.85")), "NEW");
    EXPECT_EQ(fs::status(Path("real.85")).permissions(), kept);

    const auto limit = static_cast<std::size_t>(::pathconf(dir.c_str(), _PC_NAME_MAX));
    EXPECT_EQ(SaveAs(Write(std::string(limit - 3, 'n') + ".85", "OLD")), "");
    const std::string theirs = Write("theirs.85", "OLD");
    EXPECT_EQ(::chown(theirs.c_str(), kOtherId, kOtherId) == 0, self == 0);
    EXPECT_EQ(SaveAs(theirs), "");
    struct stat owner {};
    ::stat(theirs.c_str(), &owner);
    EXPECT_EQ(owner.st_uid == kOtherId, self == 0);

    ::mkfifo(Path("pipe.85").c_str(), 0644);
    EXPECT_EQ(SaveAs(Path("pipe.85")), "Could not save " + Path("pipe.85") + "\n\nIs a named pipe, not a plain file.");
    fs::create_symlink("b.85", dir / "a.85");
    fs::create_symlink("a.85", dir / "b.85");
    EXPECT_EQ(SaveAs(Path("a.85")), "Could not save " + Path("a.85") + "\n\nToo many levels of symbolic links.");

    const std::string locked = Write("locked.85", "OLD");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::string open = Write("open.85", "OLD");
    fs::permissions(open, fs::perms::all);
    fs::permissions(dir, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    ASSERT_EQ(::seteuid(self == 0 ? kOtherId : self), 0);
    const std::string refusals = SaveAs(locked) + "|" + SaveAs(open);
    ASSERT_EQ(::seteuid(self), 0);
    EXPECT_EQ(refusals,
              "Could not save " + locked + "\n\nPermission denied.|Could not save " + open +
                  "\n\nThe folder is not writable (Permission denied). Save as can put the program elsewhere.");
    EXPECT_EQ(Contents(open) + Seen(), "OLD" + Caption(theirs) + " *|NEW");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 9);  // nothing created, no temporary left
}

}  // namespace
}  // namespace vantric
