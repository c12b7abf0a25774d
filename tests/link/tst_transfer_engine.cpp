// The transfer engine against the radio simulator, in process and on
// virtual time. Most tests use the DTMF editor's parameters: start 0x2900,
// 8 blocks read into image rows 656..687, 32 frames written.

#include "core/memory_image.h"
#include "core/model_bands.h"
#include "core/status_panels.h"
#include "core/tone_list.h"
#include "link/dtmf_transfer.h"
#include "link/link_state.h"
#include "link/password_entry.h"
#include "link/transfer_engine.h"
#include "link/whole_image.h"
#include "support/sim_link_fixture.h"

#include <QtTest>
#include <memory>

namespace {

constexpr int kPort = 3;
constexpr qint64 kLongEnough = 120000;

bool IsLoneAck(const QByteArray& w)
{
    return w == QByteArray(1, '\x06');
}

int LinkOpens(const QList<QByteArray>& writes)
{
    int n = 0;
    for (const QByteArray& w : writes)
        n += w == LinkOpenBytes() ? 1 : 0;
    return n;
}

// The writes after the last link-open frame.
QList<QByteArray> LastAttempt(const QList<QByteArray>& writes)
{
    qsizetype last = writes.lastIndexOf(LinkOpenBytes());
    return last < 0 ? writes : writes.mid(last);
}

int Byte(const QByteArray& bytes, int i)
{
    return static_cast<std::uint8_t>(bytes.at(i));
}

// A read reply as the radio sends it: not asked for, it is noise that
// looks like an answer.
QByteArray StrayReply(int address, const QByteArray& data)
{
    QByteArray reply("\x06\x58", 2);
    reply.append(static_cast<char>(address >> 8));
    reply.append(static_cast<char>(address & 0xFF));
    reply.append(static_cast<char>(data.size()));
    return reply + data;
}

// A block reply with the simulator's bytes.
QByteArray StrayBlock(int address)
{
    QByteArray data;
    for (int i = 0; i < kBlockBytes; ++i)
        data.append(static_cast<char>(RadioSimulator::patternByte(address + i)));
    return StrayReply(address, data);
}

}  // namespace

Q_DECLARE_METATYPE(Fault)
Q_DECLARE_METATYPE(ReplyKind)
Q_DECLARE_METATYPE(TransferEnd)

class TestTransferEngine : public QObject, private SimLinkFixture {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void dtmfReadSendsEightLoneAcksAndShowsBlocksThreeToNine();
    void dtmfWriteSendsThirtyTwoFramesAndNothingAfterTheLastAck();
    void dtmfTextsInChinese();
    void silentRadioGetsFourLinkOpensThenTheFailure();
    void refusedPasswordEndsWithoutRetry_data();
    void refusedPasswordEndsWithoutRetry();
    void passwordOfTheRadio_data();
    void passwordOfTheRadio();
    void timeoutInMidReadRestartsFromTheLinkOpenFrame();
    void identityIsShownAndStaysAfterAFailure();

    void simulatorFault_data();
    void simulatorFault();
    void passwordReplyWithItsMarkOutOfPlaceIsNotTaken_data();
    void passwordReplyWithItsMarkOutOfPlaceIsNotTaken();
    void straggling_byte_does_not_shift_next_block_data();
    void straggling_byte_does_not_shift_next_block();
    void ack_arriving_with_other_bytes_is_not_waited_for_again();
    void answerArrivingBeforeItsFrameIsOutIsNotTaken_data();
    void answerArrivingBeforeItsFrameIsOutIsNotTaken();
    void writeThatFailsEndsTheAttempt_data();
    void writeThatFailsEndsTheAttempt();
    void failedReadLeavesTheImageAlone();

    void busyWindowRefusesAndTheTransferGoesOn();
    void startDuringTheRetryDelayCancelsThePendingRetry();
    void writeIsBusyThroughItsRetryDelay();
    void lastRetryDelayRefusesStartsOnlyForAWrite_data();
    void lastRetryDelayRefusesStartsOnlyForAWrite();
    void failedWriteToThePortIsALostReply();
    void pulledCableEndsWithThePortMessage();
    void portThatDoesNotOpenStartsNothing();
    void labelAfterTheBoxDoesNotOverwriteANewTransfer();
    void destroyingTheEngineEndsTheTransfer();

    void wholeImageReadAsksForAddressZeroTwice();
    void channelTransferAlternatesMainAndNameBlocks();
    void alignmentTransferHasNoPasswordStage();
    void wholeImageWriteFailureHidesTheBar();

private:
    QList<QByteArray> writes() const { return ports_->writes(kPort); }
};

void TestTransferEngine::initTestCase()
{
    InitToneTables();
    BuildLinkOpenFrame();
}

void TestTransferEngine::init()
{
    setUpRadio(kPort);
    LangChinese = 0;
    StatusBar1.clear();
}

void TestTransferEngine::cleanup()
{
    tearDownRadio();
}

void TestTransferEngine::dtmfReadSendsEightLoneAcksAndShowsBlocksThreeToNine()
{
    TransferParams p = DtmfTransferParams();
    int shown = 0;
    TransferEngine* self = nullptr;
    p.afterRead = [&] {
        // The display routine runs with the blocks already in the image, the
        // port closed and the window no longer busy.
        ++shown;
        QCOMPARE(static_cast<int>((*image_)(687, 15)), radio_->memoryByte(0x2AFF));
        QVERIFY(!self->busy());
        QVERIFY(!self->portOpen());
    };
    TransferEngine engine(p, *image_);
    self = &engine;
    QStringList labels;
    QList<int> bars;
    engine.onDisplayChanged = [&] {
        if (!engine.label().isEmpty() && (labels.isEmpty() || labels.last() != engine.label()))
            labels << engine.label();
        if (bars.isEmpty() || bars.last() != engine.progressValue())
            bars << engine.progressValue();
    };
    recorder_->onShow = [&](const ShownMessage&) {
        QCOMPARE(engine.label(), QStringLiteral("Read DTMF Signal parameters in gear. "));
        QCOMPARE(engine.progressValue(), 100);
    };

    engine.startRead();
    QVERIFY(engine.Reading());
    QVERIFY(!engine.Writing());
    QVERIFY(engine.progressVisible());
    QCOMPARE(engine.label(), QStringLiteral("Connecting with transceiver. "));
    QVERIFY(runToEnd(engine, kLongEnough));

    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::ReadDone});
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Complete reading the data from transceiver.")});
    QCOMPARE(shown, 1);

    const QList<QByteArray> w = writes();
    QCOMPARE(LinkOpens(w), 1);
    // link-open, 06, password request, 06, then request and 06 per block.
    QCOMPARE(w.size(), 4 + 2 * 8);
    QCOMPARE(w.at(2), ReadRequest(0x3DF0, 0x10, false));
    QVERIFY(IsLoneAck(w.at(1)));
    QVERIFY(IsLoneAck(w.at(3)));
    int dataAcks = 0;
    for (int k = 0; k < 8; ++k) {
        QCOMPARE(w.at(4 + 2 * k), ReadRequest(0x2900 + 0x40 * k, 0x40, false));
        dataAcks += IsLoneAck(w.at(5 + 2 * k)) ? 1 : 0;
    }
    QCOMPARE(dataAcks, 8);

    QStringList progress;
    for (int n = 3; n <= 9; ++n)
        progress << QStringLiteral("Reading %1 Data Block").arg(n);
    QCOMPARE(labels, QStringList{QStringLiteral("Connecting with transceiver. ")} + progress
                         + QStringList{QStringLiteral("Read DTMF Signal parameters in gear. ")});
    QCOMPARE(bars, (QList<int>{0, 33, 44, 55, 66, 77, 88, 100}));

    for (int row = 656; row <= 687; ++row) {
        for (int c = 0; c < 16; ++c)
            QCOMPARE(static_cast<int>((*image_)(row, c)), radio_->memoryByte(16 * row + c));
    }
    QCOMPARE(static_cast<int>((*image_)(655, 15)), kErased);
    QCOMPARE(static_cast<int>((*image_)(688, 0)), kErased);
    QVERIFY(!engine.busy());
    QVERIFY(!ports_->isOpen(kPort));
    QCOMPARE(static_cast<int>(AddrHi), 0x29);
    QCOMPARE(RxBlock.row(2).address, 0x2900);
    QCOMPARE(RxBlock.row(9).address, 0x2AC0);
}

void TestTransferEngine::dtmfWriteSendsThirtyTwoFramesAndNothingAfterTheLastAck()
{
    for (int row = 656; row <= 687; ++row) {
        for (int c = 0; c < 16; ++c)
            (*image_)(row, c) = static_cast<std::int16_t>((row * 3 + c) & 0xFF);
    }
    TransferEngine engine(DtmfTransferParams(), *image_);
    QStringList labels;
    engine.onDisplayChanged = [&] {
        if (!engine.label().isEmpty() && (labels.isEmpty() || labels.last() != engine.label()))
            labels << engine.label();
    };
    recorder_->onShow = [&](const ShownMessage&) {
        // The message comes before the write-done label.
        QCOMPARE(engine.label(), QStringLiteral("Writing  31  Data Block"));
    };
    engine.startWrite();
    QVERIFY(engine.Writing());
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::WriteDone});
    QCOMPARE(recorder_->takeTexts(),
             QStringList{QStringLiteral("Complete Written DTMF Signal parameters to the transceiver.")});

    const QList<QByteArray> w = writes();
    QCOMPARE(w.size(), 4 + 32);
    const QList<QByteArray> frames = w.mid(4);
    QCOMPARE(frames.first().size(), 20);
    QCOMPARE(Byte(frames.first(), 0), 0x58);
    for (int k = 0; k < 32; ++k) {
        const QByteArray& f = frames.at(k);
        const int at = k == 0 ? 0 : 1;
        QCOMPARE(f.size(), k == 0 ? 20 : 21);
        if (k > 0)
            QCOMPARE(Byte(f, 0), 0x06);
        QCOMPARE(Byte(f, at), 0x58);
        QCOMPARE(Byte(f, at + 1) << 8 | Byte(f, at + 2), 0x2900 + 16 * k);
        for (int c = 0; c < 16; ++c)
            QCOMPARE(Byte(f, at + 4 + c), static_cast<int>((*image_)(656 + k, c)));
    }
    // The 32nd acknowledgement ends it: nothing is sent after the last frame.
    QCOMPARE(w.last(), frames.last());
    clock_->advance(10000);
    QCOMPARE(writes().size(), w.size());

    for (int a = 0x2900; a < 0x2B00; ++a)
        QCOMPARE(radio_->memoryByte(a), static_cast<int>((*image_)(a / 16, a % 16)));
    QCOMPARE(labels.first(), QStringLiteral("Connecting with transceiver. "));
    QCOMPARE(labels.at(1), QStringLiteral("Writing  1  Data Block"));
    QCOMPARE(labels.at(31), QStringLiteral("Writing  31  Data Block"));
    QCOMPARE(labels.last(), QStringLiteral("Complete Written DTMF Signal parameters "));
    QCOMPARE(labels.size(), 33);
    QCOMPARE(engine.progressValue(), 96);
    QVERIFY(!engine.busy());
}

void TestTransferEngine::dtmfTextsInChinese()
{
    LangChinese = 1;
    TransferEngine engine(DtmfTransferParams(), *image_);
    engine.startRead();
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(engine.label(), QStringLiteral("DTMF 信令参数读出正常 ！"));
    engine.startWrite();
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(engine.label(), QStringLiteral("DTMF 信令参数写入完毕 ！"));
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown.at(0).text, QStringLiteral("从对讲机中读取数据完毕 ！"));
    QCOMPARE(shown.at(1).text, QStringLiteral("向对讲机写入 DTMF 信令参数完毕 ！"));
    for (const ShownMessage& m : shown) {
        QCOMPARE(m.title, QStringLiteral("操作提示"));
        QCOMPARE(m.message.title.eng, QStringLiteral("Operate Prompt"));
    }
}

void TestTransferEngine::silentRadioGetsFourLinkOpensThenTheFailure()
{
    radio_->addFault(Fault::Silent, ReplyKind::Any, 0, RadioSimulator::kForever);
    TransferEngine engine(DtmfTransferParams(), *image_);
    qint64 failedAt = -1;
    recorder_->onShow = [&](const ShownMessage&) { failedAt = clock_->nowMs(); };
    engine.startRead();
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::Failed});
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, QStringLiteral("Fail connect with transceiver."));
    QCOMPARE(shown.first().title, QStringLiteral("Operate prompt"));

    const QList<SimPortFactory::Written> log = ports_->writeLog(kPort);
    QCOMPARE(log.size(), 4);
    for (const SimPortFactory::Written& w : log)
        QCOMPARE(w.bytes, LinkOpenBytes());
    // Time-out 1000 ms after the fourth frame, then the 3000 ms delay.
    QCOMPARE(failedAt, log.last().atMs + 1000 + 3000);
    QCOMPARE(log.at(1).atMs - log.at(0).atMs, 1000 + 3000 + 15);
    QVERIFY(engine.progressVisible());
    QCOMPARE(engine.progressValue(), 0);
    QCOMPARE(engine.label(), QStringLiteral("Communication fault."));
    QVERIFY(!engine.busy());
    QVERIFY(!ports_->isOpen(kPort));
}

void TestTransferEngine::refusedPasswordEndsWithoutRetry_data()
{
    QTest::addColumn<bool>("write");
    QTest::newRow("read") << false;
    QTest::newRow("write") << true;
}

void TestTransferEngine::refusedPasswordEndsWithoutRetry()
{
    QFETCH(bool, write);
    radio_->setPasswords("111111", "222222");
    TransferEngine engine(DtmfTransferParams(), *image_);
    write ? engine.startWrite(kPresetPassword) : engine.startRead(kPresetPassword);
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::PasswordRefused});
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, QStringLiteral("PassWord Error, Reading Stop"));
    QCOMPARE(shown.first().title, QStringLiteral("Operate Prompt"));
    QVERIFY(!engine.busy());
    QVERIFY(!ports_->isOpen(kPort));
    clock_->advance(20000);
    // One link-open, the two acknowledgements and the password request; no
    // data frame and no retry.
    QCOMPARE(writes().size(), 4);
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::Write), 0);
    // The bar and label keep what they showed.
    QCOMPARE(engine.label(), QStringLiteral("Connecting with transceiver. "));
    QCOMPARE(static_cast<int>(PassBlock[0]), '1');
}

void TestTransferEngine::passwordOfTheRadio_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("no password, empty box") << QByteArray() << QByteArray("654321") << "" << true;
    QTest::newRow("password 1") << QByteArray("583920") << QByteArray() << "583920" << true;
    QTest::newRow("password 2 only") << QByteArray("583920") << QByteArray("abc") << " abc " << true;
    QTest::newRow("neither") << QByteArray("583920") << QByteArray("abc") << "abd" << false;
}

void TestTransferEngine::passwordOfTheRadio()
{
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    radio_->setPasswords(first, second);
    TransferEngine engine(DtmfTransferParams(), *image_);
    engine.startRead(typed);
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(ends_.first(), accepted ? TransferEnd::ReadDone : TransferEnd::PasswordRefused);
    QCOMPARE(recorder_->count(), 1);
    recorder_->takeAll();
}

void TestTransferEngine::timeoutInMidReadRestartsFromTheLinkOpenFrame()
{
    radio_->addFault(Fault::Silent, ReplyKind::Block, 4);  // the password read is block answer 0
    TransferEngine engine(DtmfTransferParams(), *image_);
    engine.startRead();
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::ReadDone});
    recorder_->takeAll();
    QCOMPARE(LinkOpens(writes()), 2);
    const QList<QByteArray> second = LastAttempt(writes());
    QCOMPARE(second.at(2), ReadRequest(0x3DF0, 0x10, false));
    QCOMPARE(second.at(4), ReadRequest(0x2900, 0x40, false));
    QCOMPARE(second.size(), 4 + 2 * 8);
    for (int a = 0x2900; a < 0x2B00; ++a)
        QCOMPARE(static_cast<int>((*image_)(a / 16, a % 16)), radio_->memoryByte(a));
}

void TestTransferEngine::identityIsShownAndStaysAfterAFailure()
{
    radio_->addFault(Fault::Silent, ReplyKind::Block, 1, RadioSimulator::kForever);
    BandVhfMin = 140;
    BandUhfMax = 450;
    TransferEngine engine(DtmfTransferParams(), *image_);
    engine.startRead();
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::Failed});
    recorder_->takeAll();
    QCOMPARE(StatusBar1.text(8), QStringLiteral(" 136-- 174 MHZ"));
    QCOMPARE(StatusBar1.text(4), QStringLiteral("ABCDEF--GHIJKL--MNOP"));
    QCOMPARE(StatusBar1.text(6), QStringLiteral("12.34.5.6"));
    QCOMPARE(BandVhfMin, 136.0);
    QCOMPARE(BandUhfMax, 470.0);
}

void TestTransferEngine::simulatorFault_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<ReplyKind>("kind");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("linkOpens");
    const int always = RadioSimulator::kForever;
    // Answers to block reads count the password read as answer 0.
    QTest::newRow("wrong signature: ignored, the retry succeeds")
        << Fault::WrongSignature << ReplyKind::Ident << 0 << 1 << false << 2;
    QTest::newRow("wrong terminator: ignored, the retry succeeds")
        << Fault::WrongTerminator << ReplyKind::Ident << 0 << 1 << false << 2;
    QTest::newRow("identification split with a gap") << Fault::SplitReply << ReplyKind::Ident << 0 << 1 << false << 1;
    QTest::newRow("password reply split with a gap") << Fault::SplitReply << ReplyKind::Block << 0 << 1 << false << 1;
    QTest::newRow("every block split with a gap") << Fault::SplitReply << ReplyKind::Block << 1 << always << false << 1;
    QTest::newRow("no leading byte in any read reply")
        << Fault::NoLeadingByte << ReplyKind::Block << 0 << always << false << 1;
    QTest::newRow("no leading byte in a write") << Fault::NoLeadingByte << ReplyKind::Block << 0 << always << true << 1;
    QTest::newRow("wrong acknowledgement: time-out, the retry succeeds")
        << Fault::WrongAck << ReplyKind::WriteAck << 5 << 1 << true << 2;
    QTest::newRow("block later than the time-out") << Fault::LateReply << ReplyKind::Block << 3 << 1 << false << 2;
    QTest::newRow("write ack later than the time-out")
        << Fault::LateReply << ReplyKind::WriteAck << 7 << 1 << true << 2;
    QTest::newRow("silent in mid-write") << Fault::Silent << ReplyKind::WriteAck << 10 << 1 << true << 2;
    QTest::newRow("straggler after the identification, gone before the next frame")
        << Fault::StragglingByte << ReplyKind::Ident << 0 << 1 << false << 1;
    QTest::newRow("straggler after a write ack") << Fault::StragglingByte << ReplyKind::WriteAck << 4 << 1 << true << 1;
}

void TestTransferEngine::simulatorFault()
{
    QFETCH(Fault, fault);
    QFETCH(ReplyKind, kind);
    QFETCH(int, first);
    QFETCH(int, count);
    QFETCH(bool, write);
    QFETCH(int, linkOpens);
    for (int row = 656; row <= 687; ++row) {
        for (int c = 0; c < 16; ++c)
            (*image_)(row, c) = static_cast<std::int16_t>((row + 5 * c) & 0xFF);
    }
    radio_->addFault(fault, kind, first, count);
    TransferEngine engine(DtmfTransferParams(), *image_);
    write ? engine.startWrite() : engine.startRead();
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(ends_, QList<TransferEnd>{write ? TransferEnd::WriteDone : TransferEnd::ReadDone});
    recorder_->takeAll();
    QCOMPARE(LinkOpens(writes()), linkOpens);
    for (int a = 0x2900; a < 0x2B00; ++a)
        QCOMPARE(static_cast<int>((*image_)(a / 16, a % 16)), radio_->memoryByte(a));
}

void TestTransferEngine::passwordReplyWithItsMarkOutOfPlaceIsNotTaken_data()
{
    QTest::addColumn<int>("noise");
    // The 0x58 at index 2 (two bytes before it) or at index 10: the reply
    // does not count, no 0x06 follows, the time-out and the retry decide.
    QTest::newRow("0x58 at index 2") << 1;
    QTest::newRow("0x58 at index 10") << 9;
}

void TestTransferEngine::passwordReplyWithItsMarkOutOfPlaceIsNotTaken()
{
    QFETCH(int, noise);
    radio_->setPasswords("111111", "");  // were it taken, this block would refuse the typed password
    radio_->addFault(Fault::LeadingNoise, ReplyKind::Block, 0, RadioSimulator::kForever, noise);
    TransferEngine engine(DtmfTransferParams(), *image_);
    engine.startRead(kPresetPassword);
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::Failed});
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Fail connect with transceiver.")});
    QCOMPARE(LinkOpens(writes()), 4);
    // Each attempt: link-open, 0x06, the password request, and nothing more.
    QCOMPARE(writes().size(), 4 * 3);
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::Read), 4);
}

void TestTransferEngine::straggling_byte_does_not_shift_next_block_data()
{
    QTest::addColumn<int>("gapMs");
    QTest::addColumn<int>("linkOpens");
    // 30 ms after the reply to block 2 the extra byte arrives after the
    // request for block 3 went out, in front of its reply. Taken wherever
    // its 0x58 stood, that block and every later one would have been a byte
    // off; here the reply does not count and the retry reads the range again.
    QTest::newRow("in front of the next reply: a retry") << 30 << 2;
    // Before the next frame goes out it is thrown away with the input.
    QTest::newRow("before the next frame: discarded") << 5 << 1;
}

void TestTransferEngine::straggling_byte_does_not_shift_next_block()
{
    QFETCH(int, gapMs);
    QFETCH(int, linkOpens);
    radio_->addFault(Fault::StragglingByte, ReplyKind::Block, 3, 1, gapMs);
    TransferEngine engine(DtmfTransferParams(), *image_);
    engine.startRead();
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::ReadDone});
    recorder_->takeAll();
    QCOMPARE(LinkOpens(writes()), linkOpens);
    for (int a = 0x2900; a < 0x2B00; ++a)
        QCOMPARE(static_cast<int>((*image_)(a / 16, a % 16)), radio_->memoryByte(a));
}

void TestTransferEngine::ack_arriving_with_other_bytes_is_not_waited_for_again()
{
    // With no wire time, a straggler after the ack of frame 4 and the ack of
    // frame 5 come off the line in one receive event. Read one byte per event,
    // the 0x06 would have waited for an event that never comes.
    ports_->attach(kPort, *radio_, 0);
    radio_->addFault(Fault::StragglingByte, ReplyKind::WriteAck, 4, 1, 20);
    TransferEngine engine(DtmfTransferParams(), *image_);
    engine.startWrite();
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::WriteDone});
    recorder_->takeAll();
    QCOMPARE(LinkOpens(writes()), 1);
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::Write), 32);
}

void TestTransferEngine::answerArrivingBeforeItsFrameIsOutIsNotTaken_data()
{
    // The bytes come when the program has made this many writes.
    QTest::addColumn<int>("writesBefore");
    QTest::addColumn<QByteArray>("stray");
    QTest::newRow("identification reply before the link-open frame") << 0 << RadioSimulator().identReply();
    QTest::newRow("password block before its request")
        << 2 << StrayReply(PassBlockAddr, QByteArray(kPassBlockBytes, ' '));
    // The reply to block 0 has been acknowledged; the request for block 1
    // goes out 15 ms later.
    QTest::newRow("next block before its request") << 6 << StrayBlock(0x2940);
}

void TestTransferEngine::answerArrivingBeforeItsFrameIsOutIsNotTaken()
{
    QFETCH(int, writesBefore);
    QFETCH(QByteArray, stray);
    TransferEngine engine(DtmfTransferParams(), *image_);
    engine.startRead();
    QVERIFY(clock_->advanceUntil([&] { return writes().size() >= writesBefore; }, 10000));
    QCOMPARE(writes().size(), writesBefore);
    ports_->inject(kPort, stray);
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::ReadDone});
    recorder_->takeAll();
    // One attempt, in which every frame went out and was answered.
    QCOMPARE(LinkOpens(writes()), 1);
    QList<int> reads;
    for (const RadioSimulator::Heard& h : radio_->heard) {
        if (h.kind == RadioSimulator::Heard::Read)
            reads << h.address;
    }
    QList<int> expected{PassBlockAddr};
    for (int a = 0x2900; a < 0x2B00; a += kBlockBytes)
        expected << a;
    QCOMPARE(reads, expected);
    QCOMPARE(radio_->heard.first().kind, RadioSimulator::Heard::LinkOpen);
}

void TestTransferEngine::writeThatFailsEndsTheAttempt_data()
{
    // The write that fails is the one after this many.
    QTest::addColumn<int>("writesBefore");
    // Bytes that come after it, looking like its answer.
    QTest::addColumn<QByteArray>("stray");
    QTest::newRow("acknowledgement of the identification") << 1 << QByteArray();
    QTest::newRow("acknowledgement of the password block") << 3 << QByteArray();
    QTest::newRow("acknowledgement of a block") << 5 << QByteArray();
    QTest::newRow("request for the next block, its reply from nowhere") << 6 << StrayBlock(0x2940);
}

void TestTransferEngine::writeThatFailsEndsTheAttempt()
{
    QFETCH(int, writesBefore);
    QFETCH(QByteArray, stray);
    TransferEngine engine(DtmfTransferParams(), *image_);
    engine.startRead();
    QVERIFY(clock_->advanceUntil([&] { return writes().size() >= writesBefore; }, 10000));
    ports_->failWrites(kPort, true);
    QVERIFY(clock_->advanceUntil([&] { return ports_->failedWrites(kPort) > 0; }, 10000));
    ports_->failWrites(kPort, false);
    QCOMPARE(writes().size(), writesBefore);
    if (!stray.isEmpty())
        ports_->inject(kPort, stray);
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::ReadDone});
    recorder_->takeAll();
    // Nothing more went out in that attempt: the time-out ended it and the
    // next one read the range, each request after an acknowledgement.
    QCOMPARE(ports_->opens(kPort), 2);
    for (qsizetype i = 1; i < radio_->heard.size(); ++i) {
        if (radio_->heard.at(i).kind == RadioSimulator::Heard::Read)
            QCOMPARE(radio_->heard.at(i - 1).kind, RadioSimulator::Heard::Ack);
    }
    for (int a = 0x2900; a < 0x2B00; ++a)
        QCOMPARE(static_cast<int>((*image_)(a / 16, a % 16)), radio_->memoryByte(a));
}

void TestTransferEngine::failedReadLeavesTheImageAlone()
{
    radio_->addFault(Fault::Silent, ReplyKind::Block, 5, RadioSimulator::kForever);
    const MemoryImage before = *image_;
    TransferEngine engine(DtmfTransferParams(), *image_);
    engine.startRead();
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::Failed});
    recorder_->takeAll();
    QVERIFY(*image_ == before);
    QCOMPARE(LinkOpens(writes()), 4);
}

void TestTransferEngine::busyWindowRefusesAndTheTransferGoesOn()
{
    TransferEngine engine(DtmfTransferParams(), *image_);
    engine.startRead();
    clock_->advance(200);
    QVERIFY(engine.Reading());
    const QString label = engine.label();
    engine.startWrite();
    engine.startRead();
    QCOMPARE(recorder_->takeTexts(), QStringList(2, QStringLiteral("Read-write operating with transceiver .")));
    QVERIFY(engine.Reading());
    QCOMPARE(engine.label(), label);
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::ReadDone});
    recorder_->takeAll();
    QCOMPARE(LinkOpens(writes()), 1);
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::Write), 0);
}

void TestTransferEngine::startDuringTheRetryDelayCancelsThePendingRetry()
{
    radio_->addFault(Fault::Silent, ReplyKind::Ident, 0, 1);
    TransferEngine engine(DtmfTransferParams(), *image_);
    engine.startRead();
    // Past the time-out, inside the 3000 ms delay: the window is not busy.
    clock_->advance(1500);
    QVERIFY(!engine.busy());
    engine.startWrite();
    QVERIFY(engine.Writing());
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::WriteDone});
    recorder_->takeAll();
    // The pending read retry never ran: one link-open for the read, one for
    // the write, and nothing after the write ended.
    clock_->advance(20000);
    QCOMPARE(LinkOpens(writes()), 2);
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::Read), 1);
    QCOMPARE(recorder_->count(), 0);
    QVERIFY(!engine.busy());
}

void TestTransferEngine::writeIsBusyThroughItsRetryDelay()
{
    // A write waiting for its next attempt is not over: the window's buttons
    // (Read, Write, Default, Clear, Open, Close) refuse, so the retry sends
    // what the press sent and the write ends with its own word.
    radio_->addFault(Fault::Silent, ReplyKind::Ident, 0, 1);
    TransferEngine engine(DtmfTransferParams(), *image_);
    engine.startWrite();
    clock_->advance(1500);  // past the time-out, inside the 3000 ms delay
    QVERIFY(!engine.Writing());
    QVERIFY(engine.busy());
    QVERIFY(engine.refuseIfBusy());
    engine.startRead();
    engine.startWrite();
    QCOMPARE(recorder_->takeTexts(), QStringList(3, QStringLiteral("Read-write operating with transceiver .")));
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::WriteDone});
    recorder_->takeAll();
    QCOMPARE(LinkOpens(writes()), 2);
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::Read), 1);  // the password block only
    QVERIFY(!engine.busy());
}

void TestTransferEngine::lastRetryDelayRefusesStartsOnlyForAWrite_data()
{
    // Read and Write pressed after the last attempt of a transfer went
    // unanswered, while its failure waits to be reported.
    QTest::addColumn<bool>("write");  // the transfer that failed
    QTest::addColumn<QStringList>("pressed");
    QTest::addColumn<TransferEnd>("end");
    QTest::addColumn<QStringList>("reported");
    QTest::addColumn<int>("linkOpens");
    const QString busy = QStringLiteral("Read-write operating with transceiver .");
    // The radio may be half written: the write is busy until its failure
    // has been reported, and it is.
    QTest::newRow("write: refused, its failure reported")
        << true << QStringList(2, busy) << TransferEnd::Failed
        << QStringList{QStringLiteral("Fail connect with transceiver.")} << 4;
    // A read's failure changes nothing: the new write replaces its report
    // (and the Read after it is refused while the write runs).
    QTest::newRow("read: gives way to the new write")
        << false << QStringList{busy} << TransferEnd::WriteDone
        << QStringList{QStringLiteral("Complete Written DTMF Signal parameters to the transceiver.")} << 5;
}

void TestTransferEngine::lastRetryDelayRefusesStartsOnlyForAWrite()
{
    QFETCH(bool, write);
    QFETCH(QStringList, pressed);
    QFETCH(TransferEnd, end);
    QFETCH(QStringList, reported);
    QFETCH(int, linkOpens);
    radio_->addFault(Fault::Silent, ReplyKind::Ident, 0, 1 + kEditorRetries);
    TransferEngine engine(DtmfTransferParams(), *image_);
    if (write)
        engine.startWrite();
    else
        engine.startRead();
    // The last attempt has timed out: the port is closed for the last delay.
    QVERIFY(clock_->advanceUntil(
        [&] { return LinkOpens(writes()) == 1 + kEditorRetries && !ports_->isOpen(kPort); }, kLongEnough));
    QVERIFY(!engine.Writing() && !engine.Reading());
    QCOMPARE(engine.busy(), write);
    engine.startWrite();
    QCOMPARE(engine.Writing(), !write);
    engine.startRead();
    QCOMPARE(recorder_->takeTexts(), pressed);
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(recorder_->takeTexts(), reported);
    // Nothing else follows: one end, one report.
    clock_->advance(20000);
    QCOMPARE(recorder_->count(), 0);
    QCOMPARE(ends_, QList<TransferEnd>{end});
    QCOMPARE(LinkOpens(writes()), linkOpens);
    QVERIFY(!engine.busy());
}

void TestTransferEngine::failedWriteToThePortIsALostReply()
{
    ports_->failWrites(kPort, true);
    TransferEngine engine(DtmfTransferParams(), *image_);
    engine.startRead();
    QVERIFY(engine.Reading());
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::Failed});
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Fail connect with transceiver.")});
    QCOMPARE(ports_->opens(kPort), 4);
    QVERIFY(!engine.busy());
}

void TestTransferEngine::pulledCableEndsWithThePortMessage()
{
    TransferEngine engine(DtmfTransferParams(), *image_);
    engine.startRead();
    QVERIFY(clock_->advanceUntil([&] { return radio_->answered(ReplyKind::Block) >= 3; }, 10000));
    const QString label = engine.label();
    ports_->pullCable(kPort);
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::PortFailed});
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, QStringLiteral("Communication Port Open Error ！"));
    QCOMPARE(shown.first().title, QStringLiteral("Operate Prompt"));
    QCOMPARE(PortError, -1);
    QVERIFY(!engine.busy());
    QCOMPARE(engine.label(), label);
    // Nothing is left running.
    clock_->advance(30000);
    QCOMPARE(recorder_->count(), 0);
    QCOMPARE(ends_.size(), 1);
}

void TestTransferEngine::portThatDoesNotOpenStartsNothing()
{
    CommPortNo = 9;  // no such cable
    TransferParams p = DtmfTransferParams();
    p.portError = PortErrorVariant::Long;
    TransferEngine engine(p, *image_);
    engine.startRead();
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text,
             QStringLiteral("Communication port is error, please setting right communication port . ！"));
    QCOMPARE(shown.first().title, QStringLiteral("Operate prompt"));
    QCOMPARE(PortError, -1);
    QVERIFY(!engine.busy());
    QVERIFY(!engine.progressVisible());
    QVERIFY(engine.label().isEmpty());
    clock_->advance(20000);
    QCOMPARE(recorder_->count(), 0);
}

void TestTransferEngine::labelAfterTheBoxDoesNotOverwriteANewTransfer()
{
    // A read whose label follows its message (the dialogs): a new read
    // started while the box is open keeps its own label.
    TransferParams p = DtmfTransferParams();
    p.readDoneLabelFirst = false;
    p.readDoneFillsBar = false;
    TransferEngine engine(p, *image_);
    bool again = true;
    recorder_->onShow = [&](const ShownMessage&) {
        if (again) {
            again = false;
            engine.startRead();
        }
    };
    engine.startRead();
    QVERIFY(runToEnd(engine, kLongEnough));
    QVERIFY(engine.Reading());
    QCOMPARE(engine.label(), QStringLiteral("Connecting with transceiver. "));
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(engine.label(), DtmfText::ReadDoneLabel.eng);
    QCOMPARE(recorder_->takeTexts().size(), 2);
}

void TestTransferEngine::destroyingTheEngineEndsTheTransfer()
{
    auto engine = std::make_unique<TransferEngine>(DtmfTransferParams(), *image_);
    engine->startRead();
    clock_->advance(300);
    QVERIFY(ports_->isOpen(kPort));
    engine.reset();
    QVERIFY(!ports_->isOpen(kPort));
    const qsizetype sent = writes().size();
    clock_->advance(20000);
    QCOMPARE(writes().size(), sent);
}

void TestTransferEngine::wholeImageReadAsksForAddressZeroTwice()
{
    const TransferParams p = WholeReadParams();
    TransferEngine engine(p, *image_);
    QStringList labels;
    engine.onDisplayChanged = [&] {
        if (!engine.label().isEmpty() && (labels.isEmpty() || labels.last() != engine.label()))
            labels << engine.label();
    };
    recorder_->onShow = [&](const ShownMessage&) {
        QCOMPARE(engine.label(), QStringLiteral("Reading 200 Data Block"));
        QCOMPARE(engine.progressValue(), 99);
    };
    engine.startRead();
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::ReadDone});
    recorder_->takeAll();

    const QList<QByteArray> w = writes();
    // No lone 0x06 after the password reply: the first request carries it.
    QCOMPARE(w.at(2), ReadRequest(0x3DF0, 0x10, false));
    QCOMPARE(w.at(3), ReadRequest(0x0000, 0x40, true));
    QCOMPARE(w.at(5), ReadRequest(0x0000, 0x40, false));
    QCOMPARE(w.at(7), ReadRequest(0x0040, 0x40, false));
    int requests = 0;
    for (const QByteArray& frame : w)
        requests += frame.contains('\x53') && frame.size() >= 4 && frame.endsWith('\x40') ? 1 : 0;
    QCOMPARE(requests, 201);
    QCOMPARE(w.last(), AckByte());
    QCOMPARE(w.at(w.size() - 2), ReadRequest(0x31C0, 0x40, false));
    QCOMPARE(labels.at(1), QStringLiteral("Reading 1 Data Block"));
    QCOMPARE(labels.last(), QStringLiteral("Read Data is Ok ！"));
    QCOMPARE(engine.progressValue(), 99);
    for (int a = 0; a < 0x3140; ++a)
        QCOMPARE(static_cast<int>((*image_)(a / 16, a % 16)), radio_->memoryByte(a));
    QCOMPARE(static_cast<int>((*image_)(788, 0)), kErased);
}

void TestTransferEngine::channelTransferAlternatesMainAndNameBlocks()
{
    TransferParams p;
    p.readBlocks = 51;
    p.writeFrames = 200;
    p.firstReplyRow = 1;
    p.secondRangeOffset = 0x1000;
    p.kept = {{false, 1, 50, Area::Chann.firstRow()}, {true, 2, 50, Area::ChannName.firstRow()}};
    p.writeRetries = 1;
    p.retryDelayMs = 1500;
    p.writeLabelOffset = -1;
    p.readDoneFillsBar = false;
    p.readDoneLabelFirst = false;
    p.failure = FailureReport::MessagePanel;
    p.writeLabel = [](int n) {
        return BiText{QStringLiteral("正在写入  %1  信道").arg(n), QStringLiteral("Writeing  %1  Channel").arg(n)};
    };
    TransferEngine engine(p, *image_);

    engine.startRead();
    QVERIFY(runToEnd(engine, kLongEnough));
    recorder_->takeAll();
    const QList<RadioSimulator::Heard>& heard = radio_->heard;
    QList<int> blocks;
    for (const RadioSimulator::Heard& h : heard) {
        if (h.kind == RadioSimulator::Heard::Read && h.length == 0x40)
            blocks << h.address;
    }
    QCOMPARE(blocks.size(), 102);
    QCOMPARE(blocks.mid(0, 4), (QList<int>{0x0000, 0x1000, 0x0040, 0x1040}));
    QCOMPARE(blocks.mid(100), (QList<int>{0x0C80, 0x1C80}));
    QCOMPARE(RxBlock.row(1).address, 0x0000);
    QCOMPARE(RxBlock2.row(2).address, 0x1000);
    QCOMPARE(RxBlock2.row(52).address, 0x1C80);
    QCOMPARE(static_cast<int>((*image_)(199, 15)), radio_->memoryByte(0x0C7F));
    QCOMPARE(static_cast<int>((*image_)(256, 0)), radio_->memoryByte(0x1000));
    QCOMPARE(static_cast<int>((*image_)(455, 15)), radio_->memoryByte(0x1C7F));
    QCOMPARE(static_cast<int>((*image_)(200, 0)), kErased);
    QCOMPARE(static_cast<int>((*image_)(456, 0)), kErased);
    QCOMPARE(engine.label(), QString());  // this test gave no read-done label
    QCOMPARE(engine.progressValue(), 100);
    QCOMPARE(WritePhase, 0);

    ports_->clearWrites(kPort);
    engine.startWrite();
    QVERIFY(runToEnd(engine, kLongEnough));
    recorder_->takeAll();
    const QList<QByteArray> frames = writes().mid(4);
    QCOMPARE(frames.size(), 402);
    QCOMPARE(frames.first().size(), 20);
    QCOMPARE(Byte(frames.at(1), 2) << 8 | Byte(frames.at(1), 3), 0x1000);
    QCOMPARE(Byte(frames.at(400), 2) << 8 | Byte(frames.at(400), 3), 0x0C80);
    QCOMPARE(Byte(frames.at(401), 2) << 8 | Byte(frames.at(401), 3), 0x1C80);
    for (int c = 0; c < 16; ++c)
        QCOMPARE(Byte(frames.at(401), 5 + c), static_cast<int>((*image_)(456, c)));
    QCOMPARE(engine.progressValue(), 100);
}

void TestTransferEngine::alignmentTransferHasNoPasswordStage()
{
    AdjTable adj;
    for (int c = 0; c < kAdjCols; ++c)
        adj(AdjLimitRow, c) = static_cast<std::int16_t>(c + 1);
    TransferParams p;
    p.readStart = AdjLimitsBlockAddr;
    p.writeStart = AdjLimitsAddr;
    p.readBlocks = 1;
    p.writeFrames = 1;
    p.passwordStage = false;
    p.retryDelayMs = 2000;
    p.writeFillsBarAtFirstFrame = true;
    p.failure = FailureReport::PanelOnly;
    p.writeData = [&](int) {
        FrameData data{};
        for (int c = 0; c < kWriteBytes; ++c)
            data[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(adj(AdjLimitRow, c));
        return data;
    };
    TransferEngine engine(p, *image_);

    engine.startRead();
    QVERIFY(runToEnd(engine, kLongEnough));
    recorder_->takeAll();
    QCOMPARE(writes().size(), 3);
    QCOMPARE(writes().at(1), ReadRequest(0x3C80, 0x40, true));
    QCOMPARE(writes().at(2), AckByte());
    QCOMPARE(RxBlock.row(2).data().mid(16, 17), radio_->memoryRange(0x3C90, 17));

    ports_->clearWrites(kPort);
    int barAtSend = -1;
    engine.onDisplayChanged = [&] {
        if (barAtSend < 0 && engine.progressValue() == 100)
            barAtSend = radio_->heardCount(RadioSimulator::Heard::Write);
    };
    engine.startWrite();
    QVERIFY(runToEnd(engine, kLongEnough));
    recorder_->takeAll();
    QCOMPARE(barAtSend, 0);  // at 100 before the frame reached the radio
    QCOMPARE(writes().size(), 2);
    QCOMPARE(writes().at(1).size(), 21);
    QCOMPARE(writes().at(1).left(5), QByteArray("\x06\x58\x3C\x90\x10", 5));
    QCOMPARE(radio_->memoryRange(0x3C90, 16), writes().at(1).mid(5));

    radio_->addFault(Fault::Silent, ReplyKind::Any, 0, RadioSimulator::kForever);
    engine.startRead();
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(ends_.last(), TransferEnd::Failed);
    QCOMPARE(recorder_->count(), 0);  // no message box
    QCOMPARE(StatusBar1.text(2), QStringLiteral("Communication fault."));
}

void TestTransferEngine::wholeImageWriteFailureHidesTheBar()
{
    radio_->addFault(Fault::Silent, ReplyKind::Any, 0, RadioSimulator::kForever);
    TransferEngine engine(WholeWriteParams(), *image_);
    recorder_->onShow = [&](const ShownMessage&) {
        QVERIFY(!engine.progressVisible());
        QCOMPARE(engine.label(), QString());
    };
    engine.startWrite();
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Fail connect with transceiver.")});
    QCOMPARE(LinkOpens(writes()), 1);
    QCOMPARE(engine.label(), QStringLiteral("Communication fault."));
    QVERIFY(!engine.progressVisible());
}

QTEST_GUILESS_MAIN(TestTransferEngine)
#include "tst_transfer_engine.moc"
