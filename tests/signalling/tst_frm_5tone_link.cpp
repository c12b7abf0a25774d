// The five-tone window's own transfer against the radio simulator, in
// process and on virtual time: how a transfer that fails ends, the buttons
// while one runs, the close box, editors left open over what a read
// replaces, and the texts in Chinese. (A frame still open in its editor goes
// out as typed: tst_frm_5tone_sends_typed.)

#include "core/five_tone_defaults.h"
#include "core/status_panels.h"
#include "core/tone_list.h"
#include "core/ui/form_open_chann.h"
#include "core/ui/form_save_chann.h"
#include "link/link_state.h"
#include "link/transfer_engine.h"
#include "platform/kit_button.h"
#include "platform/kit_grid.h"
#include "platform/kit_list.h"
#include "platform/kit_tab_strip.h"
#include "platform/kit_text.h"
#include "signalling/ui/frm_5tone.h"
#include "support/image_bytes.h"
#include "support/kit_driver.h"
#include "support/sim_link_fixture.h"
#include "support/test_frame.h"

#include <QLabel>
#include <QProgressBar>
#include <QtTest>

namespace {

constexpr int kPort = 3;
constexpr qint64 kLongEnough = 600000;
const QString kBusy = QStringLiteral("Read-write operating with transceiver .");
const QString kFailConnect = QStringLiteral("Fail connect with transceiver.");

}  // namespace

Q_DECLARE_METATYPE(Fault)
Q_DECLARE_METATYPE(ReplyKind)

class TestFrm5ToneLink : public QObject, private SimLinkFixture {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void failed_transfer_ends_idle_and_leaves_the_settings_data();
    void failed_transfer_ends_idle_and_leaves_the_settings();
    void buttons_while_a_transfer_runs_data();
    void buttons_while_a_transfer_runs();
    void close_box_during_a_transfer_ends_it_with_the_window();
    void read_drops_an_editor_left_open_over_the_old_settings();
    void frame_editor_dropped_by_a_read_leaves_the_frames_read();
    void texts_in_chinese();

private:
    bool runToEnd() { return SimLinkFixture::runToEnd(window_->link(), kLongEnough); }
    // Starts a read and lets a few blocks arrive.
    void readUnderWay();

    TestFrame* frame_ = nullptr;
    frm_5tone* window_ = nullptr;
};

void TestFrm5ToneLink::initTestCase()
{
    InitToneTables();
    BuildLinkOpenFrame();
}

void TestFrm5ToneLink::init()
{
    setUpRadio(kPort);
    radio_->fillRowPattern(5);
    radio_->setPasswords("583920", "");
    LangChinese = 0;
    StatusBar1.clear();
    Edata.fill(kErased);
    FiveTone_Defaults();
    frame_ = Windows::Load<TestFrame>();
    QVERIFY(KitDriver::ShowActive(frame_));
    window_ = Windows::Load<frm_5tone>();
    QVERIFY(window_ != nullptr);
}

void TestFrm5ToneLink::cleanup()
{
    Windows::UnloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window_ = nullptr;
    tearDownRadio();
}

void TestFrm5ToneLink::readUnderWay()
{
    window_->Command_read->click();
    QVERIFY(clock_->advanceUntil([this] { return radio_->answered(ReplyKind::Block) >= 4; }, kLongEnough));
    QVERIFY(window_->Reading());
}

void TestFrm5ToneLink::failed_transfer_ends_idle_and_leaves_the_settings_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<ReplyKind>("kind");
    QTest::addColumn<bool>("write");
    QTest::addColumn<bool>("refusePassword");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("linkOpens");
    QTest::addColumn<QString>("label");
    const QString fault = QStringLiteral("Communication fault.");
    // The radio answers four times wrong: the first try and its three retries.
    QTest::newRow("silent radio") << Fault::Silent << ReplyKind::Any << false << false << kFailConnect << 4 << fault;
    QTest::newRow("write frames answered by 0x15")
        << Fault::WrongAck << ReplyKind::WriteAck << true << false << kFailConnect << 4 << fault;
    // The password reply is the first block answer of each try.
    QTest::newRow("replies with their 0x58 at index 2")
        << Fault::LeadingNoise << ReplyKind::Block << false << false << kFailConnect << 4 << fault;
    QTest::newRow("refused password") << Fault::Silent << ReplyKind::Ident << false << true
                                      << "PassWord Error, Reading Stop" << 1 << "Connecting with transceiver. ";
}

void TestFrm5ToneLink::failed_transfer_ends_idle_and_leaves_the_settings()
{
    QFETCH(Fault, fault);
    QFETCH(ReplyKind, kind);
    QFETCH(bool, write);
    QFETCH(bool, refusePassword);
    QFETCH(QString, message);
    QFETCH(int, linkOpens);
    QFETCH(QString, label);
    if (refusePassword)
        radio_->setPasswords("111111", "");
    else
        radio_->addFault(fault, kind, 0, 4, 1);
    const MemoryImage before = Edata;
    const QByteArray radioBefore = radio_->memory;
    (write ? window_->Command_Write : window_->Command_read)->click();
    QVERIFY(runToEnd());
    QCOMPARE(ends_, QList<TransferEnd>{refusePassword ? TransferEnd::PasswordRefused : TransferEnd::Failed});
    QCOMPARE(recorder_->takeTexts(), QStringList{message});
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::LinkOpen), linkOpens);
    QVERIFY(Edata == before);
    if (!write)
        QCOMPARE(radio_->memory, radioBefore);
    QVERIFY(!window_->Reading() && !window_->Writing());
    QVERIFY(!ports_->isOpen(kPort));
    QCOMPARE(window_->Label_tr_count->text(), label);
    if (!refusePassword)
        QCOMPARE(window_->ProgressBar1->value(), 0);
    // No retry runs later, and no message.
    clock_->advance(20000);
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::LinkOpen), linkOpens);
    QCOMPARE(recorder_->count(), 0);

    // Read works again.
    radio_->setPasswords("583920", "");
    ends_.clear();
    window_->Command_read->click();
    QVERIFY(runToEnd());
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::ReadDone});
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Complete reading the data from transceiver.")});
    QCOMPARE(static_cast<int>(Edata(607, 15)), radio_->memoryByte(0x25FF));
}

void TestFrm5ToneLink::buttons_while_a_transfer_runs_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("chinese");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    QTest::newRow("Read") << "Read" << 0 << kBusy << "Operate prompt";
    QTest::newRow("Write") << "Write" << 0 << kBusy << "Operate prompt";
    QTest::newRow("Default") << "Default" << 0 << kBusy << "Operate prompt";
    QTest::newRow("Open") << "Open" << 0 << kBusy << "Operate prompt";
    QTest::newRow("Save") << "Save" << 0 << kBusy << "Operate prompt";
    QTest::newRow("Close") << "Close" << 0 << kBusy << "Operate prompt";
    QTest::newRow("Close in Chinese") << "Close" << 1 << "正在与对讲机进行读写操作 ！"
                                      << "操作提示";
}

void TestFrm5ToneLink::buttons_while_a_transfer_runs()
{
    QFETCH(QString, button);
    QFETCH(int, chinese);
    QFETCH(QString, message);
    QFETCH(QString, title);
    readUnderWay();
    const MemoryImage before = Edata;
    const std::map<QString, KitButton*> buttons{
        {"Read", window_->Command_read}, {"Write", window_->Command_Write}, {"Default", window_->Command_def},
        {"Open", window_->Command_open}, {"Save", window_->Command_save},   {"Close", window_->Command_close},
    };
    LangChinese = chinese;
    buttons.at(button)->click();
    LangChinese = 0;
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, message);
    QCOMPARE(shown.first().title, title);
    QVERIFY(Edata == before);
    QCOMPARE(Windows::Find<Form_open_chann>(), nullptr);
    QCOMPARE(Windows::Find<Form_save_chann>(), nullptr);
    QCOMPARE(Windows::Find<frm_5tone>(), window_);
    // The transfer goes on to its end.
    QVERIFY(runToEnd());
    QCOMPARE(ends_, QList<TransferEnd>{TransferEnd::ReadDone});
    recorder_->takeAll();
}

void TestFrm5ToneLink::close_box_during_a_transfer_ends_it_with_the_window()
{
    readUnderWay();
    QVERIFY(ports_->isOpen(kPort));
    const MemoryImage before = Edata;
    const int heard = static_cast<int>(radio_->heard.size());
    window_->frameWidget()->close();
    QCOMPARE(recorder_->count(), 0);
    QCOMPARE(Windows::Find<frm_5tone>(), nullptr);
    QVERIFY(!ports_->isOpen(kPort));
    window_ = nullptr;
    // Nothing of the transfer runs on.
    clock_->advance(20000);
    QCOMPARE(radio_->heard.size(), heard);
    QVERIFY(Edata == before);
}

void TestFrm5ToneLink::read_drops_an_editor_left_open_over_the_old_settings()
{
    KitDriver::ClickCell(window_->MSF_Chann, 2, 1);
    KitDriver::ClickTab(window_->TabStrip1, 2);
    KitDriver::ClickCell(window_->MSF_Encode, 1, 4);
    window_->Command_read->click();
    QVERIFY(runToEnd());
    recorder_->takeAll();
    QVERIFY(window_->Combo_Encode->isHidden());
    QVERIFY(window_->Combo_edit->isHidden());
    const MemoryImage read = Edata;
    const QString shown = window_->MSF_Encode->textMatrix(1, 4);
    KitDriver::ClickCell(window_->MSF_Encode, 2, 0);
    KitDriver::ClickTab(window_->TabStrip1, 1);
    KitDriver::ClickCell(window_->MSF_Chann, 3, 0);
    QCOMPARE(window_->MSF_Encode->textMatrix(1, 4), shown);
    QCOMPARE(window_->MSF_Chann->textMatrix(2, 1), QString::number(20 + 10 * radio_->memoryByte(0x2410)));
    QVERIFY(Edata == read);
}

void TestFrm5ToneLink::frame_editor_dropped_by_a_read_leaves_the_frames_read()
{
    // The radio's code 6: frame 1 empty, frame 2 "55555".
    radio_->memory.replace(0x2550, 16, QByteArray::fromHex("FFFFFFFFFF0505050505FFFFFFFFFFFF"));
    KitDriver::ClickTab(window_->TabStrip1, 2);
    KitDriver::ClickCell(window_->MSF_Encode, 6, 2);
    KitDriver::TypeText(window_->Text_Encode, QStringLiteral("12345"));
    window_->Command_read->click();
    QVERIFY(runToEnd());
    recorder_->takeAll();
    const MemoryImage read = Edata;
    QCOMPARE(window_->MSF_Encode->textMatrix(6, 2), QStringLiteral("55555"));
    // Leaving the cell the dropped editor stood over leaves the code as read.
    KitDriver::ClickCell(window_->MSF_Encode, 7, 1);
    QVERIFY(Edata == read);
    QCOMPARE(recorder_->count(), 0);
}

void TestFrm5ToneLink::texts_in_chinese()
{
    LangChinese = 1;
    window_->Command_read->click();
    QVERIFY(runToEnd());
    QCOMPARE(window_->Label_tr_count->text(), QStringLiteral("信令参数读出正常 ！"));
    ends_.clear();
    window_->Command_Write->click();
    QVERIFY(runToEnd());
    QCOMPARE(window_->Label_tr_count->text(), QStringLiteral("信令参数写入完毕 ！"));
    LangChinese = 0;
    const QList<ShownMessage> shown = recorder_->takeAll();
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown.at(0).text, QStringLiteral("从对讲机中读取数据完毕 ！"));
    QCOMPARE(shown.at(1).text, QStringLiteral("向对讲机写入信令参数完毕 ！"));
    QCOMPARE(shown.at(1).title, QStringLiteral("操作提示"));
}

QTEST_MAIN(TestFrm5ToneLink)
#include "tst_frm_5tone_link.moc"
