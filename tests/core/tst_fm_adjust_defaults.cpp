#include "core/adjust_defaults.h"
#include "core/fm_defaults.h"

#include "support/image_bytes.h"

#include <QtTest>

namespace {

constexpr int kSentinel = 0xA5;  // neither a digit, a name character nor 0x00/0xFF
constexpr int kFmRow = 768;

Bytes Codes(const char* text)
{
    Bytes bytes;
    for (int i = 0; text[i] != '\0'; ++i)
        bytes << static_cast<unsigned char>(text[i]);
    return bytes;
}

}  // namespace

class TestFmAdjustDefaults : public QObject {
    Q_OBJECT
private slots:
    void presets_data();
    void presets();
    void fmDefaultsReplaceEveryPresetAndNothingElse();
    void putFmNameTrimsTheCallersText();
    void putFmName_data();
    void putFmName();
    void adjustDefaults_data();
    void adjustDefaults();
    void adjustDefaultsLeaveTheOtherCellsZero();
    void startupCopyTakesRows0To31AndColumns0To15();
};

void TestFmAdjustDefaults::presets_data()
{
    QTest::addColumn<int>("preset");
    QTest::addColumn<Bytes>("bytes");
    QTest::newRow("0: 88.9 MHz MBNEW") << 0 << (Bytes{0, 8, 8, 9, 0, 0, 0, 0} + Codes("MBNEW") + Repeated(0xFF, 3));
    QTest::newRow("9: 98.3 MHz TRQX") << 9 << (Bytes{0, 9, 8, 3, 0, 0, 0, 0} + Codes("TRQX") + Repeated(0xFF, 4));
    QTest::newRow("11: 103.9 MHz CCTV6") << 11 << (Bytes{1, 0, 3, 9, 0, 0, 0, 0} + Codes("CCTV6") + Repeated(0xFF, 3));
    QTest::newRow("13: 100.7 MHz DNZS3") << 13 << (Bytes{1, 0, 0, 7, 0, 0, 0, 0} + Codes("DNZS3") + Repeated(0xFF, 3));
    QTest::newRow("2 is empty") << 2 << (Repeated(0x00, 8) + Repeated(0xFF, 8));
    QTest::newRow("14 is empty") << 14 << (Repeated(0x00, 8) + Repeated(0xFF, 8));
}

void TestFmAdjustDefaults::presets()
{
    QFETCH(int, preset);
    QFETCH(Bytes, bytes);
    MemoryImage image;
    FM_Defaults(image);
    QCOMPARE(RowBytes(image, kFmRow + preset), bytes);
}

void TestFmAdjustDefaults::fmDefaultsReplaceEveryPresetAndNothingElse()
{
    MemoryImage image = FilledImage(kSentinel);
    FM_Defaults(image);
    QVERIFY(RowsHold(image, 0, kFmRow - 1, kSentinel));
    QVERIFY(RowsHold(image, kFmRow + kFmPresets, kImageRows - 1, kSentinel));
    for (int p = 0; p < kFmPresets; ++p) {
        // No byte of an edited preset survives, also in the presets left empty.
        for (int c = 0; c < kRowBytes; ++c)
            QVERIFY(image(kFmRow + p, c) != kSentinel);
    }
}

void TestFmAdjustDefaults::putFmNameTrimsTheCallersText()
{
    MemoryImage image = FilledImage(kSentinel);
    QString name = QStringLiteral("  CCTV1 ");
    PutFMName(name, 1, image);
    QCOMPARE(name, QStringLiteral("CCTV1"));
    QCOMPARE(RowBytes(image, kFmRow + 1, 8, 5), Codes("CCTV1"));
    QCOMPARE(RowBytes(image, kFmRow + 1, 13, 3), Repeated(kSentinel, 3));
    QCOMPARE(RowBytes(image, kFmRow + 1, 0, 8), Repeated(kSentinel, 8));
}

void TestFmAdjustDefaults::putFmName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("preset");
    QTest::addColumn<int>("row");
    QTest::addColumn<Bytes>("nameBytes");
    QTest::newRow("eight characters fill the record") << "ABCDEFGH" << 4 << kFmRow + 4 << Codes("ABCDEFGH");
    QTest::newRow("a longer name stops at the end of its row")
        << "ABCDEFGHIJ" << 15 << kFmRow + 15 << Codes("ABCDEFGH");
    QTest::newRow("a character without a byte is no character")
        << QStringLiteral("A电B") << 3 << kFmRow + 3 << (Bytes{'A', 0xFF, 'B'} + Repeated(kSentinel, 5));
}

void TestFmAdjustDefaults::putFmName()
{
    QFETCH(QString, name);
    QFETCH(int, preset);
    QFETCH(int, row);
    QFETCH(Bytes, nameBytes);
    MemoryImage image = FilledImage(kSentinel);
    PutFMName(name, preset, image);
    QCOMPARE(RowBytes(image, row, 8, 8), nameBytes);
    // The next row (or the row after the page) is not reached.
    if (row + 1 < kImageRows)
        QVERIFY(RowsHold(image, row + 1, row + 1, kSentinel));
}

void TestFmAdjustDefaults::adjustDefaults_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<Bytes>("values");
    QTest::newRow("TX power high VHF") << 0 << Bytes{12, 13, 13, 13, 13, 13, 14, 15, 15, 15, 15, 15, 15, 15, 15, 15};
    QTest::newRow("TX power low UHF") << 3 << Repeated(5, 16);
    QTest::newRow("squelch open UHF") << 6 << Bytes{38, 31, 32, 33, 34, 35, 36, 37, 39, 41, 41, 41, 41, 41, 41, 41};
    QTest::newRow("deviation settings") << 8 << Bytes{60, 21, 16, 9, 15, 15, 15, 12, 12, 2, 2, 128, 50, 0, 0, 0};
    QTest::newRow("band limits 130 179 400 480") << 9 << Bytes{1, 3, 0, 1, 7, 9, 4, 0, 0, 4, 8, 0, 0, 0, 0, 0};
    QTest::newRow("row 10 stays zero") << 10 << Repeated(0, 16);
}

void TestFmAdjustDefaults::adjustDefaults()
{
    QFETCH(int, row);
    QFETCH(Bytes, values);
    AdjTable table;
    Adjust_Defaults(table);
    Bytes cells;
    for (int c = 0; c < 16; ++c)
        cells << table(row, c);
    QCOMPARE(cells, values);
}

void TestFmAdjustDefaults::adjustDefaultsLeaveTheOtherCellsZero()
{
    AdjTable table;
    Adjust_Defaults(table);
    for (int r = 0; r < kAdjRows; ++r)
        QCOMPARE(table(r, 16), 0);
    for (int r = 10; r < kAdjRows; ++r) {
        for (int c = 0; c < 16; ++c) {
            const bool digitCode = r == kAdjDigitCodesRow && c < 12;
            if (digitCode)
                QVERIFY(table(r, c) >= '0' && table(r, c) <= '9');
            else
                QCOMPARE(table(r, c), 0);
        }
    }
    // Row 9 reads back as the limits in MHz.
    auto limit = [&](int first) { return 100 * table(9, first) + 10 * table(9, first + 1) + table(9, first + 2); };
    QCOMPARE((Bytes{limit(0), limit(3), limit(6), limit(9)}), (Bytes{130, 179, 400, 480}));
}

void TestFmAdjustDefaults::startupCopyTakesRows0To31AndColumns0To15()
{
    AdjTable defaults;
    for (int r = 0; r < kAdjRows; ++r) {
        for (int c = 0; c < kAdjCols; ++c)
            defaults(r, c) = static_cast<std::int16_t>(100 * r + c);
    }
    AdjTable target;
    CopyAdjDefaults(target, defaults);
    for (int r = 0; r < kAdjRows; ++r) {
        for (int c = 0; c < kAdjCols; ++c) {
            const bool copied = r < 32 && c < 16;
            QCOMPARE(target(r, c), copied ? defaults(r, c) : 0);
        }
    }
}

QTEST_GUILESS_MAIN(TestFmAdjustDefaults)
#include "tst_fm_adjust_defaults.moc"
