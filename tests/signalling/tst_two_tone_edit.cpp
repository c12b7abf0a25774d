// The two-tone window's typed frequencies without a window: the key filters
// and what an encode cell and a tone box store for a text.

#include "core/language.h"
#include "core/two_tone_defaults.h"
#include "signalling/two_tone_area.h"
#include "signalling/two_tone_edit.h"
#include "support/image_bytes.h"

#include <QtTest>

namespace {
constexpr int kSentinel = 0xA5;
}

class TestTwoToneEdit : public QObject {
    Q_OBJECT
private slots:
    void encode_commit_data();
    void encode_commit();
    void encode_cell_only_clicked_through_stores_nothing();
    void tone_commit_data();
    void tone_commit();
    void tone_box_left_as_it_shows_stores_nothing_data();
    void tone_box_left_as_it_shows_stores_nothing();
    void range_message_in_both_languages();
    void period_word_is_rounded_half_up_not_the_five_tone_count();
    void key_filters();
    void tone_box_takes_no_key_once_it_holds_seven_characters();
};

void TestTwoToneEdit::encode_commit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("message");
    QTest::newRow("2999.5 rounds up to 3000") << "2999.5"
                                              << "B8 0B" << false;
    QTest::newRow("300") << "300"
                         << "2C 01" << false;
    QTest::newRow("1124.5 rounds up") << "1124.5"
                                      << "65 04" << false;
    QTest::newRow("2500.5 rounds up") << "2500.5"
                                      << "C5 09" << false;
    QTest::newRow("3000") << "3000"
                          << "B8 0B" << false;
    QTest::newRow("3000.2 is tested before rounding") << "3000.2"
                                                      << "00 00" << true;
    QTest::newRow("3000.4 too") << "3000.4"
                                << "00 00" << true;
    QTest::newRow("299.99") << "299.99"
                            << "00 00" << true;
    QTest::newRow("a lone point") << "."
                                  << "00 00" << true;
    QTest::newRow("empty") << ""
                           << "00 00" << false;
    QTest::newRow("blanks") << "   "
                            << "00 00" << false;
    QTest::newRow("a long pasted number is no wrapped word") << "99999999999999999999"
                                                             << "00 00" << true;
    QTest::newRow("beyond a double") << QString(400, QLatin1Char('9')) << "00 00" << true;
    QTest::newRow("1500.5.3 reads 1500.5") << "1500.5.3"
                                           << "DD 05" << false;
    // Only a leading run of digits counts: a pasted sign or blank is no
    // number, and a blank ends one.
    QTest::newRow("+1500 is no number") << "+1500"
                                        << "00 00" << true;
    QTest::newRow("a leading blank is no number") << " 1600"
                                                  << "00 00" << true;
    QTest::newRow("1 7 00 reads 1") << "1 7 00"
                                    << "00 00" << true;
}

void TestTwoToneEdit::encode_commit()
{
    QFETCH(QString, text);
    QFETCH(QString, stored);
    QFETCH(bool, message);
    MemoryImage image = FilledImage(kSentinel);
    // Encode entry 7 (row 726), second tone: bytes 8, 9.
    const std::optional<Message> shown = TwoTone_EncodeCommit(7, 2, text, CellEntry::Typed, image);
    QCOMPARE(shown.has_value(), message);
    QCOMPARE(RowBytes(image, 726, 8, 2), HexBytes(stored));
    image(726, 8) = kSentinel;
    image(726, 9) = kSentinel;
    QVERIFY(image == FilledImage(kSentinel));
}

void TestTwoToneEdit::encode_cell_only_clicked_through_stores_nothing()
{
    MemoryImage image = FilledImage(kSentinel);
    // Whatever the editor holds: blank, a tone, a text that would be refused.
    for (const QString& text : {QString(), QStringLiteral("1981.0"), QStringLiteral("5")})
        QVERIFY(!TwoTone_EncodeCommit(7, 2, text, CellEntry::ClickedThrough, image));
    QVERIFY(image == FilledImage(kSentinel));
}

void TestTwoToneEdit::tone_commit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");  // bytes 0, 1 then 8, 9 of row 752
    QTest::addColumn<bool>("message");
    QTest::newRow("1124") << "1124"
                          << "64 04 02 08" << false;
    QTest::newRow("299.5 rounds to even 300") << "299.5"
                                              << "2C 01 00 1E" << false;
    QTest::newRow("3000.5 rounds to even 3000") << "3000.5"
                                                << "B8 0B 00 03" << false;
    QTest::newRow("3000.4") << "3000.4"
                            << "B8 0B 00 03" << false;
    QTest::newRow("1124.5 rounds to even 1124") << "1124.5"
                                                << "64 04 02 08" << false;
    QTest::newRow("2500.5 rounds to even 2500") << "2500.5"
                                                << "C4 09 9A 03" << false;
    QTest::newRow("2000") << "2000"
                          << "D0 07 80 04" << false;
    QTest::newRow("2400") << "2400"
                          << "60 09 C0 03" << false;
    QTest::newRow("3001.5 rounds to 3002") << "3001.5"
                                           << "FF FF FF FF" << true;
    QTest::newRow("0") << "0"
                       << "FF FF FF FF" << true;
    QTest::newRow("empty") << ""
                           << "FF FF FF FF" << false;
    QTest::newRow("a long pasted number") << "99999999999999999999"
                                          << "FF FF FF FF" << true;
    QTest::newRow("+1500 is no number") << "+1500"
                                        << "FF FF FF FF" << true;
    QTest::newRow("a leading blank is no number") << " 1600"
                                                  << "FF FF FF FF" << true;
    QTest::newRow("1 7 00 reads 1") << "1 7 00"
                                    << "FF FF FF FF" << true;
}

void TestTwoToneEdit::tone_commit()
{
    QFETCH(QString, text);
    QFETCH(QString, stored);
    QFETCH(bool, message);
    MemoryImage image = FilledImage(kSentinel);
    const std::optional<Message> shown = TwoTone_ToneCommit(0, 0, text, image);
    QCOMPARE(shown.has_value(), message);
    QCOMPARE(RowBytes(image, 752, 0, 2) + RowBytes(image, 752, 8, 2), HexBytes(stored));
    for (int c : {0, 1, 8, 9})
        image(752, c) = kSentinel;
    QVERIFY(image == FilledImage(kSentinel));
}

void TestTwoToneEdit::tone_box_left_as_it_shows_stores_nothing_data()
{
    QTest::addColumn<int>("t");
    QTest::addColumn<QString>("bytes");  // the tone's word, then its period word
    // Words a read or a file may bring: out of range or shown blank.
    QTest::newRow("A of 8000 Hz") << 0 << "40 1F 20 01";
    QTest::newRow("B of 00 00 with a period word, shown blank") << 1 << "00 00 12 34";
    QTest::newRow("C erased with a zero period word, shown blank") << 2 << "FF FF 00 00";
    QTest::newRow("D of 256 Hz") << 3 << "00 01 00 24";
    QTest::newRow("A of 65535 Hz") << 0 << "FF 00 FF FF";
}

void TestTwoToneEdit::tone_box_left_as_it_shows_stores_nothing()
{
    QFETCH(int, t);
    QFETCH(QString, bytes);
    // Decode entry 9: row 760, tone t in bytes 2t, 2t + 1, 8 + 2t, 9 + 2t.
    MemoryImage image = FilledImage(kSentinel);
    const Bytes tone = HexBytes(bytes);
    const std::array<int, 4> at{2 * t, 2 * t + 1, 8 + 2 * t, 9 + 2 * t};
    for (std::size_t i = 0; i < at.size(); ++i)
        image(760, at[i]) = static_cast<std::int16_t>(tone[static_cast<qsizetype>(i)]);
    const MemoryImage held = image;
    const QString shown = TwoToneSetText(8, t, image);
    for (const QString& text : {shown, QStringLiteral(" ") + shown + QStringLiteral(" ")}) {
        QVERIFY(!TwoTone_ToneCommit(8, t, text, image));
        QVERIFY(image == held);
    }
    // The same value written otherwise ("8000" for "8000.0") is the user's:
    // it is checked, refused and erased.
    if (!shown.isEmpty()) {
        QVERIFY(TwoTone_ToneCommit(8, t, shown.chopped(2), image));
        QCOMPARE(RowBytes(image, 760, 2 * t, 2) + RowBytes(image, 760, 8 + 2 * t, 2), HexBytes("FF FF FF FF"));
    }
}

void TestTwoToneEdit::range_message_in_both_languages()
{
    MemoryImage image;
    const std::optional<Message> shown = TwoTone_ToneCommit(14, 3, QStringLiteral("5"), image);
    QVERIFY(shown.has_value());
    QCOMPARE(shown->text.eng, QStringLiteral("Frequency range 300Hz to 3000Hz"));
    QCOMPARE(shown->title.eng, QStringLiteral("Operate Prompt\""));
    QCOMPARE(shown->title.eng.size(), 15);
    QCOMPARE(shown->text.chn, QStringLiteral("频率范围在 300.0 HZ - 3000.0 HZ 之间  ！"));
    QCOMPARE(shown->title.chn, QStringLiteral("操作提示"));
    QCOMPARE(shown->icon, MessageIcon::Exclamation);
    // Tone D of decode entry 15: row 766 bytes 6, 7, 14, 15.
    QCOMPARE(RowBytes(image, 766, 6, 2) + RowBytes(image, 766, 14, 2), HexBytes("FF FF FF FF"));
    QCOMPARE(TwoTone_EncodeCommit(1, 1, QStringLiteral("5"), CellEntry::Typed, image)->text, shown->text);
}

void TestTwoToneEdit::period_word_is_rounded_half_up_not_the_five_tone_count()
{
    // Int(1000 / f / TickUnit + 0.5): neither ceil(2304000 / f) - 1 nor a
    // truncation, which give 1151 for 2000 Hz and 959 for 2400 Hz.
    QCOMPARE(TwoTonePeriod(2000), 1152);
    QCOMPARE(TwoTonePeriod(2400), 960);
    QCOMPARE(TwoTonePeriod(300), 7680);
    QCOMPARE(TwoTonePeriod(3000), 768);
}

void TestTwoToneEdit::key_filters()
{
    for (int key = 1; key < 128; ++key) {
        const bool passes = (key >= '0' && key <= '9') || key == '.' || key == 13;
        QCOMPARE(TwoToneEncodeKey(key), passes ? key : 0);
        QCOMPARE(TwoToneToneKey(key, QStringLiteral("12")), passes ? key : 0);
    }
    QCOMPARE(TwoToneEncodeKey(8), 0);  // Backspace
    // The encode editor has no length limit.
    QCOMPARE(TwoToneEncodeKey('5'), int('5'));
}

void TestTwoToneEdit::tone_box_takes_no_key_once_it_holds_seven_characters()
{
    QCOMPARE(TwoToneToneKey('5', QStringLiteral("123456")), int('5'));
    for (int key : {int('5'), 13, 8})
        QCOMPARE(TwoToneToneKey(key, QStringLiteral("1234.56")), 0);
    // Blanks around the text do not count.
    QCOMPARE(TwoToneToneKey('5', QStringLiteral("  123456  ")), int('5'));
}

QTEST_APPLESS_MAIN(TestTwoToneEdit)
#include "tst_two_tone_edit.moc"
