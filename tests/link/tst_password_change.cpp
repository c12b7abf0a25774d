// The password dialog's exchange against the radio simulator, in process on
// virtual time.

#include "core/tone_list.h"
#include "link/frames.h"
#include "link/link_state.h"
#include "link/password_change.h"
#include "support/message_recorder.h"
#include "support/radio_simulator.h"
#include "support/sim_port.h"
#include "support/virtual_clock.h"

#include <QtTest>
#include <memory>

namespace {
constexpr int kPort = 2;
constexpr int kPassAt = 0x3DF0;
constexpr int kBlockAt = 0x3DC0;  // the 64 bytes the dialog reads, the password block last

// What comes down the cable that the radio did not send.
enum class Stray { Nothing, IdentReply, BlockReply };
}  // namespace

Q_DECLARE_METATYPE(Stray)

class TestPasswordChange : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void changesPasswordOne();
    void oldPassword_data();
    void oldPassword();
    void newPasswordsThatDifferSendNothing();
    void identificationRule_data();
    void identificationRule();
    void silentRadioFailsAfterTheDelay();
    void final_byte_other_than_ack_reports_the_failure();
    void byte_arriving_while_the_write_frame_goes_out_is_not_the_answer();
    void exchangeWithoutEveryFrameOutChangesNothing_data();
    void exchangeWithoutEveryFrameOutChangesNothing();

private:
    bool runToEnd();

    std::unique_ptr<VirtualClock> clock_;
    std::unique_ptr<MessageRecorder> recorder_;
    std::unique_ptr<SimPortFactory> ports_;
    std::unique_ptr<RadioSimulator> radio_;
    std::unique_ptr<PasswordChangeLink> link_;
    QList<PasswordChangeEnd> ends_;
};

void TestPasswordChange::initTestCase()
{
    InitToneTables();
    BuildLinkOpenFrame();
}

void TestPasswordChange::init()
{
    clock_ = std::make_unique<VirtualClock>();
    recorder_ = std::make_unique<MessageRecorder>();
    ports_ = std::make_unique<SimPortFactory>();
    radio_ = std::make_unique<RadioSimulator>();
    ports_->attach(kPort, *radio_);
    link_ = std::make_unique<PasswordChangeLink>();
    ends_.clear();
    link_->onFinished = [this](PasswordChangeEnd end) { ends_ << end; };
    CommPortNo = kPort;
    Text_Old_PassWord_Change(QString());
}

void TestPasswordChange::cleanup()
{
    QVERIFY(recorder_->verifyAllTaken());
    link_.reset();
    radio_.reset();
    ports_.reset();
    recorder_.reset();
    clock_.reset();
}

bool TestPasswordChange::runToEnd()
{
    return clock_->advanceUntil([this] { return !ends_.isEmpty(); }, 60000);
}

void TestPasswordChange::changesPasswordOne()
{
    radio_->setPasswords("583920", "111111");
    radio_->memory.replace(kPassAt + 12, 4, "\x01\x02\x03\x04");
    Text_Old_PassWord_Change(QStringLiteral("583920"));
    const qint64 start = clock_->nowMs();
    link_->Command_Write_Click(QStringLiteral(" new1 "), QStringLiteral("new1"));
    QVERIFY(link_->Writing());
    QVERIFY(runToEnd());
    QCOMPARE(ends_, QList<PasswordChangeEnd>{PasswordChangeEnd::Changed});
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, QStringLiteral("PassWord Modify Success ! "));
    QCOMPARE(shown.first().title, QStringLiteral("Operate Prompt"));
    QCOMPARE(radio_->memoryRange(kPassAt, 16), QByteArray("new1  111111\x01\x02\x03\x04"));
    QVERIFY(!link_->Writing());
    QVERIFY(!ports_->isOpen(kPort));
    QCOMPARE(PassNew, PasswordCodesOf(QString()));
    QCOMPARE(PassOld, PasswordCodesOf(QString()));

    // One byte per write: the first 15 ms after the frame starts, then 10 ms apart.
    const QList<SimPortFactory::Written> log = ports_->writeLog(kPort);
    QByteArray sent;
    for (const SimPortFactory::Written& w : log)
        sent += w.bytes;
    QCOMPARE(sent.left(8), LinkOpenBytes());
    QCOMPARE(log.at(0).atMs - start, 15);
    QCOMPARE(log.at(7).atMs - start, 15 + 7 * 10);
    QCOMPARE(sent.mid(8, 5), QByteArray("\x06\x53\x3D\xC0\x40", 5));
    QCOMPARE(sent.mid(13, 1), QByteArray("\x06", 1));
    QCOMPARE(sent.mid(14, 4), QByteArray("\x58\x3D\xF0\x10", 4));
    QCOMPARE(sent.size(), 8 + 5 + 1 + 20);
}

void TestPasswordChange::oldPassword_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<QString>("old");
    QTest::addColumn<bool>("changed");
    QTest::newRow("old is password 2: accepted, password 2 stays")
        << QByteArray("583920") << QByteArray("222222") << "222222" << true;
    QTest::newRow("no password: an empty old one is accepted") << QByteArray() << QByteArray("222222") << "" << true;
    QTest::newRow("neither") << QByteArray("583920") << QByteArray("222222") << "583921" << false;
}

void TestPasswordChange::oldPassword()
{
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QFETCH(QString, old);
    QFETCH(bool, changed);
    radio_->setPasswords(first, second);
    Text_Old_PassWord_Change(old);
    link_->Command_Write_Click(QStringLiteral("abc"), QStringLiteral("abc"));
    QVERIFY(runToEnd());
    if (changed) {
        QCOMPARE(ends_.first(), PasswordChangeEnd::Changed);
        QCOMPARE(radio_->memoryRange(kPassAt, 12), QByteArray("abc   ") + (second + "      ").left(6));
        QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("PassWord Modify Success ! ")});
    } else {
        QCOMPARE(ends_.first(), PasswordChangeEnd::OldRefused);
        QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Old PassWord Error, Writeing Stop")});
        QCOMPARE(radio_->heardCount(RadioSimulator::Heard::Write), 0);
    }
}

void TestPasswordChange::newPasswordsThatDifferSendNothing()
{
    link_->Command_Write_Click(QStringLiteral("abc"), QStringLiteral("ABC"));
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Password is not consistent .")});
    QVERIFY(!link_->Writing());
    clock_->advance(10000);
    QVERIFY(ports_->writes(kPort).isEmpty());
}

void TestPasswordChange::identificationRule_data()
{
    QTest::addColumn<int>("lead");
    QTest::addColumn<int>("terminatorAt");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("0x06 and 0x55 at 49") << 0x06 << 49 << true;
    QTest::newRow("0x01 and 0x55 at 48") << 0x01 << 48 << true;
    QTest::newRow("0x01 and 0x55 at 49 only") << 0x01 << 49 << false;
    QTest::newRow("0x06 and 0x55 at 48 only") << 0x06 << 48 << false;
}

void TestPasswordChange::identificationRule()
{
    QFETCH(int, lead);
    QFETCH(int, terminatorAt);
    QFETCH(bool, accepted);
    QByteArray reply(50, '\0');
    reply[0] = static_cast<char>(lead);
    reply[terminatorAt] = 0x55;
    radio_->identOverride = reply;  // no model signature at all
    link_->Command_Write_Click(QString(), QString());
    QVERIFY(runToEnd());
    QCOMPARE(ends_.first(), accepted ? PasswordChangeEnd::Changed : PasswordChangeEnd::Failed);
    QCOMPARE(recorder_->count(), 1);
    recorder_->takeAll();
}

void TestPasswordChange::silentRadioFailsAfterTheDelay()
{
    radio_->addFault(Fault::Silent, ReplyKind::Block, 0, 1);
    qint64 failedAt = -1;
    recorder_->onShow = [&](const ShownMessage&) { failedAt = clock_->nowMs(); };
    link_->Command_Write_Click(QString(), QString());
    QVERIFY(runToEnd());
    QCOMPARE(ends_.first(), PasswordChangeEnd::Failed);
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Fail connect with transceiver.")});
    const QList<SimPortFactory::Written> log = ports_->writeLog(kPort);
    QCOMPARE(failedAt, log.last().atMs + 1000 + 5000);
    QVERIFY(!link_->Writing());
    clock_->advance(20000);
    QCOMPARE(ports_->writeLog(kPort).size(), log.size());  // no retry
}

void TestPasswordChange::final_byte_other_than_ack_reports_the_failure()
{
    radio_->addFault(Fault::WrongAck, ReplyKind::WriteAck, 0, 1);
    link_->Command_Write_Click(QStringLiteral("x"), QStringLiteral("x"));
    QVERIFY(runToEnd());
    QCOMPARE(ends_.first(), PasswordChangeEnd::NotConfirmed);
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, QStringLiteral("Fail connect with transceiver."));
    QCOMPARE(shown.first().title, QStringLiteral("Operate prompt"));
    QVERIFY(!link_->Writing());
    QVERIFY(!ports_->isOpen(kPort));
    QCOMPARE(PassNew, PasswordCodesOf(QStringLiteral("x")));

    // Modify again: a new exchange, this time confirmed.
    ends_.clear();
    link_->Command_Write_Click(QStringLiteral("x"), QStringLiteral("x"));
    QVERIFY(runToEnd());
    QCOMPARE(ends_.first(), PasswordChangeEnd::Changed);
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("PassWord Modify Success ! ")});
}

void TestPasswordChange::byte_arriving_while_the_write_frame_goes_out_is_not_the_answer()
{
    // A stray 0x00 100 ms after the block reply: the write frame (20 bytes,
    // 10 ms apart) starts 55 ms after the reply and is still going out.
    radio_->addFault(Fault::StragglingByte, ReplyKind::Block, 0, 1, 100);
    link_->Command_Write_Click(QStringLiteral("abc"), QStringLiteral("abc"));
    QVERIFY(runToEnd());
    QCOMPARE(ends_.first(), PasswordChangeEnd::Changed);
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("PassWord Modify Success ! ")});
    QCOMPARE(radio_->memoryRange(kPassAt, 6), QByteArray("abc   "));
}

void TestPasswordChange::exchangeWithoutEveryFrameOutChangesNothing_data()
{
    // What happens when this many bytes are out.
    QTest::addColumn<int>("bytesOut");
    // The next byte cannot be written.
    QTest::addColumn<bool>("byteLost");
    QTest::addColumn<Stray>("stray");
    // Everything the dialog sends before it fails.
    QTest::addColumn<QByteArray>("sent");
    const QByteArray request("\x06\x53\x3D\xC0\x40", 5);
    QTest::newRow("identification reply while the link-open frame goes out")
        << 3 << false << Stray::IdentReply << LinkOpenBytes();
    QTest::newRow("block reply while its request goes out")
        << 8 + 2 << false << Stray::BlockReply << LinkOpenBytes() + request;
    QTest::newRow("identification reply after a byte of the frame was lost")
        << 2 << true << Stray::IdentReply << LinkOpenBytes().left(2);
    QTest::newRow("acknowledgement of the block lost") << 8 + 5 << true << Stray::Nothing << LinkOpenBytes() + request;
}

void TestPasswordChange::exchangeWithoutEveryFrameOutChangesNothing()
{
    QFETCH(int, bytesOut);
    QFETCH(bool, byteLost);
    QFETCH(Stray, stray);
    QFETCH(QByteArray, sent);
    // The radio itself does not answer what the stray bytes seem to answer.
    if (stray == Stray::IdentReply && !byteLost)
        radio_->addFault(Fault::Silent, ReplyKind::Ident, 0, 1);
    if (stray == Stray::BlockReply)
        radio_->addFault(Fault::Silent, ReplyKind::Block, 0, 1);
    link_->Command_Write_Click(QStringLiteral("abc"), QStringLiteral("abc"));
    QVERIFY(clock_->advanceUntil([&] { return ports_->writes(kPort).size() >= bytesOut; }, 1000));
    if (byteLost) {
        ports_->failWrites(kPort, true);
        QVERIFY(clock_->advanceUntil([&] { return ports_->failedWrites(kPort) > 0; }, 1000));
        ports_->failWrites(kPort, false);
        clock_->advance(300);  // the whole frame would be out by now
    }
    if (stray == Stray::IdentReply)
        ports_->inject(kPort, radio_->identReply());
    if (stray == Stray::BlockReply) {
        const QByteArray header("\x06\x58\x3D\xC0\x40", 5);
        ports_->inject(kPort, header + radio_->memoryRange(kBlockAt, 64));
    }
    QVERIFY(runToEnd());
    QCOMPARE(ends_, QList<PasswordChangeEnd>{PasswordChangeEnd::Failed});
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Fail connect with transceiver.")});
    QCOMPARE(radio_->memoryRange(kPassAt, 6), QByteArray(6, ' '));
    QCOMPARE(ports_->writes(kPort).join(), sent);
}

QTEST_GUILESS_MAIN(TestPasswordChange)
#include "tst_password_change.moc"
