#pragma once
// A timer that fires OnTimer every Interval milliseconds while Enabled. Time comes from an injected clock:
// whoever drives the timer (a platform timer, a test) calls Poll, which fires the event when it is due.
#include "core/forms/controls/control.h"

#include <chrono>
#include <functional>

namespace dorvik {

class TTimer {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    TTimer(Clock clock, int interval) : Interval(interval), clock_(std::move(clock)) { started_ = clock_(); }

    int Interval; // milliseconds
    TNotifyEvent OnTimer;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) {
        if (enabled && !enabled_)
            started_ = clock_();
        enabled_ = enabled;
    }

    // Time left until the event is due, rounded up (a fraction of a millisecond left is not due yet); zero
    // when it is due now.
    std::chrono::milliseconds Remaining() const {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(
            started_ + std::chrono::milliseconds(Interval) - clock_());
        return left.count() > 0 ? left : std::chrono::milliseconds(0);
    }

    // Fires OnTimer once when enabled and the interval has passed; the next interval starts then.
    void Poll() {
        if (!enabled_ || Remaining().count() > 0)
            return;
        started_ = clock_();
        if (OnTimer)
            OnTimer();
    }

private:
    Clock clock_;
    std::chrono::steady_clock::time_point started_;
    bool enabled_ = true;
};

} // namespace dorvik
