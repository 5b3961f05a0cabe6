#include "qt/MainWindow.h"

#include "qt/TwipsLayout.h"

namespace vantric::qt {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), status_(new QtStatusBar(this)) {
    setObjectName(QStringLiteral("frmMain"));
    setStatusBar(status_);
    setCentralWidget(new QWidget(this));
    resize(TwipsToPixels(this, 10965), TwipsToPixels(this, 6525) + status_->sizeHint().height());
}

void MainWindow::SetCaption(const std::string& caption) {
    setWindowTitle(QString::fromLatin1(caption.data(), static_cast<int>(caption.size())));
}

}  // namespace vantric::qt
