// The five-tone window's own transfer against the radio simulator, in
// process and on virtual time: how a transfer that fails ends, the buttons
// while one runs, the close box (each over the cases the two-tone window's
// are checked over, support/tone_window_link.h), editors left open over
// what a read replaces, and the texts in Chinese. (A frame still open in its
// editor goes out as typed: tst_frm_5tone_sends_typed.)

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
#include "support/grid_rules.h"
#include "support/image_bytes.h"
#include "support/kit_driver.h"
#include "support/test_frame.h"
#include "support/tone_window_link.h"

#include <QLabel>
#include <QProgressBar>
#include <QtTest>

namespace {

constexpr int kEncodeTab = 2;

}  // namespace

class TestFrm5ToneLink : public QObject, private ToneWindowLink {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void failed_transfer_ends_idle_and_leaves_the_image_data();
    void failed_transfer_ends_idle_and_leaves_the_image();
    void buttons_while_a_transfer_runs_data();
    void buttons_while_a_transfer_runs();
    void close_box_during_a_transfer_ends_it_with_the_window();
    void read_drops_an_editor_left_open_over_the_old_settings();
    void frame_editor_dropped_by_a_read_leaves_the_frames_read();
    void texts_in_chinese();

private:
    bool runToEnd() { return ToneWindowLink::runToEnd(*window_); }

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

void TestFrm5ToneLink::failed_transfer_ends_idle_and_leaves_the_image_data()
{
    addFailedTransferRows();
}

void TestFrm5ToneLink::failed_transfer_ends_idle_and_leaves_the_image()
{
    checkFailedTransfer(*window_, Area::FiveToneSettings);
}

void TestFrm5ToneLink::buttons_while_a_transfer_runs_data()
{
    addBusyButtonRows();
}

void TestFrm5ToneLink::buttons_while_a_transfer_runs()
{
    checkButtonWhileATransferRuns(*window_, [this] {
        KitDriver::ClickTab(window_->TabStrip1, kEncodeTab);
        KitDriver::ClickCell(window_->MSF_Encode, 3, 1);
        KitDriver::TypeText(window_->Text_Encode, QStringLiteral("1500"));
    });
}

void TestFrm5ToneLink::close_box_during_a_transfer_ends_it_with_the_window()
{
    checkCloseBoxDuringATransfer(window_);
}

void TestFrm5ToneLink::read_drops_an_editor_left_open_over_the_old_settings()
{
    KitDriver::ClickCell(window_->MSF_Chann, 2, 1);
    KitDriver::ClickTab(window_->TabStrip1, kEncodeTab);
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
    KitDriver::ClickTab(window_->TabStrip1, kEncodeTab);
    KitDriver::ClickCell(window_->MSF_Encode, 6, 2);
    KitDriver::TypeText(window_->Text_Encode, QStringLiteral("12345"));
    // Leaving the cell the dropped editor stood over leaves the code as read.
    CheckEditorDroppedByAReplacement(
        window_->MSF_Encode, window_->Text_Encode, 6, 2,
        [this] {
            window_->Command_read->click();
            QVERIFY(runToEnd());
            recorder_->takeAll();
        },
        [this] { KitDriver::ClickCell(window_->MSF_Encode, 7, 1); });
    QCOMPARE(window_->MSF_Encode->textMatrix(6, 2), QStringLiteral("55555"));
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
