// The DTMF window as a child of the main window: its captions and
// placement, activation, Default, the buttons that refuse while its
// transfer runs, its closing, and its transfer against the radio simulator
// in process, on virtual time, when the radio fails.

#include "core/dtmf_defaults.h"
#include "core/memory_image.h"
#include "core/tone_list.h"
#include "core/ui/form_open_chann.h"
#include "core/ui/form_save_chann.h"
#include "link/link_state.h"
#include "link/transfer_engine.h"
#include "signalling/ui/frm_dtmf.h"
#include "support/dtmf_shown.h"
#include "support/image_rows.h"
#include "support/kit_driver.h"
#include "support/message_recorder.h"
#include "support/radio_simulator.h"
#include "support/sim_port.h"
#include "support/test_frame.h"
#include "support/virtual_clock.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QtTest>

Q_DECLARE_METATYPE(Fault)
Q_DECLARE_METATYPE(ReplyKind)

namespace {

constexpr int kPort = 3;
constexpr qint64 kLongEnough = 600000;
constexpr int kFirstRow = 656;
constexpr int kLastRow = 687;

const QString kBusy = QStringLiteral("Read-write operating with transceiver .");

// The area in the radio: valid settings other than the defaults.
void PutRadioArea(RadioSimulator& radio)
{
    MemoryImage area;
    Dtmf_Defaults(area);
    SetRow(area, 656, "01 02 03");
    SetRow(area, 671, "09 0C");
    SetRow(area, 687, "00 15 0A 01 0D 0E 09 13");
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        for (int c = 0; c < kRowBytes; ++c)
            radio.memory[row * kRowBytes + c] = static_cast<char>(area(row, c));
    }
}

// A line of rights headings, column by column.
QString HeadingLine(const std::array<QLabel*, Dtmf::kRights>& labels)
{
    QStringList words;
    for (const QLabel* label : labels)
        words << label->text();
    return words.join(QLatin1Char('|'));
}

// The horizontal centre of a widget in the coordinates of another.
int CentreX(const QWidget* widget, const QWidget* in)
{
    return widget->mapTo(in, widget->rect().center()).x();
}

}  // namespace

class TestFrmDtmfWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void captions_data();
    void captions();
    void each_rights_heading_stands_over_its_column_data();
    void each_rights_heading_stands_over_its_column();
    void placement_follows_the_main_window();
    void password_box_holds_the_preset_password();
    void activation_shows_what_a_whole_image_read_or_a_file_left();

    void default_when_idle_rewrites_the_area();
    void digit_lists_over_ff_bytes_show_no_item_after_a_read();
    void open_save_and_close_when_idle();
    void buttons_while_a_transfer_runs_data();
    void buttons_while_a_transfer_runs();
    void close_box_during_a_read_ends_it_then_warns();

    void failed_transfers_leave_the_area_and_the_window_data();
    void failed_transfers_leave_the_area_and_the_window();
    void refused_password_stops_without_retry();

private:
    bool runUntil(const std::function<bool()>& done) { return clock_->advanceUntil(done, kLongEnough); }
    bool runToEnd()
    {
        return runUntil([this] { return !ends_.isEmpty(); });
    }
    void load();
    // Starts a read or a write and lets a few blocks or frames go by.
    void underWay(bool write);

    std::unique_ptr<VirtualClock> clock_;
    std::unique_ptr<MessageRecorder> recorder_;
    std::unique_ptr<SimPortFactory> ports_;
    std::unique_ptr<RadioSimulator> radio_;
    TestFrame* frame_ = nullptr;
    frm_dtmf* window_ = nullptr;
    QList<TransferEnd> ends_;
};

void TestFrmDtmfWindow::initTestCase()
{
    InitToneTables();  // the model signature the identification checks
    BuildLinkOpenFrame();
}

void TestFrmDtmfWindow::init()
{
    clock_ = std::make_unique<VirtualClock>();
    recorder_ = std::make_unique<MessageRecorder>();
    ports_ = std::make_unique<SimPortFactory>();
    radio_ = std::make_unique<RadioSimulator>();
    PutRadioArea(*radio_);
    ports_->attach(kPort, *radio_);
    CommPortNo = kPort;
    PortError = 0;
    LangChinese = 0;
    Edata.fill(kErased);
    Dtmf_Defaults();
    ends_.clear();
    frame_ = Windows::Load<TestFrame>();
    frame_->Show();
    load();
}

void TestFrmDtmfWindow::cleanup()
{
    Windows::UnloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window_ = nullptr;
    QVERIFY(recorder_->verifyAllTaken());
    recorder_.reset();
    ports_.reset();
    radio_.reset();
    clock_.reset();
}

void TestFrmDtmfWindow::load()
{
    window_ = Windows::Load<frm_dtmf>();
    QVERIFY(window_ != nullptr);
    window_->link().onFinished = [this](TransferEnd end) { ends_ << end; };
}

void TestFrmDtmfWindow::underWay(bool write)
{
    write ? window_->Command_Write->click() : window_->Command_read->click();
    const ReplyKind kind = write ? ReplyKind::WriteAck : ReplyKind::Block;
    QVERIFY(runUntil([&] { return radio_->answered(kind) >= 4; }));
    QVERIFY(write ? window_->Writing() : window_->Reading());
}

void TestFrmDtmfWindow::captions_data()
{
    QTest::addColumn<int>("chinese");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("English") << 0
                             << QStringList{"DTMF Encode/Decode ",
                                            "DTMF Encode",
                                            "Number",
                                            " Code ",
                                            "DTMF Speed (On Time)",
                                            "DTMF Speed (Off Time)",
                                            "State",
                                            "RX Disable",
                                            "TX Disable",
                                            "DTMF Decode",
                                            "Inspection",
                                            "Monitor",
                                            "Alarm",
                                            "Stun",
                                            "Kill",
                                            "Revive",
                                            "Control ID code and control right",
                                            "Inspection||Stun||Revive",
                                            "|Monitor||Kill|",
                                            "Function Control by master and vice ID code",
                                            "Master Control ID",
                                            "Vice Control ID",
                                            "Group Code",
                                            "Space Code",
                                            "Reset Time(ms)",
                                            "Delay processing time (ms)",
                                            "Read",
                                            "Write",
                                            "Default",
                                            "Save",
                                            "Open",
                                            "Close",
                                            "PassWord"};
    QTest::newRow("Chinese") << -1
                             << QStringList{"DTMF 编解码参数编辑",
                                            "DTMF 编码",
                                            "编码码组",
                                            "发送编码",
                                            "发码持续时间（MS）",
                                            "发码间断时间（MS）",
                                            "本机状态",
                                            "接收禁止",
                                            "发射禁止",
                                            "DTMF 解码",
                                            "巡 查 码",
                                            "监 听 码",
                                            "报 警 码",
                                            "遥 晕 码",
                                            "遥 毙 码",
                                            "开 机 码",
                                            "控制ID码及控制权限",
                                            "||||",
                                            "巡查|监听|遥晕|遥毙|开机",
                                            "接受主副ID控制",
                                            "主控ID码",
                                            "副控ID码",
                                            "群呼码",
                                            "码组间隔码",
                                            "复位时间(ms)",
                                            "收码结束延迟处理时间(ms)",
                                            "读 取",
                                            "写  入",
                                            "默 认",
                                            "保  存",
                                            "打  开",
                                            "关  闭",
                                            "读写密码"};
}

void TestFrmDtmfWindow::captions()
{
    QFETCH(int, chinese);
    QFETCH(QStringList, captions);
    Windows::Unload(window_);
    LangChinese = chinese;
    load();
    LangChinese = 0;  // an open window keeps the captions it was loaded with
    const frm_dtmf& w = *window_;
    const QStringList shown{w.windowTitle(),
                            w.Frame_Encode->title(),
                            w.Label_encode_xh->text(),
                            w.Label_tx_encode->text(),
                            w.Label_dtmf_ontime->text(),
                            w.Label_dtmf_offtime->text(),
                            w.Frame_State->title(),
                            w.Check_RX->caption(),
                            w.Check_Tx->caption(),
                            w.Frame_Decode->title(),
                            w.Label_xc->text(),
                            w.Label_jt->text(),
                            w.Label_bj->text(),
                            w.Label_yy->text(),
                            w.Label_yb->text(),
                            w.Label_kj->text(),
                            w.Frame_Ctrl->title(),
                            HeadingLine(w.Label_xcjtyyybkj_2),
                            HeadingLine(w.Label_xcjtyyybkj_1),
                            w.Check_Ctrl_En->caption(),
                            w.Label_PID->text(),
                            w.Label_SID->text(),
                            w.Label_Group_code->text(),
                            w.Label_Dec_Space_Code->text(),
                            w.Label_Reset_Time->text(),
                            w.Label_Rece_End_ProcDelay->text(),
                            w.Command_read->caption(),
                            w.Command_Write->caption(),
                            w.Command_def->caption(),
                            w.Command_save->caption(),
                            w.Command_open->caption(),
                            w.Command_close->caption(),
                            w.Label_PassWord->text()};
    QCOMPARE(shown, captions);
    QCOMPARE(w.Frame_jm->title(), QString());
    QCOMPARE(w.Label_PID->alignment(), Qt::AlignCenter);
    QCOMPARE(w.Label_SID->alignment(), Qt::AlignCenter);
    // Each label that names a box is its buddy.
    QCOMPARE(w.Label_xh[7]->buddy(), w.Text_tx_Encode[7]);
    QCOMPARE(w.Label_PID->buddy(), w.Text_MID);
    QCOMPARE(w.Label_SID->buddy(), w.Text_SID);
    QCOMPARE(w.Label_kj->buddy(), w.Text_KJ);
    QCOMPARE(w.Label_dtmf_offtime->buddy(), w.Combo_Enc_ys2);
    QCOMPARE(w.Label_Rece_End_ProcDelay->buddy(), w.Combo_Dec_Proc_Ys);
    QCOMPARE(w.Label_PassWord->buddy(), w.Text_PassWord);
}

void TestFrmDtmfWindow::each_rights_heading_stands_over_its_column_data()
{
    QTest::addColumn<int>("chinese");
    QTest::addColumn<QStringList>("headings");
    QTest::newRow("English") << 0 << QStringList{"Inspection", "Monitor", "Stun", "Kill", "Revive"};
    QTest::newRow("Chinese") << 1 << QStringList{"巡查", "监听", "遥晕", "遥毙", "开机"};
}

void TestFrmDtmfWindow::each_rights_heading_stands_over_its_column()
{
    // The columns of rights boxes are inspection, monitor, stun, kill and
    // revive from left to right; each heading stands centred over its own
    // column, wholly shown, nearer to it than to any other column.
    QFETCH(int, chinese);
    QFETCH(QStringList, headings);
    Windows::Unload(window_);
    LangChinese = chinese;
    load();
    LangChinese = 0;
    QWidget* frame = window_->Frame_Ctrl;
    frame->layout()->activate();
    for (int i = 0; i < Dtmf::kRights; ++i) {
        const QLabel* upper = window_->Label_xcjtyyybkj_2[i];
        const QLabel* lower = window_->Label_xcjtyyybkj_1[i];
        const QLabel* heading = upper->text().isEmpty() ? lower : upper;
        QCOMPARE(heading->text(), headings[i]);
        QVERIFY(upper->text().isEmpty() || lower->text().isEmpty());
        QVERIFY(heading->isVisible());
        QVERIFY(heading->width() >= heading->fontMetrics().horizontalAdvance(heading->text()));
        const int column = CentreX(window_->Check_M[i], frame);
        QCOMPARE(CentreX(window_->Check_S[i], frame), column);
        QVERIFY2(qAbs(CentreX(heading, frame) - column) <= 1, qPrintable(QStringLiteral("%1 at %2, its column at %3")
                                                                             .arg(heading->text())
                                                                             .arg(CentreX(heading, frame))
                                                                             .arg(column)));
        for (int other = 0; other < Dtmf::kRights; ++other) {
            const int distance = qAbs(CentreX(window_->Check_M[other], frame) - CentreX(heading, frame));
            QVERIFY(other == i || distance > qAbs(column - CentreX(heading, frame)));
        }
    }
}

void TestFrmDtmfWindow::placement_follows_the_main_window()
{
    const double width = frame_->Width() / 1.4;
    const double height = frame_->Height() / 1.55;
    QCOMPARE(window_->Width(), PixelsToTwips(TwipsToPixels(width)));
    QCOMPARE(window_->Height(), PixelsToTwips(TwipsToPixels(height)));
    QCOMPARE(window_->Left(), PixelsToTwips(TwipsToPixels((frame_->ScaleWidth() - width) / 2)));
    QCOMPARE(window_->Top(), PixelsToTwips(TwipsToPixels((frame_->ScaleHeight() - height) / 2)));
    QVERIFY(window_->frameWidget()->isVisible());
    QVERIFY(window_->Frame_Encode->isVisible());
    QCOMPARE(frame_->activeChild(), window_);
    QVERIFY(window_->ProgressBar1->isHidden());
    QCOMPARE(window_->Label_tr_count->text(), QString());
}

void TestFrmDtmfWindow::password_box_holds_the_preset_password()
{
    Windows::Unload(window_);
    load();
    QCOMPARE(window_->Text_PassWord->text(), QStringLiteral("583920"));
    QCOMPARE(window_->Text_PassWord->displayText(), QStringLiteral("******"));
}

void TestFrmDtmfWindow::activation_shows_what_a_whole_image_read_or_a_file_left()
{
    QVERIFY(KitDriver::ShowActive(frame_));
    // As a whole-image read or a ".dat" file leaves the area.
    SetRow(Edata, 656, "04 05 06");
    SetRow(Edata, 687, "01 1F 03 02 0B 0C 04 4F");
    // The application losing and regaining the focus is no activation.
    KitDriver::Activate(nullptr);
    KitDriver::Activate(frame_);
    QCOMPARE(window_->Text_tx_Encode[0]->text(), QStringLiteral("20202"));
    Windows::Load<OtherChild>();
    frame_->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(window_->frameWidget()));
    QCOMPARE(window_->Text_tx_Encode[0]->text(), QStringLiteral("456"));
    QCOMPARE(window_->Check_Tx->value(), 1);
}

void TestFrmDtmfWindow::default_when_idle_rewrites_the_area()
{
    // A read has shown its outcome in the bar and the label.
    window_->Command_read->click();
    QVERIFY(runToEnd());
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Complete reading the data from transceiver.")});
    QVERIFY(window_->ProgressBar1->isVisible());
    QCOMPARE(window_->Label_tr_count->text(), QStringLiteral("Read DTMF Signal parameters in gear. "));
    for (int row = kFirstRow; row <= kLastRow; ++row)
        SetRow(Edata, row, "01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 00");
    window_->Dtmf_Show();
    QCOMPARE(window_->Text_tx_Encode[0]->text(), QStringLiteral("1234567890*#ABCD"));
    MemoryImage expected = Edata;
    Dtmf_Defaults(expected);

    window_->Command_def->click();
    // The bar and the label no longer speak of the read.
    QVERIFY(window_->ProgressBar1->isHidden());
    QCOMPARE(window_->ProgressBar1->value(), 0);
    QCOMPARE(window_->Label_tr_count->text(), QString());
    QVERIFY(Edata == expected);
    QVERIFY(RowHex(Edata, 678) == RowHex(expected, 684));
    QCOMPARE(RowHex(Edata, 678), QByteArray("FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF"));
    const QStringList painted{"Text_tx_Encode(0)=20202", "Text_tx_Encode(1)=",     "Combo_Enc_ys1=80", "Check_S(2)=0",
                              "Combo_Dec_qh=*",          "Combo_Dec_Res_Time=8000"};
    QCOMPARE(Mismatches(ShownBy(*window_), painted), QStringList());
    QCOMPARE(recorder_->count(), 0);
}

void TestFrmDtmfWindow::digit_lists_over_ff_bytes_show_no_item_after_a_read()
{
    // The radio's group and separator bytes hold no digit; the lists show
    // the defaults' "*" and "#" before the read.
    radio_->memory[0x2AF4] = '\xFF';
    radio_->memory[0x2AF5] = '\xFF';
    QCOMPARE(window_->Combo_Dec_qh->text(), QStringLiteral("*"));
    QCOMPARE(window_->Combo_Dec_Space_Code->text(), QStringLiteral("#"));
    window_->Command_read->click();
    QVERIFY(runToEnd());
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Complete reading the data from transceiver.")});
    QCOMPARE(RowHex(Edata, 687).mid(12, 5), QByteArray("FF FF"));
    // Neither the lists nor the Qt boxes on the screen show an item.
    for (KitList* list : {window_->Combo_Dec_qh, window_->Combo_Dec_Space_Code}) {
        const auto* box = list->findChild<QComboBox*>();
        QVERIFY(box != nullptr);
        QCOMPARE(list->listIndex(), -1);
        QCOMPARE(list->text(), QString());
        QCOMPARE(box->currentIndex(), -1);
        QCOMPARE(box->currentText(), QString());
        QCOMPARE(box->placeholderText(), QString());
    }
    QCOMPARE(RowHex(Edata, 687).mid(12, 5), QByteArray("FF FF"));
}

void TestFrmDtmfWindow::open_save_and_close_when_idle()
{
    window_->Command_open->click();
    QVERIFY(Windows::Find<Form_open_chann>() != nullptr);
    window_->Command_save->click();
    QVERIFY(Windows::Find<Form_save_chann>() != nullptr);
    window_->Command_close->click();
    QCOMPARE(Windows::Find<frm_dtmf>(), nullptr);
    // Close leaves the file dialogs open.
    QVERIFY(Windows::Find<Form_open_chann>() != nullptr);
    QVERIFY(Windows::Find<Form_save_chann>() != nullptr);
    QCOMPARE(recorder_->count(), 0);
}

void TestFrmDtmfWindow::buttons_while_a_transfer_runs_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("chinese");
    QTest::addColumn<QString>("message");
    QTest::newRow("Default during a read") << "Default" << false << 0 << kBusy;
    QTest::newRow("Default during a write") << "Default" << true << 0 << kBusy;
    QTest::newRow("Default in Chinese") << "Default" << false << -1 << "正在与对讲机进行读写操作 ！";
    QTest::newRow("Open") << "Open" << false << 0 << kBusy;
    QTest::newRow("Save") << "Save" << true << 0 << kBusy;
    QTest::newRow("Close") << "Close" << false << 0 << kBusy;
    QTest::newRow("Read") << "Read" << true << 0 << kBusy;
    QTest::newRow("Write") << "Write" << false << 0 << kBusy;
}

void TestFrmDtmfWindow::buttons_while_a_transfer_runs()
{
    QFETCH(QString, button);
    QFETCH(bool, write);
    QFETCH(int, chinese);
    QFETCH(QString, message);
    SetRow(Edata, 657, "01 02 03");
    window_->Dtmf_Show();
    underWay(write);
    const MemoryImage before = Edata;
    const DtmfShown shown = ShownBy(*window_);
    const std::map<QString, KitButton*> buttons{
        {"Default", window_->Command_def}, {"Open", window_->Command_open}, {"Save", window_->Command_save},
        {"Close", window_->Command_close}, {"Read", window_->Command_read}, {"Write", window_->Command_Write},
    };
    LangChinese = chinese;
    buttons.at(button)->click();
    LangChinese = 0;
    const QList<ShownMessage> messages = recorder_->takeAll();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().text, message);
    QCOMPARE(messages.first().title, chinese != 0 ? QStringLiteral("操作提示") : QStringLiteral("Operate prompt"));
    QCOMPARE(messages.first().message.icon, MessageIcon::Exclamation);
    QVERIFY(Edata == before);
    QCOMPARE(ShownBy(*window_), shown);
    QCOMPARE(Windows::Find<frm_dtmf>(), window_);
    QCOMPARE(Windows::Find<Form_open_chann>(), nullptr);
    QCOMPARE(Windows::Find<Form_save_chann>(), nullptr);
    // The transfer goes on to its end.
    QVERIFY(runToEnd());
    QCOMPARE(ends_.last(), write ? TransferEnd::WriteDone : TransferEnd::ReadDone);
    recorder_->takeAll();
}

void TestFrmDtmfWindow::close_box_during_a_read_ends_it_then_warns()
{
    underWay(false);
    QVERIFY(ports_->isOpen(kPort));
    const MemoryImage before = Edata;
    const qsizetype heard = radio_->heard.size();
    bool portClosedAtWarning = false;
    recorder_->onShow = [&](const ShownMessage&) { portClosedAtWarning = !ports_->isOpen(kPort); };
    window_->frameWidget()->close();
    recorder_->onShow = nullptr;
    const QList<ShownMessage> messages = recorder_->takeAll();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().text, QStringLiteral("Read-write operating，don't close the window.,"));
    QCOMPARE(messages.first().title, QStringLiteral("Operate prompt"));
    QVERIFY(portClosedAtWarning);
    QCOMPARE(Windows::Find<frm_dtmf>(), nullptr);
    window_ = nullptr;
    // Nothing of the transfer runs on, and the area stays as it was.
    clock_->advance(20000);
    QCOMPARE(radio_->heard.size(), heard);
    QCOMPARE(recorder_->count(), 0);
    QVERIFY(Edata == before);
    // The port is free for the next window.
    load();
    window_->Command_read->click();
    QVERIFY(runToEnd());
    QCOMPARE(ends_.last(), TransferEnd::ReadDone);
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Complete reading the data from transceiver.")});
}

void TestFrmDtmfWindow::failed_transfers_leave_the_area_and_the_window_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<ReplyKind>("kind");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("linkOpens");
    QTest::addColumn<bool>("done");
    const int always = RadioSimulator::kForever;
    QTest::newRow("silent radio, read") << false << Fault::Silent << ReplyKind::Any << 0 << always << 4 << false;
    QTest::newRow("silent radio, write") << true << Fault::Silent << ReplyKind::Any << 0 << always << 4 << false;
    QTest::newRow("every write frame answered 0x15")
        << true << Fault::WrongAck << ReplyKind::WriteAck << 0 << always << 4 << false;
    QTest::newRow("one write frame answered 0x15 restarts")
        << true << Fault::WrongAck << ReplyKind::WriteAck << 5 << 1 << 2 << true;
    QTest::newRow("every read reply with its 0x58 at index 2")
        << false << Fault::LeadingNoise << ReplyKind::Block << 1 << always << 4 << false;
    QTest::newRow("one read reply with its 0x58 at index 2 restarts")
        << false << Fault::LeadingNoise << ReplyKind::Block << 3 << 1 << 2 << true;
}

void TestFrmDtmfWindow::failed_transfers_leave_the_area_and_the_window()
{
    QFETCH(bool, write);
    QFETCH(Fault, fault);
    QFETCH(ReplyKind, kind);
    QFETCH(int, first);
    QFETCH(int, count);
    QFETCH(int, linkOpens);
    QFETCH(bool, done);
    radio_->addFault(fault, kind, first, count);
    const MemoryImage before = Edata;
    DtmfShown shown = ShownBy(*window_);
    write ? window_->Command_Write->click() : window_->Command_read->click();
    QVERIFY(runToEnd());
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::LinkOpen), linkOpens);
    const QList<ShownMessage> messages = recorder_->takeAll();
    QCOMPARE(messages.size(), 1);
    QVERIFY(!window_->Reading() && !window_->Writing());
    QVERIFY(!ports_->isOpen(kPort));

    if (done) {
        QCOMPARE(ends_.last(), write ? TransferEnd::WriteDone : TransferEnd::ReadDone);
        for (int a = 0x2900; a < 0x2B00; ++a)
            QCOMPARE(int(Edata(a / 16, a % 16)), radio_->memoryByte(a));
        return;
    }
    QCOMPARE(ends_.last(), TransferEnd::Failed);
    QCOMPARE(messages.first().text, QStringLiteral("Fail connect with transceiver."));
    QCOMPARE(messages.first().title, QStringLiteral("Operate prompt"));
    QVERIFY(Edata == before);
    shown[QStringLiteral("ProgressBar1.Visible")] = QStringLiteral("1");
    shown[QStringLiteral("ProgressBar1")] = QStringLiteral("0");
    shown[QStringLiteral("Label_tr_count")] = QStringLiteral("Communication fault.");
    QCOMPARE(ShownBy(*window_), shown);
    // Not left busy: Default works again.
    window_->Command_def->click();
    QCOMPARE(recorder_->count(), 0);
}

void TestFrmDtmfWindow::refused_password_stops_without_retry()
{
    radio_->setPasswords("111111", "");
    const MemoryImage before = Edata;
    const DtmfShown shown = ShownBy(*window_);
    window_->Command_read->click();
    QVERIFY(runToEnd());
    QCOMPARE(ends_.last(), TransferEnd::PasswordRefused);
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("PassWord Error, Reading Stop")});
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::LinkOpen), 1);
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::Read), 1);  // the password block only
    QVERIFY(Edata == before);
    const DtmfShown after = ShownBy(*window_);
    for (auto it = shown.begin(); it != shown.end(); ++it) {
        if (!it.key().startsWith(QLatin1String("ProgressBar1")) && it.key() != QLatin1String("Label_tr_count"))
            QCOMPARE(after.value(it.key()), it.value());
    }
    QVERIFY(!window_->Reading());
    window_->Command_def->click();
    QCOMPARE(recorder_->count(), 0);
}

QTEST_MAIN(TestFrmDtmfWindow)
#include "tst_frm_dtmf_window.moc"
