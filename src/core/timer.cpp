#include "core/timer.h"

#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

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

class QtTimer final : public Timer {
public:
    QtTimer()
    {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
    }

protected:
    void reschedule() override
    {
        if (enabled() && interval() > 0)
            timer_.start(interval());
        else
            timer_.stop();
    }

private:
    QTimer timer_;
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
