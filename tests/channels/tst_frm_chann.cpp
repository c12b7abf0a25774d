#include "channels/ui/frm_chann.h"
#include "core/channel_defaults.h"
#include "core/freq_codec.h"
#include "core/model_bands.h"
#include "core/tone_list.h"
#include "support/image_bytes.h"
#include "support/image_rows.h"
#include "support/kit_driver.h"
#include "support/message_recorder.h"
#include "support/test_frame.h"

#include <QtTest>

namespace {

// Channel 0 (grid row 1): 145.0125 MHz simplex, tones off, power byte 0x04.
constexpr const char* kChannel0 = "50 12 50 14 50 12 50 14 00 00 00 00 00 00 04 04";
// Channel 1 (grid row 2): 445.5 MHz simplex, 88.5 Hz both ways, narrow.
constexpr const char* kChannel1 = "00 00 55 44 00 00 55 44 75 03 75 03 00 00 00 44";
// Channel 2 (grid row 3): RX 145, TX 145.6, 88.5 Hz both ways, low power,
// narrow, busy lock; named "AB1".
constexpr const char* kDuplex = "00 00 50 14 00 00 56 14 75 03 75 03 02 11 01 4C";
constexpr const char* kDuplexName = "41 42 31 FF FF FF FF FF FF FF FF FF FF FF FF FF";
// Channel 3 (grid row 4): receive-only 145.5, RX tone 88.5, named "RX".
constexpr const char* kRxOnly = "00 00 55 14 FF FF FF FF 75 03 FF FF 00 00 00 04";
constexpr const char* kRxOnlyName = "52 58 FF FF FF FF FF FF FF FF FF FF FF FF FF FF";

const QString kRxMessage = QStringLiteral("Over the range of receive frequency .");
const QString kTxMessage = QStringLiteral("Over the range of transmit frequency .");

}  // namespace

class TestFrmChann : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitToneTables(); }
    void init();
    void cleanup();

    void load_shows_every_channel_and_keeps_the_record_after_the_last();
    void load_sets_the_editor_band_limits();
    void captions_follow_the_language_data();
    void captions_follow_the_language();

    void choosing_an_item_over_a_cell_stores_the_bytes();
    void rx_tone_choice_redraws_the_row_at_once();
    void typed_tone_is_stored_when_the_cell_is_left();
    void typed_tone_that_is_no_tone_changes_nothing();
    void typing_in_an_attribute_list_is_undone();
    void enter_moves_on_and_commits();
    void enter_in_the_band_column_does_nothing();
    void cells_that_open_no_list();
    void band_choice_in_a_blank_row_starts_a_channel();
    void tone_choice_in_a_row_without_frequency_is_wiped();
    void text_columns_open_the_text_editor();
    void scrolling_hides_the_text_editor_only();

    void rx_typed_into_a_blank_row_starts_a_channel_data();
    void rx_typed_into_a_blank_row_starts_a_channel();
    void stray_blank_after_145_is_145_mhz_not_a_rejected_entry();
    void rejected_rx_of_an_existing_channel_data();
    void rejected_rx_of_an_existing_channel();
    void enter_on_a_receive_only_channel_makes_it_simplex();
    void enter_without_typing_shows_the_tx_frequency_the_image_holds_data();
    void enter_without_typing_shows_the_tx_frequency_the_image_holds();
    void rejected_tx_takes_the_low_limit_with_the_tone_off_data();
    void rejected_tx_takes_the_low_limit_with_the_tone_off();
    void tx_typed_before_rx_is_refused_data();
    void tx_typed_before_rx_is_refused();
    void enter_in_an_empty_tx_cell_moves_to_a_band_cell_data();
    void enter_in_an_empty_tx_cell_moves_to_a_band_cell();
    void name_is_stored_when_its_cell_is_left_not_on_enter();
    void click_whose_commit_shows_a_box_opens_the_clicked_cell();

    void redraw_passing_a_band_cell_without_editor_erases_nothing();
    void committed_cell_is_not_committed_again();
    void band_list_left_open_acts_on_its_own_cell();

    void editor_left_open_over_a_newly_loaded_channel_is_dropped();
    void default_with_an_editor_open_gives_the_sample_data();
    void default_with_an_editor_open_gives_the_sample();
    void clear_with_an_editor_open_stays_cleared_after_the_next_click();
    void a_cell_only_clicked_through_changes_no_byte_data();
    void a_cell_only_clicked_through_changes_no_byte();
    void enter_through_a_receive_only_tx_cell_changes_no_byte();
    void a_typed_blank_name_erases_the_name_data();
    void a_typed_blank_name_erases_the_name();
    void retyping_the_rx_still_makes_the_channel_simplex();

private:
    void open(int row, int col) { KitDriver::ClickCell(window_->MSF_Chann, row, col); }
    QString cell(int row, int col) const { return window_->MSF_Chann->textMatrix(row, col); }
    bool overCell(QWidget* editor) const;
    // Replaces the text editor's text by typing.
    void retype(const QString& text);
    void enter() { KitDriver::PressKey(window_->Text_Edit, Qt::Key_Return); }

    // Unloads the channel window and loads it again.
    frm_chann* reload();

    MessageRecorder* recorder_ = nullptr;
    TestFrame* frame_ = nullptr;
    frm_chann* window_ = nullptr;
};

void TestFrmChann::init()
{
    recorder_ = new MessageRecorder;
    LangChinese = 0;
    Edata.fill(kErased);
    SetRow(Edata, 0, kChannel0);
    SetRow(Edata, 1, kChannel1);
    SetRow(Edata, ChannNameRow(2), "41 42 43 FF FF FF");
    SetRow(Edata, 2, kDuplex);
    SetRow(Edata, ChannNameRow(3), kDuplexName);
    SetRow(Edata, 3, kRxOnly);
    SetRow(Edata, ChannNameRow(4), kRxOnlyName);
    frame_ = Windows::Load<TestFrame>();
    QVERIFY(KitDriver::ShowActive(frame_));
    window_ = Windows::Load<frm_chann>();
    QVERIFY(window_ != nullptr);
}

void TestFrmChann::cleanup()
{
    Windows::UnloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window_ = nullptr;
    frame_ = nullptr;
    QVERIFY(recorder_->verifyAllTaken());
    delete recorder_;
    recorder_ = nullptr;
}

void TestFrmChann::retype(const QString& text)
{
    QVERIFY(window_->Text_Edit->isVisible());
    window_->Text_Edit->setText(QString());
    KitDriver::TypeText(window_->Text_Edit, text);
}

frm_chann* TestFrmChann::reload()
{
    Windows::Unload<frm_chann>();
    window_ = Windows::Load<frm_chann>();
    return window_;
}

bool TestFrmChann::overCell(QWidget* editor) const
{
    const KitGrid* grid = window_->MSF_Chann;
    return editor->isVisible() && editor->x() == grid->x() + grid->cellLeft()
           && editor->y() == grid->y() + grid->cellTop() && editor->width() == grid->cellWidth();
}

void TestFrmChann::load_shows_every_channel_and_keeps_the_record_after_the_last()
{
    Windows::Unload<frm_chann>();
    Edata.fill(kErased);
    SetRow(Edata, 200, "FF 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F");
    SetRow(Edata, 456, "41 42 43 44 45 46 00 00 00 00 00 00 00 00 00 00");
    window_ = Windows::Load<frm_chann>();
    // Shown as an empty record, and stored as it was.
    QCOMPARE(RowHex(Edata, 200), QByteArray("FF 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F"));
    QCOMPARE(RowHex(Edata, 456), QByteArray("41 42 43 44 45 46 00 00 00 00 00 00 00 00 00 00"));
    // The activation that follows the load brings the extra row back.
    QCOMPARE(window_->MSF_Chann->rows(), ChannCount + 1);
    for (int r = 1; r <= ChannCount; ++r) {
        QCOMPARE(cell(r, ChannCol::Number), QString::number(r - 1));
        for (int c = ChannCol::Band; c <= ChannCol::Name; ++c)
            QCOMPARE(cell(r, c), QString());
    }
    // The redraw leaves the last channel row current.
    QCOMPARE(window_->MSF_Chann->row(), ChannCount);
    QCOMPARE(window_->MSF_Chann->col(), ChannCol::Number);
}

void TestFrmChann::load_sets_the_editor_band_limits()
{
    BandVhfMin = 136;
    BandVhfMax = 174;
    BandUhfMin = 400;
    BandUhfMax = 480;
    reload();
    QCOMPARE(BandVhfMin, 140.0);
    QCOMPARE(BandVhfMax, 150.0);
    QCOMPARE(BandUhfMin, 440.0);
    QCOMPARE(BandUhfMax, 450.0);
}

void TestFrmChann::captions_follow_the_language_data()
{
    QTest::addColumn<int>("chinese");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("bandHeader");
    QTest::newRow("English") << 0 << "Channel Information"
                             << "  Band  ";
    QTest::newRow("Chinese") << 1 << "信道参数编辑"
                             << " 工作频段 ";
}

void TestFrmChann::captions_follow_the_language()
{
    QFETCH(int, chinese);
    QFETCH(QString, title);
    QFETCH(QString, bandHeader);
    LangChinese = chinese;
    frm_chann* other = reload();
    LangChinese = 0;
    QCOMPARE(other->windowTitle(), title);
    QCOMPARE(other->MSF_Chann->textMatrix(0, ChannCol::Band), bandHeader);
    QCOMPARE(other->MSF_Chann->cols(), kChannCols);
}

void TestFrmChann::choosing_an_item_over_a_cell_stores_the_bytes()
{
    QCOMPARE(cell(1, ChannCol::Power), QStringLiteral("HIGH"));
    open(1, ChannCol::Power);
    QVERIFY(overCell(window_->Combo_edit));
    QVERIFY(window_->Text_Edit->isHidden());
    QCOMPARE(window_->Combo_edit->items(), QStringList({"HIGH", "LOW"}));
    QCOMPARE(window_->Combo_edit->text(), QStringLiteral("HIGH"));

    KitDriver::ChooseItem(window_->Combo_edit, 1);

    // "LOW" on byte 14 = 0x04 sets bit 0 and leaves bit 2.
    QCOMPARE(RowHex(Edata, 0), QByteArray("50 12 50 14 50 12 50 14 00 00 00 00 00 00 05 04"));
    QCOMPARE(cell(1, ChannCol::Power), QStringLiteral("HIGH"));  // until the commit

    open(1, ChannCol::Width);
    QCOMPARE(cell(1, ChannCol::Power), QStringLiteral("LOW"));
    KitDriver::ChooseItem(window_->Combo_edit, 1);
    QCOMPARE(RowHex(Edata, 0), QByteArray("50 12 50 14 50 12 50 14 00 00 00 00 00 00 05 44"));

    // The redraw shows what the record holds: bits 0-2 are 5, high power.
    window_->RedrawRows();
    QCOMPARE(cell(1, ChannCol::Power), QStringLiteral("HIGH"));
    QCOMPARE(cell(1, ChannCol::Width), QStringLiteral("N"));
    QVERIFY(window_->Combo_edit->isHidden());
}

void TestFrmChann::rx_tone_choice_redraws_the_row_at_once()
{
    open(1, ChannCol::RxTone);
    QVERIFY(overCell(window_->Combo_edit));
    QCOMPARE(window_->Combo_edit->listCount(), kToneCount);
    QCOMPARE(window_->Combo_edit->text(), QString());  // an empty field over the whole list

    KitDriver::ChooseItem(window_->Combo_edit, 9);  // 88.5

    QCOMPARE(RowHex(Edata, 0), QByteArray("50 12 50 14 50 12 50 14 75 03 75 03 00 00 04 04"));
    QCOMPARE(cell(1, ChannCol::TxTone), QStringLiteral("88.5"));

    open(1, ChannCol::TxTone);
    QCOMPARE(cell(1, ChannCol::RxTone), QStringLiteral("88.5"));
    KitDriver::ChooseItem(window_->Combo_edit, 51);  // D023N
    open(1, ChannCol::Power);
    QCOMPARE(RowHex(Edata, 0), QByteArray("50 12 50 14 50 12 50 14 75 03 01 00 00 00 04 04"));
    QCOMPARE(cell(1, ChannCol::TxTone), QStringLiteral("D023N"));
}

void TestFrmChann::typed_tone_is_stored_when_the_cell_is_left()
{
    open(1, ChannCol::RxTone);
    KitDriver::TypeText(window_->Combo_edit, QStringLiteral("OFd754i "));
    QCOMPARE(window_->Combo_edit->text(), QStringLiteral("D754I"));
    QCOMPARE(RowHex(Edata, 0).mid(24, 11), QByteArray("00 00 00 00"));  // nothing stored yet

    open(1, ChannCol::Power);

    QCOMPARE(RowHex(Edata, 0), QByteArray("50 12 50 14 50 12 50 14 D2 00 D2 00 00 00 04 04"));
    QCOMPARE(cell(1, ChannCol::RxTone), QStringLiteral("D754I"));
    QCOMPARE(cell(1, ChannCol::TxTone), QStringLiteral("D754I"));
}

void TestFrmChann::typed_tone_that_is_no_tone_changes_nothing()
{
    const QByteArray before = RowHex(Edata, 1);
    open(2, ChannCol::RxTone);
    KitDriver::TypeText(window_->Combo_edit, QStringLiteral("D999N"));
    open(2, ChannCol::Power);
    QCOMPARE(RowHex(Edata, 1), before);
    QCOMPARE(cell(2, ChannCol::RxTone), QStringLiteral("88.5"));
}

void TestFrmChann::typing_in_an_attribute_list_is_undone()
{
    open(2, ChannCol::Width);
    KitDriver::TypeText(window_->Combo_edit, QStringLiteral("Wx"));
    KitDriver::PressKey(window_->Combo_edit, Qt::Key_Backspace);
    QCOMPARE(window_->Combo_edit->text(), QStringLiteral("N"));
    open(2, ChannCol::Power);
    QCOMPARE(cell(2, ChannCol::Width), QStringLiteral("N"));
    QCOMPARE(RowHex(Edata, 1).right(2), QByteArray("44"));
}

void TestFrmChann::enter_moves_on_and_commits()
{
    open(1, ChannCol::RxTone);
    KitDriver::TypeText(window_->Combo_edit, QStringLiteral("77.5"));
    KitDriver::PressKey(window_->Combo_edit, Qt::Key_Return);
    QCOMPARE(RowHex(Edata, 0), QByteArray("50 12 50 14 50 12 50 14 07 03 07 03 00 00 04 04"));
    QCOMPARE(window_->MSF_Chann->col(), ChannCol::TxTone);
    QVERIFY(overCell(window_->Combo_edit));

    // Enter in the last list column opens the text editor over the name.
    open(1, ChannCol::Scrambler);
    KitDriver::ChooseItem(window_->Combo_edit, 1);
    KitDriver::PressKey(window_->Combo_edit, Qt::Key_Return);
    QCOMPARE(cell(1, ChannCol::Scrambler), QStringLiteral("ON"));
    QCOMPARE(int(Edata(0, ChannRec::Power)), 0x14);
    QCOMPARE(window_->MSF_Chann->col(), ChannCol::Name);
    QVERIFY(overCell(window_->Text_Edit));
    QVERIFY(window_->Combo_edit->isHidden());
}

void TestFrmChann::enter_in_the_band_column_does_nothing()
{
    open(2, ChannCol::Band);
    QVERIFY(overCell(window_->Combo_edit));
    KitDriver::PressKey(window_->Combo_edit, Qt::Key_Return);
    QCOMPARE(window_->MSF_Chann->col(), ChannCol::Band);
    QCOMPARE(cell(2, ChannCol::RxFreq), QStringLiteral("445.50000"));
}

void TestFrmChann::cells_that_open_no_list()
{
    // A blank band: columns 4 to 14 open nothing.
    open(5, ChannCol::Power);
    QVERIFY(window_->Combo_edit->isHidden());
    open(5, ChannCol::RxTone);
    QVERIFY(window_->Combo_edit->isHidden());
    // Band set but no RX frequency: the TX tone hides both editors.
    open(5, ChannCol::Band);
    KitDriver::ChooseItem(window_->Combo_edit, 0);
    open(5, ChannCol::TxTone);
    QVERIFY(window_->Combo_edit->isHidden());
    QVERIFY(window_->Text_Edit->isHidden());
    open(5, ChannCol::Number);
    QVERIFY(window_->Combo_edit->isHidden());
}

void TestFrmChann::band_choice_in_a_blank_row_starts_a_channel()
{
    open(5, ChannCol::Band);
    QCOMPARE(window_->Combo_edit->items(), QStringList{"VHF/UHF"});
    KitDriver::ChooseItem(window_->Combo_edit, 0);
    QCOMPARE(cell(5, ChannCol::Band), QStringLiteral("VHF/UHF"));
    open(5, ChannCol::Power);
    QVERIFY(overCell(window_->Combo_edit));
    QCOMPARE(RowHex(Edata, 4), RowHex(MemoryImage(), 0));
    QCOMPARE(RowHex(Edata, ChannNameRow(5)), RowHex(MemoryImage(), 0));

    // The same band on an existing channel changes nothing.
    open(2, ChannCol::Band);
    KitDriver::ChooseItem(window_->Combo_edit, 0);
    open(2, ChannCol::Number);
    QCOMPARE(RowHex(Edata, 1), QByteArray(kChannel1));
    QCOMPARE(cell(2, ChannCol::Name), QStringLiteral("ABC"));
}

void TestFrmChann::tone_choice_in_a_row_without_frequency_is_wiped()
{
    open(6, ChannCol::Band);
    KitDriver::ChooseItem(window_->Combo_edit, 0);
    open(6, ChannCol::RxTone);
    KitDriver::ChooseItem(window_->Combo_edit, 9);
    // Stored into the empty record, which the redraw of the row then deletes.
    QCOMPARE(RowHex(Edata, 5), RowHex(MemoryImage(), 0));
    QCOMPARE(cell(6, ChannCol::Band), QString());
}

void TestFrmChann::text_columns_open_the_text_editor()
{
    for (int col : {ChannCol::RxFreq, ChannCol::TxFreq, ChannCol::Name}) {
        open(2, col);
        QVERIFY(overCell(window_->Text_Edit));
        QCOMPARE(window_->Text_Edit->height(), window_->MSF_Chann->cellHeight());
        QCOMPARE(window_->Text_Edit->text(), cell(2, col));
        QVERIFY(window_->Combo_edit->isHidden());
    }
}

void TestFrmChann::scrolling_hides_the_text_editor_only()
{
    open(2, ChannCol::RxFreq);
    window_->MSF_Chann->setTopRow(3);
    QVERIFY(window_->Text_Edit->isHidden());

    window_->MSF_Chann->setTopRow(1);
    open(2, ChannCol::Power);
    window_->MSF_Chann->setTopRow(3);
    QVERIFY(window_->Combo_edit->isVisible());
    QCOMPARE(RowHex(Edata, 1), QByteArray(kChannel1));
}

void TestFrmChann::rx_typed_into_a_blank_row_starts_a_channel_data()
{
    QTest::addColumn<bool>("byEnter");
    QTest::newRow("left by a click") << false;
    QTest::newRow("Enter") << true;
}

void TestFrmChann::rx_typed_into_a_blank_row_starts_a_channel()
{
    QFETCH(bool, byEnter);
    open(6, ChannCol::RxFreq);
    retype(QStringLiteral("145"));
    if (byEnter)
        enter();
    else
        open(6, ChannCol::Number);
    QCOMPARE(RowHex(Edata, 5), QByteArray("00 00 50 14 00 00 50 14 00 00 00 00 00 00 00 04"));
    QCOMPARE(cell(6, ChannCol::Band), QStringLiteral("VHF/UHF "));
    QCOMPARE(cell(6, ChannCol::RxFreq), QStringLiteral("145.00000"));
    QCOMPARE(cell(6, ChannCol::TxFreq), QStringLiteral("145.00000"));
    QCOMPARE(cell(6, ChannCol::ScanAdd), QStringLiteral("ON"));
    if (byEnter) {
        // The editor then stands over the TX cell.
        QCOMPARE(window_->MSF_Chann->col(), ChannCol::TxFreq);
        QVERIFY(overCell(window_->Text_Edit));
        QCOMPARE(window_->Text_Edit->text(), QStringLiteral("145.00000"));
    }
}

void TestFrmChann::stray_blank_after_145_is_145_mhz_not_a_rejected_entry()
{
    open(6, ChannCol::RxFreq);
    retype(QStringLiteral("145 "));
    enter();
    QCOMPARE(RowHex(Edata, 5).left(23), QByteArray("00 00 50 14 00 00 50 14"));
    QCOMPARE(cell(6, ChannCol::RxFreq), QStringLiteral("145.00000"));
}

void TestFrmChann::rejected_rx_of_an_existing_channel_data()
{
    QTest::addColumn<bool>("byEnter");
    QTest::addColumn<QByteArray>("record");
    // Leaving the cell keeps the TX frequency; Enter stores the replacement
    // as an accepted entry, TX included.
    QTest::newRow("left by a click") << false << QByteArray("00 00 00 14 00 00 56 14 75 03 75 03 02 11 01 4C");
    QTest::newRow("Enter") << true << QByteArray("00 00 00 14 00 00 00 14 75 03 75 03 02 11 01 4C");
}

void TestFrmChann::rejected_rx_of_an_existing_channel()
{
    QFETCH(bool, byEnter);
    QFETCH(QByteArray, record);
    open(3, ChannCol::RxFreq);
    retype(QStringLiteral("151"));
    if (byEnter)
        enter();
    else
        open(3, ChannCol::Number);
    QCOMPARE(recorder_->takeTexts(), QStringList{kRxMessage});
    QCOMPARE(RowHex(Edata, 2), record);
    QCOMPARE(RowHex(Edata, ChannNameRow(3)), QByteArray(kDuplexName));
    QCOMPARE(cell(3, ChannCol::RxFreq), QStringLiteral("140.00000"));
    QCOMPARE(cell(3, ChannCol::Name), QStringLiteral("AB1"));
}

void TestFrmChann::enter_on_a_receive_only_channel_makes_it_simplex()
{
    open(4, ChannCol::RxFreq);
    retype(QStringLiteral("146"));
    enter();
    QCOMPARE(RowHex(Edata, 3), QByteArray("00 00 60 14 00 00 60 14 75 03 FF FF 00 00 00 04"));
    QCOMPARE(RowHex(Edata, ChannNameRow(4)), QByteArray(kRxOnlyName));
    QCOMPARE(cell(4, ChannCol::TxFreq), QStringLiteral("146.00000"));
    QCOMPARE(cell(4, ChannCol::RxTone), QStringLiteral("88.5"));
    QCOMPARE(cell(4, ChannCol::Name), QStringLiteral("RX"));
}

void TestFrmChann::enter_without_typing_shows_the_tx_frequency_the_image_holds_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QString>("tx");
    // The receive-only channel gets its TX from the RX, in the image too.
    QTest::newRow("receive-only") << 4 << QByteArray("00 00 55 14 00 00 55 14 75 03 FF FF 00 00 00 04") << "145.50000";
    // The duplex channel is only passed through: it keeps its TX.
    QTest::newRow("duplex") << 3 << QByteArray(kDuplex) << "145.60000";
}

void TestFrmChann::enter_without_typing_shows_the_tx_frequency_the_image_holds()
{
    QFETCH(int, row);
    QFETCH(QByteArray, record);
    QFETCH(QString, tx);
    open(row, ChannCol::RxFreq);
    enter();
    QCOMPARE(RowHex(Edata, row - 1), record);
    QCOMPARE(cell(row, ChannCol::TxFreq), tx);
    const auto stored = [row](int b) { return static_cast<std::uint8_t>(Edata(row - 1, b)); };
    QCOMPARE(cell(row, ChannCol::TxFreq), BCDToFreq(stored(4), stored(5), stored(6), stored(7)));
    // The editor now stands over the TX cell; leaving it stores nothing more.
    QVERIFY(overCell(window_->Text_Edit));
    open(row + 2, ChannCol::Number);
    QCOMPARE(RowHex(Edata, row - 1), record);
    QCOMPARE(recorder_->count(), 0);
}

void TestFrmChann::rejected_tx_takes_the_low_limit_with_the_tone_off_data()
{
    QTest::addColumn<bool>("byEnter");
    QTest::newRow("left by a click") << false;
    QTest::newRow("Enter") << true;
}

void TestFrmChann::rejected_tx_takes_the_low_limit_with_the_tone_off()
{
    QFETCH(bool, byEnter);
    open(3, ChannCol::TxFreq);
    retype(QStringLiteral("300"));
    if (byEnter)
        enter();
    else
        open(3, ChannCol::Number);
    QCOMPARE(recorder_->takeTexts(), QStringList{kTxMessage});
    QCOMPARE(RowHex(Edata, 2), QByteArray("00 00 50 14 00 00 00 14 75 03 FF FF 02 11 01 4C"));
    QCOMPARE(cell(3, ChannCol::TxFreq), QStringLiteral("140.00000"));
    QCOMPARE(cell(3, ChannCol::TxTone), QStringLiteral("OFF"));
    if (byEnter)
        QCOMPARE(window_->MSF_Chann->col(), ChannCol::RxTone);
}

void TestFrmChann::tx_typed_before_rx_is_refused_data()
{
    QTest::addColumn<bool>("byEnter");
    QTest::newRow("left by a click") << false;
    QTest::newRow("Enter") << true;
}

void TestFrmChann::tx_typed_before_rx_is_refused()
{
    QFETCH(bool, byEnter);
    const MemoryImage before = Edata;
    open(6, ChannCol::TxFreq);
    retype(QStringLiteral("145"));
    if (byEnter)
        enter();
    else
        open(6, ChannCol::Number);
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Please input the receive frequency in advance.")});
    QVERIFY(Edata == before);
    QCOMPARE(cell(6, ChannCol::TxFreq), QString());
    QCOMPARE(cell(6, ChannCol::Band), QString());
}

void TestFrmChann::enter_in_an_empty_tx_cell_moves_to_a_band_cell_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("nextRow");
    QTest::newRow("the next row") << 6 << 7;
    QTest::newRow("the last row stays") << ChannCount << ChannCount;
}

void TestFrmChann::enter_in_an_empty_tx_cell_moves_to_a_band_cell()
{
    QFETCH(int, row);
    QFETCH(int, nextRow);
    open(row, ChannCol::TxFreq);
    enter();
    QCOMPARE(window_->MSF_Chann->row(), nextRow);
    QCOMPARE(window_->MSF_Chann->col(), ChannCol::Band);
    // The band cell's list is open over it.
    QVERIFY(overCell(window_->Combo_edit));
    QCOMPARE(window_->Combo_edit->items(), QStringList{"VHF/UHF"});
}

void TestFrmChann::name_is_stored_when_its_cell_is_left_not_on_enter()
{
    open(2, ChannCol::Name);
    retype(QStringLiteral("abcdefg"));
    enter();
    QVERIFY(window_->Text_Edit->isHidden());
    QCOMPARE(RowHex(Edata, ChannNameRow(2)).left(17), QByteArray("41 42 43 FF FF FF"));
    QCOMPARE(recorder_->count(), 0);

    open(2, ChannCol::Number);
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, QStringLiteral("The letter of channel name max 6 bit . "));
    QCOMPARE(shown.first().title, QStringLiteral("Operate Prompt"));
    QCOMPARE(RowHex(Edata, ChannNameRow(2)), QByteArray("41 42 43 44 45 46 FF FF FF FF FF FF FF FF FF FF"));
    QCOMPARE(cell(2, ChannCol::Name), QStringLiteral("ABCDEF"));
}

void TestFrmChann::click_whose_commit_shows_a_box_opens_the_clicked_cell()
{
    // The box opens on the press of the click on the TX cell; a modal box
    // takes the release, and the TX cell's editor must open all the same.
    open(3, ChannCol::RxFreq);
    retype(QStringLiteral("151"));
    KitDriver::PressCell(window_->MSF_Chann, 3, ChannCol::TxFreq);
    QCOMPARE(recorder_->takeTexts(), QStringList{kRxMessage});
    QCOMPARE(window_->MSF_Chann->col(), ChannCol::TxFreq);
    QVERIFY(overCell(window_->Text_Edit));
    QCOMPARE(window_->Text_Edit->text(), QStringLiteral("145.60000"));
    KitDriver::TypeText(window_->Text_Edit, QStringLiteral("5"));
    // The release that still arrives opens nothing again.
    KitDriver::ReleaseCell(window_->MSF_Chann, 3, ChannCol::TxFreq);
    QCOMPARE(window_->Text_Edit->text(), QStringLiteral("145.600005"));
    retype(QStringLiteral("146.5"));
    open(3, ChannCol::Number);
    QCOMPARE(RowHex(Edata, 2).left(23), QByteArray("00 00 00 14 00 00 65 14"));
}

void TestFrmChann::redraw_passing_a_band_cell_without_editor_erases_nothing()
{
    // The band cell of channel 1 reached with the arrow keys: no editor is
    // open over it, and the list editor's text is empty. Moving the current
    // cell by code must not commit it.
    open(2, ChannCol::Number);
    KitDriver::PressKey(window_->MSF_Chann, Qt::Key_Right);
    QCOMPARE(window_->MSF_Chann->col(), ChannCol::Band);
    QCOMPARE(window_->Combo_edit->text(), QString());

    window_->RedrawRows();

    QCOMPARE(RowHex(Edata, 1), QByteArray(kChannel1));
    QCOMPARE(RowHex(Edata, ChannNameRow(2)), QByteArray("41 42 43 FF FF FF FF FF FF FF FF FF FF FF FF FF"));
    QCOMPARE(cell(2, ChannCol::RxFreq), QStringLiteral("445.50000"));
}

void TestFrmChann::committed_cell_is_not_committed_again()
{
    open(2, ChannCol::Power);
    KitDriver::ChooseItem(window_->Combo_edit, 1);
    open(2, ChannCol::Width);                               // commits the power cell
    KitDriver::PressKey(window_->MSF_Chann, Qt::Key_Left);  // commits the width cell
    KitDriver::PressKey(window_->MSF_Chann, Qt::Key_Right);
    KitDriver::PressKey(window_->MSF_Chann, Qt::Key_Left);
    QCOMPARE(cell(2, ChannCol::Power), QStringLiteral("LOW"));
    QCOMPARE(cell(2, ChannCol::Width), QStringLiteral("N"));
    QCOMPARE(RowHex(Edata, 1), QByteArray("00 00 55 44 00 00 55 44 75 03 75 03 00 00 01 44"));
}

void TestFrmChann::band_list_left_open_acts_on_its_own_cell()
{
    open(2, ChannCol::Band);
    open(7, ChannCol::Number);  // commits the band cell; its list stays shown
    QVERIFY(window_->Combo_edit->isVisible());
    KitDriver::PressKey(window_->MSF_Chann, Qt::Key_Right);
    QCOMPARE(window_->MSF_Chann->row(), 7);
    QCOMPARE(window_->MSF_Chann->col(), ChannCol::Band);

    KitDriver::ChooseItem(window_->Combo_edit, 0);

    QCOMPARE(cell(7, ChannCol::Band), QString());
    QCOMPARE(RowHex(Edata, 6), RowHex(MemoryImage(), 0));
    QCOMPARE(RowHex(Edata, 1), QByteArray(kChannel1));
    QCOMPARE(cell(2, ChannCol::RxFreq), QStringLiteral("445.50000"));
}

void TestFrmChann::editor_left_open_over_a_newly_loaded_channel_is_dropped()
{
    // The RX editor of channel 2 (145 / 145.6 MHz) is left open; a ".dat"
    // file or a whole-image read then replaces the channel, and the window's
    // activation redraws it.
    open(3, ChannCol::RxFreq);
    QCOMPARE(window_->Text_Edit->text(), QStringLiteral("145.00000"));
    SetRow(Edata, 2, kChannel1);
    SetRow(Edata, ChannNameRow(3), "4E 45 57 FF FF FF");

    window_->RedrawRows();

    QCOMPARE(RowHex(Edata, 2), QByteArray(kChannel1));
    QCOMPARE(RowHex(Edata, ChannNameRow(3)).left(17), QByteArray("4E 45 57 FF FF FF"));
    QCOMPARE(cell(3, ChannCol::RxFreq), QStringLiteral("445.50000"));
    QVERIFY(window_->Text_Edit->isHidden());
    // The cell was left behind: a click elsewhere commits nothing either.
    open(5, ChannCol::Number);
    QCOMPARE(RowHex(Edata, 2), QByteArray(kChannel1));
}

void TestFrmChann::default_with_an_editor_open_gives_the_sample_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("typed");
    QTest::newRow("RX of sample channel 0") << 1 << int(ChannCol::RxFreq) << "146";
    QTest::newRow("RX of channel 10, left empty") << 11 << int(ChannCol::RxFreq) << "147";
    QTest::newRow("TX of sample channel 2") << 3 << int(ChannCol::TxFreq) << "146";
}

void TestFrmChann::default_with_an_editor_open_gives_the_sample()
{
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(QString, typed);
    MemoryImage samples = Edata;
    Channel_Defaults(samples);
    open(row, col);
    retype(typed);

    window_->Command_def->click();

    for (int r = 1; r <= ChannCount; ++r)
        QCOMPARE(RowHex(Edata, ChannRecRow(r)), RowHex(samples, ChannRecRow(r)));
    QVERIFY(window_->Text_Edit->isHidden());
    open(row + 1, ChannCol::Number);
    QCOMPARE(RowHex(Edata, ChannRecRow(row)), RowHex(samples, ChannRecRow(row)));
}

void TestFrmChann::clear_with_an_editor_open_stays_cleared_after_the_next_click()
{
    open(3, ChannCol::RxFreq);
    retype(QStringLiteral("146"));
    window_->Command_Clear->click();
    QVERIFY(RowHex(Edata, 2) == RowHex(MemoryImage(), 0));

    open(5, ChannCol::Number);

    QCOMPARE(RowHex(Edata, 2), RowHex(MemoryImage(), 0));
    QCOMPARE(cell(3, ChannCol::RxFreq), QString());
    QCOMPARE(cell(3, ChannCol::Band), QString());
    QVERIFY(window_->Text_Edit->isHidden());
}

void TestFrmChann::a_cell_only_clicked_through_changes_no_byte_data()
{
    QTest::addColumn<QByteArray>("main");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("col");
    struct Channel {
        const char* what;
        const char* main;
        const char* name;
    };
    // Channel 2, each with cells the grid shows blank or short of its bytes.
    const Channel channels[] = {
        {"duplex, a blank inside its name", kDuplex, "41 20 42 FF FF FF FF FF FF FF FF FF FF FF FF FF"},
        {"a name in the radio's codes for digits", kDuplex, "00 01 09 FF FF FF 00 11 22 33 44 55 66 77 88 99"},
        {"a name in the radio's codes for letters", kDuplex, "11 12 13 25 FF FF 00 11 22 33 44 55 66 77 88 99"},
        {"receive-only, TX bytes behind the blank cells", "00 00 55 14 FF 12 34 56 75 03 88 99 00 00 00 04",
         kRxOnlyName},
        {"tones and attributes without a text", "00 00 50 14 00 00 56 14 D3 00 00 90 0F FF 2F 04", kDuplexName},
        {"erased", "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF",
         "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF"},
    };
    for (const Channel& channel : channels) {
        for (int col = ChannCol::Band; col <= ChannCol::Name; ++col)
            QTest::addRow("%s, column %d", channel.what, col)
                << QByteArray(channel.main) << QByteArray(channel.name) << col;
    }
}

// A cell clicked and left for another without typing or choosing stores
// nothing, whatever it shows after the redraw of its row: blank for a name
// in the radio's own codes, a receive-only channel's TX or an erased
// channel, or a text that leaves bytes out.
void TestFrmChann::a_cell_only_clicked_through_changes_no_byte()
{
    QFETCH(QByteArray, main);
    QFETCH(QByteArray, name);
    QFETCH(int, col);
    SetRow(Edata, 2, main.constData());
    SetRow(Edata, ChannNameRow(3), name.constData());
    window_->RedrawRows();
    const MemoryImage before = Edata;
    QStringList shown;
    for (int c = 0; c < kChannCols; ++c)
        shown << cell(3, c);

    open(3, col);
    open(5, ChannCol::Number);

    QCOMPARE(RowHex(Edata, 2), main);
    QCOMPARE(RowHex(Edata, ChannNameRow(3)), name);
    for (int r = 0; r < kImageRows; ++r)
        QVERIFY2(Edata.row(r) == before.row(r), qPrintable(QStringLiteral("image row %1").arg(r)));
    for (int c = 0; c < kChannCols; ++c)
        QCOMPARE(cell(3, c), shown[c]);
    QVERIFY(window_->Text_Edit->isHidden());
    QCOMPARE(recorder_->count(), 0);
}

void TestFrmChann::enter_through_a_receive_only_tx_cell_changes_no_byte()
{
    const char* rxOnly = "00 00 55 14 FF 12 34 56 75 03 88 99 00 00 00 04";
    SetRow(Edata, 3, rxOnly);
    window_->RedrawRows();
    open(4, ChannCol::TxFreq);
    enter();
    QCOMPARE(window_->MSF_Chann->col(), ChannCol::RxTone);
    QCOMPARE(RowHex(Edata, 3), QByteArray(rxOnly));
    QCOMPARE(RowHex(Edata, ChannNameRow(4)), QByteArray(kRxOnlyName));
}

void TestFrmChann::a_typed_blank_name_erases_the_name_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("typed");
    QTest::newRow("a shown name deleted") << QByteArray("41 42 31 FF FF FF 00 11 22 33 44 55 66 77 88 99") << "";
    QTest::newRow("a blank typed over a name in the radio's codes")
        << QByteArray("11 12 13 FF FF FF 00 11 22 33 44 55 66 77 88 99") << " ";
}

void TestFrmChann::a_typed_blank_name_erases_the_name()
{
    QFETCH(QByteArray, name);
    QFETCH(QString, typed);
    SetRow(Edata, ChannNameRow(3), name.constData());
    window_->RedrawRows();
    open(3, ChannCol::Name);
    for (qsizetype n = window_->Text_Edit->text().size(); n > 0; --n)
        KitDriver::PressKey(window_->Text_Edit, Qt::Key_Backspace);
    KitDriver::TypeText(window_->Text_Edit, typed);

    open(5, ChannCol::Number);

    // Bytes 6 to 15 are not the name's.
    QCOMPARE(RowHex(Edata, ChannNameRow(3)), QByteArray("FF FF FF FF FF FF") + name.mid(17));
    QCOMPARE(RowHex(Edata, 2), QByteArray(kDuplex));
    QCOMPARE(cell(3, ChannCol::Name), QString());
}

void TestFrmChann::retyping_the_rx_still_makes_the_channel_simplex()
{
    open(3, ChannCol::RxFreq);
    retype(QStringLiteral("145"));
    open(5, ChannCol::Number);
    QCOMPARE(RowHex(Edata, 2).left(23), QByteArray("00 00 50 14 00 00 50 14"));
}

QTEST_MAIN(TestFrmChann)
#include "tst_frm_chann.moc"
