#pragma once
#include <atomic>

namespace vantric::platform {

// Lets pending window events run on the one user-interface thread, then returns. Handlers that run
// inside may change any shared state.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void ProcessEvents() = 0;
    // A flag that is raised whenever events may be waiting, so that a long run can skip the yields
    // that would find nothing to do; null when the pump cannot tell (every yield must run).
    virtual const std::atomic<bool>* PendingEventsFlag() const { return nullptr; }
};

// A monotonic clock, in seconds with fractions.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double Seconds() const = 0;
};

}  // namespace vantric::platform
