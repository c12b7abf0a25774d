// The options window's text boxes and VFO frames through the kit's event
// paths: typing, key filters, the stores on change, the checks when the
// focus leaves a box, and what the refresh shows (it stores nothing).

#include "options/ui/vfo_frame.h"
#include "platform/kit_focus.h"
#include "support/image_bytes.h"
#include "support/image_rows.h"
#include "support/kit_driver.h"
#include "support/opt_window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>

namespace {

const QString kRange = QStringLiteral("当前工作频率超出范围 ！");
const QString kLength = QStringLiteral("Over the range of  frequency .");
const QString kAniLength = QStringLiteral("ANI ID code length is 3 to 5 digit.");

// VFO A's default record: 136.02500 MHz, outside the channel editor's VHF
// band (140..150), shown and kept as it is.
const QString kDefaultA = QStringLiteral("1 3 6 0 2 5 0 0");

Bytes Digits(const QString& digits)
{
    Bytes bytes;
    for (const QString& d : digits.split(QLatin1Char(' ')))
        bytes << d.toInt();
    return bytes;
}

}  // namespace

class TestOptBoxes : public QObject, private OptWindowFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void message_line_typed_and_left_data();
    void message_line_typed_and_left();
    void message_box_refuses_keys_past_seven_characters();
    void code_box_refuses_every_key_at_sixteen_characters();
    void ani_typed_is_stored_and_closed_up_when_left();
    void ani_check_when_the_focus_leaves_data();
    void ani_check_when_the_focus_leaves();
    void refused_ani_is_checked_again_after_a_refresh();
    void defaults_show_their_codes_and_message();
    void code_row_with_holes_shows_closed_up_and_stays_until_typed();
    void pasted_code_keeps_its_text_and_stores_16();

    void frequency_key_filter_and_length_check();
    void frequency_checked_when_the_focus_leaves_data();
    void frequency_checked_when_the_focus_leaves();
    void frequency_at_the_top_stays_until_a_band_is_chosen();
    void low_limits_below_100_and_below_10();
    void default_records_show_as_they_are();
    void offset_of_ff_or_off_the_steps_and_offset_choice();
    void tone_choices_and_displays();
    void tone_list_edited_without_a_typed_character_keeps_the_stored_tone_data();
    void tone_list_edited_without_a_typed_character_keeps_the_stored_tone();
    void parameter_of_ff_shows_no_item_and_stays();
    void erased_record_shows_a_point_and_stays();
    void uhf_frequency_after_an_identification_stays_until_typed_over();

    void opening_the_ani_message_runs_no_vfo_check();
    void opening_the_range_message_runs_no_ani_check();
    void leaving_the_application_runs_no_check();
    void closing_the_window_checks_no_box_that_held_the_focus();

private:
    // Types into a box that holds the focus after emptying it, as a user who
    // selected its text would.
    void retype(KitText* box, const QString& text);
    // Moves the focus to a control, as a click on it would.
    void focusOn(QWidget* control);
    // Message boxes that really open and take the focus while shown.
    void openRealBoxes();
};

void TestOptBoxes::init()
{
    setUpOptions();
    loadWindow();
    QVERIFY(KitDriver::ShowActive(frame_));
}

void TestOptBoxes::cleanup()
{
    tearDownOptions();
}

void TestOptBoxes::retype(KitText* box, const QString& text)
{
    focusOn(box);
    box->setText(QString());
    KitDriver::TypeText(box, text);
}

void TestOptBoxes::focusOn(QWidget* control)
{
    control->setFocus();
}

void TestOptBoxes::openRealBoxes()
{
    recorder_->onShow = [this](const ShownMessage& shown) {
        QMessageBox box(QMessageBox::Warning, shown.title, shown.text, QMessageBox::Ok, frame_);
        QVERIFY(KitDriver::ShowActive(&box));
        box.close();
        KitDriver::Activate(frame_);
    };
}

void TestOptBoxes::message_line_typed_and_left_data()
{
    QTest::addColumn<bool>("lower");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("storedAfter");
    QTest::newRow("AB") << false << "AB"
                        << "20 20 41 42 20 20"
                        << "AB "
                        << "20 20 41 42 20 20";
    QTest::newRow("ABC") << false << "ABC"
                         << "20 41 42 43 20 20"
                         << "ABC "
                         << "20 41 42 43 20 20";
    QTest::newRow("HELLO") << false << "HELLO"
                           << "48 45 4C 4C 4F 20"
                           << "HELLO "
                           << "48 45 4C 4C 4F 20";
    QTest::newRow("seven keep six") << false << "ABCDEFG"
                                    << "41 42 43 44 45 46"
                                    << "ABCDEF"
                                    << "41 42 43 44 45 46";
    QTest::newRow("a+b on line 2") << true << "a+b"
                                   << "20 41 2B 42 20 20"
                                   << "A+B"
                                   << "20 41 2B 42 20 20";
    QTest::newRow("A B") << false << "A B"
                         << "20 41 0B 42 20 20"
                         << "AB "
                         << "20 20 41 42 20 20";
    QTest::newRow("empty") << true << ""
                           << "20 20 20 20 20 20"
                           << ""
                           << "20 20 20 20 20 20";
}

void TestOptBoxes::message_line_typed_and_left()
{
    QFETCH(bool, lower);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QFETCH(QString, storedAfter);
    KitText* box = lower ? window_->Text_PON_MSG_D : window_->Text_PON_MSG_U;
    const int first = lower ? 6 : 0;
    retype(box, typed);
    QCOMPARE(RowBytes(Edata, 236, first, 6), HexBytes(stored));
    focusOn(window_->Text_PttId_End);  // closes up and centres, then paints
    QCOMPARE(box->text(), shown);
    QCOMPARE(RowBytes(Edata, 236, first, 6), HexBytes(storedAfter));
    QCOMPARE(RowBytes(Edata, 236, 12, 4), Repeated(0xFF, 4));
}

void TestOptBoxes::message_box_refuses_keys_past_seven_characters()
{
    retype(window_->Text_PON_MSG_U, QStringLiteral("ABCDEFGH"));
    QCOMPARE(window_->Text_PON_MSG_U->text(), QStringLiteral("ABCDEFG"));
    KitDriver::PressKey(window_->Text_PON_MSG_U, Qt::Key_Backspace);
    QCOMPARE(window_->Text_PON_MSG_U->text(), QStringLiteral("ABCDEFG"));
    window_->Text_PON_MSG_U->findChild<QLineEdit*>()->setCursorPosition(0);
    KitDriver::PressKey(window_->Text_PON_MSG_U, Qt::Key_Delete);
    QCOMPARE(window_->Text_PON_MSG_U->text(), QStringLiteral("BCDEFG"));
    QCOMPARE(RowBytes(Edata, 236, 0, 6), HexBytes("42 43 44 45 46 47"));
}

void TestOptBoxes::code_box_refuses_every_key_at_sixteen_characters()
{
    KitText* box = window_->Text_PttId_Begin;
    retype(box, QStringLiteral("1234567890123456789"));
    QCOMPARE(box->text(), QStringLiteral("1234567890123456"));
    KitDriver::PressKey(box, Qt::Key_Backspace);
    QCOMPARE(box->text().size(), 16);
    box->findChild<QLineEdit*>()->setCursorPosition(0);
    KitDriver::PressKey(box, Qt::Key_Delete);
    QCOMPARE(box->text(), QStringLiteral("234567890123456"));
    QCOMPARE(RowBytes(Edata, 238), HexBytes("02 03 04 05 06 07 08 09 0A 01 02 03 04 05 06 FF"));
    // An empty code box is sixteen 0xFF.
    box->setText(QString());
    QCOMPARE(RowBytes(Edata, 238), Repeated(0xFF, 16));
}

void TestOptBoxes::ani_typed_is_stored_and_closed_up_when_left()
{
    retype(window_->Text_ANI, QStringLiteral("12A34"));
    QCOMPARE(RowBytes(Edata, 237), HexBytes("01 02 0D 03 04") + Repeated(0xFF, 11));
    retype(window_->Text_ANI, QStringLiteral("1 2"));
    QCOMPARE(RowBytes(Edata, 237), HexBytes("01 FF 02") + Repeated(0xFF, 13));
    focusOn(window_->Text_PttId_Begin);  // passes the check: three characters
    QCOMPARE(recorder_->count(), 0);
    QCOMPARE(window_->Text_ANI->text(), QStringLiteral("12"));
    QCOMPARE(RowBytes(Edata, 237), HexBytes("01 02") + Repeated(0xFF, 14));
    window_->Opt_Show();
    QCOMPARE(window_->Text_ANI->text(), QStringLiteral("12"));
    QCOMPARE(RowBytes(Edata, 237), HexBytes("01 02") + Repeated(0xFF, 14));
}

void TestOptBoxes::ani_check_when_the_focus_leaves_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    const QString range = QStringLiteral(" Available ANI ID code from 00000 to 99999. ");
    QTest::newRow("two digits") << "12" << kAniLength;
    QTest::newRow("six digits") << "123456" << kAniLength;
    QTest::newRow("empty") << "" << kAniLength;
    QTest::newRow("star") << "*23" << range;
    QTest::newRow("000") << "000" << range;
    QTest::newRow("00001") << "00001"
                           << "";
    QTest::newRow("9999") << "9999"
                          << "";
    QTest::newRow("12A") << "12A"
                         << "";
}

void TestOptBoxes::ani_check_when_the_focus_leaves()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    retype(window_->Text_ANI, typed);
    const MemoryImage typedImage = Edata;
    focusOn(window_->Text_PttId_Begin);
    const QStringList shown = recorder_->takeTexts();
    QCOMPARE(shown, message.isEmpty() ? QStringList{} : QStringList{message});
    // After a message the focus is back in the box; nothing is stored or undone.
    QCOMPARE(KitFocus::Current(), message.isEmpty() ? static_cast<KitControl*>(window_->Text_PttId_Begin)
                                                    : static_cast<KitControl*>(window_->Text_ANI));
    QCOMPARE(window_->Text_ANI->text(), typed);
    QVERIFY(Edata == typedImage);
}

void TestOptBoxes::refused_ani_is_checked_again_after_a_refresh()
{
    // A refresh of the window (its activation, a message box left) shows
    // the typed ANI again, which is still an edit: it is checked at every
    // leave until it passes.
    retype(window_->Text_ANI, QStringLiteral("12"));
    focusOn(window_->Text_PttId_Begin);
    QCOMPARE(recorder_->takeTexts(), QStringList{kAniLength});
    window_->Opt_Show();
    QCOMPARE(window_->Text_ANI->text(), QStringLiteral("12"));
    focusOn(window_->Text_PttId_Begin);
    QCOMPARE(recorder_->takeTexts(), QStringList{kAniLength});
    QCOMPARE(KitFocus::Current(), static_cast<KitControl*>(window_->Text_ANI));
}

void TestOptBoxes::defaults_show_their_codes_and_message()
{
    QCOMPARE(window_->Text_ANI->text(), QStringLiteral("8D8D8"));
    QCOMPARE(window_->Text_PttId_Begin->text(), QStringLiteral("12345"));
    QCOMPARE(window_->Text_PttId_End->text(), QStringLiteral("98765"));
    QCOMPARE(window_->Text_PON_MSG_U->text(), QStringLiteral("WELCOM"));
    QCOMPARE(window_->Text_PON_MSG_D->text(), QStringLiteral("QV6417"));
}

void TestOptBoxes::code_row_with_holes_shows_closed_up_and_stays_until_typed()
{
    SetRow(Edata, 239, "01 FF 02 20 03");  // as a file could hold it
    window_->Opt_Show();
    KitText* box = window_->Text_PttId_End;
    QCOMPARE(box->text(), QStringLiteral("123"));
    QCOMPARE(RowBytes(Edata, 239), HexBytes("01 FF 02 20 03") + Repeated(0xFF, 11));
    // Passed through, the box stores nothing.
    focusOn(box);
    focusOn(window_->Text_ANI);
    QCOMPARE(RowBytes(Edata, 239), HexBytes("01 FF 02 20 03") + Repeated(0xFF, 11));
    // Typed with a hole, it is closed up as it is left.
    retype(box, QStringLiteral("4 5"));
    QCOMPARE(RowBytes(Edata, 239), HexBytes("04 FF 05") + Repeated(0xFF, 13));
    focusOn(window_->Text_ANI);
    QCOMPARE(box->text(), QStringLiteral("45"));
    QCOMPARE(RowBytes(Edata, 239), HexBytes("04 05") + Repeated(0xFF, 14));
    QCOMPARE(recorder_->count(), 0);
}

void TestOptBoxes::pasted_code_keeps_its_text_and_stores_16()
{
    const QByteArray next = RowHex(Edata, 238);
    window_->Text_ANI->setText(QStringLiteral("12345678901234567890"));  // as a paste
    QCOMPARE(window_->Text_ANI->text(), QStringLiteral("12345678901234567890"));
    QCOMPARE(RowBytes(Edata, 237), HexBytes("01 02 03 04 05 06 07 08 09 0A 01 02 03 04 05 06"));
    QCOMPARE(RowHex(Edata, 238), next);
}

void TestOptBoxes::frequency_key_filter_and_length_check()
{
    KitText* box = window_->Frame_A->Text_Freq;
    retype(box, QStringLiteral(".145"));
    QCOMPARE(box->text(), QStringLiteral("145"));  // no point on an empty box
    retype(box, QStringLiteral("145.012501"));
    QCOMPARE(box->text(), QStringLiteral("145.01250"));  // no digit at nine characters
    QCOMPARE(recorder_->count(), 0);
    KitDriver::TypeText(box, QStringLiteral("."));
    QCOMPARE(recorder_->takeTexts(), QStringList{kLength});
    QCOMPARE(box->text(), QString());
    QCOMPARE(KitFocus::Current(), static_cast<KitControl*>(box));
    QCOMPARE(RowBytes(Edata, kVfoFreqRowA, 0, 8), Digits(kDefaultA));  // nothing stored
}

void TestOptBoxes::frequency_checked_when_the_focus_leaves_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<bool>("range");
    QTest::newRow("145.0125") << "145.0125"
                              << "145.01250"
                              << "1 4 5 0 1 2 5 0" << false;
    QTest::newRow("145.00625") << "145.00625"
                               << "145.00625"
                               << "1 4 5 0 0 6 2 5" << false;
    QTest::newRow("145.0137") << "145.0137"
                              << "145.01350"
                              << "1 4 5 0 1 3 5 0" << false;
    QTest::newRow("145") << "145"
                         << "145.00000"
                         << "1 4 5 0 0 0 0 0" << false;
    QTest::newRow("150 passes") << "150"
                                << "150.00000"
                                << "1 5 0 0 0 0 0 0" << false;
    QTest::newRow("150.00001") << "150.00001"
                               << "149.62500"
                               << "1 4 9 6 2 5 0 0" << true;
    QTest::newRow("139.9") << "139.9"
                           << "140.02500"
                           << "1 4 0 0 2 5 0 0" << true;
    QTest::newRow("empty") << ""
                           << "140.02500"
                           << "1 4 0 0 2 5 0 0" << true;
}

void TestOptBoxes::frequency_checked_when_the_focus_leaves()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, digits);
    QFETCH(bool, range);
    VfoFrame* a = window_->Frame_A;
    retype(a->Text_Freq, typed);
    focusOn(a->Combo_Offset);
    QCOMPARE(recorder_->takeTexts(), range ? QStringList{kRange} : QStringList{});
    QCOMPARE(a->Text_Freq->text(), shown);
    QCOMPARE(RowBytes(Edata, kVfoFreqRowA, 0, 8), Digits(digits));
    QCOMPARE(a->Combo_Band->listIndex(), kVfoBandVhf);
    QCOMPARE(KitFocus::Current(), range ? static_cast<KitControl*>(a->Text_Freq) : a->Combo_Offset);
}

void TestOptBoxes::frequency_at_the_top_stays_until_a_band_is_chosen()
{
    retype(window_->Frame_A->Text_Freq, QStringLiteral("150"));
    focusOn(window_->Frame_A->Combo_Offset);
    QCOMPARE(RowBytes(Edata, kVfoFreqRowA, 0, 8), Digits("1 5 0 0 0 0 0 0"));
    QCOMPARE(window_->Frame_A->Text_Range->text(), QStringLiteral("140 - 150.9950"));
    // The next load shows the band of the record and keeps its frequency.
    reloadWindow();
    QVERIFY(KitDriver::ShowActive(frame_));
    QCOMPARE(window_->Frame_A->Text_Freq->text(), QStringLiteral("150.00000"));
    QCOMPARE(RowBytes(Edata, kVfoFreqRowA, 0, 8), Digits("1 5 0 0 0 0 0 0"));
    // The user's band choice puts it at the band's low end.
    KitDriver::ChooseItem(window_->Frame_A->Combo_Band, kVfoBandVhf);
    QCOMPARE(window_->Frame_A->Text_Freq->text(), QStringLiteral("140.02500"));
    QCOMPARE(RowBytes(Edata, kVfoFreqRowA, 0, 8), Digits("1 4 0 0 2 5 0 0"));
    QCOMPARE(recorder_->count(), 0);
}

void TestOptBoxes::low_limits_below_100_and_below_10()
{
    // VFO B keeps its UHF band for a frequency without a VHF byte 0.
    BandUhfMin = 50;
    reloadWindow();
    QVERIFY(KitDriver::ShowActive(frame_));
    VfoFrame* b = window_->Frame_B;
    retype(b->Text_Freq, QStringLiteral("99.5"));
    focusOn(b->Combo_Offset);
    QCOMPARE(RowBytes(Edata, kVfoFreqRowB, 0, 8), Digits("0 9 9 5 0 0 0 0"));
    QCOMPARE(b->Text_Freq->text(), QStringLiteral("099.50000"));

    BandUhfMin = 1;
    reloadWindow();
    QVERIFY(KitDriver::ShowActive(frame_));
    b = window_->Frame_B;
    retype(b->Text_Freq, QStringLiteral("5.025"));
    focusOn(b->Combo_Offset);
    QCOMPARE(RowBytes(Edata, kVfoFreqRowB, 0, 8), Digits("0 0 5 0 2 5 0 0"));
    QCOMPARE(b->Text_Freq->text(), QStringLiteral("005.02500"));
    QCOMPARE(recorder_->count(), 0);
}

void TestOptBoxes::default_records_show_as_they_are()
{
    // Outside the channel editor's bands (140..150, 440..450), with offsets
    // off the 50 kHz steps of the list.
    QCOMPARE(window_->Frame_A->Text_Freq->text(), QStringLiteral("136.02500"));
    QCOMPARE(window_->Frame_B->Text_Freq->text(), QStringLiteral("470.62500"));
    QCOMPARE(RowBytes(Edata, kVfoFreqRowA, 0, 14), Digits("1 3 6 0 2 5 0 0 0 1 0 6 5 5"));
    QCOMPARE(RowBytes(Edata, kVfoFreqRowB, 0, 14), Digits("4 7 0 6 2 5 0 0 0 0 1 6 2 5"));
    QCOMPARE(window_->Frame_A->Combo_Offset->text(), QStringLiteral("10.655MHZ"));
    QCOMPARE(window_->Frame_A->Combo_Offset->listIndex(), -1);
    QCOMPARE(window_->Frame_B->Combo_Offset->text(), QStringLiteral("01.625MHZ"));
    QCOMPARE(window_->Frame_A->Text_Range->text(), QStringLiteral("140 - 150.9950"));
    QCOMPARE(window_->Frame_B->Text_Range->text(), QStringLiteral("440 - 450.9950"));
    QCOMPARE(window_->Frame_B->paramList(kVfoSignalCodeByte)->text(), QStringLiteral("15"));
    QCOMPARE(recorder_->count(), 0);
}

void TestOptBoxes::offset_of_ff_or_off_the_steps_and_offset_choice()
{
    VfoFrame* a = window_->Frame_A;
    SetRow(Edata, kVfoFreqRowA, "01 04 05 05 00 00 00 00 00 00 00 01 03 07");
    window_->Opt_Show();
    QCOMPARE(a->Combo_Offset->text(), QStringLiteral("00.137MHZ"));
    QCOMPARE(a->Combo_Offset->listIndex(), -1);
    QCOMPARE(RowBytes(Edata, kVfoFreqRowA, 8, 6), Digits("0 0 0 1 3 7"));
    for (int c = 8; c < 14; ++c)
        Edata(kVfoFreqRowA, c) = kErased;
    window_->Opt_Show();
    QCOMPARE(a->Combo_Offset->text(), QString());
    QCOMPARE(a->Combo_Offset->listIndex(), -1);
    QCOMPARE(RowBytes(Edata, kVfoFreqRowA, 8, 6), Repeated(kErased, 6));
    KitDriver::ChooseItem(a->Combo_Offset, 1);
    QCOMPARE(a->Combo_Offset->text(), QStringLiteral("00.050MHZ"));
    QCOMPARE(RowBytes(Edata, kVfoFreqRowA, 8, 6), Digits("0 0 0 0 5 0"));
}

void TestOptBoxes::tone_choices_and_displays()
{
    VfoFrame* b = window_->Frame_B;
    KitList* rx = b->Combo_r_ctdcs;
    const auto choose = [rx](const QString& item) {
        KitDriver::ChooseItem(rx, static_cast<int>(rx->items().indexOf(item)));
    };
    choose(QStringLiteral("88.5"));
    QCOMPARE(RowBytes(Edata, kVfoParamRowB, 0, 2), HexBytes("75 03"));
    choose(QStringLiteral("D023N"));
    QCOMPARE(RowBytes(Edata, kVfoParamRowB, 0, 2), HexBytes("01 00"));
    choose(QStringLiteral("OFF"));
    QCOMPARE(RowBytes(Edata, kVfoParamRowB, 0, 2), HexBytes("00 00"));
    // Typing into a tone list changes nothing.
    KitDriver::TypeText(rx, QStringLiteral("88.5"));
    QCOMPARE(rx->text(), QStringLiteral("OFF"));

    // A tone that is no item shows its text and stays.
    SetRow(Edata, kVfoParamRowB, "2A 03 D3 00 0E");
    window_->Opt_Show();
    QCOMPARE(rx->text(), QStringLiteral("81.0"));
    QCOMPARE(rx->listIndex(), -1);
    QCOMPARE(b->Combo_t_ctdcs->text(), QString());  // a DCS number past the list
    QCOMPARE(RowBytes(Edata, kVfoParamRowB, 0, 4), HexBytes("2A 03 D3 00"));
    // A 0xFF byte is off, shown as the text and kept: the item would
    // store 00 00.
    SetRow(Edata, kVfoParamRowB, "FF 00 FF FF 0E");
    window_->Opt_Show();
    QCOMPARE(rx->text(), QStringLiteral("OFF"));
    QCOMPARE(rx->listIndex(), -1);
    QCOMPARE(rx->findChild<QComboBox*>()->currentIndex(), -1);
    QCOMPARE(b->Combo_t_ctdcs->text(), QStringLiteral("OFF"));
    QCOMPARE(RowBytes(Edata, kVfoParamRowB, 0, 4), HexBytes("FF 00 FF FF"));
    choose(QStringLiteral("OFF"));
    QCOMPARE(RowBytes(Edata, kVfoParamRowB, 0, 4), HexBytes("00 00 FF FF"));
}

void TestOptBoxes::tone_list_edited_without_a_typed_character_keeps_the_stored_tone_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");

    const int none = Qt::NoModifier;
    const int ctrl = Qt::ControlModifier;
    QTest::newRow("Delete over a DCS item") << "01 00" << "D023N" << int(Qt::Key_Delete) << none;
    QTest::newRow("Delete over a CTCSS tone") << "75 03" << "88.5" << int(Qt::Key_Delete) << none;
    QTest::newRow("Delete over a tone that is no item") << "2A 03" << "81.0" << int(Qt::Key_Delete) << none;
    QTest::newRow("cut over OFF") << "00 00" << "OFF" << int(Qt::Key_X) << ctrl;
    QTest::newRow("undo over a CTCSS tone") << "75 03" << "88.5" << int(Qt::Key_Z) << ctrl;
}

// Keys that are no characters pass the key filter and edit the list's field;
// the field then shows the stored tone again, never one the image does not
// hold, and the bytes stay.
void TestOptBoxes::tone_list_edited_without_a_typed_character_keeps_the_stored_tone()
{
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QFETCH(int, key);
    QFETCH(int, modifiers);

    KitList* rx = window_->Frame_B->Combo_r_ctdcs;
    SetRow(Edata, kVfoParamRowB, stored.toLatin1().constData());
    window_->Opt_Show();
    QCOMPARE(rx->text(), shown);
    focusOn(rx);
    auto* field = rx->findChild<QLineEdit*>();
    QVERIFY(field != nullptr);
    field->selectAll();
    QTest::keyClick(field, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
    field->setCursorPosition(0);
    QTest::keyClick(field, Qt::Key_Delete);

    QCOMPARE(rx->text(), shown);
    QCOMPARE(RowBytes(Edata, kVfoParamRowB, 0, 2), HexBytes(stored));
}

void TestOptBoxes::parameter_of_ff_shows_no_item_and_stays()
{
    Edata(kVfoParamRowA, kVfoStepByte) = kErased;
    window_->Opt_Show();
    QCOMPARE(window_->Frame_A->paramList(kVfoStepByte)->text(), QString());
    QCOMPARE(window_->Frame_A->paramList(kVfoStepByte)->listIndex(), -1);
    QCOMPARE(int(Edata(kVfoParamRowA, kVfoStepByte)), kErased);
    KitDriver::ChooseItem(window_->Frame_A->paramList(kVfoStepByte), 4);
    QCOMPARE(int(Edata(kVfoParamRowA, kVfoStepByte)), 4);
    KitDriver::ChooseItem(window_->Frame_A->paramList(kVfoPowerByte), 1);
    QCOMPARE(int(Edata(kVfoParamRowA, kVfoPowerByte)), 1);
}

void TestOptBoxes::erased_record_shows_a_point_and_stays()
{
    Edata.fillRows(kVfoFreqRowB, kVfoFreqRowB, kErased);
    window_->Opt_Show();
    QCOMPARE(window_->Frame_B->Text_Freq->text(), QStringLiteral("."));
    QCOMPARE(window_->Frame_B->Combo_Band->text(), QStringLiteral("UHF"));
    // The first refresh of a load moves the band list: the band's limits and
    // range, and the record as it is.
    reloadWindow();
    QCOMPARE(window_->Frame_B->Text_Freq->text(), QStringLiteral("."));
    QCOMPARE(window_->Frame_B->Text_Range->text(), QStringLiteral("440 - 450.9950"));
    QCOMPARE(RowBytes(Edata, kVfoFreqRowB, 0, 16), Repeated(kErased, 16));
    QCOMPARE(recorder_->count(), 0);
}

void TestOptBoxes::uhf_frequency_after_an_identification_stays_until_typed_over()
{
    VfoFrame* a = window_->Frame_A;
    KitDriver::ChooseItem(a->Combo_Band, kVfoBandUhf);
    QCOMPARE(a->Text_Freq->text(), QStringLiteral("440.02500"));
    // What an identification leaves: the radio's limits, whatever the bands show.
    VhfMin = BandVhfMin = 136;
    VhfMax = BandVhfMax = 174;
    UhfMin = BandUhfMin = 400;
    UhfMax = BandUhfMax = 470;
    // Only passed through, the box shows what the record holds: nothing to
    // check, nothing stored.
    focusOn(a->Text_Freq);
    focusOn(a->Combo_Offset);
    QCOMPARE(recorder_->takeTexts(), QStringList());
    QCOMPARE(RowBytes(Edata, kVfoFreqRowA, 0, 8), Digits("4 4 0 0 2 5 0 0"));
    QCOMPARE(a->Combo_Band->listIndex(), kVfoBandUhf);
    // Typed, the UHF frequency is outside VFO A's working limits.
    retype(a->Text_Freq, QStringLiteral("440.025"));
    focusOn(a->Combo_Offset);
    QCOMPARE(recorder_->takeTexts(), QStringList{kRange});
    QCOMPARE(a->Text_Freq->text(), QStringLiteral("173.62500"));
    QCOMPARE(a->Combo_Band->listIndex(), kVfoBandVhf);
    QCOMPARE(a->Text_Range->text(), QStringLiteral("136 - 174.9950"));
    QCOMPARE(RowBytes(Edata, kVfoFreqRowA, 0, 8), Digits("1 7 3 6 2 5 0 0"));
}

void TestOptBoxes::opening_the_ani_message_runs_no_vfo_check()
{
    openRealBoxes();
    VfoFrame* a = window_->Frame_A;
    retype(window_->Text_ANI, QStringLiteral("12"));
    a->Text_Freq->setText(QStringLiteral("1"));  // would give the range message
    focusOn(a->Text_Freq);
    QCOMPARE(recorder_->takeTexts(), QStringList{kAniLength});
    QCOMPARE(KitFocus::Current(), static_cast<KitControl*>(window_->Text_ANI));
    QCOMPARE(a->Text_Freq->text(), QStringLiteral("1"));
    QCOMPARE(RowBytes(Edata, kVfoFreqRowA, 0, 8), Digits(kDefaultA));
}

void TestOptBoxes::opening_the_range_message_runs_no_ani_check()
{
    openRealBoxes();
    window_->Text_ANI->setText(QStringLiteral("12"));  // would give the length message
    VfoFrame* a = window_->Frame_A;
    retype(a->Text_Freq, QStringLiteral("1"));
    focusOn(window_->Text_ANI);
    QCOMPARE(recorder_->takeTexts(), QStringList{kRange});
    QCOMPARE(KitFocus::Current(), static_cast<KitControl*>(a->Text_Freq));
    QCOMPARE(a->Text_Freq->text(), QStringLiteral("140.02500"));
}

void TestOptBoxes::leaving_the_application_runs_no_check()
{
    retype(window_->Text_ANI, QStringLiteral("12"));
    KitDriver::Activate(nullptr);
    KitDriver::Activate(frame_);
    QCOMPARE(recorder_->count(), 0);
    window_->Text_ANI->setText(QStringLiteral("123"));
    retype(window_->Frame_A->Text_Freq, QStringLiteral("1"));
    KitDriver::Activate(nullptr);
    KitDriver::Activate(frame_);
    QCOMPARE(recorder_->count(), 0);
    QCOMPARE(window_->Frame_A->Text_Freq->text(), QStringLiteral("1"));
    QCOMPARE(KitFocus::Current(), static_cast<KitControl*>(window_->Frame_A->Text_Freq));
}

void TestOptBoxes::closing_the_window_checks_no_box_that_held_the_focus()
{
    // The focus leaves the ANI and frequency boxes as the window goes: the
    // window that is closing checks nothing and shows no message.
    retype(window_->Text_ANI, QStringLiteral("12"));
    window_->frameWidget()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(Windows::Find<frm_option>(), nullptr);
    loadWindow();
    QVERIFY(KitDriver::ShowActive(frame_));
    retype(window_->Frame_B->Text_Freq, QStringLiteral("1"));
    window_->frameWidget()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(recorder_->count(), 0);
    window_ = nullptr;
}

QTEST_MAIN(TestOptBoxes)
#include "tst_opt_boxes.moc"
