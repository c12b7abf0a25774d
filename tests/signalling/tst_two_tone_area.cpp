// The two-tone area without a window: what its cells, boxes and lists show
// for each byte, and what the lists' choices store.

#include "core/language.h"
#include "core/language_texts.h"
#include "core/two_tone_defaults.h"
#include "signalling/two_tone_area.h"
#include "support/image_bytes.h"
#include "support/image_rows.h"

#include <QtTest>

class TestTwoToneArea : public QObject {
    Q_OBJECT
private slots:
    void init();

    void cell_texts_data();
    void cell_texts();
    void response_outside_the_texts_shows_none_and_keeps_its_byte();
    void responses_follow_the_language();
    void decode_entry_15_shows_row_766();

    void option_lists_data();
    void option_lists();
    void option_byte_beyond_the_list_shows_no_item();

    void decode_list_items_by_column_data();
    void decode_list_items_by_column();
    void decode_list_opens_on_the_item_the_cell_shows_data();
    void decode_list_opens_on_the_item_the_cell_shows();
    void decode_choice_stores_into_its_own_byte_only_data();
    void decode_choice_stores_into_its_own_byte_only();
    void decode_choice_outside_the_grid_stores_nothing();
};

void TestTwoToneArea::init()
{
    LangChinese = 0;
    SetLanguageTexts();
}

void TestTwoToneArea::cell_texts_data()
{
    // Which text, from which row and which bytes ("lo hi" or one byte).
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("encode 00 00") << "encode"
                                  << "00 00"
                                  << "";
    QTest::newRow("encode FF FF") << "encode"
                                  << "FF FF"
                                  << "";
    QTest::newRow("encode 299") << "encode"
                                << "2B 01"
                                << "";
    QTest::newRow("encode 300") << "encode"
                                << "2C 01"
                                << "300.0";
    QTest::newRow("encode 3000") << "encode"
                                 << "B8 0B"
                                 << "3000.0";
    QTest::newRow("encode 3001") << "encode"
                                 << "B9 0B"
                                 << "";
    QTest::newRow("tone FF 00") << "tone"
                                << "FF 00"
                                << "255.0";
    QTest::newRow("tone 00 FF") << "tone"
                                << "00 FF"
                                << "65280.0";
    QTest::newRow("tone FF FF") << "tone"
                                << "FF FF"
                                << "";
    QTest::newRow("tone 00 00") << "tone"
                                << "00 00"
                                << "";
    QTest::newRow("tone 1124") << "tone"
                               << "64 04"
                               << "1124.0";
    QTest::newRow("pair 0") << "pair"
                            << "00"
                            << "A-B";
    QTest::newRow("pair 11") << "pair"
                             << "0B"
                             << "D-C";
    QTest::newRow("pair 12") << "pair"
                             << "0C"
                             << "";
    QTest::newRow("pair FF") << "pair"
                             << "FF"
                             << "";
    QTest::newRow("response 3") << "response"
                                << "03"
                                << "3.Alert+Transpond";
    QTest::newRow("response 7") << "response"
                                << "07"
                                << "0.None";
    QTest::newRow("response 254") << "response"
                                  << "FE"
                                  << "0.None";
    QTest::newRow("response FF") << "response"
                                 << "FF"
                                 << "";
    QTest::newRow("alert 0") << "alert"
                             << "00"
                             << "0";
    QTest::newRow("alert 16") << "alert"
                              << "10"
                              << "16";
    QTest::newRow("alert 17") << "alert"
                              << "11"
                              << "";
}

void TestTwoToneArea::cell_texts()
{
    QFETCH(QString, kind);
    QFETCH(QString, bytes);
    QFETCH(QString, shown);
    const Bytes b = HexBytes(bytes);
    MemoryImage image;
    if (kind == QLatin1String("encode")) {
        // Entry 4 (row 723), second tone (bytes 8, 9); the first tone is valid.
        SetRow(image, 723, "E8 03");
        image(723, 8) = static_cast<std::int16_t>(b[0]);
        image(723, 9) = static_cast<std::int16_t>(b[1]);
        QCOMPARE(TwoToneEncodeText(4, 2, image), shown);
        QCOMPARE(TwoToneEncodeText(4, 1, image), QStringLiteral("1000.0"));
    } else if (kind == QLatin1String("tone")) {
        // Entry 3's tone C (row 754, bytes 4, 5).
        image(754, 4) = static_cast<std::int16_t>(b[0]);
        image(754, 5) = static_cast<std::int16_t>(b[1]);
        QCOMPARE(TwoToneSetText(2, 2, image), shown);
        QCOMPARE(TwoToneSetText(2, 1, image), QString());
    } else {
        // Decoder 3 of decode entry 5 (row 740, bytes 6, 7, 8: columns 7, 8, 9).
        const int col = kind == QLatin1String("pair") ? 7 : kind == QLatin1String("response") ? 8 : 9;
        image(740, col - 1) = static_cast<std::int16_t>(b[0]);
        QCOMPARE(TwoToneDecodeText(5, col, image), shown);
    }
}

void TestTwoToneArea::response_outside_the_texts_shows_none_and_keeps_its_byte()
{
    MemoryImage image = FilledImage(0x00);
    image(736, 1) = 7;
    const MemoryImage before = image;
    for (int c = 1; c <= 12; ++c) {
        const QString expected = c % 3 == 1   ? QStringLiteral("A-B")
                                 : c % 3 == 2 ? QStringLiteral("0.None")
                                              : QStringLiteral("0");
        QCOMPARE(TwoToneDecodeText(1, c, image), expected);
    }
    QVERIFY(image == before);
    // An erased entry shows nothing at all.
    for (int c = 1; c <= 12; ++c)
        QCOMPARE(TwoToneDecodeText(2, c, MemoryImage()), QString());
}

void TestTwoToneArea::responses_follow_the_language()
{
    LangChinese = -1;
    SetLanguageTexts();
    QCOMPARE(Dec_RespText(3), QStringLiteral("3.提醒并回"));
    QCOMPARE(TwoToneDecItems(2).at(2), QStringLiteral("2.回复"));
}

void TestTwoToneArea::decode_entry_15_shows_row_766()
{
    MemoryImage image;
    SetRow(image, 766, "78 05 FA 05 86 06 26 07");
    QCOMPARE(TwoToneSetText(14, 0, image), QStringLiteral("1400.0"));
    QCOMPARE(TwoToneSetText(14, 3, image), QStringLiteral("1830.0"));
}

void TestTwoToneArea::option_lists_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("items");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("first tone") << int(TwoToneOption::FirstDuration) << 735 << 0 << 101 << "0"
                                << "1000";
    QTest::newRow("second tone") << int(TwoToneOption::SecondDuration) << 735 << 1 << 101 << "0"
                                 << "1000";
    QTest::newRow("gap") << int(TwoToneOption::Gap) << 735 << 2 << 101 << "0"
                         << "1000";
    QTest::newRow("reset") << int(TwoToneOption::ResetTime) << 767 << 0 << 80 << "100"
                           << "8000";
}

void TestTwoToneArea::option_lists()
{
    QFETCH(int, option);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, items);
    QFETCH(QString, first);
    QFETCH(QString, last);
    const auto list = static_cast<TwoToneOption>(option);
    const QStringList texts = TwoToneOptionItems(list);
    QCOMPARE(texts.size(), items);
    QCOMPARE(texts.first(), first);
    QCOMPARE(texts.last(), last);
    MemoryImage image = FilledImage(0xA5);
    TwoTone_StoreOption(list, 42, image);
    QCOMPARE(int(image(row, col)), 42);
    QCOMPARE(TwoToneOptionItem(list, image), 42);
    image(row, col) = 0xA5;
    QVERIFY(image == FilledImage(0xA5));
    // An item the list does not have stores nothing.
    TwoTone_StoreOption(list, items, image);
    QVERIFY(image == FilledImage(0xA5));
}

void TestTwoToneArea::option_byte_beyond_the_list_shows_no_item()
{
    MemoryImage image;
    QCOMPARE(TwoToneOptionItem(TwoToneOption::Gap, image), kNoItem);
    QCOMPARE(TwoToneOptionItem(TwoToneOption::ResetTime, image), kNoItem);
    image(735, 2) = 100;
    image(767, 0) = 80;
    QCOMPARE(TwoToneOptionItem(TwoToneOption::Gap, image), 100);
    QCOMPARE(TwoToneOptionItem(TwoToneOption::ResetTime, image), kNoItem);
    TwoTone_Defaults(image);
    QCOMPARE(
        TwoToneOptionItems(TwoToneOption::FirstDuration).at(TwoToneOptionItem(TwoToneOption::FirstDuration, image)),
        QStringLiteral("600"));
    QCOMPARE(TwoToneOptionItems(TwoToneOption::Gap).at(TwoToneOptionItem(TwoToneOption::Gap, image)),
             QStringLiteral("300"));
    QCOMPARE(TwoToneOptionItems(TwoToneOption::ResetTime).at(TwoToneOptionItem(TwoToneOption::ResetTime, image)),
             QStringLiteral("6000"));
}

void TestTwoToneArea::decode_list_items_by_column_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<QStringList>("items");
    const QStringList pairs{"A-B", "A-C", "A-D", "B-A", "B-C", "B-D", "C-A", "C-B", "C-D", "D-A", "D-B", "D-C"};
    const QStringList responses{"0.None", "1.Alert", "2.Transpond", "3.Alert+Transpond"};
    QStringList alerts;
    for (int n = 1; n <= 16; ++n)
        alerts << QString::number(n);
    for (int k = 0; k < 4; ++k) {
        QTest::addRow("pair of decoder %d", k + 1) << 3 * k + 1 << pairs;
        QTest::addRow("response of decoder %d", k + 1) << 3 * k + 2 << responses;
        QTest::addRow("alert of decoder %d", k + 1) << 3 * k + 3 << alerts;
    }
}

void TestTwoToneArea::decode_list_items_by_column()
{
    QFETCH(int, col);
    QFETCH(QStringList, items);
    QCOMPARE(TwoToneDecItems(col), items);
    QCOMPARE(TwoTonePairColOf(col), col - (col - 1) % 3);
}

void TestTwoToneArea::decode_list_opens_on_the_item_the_cell_shows_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("item");
    QTest::newRow("pair 9") << 10 << 9 << 9;
    QTest::newRow("pair 12 shows no item") << 1 << 12 << -1;
    QTest::newRow("erased pair shows no item") << 4 << 0xFF << -1;
    QTest::newRow("response 0") << 2 << 0 << 0;
    QTest::newRow("response 3") << 5 << 3 << 3;
    QTest::newRow("response 7 shows 0.None") << 8 << 7 << 0;
    QTest::newRow("erased response shows no item") << 11 << 0xFF << -1;
    QTest::newRow("alert 1") << 3 << 1 << 0;
    QTest::newRow("alert 16") << 6 << 16 << 15;
    QTest::newRow("alert 0 shows no item") << 9 << 0 << -1;
    QTest::newRow("erased alert shows no item") << 12 << 0xFF << -1;
}

void TestTwoToneArea::decode_list_opens_on_the_item_the_cell_shows()
{
    QFETCH(int, col);
    QFETCH(int, stored);
    QFETCH(int, item);
    MemoryImage image;
    image(745, col - 1) = static_cast<std::int16_t>(stored);
    QCOMPARE(TwoToneDecOpeningItem(10, col, image), item);
}

void TestTwoToneArea::decode_choice_stores_into_its_own_byte_only_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("stored");
    QTest::newRow("pair D-C") << 1 << 11 << 11;
    QTest::newRow("response 3") << 5 << 3 << 3;
    QTest::newRow("alert 16") << 12 << 15 << 16;
    QTest::newRow("alert 1") << 9 << 0 << 1;
}

void TestTwoToneArea::decode_choice_stores_into_its_own_byte_only()
{
    QFETCH(int, col);
    QFETCH(int, item);
    QFETCH(int, stored);
    MemoryImage image = FilledImage(0xA5);
    TwoTone_StoreDecodeChoice(15, col, item, CellEntry::Typed, image);
    QCOMPARE(int(image(750, col - 1)), stored);
    image(750, col - 1) = 0xA5;
    QVERIFY(image == FilledImage(0xA5));
}

void TestTwoToneArea::decode_choice_outside_the_grid_stores_nothing()
{
    MemoryImage image = FilledImage(0xA5);
    const CellEntry chosen = CellEntry::Typed;
    TwoTone_StoreDecodeChoice(0, 0, 0, chosen, image);   // would be row 735, byte -1
    TwoTone_StoreDecodeChoice(0, 1, 0, chosen, image);   // the header row: the timing row
    TwoTone_StoreDecodeChoice(16, 1, 0, chosen, image);  // row 751
    TwoTone_StoreDecodeChoice(1, 13, 0, chosen, image);  // byte 12
    TwoTone_StoreDecodeChoice(1, 1, 12, chosen, image);  // no such pair
    TwoTone_StoreDecodeChoice(1, 2, 4, chosen, image);   // no such response
    TwoTone_StoreDecodeChoice(1, 3, -1, chosen, image);  // no item
    // The item a list opened on over a cell only clicked through.
    TwoTone_StoreDecodeChoice(1, 2, 0, CellEntry::ClickedThrough, image);
    QVERIFY(image == FilledImage(0xA5));
}

QTEST_APPLESS_MAIN(TestTwoToneArea)
#include "tst_two_tone_area.moc"
