// The alignment table as the editor shows it, without a window: which cell
// each box stands for on each page, the setting lists, the limit texts of
// page 4 and what Default copies.

#include "alignment/adj_table.h"
#include "core/adjust_defaults.h"
#include "support/image_bytes.h"

#include <QtTest>

Q_DECLARE_METATYPE(AdjBox)

class TestAdjTable : public QObject {
    Q_OBJECT
private slots:
    void box_cells_data();
    void box_cells();
    void point_captions();
    void setting_lists();
    void limit_texts_data();
    void limit_texts();
    void page_keys();
    void default_copies_rows_0_to_15_only();
};

void TestAdjTable::box_cells_data()
{
    QTest::addColumn<AdjBox>("box");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("row");  // -1: no cell
    QTest::newRow("Text1 page 0") << AdjBox::Text1 << 15 << 0 << 0;
    QTest::newRow("Text2 page 0") << AdjBox::Text2 << 4 << 0 << 1;
    QTest::newRow("Text1 page 1") << AdjBox::Text1 << 0 << 1 << 2;
    QTest::newRow("Text2 page 1") << AdjBox::Text2 << 4 << 1 << 3;
    QTest::newRow("Text1 on the squelch page: none") << AdjBox::Text1 << 0 << 2 << -1;
    QTest::newRow("Text2 on the limit page: none") << AdjBox::Text2 << 0 << 4 << -1;
    QTest::newRow("VHF squelch level") << AdjBox::Text_SQ_VHF << 9 << 4 << 4;
    QTest::newRow("VHF compensation") << AdjBox::Text_Sq_Offset_VHF << 15 << 3 << 5;
    QTest::newRow("UHF squelch level") << AdjBox::Text_SQ_UHF << 0 << 0 << 6;
    QTest::newRow("UHF compensation") << AdjBox::Text_Sq_Offset_UHF << 3 << 2 << 7;
    QTest::newRow("no eleventh squelch level") << AdjBox::Text_SQ_UHF << 10 << 2 << -1;
}

void TestAdjTable::box_cells()
{
    QFETCH(AdjBox, box);
    QFETCH(int, index);
    QFETCH(int, page);
    QFETCH(int, row);
    const std::optional<AdjCell> cell = AdjBoxCell(box, index, page);
    QCOMPARE(cell.has_value(), row >= 0);
    if (cell) {
        QCOMPARE(cell->row, row);
        QCOMPARE(cell->col, index);
    }
}

void TestAdjTable::point_captions()
{
    QCOMPARE(AdjPointCaption(AdjVhfPointMhz(0)), QStringLiteral("130MHZ"));
    QCOMPARE(AdjPointCaption(AdjVhfPointMhz(15)), QStringLiteral("190MHZ"));
    QCOMPARE(AdjPointCaption(AdjUhfPointMhz(15)), QStringLiteral("490MHZ"));
    // The points at or above the VHF band's top: 182, 186 and 190 MHz.
    QCOMPARE(AdjVhfPointMhz(12), 178);
    QCOMPARE(AdjVhfPointMhz(13), 182);
}

void TestAdjTable::setting_lists()
{
    QList<int> counts;
    for (int column : kAdjListFillOrder)
        counts << AdjListItems(AdjSettings()[column].lastValue).size();
    QCOMPARE(counts, (QList<int>{128, 128, 64, 64, 16, 16, 16, 16, 16, 16, 16, 16, 256}));
    for (int c = 0; c < static_cast<int>(AdjSettings().size()); ++c)
        QCOMPARE(AdjSettings()[c].column, c);
    const QStringList temperature = AdjListItems(AdjSettings()[11].lastValue);
    QCOMPARE(temperature.first(), QStringLiteral(" 0"));
    QCOMPARE(temperature.at(128), QStringLiteral(" 128"));
    QCOMPARE(temperature.last(), QStringLiteral(" 255"));
    QCOMPARE(AdjSettings()[9].caption, QStringLiteral(" VHF 段驱动功率选择"));
    QCOMPARE(AdjListIndexOf(37, 63), 37);
    QCOMPARE(AdjListIndexOf(64, 63), -1);  // no item: nothing selected
    QCOMPARE(AdjListIndexOf(-1, 63), -1);
}

void TestAdjTable::limit_texts_data()
{
    QTest::addColumn<QString>("cells");  // row 9, columns 0..11
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("factory") << "1 3 0 1 7 9 4 0 0 4 8 0" << QStringList{" 130", " 179", " 400", " 480"};
    QTest::newRow("a radio's") << "1 3 6 1 7 4 4 0 0 4 7 0" << QStringList{" 136", " 174", " 400", " 470"};
    QTest::newRow("erased bytes show the number they make")
        << "FF FF FF 0 0 0 0 0 A 0 0 0" << QStringList{" 28305", " 0", " 10", " 0"};
    QTest::newRow("a negative number has no blank")
        << "0 0 0 0 0 0 0 0 -C8 0 0 0" << QStringList{" 0", " 0", "-200", " 0"};
}

void TestAdjTable::limit_texts()
{
    QFETCH(QString, cells);
    QFETCH(QStringList, texts);
    AdjTable table;
    const Bytes values = HexBytes(cells);
    for (int c = 0; c < values.size(); ++c)
        table(AdjLimitRow, c) = static_cast<std::int16_t>(values[c]);
    QStringList shown;
    for (AdjLimit limit : kAdjLimits)
        shown << AdjLimitText(limit, table);
    QCOMPARE(shown, texts);
}

void TestAdjTable::page_keys()
{
    QStringList keys;
    for (const AdjPageInfo& info : AdjPages()) {
        keys << info.key;
        QCOMPARE(AdjPageOfKey(info.key), std::optional<int>(info.page));
    }
    QCOMPARE(keys, (QStringList{"Adj_Txp_High", "Adj_Txp_Low", "Adj_Sql_Leve", "Adj_Dev_Leve", "Adj_Other"}));
    QCOMPARE(AdjPageOfKey(QStringLiteral("Other")), std::nullopt);
}

void TestAdjTable::default_copies_rows_0_to_15_only()
{
    AdjTable defaults;
    Adjust_Defaults(defaults);
    AdjTable table;
    for (int r = 0; r < kAdjRows; ++r) {
        for (int c = 0; c < kAdjCols; ++c)
            table(r, c) = 99;
    }
    Adj_CopyDefaults(table, defaults);
    for (int r = 0; r < kAdjRows; ++r) {
        for (int c = 0; c < kAdjCols; ++c) {
            const bool copied = r <= 15 && c <= 15;
            QCOMPARE(table(r, c), copied ? defaults(r, c) : 99);
        }
    }
    QCOMPARE(AdjCells(table, 10, 0, 16), Repeated(0, 16));
}

QTEST_GUILESS_MAIN(TestAdjTable)
#include "tst_adj_table.moc"
