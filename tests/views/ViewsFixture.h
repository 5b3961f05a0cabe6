#pragma once
// The machine-state views wired to fakes as the main window wires them to its widgets: every
// change, focus, click and grid notification reaches its presenter's handler.

#include <gtest/gtest.h>

#include <memory>

#include "core/MemoryWriter.h"
#include "platform/KeyCodes.h"
#include "shell/AppState.h"
#include "support/FakeViews.h"
#include "support/Fakes.h"
#include "views/DirectEntryPresenter.h"
#include "views/MachineViewsPresenter.h"
#include "views/MemoryColumnsDialogPresenter.h"
#include "views/MemoryGridPresenter.h"
#include "views/RegisterPanelPresenter.h"

namespace vantric {

class ViewsFixture : public ::testing::Test {
protected:
    ViewsFixture() {
        app->Processor.ApplyResetValues();
        mainWindow.visible = true;
        for (int i = 0; i < RegisterPanelPresenter::kBoxCount; ++i) {
            fakes::FakeTextBox& registerBox = panel.Box(i);
            registerBox.focus = &focus;
            registerBox.onChange = [this, i] { registers.txtReg_Change(i); };
            registerBox.onGotFocus = [this, i] { registers.txtReg_GotFocus(i); };
            registerBox.onLostFocus = [this, i] { registers.txtReg_LostFocus(i); };
        }
        grid.focus = &focus;
        grid.onCurrentCellChange = [this] { entry.grdMem_RowColChange(); };
        grid.onScroll = [this] { entry.grdMem_Scroll(); };
        box.focus = &focus;
        box.visible = false;
        box.onGotFocus = [this] { entry.txtEntry_GotFocus(); };
        box.onLostFocus = [this] { entry.txtEntry_LostFocus(); };
        dialog.onActivate = [this] { columns.Form_Activate(); };
        editor.onGotFocus = [this] { entry.HideEntryBox(); };
    }

    // Start-up: the grid built, the register panel drawn.
    void Start() {
        views.RefreshMemoryGrid();
        views.RefreshRegisterPanel(false);
    }
    void ClickCell(int row, int column) {
        grid.SetFocus();
        grid.SetCurrentCell(row, column);
        entry.grdMem_Click();
    }
    void PressEntryKey(int keyCode) {
        int code = keyCode;
        if (keyCode == platform::kKeyReturn)
            entry.txtEntry_KeyPress(code);
        else
            entry.txtEntry_KeyDown(code);
        EXPECT_EQ(code, platform::kKeyCancelled);
    }

    std::unique_ptr<AppState> app = std::make_unique<AppState>();
    fakes::FakeFocus focus;
    fakes::FakeFocus::Holder editor;
    fakes::FakeRegisterPanel panel;
    fakes::FakeStatusBar status;
    fakes::FakeMemoryGrid grid;
    fakes::FakeTextBox box{2};
    fakes::FakeWindow mainWindow;
    bool windowHasFocus = false;
    fakes::FakeMessageBox messages;
    fakes::FakeEventPump pump;
    fakes::FakeMemoryColumnsDialog dialog;
    MemoryWriter writer{app->Processor, app->MemoryDump, grid};
    RegisterPanelPresenter registers{app->Processor, panel, status, [this] { focus.MoveTo(&editor); }};
    MemoryGridPresenter gridPresenter{app->Machine, app->MemoryDump, grid};
    DirectEntryPresenter entry{*app, writer, grid, box, mainWindow, [this] { return windowHasFocus; }};
    MemoryColumnsDialogPresenter columns{app->MemoryDump, dialog, messages, pump, gridPresenter};
    MachineViewsPresenter views{registers, gridPresenter, app->MemoryDump};
};

}  // namespace vantric
