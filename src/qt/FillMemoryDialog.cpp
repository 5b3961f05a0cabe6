#include "qt/FillMemoryDialog.h"

#include <QLabel>

#include "memtools/FillMemoryPresenter.h"
#include "qt/TwipsLayout.h"

namespace vantric::qt {

FillMemoryDialog::FillMemoryDialog(QWidget* parent) : MemoryBlockDialog(parent, 2, QStringLiteral("&Fill")) {
    setObjectName(QStringLiteral("fillMemoryDialog"));
    setWindowTitle(QStringLiteral("Fill Memory"));
    setFixedSize(TwipsToPixels(this, 4695), TwipsToPixels(this, 2460));

    PlaceInTwips(new QLabel(QStringLiteral("Start address :"), this), 240, 300, 1335, 255);
    PlaceInTwips(new QLabel(QStringLiteral("End address :"), this), 240, 780, 1335, 255);
    PlaceInTwips(new QLabel(QStringLiteral("Fill with data :"), this), 240, 1260, 1335, 255);
    PlaceInTwips(new QLabel(QStringLiteral("(Leave blank to fill with 0's)"), this), 2400, 1260, 2175, 255);
    PlaceInTwips(start_, 1680, 240, 615, 345);
    PlaceInTwips(end_, 1680, 720, 615, 345);
    third_->setObjectName(QStringLiteral("dataField"));
    PlaceInTwips(third_, 1680, 1200, 615, 345);
    action_->setObjectName(QStringLiteral("fillButton"));
    PlaceInTwips(action_, 840, 1800, 1335, 375);
    PlaceInTwips(cancel_, 2520, 1800, 1335, 375);
}

void FillMemoryDialog::Bind(FillMemoryPresenter* presenter) {
    if (!presenter) return SetHandlers({});
    SetHandlers({[presenter] { presenter->OnFillClicked(); }, [presenter] { presenter->OnCancelClicked(); },
                 [presenter] { presenter->OnStartFieldFocused(); }, [presenter] { presenter->OnEndFieldFocused(); },
                 [presenter] { presenter->OnDataFieldFocused(); }});
}

}  // namespace vantric::qt
