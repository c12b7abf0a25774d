#pragma once
// Timers with the rules the windows rely on, and the clock they come from.
//
// A timer fires every interval() milliseconds while it is enabled; with an
// interval of 0 it never fires. The application's clock runs on Qt's event
// loop, its timers firing to the microsecond (core/precise_wake.h); tests
// install a virtual clock so that a 3000 ms retry delay takes no real time.

#include <QtGlobal>
#include <functional>
#include <memory>

class Timer {
public:
    virtual ~Timer() = default;

    // Setting the interval of an enabled timer starts its countdown afresh.
    void setInterval(int ms);
    int interval() const { return interval_; }

    // Enabling a disabled timer starts its countdown; enabling an enabled
    // one changes nothing.
    void setEnabled(bool enabled);
    bool enabled() const { return enabled_; }

    // Sets the interval and enables the timer, its countdown started afresh.
    void start(int ms);
    void stop() { setEnabled(false); }

    // Runs at each tick.
    std::function<void()> onTick;

protected:
    // Starts the countdown anew from the current interval and state (a
    // disabled timer or an interval of 0 stops it).
    virtual void reschedule() = 0;
    // Called by the implementation when the countdown ends.
    void tick();

private:
    int interval_ = 0;
    bool enabled_ = false;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::unique_ptr<Timer> createTimer() = 0;
    // Milliseconds since an arbitrary start.
    virtual qint64 nowMs() const = 0;
    // Holds the one thread for a short fixed time (a few milliseconds), as
    // the radio needs after some acknowledgements.
    virtual void pause(int ms) = 0;
};

// The installed clock; the Qt clock unless a test installed another.
Clock& SystemClock();
// Installs a clock (nullptr restores the Qt clock); returns the previous one.
Clock* InstallClock(Clock* clock);
