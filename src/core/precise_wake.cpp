#include "core/precise_wake.h"

#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <sys/timerfd.h>
#include <unistd.h>

PreciseWake::PreciseWake() = default;

PreciseWake::~PreciseWake()
{
    notifier_.reset();
    if (fd_ >= 0)
        ::close(fd_);
}

void PreciseWake::setUp()
{
    if (notifier_ || fallback_)
        return;
    // The steady clock is CLOCK_MONOTONIC, so its time points are the
    // timerfd's absolute times.
    fd_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd_ >= 0) {
        notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { expired(); });
        return;
    }
    fallback_ = std::make_unique<QTimer>();
    fallback_->setSingleShot(true);
    fallback_->setTimerType(Qt::PreciseTimer);
    QObject::connect(fallback_.get(), &QTimer::timeout, [this] {
        wanted_ = false;
        if (onWake)
            onWake();
    });
}

void PreciseWake::at(TimePoint due)
{
    setUp();
    wanted_ = true;
    due_ = due;
    if (fallback_) {
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(due - std::chrono::steady_clock::now());
        fallback_->start(static_cast<int>(std::max<std::chrono::milliseconds::rep>(0, wait.count())));
        return;
    }
    if (!kernelSet_ || kernelDue_ > due)
        setKernelTimer(due);
}

void PreciseWake::cancel()
{
    wanted_ = false;
    if (fallback_)
        fallback_->stop();
}

void PreciseWake::setKernelTimer(TimePoint due)
{
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(due.time_since_epoch()).count();
    itimerspec timer{};
    timer.it_value.tv_sec = static_cast<time_t>(ns / 1000000000);
    timer.it_value.tv_nsec = static_cast<long>(ns % 1000000000);
    if (timer.it_value.tv_sec <= 0 && timer.it_value.tv_nsec <= 0)
        timer.it_value.tv_nsec = 1;  // all zero would disarm it
    timerfd_settime(fd_, TFD_TIMER_ABSTIME, &timer, nullptr);
    kernelSet_ = true;
    kernelDue_ = due;
}

void PreciseWake::expired()
{
    std::uint64_t expirations = 0;
    // Nothing to read: the kernel's timer was set anew meanwhile.
    if (::read(fd_, &expirations, sizeof expirations) != static_cast<ssize_t>(sizeof expirations))
        return;
    kernelSet_ = false;
    if (!wanted_)
        return;
    if (std::chrono::steady_clock::now() < due_) {
        setKernelTimer(due_);
        return;
    }
    wanted_ = false;
    if (onWake)
        onWake();  // may destroy this object
}
