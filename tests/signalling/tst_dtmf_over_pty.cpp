// The DTMF window end to end, as a user works with it: the application
// starts and finds the radio on a serial port (a pseudo-terminal through the
// real serial layer, 9600 baud, real time), the window opens from the Signal
// menu, reads the radio's area, three edits are made and the area is
// written back. Checked on the wire: the frames of both transfers.

#include "app/mdimain.h"
#include "core/status_panels.h"
#include "link/frames.h"
#include "link/startup_identification.h"
#include "link/transfer_engine.h"
#include "platform/geometry.h"
#include "platform/serial_port.h"
#include "signalling/ui/frm_dtmf.h"
#include "support/dtmf_shown.h"
#include "support/event_wait.h"
#include "support/kit_driver.h"
#include "support/message_recorder.h"
#include "support/pty_app_fixture.h"
#include "support/pty_radio.h"
#include "support/radio_simulator.h"

#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace {

constexpr int kPort = 4;
constexpr int kTransferMs = 20000;
constexpr int kLastBytesMs = 200;  // the last bytes on their way through the pseudo-terminal
constexpr int kArea = 0x2900;
constexpr int kAreaBytes = 0x200;

const QString kReadDone = QStringLiteral("Read DTMF Signal parameters in gear. ");
const QString kWriteDone = QStringLiteral("Complete Written DTMF Signal parameters ");

void PutRow(QByteArray& memory, int address, const char* hex)
{
    QByteArray row = QByteArray::fromHex(hex);
    row.append(QByteArray(16 - row.size(), '\xFF'));
    memory.replace(address, 16, row);
}

// The radio's DTMF area: settings other than the defaults, and in every byte
// no control shows a pattern of its own.
void PutRadioArea(RadioSimulator& radio)
{
    QByteArray& m = radio.memory;
    for (int a = kArea; a < kArea + kAreaBytes; ++a)
        m[a] = '\xFF';
    PutRow(m, 0x2900, "01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 00");  // encode code 1, 16 digits
    PutRow(m, 0x2910, "0B 0C");                                            // code 2: *#
    PutRow(m, 0x29E0, "05 05 05");                                         // code 15
    // Speeds 140 and 250 ms, then 14 bytes no control shows.
    PutRow(m, 0x29F0, "09 14 A2 A3 A4 A5 A6 A7 A8 A9 AA AB AC AD AE AF");
    PutRow(m, 0x2A00, "04 04");        // inspection
    PutRow(m, 0x2A10, "0D 0E 0F");     // monitor
    PutRow(m, 0x2A20, "09 09 09");     // alarm
    PutRow(m, 0x2A30, "00");           // stun
    PutRow(m, 0x2A40, "01 0A");        // kill
    PutRow(m, 0x2A50, "02 02 02 02");  // revive
    for (int a = 0x2A60; a < 0x2AD0; ++a)
        m[a] = static_cast<char>(0x30 + (a - 0x2A60));
    PutRow(m, 0x2AD0, "08 08 08");     // master ID
    PutRow(m, 0x2AE0, "09 0A 09 0A");  // vice ID
    // Control by ID on, master rights bits 0 2 4 and high bits 5..7, vice
    // rights bits 1 3 and bit 6, RX inhibit with bits 2..7, group "A",
    // separator "C", delay 1000 ms, reset 3000 ms, then 8 bytes no control shows.
    PutRow(m, 0x2AF0, "01 F5 4A FD 0D 0F 09 1D C8 C9 CA CB CC CD CE CF");
}

QByteArray Hex(const QByteArray& bytes)
{
    return bytes.toHex(' ').toUpper();
}

QByteArray ImageArea()
{
    QByteArray bytes;
    for (int a = kArea; a < kArea + kAreaBytes; ++a)
        bytes.append(static_cast<char>(Edata(a / 16, a % 16)));
    return bytes;
}

}  // namespace

class TestDtmfOverPty : public QObject, private PtyAppFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void read_edit_and_write_from_the_signal_menu();

private:
    // Runs a transfer to its label, recording every label it shows after
    // the one it found.
    bool transfer(KitButton* button, const QString& doneLabel);

    frm_dtmf* dtmf_ = nullptr;
    QStringList labels_;
};

void TestDtmfOverPty::init()
{
    startSerial();
}

void TestDtmfOverPty::cleanup()
{
    stopSerial();
}

bool TestDtmfOverPty::transfer(KitButton* button, const QString& doneLabel)
{
    labels_ = QStringList{dtmf_->Label_tr_count->text()};
    auto shown = dtmf_->link().onDisplayChanged;
    dtmf_->link().onDisplayChanged = [this, shown] {
        shown();
        if (labels_.last() != dtmf_->Label_tr_count->text())
            labels_ << dtmf_->Label_tr_count->text();
    };
    KitDriver::ClickButton(button);
    // An event loop of its own: QTest's waits would cost every frame about 15 ms more.
    const bool done = RunEventsUntil([&] { return dtmf_->Label_tr_count->text() == doneLabel; }, kTransferMs);
    labels_.removeFirst();
    return done;
}

void TestDtmfOverPty::read_edit_and_write_from_the_signal_menu()
{
    RadioSimulator radio;
    PutRadioArea(radio);
    radio.setPasswords("583920", "");
    PtyRadio line(radio);
    QVERIFY(line.isValid());
    SetPortDevice(kPort, line.slavePath());

    // Start: the scan finds the radio's port and the radio is identified.
    MDImain* main = Windows::Load<MDImain>();
    QVERIFY(main != nullptr);
    QVERIFY(RunEventsUntil([&] { return StatusBar1.text(2) == QStringLiteral("TR-UV1"); }, 5000));
    QVERIFY(RunEventsUntil([&] { return !main->Identification().portOpen(); }, 5000));
    QCOMPARE(recorder_->count(), 0);

    main->Sig_dtmf->trigger();
    dtmf_ = Windows::Find<frm_dtmf>();
    QVERIFY(dtmf_ != nullptr);
    QCOMPARE(main->activeChild(), dtmf_);
    KitDriver::Activate(main);

    // Read: the window shows the radio's area before the message.
    DtmfShown atMessage;
    recorder_->onShow = [&](const ShownMessage&) { atMessage = ShownBy(*dtmf_); };
    qsizetype sent = line.received().size();
    QVERIFY(transfer(dtmf_->Command_read, kReadDone));
    recorder_->onShow = nullptr;
    const QList<ShownMessage> readMessages = recorder_->takeAll();
    QCOMPARE(readMessages.size(), 1);
    QCOMPARE(readMessages.first().text, QStringLiteral("Complete reading the data from transceiver."));
    QCOMPARE(readMessages.first().title, QStringLiteral("Operate Prompt"));
    QCOMPARE(Hex(ImageArea()), Hex(radio.memoryRange(kArea, kAreaBytes)));
    const QStringList readShown{"Text_tx_Encode(0)=1234567890*#ABCD",
                                "Text_tx_Encode(1)=*#",
                                "Text_tx_Encode(14)=555",
                                "Combo_Enc_ys1=140",
                                "Combo_Enc_ys2=250",
                                "Text_XC=44",
                                "Text_JT=ABC",
                                "Text_YY=D",
                                "Text_KJ=2222",
                                "Text_MID=888",
                                "Text_SID=9090",
                                "Check_Ctrl_En=1",
                                "Check_M(0)=1",
                                "Check_M(1)=0",
                                "Check_M(2)=1",
                                "Check_M(4)=1",
                                "Check_S(0)=0",
                                "Check_S(1)=1",
                                "Check_S(3)=1",
                                "Check_S(4)=0",
                                "Check_RX=1",
                                "Check_Tx=0",
                                "Combo_Dec_qh=A",
                                "Combo_Dec_Space_Code=C",
                                "Combo_Dec_Proc_Ys=1000",
                                "Combo_Dec_Res_Time=3000",
                                "ProgressBar1=100",
                                "Label_tr_count=" + kReadDone};
    QCOMPARE(Mismatches(atMessage, readShown), QStringList());
    QCOMPARE(labels_, (QStringList{"Connecting with transceiver. ", "Reading 3 Data Block", "Reading 4 Data Block",
                                   "Reading 5 Data Block", "Reading 6 Data Block", "Reading 7 Data Block",
                                   "Reading 8 Data Block", "Reading 9 Data Block", kReadDone}));
    // The link-open frame, the identification acknowledged, the password
    // block read and acknowledged; then eight requests, each reply answered
    // by a lone 0x06.
    const QByteArray handshake = LinkOpenBytes() + QByteArray::fromHex("06 53 3D F0 10 06");
    QByteArray requests;
    for (int k = 0; k < 8; ++k) {
        const int address = kArea + 0x40 * k;
        requests += QByteArray::fromHex(QByteArray::number(address, 16) + "40").prepend('\x53') + '\x06';
    }
    const QByteArray readWire = handshake + requests;
    RunEventsUntil([&] { return line.received().size() > sent + readWire.size(); }, kLastBytesMs);
    QCOMPARE(Hex(line.received().mid(sent)), Hex(readWire));

    // Three edits: a code typed, a list item chosen, a box ticked.
    QTest::mouseClick(dtmf_->Text_tx_Encode[3]->findChild<QLineEdit*>(), Qt::LeftButton);
    KitDriver::TypeText(dtmf_->Text_tx_Encode[3], QStringLiteral("9#"));
    KitDriver::ChooseItem(dtmf_->Combo_Enc_ys2, 50);  // 550 ms
    KitDriver::ClickCheck(dtmf_->Check_S[4]);
    QByteArray expected = radio.memory;
    PutRow(expected, 0x2930, "09 0C");
    expected[0x29F1] = 50;
    expected[0x2AF2] = 0x5A;
    QCOMPARE(Hex(ImageArea()), Hex(expected.mid(kArea, kAreaBytes)));

    // Write: the radio holds the edits and every other byte as it was.
    sent = line.received().size();
    QString labelAtMessage;
    recorder_->onShow = [&](const ShownMessage&) { labelAtMessage = dtmf_->Label_tr_count->text(); };
    QVERIFY(transfer(dtmf_->Command_Write, kWriteDone));
    recorder_->onShow = nullptr;
    QCOMPARE(labelAtMessage, QStringLiteral("Writing  31  Data Block"));  // the message comes first
    const QList<ShownMessage> writeMessages = recorder_->takeAll();
    QCOMPARE(writeMessages.size(), 1);
    QCOMPARE(writeMessages.first().text, QStringLiteral("Complete Written DTMF Signal parameters to the transceiver."));
    QCOMPARE(writeMessages.first().title, QStringLiteral("Operate Prompt"));
    QCOMPARE(Hex(radio.memory), Hex(expected));
    QStringList writeLabels{"Connecting with transceiver. "};
    for (int n = 1; n <= 31; ++n)
        writeLabels << QStringLiteral("Writing  %1  Data Block").arg(n);
    writeLabels << kWriteDone;
    QCOMPARE(labels_, writeLabels);
    // 32 frames from 0x2900, all but the first with the 0x06 of the radio's
    // previous answer; nothing after the last one.
    QByteArray frames;
    for (int k = 0; k < 32; ++k) {
        const int address = kArea + 0x10 * k;
        if (k > 0)
            frames += '\x06';
        frames += QByteArray::fromHex(QByteArray::number(address, 16) + "10").prepend('\x58');
        frames += expected.mid(address, 16);
    }
    const QByteArray writeWire = handshake + frames;
    RunEventsUntil([&] { return line.received().size() > sent + writeWire.size(); }, kLastBytesMs);
    QCOMPARE(Hex(line.received().mid(sent)), Hex(writeWire));
    QVERIFY(!dtmf_->link().portOpen());
}

QTEST_MAIN(TestDtmfOverPty)
#include "tst_dtmf_over_pty.moc"
