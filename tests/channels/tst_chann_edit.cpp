#include "channels/chann_edit.h"
#include "core/numbers.h"
#include "support/cell_table.h"
#include "support/image_rows.h"

#include <QtTest>

namespace {

constexpr const char* kSimplex = "50 12 50 14 50 12 50 14 00 00 00 00 00 00 00 00";

// The bits a choice in each attribute column may change: (byte, mask).
QPair<int, int> ColumnBits(int col)
{
    switch (col) {
    case ChannCol::Power:
        return {14, 0x03};
    case ChannCol::Width:
        return {15, 0x40};
    case ChannCol::PttId:
        return {15, 0x03};
    case ChannCol::BusyLock:
        return {15, 0x08};
    case ChannCol::ScanAdd:
        return {15, 0x04};
    case ChannCol::SigCode:
        return {12, 0x0F};
    case ChannCol::OptSignal:
        return {13, 0x0F};
    case ChannCol::SpMute:
        return {13, 0xF0};
    case ChannCol::Scrambler:
        return {14, 0xF0};
    default:
        return {-1, 0};
    }
}

}  // namespace

class TestChannEdit : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitToneTables(); }
    void init();

    void editor_of_each_cell_data();
    void editor_of_each_cell();
    void column_items();
    void tone_word_of_each_item();
    void tone_item_words_data();
    void tone_item_words();

    void attribute_store_data();
    void attribute_store();
    void each_column_stores_exactly_its_bits();
    void low_power_on_0x04_stores_0x05_and_shows_high();
    void rx_tone_choice_copies_itself_to_tx_data();
    void rx_tone_choice_copies_itself_to_tx();
    void tx_tone_choice_changes_bytes_10_and_11_only();
    void choice_outside_the_list_stores_nothing();

    void band_choice_of_the_shown_band_changes_nothing();
    void band_choice_in_a_blank_row_starts_a_channel();
    void band_commit_with_another_text_erases_the_channel();

    void typed_tone_data();
    void typed_tone();
    void tone_key_filter_data();
    void tone_key_filter();
    void item_index_compares_exactly();

    void open_cell_commits_only_its_own_cell_once();
    void open_cell_over_records_changed_elsewhere_is_dropped_data();
    void open_cell_over_records_changed_elsewhere_is_dropped();
    void open_cell_is_touched_only_by_what_is_done_while_it_is_open();

private:
    MemoryImage image_;
    CellTable cells_;
};

void TestChannEdit::init()
{
    image_.fill(kErased);
    cells_ = CellTable();
}

void TestChannEdit::editor_of_each_cell_data()
{
    QTest::addColumn<bool>("band");
    QTest::addColumn<bool>("rx");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("editor");
    const int none = int(ChannEditor::None);
    const int list = int(ChannEditor::List);
    const int text = int(ChannEditor::Text);
    const int hide = int(ChannEditor::HideBoth);
    QTest::newRow("channel number") << true << true << 1 << 0 << none;
    QTest::newRow("band of a blank row") << false << false << 1 << 1 << list;
    QTest::newRow("RX of a blank row") << false << false << 1 << 2 << text;
    QTest::newRow("TX of a blank row") << false << false << 1 << 3 << text;
    QTest::newRow("name of a blank row") << false << false << 1 << 15 << text;
    QTest::newRow("RX tone, band blank") << false << true << 1 << 4 << none;
    QTest::newRow("RX tone, band set") << true << false << 1 << 4 << list;
    QTest::newRow("TX tone, band blank") << false << true << 1 << 5 << none;
    QTest::newRow("TX tone, band set, RX blank") << true << false << 1 << 5 << hide;
    QTest::newRow("TX tone, band and RX set") << true << true << 1 << 5 << list;
    QTest::newRow("power, band blank") << false << true << 1 << 6 << none;
    QTest::newRow("scrambler, band set") << true << false << 1 << 14 << list;
    QTest::newRow("last channel row") << true << true << 200 << 6 << list;
    QTest::newRow("row after the channels") << true << true << 201 << 1 << none;
    QTest::newRow("header row") << true << true << 0 << 1 << none;
}

void TestChannEdit::editor_of_each_cell()
{
    QFETCH(bool, band);
    QFETCH(bool, rx);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, editor);
    cells_.setCell(row, ChannCol::Band, band ? QStringLiteral("VHF/UHF ") : QStringLiteral("  "));
    cells_.setCell(row, ChannCol::RxFreq, rx ? QStringLiteral("145.00000") : QString());
    QCOMPARE(int(Chann_EditorFor(cells_, row, col)), editor);
}

void TestChannEdit::column_items()
{
    QCOMPARE(ChannColumnItems(ChannCol::Band), QStringList{"VHF/UHF"});
    QCOMPARE(ChannColumnItems(ChannCol::Power), QStringList({"HIGH", "LOW"}));
    QCOMPARE(ChannColumnItems(ChannCol::Width), QStringList({"W", "N"}));
    QCOMPARE(ChannColumnItems(ChannCol::PttId), QStringList({"OFF", "BOT", "EOT", "BOTH"}));
    QCOMPARE(ChannColumnItems(ChannCol::BusyLock), QStringList({"OFF", "ON"}));
    QCOMPARE(ChannColumnItems(ChannCol::ScanAdd), QStringList({"OFF", "ON"}));
    QCOMPARE(ChannColumnItems(ChannCol::SigCode),
             QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15"}));
    QCOMPARE(ChannColumnItems(ChannCol::OptSignal), QStringList({"OFF", "DTMF", "2TONE", "5TONE"}));
    QCOMPARE(ChannColumnItems(ChannCol::SpMute), QStringList({"QT", "AND", "OR"}));
    QCOMPARE(ChannColumnItems(ChannCol::Scrambler), QStringList({"OFF", "ON"}));
    for (int col : {ChannCol::RxTone, ChannCol::TxTone}) {
        const QStringList tones = ChannColumnItems(col);
        QCOMPARE(tones.size(), kToneCount);
        QCOMPARE(tones.first(), QStringLiteral("OFF"));
        QCOMPARE(tones[29], QStringLiteral("165.5"));
        QCOMPARE(tones[260], QStringLiteral("D754I"));
        for (const QString& tone : tones)
            QCOMPARE(TrimBlanks(tone), tone);
    }
    for (int col : {ChannCol::Number, ChannCol::RxFreq, ChannCol::TxFreq, ChannCol::Name})
        QVERIFY(ChannColumnItems(col).isEmpty());
}

void TestChannEdit::tone_word_of_each_item()
{
    // The word of a CTCSS item is its text's value times ten, rounded to the
    // nearest (a half to even); the high byte is never 0.
    const QStringList tones = ChannColumnItems(ChannCol::RxTone);
    for (int i = kFirstCtcss; i <= kLastCtcss; ++i) {
        const int w = int(RoundHalfEven(NumericValue(tones[i]) * 10));
        QCOMPARE(ChannToneItemWord(i), (ToneWord{w % 256, w / 256}));
        QVERIFY(ChannToneItemWord(i).hi != 0);
    }
    for (int i = kFirstDcs; i <= kLastDcs; ++i)
        QCOMPARE(ChannToneItemWord(i), (ToneWord{i - 50, 0}));
    QCOMPARE(ChannToneItemWord(0), (ToneWord{0, 0}));
}

void TestChannEdit::tone_item_words_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("lo");
    QTest::addColumn<int>("hi");
    QTest::newRow("165.5") << 29 << 0x77 << 0x06;
    QTest::newRow("67.0") << 1 << 0x9E << 0x02;
    QTest::newRow("D023N") << 51 << 0x01 << 0x00;
    QTest::newRow("D754N") << 155 << 0x69 << 0x00;
    QTest::newRow("D754I") << 260 << 0xD2 << 0x00;
}

void TestChannEdit::tone_item_words()
{
    QFETCH(int, item);
    QFETCH(int, lo);
    QFETCH(int, hi);
    QCOMPARE(ChannToneItemWord(item), (ToneWord{lo, hi}));
}

void TestChannEdit::attribute_store_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::newRow("HIGH on 0x11") << ChannCol::Power << 0 << 0x11 << 0x10;
    QTest::newRow("LOW on 0xFE") << ChannCol::Power << 1 << 0xFE << 0xFD;
    QTest::newRow("busy lock ON on 0x44") << ChannCol::BusyLock << 1 << 0x44 << 0x4C;
    QTest::newRow("busy lock OFF on 0x4C") << ChannCol::BusyLock << 0 << 0x4C << 0x44;
    QTest::newRow("N on 0x00") << ChannCol::Width << 1 << 0x00 << 0x40;
    QTest::newRow("N on 0xFF") << ChannCol::Width << 1 << 0xFF << 0xFF;
    QTest::newRow("W on 0xFF") << ChannCol::Width << 0 << 0xFF << 0xBF;
    QTest::newRow("BOTH on 0x44") << ChannCol::PttId << 3 << 0x44 << 0x47;
    QTest::newRow("PTT-ID OFF on 0x4F") << ChannCol::PttId << 0 << 0x4F << 0x4C;
    QTest::newRow("scan add OFF on 0xFF") << ChannCol::ScanAdd << 0 << 0xFF << 0xFB;
    QTest::newRow("scan add ON on 0x00") << ChannCol::ScanAdd << 1 << 0x00 << 0x04;
    QTest::newRow("sig code 15 on 0xA3") << ChannCol::SigCode << 14 << 0xA3 << 0xAE;
    QTest::newRow("5TONE on 0x20") << ChannCol::OptSignal << 3 << 0x20 << 0x23;
    QTest::newRow("OR on 0x31") << ChannCol::SpMute << 2 << 0x31 << 0x21;
    QTest::newRow("scrambler ON on 0x07") << ChannCol::Scrambler << 1 << 0x07 << 0x17;
    QTest::newRow("scrambler OFF on 0x2D") << ChannCol::Scrambler << 0 << 0x2D << 0x0D;
}

void TestChannEdit::attribute_store()
{
    QFETCH(int, col);
    QFETCH(int, item);
    QFETCH(int, before);
    QFETCH(int, after);
    const int byte = ColumnBits(col).first;
    SetRow(image_, ChannRecRow(2), kSimplex);
    image_(ChannRecRow(2), byte) = static_cast<std::int16_t>(before);
    Chann_StoreChoice(cells_, 2, col, item, image_);
    QCOMPARE(int(image_(ChannRecRow(2), byte)), after);
}

void TestChannEdit::each_column_stores_exactly_its_bits()
{
    const char* const fills[] = {"00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00",
                                 "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF",
                                 "A5 5A A5 5A A5 5A A5 5A A5 5A A5 5A A5 5A A5 5A"};
    for (int col = ChannCol::Power; col <= ChannCol::Scrambler; ++col) {
        const auto [byte, mask] = ColumnBits(col);
        const int items = static_cast<int>(ChannColumnItems(col).size());
        for (const char* fill : fills) {
            for (int item = 0; item < items; ++item) {
                MemoryImage image;
                SetRow(image, ChannRecRow(1), fill);
                SetRow(image, ChannNameRow(1), fill);
                const MemoryImage before = image;
                CellTable cells;
                Chann_StoreChoice(cells, 1, col, item, image);
                for (int c = 0; c < kRowBytes; ++c) {
                    const int keep = c == byte ? ~mask & 0xFF : 0xFF;
                    QCOMPARE(image(ChannRecRow(1), c) & keep, before(ChannRecRow(1), c) & keep);
                }
                QVERIFY(image.row(ChannNameRow(1)) == before.row(ChannNameRow(1)));
                QCOMPARE(cells.row(1), CellTable().row(1));  // the cell waits for the commit
            }
        }
    }
}

void TestChannEdit::low_power_on_0x04_stores_0x05_and_shows_high()
{
    SetRow(image_, ChannRecRow(1), "50 12 50 14 50 12 50 14 00 00 00 00 00 00 04 04");
    Chann_StoreChoice(cells_, 1, ChannCol::Power, 1, image_);
    QCOMPARE(int(image_(ChannRecRow(1), ChannRec::Power)), 0x05);
    Chann_Refresh(cells_, 1, image_);
    QCOMPARE(cells_.cell(1, ChannCol::Power), QStringLiteral("HIGH"));
}

void TestChannEdit::rx_tone_choice_copies_itself_to_tx_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QByteArray>("tones");
    QTest::addColumn<QString>("rxCell");
    QTest::newRow("88.5") << 9 << QByteArray("75 03 75 03") << "88.5";
    QTest::newRow("D023N") << 51 << QByteArray("01 00 01 00") << "  D023N   ";
    QTest::newRow("OFF") << 0 << QByteArray("00 00 00 00") << "OFF";
}

void TestChannEdit::rx_tone_choice_copies_itself_to_tx()
{
    QFETCH(int, item);
    QFETCH(QByteArray, tones);
    QFETCH(QString, rxCell);
    SetRow(image_, ChannRecRow(3), "50 12 50 14 50 12 50 14 9E 02 77 06 3A 2B 1C 4F");
    Chann_StoreChoice(cells_, 3, ChannCol::RxTone, item, image_);
    QCOMPARE(RowHex(image_, ChannRecRow(3)), "50 12 50 14 50 12 50 14 " + tones + " 3A 2B 1C 4F");
    // The row is redrawn at once.
    QCOMPARE(cells_.cell(3, ChannCol::RxTone), rxCell);
    QCOMPARE(cells_.cell(3, ChannCol::TxTone), TrimBlanks(rxCell));
    QCOMPARE(cells_.cell(3, ChannCol::Power), QStringLiteral("HIGH"));
}

void TestChannEdit::tx_tone_choice_changes_bytes_10_and_11_only()
{
    SetRow(image_, ChannRecRow(3), "50 12 50 14 50 12 50 14 9E 02 77 06 3A 2B 1C 4F");
    Chann_StoreChoice(cells_, 3, ChannCol::TxTone, 9, image_);
    QCOMPARE(RowHex(image_, ChannRecRow(3)), QByteArray("50 12 50 14 50 12 50 14 9E 02 75 03 3A 2B 1C 4F"));
    QCOMPARE(cells_.row(3), CellTable().row(3));  // no redraw
}

void TestChannEdit::choice_outside_the_list_stores_nothing()
{
    SetRow(image_, ChannRecRow(3), kSimplex);
    const MemoryImage before = image_;
    Chann_StoreChoice(cells_, 3, ChannCol::Power, 2, image_);
    Chann_StoreChoice(cells_, 3, ChannCol::Scrambler, -1, image_);
    Chann_StoreChoice(cells_, 3, ChannCol::RxTone, kToneCount, image_);
    Chann_StoreChoice(cells_, 3, ChannCol::Band, 0, image_);
    Chann_StoreChoice(cells_, 3, ChannCol::Name, 0, image_);
    QVERIFY(image_ == before);
}

void TestChannEdit::band_choice_of_the_shown_band_changes_nothing()
{
    SetRow(image_, ChannRecRow(2), kSimplex);
    SetRow(image_, ChannNameRow(2), "41 42");
    Chann_Refresh(cells_, 2, image_);
    const MemoryImage before = image_;
    const QStringList shown = cells_.row(2);
    Chann_BandCommit(cells_, 2, QStringLiteral("VHF/UHF"), image_);
    QVERIFY(image_ == before);
    QCOMPARE(cells_.cell(2, ChannCol::Band), QStringLiteral("VHF/UHF"));
    QCOMPARE(cells_.row(2).mid(ChannCol::RxFreq), shown.mid(ChannCol::RxFreq));
}

void TestChannEdit::band_choice_in_a_blank_row_starts_a_channel()
{
    Chann_BandCommit(cells_, 4, QStringLiteral("VHF/UHF"), image_);
    QCOMPARE(cells_.cell(4, ChannCol::Band), QStringLiteral("VHF/UHF"));
    for (int c = ChannCol::RxFreq; c <= ChannCol::Name; ++c)
        QCOMPARE(cells_.cell(4, c), QString());
    QCOMPARE(RowHex(image_, ChannRecRow(4)), RowHex(MemoryImage(), 0));
    QCOMPARE(RowHex(image_, ChannNameRow(4)), RowHex(MemoryImage(), 0));
}

void TestChannEdit::band_commit_with_another_text_erases_the_channel()
{
    SetRow(image_, ChannRecRow(2), kSimplex);
    SetRow(image_, ChannNameRow(2), "41 42");
    Chann_Refresh(cells_, 2, image_);
    Chann_BandCommit(cells_, 2, QString(), image_);
    QCOMPARE(RowHex(image_, ChannRecRow(2)), RowHex(MemoryImage(), 0));
    QCOMPARE(RowHex(image_, ChannNameRow(2)), RowHex(MemoryImage(), 0));
    QCOMPARE(cells_.cell(2, ChannCol::RxFreq), QString());
}

void TestChannEdit::typed_tone_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("cell");  // after the redraw that ends the commit
    QTest::addColumn<QByteArray>("tones");
    const QByteArray untouched("9E 02 77 06");
    QTest::newRow("77.5") << 4 << "77.5" << true << "77.5" << QByteArray("07 03 07 03");
    QTest::newRow("60 is the lowest") << 4 << "60" << true << "60.0" << QByteArray("58 02 58 02");
    QTest::newRow("259.9 is the highest") << 4 << "259.9" << true << "259.9" << QByteArray("27 0A 27 0A");
    QTest::newRow("100") << 4 << "100" << true << "100.0" << QByteArray("E8 03 E8 03");
    QTest::newRow("123.45 rounds half to even") << 4 << "123.45" << true << "123.4" << QByteArray("D2 04 D2 04");
    QTest::newRow("TX 88.5") << 5 << "88.5" << true << "88.5" << QByteArray("9E 02 75 03");
    QTest::newRow("260 above") << 4 << "260" << false << "" << untouched;
    QTest::newRow("59.9 below") << 4 << "59.9" << false << "" << untouched;
    QTest::newRow("DCS code") << 4 << "D754I" << false << "" << untouched;
    QTest::newRow("empty") << 4 << "" << false << "" << untouched;
}

void TestChannEdit::typed_tone()
{
    QFETCH(int, col);
    QFETCH(QString, typed);
    QFETCH(bool, stored);
    QFETCH(QString, cell);
    QFETCH(QByteArray, tones);
    SetRow(image_, ChannRecRow(5), "50 12 50 14 50 12 50 14 9E 02 77 06 3A 2B 1C 4F");
    QCOMPARE(Chann_StoreTypedTone(cells_, 5, col, typed, image_), stored);
    QCOMPARE(RowHex(image_, ChannRecRow(5)), "50 12 50 14 50 12 50 14 " + tones + " 3A 2B 1C 4F");
    if (stored) {
        QCOMPARE(cells_.cell(5, col), cell);
        QCOMPARE(cells_.cell(5, ChannCol::Power), QStringLiteral("HIGH"));
    } else {
        QCOMPARE(cells_.row(5), CellTable().row(5));
    }
}

void TestChannEdit::tone_key_filter_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("passed");
    for (char key : QByteArray("0123456789.DNI"))
        QTest::addRow("%c passes", key) << int(key) << int(key);
    QTest::newRow("d as D") << int('d') << int('D');
    QTest::newRow("n as N") << int('n') << int('N');
    QTest::newRow("i as I") << int('i') << int('I');
    QTest::newRow("Enter passes") << 13 << 13;
    for (char key : QByteArray("OFofx -+"))
        QTest::addRow("%c dropped", key) << int(key) << 0;
    QTest::newRow("Backspace dropped") << 8 << 0;
    QTest::newRow("Escape dropped") << 27 << 0;
}

void TestChannEdit::tone_key_filter()
{
    QFETCH(int, key);
    QFETCH(int, passed);
    QCOMPARE(ChannToneKey(key), passed);
}

void TestChannEdit::item_index_compares_exactly()
{
    const QStringList tones = ChannColumnItems(ChannCol::RxTone);
    QCOMPARE(ChannItemIndex(tones, QStringLiteral("D754I")), 260);
    QCOMPARE(ChannItemIndex(tones, QStringLiteral("D023N")), 51);
    QCOMPARE(ChannItemIndex(tones, QStringLiteral("OFF")), 0);
    QCOMPARE(ChannItemIndex(tones, QStringLiteral("D999N")), -1);
    QCOMPARE(ChannItemIndex(tones, QStringLiteral("d754i")), -1);
    QCOMPARE(ChannItemIndex(ToneList, QStringLiteral("D754I")), 260);  // the stored entries carry blanks
}

void TestChannEdit::open_cell_commits_only_its_own_cell_once()
{
    using Leave = ChannOpenCell::Leave;
    ChannOpenCell open;
    QCOMPARE(open.leave(3, ChannCol::RxFreq, image_), Leave::Nothing);
    open.open(3, ChannCol::RxFreq, image_);
    QCOMPARE(open.leave(3, ChannCol::TxFreq, image_), Leave::Nothing);
    QCOMPARE(open.leave(4, ChannCol::RxFreq, image_), Leave::Nothing);
    // Another channel's records are not the cell's.
    SetRow(image_, ChannRecRow(4), kSimplex);
    QVERIFY(!open.stale(image_));
    QCOMPARE(open.leave(3, ChannCol::RxFreq, image_), Leave::Commit);
    QCOMPARE(open.leave(3, ChannCol::RxFreq, image_), Leave::Nothing);
}

void TestChannEdit::open_cell_over_records_changed_elsewhere_is_dropped_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("byTheEditor");
    QTest::newRow("main record, by a read") << ChannRecRow(3) << false;
    QTest::newRow("name record, by a file") << ChannNameRow(3) << false;
    QTest::newRow("main record, by the editor's own choice") << ChannRecRow(3) << true;
}

void TestChannEdit::open_cell_over_records_changed_elsewhere_is_dropped()
{
    QFETCH(int, row);
    QFETCH(bool, byTheEditor);
    ChannOpenCell open;
    open.open(3, ChannCol::Power, image_);
    image_(row, 14) = 0x01;
    QVERIFY(open.stale(image_));
    if (byTheEditor)
        open.recordsEdited(image_);
    QCOMPARE(open.leave(3, ChannCol::Power, image_),
             byTheEditor ? ChannOpenCell::Leave::Commit : ChannOpenCell::Leave::Drop);
    QVERIFY(!open.isOpen(3, ChannCol::Power));
}

void TestChannEdit::open_cell_is_touched_only_by_what_is_done_while_it_is_open()
{
    ChannOpenCell open;
    open.touch();  // no editor open
    QVERIFY(!open.touched());
    open.open(3, ChannCol::Name, image_);
    QVERIFY(!open.touched());
    open.touch();
    QVERIFY(open.touched());
    // Opened again over its cell (a second click on it): nothing typed yet.
    open.open(3, ChannCol::Name, image_);
    QVERIFY(!open.touched());
    open.touch();
    // Emptied by a change of its rows and left open: its rows noted anew.
    image_(ChannNameRow(3), 0) = 0x41;
    open.restart(image_);
    QVERIFY(!open.touched());
    QVERIFY(!open.stale(image_));
    open.touch();
    QCOMPARE(open.leave(3, ChannCol::Name, image_), ChannOpenCell::Leave::Commit);
    QVERIFY(!open.touched());
    open.touch();
    open.open(4, ChannCol::RxFreq, image_);
    QVERIFY(!open.touched());
}

QTEST_MAIN(TestChannEdit)
#include "tst_chann_edit.moc"
