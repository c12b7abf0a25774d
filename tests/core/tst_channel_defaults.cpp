#include "core/channel_defaults.h"

#include "support/image_bytes.h"

#include <QtTest>

namespace {

constexpr int kSentinel = 0xA5;

}  // namespace

class TestChannelDefaults : public QObject {
    Q_OBJECT
private slots:
    void sampleChannels_data();
    void sampleChannels();
    void emptiesEveryOtherChannelAndKeepsTheNames();
    void putToneCode_data();
    void putToneCode();
};

void TestChannelDefaults::sampleChannels_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<QString>("hex");
    QTest::newRow("0: 155.025 MHz, 67.0 Hz") << 0 << "00 25 50 15 00 25 50 15 9E 02 9E 02 00 00 00 04";
    QTest::newRow("1: 136.1 MHz, 100.0 Hz") << 1 << "00 00 61 13 00 00 61 13 E8 03 E8 03 00 00 00 04";
    QTest::newRow("2: 173.95 MHz, 127.3 Hz") << 2 << "00 50 39 17 00 50 39 17 F9 04 F9 04 00 00 00 04";
    QTest::newRow("3: 400.025 MHz, 203.5 Hz") << 3 << "00 25 00 40 00 25 00 40 F3 07 F3 07 00 00 00 04";
    QTest::newRow("4: 479.95 MHz, tones off") << 4 << "00 50 99 47 00 50 99 47 FF FF FF FF 00 00 00 04";
    QTest::newRow("5: 436.5 MHz, 250.3 Hz") << 5 << "00 00 65 43 00 00 65 43 C7 09 C7 09 00 00 00 04";
    QTest::newRow("6: 155.5 MHz, DCS D754I") << 6 << "00 00 55 15 00 00 55 15 D2 00 D2 00 00 00 00 04";
    QTest::newRow("199: 480.625 MHz, tones off") << 199 << "00 25 06 48 00 25 06 48 FF FF FF FF 00 00 00 04";
}

void TestChannelDefaults::sampleChannels()
{
    QFETCH(int, channel);
    QFETCH(QString, hex);
    MemoryImage image = FilledImage(kSentinel);
    Channel_Defaults(image);
    QCOMPARE(RowBytes(image, channel), HexBytes(hex));
}

void TestChannelDefaults::emptiesEveryOtherChannelAndKeepsTheNames()
{
    MemoryImage image = FilledImage(kSentinel);
    Channel_Defaults(image);
    QVERIFY(RowsHold(image, 7, 198, kErased));
    QVERIFY(RowsHold(image, 200, kImageRows - 1, kSentinel));
}

void TestChannelDefaults::putToneCode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Bytes>("bytes");
    QTest::newRow("FF is off") << "FF" << Bytes{0xFF, 0xFF};
    QTest::newRow("67.0") << "67.0" << Bytes{0x9E, 0x02};
    QTest::newRow("blanks are ignored") << " 88. 5" << Bytes{0x75, 0x03};
    QTest::newRow("half a tenth to the even neighbour, down") << "100.25" << Bytes{0xEA, 0x03};
    QTest::newRow("half a tenth to the even neighbour, up") << "100.75" << Bytes{0xF0, 0x03};
    QTest::newRow("254.9 is the highest") << "254.9" << Bytes{0xF5, 0x09};
    QTest::newRow("51.19999 rounded to a low byte of 256 before") << "51.19999" << Bytes{0x00, 0x02};
    QTest::newRow("0 writes nothing") << "0" << Bytes{kSentinel, kSentinel};
    QTest::newRow("255 writes nothing") << "255" << Bytes{kSentinel, kSentinel};
    QTest::newRow("negative writes nothing") << "-67" << Bytes{kSentinel, kSentinel};
    QTest::newRow("no number writes nothing") << "OFF" << Bytes{kSentinel, kSentinel};
    QTest::newRow("ff in lower case is no number") << "ff" << Bytes{kSentinel, kSentinel};
}

void TestChannelDefaults::putToneCode()
{
    QFETCH(QString, text);
    QFETCH(Bytes, bytes);
    MemoryImage image = FilledImage(kSentinel);
    PutToneCode(text, 5, 10, image);
    QCOMPARE(RowBytes(image, 5, 10, 2), bytes);
    QCOMPARE(RowBytes(image, 5, 0, 10), Repeated(kSentinel, 10));
    QCOMPARE(RowBytes(image, 5, 12, 4), Repeated(kSentinel, 4));
}

QTEST_GUILESS_MAIN(TestChannelDefaults)
#include "tst_channel_defaults.moc"
