#pragma once
// Virtual time for tests: timers fire only when the test advances the clock,
// in the order of their due times, so a 3000 ms retry delay takes no time.

#include "core/timer.h"

#include <functional>
#include <vector>

class VirtualClock final : public Clock {
public:
    VirtualClock();  // installs itself as the system clock
    ~VirtualClock() override;
    VirtualClock(const VirtualClock&) = delete;
    VirtualClock& operator=(const VirtualClock&) = delete;

    std::unique_ptr<Timer> createTimer() override;
    qint64 nowMs() const override { return now_; }
    // Moves the time on without firing anything (the thread is held).
    void pause(int ms) override;

    // Advances by ms, firing every timer that falls due on the way.
    void advance(qint64 ms);
    // Advances timer tick by timer tick until done() holds or maxMs have
    // passed; returns done().
    bool advanceUntil(const std::function<bool()>& done, qint64 maxMs);

    // Total time spent in pause().
    qint64 pausedMs() const { return paused_; }
    // Timer ticks fired so far.
    qint64 ticks() const { return ticks_; }
    // True while some timer is enabled with an interval above 0.
    bool anyTimerRunning() const;

    // Implementation detail shared with the timers.
    struct Entry;

private:
    friend class VirtualTimer;
    // The entry due first (at or before limit), or nullptr.
    Entry* nextDue(qint64 limit);

    std::vector<Entry*> entries_;
    qint64 now_ = 0;
    qint64 paused_ = 0;
    qint64 ticks_ = 0;
    qint64 sequence_ = 0;
    Clock* previous_ = nullptr;
};
