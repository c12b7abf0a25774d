// The five-tone settings without a window: what a painting shows of every
// byte, the lists' items, the stores of the edits, and the encode grid's
// editing rules.

#include "core/five_tone_defaults.h"
#include "signalling/five_tone_area.h"
#include "signalling/five_tone_edit.h"
#include "support/image_bytes.h"

#include <QtTest>

namespace {

// An image after the defaults.
MemoryImage DefaultImage()
{
    MemoryImage image;
    FiveTone_Defaults(image);
    return image;
}

}  // namespace

Q_DECLARE_METATYPE(FiveToneEncEditor)
Q_DECLARE_METATYPE(FiveToneFrameLeave)

class TestFiveToneArea : public QObject {
    Q_OBJECT
private slots:
    void hex_digit_characters_data();
    void hex_digit_characters();
    void painting_of_the_defaults();
    void painting_shows_every_byte_data();
    void painting_shows_every_byte();
    void option_bytes_outside_their_lists_select_nothing_data();
    void option_bytes_outside_their_lists_select_nothing();
    void decode_masks_tick_bits_0_to_2_only();
    void list_items();

    void frame_store_data();
    void frame_store();
    void frame_boxes_change_their_own_bit_data();
    void frame_boxes_change_their_own_bit();
    void choices_store_their_index_into_their_byte();
    void stores_outside_the_records_change_nothing();

    void which_editor_a_cell_opens_data();
    void which_editor_a_cell_opens();
    void digit_key_filter_data();
    void digit_key_filter();
    void leaving_a_frame_data();
    void leaving_a_frame();
    void digit_count_message_in_both_languages();
};

void TestFiveToneArea::hex_digit_characters_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "0";
    QTest::newRow("9") << 9 << "9";
    QTest::newRow("10") << 10 << "A";
    QTest::newRow("15") << 15 << "F";
    QTest::newRow("16: a blank") << 16 << " ";
    QTest::newRow("0xFF: a blank") << 0xFF << " ";
    QTest::newRow("negative: empty") << -1 << "";
}

void TestFiveToneArea::hex_digit_characters()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(HexValToChar(value), text);
}

void TestFiveToneArea::painting_of_the_defaults()
{
    const FiveTonePainting p = FiveTone_Paint(DefaultImage());
    const QStringList periods{"100", "70", "70", "70",  "70", "70", "70", "70",
                              "70",  "40", "30", "100", "70", "70", "40"};
    for (int r = 1; r <= 15; ++r) {
        QCOMPARE(p.stdCell(r, 1), periods.at(r - 1));
        QCOMPARE(p.stdCell(r, 2), QStringLiteral("A"));
        QCOMPARE(p.stdCell(r, 3), QStringLiteral("E"));
    }
    QCOMPARE(p.encCells[0], (std::array<QString, 4>{"12345", "34567", "56789", "CCIR1"}));
    for (int r = 2; r <= 14; ++r)
        QCOMPARE(p.encCells[r - 1], (std::array<QString, 4>{"     ", "     ", "     ", ""}));
    QCOMPARE(p.encCells[14], (std::array<QString, 4>{"23456", "45678", "67890", "MODAT"}));
    QCOMPARE(p.delays, (std::array<int, 4>{20, 20, 20, 0}));
    QCOMPARE(p.decodeStd, 0);
    QCOMPARE(p.resetTime, 59);
    QCOMPARE(p.callFrames, (std::array<bool, 3>{true, false, false}));
    QCOMPARE(p.dispFrames, (std::array<bool, 3>{false, true, true}));
}

void TestFiveToneArea::painting_shows_every_byte_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("cellRow");
    QTest::addColumn<int>("cellCol");
    QTest::addColumn<bool>("encode");
    QTest::addColumn<QString>("text");
    // No range test on a period: any byte shows its computed number.
    QTest::newRow("period 18") << 579 << 0 << 18 << 4 << 1 << false << "200";
    QTest::newRow("period 0") << 579 << 0 << 0 << 4 << 1 << false << "20";
    QTest::newRow("period 0xFF") << 579 << 0 << 0xFF << 4 << 1 << false << "2570";
    QTest::newRow("group tone 10") << 576 << 1 << 10 << 1 << 2 << false << "A";
    QTest::newRow("repeat tone 15") << 590 << 2 << 15 << 15 << 3 << false << "F";
    QTest::newRow("repeat tone 16") << 590 << 2 << 16 << 15 << 3 << false << " ";
    QTest::newRow("group tone 0xFF") << 576 << 1 << 0xFF << 1 << 2 << false << " ";
    QTest::newRow("standard 14") << 593 << 15 << 14 << 2 << 4 << true << "MODAT";
    QTest::newRow("standard 15") << 592 << 15 << 15 << 1 << 4 << true << "";
    QTest::newRow("digit 16 inside a frame") << 592 << 6 << 16 << 1 << 2 << true << "3 567";
    QTest::newRow("a digit of frame 3") << 606 << 14 << 10 << 15 << 3 << true << "6789A";
}

void TestFiveToneArea::painting_shows_every_byte()
{
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, value);
    QFETCH(int, cellRow);
    QFETCH(int, cellCol);
    QFETCH(bool, encode);
    QFETCH(QString, text);
    MemoryImage image = DefaultImage();
    image(row, col) = static_cast<std::int16_t>(value);
    const FiveTonePainting p = FiveTone_Paint(image);
    QCOMPARE(encode ? p.encCell(cellRow, cellCol) : p.stdCell(cellRow, cellCol), text);
}

void TestFiveToneArea::option_bytes_outside_their_lists_select_nothing_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("item");
    QTest::newRow("delay 1 at 1000 ms") << 0 << 100 << 100;
    QTest::newRow("delay 2 above 1000 ms") << 1 << 101 << -1;
    QTest::newRow("first digit extension 0xFF") << 3 << 0xFF << -1;
    QTest::newRow("decode standard MODAT") << 8 << 14 << 14;
    QTest::newRow("decode standard 15") << 8 << 15 << -1;
    QTest::newRow("reset time 8000 ms") << 11 << 79 << 79;
    QTest::newRow("reset time 80") << 11 << 80 << -1;
}

void TestFiveToneArea::option_bytes_outside_their_lists_select_nothing()
{
    QFETCH(int, byte);
    QFETCH(int, value);
    QFETCH(int, item);
    MemoryImage image = DefaultImage();
    image(607, byte) = static_cast<std::int16_t>(value);
    const FiveTonePainting p = FiveTone_Paint(image);
    const int shown = byte == 8 ? p.decodeStd : byte == 11 ? p.resetTime : p.delays[byte];
    QCOMPARE(shown, item);
}

void TestFiveToneArea::decode_masks_tick_bits_0_to_2_only()
{
    MemoryImage image = DefaultImage();
    image(607, 9) = 0xFD;
    image(607, 10) = 0xF8;
    const FiveTonePainting p = FiveTone_Paint(image);
    QCOMPARE(p.callFrames, (std::array<bool, 3>{true, false, true}));
    QCOMPARE(p.dispFrames, (std::array<bool, 3>{false, false, false}));
}

void TestFiveToneArea::list_items()
{
    const QStringList periods = FiveTonePeriodItems();
    QCOMPARE(periods.size(), 19);
    QCOMPARE(periods.first(), QStringLiteral("20"));
    QCOMPARE(periods.at(5), QStringLiteral("70"));
    QCOMPARE(periods.last(), QStringLiteral("200"));
    QCOMPARE(FiveToneDigitItems(),
             QStringList({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "A", "B", "C", "D", "E", "F"}));
    const QStringList delays = FiveToneDelayItems();
    QCOMPARE(delays.size(), 101);
    QCOMPARE(delays.at(1), QStringLiteral("10"));
    QCOMPARE(delays.last(), QStringLiteral("1000"));
    const QStringList resets = FiveToneResetItems();
    QCOMPARE(resets.size(), 80);
    QCOMPARE(resets.first(), QStringLiteral("100"));
    QCOMPARE(resets.last(), QStringLiteral("8000"));
    const QStringList names = FiveToneStdNames();
    QCOMPARE(names.size(), 15);
    QCOMPARE(names.first(), QStringLiteral("CCIR1"));
    QCOMPARE(names.last(), QStringLiteral("MODAT"));
    QCOMPARE(FiveToneStdColumnItems(1), periods);
    QCOMPARE(FiveToneStdColumnItems(3), FiveToneDigitItems());
    QCOMPARE(FiveToneStdColumnItems(0), QStringList());
}

void TestFiveToneArea::frame_store_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("frame");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("row");
    // Code 3 (row 594) starts as 10 11 .. 1F: only the frame's five bytes change.
    QTest::newRow("two digits, left-aligned") << 3 << 1 << "12"
                                              << "01 02 FF FF FF 15 16 17 18 19 1A 1B 1C 1D 1E 1F";
    QTest::newRow("small letters") << 3 << 1 << "abcde"
                                   << "0A 0B 0C 0D 0E 15 16 17 18 19 1A 1B 1C 1D 1E 1F";
    QTest::newRow("a sixth digit is not stored") << 3 << 1 << "123456"
                                                 << "01 02 03 04 05 15 16 17 18 19 1A 1B 1C 1D 1E 1F";
    QTest::newRow("blanks at either end are not digits") << 3 << 2 << "  7 8  "
                                                         << "10 11 12 13 14 07 FF 08 FF FF 1A 1B 1C 1D 1E 1F";
    QTest::newRow("a pasted character that is no digit") << 3 << 3 << "1x3"
                                                         << "10 11 12 13 14 15 16 17 18 19 01 FF 03 FF FF 1F";
    QTest::newRow("empty: the frame is empty") << 3 << 2 << ""
                                               << "10 11 12 13 14 FF FF FF FF FF 1A 1B 1C 1D 1E 1F";
}

void TestFiveToneArea::frame_store()
{
    QFETCH(int, code);
    QFETCH(int, frame);
    QFETCH(QString, text);
    QFETCH(QString, row);
    MemoryImage image;
    for (int c = 0; c < 16; ++c)
        image(591 + code, c) = static_cast<std::int16_t>(0x10 + c);
    const MemoryImage before = image;
    FiveTone_StoreFrame(code, frame, text, image);
    QCOMPARE(RowBytes(image, 591 + code), HexBytes(row));
    image.row(591 + code) = before.row(591 + code);
    QVERIFY(image == before);
}

void TestFiveToneArea::frame_boxes_change_their_own_bit_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("after");
    QTest::newRow("call box 1 ticked over 5") << 9 << 5 << 1 << 1 << 7;
    QTest::newRow("display box 0 cleared over 6") << 10 << 6 << 0 << 0 << 6;
    QTest::newRow("display box 2 cleared over 0xFF") << 10 << 0xFF << 2 << 0 << 0xFB;
    QTest::newRow("call box 0 ticked over 0xFE") << 9 << 0xFE << 0 << 1 << 0xFF;
}

void TestFiveToneArea::frame_boxes_change_their_own_bit()
{
    QFETCH(int, byte);
    QFETCH(int, before);
    QFETCH(int, box);
    QFETCH(int, value);
    QFETCH(int, after);
    MemoryImage image;
    image(607, byte) = static_cast<std::int16_t>(before);
    FiveTone_StoreFrameBox(byte, box, value, image);
    QCOMPARE(static_cast<int>(image(607, byte)), after);
}

void TestFiveToneArea::choices_store_their_index_into_their_byte()
{
    MemoryImage image;
    const MemoryImage erased = image;
    FiveTone_StoreStdChoice(4, 1, 18, image);  // "ZVEI1", period "200"
    FiveTone_StoreStdChoice(1, 3, 15, image);  // "CCIR1", repeat tone "F"
    FiveTone_StoreOptChoice(11, 79, image);
    FiveTone_StoreEncStd(1, 14, image);
    QCOMPARE(static_cast<int>(image(579, 0)), 18);
    QCOMPARE(static_cast<int>(image(576, 2)), 15);
    QCOMPARE(static_cast<int>(image(607, 11)), 79);
    QCOMPARE(static_cast<int>(image(592, 15)), 14);
    QCOMPARE(FiveToneEncStd(1, image), 14);
    QCOMPARE(FiveToneEncStd(2, image), -1);
    image(579, 0) = image(576, 2) = image(607, 11) = image(592, 15) = kErased;
    QVERIFY(image == erased);
}

void TestFiveToneArea::stores_outside_the_records_change_nothing()
{
    MemoryImage image;
    const MemoryImage erased = image;
    FiveTone_StoreStdChoice(0, 1, 5, image);   // the title row
    FiveTone_StoreStdChoice(1, 0, 5, image);   // the name column
    FiveTone_StoreStdChoice(16, 1, 5, image);  // below the grid
    FiveTone_StoreFrame(0, 1, QStringLiteral("12345"), image);
    FiveTone_StoreFrame(1, 4, QStringLiteral("12345"), image);
    FiveTone_StoreEncStd(0, 3, image);  // would be row 591, which carries nothing
    QVERIFY(image == erased);
}

void TestFiveToneArea::which_editor_a_cell_opens_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("frame1");
    QTest::addColumn<FiveToneEncEditor>("editor");
    const QString blanks = QStringLiteral("     ");
    QTest::newRow("title row") << 0 << 1 << blanks << FiveToneEncEditor::None;
    QTest::newRow("code column") << 3 << 0 << blanks << FiveToneEncEditor::None;
    QTest::newRow("frame 1 of a blanked row") << 3 << 1 << "" << FiveToneEncEditor::Digits;
    QTest::newRow("frame 2 of a blanked row") << 3 << 2 << "" << FiveToneEncEditor::None;
    QTest::newRow("standard of a blanked row") << 3 << 4 << "" << FiveToneEncEditor::None;
    QTest::newRow("frame 3 behind a painted empty frame") << 3 << 3 << blanks << FiveToneEncEditor::Digits;
    QTest::newRow("standard behind a painted empty frame") << 3 << 4 << blanks << FiveToneEncEditor::Standard;
    QTest::newRow("frame 2 of code 15") << 15 << 2 << "23456" << FiveToneEncEditor::Digits;
}

void TestFiveToneArea::which_editor_a_cell_opens()
{
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(QString, frame1);
    QFETCH(FiveToneEncEditor, editor);
    QCOMPARE(FiveTone_EncEditorFor(row, col, frame1), editor);
}

void TestFiveToneArea::digit_key_filter_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("passes");
    QTest::newRow("digit into an empty frame") << int('7') << "" << true;
    QTest::newRow("small letter") << int('f') << "12" << true;
    QTest::newRow("capital letter") << int('C') << "12" << true;
    QTest::newRow("letter past F") << int('g') << "12" << false;
    QTest::newRow("blank") << int(' ') << "12" << false;
    QTest::newRow("a sixth digit") << int('6') << "12345" << true;
    QTest::newRow("a seventh digit") << int('7') << "123456" << false;
    QTest::newRow("blanks around five digits do not count") << int('6') << "  12345  " << true;
    QTest::newRow("Enter") << 13 << "12345" << true;
    QTest::newRow("Enter after six") << 13 << "123456" << false;
    QTest::newRow("Backspace after six") << 8 << "123456" << true;
    QTest::newRow("Escape") << 27 << "" << false;
}

void TestFiveToneArea::digit_key_filter()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(bool, passes);
    QCOMPARE(FiveToneEncodeKey(key, text), passes ? key : 0);
}

void TestFiveToneArea::leaving_a_frame_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<FiveToneFrameLeave>("leave");
    QTest::newRow("five digits") << "12345" << FiveToneFrameLeave::TakeText;
    QTest::newRow("five blanks") << "     " << FiveToneFrameLeave::KeepCell;
    QTest::newRow("empty") << "" << FiveToneFrameLeave::KeepCell;
    QTest::newRow("two digits") << "12" << FiveToneFrameLeave::Refuse;
    QTest::newRow("two digits painted with blanks") << "12   " << FiveToneFrameLeave::Refuse;
    QTest::newRow("six digits") << "123456" << FiveToneFrameLeave::Refuse;
}

void TestFiveToneArea::leaving_a_frame()
{
    QFETCH(QString, text);
    QFETCH(FiveToneFrameLeave, leave);
    QCOMPARE(FiveTone_FrameLeave(text), leave);
}

void TestFiveToneArea::digit_count_message_in_both_languages()
{
    const Message m = FiveToneText::DigitCount();
    QCOMPARE(m.text.eng, QStringLiteral("Encode Digit is 5 Bits."));
    QCOMPARE(m.text.chn, QStringLiteral("编码位数为 5 位 ！"));
    QCOMPARE(m.title.eng, QStringLiteral("Operate Prompt\""));
    QCOMPARE(m.title.eng.size(), 15);
    QCOMPARE(m.title.chn, QStringLiteral("操作提示"));
    QCOMPARE(m.icon, MessageIcon::Exclamation);
}

QTEST_MAIN(TestFiveToneArea)
#include "tst_five_tone_area.moc"
