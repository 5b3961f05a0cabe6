#include "qt/DesktopApp.h"

#include <QSysInfo>

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
      desktop_(desktop ? *desktop : qtDesktop_),
      pump_(watchWakeUps),
      writer_(app.Processor, app.MemoryDump, *grid_),
      registerPresenter_(app.Processor, *registerPanel_, window_.Status(), [this] { window_.FocusEditor(); }),
      gridPresenter_(app.Processor, app.MemoryDump, *grid_),
      views_(registerPresenter_, gridPresenter_, app.MemoryDump),
      entryPresenter_(app, writer_, *grid_, *entryBox_, window_, [this] { return app_.MainWindow.WindowHasFocus; }),
      columnsPresenter_(app.MemoryDump, *columnsDialog_, messages_, pump_, gridPresenter_),
      interpreter_(app.Processor, app.Instructions, app.Assembly, writer_, runWindow_.ProgressList(), window_.Editor(),
                   views_, pump_),
      compiler_(app.Processor, app.Instructions, app.Assembly, window_.Editor(), window_.Status(), pump_),
      runPresenter_(app, compiler_, interpreter_, runWindow_, window_.Editor(), window_.Status(), messages_, pump_,
                    clock_, views_),
      step_(app, runPresenter_, interpreter_, window_.Editor(), window_.Status(), messages_, views_),
      commands_(window_),
      presenter_(app,
                 MainWindowParts{window_, window_.Status(), splash_, messages_, host, pump_, *grid_, views_, step_,
                                 interpreter_},
                 std::move(commandLine)),
      splashPresenter_(app.MainWindow, splash_, window_, QSysInfo::prettyProductName().toStdString()),
      systemInfo_(desktop_, messages_),
      aboutPresenter_(aboutBox_, systemInfo_) {
    window_.setWindowIcon(ApplicationIcon());
    window_.AddSecondaryWindow(&aboutBox_);
    window_.AddSecondaryWindow(&runWindow_);
    window_.AddSecondaryWindow(columnsDialog_);
    runWindow_.SetPresenter(&runPresenter_);
    registerPanel_->Bind(&registerPresenter_);
    grid_->Bind(&entryPresenter_);
    entryBox_->Bind(&entryPresenter_);
    columnsDialog_->Bind(&columnsPresenter_);
    splash_.Bind(&splashPresenter_);
    splashPresenter_.Form_Load();
    aboutBox_.Bind(&aboutPresenter_);
    aboutPresenter_.Form_Load();
    window_.SetPresenter(&presenter_);
    window_.SetCommands(&commands_);
    window_.Editor().OnTextChanged([this] { presenter_.txtCode_Change(); });
    window_.Editor().OnFocusIn([this] { entryPresenter_.HideEntryBox(); });

    ConnectExecutionCommands(commands_, runPresenter_, step_);
    commands_.Connect(CommandId::Refresh, [this] { views_.mnuRefresh_Click(); });
    commands_.Connect(CommandId::MemoryColumns, [this] { columnsPresenter_.ShowDialog(); });
    commands_.Connect(CommandId::Readme, [this, &host] { mnuReadme_Click(host, desktop_); });
    commands_.Connect(CommandId::About, [this] { aboutPresenter_.mnuHelpAbout_Click(); });
}

DesktopApp::~DesktopApp() {
    // The windows outlive the presenters they forward to; cut them loose first.
    window_.SetPresenter(nullptr);
    window_.SetCommands(nullptr);
    window_.Editor().OnTextChanged(nullptr);
    window_.Editor().OnFocusIn(nullptr);
    runWindow_.SetPresenter(nullptr);
    registerPanel_->Bind(nullptr);
    grid_->Bind(nullptr);
    entryBox_->Bind(nullptr);
    columnsDialog_->Bind(nullptr);
    splash_.Bind(nullptr);
    aboutBox_.Bind(nullptr);
}

}  // namespace vantric::qt
