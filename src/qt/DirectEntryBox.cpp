#include "qt/DirectEntryBox.h"

#include "qt/TwipsLayout.h"
#include "qt/ViewFonts.h"
#include "views/DirectEntryPresenter.h"

namespace vantric::qt {

DirectEntryBox::DirectEntryBox(QWidget* parent) : QtTextBox(parent) {
    setObjectName(QStringLiteral("txtEntry"));
    setFont(ArialFont(9));
    setFrame(false);
    SetMaxLength(2);
    setGeometry(TwipsToPixels(this, 8040), TwipsToPixels(this, 4680), TwipsToPixels(this, 1335),
                TwipsToPixels(this, 285));
    hide();
}

void DirectEntryBox::Bind(DirectEntryPresenter* presenter) {
    if (!presenter) {
        onGotFocus = onLostFocus = nullptr;
        onKeyDown = onKeyPress = nullptr;
        return;
    }
    onGotFocus = [presenter] { presenter->txtEntry_GotFocus(); };
    onLostFocus = [presenter] { presenter->txtEntry_LostFocus(); };
    onKeyDown = [presenter](int& keyCode) { presenter->txtEntry_KeyDown(keyCode); };
    onKeyPress = [presenter](int& keyAscii) { presenter->txtEntry_KeyPress(keyAscii); };
}

}  // namespace vantric::qt
