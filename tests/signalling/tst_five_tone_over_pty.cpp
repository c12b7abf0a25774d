// The five-tone window end to end through the real serial layer: the radio
// simulator on a pseudo-terminal, real time. Read the settings, edit a
// period and a frame, write the whole area back, and check what went over
// the wire and what the radio holds.

#include "core/five_tone_defaults.h"
#include "core/tone_list.h"
#include "link/frames.h"
#include "link/link_state.h"
#include "link/transfer_engine.h"
#include "platform/kit_button.h"
#include "platform/kit_grid.h"
#include "platform/kit_tab_strip.h"
#include "platform/kit_text.h"
#include "platform/serial_port.h"
#include "signalling/ui/frm_5tone.h"
#include "support/event_wait.h"
#include "support/image_bytes.h"
#include "support/kit_driver.h"
#include "support/link_display_log.h"
#include "support/message_recorder.h"
#include "support/pty_radio.h"
#include "support/radio_simulator.h"
#include "support/test_frame.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

namespace {

constexpr int kPort = 4;
constexpr int kTransferMs = 30000;
// A fast line: the frames' own timing is kept, the bytes need not crawl.
constexpr double kByteUs = 100;
constexpr int kSeed = 7;

QByteArray Hex(const QByteArray& bytes)
{
    return bytes.toHex(' ').toUpper();
}

FrameData ImageRow(int row)
{
    FrameData data{};
    for (int c = 0; c < kRowBytes; ++c)
        data[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(Edata(row, c));
    return data;
}

Bytes RadioRow(const RadioSimulator& radio, int row)
{
    Bytes bytes;
    for (int c = 0; c < kRowBytes; ++c)
        bytes << radio.memoryByte(16 * row + c);
    return bytes;
}

// What the program sends up to the first data frame: the link-open frame,
// the identification's 0x06, the password request and its 0x06.
QByteArray Handshake()
{
    return LinkOpenBytes() + AckByte() + ReadRequest(PassBlockAddr, kWriteBytes, false) + AckByte();
}

void Press(KitButton* button)
{
    QTest::mouseClick(button->findChild<QPushButton*>(), Qt::LeftButton);
}

}  // namespace

class TestFiveToneOverPty : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void read_edit_and_write_the_five_tone_area();

private:
    bool waitForLabel(const QString& label);

    SerialPortFactory serial_;
    std::unique_ptr<MessageRecorder> recorder_;
    frm_5tone* window_ = nullptr;
};

void TestFiveToneOverPty::initTestCase()
{
    InitToneTables();
    BuildLinkOpenFrame();
}

void TestFiveToneOverPty::init()
{
    recorder_ = std::make_unique<MessageRecorder>();
    InstallCommPortFactory(&serial_);
    CommPortNo = kPort;
    PortError = 0;
    LangChinese = 0;
    Edata.fill(kErased);
    FiveTone_Defaults();
    TestFrame* frame = Windows::Load<TestFrame>();
    QVERIFY(KitDriver::ShowActive(frame));
    window_ = Windows::Load<frm_5tone>();
    QVERIFY(window_ != nullptr);
}

void TestFiveToneOverPty::cleanup()
{
    Windows::UnloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window_ = nullptr;
    ResetPortDevices();
    InstallCommPortFactory(nullptr);
    QVERIFY(recorder_->verifyAllTaken());
    recorder_.reset();
}

bool TestFiveToneOverPty::waitForLabel(const QString& label)
{
    // An event loop of its own: QTest's waits would cost every frame more.
    return RunEventsUntil([&] { return window_->Label_tr_count->text() == label; }, kTransferMs);
}

void TestFiveToneOverPty::read_edit_and_write_the_five_tone_area()
{
    RadioSimulator radio;
    radio.fillRowPattern(kSeed);
    radio.setPasswords("583920", "");
    PtyRadio line(radio, kByteUs);
    QVERIFY(line.isValid());
    SetPortDevice(kPort, line.slavePath());
    const MemoryImage tables = Edata;
    const QByteArray radioBefore = radio.memory;

    // Read: the settings, shown before the message; the tone tables kept.
    LinkDisplayLog display(window_->link(), window_->ProgressBar1, window_->Label_tr_count);
    recorder_->onShow = [&](const ShownMessage&) {
        QCOMPARE(window_->MSF_Chann->textMatrix(1, 1), QString::number(20 + 10 * radio.memoryByte(0x2400)));
        QCOMPARE(window_->MSF_Encode->textMatrix(15, 4), QString());  // a pattern byte above 14
        QVERIFY(window_->ProgressBar1->isVisible());
        QCOMPARE(window_->ProgressBar1->value(), 100);
    };
    Press(window_->Command_read);
    QVERIFY(waitForLabel(QStringLiteral("Read Signal parameters in gear. ")));
    recorder_->onShow = nullptr;
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Complete reading the data from transceiver.")});
    for (int row = 576; row <= 607; ++row)
        QCOMPARE(RowBytes(Edata, row), RadioRow(radio, row));
    for (int row = 512; row <= 575; ++row)
        QCOMPARE(RowBytes(Edata, row), RowBytes(tables, row));

    QByteArray expected = Handshake();
    for (int k = 0; k < 8; ++k)
        expected += ReadRequest(0x2400 + 0x40 * k, kBlockBytes, false) + AckByte();
    // The last 0x06 may still be on its way.
    RunEventsUntil([&] { return line.received().size() >= expected.size(); }, kTransferMs);
    QCOMPARE(Hex(line.received()), Hex(expected));
    const QList<int> bars{33, 44, 55, 66, 77, 88, 100};
    QStringList reading{QStringLiteral("0 Connecting with transceiver. ")};
    for (int n = 3; n <= 9; ++n)
        reading << QStringLiteral("%1 Reading %2 Data Block").arg(bars.at(n - 3)).arg(n);
    reading << QStringLiteral("100 Read Signal parameters in gear. ");
    QCOMPARE(display.entries(), reading);
    QVERIFY(window_->ProgressBar1->isVisible());

    // Edit: the period of "ZVEI1" and frame 1 of code 3.
    KitDriver::ClickCell(window_->MSF_Chann, 4, 1);
    KitDriver::ChooseItem(window_->Combo_edit, 18);
    KitDriver::ClickTab(window_->TabStrip1, 2);
    KitDriver::ClickCell(window_->MSF_Encode, 3, 1);
    window_->Text_Encode->setText(QString());
    KitDriver::TypeText(window_->Text_Encode, QStringLiteral("9a8b7"));
    QCOMPARE(recorder_->count(), 0);

    // Write: the whole area as the image holds it, the edits with it.
    const qsizetype readBytes = line.received().size();
    display.clear();
    recorder_->onShow = [&](const ShownMessage&) {
        QCOMPARE(window_->ProgressBar1->value(), 98);
        QCOMPARE(window_->Label_tr_count->text(), QStringLiteral("Writing  94  Data Block"));
    };
    Press(window_->Command_Write);
    QVERIFY(waitForLabel(QStringLiteral("Complete Written Signal parameters ")));
    recorder_->onShow = nullptr;
    QCOMPARE(recorder_->takeTexts(),
             QStringList{QStringLiteral("Complete Written Signal parameters to the transceiver.")});
    QCOMPARE(radio.memoryByte(0x2430), 18);
    QCOMPARE(Hex(radio.memoryRange(0x2520, 5)), QByteArray("09 0A 08 0B 07"));
    for (int a = 0; a < RadioSimulator::kMemoryBytes; ++a) {
        if (a >= 0x2000 && a < 0x2600)
            QCOMPARE(radio.memoryByte(a), static_cast<int>(Edata(a / 16, a % 16)));
        else
            QCOMPARE(radio.memoryByte(a), static_cast<int>(static_cast<std::uint8_t>(radioBefore.at(a))));
    }
    for (int a = 0x2400; a < 0x2600; ++a) {
        if (a != 0x2430 && (a < 0x2520 || a > 0x2524))
            QCOMPARE(radio.memoryByte(a), static_cast<int>(static_cast<std::uint8_t>(radioBefore.at(a))));
    }
    for (int row = 512; row <= 575; ++row)
        QCOMPARE(RowBytes(Edata, row), RowBytes(tables, row));

    expected = Handshake();
    for (int k = 0; k < 96; ++k)
        expected += WriteFrame(0x2000 + 16 * k, ImageRow(512 + k), k > 0);
    QCOMPARE(Hex(line.received().mid(readBytes)), Hex(expected));
    QStringList writing{QStringLiteral("0 Connecting with transceiver. ")};
    for (int m = 1; m <= 95; ++m)
        writing << QStringLiteral("%1 Writing  %2  Data Block").arg(m * 100 / 96).arg(m - 1);
    writing << QStringLiteral("98 Complete Written Signal parameters ");
    QCOMPARE(display.entries(), writing);
    QCOMPARE(display.entries().at(1), QStringLiteral("1 Writing  0  Data Block"));
    QCOMPARE(window_->ProgressBar1->value(), 98);
}

QTEST_MAIN(TestFiveToneOverPty)
#include "tst_five_tone_over_pty.moc"
