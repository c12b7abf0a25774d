#include "core/memory_image.h"

#include <QtTest>

class TestMemoryImage : public QObject {
    Q_OBJECT
private slots:
    void addressToElement_data();
    void addressToElement();
    void areaRows_data();
    void areaRows();
    void startsErasedAndFills();
    void rowsHoldBytes();
    void adjTablesAreZero();
};

void TestMemoryImage::addressToElement_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::newRow("first") << 0x0000 << 0 << 0;
    QTest::newRow("last element") << 0x400F << 1024 << 15;
    QTest::newRow("alignment limits") << 0x3C90 << 969 << 0;
    QTest::newRow("password block") << 0x3DF0 << 991 << 0;
    QTest::newRow("mid row") << 0x2905 << 656 << 5;
}

void TestMemoryImage::addressToElement()
{
    QFETCH(int, address);
    QFETCH(int, row);
    QFETCH(int, col);
    QCOMPARE(RowOf(address), row);
    QCOMPARE(ColumnOf(address), col);
}

void TestMemoryImage::areaRows_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("expectedFirst");
    QTest::addColumn<int>("expectedLast");
    QTest::newRow("channels") << Area::Chann.firstRow() << Area::Chann.lastRow() << 0 << 199;
    QTest::newRow("options settings") << Area::OptSettings.firstRow() << Area::OptSettings.lastRow() << 224 << 239;
    QTest::newRow("VFO records") << Area::Vfo.firstRow() << Area::Vfo.lastRow() << 240 << 243;
    QTest::newRow("options transfer") << Area::Opt.firstRow() << Area::Opt.lastRow() << 224 << 255;
    QTest::newRow("channel names") << Area::ChannName.firstRow() << Area::ChannName.lastRow() << 256 << 455;
    QTest::newRow("tone tables") << Area::FiveToneTables.firstRow() << Area::FiveToneTables.lastRow() << 512 << 575;
    QTest::newRow("five-tone settings") << Area::FiveToneSettings.firstRow() << Area::FiveToneSettings.lastRow() << 576
                                        << 607;
    QTest::newRow("DTMF") << Area::Dtmf.firstRow() << Area::Dtmf.lastRow() << 656 << 687;
    QTest::newRow("two-tone") << Area::TwoTone.firstRow() << Area::TwoTone.lastRow() << 720 << 767;
    QTest::newRow("FM page") << Area::FmPage.firstRow() << Area::FmPage.lastRow() << 768 << 783;
    QTest::newRow("whole read") << Area::WholeRead.firstRow() << Area::WholeRead.lastRow() << 0 << 787;
    QTest::newRow("whole write") << Area::WholeWrite.firstRow() << Area::WholeWrite.lastRow() << 0 << 783;
}

void TestMemoryImage::areaRows()
{
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(int, expectedFirst);
    QFETCH(int, expectedLast);
    QCOMPARE(first, expectedFirst);
    QCOMPARE(last, expectedLast);
}

void TestMemoryImage::startsErasedAndFills()
{
    MemoryImage image;
    QCOMPARE(image(0, 0), std::int16_t(0xFF));
    QCOMPARE(image(1024, 15), std::int16_t(0xFF));
    image.fillRows(10, 12, 0);
    QCOMPARE(image(9, 15), std::int16_t(0xFF));
    QCOMPARE(image(10, 0), std::int16_t(0));
    QCOMPARE(image(12, 15), std::int16_t(0));
    QCOMPARE(image(13, 0), std::int16_t(0xFF));
}

void TestMemoryImage::rowsHoldBytes()
{
    MemoryImage image;
    QVERIFY(image.rowsHoldBytes(0, 1024));
    image(500, 3) = 256;
    QVERIFY(!image.rowsHoldBytes(0, 1024));
    QVERIFY(image.rowsHoldBytes(0, 499));
    image(500, 3) = -1;
    QVERIFY(!image.rowsHoldBytes(500, 500));
}

void TestMemoryImage::adjTablesAreZero()
{
    AdjTable table;
    QCOMPARE(table(0, 0), std::int16_t(0));
    QCOMPARE(table(32, 16), std::int16_t(0));
    QCOMPARE(AdjLimitRow, 9);
}

QTEST_APPLESS_MAIN(TestMemoryImage)
#include "tst_memory_image.moc"
