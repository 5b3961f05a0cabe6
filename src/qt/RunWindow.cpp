#include "qt/RunWindow.h"

#include <QCloseEvent>
#include <QDeadlineTimer>
#include <QHBoxLayout>
#include <QLayout>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include "control/RunWindowPresenter.h"
#include "qt/Latin1.h"

namespace vantric::qt {

RunWindow::RunWindow(QWidget* mainWindow)
    : QDialog(mainWindow),
      mainWindow_(mainWindow),
      messagesCaption_(new QLabel(QStringLiteral("Compiler messages :"), this)),
      progressList_(new QListWidget(this)),
      stopButton_(new QPushButton(QStringLiteral("Stop"), this)),
      monitorMemoryBox_(new QCheckBox(QStringLiteral("Monitor &memory"), this)),
      monitorRegistersBox_(new QCheckBox(QStringLiteral("Monitor &registers"), this)) {
    setObjectName(QStringLiteral("runWindow"));
    setWindowTitle(QStringLiteral("Simulation"));
    setWindowModality(Qt::ApplicationModal);
    messagesCaption_->setObjectName(QStringLiteral("messagesCaption"));
    progressList_->setObjectName(QStringLiteral("progressList"));
    stopButton_->setObjectName(QStringLiteral("stopButton"));
    monitorMemoryBox_->setObjectName(QStringLiteral("monitorMemoryBox"));
    monitorRegistersBox_->setObjectName(QStringLiteral("monitorRegistersBox"));
    progressList_->setSelectionMode(QAbstractItemView::NoSelection);
    progressList_->setFocusPolicy(Qt::NoFocus);
    stopButton_->setDefault(true);
    stopButton_->setMinimumWidth(stopButton_->fontMetrics().horizontalAdvance(QStringLiteral("Pause")) * 2);

    auto* boxes = new QVBoxLayout;
    boxes->addWidget(monitorMemoryBox_);
    boxes->addWidget(monitorRegistersBox_);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(boxes);
    bottom->addStretch();
    bottom->addWidget(stopButton_, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(messagesCaption_);
    layout->addWidget(progressList_, 1);
    layout->addLayout(bottom);
    resize(420, 300);

    connect(stopButton_, &QPushButton::clicked, this, presenter_.To(&RunWindowPresenter::OnStopButtonClicked));
    connect(monitorMemoryBox_, &QCheckBox::clicked, this, presenter_.To(&RunWindowPresenter::OnMonitorMemoryToggled));
    connect(monitorRegistersBox_, &QCheckBox::clicked, this,
            presenter_.To(&RunWindowPresenter::OnMonitorRegistersToggled));
}

void RunWindow::CentreOverMainWindow() {
    if (layout()) layout()->activate();
    const QRect main = mainWindow_->frameGeometry();
    const QSize size = frameGeometry().size();
    move(main.left() + (main.width() - size.width()) / 2, main.top() + (main.height() - size.height()) / 2);
}

void RunWindow::ShowModal() {
    CentreOverMainWindow();
    show();
    raise();
    activateWindow();
    // The cycle runs here, once per showing, with the window on screen; its yields paint it.
    presenter_(&RunWindowPresenter::OnShown);
    if (isVisible()) {
        QEventLoop loop;
        modalLoop_ = &loop;
        loop.exec(QEventLoop::DialogExec);
        modalLoop_ = nullptr;
    }
    // Back to the main window, as when any modal window closes.
    mainWindow_->activateWindow();
}

// A window manager maps a new window some time after show(). A cycle that ends at once (a resumed
// run that meets its breakpoint again) would hide the window before that, and the manager would then
// map and activate a window that is already hidden: the activation, and with it the keyboard, would
// stay with the hidden window. So the window is hidden only once it is on screen; user input is held
// back meanwhile.
void RunWindow::Hide() {
    WaitUntilOnScreen();
    hide();
}

void RunWindow::WaitUntilOnScreen() {
    const auto onScreen = [this] { return !windowHandle() || windowHandle()->isExposed(); };
    if (!isVisible() || onScreen()) return;
    const QDeadlineTimer deadline(2000);  // a manager that never maps it holds nothing up for long
    QEventLoop loop;
    QTimer poll;
    connect(&poll, &QTimer::timeout, &loop, [&] {
        if (onScreen() || deadline.hasExpired()) loop.quit();
    });
    poll.start(2);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void RunWindow::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (modalLoop_) modalLoop_->quit();
}

void RunWindow::closeEvent(QCloseEvent* event) {
    // The presenter hides the window itself when the cycle is over; during it, closing means Stop.
    event->ignore();
    presenter_(&RunWindowPresenter::OnCloseRequested);
}

void RunWindow::reject() { presenter_(&RunWindowPresenter::OnCloseRequested); }

void RunWindow::SetStopButtonCaption(const std::string& caption) { stopButton_->setText(Latin1(caption)); }

std::string RunWindow::StopButtonCaption() const { return ToLatin1(stopButton_->text()); }

void RunWindow::AddItem(const std::string& text) {
    progressList_->addItem(Latin1(text));
    progressList_->scrollToBottom();
}

}  // namespace vantric::qt
