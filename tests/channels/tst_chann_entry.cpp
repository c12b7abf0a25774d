// The typed columns of the channel grid on a table of cells and an image of
// their own, with the channel editor's band limits 140, 150, 440, 450 MHz.

#include "channels/chann_entry.h"
#include "core/model_bands.h"
#include "core/numbers.h"
#include "core/tone_list.h"
#include "support/cell_table.h"
#include "support/image_bytes.h"
#include "support/image_rows.h"

#include <QtTest>

namespace {

// Channel 2 (grid row 3): RX 145, TX 145.6, 88.5 Hz both ways, low power,
// narrow, busy lock; named "AB1".
constexpr const char* kDuplex = "00 00 50 14 00 00 56 14 75 03 75 03 02 11 01 4C";
constexpr const char* kDuplexName = "41 42 31 FF FF FF 00 11 22 33 44 55 66 77 88 99";
constexpr int kRow = 3;

QString EnglishOf(const std::optional<Message>& message)
{
    return message ? message->text.eng : QString();
}

}  // namespace

Q_DECLARE_METATYPE(Message)

class TestChannEntry : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitToneTables(); }
    void init();

    void band_test_data();
    void band_test();
    void vhf_low_limit_text_data();
    void vhf_low_limit_text();
    void completed_freq_data();
    void completed_freq();

    void rx_in_a_blank_row_starts_a_channel();
    void rx_is_stored_on_the_raster();
    void rx_change_makes_the_channel_simplex_again();
    void rejected_rx_replaces_only_the_rx_frequency();
    void rejected_rx_in_an_empty_row_starts_a_channel_at_the_low_limit();
    void blank_rx_deletes_the_channel();
    void blank_tx_makes_the_channel_receive_only();
    void tx_before_rx_is_refused_and_stores_nothing();
    void blank_cell_of_a_row_with_only_a_band_blanks_the_band_data();
    void blank_cell_of_a_row_with_only_a_band_blanks_the_band();
    void rejected_tx_takes_the_low_limit_with_the_tone_off();
    void messages_and_titles_data();
    void messages_and_titles();

    void name_data();
    void name();
    void name_of_a_row_without_a_channel_is_not_stored();

private:
    void putChannel(int r, const char* main, const char* name = nullptr);

    MemoryImage image_;
    CellTable cells_;
};

void TestChannEntry::init()
{
    BandVhfMin = 140;
    BandVhfMax = 150;
    BandUhfMin = 440;
    BandUhfMax = 450;
    LangChinese = 0;
    image_.fill(kErased);
    cells_ = CellTable();
}

void TestChannEntry::putChannel(int r, const char* main, const char* name)
{
    SetRow(image_, ChannRecRow(r), main);
    if (name != nullptr)
        SetRow(image_, ChannNameRow(r), name);
    Chann_Refresh(cells_, r, image_);
}

void TestChannEntry::band_test_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("VHF low limit") << "140" << true;
    QTest::newRow("just below it") << "139.99" << false;
    QTest::newRow("up to the high limit + 1 MHz") << "150.99" << true;
    QTest::newRow("high limit + 1 MHz") << "151" << false;
    QTest::newRow("between the bands") << "300" << false;
    QTest::newRow("just below UHF") << "439.99" << false;
    QTest::newRow("UHF") << "450.5" << true;
    QTest::newRow("UHF high limit + 1 MHz") << "451" << false;
    QTest::newRow("near UHF") << "455" << false;
    QTest::newRow("no number") << "abc" << false;
}

void TestChannEntry::band_test()
{
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QCOMPARE(ChannFreqAccepted(NumericValue(typed)), accepted);
}

void TestChannEntry::vhf_low_limit_text_data()
{
    QTest::addColumn<double>("limit");
    QTest::addColumn<QString>("text");
    QTest::newRow("140") << 140.0 << "140.00000";
    QTest::newRow("136") << 136.0 << "136.00000";
    QTest::newRow("a fraction stays as it is") << 136.5 << "136.5";
    QTest::newRow("two digits") << 88.0 << "88.00000";
}

void TestChannEntry::vhf_low_limit_text()
{
    QFETCH(double, limit);
    QFETCH(QString, text);
    BandVhfMin = limit;
    QCOMPARE(VhfLowLimitText(), text);
}

void TestChannEntry::completed_freq_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("completed");
    QTest::addColumn<double>("mhz");
    QTest::newRow("whole") << "145"
                           << "145.00000" << 145.0;
    QTest::newRow("decimals") << "145.125"
                              << "145.12500" << 145.125;
    QTest::newRow("one decimal") << "438.5"
                                 << "438.50000" << 438.5;
    QTest::newRow("a point only") << "145."
                                  << "145.00000" << 145.0;
    QTest::newRow("cut to nine") << "145.0025001"
                                 << "145.00250" << 145.0025;
    QTest::newRow("below 100 MHz") << "88"
                                   << "88.00000" << 88.0;
    // The blank puts no zeros in front of the point (14,500,000 MHz).
    QTest::newRow("a stray blank stays 145 MHz") << "145 "
                                                 << "145.00000" << 145.0;
    QTest::newRow("blanks before and inside") << " 14 5.5"
                                              << "145.50000" << 145.5;
    QTest::newRow("a leading zero keeps its point") << "0145"
                                                    << "0145.0000" << 145.0;
}

void TestChannEntry::completed_freq()
{
    QFETCH(QString, typed);
    QFETCH(QString, completed);
    QFETCH(double, mhz);
    QCOMPARE(ChannCompletedFreq(typed, NumericValue(typed)), completed);
    QCOMPARE(NumericValue(completed), mhz);
}

void TestChannEntry::rx_in_a_blank_row_starts_a_channel()
{
    const EntryOutcome out = Chann_RxCommit(cells_, kRow, QStringLiteral("145"), CellEntry::Typed, image_);
    QVERIFY(!out.message);
    QVERIFY(out.gridFocus);
    QCOMPARE(RowHex(image_, ChannRecRow(kRow)), QByteArray("00 00 50 14 00 00 50 14 00 00 00 00 00 00 00 04"));
    QVERIFY(RowsHold(image_, ChannNameRow(kRow), ChannNameRow(kRow), kErased));
    QCOMPARE(cells_.row(kRow), (QStringList{"", "VHF/UHF ", "145.00000", "145.00000", "OFF", "OFF", "HIGH", "W", "OFF",
                                            "OFF", "ON", "1", "OFF", "QT", "OFF", ""}));
}

void TestChannEntry::rx_is_stored_on_the_raster()
{
    Chann_RxCommit(cells_, kRow, QStringLiteral("145.0043"), CellEntry::Typed, image_);
    QCOMPARE(RowHex(image_, ChannRecRow(kRow)).left(23), QByteArray("50 02 50 14 50 02 50 14"));
    QCOMPARE(cells_.cell(kRow, ChannCol::RxFreq), QStringLiteral("145.00250"));
    QCOMPARE(cells_.cell(kRow, ChannCol::TxFreq), QStringLiteral("145.00250"));
}

void TestChannEntry::rx_change_makes_the_channel_simplex_again()
{
    putChannel(kRow, kDuplex, kDuplexName);
    const EntryOutcome out = Chann_RxCommit(cells_, kRow, QStringLiteral("146"), CellEntry::Typed, image_);
    QVERIFY(!out.gridFocus);  // the TX cell had a text
    QCOMPARE(RowHex(image_, ChannRecRow(kRow)), QByteArray("00 00 60 14 00 00 60 14 75 03 75 03 02 11 01 4C"));
    QCOMPARE(cells_.cell(kRow, ChannCol::TxFreq), QStringLiteral("146.00000"));
    QCOMPARE(RowHex(image_, ChannNameRow(kRow)), QByteArray(kDuplexName));
}

void TestChannEntry::rejected_rx_replaces_only_the_rx_frequency()
{
    putChannel(kRow, kDuplex, kDuplexName);
    const EntryOutcome out = Chann_RxCommit(cells_, kRow, QStringLiteral("151"), CellEntry::Typed, image_);
    QCOMPARE(EnglishOf(out.message), QStringLiteral("Over the range of receive frequency ."));
    QCOMPARE(out.editorText, QStringLiteral("140.00000"));
    QCOMPARE(RowHex(image_, ChannRecRow(kRow)), QByteArray("00 00 00 14 00 00 56 14 75 03 75 03 02 11 01 4C"));
    QCOMPARE(RowHex(image_, ChannNameRow(kRow)), QByteArray(kDuplexName));
    QCOMPARE(cells_.cell(kRow, ChannCol::RxFreq), QStringLiteral("140.00000"));
    QCOMPARE(cells_.cell(kRow, ChannCol::TxFreq), QStringLiteral("145.60000"));
    QCOMPARE(cells_.cell(kRow, ChannCol::Name), QStringLiteral("AB1"));
}

void TestChannEntry::rejected_rx_in_an_empty_row_starts_a_channel_at_the_low_limit()
{
    SetRow(image_, ChannNameRow(kRow), "41 42");
    const EntryOutcome out = Chann_RxCommit(cells_, kRow, QStringLiteral("455"), CellEntry::Typed, image_);
    QCOMPARE(EnglishOf(out.message), QStringLiteral("Over the range of receive frequency ."));
    QCOMPARE(RowHex(image_, ChannRecRow(kRow)), QByteArray("00 00 00 14 00 00 00 14 00 00 00 00 00 00 00 04"));
    QVERIFY(RowsHold(image_, ChannNameRow(kRow), ChannNameRow(kRow), kErased));
    QCOMPARE(cells_.cell(kRow, ChannCol::Band), QStringLiteral("VHF/UHF "));
}

void TestChannEntry::blank_rx_deletes_the_channel()
{
    putChannel(kRow, kDuplex, kDuplexName);
    const EntryOutcome out = Chann_RxCommit(cells_, kRow, QStringLiteral("  "), CellEntry::Typed, image_);
    QVERIFY(!out.message);
    QVERIFY(RowsHold(image_, ChannRecRow(kRow), ChannRecRow(kRow), kErased));
    QVERIFY(RowsHold(image_, ChannNameRow(kRow), ChannNameRow(kRow), kErased));
    QCOMPARE(cells_.row(kRow), QStringList(kChannCols));
}

void TestChannEntry::blank_tx_makes_the_channel_receive_only()
{
    putChannel(kRow, kDuplex, kDuplexName);
    Chann_TxCommit(cells_, kRow, QString(), CellEntry::Typed, image_);
    QCOMPARE(RowHex(image_, ChannRecRow(kRow)), QByteArray("00 00 50 14 FF FF FF FF 75 03 FF FF 02 11 01 4C"));
    QCOMPARE(cells_.cell(kRow, ChannCol::TxFreq), QString());
    QCOMPARE(cells_.cell(kRow, ChannCol::TxTone), QString());
    QCOMPARE(cells_.cell(kRow, ChannCol::RxTone), QStringLiteral("88.5"));
    QCOMPARE(RowHex(image_, ChannNameRow(kRow)), QByteArray(kDuplexName));
}

void TestChannEntry::tx_before_rx_is_refused_and_stores_nothing()
{
    cells_.setCell(kRow, ChannCol::Band, QStringLiteral("VHF/UHF"));
    const MemoryImage before = image_;
    const QStringList cellsBefore = cells_.row(kRow);
    const EntryOutcome out = Chann_TxCommit(cells_, kRow, QStringLiteral("145"), CellEntry::Typed, image_);
    QCOMPARE(EnglishOf(out.message), QStringLiteral("Please input the receive frequency in advance."));
    QCOMPARE(out.editorText, QString());
    QVERIFY(image_ == before);
    QCOMPARE(cells_.row(kRow), cellsBefore);
}

void TestChannEntry::blank_cell_of_a_row_with_only_a_band_blanks_the_band_data()
{
    QTest::addColumn<int>("col");
    QTest::newRow("RX") << int(ChannCol::RxFreq);
    QTest::newRow("TX") << int(ChannCol::TxFreq);
}

void TestChannEntry::blank_cell_of_a_row_with_only_a_band_blanks_the_band()
{
    QFETCH(int, col);
    cells_.setCell(kRow, ChannCol::Band, QStringLiteral("VHF/UHF"));
    const EntryOutcome out = col == ChannCol::RxFreq
                                 ? Chann_RxCommit(cells_, kRow, QString(), CellEntry::Typed, image_)
                                 : Chann_TxCommit(cells_, kRow, QString(), CellEntry::Typed, image_);
    QVERIFY(!out.message);
    QCOMPARE(cells_.cell(kRow, ChannCol::Band), QString());
    QVERIFY(RowsHold(image_, ChannRecRow(kRow), ChannRecRow(kRow), kErased));
}

void TestChannEntry::rejected_tx_takes_the_low_limit_with_the_tone_off()
{
    putChannel(kRow, kDuplex, kDuplexName);
    const EntryOutcome out = Chann_TxCommit(cells_, kRow, QStringLiteral("500"), CellEntry::Typed, image_);
    QCOMPARE(EnglishOf(out.message), QStringLiteral("Over the range of transmit frequency ."));
    QCOMPARE(RowHex(image_, ChannRecRow(kRow)), QByteArray("00 00 50 14 00 00 00 14 75 03 FF FF 02 11 01 4C"));
    QCOMPARE(cells_.cell(kRow, ChannCol::TxFreq), QStringLiteral("140.00000"));
    QCOMPARE(cells_.cell(kRow, ChannCol::TxTone), QStringLiteral("OFF"));
}

void TestChannEntry::messages_and_titles_data()
{
    QTest::addColumn<Message>("message");
    QTest::addColumn<QString>("chinese");
    QTest::addColumn<QString>("englishTitle");
    QTest::newRow("RX") << ChannEntryText::RxOutOfRange() << "接收频率超出范围 ！"
                        << "Operate prompt";
    QTest::newRow("TX before RX") << ChannEntryText::TxBeforeRx() << "请先输入接收频率 ！"
                                  << "Operate prompt";
    QTest::newRow("TX") << ChannEntryText::TxOutOfRange() << "发射频率超出范围 ！"
                        << "Operate prompt";
    QTest::newRow("name") << ChannEntryText::NameTooLong() << "信道名称的字符个数最大为 6 位 ！"
                          << "Operate Prompt";
}

void TestChannEntry::messages_and_titles()
{
    QFETCH(Message, message);
    QFETCH(QString, chinese);
    QFETCH(QString, englishTitle);
    QCOMPARE(message.text.chn, chinese);
    QCOMPARE(message.title.eng, englishTitle);
    QCOMPARE(message.title.chn, QStringLiteral("操作提示"));
    QCOMPARE(message.icon, MessageIcon::Exclamation);
}

void TestChannEntry::name_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("tooLong");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("seven letters") << "abcdefg" << true << "ABCDEF" << QByteArray("41 42 43 44 45 46");
    QTest::newRow("blank inside") << "A B" << false << "A B" << QByteArray("41 FF 42 FF FF FF");
    QTest::newRow("sign inside") << "ab-c1" << false << "AB-C1" << QByteArray("41 42 FF 43 31 FF");
    QTest::newRow("blanks around") << "  x9  " << false << "X9" << QByteArray("58 39 FF FF FF FF");
    QTest::newRow("six and a blank after the sixth")
        << "abcdef g" << true << "ABCDEF" << QByteArray("41 42 43 44 45 46");
    QTest::newRow("letters outside A to Z") << "éa" << false << "ÉA" << QByteArray("FF 41 FF FF FF FF");
    QTest::newRow("empty") << "" << false << "" << QByteArray("FF FF FF FF FF FF");
}

void TestChannEntry::name()
{
    QFETCH(QString, typed);
    QFETCH(bool, tooLong);
    QFETCH(QString, cell);
    QFETCH(QByteArray, stored);
    putChannel(kRow, kDuplex, kDuplexName);
    const EntryOutcome out = Chann_NameCommit(cells_, kRow, typed, CellEntry::Typed, image_);
    QCOMPARE(EnglishOf(out.message), tooLong ? QStringLiteral("The letter of channel name max 6 bit . ") : QString());
    QCOMPARE(cells_.cell(kRow, ChannCol::Name), cell);
    // Bytes 6 to 15 of the record are not the name's.
    QCOMPARE(RowHex(image_, ChannNameRow(kRow)), stored + QByteArray(kDuplexName).mid(17));
    QCOMPARE(RowHex(image_, ChannRecRow(kRow)), QByteArray(kDuplex));
}

void TestChannEntry::name_of_a_row_without_a_channel_is_not_stored()
{
    SetRow(image_, ChannNameRow(kRow), "41 42 43");
    const EntryOutcome out = Chann_NameCommit(cells_, kRow, QStringLiteral("abc"), CellEntry::Typed, image_);
    QVERIFY(!out.message);
    QCOMPARE(cells_.cell(kRow, ChannCol::Name), QString());
    QVERIFY(RowsHold(image_, ChannNameRow(kRow), ChannNameRow(kRow), kErased));
}

QTEST_GUILESS_MAIN(TestChannEntry)
#include "tst_chann_entry.moc"
