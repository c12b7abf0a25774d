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
    // onWake does not run until the next at().
    void cancel();

    std::function<void()> onWake;

private:
    void setUp();
    void setKernelTimer(TimePoint due);
    void expired();

    // The kernel's timer is set only when it would otherwise run out too
    // late: one still set for an earlier time is left to run out and then
    // set for the time wanted, and a cancelled one is left to run out
    // unheeded. So the reply time-out, set anew for every frame and
    // cancelled by every answer, costs a system call about once a second,
    // not twice a frame.
    int fd_ = -1;
    bool kernelSet_ = false;
    TimePoint kernelDue_;
    bool wanted_ = false;
    TimePoint due_;
    std::unique_ptr<QSocketNotifier> notifier_;
    // Where no timerfd can be had: a Qt timer, to the millisecond.
    std::unique_ptr<QTimer> fallback_;
};
