// The channel window as a child of the main window: its load, captions and
// placement, the buttons that act on the whole table and their refusals
// while a transfer runs, its closing, and its own transfer against the radio
// simulator in process, on virtual time.

#include "channels/chann_link.h"
#include "channels/ui/frm_chann.h"
#include "core/freq_codec.h"
#include "core/model_bands.h"
#include "core/numbers.h"
#include "core/status_panels.h"
#include "core/tone_list.h"
#include "core/ui/form_open_chann.h"
#include "core/ui/form_save_chann.h"
#include "link/link_state.h"
#include "link/transfer_engine.h"
#include "support/channel_table.h"
#include "support/image_bytes.h"
#include "support/image_rows.h"
#include "support/kit_driver.h"
#include "support/message_recorder.h"
#include "support/radio_simulator.h"
#include "support/sim_port.h"
#include "support/test_frame.h"
#include "support/virtual_clock.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QtTest>

namespace {

constexpr int kPort = 3;
constexpr qint64 kLongEnough = 600000;

const QString kBusy = QStringLiteral("Read-write operating with transceiver .");

int Byte(const QByteArray& bytes, int i)
{
    return static_cast<std::uint8_t>(bytes.at(i));
}

}  // namespace

class TestFrmChannWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void placement_follows_the_main_window();
    void captions_data();
    void captions();
    void password_box_holds_the_preset_password();
    void activation_shows_what_the_image_holds_now();

    void read_shows_the_radio_channels_and_names();
    void write_refuses_the_default_samples_before_the_port_opens();
    void write_refuses_a_value_that_is_no_byte();
    void failed_write_reports_on_the_status_bar();
    void editor_open_over_an_empty_row_during_a_read_keeps_the_channel_read();

    void default_keeps_the_sample_names_and_empties_the_others();
    void clear_when_idle_empties_every_channel();
    void open_save_and_close_when_idle();
    void buttons_while_a_transfer_runs_data();
    void buttons_while_a_transfer_runs();
    void default_during_a_read_is_carried_out_and_then_read_over();
    void close_box_during_a_transfer_warns_and_closes();

private:
    bool runUntil(const std::function<bool()>& done) { return clock_->advanceUntil(done, kLongEnough); }
    // Starts a read and lets a few blocks arrive.
    void readUnderWay();
    QString cell(int row, int col) const { return window_->MSF_Chann->textMatrix(row, col); }

    std::unique_ptr<VirtualClock> clock_;
    std::unique_ptr<MessageRecorder> recorder_;
    std::unique_ptr<SimPortFactory> ports_;
    std::unique_ptr<RadioSimulator> radio_;
    TestFrame* frame_ = nullptr;
    frm_chann* window_ = nullptr;
    QList<TransferEnd> ends_;
};

void TestFrmChannWindow::initTestCase()
{
    InitToneTables();
    BuildLinkOpenFrame();
}

void TestFrmChannWindow::init()
{
    clock_ = std::make_unique<VirtualClock>();
    recorder_ = std::make_unique<MessageRecorder>();
    ports_ = std::make_unique<SimPortFactory>();
    radio_ = std::make_unique<RadioSimulator>();
    ChannelTable::PutInto(*radio_);
    ports_->attach(kPort, *radio_);
    CommPortNo = kPort;
    PortError = 0;
    LangChinese = 0;
    StatusBar1.clear();
    Edata.fill(kErased);
    ends_.clear();
    frame_ = Windows::Load<TestFrame>();
    frame_->Show();
    window_ = Windows::Load<frm_chann>();
    QVERIFY(window_ != nullptr);
    window_->link().onFinished = [this](TransferEnd end) { ends_ << end; };
}

void TestFrmChannWindow::cleanup()
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

void TestFrmChannWindow::readUnderWay()
{
    window_->Command_read->click();
    QVERIFY(runUntil([this] { return radio_->answered(ReplyKind::Block) >= 5; }));
    QVERIFY(window_->Reading());
}

void TestFrmChannWindow::placement_follows_the_main_window()
{
    const double width = frame_->Width() / 1.06;
    const double height = frame_->Height() / 1.26;
    QCOMPARE(window_->Width(), PixelsToTwips(TwipsToPixels(width)));
    QCOMPARE(window_->Height(), PixelsToTwips(TwipsToPixels(height)));
    QCOMPARE(window_->Left(), PixelsToTwips(TwipsToPixels((frame_->ScaleWidth() - width) / 2)));
    QCOMPARE(window_->Top(), PixelsToTwips(TwipsToPixels((frame_->ScaleHeight() - height) / 2)));
    QCOMPARE(window_->MSF_Chann->width(), TwipsToPixels(window_->ScaleWidth() / 1.02));
    QVERIFY(window_->frameWidget()->isVisible());
    QCOMPARE(frame_->activeChild(), window_);
    QVERIFY(window_->Text_Edit->isHidden());
    QVERIFY(window_->ProgressBar1->isHidden());
    QCOMPARE(window_->Label_tr_count->text(), QString());
}

void TestFrmChannWindow::captions_data()
{
    QTest::addColumn<int>("chinese");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("English") << 0 << QStringList{"Channel Information",
                                                 "Read",
                                                 "Write",
                                                 "Clear",
                                                 "Default",
                                                 "Save",
                                                 "Open",
                                                 "Close",
                                                 "PassWord",
                                                 "  Band  "};
    QTest::newRow("Chinese") << -1 << QStringList{"信道参数编辑", "读 取", "写 入", "清 除",    "出厂值",
                                                  "保 存",        "打 开", "关 闭", "读写密码", " 工作频段 "};
}

void TestFrmChannWindow::captions()
{
    QFETCH(int, chinese);
    QFETCH(QStringList, captions);
    LangChinese = chinese;
    Windows::Unload(window_);
    window_ = Windows::Load<frm_chann>();
    LangChinese = 0;
    const QStringList shown{window_->windowTitle(),
                            window_->Command_read->caption(),
                            window_->Command_Write->caption(),
                            window_->Command_Clear->caption(),
                            window_->Command_def->caption(),
                            window_->Command_save->caption(),
                            window_->Command_open->caption(),
                            window_->Command_close->caption(),
                            window_->Label_PassWord->text(),
                            window_->MSF_Chann->textMatrix(0, ChannCol::Band)};
    QCOMPARE(shown, captions);
    QCOMPARE(window_->Label_PassWord->buddy(), window_->Text_PassWord);
}

void TestFrmChannWindow::password_box_holds_the_preset_password()
{
    Windows::Unload(window_);
    window_ = Windows::Load<frm_chann>();
    QCOMPARE(window_->Text_PassWord->text(), QStringLiteral("583920"));
    QCOMPARE(window_->Text_PassWord->displayText(), QStringLiteral("******"));
    KitDriver::TypeText(window_->Text_PassWord, QStringLiteral("7"));
    // Only six characters between the blanks.
    QCOMPARE(window_->Text_PassWord->text(), QStringLiteral("583920"));
}

void TestFrmChannWindow::activation_shows_what_the_image_holds_now()
{
    Windows::Load<OtherChild>();
    // As a whole-image read or a ".dat" file would leave it.
    ChannelTable::PutInto(Edata);
    QCOMPARE(cell(1, ChannCol::RxFreq), QString());
    frame_->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(window_->frameWidget()));
    QCOMPARE(cell(1, ChannCol::RxFreq), QStringLiteral("140.00000"));
    QCOMPARE(cell(2, ChannCol::Name), QStringLiteral("C1"));
    QCOMPARE(cell(7, ChannCol::Band), QString());  // channel 6 is empty
}

void TestFrmChannWindow::read_shows_the_radio_channels_and_names()
{
    window_->Command_read->click();
    QVERIFY(window_->ProgressBar1->isVisible());
    QCOMPARE(window_->ProgressBar1->value(), 0);
    QCOMPARE(window_->Label_tr_count->text(), QStringLiteral("Connecting with transceiver. "));
    QVERIFY(runUntil([this] { return !ends_.isEmpty(); }));
    QCOMPARE(ends_.last(), TransferEnd::ReadDone);
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Complete reading data from the transceiver.")});

    for (int i = 0; i < ChannelTable::kChannels; ++i) {
        const int r = i + 1;
        const QByteArray main = ChannelTable::MainRecord(i);
        if (ChannelTable::Empty(i)) {
            QCOMPARE(cell(r, ChannCol::Band), QString());
            QCOMPARE(cell(r, ChannCol::RxFreq), QString());
        } else {
            QCOMPARE(cell(r, ChannCol::Band), QStringLiteral("VHF/UHF "));
            QCOMPARE(cell(r, ChannCol::RxFreq),
                     BCDToFreq(static_cast<std::uint8_t>(main.at(0)), static_cast<std::uint8_t>(main.at(1)),
                               static_cast<std::uint8_t>(main.at(2)), static_cast<std::uint8_t>(main.at(3))));
        }
        QCOMPARE(cell(r, ChannCol::Name), ChannelTable::Name(i));
        QCOMPARE(cell(r, ChannCol::Number), QString::number(i));
    }
    QCOMPARE(cell(3, ChannCol::TxFreq), QString());  // channel 2 is receive-only
    QVERIFY(window_->ProgressBar1->isVisible());
    QCOMPARE(window_->ProgressBar1->value(), 100);
    QCOMPARE(window_->Label_tr_count->text(), QStringLiteral("Read Channel Data is Ok ！"));
    QVERIFY(!window_->Reading());
    // The radio's own limits stand after its identification.
    QCOMPARE(BandVhfMin, 136.0);
}

void TestFrmChannWindow::write_refuses_the_default_samples_before_the_port_opens()
{
    window_->Command_def->click();
    window_->Command_Write->click();
    QCOMPARE(recorder_->takeTexts(),
             QStringList{QStringLiteral(
                 "Channel 0that Receiving or transmitting frequency  out of frequency limitation range ")});
    QCOMPARE(ports_->opens(kPort), 0);
    QVERIFY(!window_->Writing());
    QVERIFY(window_->ProgressBar1->isHidden());
    QCOMPARE(window_->Label_tr_count->text(), QString());
}

void TestFrmChannWindow::write_refuses_a_value_that_is_no_byte()
{
    ChannelTable::PutInto(Edata);
    Edata(ChannNameRow(31), 9) = 0x1FF;  // as an edited file could hold it
    window_->Command_Write->click();
    QCOMPARE(recorder_->takeTexts(),
             QStringList{QStringLiteral("Channel 30 data out of the range 0-255, nothing written .")});
    QCOMPARE(ports_->opens(kPort), 0);
    QCOMPARE(radio_->heard.size(), 0);
}

void TestFrmChannWindow::failed_write_reports_on_the_status_bar()
{
    ChannelTable::PutInto(Edata);
    radio_->addFault(Fault::Silent, ReplyKind::Any, 0, RadioSimulator::kForever);
    window_->Command_Write->click();
    QVERIFY(runUntil([this] { return !ends_.isEmpty(); }));
    QCOMPARE(ends_.last(), TransferEnd::Failed);
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Fail connect with transceiver.")});
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::LinkOpen), 2);  // one retry
    QCOMPARE(StatusBar1.text(2), QStringLiteral("Communication fault."));
    // The bar and the label keep what they showed.
    QVERIFY(window_->ProgressBar1->isVisible());
    QCOMPARE(window_->Label_tr_count->text(), QStringLiteral("Connecting with transceiver. "));
}

void TestFrmChannWindow::editor_open_over_an_empty_row_during_a_read_keeps_the_channel_read()
{
    // The start-up image has no channels: the RX editor of channel 0 opens
    // over a blank cell, and stays open while the channels are read.
    KitDriver::ClickCell(window_->MSF_Chann, 1, ChannCol::RxFreq);
    QVERIFY(window_->Text_Edit->isVisible());
    QCOMPARE(window_->Text_Edit->text(), QString());
    window_->Command_read->click();
    QVERIFY(runUntil([this] { return !ends_.isEmpty(); }));
    recorder_->takeAll();

    KitDriver::ClickCell(window_->MSF_Chann, 2, ChannCol::Number);

    for (int c = 0; c < kRowBytes; ++c)
        QCOMPARE(int(Edata(0, c)), Byte(ChannelTable::MainRecord(0), c));
    QCOMPARE(cell(1, ChannCol::RxFreq), QStringLiteral("140.00000"));
    QCOMPARE(cell(1, ChannCol::Name), ChannelTable::Name(0));
}

void TestFrmChannWindow::default_keeps_the_sample_names_and_empties_the_others()
{
    ChannelTable::PutInto(Edata);
    SetRow(Edata, ChannNameRow(4), "44 45 46");   // channel 3, a sample channel
    SetRow(Edata, ChannNameRow(11), "4E 41 4D");  // channel 10
    window_->Command_def->click();
    QCOMPARE(RowHex(Edata, ChannNameRow(4)).left(8), QByteArray("44 45 46"));
    QCOMPARE(cell(4, ChannCol::Name), QStringLiteral("DEF"));
    QVERIFY(RowsHold(Edata, ChannNameRow(8), ChannNameRow(199), kErased));
    QCOMPARE(cell(11, ChannCol::Name), QString());
    QCOMPARE(cell(11, ChannCol::Band), QString());
    QCOMPARE(cell(1, ChannCol::RxFreq), QStringLiteral("155.02500"));
    QCOMPARE(cell(1, ChannCol::RxTone), QStringLiteral("67.0"));
    QCOMPARE(TrimBlanks(cell(7, ChannCol::RxTone)), QStringLiteral("D754I"));
    QCOMPARE(cell(200, ChannCol::RxFreq), QStringLiteral("480.62500"));
    QCOMPARE(cell(200, ChannCol::Name), ChannelTable::Name(199));
    QCOMPARE(recorder_->count(), 0);
}

void TestFrmChannWindow::clear_when_idle_empties_every_channel()
{
    ChannelTable::PutInto(Edata);
    window_->RedrawRows();
    window_->Command_Clear->click();
    QVERIFY(RowsHold(Edata, 0, 199, kErased));
    QVERIFY(RowsHold(Edata, 256, 455, kErased));
    for (int r = 1; r <= ChannCount; ++r) {
        QCOMPARE(cell(r, ChannCol::Number), QString::number(r - 1));
        for (int c = ChannCol::Band; c <= ChannCol::Name; ++c)
            QCOMPARE(cell(r, c), QString());
    }
    QVERIFY(window_->ProgressBar1->isHidden());
    QCOMPARE(window_->Label_tr_count->text(), QString());
}

void TestFrmChannWindow::open_save_and_close_when_idle()
{
    window_->Command_open->click();
    auto* open = Windows::Find<Form_open_chann>();
    QVERIFY(open != nullptr);
    QCOMPARE(frame_->activeChild(), open);
    // A second press leaves the open dialog as it is.
    open->Text1->setText(QStringLiteral("typed.dat"));
    window_->Command_open->click();
    QCOMPARE(Windows::Find<Form_open_chann>(), open);
    QCOMPARE(open->Text1->text(), QStringLiteral("typed.dat"));
    window_->Command_save->click();
    QVERIFY(Windows::Find<Form_save_chann>() != nullptr);

    window_->Command_close->click();
    QCOMPARE(Windows::Find<frm_chann>(), nullptr);
    QCOMPARE(Windows::Find<Form_open_chann>(), nullptr);
    QCOMPARE(Windows::Find<Form_save_chann>(), nullptr);
    QCOMPARE(recorder_->count(), 0);
}

void TestFrmChannWindow::buttons_while_a_transfer_runs_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("chinese");
    QTest::addColumn<QString>("message");
    QTest::newRow("Clear") << "Clear" << 0 << "Read-write operating，don't clear operate .,";
    QTest::newRow("Clear in Chinese") << "Clear" << -1 << "正在进行读写操作,请勿进行清除操作 ！,";
    QTest::newRow("Open") << "Open" << 0 << kBusy;
    QTest::newRow("Save") << "Save" << 0 << kBusy;
    QTest::newRow("Read") << "Read" << 0 << kBusy;
    QTest::newRow("Write") << "Write" << 0 << kBusy;
    QTest::newRow("Close") << "Close" << 0 << "Read-write operating，don't close the window. ,";
}

void TestFrmChannWindow::buttons_while_a_transfer_runs()
{
    QFETCH(QString, button);
    QFETCH(int, chinese);
    QFETCH(QString, message);
    ChannelTable::PutInto(Edata);
    window_->RedrawRows();
    readUnderWay();
    const MemoryImage before = Edata;
    const std::map<QString, KitButton*> buttons{
        {"Clear", window_->Command_Clear}, {"Open", window_->Command_open},   {"Save", window_->Command_save},
        {"Read", window_->Command_read},   {"Write", window_->Command_Write}, {"Close", window_->Command_close},
    };
    LangChinese = chinese;
    buttons.at(button)->click();
    LangChinese = 0;
    QCOMPARE(recorder_->takeTexts(), QStringList{message});
    QVERIFY(Edata == before);
    QCOMPARE(cell(1, ChannCol::RxFreq), QStringLiteral("140.00000"));
    QCOMPARE(Windows::Find<Form_open_chann>(), nullptr);
    QCOMPARE(Windows::Find<Form_save_chann>(), nullptr);
    QCOMPARE(Windows::Find<frm_chann>(), window_);
    // The transfer goes on to its end.
    QVERIFY(runUntil([this] { return !ends_.isEmpty(); }));
    QCOMPARE(ends_.last(), TransferEnd::ReadDone);
    recorder_->takeAll();
}

void TestFrmChannWindow::default_during_a_read_is_carried_out_and_then_read_over()
{
    readUnderWay();
    window_->Command_def->click();
    QCOMPARE(recorder_->count(), 0);
    QCOMPARE(cell(1, ChannCol::RxFreq), QStringLiteral("155.02500"));
    QCOMPARE(RowHex(Edata, 199).left(11), QByteArray("00 25 06 48"));
    QVERIFY(runUntil([this] { return !ends_.isEmpty(); }));
    recorder_->takeAll();
    QCOMPARE(cell(1, ChannCol::RxFreq), QStringLiteral("140.00000"));
    for (int c = 0; c < kRowBytes; ++c)
        QCOMPARE(int(Edata(199, c)), radio_->memoryByte(199 * 16 + c));
}

void TestFrmChannWindow::close_box_during_a_transfer_warns_and_closes()
{
    readUnderWay();
    QVERIFY(ports_->isOpen(kPort));
    const int heard = static_cast<int>(radio_->heard.size());
    window_->frameWidget()->close();
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Read-write operating，don't close the window.,")});
    QCOMPARE(Windows::Find<frm_chann>(), nullptr);
    QVERIFY(!ports_->isOpen(kPort));
    // Nothing of the transfer runs on.
    clock_->advance(10000);
    QCOMPARE(radio_->heard.size(), heard);
    QCOMPARE(recorder_->count(), 0);
    window_ = nullptr;
}

QTEST_MAIN(TestFrmChannWindow)
#include "tst_frm_chann_window.moc"
