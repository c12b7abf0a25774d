#pragma once
// A RadioSimulator on the master side of a pseudo-terminal: the program
// opens the slave as a serial port through the real serial layer. Runs on
// the real clock and the event loop; the line paces the bytes to the
// microsecond, so it adds nothing to their wire time.

#include "support/pseudo_terminal.h"
#include "support/sim_line.h"

#include <QByteArray>
#include <vector>

class RadioSimulator;

// Bytes that crossed the radio's end of the line, and when (the steady
// clock, in microseconds): just before they were written to the program,
// just after they were read from it.
struct Crossing {
    double atUs = 0;
    bool fromProgram = false;
    // To the program: the last byte of the radio's answer has gone out.
    bool answerDone = false;
    // To the program: how long after its wire time the last byte went out
    // (the machine's delay in waking the line).
    double lateUs = 0;
    QByteArray bytes;
};

class PtyRadio {
public:
    // byteUs: the wire time of one byte the line paces (9600 baud by default).
    explicit PtyRadio(RadioSimulator& radio, double byteUs = kByteUs9600);
    PtyRadio(const PtyRadio&) = delete;
    PtyRadio& operator=(const PtyRadio&) = delete;

    bool isValid() const { return pty_.isValid(); }
    QString slavePath() const { return pty_.slavePath(); }
    // Everything the program sent so far.
    QByteArray received() const { return received_; }
    // Number of bytes the radio has sent to the program so far.
    qint64 sentBytes() const { return sent_; }

    // Every read and write at the radio's end since the last clear, in order.
    const std::vector<Crossing>& crossings() const { return crossings_; }
    void clearCrossings() { crossings_.clear(); }

private:
    PseudoTerminal pty_;
    SimLine line_;
    QByteArray received_;
    qint64 sent_ = 0;
    std::vector<Crossing> crossings_;
};
