#include "qt/QtStatusBar.h"

#include "qt/Latin1.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace vantric::qt {

namespace {
// X11 modifier bits of the key events' native state: Lock is Caps Lock, Mod2 carries Num Lock.
constexpr quint32 kX11LockMask = 0x02;
constexpr quint32 kX11Mod2Mask = 0x10;
}  // namespace

QtStatusBar::QtStatusBar(QWidget* parent) : QStatusBar(parent) {
    static const char* const kInitialTexts[] = {"Ready", "T states : N/A", "INS", "CAPS", "NUM"};
    setObjectName(QStringLiteral("messagePanel"));
    setSizeGripEnabled(true);
    for (int i = 0; i < 5; ++i) {
        auto* label = new QLabel(QString::fromLatin1(kInitialTexts[i]), this);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setObjectName(QStringLiteral("statusPanel%1").arg(i + 1));
        if (i >= 2) label->setAlignment(Qt::AlignCenter);
        panels_[static_cast<std::size_t>(i)] = label;
        addPermanentWidget(label, i == 0 ? 1 : 0);
    }
    panels_[1]->setMinimumWidth(160);
    for (std::size_t i = 2; i < 5; ++i)
        panels_[i]->setMinimumWidth(panels_[i]->fontMetrics().horizontalAdvance(QStringLiteral("CAPS")) + 16);
    ShowKeyStates();
    qApp->installEventFilter(this);
}

QtStatusBar::~QtStatusBar() { qApp->removeEventFilter(this); }

void QtStatusBar::SetPanelText(int panel, const std::string& text) {
    if (panel < 1 || panel > 5) return;
    panels_[static_cast<std::size_t>(panel - 1)]->setText(Latin1(text));
}

QString QtStatusBar::PanelText(int panel) const {
    return panel >= 1 && panel <= 5 ? panels_[static_cast<std::size_t>(panel - 1)]->text() : QString();
}

bool QtStatusBar::KeyPanelOn(int panel) const {
    return panel == 3 ? insert_ : panel == 4 ? capsLock_ : panel == 5 ? numLock_ : false;
}

void QtStatusBar::ShowKeyStates() {
    panels_[2]->setEnabled(insert_);
    panels_[3]->setEnabled(capsLock_);
    panels_[4]->setEnabled(numLock_);
}

bool QtStatusBar::eventFilter(QObject* watched, QEvent* event) {
    // A key press from the window system reaches its window (a QWindow) once, before any widget.
    if (event->type() == QEvent::KeyPress && watched->isWindowType()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // On X11 each key event carries the lock states from before the key; a lock key toggles its own.
        if (QGuiApplication::platformName() == QLatin1String("xcb")) {
            capsLock_ = (key->nativeModifiers() & kX11LockMask) != 0;
            numLock_ = (key->nativeModifiers() & kX11Mod2Mask) != 0;
        }
        switch (key->key()) {
            case Qt::Key_Insert: insert_ = !insert_; break;
            case Qt::Key_CapsLock: capsLock_ = !capsLock_; break;
            case Qt::Key_NumLock: numLock_ = !numLock_; break;
            default: break;
        }
        ShowKeyStates();
    }
    return QStatusBar::eventFilter(watched, event);
}

}  // namespace vantric::qt
