#include "qt/QtEventPump.h"

#include <QCoreApplication>
#include <QTime>

namespace vantric::qt {

QtEventPump::QtEventPump(bool watchWakeUps) {
    if (watchWakeUps) watcher_ = DispatcherWakeWatcher::ForMainThread();
}

QtEventPump::~QtEventPump() = default;

void QtEventPump::RunPendingEvents() {
    ++loopRuns_;
    if (watcher_) watcher_->Lower();
    QCoreApplication::processEvents();
    if (watcher_) watcher_->Rearm();
}

double QtClock::SecondsSinceMidnight() const { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

}  // namespace vantric::qt
