// The options window's own transfer against the radio simulator in
// process, on virtual time: what a read keeps and shows, the progress of a
// read and a write, the failures, and the window's buttons and closing
// while a transfer runs.

#include "core/status_panels.h"
#include "core/ui/form_open_chann.h"
#include "core/ui/form_save_chann.h"
#include "link/link_state.h"
#include "link/transfer_engine.h"
#include "options/ui/vfo_frame.h"
#include "support/image_bytes.h"
#include "support/image_rows.h"
#include "support/kit_driver.h"
#include "support/link_display_log.h"
#include "support/opt_window_fixture.h"
#include "support/options_area.h"
#include "support/radio_simulator.h"
#include "support/sim_port.h"
#include "support/virtual_clock.h"

#include <QLabel>
#include <QProgressBar>

namespace {

constexpr int kPort = 5;
constexpr qint64 kLongEnough = 600000;
constexpr int kFirstRow = 224;
constexpr int kLastKeptRow = 243;
constexpr int kLastRow = 255;

const QString kBusy = QStringLiteral("Read-write operating with transceiver .");
const QString kCloseWarning = QStringLiteral("Read-write operating，don't close the window.,");
const QString kFail = QStringLiteral("Fail connect with transceiver.");
const QString kReadDone = QStringLiteral("Complete reading the data from transceiver.");
const QString kWriteDone = QStringLiteral("Complete Written optional parameters to the transceiver.");

// The radio's bytes of image row r.
Bytes RadioRow(const RadioSimulator& radio, int row)
{
    Bytes bytes;
    for (int c = 0; c < kRowBytes; ++c)
        bytes << radio.memoryByte(row * kRowBytes + c);
    return bytes;
}

}  // namespace

class TestFrmOptionLink : public QObject, private OptWindowFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void read_keeps_rows_224_to_243_and_shows_them_before_its_message();
    void write_sends_rows_224_to_255_with_its_progress();
    void port_held_by_another_window_starts_nothing();
    void failures_leave_the_area_and_the_next_read_works_data();
    void failures_leave_the_area_and_the_next_read_works();
    void buttons_while_a_read_runs_data();
    void buttons_while_a_read_runs();
    void close_during_a_read_warns_and_the_read_refreshes_the_window();
    void close_box_during_a_write_warns_closes_and_stops_it();
    void read_completed_under_the_range_message_is_not_overwritten_by_the_replacement();
    void band_bytes_that_are_no_digits_are_no_limits_data();
    void band_bytes_that_are_no_digits_are_no_limits();

private:
    bool runUntil(const std::function<bool()>& done) { return clock_->advanceUntil(done, kLongEnough); }
    bool runToEnd()
    {
        ends_.clear();
        return runUntil([this] { return !ends_.isEmpty(); });
    }
    // Starts a read and lets a few blocks arrive.
    void readUnderWay();

    std::unique_ptr<VirtualClock> clock_;
    std::unique_ptr<SimPortFactory> ports_;
    std::unique_ptr<RadioSimulator> radio_;
    QList<TransferEnd> ends_;
};

void TestFrmOptionLink::init()
{
    BuildLinkOpenFrame();
    clock_ = std::make_unique<VirtualClock>();
    ports_ = std::make_unique<SimPortFactory>();
    radio_ = std::make_unique<RadioSimulator>();
    ports_->attach(kPort, *radio_);
    CommPortNo = kPort;
    PortError = 0;
    setUpOptions();
    OptionsArea::PutInto(*radio_, Edata);
    loadWindow();
    ends_.clear();
    window_->link().onFinished = [this](TransferEnd end) { ends_ << end; };
}

void TestFrmOptionLink::cleanup()
{
    tearDownOptions();
    ports_.reset();
    radio_.reset();
    clock_.reset();
}

void TestFrmOptionLink::readUnderWay()
{
    window_->Command_read->click();
    QVERIFY(runUntil([this] { return radio_->answered(ReplyKind::Block) >= 3; }));
    QVERIFY(window_->Reading());
}

void TestFrmOptionLink::read_keeps_rows_224_to_243_and_shows_them_before_its_message()
{
    const MemoryImage before = Edata;
    LinkDisplayLog progress(window_->link(), window_->ProgressBar1, window_->Label_tr_count);
    QStringList shownAtMessage;
    recorder_->onShow = [&](const ShownMessage&) {
        shownAtMessage = {window_->Text_ANI->text(),
                          window_->Text_PON_MSG_D->text(),
                          window_->Frame_A->Text_Freq->text(),
                          window_->Frame_B->Text_Freq->text(),
                          window_->Frame_A->Combo_r_ctdcs->text(),
                          window_->settingList(OptIdx_Tdr)->text()};
    };
    window_->Command_read->click();
    QVERIFY(runToEnd());
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::ReadDone});
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, kReadDone);
    QCOMPARE(shown.first().title, QStringLiteral("Operate Prompt"));
    QCOMPARE(shownAtMessage, (QStringList{"13579", "AB-789", "145.50000", "435.12500", "88.5", "OFF"}));

    QCOMPARE(
        progress.entries(),
        (QStringList{"0 Connecting with transceiver. ", "33 Reading 3 Data Block", "44 Reading 4 Data Block",
                     "55 Reading 5 Data Block", "66 Reading 6 Data Block", "77 Reading 7 Data Block",
                     "88 Reading 8 Data Block", "100 Reading 9 Data Block", "100 Read optional parameters in gear. "}));
    // The radio's area as it stands, the refresh changed none of it; rows
    // 244..255 stay although the radio sent them.
    for (int r = kFirstRow; r <= kLastKeptRow; ++r)
        QCOMPARE(RowBytes(Edata, r), RadioRow(*radio_, r));
    for (int r = kLastKeptRow + 1; r <= kLastRow; ++r)
        QCOMPARE(RowBytes(Edata, r), RowBytes(before, r));
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::Read), 9);  // the password block and eight blocks
    QVERIFY(!window_->Reading());
}

void TestFrmOptionLink::write_sends_rows_224_to_255_with_its_progress()
{
    LinkDisplayLog progress(window_->link(), window_->ProgressBar1, window_->Label_tr_count);
    QString labelAtMessage;
    int barAtMessage = -1;
    recorder_->onShow = [&](const ShownMessage&) {
        labelAtMessage = window_->Label_tr_count->text();
        barAtMessage = window_->ProgressBar1->value();
    };
    window_->Command_Write->click();
    QVERIFY(runToEnd());
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::WriteDone});
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, kWriteDone);
    QCOMPARE(shown.first().title, QStringLiteral("Operate Prompt"));
    QCOMPARE(labelAtMessage, QStringLiteral("Writing  31  Data Block"));
    QCOMPARE(barAtMessage, 96);

    QStringList expected{"0 Connecting with transceiver. "};
    for (int n = 1; n <= 31; ++n)
        expected << QStringLiteral("%1 Writing  %2  Data Block").arg(n * 100 / 32).arg(n);
    expected << QStringLiteral("96 Complete Written optional parameters ");
    QCOMPARE(progress.entries(), expected);
    for (int r = kFirstRow; r <= kLastRow; ++r)
        QCOMPARE(RadioRow(*radio_, r), RowBytes(Edata, r));
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::Write), 32);
}

void TestFrmOptionLink::port_held_by_another_window_starts_nothing()
{
    std::unique_ptr<CommPort> other = CreateCommPort();
    QVERIFY(other->open(kPort));
    window_->Command_read->click();
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, QStringLiteral("Communication Port Open Error ！"));
    QCOMPARE(shown.first().title, QStringLiteral("Operate Prompt"));
    QCOMPARE(PortError, -1);
    QVERIFY(!window_->Reading());
    QVERIFY(window_->ProgressBar1->isHidden());
    QCOMPARE(window_->Label_tr_count->text(), QString());
    clock_->advance(10000);
    QCOMPARE(radio_->heard.size(), 0);
}

void TestFrmOptionLink::failures_leave_the_area_and_the_next_read_works_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("param");
    QTest::newRow("silent radio") << false << int(Fault::Silent) << int(ReplyKind::Ident) << 0;
    QTest::newRow("block header behind two bytes of noise")
        << false << int(Fault::LeadingNoise) << int(ReplyKind::Block) << 2;
    QTest::newRow("write answered with 0x15") << true << int(Fault::WrongAck) << int(ReplyKind::WriteAck) << 0;
}

void TestFrmOptionLink::failures_leave_the_area_and_the_next_read_works()
{
    QFETCH(bool, write);
    QFETCH(int, fault);
    QFETCH(int, kind);
    QFETCH(int, param);
    // Every one of the four attempts meets the fault.
    radio_->addFault(static_cast<Fault>(fault), static_cast<ReplyKind>(kind), 0, 4, param);
    const MemoryImage before = Edata;
    write ? window_->Command_Write->click() : window_->Command_read->click();
    QVERIFY(runToEnd());
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::Failed});
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, kFail);
    QCOMPARE(shown.first().title, QStringLiteral("Operate prompt"));
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::LinkOpen), 4);
    QCOMPARE(window_->ProgressBar1->value(), 0);
    QCOMPARE(window_->Label_tr_count->text(), QStringLiteral("Communication fault."));
    QVERIFY(!window_->Reading() && !window_->Writing());
    QVERIFY(!ports_->isOpen(kPort));
    for (int r = kFirstRow; r <= kLastRow; ++r)
        QCOMPARE(RowBytes(Edata, r), RowBytes(before, r));

    window_->Command_read->click();
    QVERIFY(runToEnd());
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::ReadDone});
    QCOMPARE(recorder_->takeTexts(), QStringList{kReadDone});
    QCOMPARE(RowBytes(Edata, kFirstRow), RadioRow(*radio_, kFirstRow));
}

void TestFrmOptionLink::buttons_while_a_read_runs_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("chinese");
    QTest::addColumn<QString>("message");
    QTest::newRow("Default") << "Default" << 0 << kBusy;
    QTest::newRow("Default in Chinese") << "Default" << -1 << "正在与对讲机进行读写操作 ！";
    QTest::newRow("Open") << "Open" << 0 << kBusy;
    QTest::newRow("Save") << "Save" << 0 << kBusy;
    QTest::newRow("Read") << "Read" << 0 << kBusy;
    QTest::newRow("Write") << "Write" << 0 << kBusy;
    QTest::newRow("Close") << "Close" << 0 << kCloseWarning;
    QTest::newRow("Close in Chinese") << "Close" << -1 << "正在进行读写操作,请勿关窗口 ！,";
}

void TestFrmOptionLink::buttons_while_a_read_runs()
{
    QFETCH(QString, button);
    QFETCH(int, chinese);
    QFETCH(QString, message);
    readUnderWay();
    Edata(kFirstRow, OptIdx_Sql_le) = 9;  // Default would put 5 back
    const MemoryImage before = Edata;
    const std::map<QString, KitButton*> buttons{
        {"Default", window_->Command_def}, {"Open", window_->Command_open},   {"Save", window_->Command_save},
        {"Read", window_->Command_read},   {"Write", window_->Command_Write}, {"Close", window_->Command_close},
    };
    LangChinese = chinese;
    buttons.at(button)->click();
    LangChinese = 0;
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, message);
    QCOMPARE(shown.first().message.title, Titles::OperatePromptLower);
    QVERIFY(Edata == before);
    QCOMPARE(Windows::Find<Form_open_chann>(), nullptr);
    QCOMPARE(Windows::Find<Form_save_chann>(), nullptr);
    QCOMPARE(Windows::Find<frm_option>(), window_);
    QVERIFY(runToEnd());
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::ReadDone});
    recorder_->takeAll();
}

void TestFrmOptionLink::close_during_a_read_warns_and_the_read_refreshes_the_window()
{
    readUnderWay();
    window_->Command_close->click();
    QCOMPARE(recorder_->takeTexts(), QStringList{kCloseWarning});
    QCOMPARE(Windows::Find<frm_option>(), window_);
    QVERIFY(runToEnd());
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::ReadDone});
    QCOMPARE(recorder_->takeTexts(), QStringList{kReadDone});
    QCOMPARE(window_->Text_PttId_Begin->text(), QStringLiteral("2468"));
    QCOMPARE(window_->Frame_B->Text_Freq->text(), QStringLiteral("435.12500"));
}

void TestFrmOptionLink::close_box_during_a_write_warns_closes_and_stops_it()
{
    window_->Command_Write->click();
    QVERIFY(runUntil([this] { return radio_->heardCount(RadioSimulator::Heard::Write) >= 5; }));
    QVERIFY(window_->Writing());
    window_->frameWidget()->close();
    QCOMPARE(recorder_->takeTexts(), QStringList{kCloseWarning});
    QCOMPARE(Windows::Find<frm_option>(), nullptr);
    QVERIFY(!ports_->isOpen(kPort));
    const int heard = static_cast<int>(radio_->heard.size());
    clock_->advance(20000);
    QCOMPARE(radio_->heard.size(), heard);
    QCOMPARE(recorder_->count(), 0);

    // Opened again, the window is idle and its transfer works.
    loadWindow();
    QVERIFY(!window_->Reading() && !window_->Writing());
    QVERIFY(window_->ProgressBar1->isHidden());
    window_->link().onFinished = [this](TransferEnd end) { ends_ << end; };
    window_->Command_read->click();
    QVERIFY(runToEnd());
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::ReadDone});
    QCOMPARE(recorder_->takeTexts(), QStringList{kReadDone});
}

void TestFrmOptionLink::read_completed_under_the_range_message_is_not_overwritten_by_the_replacement()
{
    QVERIFY(KitDriver::ShowActive(frame_));
    VfoFrame* a = window_->Frame_A;
    a->Text_Freq->setFocus();
    readUnderWay();
    // The user types a frequency below the band and leaves the box; the read
    // completes while the range message is open.
    a->Text_Freq->setText(QStringLiteral("1"));
    recorder_->onShow = [this](const ShownMessage& shown) {
        if (shown.text == QStringLiteral("当前工作频率超出范围 ！"))
            QVERIFY(runToEnd());
    };
    a->Combo_Offset->setFocus();
    QCOMPARE(recorder_->takeTexts(), (QStringList{QStringLiteral("当前工作频率超出范围 ！"), kReadDone}));
    // What the radio holds stands, in the image and in the box.
    QCOMPARE(RowBytes(Edata, kVfoFreqRowA), RadioRow(*radio_, kVfoFreqRowA));
    QCOMPARE(a->Text_Freq->text(), QStringLiteral("145.50000"));
}

void TestFrmOptionLink::band_bytes_that_are_no_digits_are_no_limits_data()
{
    QTest::addColumn<int>("at");  // the reply's byte, 1..12
    QTest::addColumn<int>("value");
    const char* limits[] = {"VHF low", "VHF high", "UHF low", "UHF high"};
    const int values[] = {0xFF, 0x0A, 0x3A};
    for (int limit = 0; limit < 4; ++limit) {
        for (int digit = 0; digit < 3; ++digit) {
            const int value = values[digit];
            QTest::addRow("%s, digit %d is 0x%02X", limits[limit], digit + 1, value) << 1 + 3 * limit + digit << value;
        }
    }
}

// A reply whose band bytes are not all digits 0..9 is still the radio's, but
// its limits are none: the working limits stay, and the status bar shows
// them. The limits it gave (28305 MHz for 0xFF) once let the next load of
// the window show nine messages and store both VFOs as 200.00250 MHz.
void TestFrmOptionLink::band_bytes_that_are_no_digits_are_no_limits()
{
    QFETCH(int, at);
    QFETCH(int, value);
    QByteArray reply = radio_->identReply();
    reply[at] = static_cast<char>(value);
    radio_->identOverride = reply;
    const MemoryImage before = Edata;
    const QList<double> limits{BandVhfMin, BandVhfMax, BandUhfMin, BandUhfMax, VhfMin, VhfMax, UhfMin, UhfMax};

    window_->Command_Write->click();
    QVERIFY(runToEnd());
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::WriteDone});
    QCOMPARE(recorder_->takeTexts(), QStringList{kWriteDone});
    QCOMPARE((QList<double>{BandVhfMin, BandVhfMax, BandUhfMin, BandUhfMax, VhfMin, VhfMax, UhfMin, UhfMax}), limits);
    QCOMPARE(StatusBar1.text(8), QStringLiteral(" 140-- 150 MHZ"));
    QCOMPARE(StatusBar1.text(10), QStringLiteral(" 440-- 450 MHZ"));
    QCOMPARE(StatusBar1.text(2), QStringLiteral("TR-UV1"));  // the reply was taken

    reloadWindow();
    QCOMPARE(recorder_->count(), 0);
    for (int r = kVfoFreqRowA; r <= kVfoParamRowB; ++r)
        QCOMPARE(RowBytes(Edata, r), RowBytes(before, r));
}

QTEST_MAIN(TestFrmOptionLink)
#include "tst_frm_option_link.moc"
