// The FM preset page without a window: the display of a preset, the commits
// of the grid's two typed columns and the encoding of a row left without an
// edit, on an image and a table of cells of the test's own.

#include "channels/fm_page.h"
#include "core/fm_defaults.h"
#include "support/cell_table.h"
#include "support/image_rows.h"

#include <QtTest>

namespace {

constexpr int kRow = 5;  // preset 5, image row 772
constexpr const char* kRock = "00 09 09 05 00 00 00 00 FF FF 52 4F 43 4B FF FF";
constexpr const char* kEmpty = "00 00 00 00 00 00 00 00 FF FF FF FF FF FF FF FF";
constexpr const char* kErasedPreset = "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF";
// Preset 1 as the defaults write it: the name from byte 8.
constexpr const char* kDefaultMbnew = "00 08 08 09 00 00 00 00 4D 42 4E 45 57 FF FF FF";

const QString kRangeMessage = QStringLiteral("Over the range of receive frequency .");
const QString kNameMessage = QStringLiteral("The letter of channel name max 6 bit . ");

FmDigits Digits(std::initializer_list<int> d)
{
    FmDigits digits{};
    std::copy(d.begin(), d.end(), digits.begin());
    return digits;
}

}  // namespace

class TestFmPage : public QObject {
    Q_OBJECT
private slots:
    void init();

    void frequency_text_data();
    void frequency_text();
    void whole_number_of_one_digit_shows_with_its_point();
    void show_touches_only_the_preset_cells();
    void row_shows_its_name_without_blanks_and_fillers();

    void frequency_commit_data();
    void frequency_commit();
    void frequency_commit_moves_a_default_name_to_its_place();
    void frequency_typed_into_an_empty_row_starts_a_nameless_preset();

    void name_commit_data();
    void name_commit();
    void name_in_a_row_without_frequency_is_dropped();
    void name_on_an_erased_preset_keeps_its_frequency_bytes();

    void save_row_data();
    void save_row();

    void leave_without_edit_data();
    void leave_without_edit();

private:
    // Row kRow holds hexBytes and the cells show it.
    void preset(const char* hexBytes);
    QStringList shown() const { return {cells_.cell(kRow, FmCol::Freq), cells_.cell(kRow, FmCol::Name)}; }

    MemoryImage image_;
    CellTable cells_{kFmGridRows, kFmGridCols};
};

void TestFmPage::init()
{
    image_ = MemoryImage();
    cells_ = CellTable(kFmGridRows, kFmGridCols);
}

void TestFmPage::preset(const char* hexBytes)
{
    SetRow(image_, FmPresetImageRow(kRow), hexBytes);
    FM_Show_Row(cells_, kRow, image_);
}

void TestFmPage::frequency_text_data()
{
    QTest::addColumn<FmDigits>("digits");
    QTest::addColumn<QString>("text");
    QTest::newRow("88.9") << Digits({0, 8, 8, 9, 0, 0, 0, 0}) << "88.90000";
    QTest::newRow("108") << Digits({1, 0, 8, 0, 0, 0, 0, 0}) << "108.00000";
    QTest::newRow("90") << Digits({0, 9, 0, 0, 0, 0, 0, 0}) << "90.00000";
    QTest::newRow("87.55555") << Digits({0, 8, 7, 5, 5, 5, 5, 5}) << "87.55555";
    QTest::newRow("erased: 11 characters, nothing appended")
        << Digits({255, 255, 255, 255, 255, 255, 255, 255}) << "28333.33305";
    QTest::newRow("a digit byte above 9 counts as it stands") << Digits({0, 9, 12, 0, 0, 0, 0, 0}) << "102.00000";
    QTest::newRow("10 Hz") << Digits({0, 9, 8, 3, 0, 0, 0, 1}) << "98.30001";
}

void TestFmPage::frequency_text()
{
    QFETCH(FmDigits, digits);
    QFETCH(QString, text);
    QCOMPARE(Cov_Freq(digits), text);
}

void TestFmPage::whole_number_of_one_digit_shows_with_its_point()
{
    // Every whole number gets its point, of one digit or four: 5 MHz shows
    // "5.000000", never "50000000".
    QCOMPARE(Cov_Freq(Digits({0, 0, 5, 0, 0, 0, 0, 0})), QStringLiteral("5.000000"));
    QCOMPARE(Cov_Freq(Digits({10, 0, 0, 0, 0, 0, 0, 0})), QStringLiteral("1000.0000"));
}

void TestFmPage::show_touches_only_the_preset_cells()
{
    FM_Defaults(image_);
    const MemoryImage before = image_;
    for (int r = 0; r < kFmGridRows; ++r)
        cells_.fillRow(r, QStringLiteral("x"));
    FM_Show(cells_, image_);
    QVERIFY(image_ == before);
    QCOMPARE(cells_.row(0), QStringList(kFmGridCols, QStringLiteral("x")));
    QCOMPARE(cells_.row(kFmGridRows - 1), QStringList(kFmGridCols, QStringLiteral("x")));
    for (int r = 1; r <= kFmPresets; ++r)
        QCOMPARE(cells_.cell(r, FmCol::Number), QStringLiteral("x"));
    QCOMPARE(cells_.row(1), (QStringList{"x", "88.90000", "MBNEW"}));
    QCOMPARE(cells_.row(3), (QStringList{"x", "", ""}));
    QCOMPARE(cells_.row(16), (QStringList{"x", "105.90000", "CCTV9"}));
}

void TestFmPage::row_shows_its_name_without_blanks_and_fillers()
{
    preset("00 09 09 05 00 00 00 00 20 52 FF 4F 20 43 4B FF");
    QCOMPARE(shown(), (QStringList{"99.50000", "ROCK"}));
    // Bytes 0..2 zero: empty, whatever the others hold.
    preset("00 00 00 05 05 05 05 05 52 4F 43 4B FF FF FF FF");
    QCOMPARE(shown(), (QStringList{"", ""}));
    preset(kErasedPreset);
    QCOMPARE(shown(), (QStringList{"28333.33305", ""}));
}

void TestFmPage::frequency_commit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("bytes");
    QTest::addColumn<bool>("rejected");
    const QString rockName = QStringLiteral(" FF FF 52 4F 43 4B FF FF");
    auto row = [&](const char* name, const char* typed, const char* cell, const char* digits, bool rejected = false) {
        QTest::newRow(name) << typed << cell << QLatin1String(digits) + rockName << rejected;
    };
    row("87 is accepted", "87", "87.00000", "00 08 07 00 00 00 00 00");
    row("108 is accepted", "108", "108.00000", "01 00 08 00 00 00 00 00");
    row("86.99999 is rejected", "86.99999", "87.00000", "00 08 07 00 00 00 00 00", true);
    row("108.00001 is rejected", "108.00001", "87.00000", "00 08 07 00 00 00 00 00", true);
    row("a text that is no number is rejected", "abc", "87.00000", "00 08 07 00 00 00 00 00", true);
    // Below 87 by its digits, although a double reads it as 87: rejected, and
    // 86.99999 MHz is not stored.
    row("86.99999999999999999 is below 87", "86.99999999999999999", "87.00000", "00 08 07 00 00 00 00 00", true);
    row("88.9", "88.9", "88.90000", "00 08 08 09 00 00 00 00");
    row("88", "88", "88.00000", "00 08 08 00 00 00 00 00");
    row("100", "100", "100.00000", "01 00 00 00 00 00 00 00");
    row("107.95", "107.95", "107.95000", "01 00 07 09 05 00 00 00");
    row("107.999999 is cut, not rounded to 108", "107.999999", "107.99999", "01 00 07 09 09 09 09 09");
    row("99.5 has a hundreds digit of 0", "99.5", "99.50000", "00 09 09 05 00 00 00 00");
    // The cell shows what the preset holds: five decimals, not a sixth.
    row("a sixth decimal is not shown", "88.123456", "88.12345", "00 08 08 01 02 03 04 05");
    // Digits from the value, not from fixed character positions (which
    // would give 8.05, 9.05, 98.05 and 80.09 MHz).
    row("087.5 is 87.5 MHz, not 8.05", "087.5", "87.50000", "00 08 07 05 00 00 00 00");
    row("+98.5 is 98.5 MHz, not 9.05", "+98.5", "98.50000", "00 09 08 05 00 00 00 00");
    row("98..5 is 98 MHz, not 98.05", "98..5", "98.00000", "00 09 08 00 00 00 00 00");
    row("8 8.9 is 88.9 MHz, not 80.09", "8 8.9", "88.90000", "00 08 08 09 00 00 00 00");
    row("1 00", "1 00", "100.00000", "01 00 00 00 00 00 00 00");
    // The character after the whole MHz is the point, whatever it is: a
    // comma too, so the cell shows the fraction the preset holds.
    row("98,5", "98,5", "98.50000", "00 09 08 05 00 00 00 00");
    row("101,7", "101,7", "101.70000", "01 00 01 07 00 00 00 00");
    row("98-5", "98-5", "98.50000", "00 09 08 05 00 00 00 00");
    row("98/5", "98/5", "98.50000", "00 09 08 05 00 00 00 00");
    row("98,5 with five decimals", "98,12345", "98.12345", "00 09 08 01 02 03 04 05");
    row("the fraction ends at another character", "98,5x3", "98.50000", "00 09 08 05 00 00 00 00");
    row("108,5 is above 108", "108,5", "87.00000", "00 08 07 00 00 00 00 00", true);
    row("86,9 is below 87", "86,9", "87.00000", "00 08 07 00 00 00 00 00", true);
    row("a minus sign is below 87", "-98.5", "87.00000", "00 08 07 00 00 00 00 00", true);
}

void TestFmPage::frequency_commit()
{
    QFETCH(QString, typed);
    QFETCH(QString, cell);
    QFETCH(QString, bytes);
    QFETCH(bool, rejected);
    preset(kRock);
    const std::optional<Message> message = FM_FreqCommit(cells_, kRow, typed, kFmFreqMin, kFmFreqMax, image_);
    QCOMPARE(message.has_value(), rejected);
    if (message) {
        QCOMPARE(message->text.eng, kRangeMessage);
        QCOMPARE(message->title.eng, QStringLiteral("Operate prompt"));
    }
    QCOMPARE(RowHex(image_, FmPresetImageRow(kRow)), bytes.toLatin1());
    QCOMPARE(shown(), (QStringList{cell, "ROCK"}));
    // What the image's digits show.
    FmDigits stored{};
    for (int k = 0; k < 8; ++k)
        stored[static_cast<std::size_t>(k)] = image_(FmPresetImageRow(kRow), k);
    QCOMPARE(cell, Cov_Freq(stored));
}

void TestFmPage::frequency_commit_moves_a_default_name_to_its_place()
{
    preset(kDefaultMbnew);
    QVERIFY(!FM_FreqCommit(cells_, kRow, QStringLiteral("98.3"), kFmFreqMin, kFmFreqMax, image_));
    QCOMPARE(RowHex(image_, FmPresetImageRow(kRow)), QByteArray("00 09 08 03 00 00 00 00 FF 4D 42 4E 45 57 FF FF"));
    // A name the table cannot place keeps its bytes: it is not cut.
    preset("00 09 00 00 00 00 00 00 41 42 43 44 45 46 47 48");
    QVERIFY(!FM_FreqCommit(cells_, kRow, QStringLiteral("98.3"), kFmFreqMin, kFmFreqMax, image_));
    QCOMPARE(RowHex(image_, FmPresetImageRow(kRow)), QByteArray("00 09 08 03 00 00 00 00 41 42 43 44 45 46 47 48"));
    QCOMPARE(shown(), (QStringList{"98.30000", "ABCDEFGH"}));
}

void TestFmPage::frequency_typed_into_an_empty_row_starts_a_nameless_preset()
{
    // Cleared: every byte zero, so its name bytes too.
    preset("00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
    QVERIFY(!FM_FreqCommit(cells_, kRow, QStringLiteral("90"), kFmFreqMin, kFmFreqMax, image_));
    QCOMPARE(RowHex(image_, FmPresetImageRow(kRow)), QByteArray("00 09 00 00 00 00 00 00 FF FF FF FF FF FF FF FF"));
    QCOMPARE(shown(), (QStringList{"90.00000", ""}));
    // A blank frequency deletes it again.
    QVERIFY(!FM_FreqCommit(cells_, kRow, QStringLiteral("  "), kFmFreqMin, kFmFreqMax, image_));
    QCOMPARE(RowHex(image_, FmPresetImageRow(kRow)), QByteArray(kEmpty));
    QCOMPARE(shown(), (QStringList{"", ""}));
}

void TestFmPage::name_commit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("nameBytes");  // bytes 8..15
    QTest::addColumn<bool>("tooLong");
    QTest::newRow("1 at byte 11") << "a"
                                  << "A"
                                  << "FF FF FF 41 FF FF FF FF" << false;
    QTest::newRow("2 at 11..12") << "ab"
                                 << "AB"
                                 << "FF FF FF 41 42 FF FF FF" << false;
    QTest::newRow("3 at 10..12") << "abc"
                                 << "ABC"
                                 << "FF FF 41 42 43 FF FF FF" << false;
    QTest::newRow("4 at 10..13") << "rock"
                                 << "ROCK"
                                 << "FF FF 52 4F 43 4B FF FF" << false;
    QTest::newRow("5 at 9..13") << "abcde"
                                << "ABCDE"
                                << "FF 41 42 43 44 45 FF FF" << false;
    QTest::newRow("6 at 8..13") << "abcdef"
                                << "ABCDEF"
                                << "41 42 43 44 45 46 FF FF" << false;
    QTest::newRow("7 give the message and the first 6") << "abcdefg"
                                                        << "ABCDEF"
                                                        << "41 42 43 44 45 46 FF FF" << true;
    QTest::newRow("outer blanks do not count") << "  rock  "
                                               << "ROCK"
                                               << "FF FF 52 4F 43 4B FF FF" << false;
    QTest::newRow("an inner blank is stored, not shown") << "ab cd"
                                                         << "ABCD"
                                                         << "FF 41 42 20 43 44 FF FF" << false;
    // "ß" and "ÿ" have no single Latin-1 capital; "ÿ" is 0xFF, which no name shows.
    QTest::newRow("Latin-1 capitals only")
        << QStringLiteral("éßÿ") << QStringLiteral("Éß") << "FF FF C9 DF FF FF FF FF" << false;
    QTest::newRow("no single-byte code is 0xFF") << QStringLiteral("Ω1") << "1"
                                                 << "FF FF FF FF 31 FF FF FF" << false;
    QTest::newRow("an empty name") << ""
                                   << ""
                                   << "FF FF FF FF FF FF FF FF" << false;
}

void TestFmPage::name_commit()
{
    QFETCH(QString, typed);
    QFETCH(QString, cell);
    QFETCH(QString, nameBytes);
    QFETCH(bool, tooLong);
    preset(kRock);
    const std::optional<Message> message = FM_NameCommit(cells_, kRow, typed, image_);
    QCOMPARE(message.has_value(), tooLong);
    if (message) {
        QCOMPARE(message->text.eng, kNameMessage);
        QCOMPARE(message->title.eng, QStringLiteral("Operate Prompt"));
    }
    QCOMPARE(RowHex(image_, FmPresetImageRow(kRow)), "00 09 09 05 00 00 00 00 " + nameBytes.toLatin1());
    QCOMPARE(shown(), (QStringList{"99.50000", cell}));
}

void TestFmPage::name_in_a_row_without_frequency_is_dropped()
{
    preset("00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
    QVERIFY(!FM_NameCommit(cells_, kRow, QStringLiteral("rock"), image_));
    QCOMPARE(RowHex(image_, FmPresetImageRow(kRow)), QByteArray(kEmpty));
    QCOMPARE(shown(), (QStringList{"", ""}));
}

void TestFmPage::name_on_an_erased_preset_keeps_its_frequency_bytes()
{
    // "28333.33305" has no eight digits: the frequency stays as it stands.
    preset(kErasedPreset);
    QVERIFY(!FM_NameCommit(cells_, kRow, QStringLiteral("rock"), image_));
    QCOMPARE(RowHex(image_, FmPresetImageRow(kRow)), QByteArray("FF FF FF FF FF FF FF FF FF FF 52 4F 43 4B FF FF"));
    QCOMPARE(shown(), (QStringList{"28333.33305", "ROCK"}));
}

void TestFmPage::save_row_data()
{
    QTest::addColumn<QString>("freq");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("bytes");
    QTest::newRow("99.50000 and ROCK") << "99.50000"
                                       << "ROCK" << kRock;
    QTest::newRow("no frequency, whatever the name") << " "
                                                     << "ROCK" << kEmpty;
    QTest::newRow("a longer name: its first 6") << "100.7"
                                                << " DNZS3XY "
                                                << "01 00 00 07 00 00 00 00 44 4E 5A 53 33 58 FF FF";
}

void TestFmPage::save_row()
{
    QFETCH(QString, freq);
    QFETCH(QString, name);
    QFETCH(QString, bytes);
    SetRow(image_, FmPresetImageRow(kRow), kDefaultMbnew);
    QVERIFY(FM_Save_Row(kRow, freq, name, image_));
    QCOMPARE(RowHex(image_, FmPresetImageRow(kRow)), bytes.toLatin1());
    // Beyond eight digits nothing is stored.
    QVERIFY(!FM_Save_Row(kRow, QStringLiteral("1000"), name, image_));
    QCOMPARE(RowHex(image_, FmPresetImageRow(kRow)), bytes.toLatin1());
}

void TestFmPage::leave_without_edit_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("a default name moves to its place")
        << kDefaultMbnew << "00 08 08 09 00 00 00 00 FF 4D 42 4E 45 57 FF FF";
    QTest::newRow("a placed preset stays") << kRock << kRock;
    QTest::newRow("an erased preset keeps its bytes") << kErasedPreset << kErasedPreset;
    QTest::newRow("a name of 8 characters is not cut") << "00 09 00 00 00 00 00 00 41 42 43 44 45 46 47 48"
                                                       << "00 09 00 00 00 00 00 00 41 42 43 44 45 46 47 48";
    QTest::newRow("an inner blank stays") << "00 09 00 00 00 00 00 00 FF 41 42 20 43 44 FF FF"
                                          << "00 09 00 00 00 00 00 00 FF 41 42 20 43 44 FF FF";
    QTest::newRow("a cleared preset is encoded empty") << "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00" << kEmpty;
    // Digit bytes above 9 count as they stand (500 + 190 + 64 MHz) and are
    // stored again as the digits of what the row shows, the name in place.
    QTest::newRow("digit bytes above 9 become proper digits") << "05 13 40 00 00 00 00 00 52 4F 43 4B FF FF FF FF"
                                                              << "07 05 04 00 00 00 00 00 FF FF 52 4F 43 4B FF FF";
    QTest::newRow("a 10 Hz byte above 9 carries") << "00 09 08 05 00 00 00 0C FF FF 52 4F 43 4B FF FF"
                                                  << "00 09 08 05 00 00 01 02 FF FF 52 4F 43 4B FF FF";
    // Eight digits cannot hold 1000 MHz: the row keeps its bytes.
    QTest::newRow("digit bytes worth 1000 MHz stay") << "09 09 0A 00 00 00 00 00 52 4F 43 4B FF FF FF FF"
                                                     << "09 09 0A 00 00 00 00 00 52 4F 43 4B FF FF FF FF";
    QTest::newRow("5 MHz stays") << "00 00 05 00 00 00 00 00 FF FF FF FF FF FF FF FF"
                                 << "00 00 05 00 00 00 00 00 FF FF FF FF FF FF FF FF";
}

void TestFmPage::leave_without_edit()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    preset(before.toLatin1().constData());
    const QStringList shownBefore = shown();
    FM_Recode_Row(kRow, image_);
    QCOMPARE(RowHex(image_, FmPresetImageRow(kRow)), after.toLatin1());
    FM_Show_Row(cells_, kRow, image_);
    QCOMPARE(shown(), shownBefore);
    // Only its own preset.
    for (int r = 1; r <= kFmPresets; ++r) {
        if (r != kRow)
            QVERIFY(RowHex(image_, FmPresetImageRow(r)) == RowHex(MemoryImage(), FmPresetImageRow(r)));
    }
}

QTEST_APPLESS_MAIN(TestFmPage)
#include "tst_fm_page.moc"
