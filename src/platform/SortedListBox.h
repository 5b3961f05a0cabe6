#pragma once
#include <string>

#include "platform/ListBox.h"

namespace vantric::platform {

// A list box that keeps its entries sorted as text: AddItem puts an entry into its place.
// At most one entry is selected; index -1 means none.
class SortedListBox : public ListBox {
public:
    virtual int ListCount() const = 0;
    virtual std::string List(int index) const = 0;
    // Removes the entry; afterwards no entry is selected.
    virtual void RemoveItem(int index) = 0;
    virtual int ListIndex() const = 0;
    virtual void SetListIndex(int index) = 0;
};

}  // namespace vantric::platform
