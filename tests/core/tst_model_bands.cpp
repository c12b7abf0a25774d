#include "core/model_bands.h"

#include <QtTest>

class TestModelBands : public QObject {
    Q_OBJECT
private slots:
    void table_data();
    void table();
    void modelNames();
    void setsOnlyTheBandALimitsOfTheCurrentRow();
};

void TestModelBands::table_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<int>>("cells");
    QTest::newRow("0") << 0 << QList<int>{130, 179, 400, 520};
    QTest::newRow("1") << 1 << QList<int>{136, 174, 240, 250};
    QTest::newRow("2") << 2 << QList<int>{144, 146, 430, 440};
    QTest::newRow("3 rounds 470.9875") << 3 << QList<int>{400, 471, 0, 0};
    QTest::newRow("4 rounds 520.9875") << 4 << QList<int>{450, 521, 0, 0};
    QTest::newRow("5 rounds 700.9875") << 5 << QList<int>{100, 701, 0, 0};
    QTest::newRow("6 rounds 88.9875") << 6 << QList<int>{66, 89, 0, 0};
    QTest::newRow("7 unset") << 7 << QList<int>{0, 0, 0, 0};
    QTest::newRow("10 unset") << 10 << QList<int>{0, 0, 0, 0};
}

void TestModelBands::table()
{
    QFETCH(int, row);
    QFETCH(QList<int>, cells);
    ModelIndex = 0;
    InitModelBands();
    for (int col = 0; col < 4; ++col)
        QCOMPARE(int(BandTableCell(row, col)), cells[col]);
    // Row 0 is elements 0, 11, 22 and 33.
    QCOMPARE(int(BandTable[33]), 520);
}

void TestModelBands::modelNames()
{
    InitModelBands();
    QCOMPARE(ModelNames.size(), 11);
    QCOMPARE(ModelNames[0], QStringLiteral("VHF0/UHF0"));
    QCOMPARE(ModelNames[2], QStringLiteral("VHF2/UHF2"));
    QCOMPARE(ModelNames[3], QString());
}

void TestModelBands::setsOnlyTheBandALimitsOfTheCurrentRow()
{
    BandUhfMin = 1;
    BandUhfMax = 2;
    ModelIndex = 0;
    InitModelBands();
    QCOMPARE(BandVhfMin, 130.0);
    QCOMPARE(BandVhfMax, 179.0);
    ModelIndex = 6;
    InitModelBands();
    QCOMPARE(BandVhfMin, 66.0);
    QCOMPARE(BandVhfMax, 89.0);
    QCOMPARE(BandUhfMin, 1.0);
    QCOMPARE(BandUhfMax, 2.0);
    ModelIndex = 0;
}

QTEST_APPLESS_MAIN(TestModelBands)
#include "tst_model_bands.moc"
