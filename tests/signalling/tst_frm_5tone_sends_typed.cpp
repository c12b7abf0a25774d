// A five-tone frame typed into the encode grid is in the image digit by
// digit: whatever sends or saves the image while the digit editor is still
// open takes the frame as typed, stops at no five-digit message and leaves
// the editor where it is. The application as it starts, against the radio
// simulator in process, on virtual time; the ways to send are those the
// two-tone window's typed tone is sent by (support/send_typed.h).

#include "app/mdimain.h"
#include "platform/kit_tab_strip.h"
#include "signalling/ui/frm_5tone.h"
#include "support/send_typed.h"

#include <QtTest>

namespace {

constexpr int kEncodeTab = 2;

const TypedEdit kTwoDigits{"two digits in frame 1", 3, 1, QStringLiteral("12"), 594,
                           "01 02 FF FF FF FF FF FF FF FF FF FF FF FF FF FF"};
// Leaving this cell would blank the code (its frame 1 is empty); a button
// is no leave.
const TypedEdit kBehindEmptyFrame1{"frame 2 behind an empty frame 1", 6, 2, QStringLiteral("12345"), 597,
                                   "FF FF FF FF FF 01 02 03 04 05 FF FF FF FF FF FF"};

}  // namespace

class TestFrm5ToneSendsTyped : public QObject, private SendTypedFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void open_frame_goes_out_as_typed_data();
    void open_frame_goes_out_as_typed();
    void write_whose_port_does_not_open_leaves_the_frame_as_typed_data();
    void write_whose_port_does_not_open_leaves_the_frame_as_typed();

private:
    // The frame typed: each digit is in the image at once.
    void typeFrame(const TypedEdit& typed);

    frm_5tone* window_ = nullptr;
};

void TestFrm5ToneSendsTyped::init()
{
    QVERIFY(startApp());
    main_->Sig_5tone->trigger();
    window_ = Windows::Find<frm_5tone>();
    QVERIFY(window_ != nullptr);
    KitDriver::ClickTab(window_->TabStrip1, kEncodeTab);
}

void TestFrm5ToneSendsTyped::cleanup()
{
    stopApp();
    window_ = nullptr;
}

void TestFrm5ToneSendsTyped::typeFrame(const TypedEdit& typed)
{
    type(*window_, typed);
    QCOMPARE(RowHex(Edata, typed.imageRow), typed.record);
}

void TestFrm5ToneSendsTyped::open_frame_goes_out_as_typed_data()
{
    addSendRows({kTwoDigits, kBehindEmptyFrame1});
}

void TestFrm5ToneSendsTyped::open_frame_goes_out_as_typed()
{
    QFETCH(Send, send);
    QFETCH(TypedEdit, typed);
    typeFrame(typed);
    sendTyped(*window_, send, typed);
    // The editor stays over its cell with the digits.
    QVERIFY(window_->Text_Encode->isVisible());
    QCOMPARE(window_->Text_Encode->text().trimmed(), typed.text);
    QCOMPARE(window_->MSF_Encode->row(), typed.row);
    QCOMPARE(window_->MSF_Encode->col(), typed.col);
}

void TestFrm5ToneSendsTyped::write_whose_port_does_not_open_leaves_the_frame_as_typed_data()
{
    addPortErrorRows();
}

void TestFrm5ToneSendsTyped::write_whose_port_does_not_open_leaves_the_frame_as_typed()
{
    QFETCH(Send, send);
    QFETCH(QString, portError);
    typeFrame(kBehindEmptyFrame1);
    writeTypedWithoutAPort(*window_, send, portError, kBehindEmptyFrame1);
}

QTEST_MAIN(TestFrm5ToneSendsTyped)
#include "tst_frm_5tone_sends_typed.moc"
