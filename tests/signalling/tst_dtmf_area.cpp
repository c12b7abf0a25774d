// The DTMF area without a window: where its rows lie, the index lists, the
// text of a code row, the rewrite of a row from a code box's text, the code
// boxes' key filter and the rights and inhibit bits.

#include "core/painting.h"
#include "signalling/dtmf_area.h"

#include "core/dtmf_defaults.h"
#include "support/image_bytes.h"
#include "support/image_rows.h"

#include <QtTest>

using namespace Dtmf;

namespace {

constexpr int kSentinel = 0x55;
constexpr int kRow = 660;

}  // namespace

class TestDtmfArea : public QObject {
    Q_OBJECT
private slots:
    void rows_from_the_bases_data();
    void rows_from_the_bases();
    void index_lists_and_their_times();
    void byte_past_its_list_selects_no_item();

    void code_text_data();
    void code_text();
    void code_text_of_the_defaults();
    void store_code_data();
    void store_code();
    void store_code_touches_only_its_row();
    void code_box_keeps_sixteen_characters_data();
    void code_box_keeps_sixteen_characters();
    void code_key_data();
    void code_key();

    void store_bits_data();
    void store_bits();
};

void TestDtmfArea::rows_from_the_bases_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("expected");
    QTest::newRow("encode code 1") << EncodeRow(EncBaseHi, 0) << 656;
    QTest::newRow("encode code 15") << EncodeRow(EncBaseHi, 14) << 670;
    QTest::newRow("speeds") << SpeedRow(EncBaseHi) << 671;
    QTest::newRow("inspection") << CodeRow(CodeBaseHi, Code::Inspection) << 672;
    QTest::newRow("alarm") << CodeRow(CodeBaseHi, Code::Alarm) << 674;
    QTest::newRow("revive") << CodeRow(CodeBaseHi, Code::Revive) << 677;
    QTest::newRow("master ID") << CodeRow(CodeBaseHi, Code::MasterId) << 685;
    QTest::newRow("vice ID") << CodeRow(CodeBaseHi, Code::ViceId) << 686;
    QTest::newRow("control row") << CtrlRow(CodeBaseHi) << 687;
}

void TestDtmfArea::rows_from_the_bases()
{
    QFETCH(int, row);
    QFETCH(int, expected);
    QCOMPARE(row, expected);
}

void TestDtmfArea::index_lists_and_their_times()
{
    const QStringList speeds = SpeedItems();
    QCOMPARE(speeds.size(), 196);
    QCOMPARE(speeds.first(), QStringLiteral("50"));
    QCOMPARE(speeds.at(3), QStringLiteral("80"));
    QCOMPARE(speeds.last(), QStringLiteral("2000"));
    const QStringList delays = DelayItems();
    QCOMPARE(delays.size(), 40);
    QCOMPARE(delays.first(), QStringLiteral("100"));
    QCOMPARE(delays.at(4), QStringLiteral("500"));
    QCOMPARE(delays.last(), QStringLiteral("4000"));
    const QStringList resets = ResetTimeItems();
    QCOMPARE(resets.size(), 80);
    QCOMPARE(resets.last(), QStringLiteral("8000"));
    QCOMPARE(DigitItems(), (QStringList{"*", "#", "A", "B", "C", "D"}));
    // Each item is the time its index means.
    for (int i = 0; i < kSpeedItems; ++i)
        QCOMPARE(speeds.at(i).toInt(), SpeedMs(i));
    for (int i = 0; i < kResetTimeItems; ++i)
        QCOMPARE(resets.at(i).toInt(), DecoderMs(i));
}

void TestDtmfArea::byte_past_its_list_selects_no_item()
{
    QCOMPARE(ListItemOf(3, kSpeedItems), 3);
    QCOMPARE(ListItemOf(195, kSpeedItems), 195);
    QCOMPARE(ListItemOf(196, kSpeedItems), kNoItem);
    QCOMPARE(ListItemOf(0xFF, kSpeedItems), kNoItem);
    QCOMPARE(ListItemOf(39, kDelayItems), 39);
    QCOMPARE(ListItemOf(0xFF, kDelayItems), kNoItem);
    QCOMPARE(ListItemOf(0xFF, kResetTimeItems), kNoItem);
    QCOMPARE(ListItemOf(-1, kResetTimeItems), kNoItem);
}

void TestDtmfArea::code_text_data()
{
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty row") << ""
                               << "";
    QTest::newRow("every digit") << "0A 01 02 03 04 05 06 07 08 09 0B 0C 0D 0E 0F 00"
                                 << "0123456789*#ABCD";
    QTest::newRow("sixteen 0x00") << "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
                                  << "DDDDDDDDDDDDDDDD";
    QTest::newRow("a gap does not end the text") << "01 FF 02"
                                                 << "12";
    QTest::newRow("16..255 show nothing") << "01 10 02 20 03 FE 04"
                                          << "1234";
}

void TestDtmfArea::code_text()
{
    QFETCH(QString, hex);
    QFETCH(QString, text);
    MemoryImage image;
    SetRow(image, kRow, hex.toLatin1().constData());
    QCOMPARE(CodeText(image, kRow), text);
}

void TestDtmfArea::code_text_of_the_defaults()
{
    MemoryImage image;
    Dtmf_Defaults(image);
    QCOMPARE(CodeText(image, 656), QStringLiteral("20202"));
    QCOMPARE(CodeText(image, 657), QString());
    QCOMPARE(CodeText(image, 670), QStringLiteral("30303"));
    QCOMPARE(CodeText(image, CodeRow(CodeBaseHi, Code::Alarm)), QStringLiteral("119"));
    QCOMPARE(CodeText(image, CodeRow(CodeBaseHi, Code::MasterId)), QStringLiteral("60606"));
}

void TestDtmfArea::store_code_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("hex");
    QTest::newRow("typed 1 2 a #") << "12a#" << QByteArray("01 02 0D 0C FF FF FF FF FF FF FF FF FF FF FF FF");
    QTest::newRow("0 is 10, D and d 0") << "0Dd" << QByteArray("0A 00 00 FF FF FF FF FF FF FF FF FF FF FF FF FF");
    QTest::newRow("blanks around are trimmed")
        << "  12  " << QByteArray("01 02 FF FF FF FF FF FF FF FF FF FF FF FF FF FF");
    QTest::newRow("an inner blank keeps its gap")
        << "1 2" << QByteArray("01 FF 02 FF FF FF FF FF FF FF FF FF FF FF FF FF");
    QTest::newRow("pasted 1x2 keeps the gap") << "1x2" << QByteArray("01 FF 02 FF FF FF FF FF FF FF FF FF FF FF FF FF");
    QTest::newRow("emptied") << "" << QByteArray("FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF");
    QTest::newRow("only the first 16 of 20")
        << "12345678901234567890" << QByteArray("01 02 03 04 05 06 07 08 09 0A 01 02 03 04 05 06");
}

void TestDtmfArea::store_code()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, hex);
    MemoryImage image;
    SetRow(image, kRow, "09 09 09 09 09 09 09 09 09 09 09 09 09 09 09 09");
    StoreCode(text, kRow, image);
    QCOMPARE(RowHex(image, kRow), hex);
}

void TestDtmfArea::store_code_touches_only_its_row()
{
    MemoryImage image = FilledImage(kSentinel);
    StoreCode(QStringLiteral("123"), kRow, image);
    QVERIFY(RowsHold(image, 0, kRow - 1, kSentinel));
    QVERIFY(RowsHold(image, kRow + 1, kImageRows - 1, kSentinel));
}

void TestDtmfArea::code_box_keeps_sixteen_characters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");
    QTest::newRow("short") << "123"
                           << "123";
    QTest::newRow("blanks kept while the digits fit") << " 1234567890123456 "
                                                      << " 1234567890123456 ";
    QTest::newRow("20 digits cut to 16") << "12345678901234567890"
                                         << "1234567890123456";
    QTest::newRow("blanks go with the cut") << "  12345678901234567  "
                                            << "1234567890123456";
}

void TestDtmfArea::code_box_keeps_sixteen_characters()
{
    QFETCH(QString, text);
    QFETCH(QString, kept);
    QCOMPARE(CodeBoxText(text), kept);
}

void TestDtmfArea::code_key_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("passed");
    const QString full = QStringLiteral("1234567890123456");
    QTest::newRow("digit") << int('7') << "" << int('7');
    QTest::newRow("lower-case a") << int('a') << "" << int('a');
    QTest::newRow("lower-case d") << int('d') << "" << int('d');
    QTest::newRow("upper-case D") << int('D') << "" << int('D');
    QTest::newRow("star") << int('*') << "" << int('*');
    QTest::newRow("hash") << int('#') << "" << int('#');
    QTest::newRow("Enter") << 13 << "" << 13;
    QTest::newRow("e is no digit") << int('e') << "" << 0;
    QTest::newRow("E is no digit") << int('E') << "" << 0;
    QTest::newRow("blank") << int(' ') << "" << 0;
    QTest::newRow("Backspace") << 8 << "12" << 0;
    QTest::newRow("15 characters take one more") << int('5') << full.left(15) << int('5');
    QTest::newRow("16 characters take no digit") << int('5') << full << 0;
    QTest::newRow("16 characters take no Enter") << 13 << full << 0;
    QTest::newRow("blanks do not count") << int('5') << "  " + full.left(15) + "  " << int('5');
}

void TestDtmfArea::code_key()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, passed);
    QCOMPARE(CodeKey(key, text), passed);
}

void TestDtmfArea::store_bits_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("after");
    QTest::newRow("master rights 31, stun cleared") << 31 << false << RightMask(RightStun) << 27;
    QTest::newRow("master rights 27, stun ticked") << 27 << true << RightMask(RightStun) << 31;
    QTest::newRow("0xFF, inspection cleared keeps bits 5..7") << 0xFF << false << RightMask(RightInspection) << 0xFE;
    QTest::newRow("inhibit 0, RX ticked") << 0 << true << kRxInhibitMask << 1;
    QTest::newRow("inhibit 1, TX ticked") << 1 << true << kTxInhibitMask << 3;
    QTest::newRow("inhibit 3, RX cleared") << 3 << false << kRxInhibitMask << 2;
    QTest::newRow("inhibit 0xFC, TX cleared keeps bits 2..7") << 0xFC << false << kTxInhibitMask << 0xFC;
}

void TestDtmfArea::store_bits()
{
    QFETCH(int, before);
    QFETCH(bool, ticked);
    QFETCH(int, mask);
    QFETCH(int, after);
    MemoryImage image = FilledImage(kSentinel);
    const int row = CtrlRow(CodeBaseHi);
    image(row, Ctrl::MasterRights) = static_cast<std::int16_t>(before);
    StoreBits(ticked, mask, row, Ctrl::MasterRights, image);
    QCOMPARE(int(image(row, Ctrl::MasterRights)), after);
    QCOMPARE(RowBytes(image, row, 0, 1), Bytes{kSentinel});
    QCOMPARE(RowBytes(image, row, 2, 14), Repeated(kSentinel, 14));
}

QTEST_APPLESS_MAIN(TestDtmfArea)
#include "tst_dtmf_area.moc"
