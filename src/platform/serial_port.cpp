#include "platform/serial_port.h"

#include <QFileInfo>
#include <QSerialPort>
#include <QSet>
#include <array>
#include <cstdio>

namespace {

std::array<QString, kPortCount> FixedTable()
{
    std::array<QString, kPortCount> table;
    for (int i = 0; i < 8; ++i)
        table[i] = QStringLiteral("/dev/ttyUSB%1").arg(i);
    table[8] = QStringLiteral("/dev/ttyACM0");
    table[9] = QStringLiteral("/dev/ttyACM1");
    table[10] = QStringLiteral("/dev/ttyS0");
    table[11] = QStringLiteral("/dev/ttyS1");
    return table;
}

std::array<QString, kPortCount>& Table()
{
    static std::array<QString, kPortCount> table = FixedTable();
    return table;
}

// The devices this process holds open. The tty's exclusive flag does not
// stop a second open by root, so the process keeps its own list: a second
// window cannot open a port that another window holds.
QSet<QString>& HeldDevices()
{
    static QSet<QString> held;
    return held;
}

void LogPortProblem(const QString& device, const QString& what)
{
    std::fprintf(stderr, "serial port %s: %s\n", qUtf8Printable(device), qUtf8Printable(what));
}

class SerialCommPort final : public CommPort {
public:
    SerialCommPort()
    {
        QObject::connect(&port_, &QSerialPort::readyRead, [this] {
            if (onReceive)
                onReceive();
        });
        QObject::connect(&port_, &QSerialPort::errorOccurred, [this](QSerialPort::SerialPortError error) {
            if (error == QSerialPort::NoError || !port_.isOpen())
                return;
            LogPortProblem(device_, port_.errorString());
            // A pulled cable raises its error again and again until the port
            // is closed; close it once and let the transfer's time-out decide.
            if (error == QSerialPort::ResourceError || error == QSerialPort::ReadError)
                closeNow();
        });
    }
    ~SerialCommPort() override { close(); }

    bool open(int portNo) override
    {
        close();
        const QString device = PortDevice(portNo);
        if (device.isEmpty()) {
            LogPortProblem(QStringLiteral("COM%1").arg(portNo), QStringLiteral("no such port number"));
            return false;
        }
        // The canonical path, so that a symlink cannot get around the lock.
        const QString canonical = QFileInfo(device).canonicalFilePath();
        if (canonical.isEmpty()) {
            LogPortProblem(device, QStringLiteral("no such device"));
            return false;
        }
        if (HeldDevices().contains(canonical)) {
            LogPortProblem(canonical, QStringLiteral("already open in this program"));
            return false;
        }
        port_.setPortName(canonical);
        port_.setBaudRate(QSerialPort::Baud9600);
        port_.setDataBits(QSerialPort::Data8);
        port_.setParity(QSerialPort::NoParity);
        port_.setStopBits(QSerialPort::OneStop);
        port_.setFlowControl(QSerialPort::NoFlowControl);
        port_.setReadBufferSize(0);
        if (!port_.open(QIODevice::ReadWrite)) {
            LogPortProblem(canonical, port_.errorString());
            return false;
        }
        device_ = canonical;
        HeldDevices().insert(canonical);
        port_.clear(QSerialPort::AllDirections);
        return true;
    }

    void close() override
    {
        if (!port_.isOpen())
            return;
        // A close right after a write would drop what Qt still buffers.
        while (port_.bytesToWrite() > 0 && port_.waitForBytesWritten(200)) {}
        closeNow();
    }

    bool isOpen() const override { return port_.isOpen(); }

    bool write(const QByteArray& bytes) override
    {
        if (!port_.isOpen())
            return false;
        if (port_.write(bytes) != bytes.size()) {
            LogPortProblem(device_, port_.errorString());
            return false;
        }
        port_.flush();
        return true;
    }

    int bytesWaiting() const override { return port_.isOpen() ? static_cast<int>(port_.bytesAvailable()) : 0; }

    QByteArray read(int count) override { return port_.isOpen() ? port_.read(count) : QByteArray(); }

    void discardInput() override
    {
        if (!port_.isOpen())
            return;
        port_.readAll();
        port_.clear(QSerialPort::Input);
    }

    void discardOutput() override
    {
        if (port_.isOpen())
            port_.clear(QSerialPort::Output);
    }

private:
    void closeNow()
    {
        port_.close();
        HeldDevices().remove(device_);
        device_.clear();
    }

    QSerialPort port_;
    QString device_;
};

}  // namespace

QString PortDevice(int portNo)
{
    if (portNo < 1 || portNo > kPortCount)
        return {};
    return Table()[portNo - 1];
}

void SetPortDevice(int portNo, const QString& device)
{
    if (portNo >= 1 && portNo <= kPortCount)
        Table()[portNo - 1] = device;
}

void ResetPortDevices()
{
    Table() = FixedTable();
}

std::unique_ptr<CommPort> SerialPortFactory::createPort()
{
    return std::make_unique<SerialCommPort>();
}
