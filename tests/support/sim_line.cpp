#include "support/sim_line.h"

#include "support/radio_simulator.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>

SimLine::SimLine(RadioSimulator& radio, std::function<void(const QByteArray&)> toProgram, double byteUs, LineTime time)
    : radio_(radio),
      deliver_(std::move(toProgram)),
      byteUs_(byteUs),
      time_(time),
      timer_(SystemClock().createTimer())
{
    timer_->onTick = [this] { tick(); };
    wake_.onWake = [this] { tick(); };
}

SimLine::~SimLine() = default;

double SteadyNowUs()
{
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<double>(std::chrono::duration_cast<std::chrono::nanoseconds>(since).count()) / 1000.0;
}

double SimLine::nowUs() const
{
    if (time_ == LineTime::RealMicroseconds)
        return SteadyNowUs();
    return static_cast<double>(SystemClock().nowMs()) * 1000.0;
}

void SimLine::fromProgram(const QByteArray& bytes)
{
    double due = std::max(nowUs(), lastToRadioUs_);
    for (char b : bytes) {
        due += byteUs_;
        toRadio_.push_back({due, b});
    }
    lastToRadioUs_ = due;
    schedule();
}

void SimLine::schedule()
{
    double next = -1;
    if (!toRadio_.empty())
        next = toRadio_.front().dueUs;
    if (!toProgram_.empty())
        next = next < 0 ? toProgram_.front().dueUs : std::min(next, toProgram_.front().dueUs);
    if (next < 0) {
        timer_->stop();
        wake_.cancel();
        return;
    }
    if (time_ == LineTime::RealMicroseconds) {
        const auto due = std::chrono::nanoseconds(static_cast<std::int64_t>(std::ceil(next * 1000.0)));
        wake_.at(PreciseWake::TimePoint(due));
        return;
    }
    const double waitMs = std::ceil((next - nowUs()) / 1000.0);
    timer_->start(std::max(1, static_cast<int>(waitMs)));
}

void SimLine::tick()
{
    const double now = nowUs();
    QByteArray heard;
    double heardAt = 0;
    while (!toRadio_.empty() && toRadio_.front().dueUs <= now) {
        heard.append(toRadio_.front().byte);
        heardAt = toRadio_.front().dueUs;
        toRadio_.pop_front();
    }
    if (!heard.isEmpty()) {
        // The answers start once the last byte of the command has arrived.
        double due = std::max(heardAt, lastToProgramUs_);
        for (const Answer& answer : radio_.receive(heard)) {
            due += answer.delayMs * 1000.0;
            for (char b : answer.bytes) {
                due += byteUs_;
                toProgram_.push_back({due, b});
            }
        }
        lastToProgramUs_ = due;
    }
    QByteArray arrived;
    while (!toProgram_.empty() && toProgram_.front().dueUs <= now) {
        arrived.append(toProgram_.front().byte);
        deliveredDueUs_ = toProgram_.front().dueUs;
        toProgram_.pop_front();
    }
    if (!arrived.isEmpty() && deliver_)
        deliver_(arrived);
    schedule();
}
