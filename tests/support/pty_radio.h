#pragma once
// A RadioSimulator on the master side of a pseudo-terminal: the program
// opens the slave as a serial port through the real serial layer. Runs on
// the real clock and the event loop.

#include "support/pseudo_terminal.h"
#include "support/sim_line.h"

#include <QByteArray>

class RadioSimulator;

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

private:
    PseudoTerminal pty_;
    SimLine line_;
    QByteArray received_;
    qint64 sent_ = 0;
};
