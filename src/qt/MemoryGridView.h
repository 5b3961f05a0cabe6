#pragma once
// The memory grid "memoryGrid": a table view over MemoryGridModel with one heading row and no row
// headings, read-only; cells are changed only through the platform::MemoryGrid operations.
//
// Embedding: construct with the main window's client widget as parent (the same parent as the
// DirectEntryBox) and place it at its design rectangle. Pass it as the platform::MemoryGrid to
// MemoryWriter, MemoryGridPresenter and DirectEntryPresenter, then call Bind(&entryPresenter): a
// click on a cell reaches OnGridClicked, every change of the current cell (mouse, arrow keys or
// program) OnCurrentCellChanged, and every scroll OnGridScrolled. Bind(nullptr) cuts it loose.
//
// Hiding the grid (SetVisible(false)) freezes its drawing and gathers cell changes until it is
// shown again; the widget stays on screen and keeps the focus, and IsVisible answers false.

#include <QTableView>

#include "platform/MemoryGrid.h"
#include "qt/MemoryGridModel.h"
#include "qt/PresenterLink.h"

namespace vantric {
class DirectEntryPresenter;
}

namespace vantric::qt {

class MemoryGridView : public QTableView, public platform::MemoryGrid {
    Q_OBJECT
public:
    explicit MemoryGridView(QWidget* parent = nullptr);

    void Bind(DirectEntryPresenter* presenter) { presenter_.Bind(presenter); }
    MemoryGridModel& Model() { return *model_; }

    void SetCellText(int row, int column, const std::string& text) override { model_->SetCellText(row, column, text); }
    std::string CellText(int row, int column) const override { return model_->CellText(row, column); }
    int Rows() const override { return model_->GridRows(); }
    void SetRows(int rows) override { model_->SetGridRows(rows); }
    int Cols() const override { return model_->GridCols(); }
    void SetCols(int cols) override { model_->SetGridCols(cols); }
    void SetColumnWidth(int column, int twips) override;
    void SetColumnAlignment(int column, platform::CellAlignment alignment) override;
    void SetCellStyle(int column, int firstRow, int lastRow, std::uint32_t background, bool bold) override {
        model_->SetCellStyle(column, firstRow, lastRow, background, bold);
    }
    int Row() const override;
    int Col() const override;
    void SetCurrentCell(int row, int column) override;
    void ScrollTo(int topRow, int leftCol) override;
    bool IsVisible() const override { return !frozen_ && isVisible(); }
    void SetVisible(bool visible) override;
    void SetFocus() override;
    platform::Rect Bounds() const override;
    platform::Rect CurrentCellRect() const override;
    int TextWidth(const std::string& text) const override;

    // Typing into the grid does nothing; values are typed into the direct entry box.
    void keyboardSearch(const QString&) override {}

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void changeEvent(QEvent* event) override;

private:
    void FollowPalette();

    MemoryGridModel* model_;
    PresenterLink<DirectEntryPresenter> presenter_;
    bool frozen_ = false;
};

}  // namespace vantric::qt
