// The main job end to end, as a user does it: the application starts and
// finds the radio on a serial port (a pseudo-terminal through the real
// serial layer, on real time), the channel window reads the channels, one is
// edited in the grid, the table is written back, saved to a ".dat" file,
// cleared and loaded again.

#include "app/mdimain.h"
#include "channels/ui/frm_chann.h"
#include "core/freq_codec.h"
#include "core/status_panels.h"
#include "core/ui/form_open_chann.h"
#include "core/ui/form_save_chann.h"
#include "link/link_state.h"
#include "link/startup_identification.h"
#include "platform/geometry.h"
#include "platform/serial_port.h"
#include "support/channel_table.h"
#include "support/event_wait.h"
#include "support/image_rows.h"
#include "support/kit_driver.h"
#include "support/message_recorder.h"
#include "support/pty_app_fixture.h"
#include "support/pty_radio.h"
#include "support/radio_simulator.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int kPort = 4;
constexpr int kTransferMs = 40000;
// A fast line: the frames' own timing (the sender's first tick, the pauses)
// is kept, the bytes need not crawl at 9600 baud.
constexpr double kByteUs = 100;
constexpr int kEdited = 5;  // channel 5, grid row 6

QByteArray Hex(const QByteArray& bytes)
{
    return bytes.toHex(' ').toUpper();
}

QByteArray ImageRow(int row)
{
    QByteArray bytes;
    for (int c = 0; c < kRowBytes; ++c)
        bytes.append(static_cast<char>(Edata(row, c)));
    return bytes;
}

// The frames the radio heard after the last link-open frame, of one kind.
QList<int> HeardAddresses(const RadioSimulator& radio, RadioSimulator::Heard::Kind kind)
{
    QList<int> addresses;
    for (const RadioSimulator::Heard& h : radio.heard) {
        if (h.kind == RadioSimulator::Heard::LinkOpen)
            addresses.clear();
        else if (h.kind == kind && h.address < PassBlockAddr)
            addresses << h.address;
    }
    return addresses;
}

}  // namespace

class TestChannOverPty : public QObject, private PtyAppFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void the_main_job_read_edit_write_save_and_load();

private:
    QString cell(int row, int col) const { return chann_->MSF_Chann->textMatrix(row, col); }
    void retype(const QString& text);

    std::unique_ptr<QTemporaryDir> dir_;
    QString savedCurrent_;
    frm_chann* chann_ = nullptr;
};

void TestChannOverPty::init()
{
    startSerial();
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    savedCurrent_ = QDir::currentPath();
    QDir::setCurrent(dir_->path());  // where the file dialogs start
}

void TestChannOverPty::cleanup()
{
    stopSerial();
    QDir::setCurrent(savedCurrent_);
    dir_.reset();
}

void TestChannOverPty::retype(const QString& text)
{
    QVERIFY(chann_->Text_Edit->isVisible());
    chann_->Text_Edit->setText(QString());
    KitDriver::TypeText(chann_->Text_Edit, text);
}

void TestChannOverPty::the_main_job_read_edit_write_save_and_load()
{
    RadioSimulator radio;
    ChannelTable::PutInto(radio);
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
    chann_ = Windows::Find<frm_chann>();
    QVERIFY(chann_ != nullptr);
    QCOMPARE(main->activeChild(), chann_);
    KitDriver::Activate(main);
    QCOMPARE(cell(1, ChannCol::RxFreq), QString());  // the start-up image has no channels

    // Read.
    KitDriver::ClickButton(chann_->Command_read);
    // An event loop of its own: QTest's waits would cost every frame about 15 ms more.
    RunEventsUntil([&] { return chann_->Label_tr_count->text() == QStringLiteral("Read Channel Data is Ok ！"); },
                   kTransferMs);
    QCOMPARE(chann_->Label_tr_count->text(), QStringLiteral("Read Channel Data is Ok ！"));
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Complete reading data from the transceiver.")});
    const QList<int> reads = HeardAddresses(radio, RadioSimulator::Heard::Read);
    QCOMPARE(reads.size(), 102);
    for (int k = 0; k <= 50; ++k) {
        QCOMPARE(reads.at(2 * k), 0x40 * k);
        QCOMPARE(reads.at(2 * k + 1), 0x1000 + 0x40 * k);
    }
    // The grid shows the radio's channels, the names from the name area.
    for (int i = 0; i < ChannelTable::kChannels; ++i) {
        const QByteArray record = ChannelTable::MainRecord(i);
        const QString rx =
            ChannelTable::Empty(i)
                ? QString()
                : BCDToFreq(static_cast<std::uint8_t>(record.at(0)), static_cast<std::uint8_t>(record.at(1)),
                            static_cast<std::uint8_t>(record.at(2)), static_cast<std::uint8_t>(record.at(3)));
        QCOMPARE(cell(i + 1, ChannCol::RxFreq), rx);
        QCOMPARE(cell(i + 1, ChannCol::Name), ChannelTable::Name(i));
    }
    QCOMPARE(cell(kEdited + 1, ChannCol::RxFreq), QStringLiteral("445.02500"));

    // Edit channel 5: RX, TX and name, with Enter and by leaving the cells.
    KitDriver::ClickCell(chann_->MSF_Chann, kEdited + 1, ChannCol::RxFreq);
    retype(QStringLiteral("146.125"));
    KitDriver::PressKey(chann_->Text_Edit, Qt::Key_Return);
    retype(QStringLiteral("146.725"));
    KitDriver::PressKey(chann_->Text_Edit, Qt::Key_Return);
    KitDriver::ClickCell(chann_->MSF_Chann, kEdited + 1, ChannCol::Name);
    retype(QStringLiteral("edit5"));
    KitDriver::ClickCell(chann_->MSF_Chann, kEdited + 1, ChannCol::Number);
    QCOMPARE(recorder_->count(), 0);
    QByteArray edited = ChannelTable::MainRecord(kEdited);
    edited.replace(0, 8, QByteArray("\x00\x25\x61\x14\x00\x25\x67\x14", 8));
    QByteArray editedName = ChannelTable::NameRecord(kEdited);
    editedName.replace(0, 6, QByteArray("EDIT5\xFF"));
    QCOMPARE(Hex(ImageRow(kEdited)), Hex(edited));
    QCOMPARE(Hex(ImageRow(256 + kEdited)), Hex(editedName));
    QCOMPARE(cell(kEdited + 1, ChannCol::TxFreq), QStringLiteral("146.72500"));

    // Write: the radio holds the edit and every other row as it was.
    KitDriver::ClickButton(chann_->Command_Write);
    RunEventsUntil([&] { return chann_->Label_tr_count->text() == QStringLiteral("Channel Data Writed ！"); },
                   kTransferMs);
    QCOMPARE(chann_->Label_tr_count->text(), QStringLiteral("Channel Data Writed ！"));
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Complete Written the data to transceiver.")});
    for (int i = 0; i < ChannelTable::kChannels; ++i) {
        const QByteArray record = i == kEdited ? edited : ChannelTable::MainRecord(i);
        const QByteArray name = i == kEdited ? editedName : ChannelTable::NameRecord(i);
        QCOMPARE(Hex(radio.memoryRange(16 * i, 16)), Hex(record));
        QCOMPARE(Hex(radio.memoryRange(0x1000 + 16 * i, 16)), Hex(name));
    }
    QCOMPARE(radio.memoryRange(0x0C80, 16), QByteArray(16, '\xFF'));
    QCOMPARE(radio.memoryRange(0x1C80, 16), QByteArray(16, '\xFF'));
    // Main and name rows in turn, lines 0 to 200.
    const QList<int> writes = HeardAddresses(radio, RadioSimulator::Heard::Write);
    QCOMPARE(writes.size(), 402);
    for (int n = 0; n <= 200; ++n) {
        QCOMPARE(writes.at(2 * n), 16 * n);
        QCOMPARE(writes.at(2 * n + 1), 0x1000 + 16 * n);
    }
    const MemoryImage written = Edata;

    // Save the image to a ".dat" file.
    KitDriver::ClickButton(chann_->Command_save);
    auto* save = Windows::Find<Form_save_chann>();
    QVERIFY(save != nullptr);
    save->Text1->setText(QStringLiteral("job.dat"));
    QTest::mouseClick(save->Command_enter, Qt::LeftButton);
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Complete storing  parameter.")});
    QVERIFY(QFileInfo::exists(QDir(dir_->path()).filePath(QStringLiteral("job.dat"))));

    // Clear the table, then load the file again.
    KitDriver::ClickButton(chann_->Command_Clear);
    QCOMPARE(cell(kEdited + 1, ChannCol::RxFreq), QString());
    QVERIFY(!(Edata == written));
    KitDriver::ClickButton(chann_->Command_open);
    auto* open = Windows::Find<Form_open_chann>();
    QVERIFY(open != nullptr);
    open->Text1->setText(QStringLiteral("job.dat"));
    QTest::mouseClick(open->Command_enter, Qt::LeftButton);
    QCOMPARE(recorder_->takeTexts(), QStringList{QStringLiteral("Succeed fold the parameter from file.")});
    QCOMPARE(Windows::Find<Form_open_chann>(), nullptr);
    QVERIFY(Edata == written);
    // The channel window is active again and shows what the file held.
    QCOMPARE(main->activeChild(), chann_);
    QCOMPARE(cell(kEdited + 1, ChannCol::RxFreq), QStringLiteral("146.12500"));
    QCOMPARE(cell(kEdited + 1, ChannCol::Name), QStringLiteral("EDIT5"));
    QCOMPARE(cell(1, ChannCol::RxFreq), QStringLiteral("140.00000"));
}

QTEST_MAIN(TestChannOverPty)
#include "tst_chann_over_pty.moc"
