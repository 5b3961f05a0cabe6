#pragma once
// Tells the user-interface thread, at the cost of one load of a flag, whether its event loop may
// have anything to do. See docs/event-pump.md for the reasoning.

#include <poll.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace vantric::qt {

class DispatcherWakeWatcher {
public:
    // A watcher for the main thread's event loop; null when that loop is not built on the GLib main
    // context, which is the only one whose wake-ups can be watched from outside.
    static std::unique_ptr<DispatcherWakeWatcher> ForMainThread();
    ~DispatcherWakeWatcher();
    DispatcherWakeWatcher(const DispatcherWakeWatcher&) = delete;
    DispatcherWakeWatcher& operator=(const DispatcherWakeWatcher&) = delete;

    // False only while nothing can have become due since the last Rearm: no wake-up of the loop, no
    // watched descriptor ready, no timer expired, and less than 20 ms gone.
    bool MayBePending() const { return raised_.load(std::memory_order_relaxed); }
    // The flag itself, for a run loop that reads it without calling in here.
    const std::atomic<bool>& Flag() const { return raised_; }

    // Called on the user-interface thread just before it lets pending events run.
    void Lower() { raised_.store(false, std::memory_order_relaxed); }

    // Called on the user-interface thread right after it let pending events run: asks the loop what it
    // would wait for now (descriptors and the next timer) and watches exactly that.
    void Rearm();

private:
    DispatcherWakeWatcher();
    void Watch();
    void Raise() { raised_.store(true, std::memory_order_release); }
    void Interrupt();

    std::atomic<bool> raised_{true};

    std::mutex mutex_;
    std::condition_variable armedChanged_;
    std::vector<pollfd> watched_;  // what the loop polls, then the interrupt descriptor last
    std::chrono::steady_clock::time_point deadline_;
    bool armed_ = false;
    bool polling_ = false;
    bool quit_ = false;
    std::uint64_t generation_ = 0;

    std::vector<pollfd> queried_;  // the loop's poll records (layout-checked against GPollFD), reused
    int interruptFd_ = -1;
    std::thread thread_;
};

}  // namespace vantric::qt
