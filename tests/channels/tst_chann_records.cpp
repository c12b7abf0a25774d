#include "channels/chann_grid.h"
#include "core/tone_list.h"
#include "platform/kit_grid.h"
#include "support/cell_table.h"
#include "support/image_bytes.h"
#include "support/image_rows.h"

#include <QtTest>

namespace {

// A channel at 145.0125 MHz both ways with all settings 0.
constexpr const char* kSimplex = "50 12 50 14 50 12 50 14 00 00 00 00 00 00 00 00";

}  // namespace

class TestChannRecords : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitToneTables(); }
    void init();

    void row_and_record_rows_follow_the_channel();
    void headers_in_both_languages_data();
    void headers_in_both_languages();

    void attribute_cells_data();
    void attribute_cells();
    void tone_cells_data();
    void tone_cells();
    void tone_word_without_text_shows_empty_and_the_redraw_goes_on();
    void frequency_cells();
    void receive_only_blanks_its_tx_cells_and_no_other_row();
    void empty_channel_shows_a_blank_row_and_keeps_its_bytes_data();
    void empty_channel_shows_a_blank_row_and_keeps_its_bytes();
    void redraw_after_an_edit_deletes_a_channel_left_empty();
    void byte_0_alone_decides_emptiness();
    void show_writes_neither_number_nor_name();

    void names_show_only_digits_and_capitals();
    void name_cells_data();
    void name_cells();

    void default_gives_new_channel_settings();
    void delete_keeps_the_frequency_cells();
    void erase_keeps_the_band_cell();

private:
    MemoryImage image_;
    CellTable cells_;
};

void TestChannRecords::init()
{
    image_.fill(kErased);
    cells_ = CellTable();
}

void TestChannRecords::row_and_record_rows_follow_the_channel()
{
    QCOMPARE(ChannRecRow(1), 0);
    QCOMPARE(ChannNameRow(1), 256);
    QCOMPARE(ChannRecRow(200), 199);
    QCOMPARE(ChannNameRow(200), 455);
    QCOMPARE(ChannNameRow(201), 456);
    QCOMPARE(ChannCount, 200);
}

void TestChannRecords::headers_in_both_languages_data()
{
    QTest::addColumn<int>("chinese");
    QTest::addColumn<QStringList>("headers");
    QTest::newRow("English") << 0 << QStringList{"Channel",       "  Band  ",      "RX Frequency", "TX Frequency",
                                                 "CTCSS/DCS Dec", "CTCSS/DCS Enc", "TX Power",     " W/N ",
                                                 "PTT-ID",        "BusyLock",      "Scan_Add",     "SigCode",
                                                 "Opisug",        "Spmute",        "SCR",          "CH-Name"};
    QTest::newRow("Chinese") << 1 << QStringList{"信道号",      " 工作频段 ",  "接收频率(MHZ)", "发射频率(MHZ)",
                                                 "QT/DQT 解码", "QT/DQT 编码", "发射功率",      "信道带宽",
                                                 "PTT-ID",      "繁忙锁定",    "扫描添加",      "信令码",
                                                 "可选信令",    "静音方式",    "扰频",          "信 道 名 称"};
}

void TestChannRecords::headers_in_both_languages()
{
    QFETCH(int, chinese);
    QFETCH(QStringList, headers);
    const int saved = LangChinese;
    LangChinese = chinese;
    KitGrid grid;
    grid.setFormatString(ChannGridFormat.text());
    LangChinese = saved;
    QCOMPARE(grid.cols(), kChannCols);
    QStringList shown;
    for (int c = 0; c < grid.cols(); ++c)
        shown << grid.textMatrix(0, c);
    QCOMPARE(shown, headers);
    // Every column is centred but the last Chinese one.
    QCOMPARE(grid.colAlignment(ChannCol::Name), chinese ? Qt::AlignLeft : Qt::AlignHCenter);
    QCOMPARE(grid.colAlignment(ChannCol::Scrambler), Qt::AlignHCenter);
}

void TestChannRecords::attribute_cells_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("shown");
    QTest::newRow("sig code 0x00") << 12 << 0x00 << ChannCol::SigCode << "1";
    QTest::newRow("sig code 0x0E") << 12 << 0x0E << ChannCol::SigCode << "15";
    QTest::newRow("sig code 0x0F has no text") << 12 << 0x0F << ChannCol::SigCode << "";
    QTest::newRow("sig code high nibble ignored") << 12 << 0xF3 << ChannCol::SigCode << "4";
    QTest::newRow("signalling 2TONE") << 13 << 0x02 << ChannCol::OptSignal << "2TONE";
    QTest::newRow("signalling 5TONE") << 13 << 0x03 << ChannCol::OptSignal << "5TONE";
    QTest::newRow("signalling 4 has no text") << 13 << 0x04 << ChannCol::OptSignal << "";
    QTest::newRow("squelch AND") << 13 << 0x10 << ChannCol::SpMute << "AND";
    QTest::newRow("squelch OR") << 13 << 0x21 << ChannCol::SpMute << "OR";
    QTest::newRow("squelch 3 has no text") << 13 << 0x31 << ChannCol::SpMute << "";
    QTest::newRow("power 0x01 low") << 14 << 0x01 << ChannCol::Power << "LOW";
    QTest::newRow("power 0x05 high") << 14 << 0x05 << ChannCol::Power << "HIGH";
    QTest::newRow("power 0x11 low") << 14 << 0x11 << ChannCol::Power << "LOW";
    QTest::newRow("power 0x09 low") << 14 << 0x09 << ChannCol::Power << "LOW";
    QTest::newRow("scrambler 0x11 on") << 14 << 0x11 << ChannCol::Scrambler << "ON";
    QTest::newRow("scrambler 0x20 has no text") << 14 << 0x20 << ChannCol::Scrambler << "";
    QTest::newRow("power 0x20 high") << 14 << 0x20 << ChannCol::Power << "HIGH";
    QTest::newRow("0x4F PTT-ID") << 15 << 0x4F << ChannCol::PttId << "BOTH";
    QTest::newRow("0x4F scan add") << 15 << 0x4F << ChannCol::ScanAdd << "ON";
    QTest::newRow("0x4F busy lock") << 15 << 0x4F << ChannCol::BusyLock << "ON";
    QTest::newRow("0x4F narrow") << 15 << 0x4F << ChannCol::Width << "N";
    QTest::newRow("0xB1 PTT-ID") << 15 << 0xB1 << ChannCol::PttId << "BOT";
    QTest::newRow("0xB1 scan add") << 15 << 0xB1 << ChannCol::ScanAdd << "OFF";
    QTest::newRow("0xB1 busy lock") << 15 << 0xB1 << ChannCol::BusyLock << "OFF";
    QTest::newRow("0xB1 wide") << 15 << 0xB1 << ChannCol::Width << "W";
    QTest::newRow("0x02 EOT") << 15 << 0x02 << ChannCol::PttId << "EOT";
}

void TestChannRecords::attribute_cells()
{
    QFETCH(int, byte);
    QFETCH(int, value);
    QFETCH(int, col);
    QFETCH(QString, shown);
    SetRow(image_, ChannRecRow(3), kSimplex);
    image_(ChannRecRow(3), byte) = static_cast<std::int16_t>(value);
    Chann_Refresh(cells_, 3, image_);
    QCOMPARE(cells_.cell(3, col), shown);
    QCOMPARE(cells_.cell(3, ChannCol::Band), QStringLiteral("VHF/UHF "));
}

void TestChannRecords::tone_cells_data()
{
    QTest::addColumn<int>("lo");
    QTest::addColumn<int>("hi");
    QTest::addColumn<QString>("rx");
    QTest::addColumn<QString>("tx");
    QTest::newRow("00 00 off") << 0x00 << 0x00 << "OFF"
                               << "OFF";
    QTest::newRow("FF FF off") << 0xFF << 0xFF << "OFF"
                               << "OFF";
    QTest::newRow("00 01 is 25.6 Hz, not off") << 0x00 << 0x01 << "25.6"
                                               << "25.6";
    QTest::newRow("88.5") << 0x75 << 0x03 << "88.5"
                          << "88.5";
    QTest::newRow("67.0") << 0x9E << 0x02 << "67.0"
                          << "67.0";
    QTest::newRow("100.0") << 0xE8 << 0x03 << "100.0"
                           << "100.0";
    QTest::newRow("typed 77.5") << 0x07 << 0x03 << "77.5"
                                << "77.5";
    QTest::newRow("DCS keeps the RX entry's blanks") << 0xD2 << 0x00 << " D754I   "
                                                     << "D754I";
    QTest::newRow("first DCS") << 0x01 << 0x00 << "  D023N   "
                               << "D023N";
    QTest::newRow("FF 00 is DCS 255, no text") << 0xFF << 0x00 << ""
                                               << "";
}

void TestChannRecords::tone_cells()
{
    QFETCH(int, lo);
    QFETCH(int, hi);
    QFETCH(QString, rx);
    QFETCH(QString, tx);
    SetRow(image_, ChannRecRow(1), kSimplex);
    for (int b : {ChannRec::RxTone, ChannRec::TxTone}) {
        image_(ChannRecRow(1), b) = static_cast<std::int16_t>(lo);
        image_(ChannRecRow(1), b + 1) = static_cast<std::int16_t>(hi);
    }
    Chann_Refresh(cells_, 1, image_);
    QCOMPARE(cells_.cell(1, ChannCol::RxTone), rx);
    QCOMPARE(cells_.cell(1, ChannCol::TxTone), tx);
}

void TestChannRecords::tone_word_without_text_shows_empty_and_the_redraw_goes_on()
{
    // A CTCSS word whose high byte is 0x80 or more, and DCS number 211: no
    // text. The bytes stay, the row's other cells and the next rows draw.
    SetRow(image_, ChannRecRow(1), kSimplex);
    SetRow(image_, ChannRecRow(2), "50 12 50 14 50 12 50 14 10 90 D3 00 00 00 01 00");
    SetRow(image_, ChannRecRow(3), kSimplex);
    const QByteArray before = RowHex(image_, ChannRecRow(2));
    for (int r = 1; r <= 3; ++r)
        Chann_Refresh(cells_, r, image_);
    QCOMPARE(cells_.cell(2, ChannCol::RxTone), QString());
    QCOMPARE(cells_.cell(2, ChannCol::TxTone), QString());
    QCOMPARE(cells_.cell(2, ChannCol::Power), QStringLiteral("LOW"));
    QCOMPARE(cells_.cell(2, ChannCol::Width), QStringLiteral("W"));
    QCOMPARE(RowHex(image_, ChannRecRow(2)), before);
    QCOMPARE(cells_.cell(3, ChannCol::RxFreq), QStringLiteral("145.01250"));
}

void TestChannRecords::frequency_cells()
{
    SetRow(image_, ChannRecRow(1), "00 25 61 13 00 00 89 08 00 00 00 00 00 00 00 00");
    Chann_Refresh(cells_, 1, image_);
    QCOMPARE(cells_.cell(1, ChannCol::RxFreq), QStringLiteral("136.12500"));
    QCOMPARE(cells_.cell(1, ChannCol::TxFreq), QStringLiteral("88.90000"));
}

void TestChannRecords::receive_only_blanks_its_tx_cells_and_no_other_row()
{
    SetRow(image_, ChannRecRow(4), "50 12 50 14 FF 12 50 14 75 03 75 03 00 00 00 00");
    cells_.fillRow(3, QStringLiteral("keep"));
    cells_.fillRow(5, QStringLiteral("keep"));
    cells_.setCell(4, ChannCol::TxFreq, QStringLiteral("146.00000"));
    cells_.setCell(4, ChannCol::TxTone, QStringLiteral("88.5"));
    Chann_Refresh(cells_, 4, image_);
    QCOMPARE(cells_.cell(4, ChannCol::TxFreq), QString());
    QCOMPARE(cells_.cell(4, ChannCol::TxTone), QString());
    QCOMPARE(cells_.cell(4, ChannCol::RxTone), QStringLiteral("88.5"));
    QCOMPARE(cells_.row(3), QStringList(kChannCols, QStringLiteral("keep")));
    QCOMPARE(cells_.row(5), QStringList(kChannCols, QStringLiteral("keep")));
}

void TestChannRecords::empty_channel_shows_a_blank_row_and_keeps_its_bytes_data()
{
    QTest::addColumn<int>("r");
    QTest::addColumn<QByteArray>("main");
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("an old channel's bytes and name") << 7 << QByteArray("FF 25 61 13 00 00 00 00 75 03 75 03 01 02 03 04")
                                                     << QByteArray("41 42 43 FF FF FF 01 02 FF FF FF FF FF FF FF FF");
    QTest::newRow("zeros") << 8 << QByteArray("FF 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00")
                           << QByteArray("00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
    QTest::newRow("the last channel") << ChannCount << QByteArray("FF 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F")
                                      << QByteArray("5A 59 58 57 56 55 00 00 00 00 00 00 00 00 00 00");
    // The load shows the record after the last channel too (rows 200, 456).
    QTest::newRow("the record after the last channel")
        << ChannCount + 1 << QByteArray("FF 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F")
        << QByteArray("41 42 43 44 45 46 00 00 00 00 00 00 00 00 00 00");
}

void TestChannRecords::empty_channel_shows_a_blank_row_and_keeps_its_bytes()
{
    QFETCH(int, r);
    QFETCH(QByteArray, main);
    QFETCH(QByteArray, name);
    SetRow(image_, ChannRecRow(r), main.constData());
    SetRow(image_, ChannNameRow(r), name.constData());
    // The rows around it, which no painting of row r may touch.
    SetRow(image_, ChannRecRow(r) + 1, "41 42 43 44 45 46 00 00 00 00 00 00 00 00 00 00");
    SetRow(image_, ChannNameRow(r) + 1, "41 42 43 44 45 46 00 00 00 00 00 00 00 00 00 00");
    const MemoryImage before = image_;
    cells_.fillRow(r, QStringLiteral("old"));
    Chann_Refresh(cells_, r, image_);
    QVERIFY(image_ == before);
    QStringList expected(kChannCols);
    expected[ChannCol::Number] = QStringLiteral("old");
    QCOMPARE(cells_.row(r), expected);
}

void TestChannRecords::redraw_after_an_edit_deletes_a_channel_left_empty()
{
    // An edit that leaves its channel empty (a tone chosen in a row with a
    // band but no frequency) deletes it: both records all 0xFF.
    SetRow(image_, ChannRecRow(7), "FF FF FF FF FF FF FF FF 75 03 75 03 01 02 03 04");
    SetRow(image_, ChannNameRow(7), "41 42 43 FF FF FF 01 02");
    cells_.fillRow(7, QStringLiteral("old"));
    Chann_RefreshEdited(cells_, 7, image_);
    QVERIFY(RowsHold(image_, ChannRecRow(7), ChannRecRow(7), kErased));
    QVERIFY(RowsHold(image_, ChannNameRow(7), ChannNameRow(7), kErased));
    QCOMPARE(cells_.row(7).mid(ChannCol::Band), QStringList(kChannCols - 1));
    // A channel is only redrawn.
    SetRow(image_, ChannRecRow(8), kSimplex);
    SetRow(image_, ChannNameRow(8), "41 42 43 FF FF FF 01 02");
    const MemoryImage before = image_;
    Chann_RefreshEdited(cells_, 8, image_);
    QVERIFY(image_ == before);
    QCOMPARE(cells_.cell(8, ChannCol::Name), QStringLiteral("ABC"));
}

void TestChannRecords::byte_0_alone_decides_emptiness()
{
    SetRow(image_, ChannRecRow(1), "25 FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF");
    Chann_Refresh(cells_, 1, image_);
    QCOMPARE(cells_.cell(1, ChannCol::Band), QStringLiteral("VHF/UHF "));
    QCOMPARE(cells_.cell(1, ChannCol::TxFreq), QString());
}

void TestChannRecords::show_writes_neither_number_nor_name()
{
    SetRow(image_, ChannRecRow(2), kSimplex);
    SetRow(image_, ChannNameRow(2), "41 42");
    cells_.setCell(2, ChannCol::Number, QStringLiteral("1"));
    cells_.setCell(2, ChannCol::Name, QStringLiteral("typed"));
    Chann_Show(cells_, 2, image_);
    QCOMPARE(cells_.cell(2, ChannCol::Number), QStringLiteral("1"));
    QCOMPARE(cells_.cell(2, ChannCol::Name), QStringLiteral("typed"));
    Chann_Refresh(cells_, 2, image_);
    QCOMPARE(cells_.cell(2, ChannCol::Name), QStringLiteral("AB"));
}

void TestChannRecords::names_show_only_digits_and_capitals()
{
    for (int code = 0; code < 0xFF; ++code) {
        image_(ChannNameRow(1), 0) = 'A';
        image_(ChannNameRow(1), 1) = static_cast<std::int16_t>(code);
        const QString shown = ChannNameText(image_, ChannNameRow(1));
        const bool isNameChar = (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z');
        QCOMPARE(shown, isNameChar ? QStringLiteral("A") + QChar(code) : QStringLiteral("A"));
    }
}

void TestChannRecords::name_cells_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("shown");
    QTest::newRow("small letter and blank skipped") << "41 42 61 20 39 FF"
                                                    << "AB9";
    QTest::newRow("byte 0 FF is no name") << "FF 41 42 43 44 45"
                                          << "";
    QTest::newRow("six characters") << "5A 30 31 32 33 34"
                                    << "Z01234";
    QTest::newRow("gap leaves no gap") << "41 FF 42 FF FF FF"
                                       << "AB";
    QTest::newRow("bytes 6 on not read") << "31 FF FF FF FF FF 41 42"
                                         << "1";
}

void TestChannRecords::name_cells()
{
    QFETCH(QString, record);
    QFETCH(QString, shown);
    SetRow(image_, ChannRecRow(9), kSimplex);
    SetRow(image_, ChannNameRow(9), record.toLatin1().constData());
    Chann_Refresh(cells_, 9, image_);
    QCOMPARE(cells_.cell(9, ChannCol::Name), shown);
}

void TestChannRecords::default_gives_new_channel_settings()
{
    SetRow(image_, ChannRecRow(5), "50 12 50 14 50 12 50 14 75 03 75 03 3A 2B 1C 4F");
    SetRow(image_, ChannNameRow(5), "41 42 43 44 45 46 01 02 03");
    cells_.fillRow(5, QStringLiteral("old"));
    Chann_Default(cells_, 5, image_);
    QCOMPARE(RowHex(image_, ChannRecRow(5)), QByteArray("50 12 50 14 50 12 50 14 00 00 00 00 00 00 00 04"));
    QCOMPARE(RowHex(image_, ChannNameRow(5)), RowHex(MemoryImage(), 0));
    QCOMPARE(cells_.row(5), QStringList({"old", "old", "old", "old", "OFF", "OFF", "HIGH", "W", "OFF", "OFF", "ON", "1",
                                         "OFF", "QT", "OFF", ""}));
    // The row shows the same after a redraw.
    CellTable redrawn;
    Chann_Refresh(redrawn, 5, image_);
    QCOMPARE(redrawn.row(5).mid(ChannCol::RxTone), cells_.row(5).mid(ChannCol::RxTone));
}

void TestChannRecords::delete_keeps_the_frequency_cells()
{
    SetRow(image_, ChannRecRow(6), kSimplex);
    SetRow(image_, ChannNameRow(6), "41");
    Chann_Refresh(cells_, 6, image_);
    Chann_Delete(cells_, 6, image_);
    QCOMPARE(cells_.cell(6, ChannCol::RxFreq), QStringLiteral("145.01250"));
    QCOMPARE(cells_.cell(6, ChannCol::TxFreq), QStringLiteral("145.01250"));
    QCOMPARE(cells_.cell(6, ChannCol::Band), QString());
    for (int c = ChannCol::RxTone; c <= ChannCol::Name; ++c)
        QCOMPARE(cells_.cell(6, c), QString());
    QCOMPARE(RowHex(image_, ChannRecRow(6)), RowHex(MemoryImage(), 0));
    QCOMPARE(RowHex(image_, ChannNameRow(6)), RowHex(MemoryImage(), 0));
}

void TestChannRecords::erase_keeps_the_band_cell()
{
    SetRow(image_, ChannRecRow(6), kSimplex);
    SetRow(image_, ChannNameRow(6), "41");
    Chann_Refresh(cells_, 6, image_);
    Chann_Erase(cells_, 6, image_);
    QCOMPARE(cells_.cell(6, ChannCol::Band), QStringLiteral("VHF/UHF "));
    for (int c = ChannCol::RxFreq; c <= ChannCol::Name; ++c)
        QCOMPARE(cells_.cell(6, c), QString());
    QCOMPARE(RowHex(image_, ChannRecRow(6)), RowHex(MemoryImage(), 0));
    QCOMPARE(RowHex(image_, ChannNameRow(6)), RowHex(MemoryImage(), 0));
}

QTEST_MAIN(TestChannRecords)
#include "tst_chann_records.moc"
