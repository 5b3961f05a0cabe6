#include "qt/MemoryGridView.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <cmath>

#include "qt/Latin1.h"
#include "qt/TwipsLayout.h"
#include "qt/ViewFonts.h"
#include "views/DirectEntryPresenter.h"

namespace vantric::qt {

MemoryGridView::MemoryGridView(QWidget* parent) : QTableView(parent), model_(new MemoryGridModel(this)) {
    setObjectName(QStringLiteral("memoryGrid"));
    setFont(MainWindowFont());
    QFont bold = font();
    bold.setBold(true);
    model_->SetBoldFont(bold);
    setModel(model_);
    FollowPalette();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(std::max(fontMetrics().height() + 2, TwipsToPixels(this, 240)));
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setGeometry(TwipsToPixels(this, 6000), TwipsToPixels(this, 4080), TwipsToPixels(this, 5895),
                TwipsToPixels(this, 3255));

    connect(this, &QAbstractItemView::clicked, this, presenter_.To(&DirectEntryPresenter::OnGridClicked));
    const auto scrolled = presenter_.To(&DirectEntryPresenter::OnGridScrolled);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, scrolled);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, scrolled);
}

void MemoryGridView::SetColumnWidth(int column, int twips) {
    if (column >= 0 && column < Cols()) horizontalHeader()->resizeSection(column, TwipsToPixels(this, twips));
}

void MemoryGridView::SetColumnAlignment(int column, platform::CellAlignment alignment) {
    Qt::Alignment a = Qt::AlignLeft;
    if (alignment == platform::CellAlignment::Centre) a = Qt::AlignHCenter;
    if (alignment == platform::CellAlignment::Right) a = Qt::AlignRight;
    model_->SetAlignment(column, a);
}

int MemoryGridView::Row() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

int MemoryGridView::Col() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.column() : 0;
}

void MemoryGridView::SetCurrentCell(int row, int column) {
    const QModelIndex cell = model_->index(row - 1, column);
    if (cell.isValid()) setCurrentIndex(cell);
}

void MemoryGridView::ScrollTo(int topRow, int leftCol) {
    executeDelayedItemsLayout();
    verticalScrollBar()->setValue(topRow - 1);
    horizontalScrollBar()->setValue(leftCol);
}

void MemoryGridView::SetVisible(bool visible) {
    if (visible != frozen_) return;
    frozen_ = !visible;
    if (frozen_) {
        setUpdatesEnabled(false);
        model_->BeginBatch();
    } else {
        model_->EndBatch();
        setUpdatesEnabled(true);
    }
}

// A hidden grid cannot take the focus.
void MemoryGridView::SetFocus() {
    if (!frozen_) setFocus(Qt::OtherFocusReason);
}

platform::Rect MemoryGridView::Bounds() const {
    const QRect r = geometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

platform::Rect MemoryGridView::CurrentCellRect() const {
    const QRect r = visualRect(currentIndex()).translated(viewport()->mapTo(this, QPoint(0, 0)));
    return {r.x(), r.y(), r.width(), r.height()};
}

int MemoryGridView::TextWidth(const std::string& text) const {
    const int pixels = fontMetrics().horizontalAdvance(Latin1(text));
    return static_cast<int>(std::lround(pixels * 15.0 * 96.0 / logicalDpiX()));
}

// The view scrolls the new current cell into sight first, so the entry box lands on its place.
void MemoryGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (current != previous) presenter_(&DirectEntryPresenter::OnCurrentCellChanged);
}

void MemoryGridView::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) FollowPalette();
}

void MemoryGridView::FollowPalette() {
    model_->SetPaletteColours(palette().color(QPalette::Window).rgb() & 0xFFFFFF,
                              palette().color(QPalette::Text).rgb() & 0xFFFFFF);
}

}  // namespace vantric::qt
