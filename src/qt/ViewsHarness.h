#pragma once
// A small window that hosts the machine-state views the way the main window does: register panel,
// "System RAM" caption, memory grid, direct entry box and the memory columns dialog, wired to their
// presenters, with a plain text editor standing in for the source editor. The widget tests drive it.

#include <QMainWindow>
#include <QPlainTextEdit>
#include <memory>

#include "core/AssemblyTables.h"
#include "core/Machine.h"
#include "core/MemoryDumpSettings.h"
#include "platform/EventPump.h"
#include "platform/MessageBox.h"
#include "platform/Window.h"
#include "qt/DirectEntryBox.h"
#include "qt/MemoryColumnsDialog.h"
#include "qt/MemoryGridView.h"
#include "qt/QtStatusBar.h"
#include "qt/RegisterPanelWidget.h"
#include "views/DirectEntryPresenter.h"
#include "views/MachineViewsPresenter.h"
#include "views/MemoryColumnsDialogPresenter.h"
#include "views/MemoryGridPresenter.h"
#include "views/MemoryWriter.h"
#include "views/RegisterPanelPresenter.h"

namespace vantric::qt {

class ViewsHarness : public QMainWindow, public platform::Window {
    Q_OBJECT
public:
    ViewsHarness(Machine& machine, AssemblyTables& program, MemoryDumpSettings& dump, platform::MessageBox& messages,
                 QWidget* parent = nullptr);
    ~ViewsHarness() override;

    bool IsVisible() const override { return isVisible(); }
    void Hide() override { hide(); }
    void SetCaption(const std::string& caption) override;

    // What start-up does for the views: the grid built and the register panel drawn.
    void Start();

    RegisterPanelWidget* Registers() const { return registers_; }
    MemoryGridView* Grid() const { return grid_; }
    DirectEntryBox* Entry() const { return entry_; }
    MemoryColumnsDialog* ColumnsDialog() const { return columnsDialog_; }
    QPlainTextEdit* Editor() const { return editor_; }
    QtStatusBar* Status() const { return status_; }
    MachineViewsPresenter& Views() { return *views_; }
    MemoryWriter& Writer() { return *writer_; }
    MemoryColumnsDialogPresenter& ColumnsPresenter() { return *columns_; }

    bool windowHasFocus = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MemoryDumpSettings& dump_;
    QPlainTextEdit* editor_;
    RegisterPanelWidget* registers_;
    MemoryGridView* grid_;
    DirectEntryBox* entry_;
    QtStatusBar* status_;
    MemoryColumnsDialog* columnsDialog_;
    std::unique_ptr<platform::EventPump> pump_;
    std::unique_ptr<MemoryWriter> writer_;
    std::unique_ptr<RegisterPanelPresenter> registerPresenter_;
    std::unique_ptr<MemoryGridPresenter> gridPresenter_;
    std::unique_ptr<DirectEntryPresenter> entryPresenter_;
    std::unique_ptr<MemoryColumnsDialogPresenter> columns_;
    std::unique_ptr<MachineViewsPresenter> views_;
};

}  // namespace vantric::qt
