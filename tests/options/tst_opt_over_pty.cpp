// The options editor end to end, as a user does it: the application starts
// and finds the radio on a serial port (a pseudo-terminal through the real
// serial layer, on real time), the Option menu item opens the editor, Read
// brings the radio's options area, a code and a setting are edited, and
// Write sends the area back, frame by frame as the radio expects them.

#include "app/mdimain.h"
#include "core/option_defaults.h"
#include "core/status_panels.h"
#include "link/frames.h"
#include "link/link_state.h"
#include "link/startup_identification.h"
#include "options/ui/frm_option.h"
#include "platform/geometry.h"
#include "platform/serial_port.h"
#include "support/event_wait.h"
#include "support/image_bytes.h"
#include "support/image_rows.h"
#include "support/kit_driver.h"
#include "support/message_recorder.h"
#include "support/options_area.h"
#include "support/pty_app_fixture.h"
#include "support/pty_radio.h"
#include "support/radio_simulator.h"

#include <QLabel>
#include <QtTest>

namespace {

constexpr int kPort = 6;
constexpr int kTransferMs = 40000;
// A fast line: the frames' own timing (the sender's first tick, the pauses)
// is kept, the bytes need not crawl at 9600 baud.
constexpr double kByteUs = 100;
constexpr int kFirstRow = 224;
constexpr int kLastKeptRow = 243;
constexpr int kLastRow = 255;

QByteArray Hex(const QByteArray& bytes)
{
    return bytes.toHex(' ').toUpper();
}

// The handshake of every transfer: the link-open frame, the acknowledged
// identification, the password block request and its acknowledgement.
QByteArray Handshake()
{
    return LinkOpenBytes() + AckByte() + ReadRequest(PassBlockAddr, 16, false) + AckByte();
}

}  // namespace

class TestOptOverPty : public QObject, private PtyAppFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void read_edit_and_write_the_options_area();

private:
};

void TestOptOverPty::init()
{
    startSerial();
}

void TestOptOverPty::cleanup()
{
    stopSerial();
}

void TestOptOverPty::read_edit_and_write_the_options_area()
{
    RadioSimulator radio;
    radio.setPasswords("583920", "");
    PtyRadio line(radio, kByteUs);
    QVERIFY(line.isValid());
    SetPortDevice(kPort, line.slavePath());

    // Start: the scan finds the radio's port and the radio is identified.
    MDImain* main = Windows::Load<MDImain>();
    QVERIFY(main != nullptr);
    QTRY_COMPARE_WITH_TIMEOUT(StatusBar1.text(2), QStringLiteral("TR-UV1"), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(!main->Identification().portOpen(), 5000);
    QCOMPARE(recorder_->count(), 0);
    OptionsArea::PutInto(radio, Edata);
    const QByteArray radioBefore = radio.memory;

    main->sys_edit->trigger();
    auto* options = Windows::Find<frm_option>();
    QVERIFY(options != nullptr);
    QCOMPARE(main->activeChild(), options);
    QCOMPARE(recorder_->count(), 0);
    KitDriver::Activate(main);
    const MemoryImage loaded = Edata;

    // Read.
    qsizetype heard = line.received().size();
    KitDriver::ClickButton(options->Command_read);
    RunEventsUntil([&] { return recorder_->count() > 0; }, kTransferMs);
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Complete reading the data from transceiver.")});
    QCOMPARE(options->Label_tr_count->text(), QStringLiteral("Read optional parameters in gear. "));
    for (int r = kFirstRow; r <= kLastKeptRow; ++r)
        QCOMPARE(RowHex(Edata, r), Hex(radio.memoryRange(16 * r, 16)));  // the refresh changed none
    for (int r = kLastKeptRow + 1; r <= kLastRow; ++r)
        QCOMPARE(RowHex(Edata, r), RowHex(loaded, r));
    QCOMPARE(options->Text_ANI->text(), QStringLiteral("13579"));
    // The block requests 53 0E 00 40 to 53 0F C0 40, each after a lone 06.
    QByteArray expected = Handshake();
    for (int k = 0; k < 8; ++k)
        expected += ReadRequest(0x0E00 + 0x40 * k, 0x40, false) + AckByte();
    // The last 06 leaves as the port closes; the line brings it in a moment.
    RunEventsUntil([&] { return line.received().size() - heard >= expected.size(); }, 2000);
    QCOMPARE(Hex(line.received().mid(heard)), Hex(expected));
    QCOMPARE(Hex(expected.mid(expected.size() - 5)), QByteArray("53 0F C0 40 06"));

    // Edit: the PTT-ID begin code and the squelch level.
    options->Text_PttId_Begin->setFocus();
    options->Text_PttId_Begin->setText(QString());
    KitDriver::TypeText(options->Text_PttId_Begin, QStringLiteral("4567"));
    KitDriver::ChooseItem(options->settingList(OptIdx_Sql_le), 7);
    QCOMPARE(recorder_->count(), 0);

    // Write.
    heard = line.received().size();
    KitDriver::ClickButton(options->Command_Write);
    RunEventsUntil([&] { return recorder_->count() > 0; }, kTransferMs);
    QCOMPARE(recorder_->takeTexts(),
             QStringList{QStringLiteral("Complete Written optional parameters to the transceiver.")});
    QCOMPARE(options->Label_tr_count->text(), QStringLiteral("Complete Written optional parameters "));
    QByteArray edited = radioBefore;
    edited[0x0E02] = 7;
    edited.replace(0x0EE0, 16, QByteArray::fromHex("04050607") + QByteArray(12, '\xFF'));
    QCOMPARE(Hex(radio.memoryRange(0x0E00, 0x140)), Hex(edited.mid(0x0E00, 0x140)));
    // Rows 244..255 go out as the image holds them; nothing else is written.
    for (int r = kLastKeptRow + 1; r <= kLastRow; ++r)
        QCOMPARE(Hex(radio.memoryRange(16 * r, 16)), RowHex(loaded, r));
    QCOMPARE(Hex(radio.memory.left(0x0E00)), Hex(radioBefore.left(0x0E00)));
    QCOMPARE(Hex(radio.memory.mid(0x1000)), Hex(radioBefore.mid(0x1000)));
    // 32 frames: the first carries no 06, each later one the 06 of the
    // radio's last answer, and nothing follows the 32nd answer.
    expected = Handshake();
    for (int k = 0; k < 32; ++k) {
        FrameData data{};
        for (int c = 0; c < kRowBytes; ++c)
            data[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(Edata(kFirstRow + k, c));
        expected += WriteFrame(0x0E00 + 0x10 * k, data, k > 0);
    }
    // Time enough for anything that would follow.
    RunEventsUntil([] { return false; }, 300);
    QCOMPARE(Hex(line.received().mid(heard)), Hex(expected));
    QCOMPARE(radio.heardCount(RadioSimulator::Heard::Write), 32);
}

QTEST_MAIN(TestOptOverPty)
#include "tst_opt_over_pty.moc"
