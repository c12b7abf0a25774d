#pragma once
// A one-shot wake on the event loop at a point of the steady clock, to the
// microsecond. Qt's own timers round every wait up to a whole millisecond,
// so a 15 ms timer fires anywhere up to 1 ms late; this one fires when its
// time has come (a timerfd the event loop watches).

#include <chrono>
#include <functional>
#include <memory>

class QSocketNotifier;
class QTimer;

class PreciseWake {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    PreciseWake();
    ~PreciseWake();
    PreciseWake(const PreciseWake&) = delete;
    PreciseWake& operator=(const PreciseWake&) = delete;

    // onWake runs once, from the event loop, at `due` or as soon after it
    // as the loop comes round (at once for a time already past). A later
    // call replaces the earlier wake.
    void at(TimePoint due);
    void cancel();

    std::function<void()> onWake;

private:
    void arm();
    void woke();

    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    // Where no timerfd can be had: a Qt timer, to the millisecond.
    std::unique_ptr<QTimer> fallback_;
};
