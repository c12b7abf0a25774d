#pragma once
// The input side of an in-memory serial port for tests: bytes handed to it
// arrive at once, as one receive event, and the program reads them as it
// reads a serial device. Nothing waits to be sent.

#include "link/comm_port.h"

#include <QByteArray>

class MemoryPort : public CommPort {
public:
    int bytesWaiting() const override { return static_cast<int>(input_.size()); }
    QByteArray read(int count) override
    {
        const QByteArray taken = input_.left(count);
        input_.remove(0, taken.size());
        return taken;
    }
    void discardInput() override { input_.clear(); }
    void discardOutput() override {}

protected:
    // Queues the bytes, then runs the receive event.
    void arrive(const QByteArray& bytes)
    {
        input_.append(bytes);
        if (onReceive)
            onReceive();
    }

private:
    QByteArray input_;
};
