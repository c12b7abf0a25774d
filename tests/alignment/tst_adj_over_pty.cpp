// The alignment editor end to end, as a user works it: the application
// starts and finds the radio on a serial port (a pseudo-terminal through the
// real serial layer, at 9600 baud, on real time), the Other menu item opens
// the editor, Read brings the radio's band limits, one limit is edited and
// Write sends the row back.

#include "alignment/ui/frm_adj_txp.h"
#include "app/mdimain.h"
#include "core/status_panels.h"
#include "link/frames.h"
#include "link/link_state.h"
#include "link/startup_identification.h"
#include "link/transfer_engine.h"
#include "platform/geometry.h"
#include "platform/serial_port.h"
#include "support/event_wait.h"
#include "support/kit_driver.h"
#include "support/message_recorder.h"
#include "support/pty_app_fixture.h"
#include "support/pty_radio.h"
#include "support/radio_simulator.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

constexpr int kPort = 2;
constexpr int kTransferMs = 10000;

// The radio's band limits (136 to 174 and 400 to 480 MHz), four bytes of its
// own and the byte after the row.
const QByteArray kRadioRow = QByteArray::fromHex("010306010704040000040800C4D5E6F7");
const QByteArray kWrittenRow = QByteArray::fromHex("010306010704040000040700C4D5E6F7");
constexpr char kAfterRow = '\x3A';

QByteArray Hex(const QByteArray& bytes)
{
    return bytes.toHex(' ').toUpper();
}

void Press(KitButton* button)
{
    QTest::mouseClick(button->findChild<QPushButton*>(), Qt::LeftButton);
}

}  // namespace

class TestAdjOverPty : public QObject, private PtyAppFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void read_edit_a_limit_and_write_it_back();

private:
};

void TestAdjOverPty::init()
{
    startSerial();
}

void TestAdjOverPty::cleanup()
{
    stopSerial();
}

void TestAdjOverPty::read_edit_a_limit_and_write_it_back()
{
    RadioSimulator radio;
    radio.memory.replace(AdjLimitsAddr, kRadioRow.size(), kRadioRow);
    radio.memory[AdjLimitsAddr + kWriteBytes] = kAfterRow;
    PtyRadio line(radio);
    QVERIFY(line.isValid());
    SetPortDevice(kPort, line.slavePath());

    // Start: the radio is found and identified.
    MDImain* main = Windows::Load<MDImain>();
    QVERIFY(main != nullptr);
    QVERIFY(RunEventsUntil([&] { return StatusBar1.text(2) == QStringLiteral("TR-UV1"); }, 5000));
    QVERIFY(RunEventsUntil([&] { return !main->Identification().portOpen(); }, 5000));
    KitDriver::Activate(main);
    const MemoryImage image = Edata;

    main->frm_adj->trigger();
    auto* adj = Windows::Find<frm_Adj_Txp>();
    QVERIFY(adj != nullptr);
    QCOMPARE(main->activeChild(), adj);

    // Read.
    radio.heard.clear();
    qsizetype sent = line.received().size();
    const qint64 answered = line.sentBytes();
    Press(adj->Command_read);
    QVERIFY(RunEventsUntil([&] { return recorder_->count() > 0; }, kTransferMs));
    QCOMPARE(recorder_->takeTexts(), QStringList{"Complete reading the data from transceiver."});
    const QByteArray readWire = LinkOpenBytes() + QByteArray::fromHex("06533C8040") + AckByte();
    // The closing acknowledgement is on its way as the box shows.
    RunEventsUntil([&] { return line.received().size() >= sent + readWire.size(); }, kTransferMs);
    QCOMPARE(Hex(line.received().mid(sent)), Hex(readWire));
    QCOMPARE(line.sentBytes() - answered, 50 + 69);              // the identification and the block reply
    QCOMPARE(radio.heardCount(RadioSimulator::Heard::Read), 1);  // no password request
    for (int c = 0; c < kRowBytes; ++c)
        QCOMPARE(int(AdjData(AdjLimitRow, c)), int(static_cast<std::uint8_t>(kRadioRow.at(c))));
    QCOMPARE(int(AdjData(AdjLimitRow, 16)), int(kAfterRow));
    const QStringList shown{adj->Text_Freq_L[0]->text(), adj->Text_Freq_H[0]->text(), adj->Text_Freq_L[1]->text(),
                            adj->Text_Freq_H[1]->text()};
    QCOMPARE(shown, (QStringList{" 136", " 174", " 400", " 480"}));
    QCOMPARE(adj->Label_tr_count->text(), QStringLiteral("Read optional parameters in gear. "));

    // The UHF upper limit to 470, then Write at once.
    KitText* upper = adj->Text_Freq_H[1];
    QTest::mouseClick(upper->findChild<QLineEdit*>(), Qt::LeftButton);
    upper->setText(QString());
    KitDriver::TypeText(upper, QStringLiteral("470"));
    const QByteArray before = radio.memory;
    radio.heard.clear();
    sent = line.received().size();
    Press(adj->Command_Write);
    QVERIFY(RunEventsUntil([&] { return recorder_->count() > 0; }, kTransferMs));
    QCOMPARE(recorder_->takeTexts(), QStringList{"Complete writing optional parameters to the transceiver."});
    QCOMPARE(adj->Label_tr_count->text(), QStringLiteral("Complete writing optional parameters "));

    FrameData row{};
    for (int c = 0; c < kWriteBytes; ++c)
        row[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(kWrittenRow.at(c));
    QCOMPARE(Hex(line.received().mid(sent)), Hex(LinkOpenBytes() + WriteFrame(AdjLimitsAddr, row, true)));
    QCOMPARE(radio.heardCount(RadioSimulator::Heard::Write), 1);
    QCOMPARE(Hex(radio.memoryRange(AdjLimitsAddr, kWriteBytes)), Hex(kWrittenRow));
    QByteArray expected = before;
    expected.replace(AdjLimitsAddr, kWrittenRow.size(), kWrittenRow);
    QVERIFY(radio.memory == expected);  // every other byte as it was
    QVERIFY(Edata == image);
    QVERIFY(!adj->link().portOpen());
}

QTEST_MAIN(TestAdjOverPty)
#include "tst_adj_over_pty.moc"
