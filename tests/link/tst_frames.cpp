// Frames, reply framing, the identification and password rules, the
// password box.

#include "core/model_bands.h"
#include "core/status_panels.h"
#include "core/tone_list.h"
#include "link/frames.h"
#include "link/identity.h"
#include "link/link_state.h"
#include "link/password_entry.h"
#include "support/radio_simulator.h"

#include <QtTest>

using Block16 = std::array<std::uint8_t, kPassBlockBytes>;

namespace {

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int v : values)
        bytes.append(static_cast<char>(v));
    return bytes;
}

Block16 PassBlockOf(const QByteArray& first, const QByteArray& second)
{
    Block16 block{};
    block.fill(0x20);
    for (int i = 0; i < 6 && i < first.size(); ++i)
        block[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(first.at(i));
    for (int i = 0; i < 6 && i < second.size(); ++i)
        block[static_cast<std::size_t>(6 + i)] = static_cast<std::uint8_t>(second.at(i));
    return block;
}

QByteArray BlockReply(int address, bool lead)
{
    QByteArray reply;
    if (lead)
        reply.append(static_cast<char>(kAck));
    reply.append(Bytes({0x58, address >> 8, address & 0xFF, 0x40}));
    reply.append(QByteArray(kBlockBytes, '\x11'));
    return reply;
}

}  // namespace

class TestFrames : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void framesOnTheWire();
    void blockAddressesAreStartPlusMultiples();

    void replyIsLocated_data();
    void replyIsLocated();

    void identAccept_data();
    void identAccept();
    void bandDigits_data();
    void bandDigits();
    void identityDisplayTexts();

    void passwordAccept_data();
    void passwordAccept();
    void passwordCodes_data();
    void passwordCodes();
    void passwordBoxText_data();
    void passwordBoxText();
};

void TestFrames::initTestCase()
{
    InitToneTables();
    BuildLinkOpenFrame();
}

void TestFrames::init()
{
    StatusBar1.clear();
}

void TestFrames::framesOnTheWire()
{
    QCOMPARE(LinkOpenBytes().size(), kLinkOpenBytes);
    QVERIFY(LinkOpenBytes().at(0) != '\x06' && LinkOpenBytes().at(0) != '\x53' && LinkOpenBytes().at(0) != '\x58');
    QCOMPARE(ReadRequest(0x3DF0, 0x10, false), Bytes({0x53, 0x3D, 0xF0, 0x10}));
    QCOMPARE(ReadRequest(0x3C80, 0x40, true), Bytes({0x06, 0x53, 0x3C, 0x80, 0x40}));
    FrameData data{};
    for (int i = 0; i < kWriteBytes; ++i)
        data[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(0xA0 + i);
    const QByteArray plain = WriteFrame(0x2910, data, false);
    QCOMPARE(plain.size(), 20);
    QCOMPARE(plain.left(4), Bytes({0x58, 0x29, 0x10, 0x10}));
    QCOMPARE(static_cast<std::uint8_t>(plain.at(19)), 0xAF);
    const QByteArray acked = WriteFrame(0x2910, data, true);
    QCOMPARE(acked.size(), 21);
    QCOMPARE(acked.mid(1), plain);
    QCOMPARE(acked.at(0), '\x06');
}

void TestFrames::blockAddressesAreStartPlusMultiples()
{
    QCOMPARE(ReadBlockAddress(0x2900, 0), 0x2900);
    QCOMPARE(ReadBlockAddress(0x2900, 7), 0x2AC0);
    QCOMPARE(ReadBlockAddress(0x0000, 199), 0x31C0);
    QCOMPARE(WriteFrameAddress(0x2900, 31), 0x2AF0);
    QCOMPARE(WriteFrameAddress(0x1000, 200), 0x1C80);
}

void TestFrames::replyIsLocated_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("dataStart");
    const QByteArray usual = BlockReply(0x2940, true);
    QTest::newRow("leading byte: data from 5") << usual << 5;
    QTest::newRow("no leading byte: data from 4") << BlockReply(0x2940, false) << 4;
    QTest::newRow("extra bytes after a whole reply do not matter") << usual + Bytes({0x00, 0x06}) << 5;
    QTest::newRow("one byte short is not whole") << usual.left(68) << -1;
    QTest::newRow("another address is no answer") << BlockReply(0x2980, true) << -1;
    QTest::newRow("another length is no answer") << usual.left(4) + Bytes({0x10}) + usual.mid(5) << -1;
    QTest::newRow("a straggler in front shifts the 0x58 to 2: refused") << Bytes({0x00}) + usual << -1;
    QTest::newRow("no 0x58 at all") << QByteArray(69, '\x06') << -1;
}

void TestFrames::replyIsLocated()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, dataStart);
    QCOMPARE(LocateReadReply(bytes, 0x2940, kBlockBytes), dataStart);
}

void TestFrames::identAccept_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("accepted");
    RadioSimulator radio;
    const QByteArray good = radio.identReply();
    QTest::newRow("signature and terminator") << good << true;
    QByteArray leadIgnored = good;
    leadIgnored[0] = 0x42;
    QTest::newRow("byte 0 is not tested") << leadIgnored << true;
    QByteArray wrongSignature = good;
    wrongSignature[15] = 'X';
    QTest::newRow("wrong signature") << wrongSignature << false;
    QByteArray wrongTerminator = good;
    wrongTerminator[49] = 0x54;
    QTest::newRow("matching signature, wrong terminator") << wrongTerminator << false;
    QTest::newRow("49 bytes (no leading byte)") << good.mid(1) << false;
}

void TestFrames::identAccept()
{
    QFETCH(QByteArray, reply);
    QFETCH(bool, accepted);
    QCOMPARE(IdentAccepted(reply), accepted);
}

void TestFrames::bandDigits_data()
{
    QTest::addColumn<QByteArray>("digits");
    QTest::addColumn<int>("limit");
    QTest::newRow("1 3 6") << Bytes({1, 3, 6}) << 136;
    QTest::newRow("0x0A 0 0, no range test") << Bytes({0x0A, 0, 0}) << 1000;
    QTest::newRow("0 6 6") << Bytes({0, 6, 6}) << 66;
}

void TestFrames::bandDigits()
{
    QFETCH(QByteArray, digits);
    QFETCH(int, limit);
    RadioSimulator radio;
    QByteArray reply = radio.identReply();
    reply.replace(1, 3, digits);
    QCOMPARE(ParseIdentity(reply).vhfMin, limit);
}

void TestFrames::identityDisplayTexts()
{
    RadioSimulator radio;
    radio.bands = {136, 174, 400, 470};
    radio.model = "TR-UV1";
    radio.serial = "ABCDEFGHIJKLMNOP";
    radio.version = "123456";
    BandVhfMin = 140;
    BandVhfMax = 150;
    ShowIdentity(radio.identReply());
    QCOMPARE(StatusBar1.text(8), QStringLiteral(" 136-- 174 MHZ"));
    QCOMPARE(StatusBar1.text(10), QStringLiteral(" 400-- 470 MHZ"));
    QCOMPARE(StatusBar1.text(2), QStringLiteral("TR-UV1"));
    QCOMPARE(StatusBar1.text(4), QStringLiteral("ABCDEF--GHIJKL--MNOP"));
    QCOMPARE(StatusBar1.text(6), QStringLiteral("12.34.5.6"));
    QCOMPARE(VhfMin, 136.0);
    QCOMPARE(UhfMax, 470.0);
    QCOMPARE(BandVhfMin, 136.0);
    QCOMPARE(BandVhfMax, 174.0);
    QCOMPARE(BandUhfMin, 400.0);
    QCOMPARE(BandUhfMax, 470.0);
}

void TestFrames::passwordAccept_data()
{
    QTest::addColumn<Block16>("block");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    Block16 erased{};
    erased.fill(0xFF);
    QTest::newRow("password 1 blank, empty box") << PassBlockOf("", "") << "" << true;
    QTest::newRow("password 1 blank, anything typed") << PassBlockOf("", "654321") << "999999" << true;
    QTest::newRow("password 1 erased (0xFF)") << erased << "abc" << true;
    QTest::newRow("password 1") << PassBlockOf("583920", "111111") << "583920" << true;
    QTest::newRow("password 2 only") << PassBlockOf("583920", "111111") << "111111" << true;
    QTest::newRow("neither") << PassBlockOf("583920", "111111") << "583921" << false;
    QTest::newRow("short password, blank padded") << PassBlockOf("ab", "") << "  ab  " << true;
    QTest::newRow("case counts") << PassBlockOf("abcdef", "") << "ABCDEF" << false;
}

void TestFrames::passwordAccept()
{
    QFETCH(Block16, block);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QCOMPARE(PasswordAccepted(block, PasswordCodesOf(typed)), accepted);
}

void TestFrames::passwordCodes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("codes");
    QTest::newRow("six characters") << "583920" << QByteArray("583920");
    QTest::newRow("trimmed and blank padded") << "  ab " << QByteArray("ab    ");
    QTest::newRow("empty box gives six blanks") << "" << QByteArray("      ");
    QTest::newRow("an inner blank is 0x20") << "a b" << QByteArray("a b   ");
    QTest::newRow("after the sixth nothing counts") << "12345678" << QByteArray("123456");
    QTest::newRow("characters outside printable ASCII are left out")
        << QStringLiteral("12\u00e93\u4e2d4") << QByteArray("1234  ");
}

void TestFrames::passwordCodes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, codes);
    const PasswordCodes got = PasswordCodesOf(text);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(got.data()), kPasswordLength), codes);
}

void TestFrames::passwordBoxText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("six characters stay") << "583920"
                                         << "583920";
    QTest::newRow("a seventh is cut off") << "5839201"
                                          << "583920";
    QTest::newRow("blanks around do not count") << "  583920 "
                                                << "  583920 ";
    QTest::newRow("blanks around, then too many") << "  5839201"
                                                  << "  583920";
    QTest::newRow("only printable ASCII") << QStringLiteral("a\tb\u00e9c") << "abc";
}

void TestFrames::passwordBoxText()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QCOMPARE(PasswordBoxText(typed), kept);
}

QTEST_GUILESS_MAIN(TestFrames)
#include "tst_frames.moc"
