#include "core/dat_file.h"
#include "core/option_defaults.h"
#include "core/startup_image.h"

#include "support/image_bytes.h"

#include <QFile>
#include <QtTest>

namespace {

QByteArray GoldenImageFile()
{
    QFile file(QStringLiteral(RADIO_TEST_DATA_DIR "/startup_image.dat"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("Cannot open the golden start-up image");
    return file.readAll();
}

}  // namespace

class TestStartupImage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void matchesTheGoldenFile();
    void erasedRows_data();
    void erasedRows();
    void defaultBytes_data();
    void defaultBytes();
    void optionsBytesNoDefaultNamesAreZero();
    void optDataMirrorsTheOptionsRows();
    void alignmentTableIsCopiedFromTheDefaults();
    void secondRunGivesTheSameImage();
};

void TestStartupImage::initTestCase()
{
    // Leave traces where no area's default writes, so that the start-up must
    // fill them itself.
    Edata.fill(0x11);
    AdjData(32, 0) = 7;
    AdjData(0, 16) = 7;
    BuildStartupImage();
}

void TestStartupImage::matchesTheGoldenFile()
{
    const QList<QByteArray> expected = GoldenImageFile().split('\n');
    const QList<QByteArray> actual = DatFileText(Edata).split('\n');
    QCOMPARE(actual.size(), expected.size());
    for (int i = 0; i < actual.size(); ++i) {
        if (actual[i] != expected[i])
            QFAIL(qPrintable(QStringLiteral("row %1\n  built:  %2\n  golden: %3")
                                 .arg(i)
                                 .arg(QString::fromLatin1(actual[i]), QString::fromLatin1(expected[i]))));
    }
}

void TestStartupImage::erasedRows_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("channels and the rows up to the options") << 0 << 223;
    QTest::newRow("options rows past the VFO records, channel names, up to the tone tables") << 244 << 511;
    QTest::newRow("16th row of the frequency low page") << 527 << 527;
    QTest::newRow("16th row of the frequency high page") << 543 << 543;
    QTest::newRow("16th row of the period low page") << 559 << 559;
    QTest::newRow("16th row of the period high page") << 575 << 575;
    QTest::newRow("row between the standards and the encode codes") << 591 << 591;
    QTest::newRow("five-tone encode codes 2..14") << 593 << 605;
    QTest::newRow("between five-tone and DTMF") << 608 << 655;
    QTest::newRow("DTMF codes 2..14") << 657 << 669;
    QTest::newRow("DTMF rows without a default") << 678 << 684;
    QTest::newRow("between DTMF and two-tone") << 688 << 719;
    QTest::newRow("two-tone encode numbers 4..11") << 723 << 730;
    QTest::newRow("two-tone decode numbers 3..13") << 738 << 748;
    QTest::newRow("two-tone row after the decode entries") << 751 << 751;
    QTest::newRow("two-tone tone sets 3..13") << 754 << 764;
    QTest::newRow("past the FM page, the alignment and password rows included") << 784 << 1024;
}

void TestStartupImage::erasedRows()
{
    QFETCH(int, first);
    QFETCH(int, last);
    QVERIFY(RowsHold(Edata, first, last, kErased));
}

void TestStartupImage::defaultBytes_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("first");
    QTest::addColumn<QString>("hex");
    QTest::newRow("CCIR1 digit 0, 1981 Hz: frequency low BD") << 512 << 0 << "BD";
    QTest::newRow("CCIR1 digit 0, 1981 Hz: frequency high 07") << 528 << 0 << "07";
    QTest::newRow("CCIR1 digit A, 2400 Hz: period low BF (959)") << 544 << 10 << "BF";
    QTest::newRow("CCIR1 digit A, 2400 Hz: period high 03") << 560 << 10 << "03";
    QTest::newRow("ZVEI3 digits B..D have no tone: frequency low") << 517 << 11 << "00 00 00";
    QTest::newRow("ZVEI3 digits B..D have no tone: frequency high") << 533 << 11 << "00 00 00";
    QTest::newRow("ZVEI3 digits B..D have no tone: period low") << 549 << 11 << "00 00 00";
    QTest::newRow("ZVEI3 digits B..D have no tone: period high") << 565 << 11 << "00 00 00";
    QTest::newRow("CCIR1 standard: 100 ms, group A, repeat E")
        << 576 << 0 << "08 0A 0E FF FF FF FF FF FF FF FF FF FF FF FF FF";
    QTest::newRow("CCIR2 standard: 70 ms") << 577 << 0 << "05 0A 0E FF FF FF FF FF FF FF FF FF FF FF FF FF";
    QTest::newRow("five-tone encode code 1, CCIR1") << 592 << 0 << "01 02 03 04 05 03 04 05 06 07 05 06 07 08 09 00";
    QTest::newRow("five-tone encode code 15, MODAT") << 606 << 0 << "02 03 04 05 06 04 05 06 07 08 06 07 08 09 00 0E";
    QTest::newRow("five-tone options") << 607 << 0 << "14 14 14 00 FF FF FF FF 00 01 06 3B FF FF FF FF";
    QTest::newRow("DTMF encode code 1: 2 0 2 0 2") << 656 << 0 << "02 0A 02 0A 02 FF FF FF FF FF FF FF FF FF FF FF";
    QTest::newRow("DTMF control record") << 687 << 0 << "01 1F 03 00 0B 0C 04 4F FF FF FF FF FF FF FF FF";
    QTest::newRow("two-tone encode 1: 1981 and 1124 Hz")
        << 720 << 0 << "BD 07 FF FF FF FF FF FF 64 04 FF FF FF FF FF FF";
    QTest::newRow("two-tone timing") << 735 << 0 << "3C 3C 1E FF FF FF FF FF FF FF FF FF FF FF FF FF";
    QTest::newRow("two-tone decode 15: decoders reversed")
        << 750 << 0 << "09 00 04 08 03 03 04 02 02 00 01 01 FF FF FF FF";
    QTest::newRow("two-tone tone set 1 with its periods")
        << 752 << 0 << "BD 07 64 04 AD 04 FB 04 8B 04 02 08 85 07 0F 07";
    QTest::newRow("two-tone reset time") << 767 << 0 << "3B FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF";
    QTest::newRow("FM preset 0: 88.9 MHz MBNEW") << 768 << 0 << "00 08 08 09 00 00 00 00 4D 42 4E 45 57 FF FF FF";
    QTest::newRow("FM preset 2 empty") << 770 << 0 << "00 00 00 00 00 00 00 00 FF FF FF FF FF FF FF FF";
    QTest::newRow("FM preset 9: 98.3 MHz TRQX") << 777 << 0 << "00 09 08 03 00 00 00 00 54 52 51 58 FF FF FF FF";
    QTest::newRow("FM preset 11: 103.9 MHz CCTV6") << 779 << 0 << "01 00 03 09 00 00 00 00 43 43 54 56 36 FF FF FF";
    QTest::newRow("options settings 0x0E00") << 224 << 0 << "01 02 05 00 00 05 0A 00 00 01 00 00 00 00 03 00";
    QTest::newRow("power-on message WELCOM QV6417") << 236 << 0 << "57 45 4C 43 4F 4D 51 56 36 34 31 37 FF FF FF FF";
    QTest::newRow("ANI 8 D 8 D 8") << 237 << 0 << "08 00 08 00 08 FF FF FF FF FF FF FF FF FF FF FF";
    QTest::newRow("VFO A frequency 136.025 MHz, offset 10.655 MHz")
        << 240 << 0 << "01 03 06 00 02 05 00 00 00 01 00 06 05 05 00 00";
    QTest::newRow("VFO B parameters: signal code 14, bytes 12..15 erased")
        << 243 << 0 << "00 00 00 00 0E 00 00 00 00 00 00 00 FF FF FF FF";
}

void TestStartupImage::defaultBytes()
{
    QFETCH(int, row);
    QFETCH(int, first);
    QFETCH(QString, hex);
    const Bytes expected = HexBytes(hex);
    QCOMPARE(RowBytes(Edata, row, first, expected.size()), expected);
}

void TestStartupImage::optionsBytesNoDefaultNamesAreZero()
{
    for (int address : {0x0E04, 0x0E10, 0x0E11, 0x0E12, 0x0E1C, 0x0E29})
        QCOMPARE(Edata(RowOf(address), ColumnOf(address)), 0);
    for (int address = 0x0E31; address <= 0x0EBF; ++address) {
        const int expected = address == 0x0E81 ? 1 : address == 0x0E84 ? 31 : address == 0x0E85 ? 1 : 0;
        QCOMPARE(Edata(RowOf(address), ColumnOf(address)), expected);
    }
    QCOMPARE(RowBytes(Edata, 241, 12, 4), Repeated(kErased, 4));
    QVERIFY(RowsHold(Edata, RowOf(0x0F40), RowOf(0x0FFF), kErased));
}

void TestStartupImage::optDataMirrorsTheOptionsRows()
{
    for (int i = 0; i < kOptMirrorBytes; ++i)
        QCOMPARE(OptData[i], Edata(Area::OptSettings.firstRow() + i / kRowBytes, i % kRowBytes));
    for (int i = kOptMirrorBytes; i < kOptDataSize; ++i)
        QCOMPARE(OptData[i], 0);
}

void TestStartupImage::alignmentTableIsCopiedFromTheDefaults()
{
    for (int r = 0; r < 32; ++r) {
        for (int c = 0; c < 16; ++c)
            QCOMPARE(AdjData(r, c), AdjDefault(r, c));
    }
    QCOMPARE(AdjData(0, 0), 12);
    QCOMPARE(AdjData(8, 11), 128);
    // Row 32 and column 16 are not part of the copy.
    QCOMPARE(AdjData(32, 0), 7);
    QCOMPARE(AdjData(0, 16), 7);
}

void TestStartupImage::secondRunGivesTheSameImage()
{
    const MemoryImage first = Edata;
    BuildStartupImage();
    QVERIFY(Edata == first);
}

QTEST_GUILESS_MAIN(TestStartupImage)
#include "tst_startup_image.moc"
