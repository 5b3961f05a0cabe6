#pragma once
// The direct entry box "entryBox": two characters in Arial 9 points, hidden until the logic lays
// it over a data cell of the memory grid.
//
// Embedding: construct with the same parent as the MemoryGridView (the box is placed in that
// parent's coordinates and raised above the grid when shown). Pass it as the
// platform::FloatingTextBox to DirectEntryPresenter, then call Bind(&presenter): focus in and out
// reach OnEntryFocused / OnEntryLeft and each key reaches OnEntryKey before the box sees it.
// Bind(nullptr) cuts it loose. When the editor takes the focus, call the presenter's HideEntryBox.

#include "qt/QtTextBox.h"

namespace vantric {
class DirectEntryPresenter;
}

namespace vantric::qt {

class DirectEntryBox : public QtTextBox {
    Q_OBJECT
public:
    explicit DirectEntryBox(QWidget* parent = nullptr);
    void Bind(DirectEntryPresenter* presenter);
};

}  // namespace vantric::qt
