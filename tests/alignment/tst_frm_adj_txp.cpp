// The alignment window as a child of the main window, through the kit's real
// event paths: its load, captions, placement and pages, the entry of values,
// its buttons and their refusals, its closing, and its transfer against the
// radio simulator in process, on virtual time.

#include "alignment/ui/frm_adj_txp.h"
#include "core/adjust_defaults.h"
#include "core/status_panels.h"
#include "core/tone_list.h"
#include "link/link_state.h"
#include "link/transfer_engine.h"
#include "platform/geometry.h"
#include "platform/kit_focus.h"
#include "support/image_bytes.h"
#include "support/kit_driver.h"
#include "support/message_recorder.h"
#include "support/radio_simulator.h"
#include "support/sim_port.h"
#include "support/test_frame.h"
#include "support/virtual_clock.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

namespace {

constexpr int kPort = 6;
constexpr qint64 kLongEnough = 60000;

const QString kBusy = QStringLiteral("Read-write operating with transceiver .");
const QByteArray kRadioRow = QByteArray::fromHex("010306010704040000040800A1B2C3D4");

void Press(KitButton* button)
{
    QTest::mouseClick(button->findChild<QPushButton*>(), Qt::LeftButton);
}

// The table as the start-up leaves it.
void StartupTable()
{
    AdjDefault = AdjTable{};
    Adjust_Defaults(AdjDefault);
    AdjData = AdjTable{};
    CopyAdjDefaults(AdjData, AdjDefault);
}

QStringList Texts(std::span<KitText* const> boxes)
{
    QStringList texts;
    for (const KitText* box : boxes)
        texts << box->text();
    return texts;
}

QStringList Numbers(const QString& numbers)
{
    return numbers.split(QLatin1Char(' '));
}

// How the user leaves a limit box.
enum class Leave { TabClick, WriteClicked, WriteFromCode };

}  // namespace

Q_DECLARE_METATYPE(Leave)

class TestFrmAdjTxp : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opens_on_the_band_limits_with_the_first_tab_selected();
    void labels_lists_and_colours();
    void power_pages_show_their_rows();
    void captions_data();
    void captions();
    void page_switch_captions_are_chinese_in_both_languages();
    void geometry_data();
    void geometry();
    void visiting_every_page_changes_no_cell();
    void settings_and_limit_pages_rewrite_the_hidden_squelch_boxes();
    void setting_that_is_no_item_shows_no_selection_and_stays();

    void typed_point_value_is_checked_on_every_change();
    void list_choice_stores_its_index_and_typed_keys_are_dropped();
    void limit_box_takes_at_most_four_characters();
    void limit_left_out_of_its_band_is_refused_data();
    void limit_left_out_of_its_band_is_refused();
    void limit_typed_and_write_clicked_at_once_sends_the_checked_value();
    void refused_limit_is_neither_stored_nor_sent_data();
    void refused_limit_is_neither_stored_nor_sent();
    void refused_limit_typed_again_is_checked_and_sent_by_a_write_from_code();
    void write_retry_sends_the_frame_of_the_press_data();
    void write_retry_sends_the_frame_of_the_press();

    void read_shows_the_radio_limits();
    void failed_read_shows_the_fault_and_read_works_again();
    void buttons_during_a_transfer_data();
    void buttons_during_a_transfer();
    void write_refuses_a_cell_that_is_no_byte();
    void default_restores_rows_0_to_15_only();
    void close_unloads_and_reopening_shows_the_table_on_page_4();
    void close_box_during_a_transfer_ends_it();
    void window_focus_repaints_and_activation_does_not();

private:
    bool runUntil(const std::function<bool()>& done) { return clock_->advanceUntil(done, kLongEnough); }
    bool runToEnd()
    {
        return runUntil([this] { return !ends_.isEmpty(); });
    }
    void reload();
    void showPage(const QString& key);
    std::array<KitText*, 4> limitBoxes() const
    {
        return {window_->Text_Freq_L[0], window_->Text_Freq_H[0], window_->Text_Freq_L[1], window_->Text_Freq_H[1]};
    }
    QStringList limitTexts() const { return Texts(limitBoxes()); }

    std::unique_ptr<VirtualClock> clock_;
    std::unique_ptr<MessageRecorder> recorder_;
    std::unique_ptr<SimPortFactory> ports_;
    std::unique_ptr<RadioSimulator> radio_;
    TestFrame* frame_ = nullptr;
    frm_Adj_Txp* window_ = nullptr;
    QList<TransferEnd> ends_;
};

void TestFrmAdjTxp::initTestCase()
{
    InitToneTables();
    BuildLinkOpenFrame();
}

void TestFrmAdjTxp::init()
{
    clock_ = std::make_unique<VirtualClock>();
    recorder_ = std::make_unique<MessageRecorder>();
    ports_ = std::make_unique<SimPortFactory>();
    radio_ = std::make_unique<RadioSimulator>();
    radio_->memory.replace(AdjLimitsAddr, kRadioRow.size(), kRadioRow);
    ports_->attach(kPort, *radio_);
    CommPortNo = kPort;
    PortError = 0;
    LangChinese = 0;
    StatusBar1.clear();
    StartupTable();
    ends_.clear();
    frame_ = Windows::Load<TestFrame>();
    QVERIFY(KitDriver::ShowActive(frame_));
    reload();
}

void TestFrmAdjTxp::cleanup()
{
    Windows::UnloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window_ = nullptr;
    SetScreenSize(QSize());
    LangChinese = 0;
    QVERIFY(recorder_->verifyAllTaken());
    recorder_.reset();
    ports_.reset();
    radio_.reset();
    clock_.reset();
}

void TestFrmAdjTxp::reload()
{
    Windows::Unload<frm_Adj_Txp>();
    window_ = Windows::Load<frm_Adj_Txp>();
    QVERIFY(window_ != nullptr);
    window_->link().onFinished = [this](TransferEnd end) { ends_ << end; };
}

void TestFrmAdjTxp::showPage(const QString& key)
{
    for (int i = 1; i <= window_->TabStrip1->tabCount(); ++i) {
        if (window_->TabStrip1->tabKey(i) == key) {
            KitDriver::ClickTab(window_->TabStrip1, i);
            return;
        }
    }
    QFAIL("no such tab");
}

void TestFrmAdjTxp::opens_on_the_band_limits_with_the_first_tab_selected()
{
    QCOMPARE(window_->Page, 4);
    QCOMPARE(limitTexts(), (QStringList{" 130", " 179", " 400", " 480"}));
    QCOMPARE(window_->TabStrip1->selectedIndex(), 1);
    QCOMPARE(window_->TabStrip1->tabCaption(1), QStringLiteral("发射功率（高）"));
    QVERIFY(window_->Frame_Other->isVisible());
    for (QGroupBox* hidden : {window_->Frame_Frame, window_->Frame_Sql, window_->Frame_Dev})
        QVERIFY(hidden->isHidden());
    QVERIFY(window_->ProgressBar1->isHidden());
    QCOMPARE(window_->Label_tr_count->text(), QString());
    QVERIFY(!window_->Check_Tx[0]->isEnabled());
    QVERIFY(!window_->Check_Tx[1]->isEnabled());
    QCOMPARE(window_->FreqMin, (std::array<int, 2>{130, 400}));
    QCOMPARE(window_->FreqMax, (std::array<int, 2>{179, 520}));
    QCOMPARE(frame_->activeChild(), window_);
    QCOMPARE(recorder_->count(), 0);
}

void TestFrmAdjTxp::labels_lists_and_colours()
{
    QCOMPARE(window_->Label1[0]->text(), QStringLiteral("130MHZ"));
    QCOMPARE(window_->Label1[15]->text(), QStringLiteral("190MHZ"));
    QCOMPARE(window_->Label_UHF[15]->text(), QStringLiteral("490MHZ"));
    QCOMPARE(window_->Label_Sq_Offset_Vhf[15]->text(), QStringLiteral("190"));
    QCOMPARE(window_->Label_Sq_Offset_UHF[15]->text(), QStringLiteral("490"));
    QCOMPARE(window_->Label_Sql_VHF[9]->text(), QStringLiteral("9"));
    QCOMPARE(window_->Label_Sql_UHF[0]->text(), QStringLiteral("0"));
    QCOMPARE(window_->Label1[3]->buddy(), window_->Text1[3]);

    QCOMPARE(window_->Combo_TXP_Temp->listCount(), 256);
    QCOMPARE(window_->Combo_TXP_Temp->list(0), QStringLiteral(" 0"));
    QCOMPARE(window_->Combo_TXP_Temp->list(255), QStringLiteral(" 255"));
    QCOMPARE(window_->Combo_Tone_Dev->listCount(), 128);
    QCOMPARE(window_->Combo_Wide_C->listCount(), 16);
    showPage(QStringLiteral("Adj_Dev_Leve"));
    QCOMPARE(window_->Combo_TXP_Temp->text(), QStringLiteral(" 128"));
    QCOMPARE(window_->Combo_Voice_Dev->text(), QStringLiteral(" 60"));
    QCOMPARE(window_->Combo_Tone_Dev->text(), QStringLiteral(" 50"));

    for (int k = 0; k < kAdjPoints; ++k) {
        // 182, 186 and 190 MHz lie above the VHF band.
        QCOMPARE(window_->Text1[k]->backColor(), k >= 13 ? QPalette::HighlightedText : QPalette::Base);
        QCOMPARE(window_->Text2[k]->backColor(), QPalette::Base);
        QCOMPARE(window_->Label_UHF[k]->backgroundRole(), QPalette::Button);
        QVERIFY(window_->Label_UHF[k]->autoFillBackground());
    }
}

void TestFrmAdjTxp::power_pages_show_their_rows()
{
    // The selected tab itself: a click on it is a click.
    KitDriver::ClickTab(window_->TabStrip1, 1);
    QCOMPARE(window_->Page, 0);
    QVERIFY(window_->Frame_Frame->isVisible());
    QVERIFY(window_->Frame_Other->isHidden());
    QCOMPARE(Texts(window_->Text1), Numbers("12 13 13 13 13 13 14 15 15 15 15 15 15 15 15 15"));
    QCOMPARE(Texts(window_->Text2), Numbers("12 12 13 13 13 12 12 12 12 12 12 12 12 12 12 12"));
    QCOMPARE(window_->windowTitle(), QStringLiteral("发射功率调整（高功率）"));

    KitDriver::ClickTab(window_->TabStrip1, 2);
    QCOMPARE(window_->Page, 1);
    QCOMPARE(Texts(window_->Text1), Numbers("6 5 5 5 5 5 6 6 7 6 6 6 7 7 7 7"));
    QCOMPARE(Texts(window_->Text2), Numbers("5 5 5 5 5 5 5 5 5 5 5 5 5 5 5 5"));
    QCOMPARE(window_->Frame_Frame->title(), QStringLiteral("发射功率调整（低功率）"));
    QCOMPARE(recorder_->count(), 0);
}

void TestFrmAdjTxp::captions_data()
{
    QTest::addColumn<int>("chinese");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("English") << 0
                             << QStringList{"Other ",
                                            "Adjustable  frequency  range ",
                                            "Band",
                                            "Max frequency range (MHz)",
                                            "Limit frequency range (MHz)",
                                            "Allow transmit",
                                            "From",
                                            "to",
                                            "Read",
                                            "Write",
                                            "Default",
                                            "Close"};
    QTest::newRow("Chinese") << 1 << QStringList{"其他",
                                                 "频率范围限制",
                                                 "频段",
                                                 "最大工作频率范围(MHZ)",
                                                 "限制工作频率范围(MHZ)",
                                                 "发射允许",
                                                 "从",
                                                 "到",
                                                 "读 取",
                                                 "写  入",
                                                 "默 认",
                                                 "关闭"};
}

void TestFrmAdjTxp::captions()
{
    QFETCH(int, chinese);
    QFETCH(QStringList, captions);
    LangChinese = chinese;
    reload();
    LangChinese = 0;
    const QStringList shown{window_->windowTitle(),           window_->Frame_Other->title(),
                            window_->Label2->text(),          window_->Label3->text(),
                            window_->Label4->text(),          window_->Label8->text(),
                            window_->Label9[1]->text(),       window_->Label10[1]->text(),
                            window_->Command_read->caption(), window_->Command_Write->caption(),
                            window_->Command_def->caption(),  window_->Command_close->caption()};
    QCOMPARE(shown, captions);
    QCOMPARE(window_->Label9[0]->buddy(), window_->Text_Freq_L[0]);
    QCOMPARE(window_->Label10[1]->buddy(), window_->Text_Freq_H[1]);

    // The same in both languages, blanks as they are.
    const QStringList same{
        window_->Label_F0->text(),     window_->Label_F1->text(),        window_->Frame_B0[0]->title(),
        window_->Frame_B0[1]->title(), window_->Frame1->title(),         window_->Frame_Sql_UHF->title(),
        window_->Frame_Sql->title(),   window_->Frame_Dev->title(),      window_->Frame_Frame->title(),
        window_->Label18->text(),      window_->Label23->text(),         window_->Label20->text(),
        window_->Label25->text(),      window_->Label_Setting[9]->text()};
    QCOMPARE(same, (QStringList{"VHF0                     130 - 179  ", "UHF0                     400 - 520",
                                "130 - 179 MHZ ", "400  -  480 MHZ ", " 130 - 179 MHZ", "400 - 520 MHZ", "静噪等级",
                                "调制、音量", "发射功率调整（高功率）", "级别", "打开值", "频点", "补偿值",
                                " VHF 段驱动功率选择"}));
}

void TestFrmAdjTxp::page_switch_captions_are_chinese_in_both_languages()
{
    showPage(QStringLiteral("Adj_Sql_Leve"));
    QCOMPARE(window_->windowTitle(), QStringLiteral("静噪等级调整"));
    QVERIFY(window_->Frame_Sql->isVisible());
    QCOMPARE(window_->Label19->text(), QStringLiteral("打开值"));
    showPage(QStringLiteral("Adj_Dev_Leve"));
    QCOMPARE(window_->windowTitle(), QStringLiteral("调制度、输出音量调整"));
    QCOMPARE(window_->Frame_Frame->title(), QStringLiteral("发射功率调整（高功率）"));  // unchanged
    showPage(QStringLiteral("Adj_Txp_Low"));
    QCOMPARE(window_->Frame_Frame->title(), QStringLiteral("发射功率调整（低功率）"));
    showPage(QStringLiteral("Adj_Other"));
    QCOMPARE(window_->windowTitle(), QStringLiteral("频率范围"));
    QCOMPARE(window_->Frame_Other->title(), QStringLiteral("Adjustable  frequency  range "));
}

void TestFrmAdjTxp::geometry_data()
{
    QTest::addColumn<int>("screenWidthShare");  // the screen is this many times as wide as the main window
    QTest::addColumn<double>("width");
    QTest::newRow("main window of the screen's size") << 1 << 7800.0;
    QTest::newRow("main window half as wide as the screen") << 2 << 3900.0;
}

void TestFrmAdjTxp::geometry()
{
    QFETCH(int, screenWidthShare);
    QFETCH(double, width);
    SetScreenSize(QSize(screenWidthShare * TwipsToPixels(frame_->Width()), TwipsToPixels(frame_->Height())));
    reload();
    QCOMPARE(window_->Width(), PixelsToTwips(TwipsToPixels(width)));
    QCOMPARE(window_->Height(), PixelsToTwips(TwipsToPixels(7000)));
    QCOMPARE(window_->Left(), PixelsToTwips(TwipsToPixels((frame_->ScaleWidth() - width) / 2)));
    QCOMPARE(window_->Top(), PixelsToTwips(TwipsToPixels((frame_->ScaleHeight() - 7000) / 2)));
    QCOMPARE(window_->Command_read->geometry(),
             QRect(TwipsToPixels(600), TwipsToPixels(5500), TwipsToPixels(855), TwipsToPixels(495)));
    QCOMPARE(window_->Command_close->x(), TwipsToPixels(5640));
    QCOMPARE(window_->Command_def->y(), TwipsToPixels(5500));
    QCOMPARE(window_->ProgressBar1->y(), TwipsToPixels(4700));
    QCOMPARE(window_->Label_tr_count->y(), TwipsToPixels(4700));
    QCOMPARE(window_->TabStrip1->geometry(),
             QRect(TwipsToPixels(100), TwipsToPixels(100), TwipsToPixels(width / 1.1), TwipsToPixels(7000 / 1.5)));
    // A page takes its designed place inside the strip's page area, widened
    // only where what it holds needs more (on a main window half as wide as
    // the screen), and cut to the area where it runs past it.
    const QRect area(TwipsToPixels(window_->TabStrip1->ClientLeft()), TwipsToPixels(window_->TabStrip1->ClientTop()),
                     TwipsToPixels(window_->TabStrip1->ClientWidth()),
                     TwipsToPixels(window_->TabStrip1->ClientHeight()));
    const QRect squelch = window_->Frame_Sql->geometry();
    QCOMPARE(squelch.y(), TwipsToPixels(600));
    QCOMPARE(squelch.height(), TwipsToPixels(7000 / 1.7));
    QVERIFY(squelch.width() >= TwipsToPixels(width / 1.2));
    if (screenWidthShare == 1) {
        QCOMPARE(squelch,
                 QRect(TwipsToPixels(300), TwipsToPixels(600), TwipsToPixels(width / 1.2), TwipsToPixels(7000 / 1.7)));
        // The limits page: its designed left, below the tabs, cut to the
        // area's right edge.
        QCOMPARE(window_->Frame_Other->geometry(),
                 QRect(TwipsToPixels(240), area.y(), area.right() + 1 - TwipsToPixels(240), TwipsToPixels(1935)));
    }
    for (QWidget* page : {window_->Frame_Frame, window_->Frame_Sql, window_->Frame_Dev, window_->Frame_Other})
        QVERIFY(screenWidthShare != 1 || area.contains(page->geometry()));
}

void TestFrmAdjTxp::visiting_every_page_changes_no_cell()
{
    const AdjTable before = AdjData;
    for (int i = 1; i <= 5; ++i) {
        KitDriver::ClickTab(window_->TabStrip1, i);
        QCOMPARE(window_->Page, i - 1);
    }
    KitDriver::ClickTab(window_->TabStrip1, 1);
    QVERIFY(AdjData == before);
    QCOMPARE(recorder_->count(), 0);
}

void TestFrmAdjTxp::settings_and_limit_pages_rewrite_the_hidden_squelch_boxes()
{
    for (const QString& key : {QStringLiteral("Adj_Dev_Leve"), QStringLiteral("Adj_Other")}) {
        AdjData(AdjRow::SqlVhf, 0) = 50;
        AdjData(AdjRow::SqlOffsetUhf, 15) = 9;
        showPage(QStringLiteral("Adj_Txp_High"));
        showPage(key);
        QVERIFY(window_->Frame_Sql->isHidden());
        QCOMPARE(window_->Text_SQ_VHF[0]->text(), QStringLiteral("50"));
        QCOMPARE(window_->Text_Sq_Offset_UHF[15]->text(), QStringLiteral("9"));
        StartupTable();
    }
}

void TestFrmAdjTxp::setting_that_is_no_item_shows_no_selection_and_stays()
{
    showPage(QStringLiteral("Adj_Dev_Leve"));
    QCOMPARE(window_->Combo_CT_Dev->listIndex(), 21);
    AdjData(AdjRow::Settings, 1) = 64;  // the list holds 0..63
    showPage(QStringLiteral("Adj_Other"));
    showPage(QStringLiteral("Adj_Dev_Leve"));
    QCOMPARE(window_->Combo_CT_Dev->listIndex(), -1);
    QCOMPARE(AdjData(AdjRow::Settings, 1), 64);
}

void TestFrmAdjTxp::typed_point_value_is_checked_on_every_change()
{
    showPage(QStringLiteral("Adj_Sql_Leve"));
    KitText* box = window_->Text_Sq_Offset_VHF[3];
    box->setFocus();
    box->setText(QString());  // an empty box stores 0 silently
    QCOMPARE(AdjData(5, 3), 0);
    KitDriver::TypeText(box, QStringLiteral("12"));
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, QStringLiteral(" 输入数字范围为 0 - 10 ！"));
    QCOMPARE(shown.first().title, QStringLiteral("操作提示"));
    QCOMPARE(shown.first().message.icon, MessageIcon::Information);
    QCOMPARE(box->text(), QStringLiteral("5"));
    QCOMPARE(AdjData(5, 3), 5);
    QVERIFY(box->findChild<QLineEdit*>()->hasFocus());

    // The row of Text2 follows the page at the moment of the change.
    showPage(QStringLiteral("Adj_Txp_Low"));
    window_->Text2[4]->setText(QStringLiteral("9"));
    QCOMPARE(AdjData(3, 4), 9);
    QCOMPARE(AdjData(1, 4), 13);
    showPage(QStringLiteral("Adj_Txp_High"));
    QCOMPARE(window_->Text2[4]->text(), QStringLiteral("13"));
    window_->Text2[4]->setText(QStringLiteral("a"));
    QCOMPARE(recorder_->takeTexts(), QStringList{" 输入数字范围为 0 - 15 ！"});
    QCOMPARE(AdjData(1, 4), 13);
    QCOMPARE(AdjData(3, 4), 9);
}

void TestFrmAdjTxp::list_choice_stores_its_index_and_typed_keys_are_dropped()
{
    showPage(QStringLiteral("Adj_Dev_Leve"));
    KitDriver::ChooseItem(window_->Combo_CT_Dev, 37);
    QCOMPARE(AdjData(AdjRow::Settings, 1), 37);
    QCOMPARE(window_->Combo_CT_Dev->text(), QStringLiteral(" 37"));
    const AdjTable before = AdjData;
    window_->Combo_Beep_C->setFocus();
    KitDriver::TypeText(window_->Combo_Beep_C, QStringLiteral("5 1"));
    KitDriver::PressKey(window_->Combo_Beep_C, Qt::Key_Backspace);
    QVERIFY(AdjData == before);
    QCOMPARE(window_->Combo_Beep_C->text(), QStringLiteral(" 12"));
}

void TestFrmAdjTxp::limit_box_takes_at_most_four_characters()
{
    KitText* box = window_->Text_Freq_L[0];
    box->setFocus();
    box->setText(QStringLiteral("13"));
    KitDriver::TypeText(box, QStringLiteral("0x"));  // "130" takes one more, of any kind
    QCOMPARE(box->text(), QStringLiteral("130x"));
    KitDriver::PressKey(box, Qt::Key_Backspace);  // Backspace too is dropped
    KitDriver::TypeText(box, QStringLiteral("5"));
    QCOMPARE(box->text(), QStringLiteral("130x"));
    QCOMPARE(AdjCells(AdjData, AdjLimitRow, 0, 3), (Bytes{1, 3, 0}));  // stored only when the box is left
}

void TestFrmAdjTxp::limit_left_out_of_its_band_is_refused_data()
{
    QTest::addColumn<int>("chinese");
    QTest::addColumn<int>("box");  // of VHF low, VHF high, UHF low, UHF high
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("reset");  // what row 9 holds, never the band's bound
    QTest::newRow("L1") << 0 << 0 << QStringList{"125", "", "", ""}
                        << "Receive frequency of lower limit can't less than the lowest of work frequency. "
                        << "Operate Prompt"
                        << " 130";
    QTest::newRow("H1") << 0 << 3 << QStringList{"", "", "", "530"}
                        << "Receive frequency of upper limit can't more than the highest of work frequency. "
                        << "Operate Prompt"
                        << " 480";
    QTest::newRow("H2 in Chinese") << 1 << 1 << QStringList{"160", "150", "", ""} << "上限频率不可小于该频段下限频率"
                                   << "操作提示"
                                   << " 179";
}

void TestFrmAdjTxp::limit_left_out_of_its_band_is_refused()
{
    QFETCH(int, chinese);
    QFETCH(int, box);
    QFETCH(QStringList, typed);
    QFETCH(QString, message);
    QFETCH(QString, title);
    QFETCH(QString, reset);
    const std::array<KitText*, 4> boxes = limitBoxes();
    for (int i = 0; i < 4; ++i) {
        if (!typed[i].isEmpty())
            boxes[static_cast<std::size_t>(i)]->setText(typed[i]);
    }
    const AdjTable before = AdjData;
    KitText* left = boxes[static_cast<std::size_t>(box)];
    left->setFocus();
    LangChinese = chinese;
    // The focus leaves for a control that checks nothing itself.
    window_->TabStrip1->setFocus();
    LangChinese = 0;
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, message);
    QCOMPARE(shown.first().title, title);
    QCOMPARE(shown.first().message.icon, MessageIcon::Exclamation);
    QCOMPARE(left->text(), reset);
    QVERIFY(left->findChild<QLineEdit*>()->hasFocus());
    QVERIFY(AdjData == before);
}

void TestFrmAdjTxp::limit_typed_and_write_clicked_at_once_sends_the_checked_value()
{
    KitText* box = window_->Text_Freq_H[1];
    box->setFocus();
    box->setText(QString());
    KitDriver::TypeText(box, QStringLiteral("470"));
    Press(window_->Command_Write);
    QVERIFY(runToEnd());
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::WriteDone});
    QCOMPARE(recorder_->takeTexts(), QStringList{"Complete writing optional parameters to the transceiver."});
    QCOMPARE(AdjCells(AdjData, AdjLimitRow, 0, 12), (Bytes{1, 3, 0, 1, 7, 9, 4, 0, 0, 4, 7, 0}));
    QCOMPARE(radio_->memoryRange(AdjLimitsAddr, 12), QByteArray::fromHex("010300010709040000040700"));
    QCOMPARE(window_->Label_tr_count->text(), QStringLiteral("Complete writing optional parameters "));
    QCOMPARE(window_->ProgressBar1->value(), 100);
}

void TestFrmAdjTxp::refused_limit_is_neither_stored_nor_sent_data()
{
    QTest::addColumn<int>("box");  // of VHF low, VHF high, UHF low, UHF high
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<Leave>("leave");
    const QString l1 =
        QStringLiteral("Receive frequency of lower limit can't less than the lowest of work frequency. ");
    const QString h1 =
        QStringLiteral("Receive frequency of upper limit can't more than the highest of work frequency. ");
    QTest::newRow("125 in the VHF lower box, a tab clicked") << 0 << "125" << l1 << Leave::TabClick;
    QTest::newRow("125 in the VHF lower box, Write clicked") << 0 << "125" << l1 << Leave::WriteClicked;
    QTest::newRow("530 in the UHF upper box, Write clicked") << 3 << "530" << h1 << Leave::WriteClicked;
    QTest::newRow("530 in the UHF upper box, Write pressed from code") << 3 << "530" << h1 << Leave::WriteFromCode;
    QTest::newRow("530 in the UHF upper box, a tab clicked") << 3 << "530" << h1 << Leave::TabClick;
}

void TestFrmAdjTxp::refused_limit_is_neither_stored_nor_sent()
{
    QFETCH(int, box);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(Leave, leave);
    // Read brings 136 to 174 and 400 to 480.
    Press(window_->Command_read);
    QVERIFY(runToEnd());
    recorder_->takeAll();
    ends_.clear();
    const QStringList shown = limitTexts();
    const Bytes read = AdjCells(AdjData, AdjLimitRow, 0, 12);
    const QByteArray inRadio = radio_->memoryRange(AdjLimitsAddr, 12);

    KitText* refused = limitBoxes()[static_cast<std::size_t>(box)];
    QTest::mouseClick(refused->findChild<QLineEdit*>(), Qt::LeftButton);
    refused->setText(QString());
    KitDriver::TypeText(refused, typed);
    switch (leave) {
    case Leave::TabClick:
        KitDriver::ClickTab(window_->TabStrip1, 1);
        QCOMPARE(window_->Page, 0);  // and the box is hidden, which stores nothing
        break;
    case Leave::WriteClicked:
        Press(window_->Command_Write);
        break;
    case Leave::WriteFromCode:
        window_->Command_Write->click();
        break;
    }
    QCOMPARE(recorder_->takeTexts(), QStringList{message});
    // The box shows what row 9 holds, not the band's bound, and row 9 is as
    // the read left it.
    QCOMPARE(limitTexts(), shown);
    QCOMPARE(AdjCells(AdjData, AdjLimitRow, 0, 12), read);
    // A write whose press was refused sends nothing.
    clock_->advance(10000);
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::Write), 0);
    QVERIFY(!window_->link().busy());

    // The next Write sends the limits the radio had.
    Press(window_->Command_Write);
    QVERIFY(runToEnd());
    QCOMPARE(recorder_->takeTexts(), QStringList{"Complete writing optional parameters to the transceiver."});
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::Write), 1);
    QCOMPARE(radio_->memoryRange(AdjLimitsAddr, 12), inRadio);
}

void TestFrmAdjTxp::refused_limit_typed_again_is_checked_and_sent_by_a_write_from_code()
{
    // Write pressed from code (a screen reader's press) leaves the focus in
    // the box: a refusal it brought is over once the box is typed into
    // again, and the next press checks the new entry and sends it.
    Press(window_->Command_read);
    QVERIFY(runToEnd());
    recorder_->takeAll();
    ends_.clear();
    KitText* lower = window_->Text_Freq_L[0];
    QTest::mouseClick(lower->findChild<QLineEdit*>(), Qt::LeftButton);
    lower->setText(QString());
    KitDriver::TypeText(lower, QStringLiteral("125"));
    window_->Command_Write->click();
    QCOMPARE(recorder_->takeTexts(),
             QStringList{"Receive frequency of lower limit can't less than the lowest of work frequency. "});
    QCOMPARE(KitFocus::Current(), static_cast<KitControl*>(lower));

    lower->setText(QString());
    KitDriver::TypeText(lower, QStringLiteral("140"));
    window_->Command_Write->click();
    QVERIFY(runToEnd());
    QCOMPARE(recorder_->takeTexts(), QStringList{"Complete writing optional parameters to the transceiver."});
    QCOMPARE(AdjCells(AdjData, AdjLimitRow, 0, 3), (Bytes{1, 4, 0}));
    QCOMPARE(radio_->memoryRange(AdjLimitsAddr, 3), QByteArray::fromHex("010400"));
}

void TestFrmAdjTxp::write_retry_sends_the_frame_of_the_press_data()
{
    QTest::addColumn<QString>("pressed");  // in the retry delay
    QTest::addColumn<QString>("message");
    QTest::newRow("Default") << "Default" << kBusy;
    QTest::newRow("Read") << "Read" << kBusy;
    QTest::newRow("Write") << "Write" << kBusy;
    QTest::newRow("a limit typed and left") << "limit" << kBusy;
    QTest::newRow("Close") << "Close"
                           << "Read-write operating，don't close the window.,";
}

void TestFrmAdjTxp::write_retry_sends_the_frame_of_the_press()
{
    QFETCH(QString, pressed);
    QFETCH(QString, message);
    radio_->addFault(Fault::Silent, ReplyKind::Ident, 0, 1);  // the first attempt goes unanswered
    KitText* upper = window_->Text_Freq_H[1];
    QTest::mouseClick(upper->findChild<QLineEdit*>(), Qt::LeftButton);
    upper->setText(QString());
    KitDriver::TypeText(upper, QStringLiteral("470"));
    Press(window_->Command_Write);
    const AdjTable pressed9 = AdjData;
    QCOMPARE(AdjCells(pressed9, AdjLimitRow, 9, 3), (Bytes{4, 7, 0}));

    // Past the reply time-out, inside the 2000 ms delay: the busy flags are
    // clear, yet the write is not over.
    clock_->advance(1500);
    QVERIFY(!window_->Writing());
    QVERIFY(window_->link().busy());
    if (pressed == QStringLiteral("limit")) {
        KitText* lower = window_->Text_Freq_L[0];
        QTest::mouseClick(lower->findChild<QLineEdit*>(), Qt::LeftButton);
        lower->setText(QString());
        KitDriver::TypeText(lower, QStringLiteral("140"));
        KitDriver::ClickTab(window_->TabStrip1, 3);
        QCOMPARE(lower->text(), QStringLiteral(" 130"));
    } else {
        const std::map<QString, KitButton*> buttons{{"Read", window_->Command_read},
                                                    {"Write", window_->Command_Write},
                                                    {"Default", window_->Command_def},
                                                    {"Close", window_->Command_close}};
        Press(buttons.at(pressed));
    }
    QCOMPARE(recorder_->takeTexts(), QStringList{message});
    QVERIFY(AdjData == pressed9);
    QCOMPARE(Windows::Find<frm_Adj_Txp>(), window_);

    // The retry sends the frame of the press, and says so.
    QVERIFY(runToEnd());
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::WriteDone});
    QCOMPARE(recorder_->takeTexts(), QStringList{"Complete writing optional parameters to the transceiver."});
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::LinkOpen), 2);
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::Write), 1);
    QByteArray frame;
    for (const int cell : AdjCells(pressed9, AdjLimitRow, 0, 16))
        frame += static_cast<char>(cell);
    QCOMPARE(radio_->memoryRange(AdjLimitsAddr, 16), frame);
}

void TestFrmAdjTxp::read_shows_the_radio_limits()
{
    Press(window_->Command_read);
    QVERIFY(window_->ProgressBar1->isVisible());
    QCOMPARE(window_->Label_tr_count->text(), QStringLiteral("Connecting with transceiver. "));
    QVERIFY(runToEnd());
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::ReadDone});
    QCOMPARE(recorder_->takeTexts(), QStringList{"Complete reading the data from transceiver."});
    QCOMPARE(limitTexts(), (QStringList{" 136", " 174", " 400", " 480"}));
    QCOMPARE(AdjData(AdjLimitRow, 16), radio_->memoryByte(AdjLimitsAddr + 16));
    QCOMPARE(window_->Label_tr_count->text(), QStringLiteral("Read optional parameters in gear. "));
    QCOMPARE(window_->ProgressBar1->value(), 100);
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::Read), 1);
}

void TestFrmAdjTxp::failed_read_shows_the_fault_and_read_works_again()
{
    radio_->addFault(Fault::Silent, ReplyKind::Any, 0, 4);
    const AdjTable before = AdjData;
    window_->Command_read->click();
    QVERIFY(runToEnd());
    QCOMPARE(recorder_->takeTexts(), QStringList{"Fail connect with transceiver."});
    QCOMPARE(window_->ProgressBar1->value(), 0);
    QCOMPARE(window_->Label_tr_count->text(), QStringLiteral("Communication fault."));
    QCOMPARE(StatusBar1.text(2), QStringLiteral("Communication fault."));
    QVERIFY(AdjData == before);
    ends_.clear();
    window_->Command_read->click();
    QVERIFY(runToEnd());
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::ReadDone});
    recorder_->takeAll();
    QCOMPARE(limitTexts().first(), QStringLiteral(" 136"));
}

void TestFrmAdjTxp::buttons_during_a_transfer_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    QTest::newRow("Read") << "Read" << kBusy;
    QTest::newRow("Write") << "Write" << kBusy;
    QTest::newRow("Default") << "Default" << kBusy;
    QTest::newRow("Close: its text has no blank before the comma") << "Close"
                                                                   << "Read-write operating，don't close the window.,";
}

void TestFrmAdjTxp::buttons_during_a_transfer()
{
    QFETCH(QString, button);
    QFETCH(QString, message);
    AdjData(0, 0) = 3;  // an edit Default would undo
    const AdjTable before = AdjData;
    window_->Command_read->click();
    clock_->advance(20);
    QVERIFY(window_->Reading());
    const std::map<QString, KitButton*> buttons{{"Read", window_->Command_read},
                                                {"Write", window_->Command_Write},
                                                {"Default", window_->Command_def},
                                                {"Close", window_->Command_close}};
    Press(buttons.at(button));
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, message);
    QCOMPARE(shown.first().title, QStringLiteral("Operate prompt"));
    QVERIFY(AdjData == before);
    QCOMPARE(Windows::Find<frm_Adj_Txp>(), window_);
    QVERIFY(window_->ProgressBar1->isVisible());
    // The transfer goes on to its end.
    QVERIFY(runToEnd());
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::ReadDone});
    recorder_->takeAll();
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::LinkOpen), 1);
}

void TestFrmAdjTxp::write_refuses_a_cell_that_is_no_byte()
{
    AdjData(AdjLimitRow, 4) = 256;
    Press(window_->Command_Write);
    QCOMPARE(recorder_->takeTexts(),
             QStringList{"The band limits hold a value out of 0..255, nothing is written to the transceiver."});
    clock_->advance(10000);
    QCOMPARE(ports_->opens(kPort), 0);
    QVERIFY(radio_->heard.isEmpty());
    QVERIFY(window_->ProgressBar1->isHidden());
}

void TestFrmAdjTxp::default_restores_rows_0_to_15_only()
{
    window_->Command_read->click();
    QVERIFY(runToEnd());
    recorder_->takeAll();
    QVERIFY(window_->ProgressBar1->isVisible());
    for (int r = 0; r <= 15; ++r)
        AdjData(r, 3) = 7;
    AdjData(20, 2) = 11;
    AdjData(32, 16) = 12;
    const int after = AdjData(AdjLimitRow, 16);
    const int digitCode = AdjData(kAdjDigitCodesRow, 0);
    AdjDefault(0, 3) = 99;  // Default builds the factory table anew

    Press(window_->Command_def);
    QCOMPARE(recorder_->count(), 0);
    AdjTable factory;
    Adjust_Defaults(factory);
    for (int r = 0; r <= 15; ++r)
        QCOMPARE(AdjCells(AdjData, r, 0, 16), AdjCells(factory, r, 0, 16));
    QCOMPARE(AdjCells(AdjData, 12, 0, 16), Repeated(0, 16));
    QCOMPARE(AdjData(AdjLimitRow, 16), after);
    QCOMPARE(AdjData(20, 2), 11);
    QCOMPARE(AdjData(32, 16), 12);
    QCOMPARE(AdjData(kAdjDigitCodesRow, 0), digitCode);
    QCOMPARE(limitTexts(), (QStringList{" 130", " 179", " 400", " 480"}));
    QVERIFY(window_->ProgressBar1->isHidden());
    QCOMPARE(window_->ProgressBar1->value(), 0);
    QCOMPARE(window_->Label_tr_count->text(), QString());
}

void TestFrmAdjTxp::close_unloads_and_reopening_shows_the_table_on_page_4()
{
    window_->Text_Freq_L[0]->setFocus();
    window_->Text_Freq_L[0]->setText(QStringLiteral("140"));
    showPage(QStringLiteral("Adj_Sql_Leve"));  // the tab takes the focus: the limit is checked and stored
    QCOMPARE(window_->Page, 2);
    Press(window_->Command_close);
    QCOMPARE(Windows::Find<frm_Adj_Txp>(), nullptr);
    QVERIFY(!ports_->isOpen(kPort));
    QCOMPARE(AdjCells(AdjData, AdjLimitRow, 0, 3), (Bytes{1, 4, 0}));
    window_ = Windows::Load<frm_Adj_Txp>();
    QCOMPARE(window_->Page, 4);
    QVERIFY(window_->Frame_Other->isVisible());
    QCOMPARE(limitTexts(), (QStringList{" 140", " 179", " 400", " 480"}));
    // One instance: a second load is the same window.
    QCOMPARE(Windows::Load<frm_Adj_Txp>(), window_);
}

void TestFrmAdjTxp::close_box_during_a_transfer_ends_it()
{
    window_->Command_Write->click();
    clock_->advance(20);
    QVERIFY(window_->Writing());
    QVERIFY(ports_->isOpen(kPort));
    window_->frameWidget()->close();
    QCOMPARE(Windows::Find<frm_Adj_Txp>(), nullptr);
    QVERIFY(!ports_->isOpen(kPort));
    QCOMPARE(recorder_->count(), 0);  // never refused, no warning
    clock_->advance(20000);
    // The link-open frame on the wire arrived; nothing came after it.
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::LinkOpen), 1);
    QCOMPARE(radio_->heard.size(), 1);
    QCOMPARE(ports_->opens(kPort), 1);
    QCOMPARE(recorder_->count(), 0);
    window_ = nullptr;
}

void TestFrmAdjTxp::window_focus_repaints_and_activation_does_not()
{
    // A limit typed and not yet checked survives the window's activation.
    window_->Text_Freq_H[0]->setFocus();
    window_->Text_Freq_H[0]->setText(QStringLiteral("150"));
    auto* other = Windows::Load<OtherChild>();
    QCOMPARE(frame_->activeChild(), other);
    recorder_->takeAll();
    frame_->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(window_->frameWidget()));
    QCOMPARE(frame_->activeChild(), window_);
    QCOMPARE(window_->Text_Freq_H[0]->text(), QStringLiteral("150"));

    // The window itself taking the focus shows the table again.
    AdjData(AdjRow::SqlVhf, 0) = 50;  // as another path would leave it
    window_->setFocus();
    QVERIFY(window_->hasFocus());
    QCOMPARE(window_->Text_SQ_VHF[0]->text(), QStringLiteral("50"));
    QCOMPARE(limitTexts(), (QStringList{" 130", " 150", " 400", " 480"}));
    QCOMPARE(recorder_->count(), 0);
}

QTEST_MAIN(TestFrmAdjTxp)
#include "tst_frm_adj_txp.moc"
