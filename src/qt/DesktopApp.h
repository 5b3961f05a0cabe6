#pragma once
// The desktop program put together: the windows, the platform pieces and the logic behind them.

#include <memory>
#include <string>

#include "assembler/Compiler.h"
#include "control/MachineDisplay.h"
#include "control/RunCycle.h"
#include "control/RunWindowPresenter.h"
#include "control/StepController.h"
#include "editing/EditorCommands.h"
#include "editing/FindDialogPresenter.h"
#include "editing/LocalFileStore.h"
#include "editing/MachineCodeExport.h"
#include "editing/PrintCommands.h"
#include "editing/PrintoutDelivery.h"
#include "editing/ProgramFiles.h"
#include "memtools/MemoryBlockPresenter.h"
#include "platform/DesktopServices.h"
#include "platform/ProgramHost.h"
#include "qt/AboutBox.h"
#include "qt/DirectEntryBox.h"
#include "qt/FindDialog.h"
#include "qt/HelpWindow.h"
#include "qt/MainWindow.h"
#include "qt/MemoryBlockDialog.h"
#include "qt/MemoryColumnsDialog.h"
#include "qt/MemoryGridView.h"
#include "qt/QtDesktopServices.h"
#include "qt/QtEventPump.h"
#include "qt/QtFileDialogs.h"
#include "qt/QtPdfExport.h"
#include "qt/QtPlatform.h"
#include "qt/QtPrinter.h"
#include "qt/RegisterPanelWidget.h"
#include "qt/RunWindow.h"
#include "qt/SplashWindow.h"
#include "shell/AboutBoxPresenter.h"
#include "shell/MainCommands.h"
#include "shell/SplashPresenter.h"
#include "shell/SystemInfoLauncher.h"
#include "views/DirectEntryPresenter.h"
#include "views/MachineViewsPresenter.h"
#include "views/MainWindowPresenter.h"
#include "views/MemoryColumnsDialogPresenter.h"
#include "views/MemoryGridPresenter.h"
#include "views/MemoryWriter.h"
#include "views/RegisterPanelPresenter.h"

namespace vantric::qt {

class DesktopApp {
public:
    // Create after the application object. commandLine: the program's arguments joined by spaces.
    // watchWakeUps false: every yield runs Qt's event loop (for comparison in benchmarks).
    // desktop: documents and other programs go there instead of to the real desktop (tests).
    DesktopApp(platform::ProgramHost& host, std::string commandLine, bool watchWakeUps = true,
               platform::DesktopServices* desktop = nullptr);
    ~DesktopApp();

    // The start-up sequence; false when the program had to end.
    bool Start() {
        const bool started = presenter_.Start();
        window_.Editor().SetInstructions(*instructions_);  // read by the start-up, coloured from now on
        return started;
    }

    // The shared data: the instruction set, the assembler's tables, the engine, the grid's columns.
    InstructionTable& Instructions() { return *instructions_; }
    AssemblyTables& Program() { return *program_; }
    Machine& Engine() { return *machine_; }
    MemoryDumpSettings& MemoryDump() { return dump_; }
    ProgramFiles& Files() { return files_; }

    MainWindow& Window() { return window_; }
    RunWindow& RunDialog() { return runWindow_; }
    RegisterPanelWidget& Registers() { return *registerPanel_; }
    MemoryGridView& Grid() { return *grid_; }
    MemoryColumnsDialog& ColumnsDialog() { return *columnsDialog_; }
    FindDialog& FindReplaceDialog() { return *findDialog_; }
    FillMemoryDialog& FillDialog() { return *fillDialog_; }
    CopyMemoryDialog& CopyDialog() { return *copyDialog_; }
    MainCommands& Commands() { return commands_; }
    MainWindowPresenter& Presenter() { return presenter_; }
    RunWindowPresenter& RunPresenter() { return runPresenter_; }
    RunCycle& Cycle() { return cycle_; }
    QtEventPump& Pump() { return pump_; }
    SplashWindow& Splash() { return splash_; }
    AboutBox& About() { return aboutBox_; }
    HelpWindow& Help() { return *helpWindow_; }

private:
    void ConnectFileCommands();
    void ConnectEditCommands();

    // The engine's memory is large, so the shared data lives on the heap.
    std::unique_ptr<InstructionTable> instructions_ = std::make_unique<InstructionTable>();
    std::unique_ptr<AssemblyTables> program_ = std::make_unique<AssemblyTables>();
    std::unique_ptr<Machine> machine_ = std::make_unique<Machine>(*program_);
    MemoryDumpSettings dump_;
    DialogFieldState dialogFields_;

    MainWindow window_;
    RunWindow runWindow_{&window_};
    // Owned by the main window.
    RegisterPanelWidget* registerPanel_;
    MemoryGridView* grid_;
    DirectEntryBox* entryBox_;
    MemoryColumnsDialog* columnsDialog_;
    FindDialog* findDialog_;
    FillMemoryDialog* fillDialog_ = new FillMemoryDialog(&window_);
    CopyMemoryDialog* copyDialog_ = new CopyMemoryDialog(&window_);

    QtMessageBox messages_{&window_};
    QtFileDialogs fileDialogs_{&window_};
    QtClipboard clipboard_;
    LocalFileStore fileStore_;
    SplashWindow splash_;
    AboutBox aboutBox_{&window_};
    HelpWindow* helpWindow_ = new HelpWindow(&window_);  // owned by the main window
    QtPdfExport pdfExport_{&window_};
    QtDesktopServices qtDesktop_;
    platform::DesktopServices& desktop_;
    QtEventPump pump_;
    QtClock clock_;

    MemoryWriter writer_;
    RegisterPanelPresenter registerPresenter_;
    MemoryGridPresenter gridPresenter_;
    MachineViewsPresenter views_;
    DirectEntryPresenter entryPresenter_;
    MemoryColumnsDialogPresenter columnsPresenter_;
    MemoryBlockPresenter fillPresenter_{BlockCommand::Fill, machine_->State(), *program_, dialogFields_,
                                        *fillDialog_,       messages_,         views_};
    MemoryBlockPresenter copyPresenter_{BlockCommand::Copy, machine_->State(), *program_, dialogFields_,
                                        *copyDialog_,       messages_,         views_};
    MachineDisplay display_;
    Compiler compiler_;
    RunCycle cycle_;
    RunWindowPresenter runPresenter_;
    StepController step_;
    ProgramFiles files_;
    MachineCodeExport machineCodeExport_{
        {*instructions_, window_.Editor(), messages_, fileDialogs_, fileStore_, window_.Status()}};
    EditorCommands editorCommands_;
    FindDialogPresenter findPresenter_;
    MainCommands commands_;
    MainWindowPresenter presenter_;
    QtPrinter printer_;
    PrintCommands prints_{machine_->State(), dump_, files_.State(), window_.Editor(), printer_};
    PrintoutDelivery printouts_{{prints_, printer_, pdfExport_, fileDialogs_, messages_, window_.Status()}};
    SplashPresenter splashPresenter_;
    SystemInfoLauncher systemInfo_;
    AboutBoxPresenter aboutPresenter_;
};

}  // namespace vantric::qt
