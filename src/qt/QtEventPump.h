#pragma once
// The desktop program's event pump and clock.

#include <memory>

#include "platform/EventPump.h"
#include "qt/DispatcherWakeWatcher.h"

namespace vantric::qt {

// Lets pending window events run. A yield with nothing pending costs one load of a flag: the event
// loop runs only when a wake-up watcher says it may have something to do (docs/event-pump.md).
// Without a watcher every yield runs the loop.
class QtEventPump : public platform::EventPump {
public:
    // Create after the application object. watchWakeUps false: every yield runs the loop.
    explicit QtEventPump(bool watchWakeUps = true);
    ~QtEventPump() override;

    void ProcessEvents() override {
        if (watcher_ && !watcher_->MayBePending()) return;
        RunPendingEvents();
    }

    const std::atomic<bool>* PendingEventsFlag() const override { return watcher_ ? &watcher_->Flag() : nullptr; }

    bool WatchesWakeUps() const { return watcher_ != nullptr; }
    // How many yields ran the event loop.
    long long LoopRuns() const { return loopRuns_; }

private:
    void RunPendingEvents();

    std::unique_ptr<DispatcherWakeWatcher> watcher_;
    long long loopRuns_ = 0;
};

// Monotonic seconds.
class QtClock : public platform::Clock {
public:
    double Seconds() const override;
};

}  // namespace vantric::qt
