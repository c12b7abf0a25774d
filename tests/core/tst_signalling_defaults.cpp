#include "core/dtmf_defaults.h"
#include "core/five_tone_tables.h"
#include "core/two_tone_defaults.h"

#include "support/image_bytes.h"

#include <QtTest>

namespace {

constexpr int kSentinel = 0xA5;

}  // namespace

class TestSignallingDefaults : public QObject {
    Q_OBJECT
private slots:
    void dtmfRows_data();
    void dtmfRows();
    void dtmfDefaultsTouchOnlyTheirArea();
    void twoTonePeriod_data();
    void twoTonePeriod();
    void twoTonePeriodAndFiveToneCountDifferAt2400Hz();
    void putTwoToneFreqWritesItsFourBytes();
    void putTwoToneFreqRefusesWhatDoesNotFitAWord_data();
    void putTwoToneFreqRefusesWhatDoesNotFitAWord();
    void putTwoTonePairWritesBytes0189();
    void twoToneRows_data();
    void twoToneRows();
    void twoToneToneSetPeriods_data();
    void twoToneToneSetPeriods();
    void twoToneDefaultsTouchOnlyTheirArea();
};

void TestSignallingDefaults::dtmfRows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("hex");
    QTest::newRow("encode code 1, 20202") << 656 << "02 0A 02 0A 02 FF FF FF FF FF FF FF FF FF FF FF";
    QTest::newRow("encode code 2 empty") << 657 << "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF";
    QTest::newRow("encode code 15, 30303") << 670 << "03 0A 03 0A 03 FF FF FF FF FF FF FF FF FF FF FF";
    QTest::newRow("send timing 80 ms") << 671 << "03 03 FF FF FF FF FF FF FF FF FF FF FF FF FF FF";
    QTest::newRow("alarm code 119") << 674 << "01 01 09 FF FF FF FF FF FF FF FF FF FF FF FF FF";
    QTest::newRow("revive code 777") << 677 << "07 07 07 FF FF FF FF FF FF FF FF FF FF FF FF FF";
    QTest::newRow("row 678 empty") << 678 << "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF";
    QTest::newRow("master control ID 60606") << 685 << "06 0A 06 0A 06 FF FF FF FF FF FF FF FF FF FF FF";
    QTest::newRow("vice control ID 70707") << 686 << "07 0A 07 0A 07 FF FF FF FF FF FF FF FF FF FF FF";
    QTest::newRow("control record") << 687 << "01 1F 03 00 0B 0C 04 4F FF FF FF FF FF FF FF FF";
}

void TestSignallingDefaults::dtmfRows()
{
    QFETCH(int, row);
    QFETCH(QString, hex);
    MemoryImage image = FilledImage(kSentinel);
    Dtmf_Defaults(image);
    QCOMPARE(RowBytes(image, row), HexBytes(hex));
}

void TestSignallingDefaults::dtmfDefaultsTouchOnlyTheirArea()
{
    MemoryImage image = FilledImage(kSentinel);
    Dtmf_Defaults(image);
    QVERIFY(RowsHold(image, 0, 655, kSentinel));
    QVERIFY(RowsHold(image, 688, kImageRows - 1, kSentinel));
    QVERIFY(RowsHold(image, 678, 684, kErased));
}

void TestSignallingDefaults::twoTonePeriod_data()
{
    QTest::addColumn<int>("hz");
    QTest::addColumn<int>("period");
    QTest::newRow("300 Hz") << 300 << 7680;
    QTest::newRow("1124 Hz") << 1124 << 2050;
    QTest::newRow("1981 Hz") << 1981 << 1163;
    QTest::newRow("2400 Hz rounds to 960") << 2400 << 960;
    QTest::newRow("3000 Hz") << 3000 << 768;
    QTest::newRow("36 Hz, the longest period a word holds") << 36 << 64000;
    QTest::newRow("35 Hz does not fit a word") << 35 << -1;
    QTest::newRow("0 Hz") << 0 << -1;
}

void TestSignallingDefaults::twoTonePeriod()
{
    QFETCH(int, hz);
    QFETCH(int, period);
    QCOMPARE(TwoTonePeriod(hz), period);
}

void TestSignallingDefaults::twoTonePeriodAndFiveToneCountDifferAt2400Hz()
{
    // The two-tone decoder takes a rounded period, the five-tone generator
    // counts whole cycles: both are what the radio expects.
    QCOMPARE(TwoTonePeriod(2400), 960);
    QCOMPARE(FiveTonePeriodCount(24000), 959);
}

void TestSignallingDefaults::putTwoToneFreqWritesItsFourBytes()
{
    MemoryImage image = FilledImage(kSentinel);
    PutTwoToneFreq(47, 0, 1, 1124, image);
    // 0x2F02..0x2F03 the frequency, 0x2F0A..0x2F0B its period 2050.
    QCOMPARE(RowBytes(image, 752), HexBytes("A5 A5 64 04 A5 A5 A5 A5 A5 A5 02 08 A5 A5 A5 A5"));
    QVERIFY(RowsHold(image, 0, 751, kSentinel));
    QVERIFY(RowsHold(image, 753, kImageRows - 1, kSentinel));
}

void TestSignallingDefaults::putTwoToneFreqRefusesWhatDoesNotFitAWord_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("tone");
    QTest::addColumn<int>("hz");
    QTest::newRow("0 Hz, no period") << 47 << 0 << 0 << 0;
    QTest::newRow("negative frequency") << 47 << 0 << 0 << -300;
    QTest::newRow("1 Hz, period 2304000 far above a word") << 47 << 0 << 0 << 1;
    QTest::newRow("35 Hz, period above 65535") << 47 << 0 << 0 << 35;
    QTest::newRow("frequency above a word") << 47 << 0 << 0 << 70000;
    QTest::newRow("tone E does not exist") << 47 << 0 << 4 << 1000;
    QTest::newRow("row past the image") << 64 << 1 << 0 << 1000;
}

void TestSignallingDefaults::putTwoToneFreqRefusesWhatDoesNotFitAWord()
{
    QFETCH(int, page);
    QFETCH(int, entry);
    QFETCH(int, tone);
    QFETCH(int, hz);
    MemoryImage image = FilledImage(kSentinel);
    PutTwoToneFreq(page, entry, tone, hz, image);
    QVERIFY(image == FilledImage(kSentinel));
    // The lowest frequency whose period still fits.
    PutTwoToneFreq(47, 0, 0, 36, image);
    QCOMPARE(RowBytes(image, 752, 8, 2), (Bytes{64000 % 256, 64000 / 256}));
}

void TestSignallingDefaults::putTwoTonePairWritesBytes0189()
{
    MemoryImage image = FilledImage(kSentinel);
    PutTwoTonePair(45, 11, 2200, 970, image);
    QCOMPARE(RowBytes(image, 731), HexBytes("98 08 A5 A5 A5 A5 A5 A5 CA 03 A5 A5 A5 A5 A5 A5"));
}

void TestSignallingDefaults::twoToneRows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("hex");
    QTest::newRow("encode 1: 1981/1124") << 720 << "BD 07 FF FF FF FF FF FF 64 04 FF FF FF FF FF FF";
    QTest::newRow("encode 3: 1540/1640") << 722 << "04 06 FF FF FF FF FF FF 68 06 FF FF FF FF FF FF";
    QTest::newRow("encode 4 empty") << 723 << "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF";
    QTest::newRow("encode 15: 1670/1830") << 734 << "86 06 FF FF FF FF FF FF 26 07 FF FF FF FF FF FF";
    QTest::newRow("timing 600/600/300 ms") << 735 << "3C 3C 1E FF FF FF FF FF FF FF FF FF FF FF FF FF";
    QTest::newRow("decode 1") << 736 << "00 01 01 04 02 02 08 03 03 09 00 04 FF FF FF FF";
    QTest::newRow("decode 2 as decode 1") << 737 << "00 01 01 04 02 02 08 03 03 09 00 04 FF FF FF FF";
    QTest::newRow("decode 3 empty") << 738 << "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF";
    QTest::newRow("decode 14 as decode 1") << 749 << "00 01 01 04 02 02 08 03 03 09 00 04 FF FF FF FF";
    QTest::newRow("decode 15 reversed") << 750 << "09 00 04 08 03 03 04 02 02 00 01 01 FF FF FF FF";
    QTest::newRow("row 751 empty") << 751 << "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF";
    QTest::newRow("tone set 3 empty") << 754 << "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF";
    QTest::newRow("reset 6000 ms") << 767 << "3B FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF";
}

void TestSignallingDefaults::twoToneRows()
{
    QFETCH(int, row);
    QFETCH(QString, hex);
    MemoryImage image = FilledImage(kSentinel);
    TwoTone_Defaults(image);
    QCOMPARE(RowBytes(image, row), HexBytes(hex));
}

void TestSignallingDefaults::twoToneToneSetPeriods_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<Bytes>("hz");
    QTest::addColumn<Bytes>("periods");
    QTest::newRow("decode 1") << 752 << Bytes{1981, 1124, 1197, 1275} << Bytes{1163, 2050, 1925, 1807};
    QTest::newRow("decode 2") << 753 << Bytes{1358, 1446, 1540, 1640} << Bytes{1697, 1593, 1496, 1405};
    QTest::newRow("decode 14") << 765 << Bytes{2200, 970, 1060, 1160} << Bytes{1047, 2375, 2174, 1986};
    QTest::newRow("decode 15") << 766 << Bytes{1400, 1530, 1670, 1830} << Bytes{1646, 1506, 1380, 1259};
}

void TestSignallingDefaults::twoToneToneSetPeriods()
{
    QFETCH(int, row);
    QFETCH(Bytes, hz);
    QFETCH(Bytes, periods);
    MemoryImage image;
    TwoTone_Defaults(image);
    Bytes words;
    for (int c = 0; c < kRowBytes; c += 2)
        words << image(row, c) + 256 * image(row, c + 1);
    QCOMPARE(words, hz + periods);
}

void TestSignallingDefaults::twoToneDefaultsTouchOnlyTheirArea()
{
    MemoryImage image = FilledImage(kSentinel);
    TwoTone_Defaults(image);
    QVERIFY(RowsHold(image, 0, 719, kSentinel));
    QVERIFY(RowsHold(image, 768, kImageRows - 1, kSentinel));
    for (int r = 720; r <= 767; ++r) {
        for (int c = 0; c < kRowBytes; ++c)
            QVERIFY(image(r, c) != kSentinel);
    }
}

QTEST_GUILESS_MAIN(TestSignallingDefaults)
#include "tst_signalling_defaults.moc"
