// Value entry of the alignment table without a window: the point-value
// check of pages 0 to 2 and the band-limit boxes of page 4, on a table that
// starts as the start-up leaves it.

#include "alignment/adj_entry.h"
#include "core/adjust_defaults.h"
#include "core/language.h"
#include "support/image_bytes.h"

#include <QtTest>

namespace {

// The factory table, as the start-up copies it.
AdjTable StartupTable()
{
    AdjTable defaults;
    Adjust_Defaults(defaults);
    AdjTable table;
    CopyAdjDefaults(table, defaults);
    return table;
}

const QString k15 = QStringLiteral(" 输入数字范围为 0 - 15 ！");
const QString k100 = QStringLiteral(" 输入数字范围为 0 - 100 ！");
const QString k10 = QStringLiteral(" 输入数字范围为 0 - 10 ！");

const QString kL1 = QStringLiteral("Receive frequency of lower limit can't less than the lowest of work frequency. ");
const QString kL2 =
    QStringLiteral("Receive frequency of lower limit can't more than receive frequency of upper limit.");
const QString kH1 = QStringLiteral("Receive frequency of upper limit can't more than the highest of work frequency. ");

}  // namespace

Q_DECLARE_METATYPE(AdjBox)
Q_DECLARE_METATYPE(AdjLimit)

class TestAdjEntry : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void point_value_data();
    void point_value();
    void point_boxes_off_their_pages_store_nothing();
    void point_messages_are_chinese_in_both_languages();

    void limit_key_data();
    void limit_key();
    void limit_leave_data();
    void limit_leave();
    void erased_limit_shown_as_28305_keeps_its_cells_when_another_limit_is_stored();
    void limit_messages_in_chinese();
};

void TestAdjEntry::init()
{
    LangChinese = 0;
}

void TestAdjEntry::cleanup()
{
    LangChinese = 0;
}

void TestAdjEntry::point_value_data()
{
    QTest::addColumn<AdjBox>("box");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("message");  // empty: accepted

    QTest::newRow("12 above the compensation's 10: default 5")
        << AdjBox::Text_Sq_Offset_VHF << 3 << 2 << "12" << 5 << 5 << k10;
    QTest::newRow("a letter in a power box: default 12") << AdjBox::Text1 << 0 << 0 << "a" << 0 << 12 << k15;
    QTest::newRow("a letter in a squelch box: default 38") << AdjBox::Text_SQ_VHF << 0 << 2 << "x" << 4 << 38 << k100;
    QTest::newRow("empty stores 0 silently") << AdjBox::Text_SQ_UHF << 2 << 2 << "" << 6 << 0 << "";
    QTest::newRow("blanks around are ignored") << AdjBox::Text_SQ_UHF << 2 << 2 << " 7 " << 6 << 7 << "";
    QTest::newRow("leading zeros") << AdjBox::Text_Sq_Offset_UHF << 1 << 2 << "007" << 7 << 7 << "";
    QTest::newRow("a minus sign is no digit") << AdjBox::Text_Sq_Offset_UHF << 1 << 2 << "-1" << 7 << 1 << k10;
    QTest::newRow("a decimal point is no digit") << AdjBox::Text2 << 5 << 0 << "1.5" << 1 << 12 << k15;
    QTest::newRow("an inner blank is no digit") << AdjBox::Text_SQ_VHF << 9 << 2 << "4 8" << 4 << 48 << k100;
    QTest::newRow("a full-width digit is no digit") << AdjBox::Text1 << 1 << 1 << "７" << 2 << 5 << k15;
    QTest::newRow("the maximum passes") << AdjBox::Text1 << 2 << 0 << "15" << 0 << 15 << "";
    QTest::newRow("one above the maximum") << AdjBox::Text1 << 2 << 0 << "16" << 0 << 13 << k15;
    QTest::newRow("100 in a squelch box") << AdjBox::Text_SQ_UHF << 0 << 2 << "100" << 6 << 100 << "";
    QTest::newRow("Text2 on page 1 writes row 3") << AdjBox::Text2 << 4 << 1 << "9" << 3 << 9 << "";
    QTest::newRow("Text2 on page 0 writes row 1") << AdjBox::Text2 << 4 << 0 << "9" << 1 << 9 << "";
    QTest::newRow("squelch boxes write their rows whatever the page")
        << AdjBox::Text_Sq_Offset_VHF << 15 << 4 << "3" << 5 << 3 << "";
}

void TestAdjEntry::point_value()
{
    QFETCH(AdjBox, box);
    QFETCH(int, index);
    QFETCH(int, page);
    QFETCH(QString, text);
    QFETCH(int, row);
    QFETCH(int, value);
    QFETCH(QString, message);
    AdjTable table = StartupTable();
    AdjTable defaults;
    Adjust_Defaults(defaults);
    AdjTable expected = table;
    expected(row, index) = static_cast<std::int16_t>(value);

    const std::optional<AdjPointOutcome> out = Adj_PointEntry(box, index, page, text, table, defaults);
    QVERIFY(out.has_value());
    QCOMPARE(out->value, value);
    QVERIFY(table == expected);  // that one cell, no other
    QCOMPARE(out->refusal.has_value(), !message.isEmpty());
    if (out->refusal) {
        QCOMPARE(out->refusal->text.text(), message);
        QCOMPARE(out->resetText, QString::number(value));
        // The reset text passes the check and stores the same default.
        const std::optional<AdjPointOutcome> again = Adj_PointEntry(box, index, page, out->resetText, table, defaults);
        QVERIFY(!again->refusal);
        QVERIFY(table == expected);
    }
}

void TestAdjEntry::point_boxes_off_their_pages_store_nothing()
{
    AdjTable table = StartupTable();
    const AdjTable before = table;
    for (int page : {AdjPage::Squelch, AdjPage::Settings, AdjPage::Limits, 7}) {
        QVERIFY(!Adj_PointEntry(AdjBox::Text1, 0, page, "3", table, before));
        QVERIFY(!Adj_PointEntry(AdjBox::Text2, 0, page, "3", table, before));
    }
    QVERIFY(table == before);
}

void TestAdjEntry::point_messages_are_chinese_in_both_languages()
{
    for (int chinese : {0, 1}) {
        LangChinese = chinese;
        AdjTable table = StartupTable();
        const std::optional<AdjPointOutcome> out = Adj_PointEntry(AdjBox::Text1, 0, 0, "a", table, table);
        QCOMPARE(out->refusal->text.text(), k15);
        QCOMPARE(out->refusal->title.text(), QStringLiteral("操作提示"));
        QCOMPARE(out->refusal->icon, MessageIcon::Information);
    }
}

void TestAdjEntry::limit_key_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("three characters take one more") << "130" << true;
    QTest::newRow("four take none, Backspace neither") << "1300" << false;
    QTest::newRow("blanks around do not count") << " 130 " << true;
    QTest::newRow("what page 4 shows") << " 28305" << false;
    QTest::newRow("empty") << "" << true;
}

void TestAdjEntry::limit_key()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QCOMPARE(AdjLimitKeyAccepted(text), accepted);
}

void TestAdjEntry::limit_leave_data()
{
    QTest::addColumn<QString>("row9");  // row 9, columns 0..11, before (hex digits); empty: the start-up's
    QTest::addColumn<bool>("busy");     // the window's transfer is busy
    QTest::addColumn<AdjLimit>("limit");
    QTest::addColumn<QStringList>("texts");  // VHF low, VHF high, UHF low, UHF high
    QTest::addColumn<QString>("message");    // empty: accepted
    QTest::addColumn<QString>("resetText");
    QTest::addColumn<QString>("digits");  // row 9, columns 0..11, afterwards

    const QString untouched = QStringLiteral("1 3 0 1 7 9 4 0 0 4 8 0");
    const QString erased = QStringLiteral("FF FF FF FF FF FF FF FF FF FF FF FF");
    const QString vhfHighBelow130 = QStringLiteral("1 3 6 1 2 5 4 0 0 4 8 0");
    QTest::newRow("L1: lower limit below the band")
        << "" << false << AdjLimit::VhfLow << QStringList{"125", " 179", " 400", " 480"} << kL1 << " 130" << untouched;
    QTest::newRow("H1: upper limit above the band, row 9's limit shown again, not the band's top")
        << "" << false << AdjLimit::UhfHigh << QStringList{" 130", " 179", " 400", "530"} << kH1 << " 480" << untouched;
    QTest::newRow("H2: upper limit below the lower (its text is L2's)")
        << "" << false << AdjLimit::VhfHigh << QStringList{"160", "150", " 400", " 480"} << kL2 << " 179" << untouched;
    QTest::newRow("L2: lower limit above the upper")
        << "" << false << AdjLimit::UhfLow << QStringList{" 130", " 179", "490", " 480"} << kL2 << " 400" << untouched;
    QTest::newRow("refused after an erased read: the erased limit shown again")
        << erased << false << AdjLimit::VhfLow << QStringList{"125", " 28305", " 28305", " 28305"} << kL1 << " 28305"
        << erased;
    QTest::newRow("equal limits pass") << "" << false << AdjLimit::VhfHigh << QStringList{"150", "150", " 400", " 480"}
                                       << ""
                                       << ""
                                       << "1 5 0 1 5 0 4 0 0 4 8 0";
    QTest::newRow("all four are stored") << "" << false << AdjLimit::UhfLow << QStringList{"136", "174", "401", "480"}
                                         << ""
                                         << ""
                                         << "1 3 6 1 7 4 4 0 1 4 8 0";
    QTest::newRow("the lower limit is not held to the band's top")
        << "" << false << AdjLimit::VhfLow << QStringList{"179", " 179", " 400", " 480"} << ""
        << ""
        << "1 7 9 1 7 9 4 0 0 4 8 0";
    QTest::newRow("a fraction is rounded as a whole, not cell by cell (not 1 5 10)")
        << "" << false << AdjLimit::VhfHigh << QStringList{" 130", "159.7", " 400", " 480"} << ""
        << ""
        << "1 3 0 1 6 0 4 0 0 4 8 0";
    QTest::newRow("a half goes to the even MHz")
        << "" << false << AdjLimit::VhfHigh << QStringList{" 130", "150.5", " 400", " 480"} << ""
        << ""
        << "1 3 0 1 5 0 4 0 0 4 8 0";
    QTest::newRow("a text that is no plain number is taken by its number")
        << "" << false << AdjLimit::VhfLow << QStringList{"150x", " 179", " 400", "4 70"} << ""
        << ""
        << "1 5 0 1 7 9 4 0 0 4 7 0";
    QTest::newRow("a box showing row 9's limit checks nothing, erased")
        << erased << false << AdjLimit::VhfHigh << QStringList{" 28305", " 28305", " 28305", " 28305"} << ""
        << "" << erased;
    QTest::newRow("a box showing row 9's limit checks nothing, below its band")
        << vhfHighBelow130 << false << AdjLimit::VhfHigh << QStringList{" 136", "125", " 400", " 480"} << ""
        << "" << vhfHighBelow130;
    QTest::newRow("a box showing row 9's limit keeps its cells (not 0 15 0 split anew into 1 5 0)")
        << "0 F 0 1 7 9 4 0 0 4 8 0" << false << AdjLimit::UhfHigh << QStringList{" 150", " 179", " 400", "470"} << ""
        << ""
        << "0 F 0 1 7 9 4 0 0 4 7 0";
    QTest::newRow("busy: another value is refused as busy")
        << "" << true << AdjLimit::VhfLow << QStringList{"140", " 179", " 400", " 480"}
        << "Read-write operating with transceiver ."
        << " 130" << untouched;
    QTest::newRow("busy: a box showing row 9's limit is left in peace")
        << "" << true << AdjLimit::VhfLow << QStringList{" 130", " 179", " 400", " 480"} << ""
        << "" << untouched;
}

void TestAdjEntry::limit_leave()
{
    QFETCH(QString, row9);
    QFETCH(bool, busy);
    QFETCH(AdjLimit, limit);
    QFETCH(QStringList, texts);
    QFETCH(QString, message);
    QFETCH(QString, resetText);
    QFETCH(QString, digits);
    AdjTable table = StartupTable();
    const Bytes before = HexBytes(row9);
    for (int c = 0; c < before.size(); ++c)
        table(AdjLimitRow, c) = static_cast<std::int16_t>(before.at(c));
    table(AdjLimitRow, 12) = 7;
    table(AdjLimitRow, 16) = 0x5A;
    const AdjLimitTexts boxes{texts[0], texts[1], texts[2], texts[3]};

    const std::optional<AdjLimitRefusal> refusal =
        Adj_LimitLeave(limit, boxes, kAdjBandBounds[static_cast<std::size_t>(AdjLimitBand(limit))], busy, table);
    QCOMPARE(refusal.has_value(), !message.isEmpty());
    if (refusal) {
        QCOMPARE(refusal->message.text.text(), message);
        QCOMPARE(refusal->message.title.text(),
                 busy ? QStringLiteral("Operate prompt") : QStringLiteral("Operate Prompt"));
        QCOMPARE(refusal->message.icon, MessageIcon::Exclamation);
        QCOMPARE(refusal->resetText, resetText);
    }
    QCOMPARE(AdjCells(table, AdjLimitRow, 0, 12), HexBytes(digits));
    QCOMPARE(table(AdjLimitRow, 12), 7);  // the cells after the limits are no limit's
    QCOMPARE(table(AdjLimitRow, 16), 0x5A);
}

void TestAdjEntry::erased_limit_shown_as_28305_keeps_its_cells_when_another_limit_is_stored()
{
    // A read of erased bytes: the UHF upper limit's cells hold 0xFF and its
    // box shows " 28305"; a valid edit of another limit stores all four.
    AdjTable table = StartupTable();
    for (int c = 9; c <= 11; ++c)
        table(AdjLimitRow, c) = 0xFF;
    const AdjLimitTexts boxes{QStringLiteral("136"), QStringLiteral(" 179"), QStringLiteral(" 400"),
                              QStringLiteral(" 28305")};
    QVERIFY(!Adj_LimitLeave(AdjLimit::VhfLow, boxes, kAdjBandBounds[kAdjVhf], false, table));
    QCOMPARE(AdjCells(table, AdjLimitRow, 0, 12), (Bytes{1, 3, 6, 1, 7, 9, 4, 0, 0, 0xFF, 0xFF, 0xFF}));
}

void TestAdjEntry::limit_messages_in_chinese()
{
    LangChinese = 1;
    const QStringList expected{
        QStringLiteral("下限频率不可小于该频段最低工作频率"), QStringLiteral("下限频率不可大于该频段上限频率"),
        QStringLiteral("上限频率不可大于该频段最大工作频率"), QStringLiteral("上限频率不可小于该频段下限频率")};
    const QStringList shown{AdjEntryText::LowerBelowBand().text.text(), AdjEntryText::LowerAboveUpper().text.text(),
                            AdjEntryText::UpperAboveBand().text.text(), AdjEntryText::UpperBelowLower().text.text()};
    QCOMPARE(shown, expected);
    QCOMPARE(AdjEntryText::UpperBelowLower().title.text(), QStringLiteral("操作提示"));
}

QTEST_GUILESS_MAIN(TestAdjEntry)
#include "tst_adj_entry.moc"
