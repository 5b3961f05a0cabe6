#pragma once
// A window's link to the presenter it forwards its events to: empty until Bind, emptied again by
// Bind(nullptr) before the presenter goes. Events that arrive while it is empty go nowhere.

#include <utility>

namespace vantric::qt {

template <typename Presenter>
class PresenterLink {
public:
    void Bind(Presenter* presenter) { presenter_ = presenter; }
    bool IsBound() const { return presenter_ != nullptr; }

    // Calls `method` with `args` on the bound presenter; does nothing while none is bound.
    template <typename... Params, typename... Args>
    void operator()(void (Presenter::*method)(Params...), Args&&... args) const {
        if (presenter_) (presenter_->*method)(std::forward<Args>(args)...);
    }

    // Runs `action` with the bound presenter, for calls that answer something; nothing while none is
    // bound.
    template <typename Action>
    void Call(Action&& action) const {
        if (presenter_) action(*presenter_);
    }

    // A handler for a signal or hook that forwards to `method` of whichever presenter is bound when
    // it fires.
    template <typename... Params>
    auto To(void (Presenter::*method)(Params...)) const {
        return [this, method](Params... args) { (*this)(method, args...); };
    }

private:
    Presenter* presenter_ = nullptr;
};

}  // namespace vantric::qt
