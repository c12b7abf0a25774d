#include "support/sim_port.h"

#include "support/memory_port.h"
#include "support/radio_simulator.h"

class SimPort final : public MemoryPort {
public:
    explicit SimPort(SimPortFactory* factory)
        : factory_(factory)
    {
    }
    ~SimPort() override
    {
        close();
        if (factory_ != nullptr)
            factory_->ports_.erase(this);
    }

    bool open(int portNo) override
    {
        close();
        if (factory_ == nullptr)
            return false;
        SimPortFactory::Cable* c = factory_->cable(portNo);
        if (c == nullptr || c->pulled || c->holder != nullptr)
            return false;
        c->holder = this;
        ++c->opens;
        portNo_ = portNo;
        discardInput();
        return true;
    }

    void close() override
    {
        if (portNo_ == 0)
            return;
        if (factory_ != nullptr) {
            if (SimPortFactory::Cable* c = factory_->cable(portNo_); c != nullptr && c->holder == this)
                c->holder = nullptr;
        }
        portNo_ = 0;
        discardInput();
    }

    bool isOpen() const override { return portNo_ != 0; }

    bool write(const QByteArray& bytes) override
    {
        if (!isOpen() || factory_ == nullptr)
            return false;
        SimPortFactory::Cable* c = factory_->cable(portNo_);
        if (c == nullptr)
            return false;
        if (c->failWrites || c->pulled) {
            ++c->failedWrites;
            return false;
        }
        c->writes.append({SystemClock().nowMs(), bytes});
        if (c->line)
            c->line->fromProgram(bytes);
        return true;
    }

    void deliver(const QByteArray& bytes)
    {
        if (isOpen())
            arrive(bytes);
    }

    void detach()
    {
        factory_ = nullptr;
        portNo_ = 0;
    }

private:
    SimPortFactory* factory_;
    int portNo_ = 0;
};

SimPortFactory::SimPortFactory()
{
    previous_ = InstallCommPortFactory(this);
}

SimPortFactory::~SimPortFactory()
{
    for (SimPort* port : ports_)
        port->detach();
    InstallCommPortFactory(previous_);
}

void SimPortFactory::attach(int portNo, RadioSimulator& radio, double byteUs)
{
    Cable& c = cables_[portNo];
    c.radio = &radio;
    c.line = std::make_unique<SimLine>(
        radio,
        [this, portNo](const QByteArray& bytes) {
            if (Cable* target = cable(portNo); target != nullptr && target->holder != nullptr)
                target->holder->deliver(bytes);
        },
        byteUs);
}

void SimPortFactory::addPort(int portNo)
{
    cables_[portNo];
}

void SimPortFactory::failWrites(int portNo, bool fail)
{
    if (Cable* c = cable(portNo))
        c->failWrites = fail;
}

int SimPortFactory::failedWrites(int portNo) const
{
    const Cable* c = cable(portNo);
    return c != nullptr ? c->failedWrites : 0;
}

void SimPortFactory::inject(int portNo, const QByteArray& bytes)
{
    if (Cable* c = cable(portNo); c != nullptr && c->holder != nullptr)
        c->holder->deliver(bytes);
}

void SimPortFactory::pullCable(int portNo)
{
    Cable* c = cable(portNo);
    if (c == nullptr)
        return;
    c->pulled = true;
    if (c->holder != nullptr)
        c->holder->close();
}

void SimPortFactory::plugCable(int portNo)
{
    if (Cable* c = cable(portNo))
        c->pulled = false;
}

QList<SimPortFactory::Written> SimPortFactory::writeLog(int portNo) const
{
    const Cable* c = cable(portNo);
    return c != nullptr ? c->writes : QList<Written>();
}

QList<QByteArray> SimPortFactory::writes(int portNo) const
{
    QList<QByteArray> all;
    for (const Written& w : writeLog(portNo))
        all.append(w.bytes);
    return all;
}

void SimPortFactory::clearWrites(int portNo)
{
    if (Cable* c = cable(portNo))
        c->writes.clear();
}

int SimPortFactory::opens(int portNo) const
{
    const Cable* c = cable(portNo);
    return c != nullptr ? c->opens : 0;
}

bool SimPortFactory::isOpen(int portNo) const
{
    const Cable* c = cable(portNo);
    return c != nullptr && c->holder != nullptr;
}

std::unique_ptr<CommPort> SimPortFactory::createPort()
{
    auto port = std::make_unique<SimPort>(this);
    ports_.insert(port.get());
    return port;
}

SimPortFactory::Cable* SimPortFactory::cable(int portNo)
{
    auto it = cables_.find(portNo);
    return it != cables_.end() ? &it->second : nullptr;
}

const SimPortFactory::Cable* SimPortFactory::cable(int portNo) const
{
    auto it = cables_.find(portNo);
    return it != cables_.end() ? &it->second : nullptr;
}
