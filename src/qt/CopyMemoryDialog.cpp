#include "qt/CopyMemoryDialog.h"

#include <QLabel>

#include "memtools/CopyMemoryPresenter.h"
#include "qt/TwipsLayout.h"
#include "qt/ViewFonts.h"

namespace vantric::qt {

CopyMemoryDialog::CopyMemoryDialog(QWidget* parent) : MemoryBlockDialog(parent, 4, QStringLiteral("&Copy")) {
    setObjectName(QStringLiteral("copyMemoryDialog"));
    setWindowTitle(QStringLiteral("Copy memory block"));
    setFixedSize(TwipsToPixels(this, 3825), TwipsToPixels(this, 3300));

    auto heading = [this](const QString& text) {
        auto* label = new QLabel(text, this);
        label->setFont(ArialFont(8.25, true));
        return label;
    };
    PlaceInTwips(heading(QStringLiteral("Source")), 240, 180, 1815, 255);
    PlaceInTwips(new QLabel(QStringLiteral("Start address :"), this), 480, 600, 1335, 255);
    PlaceInTwips(new QLabel(QStringLiteral("End address :"), this), 480, 1080, 1335, 255);
    PlaceInTwips(heading(QStringLiteral("Destination")), 240, 1620, 1815, 255);
    PlaceInTwips(new QLabel(QStringLiteral("Start address :"), this), 480, 2040, 1335, 255);
    PlaceInTwips(start_, 1920, 540, 615, 345);
    PlaceInTwips(end_, 1920, 1020, 615, 345);
    third_->setObjectName(QStringLiteral("destinationField"));
    PlaceInTwips(third_, 1920, 1980, 615, 345);
    action_->setObjectName(QStringLiteral("copyButton"));
    PlaceInTwips(action_, 360, 2640, 1335, 375);
    PlaceInTwips(cancel_, 2040, 2640, 1335, 375);
}

void CopyMemoryDialog::Bind(CopyMemoryPresenter* presenter) {
    if (!presenter) return SetHandlers({});
    SetHandlers({[presenter] { presenter->OnCopyClicked(); }, [presenter] { presenter->OnCancelClicked(); },
                 [presenter] { presenter->OnStartFieldFocused(); }, [presenter] { presenter->OnEndFieldFocused(); },
                 [presenter] { presenter->OnDestinationFieldFocused(); }});
}

}  // namespace vantric::qt
