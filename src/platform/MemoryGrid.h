#pragma once
#include <cstdint>
#include <string>

#include "platform/TextBox.h"

namespace vantric::platform {

enum class CellAlignment { Left, Centre, Right };

// The memory grid: one fixed heading row (row 0), then one row per dumped address; memory column i
// shows its addresses in grid column 2i - 2 and their bytes in 2i - 1. Writes outside the grid's
// rows and columns are ignored.
class MemoryGrid {
public:
    virtual ~MemoryGrid() = default;
    virtual void SetCellText(int row, int column, const std::string& text) = 0;
    virtual std::string CellText(int row, int column) const = 0;

    // Row and column counts; the row count includes the heading row. Cells that stay keep their text.
    virtual int Rows() const = 0;
    virtual void SetRows(int rows) = 0;
    virtual int Cols() const = 0;
    virtual void SetCols(int cols) = 0;
    virtual void SetColumnWidth(int column, int twips) = 0;
    virtual void SetColumnAlignment(int column, CellAlignment alignment) = 0;
    // Background (0xRRGGBB) and bold state of rows firstRow to lastRow of a column.
    virtual void SetCellStyle(int column, int firstRow, int lastRow, std::uint32_t background, bool bold) = 0;

    // The current cell. Moving it, by the user or by the program, raises the grid's current-cell
    // notification.
    virtual int Row() const = 0;
    virtual int Col() const = 0;
    virtual void SetCurrentCell(int row, int column) = 0;
    // Scrolls so that topRow and leftCol are the first ones visible (raises the scroll notification
    // when that moves the grid).
    virtual void ScrollTo(int topRow, int leftCol) = 0;

    virtual bool IsVisible() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void SetFocus() = 0;
    // The grid's own place in its parent, and the current cell's place within the grid.
    virtual Rect Bounds() const = 0;
    virtual Rect CurrentCellRect() const = 0;
    // Width in twips of a text in the main window's font, which the grid shows its cells in.
    virtual int TextWidth(const std::string& text) const = 0;
};

}  // namespace vantric::platform
