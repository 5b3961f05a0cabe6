#include "qt/SplashWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

#include "qt/Latin1.h"
#include "qt/Logo.h"
#include "qt/TwipsLayout.h"
#include "qt/ViewFonts.h"
#include "shell/SplashPresenter.h"

namespace vantric::qt {

namespace {
const QColor kGround(255, 255, 240);
const QColor kFrameDark(128, 128, 120);
const QColor kFrameLight(255, 255, 255);
const QColor kText(20, 30, 60);

}  // namespace

SplashWindow::SplashWindow() : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("splashWindow"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    // The main window alone decides when the program ends.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(TwipsToPixels(this, 6750), TwipsToPixels(this, 3600));
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationInactive && isVisible()) presenter_(&SplashPresenter::OnFocusLost);
    });
}

void SplashWindow::SetCaption(const std::string& caption) { setWindowTitle(Latin1(caption)); }

void SplashWindow::ShowOnTop(int left, int top) {
    // The window's flags keep it above the others.
    move(left, top);
    show();
}

void SplashWindow::Focus() {
    activateWindow();
    setFocus(Qt::OtherFocusReason);
}

void SplashWindow::SetTexts(const std::string& title, const std::string& version, const std::string& platformNote) {
    title_ = Latin1(title);
    version_ = Latin1(version);
    // The system's own name for itself may hold any character.
    platformNote_ = QString::fromStdString(platformNote);
    setWindowTitle(title_);
    update();
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(area, kGround);
    // A raised double frame, inset from the edge.
    const int inset = TwipsToPixels(this, 120);
    QRect frame = area.adjusted(inset, inset, -inset - 1, -inset - 1);
    painter.setPen(kFrameDark);
    painter.drawRect(frame);
    painter.setPen(kFrameLight);
    painter.drawRect(frame.translated(1, 1));
    painter.setPen(kFrameDark);
    painter.drawRect(area.adjusted(0, 0, -1, -1));

    const int logoSize = TwipsToPixels(this, 2040);
    const QRectF logo(frame.left() + TwipsToPixels(this, 360), (height() - logoSize) / 2.0, logoSize, logoSize);
    DrawLogo(painter, logo);

    const int textLeft = static_cast<int>(logo.right()) + TwipsToPixels(this, 360);
    const QRect textArea(textLeft, frame.top(), frame.right() - textLeft - TwipsToPixels(this, 240), frame.height());
    painter.setPen(kText);
    painter.setFont(ArialFont(27.75, true));
    const QRect titleBox(textArea.left(), textArea.top() + textArea.height() / 5, textArea.width(),
                         textArea.height() / 3);
    painter.drawText(titleBox, Qt::AlignLeft | Qt::AlignBottom, title_);
    painter.setFont(ArialFont(12, true));
    const QRect versionBox(textArea.left(), titleBox.bottom() + TwipsToPixels(this, 120), textArea.width(),
                           TwipsToPixels(this, 360));
    painter.drawText(versionBox, Qt::AlignLeft | Qt::AlignVCenter, version_);
    painter.setFont(ArialFont(9.75));
    const QRect noteBox(textArea.left(), versionBox.bottom() + TwipsToPixels(this, 60), textArea.width(),
                        TwipsToPixels(this, 600));
    painter.drawText(noteBox, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, platformNote_);
}

void SplashWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
    presenter_(&SplashPresenter::OnClicked);
}

void SplashWindow::keyPressEvent(QKeyEvent* event) {
    event->accept();
    presenter_(&SplashPresenter::OnKeyPressed);
}

void SplashWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    qApp->installEventFilter(this);
}

void SplashWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    qApp->removeEventFilter(this);
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride: {  // a key that a shortcut takes never arrives as a key press
            const auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->window() != this) presenter_(&SplashPresenter::OnFocusLost);
            break;
        }
        default: break;
    }
    return false;
}

}  // namespace vantric::qt
