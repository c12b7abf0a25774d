// The alignment editor's transfer of the band-limit row against the radio
// simulator, in process and on virtual time: the engine with the editor's
// own parameters and Adj_FromBlock, without the window.

#include "alignment/adj_link.h"
#include "core/adjust_defaults.h"
#include "core/status_panels.h"
#include "core/tone_list.h"
#include "link/link_state.h"
#include "support/image_bytes.h"
#include "support/sim_link_fixture.h"

#include <QtTest>

namespace {

constexpr int kPort = 5;
constexpr qint64 kLongEnough = 60000;
constexpr int kAttempts = 4;  // the first and its three restarts

// The radio's band limits at 0x3C90, four other bytes and the one after.
const QByteArray kRadioRow = QByteArray::fromHex("010306010704040000040800A1B2C3D4");
constexpr char kAfterRow = '\x5E';

Bytes BytesOf(const QByteArray& bytes)
{
    Bytes values;
    for (const char b : bytes)
        values << static_cast<std::uint8_t>(b);
    return values;
}

}  // namespace

Q_DECLARE_METATYPE(Fault)
Q_DECLARE_METATYPE(ReplyKind)

class TestAdjLink : public QObject, private SimLinkFixture {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void read_takes_the_seventeen_bytes_after_the_identification();
    void write_sends_row_9_in_one_frame();
    void silent_radio_four_attempts_then_the_failure();
    void failures_data();
    void failures();
    void faults_overcome_data();
    void faults_overcome();
    void read_during_the_retry_delay_is_a_fresh_transfer();
    void buttons_during_a_transfer_are_refused();
    void write_refusal_data();
    void write_refusal();
    void texts_in_chinese();

private:
    TransferEngine& engine();
    QList<QByteArray> writes() const { return ports_->writes(kPort); }

    AdjTable table_;
    std::unique_ptr<TransferEngine> engine_;
    int shown_ = 0;  // the after-read routine ran
    QStringList order_;
};

void TestAdjLink::initTestCase()
{
    InitToneTables();
    BuildLinkOpenFrame();
}

void TestAdjLink::init()
{
    setUpRadio(kPort);
    LangChinese = 0;
    StatusBar1.clear();
    radio_->memory.replace(AdjLimitsAddr, kRadioRow.size(), kRadioRow);
    radio_->memory[AdjLimitsAddr + kWriteBytes] = kAfterRow;
    AdjTable defaults;
    Adjust_Defaults(defaults);
    table_ = AdjTable{};
    CopyAdjDefaults(table_, defaults);
    shown_ = 0;
    order_.clear();
    engine_.reset();
}

void TestAdjLink::cleanup()
{
    engine_.reset();
    tearDownRadio();
}

TransferEngine& TestAdjLink::engine()
{
    if (!engine_) {
        engine_ = std::make_unique<TransferEngine>(AdjTransferParams(
                                                       [this] {
                                                           QVERIFY(!engine_->busy());
                                                           QVERIFY(!engine_->portOpen());
                                                           Adj_FromBlock(RxBlock.row(kAdjReplyRow), table_);
                                                           ++shown_;
                                                           order_ << QStringLiteral("shown");
                                                       },
                                                       table_),
                                                   *image_);
        engine_->onDisplayChanged = [this] {
            order_ << QStringLiteral("bar %1 %2").arg(engine_->progressValue()).arg(engine_->label());
        };
        recorder_->onShow = [this](const ShownMessage& m) { order_ << m.text; };
    }
    return *engine_;
}

void TestAdjLink::read_takes_the_seventeen_bytes_after_the_identification()
{
    const MemoryImage untouched = *image_;
    engine().startRead();
    QVERIFY(runToEnd(engine(), kLongEnough));
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::ReadDone});
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, QStringLiteral("Complete reading the data from transceiver."));
    QCOMPARE(shown.first().title, QStringLiteral("Operate Prompt"));

    // No password stage: the read request carries the acknowledgement.
    QCOMPARE(writes(), (QList<QByteArray>{LinkOpenBytes(), QByteArray::fromHex("06533C8040"), AckByte()}));
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::Read), 1);
    QCOMPARE(AdjCells(table_, AdjLimitRow), BytesOf(kRadioRow + kAfterRow));
    QCOMPARE(shown_, 1);
    // Port closed and row 9 filled, then the bar full, the label, the message.
    QCOMPARE(
        order_.mid(order_.indexOf(QStringLiteral("shown"))),
        (QStringList{"shown", "bar 100 Connecting with transceiver. ", "bar 100 Read optional parameters in gear. ",
                     "Complete reading the data from transceiver."}));
    QVERIFY(*image_ == untouched);
    QVERIFY(!ports_->isOpen(kPort));
}

void TestAdjLink::write_sends_row_9_in_one_frame()
{
    for (int c = 0; c < kAdjCols; ++c)
        table_(AdjLimitRow, c) = static_cast<std::int16_t>(c + 0x20);
    int heardAtFullBar = -1;
    engine().onDisplayChanged = [&] {
        if (heardAtFullBar < 0 && engine_->progressValue() == 100)
            heardAtFullBar = radio_->heardCount(RadioSimulator::Heard::Write);
        order_ << QStringLiteral("label %1").arg(engine_->label());
    };
    engine().startWrite();
    QVERIFY(runToEnd(engine(), kLongEnough));
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::WriteDone});
    QCOMPARE(recorder_->takeTexts(), QStringList{"Complete writing optional parameters to the transceiver."});
    QCOMPARE(heardAtFullBar, 0);  // full as the frame is handed to the sender
    QCOMPARE(writes().size(), 2);
    const QByteArray frame = writes().at(1);
    QCOMPARE(frame.left(5), QByteArray::fromHex("06583C9010"));
    QCOMPARE(BytesOf(frame.mid(5)), AdjCells(table_, AdjLimitRow, 0, 16));  // column 16 is never sent
    QCOMPARE(radio_->memoryRange(AdjLimitsAddr, 16), frame.mid(5));
    QCOMPARE(radio_->memoryByte(AdjLimitsAddr + 16), static_cast<int>(static_cast<std::uint8_t>(kAfterRow)));
    QCOMPARE(order_.last(), QStringLiteral("label Complete writing optional parameters "));
    QCOMPARE(order_.at(order_.size() - 2), QStringLiteral("Complete writing optional parameters to the transceiver."));
    QCOMPARE(engine().progressValue(), 100);
}

void TestAdjLink::silent_radio_four_attempts_then_the_failure()
{
    radio_->addFault(Fault::Silent, ReplyKind::Any, 0, RadioSimulator::kForever);
    qint64 failedAt = -1;
    engine();
    recorder_->onShow = [&](const ShownMessage&) { failedAt = clock_->nowMs(); };
    engine().startRead();
    QVERIFY(runToEnd(engine(), kLongEnough));
    QCOMPARE(recorder_->takeTexts(), QStringList{"Fail connect with transceiver."});
    const QList<SimPortFactory::Written> log = ports_->writeLog(kPort);
    QCOMPARE(log.size(), 4);
    for (int i = 0; i < log.size(); ++i) {
        QCOMPARE(log.at(i).bytes, LinkOpenBytes());
        if (i > 0)  // the 1000 ms time-out, the 2000 ms delay, the sender's 15 ms
            QCOMPARE(log.at(i).atMs - log.at(i - 1).atMs, 1000 + 2000 + 15);
    }
    QCOMPARE(failedAt, log.last().atMs + 1000 + 2000);
}

void TestAdjLink::failures_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<ReplyKind>("kind");
    QTest::addColumn<int>("param");
    QTest::newRow("silent radio, read") << false << Fault::Silent << ReplyKind::Any << 0;
    QTest::newRow("silent radio, write") << true << Fault::Silent << ReplyKind::Any << 0;
    QTest::newRow("write answered by 0x15: the bar at 0, not 100")
        << true << Fault::WrongAck << ReplyKind::WriteAck << 0;
    QTest::newRow("reply whose 0x58 stands at index 2: never taken")
        << false << Fault::LeadingNoise << ReplyKind::Block << 1;
    QTest::newRow("wrong model signature every time: no frame sent")
        << false << Fault::WrongSignature << ReplyKind::Ident << 0;
}

void TestAdjLink::failures()
{
    QFETCH(bool, write);
    QFETCH(Fault, fault);
    QFETCH(ReplyKind, kind);
    QFETCH(int, param);
    radio_->addFault(fault, kind, 0, kAttempts, param);
    const AdjTable before = table_;
    write ? engine().startWrite() : engine().startRead();
    QVERIFY(runToEnd(engine(), kLongEnough));
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::Failed});
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);  // no completion message
    QCOMPARE(shown.first().text, QStringLiteral("Fail connect with transceiver."));
    QCOMPARE(shown.first().title, QStringLiteral("Operate prompt"));
    QCOMPARE(engine().progressValue(), 0);
    QCOMPARE(engine().label(), QStringLiteral("Communication fault."));
    QCOMPARE(StatusBar1.text(2), QStringLiteral("Communication fault."));
    QVERIFY(table_ == before);
    QCOMPARE(shown_, 0);
    QVERIFY(!engine().busy());
    QVERIFY(!ports_->isOpen(kPort));
    if (fault == Fault::WrongSignature)
        QCOMPARE(radio_->heardCount(RadioSimulator::Heard::Read) + radio_->heardCount(RadioSimulator::Heard::Write), 0);

    // Idle again: the next read works (the faults were for four attempts).
    ends_.clear();
    engine().startRead();
    QVERIFY(runToEnd(engine(), kLongEnough));
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::ReadDone});
    recorder_->takeAll();
    QCOMPARE(AdjCells(table_, AdjLimitRow), BytesOf(radio_->memoryRange(AdjLimitsAddr, kAdjCellsRead)));
}

void TestAdjLink::faults_overcome_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<ReplyKind>("kind");
    QTest::addColumn<int>("linkOpens");
    QTest::newRow("reply without its leading byte: the same row 9") << Fault::NoLeadingByte << ReplyKind::Block << 1;
    QTest::newRow("wrong model signature once: no frame, a restart") << Fault::WrongSignature << ReplyKind::Ident << 2;
    QTest::newRow("reply behind noise once: a restart") << Fault::LeadingNoise << ReplyKind::Block << 2;
}

void TestAdjLink::faults_overcome()
{
    QFETCH(Fault, fault);
    QFETCH(ReplyKind, kind);
    QFETCH(int, linkOpens);
    radio_->addFault(fault, kind, 0, 1);
    engine().startRead();
    QVERIFY(runToEnd(engine(), kLongEnough));
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::ReadDone});
    recorder_->takeAll();
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::LinkOpen), linkOpens);
    // A wrong signature gets no frame: one read request in all.
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::Read), fault == Fault::WrongSignature ? 1 : linkOpens);
    QCOMPARE(AdjCells(table_, AdjLimitRow), BytesOf(kRadioRow + kAfterRow));
}

void TestAdjLink::read_during_the_retry_delay_is_a_fresh_transfer()
{
    radio_->addFault(Fault::Silent, ReplyKind::Ident, 0, 1);
    engine().startRead();
    clock_->advance(1500);  // past the time-out, inside the delay: not busy
    QVERIFY(!engine().busy());
    engine().startRead();
    QVERIFY(engine().Reading());
    QVERIFY(runToEnd(engine(), kLongEnough));
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::ReadDone});
    recorder_->takeAll();
    clock_->advance(20000);  // the old restart never acts
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::LinkOpen), 2);
    QCOMPARE(recorder_->count(), 0);
    QVERIFY(!engine().busy());
}

void TestAdjLink::buttons_during_a_transfer_are_refused()
{
    engine().startRead();
    clock_->advance(20);  // the link-open frame is out
    QVERIFY(engine().Reading());
    engine().startRead();
    engine().startWrite();
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 2);
    for (const ShownMessage& m : shown) {
        QCOMPARE(m.text, QStringLiteral("Read-write operating with transceiver ."));
        QCOMPARE(m.title, QStringLiteral("Operate prompt"));
    }
    QVERIFY(runToEnd(engine(), kLongEnough));
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::ReadDone});
    recorder_->takeAll();
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::LinkOpen), 1);
}

void TestAdjLink::write_refusal_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("refused");
    QTest::newRow("256 in a digit cell") << 4 << 256 << true;
    QTest::newRow("negative in a carried cell") << 15 << -1 << true;
    QTest::newRow("255 is a byte") << 0 << 255 << false;
    QTest::newRow("column 16 is never sent") << 16 << 999 << false;
}

void TestAdjLink::write_refusal()
{
    QFETCH(int, col);
    QFETCH(int, value);
    QFETCH(bool, refused);
    table_(AdjLimitRow, col) = static_cast<std::int16_t>(value);
    const std::optional<Message> refusal = AdjWriteRefusal(table_);
    QCOMPARE(refusal.has_value(), refused);
    if (refusal) {
        QCOMPARE(refusal->text.text(),
                 QStringLiteral("The band limits hold a value out of 0..255, nothing is written to the transceiver."));
        QCOMPARE(refusal->title.text(), QStringLiteral("Operate Prompt"));
    }
}

void TestAdjLink::texts_in_chinese()
{
    LangChinese = 1;
    QCOMPARE(AdjLinkText::ReadDoneLabel.text(), QStringLiteral("调整参数读出正常 ！"));
    QCOMPARE(AdjLinkText::ReadDoneMessage.text.text(), QStringLiteral("从对讲机中读取调整数据完毕 ！"));
    QCOMPARE(AdjLinkText::WriteDoneMessage.text.text(), QStringLiteral("调整参数写入完毕 ！"));
    QCOMPARE(AdjLinkText::WriteDoneLabel.text(), QStringLiteral("调整参数写入完毕 ！"));
    QCOMPARE(AdjLinkText::NotBytes().text.text(),
             QStringLiteral("频率范围限制含有超出 0..255 的数值，未向对讲机写入数据 ！"));
    QCOMPARE(AdjLinkText::ReadDoneMessage.title.text(), QStringLiteral("操作提示"));
    radio_->addFault(Fault::Silent, ReplyKind::Any, 0, RadioSimulator::kForever);
    engine().startRead();
    QVERIFY(runToEnd(engine(), kLongEnough));
    recorder_->takeAll();
    QCOMPARE(StatusBar1.text(2), QStringLiteral("联机故障 ！"));
    LangChinese = 0;
}

QTEST_GUILESS_MAIN(TestAdjLink)
#include "tst_adj_link.moc"
