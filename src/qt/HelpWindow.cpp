#include "qt/HelpWindow.h"

#include <QFile>
#include <QVBoxLayout>

// The guide's resource lives in a static library; register it before the first use.
static void LoadGuideResource() { Q_INIT_RESOURCE(guide); }

namespace vantric::qt {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), text_(new QTextBrowser(this)) {
    LoadGuideResource();
    setObjectName(QStringLiteral("helpWindow"));
    text_->setObjectName(QStringLiteral("helpText"));
    text_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_);
    resize(760, 640);
}

void HelpWindow::ShowGuide() {
    if (text_->document()->isEmpty()) {
        QFile guide(QStringLiteral(":/guide/readme.html"));
        if (guide.open(QIODevice::ReadOnly)) text_->setHtml(QString::fromUtf8(guide.readAll()));
        setWindowTitle(text_->documentTitle());
    }
    show();
    raise();
    activateWindow();
}

}  // namespace vantric::qt
