#include "qt/MemoryGridModel.h"

#include "qt/Latin1.h"
#include "views/ReadableColours.h"

#include <QBrush>
#include <QColor>
#include <algorithm>

namespace vantric::qt {

namespace {
const std::string kNoText;
}

MemoryGridModel::MemoryGridModel(QObject* parent) : QAbstractTableModel(parent) { boldFont_.setBold(true); }

int MemoryGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : dataRows_; }

int MemoryGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : GridCols(); }

QVariant MemoryGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= dataRows_ || index.column() >= GridCols()) return {};
    const Column& column = columns_[static_cast<std::size_t>(index.column())];
    const auto row = static_cast<std::size_t>(index.row());
    switch (role) {
        case Qt::DisplayRole: {
            const std::string& text = column.texts[row];
            return Latin1(text);
        }
        case Qt::BackgroundRole:
        case Qt::ForegroundRole: {
            const CellStyle& style = column.styles[row];
            if (!style.hasBackground) return {};
            const CellColours colours = ReadableColours(style.background, paletteWindow_, paletteText_);
            return QBrush(QColor::fromRgb(role == Qt::BackgroundRole ? colours.background : colours.text));
        }
        case Qt::FontRole: return column.styles[row].bold ? QVariant(boldFont_) : QVariant();
        case Qt::TextAlignmentRole: return QVariant::fromValue(column.alignment | Qt::AlignVCenter);
        default: return {};
    }
}

QVariant MemoryGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= GridCols()) return {};
    const Column& column = columns_[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole) return Latin1(column.heading);
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(column.alignment | Qt::AlignVCenter);
    return {};
}

void MemoryGridModel::SetGridRows(int rows) {
    const int newDataRows = std::max(rows, 1) - 1;
    if (newDataRows == dataRows_) return;
    const bool growing = newDataRows > dataRows_;
    if (growing)
        beginInsertRows({}, dataRows_, newDataRows - 1);
    else
        beginRemoveRows({}, newDataRows, dataRows_ - 1);
    dataRows_ = newDataRows;
    for (Column& column : columns_) {
        column.texts.resize(static_cast<std::size_t>(dataRows_));
        column.styles.resize(static_cast<std::size_t>(dataRows_));
    }
    if (growing)
        endInsertRows();
    else
        endRemoveRows();
}

void MemoryGridModel::SetGridCols(int cols) {
    const int newCols = std::max(cols, 0);
    const int oldCols = GridCols();
    if (newCols == oldCols) return;
    const bool growing = newCols > oldCols;
    if (growing)
        beginInsertColumns({}, oldCols, newCols - 1);
    else
        beginRemoveColumns({}, newCols, oldCols - 1);
    columns_.resize(static_cast<std::size_t>(newCols));
    for (Column& column : columns_) {
        column.texts.resize(static_cast<std::size_t>(dataRows_));
        column.styles.resize(static_cast<std::size_t>(dataRows_));
    }
    if (growing)
        endInsertColumns();
    else
        endRemoveColumns();
}

const std::string& MemoryGridModel::CellText(int row, int column) const {
    if (!InGrid(row, column)) return kNoText;
    const Column& c = columns_[static_cast<std::size_t>(column)];
    return row == 0 ? c.heading : c.texts[static_cast<std::size_t>(row - 1)];
}

void MemoryGridModel::SetCellText(int row, int column, const std::string& text) {
    if (!InGrid(row, column)) return;
    Column& c = columns_[static_cast<std::size_t>(column)];
    std::string& cell = row == 0 ? c.heading : c.texts[static_cast<std::size_t>(row - 1)];
    if (cell == text) return;
    cell = text;
    if (batching_) {
        changedInBatch_ = true;
    } else if (row == 0) {
        emit headerDataChanged(Qt::Horizontal, column, column);
    } else {
        const QModelIndex changed = index(row - 1, column);
        emit dataChanged(changed, changed, {Qt::DisplayRole});
    }
}

void MemoryGridModel::SetCellStyle(int column, int firstRow, int lastRow, std::uint32_t background, bool bold) {
    firstRow = std::max(firstRow, 1);
    lastRow = std::min(lastRow, dataRows_);
    if (column < 0 || column >= GridCols() || firstRow > lastRow) return;
    Column& c = columns_[static_cast<std::size_t>(column)];
    for (int row = firstRow; row <= lastRow; ++row)
        c.styles[static_cast<std::size_t>(row - 1)] = {background, true, bold};
    if (batching_)
        changedInBatch_ = true;
    else
        emit dataChanged(index(firstRow - 1, column), index(lastRow - 1, column), {Qt::BackgroundRole, Qt::FontRole});
}

void MemoryGridModel::SetAlignment(int column, Qt::Alignment alignment) {
    if (column < 0 || column >= GridCols()) return;
    Column& c = columns_[static_cast<std::size_t>(column)];
    if (c.alignment == alignment) return;
    c.alignment = alignment;
    if (batching_) {
        changedInBatch_ = true;
        return;
    }
    emit headerDataChanged(Qt::Horizontal, column, column);
    if (dataRows_ > 0) emit dataChanged(index(0, column), index(dataRows_ - 1, column), {Qt::TextAlignmentRole});
}

void MemoryGridModel::SetPaletteColours(std::uint32_t window, std::uint32_t text) {
    if (window == paletteWindow_ && text == paletteText_) return;
    paletteWindow_ = window;
    paletteText_ = text;
    if (dataRows_ > 0 && GridCols() > 0)
        emit dataChanged(index(0, 0), index(dataRows_ - 1, GridCols() - 1), {Qt::BackgroundRole, Qt::ForegroundRole});
}

void MemoryGridModel::EndBatch() {
    batching_ = false;
    if (!changedInBatch_) return;
    changedInBatch_ = false;
    if (GridCols() == 0) return;
    emit headerDataChanged(Qt::Horizontal, 0, GridCols() - 1);
    if (dataRows_ > 0) emit dataChanged(index(0, 0), index(dataRows_ - 1, GridCols() - 1));
}

}  // namespace vantric::qt
