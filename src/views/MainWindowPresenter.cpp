#include "views/MainWindowPresenter.h"

namespace vantric {

using platform::MainWindowControl;

MainWindowPresenter::MainWindowPresenter(MainWindowParts parts, std::string commandLine)
    : parts_(parts),
      commandLine_(std::move(commandLine)),
      loader_(parts.Instructions, parts.Status, parts.Splash, parts.Messages, parts.Host) {}

void MainWindowPresenter::ShowSplash() {
    platform::SplashWindow& splash = parts_.Splash;
    const platform::MainWindowView& window = parts_.Window;
    splash.ShowOnTop((window.ScreenWidth() - splash.ClientWidth()) / 2,
                     (window.ScreenHeight() - splash.ClientHeight()) / 2);
}

bool MainWindowPresenter::Start() {
    platform::MainWindowView& window = parts_.Window;
    state_.StartupInProgress = true;
    if (commandLine_.empty()) ShowSplash();
    window.SetVisible(false);
    parts_.Pump.ProcessEvents();
    window.LoadSecondaryWindows();

    if (loader_.LoadInstructionSet() == InstructionSetLoadOutcome::Ended) return false;
    parts_.Engine.LoadTimings(parts_.Instructions);
    parts_.Files.UpdateWindowCaption();

    parts_.Grid.SetCellText(0, 0, "Address");
    parts_.Grid.SetCellText(0, 1, "Contents");
    MemoryDumpSettings& dump = parts_.MemoryDump;
    dump.MemoryColumnCount = 3;
    dump.RowsPerColumn = 64;
    dump.ColumnStart = {0, 0x1000, 0x2000, 0x3000};
    parts_.Views.RefreshMemoryGrid();
    parts_.Step.ResetProcessor(false);
    parts_.Views.RefreshRegisterPanel(false);

    // From here on the editor's width and the register panel's place stay as they are.
    platform::Rect editor = window.ControlBounds(MainWindowControl::Editor);
    platform::Rect registers = window.ControlBounds(MainWindowControl::RegisterPanel);
    editor.left = 2;
    editor.width = registers.left - editor.left - 2;
    registers.top = editor.top;
    window.SetControlBounds(MainWindowControl::Editor, editor);
    window.SetControlBounds(MainWindowControl::RegisterPanel, registers);
    OnResized();

    window.SetVisible(true);
    parts_.Pump.ProcessEvents();
    if (parts_.Splash.IsVisible()) parts_.Splash.Focus();
    state_.StartupInProgress = false;
    parts_.Files.OpenStartupFile(commandLine_);
    return true;
}

void MainWindowPresenter::OnResized() {
    platform::MainWindowView& window = parts_.Window;
    const int height = window.ClientHeight();
    const int width = window.ClientWidth();
    const int status = window.StatusBarHeight();

    platform::Rect editor = window.ControlBounds(MainWindowControl::Editor);
    if (editor.top + status < height) {
        editor.height = height - editor.top - status;
        window.SetControlBounds(MainWindowControl::Editor, editor);
    }
    platform::Rect grid = window.ControlBounds(MainWindowControl::MemoryGrid);
    const platform::Rect before = grid;
    if (grid.top + status < height) grid.height = height - grid.top - status;
    if (grid.left + 2 < width) grid.width = width - grid.left - 2;
    if (!(grid == before)) window.SetControlBounds(MainWindowControl::MemoryGrid, grid);
}

bool MainWindowPresenter::OnCloseRequested() {
    if (!parts_.Files.ConfirmSaveChanges()) return false;
    parts_.Window.Hide();
    parts_.Window.CloseAllWindows();
    return true;
}

void MainWindowPresenter::OnEditorTextChanged() {
    parts_.Files.MarkModified();
    parts_.Program.RecompileNeeded = true;
}

}  // namespace vantric
