// The two-tone window's display and editing, through the kit's real event
// paths: its painting at load, the encode grid and its editor, the decode
// grid and its list, the tone boxes, the pages, and what becomes of an edit
// left open.

#include "core/language_texts.h"
#include "core/open_edits.h"
#include "core/shown_rows.h"
#include "core/two_tone_defaults.h"
#include "signalling/ui/frm_2tone.h"
#include "support/grid_rules.h"
#include "support/image_bytes.h"
#include "support/image_rows.h"
#include "support/kit_driver.h"
#include "support/message_recorder.h"
#include "support/test_frame.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QtTest>

namespace {

const QString kRange = QStringLiteral("Frequency range 300Hz to 3000Hz");

}  // namespace

class TestFrm2Tone : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void load_paints_the_defaults_and_changes_no_byte();
    void first_painting_shows_no_item_for_a_byte_past_its_list();
    void grids_show_every_row_without_scrolling();
    void option_choice_stores_its_index_and_keys_are_dropped();

    void encode_editor_opens_over_the_clicked_cell();
    void encode_commit_data();
    void encode_commit();
    void encode_range_message_data();
    void encode_range_message();
    void encode_text_emptied_with_delete_stores_00_00_without_a_message();
    void encode_editor_keys();
    void arrow_keys_with_the_editor_closed_change_no_byte();
    void click_on_a_row_number_or_the_header_commits_and_opens_nothing_data();
    void click_on_a_row_number_or_the_header_commits_and_opens_nothing();
    void refused_encode_commit_then_opens_the_clicked_cell();

    void tone_box_commit_data();
    void tone_box_commit();
    void refused_tone_gives_the_focus_back_to_its_box();
    void tone_box_takes_no_key_once_it_holds_seven_characters();

    void decode_click_shows_the_stored_value_and_stores_nothing();
    void decode_choice_of_16_shows_at_the_next_painting();
    void decode_click_selects_the_entry_and_its_tone_set();
    void decode_header_click_keeps_the_entry_and_a_tone_edit_goes_to_it();
    void decode_double_click_shows_what_the_image_holds();
    void typing_into_the_decode_list_changes_nothing();
    void leave_blanks_response_and_alert_beside_an_empty_pair_on_the_screen();
    void late_decode_choice_stores_nothing();

    void a_cell_only_clicked_through_changes_no_byte_data();
    void a_cell_only_clicked_through_changes_no_byte();
    void a_blank_cell_typed_into_or_chosen_from_stores_data();
    void a_blank_cell_typed_into_or_chosen_from_stores();

    void decode_tab_shows_entry_1_and_encode_tab_keeps_the_entry();
    void tab_click_drops_an_open_encode_edit();
    void encode_edit_left_open_over_default_is_dropped();
    void decode_list_left_open_over_default_is_dropped();
    void encode_edit_left_open_over_a_file_is_dropped();
    void area_a_file_replaced_shows_at_once_and_drops_the_edit_over_it();
    void decode_list_stays_over_its_own_choice_and_goes_with_its_replaced_entry();

private:
    void open(KitGrid* grid, int row, int col) { KitDriver::ClickCell(grid, row, col); }
    void retype(const QString& text);
    void typeTone(KitText* box, const QString& text);
    // Takes the focus from a tone box without moving the decode entry.
    void leaveTone() { KitDriver::ClickHeader(window_->MSF_Decode, 0); }
    void decodePage() { KitDriver::ClickTab(window_->TabStrip1, 2); }
    QString encodeCell(int row, int col) const { return window_->MSF_Encode->textMatrix(row, col); }
    QString decodeCell(int row, int col) const { return window_->MSF_Decode->textMatrix(row, col); }
    bool overCell(QWidget* editor, const KitGrid* grid) const;
    QStringList toneBoxes() const;

    std::unique_ptr<MessageRecorder> recorder_;
    TestFrame* frame_ = nullptr;
    frm_2tone* window_ = nullptr;
};

void TestFrm2Tone::init()
{
    recorder_ = std::make_unique<MessageRecorder>();
    LangChinese = 0;
    SetLanguageTexts();
    Edata.fill(kErased);
    TwoTone_Defaults();
    frame_ = Windows::Load<TestFrame>();
    QVERIFY(KitDriver::ShowActive(frame_));
    window_ = Windows::Load<frm_2tone>();
    QVERIFY(window_ != nullptr);
}

void TestFrm2Tone::cleanup()
{
    Windows::UnloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window_ = nullptr;
    frame_ = nullptr;
    QVERIFY(recorder_->verifyAllTaken());
    recorder_.reset();
}

void TestFrm2Tone::retype(const QString& text)
{
    QVERIFY(window_->Text_Encode->isVisible());
    window_->Text_Encode->setText(QString());
    KitDriver::TypeText(window_->Text_Encode, text);
}

void TestFrm2Tone::typeTone(KitText* box, const QString& text)
{
    box->setFocus();
    box->setText(QString());
    KitDriver::TypeText(box, text);
}

bool TestFrm2Tone::overCell(QWidget* editor, const KitGrid* grid) const
{
    return editor->isVisible() && editor->x() == grid->x() + grid->cellLeft()
           && editor->y() == grid->y() + grid->cellTop() && editor->width() == grid->cellWidth();
}

QStringList TestFrm2Tone::toneBoxes() const
{
    return {window_->Text_A->text(), window_->Text_B->text(), window_->Text_C->text(), window_->Text_D->text()};
}

// ---- Painting ------------------------------------------------------------------

void TestFrm2Tone::load_paints_the_defaults_and_changes_no_byte()
{
    const MemoryImage before = Edata;
    Windows::Unload(window_);
    window_ = Windows::Load<frm_2tone>();
    QVERIFY(Edata == before);

    for (KitList* list : {window_->Combo_Enc_ys1, window_->Combo_Enc_ys2, window_->Combo_enc_ys3})
        QCOMPARE(list->listCount(), 101);
    QCOMPARE(window_->Combo_Dec_Res_Time->listCount(), 80);
    QCOMPARE(window_->Combo_Enc_ys1->text(), QStringLiteral("600"));
    QCOMPARE(window_->Combo_Enc_ys2->text(), QStringLiteral("600"));
    QCOMPARE(window_->Combo_enc_ys3->text(), QStringLiteral("300"));
    QCOMPARE(window_->Combo_Dec_Res_Time->text(), QStringLiteral("6000"));

    QCOMPARE(encodeCell(1, 1), QStringLiteral("1981.0"));
    QCOMPARE(encodeCell(1, 2), QStringLiteral("1124.0"));
    for (int r = 1; r <= 15; ++r) {
        QCOMPARE(encodeCell(r, 0), QString::number(r));
        QCOMPARE(decodeCell(r, 0), QString::number(r));
        const bool shown = r <= 3 || r >= 12;
        QCOMPARE(encodeCell(r, 1).isEmpty(), !shown);
        QCOMPARE(encodeCell(r, 2).isEmpty(), !shown);
    }
    QCOMPARE(decodeCell(15, 1), QStringLiteral("D-A"));
    QCOMPARE(decodeCell(15, 12), QStringLiteral("1"));
    QCOMPARE(decodeCell(3, 2), QString());
    QCOMPARE(toneBoxes(), (QStringList{"1981.0", "1124.0", "1197.0", "1275.0"}));
    QCOMPARE(window_->decodeEntry(), 0);
    QVERIFY(window_->Text_Encode->isHidden());
    QVERIFY(window_->Combo_Decode->isHidden());
}

void TestFrm2Tone::first_painting_shows_no_item_for_a_byte_past_its_list()
{
    Windows::Unload(window_);
    SetRow(Edata, 735, "FF 65 64 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F");
    SetRow(Edata, 767, "50 11 12 13 14 15 16 17 18 19 1A 1B 1C 1D 1E 1F");
    window_ = Windows::Load<frm_2tone>();
    for (KitList* list : {window_->Combo_Enc_ys1, window_->Combo_Enc_ys2, window_->Combo_Dec_Res_Time}) {
        QCOMPARE(list->text(), QString());
        QCOMPARE(list->listIndex(), -1);
        QCOMPARE(list->findChild<QComboBox*>()->currentIndex(), -1);
    }
    QCOMPARE(window_->Combo_enc_ys3->text(), QStringLiteral("1000"));  // the last item, 0x64
    QCOMPARE(RowHex(Edata, 735), QByteArray("FF 65 64 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F"));
    QCOMPARE(RowHex(Edata, 767), QByteArray("50 11 12 13 14 15 16 17 18 19 1A 1B 1C 1D 1E 1F"));
}

void TestFrm2Tone::grids_show_every_row_without_scrolling()
{
    for (KitGrid* grid : {window_->MSF_Encode, window_->MSF_Decode}) {
        QVERIFY(grid->height() >= grid->fullHeight());
        QVERIFY(grid->geometry().bottom() < grid->parentWidget()->height());
    }
    QVERIFY(window_->MSF_Decode->height() >= TwipsToPixels(4000));
}

void TestFrm2Tone::option_choice_stores_its_index_and_keys_are_dropped()
{
    KitDriver::ChooseItem(window_->Combo_enc_ys3, 7);
    QCOMPARE(int(Edata(735, 2)), 7);
    decodePage();
    KitDriver::ChooseItem(window_->Combo_Dec_Res_Time, 0);
    QCOMPARE(int(Edata(767, 0)), 0);
    QCOMPARE(window_->Combo_Dec_Res_Time->text(), QStringLiteral("100"));
    KitDriver::TypeText(window_->Combo_Dec_Res_Time, QStringLiteral("8"));
    QCOMPARE(window_->Combo_Dec_Res_Time->text(), QStringLiteral("100"));
    QCOMPARE(int(Edata(767, 0)), 0);
    // Nothing is painted again: the grid keeps what it shows.
    QCOMPARE(encodeCell(1, 1), QStringLiteral("1981.0"));
}

// ---- Encode grid ---------------------------------------------------------------

void TestFrm2Tone::encode_editor_opens_over_the_clicked_cell()
{
    open(window_->MSF_Encode, 1, 2);
    QVERIFY(overCell(window_->Text_Encode, window_->MSF_Encode));
    QCOMPARE(window_->Text_Encode->height(), window_->MSF_Encode->cellHeight());
    QCOMPARE(window_->Text_Encode->text(), QStringLiteral("1124.0"));
    QVERIFY(window_->Text_Encode->isAncestorOf(QApplication::focusWidget()));
    open(window_->MSF_Encode, 5, 1);
    QVERIFY(overCell(window_->Text_Encode, window_->MSF_Encode));
    QCOMPARE(window_->Text_Encode->text(), QString());
    // Only clicked through: the old cell keeps its bytes.
    QCOMPARE(RowHex(Edata, 720).left(29), QByteArray("BD 07 FF FF FF FF FF FF 64 04"));
}

void TestFrm2Tone::encode_commit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("message");
    QTest::newRow("2999.5") << "2999.5" << QByteArray("B8 0B") << "3000.0" << false;
    QTest::newRow("300") << "300" << QByteArray("2C 01") << "300.0" << false;
    QTest::newRow("1124.5") << "1124.5" << QByteArray("65 04") << "1125.0" << false;
    QTest::newRow("3000.2") << "3000.2" << QByteArray("00 00") << "" << true;
    QTest::newRow("299.99") << "299.99" << QByteArray("00 00") << "" << true;
    QTest::newRow("a lone point") << "." << QByteArray("00 00") << "" << true;
    QTest::newRow("pasted 20 nines") << "99999999999999999999" << QByteArray("00 00") << "" << true;
}

void TestFrm2Tone::encode_commit()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, stored);
    QFETCH(QString, shown);
    QFETCH(bool, message);
    open(window_->MSF_Encode, 13, 2);
    if (text.startsWith(QLatin1String("999"))) {
        window_->Text_Encode->setText(text);  // pasted: no key filter
    } else {
        retype(text);
    }
    open(window_->MSF_Encode, 2, 1);
    QCOMPARE(recorder_->takeTexts(), message ? QStringList{kRange} : QStringList{});
    QCOMPARE(RowHex(Edata, 732).mid(24, 5), stored);
    QCOMPARE(RowHex(Edata, 732).left(5), QByteArray("24 04"));  // the first tone stays
    QCOMPARE(encodeCell(13, 2), shown);
    // The editor is open over the clicked cell.
    QVERIFY(overCell(window_->Text_Encode, window_->MSF_Encode));
    QCOMPARE(window_->Text_Encode->text(), QStringLiteral("1358.0"));
}

void TestFrm2Tone::encode_range_message_data()
{
    QTest::addColumn<int>("chinese");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::newRow("English") << 0 << kRange << "Operate Prompt\"";
    QTest::newRow("Chinese") << -1 << "频率范围在 300.0 HZ - 3000.0 HZ 之间  ！"
                             << "操作提示";
}

void TestFrm2Tone::encode_range_message()
{
    QFETCH(int, chinese);
    QFETCH(QString, text);
    QFETCH(QString, title);
    open(window_->MSF_Encode, 4, 1);
    retype(QStringLiteral("5"));
    LangChinese = chinese;
    open(window_->MSF_Encode, 4, 0);
    LangChinese = 0;
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text, text);
    QCOMPARE(shown[0].title, title);
    QCOMPARE(shown[0].message.icon, MessageIcon::Exclamation);
    QCOMPARE(RowHex(Edata, 723).left(5), QByteArray("00 00"));
}

void TestFrm2Tone::encode_text_emptied_with_delete_stores_00_00_without_a_message()
{
    open(window_->MSF_Encode, 1, 1);
    KitDriver::PressKey(window_->Text_Encode, Qt::Key_Home);
    for (int i = 0; i < 6; ++i)
        KitDriver::PressKey(window_->Text_Encode, Qt::Key_Delete);
    QCOMPARE(window_->Text_Encode->text(), QString());
    open(window_->MSF_Encode, 1, 0);
    QCOMPARE(recorder_->count(), 0);
    QCOMPARE(RowHex(Edata, 720).left(5), QByteArray("00 00"));
    QCOMPARE(encodeCell(1, 1), QString());
    QCOMPARE(RowHex(Edata, 720).mid(24, 5), QByteArray("64 04"));
}

void TestFrm2Tone::encode_editor_keys()
{
    open(window_->MSF_Encode, 6, 1);
    KitDriver::TypeText(window_->Text_Encode, QStringLiteral("1a2-3.4 5"));
    QCOMPARE(window_->Text_Encode->text(), QStringLiteral("123.45"));
    KitDriver::PressKey(window_->Text_Encode, Qt::Key_Backspace);
    QCOMPARE(window_->Text_Encode->text(), QStringLiteral("123.45"));
    // No length limit; Enter commits nothing.
    KitDriver::TypeText(window_->Text_Encode, QStringLiteral("6789012"));
    KitDriver::PressKey(window_->Text_Encode, Qt::Key_Return);
    QCOMPARE(window_->Text_Encode->text(), QStringLiteral("123.456789012"));
    QVERIFY(window_->Text_Encode->isVisible());
    QCOMPARE(RowHex(Edata, 725).left(5), QByteArray("FF FF"));
    window_->Text_Encode->setText(QStringLiteral("1500"));
    open(window_->MSF_Encode, 6, 0);
    QCOMPARE(RowHex(Edata, 725).left(5), QByteArray("DC 05"));
}

void TestFrm2Tone::arrow_keys_with_the_editor_closed_change_no_byte()
{
    const MemoryImage before = Edata;
    window_->MSF_Encode->setFocus();
    for (int key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Down, Qt::Key_Right})
        KitDriver::PressKey(window_->MSF_Encode, key);
    QCOMPARE(window_->MSF_Encode->row(), 3);
    QVERIFY(Edata == before);
    QVERIFY(window_->Text_Encode->isHidden());
    QCOMPARE(encodeCell(1, 1), QStringLiteral("1981.0"));
}

void TestFrm2Tone::click_on_a_row_number_or_the_header_commits_and_opens_nothing_data()
{
    QTest::addColumn<bool>("header");
    QTest::newRow("row number") << false;
    QTest::newRow("header") << true;
}

void TestFrm2Tone::click_on_a_row_number_or_the_header_commits_and_opens_nothing()
{
    QFETCH(bool, header);
    open(window_->MSF_Encode, 8, 2);
    retype(QStringLiteral("1500"));
    if (header)
        KitDriver::ClickHeader(window_->MSF_Encode, 1);
    else
        open(window_->MSF_Encode, 9, 0);
    QCOMPARE(RowHex(Edata, 727).mid(24, 5), QByteArray("DC 05"));
    QCOMPARE(encodeCell(8, 2), QStringLiteral("1500.0"));
    QVERIFY(window_->Text_Encode->isHidden());
    QCOMPARE(window_->MSF_Encode->row(), header ? 0 : 9);
    QCOMPARE(window_->MSF_Encode->col(), header ? 1 : 0);
}

void TestFrm2Tone::refused_encode_commit_then_opens_the_clicked_cell()
{
    open(window_->MSF_Encode, 2, 2);
    retype(QStringLiteral("4000"));
    open(window_->MSF_Encode, 3, 2);
    QCOMPARE(recorder_->takeTexts(), QStringList{kRange});
    QCOMPARE(RowHex(Edata, 721).mid(24, 5), QByteArray("00 00"));
    QCOMPARE(encodeCell(2, 2), QString());
    QVERIFY(overCell(window_->Text_Encode, window_->MSF_Encode));
    QCOMPARE(window_->Text_Encode->text(), QStringLiteral("1640.0"));
}

// ---- Tone boxes ----------------------------------------------------------------

void TestFrm2Tone::tone_box_commit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("frequency");  // row 752 bytes 0, 1
    QTest::addColumn<QByteArray>("period");     // row 752 bytes 8, 9
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("message");
    QTest::newRow("1124") << "1124" << QByteArray("64 04") << QByteArray("02 08") << "1124.0" << false;
    QTest::newRow("299.5") << "299.5" << QByteArray("2C 01") << QByteArray("00 1E") << "300.0" << false;
    QTest::newRow("3000.5") << "3000.5" << QByteArray("B8 0B") << QByteArray("00 03") << "3000.0" << false;
    QTest::newRow("1124.5") << "1124.5" << QByteArray("64 04") << QByteArray("02 08") << "1124.0" << false;
    QTest::newRow("2500.5 half to even") << "2500.5" << QByteArray("C4 09") << QByteArray("9A 03") << "2500.0" << false;
    QTest::newRow("2000") << "2000" << QByteArray("D0 07") << QByteArray("80 04") << "2000.0" << false;
    QTest::newRow("2400") << "2400" << QByteArray("60 09") << QByteArray("C0 03") << "2400.0" << false;
    QTest::newRow("3001.5") << "3001.5" << QByteArray("FF FF") << QByteArray("FF FF") << "" << true;
    QTest::newRow("0") << "0" << QByteArray("FF FF") << QByteArray("FF FF") << "" << true;
    QTest::newRow("empty") << "" << QByteArray("FF FF") << QByteArray("FF FF") << "" << false;
    QTest::newRow("pasted 20 nines") << "99999999999999999999" << QByteArray("FF FF") << QByteArray("FF FF") << ""
                                     << true;
}

void TestFrm2Tone::tone_box_commit()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, frequency);
    QFETCH(QByteArray, period);
    QFETCH(QString, shown);
    QFETCH(bool, message);
    decodePage();
    if (text.startsWith(QLatin1String("999"))) {
        window_->Text_A->setFocus();
        window_->Text_A->setText(text);  // pasted: no key filter
    } else {
        typeTone(window_->Text_A, text);
    }
    leaveTone();
    QCOMPARE(recorder_->takeTexts(), message ? QStringList{kRange} : QStringList{});
    QCOMPARE(RowHex(Edata, 752).left(5), frequency);
    QCOMPARE(RowHex(Edata, 752).mid(24, 5), period);
    QCOMPARE(window_->Text_A->text(), shown);
    // Tone B and the rest of the row stay.
    QCOMPARE(RowHex(Edata, 752).mid(6, 5), QByteArray("64 04"));
    QCOMPARE(RowHex(Edata, 752).mid(30, 5), QByteArray("02 08"));
}

void TestFrm2Tone::refused_tone_gives_the_focus_back_to_its_box()
{
    decodePage();
    typeTone(window_->Text_C, QStringLiteral("3001.5"));
    leaveTone();
    QCOMPARE(recorder_->takeTexts(), QStringList{kRange});
    QCOMPARE(window_->Text_C->text(), QString());
    QVERIFY(window_->Text_C->isAncestorOf(QApplication::focusWidget()));
    QCOMPARE(RowHex(Edata, 752).mid(12, 5), QByteArray("FF FF"));
    QCOMPARE(RowHex(Edata, 752).mid(36, 5), QByteArray("FF FF"));
    // Leaving the emptied box again asks nothing.
    leaveTone();
    QCOMPARE(recorder_->count(), 0);
}

void TestFrm2Tone::tone_box_takes_no_key_once_it_holds_seven_characters()
{
    decodePage();
    typeTone(window_->Text_B, QStringLiteral("1234.56"));
    KitDriver::TypeText(window_->Text_B, QStringLiteral("7"));
    KitDriver::PressKey(window_->Text_B, Qt::Key_Backspace);
    KitDriver::PressKey(window_->Text_B, Qt::Key_Return);
    QCOMPARE(window_->Text_B->text(), QStringLiteral("1234.56"));
    // Delete is no character and still removes one.
    KitDriver::PressKey(window_->Text_B, Qt::Key_Home);
    KitDriver::PressKey(window_->Text_B, Qt::Key_Delete);
    KitDriver::TypeText(window_->Text_B, QStringLiteral("9"));
    QCOMPARE(window_->Text_B->text(), QStringLiteral("9234.56"));
    KitDriver::TypeText(window_->Text_B, QStringLiteral("b"));  // letters never pass
    QCOMPARE(window_->Text_B->text(), QStringLiteral("9234.56"));
    leaveTone();
    QCOMPARE(recorder_->takeTexts(), QStringList{kRange});
}

// ---- Decode grid ---------------------------------------------------------------

void TestFrm2Tone::decode_click_shows_the_stored_value_and_stores_nothing()
{
    decodePage();
    Edata(737, 4) = 3;  // entry 2, decoder 2's response
    Edata(749, 11) = 16;
    window_->TwoTone_Show();
    const MemoryImage before = Edata;
    open(window_->MSF_Decode, 2, 5);
    QVERIFY(overCell(window_->Combo_Decode, window_->MSF_Decode));
    QCOMPARE(window_->Combo_Decode->text(), QStringLiteral("3.Alert+Transpond"));
    open(window_->MSF_Decode, 14, 12);
    QCOMPARE(window_->Combo_Decode->text(), QStringLiteral("16"));
    open(window_->MSF_Decode, 15, 10);
    QCOMPARE(window_->Combo_Decode->text(), QStringLiteral("A-B"));
    QCOMPARE(window_->Combo_Decode->listCount(), 12);
    QVERIFY(Edata == before);
    // A second click on the cell under its open list opens it again, and
    // stores nothing either, for a byte no item holds too.
    Edata(737, 4) = 7;
    window_->TwoTone_Show();
    const MemoryImage odd = Edata;
    open(window_->MSF_Decode, 2, 5);
    open(window_->MSF_Decode, 2, 5);
    QVERIFY(Edata == odd);
}

void TestFrm2Tone::decode_choice_of_16_shows_at_the_next_painting()
{
    decodePage();
    open(window_->MSF_Decode, 1, 6);
    KitDriver::ChooseItem(window_->Combo_Decode, 15);
    QCOMPARE(int(Edata(736, 5)), 0x10);
    open(window_->MSF_Decode, 1, 0);
    QCOMPARE(decodeCell(1, 6), QStringLiteral("16"));
    window_->TwoTone_Show();
    QCOMPARE(decodeCell(1, 6), QStringLiteral("16"));
}

void TestFrm2Tone::decode_click_selects_the_entry_and_its_tone_set()
{
    decodePage();
    SetRow(Edata, 754, "E8 03 D0 07 B8 0B FF FF");
    open(window_->MSF_Decode, 3, 0);
    QCOMPARE(window_->decodeEntry(), 2);
    QCOMPARE(window_->Frame_Dec_xx->title(), QStringLiteral("3 Decode 2 Tone Frequency"));
    QCOMPARE(toneBoxes(), (QStringList{"1000.0", "2000.0", "3000.0", ""}));
    QVERIFY(window_->Combo_Decode->isHidden());
    open(window_->MSF_Decode, 15, 4);
    QCOMPARE(window_->decodeEntry(), 14);
    QCOMPARE(toneBoxes(), (QStringList{"1400.0", "1530.0", "1670.0", "1830.0"}));
    LangChinese = -1;
    open(window_->MSF_Decode, 12, 0);
    LangChinese = 0;
    QCOMPARE(window_->Frame_Dec_xx->title(), QStringLiteral("12 解码信息两音频率"));
}

void TestFrm2Tone::decode_header_click_keeps_the_entry_and_a_tone_edit_goes_to_it()
{
    decodePage();
    open(window_->MSF_Decode, 2, 0);
    KitDriver::ClickHeader(window_->MSF_Decode, 4);
    QCOMPARE(window_->decodeEntry(), 1);
    QCOMPARE(window_->Frame_Dec_xx->title(), QStringLiteral("2 Decode 2 Tone Frequency"));
    QCOMPARE(window_->Text_A->text(), QStringLiteral("1358.0"));
    QCOMPARE(window_->MSF_Decode->row(), 0);
    typeTone(window_->Text_D, QStringLiteral("2000"));
    // The tone goes to the entry it was typed for, before the click moves on.
    open(window_->MSF_Decode, 9, 0);
    QCOMPARE(RowHex(Edata, 753).mid(18, 5), QByteArray("D0 07"));
    QCOMPARE(RowHex(Edata, 753).mid(42, 5), QByteArray("80 04"));
    QCOMPARE(RowHex(Edata, 760), RowHex(MemoryImage(), 0));
    QCOMPARE(window_->decodeEntry(), 8);
}

// The double click does nothing beyond its click: no row is blanked on the
// screen while the image holds it and Write sends it.
void TestFrm2Tone::decode_double_click_shows_what_the_image_holds()
{
    decodePage();
    SetRow(Edata, 740, "00 01 01 04 02 02 08 03 03 09 00 04");
    SetRow(Edata, 756, "E8 03");
    window_->TwoTone_Show();
    CheckDoubleClickOnRowNumberChangesNothing(window_->MSF_Decode, 5, *recorder_);
    QCOMPARE(RowTexts(window_->MSF_Decode, 5, 1, 12),
             (QStringList{"A-B", "1.Alert", "1", "B-C", "2.Transpond", "2", "C-D", "3.Alert+Transpond", "3", "D-A",
                          "0.None", "4"}));
    // Its click shows the entry's tone set.
    QCOMPARE(window_->Text_A->text(), QStringLiteral("1000.0"));
    QCOMPARE(window_->decodeEntry(), 4);
}

void TestFrm2Tone::typing_into_the_decode_list_changes_nothing()
{
    decodePage();
    open(window_->MSF_Decode, 1, 2);
    QCOMPARE(window_->Combo_Decode->text(), QStringLiteral("1.Alert"));
    const MemoryImage before = Edata;
    KitDriver::TypeText(window_->Combo_Decode, QStringLiteral("x9"));
    QCOMPARE(window_->Combo_Decode->text(), QStringLiteral("1.Alert"));
    open(window_->MSF_Decode, 1, 0);
    QCOMPARE(decodeCell(1, 2), QStringLiteral("1.Alert"));
    QVERIFY(Edata == before);
}

void TestFrm2Tone::leave_blanks_response_and_alert_beside_an_empty_pair_on_the_screen()
{
    decodePage();
    SetRow(Edata, 742, "FF 03 05");  // entry 7, decoder 1: no pair
    window_->TwoTone_Show();
    QCOMPARE(decodeCell(7, 2), QStringLiteral("3.Alert+Transpond"));
    window_->MSF_Decode->setFocus();
    window_->MSF_Decode->setRow(7);
    window_->MSF_Decode->setCol(2);
    KitDriver::PressKey(window_->MSF_Decode, Qt::Key_Right);
    KitDriver::PressKey(window_->MSF_Decode, Qt::Key_Right);
    QCOMPARE(decodeCell(7, 2), QString());
    QCOMPARE(decodeCell(7, 3), QString());
    QCOMPARE(RowHex(Edata, 742).left(8), QByteArray("FF 03 05"));
}

void TestFrm2Tone::late_decode_choice_stores_nothing()
{
    decodePage();
    open(window_->MSF_Decode, 4, 1);
    KitDriver::ClickHeader(window_->MSF_Decode, 0);
    QVERIFY(window_->Combo_Decode->isHidden());
    const MemoryImage before = Edata;
    // The current cell is (0, 0) now: a choice that still arrived there
    // would store into row 735, byte -1.
    window_->Combo_Decode->setListIndex(5);
    QVERIFY(Edata == before);
}

// ---- Cells only clicked through ---------------------------------------------------

namespace {

// Entry 9 of either grid, with words and values the grid shows blank or
// otherwise than they stand, and bytes beside them that carry no setting.
constexpr int kEntry = 9;
const char* const kErasedRow = "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF";
// First tone 8000 Hz, second 65280 Hz (00 FF).
const char* const kEncodeBeyond = "40 1F 12 34 56 78 9A BC 00 FF 12 34 56 78 9A BC";
// First tone 299 Hz, second 3001 Hz.
const char* const kEncodeJustOutside = "2B 01 12 34 56 78 9A BC B9 0B 12 34 56 78 9A BC";
// Decoder 1: A-B, response 7 (shown "0.None"), alert 0 (shown "0", no item
// of the list); decoder 2: pair 12, response 0xFF, alert 17 (all blank);
// decoder 3: D-C, 3, 16; decoder 4 erased.
const char* const kDecodeOutside = "00 07 00 0C FF 11 0B 03 10 FF FF FF AA BB CC DD";

int ImageRowOf(bool decode, int entry)
{
    return (decode ? 735 : 719) + entry;
}

}  // namespace

void TestFrm2Tone::a_cell_only_clicked_through_changes_no_byte_data()
{
    QTest::addColumn<bool>("decode");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("col");
    struct Entry {
        const char* what;
        bool decode;
        const char* bytes;
    };
    const Entry entries[] = {
        {"erased encode words", false, kErasedRow},
        {"encode words of 8000 and 65280 Hz", false, kEncodeBeyond},
        {"encode words of 299 and 3001 Hz", false, kEncodeJustOutside},
        {"erased decode entry", true, kErasedRow},
        {"decode values beyond their lists", true, kDecodeOutside},
    };
    for (const Entry& entry : entries) {
        const int cols = entry.decode ? 12 : 2;
        for (int col = 1; col <= cols; ++col)
            QTest::addRow("%s, column %d", entry.what, col) << entry.decode << QByteArray(entry.bytes) << col;
    }
}

// A cell clicked and left for another without typing or choosing stores
// nothing, whatever it shows: an erased or out-of-range tone shows blank,
// a decode value beyond its list blank or as another value.
void TestFrm2Tone::a_cell_only_clicked_through_changes_no_byte()
{
    QFETCH(bool, decode);
    QFETCH(QByteArray, bytes);
    QFETCH(int, col);
    KitGrid* grid = decode ? window_->MSF_Decode : window_->MSF_Encode;
    QWidget* editor = decode ? static_cast<QWidget*>(window_->Combo_Decode) : window_->Text_Encode;
    if (decode)
        decodePage();
    SetRow(Edata, ImageRowOf(decode, kEntry), bytes.constData());
    window_->TwoTone_Show();
    CheckClickThroughStoresNothing(
        grid, kEntry, col, [&] { return overCell(editor, grid); }, [&] { open(grid, 1, col); });
    QCOMPARE(RowHex(Edata, ImageRowOf(decode, kEntry)), bytes);
    QCOMPARE(recorder_->count(), 0);
}

void TestFrm2Tone::a_blank_cell_typed_into_or_chosen_from_stores_data()
{
    QTest::addColumn<bool>("decode");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("typed");  // encode: typed, then deleted when "emptied"
    QTest::addColumn<bool>("emptied");
    QTest::addColumn<int>("item");  // decode: the item chosen
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("cell");
    QTest::newRow("a tone typed over an erased word")
        << false << QByteArray(kErasedRow) << 2 << "1124" << false << -1
        << QByteArray("FF FF FF FF FF FF FF FF 64 04 FF FF FF FF FF FF") << "1124.0";
    QTest::newRow("a typed text deleted over 8000 Hz")
        << false << QByteArray(kEncodeBeyond) << 1 << "5" << true << -1
        << QByteArray("00 00 12 34 56 78 9A BC 00 FF 12 34 56 78 9A BC") << "";
    QTest::newRow("a pair chosen in an erased entry")
        << true << QByteArray(kErasedRow) << 1 << "" << false << 0
        << QByteArray("00 FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF") << "A-B";
    QTest::newRow("an alert chosen in an erased entry")
        << true << QByteArray(kErasedRow) << 12 << "" << false << 15
        << QByteArray("FF FF FF FF FF FF FF FF FF FF FF 10 FF FF FF FF") << "";
    QTest::newRow("0.None chosen over a response 7 shown as 0.None")
        << true << QByteArray(kDecodeOutside) << 2 << "" << false << 0
        << QByteArray("00 00 00 0C FF 11 0B 03 10 FF FF FF AA BB CC DD") << "0.None";
}

// Typing into an encode cell or choosing from a decode list still stores,
// also over a cell that showed blank or a value its bytes do not hold.
void TestFrm2Tone::a_blank_cell_typed_into_or_chosen_from_stores()
{
    QFETCH(bool, decode);
    QFETCH(QByteArray, bytes);
    QFETCH(int, col);
    QFETCH(QString, typed);
    QFETCH(bool, emptied);
    QFETCH(int, item);
    QFETCH(QByteArray, stored);
    QFETCH(QString, cell);
    KitGrid* grid = decode ? window_->MSF_Decode : window_->MSF_Encode;
    if (decode)
        decodePage();
    SetRow(Edata, ImageRowOf(decode, kEntry), bytes.constData());
    window_->TwoTone_Show();

    open(grid, kEntry, col);
    if (decode) {
        KitDriver::ChooseItem(window_->Combo_Decode, item);
    } else {
        KitDriver::TypeText(window_->Text_Encode, typed);
        if (emptied) {
            KitDriver::PressKey(window_->Text_Encode, Qt::Key_Home);
            for (qsizetype n = typed.size(); n > 0; --n)
                KitDriver::PressKey(window_->Text_Encode, Qt::Key_Delete);
        }
    }
    open(grid, kEntry, 0);

    QCOMPARE(RowHex(Edata, ImageRowOf(decode, kEntry)), stored);
    // An alert beside an empty pair shows nothing once left.
    QCOMPARE(grid->textMatrix(kEntry, col), cell);
    QCOMPARE(recorder_->count(), 0);
}

// ---- Pages and edits left open -------------------------------------------------

void TestFrm2Tone::decode_tab_shows_entry_1_and_encode_tab_keeps_the_entry()
{
    decodePage();
    QVERIFY(window_->Frame_Decode->isVisible());
    QVERIFY(window_->Frame_Encode->isHidden());
    open(window_->MSF_Decode, 5, 0);
    KitDriver::ClickTab(window_->TabStrip1, 1);
    QVERIFY(window_->Frame_Encode->isVisible());
    QVERIFY(window_->Frame_Decode->isHidden());
    QCOMPARE(window_->decodeEntry(), 4);
    decodePage();
    QCOMPARE(window_->decodeEntry(), 0);
    QCOMPARE(window_->Frame_Dec_xx->title(), QStringLiteral(" 1 Decode 2 Tone Frequency"));
    QCOMPARE(window_->Text_A->text(), QStringLiteral("1981.0"));
    // A click on the tab already selected runs the switch again.
    open(window_->MSF_Decode, 15, 0);
    decodePage();
    QCOMPARE(window_->decodeEntry(), 0);
}

void TestFrm2Tone::tab_click_drops_an_open_encode_edit()
{
    open(window_->MSF_Encode, 1, 1);
    retype(QStringLiteral("1500"));
    decodePage();
    QVERIFY(window_->Text_Encode->isHidden());
    KitDriver::ClickTab(window_->TabStrip1, 1);
    open(window_->MSF_Encode, 5, 0);
    QCOMPARE(RowHex(Edata, 720).left(5), QByteArray("BD 07"));
    QCOMPARE(encodeCell(1, 1), QStringLiteral("1981.0"));
}

void TestFrm2Tone::encode_edit_left_open_over_default_is_dropped()
{
    open(window_->MSF_Encode, 2, 1);
    retype(QStringLiteral("1500"));
    window_->Command_def->click();
    QVERIFY(window_->Text_Encode->isHidden());
    open(window_->MSF_Encode, 4, 0);
    QCOMPARE(RowHex(Edata, 721).left(5), QByteArray("4E 05"));
    QCOMPARE(encodeCell(2, 1), QStringLiteral("1358.0"));
    QCOMPARE(recorder_->count(), 0);
}

void TestFrm2Tone::decode_list_left_open_over_default_is_dropped()
{
    decodePage();
    open(window_->MSF_Decode, 1, 1);
    KitDriver::ChooseItem(window_->Combo_Decode, 11);
    window_->Command_def->click();
    QVERIFY(window_->Combo_Decode->isHidden());
    open(window_->MSF_Decode, 2, 0);
    QCOMPARE(decodeCell(1, 1), QStringLiteral("A-B"));
    QCOMPARE(int(Edata(736, 0)), 0);
}

void TestFrm2Tone::encode_edit_left_open_over_a_file_is_dropped()
{
    open(window_->MSF_Encode, 2, 1);
    retype(QStringLiteral("1500"));
    // As a ".dat" file or a whole-image read leaves the entry meanwhile; the
    // window does not repaint for it.
    SetRow(Edata, 721, "D0 07");
    open(window_->MSF_Encode, 4, 0);
    QCOMPARE(RowHex(Edata, 721).left(5), QByteArray("D0 07"));
    QVERIFY(window_->Text_Encode->isHidden());
    // Nor do Write, Save and the whole-image transfers commit it.
    open(window_->MSF_Encode, 3, 2);
    retype(QStringLiteral("1500"));
    SetRow(Edata, 722, "60 09 FF FF FF FF FF FF 60 09");
    QVERIFY(CommitOpenEdits());
    QCOMPARE(RowHex(Edata, 722).mid(24, 5), QByteArray("60 09"));
    QVERIFY(window_->Text_Encode->isHidden());
    // An editor whose entry nothing else changed still commits.
    open(window_->MSF_Encode, 3, 1);
    retype(QStringLiteral("1500"));
    QVERIFY(CommitOpenEdits());
    QCOMPARE(RowHex(Edata, 722).left(5), QByteArray("DC 05"));
    QCOMPARE(recorder_->count(), 0);
}

void TestFrm2Tone::area_a_file_replaced_shows_at_once_and_drops_the_edit_over_it()
{
    open(window_->MSF_Encode, 2, 1);
    retype(QStringLiteral("1500"));
    auto* other = Windows::Load<OtherChild>();
    // A ".dat" file or a whole-image read replaces entry 2 and tone set 1
    // while another window is the active one.
    CheckEditorDroppedByAReplacement(
        window_->MSF_Encode, window_->Text_Encode, 2, 1,
        [] {
            const RowsReplacement replacing({Area::Image});
            SetRow(Edata, 721, "D0 07");
            SetRow(Edata, 752, "E8 03");
        },
        [this] {
            Windows::BringForward(window_);
            decodePage();
        });
    QCOMPARE(encodeCell(2, 1), QStringLiteral("2000.0"));
    QCOMPARE(window_->Text_A->text(), QStringLiteral("1000.0"));

    // Back with nothing changed, an edit open: it stays open and stores.
    KitDriver::ClickTab(window_->TabStrip1, 1);
    open(window_->MSF_Encode, 3, 1);
    retype(QStringLiteral("1500"));
    Windows::BringForward(other);
    Windows::BringForward(window_);
    QVERIFY(window_->Text_Encode->isVisible());
    open(window_->MSF_Encode, 4, 0);
    QCOMPARE(RowHex(Edata, 722).left(5), QByteArray("DC 05"));
    QCOMPARE(recorder_->count(), 0);
}

void TestFrm2Tone::decode_list_stays_over_its_own_choice_and_goes_with_its_replaced_entry()
{
    decodePage();
    open(window_->MSF_Decode, 2, 1);
    KitDriver::ChooseItem(window_->Combo_Decode, 7);
    QCOMPARE(RowHex(Edata, 737).left(2), QByteArray("07"));
    // A replacement that leaves entry 2 as the choice left it: the list
    // stays, and its choice shows once the cell is left.
    {
        const RowsReplacement replacing({Area::Image});
        SetRow(Edata, 752, "E8 03");
    }
    QVERIFY(overCell(window_->Combo_Decode, window_->MSF_Decode));
    open(window_->MSF_Decode, 3, 1);
    QCOMPARE(decodeCell(2, 1), QStringLiteral("C-B"));

    // A replacement of entry 3 under the list with a choice made: the list
    // goes, and leaving the cell shows what the entry now holds.
    KitDriver::ChooseItem(window_->Combo_Decode, 11);
    {
        const RowsReplacement replacing({Area::Image});
        SetRow(Edata, 738, "02");
    }
    QVERIFY(window_->Combo_Decode->isHidden());
    open(window_->MSF_Decode, 4, 1);
    QCOMPARE(decodeCell(3, 1), QStringLiteral("A-D"));
    QCOMPARE(RowHex(Edata, 738).left(2), QByteArray("02"));
    QCOMPARE(recorder_->count(), 0);
}

QTEST_MAIN(TestFrm2Tone)
#include "tst_frm_2tone.moc"
