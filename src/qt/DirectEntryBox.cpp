#include "qt/DirectEntryBox.h"

#include "qt/TwipsLayout.h"
#include "qt/ViewFonts.h"
#include "views/DirectEntryPresenter.h"

namespace vantric::qt {

DirectEntryBox::DirectEntryBox(QWidget* parent) : QtTextBox(parent) {
    setObjectName(QStringLiteral("entryBox"));
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
        onKey = nullptr;
        return;
    }
    onGotFocus = [presenter] { presenter->OnEntryFocused(); };
    onLostFocus = [presenter] { presenter->OnEntryLeft(); };
    onKey = [presenter](platform::Key key) { return presenter->OnEntryKey(key); };
}

}  // namespace vantric::qt
