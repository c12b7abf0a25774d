// A tone typed into the two-tone window's encode grid goes into the image
// when its cell is left; whatever sends or saves the image before that
// commits it first, so the radio or the file holds the tone as typed and the
// grid shows it. The application as it starts, against the radio simulator
// in process, on virtual time; the ways to send are those the five-tone
// window's typed frame is sent by (support/send_typed.h).

#include "app/mdimain.h"
#include "signalling/ui/frm_2tone.h"
#include "support/send_typed.h"

#include <QtTest>

namespace {

// Entry 2's first tone, 1358 Hz at start-up.
const TypedEdit kOverATone{"1500 Hz over 1358 Hz", 2, 1, QStringLiteral("1500"), 721,
                           "DC 05 FF FF FF FF FF FF A6 05 FF FF FF FF FF FF"};
// Entry 5 is erased at start-up.
const TypedEdit kIntoAnErasedEntry{"1124 Hz into an erased entry", 5, 2, QStringLiteral("1124"), 724,
                                   "FF FF FF FF FF FF FF FF 64 04 FF FF FF FF FF FF"};

}  // namespace

class TestFrm2ToneSendsTyped : public QObject, private SendTypedFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void open_tone_goes_out_as_typed_data();
    void open_tone_goes_out_as_typed();
    void write_whose_port_does_not_open_leaves_the_tone_as_typed_data();
    void write_whose_port_does_not_open_leaves_the_tone_as_typed();

private:
    frm_2tone* window_ = nullptr;
};

void TestFrm2ToneSendsTyped::init()
{
    QVERIFY(startApp());
    main_->Sig_2tone->trigger();
    window_ = Windows::Find<frm_2tone>();
    QVERIFY(window_ != nullptr);
}

void TestFrm2ToneSendsTyped::cleanup()
{
    stopApp();
    window_ = nullptr;
}

void TestFrm2ToneSendsTyped::open_tone_goes_out_as_typed_data()
{
    addSendRows({kOverATone, kIntoAnErasedEntry});
}

void TestFrm2ToneSendsTyped::open_tone_goes_out_as_typed()
{
    QFETCH(Send, send);
    QFETCH(TypedEdit, typed);
    type(*window_, typed);
    sendTyped(*window_, send, typed);
    // The edit is committed: the editor closed, the cell shows the tone.
    QVERIFY(window_->Text_Encode->isHidden());
    QCOMPARE(window_->MSF_Encode->textMatrix(typed.row, typed.col), typed.text + QStringLiteral(".0"));
}

void TestFrm2ToneSendsTyped::write_whose_port_does_not_open_leaves_the_tone_as_typed_data()
{
    addPortErrorRows();
}

void TestFrm2ToneSendsTyped::write_whose_port_does_not_open_leaves_the_tone_as_typed()
{
    QFETCH(Send, send);
    QFETCH(QString, portError);
    type(*window_, kOverATone);
    writeTypedWithoutAPort(*window_, send, portError, kOverATone);
}

QTEST_MAIN(TestFrm2ToneSendsTyped)
#include "tst_frm_2tone_sends_typed.moc"
