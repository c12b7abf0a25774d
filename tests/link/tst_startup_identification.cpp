// The main window's identification of the radio, in process on virtual time.

#include "core/model_bands.h"
#include "core/status_panels.h"
#include "core/tone_list.h"
#include "link/frames.h"
#include "link/identity.h"
#include "link/link_state.h"
#include "link/startup_identification.h"
#include "support/message_recorder.h"
#include "support/radio_simulator.h"
#include "support/sim_port.h"
#include "support/virtual_clock.h"

#include <QtTest>
#include <memory>

namespace {
constexpr int kPort = 5;
}

class TestStartupIdentification : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void identifiesOneBytePerTick();
    void silentRadioFailsAfterThreeAttempts();
    void wrongTerminatorCountsAsASilentAttempt();
    void connectRadioStartsOverWithTwoRetries();
    void noPortShowsThePortMessageOnce();
    void tryOpenPortIsSilent();
    void portThatFailsAtARetryStopsWithoutTheFailureMessage();
    void replyBeforeTheWholeFrameIsOutIdentifiesNothing_data();
    void replyBeforeTheWholeFrameIsOutIdentifiesNothing();

private:
    int linkOpens() const { return radio_->heardCount(RadioSimulator::Heard::LinkOpen); }

    std::unique_ptr<VirtualClock> clock_;
    std::unique_ptr<MessageRecorder> recorder_;
    std::unique_ptr<SimPortFactory> ports_;
    std::unique_ptr<RadioSimulator> radio_;
    std::unique_ptr<StartupIdentification> ident_;
    int identified_ = 0;
};

void TestStartupIdentification::initTestCase()
{
    InitToneTables();
    BuildLinkOpenFrame();
}

void TestStartupIdentification::init()
{
    clock_ = std::make_unique<VirtualClock>();
    recorder_ = std::make_unique<MessageRecorder>();
    ports_ = std::make_unique<SimPortFactory>();
    radio_ = std::make_unique<RadioSimulator>();
    ports_->attach(kPort, *radio_);
    ident_ = std::make_unique<StartupIdentification>();
    identified_ = 0;
    ident_->onIdentified = [this] { ++identified_; };
    CommPortNo = kPort;
    PortError = 0;
    StatusBar1.clear();
}

void TestStartupIdentification::cleanup()
{
    QVERIFY(recorder_->verifyAllTaken());
    ident_.reset();
    radio_.reset();
    ports_.reset();
    recorder_.reset();
    clock_.reset();
}

void TestStartupIdentification::identifiesOneBytePerTick()
{
    // The channel editor's load set its own limits before the reply comes.
    BandVhfMin = 140;
    BandVhfMax = 150;
    BandUhfMin = 440;
    BandUhfMax = 450;
    const qint64 start = clock_->nowMs();
    ident_->ConnectRadio();
    QVERIFY(ident_->running());
    QVERIFY(clock_->advanceUntil([this] { return identified_ > 0; }, 5000));
    QCOMPARE(identified_, 1);

    const QList<SimPortFactory::Written> log = ports_->writeLog(kPort);
    QCOMPARE(log.size(), kLinkOpenBytes);
    QByteArray sent;
    for (int i = 0; i < log.size(); ++i) {
        QCOMPARE(log.at(i).bytes.size(), 1);
        QCOMPARE(log.at(i).atMs - start, 15 * (i + 1));
        sent += log.at(i).bytes;
    }
    QCOMPARE(sent, LinkOpenBytes());
    QCOMPARE(StatusBar1.text(2), QStringLiteral("TR-UV1"));
    QCOMPARE(StatusBar1.text(4), QStringLiteral("ABCDEF--GHIJKL--MNOP"));
    QCOMPARE(StatusBar1.text(6), QStringLiteral("12.34.5.6"));
    QCOMPARE(StatusBar1.text(8), QStringLiteral(" 136-- 174 MHZ"));
    QCOMPARE(StatusBar1.text(10), QStringLiteral(" 400-- 470 MHZ"));
    QCOMPARE(BandVhfMin, 136.0);
    QCOMPARE(BandVhfMax, 174.0);
    QCOMPARE(BandUhfMin, 400.0);
    QCOMPARE(BandUhfMax, 470.0);
    QVERIFY(!ident_->portOpen());
    QVERIFY(!ident_->running());
    // Nothing is acknowledged and nothing more happens.
    clock_->advance(10000);
    QCOMPARE(ports_->writeLog(kPort).size(), kLinkOpenBytes);
    QCOMPARE(identified_, 1);
}

void TestStartupIdentification::silentRadioFailsAfterThreeAttempts()
{
    radio_->addFault(Fault::Silent, ReplyKind::Any, 0, RadioSimulator::kForever);
    StatusBar1.setText(2, QStringLiteral("kept"));
    qint64 failedAt = -1;
    recorder_->onShow = [&](const ShownMessage&) {
        failedAt = clock_->nowMs();
        QVERIFY(StatusBar1.text(3).isEmpty());
    };
    ident_->ConnectRadio();
    QVERIFY(clock_->advanceUntil([&] { return failedAt >= 0; }, 20000));
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, QStringLiteral("Fail connect with transceiver."));
    QCOMPARE(shown.first().title, QStringLiteral("Operate prompt"));
    QCOMPARE(shown.first().message.text.chn, QStringLiteral("联机失败，请使用旧版软件尝试 ！"));
    QCOMPARE(linkOpens(), 3);
    // Each attempt: 8 bytes 15 ms apart, 1000 ms of time-out, 1500 ms of delay.
    QCOMPARE(failedAt, 3 * (8 * 15 + 1000 + 1500));
    QCOMPARE(StatusBar1.text(3), QStringLiteral("Stat:"));
    QCOMPARE(StatusBar1.text(4), QStringLiteral("Communication fault."));
    QCOMPARE(StatusBar1.text(2), QStringLiteral("kept"));
    QCOMPARE(identified_, 0);
    QVERIFY(!ident_->running());
    QVERIFY(!ident_->portOpen());
}

void TestStartupIdentification::wrongTerminatorCountsAsASilentAttempt()
{
    radio_->addFault(Fault::WrongTerminator, ReplyKind::Ident, 0, 1);
    ident_->ConnectRadio();
    QVERIFY(clock_->advanceUntil([this] { return radio_->answered(ReplyKind::Ident) == 1 && !ports_->isOpen(kPort); },
                                 5000));
    QVERIFY(StatusBar1.text(8).isEmpty());
    QVERIFY(clock_->advanceUntil([this] { return identified_ > 0; }, 5000));
    QCOMPARE(linkOpens(), 2);
    QCOMPARE(StatusBar1.text(8), QStringLiteral(" 136-- 174 MHZ"));
}

void TestStartupIdentification::connectRadioStartsOverWithTwoRetries()
{
    radio_->addFault(Fault::Silent, ReplyKind::Any, 0, RadioSimulator::kForever);
    ident_->ConnectRadio();
    clock_->advance(8 * 15 + 1000 + 700);  // inside the first retry delay
    QCOMPARE(linkOpens(), 1);
    ident_->ConnectRadio();  // the port dialog confirmed a port
    QVERIFY(clock_->advanceUntil([this] { return recorder_->count() > 0; }, 20000));
    recorder_->takeAll();
    // The old pending retry did not run: three fresh attempts.
    QCOMPARE(linkOpens(), 1 + 3);
}

void TestStartupIdentification::noPortShowsThePortMessageOnce()
{
    CommPortNo = 1;  // the scan found nothing
    PortError = -1;
    ident_->ConnectRadio();
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, QStringLiteral("Communication Port Open Error ！"));
    QCOMPARE(shown.first().title, QStringLiteral("Operate Prompt"));
    QCOMPARE(PortError, -1);
    QVERIFY(!ident_->running());
    clock_->advance(20000);
    QCOMPARE(recorder_->count(), 0);
}

void TestStartupIdentification::tryOpenPortIsSilent()
{
    ports_->addPort(7);
    for (int port = 8; port >= 1; --port) {
        CommPortNo = port;
        ident_->TryOpenPort();
        if (PortError == 0)
            break;
    }
    QCOMPARE(CommPortNo, 7);
    QVERIFY(ident_->portOpen());
    ident_->closePort();
    QVERIFY(!ident_->portOpen());
    CommPortNo = 9;
    ident_->TryOpenPort();
    QCOMPARE(PortError, -1);
    QCOMPARE(recorder_->count(), 0);
}

void TestStartupIdentification::portThatFailsAtARetryStopsWithoutTheFailureMessage()
{
    radio_->addFault(Fault::Silent, ReplyKind::Any, 0, RadioSimulator::kForever);
    ident_->ConnectRadio();
    clock_->advance(8 * 15 + 1000 + 100);
    ports_->pullCable(kPort);
    clock_->advance(20000);
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Communication Port Open Error ！")});
    QVERIFY(StatusBar1.text(3).isEmpty());
    QVERIFY(!ident_->running());
}

void TestStartupIdentification::replyBeforeTheWholeFrameIsOutIdentifiesNothing_data()
{
    // A reply comes when this many bytes of the frame are out.
    QTest::addColumn<int>("bytesOut");
    // The next byte cannot be written: the frame is lost.
    QTest::addColumn<bool>("byteLost");
    QTest::newRow("while the frame goes out") << 3 << false;
    QTest::newRow("after a byte of the frame was lost") << 2 << true;
}

void TestStartupIdentification::replyBeforeTheWholeFrameIsOutIdentifiesNothing()
{
    QFETCH(int, bytesOut);
    QFETCH(bool, byteLost);
    // The radio itself does not answer the first attempt.
    if (!byteLost)
        radio_->addFault(Fault::Silent, ReplyKind::Ident, 0, 1);
    ident_->ConnectRadio();
    QVERIFY(clock_->advanceUntil([&] { return ports_->writes(kPort).size() >= bytesOut; }, 1000));
    if (byteLost) {
        ports_->failWrites(kPort, true);
        QVERIFY(clock_->advanceUntil([&] { return ports_->failedWrites(kPort) > 0; }, 1000));
        ports_->failWrites(kPort, false);
        clock_->advance(200);  // the whole frame would be out by now
    }
    ports_->inject(kPort, radio_->identReply());
    QCOMPARE(identified_, 0);
    QCOMPARE(StatusBar1.text(IdentPanel::Model), QString());
    // The next attempt's reply identifies the radio.
    QVERIFY(clock_->advanceUntil([this] { return identified_ > 0; }, 10000));
    QCOMPARE(ports_->opens(kPort), 2);
}

QTEST_GUILESS_MAIN(TestStartupIdentification)
#include "tst_startup_identification.moc"
