#include "qt/QtEventPump.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

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

double QtClock::Seconds() const { return QDeadlineTimer::current().deadlineNSecs() / 1e9; }

}  // namespace vantric::qt
