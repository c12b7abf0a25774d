// The five-tone window as a child of the main window: its load, captions and
// placement, its painting through the controls, the standards page, the
// encode page with its in-cell editors, and the buttons Default, Open, Save
// and Close. Every control is driven through the kit's real event paths.

#include "core/five_tone_defaults.h"
#include "core/numbers.h"
#include "core/open_edits.h"
#include "core/shown_rows.h"
#include "core/ui/form_open_chann.h"
#include "core/ui/form_save_chann.h"
#include "link/link_state.h"
#include "link/transfer_engine.h"
#include "platform/geometry.h"
#include "platform/kit_button.h"
#include "platform/kit_grid.h"
#include "platform/kit_list.h"
#include "platform/kit_tab_strip.h"
#include "platform/kit_text.h"
#include "signalling/five_tone_area.h"
#include "signalling/ui/frm_5tone.h"
#include "support/grid_rules.h"
#include "support/image_bytes.h"
#include "support/image_rows.h"
#include "support/kit_driver.h"
#include "support/message_recorder.h"
#include "support/test_frame.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QProgressBar>
#include <QtTest>

namespace {

constexpr int kEncodeTab = 2;
const QString kDigitCount = QStringLiteral("Encode Digit is 5 Bits.");

MemoryImage DefaultImage()
{
    MemoryImage image;
    FiveTone_Defaults(image);
    return image;
}

void Tick(KitCheck* check)
{
    QTest::mouseClick(check->findChild<QCheckBox*>(), Qt::LeftButton);
}

}  // namespace

class TestFrm5Tone : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void captions_data();
    void captions();
    void placement_follows_the_main_window();
    void load_fills_the_lists_paints_the_defaults_and_changes_no_byte();
    void password_box_holds_the_preset_password();
    void painting_through_the_controls_keeps_every_byte_data();
    void painting_through_the_controls_keeps_every_byte();

    void period_cell_opens_the_periods_and_a_choice_is_stored_at_once();
    void second_click_on_a_chosen_cell_shows_the_choice_after_the_leave();
    void digit_choice_and_typing_into_the_open_list();
    void name_and_title_clicks_open_no_editor();
    void option_controls_store_at_once();

    void short_frame_is_refused_and_typing_goes_on_storing_in_its_cell();
    void small_letters_are_stored_and_painted_as_capitals();
    void sixth_digit_is_not_stored_and_seventh_not_typed();
    void leaving_a_code_whose_frame_1_is_empty_shows_the_code_the_image_holds_data();
    void leaving_a_code_whose_frame_1_is_empty_shows_the_code_the_image_holds();
    void double_click_on_a_code_shows_what_the_image_holds();
    void frame_only_clicked_through_lets_the_cell_move_on_and_stores_nothing_data();
    void frame_only_clicked_through_lets_the_cell_move_on_and_stores_nothing();
    void standard_cell_selects_the_stored_standard_or_none();
    void standard_chosen_before_a_page_switch_shows_in_its_cell();
    void page_switch_hides_the_encode_editors_and_keeps_the_standards_list();

    void default_restores_the_settings_and_drops_open_editors();
    void editors_left_open_over_codes_a_file_replaced_keep_the_new_frames();
    void open_and_save_show_their_dialogs_and_a_replaced_area_at_once();
    void close_unloads_and_a_new_load_paints_from_the_image();
    void closing_with_the_digit_editor_open_paints_nothing();

private:
    QString stdCell(int row, int col) const { return window_->MSF_Chann->textMatrix(row, col); }
    QString encCell(int row, int col) const { return window_->MSF_Encode->textMatrix(row, col); }
    // Encode row r's frames and standard as the grid shows them, and as a
    // painting of the image would.
    QStringList encRow(int r) const { return {encCell(r, 1), encCell(r, 2), encCell(r, 3), encCell(r, 4)}; }
    static QStringList paintedEncRow(int r);
    bool overCell(const KitGrid* grid, const QWidget* editor) const;
    void encodePage() { KitDriver::ClickTab(window_->TabStrip1, kEncodeTab); }
    void openEnc(int row, int col) { KitDriver::ClickCell(window_->MSF_Encode, row, col); }
    void typeDigits(const QString& text) { KitDriver::TypeText(window_->Text_Encode, text); }
    // The digit editor loses the focus: the window paints itself.
    void repaint();
    frm_5tone* reload();

    MessageRecorder* recorder_ = nullptr;
    TestFrame* frame_ = nullptr;
    frm_5tone* window_ = nullptr;
};

void TestFrm5Tone::init()
{
    recorder_ = new MessageRecorder;
    LangChinese = 0;
    Edata.fill(kErased);
    FiveTone_Defaults();
    frame_ = Windows::Load<TestFrame>();
    QVERIFY(KitDriver::ShowActive(frame_));
    window_ = Windows::Load<frm_5tone>();
    QVERIFY(window_ != nullptr);
}

void TestFrm5Tone::cleanup()
{
    Windows::UnloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window_ = nullptr;
    frame_ = nullptr;
    QVERIFY(recorder_->verifyAllTaken());
    delete recorder_;
    recorder_ = nullptr;
}

bool TestFrm5Tone::overCell(const KitGrid* grid, const QWidget* editor) const
{
    return editor->isVisible() && editor->parentWidget() == grid->parentWidget()
           && editor->x() == grid->x() + grid->cellLeft() && editor->y() == grid->y() + grid->cellTop()
           && editor->width() == grid->cellWidth();
}

void TestFrm5Tone::repaint()
{
    if (window_->TabStrip1->selectedIndex() != kEncodeTab)
        encodePage();
    openEnc(2, 1);
    QVERIFY(window_->Text_Encode->hasFocus());
    window_->Combo_Enc_ys1->setFocus();
}

QStringList TestFrm5Tone::paintedEncRow(int r)
{
    const FiveTonePainting p = FiveTone_Paint();
    return {p.encCell(r, 1), p.encCell(r, 2), p.encCell(r, 3), p.encCell(r, 4)};
}

frm_5tone* TestFrm5Tone::reload()
{
    Windows::Unload<frm_5tone>();
    window_ = Windows::Load<frm_5tone>();
    return window_;
}

void TestFrm5Tone::captions_data()
{
    QTest::addColumn<int>("chinese");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("English") << 0
                             << QStringList{"5 Tone Encode/Decode ",
                                            "Standard",
                                            "Encode",
                                            "5 TONE Standard Frequency",
                                            "Standard Name",
                                            "5 Tone Encode",
                                            "Delay 1 (MS) ",
                                            "Delay 2 (MS) ",
                                            "Delay 3 (MS) ",
                                            "First Digit Extend Length (MS)",
                                            "5 TONE Decode Call",
                                            "5 TONE Decode Disp",
                                            "5 TONE Decode Standard ",
                                            "Decode Reset Time(ms)",
                                            "1 frame",
                                            "3 frame",
                                            "2 frame",
                                            "Read",
                                            "Write",
                                            "Default",
                                            "Save",
                                            "Open",
                                            "Close",
                                            "PassWord",
                                            "Standard",
                                            " Repeat Tone ",
                                            " Code ",
                                            " Standard "};
    QTest::newRow("Chinese") << 1
                             << QStringList{"5音信令编解码参数编辑",
                                            "标准",
                                            "编解码",
                                            "5 TONE 标准频率",
                                            "标准名称",
                                            "5 TONE 编码",
                                            "发送第1组码前的延迟时间（MS）",
                                            "发送第2组码前的延迟时间（MS）",
                                            "发送第3组码前的延迟时间（MS）",
                                            "各组码第1个音的拓展时长（MS）",
                                            "5 TONE 解码呼叫帧",
                                            "5 TONE 解码显示帧",
                                            "5 TONE 解码使用标准",
                                            "解码复位时间（MS）",
                                            "第 1 帧",
                                            "第 3 帧",
                                            "第 2 帧",
                                            "读 取",
                                            "写  入",
                                            "默 认",
                                            "保  存",
                                            "打  开",
                                            "关  闭",
                                            "读写密码",
                                            " 5 TONE 标准",
                                            "重 复 码 ",
                                            " 信息码 ",
                                            "使用标准"};
}

void TestFrm5Tone::captions()
{
    QFETCH(int, chinese);
    QFETCH(QStringList, captions);
    LangChinese = chinese;
    reload();
    LangChinese = 0;
    const frm_5tone* w = window_;
    const QStringList shown{w->windowTitle(),
                            w->TabStrip1->tabCaption(1),
                            w->TabStrip1->tabCaption(2),
                            w->Frame_std->title(),
                            w->Label_std_name->text(),
                            w->Frame_Encode->title(),
                            w->Label_enc_ys1->text(),
                            w->Label_enc_ys2->text(),
                            w->Label_enc_ys3->text(),
                            w->Label_enc_ys4->text(),
                            w->Label_Decode_HJ->text(),
                            w->Label_Decode_Disp->text(),
                            w->Label_Decode_Std->text(),
                            w->Label_Reset_Time->text(),
                            w->Check_Decode_HJ[0]->caption(),
                            w->Check_Decode_HJ[2]->caption(),
                            w->Check_Decode_Disp[1]->caption(),
                            w->Command_read->caption(),
                            w->Command_Write->caption(),
                            w->Command_def->caption(),
                            w->Command_save->caption(),
                            w->Command_open->caption(),
                            w->Command_close->caption(),
                            w->Label_PassWord->text(),
                            w->MSF_Chann->textMatrix(0, 0),
                            w->MSF_Chann->textMatrix(0, 3),
                            w->MSF_Encode->textMatrix(0, 0),
                            w->MSF_Encode->textMatrix(0, 4)};
    QCOMPARE(shown, captions);
    QCOMPARE(w->TabStrip1->tabCount(), 2);
    QCOMPARE(w->MSF_Chann->cols(), 4);
    QCOMPARE(w->MSF_Encode->cols(), 5);
    QCOMPARE(w->MSF_Chann->colAlignment(2), Qt::AlignHCenter);
    QCOMPARE(w->Label_PassWord->buddy(), w->Text_PassWord);
    QCOMPARE(w->Label_enc_ys4->buddy(), w->Combo_Enc_ys4);
    QCOMPARE(w->Label_Reset_Time->buddy(), w->Combo_Dec_Res_Time);
}

void TestFrm5Tone::placement_follows_the_main_window()
{
    const double width = frame_->Width() / 1.3;
    const double height = frame_->Height() / 1.25;
    QCOMPARE(window_->Width(), PixelsToTwips(TwipsToPixels(width)));
    QCOMPARE(window_->Height(), PixelsToTwips(TwipsToPixels(height)));
    QCOMPARE(window_->Left(), PixelsToTwips(TwipsToPixels((frame_->ScaleWidth() - width) / 2)));
    QCOMPARE(window_->Top(), PixelsToTwips(TwipsToPixels((frame_->ScaleHeight() - height) / 2)));
    QCOMPARE(frame_->activeChild(), window_);

    const KitTabStrip* strip = window_->TabStrip1;
    QCOMPARE(strip->width(), TwipsToPixels(window_->ScaleWidth() / 1.03));
    const QRect std = window_->Frame_std->geometry();
    const QRect enc = window_->Frame_Encode->geometry();
    QCOMPARE(std.x(), TwipsToPixels(strip->ClientLeft()));
    QCOMPARE(std.y(), TwipsToPixels(strip->ClientTop() + 200));
    QCOMPARE(std.width(), TwipsToPixels(strip->ClientWidth()));
    QCOMPARE(std.height(), TwipsToPixels(6100));
    QCOMPARE(enc.topLeft(), std.topLeft());
    QCOMPARE(enc.width(), TwipsToPixels(strip->ClientWidth() - 2000));
    QCOMPARE(enc.height(), std.height());
    QCOMPARE(window_->MSF_Chann->width(), TwipsToPixels(strip->ClientWidth() / 1.8));
    QCOMPARE(window_->MSF_Encode->width(), TwipsToPixels((strip->ClientWidth() - 2000) / 1.76));
    // The pages lie inside the strip, the buttons below it.
    QVERIFY(strip->geometry().contains(std));
    QVERIFY(window_->Command_close->mapTo(window_, QPoint()).y() > strip->geometry().bottom());
    QVERIFY(window_->Command_close->isVisible());

    // The standards page is shown; every editor and the bar are hidden.
    QCOMPARE(strip->selectedIndex(), 1);
    QVERIFY(window_->Frame_std->isVisible());
    QVERIFY(window_->Frame_Encode->isHidden());
    QVERIFY(window_->Combo_edit->isHidden());
    QVERIFY(window_->Text_Encode->isHidden());
    QVERIFY(window_->Combo_Encode->isHidden());
    QVERIFY(window_->ProgressBar1->isHidden());
    QVERIFY(!window_->Reading() && !window_->Writing());
}

void TestFrm5Tone::load_fills_the_lists_paints_the_defaults_and_changes_no_byte()
{
    Windows::Unload<frm_5tone>();
    const MemoryImage before = Edata;
    window_ = Windows::Load<frm_5tone>();
    QVERIFY(Edata == before);

    QCOMPARE(window_->Combo_stxh->text(), QStringLiteral("CCIR1"));
    QCOMPARE(window_->Combo_stxh->listCount(), 15);
    const QStringList ccir1{"1981.0", "1124.0", "1197.0", "1275.0", "1358.0", "1446.0", "1540.0", "1640.0",
                            "1747.0", "1860.0", "2400.0", "930.0",  "2247.0", "991.0",  "2110.0", "1055.0"};
    for (int t = 0; t < 16; ++t) {
        QCOMPARE(window_->Label_freq[t]->text(), ccir1.at(t));
        QCOMPARE(window_->Label_code[t]->text(), QString::number(t, 16).toUpper());
    }
    QCOMPARE(window_->Combo_Enc_ys1->listCount(), 101);
    QCOMPARE(window_->Combo_Enc_ys4->list(100), QStringLiteral("1000"));
    QCOMPARE(window_->Combo_Dec_Res_Time->listCount(), 80);
    QCOMPARE(window_->Combo_Dec_Res_Time->list(0), QStringLiteral("100"));
    QCOMPARE(window_->Combo_Dec_Res_Time->list(79), QStringLiteral("8000"));
    QCOMPARE(window_->Combo_Encode->listCount(), 15);
    QCOMPARE(window_->Combo_Encode->listIndex(), -1);
    QCOMPARE(window_->Combo_Decode_Std->list(14), QStringLiteral("MODAT"));

    // The grids: names and numbers, then the defaults.
    QCOMPARE(window_->MSF_Chann->rows(), 16);
    QCOMPARE(stdCell(1, 0), QStringLiteral("CCIR1"));
    QCOMPARE(stdCell(15, 0), QStringLiteral("MODAT"));
    QCOMPARE(encCell(1, 0), QStringLiteral("1"));
    QCOMPARE(encCell(15, 0), QStringLiteral("15"));
    QCOMPARE(stdCell(1, 1), QStringLiteral("100"));
    QCOMPARE(stdCell(11, 1), QStringLiteral("30"));
    QCOMPARE(stdCell(7, 2), QStringLiteral("A"));
    QCOMPARE(stdCell(7, 3), QStringLiteral("E"));
    QCOMPARE(encCell(1, 2), QStringLiteral("34567"));
    QCOMPARE(encCell(1, 4), QStringLiteral("CCIR1"));
    QCOMPARE(encCell(8, 3), QStringLiteral("     "));
    QCOMPARE(encCell(8, 4), QString());
    QCOMPARE(encCell(15, 3), QStringLiteral("67890"));
    // The options.
    QCOMPARE(window_->Combo_Enc_ys1->text(), QStringLiteral("200"));
    QCOMPARE(window_->Combo_Enc_ys4->text(), QStringLiteral("0"));
    QCOMPARE(window_->Combo_Decode_Std->text(), QStringLiteral("CCIR1"));
    QCOMPARE(window_->Combo_Dec_Res_Time->text(), QStringLiteral("6000"));
    QCOMPARE(window_->Check_Decode_HJ[0]->value(), 1);
    QCOMPARE(window_->Check_Decode_HJ[1]->value(), 0);
    QCOMPARE(window_->Check_Decode_Disp[0]->value(), 0);
    QCOMPARE(window_->Check_Decode_Disp[2]->value(), 1);
}

void TestFrm5Tone::password_box_holds_the_preset_password()
{
    reload();
    QCOMPARE(window_->Text_PassWord->text(), QStringLiteral("583920"));
    QCOMPARE(window_->Text_PassWord->displayText(), QStringLiteral("******"));
}

void TestFrm5Tone::painting_through_the_controls_keeps_every_byte_data()
{
    QTest::addColumn<QString>("optionRow");
    QTest::addColumn<QList<int>>("calls");
    QTest::addColumn<QList<int>>("displays");
    QTest::addColumn<bool>("erasedSettings");
    // Each painting follows one that had every list's item selected.
    QTest::newRow("the defaults") << "14 14 14 00 FF FF FF FF 00 01 06 3B FF FF FF FF" << QList<int>{1, 0, 0}
                                  << QList<int>{0, 1, 1} << false;
    QTest::newRow("mask bits above 2 are kept")
        << "14 14 14 00 FF FF FF FF 00 FD 06 3B FF FF FF FF" << QList<int>{1, 0, 1} << QList<int>{0, 1, 1} << false;
    // An unprogrammed radio: the lists show no item and store nothing.
    QTest::newRow("settings all 0xFF") << "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF" << QList<int>{1, 1, 1}
                                       << QList<int>{1, 1, 1} << true;
    QTest::newRow("option bytes just outside their lists")
        << "65 64 00 63 FF FF FF FF 0F 00 00 50 FF FF FF FF" << QList<int>{0, 0, 0} << QList<int>{0, 0, 0} << false;
}

void TestFrm5Tone::painting_through_the_controls_keeps_every_byte()
{
    QFETCH(QString, optionRow);
    QFETCH(QList<int>, calls);
    QFETCH(QList<int>, displays);
    QFETCH(bool, erasedSettings);
    if (erasedSettings)
        Edata.fillRows(576, 607, kErased);
    const Bytes opt = HexBytes(optionRow);
    for (int c = 0; c < 16; ++c)
        Edata(607, c) = static_cast<std::int16_t>(opt.at(c));
    const MemoryImage before = Edata;
    repaint();
    QVERIFY(Edata == before);

    const auto shown = [](const std::array<KitCheck*, 3>& checks) {
        return QList<int>{checks[0]->value(), checks[1]->value(), checks[2]->value()};
    };
    QCOMPARE(shown(window_->Check_Decode_HJ), calls);
    QCOMPARE(shown(window_->Check_Decode_Disp), displays);
    const std::array<KitList*, 6> lists{window_->Combo_Enc_ys1, window_->Combo_Enc_ys2,    window_->Combo_enc_ys3,
                                        window_->Combo_Enc_ys4, window_->Combo_Decode_Std, window_->Combo_Dec_Res_Time};
    const std::array<int, 6> bytes{0, 1, 2, 3, 8, 11};
    const std::array<int, 6> counts{101, 101, 101, 101, 15, 80};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(lists[i]->listIndex(), opt.at(bytes[i]) < counts[i] ? opt.at(bytes[i]) : -1);
    if (erasedSettings) {
        QCOMPARE(stdCell(1, 1), QStringLiteral("2570"));
        QCOMPARE(encCell(1, 1), QStringLiteral("     "));
        QCOMPARE(encCell(15, 4), QString());
    }

    // A list that shows no item stores as usual once an item is chosen.
    KitDriver::ChooseItem(window_->Combo_Enc_ys2, 7);
    QCOMPARE(static_cast<int>(Edata(607, 1)), 7);
}

void TestFrm5Tone::period_cell_opens_the_periods_and_a_choice_is_stored_at_once()
{
    const MemoryImage before = Edata;
    KitDriver::ClickCell(window_->MSF_Chann, 4, 1);  // "ZVEI1"
    QCOMPARE(window_->Combo_stxh->text(), QStringLiteral("ZVEI1"));
    QCOMPARE(window_->Label_freq[0]->text(), QStringLiteral("2400.0"));
    QCOMPARE(window_->Label_freq[15]->text(), QStringLiteral("680.0"));
    QVERIFY(overCell(window_->MSF_Chann, window_->Combo_edit));
    QVERIFY(window_->Combo_edit->hasFocus());
    QCOMPARE(window_->Combo_edit->items(), FiveTonePeriodItems());
    QCOMPARE(window_->Combo_edit->text(), QStringLiteral("70"));
    QCOMPARE(window_->Combo_edit->listIndex(), -1);
    QVERIFY(Edata == before);

    KitDriver::ChooseItem(window_->Combo_edit, 18);  // "200"
    QCOMPARE(static_cast<int>(Edata(579, 0)), 18);
    KitDriver::ClickCell(window_->MSF_Chann, 5, 2);
    QCOMPARE(stdCell(4, 1), QStringLiteral("200"));
    QVERIFY(overCell(window_->MSF_Chann, window_->Combo_edit));
    QCOMPARE(window_->Combo_edit->listCount(), 16);
    QCOMPARE(window_->Combo_stxh->text(), QStringLiteral("ZVEI2"));
    Edata(579, 0) = before(579, 0);
    QVERIFY(Edata == before);
}

void TestFrm5Tone::second_click_on_a_chosen_cell_shows_the_choice_after_the_leave()
{
    KitDriver::ClickCell(window_->MSF_Chann, 4, 1);
    KitDriver::ChooseItem(window_->Combo_edit, 18);
    // Opened again over its cell, the list shows the choice and stores nothing.
    Edata(579, 0) = 17;
    KitDriver::ClickCell(window_->MSF_Chann, 4, 1);
    QCOMPARE(window_->Combo_edit->text(), QStringLiteral("200"));
    QCOMPARE(window_->Combo_edit->listIndex(), -1);
    QCOMPARE(static_cast<int>(Edata(579, 0)), 17);
    Edata(579, 0) = 18;
    KitDriver::ClickCell(window_->MSF_Chann, 1, 1);
    QCOMPARE(stdCell(4, 1), QStringLiteral("200"));
}

void TestFrm5Tone::digit_choice_and_typing_into_the_open_list()
{
    const MemoryImage before = Edata;
    KitDriver::ClickCell(window_->MSF_Chann, 2, 3);
    QCOMPARE(window_->Combo_edit->text(), QStringLiteral("E"));
    KitDriver::TypeText(window_->Combo_edit, QStringLiteral("5F"));
    QCOMPARE(window_->Combo_edit->text(), QStringLiteral("E"));
    QVERIFY(Edata == before);
    KitDriver::ChooseItem(window_->Combo_edit, 15);  // "F"
    QCOMPARE(static_cast<int>(Edata(577, 2)), 15);
    QCOMPARE(static_cast<int>(Edata(577, 1)), 10);
}

void TestFrm5Tone::name_and_title_clicks_open_no_editor()
{
    KitDriver::ClickCell(window_->MSF_Chann, 4, 1);
    KitDriver::ClickCell(window_->MSF_Chann, 12, 0);  // "EURO"
    QVERIFY(window_->Combo_edit->isHidden());
    QCOMPARE(stdCell(4, 1), QStringLiteral("70"));
    QCOMPARE(window_->Combo_stxh->text(), QStringLiteral("EURO"));
    QStringList euro;
    for (QLabel* label : window_->Label_freq)
        euro << label->text();
    QCOMPARE(euro, QStringList({"979.8", "903.1", "832.5", "767.4", "707.4", "652.0", "601.0", "554.0", "510.7",
                                "470.8", "0.0", "0.0", "0.0", "0.0", "1062.9", "0.0"}));

    KitDriver::ClickHeader(window_->MSF_Chann, 2);
    QVERIFY(window_->Combo_edit->isHidden());
    QCOMPARE(window_->Combo_stxh->text(), QStringLiteral("EURO"));
    QCOMPARE(window_->MSF_Chann->row(), 12);
}

void TestFrm5Tone::option_controls_store_at_once()
{
    encodePage();
    Edata(607, 9) = 5;  // as a file opened meanwhile would leave it
    Tick(window_->Check_Decode_HJ[1]);
    QCOMPARE(static_cast<int>(Edata(607, 9)), 7);
    Tick(window_->Check_Decode_Disp[0]);
    QCOMPARE(static_cast<int>(Edata(607, 10)), 7);
    Edata(607, 10) = 6;
    Tick(window_->Check_Decode_Disp[0]);
    QCOMPARE(window_->Check_Decode_Disp[0]->value(), 0);
    QCOMPARE(static_cast<int>(Edata(607, 10)), 6);

    KitDriver::ChooseItem(window_->Combo_enc_ys3, 100);
    KitDriver::ChooseItem(window_->Combo_Enc_ys4, 3);
    KitDriver::ChooseItem(window_->Combo_Decode_Std, 14);
    KitDriver::ChooseItem(window_->Combo_Dec_Res_Time, 79);
    QCOMPARE(RowBytes(Edata, 607, 0, 4), HexBytes("14 14 64 03"));
    QCOMPARE(static_cast<int>(Edata(607, 8)), 14);
    QCOMPARE(static_cast<int>(Edata(607, 11)), 79);
    KitDriver::TypeText(window_->Combo_Decode_Std, QStringLiteral("C"));
    QCOMPARE(window_->Combo_Decode_Std->text(), QStringLiteral("MODAT"));
    QCOMPARE(static_cast<int>(Edata(607, 8)), 14);
}

void TestFrm5Tone::short_frame_is_refused_and_typing_goes_on_storing_in_its_cell()
{
    encodePage();
    openEnc(3, 1);
    QVERIFY(overCell(window_->MSF_Encode, window_->Text_Encode));
    QCOMPARE(window_->Text_Encode->height(), window_->MSF_Encode->cellHeight());
    QVERIFY(window_->Text_Encode->hasFocus());
    typeDigits(QStringLiteral("12"));
    QCOMPARE(RowBytes(Edata, 594), HexBytes("01 02 FF FF FF FF FF FF FF FF FF FF FF FF FF FF"));

    // Another click: the message, and the editor stays with its cell current.
    openEnc(5, 2);
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, kDigitCount);
    QCOMPARE(shown.first().title, QStringLiteral("Operate Prompt\""));
    QCOMPARE(shown.first().message.icon, MessageIcon::Exclamation);
    QCOMPARE(window_->MSF_Encode->row(), 3);
    QCOMPARE(window_->MSF_Encode->col(), 1);
    QVERIFY(overCell(window_->MSF_Encode, window_->Text_Encode));
    QVERIFY(window_->Text_Encode->hasFocus());
    QCOMPARE(TrimBlanks(window_->Text_Encode->text()), QStringLiteral("12"));
    QVERIFY(window_->Combo_Encode->isHidden());
    // The row clicked is neither opened nor blanked.
    QCOMPARE(encCell(5, 1), QStringLiteral("     "));

    typeDigits(QStringLiteral("345"));
    QCOMPARE(RowBytes(Edata, 594, 0, 6), HexBytes("01 02 03 04 05 FF"));
    openEnc(5, 2);
    QCOMPARE(recorder_->count(), 0);
    QCOMPARE(TrimBlanks(encCell(3, 1)), QStringLiteral("12345"));
    QVERIFY(overCell(window_->MSF_Encode, window_->Text_Encode));
    QCOMPARE(window_->MSF_Encode->row(), 5);
}

void TestFrm5Tone::small_letters_are_stored_and_painted_as_capitals()
{
    encodePage();
    openEnc(3, 1);
    typeDigits(QStringLiteral("abcde"));
    QCOMPARE(RowBytes(Edata, 594, 0, 5), HexBytes("0A 0B 0C 0D 0E"));
    window_->Combo_Enc_ys1->setFocus();
    QCOMPARE(encCell(3, 1), QStringLiteral("ABCDE"));
}

void TestFrm5Tone::sixth_digit_is_not_stored_and_seventh_not_typed()
{
    encodePage();
    openEnc(1, 1);
    QCOMPARE(window_->Text_Encode->text(), QStringLiteral("12345"));
    typeDigits(QStringLiteral("67"));
    QCOMPARE(window_->Text_Encode->text(), QStringLiteral("123456"));
    QCOMPARE(RowBytes(Edata, 592, 0, 6), HexBytes("01 02 03 04 05 03"));
    openEnc(2, 1);
    QCOMPARE(recorder_->takeTexts(), QStringList{kDigitCount});
    KitDriver::PressKey(window_->Text_Encode, Qt::Key_Backspace);
    openEnc(2, 1);
    QCOMPARE(recorder_->count(), 0);
    QCOMPARE(window_->MSF_Encode->row(), 2);
}

void TestFrm5Tone::leaving_a_code_whose_frame_1_is_empty_shows_the_code_the_image_holds_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<int>("frame");
    QTest::addColumn<int>("backspaces");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QStringList>("shown");
    // Frame 1's digits deleted: only they go; frames 2 and 3 and the
    // standard stay in the image and in the row.
    QTest::newRow("frame 1 emptied") << 4 << QByteArray("01 01 01 01 01 02 02 02 02 02 03 03 03 03 03 02") << 1 << 5
                                     << "" << QByteArray("FF FF FF FF FF 02 02 02 02 02 03 03 03 03 03 02")
                                     << QStringList{"     ", "22222", "33333", "PCCIR"};
    // Typed behind an empty frame 1, the frame is erased again by its leave.
    QTest::newRow("frame 2 typed behind an empty frame 1")
        << 6 << QByteArray("FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF") << 2 << 0 << "12345"
        << QByteArray("FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF") << QStringList{"     ", "     ", "     ", ""};
    QTest::newRow("an empty frame 1 only clicked through")
        << 8 << QByteArray("FF FF FF FF FF 04 04 04 04 04 FF FF FF FF FF 05") << 1 << 0 << ""
        << QByteArray("FF FF FF FF FF 04 04 04 04 04 FF FF FF FF FF 05") << QStringList{"     ", "44444", "     ", "ZVEI3"};
}

// The row never shows a code erased that the image still holds, and goes out
// with Write: it shows the code as the image holds it at once, not at the
// next painting.
void TestFrm5Tone::leaving_a_code_whose_frame_1_is_empty_shows_the_code_the_image_holds()
{
    QFETCH(int, code);
    QFETCH(QByteArray, record);
    QFETCH(int, frame);
    QFETCH(int, backspaces);
    QFETCH(QString, typed);
    QFETCH(QByteArray, stored);
    QFETCH(QStringList, shown);
    const int row = 591 + code;
    SetRow(Edata, row, record.constData());
    reload();
    encodePage();
    openEnc(code, frame);
    QVERIFY(overCell(window_->MSF_Encode, window_->Text_Encode));
    for (int i = 0; i < backspaces; ++i)
        KitDriver::PressKey(window_->Text_Encode, Qt::Key_Backspace);
    typeDigits(typed);
    openEnc(code + 1, 0);
    QCOMPARE(recorder_->count(), 0);
    QCOMPARE(RowHex(Edata, row), stored);
    QCOMPARE(encRow(code), shown);
    QCOMPARE(encRow(code), paintedEncRow(code));

    // The code's other cells open at once, as after any painting, and
    // opening stores nothing.
    const MemoryImage left = Edata;
    openEnc(code, 4);
    QVERIFY(overCell(window_->MSF_Encode, window_->Combo_Encode));
    QCOMPARE(window_->Combo_Encode->text(), shown.at(3));
    openEnc(code, 2);
    QVERIFY(overCell(window_->MSF_Encode, window_->Text_Encode));
    QCOMPARE(window_->Text_Encode->text(), shown.at(1));
    QVERIFY(Edata == left);
}

void TestFrm5Tone::double_click_on_a_code_shows_what_the_image_holds()
{
    SetRow(Edata, 598, "07 07 07 07 07 FF FF FF FF FF FF FF FF FF FF 03");
    reload();
    encodePage();
    CheckDoubleClickOnRowNumberChangesNothing(window_->MSF_Encode, 7, *recorder_);
    QCOMPARE(encRow(7), (QStringList{"77777", "     ", "     ", "ZVEI1"}));
    QCOMPARE(encCell(7, 0), QStringLiteral("7"));
}

void TestFrm5Tone::frame_only_clicked_through_lets_the_cell_move_on_and_stores_nothing_data()
{
    QTest::addColumn<QByteArray>("code3");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("byKey");
    // Frames of other than five digits, as a radio or a file may hold them.
    QTest::newRow("three digits") << QByteArray("01 02 03 FF FF") << "123  " << false;
    QTest::newRow("a blank first") << QByteArray("FF 01 02 03 04") << " 1234" << false;
    QTest::newRow("a digit byte above 15") << QByteArray("01 02 03 04 10") << "1234 " << false;
    QTest::newRow("left with an arrow key") << QByteArray("01 02 03 FF FF") << "123  " << true;
}

void TestFrm5Tone::frame_only_clicked_through_lets_the_cell_move_on_and_stores_nothing()
{
    QFETCH(QByteArray, code3);
    QFETCH(QString, shown);
    QFETCH(bool, byKey);
    SetRow(Edata, 594, code3.constData());
    reload();
    encodePage();
    QCOMPARE(encCell(3, 1), shown);
    const MemoryImage before = Edata;
    CheckClickThroughStoresNothing(
        window_->MSF_Encode, 3, 1,
        [&] { return overCell(window_->MSF_Encode, window_->Text_Encode) && window_->Text_Encode->text() == shown; },
        [&] {
            if (byKey)
                KitDriver::PressKey(window_->MSF_Encode, Qt::Key_Down);
            else
                openEnc(4, 1);
        });
    QCOMPARE(recorder_->takeTexts(), QStringList{kDigitCount});
    QCOMPARE(window_->MSF_Encode->row(), 4);
    QCOMPARE(window_->MSF_Encode->col(), 1);
    // A click opens the editor over the cell it moved to; a key opens none.
    QCOMPARE(window_->Text_Encode->isVisible(), !byKey);
    if (!byKey) {
        QVERIFY(overCell(window_->MSF_Encode, window_->Text_Encode));
        typeDigits(QStringLiteral("9"));
        QCOMPARE(static_cast<int>(Edata(595, 0)), 9);
        QCOMPARE(RowBytes(Edata, 594), RowBytes(before, 594));
    }
}

void TestFrm5Tone::standard_cell_selects_the_stored_standard_or_none()
{
    encodePage();
    openEnc(1, 4);
    QVERIFY(overCell(window_->MSF_Encode, window_->Combo_Encode));
    QVERIFY(window_->Combo_Encode->hasFocus());
    QCOMPARE(window_->Combo_Encode->text(), QStringLiteral("CCIR1"));
    QCOMPARE(window_->Combo_Encode->listIndex(), 0);
    KitDriver::TypeText(window_->Combo_Encode, QStringLiteral("M"));
    QCOMPARE(window_->Combo_Encode->text(), QStringLiteral("CCIR1"));
    KitDriver::ChooseItem(window_->Combo_Encode, 14);
    QCOMPARE(static_cast<int>(Edata(592, 15)), 0x0E);

    const MemoryImage before = Edata;
    openEnc(2, 4);
    QCOMPARE(encCell(1, 4), QStringLiteral("MODAT"));
    QVERIFY(overCell(window_->MSF_Encode, window_->Combo_Encode));
    QCOMPARE(window_->Combo_Encode->listIndex(), -1);
    QCOMPARE(window_->Combo_Encode->text(), QString());
    QVERIFY(Edata == before);
    KitDriver::ChooseItem(window_->Combo_Encode, 4);
    QCOMPARE(static_cast<int>(Edata(593, 15)), 4);
}

void TestFrm5Tone::standard_chosen_before_a_page_switch_shows_in_its_cell()
{
    encodePage();
    openEnc(1, 4);
    KitDriver::ChooseItem(window_->Combo_Encode, 14);
    KitDriver::ClickTab(window_->TabStrip1, 1);
    KitDriver::ClickTab(window_->TabStrip1, kEncodeTab);
    QVERIFY(window_->Combo_Encode->isHidden());
    QCOMPARE(encCell(1, 4), QStringLiteral("MODAT"));
}

void TestFrm5Tone::page_switch_hides_the_encode_editors_and_keeps_the_standards_list()
{
    KitDriver::ClickCell(window_->MSF_Chann, 3, 2);
    encodePage();
    QVERIFY(window_->Frame_Encode->isVisible());
    QVERIFY(window_->Frame_std->isHidden());
    QVERIFY(!window_->Combo_edit->isHidden());
    openEnc(3, 2);
    typeDigits(QStringLiteral("9"));
    // The tab takes the focus first: the digit editor's painting runs, then
    // both encode editors go without their text going into a cell.
    KitDriver::ClickTab(window_->TabStrip1, 1);
    QVERIFY(window_->Text_Encode->isHidden());
    QVERIFY(window_->Frame_std->isVisible());
    QVERIFY(overCell(window_->MSF_Chann, window_->Combo_edit));
    QCOMPARE(encCell(3, 2), QStringLiteral("9    "));
    // A click on the selected tab shows its page again.
    window_->Frame_std->hide();
    KitDriver::ClickTab(window_->TabStrip1, 1);
    QVERIFY(window_->Frame_std->isVisible());
}

void TestFrm5Tone::default_restores_the_settings_and_drops_open_editors()
{
    SetRow(Edata, 580, "00 01 02 AA AA");
    SetRow(Edata, 592, "09 09 09 09 09");
    Edata(512, 0) = 0;
    Edata(591, 3) = 0x33;  // carries nothing: kept
    repaint();
    openEnc(1, 1);
    typeDigits(QStringLiteral("7"));
    window_->link().setLabel(QStringLiteral("Reading 5 Data Block"));
    window_->link().setProgressValue(55);
    window_->link().setProgressVisible(true);

    window_->Command_def->click();
    QCOMPARE(recorder_->count(), 0);
    MemoryImage expected = DefaultImage();
    expected(580, 3) = expected(580, 4) = 0xAA;
    expected(591, 3) = 0x33;
    for (int r = 512; r <= 607; ++r)
        QCOMPARE(RowBytes(Edata, r), RowBytes(expected, r));
    QVERIFY(window_->Text_Encode->isHidden());
    QVERIFY(window_->ProgressBar1->isHidden());
    QCOMPARE(window_->ProgressBar1->value(), 0);
    QCOMPARE(window_->Label_tr_count->text(), QString());
    QCOMPARE(stdCell(5, 1), QStringLiteral("70"));
    QCOMPARE(encCell(1, 1), QStringLiteral("12345"));

    // The dropped editor's text never reaches the grid or the image.
    openEnc(4, 1);
    QCOMPARE(encCell(1, 1), QStringLiteral("12345"));
    QCOMPARE(recorder_->count(), 0);
    QCOMPARE(RowBytes(Edata, 592), RowBytes(expected, 592));
}

// (A frame typed and still open goes out as typed with every Write and
// Save: tst_frm_5tone_sends_typed.)
void TestFrm5Tone::editors_left_open_over_codes_a_file_replaced_keep_the_new_frames()
{
    // The codes a ".dat" file or a whole-image read brings while an editor
    // stands open over the empty code 3 (the window is not repainted).
    const char* const fileCode3 = "01 02 03 04 05 06 07 08 09 0A FF FF FF FF FF 03";
    encodePage();

    // Committed for the whole-image save or write, the focus having gone to
    // the ".dat" dialog.
    openEnc(3, 1);
    window_->Command_open->click();
    QVERIFY(!window_->Text_Encode->hasFocus());
    SetRow(Edata, 594, fileCode3);
    const MemoryImage before = Edata;
    QVERIFY(CommitOpenEdits());
    QVERIFY(Edata == before);

    // Replaced while another window is the active one: the window paints at
    // once and drops the editor.
    SetRow(Edata, 594, "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF");
    repaint();
    openEnc(3, 1);
    window_->Command_open->click();
    const auto fileReplaces = [](const std::function<void()>& replace) {
        return [replace] {
            Windows::BringForward(Windows::Find<Form_open_chann>());
            const RowsReplacement replacing({Area::Image});
            replace();
        };
    };
    CheckEditorDroppedByAReplacement(
        window_->MSF_Encode, window_->Text_Encode, 3, 1, fileReplaces([fileCode3] { SetRow(Edata, 594, fileCode3); }),
        [this] {
            Windows::BringForward(window_);
            openEnc(5, 1);
        });
    QCOMPARE(encCell(3, 1), QStringLiteral("12345"));
    QCOMPARE(recorder_->count(), 0);

    // The standards list goes the same way.
    KitDriver::ClickTab(window_->TabStrip1, 1);
    KitDriver::ClickCell(window_->MSF_Chann, 2, 1);
    CheckEditorDroppedByAReplacement(
        window_->MSF_Chann, window_->Combo_edit, 2, 1, fileReplaces([] { Edata(577, 0) = 18; }),
        [this] {
            Windows::BringForward(window_);
            KitDriver::ClickCell(window_->MSF_Chann, 3, 0);
        });
    QCOMPARE(stdCell(2, 1), QStringLiteral("200"));
    QCOMPARE(static_cast<int>(Edata(577, 0)), 18);
}

void TestFrm5Tone::open_and_save_show_their_dialogs_and_a_replaced_area_at_once()
{
    window_->Command_open->click();
    auto* open = Windows::Find<Form_open_chann>();
    QVERIFY(open != nullptr);
    QVERIFY(!open->isModal());
    window_->Command_save->click();
    QVERIFY(Windows::Find<Form_save_chann>() != nullptr);
    QCOMPARE(stdCell(1, 1), QStringLiteral("100"));

    // Back: no painting on activation (it would hide the bar).
    window_->ProgressBar1->show();
    Windows::BringForward(open);
    Windows::BringForward(window_);
    QVERIFY(window_->ProgressBar1->isVisible());

    // A ".dat" file or a whole-image read replaces the area while the dialog
    // is the active window: the grid shows what the image holds at once, and
    // nothing else is stored.
    Windows::BringForward(open);
    {
        const RowsReplacement replacing({Area::Image});
        Edata(576, 0) = 18;
    }
    const MemoryImage replaced = Edata;
    QCOMPARE(stdCell(1, 1), QStringLiteral("200"));
    Windows::BringForward(window_);
    QVERIFY(Edata == replaced);
    QCOMPARE(recorder_->count(), 0);
}

void TestFrm5Tone::close_unloads_and_a_new_load_paints_from_the_image()
{
    encodePage();
    KitDriver::DoubleClickCell(window_->MSF_Encode, 1, 0);
    window_->Command_close->click();
    QCOMPARE(Windows::Find<frm_5tone>(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Edata(592, 0) = 9;
    window_ = Windows::Load<frm_5tone>();
    QCOMPARE(window_->TabStrip1->selectedIndex(), 1);
    QCOMPARE(encCell(1, 1), QStringLiteral("92345"));
    QCOMPARE(encCell(1, 4), QStringLiteral("CCIR1"));
    QCOMPARE(recorder_->count(), 0);
}

void TestFrm5Tone::closing_with_the_digit_editor_open_paints_nothing()
{
    encodePage();
    openEnc(3, 1);
    QVERIFY(window_->Text_Encode->hasFocus());
    QPointer<KitGrid> grid = window_->MSF_Encode;
    Edata(594, 0) = 9;
    // The editor loses the focus as the window goes: its transfer has gone
    // before, and nothing may paint any more.
    window_->frameWidget()->close();
    QCOMPARE(Windows::Find<frm_5tone>(), nullptr);
    QVERIFY(!grid.isNull());
    QCOMPARE(grid->textMatrix(3, 1), QStringLiteral("     "));
    window_ = nullptr;
}

QTEST_MAIN(TestFrm5Tone)
#include "tst_frm_5tone.moc"
