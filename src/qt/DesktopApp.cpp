#include "qt/DesktopApp.h"

#include <QSysInfo>

#include "platform/Keys.h"
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

DesktopApp::DesktopApp(platform::ProgramHost& host, std::string commandLine, bool watchWakeUps,
                       platform::DesktopServices* desktop)
    : registerPanel_(Embed(window_, platform::MainWindowControl::RegisterPanel, new RegisterPanelWidget)),
      grid_(Embed(window_, platform::MainWindowControl::MemoryGrid, new MemoryGridView)),
      entryBox_(Embed(window_, platform::MainWindowControl::EntryBox, new DirectEntryBox)),
      columnsDialog_(new MemoryColumnsDialog(&window_)),
      findDialog_(new FindDialog(&window_)),
      desktop_(desktop ? *desktop : qtDesktop_),
      pump_(watchWakeUps),
      writer_(machine_->State(), dump_, *grid_),
      registerPresenter_(*machine_, *registerPanel_, window_.Status(), [this] { window_.FocusEditor(); }),
      gridPresenter_(*machine_, dump_, *grid_),
      views_(registerPresenter_, gridPresenter_, dump_),
      entryPresenter_(machine_->State(), *program_, dump_, writer_, *grid_, *entryBox_, window_,
                      [this] { return presenter_.State().WindowHasFocus; }),
      columnsPresenter_(dump_, *columnsDialog_, messages_, pump_, gridPresenter_),
      display_(runWindow_.ProgressList(), window_.Editor(), views_),
      compiler_(machine_->State(), *instructions_, *program_, window_.Editor(), window_.Status(), pump_),
      cycle_(*machine_, *program_, compiler_, runWindow_.ProgressList(), window_.Editor(), window_.Status(), messages_,
             pump_, clock_, views_),
      runPresenter_(cycle_, runWindow_),
      step_(*machine_, *program_, cycle_, runPresenter_, window_.Editor(), window_.Status(), messages_, views_),
      files_({window_, window_.Editor(), messages_, fileDialogs_, fileStore_, step_, views_, window_.Status()}),
      editorCommands_(window_.Editor(), clipboard_),
      findPresenter_(*findDialog_, window_.Editor(), messages_, pump_),
      commands_(window_),
      presenter_(MainWindowParts{*instructions_, *machine_, *program_, dump_, window_, window_.Status(), splash_,
                                 messages_, host, pump_, *grid_, views_, step_, files_},
                 std::move(commandLine)),
      splashPresenter_(presenter_.State(), splash_, window_, QSysInfo::prettyProductName().toStdString()),
      systemInfo_(desktop_, messages_),
      aboutPresenter_(aboutBox_, systemInfo_) {
    window_.setWindowIcon(ApplicationIcon());
    machine_->SetObserver(&display_);
    window_.AddSecondaryWindow(&aboutBox_);
    window_.AddSecondaryWindow(helpWindow_);
    window_.AddSecondaryWindow(&runWindow_);
    window_.AddSecondaryWindow(columnsDialog_);
    window_.AddSecondaryWindow(findDialog_);
    window_.AddSecondaryWindow(fillDialog_);
    window_.AddSecondaryWindow(copyDialog_);
    runWindow_.Bind(&runPresenter_);
    registerPanel_->Bind(&registerPresenter_);
    grid_->Bind(&entryPresenter_);
    entryBox_->Bind(&entryPresenter_);
    columnsDialog_->Bind(&columnsPresenter_);
    findDialog_->Bind(&findPresenter_);
    fillDialog_->Bind(&fillPresenter_);
    copyDialog_->Bind(&copyPresenter_);
    splash_.Bind(&splashPresenter_);
    splashPresenter_.FillIn();
    aboutBox_.Bind(&aboutPresenter_);
    aboutPresenter_.FillIn();
    window_.Bind(&presenter_);
    window_.SetCommands(&commands_);
    window_.Editor().OnTextChanged([this] { presenter_.OnEditorTextChanged(); });
    window_.Editor().OnFocusIn([this] { entryPresenter_.HideEntryBox(); });
    window_.Editor().OnKeyDown([this](platform::Key key, bool ctrl) { return editorCommands_.OnEditorKey(key, ctrl); });
    window_.Editor().OnClipboardKeyDone([this](platform::Key key) {
        commands_.Execute(key == platform::Key::X   ? CommandId::Cut
                          : key == platform::Key::C ? CommandId::Copy
                                                    : CommandId::Paste);
    });

    ConnectExecutionCommands(commands_, runPresenter_, step_);
    commands_.Connect(CommandId::Refresh, [this] { views_.Refresh(); });
    commands_.Connect(CommandId::MemoryColumns, [this] { columnsPresenter_.ShowDialog(); });
    commands_.Connect(CommandId::FillMemory, [this] { fillPresenter_.ShowDialog(); });
    commands_.Connect(CommandId::CopyMemory, [this] { copyPresenter_.ShowDialog(); });
    commands_.Connect(CommandId::PrintCode, [this] { printouts_.Print(platform::Printout::ProgramListing); });
    commands_.Connect(CommandId::PrintOutput, [this] { printouts_.Print(platform::Printout::RegistersAndMemory); });
    commands_.Connect(CommandId::ExportPdf, [this] { printouts_.ExportAsPdf(); });
    commands_.Connect(CommandId::Readme, [this, &host] { ShowReadme(host, desktop_, *helpWindow_); });
    commands_.Connect(CommandId::About, [this] { aboutPresenter_.ShowAbout(); });
    ConnectFileCommands();
    ConnectEditCommands();
}

void DesktopApp::ConnectFileCommands() {
    commands_.Connect(CommandId::New, [this] { files_.NewProgram(); });
    commands_.Connect(CommandId::Open, [this] { files_.OpenProgram(); });
    commands_.Connect(CommandId::Save, [this] { files_.SaveProgram(); });
    commands_.Connect(CommandId::SaveAs, [this] { files_.SaveProgramAs(); });
    commands_.Connect(CommandId::ExportMachineCode, [this] { machineCodeExport_.ExportMachineCode(); });
}

void DesktopApp::ConnectEditCommands() {
    commands_.Connect(CommandId::Cut, [this] { editorCommands_.Cut(); });
    commands_.Connect(CommandId::Copy, [this] { editorCommands_.Copy(); });
    commands_.Connect(CommandId::Paste, [this] { editorCommands_.Paste(); });
    commands_.Connect(CommandId::Delete, [this] { editorCommands_.Delete(); });
    commands_.Connect(CommandId::SelectAll, [this] { editorCommands_.SelectAll(); });
    commands_.Connect(CommandId::InsertBreakpoint, [this] { editorCommands_.InsertBreakpoint(); });
    commands_.Connect(CommandId::Find, [this] { findPresenter_.ShowFind(); });
    commands_.Connect(CommandId::Replace, [this] { findPresenter_.ShowReplace(); });
}

DesktopApp::~DesktopApp() {
    // The windows outlive the presenters they forward to; cut them loose first.
    machine_->SetObserver(nullptr);
    window_.Bind(nullptr);
    window_.SetCommands(nullptr);
    window_.Editor().OnTextChanged(nullptr);
    window_.Editor().OnFocusIn(nullptr);
    window_.Editor().OnKeyDown(nullptr);
    window_.Editor().OnClipboardKeyDone(nullptr);
    findDialog_->Bind(nullptr);
    runWindow_.Bind(nullptr);
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
