#include "core/timer.h"

#include "core/precise_wake.h"

#include <QElapsedTimer>
#include <QThread>
#include <chrono>

void Timer::setInterval(int ms)
{
    interval_ = ms;
    reschedule();
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    reschedule();
}

void Timer::start(int ms)
{
    interval_ = ms;
    enabled_ = true;
    reschedule();
}

void Timer::tick()
{
    if (enabled_ && interval_ > 0 && onTick)
        onTick();
}

namespace {

// Fires to the microsecond: the sender's 15 ms before a frame are 15 ms,
// not up to 16 as a Qt timer's wait rounded up to the millisecond makes them.
class QtTimer final : public Timer {
public:
    QtTimer()
    {
        wake_.onWake = [this] { fire(); };
    }

protected:
    void reschedule() override
    {
        if (enabled() && interval() > 0) {
            due_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(interval());
            wake_.at(due_);
        } else {
            wake_.cancel();
        }
    }

private:
    void fire()
    {
        if (!enabled() || interval() <= 0)
            return;
        // The next tick is due an interval after this one was; a late tick
        // does not push the later ones back, and missed ones are dropped.
        const auto now = std::chrono::steady_clock::now();
        due_ += std::chrono::milliseconds(interval());
        if (due_ <= now)
            due_ = now + std::chrono::milliseconds(interval());
        wake_.at(due_);
        tick();  // may stop or restart the timer, which replaces that wake
    }

    PreciseWake wake_;
    PreciseWake::TimePoint due_;
};

class QtClock final : public Clock {
public:
    std::unique_ptr<Timer> createTimer() override { return std::make_unique<QtTimer>(); }
    qint64 nowMs() const override
    {
        static QElapsedTimer started = [] {
            QElapsedTimer t;
            t.start();
            return t;
        }();
        return started.elapsed();
    }
    void pause(int ms) override { QThread::msleep(static_cast<unsigned long>(ms)); }
};

QtClock qtClock;
Clock* installedClock = nullptr;

}  // namespace

Clock& SystemClock()
{
    return installedClock != nullptr ? *installedClock : qtClock;
}

Clock* InstallClock(Clock* clock)
{
    Clock* previous = installedClock;
    installedClock = clock;
    return previous;
}
