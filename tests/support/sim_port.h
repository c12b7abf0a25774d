#pragma once
// In-memory serial ports for tests, on the installed clock: every port
// number is a cable that may have a RadioSimulator at its other end. The
// factory installs itself as the CommPort factory while it lives. A port
// number opens once at a time, as a serial device does.

#include "link/comm_port.h"
#include "support/sim_line.h"

#include <QByteArray>
#include <QList>
#include <map>
#include <memory>
#include <set>

class RadioSimulator;
class SimPort;

class SimPortFactory final : public CommPortFactory {
public:
    SimPortFactory();
    ~SimPortFactory() override;
    SimPortFactory(const SimPortFactory&) = delete;
    SimPortFactory& operator=(const SimPortFactory&) = delete;

    // A radio on the cable of port portNo.
    void attach(int portNo, RadioSimulator& radio, double byteUs = kByteUs9600);
    // A port with nothing at its other end: it opens, nobody answers.
    void addPort(int portNo);
    // Writes on the port fail while set.
    void failWrites(int portNo, bool fail);
    // Writes that failed so far (failWrites, a pulled cable).
    int failedWrites(int portNo) const;
    // Bytes on the cable that the radio did not send (noise, or an answer
    // left over from an earlier exchange): the open port gets them now.
    void inject(int portNo, const QByteArray& bytes);
    // The cable comes out: an open port closes (as the serial layer does on
    // a device error), writes fail and the port cannot be opened again
    // until plugCable.
    void pullCable(int portNo);
    void plugCable(int portNo);

    // Every write the program made on the port, one entry per write call,
    // with the clock's time of the write.
    struct Written {
        qint64 atMs;
        QByteArray bytes;
    };
    QList<Written> writeLog(int portNo) const;
    QList<QByteArray> writes(int portNo) const;
    void clearWrites(int portNo);
    int opens(int portNo) const;
    bool isOpen(int portNo) const;

    std::unique_ptr<CommPort> createPort() override;

private:
    friend class SimPort;
    struct Cable {
        RadioSimulator* radio = nullptr;
        std::unique_ptr<SimLine> line;
        bool pulled = false;
        bool failWrites = false;
        int failedWrites = 0;
        SimPort* holder = nullptr;
        QList<Written> writes;
        int opens = 0;
    };
    Cable* cable(int portNo);
    const Cable* cable(int portNo) const;

    std::map<int, Cable> cables_;
    std::set<SimPort*> ports_;
    CommPortFactory* previous_ = nullptr;
};
