#pragma once
// The serial line between the program and a RadioSimulator. Each byte takes
// its wire time in both directions (9600 baud, 10 bits a byte, unless
// another byte time is given); the radio answers when a command has fully
// arrived, and its answers leave one after another. The line runs on the
// installed clock in whole milliseconds (virtual time in process), or on the
// real clock to the microsecond (over a pseudo-terminal), where it adds
// nothing to the bytes' wire time.

#include "core/precise_wake.h"
#include "core/timer.h"

#include <QByteArray>
#include <deque>
#include <functional>
#include <memory>

class RadioSimulator;

inline constexpr double kByteUs9600 = 1e6 * 10 / 9600;

// The steady clock in microseconds (CLOCK_MONOTONIC: one clock for every
// process of the machine).
double SteadyNowUs();

enum class LineTime {
    InstalledClock,    // SystemClock(): its timers, at least 1 ms a wait
    RealMicroseconds,  // the steady clock, woken to the microsecond
};

class SimLine {
public:
    // toProgram receives the radio's bytes as they come off the wire.
    SimLine(RadioSimulator& radio, std::function<void(const QByteArray&)> toProgram, double byteUs = kByteUs9600,
            LineTime time = LineTime::InstalledClock);
    ~SimLine();
    SimLine(const SimLine&) = delete;
    SimLine& operator=(const SimLine&) = delete;

    // Bytes the program put on the wire now.
    void fromProgram(const QByteArray& bytes);
    // True while bytes of the radio's answers are still on their way.
    bool answering() const { return !toProgram_.empty(); }
    // When the last byte handed to the program was due to arrive.
    double deliveredDueUs() const { return deliveredDueUs_; }

private:
    struct Timed {
        double dueUs;
        char byte;
    };
    double nowUs() const;
    void schedule();
    void tick();

    RadioSimulator& radio_;
    std::function<void(const QByteArray&)> deliver_;
    double byteUs_;
    LineTime time_;
    std::unique_ptr<Timer> timer_;
    PreciseWake wake_;
    std::deque<Timed> toRadio_;
    std::deque<Timed> toProgram_;
    double lastToRadioUs_ = 0;
    double lastToProgramUs_ = 0;
    double deliveredDueUs_ = 0;
};
