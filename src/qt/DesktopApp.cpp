#include "qt/DesktopApp.h"

#include <QSysInfo>

#include "platform/KeyCodes.h"
#include "qt/ToolbarIcons.h"
#include "shell/Readme.h"

namespace vantric::qt {

namespace {
// Puts a view in the place of the main window's placeholder for it.
template <typename Widget>
Widget* Embed(MainWindow& window, platform::MainWindowControl control, Widget* widget) {
    window.EmbedControl(control, widget);
    return widget;
}
}  // namespace

DesktopApp::DesktopApp(AppState& app, platform::ProgramHost& host, std::string commandLine, bool watchWakeUps,
                       platform::DesktopServices* desktop)
    : app_(app),
      registerPanel_(Embed(window_, platform::MainWindowControl::RegisterPanel, new RegisterPanelWidget)),
      grid_(Embed(window_, platform::MainWindowControl::MemoryGrid, new MemoryGridView)),
      entryBox_(Embed(window_, platform::MainWindowControl::EntryBox, new DirectEntryBox)),
      columnsDialog_(new MemoryColumnsDialog(&window_)),
      findDialog_(new FindDialog(&window_)),
      desktop_(desktop ? *desktop : qtDesktop_),
      pump_(watchWakeUps),
      writer_(app.Processor, app.MemoryDump, *grid_),
      registerPresenter_(app.Processor, *registerPanel_, window_.Status(), [this] { window_.FocusEditor(); }),
      gridPresenter_(app.Machine, app.MemoryDump, *grid_),
      views_(registerPresenter_, gridPresenter_, app.MemoryDump),
      entryPresenter_(app, writer_, *grid_, *entryBox_, window_, [this] { return app_.MainWindow.WindowHasFocus; }),
      columnsPresenter_(app.MemoryDump, *columnsDialog_, messages_, pump_, gridPresenter_),
      display_(runWindow_.ProgressList(), window_.Editor(), views_),
      compiler_(app.Processor, app.Instructions, app.Assembly, window_.Editor(), window_.Status(), pump_),
      cycle_(app, compiler_, runWindow_.ProgressList(), window_.Editor(), window_.Status(), messages_, pump_, clock_,
             views_),
      runPresenter_(app, cycle_, runWindow_),
      step_(app, runPresenter_, cycle_, window_.Editor(), window_.Status(), messages_, views_),
      files_(app.ProgramFile,
             {window_, window_.Editor(), messages_, fileDialogs_, fileStore_, step_, views_, window_.Status()}),
      editorCommands_(app.ProgramFile, window_.Editor(), clipboard_),
      findPresenter_(*findDialog_, window_.Editor(), messages_, pump_),
      commands_(window_),
      presenter_(app,
                 MainWindowParts{window_, window_.Status(), splash_, messages_, host, pump_, *grid_, views_, step_,
                                 files_},
                 std::move(commandLine)),
      splashPresenter_(app.MainWindow, splash_, window_, QSysInfo::prettyProductName().toStdString()),
      systemInfo_(desktop_, messages_),
      aboutPresenter_(aboutBox_, systemInfo_) {
    window_.setWindowIcon(ApplicationIcon());
    app.Machine.SetObserver(&display_);
    window_.AddSecondaryWindow(&aboutBox_);
    window_.AddSecondaryWindow(&runWindow_);
    window_.AddSecondaryWindow(columnsDialog_);
    window_.AddSecondaryWindow(findDialog_);
    window_.AddSecondaryWindow(fillDialog_);
    window_.AddSecondaryWindow(copyDialog_);
    runWindow_.SetPresenter(&runPresenter_);
    registerPanel_->Bind(&registerPresenter_);
    grid_->Bind(&entryPresenter_);
    entryBox_->Bind(&entryPresenter_);
    columnsDialog_->Bind(&columnsPresenter_);
    findDialog_->Bind(&findPresenter_);
    fillDialog_->Bind(&fillPresenter_);
    copyDialog_->Bind(&copyPresenter_);
    splash_.Bind(&splashPresenter_);
    splashPresenter_.Form_Load();
    aboutBox_.Bind(&aboutPresenter_);
    aboutPresenter_.Form_Load();
    window_.SetPresenter(&presenter_);
    window_.SetCommands(&commands_);
    window_.Editor().OnTextChanged([this] { presenter_.txtCode_Change(); });
    window_.Editor().OnFocusIn([this] { entryPresenter_.HideEntryBox(); });
    window_.Editor().OnKeyDown([this](int key, bool ctrl) { return editorCommands_.txtCode_KeyDown(key, ctrl); });
    window_.Editor().OnClipboardKeyDone([this](int key) {
        commands_.Execute(key == platform::kKeyX ? CommandId::Cut : key == platform::kKeyC ? CommandId::Copy
                                                                                            : CommandId::Paste);
    });

    ConnectExecutionCommands(commands_, runPresenter_, step_);
    commands_.Connect(CommandId::Refresh, [this] { views_.mnuRefresh_Click(); });
    commands_.Connect(CommandId::MemoryColumns, [this] { columnsPresenter_.ShowDialog(); });
    commands_.Connect(CommandId::FillMemory, [this] { fillPresenter_.ShowDialog(); });
    commands_.Connect(CommandId::CopyMemory, [this] { copyPresenter_.ShowDialog(); });
    commands_.Connect(CommandId::PrintCode, [this] { prints_.mnuPrintCode_Click(); });
    commands_.Connect(CommandId::PrintOutput, [this] { prints_.mnuPrintOutput_Click(); });
    commands_.Connect(CommandId::Readme, [this, &host] { mnuReadme_Click(host, desktop_); });
    commands_.Connect(CommandId::About, [this] { aboutPresenter_.mnuHelpAbout_Click(); });
    ConnectFileCommands();
    ConnectEditCommands();
}

void DesktopApp::ConnectFileCommands() {
    commands_.Connect(CommandId::New, [this] { files_.NewProgram(); });
    commands_.Connect(CommandId::Open, [this] { files_.OpenProgram(); });
    commands_.Connect(CommandId::Save, [this] { files_.SaveProgram(); });
    commands_.Connect(CommandId::SaveAs, [this] { files_.SaveProgramAs(); });
}

void DesktopApp::ConnectEditCommands() {
    commands_.Connect(CommandId::Cut, [this] { editorCommands_.mnuCut_Click(); });
    commands_.Connect(CommandId::Copy, [this] { editorCommands_.mnuCopy_Click(); });
    commands_.Connect(CommandId::Paste, [this] { editorCommands_.mnuPaste_Click(); });
    commands_.Connect(CommandId::Delete, [this] { editorCommands_.mnuDelete_Click(); });
    commands_.Connect(CommandId::SelectAll, [this] { editorCommands_.mnuSelAll_Click(); });
    commands_.Connect(CommandId::InsertBreakpoint, [this] { editorCommands_.mnuInsBrk_Click(); });
    commands_.Connect(CommandId::Find, [this] { findPresenter_.mnuFind_Click(); });
    commands_.Connect(CommandId::Replace, [this] { findPresenter_.mnuReplace_Click(); });
}

DesktopApp::~DesktopApp() {
    // The windows outlive the presenters they forward to; cut them loose first.
    app_.Machine.SetObserver(nullptr);
    window_.SetPresenter(nullptr);
    window_.SetCommands(nullptr);
    window_.Editor().OnTextChanged(nullptr);
    window_.Editor().OnFocusIn(nullptr);
    window_.Editor().OnKeyDown(nullptr);
    window_.Editor().OnClipboardKeyDone(nullptr);
    findDialog_->Bind(nullptr);
    runWindow_.SetPresenter(nullptr);
    registerPanel_->Bind(nullptr);
    grid_->Bind(nullptr);
    entryBox_->Bind(nullptr);
    columnsDialog_->Bind(nullptr);
    fillDialog_->Bind(nullptr);
    copyDialog_->Bind(nullptr);
    splash_.Bind(nullptr);
    aboutBox_.Bind(nullptr);
}

}  // namespace vantric::qt
