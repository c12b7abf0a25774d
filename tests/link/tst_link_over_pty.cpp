// Whole transfers and the start-up identification through the real serial
// layer, against the radio simulator on a pseudo-terminal pacing its bytes
// at 9600 baud, on real time.

#include "core/memory_image.h"
#include "core/status_panels.h"
#include "core/tone_list.h"
#include "link/dtmf_transfer.h"
#include "link/link_state.h"
#include "link/password_entry.h"
#include "link/startup_identification.h"
#include "link/transfer_engine.h"
#include "platform/serial_port.h"
#include "support/event_wait.h"
#include "support/message_recorder.h"
#include "support/pty_radio.h"
#include "support/radio_simulator.h"

#include <QtTest>
#include <memory>

namespace {

constexpr int kPort = 4;
constexpr int kTimeoutMs = 15000;

}  // namespace

class TestLinkOverPty : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void dtmfReadAndWrite();
    void splitRepliesAreJoinedAcrossReads();
    void startupIdentification();

private:
    SerialPortFactory serial_;
    CommPortFactory* previous_ = nullptr;
    std::unique_ptr<MessageRecorder> recorder_;
    std::unique_ptr<RadioSimulator> radio_;
    std::unique_ptr<PtyRadio> pty_;
};

void TestLinkOverPty::initTestCase()
{
    InitToneTables();
    BuildLinkOpenFrame();
    previous_ = InstallCommPortFactory(&serial_);
}

void TestLinkOverPty::init()
{
    recorder_ = std::make_unique<MessageRecorder>();
    radio_ = std::make_unique<RadioSimulator>();
    pty_ = std::make_unique<PtyRadio>(*radio_);
    QVERIFY(pty_->isValid());
    SetPortDevice(kPort, pty_->slavePath());
    CommPortNo = kPort;
    PortError = 0;
    StatusBar1.clear();
}

void TestLinkOverPty::cleanup()
{
    QVERIFY(recorder_->verifyAllTaken());
    pty_.reset();
    radio_.reset();
    recorder_.reset();
    ResetPortDevices();
}

void TestLinkOverPty::dtmfReadAndWrite()
{
    radio_->setPasswords("583920", "");
    MemoryImage image;
    int shown = 0;
    TransferEngine engine(DtmfTransferParams([&] { ++shown; }), image);
    QList<TransferEnd> ends;
    engine.onFinished = [&](TransferEnd end) { ends << end; };

    engine.startRead(kPresetPassword);
    QVERIFY(RunEventsUntil([&] { return ends.size() == 1; }, kTimeoutMs));
    QCOMPARE(ends.last(), TransferEnd::ReadDone);
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Complete reading the data from transceiver.")});
    QCOMPARE(shown, 1);
    for (int a = 0x2900; a < 0x2B00; ++a)
        QCOMPARE(static_cast<int>(image(a / 16, a % 16)), radio_->memoryByte(a));
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::LinkOpen), 1);
    QCOMPARE(StatusBar1.text(8), QStringLiteral(" 136-- 174 MHZ"));

    for (int row = 656; row <= 687; ++row) {
        for (int c = 0; c < 16; ++c)
            image(row, c) = static_cast<std::int16_t>((row * 11 + c) & 0xFF);
    }
    engine.startWrite(kPresetPassword);
    QVERIFY(RunEventsUntil([&] { return ends.size() == 2; }, kTimeoutMs));
    QCOMPARE(ends.last(), TransferEnd::WriteDone);
    QCOMPARE(recorder_->takeTexts(),
             QStringList{QStringLiteral("Complete Written DTMF Signal parameters to the transceiver.")});
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::Write), 32);
    for (int a = 0x2900; a < 0x2B00; ++a)
        QCOMPARE(radio_->memoryByte(a), static_cast<int>(image(a / 16, a % 16)));
    QCOMPARE(engine.label(), QStringLiteral("Complete Written DTMF Signal parameters "));
    QVERIFY(!engine.portOpen());
}

void TestLinkOverPty::splitRepliesAreJoinedAcrossReads()
{
    radio_->addFault(Fault::SplitReply, ReplyKind::Any, 0, RadioSimulator::kForever, 40);
    MemoryImage image;
    TransferEngine engine(DtmfTransferParams(), image);
    QList<TransferEnd> ends;
    engine.onFinished = [&](TransferEnd end) { ends << end; };
    engine.startRead();
    QVERIFY(RunEventsUntil([&] { return ends.size() == 1; }, kTimeoutMs));
    QCOMPARE(ends.last(), TransferEnd::ReadDone);
    recorder_->takeAll();
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::LinkOpen), 1);
    for (int a = 0x2900; a < 0x2B00; ++a)
        QCOMPARE(static_cast<int>(image(a / 16, a % 16)), radio_->memoryByte(a));
}

void TestLinkOverPty::startupIdentification()
{
    // Only the pseudo-terminal answers the scan, whatever devices this machine has.
    for (int port = kPort + 1; port <= 8; ++port)
        SetPortDevice(port, QStringLiteral("/nonexistent/ttyNONE%1").arg(port));
    StartupIdentification ident;
    int identified = 0;
    ident.onIdentified = [&] { ++identified; };
    for (int port = 8; port >= 1; --port) {
        CommPortNo = port;
        ident.TryOpenPort();
        if (PortError == 0)
            break;
    }
    QCOMPARE(CommPortNo, kPort);  // the first port of the scan that opens
    ident.closePort();
    ident.ConnectRadio();
    QVERIFY(RunEventsUntil([&] { return identified == 1; }, kTimeoutMs));
    QCOMPARE(StatusBar1.text(4), QStringLiteral("ABCDEF--GHIJKL--MNOP"));
    QCOMPARE(StatusBar1.text(6), QStringLiteral("12.34.5.6"));
    QCOMPARE(StatusBar1.text(10), QStringLiteral(" 400-- 470 MHZ"));
    QVERIFY(!ident.portOpen());
    QCOMPARE(pty_->received(), LinkOpenBytes());
}

QTEST_GUILESS_MAIN(TestLinkOverPty)
#include "tst_link_over_pty.moc"
