// New, Open, Save and Save as against real files in a scratch folder, the unsaved-changes prompt and
// the start-up file.

#include "editing/ProgramFiles.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

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
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '-');
        dir = fs::temp_directory_path() / ("vantric-files-" + std::to_string(::getpid()) + "-" + name);
        fs::create_directories(dir);
        editor.onChange = [this] {
            files.MarkModified();
            app->Assembly.RecompileNeeded = true;
        };
    }
    ~ProgramFilesTest() override {
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir);
    }

    std::string Write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        return (dir / name).string();
    }
    std::string Contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    void Type(const std::string& text) { editor.SetSelText(text); }
    const ProgramFileState& State() const { return files.State(); }

    fs::path dir;
    fakes::FakeWindow mainWindow;
    fakes::FakeFileDialogs dialogs;
    LocalFileStore store;
    ProgramFiles files{{mainWindow, editor, messages, dialogs, store, step, views, status}};
};

TEST_F(ProgramFilesTest, NewOnACleanProgramAsksNothingAndResetsTheMachine) {
    app->Processor.Memory[0x2000] = 0x77;
    app->Processor.Registers[7] = 0x12;
    files.NewProgram();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(mainWindow.caption, "Vantric - [untitled]");
    EXPECT_EQ(app->Processor.Memory[0x2000], 0);
    EXPECT_EQ(app->Processor.Registers[7], 0);
    EXPECT_FALSE(State().ProgramModified);
    EXPECT_GE(views.gridRefreshes, 1);
}

TEST_F(ProgramFilesTest, ThePromptsThreeAnswers) {
    Type("X");
    editor.SetSelStart(0);
    editor.SetSelLength(1);
    editor.SetSelText("");  // typed and deleted again: still a change
    ASSERT_TRUE(State().ProgramModified);

    messages.answers = {MessageAnswer::Cancel};
    Type("MVI A,1");
    files.NewProgram();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Save changes to the current program ?");
    EXPECT_EQ(messages.shown[0].title, "Save changes ?");
    EXPECT_EQ(messages.shown[0].buttons, platform::MessageButtons::YesNoCancel);
    EXPECT_EQ(editor.text, "MVI A,1");
    EXPECT_TRUE(dialogs.kinds.empty());

    messages.answers = {MessageAnswer::No};
    files.NewProgram();
    EXPECT_EQ(editor.text, "");
    EXPECT_FALSE(State().ProgramModified);

    Type("HLT");
    messages.answers = {MessageAnswer::Yes};
    dialogs.answers = {(dir / "kept").string()};
    files.NewProgram();
    EXPECT_EQ(Contents((dir / "kept.85").string()), "HLT");
    EXPECT_EQ(editor.text, "");
    EXPECT_EQ(State().CurrentFileName, "");

    // The name completed with ".85" is an existing file: No shows the dialog again, Cancel stops,
    // Yes replaces it.
    Type("NOP");
    const std::string kept = (dir / "kept").string();
    messages.answers = {MessageAnswer::No, MessageAnswer::Cancel, MessageAnswer::Yes};
    dialogs.answers = {kept, kept, kept};
    files.SaveProgramAs();
    EXPECT_EQ(messages.shown.back().text, kept + ".85 already exists.\nDo you want to replace it?");
    EXPECT_EQ(messages.shown.back().title, "Save 8085 code as");
    EXPECT_EQ(dialogs.shown.back().InitialName, kept + ".85");
    EXPECT_EQ(Contents(kept + ".85"), "HLT");
    files.SaveProgramAs();
    EXPECT_EQ(Contents(kept + ".85"), "NOP");
    EXPECT_EQ(dialogs.kinds.size(), 4u);
}

TEST_F(ProgramFilesTest, YesWithoutAFileWrittenAbandonsNewOpenAndClose) {
    Type("work");
    messages.answers = {MessageAnswer::Yes};
    files.NewProgram();  // the save dialog is cancelled
    EXPECT_EQ(editor.text, "work");
    EXPECT_TRUE(State().ProgramModified);

    messages.answers = {MessageAnswer::Yes};
    dialogs.answers = {(dir / "no-such-folder" / "a.85").string()};
    EXPECT_FALSE(files.ConfirmSaveChanges());
    EXPECT_EQ(messages.shown.back().icon, platform::MessageIcon::Critical);
    EXPECT_NE(messages.shown.back().text.find("no-such-folder/a.85"), std::string::npos);
    EXPECT_NE(messages.shown.back().text.find("No such file or directory"), std::string::npos);
    EXPECT_EQ(State().CurrentFileName, "");
    EXPECT_TRUE(State().ProgramModified);
}

TEST_F(ProgramFilesTest, OpeningAndSavingKeepsTheBytesAndTheLineBreakStyle) {
    std::string crlf = "; \xE9t\xE9\r\n\tMVI A,1\r\nHLT";  // Latin-1, no final break
    const std::string crlfPath = Write("crlf file.85", crlf);
    dialogs.answers = {crlfPath};
    app->Processor.Memory[0x1000] = 0x3E;
    files.OpenProgram();
    EXPECT_EQ(editor.text, crlf);
    EXPECT_EQ(mainWindow.caption, "Vantric - [" + crlfPath + "]");
    EXPECT_FALSE(State().ProgramModified);
    EXPECT_EQ(app->Processor.Memory[0x1000], 0);
    EXPECT_EQ(dialogs.shown.back().Title, "Open 8085 code file");
    EXPECT_EQ(dialogs.shown.back().InitialName, "*.85");
    EXPECT_EQ(dialogs.shown.back().Filter, "8085 assembly programs (*.85)|*.85|All files (*.*)|*.*");
    files.SaveProgram();
    EXPECT_EQ(Contents(crlfPath), crlf);

    const std::string lfPath = Write("lf.85", "NOP\nHLT\n");
    dialogs.answers = {lfPath};
    files.OpenProgram();
    EXPECT_EQ(dialogs.shown.back().InitialName, crlfPath);
    EXPECT_EQ(editor.text, "NOP\r\nHLT\r\n");
    Type("; top\r\n");
    files.SaveProgram();
    EXPECT_EQ(Contents(lfPath), "; top\nNOP\nHLT\n");
    EXPECT_FALSE(State().ProgramModified);

    EXPECT_EQ(status.Panel(1), "");

    // Mixed breaks cannot come back as they were: the status bar says so when the file is opened.
    const std::string mixedPath = Write("mixed.85", "A\r\nB\nC\rD\n");
    dialogs.answers = {mixedPath};
    files.OpenProgram();
    EXPECT_EQ(status.Panel(1), "The file mixes line breaks; it will be saved with CR LF");
    files.SaveProgram();
    EXPECT_EQ(Contents(mixedPath), "A\r\nB\r\nC\rD\r\n");

    files.NewProgram();
    EXPECT_EQ(status.Panel(1), "");
    Type("NOP\r\nHLT\r\n");
    dialogs.answers = {(dir / "new.asm").string()};
    files.SaveProgramAs();
    EXPECT_EQ(dialogs.shown.back().Title, "Save 8085 code as");
    EXPECT_EQ(Contents((dir / "new.asm").string()), "NOP\r\nHLT\r\n");
    EXPECT_EQ(State().CurrentFileName, (dir / "new.asm").string());
}

TEST_F(ProgramFilesTest, AFileThatCannotBeReadChangesNothing) {
    Type("mine");
    dialogs.answers = {(dir / "gone.85").string(), dir.string()};
    app->Processor.Memory[0x1000] = 0x3E;
    messages.answers = {MessageAnswer::No, MessageAnswer::Ok, MessageAnswer::No, MessageAnswer::Ok};
    files.OpenProgram();
    files.OpenProgram();
    ASSERT_EQ(messages.shown.size(), 4u);
    EXPECT_NE(messages.shown[1].text.find("gone.85"), std::string::npos);
    EXPECT_NE(messages.shown[1].text.find("No such file or directory"), std::string::npos);
    EXPECT_NE(messages.shown[3].text.find("Is a directory"), std::string::npos);
    EXPECT_EQ(editor.text, "mine");
    EXPECT_TRUE(State().ProgramModified);
    EXPECT_EQ(State().CurrentFileName, "");
    EXPECT_EQ(app->Processor.Memory[0x1000], 0x3E);

    if (::geteuid() != 0) {
        const std::string locked = Write("locked.85", "secret");
        fs::permissions(locked, fs::perms::none);
        dialogs.answers = {locked};
        messages.answers = {MessageAnswer::No};
        files.OpenProgram();
        EXPECT_NE(messages.shown.back().text.find("Permission denied"), std::string::npos);
        EXPECT_EQ(editor.text, "mine");
    }
}

TEST_F(ProgramFilesTest, AFailedSaveKeepsThePreviousFileTheNameAndTheMark) {
    const std::string path = Write("prog.85", "OLD CONTENTS");
    dialogs.answers = {path};
    files.OpenProgram();
    Type(std::string(4096, 'N'));

    // The disk runs out of room part-way through the write.
    struct rlimit before {};
    ::getrlimit(RLIMIT_FSIZE, &before);
    struct rlimit small = before;
    small.rlim_cur = 100;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    const bool saved = files.SaveProgram();
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved);
    EXPECT_EQ(Contents(path), "OLD CONTENTS");
    EXPECT_TRUE(State().ProgramModified);
    EXPECT_NE(messages.shown.back().text.find(path), std::string::npos);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);  // no temporary left

    // A folder in the way, and a Save as that fails keeps the old name.
    fs::create_directory(dir / "folder.85");
    dialogs.answers = {(dir / "folder.85").string()};
    files.SaveProgramAs();
    EXPECT_NE(messages.shown.back().text.find("Is a directory"), std::string::npos);
    EXPECT_EQ(State().CurrentFileName, path);
    EXPECT_EQ(mainWindow.caption, "Vantric - [" + path + "]");
    EXPECT_EQ(Contents(path), "OLD CONTENTS");
}

TEST_F(ProgramFilesTest, ACharacterBeyondEightBitsIsRefusedNotWrittenAltered) {
    const std::string path = Write("prog.85", "NOP");
    dialogs.answers = {path};
    files.OpenProgram();
    Type("MVI A,1\r\n; \xE2\r\n");
    editor.wideCharacterAt = 11;
    EXPECT_FALSE(files.SaveProgram());
    EXPECT_NE(messages.shown.back().text.find("Line 2"), std::string::npos);
    EXPECT_EQ(Contents(path), "NOP");
    EXPECT_TRUE(State().ProgramModified);
}

TEST_F(ProgramFilesTest, SavingReplacesTheFileALinkPointsToAndKeepsItsPermissions) {
    const std::string real = Write("real.85", "OLD");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real.85", dir / "link.85");
    dialogs.answers = {(dir / "link.85").string()};
    files.OpenProgram();
    Type("NEW ");
    ASSERT_TRUE(files.SaveProgram());
    EXPECT_TRUE(fs::is_symlink(dir / "link.85"));
    EXPECT_EQ(Contents(real), "NEW OLD");
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// Where a save may be pointed, each prepared in the test's folder, and what the save must do there.
// Root may write any file, so write protection shows only with an ordinary user: a test run by root
// saves those in a child process that has dropped to an unused user and group id.
enum class Saver { Anyone, Root, OrdinaryUser };
constexpr uid_t kOtherId = 54321;

struct SaveTarget {
    const char* name;
    Saver saver;
    std::string (*prepare)(const fs::path& dir);  // makes the target; returns the path to save to
    const char* refusal;                          // in the failure message; nullptr: the save succeeds
};

std::string PlainFile(const fs::path& path, fs::perms permissions) {
    std::ofstream(path, std::ios::binary) << "OLD";
    fs::permissions(path, permissions);
    return path.string();
}

const SaveTarget kSaveTargets[] = {
    {"Pipe", Saver::Anyone,
     [](const fs::path& dir) {
         ::mkfifo((dir / "pipe.85").c_str(), 0644);
         return (dir / "pipe.85").string();
     },
     "Is a named pipe, not a plain file"},
    {"LinkLoop", Saver::Anyone,
     [](const fs::path& dir) {
         fs::create_symlink("b.85", dir / "a.85");
         fs::create_symlink("a.85", dir / "b.85");
         return (dir / "a.85").string();
     },
     "Too many levels of symbolic links"},
    {"NameAtTheLengthLimit", Saver::Anyone,
     [](const fs::path& dir) {
         const auto limit = ::pathconf(dir.c_str(), _PC_NAME_MAX);
         return PlainFile(dir / (std::string(static_cast<std::size_t>(limit) - 3, 'n') + ".85"),
                          fs::perms::owner_read | fs::perms::owner_write);
     },
     nullptr},
    {"AnotherUsersFile", Saver::Root,
     [](const fs::path& dir) {
         const std::string path =
             PlainFile(dir / "theirs.85", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
         EXPECT_EQ(::chown(path.c_str(), kOtherId, kOtherId), 0);
         return path;
     },
     nullptr},
    {"WriteProtectedFile", Saver::OrdinaryUser,
     [](const fs::path& dir) {
         fs::permissions(dir, fs::perms::all);
         return PlainFile(dir / "locked.85", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
     },
     "Permission denied"},
    {"FolderNotWritable", Saver::OrdinaryUser,
     [](const fs::path& dir) {
         const std::string path =
             PlainFile(dir / "open.85",
                       fs::perms::all & ~(fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec));
         fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                  fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
         return path;
     },
     "The folder is not writable (Permission denied). Save as can put the program elsewhere"},
};

class SaveTargetTest : public ProgramFilesTest, public ::testing::WithParamInterface<SaveTarget> {
protected:
    struct Outcome {
        bool saved = false;
        std::string message;  // the last message shown, "" when none
    };
    // Saves as the target's saver needs (the test's own user, or root for Saver::Root); nothing when
    // root cannot drop to an ordinary user.
    std::optional<Outcome> Save(Saver saver) {
        if (saver != Saver::OrdinaryUser || ::geteuid() != 0) return Outcome{files.SaveProgram(), LastMessage()};
        int channel[2];
        if (::pipe(channel) != 0) return std::nullopt;
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(channel[0]);
            std::string report = "!";
            if (::setgroups(0, nullptr) == 0 && ::setgid(kOtherId) == 0 && ::setuid(kOtherId) == 0) {
                report = files.SaveProgram() ? "1" : "0";
                report += LastMessage();
            }
            const ssize_t wrote = ::write(channel[1], report.data(), report.size());
            ::_exit(wrote == static_cast<ssize_t>(report.size()) ? 0 : 1);
        }
        ::close(channel[1]);
        std::string report;
        char buffer[512];
        for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
            report.append(buffer, static_cast<std::size_t>(got));
        ::close(channel[0]);
        ::waitpid(child, nullptr, 0);
        if (report.empty() || report[0] == '!') return std::nullopt;
        return Outcome{report[0] == '1', report.substr(1)};
    }
    std::string LastMessage() const { return messages.shown.empty() ? "" : messages.shown.back().text; }
    std::size_t Entries() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {})); }
};

TEST_P(SaveTargetTest, ReplacesOnlyAPlainFileItMayWriteAndKeepsWhatItReplaces) {
    const SaveTarget& target = GetParam();
    if (target.saver == Saver::Root && ::geteuid() != 0) {
        GTEST_SKIP() << "needs to run as root";
    }
    const std::string path = target.prepare(dir);
    struct stat before {};
    ASSERT_EQ(::lstat(path.c_str(), &before), 0);
    const std::size_t entries = Entries();
    dialogs.answers = {path};  // the untitled program is saved under the target's name
    Type("NEW");

    const std::optional<Outcome> outcome = Save(target.saver);
    if (!outcome) {
        GTEST_SKIP() << "could not drop to an ordinary user";
    }

    struct stat after {};
    ASSERT_EQ(::lstat(path.c_str(), &after), 0);
    EXPECT_EQ(Entries(), entries);  // nothing created, no temporary left
    EXPECT_EQ(after.st_mode, before.st_mode);
    if (target.refusal == nullptr) {
        EXPECT_TRUE(outcome->saved) << outcome->message;
        EXPECT_EQ(Contents(path), "NEW");
        EXPECT_EQ(after.st_uid, before.st_uid);
        EXPECT_EQ(after.st_gid, before.st_gid);
        return;
    }
    EXPECT_FALSE(outcome->saved);
    EXPECT_EQ(outcome->message, "Could not save " + path + "\n\n" + target.refusal + ".");
    EXPECT_EQ(after.st_ino, before.st_ino);  // not replaced
    if (S_ISREG(before.st_mode)) {
        EXPECT_EQ(Contents(path), "OLD");
    }
    EXPECT_TRUE(State().ProgramModified);
}

INSTANTIATE_TEST_SUITE_P(Targets, SaveTargetTest, ::testing::ValuesIn(kSaveTargets),
                         [](const ::testing::TestParamInfo<SaveTarget>& target) {
                             return std::string(target.param.name);
                         });

TEST_F(ProgramFilesTest, TheStartupFile) {
    const std::string spaced = Write("my prog.85", "HLT\r\n");
    files.OpenStartupFile("\"" + spaced + "\"");
    EXPECT_EQ(editor.text, "HLT\r\n");
    EXPECT_EQ(mainWindow.caption, "Vantric - [" + spaced + "]");
    EXPECT_FALSE(State().ProgramModified);

    editor.SetText("");
    files.OpenStartupFile(spaced);
    EXPECT_EQ(editor.text, "HLT\r\n");

    // A new file: the name waits for the first Save.
    editor.SetText("");
    const std::string fresh = (dir / "fresh.85").string();
    files.OpenStartupFile(fresh);
    EXPECT_EQ(State().CurrentFileName, fresh);
    EXPECT_TRUE(messages.shown.empty());
    Type("NOP\r\n");
    files.SaveProgram();
    EXPECT_EQ(Contents(fresh), "NOP\r\n");

    // Something that exists but cannot be read is reported, and its name not taken.
    files.NewProgram();
    files.OpenStartupFile(dir.string());
    EXPECT_EQ(State().CurrentFileName, "");
    EXPECT_NE(messages.shown.back().text.find(dir.string()), std::string::npos);
    EXPECT_EQ(mainWindow.caption, "Vantric - [untitled]");
}

}  // namespace
}  // namespace vantric
