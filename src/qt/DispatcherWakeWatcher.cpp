#include "qt/DispatcherWakeWatcher.h"

#include <glib.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <cstddef>

namespace vantric::qt {

namespace {
constexpr int kLongestWaitMs = 20;
}  // namespace

// GLib's poll records are handed to poll() as they are on Unix; the watcher relies on the same.
static_assert(sizeof(GPollFD) == sizeof(pollfd));
static_assert(offsetof(GPollFD, fd) == offsetof(pollfd, fd));
static_assert(offsetof(GPollFD, events) == offsetof(pollfd, events));
static_assert(offsetof(GPollFD, revents) == offsetof(pollfd, revents));
static_assert(G_IO_IN == POLLIN && G_IO_OUT == POLLOUT && G_IO_PRI == POLLPRI);

std::unique_ptr<DispatcherWakeWatcher> DispatcherWakeWatcher::ForMainThread() {
    const QAbstractEventDispatcher* dispatcher =
        QAbstractEventDispatcher::instance(QCoreApplication::instance()->thread());
    // Qt's GLib dispatcher iterates the default main context on the main thread.
    if (!dispatcher || !dispatcher->inherits("QEventDispatcherGlib")) return nullptr;
    if (QThread::currentThread() != QCoreApplication::instance()->thread()) return nullptr;
    return std::unique_ptr<DispatcherWakeWatcher>(new DispatcherWakeWatcher);
}

DispatcherWakeWatcher::DispatcherWakeWatcher() {
    interruptFd_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    thread_ = std::thread([this] { Watch(); });
}

DispatcherWakeWatcher::~DispatcherWakeWatcher() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    armedChanged_.notify_one();
    Interrupt();
    thread_.join();
    if (interruptFd_ >= 0) ::close(interruptFd_);
}

void DispatcherWakeWatcher::Interrupt() {
    const std::uint64_t one = 1;
    if (interruptFd_ >= 0) {
        [[maybe_unused]] const auto written = ::write(interruptFd_, &one, sizeof one);
    }
}

void DispatcherWakeWatcher::Rearm() {
    GMainContext* context = g_main_context_default();
    // Another thread iterating the context would own it; then nothing can be learnt, so the next
    // yield runs the loop.
    if (interruptFd_ < 0 || !g_main_context_acquire(context)) {
        Raise();
        return;
    }
    // One iteration without its poll and dispatch: the sources say whether they are ready now, which
    // descriptors the loop would wait on (its own wake-up descriptor among them) and for how long.
    gint priority = 0;
    g_main_context_prepare(context, &priority);
    gint timeout = -1;
    if (queried_.size() < 8) queried_.resize(8);
    auto* records = reinterpret_cast<GPollFD*>(queried_.data());
    gint count = g_main_context_query(context, priority, &timeout, records, static_cast<gint>(queried_.size()));
    if (static_cast<std::size_t>(count) > queried_.size()) {
        queried_.resize(static_cast<std::size_t>(count));
        records = reinterpret_cast<GPollFD*>(queried_.data());
        count = g_main_context_query(context, priority, &timeout, records, count);
    }
    for (gint i = 0; i < count; ++i) records[i].revents = 0;
    // Nothing was polled, so nothing is acknowledged: a wake-up that came meanwhile stays readable.
    g_main_context_check(context, priority, records, count);
    g_main_context_release(context);

    if (timeout == 0) {
        Raise();
        return;
    }
    bool interrupt = false;
    {
        std::lock_guard lock(mutex_);
        watched_.assign(queried_.begin(), queried_.begin() + count);
        watched_.push_back(pollfd{interruptFd_, POLLIN, 0});
        // A timer registered outside the event loop (by code between two yields) is not in this
        // timeout; the longest wait bounds how late it can run.
        const int wait = timeout < 0 ? kLongestWaitMs : std::min(timeout, kLongestWaitMs);
        deadline_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(wait);
        armed_ = true;
        ++generation_;
        interrupt = polling_;
    }
    armedChanged_.notify_one();
    if (interrupt) Interrupt();  // a watcher still polling an older set takes up this one
}

void DispatcherWakeWatcher::Watch() {
    std::vector<pollfd> fds;
    for (;;) {
        std::uint64_t generation = 0;
        int timeout = 0;
        {
            std::unique_lock lock(mutex_);
            armedChanged_.wait(lock, [this] { return armed_ || quit_; });
            if (quit_) return;
            fds = watched_;
            generation = generation_;
            const auto left = deadline_ - std::chrono::steady_clock::now();
            const auto ms = std::chrono::ceil<std::chrono::milliseconds>(left).count();
            timeout = ms < 0 ? 0 : static_cast<int>(ms);
            polling_ = true;
        }
        const int ready = ::poll(fds.data(), fds.size(), timeout);
        if (ready < 0 && errno == EINTR) continue;
        std::uint64_t drained = 0;
        [[maybe_unused]] auto read = ::read(interruptFd_, &drained, sizeof drained);
        const bool onlyInterrupted = ready == 1 && fds.back().revents != 0;
        {
            std::lock_guard lock(mutex_);
            polling_ = false;
            if (quit_) return;
            // Re-armed meanwhile: watch the new set instead.
            if (generation != generation_) continue;
            // A stray interrupt from an earlier arming: keep watching the same set.
            if (onlyInterrupted) continue;
            armed_ = false;
        }
        Raise();
    }
}

}  // namespace vantric::qt
