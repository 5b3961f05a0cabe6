#pragma once

namespace vantric::platform {

// Lets pending window events run on the one user-interface thread, then returns. Handlers that run
// inside may change any shared state.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void ProcessEvents() = 0;
};

// Seconds since midnight, with fractions.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double SecondsSinceMidnight() const = 0;
};

}  // namespace vantric::platform
