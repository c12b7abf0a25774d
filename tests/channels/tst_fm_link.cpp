// The FM preset window's transfer through the one engine, against the radio
// simulator in process and on virtual time: the page read and written, the
// progress and the texts, replies without their leading byte, the port held
// elsewhere, and the failures after the last retry.

#include "channels/fm_link.h"
#include "channels/fm_page.h"
#include "core/tone_list.h"
#include "link/link_state.h"
#include "support/image_rows.h"
#include "support/sim_link_fixture.h"

#include <QtTest>

namespace {

constexpr int kPort = 5;
constexpr qint64 kLongEnough = 600000;
constexpr int kSeed = 3;

int Byte(const QByteArray& bytes, int i)
{
    return static_cast<std::uint8_t>(bytes.at(i));
}

// An image whose every row differs from the radio's rows.
MemoryImage OwnImage()
{
    return RowPatternImage(kSeed + 1);
}

}  // namespace

class TestFmLink : public QObject, private SimLinkFixture {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void read_replaces_the_sixteen_presets_and_redraws_before_its_message();
    void replies_without_their_leading_byte_give_the_same_presets();
    void write_sends_the_sixteen_rows_as_they_stand();
    void texts_in_chinese();
    void port_held_by_another_window_starts_nothing();
    void failures_leave_the_page_and_a_read_works_after_data();
    void failures_leave_the_page_and_a_read_works_after();

private:
    // The labels a transfer showed, each as it first showed, and the bar then.
    void follow(TransferEngine& engine);
    bool pageIsTheRadios() const;

    QStringList labels_;
    QList<int> bars_;
};

void TestFmLink::initTestCase()
{
    InitToneTables();
    BuildLinkOpenFrame();
}

void TestFmLink::init()
{
    setUpRadio(kPort);
    radio_->fillRowPattern(kSeed);
    *image_ = OwnImage();
    LangChinese = 0;
    labels_.clear();
    bars_.clear();
}

void TestFmLink::cleanup()
{
    LangChinese = 0;
    tearDownRadio();
}

void TestFmLink::follow(TransferEngine& engine)
{
    engine.onDisplayChanged = [this, &engine] {
        if (!engine.label().isEmpty() && (labels_.isEmpty() || labels_.last() != engine.label())) {
            labels_ << engine.label();
            bars_ << engine.progressValue();
        }
    };
}

bool TestFmLink::pageIsTheRadios() const
{
    for (int i = 0; i < kFmPresets; ++i) {
        for (int c = 0; c < kRowBytes; ++c) {
            if ((*image_)(Area::FmPage.firstRow() + i, c) != radio_->memoryByte(0x3000 + 16 * i + c))
                return false;
        }
    }
    return true;
}

void TestFmLink::read_replaces_the_sixteen_presets_and_redraws_before_its_message()
{
    const MemoryImage before = *image_;
    QStringList redrawn;
    TransferEngine engine(FmTransferParams(kFmBaseHi,
                                           [&] {
                                               // The port is closed and the page in the image already.
                                               QVERIFY(!engine.busy());
                                               QVERIFY(pageIsTheRadios());
                                               redrawn << engine.label();
                                           }),
                          *image_);
    follow(engine);
    recorder_->onShow = [&](const ShownMessage&) {
        QCOMPARE(redrawn.size(), 1);
        QCOMPARE(engine.progressValue(), 100);
        QCOMPARE(engine.label(), QStringLiteral("Read FM Radio parameters in gear. "));
    };
    engine.startRead();
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::ReadDone});
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, QStringLiteral("Complete reading the data from transceiver."));
    QCOMPARE(shown.first().title, QStringLiteral("Operate Prompt"));

    QList<int> requested;
    for (const RadioSimulator::Heard& h : radio_->heard) {
        if (h.kind == RadioSimulator::Heard::Read && h.address != PassBlockAddr)
            requested << h.address;
    }
    QCOMPARE(requested, (QList<int>{0x3000, 0x3040, 0x3080, 0x30C0}));
    QCOMPARE(labels_, (QStringList{"Connecting with transceiver. ", "Reading 3 Data Block", "Reading 4 Data Block",
                                   "Reading 5 Data Block", "Read FM Radio parameters in gear. "}));
    QCOMPARE(bars_, (QList<int>{0, 60, 80, 100, 100}));
    // The page and nothing else.
    QVERIFY(pageIsTheRadios());
    for (int r = 0; r < kImageRows; ++r) {
        if (r < Area::FmPage.firstRow() || r > Area::FmPage.lastRow())
            QVERIFY2(image_->row(r) == before.row(r), qPrintable(QString::number(r)));
    }
}

void TestFmLink::replies_without_their_leading_byte_give_the_same_presets()
{
    radio_->addFault(Fault::NoLeadingByte, ReplyKind::Block, 0, 100);
    TransferEngine engine(FmTransferParams(kFmBaseHi), *image_);
    engine.startRead();
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::ReadDone});
    recorder_->takeAll();
    QVERIFY(pageIsTheRadios());
}

void TestFmLink::write_sends_the_sixteen_rows_as_they_stand()
{
    TransferEngine engine(FmTransferParams(kFmBaseHi), *image_);
    follow(engine);
    recorder_->onShow = [&](const ShownMessage&) {
        // The last frame's acknowledgement ends the write: the bar stays.
        QCOMPARE(engine.progressValue(), 93);
        QCOMPARE(engine.label(), QStringLiteral("Writing  15  Data Block"));
    };
    engine.startWrite();
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::WriteDone});
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, QStringLiteral("Complete Written FM parameters to the transceiver."));
    QCOMPARE(shown.first().title, QStringLiteral("Operate Prompt"));
    QCOMPARE(engine.label(), QStringLiteral("Complete Written FM parameters "));

    QCOMPARE(labels_.at(1), QStringLiteral("Writing  1  Data Block"));
    QCOMPARE(bars_.at(1), 6);
    QCOMPARE(labels_.at(15), QStringLiteral("Writing  15  Data Block"));
    QCOMPARE(bars_.mid(1, 15), (QList<int>{6, 12, 18, 25, 31, 37, 43, 50, 56, 62, 68, 75, 81, 87, 93}));

    QList<QByteArray> frames;
    for (const QByteArray& w : ports_->writes(kPort)) {
        if (w.size() >= 20)
            frames << w;
    }
    QCOMPARE(frames.size(), 16);
    for (int k = 0; k < 16; ++k) {
        const QByteArray& f = frames.at(k);
        const int at = k == 0 ? 0 : 1;  // every frame after the first carries the 0x06
        QCOMPARE(f.size(), 20 + at);
        QCOMPARE(Byte(f, at), 0x58);
        QCOMPARE(Byte(f, at + 1) << 8 | Byte(f, at + 2), 0x3000 + 16 * k);
        QCOMPARE(Byte(f, at + 3), 0x10);
        for (int c = 0; c < kRowBytes; ++c)
            QCOMPARE(Byte(f, at + 4 + c), int((*image_)(Area::FmPage.firstRow() + k, c)));
    }
    QVERIFY(pageIsTheRadios());
}

void TestFmLink::texts_in_chinese()
{
    LangChinese = 1;
    TransferEngine engine(FmTransferParams(kFmBaseHi), *image_);
    engine.startRead();
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(engine.label(), QStringLiteral(" FM 收音机参数读出正常 ！"));
    engine.startWrite();
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(engine.label(), QStringLiteral("收音机参数写入完毕 ！"));
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown.at(0).text, QStringLiteral("从对讲机中读取数据完毕 ！"));
    QCOMPARE(shown.at(1).text, QStringLiteral("向对讲机写入参数完毕 ！"));
    QCOMPARE(shown.at(1).title, QStringLiteral("操作提示"));
}

void TestFmLink::port_held_by_another_window_starts_nothing()
{
    std::unique_ptr<CommPort> other = CreateCommPort();
    QVERIFY(other->open(kPort));
    TransferEngine engine(FmTransferParams(kFmBaseHi), *image_);
    engine.startRead();
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text,
             QStringLiteral("Communication port is error, please setting right communication port . ！"));
    QCOMPARE(shown.first().title, QStringLiteral("Operate prompt"));
    QVERIFY(!engine.busy());
    QVERIFY(!engine.progressVisible());
    QCOMPARE(engine.label(), QString());
    QCOMPARE(radio_->heard.size(), 0);
}

void TestFmLink::failures_leave_the_page_and_a_read_works_after_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("param");
    QTest::newRow("silent radio") << false << int(Fault::Silent) << int(ReplyKind::Any) << 0;
    QTest::newRow("block replies behind 2 bytes of noise")
        << false << int(Fault::LeadingNoise) << int(ReplyKind::Block) << 2;
    QTest::newRow("write frames answered 0x15") << true << int(Fault::WrongAck) << int(ReplyKind::WriteAck) << 0;
}

void TestFmLink::failures_leave_the_page_and_a_read_works_after()
{
    QFETCH(bool, write);
    QFETCH(int, fault);
    QFETCH(int, kind);
    QFETCH(int, param);
    radio_->addFault(static_cast<Fault>(fault), static_cast<ReplyKind>(kind), 0, 1000, param);
    const MemoryImage before = *image_;
    TransferEngine engine(FmTransferParams(kFmBaseHi), *image_);
    write ? engine.startWrite() : engine.startRead();
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::Failed});
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, QStringLiteral("Fail connect with transceiver."));
    QCOMPARE(shown.first().title, QStringLiteral("Operate prompt"));
    QCOMPARE(engine.progressValue(), 0);
    QCOMPARE(engine.label(), QStringLiteral("Communication fault."));
    QVERIFY(!engine.Reading() && !engine.Writing());
    QVERIFY(*image_ == before);
    // The first attempt and its three retries each open the link.
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::LinkOpen), 4);

    // The radio mends: a read works.
    *radio_ = RadioSimulator();
    radio_->fillRowPattern(kSeed);
    engine.startRead();
    QVERIFY(runToEnd(engine, kLongEnough));
    QCOMPARE(ends_.last(), TransferEnd::ReadDone);
    recorder_->takeAll();
    QVERIFY(pageIsTheRadios());
}

QTEST_MAIN(TestFmLink)
#include "tst_fm_link.moc"
