#pragma once
// The machine-state views wired to fakes as the main window wires them to its widgets: every
// change, focus, click and grid notification reaches its presenter's handler.

#include <gtest/gtest.h>

#include <memory>

#include "platform/Keys.h"
#include "support/FakeViews.h"
#include "support/Fakes.h"
#include "support/TestState.h"
#include "views/DirectEntryPresenter.h"
#include "views/MachineViewsPresenter.h"
#include "views/MemoryColumnsDialogPresenter.h"
#include "views/MemoryGridPresenter.h"
#include "views/MemoryWriter.h"
#include "views/RegisterPanelPresenter.h"

namespace vantric {

class ViewsFixture : public ::testing::Test {
protected:
    ViewsFixture() {
        mainWindow.visible = true;
        for (int i = 0; i < platform::kRegisterFieldCount; ++i) {
            const auto field = static_cast<platform::RegisterField>(i);
            fakes::FakeTextBox& registerBox = panel.Box(field);
            registerBox.focus = &focus;
            registerBox.onChange = [this, field] { registers.OnFieldChanged(field); };
            registerBox.onGotFocus = [this, field] { registers.OnFieldFocused(field); };
            registerBox.onLostFocus = [this, field] { registers.OnFieldLeft(field); };
        }
        grid.focus = &focus;
        grid.onCurrentCellChange = [this] { entry.OnCurrentCellChanged(); };
        grid.onScroll = [this] { entry.OnGridScrolled(); };
        box.focus = &focus;
        box.visible = false;
        box.onGotFocus = [this] { entry.OnEntryFocused(); };
        box.onLostFocus = [this] { entry.OnEntryLeft(); };
        dialog.onActivate = [this] { columns.OnShown(); };
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
        entry.OnGridClicked();
    }
    void PressEntryKey(platform::Key key) { EXPECT_TRUE(entry.OnEntryKey(key)); }

    std::unique_ptr<TestState> app = std::make_unique<TestState>();
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
    RegisterPanelPresenter registers{app->Machine, panel, status, [this] { focus.MoveTo(&editor); }};
    MemoryGridPresenter gridPresenter{app->Machine, app->MemoryDump, grid};
    DirectEntryPresenter entry{app->Processor, app->Assembly, app->MemoryDump, writer,
                               grid,           box,           mainWindow,      [this] { return windowHasFocus; }};
    MemoryColumnsDialogPresenter columns{app->MemoryDump, dialog, messages, pump, gridPresenter};
    MachineViewsPresenter views{registers, gridPresenter, app->MemoryDump};
};

}  // namespace vantric
