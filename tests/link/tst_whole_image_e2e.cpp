// The whole image from end to end, as the user goes: the application runs
// offscreen with the test radio on a pseudo-terminal, through the real
// serial layer, on real time. The radio's memory has a pattern of its own
// in every row, and so has the ".dat" file written to it.
//
// The line runs at 115200 baud so that the test stays short (the 15 ms
// before each frame still costs 12 s on the write); the timing at 9600 baud
// is the benchmark's (tests/bench/bench_whole_image.cpp).

#include "app/mdimain.h"
#include "core/dat_file.h"
#include "core/five_tone_tables.h"
#include "core/memory_image.h"
#include "core/status_panels.h"
#include "core/ui/form_open_chann.h"
#include "core/ui/form_save_chann.h"
#include "link/link_state.h"
#include "link/startup_identification.h"
#include "link/ui/form_comm_read.h"
#include "link/ui/form_comm_write.h"
#include "platform/file_browser.h"
#include "platform/geometry.h"
#include "platform/kit_button.h"
#include "platform/kit_text.h"
#include "platform/serial_port.h"
#include "support/image_rows.h"
#include "support/kit_driver.h"
#include "support/message_recorder.h"
#include "support/pty_radio.h"
#include "support/radio_simulator.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace {

constexpr int kPort = 4;
constexpr double kByteUs115200 = 1e6 * 10 / 115200;
constexpr int kReadTimeoutMs = 60000;
constexpr int kWriteTimeoutMs = 120000;

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestWholeImageEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void readFromRadioThenSaveAsDat();
    void loadDatThenWriteToRadio();

private:
    // A message box appears (the transfer's or the dialog's end) and is taken.
    QString awaitMessage(int timeoutMs);

    std::unique_ptr<MessageRecorder> recorder_;
    std::unique_ptr<RadioSimulator> radio_;
    std::unique_ptr<PtyRadio> pty_;
    std::unique_ptr<QTemporaryDir> dir_;
    SerialPortFactory serial_;
    MDImain* main_ = nullptr;
};

void TestWholeImageEndToEnd::init()
{
    recorder_ = std::make_unique<MessageRecorder>();
    radio_ = std::make_unique<RadioSimulator>();
    radio_->fillRowPattern(1);
    radio_->setPasswords("583920", "");
    pty_ = std::make_unique<PtyRadio>(*radio_, kByteUs115200);
    QVERIFY(pty_->isValid());
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    InstallCommPortFactory(&serial_);
    // Only the pseudo-terminal answers the start-up scan.
    for (int n = 1; n <= kPortCount; ++n)
        SetPortDevice(n, QStringLiteral("/nonexistent/ttyTEST%1").arg(n));
    SetPortDevice(kPort, pty_->slavePath());
    SetScreenSize(QSize(1280, 800));
    LangChinese = 0;

    main_ = Windows::Load<MDImain>();
    QVERIFY(main_ != nullptr);
    QTRY_COMPARE_WITH_TIMEOUT(StatusBar1.text(2), QStringLiteral("TR-UV1"), 10000);
    QTRY_VERIFY(!main_->Identification().running() && !main_->Identification().portOpen());
    QCOMPARE(CommPortNo, kPort);
    QCOMPARE(recorder_->count(), 0);
}

void TestWholeImageEndToEnd::cleanup()
{
    Windows::UnloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    pty_.reset();
    radio_.reset();
    ResetPortDevices();
    InstallCommPortFactory(nullptr);
    SetScreenSize(QSize());
    StatusBar1.clear();
    dir_.reset();
    QVERIFY(recorder_->verifyAllTaken());
    recorder_.reset();
}

QString TestWholeImageEndToEnd::awaitMessage(int timeoutMs)
{
    // An event loop of its own: QTest's waits sleep between their rounds,
    // which would cost every frame of the transfer several milliseconds.
    if (recorder_->count() == 0) {
        QEventLoop loop;
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        recorder_->onShow = [&loop](const ShownMessage&) { loop.quit(); };
        loop.exec();
        recorder_->onShow = nullptr;
    }
    if (recorder_->count() == 0)
        return QStringLiteral("(no message)");
    return recorder_->takeFirstText();
}

void TestWholeImageEndToEnd::readFromRadioThenSaveAsDat()
{
    const MemoryImage before = Edata;  // the start-up image
    main_->Prog_read->trigger();
    auto* read = Windows::Find<Form_Comm_Read>();
    QVERIFY(read != nullptr);
    read->Command_read->click();
    QCOMPARE(awaitMessage(kReadTimeoutMs), QStringLiteral("Complete reading data from the transceiver."));
    QCOMPARE(read->Label_tr_count->text(), QStringLiteral("Read Data is Ok ！"));
    read->Command_Cancel->click();

    main_->File_saveas->trigger();
    auto* save = Windows::Find<Form_save_chann>();
    QVERIFY(save != nullptr);
    save->Dir1->setPath(dir_->path());
    save->Text1->setText(QStringLiteral("radio.dat"));
    save->Command_enter->click();
    QCOMPARE(awaitMessage(5000), QStringLiteral("Complete storing  parameter."));

    // Rows 0..787 of the file are the radio's; rows 788..1024 as they were.
    MemoryImage expected = before;
    for (int row = 0; row <= Area::WholeRead.lastRow(); ++row) {
        for (int c = 0; c < kRowBytes; ++c)
            expected(row, c) = static_cast<std::int16_t>(radio_->memoryByte(row * kRowBytes + c));
    }
    const QByteArray file = FileBytes(QDir(dir_->path()).filePath(QStringLiteral("radio.dat")));
    QCOMPARE(file, DatFileText(expected));
    QVERIFY(!(expected == before));
    QCOMPARE(radio_->heardCount(RadioSimulator::Heard::Write), 0);
}

void TestWholeImageEndToEnd::loadDatThenWriteToRadio()
{
    const MemoryImage fileImage = RowPatternImage(2);
    const QString path = QDir(dir_->path()).filePath(QStringLiteral("image.dat"));
    QVERIFY(SaveDatFile(path, fileImage).ok());
    const QByteArray radioBefore = radio_->memory;

    main_->File_Open->trigger();
    auto* open = Windows::Find<Form_open_chann>();
    QVERIFY(open != nullptr);
    open->Dir1->setPath(dir_->path());
    open->Text1->setText(QStringLiteral("image.dat"));
    open->Command_enter->click();
    QCOMPARE(awaitMessage(5000), QStringLiteral("Succeed fold the parameter from file."));
    QVERIFY(Edata == fileImage);

    main_->Prog_write->trigger();
    auto* write = Windows::Find<Form_Comm_Write>();
    QVERIFY(write != nullptr);
    write->Text_PassWord->setText(QString());
    KitDriver::TypeText(write->Text_PassWord, QStringLiteral("583920"));
    write->Command_Write->click();
    QCOMPARE(awaitMessage(kWriteTimeoutMs), QStringLiteral("Complete Written the data to transceiver."));
    QCOMPARE(write->Label_tr_count->text(), QStringLiteral("Data Writed ！"));

    // Rows 0..783 as the file holds them, the tone tables in rows 512..575;
    // nothing above 0x30FF written.
    MemoryImage sent = fileImage;
    InitFiveToneTables(sent);
    QVERIFY(!(sent == fileImage));
    for (int a = 0; a < RadioSimulator::kMemoryBytes; ++a) {
        const int want =
            a <= 0x30FF ? sent(a / kRowBytes, a % kRowBytes) : static_cast<std::uint8_t>(radioBefore.at(a));
        QCOMPARE(radio_->memoryByte(a), want);
    }
    int writes = 0;
    for (const RadioSimulator::Heard& h : radio_->heard) {
        if (h.kind == RadioSimulator::Heard::Write) {
            ++writes;
            QVERIFY(h.address + h.length <= 0x3100);
        }
    }
    QCOMPARE(writes, 784);
    QVERIFY(!write->transfer().portOpen());
}

QTEST_MAIN(TestWholeImageEndToEnd)
#include "tst_whole_image_e2e.moc"
