#include "platform/serial_port.h"
#include "support/pseudo_terminal.h"

#include <QTemporaryDir>
#include <QtTest>

class TestSerialPort : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { ResetPortDevices(); }
    void fixedTable_data();
    void fixedTable();
    void bytesTravelBothWays();
    void aCloseRightAfterAWriteStillSendsTheBytes();
    void aSecondOpenOfAHeldPortFails();
    void aSymlinkDoesNotGetAroundTheLock();
    void anAbsentDeviceDoesNotOpen();
    void discardInputDropsWaitingBytes();
    void writeOnAClosedPortFails();
    void aPulledCableClosesThePort();

private:
    SerialPortFactory factory_;
};

void TestSerialPort::fixedTable_data()
{
    QTest::addColumn<int>("portNo");
    QTest::addColumn<QString>("device");
    QTest::newRow("COM1") << 1 << "/dev/ttyUSB0";
    QTest::newRow("COM8") << 8 << "/dev/ttyUSB7";
    QTest::newRow("COM9") << 9 << "/dev/ttyACM0";
    QTest::newRow("COM10") << 10 << "/dev/ttyACM1";
    QTest::newRow("COM11") << 11 << "/dev/ttyS0";
    QTest::newRow("COM12") << 12 << "/dev/ttyS1";
    QTest::newRow("no COM0") << 0 << "";
    QTest::newRow("no COM13") << 13 << "";
}

void TestSerialPort::fixedTable()
{
    QFETCH(int, portNo);
    QFETCH(QString, device);
    QCOMPARE(PortDevice(portNo), device);
}

void TestSerialPort::bytesTravelBothWays()
{
    PseudoTerminal pty;
    QVERIFY(pty.isValid());
    SetPortDevice(3, pty.slavePath());
    auto port = factory_.createPort();
    int receives = 0;
    port->onReceive = [&] { ++receives; };
    QVERIFY(port->open(3));
    QVERIFY(port->isOpen());

    QVERIFY(port->write(QByteArray("\x06\x53\x29\x00\x40", 5)));
    QByteArray sent;
    QTRY_VERIFY((sent += pty.readAvailable()).size() >= 5);
    QCOMPARE(sent, QByteArray("\x06\x53\x29\x00\x40", 5));

    QVERIFY(pty.write(QByteArray("\x06\x58", 2)));
    QTRY_COMPARE(port->bytesWaiting(), 2);
    QVERIFY(receives > 0);
    QCOMPARE(port->read(1), QByteArray("\x06", 1));
    QCOMPARE(port->read(5), QByteArray("\x58", 1));
    port->close();
    QVERIFY(!port->isOpen());
}

void TestSerialPort::aCloseRightAfterAWriteStillSendsTheBytes()
{
    PseudoTerminal pty;
    SetPortDevice(2, pty.slavePath());
    auto port = factory_.createPort();
    QVERIFY(port->open(2));
    const QByteArray frame(21, '\x5A');
    QVERIFY(port->write(frame));
    port->close();
    QByteArray sent;
    QTRY_COMPARE((sent += pty.readAvailable()).size(), frame.size());
}

void TestSerialPort::aSecondOpenOfAHeldPortFails()
{
    PseudoTerminal pty;
    SetPortDevice(5, pty.slavePath());
    auto first = factory_.createPort();
    auto second = factory_.createPort();
    QVERIFY(first->open(5));
    QVERIFY(!second->open(5));
    first->close();
    QVERIFY(second->open(5));
}

void TestSerialPort::aSymlinkDoesNotGetAroundTheLock()
{
    PseudoTerminal pty;
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("ttyLINK"));
    QVERIFY(QFile::link(pty.slavePath(), link));
    SetPortDevice(4, pty.slavePath());
    SetPortDevice(6, link);
    auto first = factory_.createPort();
    auto second = factory_.createPort();
    QVERIFY(first->open(4));
    QVERIFY(!second->open(6));
}

void TestSerialPort::anAbsentDeviceDoesNotOpen()
{
    SetPortDevice(1, QStringLiteral("/dev/ttyDOESNOTEXIST"));
    auto port = factory_.createPort();
    QVERIFY(!port->open(1));
    QVERIFY(!port->isOpen());
    QVERIFY(!port->open(0));
    QVERIFY(!port->open(13));
}

void TestSerialPort::discardInputDropsWaitingBytes()
{
    PseudoTerminal pty;
    SetPortDevice(7, pty.slavePath());
    auto port = factory_.createPort();
    QVERIFY(port->open(7));
    pty.write(QByteArray("stale"));
    QTRY_COMPARE(port->bytesWaiting(), 5);
    port->discardInput();
    QCOMPARE(port->bytesWaiting(), 0);
    pty.write(QByteArray("\x06", 1));
    QTRY_COMPARE(port->bytesWaiting(), 1);
    QCOMPARE(port->read(8), QByteArray("\x06", 1));
}

void TestSerialPort::writeOnAClosedPortFails()
{
    auto port = factory_.createPort();
    QVERIFY(!port->write(QByteArray("x")));
    QCOMPARE(port->bytesWaiting(), 0);
    QCOMPARE(port->read(1), QByteArray());
    port->close();
}

void TestSerialPort::aPulledCableClosesThePort()
{
    PseudoTerminal pty;
    SetPortDevice(8, pty.slavePath());
    auto port = factory_.createPort();
    int receives = 0;
    port->onReceive = [&] { ++receives; };
    QVERIFY(port->open(8));
    pty.hangUp();
    // The error is not raised again and again: the port closes, and what
    // the line does next is the transfer's time-out to decide.
    QTRY_VERIFY(!port->isOpen());
    QVERIFY(!port->write(QByteArray("x")));
    QCOMPARE(port->bytesWaiting(), 0);
    QCoreApplication::processEvents();
    QCOMPARE(receives, 0);
}

QTEST_GUILESS_MAIN(TestSerialPort)
#include "tst_serial_port.moc"
