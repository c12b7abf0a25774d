// The two-tone editor end to end, as a user works with it: the application
// starts and finds the radio on a serial port (a pseudo-terminal through
// the real serial layer, 9600 baud, real time), the window opens from the
// Signal menu, reads the radio's two-tone area, an encode cell, a decode
// pair and a tone are edited, and the area is written back.

#include "app/mdimain.h"
#include "core/status_panels.h"
#include "core/two_tone_defaults.h"
#include "link/frames.h"
#include "link/link_state.h"
#include "link/startup_identification.h"
#include "link/transfer_engine.h"
#include "platform/geometry.h"
#include "platform/serial_port.h"
#include "signalling/two_tone_area.h"
#include "signalling/ui/frm_2tone.h"
#include "support/event_wait.h"
#include "support/kit_driver.h"
#include "support/link_display_log.h"
#include "support/message_recorder.h"
#include "support/pty_app_fixture.h"
#include "support/pty_radio.h"
#include "support/radio_simulator.h"
#include "support/two_tone_area_table.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

namespace {

constexpr int kPort = 4;
constexpr int kTransferMs = 20000;
constexpr int kArea = 0x2D00;
constexpr int kAreaEnd = 0x3000;

void Press(KitButton* button)
{
    QTest::mouseClick(button->findChild<QPushButton*>(), Qt::LeftButton);
}

QByteArray Hex(const char* hex)
{
    return QByteArray::fromHex(hex);
}

QByteArray ImageRow(int row)
{
    QByteArray bytes;
    for (int c = 0; c < kRowBytes; ++c)
        bytes.append(static_cast<char>(Edata(row, c)));
    return bytes;
}

// What the program sent after the handshake of its last transfer: the
// link-open frame, its acknowledgement, the password request and the lone
// acknowledgement of the password block.
QByteArray AfterHandshake(const QByteArray& sent)
{
    const QByteArray handshake = LinkOpenBytes() + Hex("06 53 3D F0 10 06");
    const qsizetype at = sent.lastIndexOf(handshake);
    return at < 0 ? QByteArray() : sent.mid(at + handshake.size());
}

}  // namespace

class TestTwoToneOverPty : public QObject, private PtyAppFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void read_edit_and_write_the_radio_area();

private:
};

void TestTwoToneOverPty::init()
{
    startSerial();
}

void TestTwoToneOverPty::cleanup()
{
    stopSerial();
}

void TestTwoToneOverPty::read_edit_and_write_the_radio_area()
{
    RadioSimulator radio;
    TwoToneAreaTable::PutInto(radio);
    radio.setPasswords("583920", "");
    const QByteArray memoryBefore = radio.memory;
    PtyRadio line(radio);
    QVERIFY(line.isValid());
    SetPortDevice(kPort, line.slavePath());

    // Start: the scan finds the radio's port and the radio is identified.
    MDImain* main = Windows::Load<MDImain>();
    QVERIFY(main != nullptr);
    QVERIFY(RunEventsUntil([&] { return StatusBar1.text(2) == QStringLiteral("TR-UV1"); }, 5000));
    QVERIFY(RunEventsUntil([&] { return !main->Identification().portOpen(); }, 5000));
    KitDriver::Activate(main);
    main->Sig_2tone->trigger();
    auto* window = Windows::Find<frm_2tone>();
    QVERIFY(window != nullptr);
    QCOMPARE(main->activeChild(), window);
    LinkDisplayLog display(window->link(), window->ProgressBar1, window->Label_tr_count);

    // Read: the window shows the radio's area before the message.
    QStringList shownAtMessage;
    recorder_->onShow = [&](const ShownMessage&) {
        shownAtMessage = {window->MSF_Encode->textMatrix(15, 2), window->MSF_Decode->textMatrix(15, 1),
                          window->Text_D->text(), window->Combo_enc_ys3->text()};
    };
    Press(window->Command_read);
    QVERIFY(RunEventsUntil(
        [&] { return window->Label_tr_count->text() == QStringLiteral("Read Signal parameters in gear. "); },
        kTransferMs));
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Complete reading the data from transceiver.")});
    QCOMPARE(shownAtMessage, (QStringList{"1050.0", Dec_PairText(TwoToneAreaTable::Pair(15, 0)),
                                          QString::number(TwoToneAreaTable::SetHz(1, 3)) + ".0", "750"}));
    for (int a = kArea; a < kAreaEnd; ++a)
        QCOMPARE(int(Edata(a / 16, a % 16)), radio.memoryByte(a));
    QCOMPARE(display.entries(), TwoToneAreaTable::ReadDisplay());
    // Twelve block requests, each reply acknowledged.
    QByteArray requests;
    for (int k = 0; k < 12; ++k) {
        const int address = kArea + 0x40 * k;
        requests += Hex("53") + char(address >> 8) + char(address & 0xFF) + Hex("40 06");
    }
    // The last acknowledgement may still be on its way through the line.
    RunEventsUntil([&] { return AfterHandshake(line.received()) == requests; }, 1000);
    QCOMPARE(AfterHandshake(line.received()).toHex(' '), requests.toHex(' '));

    // Edit: an encode tone, a decode pair, a tone of decode entry 5.
    KitDriver::ClickCell(window->MSF_Encode, 3, 2);
    window->Text_Encode->setText(QString());
    KitDriver::TypeText(window->Text_Encode, QStringLiteral("2222"));
    KitDriver::ClickCell(window->MSF_Encode, 3, 0);
    KitDriver::ClickTab(window->TabStrip1, 2);
    KitDriver::ClickCell(window->MSF_Decode, 5, 4);
    KitDriver::ChooseItem(window->Combo_Decode, 7);
    QTest::mouseClick(window->Text_B->findChild<QLineEdit*>(), Qt::LeftButton);
    window->Text_B->setText(QString());
    KitDriver::TypeText(window->Text_B, QStringLiteral("1777"));
    QCOMPARE(recorder_->count(), 0);
    MemoryImage edited = Edata;
    edited(722, 8) = 0xAE;  // 2222 Hz
    edited(722, 9) = 0x08;
    edited(740, 3) = 7;     // decoder 2 of entry 5: "C-B"
    edited(756, 2) = 0xF1;  // tone B of entry 5: 1777 Hz, period 1297
    edited(756, 3) = 0x06;
    edited(756, 10) = 0x11;
    edited(756, 11) = 0x05;

    // Write: the tone is committed as the button takes the focus.
    display.clear();
    int barAtMessage = -1;
    recorder_->onShow = [&](const ShownMessage&) { barAtMessage = window->ProgressBar1->value(); };
    Press(window->Command_Write);
    QVERIFY(RunEventsUntil(
        [&] { return window->Label_tr_count->text() == QStringLiteral("Complete Written Signal parameters "); },
        kTransferMs));
    QCOMPARE(recorder_->takeTexts(),
             QStringList{QStringLiteral("Complete Written Signal parameters to the transceiver.")});
    QCOMPARE(barAtMessage, 97);
    QVERIFY(Edata == edited);
    for (int a = 0; a < RadioSimulator::kMemoryBytes; ++a) {
        const bool area = a >= kArea && a < kAreaEnd;
        QCOMPARE(radio.memoryByte(a), area ? int(edited(a / 16, a % 16)) : static_cast<std::uint8_t>(memoryBefore[a]));
    }
    // 48 frames: the first carries no acknowledgement, nothing after the last.
    QByteArray frames;
    for (int k = 0; k < 48; ++k) {
        const int address = kArea + 16 * k;
        frames += (k == 0 ? QByteArray() : Hex("06")) + Hex("58") + char(address >> 8) + char(address & 0xFF)
                  + Hex("10") + ImageRow(720 + k);
    }
    QCOMPARE(AfterHandshake(line.received()).toHex(' '), frames.toHex(' '));
    QCOMPARE(display.entries(), TwoToneAreaTable::WriteDisplay());
}

QTEST_MAIN(TestTwoToneOverPty)
#include "tst_2tone_over_pty.moc"
