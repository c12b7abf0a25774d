#pragma once
// The serial line between the program and a RadioSimulator, on the
// installed clock (virtual in process, real over a pseudo-terminal). Each
// byte takes its wire time in both directions (9600 baud, 10 bits a byte,
// unless another byte time is given); the radio answers when a command has
// fully arrived, and its answers leave one after another.

#include "core/timer.h"

#include <QByteArray>
#include <deque>
#include <functional>
#include <memory>

class RadioSimulator;

inline constexpr double kByteUs9600 = 1e6 * 10 / 9600;

class SimLine {
public:
    // toProgram receives the radio's bytes as they come off the wire.
    SimLine(RadioSimulator& radio, std::function<void(const QByteArray&)> toProgram, double byteUs = kByteUs9600);
    ~SimLine();
    SimLine(const SimLine&) = delete;
    SimLine& operator=(const SimLine&) = delete;

    // Bytes the program put on the wire now.
    void fromProgram(const QByteArray& bytes);

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
    std::unique_ptr<Timer> timer_;
    std::deque<Timed> toRadio_;
    std::deque<Timed> toProgram_;
    double lastToRadioUs_ = 0;
    double lastToProgramUs_ = 0;
};
