// The FM presets end to end, as a user works them: the application starts
// and finds the radio on a serial port (a pseudo-terminal through the real
// serial layer, on real time), "FM-Radio" opens the FM window, Read fetches
// the page, one preset is typed in the grid and another only clicked
// through, and Write sends the page back; the frames on the wire are the
// radio's protocol byte for byte.

#include "app/mdimain.h"
#include "channels/fm_page.h"
#include "channels/ui/frm_chann.h"
#include "channels/ui/frm_fm.h"
#include "core/status_panels.h"
#include "link/link_state.h"
#include "link/startup_identification.h"
#include "platform/geometry.h"
#include "platform/serial_port.h"
#include "support/event_wait.h"
#include "support/image_rows.h"
#include "support/kit_driver.h"
#include "support/message_recorder.h"
#include "support/pty_app_fixture.h"
#include "support/pty_radio.h"
#include "support/radio_simulator.h"

#include <QAction>
#include <QLabel>
#include <QtTest>

namespace {

constexpr int kPort = 7;
constexpr int kTransferMs = 20000;
constexpr int kSeed = 7;
// A fast line: the frames' own timing (the sender's first tick, the pauses)
// is kept, the bytes need not crawl at 9600 baud.
constexpr double kByteUs = 100;
constexpr int kPage = 0x3000;
constexpr int kTyped = 5;    // preset 5, radio 0x3040
constexpr int kClicked = 6;  // preset 6

QByteArray Hex(const QByteArray& bytes)
{
    return bytes.toHex(' ').toUpper();
}

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int v : values)
        bytes.append(static_cast<char>(v));
    return bytes;
}

// What the program sent after the password request of its last transfer.
QByteArray AfterPasswordRequest(const QByteArray& sent)
{
    const QByteArray request = Bytes({0x53, PassBlockAddr >> 8, PassBlockAddr & 0xFF, 0x10});
    const qsizetype at = sent.lastIndexOf(request);
    return at < 0 ? QByteArray() : sent.mid(at + request.size());
}

}  // namespace

class TestFmOverPty : public QObject, private PtyAppFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void read_type_a_preset_and_write_it_back();

private:
    QString cell(int row, int col) const { return fm_->MSF_Chann->textMatrix(row, col); }
    void click(int row, int col) { KitDriver::ClickCell(fm_->MSF_Chann, row, col); }
    bool waitForLabel(const QString& text)
    {
        return RunEventsUntil([&] { return fm_->Label_tr_count->text() == text; }, kTransferMs);
    }

    frm_FM* fm_ = nullptr;
};

void TestFmOverPty::init()
{
    startSerial();
}

void TestFmOverPty::cleanup()
{
    stopSerial();
}

void TestFmOverPty::read_type_a_preset_and_write_it_back()
{
    RadioSimulator radio;
    radio.fillRowPattern(kSeed);
    radio.setPasswords("583920", "");
    const QByteArray memory = radio.memory;
    PtyRadio line(radio, kByteUs);
    QVERIFY(line.isValid());
    SetPortDevice(kPort, line.slavePath());

    // Start: the scan finds the radio's port and the radio is identified.
    MDImain* main = Windows::Load<MDImain>();
    QVERIFY(main != nullptr);
    QVERIFY(RunEventsUntil([] { return StatusBar1.text(2) == QStringLiteral("TR-UV1"); }, 5000));
    QVERIFY(RunEventsUntil([main] { return !main->Identification().portOpen(); }, 5000));
    QCOMPARE(recorder_->count(), 0);

    // "FM-Radio" closes the channel window and opens the FM window.
    main->fm_chann_edit->trigger();
    QCOMPARE(Windows::Find<frm_chann>(), nullptr);
    fm_ = Windows::Find<frm_FM>();
    QVERIFY(fm_ != nullptr);
    KitDriver::Activate(main);

    // Read: the page is the radio's, and the grid shows it.
    KitDriver::ClickButton(fm_->Command_read);
    QVERIFY(waitForLabel(QStringLiteral("Read FM Radio parameters in gear. ")));
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Complete reading the data from transceiver.")});
    for (int i = 0; i < kFmPresets; ++i)
        QCOMPARE(RowHex(Edata, Area::FmPage.firstRow() + i), Hex(radio.memoryRange(kPage + 16 * i, 16)));
    // The acknowledgement of the last reply is on its way to the radio.
    RunEventsUntil([&] { return line.received().endsWith(Bytes({0x40, 0x06})); }, 1000);
    QCOMPARE(Hex(AfterPasswordRequest(line.received())),
             Hex(Bytes({0x06, 0x53, 0x30, 0x00, 0x40, 0x06, 0x53, 0x30, 0x40, 0x40, 0x06,
                        0x53, 0x30, 0x80, 0x40, 0x06, 0x53, 0x30, 0xC0, 0x40, 0x06})));
    QVERIFY(!cell(kClicked, FmCol::Freq).isEmpty());

    // Preset 6 only clicked through; preset 5 typed, then its row left.
    click(kClicked, FmCol::Freq);
    click(kClicked, FmCol::Name);
    click(kClicked, FmCol::Number);
    click(kTyped, FmCol::Freq);
    fm_->Text_Edit->setText(QString());
    KitDriver::TypeText(fm_->Text_Edit, QStringLiteral("99.5"));
    click(kTyped, FmCol::Name);
    fm_->Text_Edit->setText(QString());
    KitDriver::TypeText(fm_->Text_Edit, QStringLiteral("ROCK"));
    click(kTyped + 1, FmCol::Number);
    QCOMPARE(recorder_->count(), 0);
    QCOMPARE(cell(kTyped, FmCol::Freq), QStringLiteral("99.50000"));

    // Write: the typed preset, and every other byte as the radio had it.
    const qsizetype sentBefore = line.received().size();
    KitDriver::ClickButton(fm_->Command_Write);
    QVERIFY(waitForLabel(QStringLiteral("Complete Written FM parameters ")));
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Complete Written FM parameters to the transceiver.")});
    const QByteArray rock =
        Bytes({0x00, 0x09, 0x09, 0x05, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0x52, 0x4F, 0x43, 0x4B, 0xFF, 0xFF});
    QByteArray expected = memory;
    expected.replace(kPage + 16 * (kTyped - 1), 16, rock);
    QCOMPARE(Hex(radio.memoryRange(kPage, 0x100)), Hex(expected.mid(kPage, 0x100)));
    QVERIFY(radio.memory == expected);

    // The frames: a lone 0x06 for the password reply, then sixteen frames,
    // the first without a leading 0x06, each carrying its image row.
    QByteArray frames = Bytes({0x06});
    for (int k = 0; k < kFmPresets; ++k) {
        if (k > 0)
            frames += Bytes({0x06});
        frames += Bytes({0x58, 0x30, 16 * k, 0x10}) + QByteArray::fromHex(RowHex(Edata, Area::FmPage.firstRow() + k));
    }
    // Nothing follows the radio's last acknowledgement.
    RunEventsUntil([] { return false; }, 300);
    QCOMPARE(Hex(AfterPasswordRequest(line.received().mid(sentBefore))), Hex(frames));
}

QTEST_MAIN(TestFmOverPty)
#include "tst_fm_over_pty.moc"
