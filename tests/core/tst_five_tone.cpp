#include "core/char_codes.h"
#include "core/five_tone_defaults.h"
#include "core/five_tone_tables.h"

#include "support/image_bytes.h"

#include <QtTest>

namespace {

constexpr int kSentinel = 0x5A;

// The rows of the four tone pages that hold standards 0..14.
bool IsToneTableRow(int row)
{
    for (int page : {kToneFreqLoRow, kToneFreqHiRow, kTonePeriodLoRow, kTonePeriodHiRow}) {
        if (row >= page && row < page + kFiveToneStandards)
            return true;
    }
    return false;
}

}  // namespace

class TestFiveTone : public QObject {
    Q_OBJECT
private slots:
    void periodCount_data();
    void periodCount();
    void toneBytes_data();
    void toneBytes();
    void tablesWriteOnlyTheRowsOfStandards0To14();
    void row15OfEveryTableStaysZero();
    void freqText_data();
    void freqText();
    void everyFreqTextIsElevenCharacters();
    void defaultsWriteTheSettingsRows();
    void defaultsKeepTheBytesTheyDoNotName();
};

void TestFiveTone::periodCount_data()
{
    QTest::addColumn<int>("tenths");
    QTest::addColumn<int>("count");
    QTest::newRow("1981 Hz: 1163.05 up to 1164, minus one") << 19810 << 1163;
    QTest::newRow("2400 Hz divides the clock: 960 minus one") << 24000 << 959;
    QTest::newRow("979.8 Hz") << 9798 << 2351;
    QTest::newRow("657.5 Hz") << 6575 << 3504;
    QTest::newRow("600 Hz divides the clock: 3840 minus one") << 6000 << 3839;
    QTest::newRow("1843.2 Hz divides the clock exactly with a fraction") << 18432 << 1249;
    QTest::newRow("no tone") << 0 << 0;
}

void TestFiveTone::periodCount()
{
    QFETCH(int, tenths);
    QFETCH(int, count);
    QCOMPARE(FiveTonePeriodCount(tenths), count);
}

void TestFiveTone::toneBytes_data()
{
    QTest::addColumn<int>("standard");
    QTest::addColumn<int>("digit");
    QTest::addColumn<QString>("hex");  // frequency low, high; period low, high
    QTest::newRow("CCIR1 0, 1981 Hz") << 0 << 0 << "BD 07 8B 04";
    QTest::newRow("CCIR1 A, 2400 Hz") << 0 << 10 << "60 09 BF 03";
    QTest::newRow("EURO 0, 979.8 Hz: the fraction is dropped") << 11 << 0 << "D3 03 2F 09";
    QTest::newRow("MODAT 0, 657.5 Hz") << 14 << 0 << "91 02 B0 0D";
    QTest::newRow("EIA 0, 600 Hz") << 10 << 0 << "58 02 FF 0E";
    QTest::newRow("ZVEI3 B has no tone") << 5 << 11 << "00 00 00 00";
    QTest::newRow("PCCIR F has no tone") << 2 << 15 << "00 00 00 00";
}

void TestFiveTone::toneBytes()
{
    QFETCH(int, standard);
    QFETCH(int, digit);
    QFETCH(QString, hex);
    MemoryImage image = FilledImage(kSentinel);
    InitFiveToneTables(image);
    const Bytes stored{image(kToneFreqLoRow + standard, digit), image(kToneFreqHiRow + standard, digit),
                       image(kTonePeriodLoRow + standard, digit), image(kTonePeriodHiRow + standard, digit)};
    QCOMPARE(stored, HexBytes(hex));
    const Bytes tables{ToneTab1[standard][digit], ToneTab2[standard][digit], ToneTab3[standard][digit],
                       ToneTab4[standard][digit]};
    QCOMPARE(tables, HexBytes(hex));
}

void TestFiveTone::tablesWriteOnlyTheRowsOfStandards0To14()
{
    MemoryImage image = FilledImage(kSentinel);
    InitFiveToneTables(image);
    for (int r = 0; r < kImageRows; ++r) {
        if (!IsToneTableRow(r))
            QVERIFY2(RowsHold(image, r, r, kSentinel), qPrintable(QString::number(r)));
    }
    for (int row : {527, 543, 559, 575})
        QVERIFY(RowsHold(image, row, row, kSentinel));
}

void TestFiveTone::row15OfEveryTableStaysZero()
{
    MemoryImage image;
    InitFiveToneTables(image);
    for (const ToneTable* table : {&ToneTab1, &ToneTab2, &ToneTab3, &ToneTab4}) {
        for (int t = 0; t < kToneDigits; ++t)
            QCOMPARE((*table)[15][t], 0);
    }
    for (int t = 0; t < kToneDigits; ++t)
        QVERIFY(ToneFreqText[15][t].isEmpty());
}

void TestFiveTone::freqText_data()
{
    QTest::addColumn<int>("standard");
    QTest::addColumn<int>("digit");
    QTest::addColumn<QString>("text");
    QTest::newRow("EURO 0") << 11 << 0 << "   979.8   ";
    QTest::newRow("CCIR1 0, a whole number gets .0") << 0 << 0 << "   1981.0  ";
    QTest::newRow("CCIR1 B below 1000 Hz") << 0 << 11 << "   930.0   ";
    QTest::newRow("ZVEI3 B without tone") << 5 << 11 << "   0.0     ";
    QTest::newRow("MODAT 3") << 14 << 3 << "   1087.5  ";
}

void TestFiveTone::freqText()
{
    QFETCH(int, standard);
    QFETCH(int, digit);
    QFETCH(QString, text);
    MemoryImage image;
    InitFiveToneTables(image);
    QCOMPARE(ToneFreqText[standard][digit], text);
}

void TestFiveTone::everyFreqTextIsElevenCharacters()
{
    MemoryImage image;
    InitFiveToneTables(image);
    for (int s = 0; s < kFiveToneStandards; ++s) {
        for (int t = 0; t < kToneDigits; ++t) {
            const QString& text = ToneFreqText[s][t];
            QCOMPARE(text.size(), 11);
            QVERIFY(text.startsWith(QLatin1String("   ")));
            QCOMPARE(qRound(text.trimmed().toDouble() * 10), ToneFreqTenths(s, t));
        }
    }
}

void TestFiveTone::defaultsWriteTheSettingsRows()
{
    MemoryImage image = FilledImage(kSentinel);
    FiveTone_Defaults(image);
    QCOMPARE(RowBytes(image, 576, 0, 3), (Bytes{8, 10, 14}));
    QCOMPARE(RowBytes(image, 577, 0, 3), (Bytes{5, 10, 14}));
    QCOMPARE(image(585, 0), 2);    // EEA
    QCOMPARE(image(586, 0), 1);    // EIA
    QCOMPARE(image(587, 0), 8);    // EURO
    QCOMPARE(image(590, 0), 2);    // MODAT
    QCOMPARE(image(592, 15), 0);   // encode code 1 sent with CCIR1
    QCOMPARE(image(606, 15), 14);  // encode code 15 sent with MODAT
    QCOMPARE(RowBytes(image, 607), HexBytes("14 14 14 00 FF FF FF FF 00 01 06 3B FF FF FF FF"));
    QVERIFY(RowsHold(image, 593, 605, kErased));
    QCOMPARE(image(512, 0), 0xBD);  // the tables come first
}

void TestFiveTone::defaultsKeepTheBytesTheyDoNotName()
{
    MemoryImage image = FilledImage(kSentinel);
    FiveTone_Defaults(image);
    for (int s = 0; s < kFiveToneStandards; ++s)
        QCOMPARE(RowBytes(image, 576 + s, 3, 13), Repeated(kSentinel, 13));
    QVERIFY(RowsHold(image, 591, 591, kSentinel));
    for (int row : {527, 543, 559, 575})
        QVERIFY(RowsHold(image, row, row, kSentinel));
    QVERIFY(RowsHold(image, 0, 511, kSentinel));
    QVERIFY(RowsHold(image, 608, kImageRows - 1, kSentinel));
}

QTEST_GUILESS_MAIN(TestFiveTone)
#include "tst_five_tone.moc"
