#pragma once
// The cells of the memory grid as a Qt table model: the texts, backgrounds and bold states the
// logic writes, column by column, with backgrounds and texts kept readable under the view's
// palette. The grid's heading row (row 0) is the horizontal header; grid row r is model row r - 1.
//
// Between BeginBatch and EndBatch cell changes are only stored, and EndBatch reports them as one
// change; otherwise each changed cell is reported on its own, so a single memory write costs one
// cell's repaint.

#include <QAbstractTableModel>
#include <QFont>
#include <cstdint>
#include <string>
#include <vector>

namespace vantric::qt {

class MemoryGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit MemoryGridModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Grid rows, the heading row included (at least 1).
    int GridRows() const { return dataRows_ + 1; }
    void SetGridRows(int rows);
    int GridCols() const { return static_cast<int>(columns_.size()); }
    void SetGridCols(int cols);

    const std::string& CellText(int row, int column) const;
    void SetCellText(int row, int column, const std::string& text);
    void SetCellStyle(int column, int firstRow, int lastRow, std::uint32_t background, bool bold);
    void SetAlignment(int column, Qt::Alignment alignment);
    void SetBoldFont(const QFont& font) { boldFont_ = font; }
    // The view's window and text colours (0xRRGGBB).
    void SetPaletteColours(std::uint32_t window, std::uint32_t text);

    void BeginBatch() { batching_ = true; }
    void EndBatch();

private:
    struct CellStyle {
        std::uint32_t background = 0;
        bool hasBackground = false;
        bool bold = false;
    };
    struct Column {
        std::string heading;
        std::vector<std::string> texts;  // one per data row
        std::vector<CellStyle> styles;
        Qt::Alignment alignment = Qt::AlignLeft;
    };
    bool InGrid(int row, int column) const {
        return row >= 0 && row <= dataRows_ && column >= 0 && column < GridCols();
    }

    std::vector<Column> columns_;
    int dataRows_ = 0;
    QFont boldFont_;
    std::uint32_t paletteWindow_ = 0xFFFFFF;
    std::uint32_t paletteText_ = 0x000000;
    bool batching_ = false;
    bool changedInBatch_ = false;
};

}  // namespace vantric::qt
