#pragma once
// The serial line to the radio as the transfers see it: 9600 baud, 8 data
// bits, no parity, 1 stop bit, raw bytes. The application's ports are serial
// devices (see platform/serial_port.h); tests use an in-memory port.

#include <QByteArray>
#include <functional>
#include <memory>

class CommPort {
public:
    virtual ~CommPort() = default;

    // Opens port number portNo (1..12) with the radio's settings and an empty
    // input. False when the port is absent, held by this process or another
    // program, or cannot be set up.
    virtual bool open(int portNo) = 0;
    // Sends what is still queued, then closes. Closing a closed port is harmless.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Queues bytes for sending; false when the port cannot take them.
    virtual bool write(const QByteArray& bytes) = 0;
    // Number of received bytes waiting to be read.
    virtual int bytesWaiting() const = 0;
    // Takes up to count waiting bytes.
    virtual QByteArray read(int count) = 0;
    // Throws away everything received and not yet read.
    virtual void discardInput() = 0;
    // Throws away everything queued and not yet sent.
    virtual void discardOutput() = 0;

    // Runs when bytes have arrived (once for each arrival, however many bytes).
    std::function<void()> onReceive;
};

class CommPortFactory {
public:
    virtual ~CommPortFactory() = default;
    virtual std::unique_ptr<CommPort> createPort() = 0;
};

// Makes a new port object for a window. Uses the installed factory.
std::unique_ptr<CommPort> CreateCommPort();
// Installs the factory (nullptr removes it); returns the previous one.
CommPortFactory* InstallCommPortFactory(CommPortFactory* factory);
