// The channel editor's transfer through the one engine, against the radio
// simulator in process and on virtual time: the alternation of main and
// name blocks, progress and texts, retries, the refusals before a write, and
// the names shown from the received name blocks.

#include "channels/chann_link.h"
#include "core/channel_defaults.h"
#include "core/model_bands.h"
#include "core/status_panels.h"
#include "core/tone_list.h"
#include "link/link_state.h"
#include "support/cell_table.h"
#include "support/channel_table.h"
#include "support/image_bytes.h"
#include "support/image_rows.h"
#include "support/sim_link_fixture.h"

#include <QtTest>

namespace {

constexpr int kPort = 2;
constexpr qint64 kLongEnough = 600000;

int Byte(const QByteArray& bytes, int i)
{
    return static_cast<std::uint8_t>(bytes.at(i));
}

int AddressOf(const QByteArray& frame)
{
    const int at = frame.startsWith('\x06') ? 1 : 0;
    return Byte(frame, at + 1) << 8 | Byte(frame, at + 2);
}

// A stored name reply: a leading byte, 0x58, the address, 0x40 and 64 bytes.
StoredReply NameReply(int address, const QByteArray& data, bool leadingByte = true)
{
    StoredReply reply;
    if (leadingByte)
        reply.raw.append('\x06');
    reply.raw.append('\x58');
    reply.raw.append(static_cast<char>(address >> 8));
    reply.raw.append(static_cast<char>(address & 0xFF));
    reply.raw.append('\x40');
    reply.dataStart = static_cast<int>(reply.raw.size());
    reply.raw.append(data.leftJustified(64, '\xFF'));
    reply.address = address;
    return reply;
}

QByteArray Codes(std::initializer_list<int> codes)
{
    QByteArray bytes;
    for (int c : codes)
        bytes.append(static_cast<char>(c));
    return bytes;
}

}  // namespace

class TestChannLink : public QObject, private SimLinkFixture {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void read_alternates_main_and_name_blocks_and_keeps_fifty_of_each();
    void write_sends_four_hundred_and_two_frames_main_and_name_in_turn();
    void one_timeout_restarts_the_write_from_line_zero_a_second_ends_it();
    void port_error_is_the_long_text();

    void received_name_data();
    void received_name();
    void names_are_shown_from_the_replies_not_from_the_image();
    void name_display_stops_at_a_reply_without_its_leading_byte();

    void write_refusal_data();
    void write_refusal();
    void samples_of_default_lie_outside_the_editor_limits();
    void out_of_band_channel_is_reported_before_a_bad_byte_further_on();

private:
    QList<QByteArray> writes() const { return ports_->writes(kPort); }
};

void TestChannLink::initTestCase()
{
    InitToneTables();
    BuildLinkOpenFrame();
}

void TestChannLink::init()
{
    setUpRadio(kPort);
    ChannelTable::PutInto(*radio_);
    LangChinese = 0;
    ChannCount = kChannels;
    BandVhfMin = 140;
    BandVhfMax = 150;
    BandUhfMin = 440;
    BandUhfMax = 450;
    StatusBar1.clear();
}

void TestChannLink::cleanup()
{
    tearDownRadio();
}

void TestChannLink::read_alternates_main_and_name_blocks_and_keeps_fifty_of_each()
{
    SetRow(*image_, 200, "01 02 03");
    SetRow(*image_, 456, "04 05 06");
    const MemoryImage before = *image_;
    int redraws = 0;
    TransferEngine engine(ChannTransferParams([&] { ++redraws; }), *image_);
    QStringList labels;
    QList<int> bars;
    engine.onDisplayChanged = [&] {
        if (labels.isEmpty() || labels.last() != engine.label())
            labels << engine.label();
        bars << engine.progressValue();
    };
    recorder_->onShow = [&](const ShownMessage&) {
        // The message comes before the read-done label; the bar stays as the
        // last block left it.
        QCOMPARE(engine.label(), QStringLiteral("Reading 52 Data Block"));
        QCOMPARE(engine.progressValue(), 100);
    };

    engine.startRead();
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(ends_.last(), TransferEnd::ReadDone);
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, QStringLiteral("Complete reading data from the transceiver."));
    QCOMPARE(shown.first().title, QStringLiteral("Operate prompt"));
    QCOMPARE(engine.label(), QStringLiteral("Read Channel Data is Ok ！"));
    QCOMPARE(redraws, 1);

    QList<int> requested;
    for (const RadioSimulator::Heard& h : radio_->heard) {
        if (h.kind == RadioSimulator::Heard::Read && h.length == 0x40)
            requested << h.address;
    }
    QCOMPARE(requested.size(), 102);
    for (int k = 0; k <= 50; ++k) {
        QCOMPARE(requested.at(2 * k), 0x40 * k);
        QCOMPARE(requested.at(2 * k + 1), 0x1000 + 0x40 * k);
    }
    // Labels 2, 2, 3, 3, ..., 51, 51, 52; bars 3, 3, 5, 5, ..., 98, 98, 100.
    const int first = static_cast<int>(labels.indexOf(QStringLiteral("Reading 2 Data Block")));
    QCOMPARE(labels.mid(first, 3),
             (QStringList{"Reading 2 Data Block", "Reading 3 Data Block", "Reading 4 Data Block"}));
    QVERIFY(labels.contains(QStringLiteral("Reading 51 Data Block")));
    QVERIFY(bars.contains(3) && bars.contains(98));
    QCOMPARE(engine.progressValue(), 100);

    for (int i = 0; i < kChannels; ++i) {
        for (int c = 0; c < 16; ++c) {
            QCOMPARE(int((*image_)(i, c)), radio_->memoryByte(16 * i + c));
            QCOMPARE(int((*image_)(256 + i, c)), radio_->memoryByte(0x1000 + 16 * i + c));
        }
    }
    // The 51st block of each range is read, not kept.
    for (int row : {200, 255, 456, 511})
        QCOMPARE(RowHex(*image_, row), RowHex(before, row));
    QCOMPARE(WritePhase, 0);
}

void TestChannLink::write_sends_four_hundred_and_two_frames_main_and_name_in_turn()
{
    for (int r = 0; r < 1025; ++r) {
        for (int c = 0; c < 16; ++c)
            (*image_)(r, c) = static_cast<std::int16_t>((r * 5 + c) & 0xFF);
    }
    TransferEngine engine(ChannTransferParams({}), *image_);
    QStringList labels;
    engine.onDisplayChanged = [&] {
        if (labels.isEmpty() || labels.last() != engine.label())
            labels << engine.label();
    };
    engine.startWrite();
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(ends_.last(), TransferEnd::WriteDone);
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, QStringLiteral("Complete Written the data to transceiver."));
    QCOMPARE(shown.first().title, QStringLiteral("Operate prompt"));
    QCOMPARE(engine.label(), QStringLiteral("Channel Data Writed ！"));
    QCOMPARE(engine.progressValue(), 100);

    QList<QByteArray> frames;
    for (const QByteArray& w : writes()) {
        if (w.size() >= 20)
            frames << w;
    }
    QCOMPARE(frames.size(), 402);
    QCOMPARE(frames.first().size(), 20);
    for (int n = 0; n <= 200; ++n) {
        const QByteArray& main = frames.at(2 * n);
        const QByteArray& name = frames.at(2 * n + 1);
        if (n > 0)
            QCOMPARE(main.size(), 21);
        QCOMPARE(name.size(), 21);
        QCOMPARE(AddressOf(main), 16 * n);
        QCOMPARE(AddressOf(name), 0x1000 + 16 * n);
        for (int c = 0; c < 16; ++c) {
            QCOMPARE(Byte(main, main.size() - 16 + c), int((*image_)(n, c)));
            QCOMPARE(Byte(name, 5 + c), int((*image_)(256 + n, c)));
        }
    }
    const int first = static_cast<int>(labels.indexOf(QStringLiteral("Connecting with transceiver. ")));
    QCOMPARE(labels.at(first + 1), QStringLiteral("Writeing  0  Channel"));
    QVERIFY(labels.contains(QStringLiteral("Writeing  199  Channel")));
    QVERIFY(!labels.contains(QStringLiteral("Writeing  200  Channel")));
}

void TestChannLink::one_timeout_restarts_the_write_from_line_zero_a_second_ends_it()
{
    radio_->addFault(Fault::Silent, ReplyKind::WriteAck, 10, 1);
    TransferEngine engine(ChannTransferParams({}), *image_);
    engine.startWrite();
    QVERIFY(runToEnd(engine, kLongEnough));
    recorder_->takeAll();
    QCOMPARE(ends_.last(), TransferEnd::WriteDone);
    const QList<SimPortFactory::Written> log = ports_->writeLog(kPort);
    QList<qint64> opens;
    for (const SimPortFactory::Written& w : log) {
        if (w.bytes == LinkOpenBytes())
            opens << w.atMs;
    }
    QCOMPARE(opens.size(), 2);
    // After the 1000 ms reply time-out, 1500 ms of retry delay.
    qint64 lastBefore = 0;
    for (const SimPortFactory::Written& w : log) {
        if (w.atMs < opens.at(1))
            lastBefore = w.atMs;
    }
    QVERIFY(opens.at(1) - lastBefore >= 2500);
    // The second attempt starts again with line 0.
    QList<QByteArray> second;
    for (const SimPortFactory::Written& w : log) {
        if (w.atMs > opens.at(1) && w.bytes.size() >= 20)
            second << w.bytes;
    }
    QCOMPARE(AddressOf(second.first()), 0);
    QCOMPARE(second.size(), 402);

    // Silent for good: the retry runs out, then the message and panel 2.
    radio_->addFault(Fault::Silent, ReplyKind::Any, 0, RadioSimulator::kForever);
    engine.startWrite();
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(ends_.last(), TransferEnd::Failed);
    const QList<ShownMessage> failed = recorder_->takeAll();
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.first().text, QStringLiteral("Fail connect with transceiver."));
    QCOMPARE(failed.first().title, QStringLiteral("Operate prompt"));
    QCOMPARE(StatusBar1.text(2), QStringLiteral("Communication fault."));
    LangChinese = 1;
    QCOMPARE(StatusBar1.text(2), QStringLiteral("Communication fault."));  // written in English
}

void TestChannLink::port_error_is_the_long_text()
{
    CommPortNo = 9;  // nothing there
    TransferEngine engine(ChannTransferParams({}), *image_);
    engine.startRead();
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text,
             QStringLiteral("Communication port is error, please setting right communication port . ！"));
    QCOMPARE(shown.first().title, QStringLiteral("Operate prompt"));
    QVERIFY(!engine.busy());
    QVERIFY(!engine.progressVisible());
}

void TestChannLink::received_name_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::newRow("the radio's letter codes") << Codes({17, 18, 19, 0xFF, 0xFF, 0xFF}) << "ABC";
    QTest::newRow("digits, plus and minus") << Codes({'A', 'B', 1, 2, 251, 253}) << "AB12+-";
    QTest::newRow("codes that show nothing") << Codes({38, 39, 40, 41, 42, 16}) << "";
    QTest::newRow("no name") << Codes({0xFF, 'A', 'B'}) << "";
    QTest::newRow("characters as they are") << Codes({'a', ' ', 0xE9, 250, 10, 252}) << "aPéú";
    QTest::newRow("only six") << QByteArray("ABCDEFGH") << "ABCDEF";
}

void TestChannLink::received_name()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    const StoredReply reply = NameReply(0x1040, QByteArray(32, '\x11') + bytes);
    QCOMPARE(ChannReceivedName(reply, 32), name);
}

void TestChannLink::names_are_shown_from_the_replies_not_from_the_image()
{
    // Channel 13 is empty in the radio but its name record holds a name;
    // channel 1 is named with the radio's letter codes.
    QVERIFY(ChannelTable::Empty(13));
    radio_->memory.replace(0x10D0, 6, QByteArray("GHOST\xFF"));
    radio_->memory.replace(0x1010, 6, Codes({17, 18, 19, 0xFF, 0xFF, 0xFF}));
    CellTable cells;
    TransferEngine engine(ChannTransferParams([&] { Chann_ShowReadRows(cells, RxBlock2, *image_); }), *image_);
    engine.startRead();
    QVERIFY(runToEnd(engine, kLongEnough));
    recorder_->takeAll();
    for (int i = 0; i < kChannels; ++i) {
        if (i == 1 || i == 13)
            continue;
        QCOMPARE(cells.cell(i + 1, ChannCol::Name), ChannelTable::Name(i));
    }
    QCOMPARE(cells.cell(2, ChannCol::Name), QStringLiteral("ABC"));
    // The image shows another name for it at the row's next redraw.
    QCOMPARE(ChannNameText(*image_, ChannNameRow(2)), QString());
    // An empty channel: blank cells, the received name shown, and its
    // records as the radio sent them.
    QCOMPARE(cells.cell(14, ChannCol::Name), QStringLiteral("GHOST"));
    QCOMPARE(RowHex(*image_, 13), QByteArray(ChannelTable::MainRecord(13).toHex(' ').toUpper()));
    QCOMPARE(RowHex(*image_, 269).left(17), QByteArray("47 48 4F 53 54 FF"));
    QCOMPARE(cells.cell(14, ChannCol::Band), QString());
    QCOMPARE(cells.cell(14, ChannCol::RxFreq), QString());
}

void TestChannLink::name_display_stops_at_a_reply_without_its_leading_byte()
{
    ReplyStore names;
    for (int k = 0; k <= 50; ++k) {
        QByteArray data;
        for (int j = 0; j < 4; ++j)
            data += QByteArray("N") + QByteArray::number(4 * k + j).leftJustified(15, '\xFF');
        names.set(k + 2, NameReply(0x1000 + 0x40 * k, data, k != 3));
    }
    CellTable cells;
    for (int r = 1; r <= kChannels; ++r)
        cells.setCell(r, ChannCol::Name, QStringLiteral("KEEP"));
    Comm_ShowNames(cells, names);
    for (int r = 1; r <= 12; ++r)
        QCOMPARE(cells.cell(r, ChannCol::Name), QStringLiteral("N%1").arg(r - 1));
    for (int r = 13; r <= kChannels; ++r)
        QCOMPARE(cells.cell(r, ChannCol::Name), QStringLiteral("KEEP"));
    // Nothing beyond the last channel.
    QCOMPARE(cells.cell(kChannels + 1, ChannCol::Name), QString());
}

void TestChannLink::write_refusal_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("message");
    const QString outOfBand =
        QStringLiteral("Channel %1that Receiving or transmitting frequency  out of frequency limitation range ");
    const QString notBytes = QStringLiteral("Channel %1 data out of the range 0-255, nothing written .");
    QTest::newRow("nothing wrong") << -1 << 0 << 0 << "";
    QTest::newRow("TX outside the limits") << 7 << 7 << 0x16 << outOfBand.arg(7);  // TX 160 MHz
    QTest::newRow("a main record value above 255") << 12 << 14 << 300 << notBytes.arg(12);
    QTest::newRow("a name record value below 0") << 256 + 5 << 3 << -1 << notBytes.arg(5);
    QTest::newRow("the line after the last channel") << 456 << 15 << 256 << notBytes.arg(200);
    QTest::newRow("rows that are not sent") << 201 << 0 << 999 << "";
}

void TestChannLink::write_refusal()
{
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, value);
    QFETCH(QString, message);
    ChannelTable::PutInto(*image_);
    if (row >= 0)
        (*image_)(row, col) = static_cast<std::int16_t>(value);
    const std::optional<Message> refusal = ChannWriteRefusal(*image_);
    QCOMPARE(refusal ? refusal->text.eng : QString(), message);
    if (refusal)
        QCOMPARE(refusal->title.eng, QStringLiteral("Operate prompt"));
}

void TestChannLink::samples_of_default_lie_outside_the_editor_limits()
{
    Channel_Defaults(*image_);
    const std::optional<Message> refusal = ChannWriteRefusal(*image_);
    QVERIFY(refusal);
    QCOMPARE(refusal->text.chn, QStringLiteral("信道 0 中的接收或发射频率超出频率限制范围"));
    // With a radio's wider limits they go.
    BandVhfMin = 136;
    BandVhfMax = 174;
    BandUhfMin = 400;
    BandUhfMax = 480;
    QVERIFY(!ChannWriteRefusal(*image_));
}

void TestChannLink::out_of_band_channel_is_reported_before_a_bad_byte_further_on()
{
    // The band check comes first, as in the whole-image write: channel 7's TX
    // lies outside the limits, a name row further on holds a value above 255.
    ChannelTable::PutInto(*image_);
    (*image_)(7, 7) = 0x16;  // TX 160 MHz
    (*image_)(ChannNameRow(41), 9) = 0x1FF;
    const std::optional<Message> refusal = ChannWriteRefusal(*image_);
    QVERIFY(refusal);
    QCOMPARE(refusal->text.eng,
             QStringLiteral("Channel 7that Receiving or transmitting frequency  out of frequency limitation range "));
}

QTEST_GUILESS_MAIN(TestChannLink)
#include "tst_chann_link.moc"
