// The options area's rules without a window: the setting store and its
// mirror, the power-on message and DTMF code stores and texts, the ANI
// check, and the VFO frequency, offset and tone rules.

#include "core/char_codes.h"
#include "core/option_defaults.h"
#include "core/tone_list.h"
#include "options/opt_codes.h"
#include "options/opt_link.h"
#include "options/opt_settings.h"
#include "options/vfo_record.h"
#include "support/image_bytes.h"

#include <QtTest>

namespace {

constexpr int kSentinel = 0xA5;

VfoRecord TestVfo(double& lo, double& hi)
{
    VfoRecord vfo = VfoA();
    vfo.lo = &lo;
    vfo.hi = &hi;
    return vfo;
}

}  // namespace

class TestOptRules : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void settings_table_holds_31_lists_in_address_order();
    void setting_choice_writes_only_0x0E00_to_0x0E3F();

    void message_line_store_data();
    void message_line_store();
    void message_line_text_data();
    void message_line_text();
    void message_key_filter_refuses_past_six_characters();

    void code_store_data();
    void code_store();
    void pasted_code_of_20_characters_stores_its_first_16_and_leaves_the_next_row();
    void code_key_filter_refuses_past_fifteen_characters();
    void ani_check_data();
    void ani_check();
    void ani_left_as_painted_is_not_checked();

    void frequency_key_filter_data();
    void frequency_key_filter();
    void frequency_check_data();
    void frequency_check();
    void frequency_box_shows_the_record_data();
    void frequency_box_shows_the_record();
    void frequency_below_10_mhz_is_stored_as_typed();
    void band_choice_text_data();
    void band_choice_text();
    void range_text_shows_the_limits();

    void offset_items();
    void offset_display_data();
    void offset_display();
    void tone_store_data();
    void tone_store();
    void tone_display_data();
    void tone_display();

    void transfer_parameters();
};

void TestOptRules::initTestCase()
{
    InitToneTables();
}

void TestOptRules::init()
{
    LangChinese = 0;
    OptData.fill(0);
}

void TestOptRules::settings_table_holds_31_lists_in_address_order()
{
    const std::vector<OptSetting>& settings = OptSettings();
    QCOMPARE(settings.size(), std::size_t{31});
    const QList<int> order{0,  2,  5,  6,  8,  9,  14, 15, 16, 17, 18, 19, 22, 23, 25, 26,
                           27, 29, 30, 31, 32, 33, 34, 35, 41, 42, 43, 44, 45, 46, 47};
    QList<int> indexes;
    for (const OptSetting& s : settings)
        indexes << s.index;
    QCOMPARE(indexes, order);
    // The generated items.
    const auto items = [&](int index) {
        for (const OptSetting& s : settings) {
            if (s.index == index)
                return s.items();
        }
        return QStringList();
    };
    QCOMPARE(items(OptIdx_tot).size(), 40);
    QCOMPARE(items(OptIdx_tot).first(), QStringLiteral("15"));
    QCOMPARE(items(OptIdx_tot).last(), QStringLiteral("600"));
    QCOMPARE(items(OptIdx_Pri_Ch).size(), 200);
    QCOMPARE(items(OptIdx_Emc_Ch).at(7), QStringLiteral("CH-007"));
    QCOMPARE(items(OptIdx_Emc_Ch).last(), QStringLiteral("CH-199"));
    QCOMPARE(items(OptIdx_Abr).mid(0, 3), (QStringList{"OFF", "1", "2"}));
    QCOMPARE(items(OptIdx_Ptt_lt).last(), QStringLiteral("30"));
    LangChinese = -1;
    QCOMPARE(items(OptIdx_Abr).first(), QStringLiteral("关"));
    QCOMPARE(items(OptIdx_Toa).first(), QStringLiteral("关闭"));
    QCOMPARE(items(OptIdx_Sql_le).last(), QStringLiteral("9"));
}

void TestOptRules::setting_choice_writes_only_0x0E00_to_0x0E3F()
{
    MemoryImage image = FilledImage(kSentinel);
    for (int i = 0; i < kOptMirrorBytes; ++i)
        OptData[i] = 0x11;
    Opt_StoreSetting(OptIdx_Sql_le, 7, image);
    QCOMPARE(int(image(224, 2)), 7);
    QCOMPARE(OptData[OptIdx_Sql_le], std::int16_t{7});
    QCOMPARE(RowBytes(image, 224, 0, 2), Repeated(0x11, 2));
    QVERIFY(RowsHold(image, 225, 227, 0x11));
    // The message and code rows stay as the boxes stored them.
    QVERIFY(RowsHold(image, 228, 255, kSentinel));
    QVERIFY(RowsHold(image, 0, 223, kSentinel));
}

void TestOptRules::message_line_store_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("bytes");
    const int upper = static_cast<int>(PonLine::Upper);
    const int lower = static_cast<int>(PonLine::Lower);
    QTest::newRow("two centred") << upper << "AB"
                                 << "20 20 41 42 20 20";
    QTest::newRow("three centred") << upper << "ABC"
                                   << "20 41 42 43 20 20";
    QTest::newRow("five") << upper << "HELLO"
                          << "48 45 4C 4C 4F 20";
    QTest::newRow("seven keep six") << upper << "ABCDEFG"
                                    << "41 42 43 44 45 46";
    QTest::newRow("outer blanks dropped") << upper << "  AB  "
                                          << "20 20 41 42 20 20";
    QTest::newRow("lower case and plus") << lower << "a+b"
                                         << "20 41 2B 42 20 20";
    QTest::newRow("inner blank is 11") << upper << "A B"
                                       << "20 41 0B 42 20 20";
    QTest::newRow("outside the set is 11") << lower << "A*"
                                           << "20 20 41 0B 20 20";
    QTest::newRow("empty") << upper << ""
                           << "20 20 20 20 20 20";
}

void TestOptRules::message_line_store()
{
    QFETCH(int, line);
    QFETCH(QString, text);
    QFETCH(QString, bytes);
    MemoryImage image = FilledImage(kSentinel);
    PonMsg_Store(static_cast<PonLine>(line), text, image);
    QCOMPARE(RowBytes(image, kPonMsgRow, line, 6), HexBytes(bytes));
    // The other line and the bytes behind them are not touched.
    QCOMPARE(RowBytes(image, kPonMsgRow, 6 - line, 6), Repeated(kSentinel, 6));
    QCOMPARE(RowBytes(image, kPonMsgRow, 12, 4), Repeated(kSentinel, 4));
}

void TestOptRules::message_line_text_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("bytes");
    QTest::addColumn<QString>("text");
    const int upper = static_cast<int>(PonLine::Upper);
    const int lower = static_cast<int>(PonLine::Lower);
    QTest::newRow("line 1 keeps one trailing blank") << upper << "20 41 0B 42 20 20"
                                                     << "AB ";
    QTest::newRow("line 2 loses it") << lower << "20 41 2B 42 20 20"
                                     << "A+B";
    QTest::newRow("default line 1") << upper << "57 45 4C 43 4F 4D"
                                    << "WELCOM";
    QTest::newRow("default line 2") << lower << "51 56 36 34 31 37"
                                    << "QV6417";
    QTest::newRow("codes without a character") << upper << "FF 41 FF FF 42 FF"
                                               << "AB";
}

void TestOptRules::message_line_text()
{
    QFETCH(int, line);
    QFETCH(QString, bytes);
    QFETCH(QString, text);
    MemoryImage image;
    const Bytes b = HexBytes(bytes);
    for (int i = 0; i < 6; ++i)
        image(kPonMsgRow, line + i) = static_cast<std::int16_t>(b[i]);
    QCOMPARE(PonMsg_Text(static_cast<PonLine>(line), image), text);
}

void TestOptRules::message_key_filter_refuses_past_six_characters()
{
    QVERIFY(!PonMsg_KeyRefused(QStringLiteral("ABCDEF")));
    QVERIFY(PonMsg_KeyRefused(QStringLiteral("ABCDEFG")));
    QVERIFY(!PonMsg_KeyRefused(QStringLiteral("  ABCDEF  ")));
}

void TestOptRules::code_store_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("bytes");
    QTest::newRow("digits and letters") << "12A34"
                                        << "01 02 0D 03 04";
    QTest::newRow("inner blank is no digit") << "1 2"
                                             << "01 FF 02";
    QTest::newRow("D is 0, 0 is 10") << "8D8D0"
                                     << "08 00 08 00 0A";
    QTest::newRow("star and hash") << "*#"
                                   << "0B 0C";
    QTest::newRow("outer blanks dropped") << "  45 "
                                          << "04 05";
    QTest::newRow("empty") << ""
                           << "";
}

void TestOptRules::code_store()
{
    QFETCH(QString, text);
    QFETCH(QString, bytes);
    MemoryImage image = FilledImage(kSentinel);
    DtmfCode_Store(kPttIdBeginRow, text, image);
    Bytes expected = HexBytes(bytes);
    expected += Repeated(0xFF, 16 - static_cast<int>(expected.size()));
    QCOMPARE(RowBytes(image, kPttIdBeginRow), expected);
    QVERIFY(RowsHold(image, kAniRow, kAniRow, kSentinel));
    QVERIFY(RowsHold(image, kPttIdEndRow, kPttIdEndRow, kSentinel));
}

void TestOptRules::pasted_code_of_20_characters_stores_its_first_16_and_leaves_the_next_row()
{
    MemoryImage image = FilledImage(kSentinel);
    DtmfCode_Store(kAniRow, QStringLiteral("12345678901234567890"), image);
    QCOMPARE(RowBytes(image, kAniRow), HexBytes("01 02 03 04 05 06 07 08 09 0A 01 02 03 04 05 06"));
    QVERIFY(RowsHold(image, kPttIdBeginRow, kPttIdBeginRow, kSentinel));
}

void TestOptRules::code_key_filter_refuses_past_fifteen_characters()
{
    QVERIFY(!DtmfCode_KeyRefused(QString(15, QLatin1Char('1'))));
    QVERIFY(DtmfCode_KeyRefused(QString(16, QLatin1Char('1'))));
    // Blanks count.
    QVERIFY(DtmfCode_KeyRefused(QStringLiteral("1") + QString(15, QLatin1Char(' '))));
}

void TestOptRules::ani_check_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString length = QStringLiteral("ANI ID code length is 3 to 5 digit.");
    const QString range = QStringLiteral(" Available ANI ID code from 00000 to 99999. ");
    QTest::newRow("12A34 passes") << "12A34"
                                  << "";
    QTest::newRow("1 2 passes") << "1 2"
                                << "";
    QTest::newRow("12A passes") << "12A"
                                << "";
    QTest::newRow("00001 passes") << "00001"
                                  << "";
    QTest::newRow("9999 passes") << "9999"
                                 << "";
    QTest::newRow("99999 passes") << "99999"
                                  << "";
    QTest::newRow("two digits") << "12" << length;
    QTest::newRow("six digits") << "123456" << length;
    QTest::newRow("empty") << "" << length;
    QTest::newRow("blanks only") << "   " << length;
    QTest::newRow("star first") << "*23" << range;
    QTest::newRow("000 sorts first") << "000" << range;
    QTest::newRow("0000 sorts first") << "0000" << range;
    QTest::newRow("letter first") << "A12" << range;
}

void TestOptRules::ani_check()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    const std::optional<Message> shown = AniCheck(text, QStringLiteral("8D8D8"));
    QCOMPARE(shown ? shown->text.eng : QString(), message);
    if (shown)
        QCOMPARE(shown->title, Titles::OperatePromptUpper);
}

void TestOptRules::ani_left_as_painted_is_not_checked()
{
    const QString length = QStringLiteral("ANI ID code length is 3 to 5 digit.");
    const QString range = QStringLiteral(" Available ANI ID code from 00000 to 99999. ");
    // Whatever ANI a read or a file left, a box showing it holds no edit.
    for (const char* painted : {"", "12", "123456", "*23", "000"}) {
        QVERIFY(!AniCheck(QString::fromLatin1(painted), QString::fromLatin1(painted)));
        QVERIFY(!AniCheck(QStringLiteral(" %1 ").arg(QLatin1String(painted)), QString::fromLatin1(painted)));
    }
    // Typed otherwise, it is checked.
    QCOMPARE(AniCheck(QStringLiteral("1"), QStringLiteral("12"))->text.eng, length);
    QCOMPARE(AniCheck(QStringLiteral("*23"), QStringLiteral("12"))->text.eng, range);
    QCOMPARE(AniCheck(QStringLiteral("12"), QString())->text.eng, length);
    QVERIFY(!AniCheck(QStringLiteral("123"), QStringLiteral("12")));
}

void TestOptRules::frequency_key_filter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("point on empty") << "" << int('.') << false;
    QTest::newRow("point on blanks") << "  " << int('.') << false;
    QTest::newRow("point after a digit") << "1" << int('.') << true;
    QTest::newRow("second point") << "14.5" << int('.') << true;
    QTest::newRow("point at nine") << "145.01250" << int('.') << true;
    QTest::newRow("digit at eight") << "145.0125" << int('5') << true;
    QTest::newRow("digit at nine") << "145.01250" << int('5') << false;
    QTest::newRow("backspace at nine") << "145.01250" << 8 << true;
    QTest::newRow("letter") << "1" << int('A') << false;
    QTest::newRow("blank") << "1" << int(' ') << false;
    QTest::newRow("minus") << "" << int('-') << false;
}

void TestOptRules::frequency_key_filter()
{
    QFETCH(QString, text);
    QFETCH(int, key);
    QFETCH(bool, accepted);
    QCOMPARE(VfoFreq_KeyAccepted(key, text), accepted);
}

void TestOptRules::frequency_check_data()
{
    QTest::addColumn<double>("lo");
    QTest::addColumn<double>("hi");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("outOfRange");
    QTest::addColumn<QString>("digits");
    QTest::newRow("145.0125") << 140.0 << 150.0 << "145.0125"
                              << "145.01250" << false << "1 4 5 0 1 2 5 0";
    QTest::newRow("6.25 kHz step") << 140.0 << 150.0 << "145.00625"
                                   << "145.00625" << false << "1 4 5 0 0 6 2 5";
    QTest::newRow("cut to 250 Hz") << 140.0 << 150.0 << "145.0137"
                                   << "145.01350" << false << "1 4 5 0 1 3 5 0";
    QTest::newRow("145.01875") << 140.0 << 150.0 << "145.01875"
                               << "145.01875" << false << "1 4 5 0 1 8 7 5";
    QTest::newRow("136.9996") << 130.0 << 150.0 << "136.9996"
                              << "136.99950" << false << "1 3 6 9 9 9 5 0";
    QTest::newRow("whole MHz") << 140.0 << 150.0 << "145"
                               << "145.00000" << false << "1 4 5 0 0 0 0 0";
    QTest::newRow("exactly hi") << 140.0 << 150.0 << "150"
                                << "150.00000" << false << "1 5 0 0 0 0 0 0";
    QTest::newRow("exactly lo") << 140.0 << 150.0 << "140"
                                << "140.00000" << false << "1 4 0 0 0 0 0 0";
    QTest::newRow("above hi") << 140.0 << 150.0 << "150.00001"
                              << "149.62500" << true << "1 4 9 6 2 5 0 0";
    QTest::newRow("below lo") << 140.0 << 150.0 << "139.9"
                              << "140.02500" << true << "1 4 0 0 2 5 0 0";
    QTest::newRow("empty") << 140.0 << 150.0 << ""
                           << "140.02500" << true << "1 4 0 0 2 5 0 0";
    QTest::newRow("only a point") << 140.0 << 150.0 << "."
                                  << "140.02500" << true << "1 4 0 0 2 5 0 0";
    QTest::newRow("second point ends it") << 140.0 << 150.0 << "145.5.7"
                                          << "145.50000" << false << "1 4 5 5 0 0 0 0";
    QTest::newRow("below 100 MHz") << 50.0 << 150.0 << "99.5"
                                   << "99.50000" << false << "0 9 9 5 0 0 0 0";
    QTest::newRow("UHF in VHF limits") << 136.0 << 174.0 << "440.5"
                                       << "173.62500" << true << "1 7 3 6 2 5 0 0";
    // Limits that a reply's band bytes above 9 once gave: eight digits do
    // not hold the frequency, and nothing is stored.
    QTest::newRow("1000 MHz stores nothing") << 130.0 << 28305.0 << "1000.0125"
                                             << "1000.01250" << false << "";
    QTest::newRow("above hi from 1000 MHz up stores nothing") << 130.0 << 28305.0 << "30000"
                                                              << "28304.62500" << true << "";
}

void TestOptRules::frequency_check()
{
    QFETCH(double, lo);
    QFETCH(double, hi);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(bool, outOfRange);
    QFETCH(QString, digits);
    const VfoFreqChecked checked = VfoFreq_Check(typed, lo, hi);
    QCOMPARE(checked.text, text);
    QCOMPARE(checked.outOfRange, outOfRange);
    MemoryImage image = FilledImage(kSentinel);
    double l = lo;
    double h = hi;
    QCOMPARE(VfoFreq_Store(TestVfo(l, h), checked.text, image), !digits.isEmpty());
    Bytes expected = Repeated(kSentinel, 8);
    if (!digits.isEmpty()) {
        expected.clear();
        for (const QString& d : digits.split(QLatin1Char(' ')))
            expected << d.toInt();
    }
    QCOMPARE(RowBytes(image, kVfoFreqRowA, 0, 8), expected);
    // The offset and the rest of the record are not touched.
    QCOMPARE(RowBytes(image, kVfoFreqRowA, 8, 8), Repeated(kSentinel, 8));
}

void TestOptRules::frequency_box_shows_the_record_data()
{
    QTest::addColumn<QString>("bytes");  // bytes 0..7 of the record
    QTest::addColumn<QString>("shown");
    QTest::newRow("145.01250") << "01 04 05 00 01 02 05 00"
                               << "145.01250";
    QTest::newRow("outside any band") << "01 08 00 00 00 00 00 00"
                                      << "180.00000";
    QTest::newRow("off the 250 Hz steps") << "01 04 05 00 01 03 07 00"
                                          << "145.01370";
    QTest::newRow("a byte of no digit") << "01 04 05 00 02 05 00 0A"
                                        << "145.0250";
    QTest::newRow("below 100 MHz") << "00 09 09 05 00 00 00 00"
                                   << "099.50000";
    QTest::newRow("erased") << "FF FF FF FF FF FF FF FF"
                            << ".";
}

void TestOptRules::frequency_box_shows_the_record()
{
    QFETCH(QString, bytes);
    QFETCH(QString, shown);
    MemoryImage image = FilledImage(kSentinel);
    const Bytes freq = HexBytes(bytes);
    for (int b = 0; b < kVfoFreqDigits; ++b)
        image(kVfoFreqRowB, b) = static_cast<std::int16_t>(freq[b]);
    QCOMPARE(VfoFreq_Text(VfoB(), image), shown);
    // A box showing it holds no edit, whatever the limits; the same
    // frequency written otherwise is the user's, to be checked and stored.
    QVERIFY(VfoFreq_ShowsStored(VfoB(), shown, image));
    QVERIFY(VfoFreq_ShowsStored(VfoB(), QStringLiteral(" ") + shown, image));
    QVERIFY(!VfoFreq_ShowsStored(VfoB(), shown + QLatin1Char('0'), image));
}

void TestOptRules::frequency_below_10_mhz_is_stored_as_typed()
{
    const VfoFreqChecked checked = VfoFreq_Check(QStringLiteral("5.025"), 1, 150);
    QCOMPARE(checked.text, QStringLiteral("5.02500"));
    MemoryImage image;
    double lo = 1;
    double hi = 150;
    VfoFreq_Store(TestVfo(lo, hi), checked.text, image);
    QCOMPARE(RowBytes(image, kVfoFreqRowA, 0, 8), (Bytes{0, 0, 5, 0, 2, 5, 0, 0}));
}

void TestOptRules::band_choice_text_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");
    QTest::newRow("inside") << "145.01250"
                            << "145.01250";
    QTest::newRow("whole MHz at the top") << "150.00000"
                                          << "140.02500";
    QTest::newRow("just below the top") << "149.99750"
                                        << "149.99750";
    QTest::newRow("below") << "139.99750"
                           << "140.02500";
    QTest::newRow("only a point") << "."
                                  << "140.02500";
}

void TestOptRules::band_choice_text()
{
    QFETCH(QString, text);
    QFETCH(QString, kept);
    QCOMPARE(VfoBand_FreqText(text, {140, 150}), kept);
}

void TestOptRules::range_text_shows_the_limits()
{
    QCOMPARE(VfoRangeText({140, 150}), QStringLiteral("140 - 150.9950"));
    QCOMPARE(VfoRangeText({440, 450}), QStringLiteral("440 - 450.9950"));
}

void TestOptRules::offset_items()
{
    const QStringList items = VfoOffsetItems();
    QCOMPARE(items.size(), 2000);
    QCOMPARE(items.at(0), QStringLiteral("00.000MHZ"));
    QCOMPARE(items.at(1), QStringLiteral("00.050MHZ"));
    QCOMPARE(items.at(213), QStringLiteral("10.650MHZ"));
    QCOMPARE(items.at(1999), QStringLiteral("99.950MHZ"));
    MemoryImage image = FilledImage(kSentinel);
    double lo = 0;
    double hi = 0;
    VfoOffset_Store(TestVfo(lo, hi), items.at(1), image);
    QCOMPARE(RowBytes(image, kVfoFreqRowA, 8, 6), (Bytes{0, 0, 0, 0, 5, 0}));
    VfoOffset_Store(TestVfo(lo, hi), items.at(1999), image);
    QCOMPARE(RowBytes(image, kVfoFreqRowA, 8, 6), (Bytes{0, 9, 9, 9, 5, 0}));
    QCOMPARE(RowBytes(image, kVfoFreqRowA, 0, 8), Repeated(kSentinel, 8));
    QCOMPARE(RowBytes(image, kVfoFreqRowA, 14, 2), Repeated(kSentinel, 2));
}

void TestOptRules::offset_display_data()
{
    QTest::addColumn<Bytes>("bytes");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << Repeated(0, 6) << 0 << "";
    QTest::newRow("10.650") << Bytes{0, 1, 0, 6, 5, 0} << 213 << "";
    QTest::newRow("99.950, the last") << Bytes{0, 9, 9, 9, 5, 0} << 1999 << "";
    QTest::newRow("10.655 off the 50 kHz steps") << Bytes{0, 1, 0, 6, 5, 5} << kNoItem << "10.655MHZ";
    QTest::newRow("137 kHz") << Bytes{0, 0, 0, 1, 3, 7} << kNoItem << "00.137MHZ";
    QTest::newRow("100 MHz, past the list") << Bytes{1, 0, 0, 0, 0, 0} << kNoItem << "100.000MHZ";
    QTest::newRow("all 0xFF") << Repeated(0xFF, 6) << kNoItem << "";
    QTest::newRow("a byte of 10") << Bytes{0, 0, 10, 0, 0, 0} << kNoItem << "";
}

void TestOptRules::offset_display()
{
    QFETCH(Bytes, bytes);
    QFETCH(int, item);
    QFETCH(QString, text);
    MemoryImage image;
    for (int i = 0; i < 6; ++i)
        image(kVfoFreqRowA, 8 + i) = static_cast<std::int16_t>(bytes[i]);
    double lo = 0;
    double hi = 0;
    const VfoShown shown = VfoOffset_Shown(TestVfo(lo, hi), image);
    QCOMPARE(shown.item, item);
    QCOMPARE(shown.text, text);
}

void TestOptRules::tone_store_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("bytes");
    QTest::newRow("88.5") << "88.5"
                          << "75 03";
    QTest::newRow("D023N") << "D023N"
                           << "01 00";
    QTest::newRow("D754I") << "D754I"
                           << "D2 00";
    QTest::newRow("OFF") << "OFF"
                         << "00 00";
}

void TestOptRules::tone_store()
{
    QFETCH(QString, item);
    QFETCH(QString, bytes);
    const int index = static_cast<int>(VfoToneItems().indexOf(item));
    QVERIFY(index >= 0);
    MemoryImage image = FilledImage(kSentinel);
    double lo = 0;
    double hi = 0;
    VfoTone_Store(TestVfo(lo, hi), kVfoTxToneByte, index, image);
    QCOMPARE(RowBytes(image, kVfoParamRowA, 2, 2), HexBytes(bytes));
    QCOMPARE(RowBytes(image, kVfoParamRowA, 0, 2), Repeated(kSentinel, 2));
}

void TestOptRules::tone_display_data()
{
    QTest::addColumn<QString>("bytes");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("text");
    QTest::newRow("off") << "00 00" << 0 << "";
    QTest::newRow("both 0xFF") << "FF FF" << -1 << "OFF";
    QTest::newRow("low 0xFF") << "FF 00" << -1 << "OFF";
    QTest::newRow("high 0xFF") << "75 FF" << -1 << "OFF";
    QTest::newRow("DCS 1") << "01 00" << 51 << "";
    QTest::newRow("DCS 210") << "D2 00" << 260 << "";
    QTest::newRow("DCS past the list") << "D3 00" << -1 << "";
    QTest::newRow("listed CTCSS as text") << "75 03" << -1 << "88.5";
    QTest::newRow("unlisted CTCSS") << "2A 03" << -1 << "81.0";
    QTest::newRow("whole CTCSS") << "E8 03" << -1 << "100.0";
}

void TestOptRules::tone_display()
{
    QFETCH(QString, bytes);
    QFETCH(int, item);
    QFETCH(QString, text);
    MemoryImage image;
    const Bytes b = HexBytes(bytes);
    image(kVfoParamRowA, 0) = static_cast<std::int16_t>(b[0]);
    image(kVfoParamRowA, 1) = static_cast<std::int16_t>(b[1]);
    double lo = 0;
    double hi = 0;
    const VfoShown shown = VfoTone_Shown(TestVfo(lo, hi), kVfoRxToneByte, image);
    QCOMPARE(shown.item, item);
    QCOMPARE(shown.text, text);
}

void TestOptRules::transfer_parameters()
{
    const TransferParams p = OptTransferParams();
    QCOMPARE(p.readStart, 0x0E00);
    QCOMPARE(p.writeStart, 0x0E00);
    QCOMPARE(p.readBlocks, 8);
    QCOMPARE(p.writeFrames, 32);
    QCOMPARE(p.kept.size(), std::size_t{1});
    QCOMPARE(p.kept.front().firstStoreRow, 2);
    QCOMPARE(p.kept.front().blocks, 5);
    QCOMPARE(p.kept.front().firstImageRow, 224);
    QCOMPARE(p.readRetries, 3);
    QCOMPARE(p.writeRetries, 3);
    QCOMPARE(p.retryDelayMs, 3000);
    QCOMPARE(p.portError, PortErrorVariant::Short);
    QCOMPARE(p.failure, FailureReport::MessageBarLabel);
    LangChinese = -1;
    QCOMPARE(p.readDoneLabel.text(), QStringLiteral("可选参数读出正常 ！"));
    QCOMPARE(p.writeDoneMessage.text.text(), QStringLiteral("向对讲机写入可选参数完毕 ！"));
    QCOMPARE(p.writeDoneLabel.text(), QStringLiteral("可选参数写入完毕 ！"));
}

QTEST_MAIN(TestOptRules)
#include "tst_opt_rules.moc"
