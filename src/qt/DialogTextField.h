#pragma once
// A text field of the small dialogs: a QtTextBox that takes at most `maxLength` characters (0: any).

#include "qt/QtTextBox.h"

namespace vantric::qt {

class DialogTextField : public QtTextBox {
public:
    explicit DialogTextField(int maxLength, QWidget* parent = nullptr) : QtTextBox(parent) { SetMaxLength(maxLength); }
};

}  // namespace vantric::qt
