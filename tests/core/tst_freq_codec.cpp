#include "core/freq_codec.h"
#include "core/model_bands.h"
#include "core/numbers.h"

#include <QtTest>
#include <cmath>

namespace {

using Bytes = QList<int>;

Bytes StoredBytes(const MemoryImage& image, int row, int col)
{
    return {image(row, col), image(row, col + 1), image(row, col + 2), image(row, col + 3)};
}

// The packed BCD of a frequency given in whole 10 Hz units.
Bytes BcdOfUnits(long long units)
{
    Bytes bytes;
    for (int i = 0; i < 4; ++i) {
        const int low = static_cast<int>(units % 10);
        units /= 10;
        const int high = static_cast<int>(units % 10);
        units /= 10;
        bytes << (high * 16 + low);
    }
    return bytes;
}

void SetLimits(double vhfMin, double vhfMax, double uhfMin, double uhfMax)
{
    BandVhfMin = vhfMin;
    BandVhfMax = vhfMax;
    BandUhfMin = uhfMin;
    BandUhfMax = uhfMax;
}

void PutChannel(MemoryImage& image, int channel, const QString& rx, const QString& tx)
{
    QString text = rx;
    if (!rx.isEmpty())
        PutFreq(text, channel, 0, image);
    text = tx;
    if (!tx.isEmpty())
        PutFreq(text, channel, 4, image);
}

}  // namespace

class TestFreqCodec : public QObject {
    Q_OBJECT
private slots:
    void putFreq_data();
    void putFreq();
    void putFreqLeavesTheNormalisedText_data();
    void putFreqLeavesTheNormalisedText();
    void putFreqTouchesOnlyItsFourBytes();
    void storesOutsideEightDigitsWriteNothing_data();
    void storesOutsideEightDigitsWriteNothing();
    void snapsDownToTheHigherRasterPoint();
    void everyRasterPointRoundTrips();
    void bcdToFreq_data();
    void bcdToFreq();
    void freqToBcdFillsScratchMostSignificantFirst();
    void outOfBand_data();
    void outOfBand();
    void putFmFreq_data();
    void putFmFreq();
    void digitsOfFreqText_data();
    void digitsOfFreqText();
};

void TestFreqCodec::putFreq_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Bytes>("bytes");
    QTest::newRow("145.003 down to 2.5 kHz") << "145.003" << Bytes{0x50, 0x02, 0x50, 0x14};
    QTest::newRow("145.0062 takes the higher 2.5 kHz point") << "145.0062" << Bytes{0x00, 0x05, 0x50, 0x14};
    QTest::newRow("145.00625 on the 6.25 kHz raster") << "145.00625" << Bytes{0x25, 0x06, 0x50, 0x14};
    QTest::newRow("145.0187") << "145.0187" << Bytes{0x50, 0x17, 0x50, 0x14};
    QTest::newRow("145.01875") << "145.01875" << Bytes{0x75, 0x18, 0x50, 0x14};
    QTest::newRow("146.99999 never up") << "146.99999" << Bytes{0x50, 0x97, 0x69, 0x14};
    QTest::newRow("438.00001") << "438.00001" << Bytes{0x00, 0x00, 0x80, 0x43};
    QTest::newRow("136.1") << "136.1" << Bytes{0x00, 0x00, 0x61, 0x13};
    QTest::newRow("145.01250") << "145.01250" << Bytes{0x50, 0x12, 0x50, 0x14};
    QTest::newRow("within 1 Hz below a point stays on it") << "145.0124995" << Bytes{0x50, 0x12, 0x50, 0x14};
    QTest::newRow("tie of both rasters") << "145.010" << Bytes{0x00, 0x10, 0x50, 0x14};
    QTest::newRow("leading blanks") << "  155.025" << Bytes{0x00, 0x25, 0x50, 0x15};
    QTest::newRow("479.95") << "479.95" << Bytes{0x00, 0x50, 0x99, 0x47};
    QTest::newRow("480.625") << "480.625" << Bytes{0x00, 0x25, 0x06, 0x48};
}

void TestFreqCodec::putFreq()
{
    QFETCH(QString, text);
    QFETCH(Bytes, bytes);
    MemoryImage image;
    PutFreq(text, 3, 4, image);
    QCOMPARE(StoredBytes(image, 3, 4), bytes);
}

void TestFreqCodec::putFreqLeavesTheNormalisedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("normalised");
    QTest::newRow("whole MHz") << "145"
                               << "145.00000";
    QTest::newRow("one decimal") << "136.1"
                                 << "136.10000";
    QTest::newRow("snapped") << "145.003"
                             << "145.00250";
    QTest::newRow("four decimals") << "145.0025"
                                   << "145.00250";
    QTest::newRow("five decimals") << "145.00625"
                                   << "145.00625";
}

void TestFreqCodec::putFreqLeavesTheNormalisedText()
{
    QFETCH(QString, text);
    QFETCH(QString, normalised);
    MemoryImage image;
    PutFreq(text, 0, 0, image);
    QCOMPARE(text, normalised);
}

void TestFreqCodec::putFreqTouchesOnlyItsFourBytes()
{
    MemoryImage image;
    MemoryImage expected;
    QString text = QStringLiteral("145.0125");
    PutFreq(text, 10, 12, image);
    expected(10, 12) = 0x50;
    expected(10, 13) = 0x12;
    expected(10, 14) = 0x50;
    expected(10, 15) = 0x14;
    QVERIFY(image == expected);
}

void TestFreqCodec::storesOutsideEightDigitsWriteNothing_data()
{
    QTest::addColumn<QString>("freq");
    QTest::addColumn<bool>("stored");
    QTest::newRow("999.99 is the last") << "999.99" << true;
    QTest::newRow("10.0025") << "10.0025" << true;
    QTest::newRow("1000") << "1000" << false;
    QTest::newRow("1600, past a BCD byte") << "1600" << false;
    QTest::newRow("28305, five digits") << "28305" << false;
    QTest::newRow("negative") << "-5" << false;
    QTest::newRow("beyond a double") << QString(400, QLatin1Char('9')) << false;
}

// The packed and the digit-per-byte store alike.
void TestFreqCodec::storesOutsideEightDigitsWriteNothing()
{
    QFETCH(QString, freq);
    QFETCH(bool, stored);
    const MemoryImage erased;
    MemoryImage image;
    QString text = freq;
    QCOMPARE(PutFreq(text, 4, 0, image), stored);
    QCOMPARE(text == freq, !stored);  // the text is normalised only when stored
    QCOMPARE(PutFMFreq(NumericValue(freq), 3, image), stored);
    QCOMPARE(image == erased, !stored);
    if (!stored)
        return;
    QCOMPARE(StoredBytes(image, 4, 0), BcdOfUnits(std::llround(NumericValue(freq) * 100000)));
}

// Every entry on a 10 Hz grid goes to the higher of the two raster points at
// or below it.
void TestFreqCodec::snapsDownToTheHigherRasterPoint()
{
    MemoryImage image;
    for (long long start : {13600000LL, 14500000LL, 43800000LL, 47990000LL}) {
        for (long long units = start; units <= start + 5000; ++units) {
            const long long snapped = std::max(units / 250 * 250, units / 625 * 625);
            QString text = ShortestText(units / 100000.0);
            PutFreq(text, 0, 0, image);
            if (StoredBytes(image, 0, 0) != BcdOfUnits(snapped))
                QFAIL(qPrintable(QStringLiteral("entry %1 units").arg(units)));
        }
    }
}

// Each raster point from 100 to 600 MHz stays where it is, shows the text it
// was entered as, and decodes to the same text.
void TestFreqCodec::everyRasterPointRoundTrips()
{
    MemoryImage image;
    for (int step : {250, 625}) {
        for (long long units = 10000000; units <= 60000000; units += step) {
            QString text = ShortestText(units / 100000.0);
            PutFreq(text, 0, 0, image);
            const Bytes bytes = StoredBytes(image, 0, 0);
            if (bytes != BcdOfUnits(units))
                QFAIL(qPrintable(QStringLiteral("point %1 units stored wrongly").arg(units)));
            if (BCDToFreq(bytes[0], bytes[1], bytes[2], bytes[3]) != text)
                QFAIL(qPrintable(QStringLiteral("point %1 units does not read back as %2").arg(units).arg(text)));
        }
    }
}

void TestFreqCodec::bcdToFreq_data()
{
    QTest::addColumn<Bytes>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("145.01250") << Bytes{0x50, 0x12, 0x50, 0x14} << "145.01250";
    QTest::newRow("140.00000") << Bytes{0x00, 0x00, 0x00, 0x14} << "140.00000";
    QTest::newRow("145.00625") << Bytes{0x25, 0x06, 0x50, 0x14} << "145.00625";
    QTest::newRow("136.10000") << Bytes{0x00, 0x00, 0x61, 0x13} << "136.10000";
    QTest::newRow("88.90000 below 100 MHz") << Bytes{0x00, 0x00, 0x89, 0x08} << "88.90000";
    QTest::newRow("89 gets its point") << Bytes{0x00, 0x00, 0x90, 0x08} << "89.00000";
    QTest::newRow("10 MHz") << Bytes{0x00, 0x00, 0x00, 0x01} << "10.00000";
    QTest::newRow("below 10 MHz with a fraction") << Bytes{0x00, 0x00, 0x95, 0x00} << "9.50000";
    QTest::newRow("below 10 MHz whole") << Bytes{0x00, 0x00, 0x50, 0x00} << "5.00000";
    QTest::newRow("nibbles above 9 are taken as they are") << Bytes{0x00, 0x00, 0x0A, 0x14} << "141.00000";
}

void TestFreqCodec::bcdToFreq()
{
    QFETCH(Bytes, bytes);
    QFETCH(QString, text);
    QCOMPARE(BCDToFreq(bytes[0], bytes[1], bytes[2], bytes[3]), text);
}

void TestFreqCodec::freqToBcdFillsScratchMostSignificantFirst()
{
    QCOMPARE(FreqToBCD(QStringLiteral(" 145.01250")), std::uint8_t(0x14));
    QCOMPARE(BcdBytes[0], std::uint8_t(0x14));
    QCOMPARE(BcdBytes[1], std::uint8_t(0x50));
    QCOMPARE(BcdBytes[2], std::uint8_t(0x12));
    QCOMPARE(BcdBytes[3], std::uint8_t(0x50));
}

void TestFreqCodec::outOfBand_data()
{
    QTest::addColumn<QStringList>("channels");  // "index rx tx", "-" for none
    QTest::addColumn<QList<double>>("limits");
    QTest::addColumn<int>("result");
    const QList<double> editor{140, 150, 440, 450};
    const QList<double> startUp{130, 179, 400, 520};
    QTest::newRow("all empty") << QStringList{} << editor << kNoChannel;
    QTest::newRow("receive below the VHF low limit") << QStringList{"5 136.1 -"} << editor << 5;
    QTest::newRow("transmit above the UHF high limit") << QStringList{"2 445 480.625"} << editor << 2;
    QTest::newRow("450.9975 passes a 450 limit in whole MHz")
        << QStringList{"0 450.9975 450.9975"} << editor << kNoChannel;
    QTest::newRow("179.995 passes a 179 limit") << QStringList{"0 179.995 179.995"} << startUp << kNoChannel;
    QTest::newRow("180 offends a 179 limit") << QStringList{"0 180 -"} << startUp << 0;
    QTest::newRow("between the bands") << QStringList{"7 300 300"} << startUp << 7;
    QTest::newRow("transmit only is tested on its transmit") << QStringList{"9 - 100"} << startUp << 9;
    QTest::newRow("first offender wins") << QStringList{"3 145 145", "8 600 600", "4 100 100"} << startUp << 4;
    QTest::newRow("channel 199 is scanned") << QStringList{"199 600 600"} << startUp << 199;
}

void TestFreqCodec::outOfBand()
{
    QFETCH(QStringList, channels);
    QFETCH(QList<double>, limits);
    QFETCH(int, result);
    MemoryImage image;
    for (const QString& line : channels) {
        const QStringList f = line.split(QLatin1Char(' '));
        PutChannel(image, f[0].toInt(), f[1] == QLatin1String("-") ? QString() : f[1],
                   f[2] == QLatin1String("-") ? QString() : f[2]);
    }
    SetLimits(limits[0], limits[1], limits[2], limits[3]);
    QCOMPARE(FindOutOfBandChannel(image), result);
}

void TestFreqCodec::putFmFreq_data()
{
    QTest::addColumn<double>("mhz");
    QTest::addColumn<int>("preset");
    QTest::addColumn<QList<int>>("digits");
    QTest::newRow("88.9") << 88.9 << 0 << QList<int>{0, 8, 8, 9, 0, 0, 0, 0};
    QTest::newRow("105.9 in the last preset") << 105.9 << 15 << QList<int>{1, 0, 5, 9, 0, 0, 0, 0};
    QTest::newRow("100.1 has no binary residue") << 100.1 << 3 << QList<int>{1, 0, 0, 1, 0, 0, 0, 0};
    QTest::newRow("103.9") << 103.9 << 11 << QList<int>{1, 0, 3, 9, 0, 0, 0, 0};
    QTest::newRow("10 Hz digit") << 98.30001 << 9 << QList<int>{0, 9, 8, 3, 0, 0, 0, 1};
    QTest::newRow("every digit") << 123.45678 << 1 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8};
}

void TestFreqCodec::putFmFreq()
{
    QFETCH(double, mhz);
    QFETCH(int, preset);
    QFETCH(QList<int>, digits);
    MemoryImage image;
    PutFMFreq(mhz, preset, image);
    QList<int> stored;
    for (int k = 0; k < 8; ++k)
        stored << image(768 + preset, k);
    QCOMPARE(stored, digits);
    for (int k = 8; k < 16; ++k)
        QCOMPARE(image(768 + preset, k), std::int16_t(0xFF));
}

void TestFreqCodec::digitsOfFreqText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("digits");  // empty: none
    QTest::newRow("88.9") << "88.9" << QList<int>{0, 8, 8, 9, 0, 0, 0, 0};
    QTest::newRow("cut, not rounded to 108") << "107.999999" << QList<int>{1, 0, 7, 9, 9, 9, 9, 9};
    QTest::newRow("no double rounds it") << "86.99999999999999999" << QList<int>{0, 8, 6, 9, 9, 9, 9, 9};
    QTest::newRow("leading zeros") << "087.5" << QList<int>{0, 8, 7, 5, 0, 0, 0, 0};
    QTest::newRow("outer blanks") << " 88.9 " << QList<int>{0, 8, 8, 9, 0, 0, 0, 0};
    QTest::newRow("whole") << "100" << QList<int>{1, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("a point last") << "5." << QList<int>{0, 0, 5, 0, 0, 0, 0, 0};
    QTest::newRow("999.99999 is the last") << "999.999999" << QList<int>{9, 9, 9, 9, 9, 9, 9, 9};
    QTest::newRow("1000 has no 100 MHz digit") << "1000" << QList<int>{};
    QTest::newRow("an erased preset's text") << "28333.33305" << QList<int>{};
    // Texts of another form store nothing, rather than what a number at
    // their start reads.
    QTest::newRow("a sign") << "+087.5" << QList<int>{};
    QTest::newRow("an inner blank") << "8 8.9" << QList<int>{};
    QTest::newRow("a comma") << "98,5" << QList<int>{};
    QTest::newRow("a second point") << "98..5" << QList<int>{};
    QTest::newRow("letters") << "abc" << QList<int>{};
    QTest::newRow("a lone point") << "." << QList<int>{};
    QTest::newRow("empty") << "" << QList<int>{};
    QTest::newRow("negative") << "-88.9" << QList<int>{};
}

void TestFreqCodec::digitsOfFreqText()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, digits);
    const std::optional<std::array<int, 8>> got = DigitsOfFreqText(text);
    QCOMPARE(got.has_value(), !digits.isEmpty());
    if (got)
        QCOMPARE(QList<int>(got->begin(), got->end()), digits);
}

QTEST_APPLESS_MAIN(TestFreqCodec)
#include "tst_freq_codec.moc"
