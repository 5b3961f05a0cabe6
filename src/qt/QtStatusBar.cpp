#include "qt/QtStatusBar.h"

namespace vantric::qt {

QtStatusBar::QtStatusBar(QWidget* parent) : QStatusBar(parent) {
    static const char* const kInitialTexts[] = {"Ready", "T states : N/A", "INS", "CAPS", "NUM"};
    setSizeGripEnabled(true);
    for (int i = 0; i < 5; ++i) {
        auto* label = new QLabel(QString::fromLatin1(kInitialTexts[i]), this);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setObjectName(QStringLiteral("staPanel%1").arg(i + 1));
        panels_[static_cast<std::size_t>(i)] = label;
        addPermanentWidget(label, i == 0 ? 1 : 0);
    }
    panels_[1]->setMinimumWidth(160);
}

void QtStatusBar::SetPanelText(int panel, const std::string& text) {
    if (panel < 1 || panel > 5) return;
    panels_[static_cast<std::size_t>(panel - 1)]->setText(QString::fromLatin1(text.data(), static_cast<int>(text.size())));
}

QString QtStatusBar::PanelText(int panel) const {
    return panel >= 1 && panel <= 5 ? panels_[static_cast<std::size_t>(panel - 1)]->text() : QString();
}

}  // namespace vantric::qt
