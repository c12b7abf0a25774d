// The options window as a child of the main window: its load, captions and
// placement, the setting lists, the refresh with its handlers running
// inside it, and the buttons that need no radio.

#include "core/ui/form_open_chann.h"
#include "core/ui/form_save_chann.h"
#include "core/ui/hand_over_dialogs.h"
#include "link/link_state.h"
#include "link/transfer_engine.h"
#include "options/opt_settings.h"
#include "options/ui/vfo_frame.h"
#include "platform/geometry.h"
#include "support/image_bytes.h"
#include "support/image_rows.h"
#include "support/kit_driver.h"
#include "support/opt_window_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>

namespace {

constexpr int kFirstRow = 224;
constexpr int kLastRow = 255;

QStringList SettingTexts(const frm_option* window)
{
    QStringList texts;
    for (const OptSetting& s : OptSettings())
        texts << window->settingList(s.index)->text();
    return texts;
}

}  // namespace

class TestFrmOption : public QObject, private OptWindowFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void placement_follows_the_main_window();
    void captions_data();
    void captions();
    void password_box_holds_the_preset_password();

    void all_ff_settings_show_no_item_and_stay_as_they_are();
    void default_shows_the_default_items_in_table_order();
    void typing_into_a_setting_list_changes_nothing();
    void choosing_an_item_stores_its_index_data();
    void choosing_an_item_stores_its_index();
    void choice_right_after_typing_a_code_keeps_the_code();

    void first_refresh_ends_and_every_control_shows_its_bytes_data();
    void first_refresh_ends_and_every_control_shows_its_bytes();
    void band_choice_refreshes_the_window_once();
    void band_choices_end_with_band_limits_in_each_others_band();
    void activation_shows_what_the_image_holds_now();

    void default_leaves_rows_244_to_255();
    void open_keeps_its_dialog_and_save_replaces_its_own();
    void close_unloads_the_window_and_the_menu_dialogs();

private:
    // Wraps every list's choice handler of the window with a counter.
    void countChoices();
    int choices_ = 0;
};

void TestFrmOption::init()
{
    setUpOptions();
    choices_ = 0;
}

void TestFrmOption::cleanup()
{
    tearDownOptions();
}

void TestFrmOption::countChoices()
{
    QList<KitList*> lists;
    for (const OptSetting& s : OptSettings())
        lists << window_->settingList(s.index);
    for (VfoFrame* frame : {window_->Frame_A, window_->Frame_B}) {
        lists << frame->Combo_Band << frame->Combo_Offset << frame->Combo_r_ctdcs << frame->Combo_t_ctdcs;
        for (KitList* list : frame->paramLists)
            lists << list;
    }
    for (KitList* list : lists) {
        const auto choice = list->onClick;
        list->onClick = [this, choice] {
            ++choices_;
            choice();
        };
    }
}

void TestFrmOption::placement_follows_the_main_window()
{
    loadWindow();
    const double width = frame_->Width() / 1.48;
    const double height = frame_->Height() / 1.16;
    QCOMPARE(window_->Width(), PixelsToTwips(TwipsToPixels(width)));
    QCOMPARE(window_->Height(), PixelsToTwips(TwipsToPixels(height)));
    QCOMPARE(window_->Left(), PixelsToTwips(TwipsToPixels((frame_->ScaleWidth() - width) / 2)));
    QCOMPARE(window_->Top(), PixelsToTwips(TwipsToPixels((frame_->ScaleHeight() - height) / 2)));
    QVERIFY(window_->frameWidget()->isVisible());
    QCOMPARE(frame_->activeChild(), window_);
    QVERIFY(window_->ProgressBar1->isHidden());
    QCOMPARE(window_->Label_tr_count->text(), QString());
    QVERIFY(!window_->Reading() && !window_->Writing());
    QCOMPARE(recorder_->count(), 0);
}

void TestFrmOption::captions_data()
{
    QTest::addColumn<int>("chinese");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("English") << 0
                             << QStringList{"Optional Features",
                                            "Read",
                                            "Write",
                                            "Default",
                                            "Save",
                                            "Open",
                                            "Close",
                                            "PassWord",
                                            "A Band Frequency Mode",
                                            "B Band Frequency Mode",
                                            "TOT Pre-Alart[S]",
                                            "Relay Signal ",
                                            "Power-On Message",
                                            "Release PTT to Send",
                                            "Freq Range",
                                            "RX QT/DQT",
                                            "Step Frequency",
                                            "MHZ MHZ MHZ MHZ",
                                            "OFF",
                                            "QT/DQT"};
    QTest::newRow("Chinese") << -1
                             << QStringList{"可选参数编辑",
                                            "读 取",
                                            "写  入",
                                            "默 认",
                                            "保  存",
                                            "打  开",
                                            "关  闭",
                                            "读写密码",
                                            "Ａ段频率模式",
                                            "Ｂ段频率模式",
                                            "发射结束预警（秒）",
                                            "中继激活信令",
                                            "开机显示字符",
                                            "松开发码",
                                            "频率范围",
                                            "接收哑音",
                                            "步进频率",
                                            "MHZ MHZ MHZ MHZ",
                                            "关",
                                            "哑音"};
}

void TestFrmOption::captions()
{
    QFETCH(int, chinese);
    QFETCH(QStringList, captions);
    LangChinese = chinese;
    loadWindow();
    LangChinese = 0;
    const QStringList shown{
        window_->windowTitle(),
        window_->Command_read->caption(),
        window_->Command_Write->caption(),
        window_->Command_def->caption(),
        window_->Command_save->caption(),
        window_->Command_open->caption(),
        window_->Command_close->caption(),
        window_->Label_PassWord->text(),
        window_->Frame_A->title(),
        window_->Frame_B->title(),
        window_->settingLabel(OptIdx_Toa)->text(),
        window_->settingLabel(OptIdx_REP_S)->text(),
        window_->Label_Ponmsg_Txt->text(),
        window_->Label_Send_End->text(),
        window_->Frame_B->Label_Range->text(),
        window_->Frame_A->Label_r_ctdcs->text(),
        window_->Frame_B->paramLabels.back()->text(),
        QStringList{window_->Frame_A->Label_FreqUnit->text(), window_->Frame_A->Label_OffsetUnit->text(),
                    window_->Frame_B->Label_FreqUnit->text(), window_->Frame_B->Label_OffsetUnit->text()}
            .join(QLatin1Char(' ')),
        // The lists keep the language of the load.
        window_->Frame_A->Combo_r_ctdcs->list(0),
        window_->Frame_B->paramList(kVfoSpeakMuteByte)->text(),
    };
    QCOMPARE(shown, captions);
    QCOMPARE(window_->Label_PassWord->buddy(), window_->Text_PassWord);
    QCOMPARE(window_->settingLabel(OptIdx_Sql_le)->buddy(), window_->settingList(OptIdx_Sql_le));
    QCOMPARE(window_->Frame_A->Label_Freq->buddy(), window_->Frame_A->Text_Freq);
}

void TestFrmOption::password_box_holds_the_preset_password()
{
    loadWindow();
    QCOMPARE(window_->Text_PassWord->text(), QStringLiteral("583920"));
    QCOMPARE(window_->Text_PassWord->displayText(), QStringLiteral("******"));
}

void TestFrmOption::all_ff_settings_show_no_item_and_stay_as_they_are()
{
    Edata.fillRows(kFirstRow, kLastRow, kErased);  // as a file could hold it
    loadWindow();
    for (const OptSetting& s : OptSettings()) {
        KitList* list = window_->settingList(s.index);
        QCOMPARE(list->listIndex(), -1);
        QCOMPARE(list->findChild<QComboBox*>()->currentIndex(), -1);
        QCOMPARE(list->text(), QString());
    }
    // Not a byte of the area changed, with a list or without.
    for (int offset = 0; offset < 64; ++offset)
        QCOMPARE(OptByte(offset), kErased);
    QVERIFY(RowsHold(Edata, kFirstRow, kLastRow, kErased));

    // A byte an item holds shows that item; past the list again, no item.
    Edata(kFirstRow, OptIdx_Sql_le) = 9;
    window_->Opt_Show();
    QCOMPARE(window_->settingList(OptIdx_Sql_le)->text(), QStringLiteral("9"));
    Edata(kFirstRow, OptIdx_Sql_le) = 10;
    window_->Opt_Show();
    QCOMPARE(window_->settingList(OptIdx_Sql_le)->listIndex(), -1);
    QCOMPARE(OptByte(OptIdx_Sql_le), 10);
}

void TestFrmOption::default_shows_the_default_items_in_table_order()
{
    loadWindow();
    // Right after the start-up the four settings without a default are 0.
    const QStringList startUp = SettingTexts(window_);
    QCOMPARE((QStringList{startUp.at(8), startUp.at(9), startUp.at(10), startUp.at(24)}),
             (QStringList{"OFF", "OFF", "CH-000", "3"}));

    for (int offset : {OptIdx_Sc_Add, OptIdx_Pri_Sc, OptIdx_Pri_Ch, OptIdx_ANI_L})
        Edata(kFirstRow + offset / 16, offset % 16) = 1;
    window_->Opt_Show();
    window_->Command_def->click();
    QCOMPARE(SettingTexts(window_), (QStringList{"ON",
                                                 "5",
                                                 "90",
                                                 "10",
                                                 "OFF",
                                                 "ON",
                                                 "KB DTMFST + Send ANI DTMFST",
                                                 "OFF",
                                                 "ON",
                                                 "ON",
                                                 "CH-001",
                                                 "TO",
                                                 "OFF",
                                                 "10",
                                                 "Transpond",
                                                 "CH-199",
                                                 "5",
                                                 "Channel+Frequency",
                                                 "Channel",
                                                 "OFF",
                                                 "BATT",
                                                 "Purple",
                                                 "Blue",
                                                 "Orange",
                                                 "4",
                                                 "1000Hz",
                                                 "OFF",
                                                 "10",
                                                 "ON",
                                                 "5",
                                                 "OFF"}));
    QCOMPARE(recorder_->count(), 0);
}

void TestFrmOption::typing_into_a_setting_list_changes_nothing()
{
    loadWindow();
    KitList* squelch = window_->settingList(OptIdx_Sql_le);
    const MemoryImage before = Edata;
    KitDriver::TypeText(squelch, QStringLiteral("5"));
    KitDriver::TypeText(squelch, QStringLiteral("7"));
    QCOMPARE(squelch->text(), QStringLiteral("5"));
    QCOMPARE(squelch->listIndex(), 5);
    QVERIFY(Edata == before);
}

void TestFrmOption::choosing_an_item_stores_its_index_data()
{
    QTest::addColumn<int>("chinese");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("text");
    QTest::newRow("channel") << 0 << OptIdx_Pri_Ch << 7 << "CH-007";
    QTest::newRow("channel in Chinese") << -1 << OptIdx_Pri_Ch << 7 << "CH-007";
    QTest::newRow("alarm type in Chinese") << -1 << OptIdx_Emc_Tp << 2 << "现场+远程";
    QTest::newRow("time-out") << 0 << OptIdx_tot << 39 << "600";
}

void TestFrmOption::choosing_an_item_stores_its_index()
{
    QFETCH(int, chinese);
    QFETCH(int, index);
    QFETCH(int, item);
    QFETCH(QString, text);
    LangChinese = chinese;
    loadWindow();
    LangChinese = 0;
    KitDriver::ChooseItem(window_->settingList(index), item);
    QCOMPARE(window_->settingList(index)->text(), text);
    QCOMPARE(OptByte(index), item);
    QCOMPARE(int(OptData[index]), item);
}

void TestFrmOption::choice_right_after_typing_a_code_keeps_the_code()
{
    loadWindow();
    QVERIFY(KitDriver::ShowActive(frame_));
    window_->Text_PttId_Begin->setText(QString());
    KitDriver::TypeText(window_->Text_PttId_Begin, QStringLiteral("4567"));
    window_->Text_ANI->setText(QString());
    KitDriver::TypeText(window_->Text_ANI, QStringLiteral("321"));
    const MemoryImage typed = Edata;
    KitDriver::ChooseItem(window_->settingList(OptIdx_Sql_le), 7);
    QCOMPARE(RowBytes(Edata, 238), HexBytes("04 05 06 07") + Repeated(0xFF, 12));
    QCOMPARE(RowBytes(Edata, 237), HexBytes("03 02 01") + Repeated(0xFF, 13));
    // Only the squelch byte changed, and nothing outside 0x0E00..0x0E3F.
    MemoryImage expected = typed;
    expected(kFirstRow, OptIdx_Sql_le) = 7;
    QVERIFY(Edata == expected);
}

void TestFrmOption::first_refresh_ends_and_every_control_shows_its_bytes_data()
{
    QTest::addColumn<bool>("erased");
    QTest::addColumn<QString>("freqA");
    QTest::addColumn<QString>("freqB");
    // The default records lie outside the channel editor's bands (140..150,
    // 440..450): each shows as it is.
    QTest::newRow("default records") << false << "136.02500"
                                     << "470.62500";
    QTest::newRow("all 0xFF") << true << "."
                              << ".";
}

void TestFrmOption::first_refresh_ends_and_every_control_shows_its_bytes()
{
    QFETCH(bool, erased);
    QFETCH(QString, freqA);
    QFETCH(QString, freqB);
    if (erased)
        Edata.fillRows(kFirstRow, kLastRow, kErased);
    const MemoryImage before = Edata;
    loadWindow();
    QCOMPARE(recorder_->count(), 0);
    // Each VFO shows its record as it is, and the bytes stay.
    QCOMPARE(window_->Frame_A->Text_Freq->text(), freqA);
    QCOMPARE(window_->Frame_B->Text_Freq->text(), freqB);
    QVERIFY(Edata == before);
    // The band each record shows set the working limits and the range box.
    QCOMPARE(window_->Frame_B->Text_Range->text(), QStringLiteral("440 - 450.9950"));
    QCOMPARE(UhfMin, 440.0);

    // Every control shows its bytes: a second refresh changes none of them
    // and runs no list handler.
    const MemoryImage after = Edata;
    countChoices();
    window_->Opt_Show();
    QCOMPARE(choices_, 0);
    QVERIFY(Edata == after);
    QCOMPARE(window_->Frame_B->Text_Freq->text(), freqB);
    QCOMPARE(recorder_->count(), 0);
}

void TestFrmOption::band_choice_refreshes_the_window_once()
{
    loadWindow();
    int refreshes = 0;
    // Every refresh empties VFO B's frequency box once.
    KitText* box = window_->Frame_B->Text_Freq;
    const auto change = box->onChange;
    box->onChange = [&refreshes, box, change] {
        refreshes += box->text().isEmpty() ? 1 : 0;
        change();
    };
    KitDriver::ChooseItem(window_->Frame_A->Combo_Band, kVfoBandUhf);
    QCOMPARE(refreshes, 1);
    QCOMPARE(window_->Frame_A->Text_Freq->text(), QStringLiteral("440.02500"));
    QCOMPARE(window_->Frame_A->Text_Range->text(), QStringLiteral("440 - 450.9950"));
    QCOMPARE(RowBytes(Edata, kVfoFreqRowA, 0, 8), (Bytes{4, 4, 0, 0, 2, 5, 0, 0}));
    QCOMPARE(VhfMin, 440.0);
    QCOMPARE(VhfMax, 450.0);
    QCOMPARE(recorder_->count(), 0);
}

void TestFrmOption::band_choices_end_with_band_limits_in_each_others_band()
{
    // Each band's low end stores a byte 0 that selects the other band.
    BandVhfMin = 200;
    BandVhfMax = 250;
    BandUhfMin = 100;
    BandUhfMax = 150;
    loadWindow();
    QVERIFY(window_ != nullptr);
    KitDriver::ChooseItem(window_->Frame_B->Combo_Band, kVfoBandVhf);
    QVERIFY(window_->Frame_B->Combo_Band->listIndex() >= 0);
    recorder_->takeAll();
}

void TestFrmOption::activation_shows_what_the_image_holds_now()
{
    loadWindow();
    Windows::Load<Form_open_chann>();  // takes the activation
    // As a ".dat" file or another window would leave it.
    Edata(kFirstRow, OptIdx_Sql_le) = 3;
    SetRow(Edata, 237, "01 02 03");
    QCOMPARE(window_->settingList(OptIdx_Sql_le)->text(), QStringLiteral("5"));
    frame_->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(window_->frameWidget()));
    QCOMPARE(window_->settingList(OptIdx_Sql_le)->text(), QStringLiteral("3"));
    QCOMPARE(window_->Text_ANI->text(), QStringLiteral("123"));
}

void TestFrmOption::default_leaves_rows_244_to_255()
{
    loadWindow();
    for (int r = 244; r <= kLastRow; ++r)
        SetRow(Edata, r, "11 22 33 44 55 66 77 88 99 AA BB CC DD EE F0 0F");
    Edata(kFirstRow, OptIdx_Sql_le) = 9;
    window_->link().setProgressVisible(true);
    window_->link().setProgressValue(40);
    window_->link().setLabel(QStringLiteral("Communication fault."));
    window_->Command_def->click();
    for (int r = 244; r <= kLastRow; ++r)
        QCOMPARE(RowHex(Edata, r), QByteArray("11 22 33 44 55 66 77 88 99 AA BB CC DD EE F0 0F"));
    QCOMPARE(OptByte(OptIdx_Sql_le), 5);
    QVERIFY(window_->ProgressBar1->isHidden());
    QCOMPARE(window_->ProgressBar1->value(), 0);
    QCOMPARE(window_->Label_tr_count->text(), QString());
}

void TestFrmOption::open_keeps_its_dialog_and_save_replaces_its_own()
{
    loadWindow();
    window_->Command_open->click();
    auto* open = Windows::Find<Form_open_chann>();
    QVERIFY(open != nullptr);
    open->Text1->setText(QStringLiteral("typed.dat"));
    frame_->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(window_->frameWidget()));
    QCOMPARE(frame_->activeChild(), window_);
    // A second press keeps the dialog as it is and brings it up.
    window_->Command_open->click();
    QCOMPARE(Windows::Find<Form_open_chann>(), open);
    QCOMPARE(open->Text1->text(), QStringLiteral("typed.dat"));
    QCOMPARE(frame_->activeChild(), open);

    window_->Command_save->click();
    QPointer<Form_save_chann> save = Windows::Find<Form_save_chann>();
    QVERIFY(save != nullptr);
    save->Text1->setText(QStringLiteral("typed.dat"));
    window_->Command_save->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(save.isNull());
    QVERIFY(Windows::Find<Form_save_chann>() != nullptr);
    QVERIFY(Windows::Find<Form_save_chann>()->Text1->text() != QStringLiteral("typed.dat"));
}

void TestFrmOption::close_unloads_the_window_and_the_menu_dialogs()
{
    loadWindow();
    Windows::Load<Form_open_menu>();
    Windows::Load<Form_save_menu>();
    window_->Command_close->click();
    QCOMPARE(Windows::Find<frm_option>(), nullptr);
    QCOMPARE(Windows::Find<Form_open_menu>(), nullptr);
    QCOMPARE(Windows::Find<Form_save_menu>(), nullptr);
    QCOMPARE(recorder_->count(), 0);
    window_ = nullptr;
}

QTEST_MAIN(TestFrmOption)
#include "tst_frm_option.moc"
