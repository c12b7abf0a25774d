#pragma once
// A pseudo-terminal pair for tests through the real serial layer: the
// program opens the slave path as a serial port, the test (or the radio
// simulator) talks on the master side. The slave is kept open raw from the
// start, so the master never reads while no slave is open.

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

class QSocketNotifier;

class PseudoTerminal {
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool isValid() const { return master_ >= 0; }
    QString slavePath() const { return slavePath_; }

    // Everything the program has sent so far and not yet read (non-blocking).
    QByteArray readAvailable();
    // Sends bytes to the program.
    bool write(const QByteArray& bytes);
    // Closes the master side, as a pulled cable ends the line: the program's
    // side reads an error from then on.
    void hangUp();

    // Runs on the event loop when the program has sent bytes.
    std::function<void()> onReadable;

private:
    int master_ = -1;
    int slave_ = -1;
    QString slavePath_;
    std::unique_ptr<QSocketNotifier> notifier_;
};
