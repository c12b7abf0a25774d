#include "core/precise_wake.h"

#include <QSocketNotifier>
#include <QTimer>
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

void PreciseWake::arm()
{
    if (notifier_ || fallback_)
        return;
    // The steady clock is CLOCK_MONOTONIC, so its time points are the
    // timerfd's absolute times.
    fd_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd_ >= 0) {
        notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
            std::uint64_t expirations = 0;
            // Nothing to read: the wake was cancelled or replaced meanwhile.
            if (::read(fd_, &expirations, sizeof expirations) == static_cast<ssize_t>(sizeof expirations))
                woke();
        });
        return;
    }
    fallback_ = std::make_unique<QTimer>();
    fallback_->setSingleShot(true);
    fallback_->setTimerType(Qt::PreciseTimer);
    QObject::connect(fallback_.get(), &QTimer::timeout, [this] { woke(); });
}

void PreciseWake::at(TimePoint due)
{
    arm();
    if (fallback_) {
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(due - std::chrono::steady_clock::now());
        fallback_->start(static_cast<int>(std::max<std::chrono::milliseconds::rep>(0, wait.count())));
        return;
    }
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(due.time_since_epoch()).count();
    itimerspec spec{};
    spec.it_value.tv_sec = static_cast<time_t>(ns / 1000000000);
    spec.it_value.tv_nsec = static_cast<long>(ns % 1000000000);
    if (spec.it_value.tv_sec <= 0 && spec.it_value.tv_nsec <= 0)
        spec.it_value.tv_nsec = 1;  // all zero would disarm it
    timerfd_settime(fd_, TFD_TIMER_ABSTIME, &spec, nullptr);
}

void PreciseWake::cancel()
{
    if (fallback_)
        fallback_->stop();
    if (fd_ >= 0) {
        const itimerspec off{};
        timerfd_settime(fd_, 0, &off, nullptr);
    }
}

void PreciseWake::woke()
{
    if (onWake)
        onWake();
}
