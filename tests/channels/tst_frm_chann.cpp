#include "channels/ui/frm_chann.h"
#include "core/model_bands.h"
#include "core/tone_list.h"
#include "support/image_rows.h"
#include "support/kit_driver.h"
#include "support/message_recorder.h"

#include <QtTest>

namespace {

// Channel 0 (grid row 1): 145.0125 MHz simplex, tones off, power byte 0x04.
constexpr const char* kChannel0 = "50 12 50 14 50 12 50 14 00 00 00 00 00 00 04 04";
// Channel 1 (grid row 2): 438.5 MHz simplex, 88.5 Hz both ways, narrow.
constexpr const char* kChannel1 = "00 00 85 43 00 00 85 43 75 03 75 03 00 00 00 44";

}  // namespace

class TestFrmChann : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitToneTables(); }
    void init();
    void cleanup();

    void load_shows_every_channel_and_resets_the_record_after_the_last();
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

    void redraw_passing_a_band_cell_without_editor_erases_nothing();
    void committed_cell_is_not_committed_again();
    void band_list_left_open_acts_on_its_own_cell();

private:
    void open(int row, int col) { KitDriver::ClickCell(window_->MSF_Chann, row, col); }
    QString cell(int row, int col) const { return window_->MSF_Chann->textMatrix(row, col); }
    bool overCell(QWidget* editor) const;

    MessageRecorder* recorder_ = nullptr;
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
    window_ = new frm_chann;
    window_->resize(1400, 700);
    window_->Form_Load();
    QVERIFY(KitDriver::ShowActive(window_));
    window_->Form_Activate();
}

void TestFrmChann::cleanup()
{
    delete window_;
    window_ = nullptr;
    QVERIFY(recorder_->verifyAllTaken());
    delete recorder_;
    recorder_ = nullptr;
}

bool TestFrmChann::overCell(QWidget* editor) const
{
    const KitGrid* grid = window_->MSF_Chann;
    return editor->isVisible() && editor->x() == grid->x() + grid->cellLeft() &&
           editor->y() == grid->y() + grid->cellTop() && editor->width() == grid->cellWidth();
}

void TestFrmChann::load_shows_every_channel_and_resets_the_record_after_the_last()
{
    delete window_;
    Edata.fill(kErased);
    SetRow(Edata, 200, "FF 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F");
    SetRow(Edata, 456, "41 42 43 44 45 46 00 00 00 00 00 00 00 00 00 00");
    window_ = new frm_chann;
    window_->Form_Load();
    QCOMPARE(RowHex(Edata, 200), RowHex(MemoryImage(), 0));
    QCOMPARE(RowHex(Edata, 456), RowHex(MemoryImage(), 0));
    QCOMPARE(window_->MSF_Chann->rows(), ChannCount + 2);
    window_->Form_Activate();
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
    frm_chann other;
    other.Form_Load();
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
    QTest::newRow("English") << 0 << "Channel Information" << "  Band  ";
    QTest::newRow("Chinese") << 1 << "信道参数编辑" << " 工作频段 ";
}

void TestFrmChann::captions_follow_the_language()
{
    QFETCH(int, chinese);
    QFETCH(QString, title);
    QFETCH(QString, bandHeader);
    LangChinese = chinese;
    frm_chann other;
    other.Form_Load();
    LangChinese = 0;
    QCOMPARE(other.windowTitle(), title);
    QCOMPARE(other.MSF_Chann->textMatrix(0, ChannCol::Band), bandHeader);
    QCOMPARE(other.MSF_Chann->cols(), kChannCols);
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
    window_->Form_Activate();
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
    QCOMPARE(cell(2, ChannCol::RxFreq), QStringLiteral("438.50000"));
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

void TestFrmChann::redraw_passing_a_band_cell_without_editor_erases_nothing()
{
    // The band cell of channel 1 reached with the arrow keys: no editor is
    // open over it, and the list editor's text is empty. Moving the current
    // cell by code must not commit it.
    open(2, ChannCol::Number);
    KitDriver::PressKey(window_->MSF_Chann, Qt::Key_Right);
    QCOMPARE(window_->MSF_Chann->col(), ChannCol::Band);
    QCOMPARE(window_->Combo_edit->text(), QString());

    window_->Form_Activate();

    QCOMPARE(RowHex(Edata, 1), QByteArray(kChannel1));
    QCOMPARE(RowHex(Edata, ChannNameRow(2)), QByteArray("41 42 43 FF FF FF FF FF FF FF FF FF FF FF FF FF"));
    QCOMPARE(cell(2, ChannCol::RxFreq), QStringLiteral("438.50000"));
}

void TestFrmChann::committed_cell_is_not_committed_again()
{
    open(2, ChannCol::Power);
    KitDriver::ChooseItem(window_->Combo_edit, 1);
    open(2, ChannCol::Width);                              // commits the power cell
    KitDriver::PressKey(window_->MSF_Chann, Qt::Key_Left);  // commits the width cell
    KitDriver::PressKey(window_->MSF_Chann, Qt::Key_Right);
    KitDriver::PressKey(window_->MSF_Chann, Qt::Key_Left);
    QCOMPARE(cell(2, ChannCol::Power), QStringLiteral("LOW"));
    QCOMPARE(cell(2, ChannCol::Width), QStringLiteral("N"));
    QCOMPARE(RowHex(Edata, 1), QByteArray("00 00 85 43 00 00 85 43 75 03 75 03 00 00 01 44"));
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
    QCOMPARE(cell(2, ChannCol::RxFreq), QStringLiteral("438.50000"));
}

QTEST_MAIN(TestFrmChann)
#include "tst_frm_chann.moc"
