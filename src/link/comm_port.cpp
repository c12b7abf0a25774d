#include "link/comm_port.h"

namespace {

// With no factory installed a port never opens: the transfers then report
// the port error as they would for an absent device.
class AbsentPort final : public CommPort {
public:
    bool open(int) override { return false; }
    void close() override {}
    bool isOpen() const override { return false; }
    bool write(const QByteArray&) override { return false; }
    int bytesWaiting() const override { return 0; }
    QByteArray read(int) override { return {}; }
    void discardInput() override {}
    void discardOutput() override {}
};

CommPortFactory* installedFactory = nullptr;

}  // namespace

std::unique_ptr<CommPort> CreateCommPort()
{
    if (installedFactory != nullptr)
        return installedFactory->createPort();
    return std::make_unique<AbsentPort>();
}

CommPortFactory* InstallCommPortFactory(CommPortFactory* factory)
{
    CommPortFactory* previous = installedFactory;
    installedFactory = factory;
    return previous;
}
